#pragma once
// Building blocks every calculator dialog is made of.
//
// A numeric input is a ValueCombo: an editable combo box with its preset list, bound to the
// dialog's double member. It keeps the two handlers every numeric box has: typing stores the
// box's current text, choosing a list item stores that item's text (the edit field has not been
// updated yet at that moment), both read with TextToDouble, at once. After storing, it emits
// typed() or chosen() so that the dialog can apply its dependent updates. Programmatic changes
// (opening, dependent updates) go through SelectFirst/SetValueText and emit nothing.
//
// A discrete choice is a ChoiceList (drop-down list without an edit field) bound to an int
// member holding the chosen index; a set of options is a RadioGroup bound to an int member.
// The report box shows a report built with "\r\n" line ends.

#include <QComboBox>
#include <QGroupBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QString>

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "engine/Check.h"
#include "engine/Notice.h"
#include "ui/MessageBox.h"
#include "ui/ReportSheet.h"

class QAction;
class QButtonGroup;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QDialog;
class QGridLayout;
class QHBoxLayout;
class QLineEdit;

namespace ferrolab {

class ValueCombo : public QComboBox {
    Q_OBJECT
public:
    ValueCombo(const QString& objectName, const std::vector<const char*>& presets, double* member,
               QWidget* parent = nullptr);

    // Opening: select item 0 and store the number it shows (an empty list stores 0).
    void SelectFirst();
    // A dependent update: show this text and store its value, without running the handlers.
    void SetValueText(const QString& text);
    void SetValueText(const std::string& text) { SetValueText(QString::fromStdString(text)); }
    // A dependent update of a computed value: store it exactly, show it formatted ("%.2f").
    void SetValue(double value, const char* format = "%.2f");
    double* member() const { return member_; }

signals:
    void typed();
    void chosen();

private:
    double* member_;
};

// Makes a combo box editable without completion: the box shows exactly what was typed, and
// typing never picks or inserts a list item.
void MakeTypedOnly(QComboBox* box);

class ChoiceList : public QComboBox {
    Q_OBJECT
public:
    ChoiceList(const QString& objectName, const std::vector<const char*>& items, int* member,
               QWidget* parent = nullptr);

    // Refills the list (for lists that depend on another choice), selects item 0, stores 0.
    void SetItems(const std::vector<const char*>& items);
    void SetItems(const std::vector<std::string>& items);
    // Opening or a dependent update: select this item and store it, without emitting chosen().
    void Select(int index);
    std::string SelectedText() const { return currentText().toStdString(); }

signals:
    void chosen();

private:
    int* member_;
};

class RadioGroup : public QGroupBox {
    Q_OBJECT
public:
    RadioGroup(const QString& title, const QString& objectName,
               const std::vector<const char*>& texts, int* member, QWidget* parent = nullptr,
               Qt::Orientation orientation = Qt::Vertical);

    QRadioButton* button(int index) const;
    // Checks the button of *member (used when the dialog opens).
    void CheckFromMember();

signals:
    void chosen(int index);

private:
    QButtonGroup* group_;
    int* member_;
};

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
    void WatchInputs();
    void UpdateStale();
    void ShowStale(bool stale);

    std::vector<Check> checks_;
    bool following_ = false;
    QPointer<QWidget> scope_;
    std::vector<QPointer<QWidget>> excluded_;
    QStringList computedState_;
    std::vector<SheetField> computedInputs_;
    bool refused_ = false;
    bool stale_ = false;
    QLabel* staleNote_ = nullptr;
    QLabel* verdicts_ = nullptr;
    QWidget* keepStrip_ = nullptr;
    QAction* copyAction_ = nullptr;
    QAction* saveAction_ = nullptr;
    QAction* printAction_ = nullptr;
};

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

// Shows the outcome of a compute: its message boxes in order, then, when the compute was not
// refused, the new report with its verdicts. A refused compute leaves the previous report (and
// its verdicts) in place.
void ShowOutcome(QWidget* dialog, ReportBox* report, const std::optional<std::string>& text,
                 const std::vector<Notice>& notices, const std::vector<Check>& checks = {});

} // namespace ferrolab
