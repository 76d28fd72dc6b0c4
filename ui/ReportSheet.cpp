#include "ui/ReportSheet.h"

#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSet>

namespace ferrolab {
namespace {

const QString kLineEnd = QStringLiteral("\r\n");

// A label's text as a sheet label: mnemonic marks and the closing colon dropped.
QString LabelText(QString text) {
    text.replace(QStringLiteral("&&"), QStringLiteral("\x01"));
    text.remove(QLatin1Char('&'));
    text.replace(QStringLiteral("\x01"), QStringLiteral("&"));
    text = text.trimmed();
    while (text.endsWith(QLatin1Char(':')) || text.endsWith(QChar(0xFF1A))) {
        text.chop(1);
        text = text.trimmed();
    }
    return text;
}

bool EndsWithColon(const QString& text) {
    const QString trimmed = text.trimmed();
    return trimmed.endsWith(QLatin1Char(':')) || trimmed.endsWith(QChar(0xFF1A));
}

// The layout that holds `widget` as a direct item, searched from `layout` down.
QLayout* HoldingLayout(QLayout* layout, const QWidget* widget, int* index) {
    for (int i = 0; i < layout->count(); ++i) {
        QLayoutItem* item = layout->itemAt(i);
        if (item->widget() == widget) {
            *index = i;
            return layout;
        }
        if (QLayout* inner = item->layout()) {
            if (QLayout* found = HoldingLayout(inner, widget, index)) {
                return found;
            }
        }
    }
    return nullptr;
}

enum class Side { Before, After };

// The widget next to `widget` in its layout: before it (left in a row or grid, above in a
// column, or a label above in a grid whose cell on the left is empty) or after it (right, in
// rows and grids only).
QWidget* Neighbour(const QWidget* widget, Side side) {
    const QWidget* parent = widget->parentWidget();
    if (!parent || !parent->layout()) {
        return nullptr;
    }
    int index = -1;
    QLayout* layout = HoldingLayout(parent->layout(), widget, &index);
    if (!layout) {
        return nullptr;
    }
    if (auto* grid = qobject_cast<QGridLayout*>(layout)) {
        int row = 0, column = 0, rowSpan = 0, columnSpan = 0;
        grid->getItemPosition(index, &row, &column, &rowSpan, &columnSpan);
        const int target = side == Side::Before ? column - 1 : column + columnSpan;
        if (target >= 0 && target < grid->columnCount()) {
            if (QLayoutItem* item = grid->itemAtPosition(row, target)) {
                return item->widget();
            }
        }
        // Nothing on the left: a label may stand on a row of its own above the field.
        if (side == Side::Before && row > 0) {
            QLayoutItem* item = grid->itemAtPosition(row - 1, column);
            return item && qobject_cast<QLabel*>(item->widget()) ? item->widget() : nullptr;
        }
        return nullptr;
    }
    if (auto* form = qobject_cast<QFormLayout*>(layout)) {
        return side == Side::Before ? form->labelForField(const_cast<QWidget*>(widget)) : nullptr;
    }
    if (auto* box = qobject_cast<QBoxLayout*>(layout)) {
        const bool row = box->direction() == QBoxLayout::LeftToRight ||
                         box->direction() == QBoxLayout::RightToLeft;
        if (side == Side::After && !row) {
            return nullptr;
        }
    }
    const int target = index + (side == Side::Before ? -1 : 1);
    if (target < 0 || target >= layout->count()) {
        return nullptr;
    }
    return layout->itemAt(target)->widget();
}

QString GroupTitle(const QWidget* widget, const QWidget* root) {
    for (const QWidget* w = widget->parentWidget(); w && w != root; w = w->parentWidget()) {
        if (const auto* group = qobject_cast<const QGroupBox*>(w)) {
            return LabelText(group->title());
        }
    }
    return {};
}

QString FieldLabel(const QWidget* field, const QWidget* root) {
    for (const QLabel* label : root->findChildren<QLabel*>()) {
        if (label->buddy() == field && label->isVisibleTo(root)) {
            return LabelText(label->text());
        }
    }
    if (const QWidget* before = Neighbour(field, Side::Before);
        before && before->isVisibleTo(root)) {
        QString text;
        if (const auto* label = qobject_cast<const QLabel*>(before)) {
            text = LabelText(label->text());
        } else if (qobject_cast<const QRadioButton*>(before) ||
                   qobject_cast<const QCheckBox*>(before)) {
            text = LabelText(static_cast<const QAbstractButton*>(before)->text());
        }
        if (!text.isEmpty()) {
            return text;
        }
    }
    return GroupTitle(field, root);
}

// A unit label on the field's right ("mm", "kN"): a label that does not end in a colon, which
// would make it the label of the next field.
QString FieldUnit(const QWidget* field, const QWidget* root) {
    const auto* label = qobject_cast<const QLabel*>(Neighbour(field, Side::After));
    if (!label || !label->isVisibleTo(root) || EndsWithColon(label->text())) {
        return {};
    }
    return label->text().trimmed();
}

QString WithUnit(const QString& value, const QString& unit) {
    return unit.isEmpty() || value.isEmpty() ? value : value + QLatin1Char(' ') + unit;
}

QString YesNo(bool checked) {
    return checked ? QStringLiteral("是") : QStringLiteral("否");
}

// An edit field that belongs to a combo box, spin box or list is read through its owner.
bool IsInnerEdit(const QWidget* widget) {
    for (const QWidget* w = widget->parentWidget(); w; w = w->parentWidget()) {
        if (qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w) ||
            qobject_cast<const QAbstractItemView*>(w)) {
            return true;
        }
    }
    return false;
}

class InputCollector {
public:
    explicit InputCollector(const QWidget* root) : root_(root) {}

    void Walk(const QLayout* layout) {
        for (int i = 0; i < layout->count(); ++i) {
            QLayoutItem* item = layout->itemAt(i);
            if (QWidget* widget = item->widget()) {
                Visit(widget);
            } else if (const QLayout* inner = item->layout()) {
                Walk(inner);
            }
        }
    }

    // Inputs placed outside any layout, in the order they were made.
    void Rest() {
        for (QWidget* widget : root_->findChildren<QWidget*>()) {
            if (widget->window() == root_ && !seen_.contains(widget)) {
                Visit(widget);
            }
        }
    }

    std::vector<SheetField> fields;

private:
    void Visit(QWidget* widget) {
        if (seen_.contains(widget) || !widget->isVisibleTo(root_)) {
            return;
        }
        seen_.insert(widget);
        if (Read(widget)) {
            return;
        }
        if (widget->layout()) {
            Walk(widget->layout());
        }
    }

    void Add(const QString& label, const QString& value) { fields.push_back({label, value}); }

    // Adds the field when the widget is an input; true when it was one (nothing inside it is
    // read then, except for a checkable group box).
    bool Read(QWidget* widget) {
        if (IsInnerEdit(widget)) {
            return true;
        }
        if (auto* combo = qobject_cast<QComboBox*>(widget)) {
            Add(FieldLabel(combo, root_), WithUnit(combo->currentText(), FieldUnit(combo, root_)));
            return true;
        }
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            Add(FieldLabel(edit, root_), WithUnit(edit->text(), FieldUnit(edit, root_)));
            return true;
        }
        if (auto* spin = qobject_cast<QAbstractSpinBox*>(widget)) {
            Add(FieldLabel(spin, root_), WithUnit(spin->text(), FieldUnit(spin, root_)));
            return true;
        }
        if (auto* list = qobject_cast<QListWidget*>(widget)) {
            QStringList chosen;
            for (const QListWidgetItem* item : list->selectedItems()) {
                chosen << item->text();
            }
            Add(FieldLabel(list, root_), chosen.join(QStringLiteral("、")));
            return true;
        }
        if (auto* check = qobject_cast<QCheckBox*>(widget)) {
            Add(LabelText(check->text()), YesNo(check->isChecked()));
            return true;
        }
        if (auto* radio = qobject_cast<QRadioButton*>(widget)) {
            if (radio->isChecked()) {
                Add(GroupTitle(radio, root_), LabelText(radio->text()));
            }
            return true;
        }
        if (auto* group = qobject_cast<QGroupBox*>(widget); group && group->isCheckable()) {
            Add(LabelText(group->title()), YesNo(group->isChecked()));
            return false;
        }
        return false;
    }

    const QWidget* root_;
    QSet<const QWidget*> seen_;
};

} // namespace

std::vector<SheetField> GatherInputs(const QWidget* dialog) {
    InputCollector collector(dialog);
    if (dialog->layout()) {
        collector.Walk(dialog->layout());
    }
    collector.Rest();
    return collector.fields;
}

QString SheetText(const ReportSheet& sheet) {
    QString text = sheet.caption + kLineEnd;
    text += QStringLiteral("日期：") + sheet.date.toString(Qt::ISODate) + kLineEnd;
    text += kLineEnd + QStringLiteral("输入数据") + kLineEnd;
    for (const SheetField& field : sheet.inputs) {
        text += QStringLiteral("  ");
        text += field.label.isEmpty() ? field.value : field.label + QChar(0xFF1A) + field.value;
        text += kLineEnd;
    }
    text += kLineEnd + QStringLiteral("计算结果") + kLineEnd;
    QString report = QString::fromStdString(sheet.report);
    if (!report.isEmpty() && !report.endsWith(kLineEnd)) {
        report += kLineEnd;
    }
    text += report;
    if (!sheet.verdicts.isEmpty()) {
        text += kLineEnd + QStringLiteral("验算结论") + kLineEnd;
        for (const QString& line : sheet.verdicts) {
            text += line + kLineEnd;
        }
    }
    if (!sheet.staleNote.isEmpty()) {
        text += kLineEnd + sheet.staleNote + kLineEnd;
    }
    return text;
}

} // namespace ferrolab
