#pragma once
// The "规范版本" list of a calculator dialog: a ChoiceList of code editions that opens on the
// edition last chosen in any dialog of the same code and remembers a new choice, in the user's
// settings (QSettings under `settingsKey`). A fresh installation opens on the first entry.

#include <QString>

#include <string>
#include <vector>

#include "ui/ChoiceList.h"

namespace ferrolab {

class EditionList : public ChoiceList {
    Q_OBJECT
public:
    // `entries` as the list shows them ("GB50017-2003", ...), `values` the editions they stand
    // for, in the same order ("2003", ...). *member holds the chosen index.
    EditionList(const QString& settingsKey, const std::vector<const char*>& entries,
                std::vector<std::string> values, int* member, QWidget* parent = nullptr);

    // The chosen edition's value, e.g. "2017".
    const std::string& Value() const;
    int Year() const;

private:
    QString settingsKey_;
    std::vector<std::string> values_;
};

} // namespace ferrolab
