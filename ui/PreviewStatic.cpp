#include "ui/PreviewStatic.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace ferrolab {

PreviewScale ScaleSectionForPreview(const PreviewSection& section, int w, int h) {
    PreviewScale result;
    PreviewSection s = section;
    auto smallest = [](const PreviewSection& p) {
        return std::min({p.b1, p.t1, p.b2, p.t2, p.tw, p.hw});
    };
    auto largest = [](const PreviewSection& p) {
        return std::max({p.b1, p.t1, p.b2, p.t2, p.tw, p.hw});
    };
    const double m = smallest(s);
    if (m >= 0 && m < 1e-8) {
        s = kDefaultPreviewSection;
        result.usedDefault = true;
    }
    double v = largest(s);
    if (v == s.hw) {
        v = s.t1 + s.t2 + s.hw;
    }
    if (!(v > 0) || !std::isfinite(v)) {
        // Negative dimensions leave nothing to draw to scale.
        s = kDefaultPreviewSection;
        result.usedDefault = true;
        v = s.t1 + s.t2 + s.hw;
    }
    auto scaleAll = [&s](double k) {
        s.b1 *= k;
        s.t1 *= k;
        s.b2 *= k;
        s.t2 *= k;
        s.tw *= k;
        s.hw *= k;
    };
    double pre = 1.0;
    if (v > 1500) {
        pre = 1500 / v;
    } else if (1.2 * v > 1500) {
        pre = 1500 / (s.t1 + s.t2 + s.hw);
    }
    scaleAll(pre);
    v *= pre;

    result.fraction = (v - 100) * 0.00021428572280066355 + 0.3;
    result.target = static_cast<int>(std::max(result.fraction * w, result.fraction * h));
    result.v = v;
    scaleAll(result.target / v);
    result.section = s;
    return result;
}

CPreviewStatic::CPreviewStatic(QWidget* parent) : QFrame(parent) {
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setMinimumSize(200, 200);
}

void CPreviewStatic::SetSection(const PreviewSection& section) {
    section_ = section;
    update();
}

void CPreviewStatic::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const int w = width();
    const int h = height();
    p.fillRect(rect(), Qt::black);

    // Logical coordinates: origin at the centre, y up, one unit per pixel.
    const double cx = w / 2.0;
    const double cy = h / 2.0;
    auto pt = [cx, cy](double x, double y) { return QPointF(cx + x, cy - y); };
    auto line = [&](double x1, double y1, double x2, double y2) {
        p.drawLine(pt(x1, y1), pt(x2, y2));
    };

    QFont font = p.font();
    const QFontMetrics defaultMetrics(font);
    font.setPixelSize(std::max(6, static_cast<int>(0.9 * defaultMetrics.maxWidth())));
    p.setFont(font);
    const QFontMetrics fm(font);
    const double charW = fm.horizontalAdvance(QLatin1Char('W'));
    const double charH = fm.height();
    p.setBackgroundMode(Qt::TransparentMode);

    // Axes with arrow heads.
    p.setPen(QPen(Qt::white, 1));
    const double arrow = 0.08 * w / 2;
    const double spread = 0.22 * arrow;
    line(-w / 6.0, 0, w / 4.0, 0);
    line(w / 4.0, 0, w / 4.0 - arrow, spread);
    line(w / 4.0, 0, w / 4.0 - arrow, -spread);
    p.drawText(pt(w / 4.0 + 3, -charH / 3), QStringLiteral("X"));
    line(0, -0.45 * h, 0, 0.45 * h);
    line(0, 0.45 * h, spread, 0.45 * h - arrow);
    line(0, 0.45 * h, -spread, 0.45 * h - arrow);
    // Clear of the B1 label, which sits centred on the axis above the top flange.
    p.drawText(pt(1.2 * charW, 0.45 * h - fm.ascent() / 2.0), QStringLiteral("Y"));

    const PreviewSection s = ScaleSectionForPreview(section_, w, h).section;
    const double hw2 = s.hw / 2;
    const double top = hw2 + s.t1;
    const double bottom = -hw2 - s.t2;

    // Outline, edge by edge, as one closed I shape (clockwise from the top left corner).
    p.setPen(QPen(Qt::yellow, 1));
    const QPointF outline[] = {
        pt(-s.b1 / 2, top),  pt(s.b1 / 2, top),   pt(s.b1 / 2, hw2),    pt(s.tw / 2, hw2),
        pt(s.tw / 2, -hw2),  pt(s.b2 / 2, -hw2),  pt(s.b2 / 2, bottom), pt(-s.b2 / 2, bottom),
        pt(-s.b2 / 2, -hw2), pt(-s.tw / 2, -hw2), pt(-s.tw / 2, hw2),   pt(-s.b1 / 2, hw2),
    };
    p.drawPolygon(outline, static_cast<int>(std::size(outline)));

    // Dimension lines and labels.
    p.setPen(QPen(Qt::magenta, 1));
    auto text = [&](double x, double y, const QString& label) {
        // (x, y) is the centre of the label.
        const QPointF c = pt(x, y);
        const double tw = fm.horizontalAdvance(label);
        p.drawText(QPointF(c.x() - tw / 2, c.y() + fm.ascent() / 2.0 - 1), label);
    };
    const double gap = 6;
    const double off = 14;

    // B2 under the bottom flange.
    line(-s.b2 / 2, bottom - gap, -s.b2 / 2, bottom - off - gap);
    line(s.b2 / 2, bottom - gap, s.b2 / 2, bottom - off - gap);
    line(-s.b2 / 2, bottom - off, s.b2 / 2, bottom - off);
    text(0, bottom - off - charH / 2 - 2, QStringLiteral("B2"));

    // B1 over the top flange.
    line(-s.b1 / 2, top + gap, -s.b1 / 2, top + off + gap);
    line(s.b1 / 2, top + gap, s.b1 / 2, top + off + gap);
    line(-s.b1 / 2, top + off, s.b1 / 2, top + off);
    text(0, top + off + charH / 2 + 2, QStringLiteral("B1"));

    // Tw across the web at the axis.
    line(-s.tw / 2 - off, 0, s.tw / 2 + off, 0);
    const QString twLabel = QStringLiteral("Tw");
    if (s.tw >= charW) {
        text(0, charH / 2 + 1, twLabel);
    } else {
        text(s.tw / 2 + off + fm.horizontalAdvance(twLabel) / 2.0 + 2, charH / 2 + 1, twLabel);
    }

    // Hw beside the web, on the left.
    const double xHw = -std::max(s.b1, s.b2) / 2 - off;
    line(xHw, hw2, xHw, -hw2);
    line(xHw - 4, hw2, -s.tw / 2 - gap, hw2);
    line(xHw - 4, -hw2, -s.tw / 2 - gap, -hw2);
    const QString hwLabel = QStringLiteral("Hw");
    if (s.hw >= charH) {
        text(xHw + fm.horizontalAdvance(hwLabel) / 2.0 + 3, charH, hwLabel);
    } else {
        text(xHw - fm.horizontalAdvance(hwLabel) / 2.0 - 3, 0, hwLabel);
    }

    // Flange thicknesses on the right.
    auto thickness = [&](double b, double y0, double y1, const QString& label) {
        const double x = b / 2;
        const double tHeight = std::fabs(y1 - y0);
        if (tHeight >= charH) {
            text(x - fm.horizontalAdvance(label) / 2.0 - 3, (y0 + y1) / 2, label);
        } else {
            line(x + gap, y0, x + off + gap, y0);
            line(x + gap, y1, x + off + gap, y1);
            text(x + off + gap + fm.horizontalAdvance(label) / 2.0 + 2, (y0 + y1) / 2, label);
        }
    };
    thickness(s.b1, hw2, top, QStringLiteral("t1"));
    thickness(s.b2, -hw2, bottom, QStringLiteral("t2"));
}

} // namespace ferrolab
