#include "calculators/CalculatorDialogs.h"

#include <QDialog>

#include <map>
#include <memory>

#include "calculators/Commands.h"
#include "calculators/DialogInputs.h"

namespace ferrolab {
namespace {

using Factory = QDialog* (*)(QWidget*);

// The dialog of each command; rows that share a dialog share its command.
const std::map<int, Factory>& Factories() {
    static const std::map<int, Factory> factories = {
#define FERROLAB_CALCULATOR(Unit, command, Form) {command, &Make##Form##Dialog},
#include "calculators/Calculators.def"
    };
    return factories;
}

} // namespace

QDialog* MakeCalculatorDialog(int command, QWidget* parent) {
    const auto it = Factories().find(command);
    if (it == Factories().end()) {
        return nullptr;
    }
    QDialog* dialog = it->second(parent);
    AttachCalculationFileButtons(dialog, command);
    AttachSheetInputs(dialog, command);
    return dialog;
}

bool HasCalculatorDialog(int command) {
    return Factories().count(command) > 0;
}

bool RunCalculatorDialog(int command, QWidget* parent) {
    const std::unique_ptr<QDialog> dialog(MakeCalculatorDialog(command, parent));
    if (!dialog) {
        return false;
    }
    dialog->exec();
    return true;
}

} // namespace ferrolab
