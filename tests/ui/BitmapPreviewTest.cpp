#include <gtest/gtest.h>

#include <QImage>

#include "ui/BitmapPreview.h"

using namespace ferrolab;

namespace {

TEST(CBitmapPreview, SmallPictureIsStretchedOverTheWholeControl) {
    // A 2 x 1 picture, red left and blue right, in a 200 x 60 control: each half of the control
    // takes one colour, whatever the aspect ratio.
    QImage picture(2, 1, QImage::Format_RGB32);
    picture.setPixel(0, 0, qRgb(255, 0, 0));
    picture.setPixel(1, 0, qRgb(0, 0, 255));
    CBitmapPreview preview;
    preview.resize(200, 60);
    preview.SetImage(picture);
    const QImage shot = preview.grab().toImage();
    const QRect inner = preview.contentsRect();
    EXPECT_EQ(QColor(shot.pixel(inner.left() + 5, inner.top() + 2)), QColor(Qt::red));
    EXPECT_EQ(QColor(shot.pixel(inner.left() + 5, inner.bottom() - 2)), QColor(Qt::red));
    EXPECT_EQ(QColor(shot.pixel(inner.right() - 5, inner.bottom() - 2)), QColor(Qt::blue));
    EXPECT_EQ(QColor(shot.pixel(inner.center().x() - 10, inner.center().y())), QColor(Qt::red));
    EXPECT_EQ(QColor(shot.pixel(inner.center().x() + 10, inner.center().y())), QColor(Qt::blue));
}

TEST(CBitmapPreview, SvgResourceFillsTheControl) {
    CBitmapPreview preview;
    preview.resize(300, 100);
    preview.SetPicture(":/icons/ferrolab.svg"); // square drawing with a dark ground
    const QImage shot = preview.grab().toImage();
    const QRect inner = preview.contentsRect();
    // Stretched, the dark ground reaches the left and right ends of the wide control.
    const QColor ground(0x1d, 0x35, 0x57);
    EXPECT_EQ(QColor(shot.pixel(inner.left() + 12, inner.center().y())), ground);
    EXPECT_EQ(QColor(shot.pixel(inner.right() - 12, inner.center().y())), ground);
}

TEST(CBitmapPreview, UnknownPictureLeavesTheControlBlank) {
    CBitmapPreview preview;
    preview.resize(100, 100);
    preview.SetPicture(":/pictures/no-such-picture.svg");
    EXPECT_EQ(preview.picture(), ":/pictures/no-such-picture.svg");
    EXPECT_FALSE(preview.grab().isNull());
}

} // namespace
