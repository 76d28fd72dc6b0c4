#pragma once
// The dialogs of the calculator table: the menu command of a row opens its dialog, modal, alive
// only while it runs. Each dialog's source defines its factory `Make<Dialog>Dialog`.

class QDialog;
class QWidget;

namespace ferrolab {

#define FERROLAB_CALCULATOR(Unit, command, Form) QDialog* Make##Form##Dialog(QWidget* parent);
#include "calculators/Calculators.def"

// A new dialog of the command's calculator at its opening inputs (not shown), or nullptr.
QDialog* MakeCalculatorDialog(int command, QWidget* parent = nullptr);
// Whether a row of the table opens a dialog on this command.
bool HasCalculatorDialog(int command);
// Constructs the command's dialog with its opening inputs, runs it and destroys it, whatever
// closed it; false when the command opens no calculator.
bool RunCalculatorDialog(int command, QWidget* parent);

} // namespace ferrolab
