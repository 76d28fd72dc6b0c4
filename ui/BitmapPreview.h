#pragma once
// A sunken picture control that shows one picture from the program's resources stretched over its
// whole area, whatever the aspect ratios: the calculators' section and joint drawings. The owning
// dialog picks the picture that matches the current choice; the control repaints itself.

#include <QFrame>
#include <QImage>
#include <QString>

class QSvgRenderer;

namespace ferrolab {

class CBitmapPreview : public QFrame {
    Q_OBJECT
public:
    explicit CBitmapPreview(QWidget* parent = nullptr);
    ~CBitmapPreview() override;

    // A resource path such as ":/pictures/fillet_weld.svg" (SVG or raster). An unknown path
    // leaves the control blank.
    void SetPicture(const QString& resourcePath);
    void SetImage(const QImage& image);
    const QString& picture() const { return path_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString path_;
    QSvgRenderer* svg_ = nullptr;
    QImage image_;
};

} // namespace ferrolab
