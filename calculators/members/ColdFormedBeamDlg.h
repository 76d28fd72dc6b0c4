#pragma once
// "冷弯薄壁规范中受弯构件的一些参数": the overall stability coefficient φbx of a simply supported
// cold-formed beam of a catalogue section, for one of seven load cases and three bracings.

#include <QDialog>

#include "calculators/members/ColdFormedBeam.h"

class QPushButton;

namespace ferrolab {

class ValueCombo;
class ChoiceList;
class RadioGroup;
class ReportBox;
class CBitmapPreview;

class CColdFormedBeamDlg : public QDialog {
    Q_OBJECT
public:
    explicit CColdFormedBeamDlg(QWidget* parent = nullptr);

    // The stored state (what "计算" works from).
    const CFBeamSection& section() const { return section_; }
    double l() const { return l_; }
    double ea() const { return ea_; }
    int loadCase() const { return loadCase_; }

    void OnCompute();

private:
    void BuildControls();
    void OnInitDialog();
    void OnKindChosen();
    void OnNameChosen();

    CFBeamSection section_;
    double l_ = 0, ea_ = 0;
    int loadCase_ = 0;
    int kind_ = 0, name_ = 0, bracing_ = 0, grade_ = 0;

    ChoiceList* kindList_ = nullptr;
    ChoiceList* nameList_ = nullptr;
    ReportBox* properties_ = nullptr;
    CBitmapPreview* preview_ = nullptr;
    RadioGroup* loadCases_ = nullptr;
    ChoiceList* bracingList_ = nullptr;
    ChoiceList* gradeList_ = nullptr;
    ValueCombo* lBox_ = nullptr;
    ValueCombo* eaBox_ = nullptr;
    QPushButton* compute_ = nullptr;
    ReportBox* report_ = nullptr;
};

} // namespace ferrolab
