#pragma once
// The built-up section drawn to scale: a three-plate I section (flange B1 x t1 on top, web
// hw x tw, flange B2 x t2 at the bottom) on a black ground, yellow outline, white axes and
// magenta dimension lines with their labels.

#include <QFrame>

namespace ferrolab {

struct PreviewSection {
    double b1 = 0, t1 = 0, b2 = 0, t2 = 0, tw = 0, hw = 0;
};

struct PreviewScale {
    PreviewSection section; // in pixels, ready to draw
    double v = 0;           // the governing size after pre-scaling
    double fraction = 0;    // share of the larger client side the shape takes
    int target = 0;         // pixels that V is drawn at
    bool usedDefault = false;
};

// The section a preview shows when its dimensions are missing (all zero, blank boxes).
inline constexpr PreviewSection kDefaultPreviewSection{200, 15, 400, 30, 20, 600};

// Scales a section into a client area of width w and height h:
//  - when the smallest dimension is in [0, 1e-8) (or nothing drawable is left) the default
//    section is drawn instead;
//  - V is the largest dimension, or the total height t1 + t2 + hw when the web is the largest;
//  - sizes above 1500 are first brought down to 1500 (by 1500/V, or by 1500/(t1 + t2 + hw) when
//    1.2 V passes 1500), so that flanges stay readable next to a deep web;
//  - the shape then takes the fraction f = 0.3 + (V - 100) * 0.000214 (0.3 at V = 100, 0.6 at
//    V = 1500) of the larger client side.
PreviewScale ScaleSectionForPreview(const PreviewSection& section, int w, int h);

class CPreviewStatic : public QFrame {
    Q_OBJECT
public:
    explicit CPreviewStatic(QWidget* parent = nullptr);

    void SetSection(const PreviewSection& section);
    const PreviewSection& section() const { return section_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    PreviewSection section_;
};

} // namespace ferrolab
