#pragma once
// "工字形、T形、矩形、十字形截面参数计算": area, mass, second moments, radii of gyration,
// section moduli, centroid and (thin webs) warping and torsion constants of a welded section of
// two flanges and a web.

#include <QDialog>

#include "calculators/properties/BuiltUpSection.h"
#include "ui/WeldedIPlates.h"

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
    double b1() const { return plates_->Values().b1; }
    double t1() const { return plates_->Values().t1; }
    double hw() const { return plates_->Values().hw; }
    double h() const { return plates_->Values().h; }
    double tw() const { return plates_->Values().tw; }
    double b2() const { return plates_->Values().b2; }
    double t2() const { return plates_->Values().t2; }

    void OnCompute();

private:
    void BuildControls();
    void OnInitDialog();
    void ApplyHeightRule();
    void OnHeightMode(bool hwEntered);
    void UpdatePreview();

    double density_ = 0;
    int method_ = 0;     // IxMethod
    int format_ = 0;     // ResultFormat
    int heightMode_ = 0; // 0: hw entered, H follows; 1: H entered, hw follows
    int unit_ = 0;       // "mm", "cm", "m"
    bool densityTyped_ = false;

    WeldedIPlates* plates_ = nullptr;
    ValueCombo* hwBox_ = nullptr; // the two heights: the one entered, the one that follows
    ValueCombo* hBox_ = nullptr;
    ValueCombo* densityBox_ = nullptr;
    RadioGroup* methodGroup_ = nullptr;
    RadioGroup* formatGroup_ = nullptr;
    ChoiceList* unitList_ = nullptr;
    CPreviewStatic* preview_ = nullptr;
    ReportBox* report_ = nullptr;
};

} // namespace ferrolab
