#include "calculators/DialogInputs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <memory>
#include <optional>
#include <set>

#include "calculators/CalculationFile.h"
#include "calculators/CalculatorDialogs.h"
#include "engine/TextFile.h"
#include "ui/MessageBox.h"
#include "ui/ReportBox.h"

namespace ferrolab {
namespace {

CalculationFileSeams& Seams() {
    static CalculationFileSeams seams;
    return seams;
}

std::function<void(const QString&)>& Listener() {
    static std::function<void(const QString&)> listener;
    return listener;
}

QString& LastFolder() {
    static QString folder = QDir::homePath();
    return folder;
}

const QString kFilter = QStringLiteral("Ferrolab 计算文件 (*.ferrolab)");

// The list text of a runner value, and back, through the field's entries.
std::string Shown(const FieldSpec& field, const std::string& value) {
    const int index = IndexOf(field.allowed, value);
    return field.entries.empty() || index < 0 ? value
                                              : field.entries[static_cast<std::size_t>(index)];
}

std::string Value(const FieldSpec& field, const std::string& shown) {
    const int index = IndexOf(field.entries, shown);
    return field.entries.empty() || index < 0 ? shown
                                              : field.allowed[static_cast<std::size_t>(index)];
}

std::vector<QRadioButton*> Buttons(const QWidget* group) {
    std::vector<QRadioButton*> buttons;
    for (QRadioButton* button : group->findChildren<QRadioButton*>()) {
        buttons.push_back(button);
    }
    return buttons;
}

// The value a control shows, as the runner takes it; nothing for a control of no known kind.
std::optional<std::string> ReadControl(const QWidget* control, const FieldSpec& field) {
    if (const auto* combo = qobject_cast<const QComboBox*>(control)) {
        return Value(field, combo->currentText().toStdString());
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
        return edit->text().toStdString();
    }
    if (const auto* check = qobject_cast<const QCheckBox*>(control)) {
        return std::string(check->isChecked() ? "1" : "0");
    }
    // Radio buttons: the allowed value whose entry the checked button shows, or the one at its
    // place where the field names no entries.
    const std::vector<QRadioButton*> buttons = Buttons(control);
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        if (buttons[i]->isChecked()) {
            if (field.entries.empty() && i < field.allowed.size()) {
                return field.allowed[i];
            }
            return Value(field, buttons[i]->text().toStdString());
        }
    }
    return std::nullopt;
}

// Picks or types the value the way a user does, so that the control's own handlers run.
void WriteControl(QWidget* control, const FieldSpec& field, const std::string& value) {
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        const QString shown = QString::fromStdString(Shown(field, value));
        const int index = combo->findText(shown);
        if (index >= 0 && (!combo->isEditable() || combo->itemText(index) == shown)) {
            combo->setCurrentIndex(index);
            emit combo->activated(index);
        } else if (QLineEdit* edit = combo->lineEdit()) {
            edit->setText(shown);
            emit edit->textEdited(shown);
        }
        return;
    }
    if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        const QString text = QString::fromStdString(value);
        edit->setText(text);
        emit edit->textEdited(text);
        return;
    }
    if (auto* check = qobject_cast<QCheckBox*>(control)) {
        if (check->isChecked() != (value == "1")) {
            check->click();
        }
        return;
    }
    const std::vector<QRadioButton*> buttons = Buttons(control);
    int index = field.entries.empty() ? IndexOf(field.allowed, value) : -1;
    if (index < 0) {
        for (std::size_t i = 0; i < buttons.size(); ++i) {
            if (buttons[i]->text().toStdString() == Shown(field, value)) {
                index = static_cast<int>(i);
            }
        }
    }
    if (index >= 0 && index < static_cast<int>(buttons.size()) && !buttons[index]->isChecked()) {
        buttons[index]->click();
    }
}

QWidget* ControlOf(const QDialog* dialog, const FieldSpec& field) {
    return field.control.empty()
               ? nullptr
               : dialog->findChild<QWidget*>(QString::fromStdString(field.control));
}

} // namespace

FieldValues ReadDialogInputs(const QDialog* dialog, const Description& description) {
    FieldValues values;
    for (const FieldSpec& field : description.fields) {
        // A control the dialog disables or hides takes no part in the calculation shown.
        const QWidget* control = ControlOf(dialog, field);
        if (control && control->isEnabled() && control->isVisibleTo(dialog)) {
            if (const auto value = ReadControl(control, field)) {
                values[field.name] = *value;
            }
        }
    }
    return values;
}

std::vector<SheetField> SheetInputs(const Description& description, const FieldValues& values) {
    std::vector<SheetField> lines;
    for (const FieldSpec& field : description.fields) {
        const auto value = values.find(field.name);
        if (value == values.end()) {
            continue;
        }
        QString shown;
        if (field.kind == FieldKind::Switch) {
            shown = QString::fromUtf8(value->second == "1" ? "是" : "否");
        } else {
            shown = QString::fromStdString(Shown(field, value->second));
        }
        const QString label = QString::fromStdString(field.label);
        const QString unit = QString::fromStdString(field.unit);
        if (!shown.isEmpty() && !unit.isEmpty() && !label.contains('(' + unit + ')')) {
            shown += QLatin1Char(' ') + unit;
        }
        lines.push_back({label, shown});
    }
    return lines;
}

void AttachSheetInputs(QDialog* dialog, int command) {
    const Calculator* saved = CalculatorOfCommand(command);
    if (!saved) {
        return;
    }
    std::set<ReportBox*> claimed;
    auto attach = [dialog](ReportBox* box, const Description& description) {
        box->SetSheetInputs([dialog, &description] {
            return SheetInputs(description, ReadDialogInputs(dialog, description));
        });
    };
    for (const Calculator& row : AllCalculators()) {
        if (row.command != command || &row == saved) {
            continue;
        }
        const Description& description = row.description();
        for (ReportBox* box :
             dialog->findChildren<ReportBox*>(QString::fromStdString(description.report))) {
            attach(box, description);
            claimed.insert(box);
        }
    }
    for (ReportBox* box : dialog->findChildren<ReportBox*>()) {
        if (!claimed.contains(box)) {
            attach(box, saved->description());
        }
    }
}

std::vector<std::string> ApplyDialogInputs(QDialog* dialog, const Description& description,
                                           const FieldValues& values) {
    // The fields to set: a blank value of a field whose default is blank means "left out", and
    // the control keeps what the dialog shows.
    const auto toSet = [&](const FieldSpec& field) -> std::optional<std::string> {
        QWidget* control = ControlOf(dialog, field);
        const auto value = values.find(field.name);
        if (!control || value == values.end() || !control->isEnabled() ||
            (value->second.empty() && field.defaultValue.empty())) {
            return std::nullopt;
        }
        return value->second;
    };
    const auto missed = [&] {
        std::vector<const FieldSpec*> fields;
        for (const FieldSpec& field : description.fields) {
            const auto value = toSet(field);
            if (value && ReadControl(ControlOf(dialog, field), field) != *value) {
                fields.push_back(&field);
            }
        }
        return fields;
    };
    for (const FieldSpec& field : description.fields) {
        if (const auto value = toSet(field)) {
            WriteControl(ControlOf(dialog, field), field, *value);
        }
    }
    // A pick may rewrite a box set earlier (an anchor bolt writes its edge distance): the user
    // then types that box again.
    for (int pass = 0; pass < 2; ++pass) {
        for (const FieldSpec* field : missed()) {
            if (const auto value = toSet(*field)) {
                WriteControl(ControlOf(dialog, *field), *field, *value);
            }
        }
    }
    std::vector<std::string> names;
    for (const FieldSpec* field : missed()) {
        names.push_back(field->name);
    }
    return names;
}

const Calculator* CalculatorOfCommand(int command) {
    const Calculator* found = nullptr;
    for (const Calculator& row : AllCalculators()) {
        if (row.command == command) {
            found = &row;
        }
    }
    return found;
}

std::string OpenCalculationFile(QDialog* dialog, int command, const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return "无法读取文件：" + QDir::toNativeSeparators(path).toStdString();
    }
    const QByteArray bytes = file.readAll();
    const CalculationFileResult read = ReadCalculationFile(bytes.toStdString());
    if (!read.file) {
        return read.error;
    }
    const Calculator& row = *read.file->calculator;
    if (row.command != command) {
        return "该文件是计算器 " + row.description().id + "（" + row.description().caption +
               "）的计算，不能在此对话框中打开";
    }
    // Tried on a scratch dialog first: the real one changes only when every value takes.
    {
        const std::unique_ptr<QDialog> scratch(MakeCalculatorDialog(command));
        NoticeRecorder quiet;
        const std::vector<std::string> missed =
            ApplyDialogInputs(scratch.get(), row.description(), read.file->inputs);
        if (!missed.empty()) {
            std::string names;
            for (const std::string& name : missed) {
                names += (names.empty() ? "" : "、") + name;
            }
            return "文件中的输入项 " + names + " 不是此对话框可以选用的值";
        }
    }
    ApplyDialogInputs(dialog, row.description(), read.file->inputs);
    if (Listener()) {
        Listener()(path);
    }
    return {};
}

bool SaveCalculationFile(const QDialog* dialog, int command, const QString& path) {
    const Calculator* row = CalculatorOfCommand(command);
    if (!row) {
        return false;
    }
    const Description& description = row->description();
    FieldValues values = description.Defaults();
    for (const auto& [name, value] : ReadDialogInputs(dialog, description)) {
        values[name] = value;
    }
    if (!WriteTextFileAtomically(QFile::encodeName(path).toStdString(),
                                 CalculationFileText(description, values, UtcNow()))) {
        return false;
    }
    if (Listener()) {
        Listener()(path);
    }
    return true;
}

void AttachCalculationFileButtons(QDialog* dialog, int command) {
    QPushButton* anchor = dialog->findChild<QPushButton*>(QStringLiteral("computeButton"));
    if (!anchor) {
        anchor = dialog->findChild<QPushButton*>(QStringLiteral("cancelButton"));
    }
    if (!anchor || !anchor->parentWidget()) {
        return;
    }
    auto* open = new QPushButton(QStringLiteral("打开..."), anchor->parentWidget());
    open->setObjectName(QStringLiteral("openButton"));
    open->setAutoDefault(false);
    open->setToolTip(QStringLiteral("打开保存的计算文件，填入各项输入"));
    auto* saveAs = new QPushButton(QStringLiteral("另存为..."), anchor->parentWidget());
    saveAs->setObjectName(QStringLiteral("saveAsButton"));
    saveAs->setAutoDefault(false);
    saveAs->setToolTip(QStringLiteral("把各项输入保存为计算文件"));
    // Into the layout that holds the anchor, just before it.
    if (QLayout* top = anchor->parentWidget()->layout()) {
        std::vector<QLayout*> layouts{top};
        for (std::size_t i = 0; i < layouts.size(); ++i) {
            auto* box = qobject_cast<QBoxLayout*>(layouts[i]);
            const int at = layouts[i]->indexOf(anchor);
            if (box && at >= 0) {
                box->insertWidget(at, saveAs);
                box->insertWidget(at, open);
                break;
            }
            for (int j = 0; j < layouts[i]->count(); ++j) {
                if (QLayout* inner = layouts[i]->itemAt(j)->layout()) {
                    layouts.push_back(inner);
                }
            }
        }
    }
    const Calculator* row = CalculatorOfCommand(command);
    const QString suggested =
        row ? QString::fromStdString(row->description().caption).replace('/', '_') : QString();
    QObject::connect(open, &QPushButton::clicked, dialog, [dialog, command, suggested] {
        const QString path = Seams().chooseOpen
                                 ? Seams().chooseOpen(dialog, suggested)
                                 : QFileDialog::getOpenFileName(dialog, QStringLiteral("打开计算"),
                                                                LastFolder(), kFilter);
        if (path.isEmpty()) {
            return;
        }
        LastFolder() = QFileInfo(path).absolutePath();
        const std::string refusal = OpenCalculationFile(dialog, command, path);
        if (!refusal.empty()) {
            ShowNotice(dialog, Notice{refusal, "打开计算", NoticeIcon::Warning});
        }
    });
    QObject::connect(saveAs, &QPushButton::clicked, dialog, [dialog, command, suggested] {
        QString path = Seams().chooseSave
                           ? Seams().chooseSave(dialog, suggested)
                           : QFileDialog::getSaveFileName(
                                 dialog, QStringLiteral("另存为计算文件"),
                                 QDir(LastFolder()).filePath(suggested + ".ferrolab"), kFilter);
        if (path.isEmpty()) {
            return;
        }
        if (QFileInfo(path).suffix().isEmpty()) {
            path += QStringLiteral(".ferrolab");
        }
        LastFolder() = QFileInfo(path).absolutePath();
        if (!SaveCalculationFile(dialog, command, path)) {
            ShowNotice(dialog, Notice{"无法写入文件，计算未保存：\r\n" +
                                          QDir::toNativeSeparators(path).toStdString(),
                                      "提示", NoticeIcon::Warning});
        }
    });
}

QString ChooseCalculationFileToOpen(QWidget* parent, const QString& suggested) {
    const QString path = Seams().chooseOpen
                             ? Seams().chooseOpen(parent, suggested)
                             : QFileDialog::getOpenFileName(parent, QStringLiteral("打开计算"),
                                                            LastFolder(), kFilter);
    if (!path.isEmpty()) {
        LastFolder() = QFileInfo(path).absolutePath();
    }
    return path;
}

void SetCalculationFileSeams(CalculationFileSeams seams) {
    Seams() = std::move(seams);
}

void SetCalculationFileListener(std::function<void(const QString& path)> listener) {
    Listener() = std::move(listener);
}

} // namespace ferrolab
