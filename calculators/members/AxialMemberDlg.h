#pragma once
// "轴心受力构件验算": net-section stress and flexural buckling stresses of an axially loaded
// rolled H, rolled I or welded I member.

#include <QDialog>

#include <optional>

#include "calculators/members/AxialMember.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace ferrolab {

class ValueCombo;
class ChoiceList;
class EditionList;
class ReportBox;
class CBitmapPreview;
class WeldedIPlates;

class CAxialMemberDlg : public QDialog {
    Q_OBJECT
public:
    explicit CAxialMemberDlg(QWidget* parent = nullptr);

    // The stored inputs and the current section (what "计算" works from).
    double lx() const { return lx_; }
    double ly() const { return ly_; }
    double axialForce() const { return n_; }
    double netFactor() const { return netFactor_; }
    int grade() const { return grade_; }
    int flameCut() const { return flameCut_; }
    bool xOn() const { return xOn_; }
    bool yOn() const { return yOn_; }
    const std::string& forceType() const { return forceType_; }
    const std::optional<AxialSection>& section() const { return section_; }

    void OnCompute();

private:
    void BuildControls();
    void OnInitDialog();
    void OnKindSelected();
    void OnNameSelected();
    void LoadName();
    void SetWeldedEnabled(bool enabled);
    void LoadWeldedDefaults();
    void ApplyThicknessRule();
    void OnWeldedChanged();
    void OnAxisToggled();

    // Inputs.
    double netFactor_ = 0, allowable_ = 0, n_ = 0, lx_ = 0, ly_ = 0;
    int edition_ = 0, kind_ = 0, name_ = 0, gradeIndex_ = 0, forceTypeIndex_ = 0, flange_ = 0;
    int grade_ = kQ235;
    int flameCut_ = 1;
    bool xOn_ = true, yOn_ = false;
    std::string forceType_;
    // The section: absent before the first load and after a name that loads nothing.
    std::optional<AxialSection> section_;

    EditionList* editionList_ = nullptr;
    ChoiceList* kindList_ = nullptr;
    ChoiceList* nameList_ = nullptr;
    ReportBox* properties_ = nullptr;
    ValueCombo* netFactorBox_ = nullptr;
    ChoiceList* gradeList_ = nullptr;
    ValueCombo* allowableBox_ = nullptr;
    QLabel* allowableLabel_ = nullptr;
    ChoiceList* forceTypeList_ = nullptr;
    ValueCombo* forceBox_ = nullptr;
    QCheckBox* xCheck_ = nullptr;
    QCheckBox* yCheck_ = nullptr;
    ValueCombo* lxBox_ = nullptr;
    ValueCombo* lyBox_ = nullptr;
    QLabel* lxLabel_ = nullptr;
    QLabel* lyLabel_ = nullptr;
    ReportBox* report_ = nullptr;
    CBitmapPreview* picture_ = nullptr;
    WeldedIPlates* plates_ = nullptr;
    ValueCombo* hwBox_ = nullptr; // the two heights: the one entered, the one that follows
    ValueCombo* hBox_ = nullptr;
    ChoiceList* flangeList_ = nullptr;
    std::vector<QWidget*> weldedWidgets_; // the welded inputs with their labels
    QPushButton* compute_ = nullptr;
};

} // namespace ferrolab
