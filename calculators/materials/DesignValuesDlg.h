#pragma once
// "设计指标": design values of steel, welds and spot welds and the width-thickness limits of
// compressed cold-formed plates. No compute button: every pick rewrites its boxes at once.

#include <QDialog>

class QLabel;
class QLineEdit;

namespace ferrolab {

class ChoiceList;
class ReportBox;

class CDesignValuesDlg : public QDialog {
    Q_OBJECT
public:
    explicit CDesignValuesDlg(QWidget* parent = nullptr);

private:
    void BuildControls();
    void OnInitDialog();
    void OnCodeChanged();
    void OnGradeChanged();
    void OnThicknessChanged();
    void OnSpotWeldPlateChanged();
    void OnPlateCategoryChanged();
    // The grade of the selected grade entry (235, 345, ...).
    int SelectedGrade() const;
    void ShowThickness(bool shown);
    void ShowColdFormedControls(bool shown);
    void SetStrengthTexts(const std::string& steel, const std::string& weld);

    int code_ = 0;
    int gradeIndex_ = 0;
    int band_ = 0;
    int spotWeldPlate_ = 0;
    int plateCategory_ = 0;

    ChoiceList* codeList_ = nullptr;
    ChoiceList* gradeList_ = nullptr;
    QLabel* thicknessLabel_ = nullptr;
    ChoiceList* thicknessList_ = nullptr;
    QLabel* thicknessUnit_ = nullptr;
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
