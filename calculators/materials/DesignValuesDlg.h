#pragma once
// "设计指标": design values of steel, welds and spot welds and the width-thickness limits of
// compressed cold-formed plates. No compute button: every pick rewrites its boxes at once.

#include <QDialog>

#include "calculators/materials/DesignValues.h"

class QLabel;
class QLineEdit;

namespace ferrolab {

class ChoiceList;
class EditionList;
class ReportBox;

class CDesignValuesDlg : public QDialog {
    Q_OBJECT
public:
    explicit CDesignValuesDlg(QWidget* parent = nullptr);

private:
    void BuildControls();
    void OnInitDialog();
    // The edition picked: in the GB50017 mode as a code pick, under the edition's tables.
    void OnEditionChanged();
    void OnCodeChanged();
    void OnGradeChanged();
    void OnThicknessChanged();
    void OnElectrodeChanged();
    // GB50017-2017 in the GB50017 mode.
    bool Edition2017Mode() const;
    // The three boxes of GB50017-2017 for the picks shown.
    void Show2017Texts();
    void Show2017Controls(bool shown);
    // The edition list shows in the GB50017 mode only.
    void ShowEdition(bool shown);
    void OnSpotWeldPlateChanged();
    void OnPlateCategoryChanged();
    // The grade of the selected grade entry (235, 345, ...).
    int SelectedGrade() const;
    void ShowThickness(bool shown);
    void ShowColdFormedControls(bool shown);
    void SetStrengthTexts(const std::string& steel, const std::string& weld);

    int edition_ = 0;
    int code_ = 0; // the place picked in the code list
    // The code picked, as the calculation unit takes it.
    int Code() const { return DesignCodeAt(code_); }
    int gradeIndex_ = 0;
    int band_ = 0;
    int electrode_ = 0;
    int spotWeldPlate_ = 0;
    int plateCategory_ = 0;

    QWidget* editionRow_ = nullptr; // the edition's label and list
    EditionList* editionList_ = nullptr;
    ChoiceList* codeList_ = nullptr;
    ChoiceList* gradeList_ = nullptr;
    QLabel* thicknessLabel_ = nullptr;
    ChoiceList* thicknessList_ = nullptr;
    QLabel* thicknessUnit_ = nullptr;
    QLabel* electrodeLabel_ = nullptr;
    ChoiceList* electrodeList_ = nullptr;
    QWidget* boltGroup_ = nullptr;
    ReportBox* boltBox_ = nullptr;
    ReportBox* steelBox_ = nullptr;
    ReportBox* weldBox_ = nullptr;
    QLabel* spotWeldPlateLabel_ = nullptr;
    ChoiceList* spotWeldPlateList_ = nullptr;
    QLabel* nvsLabel_ = nullptr;
    QLineEdit* nvsBox_ = nullptr;
    QLabel* plateCategoryLabel_ = nullptr;
    ChoiceList* plateCategoryList_ = nullptr;
    QLabel* limitLabel_ = nullptr;
    QLineEdit* limitBox_ = nullptr;
};

} // namespace ferrolab
