// Draws the two picture display sets shipped with the program: ten 32 x 32 and ten 16 x 16
// icon files per set, picture 0 standing for a missing value and pictures 1 to 9 for values.
// Usage: iconpaint <output folder>   (writes <output folder>/<set name>/0d.ico and 0ds.ico)

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPainterPath>
#include <QtMath>

#include <cstdio>
#include <functional>

namespace {

using Painter = std::function<void(QPainter&, int value, double size)>;

// A regular polygon of the given corner count around the centre of a size x size square.
QPolygonF RegularPolygon(int corners, double size, double startDegrees, double inset = 0.12) {
    QPolygonF polygon;
    const double radius = size * (0.5 - inset);
    for (int i = 0; i < corners; ++i) {
        const double angle = qDegreesToRadians(startDegrees + 360.0 * i / corners);
        polygon << QPointF(size / 2 + radius * qCos(angle), size / 2 + radius * qSin(angle));
    }
    return polygon;
}

QPolygonF Star(double size) {
    QPolygonF star;
    for (int i = 0; i < 10; ++i) {
        const double radius = size * (i % 2 == 0 ? 0.42 : 0.18);
        const double angle = qDegreesToRadians(-90.0 + 36.0 * i);
        star << QPointF(size / 2 + radius * qCos(angle), size / 2 + radius * qSin(angle));
    }
    return star;
}

void QuestionMark(QPainter& p, double size, const QColor& colour) {
    QFont font(QStringLiteral("Sans"));
    font.setPixelSize(qRound(size * 0.8));
    font.setBold(true);
    p.setFont(font);
    p.setPen(colour);
    p.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, QStringLiteral("?"));
}

// Set "Geometric": one coloured shape per value, shapes with more corners for higher values.
void PaintGeometric(QPainter& p, int value, double size) {
    static const QColor colours[] = {{0xD3, 0x2F, 0x2F}, {0xF5, 0x7C, 0x00}, {0xFB, 0xC0, 0x2D},
                                     {0x38, 0x8E, 0x3C}, {0x00, 0x97, 0xA7}, {0x19, 0x76, 0xD2},
                                     {0x51, 0x2D, 0xA8}, {0xC2, 0x18, 0x5B}, {0x5D, 0x40, 0x37}};
    if (value == 0) {
        QuestionMark(p, size, QColor(0x60, 0x60, 0x60));
        return;
    }
    const QColor colour = colours[value - 1];
    p.setPen(QPen(colour.darker(160), qMax(1.0, size / 16)));
    p.setBrush(colour);
    const double m = size * 0.14;
    switch (value) {
    case 1:
        p.drawEllipse(QRectF(m, m, size - 2 * m, size - 2 * m));
        break;
    case 2:
        p.drawPolygon(RegularPolygon(3, size, -90, 0.08));
        break;
    case 3:
        p.drawRect(QRectF(m, m, size - 2 * m, size - 2 * m));
        break;
    case 4:
        p.drawPolygon(RegularPolygon(4, size, -90, 0.06));
        break;
    case 5:
        p.drawPolygon(RegularPolygon(5, size, -90, 0.08));
        break;
    case 6:
        p.drawPolygon(RegularPolygon(6, size, 0, 0.08));
        break;
    case 7:
        p.drawPolygon(Star(size));
        break;
    case 8: {
        QPainterPath ring;
        ring.addEllipse(QRectF(m, m, size - 2 * m, size - 2 * m));
        const double h = size * 0.3;
        ring.addEllipse(QRectF(h, h, size - 2 * h, size - 2 * h));
        p.drawPath(ring);
        break;
    }
    default: {
        const double w = size * 0.26;
        QPainterPath cross;
        cross.addRect(QRectF((size - w) / 2, m, w, size - 2 * m));
        cross.addRect(QRectF(m, (size - w) / 2, size - 2 * m, w));
        p.drawPath(cross.simplified());
        break;
    }
    }
}

// Set "DiceFaces": a white die showing 1 to 9 pips on a 3 x 3 raster.
void PaintDice(QPainter& p, int value, double size) {
    const double m = size * 0.06;
    p.setPen(QPen(QColor(0x30, 0x30, 0x30), qMax(1.0, size / 20)));
    p.setBrush(QColor(0xFF, 0xFD, 0xF5));
    p.drawRoundedRect(QRectF(m, m, size - 2 * m, size - 2 * m), size * 0.18, size * 0.18);
    if (value == 0) {
        QuestionMark(p, size, QColor(0xB0, 0x00, 0x00));
        return;
    }
    // Pip positions on the 3 x 3 raster, numbered 0..8 in reading order.
    static const std::vector<int> layouts[] = {{4},
                                               {0, 8},
                                               {0, 4, 8},
                                               {0, 2, 6, 8},
                                               {0, 2, 4, 6, 8},
                                               {0, 2, 3, 5, 6, 8},
                                               {0, 2, 3, 4, 5, 6, 8},
                                               {0, 1, 2, 3, 5, 6, 7, 8},
                                               {0, 1, 2, 3, 4, 5, 6, 7, 8}};
    const double radius = size * (value > 6 ? 0.075 : 0.09);
    p.setPen(Qt::NoPen);
    p.setBrush(value % 2 == 1 ? QColor(0xC6, 0x28, 0x28) : QColor(0x1A, 0x23, 0x7E));
    for (int spot : layouts[value - 1]) {
        const double x = size * (0.27 + 0.23 * (spot % 3));
        const double y = size * (0.27 + 0.23 * (spot / 3));
        p.drawEllipse(QPointF(x, y), radius, radius);
    }
}

// Draws one picture at 4 times its size and scales it down for smooth edges.
QImage Render(const Painter& paint, int value, int size) {
    const int big = size * 4;
    QImage image(big, big, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    {
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.setRenderHint(QPainter::TextAntialiasing);
        paint(p, value, big);
    }
    return image.scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

bool WriteSet(const QString& root, const QString& name, const Painter& paint) {
    QDir dir(root);
    if (!dir.mkpath(name))
        return false;
    for (int d = 0; d <= 9; ++d) {
        const QString base = dir.filePath(name) + QStringLiteral("/0%1").arg(d);
        QImageWriter large(base + QStringLiteral(".ico"), "ico");
        QImageWriter small(base + QStringLiteral("s.ico"), "ico");
        if (!large.write(Render(paint, d, 32)) || !small.write(Render(paint, d, 16))) {
            std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(base),
                         qPrintable(large.errorString() + small.errorString()));
            return false;
        }
    }
    return true;
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: iconpaint <output folder>\n");
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const bool ok = WriteSet(root, QStringLiteral("Geometric"), PaintGeometric) &&
                    WriteSet(root, QStringLiteral("DiceFaces"), PaintDice);
    return ok ? 0 : 1;
}
