#include "ui/ValueCombo.h"

#include <QLineEdit>
#include <QSignalBlocker>

#include "engine/Format.h"
#include "engine/TextToNumber.h"

namespace ferrolab {

ValueCombo::ValueCombo(const QString& objectName, const std::vector<const char*>& presets,
                       double* member, QWidget* parent)
    : QComboBox(parent), member_(member) {
    setObjectName(objectName);
    MakeTypedOnly(this);
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

void MakeTypedOnly(QComboBox* box) {
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    // An editable combo box completes what is typed from its list by default: typing "2" in a
    // box listing "2.5" would show "2.5" while the handlers had stored 2. What the box shows must
    // be exactly what was typed, so there is no completion of any kind.
    box->setCompleter(nullptr);
}

} // namespace ferrolab
