#pragma once
// The calculation sheet a saved or printed report becomes: its inputs, read from the dialog, and
// its text. ui/SheetOutput.h writes it to a file or a printer.
//
// A sheet is what an engineer files with the drawings: the calculator's caption, the date, every
// input as the dialog shows it (label and value), the report, and the verdict lines when the
// report has any. The inputs are read from the dialog's own widgets, so every calculator gets
// its sheet without code of its own.

#include <QDate>
#include <QString>
#include <QStringList>

#include <string>
#include <vector>

class QWidget;

namespace ferrolab {

// One input line of the sheet: "label：value" (a label may be empty).
struct SheetField {
    QString label;
    QString value;

    bool operator==(const SheetField&) const = default;
};

struct ReportSheet {
    QString caption; // the dialog's window title
    QDate date;      // the day the sheet is made
    std::vector<SheetField> inputs;
    std::string report;     // "\r\n" line ends, as the report box holds it
    QStringList verdicts;   // the verdict strip's lines, if shown
    QString staleNote = {}; // set when the inputs were changed after the report was computed
};

// The inputs of a dialog in the order its layouts show them: editable and pick-only combo boxes,
// line edits, spin boxes, lists (their selected items), check boxes ("是"/"否"), checked radio
// buttons and checkable group boxes, enabled or not, hidden ones left out. Each takes its label
// from the label beside it (left, or above in a column or over an empty grid cell on the left;
// a radio button or check box there lends its text), else from the title of the group box around
// it; a unit label on its right ("mm", "kN") follows the value. Report boxes, buttons and
// pictures are no inputs.
std::vector<SheetField> GatherInputs(const QWidget* dialog);

// The sheet as text, "\r\n" line ends.
QString SheetText(const ReportSheet& sheet);

} // namespace ferrolab
