#pragma once
// "螺栓连接": the design capacities of one bolt, rebuilt on every pick, and the force in the most
// heavily loaded bolt of a rectangular bolt group, on "计算".

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;

namespace ferrolab {

class ValueCombo;
class ChoiceList;
class EditionList;
class ReportBox;
class CBitmapPreview;

class CBoltConnectionDlg : public QDialog {
    Q_OBJECT
public:
    explicit CBoltConnectionDlg(QWidget* parent = nullptr);

    void OnCompute();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls();
    void OnInitDialog();
    // The edition picked: the code list names the GB50017 of the edition, then as a code pick.
    void OnEditionChanged();
    void OnCodeChanged();
    void OnKindChanged();
    void OnPlateGradeChanged();
    void OnSurfaceChanged();
    void OnLoadCaseChanged();
    void OnMuFocusLost();
    // The slip factor of the table for the code, plate grade and surface, into the μ box.
    void SetMuFromTable();
    // The capacity box for the current picks (the μ box's text for friction-type bolts).
    void RebuildCapacity();
    void ShowSlipFactor(bool shown);
    // The hole type enters the slip capacity of GB50017-2017 only.
    void UpdateHoleRow();
    void UpdatePicture();

    // Capacity job: list positions.
    int edition_ = 0;
    int code_ = 0;
    int kind_ = 0;
    int class_ = 0;
    int diameter_ = 0;
    int planes_ = 0;
    int plateGrade_ = 0;
    int thickness_ = 0;
    int surface_ = 0;
    int hole_ = 0;
    // Bolt-group job.
    int loadCase_ = 0;
    double v_ = 0, n_ = 0, m_ = 0;
    int rows_ = 0;
    int cols_ = 0;
    double rowPitch_ = 0, colPitch_ = 0;

    EditionList* editionList_ = nullptr;
    ChoiceList* codeList_ = nullptr;
    ChoiceList* kindList_ = nullptr;
    ChoiceList* classList_ = nullptr;
    ChoiceList* diameterList_ = nullptr;
    ChoiceList* planesList_ = nullptr;
    ChoiceList* plateGradeList_ = nullptr;
    ChoiceList* thicknessList_ = nullptr;
    QGroupBox* slipGroup_ = nullptr;
    ChoiceList* surfaceList_ = nullptr;
    QLineEdit* muBox_ = nullptr;
    QWidget* holeRow_ = nullptr;
    ChoiceList* holeList_ = nullptr;
    ReportBox* capacity_ = nullptr;

    ChoiceList* loadCaseList_ = nullptr;
    ValueCombo* vBox_ = nullptr;
    ValueCombo* nBox_ = nullptr;
    QLabel* momentLabel_ = nullptr;
    ValueCombo* mBox_ = nullptr;
    ChoiceList* rowsList_ = nullptr;
    ChoiceList* colsList_ = nullptr;
    ValueCombo* rowPitchBox_ = nullptr;
    ValueCombo* colPitchBox_ = nullptr;
    CBitmapPreview* picture_ = nullptr;
    ReportBox* report_ = nullptr;
};

} // namespace ferrolab
