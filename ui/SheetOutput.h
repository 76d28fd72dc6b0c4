#pragma once
// The ways a calculation sheet leaves the program: a UTF-8 text file, an A4 PDF, a printer, with
// the file and print dialogs that ask where. Files are written whole or not at all: the text or
// PDF goes to a temporary file beside the target, which replaces the target only once everything
// is written.

#include <QDate>
#include <QFont>
#include <QString>

#include <functional>

#include "ui/ReportSheet.h"

class QPrinter;
class QWidget;

namespace ferrolab {

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
