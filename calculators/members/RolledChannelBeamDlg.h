#pragma once
// "轧制槽钢简支梁整体稳定系数": the dialog of φb of rolled channel beams (calculation in
// RolledChannelBeam.h).

#include <QDialog>

#include "calculators/members/RolledChannelBeam.h"

class QPushButton;

namespace ferrolab {

class ValueCombo;
class ChoiceList;
class EditionList;
class ReportBox;
class CBitmapPreview;

class CRolledChannelBeamDlg : public QDialog {
    Q_OBJECT
public:
    explicit CRolledChannelBeamDlg(QWidget* parent = nullptr);

    double l1() const { return l1_; }
    double fy() const { return fy_; }
    const ChannelBeamSection& section() const { return section_; }

    void OnCompute();

private:
    void BuildControls();
    void OnInitDialog();
    void OnChannelChanged();
    void OnGradeChanged();

    int edition_ = 0, channel_ = 0, grade_ = 0;
    double l1_ = 0;
    double fy_ = 235;
    ChannelBeamSection section_;

    EditionList* editionList_ = nullptr;
    ChoiceList* channelList_ = nullptr;
    ValueCombo* l1Box_ = nullptr;
    ChoiceList* gradeList_ = nullptr;
    ReportBox* sectionText_ = nullptr;
    QPushButton* compute_ = nullptr;
    CBitmapPreview* picture_ = nullptr;
    ReportBox* report_ = nullptr;
};

} // namespace ferrolab
