#pragma once
// "梁柱铰接连接": the shear-only connection of a beam to a column by a single plate or by two
// angles, with friction-type high-strength bolts in the beam web.

#include <QDialog>

#include "calculators/joints/BeamColumnPinned.h"

namespace ferrolab {

class ValueCombo;
class ChoiceList;
class EditionList;
class ReportBox;
class CBitmapPreview;

class CBeamColumnPinnedDlg : public QDialog {
    Q_OBJECT
public:
    explicit CBeamColumnPinnedDlg(QWidget* parent = nullptr);

    // What "计算" works from.
    PinnedJointInput Input() const;
    int edition() const;
    double webDepth() const { return webDepth_; }

    void OnCompute();

    // The joint picture for the β angle, the style and the bolt columns; empty when there is none.
    static QString PictureFor(int betaAngle, int style, int cols);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void OnInitDialog();
    void OnStyle();
    void OnCode();
    void OnSeries(ChoiceList* series, ChoiceList* sections, bool beam);
    void OnBeam();
    void OnAngle();
    void OnDiameter();
    void UpdateLayout();
    void ShowPicture();
    void OnLeave(QObject* box);
    void CheckField(PinnedField field, ValueCombo* box);
    // The edition's code names and faying surfaces (the pick kept where both editions have it),
    // and the electrodes of the grade, enabled for the 2017 edition's welds.
    void OnEditionChosen();
    void FillElectrodes();

    // Values of the inputs.
    int style_ = 0;
    int gradeIndex_ = 0;
    int betaAngle_ = 0;
    int beamSeries_ = 0, beam_ = 0, columnSeries_ = 0, column_ = 0;
    int angleKind_ = 0, angle_ = 0;
    int code_ = 0, surface_ = 0, boltGradeIndex_ = 0, diameterIndex_ = 0;
    int rowsIndex_ = 0, colsIndex_ = 0;
    int weldKind_ = 0, hfIndex_ = 0;
    int editionIndex_ = 0, electrodeIndex_ = 0;
    int filledEdition_ = kSteel2003; // the edition the code and surface lists show
    double webDepth_ = 0;
    double bp_ = 0, hp_ = 0, tp_ = 0, d1_ = 0, d2_ = 0, v_ = 0, n_ = 0;
    double clearance_ = 0, sRow_ = 0, sCol_ = 0, betaF_ = 0;
    SteelGrade steelGrade_ = kQ235;
    int boltClass_ = 88;
    int d_ = 16;
    int rows_ = 2, cols_ = 1;
    double hf_ = 6;

    ChoiceList* styleList_ = nullptr;
    ChoiceList* gradeList_ = nullptr;
    ChoiceList* betaAngleList_ = nullptr;
    ChoiceList* beamSeriesList_ = nullptr;
    ChoiceList* beamList_ = nullptr;
    ChoiceList* columnSeriesList_ = nullptr;
    ChoiceList* columnList_ = nullptr;
    ChoiceList* angleKindList_ = nullptr;
    ChoiceList* angleList_ = nullptr;
    ChoiceList* codeList_ = nullptr;
    ChoiceList* surfaceList_ = nullptr;
    ChoiceList* boltGradeList_ = nullptr;
    ChoiceList* diameterList_ = nullptr;
    ChoiceList* rowsList_ = nullptr;
    ChoiceList* colsList_ = nullptr;
    ChoiceList* weldKindList_ = nullptr;
    ChoiceList* hfList_ = nullptr;
    EditionList* editionList_ = nullptr;
    ChoiceList* electrodeList_ = nullptr;
    ValueCombo* d1Box_ = nullptr;
    ValueCombo* d2Box_ = nullptr;
    ValueCombo* vBox_ = nullptr;
    ValueCombo* nBox_ = nullptr;
    ValueCombo* bpBox_ = nullptr;
    ValueCombo* hpBox_ = nullptr;
    ValueCombo* tpBox_ = nullptr;
    ValueCombo* clearanceBox_ = nullptr;
    ValueCombo* sRowBox_ = nullptr;
    ValueCombo* sColBox_ = nullptr;
    ValueCombo* betaFBox_ = nullptr;
    CBitmapPreview* picture_ = nullptr;
    ReportBox* report_ = nullptr;
};

} // namespace ferrolab
