#pragma once
// Keeping a report: the calculation sheet a saved or printed report becomes, and the three ways
// out of the report box (clipboard, file, printer).
//
// A sheet is what an engineer files with the drawings: the calculator's caption, the date, every
// input as the dialog shows it (label and value), the report, and the verdict lines when the
// report has any. The inputs are read from the dialog's own widgets, so every calculator gets
// its sheet without code of its own.
//
// Files are written whole or not at all: the text or PDF goes to a temporary file beside the
// target, which replaces the target only once everything is written.

#include <QDate>
#include <QFont>
#include <QString>
#include <QStringList>

#include <functional>
#include <string>
#include <vector>

class QPrinter;
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

// Today, for the sheet's date (replaceable in tests, see KeepSeamsOverride).
QDate SheetDate();

// Writes the sheet as UTF-8 text, or as a PDF when the name ends in ".pdf" (any case). False
// when the file could not be written; the target is then left as it was.
bool SaveSheet(const QString& path, const ReportSheet& sheet, const QFont& font);
bool IsPdfName(const QString& path);

// Prints the sheet on a printer already set up (by the print dialog). False when the printer
// could not be started.
bool PrintSheet(QPrinter* printer, const ReportSheet& sheet, const QFont& font);

// The file dialog of "保存..." (empty when cancelled) and the print dialog of "打印..." (false
// when cancelled), both modal unless replaced.
QString ChooseSheetFile(QWidget* parent, const QString& suggested);
bool ConfirmPrint(QWidget* parent, QPrinter* printer);

// While alive, the set members replace the clock and the two modal dialogs, so that tests keep
// reports without a clock and without blocking. Not nestable.
struct KeepSeams {
    std::function<QDate()> today;
    std::function<QString(QWidget* parent, const QString& suggested)> chooseFile;
    std::function<bool(QWidget* parent, QPrinter* printer)> confirmPrint;
};

class KeepSeamsOverride {
public:
    explicit KeepSeamsOverride(KeepSeams seams);
    ~KeepSeamsOverride();
    KeepSeamsOverride(const KeepSeamsOverride&) = delete;
    KeepSeamsOverride& operator=(const KeepSeamsOverride&) = delete;
};

} // namespace ferrolab
