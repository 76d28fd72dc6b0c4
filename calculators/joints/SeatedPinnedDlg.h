#pragma once
// "支托铰接": a beam end seated on a welded T bracket. The dialog holds the bracket, weld and load
// inputs, offers the beam and column sections for the record (they do not enter the check) and
// writes the weld and bracket stresses on "计算".

#include <QDialog>

#include "calculators/joints/SeatedPinned.h"

namespace ferrolab {

class ValueCombo;
class ChoiceList;
class EditionList;
class ReportBox;
class CBitmapPreview;

class CSeatedPinnedDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSeatedPinnedDlg(QWidget* parent = nullptr);

    // What "计算" works from.
    SeatedPinnedInput Input() const;
    int edition() const;

    void OnCompute();

private:
    void BuildControls();
    void OnInitDialog();
    void OnSeriesChanged(ChoiceList* series, ChoiceList* sections);
    // The electrodes of the grade, chosen from for the 2017 edition only.
    void FillElectrodes();

    SeatedPinnedInput in_;
    int grade_ = 0;
    int betaAngle_ = 0;
    int beamSeries_ = 0;
    int beam_ = 0;
    int columnSeries_ = 0;
    int column_ = 0;
    int weld_ = 0;
    int editionIndex_ = 0, electrode_ = 0;

    ChoiceList* gradeList_ = nullptr;
    ChoiceList* betaAngleList_ = nullptr;
    ChoiceList* beamSeriesList_ = nullptr;
    ChoiceList* beamList_ = nullptr;
    ChoiceList* columnSeriesList_ = nullptr;
    ChoiceList* columnList_ = nullptr;
    ChoiceList* weldList_ = nullptr;
    EditionList* editionList_ = nullptr;
    ChoiceList* electrodeList_ = nullptr;
    std::vector<ValueCombo*> boxes_;
    CBitmapPreview* picture_ = nullptr;
    ReportBox* report_ = nullptr;
};

} // namespace ferrolab
