// Cell rendering into an image: background colours, the weight and colour of the text, the marks
// of a shown solution, notes, symbols and pictures, borders and the grid's bounds; and the places
// of a cell's notes.
#include "GridRenderer.h"

#include "NamedColours.h"
#include "TDisplaySets.h"
#include "TNoteLayout.h"
#include "TSuDoKuGrid.h"
#include "UiTestSupport.h"

#include <string>
#include <vector>

namespace sudoku {
namespace {

using test::CountPixels;

const QRgb Sentinel = qRgb(0xFF, 0, 0xFF);
const QRgb White = colours::White.rgb();
const QRgb Contrast = qRgb(0xD0, 0xE8, 0xFF);
const QRgb Ruler = qRgb(0xC0, 0xFF, 0xC0);
const QRgb Silver = colours::Silver.rgb();
const QRgb Red = colours::Red.rgb();
const QRgb Black = colours::Black.rgb();

struct Scene {
    TGridLook Look;
    TGridDrawState Draw;
    TSuDoKuStrings Cells{};
    int SelCol = -1;
    int SelRow = -1;
    int CellSize = 27;

    Scene(int boxCols = 3, int boxRows = 3) {
        Look.BackgroundColor = QColor(White);
        Look.ContrastColor = QColor(Contrast);
        Look.RulerColor = QColor(Ruler);
        Look.FontName = QStringLiteral("DejaVu Sans");
        Draw.BoxCols = boxCols;
        Draw.BoxRows = boxRows;
    }
    void Set(int col, int row, const std::string& text, int solution = 0) {
        Cells[CellIndex(col + 1, row + 1)] = text;
        Draw.SolutionValues[CellIndex(col + 1, row + 1)] = static_cast<std::uint8_t>(solution);
    }
    QRect Rect(int col, int row) const { return GridCellRect(col, row, CellSize, CellSize); }
    TGridRenderContext Context() const { return {Look, Draw, Cells, SelCol, SelRow}; }

    // The whole grid on a sentinel-coloured image a few pixels larger than the cells.
    QImage Render() const {
        const int side = Draw.GridSize() * CellSize + 6;
        QImage image(side, side, QImage::Format_RGB32);
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(3780);
        image.fill(Sentinel);
        QPainter painter(&image);
        SuDoKuGridDrawAll(painter, Context(), CellSize, CellSize);
        return image;
    }
    // Pixels inside cell (col, row), without its outline and box border, that pass pred.
    template <typename Pred> int Ink(const QImage& image, int col, int row, Pred pred) const {
        return CountPixels(image, Rect(col, row).adjusted(2, 2, -2, -2), pred);
    }
};

bool IsDark(QRgb p) {
    return qRed(p) < 100 && qGreen(p) < 100 && qBlue(p) < 100;
}
bool IsReddish(QRgb p) {
    return qRed(p) > 180 && qGreen(p) < 120 && qBlue(p) < 120;
}

// A picture set whose value v is a solid square of a distinct green shade.
void UseSolidPictures(TGridLook& look) {
    look.PictureSet = true;
    look.DisplaySet = QStringLiteral("Pictures!");
    for (int v = 0; v <= 9; ++v) {
        look.IconList32x32.append(test::Solid({20, 20}, QColor(0, 100 + 15 * v, 0)));
        look.IconList16x16.append(test::Solid({6, 6}, QColor(0, 100 + 15 * v, 0)));
    }
}

// Every listed cell (column, row) of the scene shows the background colour, read away from its
// outline, borders and centred content.
void ExpectBackground(const Scene& scene, QRgb colour, std::initializer_list<QPoint> cells) {
    const QImage image = scene.Render();
    for (const QPoint& cell : cells) {
        const QRect rect = scene.Rect(cell.x(), cell.y());
        EXPECT_EQ(image.pixel(rect.left() + 4, rect.bottom() - 3), colour)
            << cell.x() << "," << cell.y();
    }
}

TEST(GridRender, BackgroundsOfBoxesContrastRulerHighlightPauseAndErrors) {
    ExpectBackground(Scene(3, 3), Contrast, {{3, 0}, {0, 3}, {6, 3}});
    ExpectBackground(Scene(3, 3), White, {{0, 0}, {4, 4}, {8, 8}});
    ExpectBackground(Scene(2, 3), Contrast, {{2, 0}, {0, 3}, {5, 5}});
    ExpectBackground(Scene(2, 3), White, {{1, 2}, {2, 3}});
    ExpectBackground(Scene(4, 2), Contrast, {{4, 0}, {3, 2}});
    ExpectBackground(Scene(4, 2), White, {{4, 2}, {7, 7}});

    // Contrast puzzle: only givens that are the solution; a correct entry is no given.
    Scene contrast;
    contrast.Look.ContrastPuzzle = true;
    contrast.Set(3, 0, "4", 4);
    contrast.Draw.GivenStrings[CellIndex(4, 1)] = "4";
    contrast.Set(0, 0, "2", 2);
    contrast.Set(4, 0, "", 6);
    contrast.Draw.GivenStrings[CellIndex(5, 1)] = "7";
    ExpectBackground(contrast, Contrast, {{3, 0}});
    ExpectBackground(contrast, White, {{0, 0}, {4, 0}, {5, 0}});

    Scene ruler;
    ruler.Look.ShowRuler = true;
    ruler.SelCol = 4;
    ruler.SelRow = 1;
    ruler.Set(8, 1, "5");
    ruler.Draw.HighlightValue = 5;
    ExpectBackground(ruler, Ruler, {{4, 1}, {4, 8}, {0, 1}, {3, 0}, {5, 2}});
    ExpectBackground(ruler, White, {{0, 0}, {6, 2}, {3, 3}, {5, 3}});
    ExpectBackground(ruler, colours::Yellow.rgb(), {{8, 1}});
    ruler.Draw.SuDoKuState = sfPlaying | sfPaused;
    ExpectBackground(ruler, Silver, {{4, 1}, {8, 1}, {0, 0}});

    // Entries against the solution 5: errors are marked, notes never.
    Scene entries;
    const char* texts[] = {"3", "5", "", "3,4,", "$03", "12"};
    for (int col = 0; col < 6; ++col)
        entries.Set(col, 0, texts[col], 5);
    entries.Draw.SuDoKuState = sfPlaying | sfShowErrors;
    ExpectBackground(entries, Red, {{0, 0}, {4, 0}, {5, 0}});
    ExpectBackground(entries, White, {{1, 0}, {2, 0}});
    ExpectBackground(entries, Contrast, {{3, 0}});
    // A shown solution marks errors red only in picture sets.
    entries.Draw.SuDoKuState = sfSolved;
    ExpectBackground(entries, White, {{0, 0}});
    UseSolidPictures(entries.Look);
    ExpectBackground(entries, Red, {{0, 0}, {4, 0}});
    ExpectBackground(entries, Contrast, {{3, 0}});
}

// Givens bold, highlighted values navy, wrong entries white, the selection inverted, and a
// pause greys every text and covers pictures.
TEST(GridRender, TextWeightColourSelectionAndPause) {
    Scene scene;
    scene.Set(0, 0, "8", 8);
    scene.Draw.GivenStrings[CellIndex(1, 1)] = "8";
    scene.Set(1, 0, "8", 8);
    scene.Set(0, 1, "5");
    scene.Set(1, 1, "6");
    scene.Set(2, 1, "1,2,");
    scene.Set(2, 0, "3", 5);
    scene.SelCol = 0;
    scene.SelRow = 0;
    scene.Draw.HighlightValue = 5;
    scene.Draw.SuDoKuState = sfPlaying | sfShowErrors;
    const auto navy = [](QRgb p) { return qBlue(p) > 90 && qRed(p) < 80 && qGreen(p) < 80; };
    const QImage image = scene.Render();
    const int entered = scene.Ink(image, 1, 0, IsDark);
    EXPECT_GT(entered, 10);
    EXPECT_GT(scene.Ink(image, 0, 0, IsDark), entered + entered / 5);
    EXPECT_GT(scene.Ink(image, 0, 1, navy), 5);
    EXPECT_EQ(scene.Ink(image, 1, 1, navy), 0);
    EXPECT_GT(scene.Ink(image, 2, 0, [](QRgb p) { return qGray(p) > 240; }), 5);
    EXPECT_EQ(image.pixel(1, 10), Black); // the selection frame inverts the white

    // Paused: pale grey on silver and no selection frame, so nothing darker than silver.
    scene.Draw.SuDoKuState = sfPlaying | sfPaused;
    const QImage paused = scene.Render();
    for (const auto& [col, row] : {std::pair{0, 0}, {1, 0}, {0, 1}, {2, 1}}) {
        SCOPED_TRACE(testing::Message() << col << "," << row);
        EXPECT_EQ(scene.Ink(paused, col, row, [](QRgb p) { return qGray(p) < 0xC0 - 2; }), 0);
        EXPECT_GT(scene.Ink(paused, col, row, [](QRgb p) { return qGray(p) > 0xC4; }), 0);
    }
    EXPECT_EQ(paused.pixel(1, 10), Silver);
    UseSolidPictures(scene.Look);
    EXPECT_EQ(CountPixels(scene.Render(), scene.Rect(0, 0).adjusted(1, 1, -2, -2),
                          [](QRgb p) { return p != Silver; }),
              0);
}

TEST(GridRender, ShownSolutionDrawsTheSolutionWithTheOldContentSmall) {
    // The old content's red mark in the corner: "?" for nothing or notes, else the symbol.
    const std::pair<const char*, int> cases[] = {{"", 0}, {"1,2,", 0}, {"3", 1}, {"7", 2}};
    int marks[3] = {};
    for (const auto& [text, mark] : cases) {
        SCOPED_TRACE(text);
        Scene scene;
        scene.CellSize = 40;
        scene.Set(0, 0, text, 7);
        scene.Draw.SuDoKuState = sfSolved;
        const QImage image = scene.Render();
        const int red = CountPixels(image, QRect(2, 2, 8, 9), IsReddish);
        EXPECT_EQ(red > 3, mark != 2);
        marks[mark] = red;
        // The solution symbol sits large in the middle in the font colour.
        EXPECT_GT(CountPixels(image, QRect(14, 10, 12, 20), IsDark), 15);
    }
    EXPECT_NE(marks[0], marks[1]);

    // In a picture set the marks are small pictures.
    Scene scene;
    scene.CellSize = 34;
    UseSolidPictures(scene.Look);
    scene.Set(0, 0, "", 5);
    scene.Set(1, 0, "3", 5);
    scene.Draw.SuDoKuState = sfSolved;
    const QImage image = scene.Render();
    EXPECT_EQ(image.pixel(2, 2), qRgb(0, 100, 0));
    EXPECT_EQ(image.pixel(34 + 2, 2), qRgb(0, 145, 0));
    EXPECT_EQ(image.pixel(scene.Rect(0, 0).center()), qRgb(0, 175, 0));
}

// The grid and its popup menu show the same symbols: the display set's below 10 symbols, fixed
// ones from 10 on.
TEST(GridRender, SymbolsFollowTheDisplaySetOrItsPicturesAndFromTenAreFixed) {
    struct Case {
        int GridSize;
        const char* DisplaySet;
        int Value;
        const char* Symbol;
    };
    const Case cases[] = {
        {9, "SINGAPORE", 9, "E"},   {6, "ABCDEFGHI", 4, "D"},   {16, "SINGAPORE", 1, "1"},
        {16, "ABCDEFGHI", 10, "Q"}, {16, "123456789", 16, "W"}, {10, "123456789", 10, "Q"},
        {12, "SINGAPORE", 12, "S"}, {9, "Dots", 6, ""},         {9, "123456789", 10, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.DisplaySet << " " << c.Value);
        TGridLook look;
        look.DisplaySet = QString::fromLatin1(c.DisplaySet);
        const QString symbol = QString::fromLatin1(c.Symbol);
        EXPECT_EQ(SuDoKuSymbol(look, c.GridSize, c.Value), symbol);
        if (!symbol.isEmpty()) { // menus of the built-in sets
            TDisplaySets sets;
            sets.Apply(sets.IndexOf(look.DisplaySet), c.GridSize);
            EXPECT_EQ(sets.ValueCaption(c.Value, c.GridSize), symbol);
            EXPECT_EQ(sets.NoteCaption(c.Value, c.GridSize), symbol + "  (Ctrl + " + symbol + ")");
        }
    }

    // A 16 x 16 grid draws text even while a picture set is selected.
    Scene text(4, 4);
    text.CellSize = 20;
    text.Set(3, 3, "12");
    text.Set(5, 5, "1,16,");
    Scene pictures = text;
    UseSolidPictures(pictures.Look);
    pictures.Look.DisplaySet = text.Look.DisplaySet;
    EXPECT_EQ(text.Render(), pictures.Render());
    // Pictures replace the symbols and fall back when missing.
    Scene scene;
    scene.CellSize = 30;
    UseSolidPictures(scene.Look);
    scene.Set(0, 0, "3");
    scene.Set(1, 0, "2,5,");
    scene.Set(2, 0, "4");
    scene.Look.IconList32x32[4] = QPixmap();
    scene.Look.IconList16x16[5] = QPixmap();
    const QImage image = scene.Render();
    EXPECT_EQ(image.pixel(scene.Rect(0, 0).center()), qRgb(0, 145, 0));
    // Note 2 as its small picture in the top middle of the miniature box; note 5 has none and
    // shows a red "5" in its middle.
    EXPECT_EQ(CountPixels(image, QRect(40, 0, 10, 10), [](QRgb p) { return p == qRgb(0, 130, 0); }),
              36);
    EXPECT_GT(CountPixels(image, QRect(40, 10, 10, 10), IsReddish), 3);
    // A missing large picture draws nothing.
    EXPECT_EQ(scene.Ink(image, 2, 0, [](QRgb p) { return qGreen(p) > 90 && qRed(p) < 50; }), 0);
}

// Box borders are two pixels wide, and no cell beyond the grid size is drawn, even when asked.
TEST(GridRender, BordersFollowTheBoxesAndNothingIsDrawnOutsideTheGridOrItsValues) {
    for (const auto& [boxCols, boxRows] : {std::pair{2, 2}, {3, 3}, {2, 3}, {4, 2}}) {
        SCOPED_TRACE(testing::Message() << boxCols << "x" << boxRows);
        Scene scene(boxCols, boxRows);
        const int n = scene.Draw.GridSize();
        for (int col = 0; col < MaxGridSize; ++col)
            for (int row = 0; row < MaxGridSize; ++row)
                scene.Set(col, row, "1");
        scene.SelCol = n - 1;
        scene.SelRow = n - 1;
        scene.Look.ShowRuler = true;
        QImage image = scene.Render();
        for (int i = 1; i < n; ++i) {
            SCOPED_TRACE(i);
            const int edge = i * scene.CellSize;
            EXPECT_EQ(image.pixel(edge - 1, 2), Black);
            EXPECT_EQ(image.pixel(2, edge - 1), Black);
            EXPECT_EQ(image.pixel(edge, 2) == Black, i % boxCols == 0);
            EXPECT_EQ(image.pixel(2, edge) == Black, i % boxRows == 0);
        }
        QPainter painter(&image);
        for (int i = 0; i <= n; ++i) {
            SuDoKuGridDrawCell(painter, scene.Context(), n, i, scene.Rect(n, i));
            SuDoKuGridDrawCell(painter, scene.Context(), i, n, scene.Rect(i, n));
        }
        SuDoKuGridDrawCell(painter, scene.Context(), -1, 0, scene.Rect(0, 0).translated(200, 0));
        painter.fillRect(0, 0, n * scene.CellSize, n * scene.CellSize, QColor(Sentinel));
        painter.end();
        EXPECT_EQ(CountPixels(image, image.rect(), [](QRgb p) { return p != Sentinel; }), 0);
    }
    // Notes of values beyond the grid size are left out; one cell alone, so that an item drawn past
    // the miniature box would show below it.
    const auto drawOne = [](const std::string& text) {
        Scene scene(3, 2);
        scene.Set(0, 0, text);
        QImage image(120, 120, QImage::Format_RGB32);
        image.fill(Sentinel);
        QPainter painter(&image);
        SuDoKuGridDrawCell(painter, scene.Context(), 0, 0, QRect(0, 0, 40, 40));
        return image;
    };
    EXPECT_EQ(drawOne("1,7,9,12,0,x,"), drawOne("1,"));
}

TEST(NoteLayout, MiniatureBoxOrReadingOrderWithAPlusForTheRest) {
    struct Case {
        const char* What;
        QRectF Area;
        int BoxCols, BoxRows;
        std::vector<int> Values;
        std::vector<int> Shown; // in the order placed; 0 is the "+"
    };
    const Case cases[] = {
        {"9 x 9, room for the box", {0, 0, 24, 24}, 3, 3, {9, 1, 5}, {9, 1, 5}},
        {"16 x 16, two rows", {0, 0, 20, 20}, 4, 4, {16, 2, 1, 9}, {1, 2, 9, 16}},
        {"16 x 16, not all fit", {0, 0, 20, 20}, 4, 4, {1, 2, 3, 4, 5, 6, 7}, {1, 2, 3, 4, 5, 0}},
        {"one place only", {0, 0, 10, 10}, 4, 4, {3, 7}, {0}},
        {"one note in one place", {0, 0, 10, 10}, 4, 4, {7}, {7}},
    };
    // Every glyph 5 wide and 7 high, the "+" too.
    const auto glyph = [](int) { return QSizeF(5, 7); };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        const auto places = TNoteLayout::Arrange(c.Area, c.BoxCols, c.BoxRows,
                                                 c.BoxCols * c.BoxRows, c.Values, glyph);
        std::vector<int> shown;
        for (std::size_t i = 0; i < places.size(); ++i) {
            shown.push_back(places[i].Value);
            EXPECT_TRUE(c.Area.contains(places[i].Ink)) << places[i].Value;
            for (std::size_t j = 0; j < i; ++j)
                EXPECT_FALSE(places[i].Ink.intersects(places[j].Ink)) << places[i].Value;
        }
        EXPECT_EQ(shown, c.Shown);
    }
    // In a box of 4 x 2, value v takes place (v - 1) mod 4, (v - 1) div 4.
    const auto box = TNoteLayout::Arrange({0, 0, 32, 16}, 4, 2, 8, {7}, glyph);
    EXPECT_EQ(box.at(0).Ink.center(), QPointF(20, 12));
}

} // namespace
} // namespace sudoku
