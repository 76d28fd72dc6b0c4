#include "ui/CalculatorDialog.h"

#include <QAbstractButton>
#include <QAction>
#include <QBoxLayout>
#include <QButtonGroup>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDialog>
#include <QDir>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPageLayout>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QToolButton>

#include <memory>

#include "engine/Format.h"
#include "engine/TextToNumber.h"

namespace ferrolab {

ValueCombo::ValueCombo(const QString& objectName, const std::vector<const char*>& presets,
                       double* member, QWidget* parent)
    : QComboBox(parent), member_(member) {
    setObjectName(objectName);
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    for (const char* preset : presets) {
        addItem(QString::fromUtf8(preset));
    }
    // textEdited fires only for the user's typing, activated only for the user's choice: the
    // programmatic updates below never run the handlers.
    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        *member_ = TextToDouble(text.toStdString());
        emit typed();
    });
    connect(this, &QComboBox::activated, this, [this](int index) {
        *member_ = TextToDouble(itemText(index).toStdString());
        emit chosen();
    });
}

void ValueCombo::SelectFirst() {
    const QSignalBlocker blocker(this);
    if (count() > 0) {
        setCurrentIndex(0);
        *member_ = TextToDouble(itemText(0).toStdString());
    } else {
        *member_ = 0;
    }
}

void ValueCombo::SetValueText(const QString& text) {
    const QSignalBlocker blocker(this);
    setEditText(text);
    *member_ = TextToDouble(text.toStdString());
}

void ValueCombo::SetValue(double value, const char* format) {
    const QSignalBlocker blocker(this);
    setEditText(QString::fromStdString(FormatNumber(format, value)));
    *member_ = value;
}

ChoiceList::ChoiceList(const QString& objectName, const std::vector<const char*>& items,
                       int* member, QWidget* parent)
    : QComboBox(parent), member_(member) {
    setObjectName(objectName);
    setEditable(false);
    SetItems(items);
    connect(this, &QComboBox::activated, this, [this](int index) {
        *member_ = index;
        emit chosen();
    });
}

void ChoiceList::SetItems(const std::vector<const char*>& items) {
    const QSignalBlocker blocker(this);
    clear();
    for (const char* item : items) {
        addItem(QString::fromUtf8(item));
    }
    Select(0);
}

void ChoiceList::SetItems(const std::vector<std::string>& items) {
    const QSignalBlocker blocker(this);
    clear();
    for (const std::string& item : items) {
        addItem(QString::fromStdString(item));
    }
    Select(0);
}

void ChoiceList::Select(int index) {
    const QSignalBlocker blocker(this);
    if (index >= 0 && index < count()) {
        setCurrentIndex(index);
        *member_ = index;
    } else {
        *member_ = count() > 0 ? 0 : -1;
        setCurrentIndex(count() > 0 ? 0 : -1);
    }
}

RadioGroup::RadioGroup(const QString& title, const QString& objectName,
                       const std::vector<const char*>& texts, int* member, QWidget* parent,
                       Qt::Orientation orientation)
    : QGroupBox(title, parent), group_(new QButtonGroup(this)), member_(member) {
    setObjectName(objectName);
    auto* layout = new QBoxLayout(
        orientation == Qt::Vertical ? QBoxLayout::TopToBottom : QBoxLayout::LeftToRight, this);
    int id = 0;
    for (const char* text : texts) {
        auto* button = new QRadioButton(QString::fromUtf8(text), this);
        button->setObjectName(QStringLiteral("%1_%2").arg(objectName).arg(id));
        group_->addButton(button, id++);
        layout->addWidget(button);
    }
    CheckFromMember();
    connect(group_, &QButtonGroup::idClicked, this, [this](int index) {
        *member_ = index;
        emit chosen(index);
    });
}

QRadioButton* RadioGroup::button(int index) const {
    return qobject_cast<QRadioButton*>(group_->button(index));
}

void RadioGroup::CheckFromMember() {
    if (QAbstractButton* button = group_->button(*member_)) {
        button->setChecked(true);
    }
}

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
    BuildKeepStrip();
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
    return ReportSheet{dialog->windowTitle(), SheetDate(), GatherInputs(dialog), Report(),
                       VerdictLines()};
}

void ReportBox::CopyReport() {
    QGuiApplication::clipboard()->setText(toPlainText());
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
    SetChecks({});
}

void ReportBox::SetChecks(const std::vector<Check>& checks) {
    checks_ = checks;
    QStringList lines;
    for (const Check& check : checks_) {
        const QString color =
            Satisfied(check) ? QStringLiteral("#1b7a2b") : QStringLiteral("#c62828");
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

// The keep strip takes the top of the box and the verdict strip its bottom, both inside its
// frame; the text scrolls between them.
void ReportBox::PlaceStrips() {
    const int top = keepStrip_ ? keepStrip_->sizeHint().height() : 0;
    const int bottom = checks_.empty() ? 0 : verdicts_->sizeHint().height();
    setViewportMargins(0, top, 0, bottom);
    const QRect inside = contentsRect();
    const int width = inside.width() - verticalScrollBar()->sizeHint().width();
    if (keepStrip_) {
        keepStrip_->setGeometry(inside.left(), inside.top(), width, top);
    }
    verdicts_->setGeometry(inside.left(), inside.bottom() + 1 - bottom, width, bottom);
}

std::string ReportBox::Report() const {
    QString text = toPlainText();
    text.replace(QStringLiteral("\n"), QStringLiteral("\r\n"));
    return text.toStdString();
}

QPushButton* MakeComputeButton(QWidget* parent) {
    auto* button = new QPushButton(QStringLiteral("计算"), parent);
    button->setObjectName(QStringLiteral("computeButton"));
    button->setAutoDefault(false);
    return button;
}

QPushButton* MakeCancelButton(QDialog* dialog) {
    auto* button = new QPushButton(QStringLiteral("取消"), dialog);
    button->setObjectName(QStringLiteral("cancelButton"));
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, dialog, &QDialog::reject);
    return button;
}

QHBoxLayout* MakeButtonRow(QPushButton* compute, QPushButton* cancel) {
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(compute);
    buttons->addWidget(cancel);
    return buttons;
}

QLabel* MakeLabel(const char* text, QWidget* parent, const char* objectName) {
    auto* label = new QLabel(QString::fromUtf8(text), parent);
    if (objectName != nullptr) {
        label->setObjectName(QString::fromLatin1(objectName));
    }
    return label;
}

QLineEdit* MakeResultBox(const char* objectName, QWidget* parent, int maxWidth) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(QString::fromLatin1(objectName));
    box->setReadOnly(true);
    if (maxWidth > 0) {
        box->setMaximumWidth(maxWidth);
    }
    return box;
}

void AddGridRow(QGridLayout* grid, int row, const char* label, QWidget* field, const char* unit) {
    QWidget* parent =
        grid->parentWidget() != nullptr ? grid->parentWidget() : field->parentWidget();
    grid->addWidget(MakeLabel(label, parent), row, 0);
    grid->addWidget(field, row, 1);
    if (unit != nullptr) {
        grid->addWidget(MakeLabel(unit, parent), row, 2);
    }
}

std::vector<const char*> Items(std::span<const char* const> names) {
    return {names.begin(), names.end()};
}

std::vector<const char*> Items(const std::vector<std::string>& texts) {
    std::vector<const char*> items;
    for (const std::string& text : texts) {
        items.push_back(text.c_str());
    }
    return items;
}

void ShowOutcome(QWidget* dialog, ReportBox* report, const std::optional<std::string>& text,
                 const std::vector<Notice>& notices, const std::vector<Check>& checks) {
    ShowNotices(dialog, notices);
    if (text) {
        report->SetReport(*text);
        report->SetChecks(checks);
    }
}

} // namespace ferrolab
