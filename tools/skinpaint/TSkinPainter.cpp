// The skin set's drawing. Everything is painted with antialiased vector shapes in base
// coordinates scaled to the target size, so the enlarged layouts are drawn, not resampled.
// Soft shadows are the shape filled into a separate layer, box-blurred and laid underneath.
#include "TSkinPainter.h"

#include "NamedColours.h"
#include "TShellArt.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <array>
#include <cmath>
#include <vector>

namespace sudoku {

namespace {

// The palette: cream paper, sand, terracotta, a deep warm brown for ink, sage and honey.
const QColor kCream = RgbColour(0xFFFFF2);
const QColor kPaper = RgbColour(0xFFFDF5);
const QColor kSand = RgbColour(0xF4EAD5);
const QColor kSandDeep = RgbColour(0xE9DABC);
const QColor kSandLine = RgbColour(0xDDC9A6);
const QColor kTerraLight = RgbColour(0xD8845C);
const QColor kTerra = RgbColour(0xC26742);
const QColor kTerraDeep = RgbColour(0xA04B2C);
const QColor kInk = RgbColour(0x5A4232);
const QColor kSage = RgbColour(0x93AA8A);
const QColor kHoney = RgbColour(0xE6B65E);

QColor WithAlpha(QColor color, int alpha) {
    color.setAlpha(alpha);
    return color;
}

QImage NewImage(QSize size) {
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

// One box-blur pass along rows or columns; pixels outside the image count as transparent.
void BlurPass(QImage& image, int radius, bool alongRows) {
    const int w = image.width();
    const int h = image.height();
    const int lines = alongRows ? h : w;
    const int length = alongRows ? w : h;
    const int window = 2 * radius + 1;
    std::vector<std::array<int, 4>> source(static_cast<size_t>(length));
    for (int line = 0; line < lines; ++line) {
        auto pixel = [&](int i) -> uchar* {
            return alongRows ? image.scanLine(line) + 4 * i : image.scanLine(i) + 4 * line;
        };
        for (int i = 0; i < length; ++i) {
            const uchar* p = pixel(i);
            source[static_cast<size_t>(i)] = {p[0], p[1], p[2], p[3]};
        }
        std::array<int, 4> sum{0, 0, 0, 0};
        for (int i = -radius; i <= radius; ++i)
            if (i >= 0 && i < length)
                for (int c = 0; c < 4; ++c)
                    sum[static_cast<size_t>(c)] +=
                        source[static_cast<size_t>(i)][static_cast<size_t>(c)];
        for (int i = 0; i < length; ++i) {
            uchar* p = pixel(i);
            for (int c = 0; c < 4; ++c)
                p[c] = static_cast<uchar>(sum[static_cast<size_t>(c)] / window);
            const int out = i - radius;
            const int in = i + radius + 1;
            for (int c = 0; c < 4; ++c) {
                if (out >= 0)
                    sum[static_cast<size_t>(c)] -=
                        source[static_cast<size_t>(out)][static_cast<size_t>(c)];
                if (in < length)
                    sum[static_cast<size_t>(c)] +=
                        source[static_cast<size_t>(in)][static_cast<size_t>(c)];
            }
        }
    }
}

void Blur(QImage& image, qreal radius) {
    const int r = std::max(1, static_cast<int>(std::lround(radius / 1.7)));
    for (int pass = 0; pass < 3; ++pass) {
        BlurPass(image, r, true);
        BlurPass(image, r, false);
    }
}

// A soft shadow of path under the painter's current transform.
void SoftShadow(QPainter& painter, const QPainterPath& path, QPointF offset, qreal blur,
                const QColor& color) {
    const QSize size(painter.device()->width(), painter.device()->height());
    QImage layer = NewImage(size);
    {
        QPainter p(&layer);
        p.setRenderHint(QPainter::Antialiasing);
        p.setTransform(painter.transform());
        p.translate(offset);
        p.fillPath(path, color);
    }
    Blur(layer, blur * painter.transform().m11());
    painter.save();
    painter.resetTransform();
    painter.drawImage(0, 0, layer);
    painter.restore();
}

QPainterPath Rounded(const QRectF& rect, qreal radius) {
    QPainterPath path;
    path.addRoundedRect(rect, radius, radius);
    return path;
}

QFont SerifFont(qreal pixelSize, bool bold, bool italic = false) {
    QFont font(QStringLiteral("DejaVu Serif"));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    font.setBold(bold);
    font.setItalic(italic);
    font.setHintingPreference(QFont::PreferNoHinting);
    return font;
}

QFont SansFont(qreal pixelSize, bool bold, qreal spacing = 0) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    font.setBold(bold);
    font.setHintingPreference(QFont::PreferNoHinting);
    if (spacing != 0)
        font.setLetterSpacing(QFont::AbsoluteSpacing, spacing);
    return font;
}

void CentredText(QPainter& painter, const QFont& font, const QColor& color, qreal centreX,
                 qreal baseline, const QString& text) {
    painter.setFont(font);
    painter.setPen(color);
    const QFontMetricsF metrics(font);
    painter.drawText(QPointF(centreX - metrics.horizontalAdvance(text) / 2, baseline), text);
}

// A thin rule with a small diamond in the middle.
void Ornament(QPainter& painter, qreal centreX, qreal y, qreal halfWidth, const QColor& color) {
    painter.setPen(QPen(color, 0.8));
    painter.drawLine(QPointF(centreX - halfWidth, y), QPointF(centreX - 6, y));
    painter.drawLine(QPointF(centreX + 6, y), QPointF(centreX + halfWidth, y));
    QPainterPath diamond;
    diamond.moveTo(centreX, y - 3);
    diamond.lineTo(centreX + 3, y);
    diamond.lineTo(centreX, y + 3);
    diamond.lineTo(centreX - 3, y);
    diamond.closeSubpath();
    painter.fillPath(diamond, color);
}

// A soft paper card: shadow, fill gradient and a fine edge.
void Card(QPainter& painter, const QRectF& rect, qreal radius, const QColor& top,
          const QColor& bottom) {
    const QPainterPath path = Rounded(rect, radius);
    SoftShadow(painter, path, QPointF(0, 1.5), 4, QColor(0x6B, 0x4A, 0x2E, 55));
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    painter.fillPath(path, fill);
    painter.setPen(QPen(kSandLine, 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(Rounded(rect.adjusted(0.4, 0.4, -0.4, -0.4), radius));
}

// Paper surface shared by the splash and about pictures: warm radial light and a fine frame.
void PaperSurface(QPainter& painter, qreal w, qreal h) {
    QRadialGradient light(QPointF(w / 2, h * 0.38), std::max(w, h) * 0.75);
    light.setColorAt(0, kPaper);
    light.setColorAt(0.6, QColor(0xFB, 0xF4, 0xE4));
    light.setColorAt(1, QColor(0xEF, 0xE1, 0xC4));
    painter.fillRect(QRectF(0, 0, w, h), light);
    painter.setPen(QPen(kSandLine, 1));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(6.5, 6.5, w - 13, h - 13), 10, 10);
    painter.setPen(QPen(WithAlpha(Qt::white, 160), 1));
    painter.drawRoundedRect(QRectF(7.5, 7.5, w - 15, h - 15), 9, 9);
}

// A pill with a short text in it.
void Badge(QPainter& painter, qreal centreX, qreal centreY, const QString& text, qreal pixelSize) {
    const QFont font = SansFont(pixelSize, true, 0.6);
    const QFontMetricsF metrics(font);
    const qreal w = metrics.horizontalAdvance(text) + pixelSize * 1.6;
    const qreal h = pixelSize * 1.9;
    const QRectF rect(centreX - w / 2, centreY - h / 2, w, h);
    const QPainterPath path = Rounded(rect, h / 2);
    SoftShadow(painter, path, QPointF(0, 1), 2, QColor(0x7A, 0x3A, 0x20, 70));
    QLinearGradient fill(rect.topLeft(), rect.bottomLeft());
    fill.setColorAt(0, kTerraLight);
    fill.setColorAt(1, kTerra);
    painter.fillPath(path, fill);
    painter.setFont(font);
    painter.setPen(kCream);
    painter.drawText(rect, Qt::AlignCenter, text);
}

} // namespace

QSize TSkinPainter::ScaledSize(QSize base, double factor) {
    return {static_cast<int>(std::nearbyint(base.width() * factor)),
            static_cast<int>(std::nearbyint(base.height() * factor))};
}

void TSkinPainter::DrawEmblem(QPainter& painter, const QRectF& rect) {
    const qreal s = rect.width();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QPainterPath tile = Rounded(rect, s * 0.17);
    SoftShadow(painter, tile, QPointF(0, s * 0.03), s * 0.06, QColor(0x6B, 0x40, 0x24, 80));
    QLinearGradient tileFill(rect.topLeft(), rect.bottomRight());
    tileFill.setColorAt(0, kTerraLight);
    tileFill.setColorAt(1, kTerraDeep);
    painter.fillPath(tile, tileFill);
    painter.setPen(QPen(WithAlpha(Qt::white, 70), std::max<qreal>(0.6, s * 0.01)));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(
        Rounded(rect.adjusted(s * 0.012, s * 0.012, -s * 0.012, -s * 0.012), s * 0.16));

    // The paper sheet with the grid.
    const QRectF sheet = rect.adjusted(s * 0.12, s * 0.12, -s * 0.12, -s * 0.12);
    const QPainterPath sheetPath = Rounded(sheet, s * 0.05);
    SoftShadow(painter, sheetPath, QPointF(0, s * 0.015), s * 0.03, QColor(0x4A, 0x20, 0x10, 90));
    painter.fillPath(sheetPath, kPaper);
    const QRectF grid = sheet.adjusted(s * 0.045, s * 0.045, -s * 0.045, -s * 0.045);
    const qreal cell = grid.width() / 9;

    // Tinted cells: a sage diagonal, a honey box and a few terracotta accents.
    struct Tint {
        int col, row;
        QColor color;
    };
    const Tint tints[] = {
        {0, 0, WithAlpha(kSage, 110)},  {1, 1, WithAlpha(kSage, 110)},
        {2, 2, WithAlpha(kSage, 110)},  {3, 4, WithAlpha(kHoney, 120)},
        {4, 4, WithAlpha(kHoney, 150)}, {5, 4, WithAlpha(kHoney, 120)},
        {4, 3, WithAlpha(kHoney, 120)}, {4, 5, WithAlpha(kHoney, 120)},
        {7, 1, WithAlpha(kTerra, 80)},  {1, 7, WithAlpha(kTerra, 80)},
        {6, 6, WithAlpha(kSage, 110)},  {7, 7, WithAlpha(kSage, 110)},
        {8, 8, WithAlpha(kSage, 110)},
    };
    for (const Tint& t : tints)
        painter.fillRect(QRectF(grid.left() + t.col * cell, grid.top() + t.row * cell, cell, cell),
                         t.color);

    QPen thin(QColor(0xD9, 0xC6, 0xA5), std::max<qreal>(0.5, s * 0.006));
    painter.setPen(thin);
    for (int i = 1; i < 9; ++i) {
        if (i % 3 == 0)
            continue;
        painter.drawLine(QPointF(grid.left() + i * cell, grid.top()),
                         QPointF(grid.left() + i * cell, grid.bottom()));
        painter.drawLine(QPointF(grid.left(), grid.top() + i * cell),
                         QPointF(grid.right(), grid.top() + i * cell));
    }
    QPen thick(kInk, std::max<qreal>(0.9, s * 0.016));
    thick.setCapStyle(Qt::RoundCap);
    painter.setPen(thick);
    for (int i = 1; i < 3; ++i) {
        painter.drawLine(QPointF(grid.left() + i * 3 * cell, grid.top()),
                         QPointF(grid.left() + i * 3 * cell, grid.bottom()));
        painter.drawLine(QPointF(grid.left(), grid.top() + i * 3 * cell),
                         QPointF(grid.right(), grid.top() + i * 3 * cell));
    }
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(grid, s * 0.012, s * 0.012);

    // A handful of givens; only where the emblem is large enough to read them.
    if (cell >= 6) {
        struct Given {
            int col, row, value;
        };
        const Given givens[] = {{0, 0, 5}, {2, 1, 3}, {4, 0, 7}, {7, 1, 9}, {1, 3, 6},
                                {4, 4, 1}, {8, 3, 2}, {3, 5, 8}, {6, 5, 4}, {1, 7, 9},
                                {5, 7, 5}, {8, 8, 6}, {6, 2, 8}, {2, 6, 2}};
        painter.setFont(SerifFont(cell * 0.68, true));
        for (const Given& g : givens) {
            painter.setPen(g.value == 1 ? kTerraDeep : kInk);
            painter.drawText(
                QRectF(grid.left() + g.col * cell, grid.top() + g.row * cell, cell, cell),
                Qt::AlignCenter, QString::number(g.value));
        }
    }
    painter.restore();
}

QImage TSkinPainter::Background(double factor) {
    const QSize size = ScaledSize({568, 405}, factor);
    QImage image = NewImage(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.scale(size.width() / 568.0, size.height() / 405.0);

    QLinearGradient paper(0, 0, 0, 405);
    paper.setColorAt(0, kCream);
    paper.setColorAt(1, QColor(0xF7, 0xEC, 0xD6));
    painter.fillRect(QRectF(0, 0, 568, 405), paper);

    // Title band with a small emblem at its left end.
    QLinearGradient band(0, 0, 0, 20);
    band.setColorAt(0, QColor(0xF8, 0xEF, 0xDC));
    band.setColorAt(1, QColor(0xEE, 0xE0, 0xC3));
    painter.fillRect(QRectF(0, 0, 568, 19.5), band);
    painter.fillRect(QRectF(0, 19.5, 568, 1), kSandLine);
    painter.fillRect(QRectF(0, 20.5, 568, 1), WithAlpha(Qt::white, 180));
    DrawEmblem(painter, QRectF(4, 3, 14, 14));

    // Side bar: emblem and word mark above the page buttons.
    Card(painter, QRectF(7, 28, 136, 370), 11, QColor(0xFC, 0xF6, 0xE8), QColor(0xF2, 0xE5, 0xCB));
    DrawEmblem(painter, QRectF(42, 38, 66, 66));
    CentredText(painter, SerifFont(15, true), kInk, 75, 125, QStringLiteral("Sudoku"));
    CentredText(painter, SansFont(7.5, true, 2.2), kTerra, 75, 139, QStringLiteral("ATELIER"));
    Ornament(painter, 75, 316, 42, kSandLine);
    painter.setBrush(WithAlpha(kTerra, 120));
    painter.setPen(Qt::NoPen);
    for (int i = -1; i <= 1; ++i)
        painter.drawEllipse(QPointF(75 + i * 9, 333), 1.4, 1.4);

    // Header strip: plain, but for the word mark on the home-page button (288, 31, 130 x 40),
    // the one control there. Nothing else may look as if it could be clicked.
    Card(painter, QRectF(151, 28, 412, 54), 11, QColor(0xFD, 0xF8, 0xEC), QColor(0xF4, 0xE8, 0xD0));
    DrawEmblem(painter, QRectF(296, 37, 28, 28));
    painter.setFont(SerifFont(15, true));
    painter.setPen(kInk);
    painter.drawText(QPointF(332, 52), QStringLiteral("Sudoku"));
    painter.setFont(SansFont(7.5, true, 2.2));
    painter.setPen(kTerra);
    painter.drawText(QPointF(333, 63), QStringLiteral("ATELIER"));

    // The page area.
    Card(painter, QRectF(151, 88, 412, 312), 11, kPaper, QColor(0xFC, 0xF6, 0xE9));
    return image;
}

QImage TSkinPainter::Button(TButtonShape shape, TButtonState state, double factor) {
    const QSize base = shape == TButtonShape::Large   ? QSize(120, 35)
                       : shape == TButtonShape::Small ? QSize(85, 15)
                                                      : QSize(14, 14);
    const QSize size = ScaledSize(base, factor);
    QImage image = NewImage(size);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = size.width();
    const qreal h = size.height();
    const qreal unit = std::max<qreal>(1.0, factor);

    // Room for the soft shadow below and to the right; the pressed picture is drawn one
    // step right and down, so it fills that room.
    QRectF body;
    qreal radius = 0;
    switch (shape) {
    case TButtonShape::Large:
        body = QRectF(1, 1, w - 3.5 * unit, h - 4 * unit);
        radius = body.height() * 0.3;
        break;
    case TButtonShape::Small:
        body = QRectF(0.5, 0.5, w - 2 * unit, h - 2 * unit);
        radius = body.height() / 2;
        break;
    case TButtonShape::Title:
        body = QRectF(0.5, 0.5, w - 1.5 * unit, h - 1.5 * unit);
        radius = body.height() / 2;
        break;
    }
    const QPainterPath path = Rounded(body, radius);

    QColor top, bottom, edge;
    switch (state) {
    case TButtonState::Up:
        top = kTerraLight;
        bottom = kTerraDeep;
        edge = QColor(0x8E, 0x42, 0x27);
        SoftShadow(painter, path, QPointF(0.6 * unit, 1.4 * unit), 1.6 * unit,
                   QColor(0x5A, 0x2E, 0x18, shape == TButtonShape::Large ? 120 : 100));
        break;
    case TButtonState::Down:
        top = QColor(0x9A, 0x47, 0x2A);
        bottom = QColor(0xB8, 0x5E, 0x3B);
        edge = QColor(0x7E, 0x3A, 0x22);
        break;
    case TButtonState::Disabled:
        top = QColor(0xE6, 0xDB, 0xC7);
        bottom = QColor(0xD2, 0xC3, 0xA8);
        edge = QColor(0xC0, 0xAE, 0x8E);
        break;
    }
    QLinearGradient fill(body.topLeft(), body.bottomLeft());
    fill.setColorAt(0, top);
    fill.setColorAt(1, bottom);
    painter.fillPath(path, fill);

    painter.save();
    painter.setClipPath(path);
    if (state == TButtonState::Up) {
        // Gloss on the upper half and a light inner edge at the top.
        QLinearGradient gloss(body.topLeft(), QPointF(body.left(), body.center().y()));
        gloss.setColorAt(0, WithAlpha(Qt::white, 70));
        gloss.setColorAt(1, WithAlpha(Qt::white, 0));
        painter.fillRect(QRectF(body.left(), body.top(), body.width(), body.height() / 2), gloss);
        painter.setPen(QPen(WithAlpha(Qt::white, 110), unit));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(Rounded(body.adjusted(unit, unit, -unit, -unit), radius - unit));
    } else if (state == TButtonState::Down) {
        // Pressed in: a shade along the top edge.
        QLinearGradient shade(body.topLeft(),
                              QPointF(body.left(), body.top() + body.height() * 0.45));
        shade.setColorAt(0, QColor(0x3A, 0x14, 0x06, 110));
        shade.setColorAt(1, QColor(0x3A, 0x14, 0x06, 0));
        painter.fillRect(body, shade);
    } else {
        painter.setPen(QPen(WithAlpha(Qt::white, 120), unit));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(Rounded(body.adjusted(unit, unit, -unit, -unit), radius - unit));
    }
    painter.restore();

    painter.setPen(QPen(edge, 0.9 * unit));
    painter.setBrush(Qt::NoBrush);
    const qreal half = 0.45 * unit;
    painter.drawPath(Rounded(body.adjusted(half, half, -half, -half), radius - half));
    return image;
}

namespace {

// A square of paper with the emblem and the program's name, which the splash and the about
// pictures open with.
QImage TitledPaper(int side, const QRectF& emblem, qreal titleSize, qreal titleY) {
    QImage image = NewImage({side, side});
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    PaperSurface(painter, side, side);
    TSkinPainter::DrawEmblem(painter, emblem);
    CentredText(painter, SerifFont(titleSize, true), kInk, side / 2.0, titleY,
                QString::fromLatin1(TShellArt::ProgramTitle));
    return image;
}

} // namespace

QImage TSkinPainter::Intro() {
    QImage image = TitledPaper(280, QRectF(82, 34, 116, 116), 25, 193);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    CentredText(painter, SansFont(8, true, 2.4), kTerra, 140, 213,
                QStringLiteral("PLAY  \u00B7  SOLVE  \u00B7  DESIGN"));
    Ornament(painter, 140, 228, 56, kSandLine);
    Badge(painter, 140, 250, QString::fromLatin1(TShellArt::ReleaseText), 9);
    return image;
}

QImage TSkinPainter::About() {
    QImage image = TitledPaper(325, QRectF(119.5, 26, 86, 86), 24, 147);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    CentredText(painter, SansFont(9, true, 1.2), kTerra, 162.5, 166,
                QStringLiteral("Version ") + QString::fromLatin1(TShellArt::ReleaseText));
    Ornament(painter, 162.5, 180, 70, kSandLine);
    const QFont body = SerifFont(10.5, false, true);
    CentredText(painter, body, kInk, 162.5, 202,
                QStringLiteral("Play, solve and design Sudoku puzzles"));
    CentredText(painter, body, kInk, 162.5, 218,
                QStringLiteral("in 19 box shapes, from 4 to 16 symbols."));

    // Footer for the buttons of the about window.
    QPainterPath footer;
    footer.addRoundedRect(QRectF(10, 266, 305, 52), 9, 9);
    QLinearGradient fill(0, 266, 0, 318);
    fill.setColorAt(0, WithAlpha(kSand, 200));
    fill.setColorAt(1, WithAlpha(kSandDeep, 200));
    painter.fillPath(footer, fill);
    painter.setPen(QPen(kSandLine, 0.8));
    painter.setBrush(Qt::NoBrush);
    painter.drawPath(footer);
    return image;
}

} // namespace sudoku
