#include "ui/EditionList.h"

#include <QSettings>

#include <algorithm>

#include "engine/TextToNumber.h"

namespace ferrolab {

EditionList::EditionList(const QString& settingsKey, const std::vector<const char*>& entries,
                         std::vector<std::string> values, int* member, QWidget* parent)
    : ChoiceList(QStringLiteral("edition"), entries, member, parent), settingsKey_(settingsKey),
      values_(std::move(values)) {
    const std::string last = QSettings().value(settingsKey_).toString().toStdString();
    const auto it = std::find(values_.begin(), values_.end(), last);
    Select(it == values_.end() ? 0 : static_cast<int>(it - values_.begin()));
    // Stored before the dialog's own handlers run, so that a dialog opened by them sees it.
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (index >= 0 && index < static_cast<int>(values_.size())) {
            QSettings().setValue(settingsKey_, QString::fromStdString(values_[index]));
        }
    });
}

const std::string& EditionList::Value() const {
    static const std::string none;
    const int index = currentIndex();
    return index >= 0 && index < static_cast<int>(values_.size()) ? values_[index] : none;
}

int EditionList::Year() const {
    return static_cast<int>(TextToDouble(Value()));
}

} // namespace ferrolab
