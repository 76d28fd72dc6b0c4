#include "ui/BitmapPreview.h"

#include <QPainter>
#include <QSvgRenderer>

#include "ui/Resources.h"

namespace ferrolab {

CBitmapPreview::CBitmapPreview(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setMinimumSize(120, 90);
    InitResources();
}

CBitmapPreview::~CBitmapPreview() = default;

void CBitmapPreview::SetPicture(const QString& resourcePath) {
    path_ = resourcePath;
    delete svg_;
    svg_ = nullptr;
    image_ = QImage();
    if (resourcePath.endsWith(QLatin1String(".svg"), Qt::CaseInsensitive)) {
        svg_ = new QSvgRenderer(resourcePath, this);
        if (!svg_->isValid()) {
            delete svg_;
            svg_ = nullptr;
        }
    } else {
        image_.load(resourcePath);
    }
    update();
}

void CBitmapPreview::SetImage(const QImage& image) {
    path_.clear();
    delete svg_;
    svg_ = nullptr;
    image_ = image;
    update();
}

void CBitmapPreview::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRectF target = contentsRect();
    if (svg_) {
        // Drawn over the whole area: the drawing's own aspect ratio is not kept.
        svg_->setAspectRatioMode(Qt::IgnoreAspectRatio);
        svg_->render(&painter, target);
    } else if (!image_.isNull()) {
        painter.drawImage(target, image_, QRectF(image_.rect()));
    }
}

} // namespace ferrolab
