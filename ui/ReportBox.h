#pragma once
// The report box: a read-only text box showing a report built with "\r\n" line ends, with its
// verdict strip, its stale mark and the ways to keep the report.

#include <QPlainTextEdit>
#include <QPointer>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/Check.h"
#include "engine/Notice.h"
#include "ui/ReportSheet.h"

class QAction;
class QLabel;
class QMenu;

namespace ferrolab {

// The report box also carries the verdict strip: under the text, one line per code check of the
// report (utilisation and "满足" in green or "不满足" in red), hidden while there is none.
// Above the text it carries the ways to keep the report, also offered in its context menu:
// "复制" (the report to the clipboard), "保存..." (the calculation sheet as a text file or a PDF)
// and "打印..." (the sheet on a printer); they are disabled while the box is empty. Their
// buttons are named <box>Copy, <box>Save and <box>Print.
//
// A report box that shows the outcome of "计算" follows its inputs: once any of them differs
// from what it was when the report was computed, or a later compute was refused, the report
// stays but is greyed and carries kStaleNote under it (and on every copy, sheet and print) until
// the next report. Its inputs are every input control of the dialog unless SetInputScope narrows
// them.
inline constexpr const char* kStaleNote = "输入已修改，以上为上一次计算结果";

class ReportBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit ReportBox(QWidget* parent = nullptr, const QString& objectName = "report");

    // Replaces the content; "\r\n" line ends are shown as line breaks. A new report drops the
    // verdicts of the previous one.
    void SetReport(const std::string& report);
    // The content with the "\r\n" line ends it was given.
    std::string Report() const;

    // Shows the verdicts of the report just set (an empty list hides the strip).
    void SetChecks(const std::vector<Check>& checks);
    const std::vector<Check>& Checks() const { return checks_; }
    // The strip's lines as shown (empty while hidden).
    QStringList VerdictLines() const;

    // Makes this box follow its inputs (ShowOutcome does): from now on each report it shows
    // records the inputs it was computed from.
    void FollowInputs();
    // The inputs of this box's reports: the input controls inside `scope`, less those inside
    // any of `excluded` (for a dialog that shows two independent reports).
    void SetInputScope(QWidget* scope, const std::vector<QWidget*>& excluded = {});
    // Where the sheet's inputs come from: the calculator's described inputs as the dialog holds
    // them. Unset, the sheet reads the dialog's input controls as laid out (GatherInputs).
    void SetSheetInputs(std::function<std::vector<SheetField>()> read);
    // A compute was refused: the report shown no longer answers the inputs.
    void MarkRefused();
    // The report shown was computed from other inputs than those the dialog shows now.
    bool IsStale() const { return stale_; }

    // The calculation sheet of this report: the caption of the dialog it sits in and the inputs
    // the report was computed from (for a box that does not follow its inputs, those shown now).
    ReportSheet Sheet() const;
    void CopyReport();
    // Asks for a file name and writes the sheet; a failed write says so in a message box.
    void SaveReport();
    // Asks for a printer and prints the sheet.
    void PrintReport();

    QAction* copyAction() const { return copyAction_; }
    QAction* saveAction() const { return saveAction_; }
    QAction* printAction() const { return printAction_; }
    // The context menu: the text box's own entries, then the three ways to keep the report.
    QMenu* CreateContextMenu();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void BuildKeepStrip();
    void PlaceStrips();
    void ShowVerdicts();
    // Every input's shown value, in a fixed order, and the inputs' change signals hooked to
    // UpdateStale.
    QStringList InputState() const;
    std::vector<QWidget*> Inputs() const;
    std::vector<SheetField> SheetInputs() const;
    void WatchInputs();
    void UpdateStale();
    void ShowStale(bool stale);

    std::vector<Check> checks_;
    bool following_ = false;
    QPointer<QWidget> scope_;
    std::vector<QPointer<QWidget>> excluded_;
    QStringList computedState_;
    std::vector<SheetField> computedInputs_;
    std::function<std::vector<SheetField>()> sheetInputs_;
    bool refused_ = false;
    bool stale_ = false;
    QLabel* staleNote_ = nullptr;
    QLabel* verdicts_ = nullptr;
    QWidget* keepStrip_ = nullptr;
    QAction* copyAction_ = nullptr;
    QAction* saveAction_ = nullptr;
    QAction* printAction_ = nullptr;
};

// Shows the outcome of a compute: its message boxes in order, then, when the compute was not
// refused, the new report with its verdicts. A refused compute leaves the previous report (and
// its verdicts) in place.
void ShowOutcome(QWidget* dialog, ReportBox* report, const std::optional<std::string>& text,
                 const std::vector<Notice>& notices, const std::vector<Check>& checks = {});

} // namespace ferrolab
