#include <gtest/gtest.h>

#include <QImage>

#include "tests/support/GuiHelpers.h"
#include "ui/PreviewStatic.h"

using namespace ferrolab;

namespace {

TEST(ScaleSectionForPreview, ModerateSectionIsScaledByItsLargestValue) {
    // V = B2 = 400 (the web is not the largest): f = 0.3 + 300 * 0.000214... = 0.364286,
    // T = int(0.364286 * 300) = 109, every value times 109/400.
    const PreviewScale s = ScaleSectionForPreview({200, 15, 400, 30, 20, 350}, 300, 200);
    EXPECT_FALSE(s.usedDefault);
    EXPECT_DOUBLE_EQ(s.v, 400);
    EXPECT_NEAR(s.fraction, 0.36428571684, 1e-9);
    EXPECT_EQ(s.target, 109);
    EXPECT_DOUBLE_EQ(s.section.b2, 109);
    EXPECT_DOUBLE_EQ(s.section.b1, 200 * 109 / 400.0);
    EXPECT_DOUBLE_EQ(s.section.hw, 350 * 109 / 400.0);
}

TEST(ScaleSectionForPreview, DeepWebUsesTheTotalHeightAndIsPreScaledTo1500) {
    // hw = 3000 is the largest: V = 10 + 10 + 3000 = 3020 > 1500, so everything is brought
    // down by 1500/3020 and then drawn at f = 0.6 of the larger client side.
    const PreviewScale s = ScaleSectionForPreview({200, 10, 200, 10, 8, 3000}, 400, 300);
    EXPECT_DOUBLE_EQ(s.v, 1500);
    EXPECT_NEAR(s.fraction, 0.6, 1e-7);
    EXPECT_EQ(s.target, 240);
    const double k = 1500.0 / 3020 * 240 / 1500;
    EXPECT_NEAR(s.section.hw, 3000 * k, 1e-9);
    EXPECT_NEAR(s.section.t1 + s.section.hw + s.section.t2, 240, 1e-9);
}

TEST(ScaleSectionForPreview, NearLimitPreScalesByTheTotalHeight) {
    // V = B1 = 1300 (not the web): 1.2 V = 1560 > 1500, so the pre-scale is 1500/(t1+t2+hw).
    const PreviewScale s = ScaleSectionForPreview({1300, 20, 300, 20, 10, 460}, 500, 500);
    const double pre = 1500.0 / 500;
    EXPECT_DOUBLE_EQ(s.v, 1300 * pre);
    EXPECT_EQ(s.target,
              static_cast<int>(((1300 * pre - 100) * 0.00021428572280066355 + 0.3) * 500));
    EXPECT_NEAR(s.section.b1, s.target, 1e-9);
}

TEST(ScaleSectionForPreview, MissingDimensionsDrawTheDefaultSection) {
    EXPECT_TRUE(ScaleSectionForPreview({}, 300, 300).usedDefault);
    EXPECT_TRUE(ScaleSectionForPreview({200, 16, 350, 16, 10, 5e-9}, 300, 300).usedDefault);
    const PreviewScale s = ScaleSectionForPreview({0, 0, 0, 0, 0, 0}, 300, 300);
    // The default 200/15/400/30/20/600: V = 645 (web largest), f = 0.416786, T = 125.
    EXPECT_DOUBLE_EQ(s.v, 645);
    EXPECT_EQ(s.target, 125);
    EXPECT_NEAR(s.section.b2, 400 * 125 / 645.0, 1e-9);
    EXPECT_FALSE(ScaleSectionForPreview({200, 16, 350, 16, 10, 1e-8}, 300, 300).usedDefault);
}

TEST(ScaleSectionForPreview, NegativeDimensionsNeverDivideByZero) {
    const PreviewScale s = ScaleSectionForPreview({-5, 0, 0, 0, 0, 0}, 300, 300);
    EXPECT_TRUE(s.usedDefault);
    EXPECT_GT(s.target, 0);
}

TEST(CPreviewStatic, PaintsBlackGroundYellowOutlineAndMagentaDimensions) {
    CPreviewStatic preview;
    preview.resize(300, 300);
    preview.SetSection({200, 16, 350, 16, 10, 1100});
    const QImage image = preview.grab().toImage();
    EXPECT_EQ(QColor(image.pixel(10, 150)), QColor(Qt::black));
    int yellow = 0, magenta = 0, white = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor c(image.pixel(x, y));
            yellow += c == QColor(Qt::yellow);
            magenta += c == QColor(Qt::magenta);
            white += c == QColor(Qt::white);
        }
    }
    EXPECT_GT(yellow, 300);
    EXPECT_GT(magenta, 100);
    EXPECT_GT(white, 200);
    // V = 1132 (web largest) -> f = 0.5211, T = 156: the top flange (27.6 px wide) has its upper
    // edge at (550 + 16) * 156/1132 = 78 px above the centre.
    const double k = 156.0 / 1132;
    const int flangeTop = 150 - static_cast<int>(std::lround((550 + 16) * k));
    bool found = false;
    for (int dy = -1; dy <= 1 && !found; ++dy) {
        found = QColor(image.pixel(150 + 8, flangeTop + dy)) == QColor(Qt::yellow);
    }
    EXPECT_TRUE(found);
    test::SaveScreenshot(&preview, "preview-static");
}

} // namespace
