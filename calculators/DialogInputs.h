#pragma once
// A calculator dialog's inputs as the runner's field values, read from and written into its
// described controls, and the two buttons that keep them: "打开..." fills the dialog from a
// calculation file as if the user had picked and typed each value in turn (every event rule
// runs, nothing is computed until "计算"), "另存为..." writes the dialog's inputs to one.
//
// A control is read by its kind: a combo box's text (a list showing other texts than the runner's
// values through the field's entries), a line edit's text, a check box as "1"/"0", a group of
// radio buttons as the allowed value at the checked button's place.

#include <QString>

#include <functional>
#include <string>
#include <vector>

#include "calculators/Calculators.h"
#include "ui/ReportSheet.h"

class QDialog;
class QWidget;

namespace ferrolab {

// The values of every described control the dialog has, enabled and not hidden: what a report is
// computed from (a control the dialog disables or hides takes no part in it).
FieldValues ReadDialogInputs(const QDialog* dialog, const Description& description);

// The calculation sheet's input lines of the values: each described field with a value, in the
// description's order, under its described label; a choice as the dialog lists it, a switch as
// "是" or "否", and the described unit after the value unless the label carries it ("F(kN)").
std::vector<SheetField> SheetInputs(const Description& description, const FieldValues& values);

// Makes each report box of the dialog of `command` print its calculator's described inputs on
// its sheet: the box the calculator's description names, and every other box the calculator
// whose file the dialog saves.
void AttachSheetInputs(QDialog* dialog, int command);

// Puts the values into the dialog's controls, in the description's order, the way a user picks
// and types them. Controls that are disabled when their turn comes are left alone. Returns the
// names of the fields whose control does not show the value afterwards.
std::vector<std::string> ApplyDialogInputs(QDialog* dialog, const Description& description,
                                           const FieldValues& values);

// Opens a calculation file in the dialog of `command`: the file is read and tried on a scratch
// copy of the dialog first, so that a file the dialog cannot take leaves it as it was. Returns the
// message that refuses the file, or an empty string when the dialog now holds its inputs.
std::string OpenCalculationFile(QDialog* dialog, int command, const QString& path);

// Writes the dialog's inputs as a calculation file, whole or not at all; false when the file could
// not be written.
bool SaveCalculationFile(const QDialog* dialog, int command, const QString& path);

// Adds "打开..." (objectName "openButton") and "另存为..." ("saveAsButton") before the dialog's
// "计算" (or "取消") button.
void AttachCalculationFileButtons(QDialog* dialog, int command);

// The file dialogs of those buttons (empty: cancelled); tests replace them.
struct CalculationFileSeams {
    std::function<QString(QWidget* parent, const QString& suggested)> chooseOpen;
    std::function<QString(QWidget* parent, const QString& suggested)> chooseSave;
};
void SetCalculationFileSeams(CalculationFileSeams seams);
// The file dialog that asks which calculation file to open (through the seam when set).
QString ChooseCalculationFileToOpen(QWidget* parent, const QString& suggested = {});

// Called with the path of every calculation file opened or saved (the main window keeps its
// recent files with it); empty: nobody listens.
void SetCalculationFileListener(std::function<void(const QString& path)> listener);

// The calculator of a menu command whose inputs a file holds: the row with "计算" when two share
// the dialog (the bolt group rather than the one bolt's capacity).
const Calculator* CalculatorOfCommand(int command);

} // namespace ferrolab
