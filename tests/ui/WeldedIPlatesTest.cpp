#include <gtest/gtest.h>

#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QWidget>

#include "tests/support/GuiHelpers.h"
#include "ui/ValueCombo.h"
#include "ui/WeldedIPlates.h"

using namespace ferrolab;

namespace {

QString TextAt(QGridLayout* grid, int row) {
    QWidget* widget = grid->itemAtPosition(row, 0)->widget();
    if (auto* label = qobject_cast<QLabel*>(widget)) {
        return label->text();
    }
    return qobject_cast<QRadioButton*>(widget)->text();
}

TEST(WeldedIPlates, BuildsTheRowsWithTheirLabelsBoxesAndHeightRadios) {
    QWidget host;
    auto* grid = new QGridLayout(&host);
    WeldedIPlates plates(grid,
                         {{Plate::B1, "B1:", {"300", "320"}},
                          {Plate::Hw, "Hw:", {"800"}},
                          {Plate::H, "H", {"500.00"}},
                          {Plate::T2, "t:", {"14"}, "t"}},
                         WeldedIPlates::Heights::Radios);
    ASSERT_EQ(grid->rowCount(), 4);
    EXPECT_EQ(TextAt(grid, 0), "B1:");
    EXPECT_EQ(TextAt(grid, 1), "Hw:");
    EXPECT_EQ(TextAt(grid, 2), "H");
    EXPECT_EQ(grid->itemAtPosition(1, 0)->widget(), plates.HwMode());
    EXPECT_EQ(grid->itemAtPosition(2, 0)->widget(), plates.HMode());
    EXPECT_EQ(grid->itemAtPosition(3, 1)->widget(), plates.Box(Plate::T2));
    EXPECT_EQ(plates.HwMode()->objectName(), "heightModeHw");
    EXPECT_EQ(plates.HMode()->objectName(), "heightModeH");
    // A row may name its box otherwise; a plate without a row has no box.
    EXPECT_EQ(plates.Box(Plate::T2)->objectName(), "t");
    EXPECT_EQ(plates.Box(Plate::Hw)->objectName(), "hw");
    EXPECT_EQ(plates.Box(Plate::T1), nullptr);
    EXPECT_EQ(plates.Widgets().size(), 8u);
    EXPECT_EQ(plates.Widgets()[7], plates.Box(Plate::T2));

    // The two heights are one exclusive choice.
    plates.HwMode()->setChecked(true);
    plates.HMode()->setChecked(true);
    EXPECT_FALSE(plates.HwMode()->isChecked());

    // Opening leaves the overall height to the dialog: it follows from the other plates.
    plates.SelectFirst();
    EXPECT_EQ(plates.Values().b1, 300);
    EXPECT_EQ(plates.Values().hw, 800);
    EXPECT_EQ(plates.Values().t2, 14);
    EXPECT_EQ(plates.Values().h, 0);

    // Labelled heights: no radio buttons.
    QWidget other;
    WeldedIPlates labelled(new QGridLayout(&other), {{Plate::Hw, "腹板净高度 H:", {"800"}}});
    EXPECT_EQ(labelled.HwMode(), nullptr);
    EXPECT_EQ(TextAt(static_cast<QGridLayout*>(other.layout()), 0), "腹板净高度 H:");
}

TEST(WeldedIPlates, MirrorsTheTypedTextOrTheChosenItemBeforeTheDialogsStep) {
    QWidget host;
    WeldedIPlates plates(new QGridLayout(&host), {{Plate::B1, "B1:", {"300", "320"}},
                                                  {Plate::B2, "B2:", {"300", "320"}},
                                                  {Plate::T1, "t1:", {"14", "16"}},
                                                  {Plate::T2, "t2:", {"14", "16"}}});
    host.show();
    plates.SelectFirst();
    std::vector<double> seen; // b2 as the dialog's step finds it
    plates.MirrorEdits(Plate::B1, Plate::B2, [&] { seen.push_back(plates.Values().b2); });
    plates.MirrorEdits(Plate::T1, Plate::T2);
    ValueCombo* b1 = plates.Box(Plate::B1);
    ValueCombo* b2 = plates.Box(Plate::B2);

    // Typed: the twin shows the text as typed and reads it like its own box would.
    test::Type(b1, "2.5e2x");
    EXPECT_EQ(b2->currentText(), "2.5e2x");
    EXPECT_EQ(plates.Values().b2, 250);
    ASSERT_FALSE(seen.empty());
    EXPECT_EQ(seen.back(), 250);

    // Chosen: the chosen item.
    test::Choose(b1, 1);
    EXPECT_EQ(b2->currentText(), "320");
    EXPECT_EQ(plates.Values().b2, 320);
    EXPECT_EQ(seen.back(), 320);
    // Also where the choice arrives while the edit field still shows the typed text.
    b1->setCurrentIndex(0);
    b1->setEditText("999");
    emit b1->activated(0);
    EXPECT_EQ(b2->currentText(), "300");
    EXPECT_EQ(plates.Values().b2, 300);
    EXPECT_EQ(seen.back(), 300);
    test::Choose(b1, 1);

    // Mirroring runs one way only: the twin's own edits stay in the twin.
    test::Type(b2, "310");
    EXPECT_EQ(plates.Values().b1, 320);
    EXPECT_EQ(b1->currentText(), "320");

    // Without a step of the dialog's own.
    test::Choose(plates.Box(Plate::T1), 1);
    EXPECT_EQ(plates.Values().t2, 16);
    WeldedIPlates::Mirror(plates.Box(Plate::T2), plates.Box(Plate::T1), false);
    EXPECT_EQ(plates.Box(Plate::T1)->currentText(), "16");
}

} // namespace
