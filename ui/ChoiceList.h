#pragma once
// A discrete choice: a drop-down list without an edit field, bound to an int member holding the
// chosen index.

#include <QComboBox>

#include <string>
#include <vector>

namespace ferrolab {

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

} // namespace ferrolab
