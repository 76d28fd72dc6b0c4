#pragma once
// A numeric input: an editable combo box with its preset list, bound to the dialog's double
// member. It keeps the two handlers every numeric box has: typing stores the box's current text,
// choosing a list item stores that item's text (the edit field has not been updated yet at that
// moment), both read with TextToDouble, at once. After storing, it emits typed() or chosen() so
// that the dialog can apply its dependent updates. Programmatic changes (opening, dependent
// updates) go through SelectFirst/SetValueText and emit nothing.

#include <QComboBox>
#include <QString>

#include <string>
#include <vector>

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

} // namespace ferrolab
