#pragma once
// "柱的计算长度系数": the members meeting at a column joint (the column above, the beams left and
// right, the column below) with the upper column's section list and its selection dialog, and in
// the middle the effective length factor μ of the column from K1, K2 and the frame kind.

#include <QDialog>

class QListWidget;

namespace ferrolab {

class ValueCombo;
class RadioGroup;
class ReportBox;
class CBitmapPreview;
class EditionList;

class CColumnLengthFactorDlg : public QDialog {
    Q_OBJECT
public:
    explicit CColumnLengthFactorDlg(QWidget* parent = nullptr);

    double k1() const { return k1_; }
    double k2() const { return k2_; }

    void OnCompute();
    void OnSelectSection();

private:
    void BuildControls();
    void OnInitDialog();

    double k1_ = 0, k2_ = 0;
    int frame_ = 0; // FrameKind
    int edition_ = 0;
    EditionList* editionList_ = nullptr;
    QListWidget* upperList_ = nullptr;
    ValueCombo* k1Box_ = nullptr;
    ValueCombo* k2Box_ = nullptr;
    RadioGroup* frameGroup_ = nullptr;
    ReportBox* report_ = nullptr;
    CBitmapPreview* picture_ = nullptr;
};

} // namespace ferrolab
