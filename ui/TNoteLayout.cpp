// Legible note font, and the miniature-box or reading-order places of a cell's notes.
#include "TNoteLayout.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPaintDevice>

#include <algorithm>
#include <cmath>

namespace sudoku {

namespace {

double InkHeight(const QFont& font, const QPaintDevice* device) {
    return QFontMetricsF(font, device).tightBoundingRect(QStringLiteral("8")).height();
}

QRectF Centred(const QRectF& box, QSizeF size) {
    return {box.center().x() - size.width() / 2, box.center().y() - size.height() / 2, size.width(),
            size.height()};
}

} // namespace

QFont TNoteLayout::LegibleFont(QFont font, const QPaintDevice* device) {
    // Every notes cell of every repaint asks; the answer depends on the font and the device's
    // resolution only.
    static QHash<QString, QFont> known;
    const int dpi = device != nullptr ? device->logicalDpiY() : 96;
    const QString key = font.key() + QLatin1Char('@') + QString::number(dpi);
    if (const auto found = known.constFind(key); found != known.constEnd())
        return *found;
    if (InkHeight(font, device) < MinGlyphHeight) {
        int pixels = std::max(1, static_cast<int>(std::ceil(font.pointSizeF() * dpi / 72.0)));
        do {
            font.setPixelSize(pixels++);
        } while (InkHeight(font, device) < MinGlyphHeight && pixels < 4 * MinGlyphHeight);
    }
    if (known.size() > 64)
        known.clear();
    known.insert(key, font);
    return font;
}

QSizeF TNoteLayout::Slot(const QRectF& area, int boxCols, int boxRows) {
    return {area.width() / std::max(1, boxCols), area.height() / std::max(1, boxRows)};
}

std::vector<TNoteLayout::TPlace> TNoteLayout::Arrange(const QRectF& area, int boxCols, int boxRows,
                                                      int gridSize, std::vector<int> values,
                                                      const TGlyphSize& glyph) {
    std::vector<TPlace> places;
    const QSizeF slot = Slot(area, boxCols, boxRows);
    double rowHeight = 0;
    bool boxFits = true;
    for (int v = 1; v <= gridSize; ++v) {
        const QSizeF size = glyph(v);
        rowHeight = std::max(rowHeight, size.height());
        boxFits = boxFits && size.width() <= slot.width() && size.height() <= slot.height();
    }
    if (boxFits) {
        for (const int v : values) {
            const QRectF place(area.left() + (v - 1) % boxCols * slot.width(),
                               area.top() + (v - 1) / boxCols * slot.height(), slot.width(),
                               slot.height());
            places.push_back({v, Centred(place, glyph(v))});
        }
        return places;
    }

    // Reading order: rows of glyphs a pixel apart.
    std::sort(values.begin(), values.end());
    const int rows = static_cast<int>((area.height() + 1) / (rowHeight + 1));
    double x = area.left();
    int row = 0;
    // The next glyph's ink box, moving on to a new row when this one is full; empty when the
    // area has no room left.
    const auto next = [&](QSizeF size) -> QRectF {
        if (x + size.width() > area.right() && x > area.left()) {
            ++row;
            x = area.left();
        }
        if (row >= rows || size.width() > area.width())
            return {};
        const QRectF line(x, area.top() + row * (rowHeight + 1), size.width(), rowHeight);
        x += size.width() + 1;
        return Centred(line, size);
    };
    std::size_t shown = 0;
    for (; shown < values.size(); ++shown) {
        const QRectF ink = next(glyph(values[shown]));
        if (ink.isEmpty())
            break;
        places.push_back({values[shown], ink});
    }
    if (shown == values.size())
        return places;
    // Not every note fits: the last places give way to a "+" until it fits.
    while (true) {
        x = places.empty() ? area.left() : places.back().Ink.right() + 1;
        row = places.empty()
                  ? 0
                  : static_cast<int>((places.back().Ink.top() - area.top()) / (rowHeight + 1));
        const QRectF more = next(glyph(More));
        if (!more.isEmpty()) {
            places.push_back({More, more});
            break;
        }
        if (places.empty())
            break;
        places.pop_back();
    }
    return places;
}

} // namespace sudoku
