#pragma once
// "工字形、T形、矩形、十字形截面参数计算": area, mass, second moments, radii of gyration,
// section moduli, centroid and (thin webs) warping and torsion constants of a welded section of
// two flanges and a web.

#include <QDialog>

#include "calculators/properties/BuiltUpSection.h"

class QRadioButton;

namespace ferrolab {

class ValueCombo;
class ChoiceList;
class RadioGroup;
class ReportBox;
class CPreviewStatic;

class CBuiltUpSectionDlg : public QDialog {
    Q_OBJECT
public:
    explicit CBuiltUpSectionDlg(QWidget* parent = nullptr);

    // The stored inputs (what "计算" works from).
    double b1() const { return b1_; }
    double t1() const { return t1_; }
    double hw() const { return hw_; }
    double h() const { return h_; }
    double tw() const { return tw_; }
    double b2() const { return b2_; }
    double t2() const { return t2_; }

    void OnCompute();

private:
    void BuildControls();
    void OnInitDialog();
    void ApplyHeightRule();
    void OnHeightMode(bool hwEntered);
    void UpdatePreview();

    double b1_ = 0, t1_ = 0, hw_ = 0, h_ = 0, tw_ = 0, b2_ = 0, t2_ = 0;
    double density_ = 0;
    int method_ = 0;     // IxMethod
    int format_ = 0;     // ResultFormat
    int heightMode_ = 0; // 0: hw entered, H follows; 1: H entered, hw follows
    int unit_ = 0;       // "mm", "cm", "m"
    bool densityTyped_ = false;

    ValueCombo* b1Box_ = nullptr;
    ValueCombo* t1Box_ = nullptr;
    ValueCombo* hwBox_ = nullptr;
    ValueCombo* hBox_ = nullptr;
    ValueCombo* twBox_ = nullptr;
    ValueCombo* b2Box_ = nullptr;
    ValueCombo* t2Box_ = nullptr;
    ValueCombo* densityBox_ = nullptr;
    QRadioButton* hwMode_ = nullptr;
    QRadioButton* hMode_ = nullptr;
    RadioGroup* methodGroup_ = nullptr;
    RadioGroup* formatGroup_ = nullptr;
    ChoiceList* unitList_ = nullptr;
    CPreviewStatic* preview_ = nullptr;
    ReportBox* report_ = nullptr;
};

} // namespace ferrolab
