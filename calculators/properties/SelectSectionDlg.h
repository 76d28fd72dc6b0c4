#pragma once
// "选择截面": pick a section family and, for the hot-rolled H series, a section of the series,
// or type the plates of a welded I section. Opened from the column effective-length form, which
// reads nothing back.

#include <QDialog>

class QComboBox;
class QRadioButton;

namespace ferrolab {

class ChoiceList;

class CSelectSectionDlg : public QDialog {
    Q_OBJECT
public:
    explicit CSelectSectionDlg(QWidget* parent = nullptr);

private:
    void BuildControls();
    void OnInitDialog();
    void OnFamilyChosen(int index);

    int section_ = 0;
    QComboBox* familyBox_ = nullptr;
    ChoiceList* sectionList_ = nullptr;
};

} // namespace ferrolab
