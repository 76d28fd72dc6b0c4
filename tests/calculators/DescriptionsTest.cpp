// The calculator table and its descriptions against what the user sees: each described control
// of each dialog opens on the described default and lists the described presets; the runner
// takes the same defaults; the README's calculator table lists exactly the table's rows.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QRadioButton>

#include <memory>
#include <set>
#include <string>

#include "calculators/CalculatorDialogs.h"
#include "calculators/Calculators.h"
#include "tests/support/GuiHelpers.h"

using namespace ferrolab;

namespace {

// What a described control shows: a combo box's text, a line edit's text, the checked radio
// button's text in a group; nothing for anything else.
std::optional<std::string> Shown(const QWidget* control) {
    if (const auto* combo = qobject_cast<const QComboBox*>(control)) {
        return combo->currentText().toStdString();
    }
    if (const auto* edit = qobject_cast<const QLineEdit*>(control)) {
        return edit->text().toStdString();
    }
    for (const QRadioButton* radio : control->findChildren<QRadioButton*>()) {
        if (radio->isChecked()) {
            return radio->text().toStdString();
        }
    }
    return std::nullopt;
}

TEST(Descriptions, EveryDescribedControlOpensOnItsDefaultWithItsPresets) {
    std::set<int> opened;
    int controls = 0;
    for (const Calculator& row : AllCalculators()) {
        const Description& description = row.description();
        if (row.command == 0) {
            continue;
        }
        const std::unique_ptr<QDialog> dialog(MakeCalculatorDialog(row.command));
        ASSERT_NE(dialog, nullptr) << description.id;
        opened.insert(row.command);
        for (const FieldSpec& field : description.fields) {
            if (field.control.empty()) {
                continue;
            }
            ++controls;
            const std::string where = description.id + " " + field.name;
            const auto* control =
                dialog->findChild<QWidget*>(QString::fromStdString(field.control));
            ASSERT_NE(control, nullptr) << where;
            if (const auto* combo = qobject_cast<const QComboBox*>(control)) {
                const test::Texts items = test::Items(combo);
                if (!field.presets.empty()) {
                    EXPECT_EQ(items, field.presets) << where;
                }
                if (!field.allowed.empty()) {
                    for (const std::string& item : items) {
                        EXPECT_NE(IndexOf(field.allowed, item), -1) << where << " " << item;
                    }
                }
            }
            if (!field.defaultValue.empty() && field.kind != FieldKind::Switch) {
                EXPECT_EQ(Shown(control), field.defaultValue) << where;
            }
        }
    }
    // Every dialog of the table was opened.
    EXPECT_EQ(opened.size(), 19u);
    EXPECT_GT(controls, 0);
}

TEST(Descriptions, IdsAreUniqueAndEveryFieldIsNamedOnce) {
    std::set<std::string> ids;
    for (const Calculator& row : AllCalculators()) {
        const Description& description = row.description();
        EXPECT_TRUE(ids.insert(description.id).second) << description.id;
        EXPECT_FALSE(description.caption.empty()) << description.id;
        std::set<std::string> names;
        for (const FieldSpec& field : description.fields) {
            EXPECT_TRUE(names.insert(field.name).second) << description.id << " " << field.name;
            if (!field.allowed.empty() && !field.defaultValue.empty()) {
                EXPECT_NE(IndexOf(field.allowed, field.defaultValue), -1)
                    << description.id << " " << field.name;
            }
        }
    }
}

// The README's table "| menu | calculator | runner id |": one row per calculator, in the table's
// order, with the runner id in backquotes.
TEST(Descriptions, ReadmeTableListsEveryCalculatorInTableOrder) {
    QFile readme(QStringLiteral(FERROLAB_SOURCE_DIR "/README.md"));
    ASSERT_TRUE(readme.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(readme.readAll()).split(QLatin1Char('\n'));
    std::vector<std::string> listed;
    bool inTable = false;
    for (const QString& line : lines) {
        if (line.startsWith(QStringLiteral("| menu | calculator | runner id |"))) {
            inTable = true;
            continue;
        }
        if (!inTable || line.startsWith(QStringLiteral("|---"))) {
            continue;
        }
        if (!line.startsWith(QLatin1Char('|'))) {
            break;
        }
        const QStringList cells = line.split(QLatin1Char('|'));
        ASSERT_GE(cells.size(), 4) << line.toStdString();
        QString id = cells[3].trimmed();
        id.remove(QLatin1Char('`'));
        listed.push_back(id.toStdString());
    }
    std::vector<std::string> ids;
    for (const Calculator& row : AllCalculators()) {
        ids.push_back(row.description().id);
    }
    EXPECT_EQ(listed, ids);
}

} // namespace
