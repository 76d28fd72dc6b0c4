#pragma once
// Building blocks every calculator dialog is made of: the value box (ValueCombo), the pick-only
// list (ChoiceList), the radio group (RadioGroup), the report box (ReportBox, ShowOutcome), and
// the small helpers that lay out labels, result boxes, grid rows and the button row.

#include <QString>

#include <span>
#include <string>
#include <vector>

#include "ui/ChoiceList.h"
#include "ui/EditionList.h"
#include "ui/MessageBox.h"
#include "ui/RadioGroup.h"
#include "ui/ReportBox.h"
#include "ui/ValueCombo.h"

class QDialog;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QWidget;

namespace ferrolab {

// "计算" (objectName "computeButton") and "取消" (objectName "cancelButton", closes the dialog).
QPushButton* MakeComputeButton(QWidget* parent);
QPushButton* MakeCancelButton(QDialog* dialog);
// The dialog's button row: the buttons at its right end.
QHBoxLayout* MakeButtonRow(QPushButton* compute, QPushButton* cancel);

// A label showing a UTF-8 text; objectName only for labels that change or that tests read.
QLabel* MakeLabel(const char* text, QWidget* parent, const char* objectName = nullptr);
// A read-only box that shows a computed value; maxWidth > 0 caps its width.
QLineEdit* MakeResultBox(const char* objectName, QWidget* parent, int maxWidth = 0);
// One grid row: the label in column 0, the field in column 1, the unit (if any) in column 2.
void AddGridRow(QGridLayout* grid, int row, const char* label, QWidget* field,
                const char* unit = nullptr);
// The entries of a constant name list, as ChoiceList and RadioGroup take them.
std::vector<const char*> Items(std::span<const char* const> names);
// The same for texts built at run time; the pointers live as long as the texts.
std::vector<const char*> Items(const std::vector<std::string>& texts);

} // namespace ferrolab
