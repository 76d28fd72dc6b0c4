#include "ui/ChoiceList.h"

#include <QSignalBlocker>

namespace ferrolab {

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

} // namespace ferrolab
