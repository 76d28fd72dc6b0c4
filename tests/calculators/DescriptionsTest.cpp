// The calculator table and its descriptions against what the user sees: each described control
// of each dialog opens on the described default, lists the described presets and is printed on
// the calculation sheet under the described label and unit; the runner takes the same defaults; the
// README's calculator table lists exactly the table's rows.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "calculators/CalculatorDialogs.h"
#include "calculators/Calculators.h"
#include "calculators/DialogInputs.h"
#include "tests/support/GuiHelpers.h"
#include "ui/MessageBox.h"
#include "ui/ReportBox.h"
#include "ui/ReportSheet.h"

using namespace ferrolab;

namespace {

// What a described control shows: a combo box's text, a line edit's text, the checked radio
// button's text in a group; nothing for anything else.
std::optional<std::string> Shown(const QWidget* control) {
    if (const auto* check = qobject_cast<const QCheckBox*>(control)) {
        return std::string(check->isChecked() ? "是" : "否");
    }
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
                if (!field.entries.empty()) {
                    EXPECT_EQ(items, field.entries) << where;
                } else if (!field.allowed.empty()) {
                    for (const std::string& item : items) {
                        EXPECT_NE(IndexOf(field.allowed, item), -1) << where << " " << item;
                    }
                }
            }
            // A control the opening picks hide (the thickness bands of a code without them) shows
            // no value.
            if (!field.defaultValue.empty() && field.kind != FieldKind::Switch &&
                !control->isHidden() && control->isEnabled()) {
                // A list that shows other texts than the runner's values shows the default's.
                const int index = IndexOf(field.allowed, field.defaultValue);
                const std::string shownDefault =
                    field.entries.empty() || index < 0
                        ? field.defaultValue
                        : field.entries[static_cast<std::size_t>(index)];
                EXPECT_EQ(Shown(control), shownDefault) << where;
            }
        }
    }
    // Every dialog of the table was opened.
    EXPECT_EQ(opened.size(), 22u);
    EXPECT_GT(controls, 0);
}

// The line the calculation sheet prints for a control: the sheet's inputs with the control shown
// less those with it hidden. The control and whatever hides it are shown for the moment, so that
// a control the opening picks hide (the slip factor of ordinary bolts) is read too.
std::optional<SheetField> SheetLine(QDialog* dialog, QWidget* control) {
    std::vector<QWidget*> hidden;
    for (QWidget* w = control; w && w != dialog; w = w->parentWidget()) {
        if (w->isHidden()) {
            hidden.push_back(w);
            w->show();
        }
    }
    const std::vector<SheetField> with = GatherInputs(dialog);
    // A group of radio buttons may hold another control (the end-moment ratio of a load case):
    // only its buttons go.
    std::vector<QWidget*> gone;
    for (QRadioButton* radio : control->findChildren<QRadioButton*>()) {
        gone.push_back(radio);
    }
    if (gone.empty()) {
        gone.push_back(control);
    }
    for (QWidget* w : gone) {
        w->hide();
    }
    const std::vector<SheetField> without = GatherInputs(dialog);
    for (QWidget* w : gone) {
        w->show();
    }
    for (QWidget* w : hidden) {
        w->hide();
    }
    if (with.size() != without.size() + 1) {
        return std::nullopt;
    }
    const auto at = std::mismatch(without.begin(), without.end(), with.begin()).second;
    std::vector<SheetField> rest = with;
    rest.erase(rest.begin() + (at - with.begin()));
    return rest == without ? std::optional<SheetField>(*at) : std::nullopt;
}

// The titles of the group boxes around a control, innermost first.
QStringList GroupTitles(const QWidget* control) {
    QStringList titles;
    for (const QWidget* w = control->parentWidget(); w; w = w->parentWidget()) {
        if (const auto* group = qobject_cast<const QGroupBox*>(w)) {
            titles << group->title();
        }
    }
    return titles;
}

// Each described control is printed on the calculation sheet with the described label. A unit
// the dialog shows on the control's right follows the value there and must be the described
// unit; a described unit not printed there stands in the label or in a group's title ("F(kN)",
// "原始数据(mm)").
TEST(Descriptions, EveryDescribedControlIsPrintedOnTheSheetWithItsLabelAndUnit) {
    int checked = 0;
    for (const Calculator& row : AllCalculators()) {
        const Description& description = row.description();
        if (row.command == 0) {
            continue;
        }
        const std::unique_ptr<QDialog> dialog(MakeCalculatorDialog(row.command));
        ASSERT_NE(dialog, nullptr) << description.id;
        dialog->show();
        for (const FieldSpec& field : description.fields) {
            if (field.control.empty()) {
                continue;
            }
            const std::string where = description.id + " " + field.name;
            auto* control = dialog->findChild<QWidget*>(QString::fromStdString(field.control));
            ASSERT_NE(control, nullptr) << where;
            if (control->isHidden()) {
                continue; // hidden with its label by the opening picks: no sheet line to read
            }
            const std::optional<SheetField> line = SheetLine(dialog.get(), control);
            ASSERT_TRUE(line) << where << ": not one line of the sheet";
            ++checked;
            EXPECT_EQ(line->label.toStdString(), field.label) << where;
            const std::optional<std::string> shown = Shown(control);
            ASSERT_TRUE(shown) << where;
            const QString value = QString::fromStdString(*shown);
            const QString unit = QString::fromStdString(field.unit);
            if (line->value == value) {
                if (!unit.isEmpty()) {
                    const QString inBrackets = '(' + unit + ')';
                    EXPECT_TRUE(line->label.contains(inBrackets) ||
                                GroupTitles(control).join('|').contains(inBrackets))
                        << where << ": the dialog shows no unit " << field.unit;
                }
            } else {
                EXPECT_EQ(line->value.toStdString(), (value + ' ' + unit).toStdString()) << where;
            }
        }
    }
    EXPECT_GT(checked, 0);
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

// The sheet's input lines: described labels in the description's order, a listed value as the
// dialog lists it, a switch as 是/否, the unit after the value unless the label carries it.
TEST(SheetInputs, DescribedLabelsUnitsAndListedTexts) {
    const Description description =
        Describe("test", "测试",
                 {{.name = "edition",
                   .defaultValue = "2003",
                   .allowed = {"2003", "2017"},
                   .label = "规范版本",
                   .entries = {"GB50017-2003", "GB50017-2017"}},
                  {.name = "hf", .label = "焊脚尺寸 hf", .unit = "mm"},
                  {.name = "F", .label = "F(kN)", .unit = "kN"},
                  {.name = "grade", .allowed = {"Q235", "Q345"}, .label = "钢号"},
                  {.name = "x-check", .kind = FieldKind::Switch, .label = "绕x轴"},
                  {.name = "y-check", .kind = FieldKind::Switch, .label = "绕y轴"},
                  {.name = "lx", .label = "计算长度", .unit = "m"},
                  {.name = "note", .label = "说明", .unit = "mm"}});
    const FieldValues values = {{"F", "150"},      {"hf", "8"},      {"edition", "2017"},
                                {"grade", "Q345"}, {"x-check", "1"}, {"y-check", "0"},
                                {"note", ""}};
    const std::vector<SheetField> expected = {{"规范版本", "GB50017-2017"},
                                              {"焊脚尺寸 hf", "8 mm"},
                                              {"F(kN)", "150"},
                                              {"钢号", "Q345"},
                                              {"绕x轴", "是"},
                                              {"绕y轴", "否"},
                                              {"说明", ""}};
    EXPECT_EQ(SheetInputs(description, values), expected); // lx has no value: no line
}

// Every dialog of the table, computed on its opening values: the values its sheet lists give the
// runner the very report the dialog shows, and the sheet lists them as SheetInputs renders them.
TEST(SheetInputs, WhatTheSheetListsComputesTheReportShown) {
    const NoticeRecorder notices; // a compute that refuses shows its message here, not in a box
    int compared = 0;
    for (const Calculator& row : AllCalculators()) {
        const Description& description = row.description();
        if (row.command == 0) {
            continue;
        }
        const std::unique_ptr<QDialog> dialog(MakeCalculatorDialog(row.command));
        dialog->show();
        auto* box = dialog->findChild<ReportBox*>(QString::fromStdString(description.report));
        if (!box) {
            continue; // a result box, no report to keep
        }
        if (auto* compute = dialog->findChild<QPushButton*>(QStringLiteral("computeButton"));
            compute && compute->isEnabled() && box->objectName() == QStringLiteral("report")) {
            compute->click();
        }
        if (box->Report().empty()) {
            continue; // nothing computed on the opening values (a section still to pick)
        }
        const FieldValues shown = ReadDialogInputs(dialog.get(), description);
        EXPECT_EQ(box->Sheet().inputs, SheetInputs(description, shown)) << description.id;
        FieldValues values = description.Defaults();
        for (const auto& [name, value] : shown) {
            values[name] = value;
        }
        const Outcome outcome = row.run(values);
        ASSERT_TRUE(outcome.report) << description.id << " " << outcome.usage;
        // (The torque weld's runner prints the two boxes its compute fills above the report.)
        EXPECT_TRUE(outcome.report->ends_with(box->Report())) << description.id << "\n"
                                                              << *outcome.report << "\n"
                                                              << box->Report();
        ++compared;
    }
    EXPECT_GE(compared, 14);
}

} // namespace
