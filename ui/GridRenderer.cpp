// Cell drawing: background choice, outline and box borders, given frames, the value symbol or
// picture, legible notes (see TNoteLayout), the marks of a shown solution, pause and selection.
#include "GridRenderer.h"

#include "NamedColours.h"
#include "TCellInput.h"
#include "TNoteLayout.h"
#include "TSuDoKuGrid.h"

#include <QFont>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <vector>

namespace sudoku {

namespace {

using namespace colours;

bool SamePixmaps(const QList<QPixmap>& a, const QList<QPixmap>& b) {
    if (a.size() != b.size())
        return false;
    for (qsizetype i = 0; i < a.size(); ++i)
        if (a[i].cacheKey() != b[i].cacheKey())
            return false;
    return true;
}

// A rectangle from (x1, y1) to (x2, y2) covering x1..x2-1 and y1..y2-1: filled with the
// brush (when there is one) and outlined with the pen on its outermost pixels.
void FrameRect(QPainter& p, int x1, int y1, int x2, int y2, const QColor* fill) {
    if (x2 <= x1 || y2 <= y1)
        return;
    if (fill)
        p.fillRect(QRect(x1, y1, x2 - x1, y2 - y1), *fill);
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1));
}

// An axis-parallel line from (x1, y1) to (x2, y2) that leaves out its end point.
void LineTo(QPainter& p, int x1, int y1, int x2, int y2) {
    if (x1 == x2 && y1 == y2)
        return;
    if (y1 == y2)
        p.drawLine(x1, y1, x2 > x1 ? x2 - 1 : x2 + 1, y2);
    else
        p.drawLine(x1, y1, x2, y2 > y1 ? y2 - 1 : y2 + 1);
}

void SetPen(QPainter& p, const QColor& colour, Qt::PenStyle style = Qt::SolidLine) {
    QPen pen(colour, 1, style);
    pen.setCosmetic(true);
    p.setPen(pen);
}

// Text whose top-left corner lies at (x, y).
void TextAt(QPainter& p, int x, int y, const QString& text) {
    p.drawText(QPoint(x, y + QFontMetrics(p.font()).ascent()), text);
}

struct TCellFacts {
    QString Text;
    int Value = 0;
    int Solution = 0;
    bool HasComma = false;
    bool Wrong = false;
    bool Given = false;
};

TCellFacts ReadCell(const TGridRenderContext& c, int aCol, int aRow) {
    TCellFacts f;
    const int index = CellIndex(aCol + 1, aRow + 1);
    const std::string& text = c.Cells[index];
    f.Text = QString::fromStdString(text);
    f.Value = TextToValue(text);
    f.Solution = c.Draw.SolutionValues[index];
    f.HasComma = text.find(',') != std::string::npos;
    f.Wrong = f.Solution != 0 && !text.empty() && !f.HasComma && f.Value != f.Solution;
    f.Given = c.Draw.GivenStrings[index] == std::to_string(f.Solution);
    return f;
}

QColor Background(const TGridRenderContext& c, const TCellFacts& f, int aCol, int aRow) {
    const TGridDrawState& d = c.Draw;
    const bool paused = HasFlag(d.SuDoKuState, sfPaused);
    const bool rendering = HasFlag(d.SuDoKuState, sfRendering);
    const int bc = aCol / d.BoxCols + 1;
    const int br = aRow / d.BoxRows + 1;
    const bool rulerOn = !paused && c.Look.ShowRuler && !rendering && c.SelCol >= 0;
    const bool inRuler = aCol == c.SelCol || aRow == c.SelRow ||
                         (bc == c.SelCol / d.BoxCols + 1 && br == c.SelRow / d.BoxRows + 1);

    QColor colour;
    if (rulerOn && inRuler) {
        colour = c.Look.RulerColor;
    } else if (c.Look.ContrastPuzzle) {
        const int given = TextToValue(d.GivenStrings[CellIndex(aCol + 1, aRow + 1)]);
        const bool contrastGiven = f.Solution != 0 && given != 0 && given == f.Solution;
        colour = contrastGiven ? c.Look.ContrastColor : c.Look.BackgroundColor;
    } else {
        colour = (bc % 2 == br % 2) ? c.Look.BackgroundColor : c.Look.ContrastColor;
    }
    const bool pictures = c.Look.PictureSet;
    if (d.HighlightValue != 0 && f.Value == d.HighlightValue)
        colour = Yellow;
    if (paused && !rendering)
        colour = Silver;
    if ((HasFlag(d.SuDoKuState, sfShowErrors) || (HasFlag(d.SuDoKuState, sfSolved) && pictures)) &&
        f.Wrong)
        colour = Red;
    return colour;
}

// The value items of a candidate list, in order; items outside 1..N are left out.
QPixmap Picture(const QList<QPixmap>& list, int index) {
    if (index < 0 || index >= list.size())
        return {};
    return list[index];
}

// The font of notes and marks: the Part's small size, bold, grown to a legible size.
QFont NoteFont(QFont font, int pointSize, const QPaintDevice* device) {
    font.setPointSize(qMax(1, pointSize));
    font.setBold(true);
    return TNoteLayout::LegibleFont(font, device);
}

// The ink rectangles of "+" (index 0) and the symbols of 1 to N in the note font: the same for
// every notes cell of a grid, so they are measured once.
const std::vector<QRectF>& NoteInk(const QFont& font, const QPaintDevice* device,
                                   const TGridLook& look, int n) {
    static QHash<QString, std::vector<QRectF>> known;
    const QString key = font.key() + QLatin1Char('@') +
                        QString::number(device != nullptr ? device->logicalDpiY() : 0) +
                        QLatin1Char('@') + look.DisplaySet + QLatin1Char('@') + QString::number(n);
    if (const auto found = known.constFind(key); found != known.constEnd())
        return *found;
    if (known.size() > 64)
        known.clear();
    const QFontMetricsF metrics(font, device);
    std::vector<QRectF> ink{metrics.tightBoundingRect(QStringLiteral("+"))};
    for (int v = 1; v <= n; ++v)
        ink.push_back(metrics.tightBoundingRect(SuDoKuSymbol(look, n, v)));
    return *known.insert(key, std::move(ink));
}

// The notes of a cell: small pictures in a picture set (a missing one as its symbol in red),
// symbols in the text colour otherwise, and a "+" when not all of them fit.
void DrawNotes(QPainter& painter, const TGridRenderContext& c, const QRectF& area,
               const std::vector<int>& values, const QFont& font, const QColor& textColour) {
    const int n = c.Draw.GridSize();
    const bool pictures = n < 10 && c.Look.PictureSet;
    const std::vector<QRectF>& ink = NoteInk(font, painter.device(), c.Look, n);
    const auto symbol = [&](int v) {
        return v == TNoteLayout::More ? QStringLiteral("+") : SuDoKuSymbol(c.Look, n, v);
    };
    // Pictures shrink to the places of the miniature box, not below a legible size.
    const QSizeF slot = TNoteLayout::Slot(area, c.Draw.BoxCols, c.Draw.BoxRows);
    const double side = std::max<double>(TNoteLayout::MinGlyphHeight,
                                         std::floor(std::min(slot.width(), slot.height())));
    const auto picture = [&](int v) {
        return pictures && v != TNoteLayout::More ? Picture(c.Look.IconList16x16, v) : QPixmap();
    };
    const auto glyph = [&](int v) {
        const QPixmap pic = picture(v);
        if (!pic.isNull())
            return QSizeF(pic.size())
                .scaled(QSizeF(side, side), Qt::KeepAspectRatio)
                .boundedTo(QSizeF(pic.size()));
        return ink[static_cast<std::size_t>(v)].size();
    };
    painter.setFont(font);
    for (const auto& [v, place] :
         TNoteLayout::Arrange(area, c.Draw.BoxCols, c.Draw.BoxRows, n, values, glyph)) {
        const QPixmap pic = picture(v);
        if (!pic.isNull()) {
            painter.setRenderHint(QPainter::SmoothPixmapTransform, place.size() != pic.size());
            painter.drawPixmap(QRect(place.topLeft().toPoint(), place.size().toSize()), pic);
            continue;
        }
        const QRectF& tight = ink[static_cast<std::size_t>(v)];
        SetPen(painter, pictures && v != TNoteLayout::More ? Red : textColour);
        painter.drawText(
            QPointF(std::round(place.left() - tight.left()), std::round(place.top() - tight.top())),
            symbol(v));
    }
    SetPen(painter, textColour);
}

} // namespace

bool TGridLook::operator==(const TGridLook& other) const {
    return BackgroundColor == other.BackgroundColor && ContrastColor == other.ContrastColor &&
           RulerColor == other.RulerColor && FontColor == other.FontColor &&
           ContrastPuzzle == other.ContrastPuzzle && ShowRuler == other.ShowRuler &&
           FontName == other.FontName && DisplaySet == other.DisplaySet &&
           PictureSet == other.PictureSet && SamePixmaps(IconList32x32, other.IconList32x32) &&
           SamePixmaps(IconList16x16, other.IconList16x16) &&
           ValueFontSize == other.ValueFontSize &&
           LargeGridValueFontSize == other.LargeGridValueFontSize &&
           NoteFontSize == other.NoteFontSize &&
           LargeGridNoteFontSize == other.LargeGridNoteFontSize;
}

QString SuDoKuSymbol(const TGridLook& look, int gridSize, int value) {
    if (value < 1)
        return {};
    if (gridSize >= 10) {
        if (value > 16)
            return {};
        return QString(QLatin1Char(FixedSymbols[value - 1]));
    }
    if (value > look.DisplaySet.size())
        return {};
    return QString(look.DisplaySet.at(value - 1));
}

QRect GridCellRect(int col, int row, int colWidth, int rowHeight) {
    return QRect(col * colWidth, row * rowHeight, colWidth, rowHeight);
}

// The cell is composed in layers, each overriding the last: background by checkerboard or
// contrast, then ruler, highlight, pause and error colours; outline and box borders; the
// symbol, picture or notes; the small mark of a shown solution; last the
// pause cover or the inverted selection frame, which belong to interaction only.
void SuDoKuGridDrawCell(QPainter& painter, const TGridRenderContext& c, int aCol, int aRow,
                        const QRect& rect) {
    const TGridDrawState& d = c.Draw;
    const int n = d.GridSize();
    if (aCol < 0 || aRow < 0 || aCol + 1 > n || aRow + 1 > n || n > MaxGridSize)
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);

    const int L = rect.left();
    const int T = rect.top();
    const int R = rect.left() + rect.width();
    const int B = rect.top() + rect.height();
    const int W = R - L;
    const int H = B - T;
    const TCellFacts f = ReadCell(c, aCol, aRow);
    const TSuDoKuState state = d.SuDoKuState;
    const bool paused = HasFlag(state, sfPaused);
    const bool rendering = HasFlag(state, sfRendering);
    const bool solved = HasFlag(state, sfSolved);
    const bool showErrors = HasFlag(state, sfShowErrors);
    const bool pictures = n < 10 && c.Look.PictureSet;
    const bool large = n >= 10;
    const int valueSize = large ? c.Look.LargeGridValueFontSize : c.Look.ValueFontSize;
    const int noteSize = large ? c.Look.LargeGridNoteFontSize : c.Look.NoteFontSize;
    const int e = aCol % d.BoxCols == 0 ? 1 : 0;
    const int fr = aRow % d.BoxRows == 0 ? 1 : 0;

    // Background, outline and box borders.
    const QColor background = Background(c, f, aCol, aRow);
    QColor textColour =
        (d.HighlightValue != 0 && f.Value == d.HighlightValue) ? Navy : c.Look.FontColor;
    QFont font(c.Look.FontName);
    font.setPointSize(qMax(1, valueSize));
    font.setBold(false);
    SetPen(painter, Black);
    FrameRect(painter, L - (aCol > 0 ? 1 : 0), T - (aRow > 0 ? 1 : 0), R, B, &background);
    if (aCol % d.BoxCols == 0)
        LineTo(painter, L, T, L, B);
    if (aRow % d.BoxRows == 0)
        LineTo(painter, L, T, R, T);

    // Givens: bold, and a raised frame in picture sets.
    if (f.Given) {
        font.setBold(true);
        if (pictures) {
            SetPen(painter, Grey);
            LineTo(painter, L + 2 + e, B - 4, R - 2, B - 4);
            LineTo(painter, R - 4, T + 2 + fr, R - 4, B - 4);
            SetPen(painter, Black);
            LineTo(painter, L + 3 + e, B - 3, R - 2, B - 3);
            LineTo(painter, R - 3, T + 3 + fr, R - 3, B - 3);
            SetPen(painter, Silver);
            LineTo(painter, L + 1 + e, T + 1 + fr, R - 3, T + 1 + fr);
            LineTo(painter, L + 1 + e, T + 2 + fr, L + 1 + e, B - 3);
        }
    }
    if (showErrors && f.Wrong) {
        textColour = White;
        font.setBold(true);
    }
    if (paused && !rendering)
        textColour = PaleGrey;

    const bool markSolution = solved && f.Solution != 0 && f.Value != f.Solution;
    const QString shown = markSolution ? QString::number(f.Solution) : f.Text;
    const bool single = shown.contains(QLatin1Char('$')) || !shown.contains(QLatin1Char(','));
    painter.setFont(font);
    SetPen(painter, textColour);

    if (single) {
        const int v = TextToValue(shown.toStdString());
        if (v >= 1 && v <= n) {
            if (pictures) {
                const QPixmap pic = Picture(c.Look.IconList32x32, v);
                if (!pic.isNull())
                    painter.drawPixmap(L + (W - pic.width()) / 2, T + (H - pic.height()) / 2, pic);
            } else {
                const QString symbol = SuDoKuSymbol(c.Look, n, v);
                const QFontMetrics fm(painter.font());
                TextAt(painter, L + (W - fm.horizontalAdvance(symbol)) / 2,
                       T + (H - fm.height()) / 2, symbol);
            }
        }
    } else {
        // Inside the selection frame, which runs along the outline.
        const QRectF area(L + 1 + e, T + 1 + fr, W - 3 - e, H - 3 - fr);
        DrawNotes(painter, c, area, TCellInput::ListValues(shown.toStdString(), n),
                  NoteFont(font, noteSize, painter.device()), textColour);
        painter.setFont(font);
    }

    // Small mark of what the player had where the solution is now shown.
    if (markSolution) {
        const QFont markFont = NoteFont(font, noteSize, painter.device());
        const bool emptyOrNotes = f.Text.isEmpty() || f.HasComma;
        if (pictures) {
            const QPixmap pic = f.Text.isEmpty() ? Picture(c.Look.IconList16x16, 0)
                                : (f.Value >= 1 && f.Value <= n)
                                    ? Picture(c.Look.IconList16x16, f.Value)
                                    : QPixmap();
            if (!pic.isNull()) {
                painter.drawPixmap(L, T, pic);
            } else if (f.Text.isEmpty()) {
                painter.setFont(markFont);
                SetPen(painter, Red);
                TextAt(painter, L + 2, T + 2, QStringLiteral("?"));
            }
        } else {
            const QString mark =
                emptyOrNotes ? QStringLiteral("?") : SuDoKuSymbol(c.Look, n, f.Value);
            painter.setFont(markFont);
            SetPen(painter, Red);
            TextAt(painter, L + 2, T + 2, mark);
        }
        painter.setFont(font);
    }

    // Interaction only: the pause cover or the selection frame.
    if (!rendering) {
        if (paused) {
            if (pictures) {
                SetPen(painter, Silver);
                FrameRect(painter, L + 1, T + 1, R - 1, B - 1, &Silver);
            }
        } else if (aCol == c.SelCol && aRow == c.SelRow) {
            // Along the outline, so that it never covers the notes.
            painter.setCompositionMode(QPainter::RasterOp_SourceOrNotDestination);
            SetPen(painter, Black, pictures ? Qt::DotLine : Qt::SolidLine);
            FrameRect(painter, L + e, T + fr, R - 1, B - 1, nullptr);
            painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
        }
    }
    painter.restore();
}

void SuDoKuGridDrawAll(QPainter& painter, const TGridRenderContext& context, int colWidth,
                       int rowHeight) {
    const int n = context.Draw.GridSize();
    for (int col = 0; col < n; ++col)
        for (int row = 0; row < n; ++row)
            SuDoKuGridDrawCell(painter, context, col, row,
                               GridCellRect(col, row, colWidth, rowHeight));
}

} // namespace sudoku
