#pragma once
// "柱脚设计": pinned base of two channels or fixed base of a rolled H column. The dialog keeps
// the plate dimensions B and L in step with their parts, shows the section's catalogue values,
// lets an anchor-bolt pick set the outstand c and the hole area, and writes the plate design
// on "计算", with the stress case of a fixed base in its picture.

#include <QDialog>

#include "calculators/joints/ColumnBase.h"

class QButtonGroup;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace ferrolab {

class ValueCombo;
class ChoiceList;
class EditionList;
class ReportBox;
class CBitmapPreview;

class CColumnBaseDlg : public QDialog {
    Q_OBJECT
public:
    explicit CColumnBaseDlg(QWidget* parent = nullptr);

    // The stored inputs.
    double n() const { return n_; }
    double m() const { return m_; }
    double l1() const { return l1_; }
    double b1() const { return b1_; }
    double c() const { return c_; }
    double a0() const { return a0_; }
    double ts() const { return ts_; }
    double a1() const { return a1_; }
    double h() const { return h_; }
    double holes() const { return holes_; }
    int edition() const;

    void OnCompute();

private:
    void BuildControls();
    void OnInitDialog();
    void OnBaseTypePicked();
    void OnFormPicked();
    void OnSectionPicked();
    void OnAnchorPicked();
    // The concrete and anchor-grade lists of the edition, the picks kept where the list still
    // offers them (else its first entry).
    void OnEditionChosen();
    void UpdateB();
    void UpdateL();

    int baseType_ = kPinnedBase;
    int form_ = 0;
    int section_ = 0;
    int l1Index_ = 0;
    int editionIndex_ = 0;
    int plateGrade_ = 0;
    int concrete_ = 0;
    int anchorGrade_ = 0;
    int anchorD_ = 0;
    double n_ = 0, m_ = 0, tp_ = 0, c_ = 0, b1_ = 0, a0_ = 0, shoeHeight_ = 0, ts_ = 0;
    double holes_ = 0, l1_ = 0;
    double a1_ = 0, h_ = 0; // of the section last picked

    ChoiceList* baseTypeList_ = nullptr;
    ChoiceList* formList_ = nullptr;
    ChoiceList* sectionList_ = nullptr;
    ReportBox* properties_ = nullptr;
    QWidget* l1Row_ = nullptr;
    ChoiceList* l1List_ = nullptr;
    QLineEdit* a1Box_ = nullptr;
    QWidget* hRow_ = nullptr;
    QLineEdit* hBox_ = nullptr;
    QLineEdit* lBox_ = nullptr;
    QLineEdit* bBox_ = nullptr;
    ValueCombo* nBox_ = nullptr;
    QRadioButton* pressButton_ = nullptr;
    QRadioButton* upliftButton_ = nullptr;
    QWidget* momentRow_ = nullptr;
    ValueCombo* mBox_ = nullptr;
    ValueCombo* tpBox_ = nullptr;
    ValueCombo* cBox_ = nullptr;
    ValueCombo* b1Box_ = nullptr;
    ValueCombo* a0Box_ = nullptr;
    ValueCombo* shoeHeightBox_ = nullptr;
    ValueCombo* tsBox_ = nullptr;
    EditionList* editionList_ = nullptr;
    ChoiceList* plateGradeList_ = nullptr;
    ChoiceList* concreteList_ = nullptr;
    ChoiceList* anchorGradeList_ = nullptr;
    ChoiceList* anchorDList_ = nullptr;
    QWidget* holesRow_ = nullptr;
    ValueCombo* holesBox_ = nullptr;
    QPushButton* computeButton_ = nullptr;
    CBitmapPreview* picture_ = nullptr;
    ReportBox* report_ = nullptr;
};

} // namespace ferrolab
