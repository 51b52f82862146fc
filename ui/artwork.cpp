// The pictures are drawn in design pixels on a painter scaled to the requested size, so one drawing
// serves every scale. Two motifs recur: the rotor of a progressive cavity pump, a round bar whose axis
// winds like a sine wave, and the maker's emblem, that rotor as a white band in a blue-grey tile.
#include "ui/artwork.h"

#include "ui/metrics.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>
#include <cmath>

namespace pumpvale::artwork {
namespace {

// clang-format off
// The house colours: calm blue-greys.
constexpr QRgb kSlate      = 0x2f485a; // wordmark; the emblem's dark corner
constexpr QRgb kSteel      = 0x56809c; // the emblem's light corner
constexpr QRgb kGreyBlue   = 0x6f8797; // tagline
constexpr QRgb kRotorDark  = 0x4b6174; // the rotor's shaded side
constexpr QRgb kRotorMid   = 0x7891a5;
constexpr QRgb kRotorLight = 0xb9c9d6; // the rotor's lit side
constexpr QRgb kMist       = 0xf1f4f7; // the backdrop of the rotor strip
constexpr QRgb kMistEdge   = 0xd9e1e8;
// clang-format on

QColor colour(QRgb rgb, int alpha = 255) {
    QColor c = QColor::fromRgb(rgb);
    c.setAlpha(alpha);
    return c;
}

// A picture of width x height design pixels at scale, filled with background. Its sides are rounded
// down, so that at any scale the picture stays within the place the layout gives it.
QPixmap canvas(int width, int height, double scale, const QColor& background) {
    const auto pixels = [scale](int length) { return qMax(1, int(std::floor(length * scale + 1e-9))); };
    QPixmap pixmap(pixels(width), pixels(height));
    pixmap.fill(background);
    return pixmap;
}

// Lets p draw on its picture in design pixels.
void prepare(QPainter& p, double scale) {
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(scale, scale);
}

// The centre line of a rotor: from `start`, along `axis` for `length`, winding `waves` times to either
// side by `eccentricity`. It starts on the axis, where the drive shaft joins it.
QPainterPath rotorAxis(QPointF start, QPointF axis, double length, double eccentricity, double waves) {
    const QPointF side(-axis.y(), axis.x());
    constexpr int kPointsPerWave = 16;
    const int points = qMax(2, qRound(waves * kPointsPerWave));
    QPainterPath path(start);
    for (int i = 1; i <= points; ++i) {
        const double t = double(i) / points;
        const double offset = eccentricity * qSin(2 * M_PI * waves * t);
        path.lineTo(start + axis * (length * t) + side * offset);
    }
    return path;
}

// Strokes a bar of the given radius along path, shaded as a polished round bar lit from `light` (a unit
// vector pointing towards the light): a soft shadow, the body, and ever narrower, lighter strokes
// shifted towards the light.
void strokeBar(QPainter& p, const QPainterPath& path, double radius, QPointF light) {
    struct Layer {
        double shift; // towards the light, in radii
        double width; // in radii
        QColor colour;
    };
    // clang-format off
    const Layer layers[] = {
        {-0.30, 2.00, colour(0x000000, 28)},
        { 0.00, 2.00, colour(kRotorDark)},
        { 0.18, 1.50, colour(kRotorMid)},
        { 0.38, 0.80, colour(kRotorLight)},
        { 0.50, 0.22, colour(0xffffff, 170)},
    };
    // clang-format on
    for (const Layer& layer : layers) {
        QPen pen(layer.colour, layer.width * radius, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
        p.setPen(pen);
        p.setBrush(Qt::NoBrush);
        p.drawPath(path.translated(light * (layer.shift * radius)));
    }
}

// An upright rotor hanging from its drive shaft: the shaft runs down from top for shaftLength, and the
// rotor winds on from there to bottom, its rounded end included.
void drawUprightRotor(QPainter& p, double x, double top, double shaftLength, double bottom, double radius,
                      double eccentricity, double waves) {
    const QPointF down(0, 1);
    const QPointF light(-0.6, -0.8);
    const double shaftRadius = radius * 0.45;
    const QPointF joint(x, top + shaftLength);

    QPainterPath shaft(QPointF(x, top + shaftRadius));
    shaft.lineTo(joint);
    strokeBar(p, shaft, shaftRadius, light);

    strokeBar(p, rotorAxis(joint, down, bottom - radius - joint.y(), eccentricity, waves), radius, light);
}

// Fills text, in the given font, scaled to fill box as far as it can without distortion, left-aligned
// and centred vertically.
void fillText(QPainter& p, const QString& text, const QFont& font, const QRectF& box, QColor fill) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF bounds = path.boundingRect();
    if (bounds.isEmpty())
        return;
    const double factor = qMin(box.width() / bounds.width(), box.height() / bounds.height());
    QTransform place;
    place.translate(box.left() - bounds.left() * factor, box.center().y() - bounds.center().y() * factor);
    place.scale(factor, factor);
    p.fillPath(place.map(path), fill);
}

QFont wordmarkFont(bool bold) {
    QFont font(metrics::kFontFamily);
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(100); // only the shape matters: fillText scales it to its box
    font.setBold(bold);
    return font;
}

// The emblem: a rounded blue-grey tile holding a rotor inside the two walls of its stator. The same
// drawing, on a 128 unit grid, is packaging/pumpvale.svg.
void drawEmblem(QPainter& p, const QRectF& box) {
    p.save();
    p.translate(box.topLeft());
    p.scale(box.width() / 128, box.height() / 128);

    QLinearGradient tile(QPointF(8, 8), QPointF(120, 120));
    tile.setColorAt(0, colour(kSteel));
    tile.setColorAt(1, colour(kSlate));
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(8, 8, 112, 112), 24, 24);

    // The rotor: three half waves of a sine, each a cubic curve (control points at 4/(3 pi) of the half
    // wave and 4/3 of the amplitude), as the icon file draws it.
    QPainterPath rotor(QPointF(28, 64));
    for (int half = 0; half < 3; ++half) {
        const double x = 28 + 24 * half;
        const double control = half % 2 == 0 ? 44 : 84;
        rotor.cubicTo(QPointF(x + 10, control), QPointF(x + 14, control), QPointF(x + 24, 64));
    }
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 16, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(rotor);

    // The stator walls, faint, left out of the smallest icons, which have too few pixels to show them.
    if (box.width() >= 32) {
        p.setPen(QPen(colour(0xffffff, 120), 4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(24, 31), QPointF(104, 31));
        p.drawLine(QPointF(24, 97), QPointF(104, 97));
    }
    p.restore();
}

} // namespace

void paintEmblem(QPainter& painter, const QRectF& box) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    drawEmblem(painter, box);
    painter.restore();
}

QPixmap emblem(QSize size) {
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    paintEmblem(p, QRectF(QPointF(0, 0), size));
    p.end();
    return pixmap;
}

QPixmap mainBackground(double scale) {
    QPixmap picture = canvas(670, 558, scale, Qt::white);
    QPainter p(&picture);
    prepare(p, scale);
    p.setOpacity(0.85); // behind the controls it should whisper, not shout
    drawUprightRotor(p, 596, 30, 64, 530, 22, 12, 3.5);
    p.end();
    return picture;
}

QPixmap rotorStrip(double scale) {
    QPixmap picture = canvas(98, 405, scale, colour(kMist));
    QPainter p(&picture);
    prepare(p, scale);
    p.setPen(QPen(colour(kMistEdge), 1));
    p.drawLine(QPointF(97.5, 0), QPointF(97.5, 405));
    drawUprightRotor(p, 49, 6, 46, 399, 17, 10, 3);
    p.end();
    return picture;
}

QPixmap largeLogo(double scale) {
    QPixmap picture = canvas(497, 156, scale, Qt::white);
    QPainter p(&picture);
    prepare(p, scale);
    drawEmblem(p, QRectF(10, 14, 128, 128));
    fillText(p, "durvane", wordmarkFont(true), QRectF(158, 24, 320, 78), colour(kSlate));
    fillText(p, "PROGRESSIVE CAVITY PUMPS", wordmarkFont(false), QRectF(162, 116, 300, 18),
             colour(kGreyBlue));
    p.end();
    return picture;
}

QPixmap smallLogo(double scale) {
    QPixmap picture = canvas(160, 57, scale, Qt::white);
    QPainter p(&picture);
    prepare(p, scale);
    drawEmblem(p, QRectF(2, 4, 49, 49));
    fillText(p, "durvane", wordmarkFont(true), QRectF(58, 12, 96, 30), colour(kSlate));
    p.end();
    return picture;
}

} // namespace pumpvale::artwork
