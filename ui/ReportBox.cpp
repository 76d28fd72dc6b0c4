#include "ui/ReportBox.h"

#include <QAbstractButton>
#include <QAction>
#include <QBoxLayout>
#include <QClipboard>
#include <QComboBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QGroupBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPageLayout>
#include <QPrinter>
#include <QScrollBar>
#include <QStyle>
#include <QToolButton>

#include <algorithm>
#include <memory>

#include "ui/MessageBox.h"
#include "ui/SheetOutput.h"

namespace ferrolab {

ReportBox::ReportBox(QWidget* parent, const QString& objectName) : QPlainTextEdit(parent) {
    setObjectName(objectName);
    setReadOnly(true);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
    setTabStopDistance(fontMetrics().horizontalAdvance(QLatin1Char(' ')) * 8);
    verdicts_ = new QLabel(this);
    verdicts_->setObjectName(objectName + QStringLiteral("Verdicts"));
    verdicts_->setTextFormat(Qt::RichText);
    verdicts_->setAutoFillBackground(true);
    verdicts_->setContentsMargins(4, 2, 4, 2);
    verdicts_->hide();
    staleNote_ = new QLabel(QString::fromUtf8(kStaleNote), this);
    staleNote_->setObjectName(objectName + QStringLiteral("Stale"));
    staleNote_->setAutoFillBackground(true);
    staleNote_->setContentsMargins(4, 2, 4, 2);
    QPalette notePalette = staleNote_->palette();
    notePalette.setColor(QPalette::WindowText, QColor(0xb2, 0x6a, 0x00));
    staleNote_->setPalette(notePalette);
    staleNote_->hide();
    BuildKeepStrip();
}

void ReportBox::FollowInputs() {
    following_ = true;
}

void ReportBox::SetInputScope(QWidget* scope, const std::vector<QWidget*>& excluded) {
    scope_ = scope;
    excluded_.assign(excluded.begin(), excluded.end());
}

void ReportBox::SetSheetInputs(std::function<std::vector<SheetField>()> read) {
    sheetInputs_ = std::move(read);
}

std::vector<SheetField> ReportBox::SheetInputs() const {
    return sheetInputs_ ? sheetInputs_() : GatherInputs(window());
}

void ReportBox::MarkRefused() {
    if (following_ && !document()->isEmpty()) {
        refused_ = true;
        UpdateStale();
    }
}

// The controls whose values a report is computed from: combo boxes, editable line edits,
// check boxes, radio buttons and checkable group boxes of the scope, in the order they were
// made. Report boxes and read-only result boxes are no inputs.
std::vector<QWidget*> ReportBox::Inputs() const {
    const QWidget* scope = scope_ ? scope_.data() : window();
    std::vector<QWidget*> inputs;
    for (QWidget* widget : scope->findChildren<QWidget*>()) {
        bool skipped = false;
        for (const QWidget* w = widget; w && w != scope && !skipped; w = w->parentWidget()) {
            skipped = qobject_cast<const ReportBox*>(w) != nullptr ||
                      std::any_of(excluded_.begin(), excluded_.end(),
                                  [w](const QPointer<QWidget>& e) { return e.data() == w; });
        }
        if (skipped) {
            continue;
        }
        if (qobject_cast<QComboBox*>(widget)) {
            inputs.push_back(widget);
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            if (!edit->isReadOnly() && !qobject_cast<QComboBox*>(edit->parentWidget())) {
                inputs.push_back(widget);
            }
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            if (button->isCheckable()) {
                inputs.push_back(widget);
            }
        } else if (auto* group = qobject_cast<QGroupBox*>(widget); group && group->isCheckable()) {
            inputs.push_back(widget);
        }
    }
    return inputs;
}

QStringList ReportBox::InputState() const {
    QStringList state;
    for (const QWidget* widget : Inputs()) {
        if (const auto* combo = qobject_cast<const QComboBox*>(widget)) {
            state << combo->currentText();
        } else if (const auto* edit = qobject_cast<const QLineEdit*>(widget)) {
            state << edit->text();
        } else if (const auto* button = qobject_cast<const QAbstractButton*>(widget)) {
            state << (button->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
        } else if (const auto* group = qobject_cast<const QGroupBox*>(widget)) {
            state << (group->isChecked() ? QStringLiteral("1") : QStringLiteral("0"));
        }
    }
    return state;
}

// Every change of an input re-compares the inputs with those of the report, programmatic ones
// (dependent updates) included, so the mark is right whatever order the dialog's own handlers
// run in.
void ReportBox::WatchInputs() {
    const auto unique = Qt::UniqueConnection;
    for (QWidget* widget : Inputs()) {
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            connect(combo, &QComboBox::currentIndexChanged, this, &ReportBox::UpdateStale, unique);
            connect(combo, &QComboBox::activated, this, &ReportBox::UpdateStale, unique);
            if (QLineEdit* edit = combo->lineEdit()) {
                connect(edit, &QLineEdit::textChanged, this, &ReportBox::UpdateStale, unique);
            }
        } else if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            connect(edit, &QLineEdit::textChanged, this, &ReportBox::UpdateStale, unique);
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
            connect(button, &QAbstractButton::toggled, this, &ReportBox::UpdateStale, unique);
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            connect(group, &QGroupBox::toggled, this, &ReportBox::UpdateStale, unique);
        }
    }
}

void ReportBox::UpdateStale() {
    const bool stale =
        following_ && !document()->isEmpty() && (refused_ || InputState() != computedState_);
    if (stale != stale_) {
        ShowStale(stale);
    }
}

void ReportBox::ShowStale(bool stale) {
    stale_ = stale;
    QPalette shown = palette();
    const QPalette standard = style()->standardPalette();
    shown.setColor(QPalette::Active, QPalette::Text,
                   stale ? standard.color(QPalette::Disabled, QPalette::Text)
                         : standard.color(QPalette::Active, QPalette::Text));
    shown.setColor(QPalette::Inactive, QPalette::Text,
                   stale ? standard.color(QPalette::Disabled, QPalette::Text)
                         : standard.color(QPalette::Inactive, QPalette::Text));
    setPalette(shown);
    staleNote_->setVisible(stale);
    ShowVerdicts();
}

void ReportBox::BuildKeepStrip() {
    const QString name = objectName();
    auto makeAction = [&](const char* text, const char* suffix, void (ReportBox::*slot)()) {
        auto* action = new QAction(QString::fromUtf8(text), this);
        // A button shows the icon text, which would drop the "..." of a dialog-opening action.
        action->setIconText(action->text());
        action->setObjectName(name + QString::fromLatin1(suffix) + QStringLiteral("Action"));
        action->setEnabled(false);
        connect(action, &QAction::triggered, this, slot);
        return action;
    };
    copyAction_ = makeAction("复制", "Copy", &ReportBox::CopyReport);
    copyAction_->setToolTip(QStringLiteral("把计算结果复制到剪贴板"));
    saveAction_ = makeAction("保存...", "Save", &ReportBox::SaveReport);
    saveAction_->setToolTip(QStringLiteral("把计算书保存为文本文件或 PDF 文件"));
    printAction_ = makeAction("打印...", "Print", &ReportBox::PrintReport);
    printAction_->setToolTip(QStringLiteral("打印计算书"));

    keepStrip_ = new QWidget(this);
    keepStrip_->setObjectName(name + QStringLiteral("Keep"));
    keepStrip_->setAutoFillBackground(true);
    keepStrip_->setBackgroundRole(QPalette::Window);
    auto* layout = new QHBoxLayout(keepStrip_);
    layout->setContentsMargins(2, 1, 2, 1);
    layout->setSpacing(2);
    layout->addStretch(1);
    const std::pair<QAction*, const char*> buttons[] = {
        {copyAction_, "Copy"}, {saveAction_, "Save"}, {printAction_, "Print"}};
    for (const auto& [action, suffix] : buttons) {
        auto* button = new QToolButton(keepStrip_);
        button->setObjectName(name + QString::fromLatin1(suffix));
        button->setDefaultAction(action);
        button->setAutoRaise(true);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
        button->setFocusPolicy(Qt::NoFocus);
        layout->addWidget(button);
    }
    connect(this, &QPlainTextEdit::textChanged, this, [this] {
        const bool any = !document()->isEmpty();
        copyAction_->setEnabled(any);
        saveAction_->setEnabled(any);
        printAction_->setEnabled(any);
    });
    PlaceStrips();
}

ReportSheet ReportBox::Sheet() const {
    const QWidget* dialog = window();
    const bool computed = following_ && !document()->isEmpty();
    return ReportSheet{dialog->windowTitle(),
                       SheetDate(),
                       computed ? computedInputs_ : SheetInputs(),
                       Report(),
                       VerdictLines(),
                       stale_ ? QString::fromUtf8(kStaleNote) : QString()};
}

void ReportBox::CopyReport() {
    QString text = toPlainText();
    if (stale_) {
        text += QLatin1Char('\n') + QString::fromUtf8(kStaleNote);
    }
    QGuiApplication::clipboard()->setText(text);
}

void ReportBox::SaveReport() {
    const ReportSheet sheet = Sheet();
    QString suggested = sheet.caption.isEmpty() ? QStringLiteral("计算书") : sheet.caption;
    suggested.replace(QLatin1Char('/'), QLatin1Char('_'))
        .replace(QLatin1Char('\\'), QLatin1Char('_'));
    const QString path = ChooseSheetFile(this, suggested + QStringLiteral(".txt"));
    if (path.isEmpty()) {
        return;
    }
    if (!SaveSheet(path, sheet, font())) {
        ShowNotice(this, Notice{"无法写入文件，计算书未保存：\r\n" +
                                    QDir::toNativeSeparators(path).toStdString(),
                                "提示", NoticeIcon::Warning});
    }
}

void ReportBox::PrintReport() {
    const ReportSheet sheet = Sheet();
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(sheet.caption);
    printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
    if (!ConfirmPrint(this, &printer)) {
        return;
    }
    if (!PrintSheet(&printer, sheet, font())) {
        ShowNotice(this, Notice{"无法启动打印，计算书未打印。", "提示", NoticeIcon::Warning});
    }
}

QMenu* ReportBox::CreateContextMenu() {
    QMenu* menu = createStandardContextMenu();
    menu->setObjectName(objectName() + QStringLiteral("Menu"));
    menu->addSeparator();
    menu->addAction(copyAction_);
    menu->addAction(saveAction_);
    menu->addAction(printAction_);
    return menu;
}

void ReportBox::contextMenuEvent(QContextMenuEvent* event) {
    const std::unique_ptr<QMenu> menu(CreateContextMenu());
    menu->exec(event->globalPos());
}

void ReportBox::SetReport(const std::string& report) {
    QString text = QString::fromStdString(report);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    setPlainText(text);
    refused_ = false;
    if (following_ && !report.empty()) {
        computedState_ = InputState();
        computedInputs_ = SheetInputs();
        WatchInputs();
    } else {
        computedState_.clear();
        computedInputs_.clear();
    }
    SetChecks({});
    if (stale_) {
        ShowStale(false);
    }
}

void ReportBox::SetChecks(const std::vector<Check>& checks) {
    checks_ = checks;
    ShowVerdicts();
}

// Green "满足" and red "不满足" lines; all grey while the report is stale.
void ReportBox::ShowVerdicts() {
    QStringList lines;
    for (const Check& check : checks_) {
        const QString color = stale_             ? QStringLiteral("#8a8a8a")
                              : Satisfied(check) ? QStringLiteral("#1b7a2b")
                                                 : QStringLiteral("#c62828");
        lines << QStringLiteral("<span style=\"color:%1\">%2</span>")
                     .arg(color, QString::fromStdString(VerdictLine(check)).toHtmlEscaped());
    }
    verdicts_->setText(lines.join(QStringLiteral("<br>")));
    verdicts_->setVisible(!checks_.empty());
    PlaceStrips();
}

QStringList ReportBox::VerdictLines() const {
    QStringList lines;
    for (const Check& check : checks_) {
        lines << QString::fromStdString(VerdictLine(check));
    }
    return lines;
}

void ReportBox::resizeEvent(QResizeEvent* event) {
    QPlainTextEdit::resizeEvent(event);
    PlaceStrips();
}

// The keep strip takes the top of the box, the verdict strip and under it the stale note its
// bottom, all inside its frame; the text scrolls between them.
void ReportBox::PlaceStrips() {
    const int top = keepStrip_ ? keepStrip_->sizeHint().height() : 0;
    const int verdicts = checks_.empty() ? 0 : verdicts_->sizeHint().height();
    const int note = staleNote_ && stale_ ? staleNote_->sizeHint().height() : 0;
    setViewportMargins(0, top, 0, verdicts + note);
    const QRect inside = contentsRect();
    const int width = inside.width() - verticalScrollBar()->sizeHint().width();
    if (keepStrip_) {
        keepStrip_->setGeometry(inside.left(), inside.top(), width, top);
    }
    verdicts_->setGeometry(inside.left(), inside.bottom() + 1 - verdicts - note, width, verdicts);
    if (staleNote_) {
        staleNote_->setGeometry(inside.left(), inside.bottom() + 1 - note, width, note);
    }
}

std::string ReportBox::Report() const {
    QString text = toPlainText();
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text.toStdString();
}

void ShowOutcome(QWidget* dialog, ReportBox* report, const std::optional<std::string>& text,
                 const std::vector<Notice>& notices, const std::vector<Check>& checks) {
    ShowNotices(dialog, notices);
    report->FollowInputs();
    if (text) {
        report->SetReport(*text);
        report->SetChecks(checks);
    } else {
        report->MarkRefused();
    }
}

} // namespace ferrolab
