// Cell rendering into an image: background rules, ruler, highlight, pause, error marking, bold
// givens, the marks of a shown solution, candidate positions, pictures and the grid's bounds.
#include "GridRenderer.h"

#include "NamedColours.h"
#include "TSuDoKuGrid.h"
#include "UiTestSupport.h"

#include <QImage>
#include <QPainter>
#include <gtest/gtest.h>

#include <string>

namespace sudoku {
namespace {

using test::CountPixels;

const QColor Sentinel = RgbColour(0xFF00FF);
const QColor Background = colours::White;
const QColor Contrast = RgbColour(0xD0E8FF);
const QColor Ruler = RgbColour(0xC0FFC0);
const QRgb Yellow = colours::Yellow.rgb();
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
        Look.BackgroundColor = Background;
        Look.ContrastColor = Contrast;
        Look.RulerColor = Ruler;
        Look.FontColor = colours::Black;
        Look.FontName = QStringLiteral("DejaVu Sans");
        Draw.BoxCols = boxCols;
        Draw.BoxRows = boxRows;
    }
    void Set(int col, int row, const std::string& text) {
        Cells[CellIndex(col + 1, row + 1)] = text;
    }
    void Solution(int col, int row, int value) {
        Draw.SolutionValues[CellIndex(col + 1, row + 1)] = static_cast<std::uint8_t>(value);
    }
    void Given(int col, int row, int value) {
        Solution(col, row, value);
        Draw.GivenStrings[CellIndex(col + 1, row + 1)] = std::to_string(value);
        Set(col, row, std::to_string(value));
    }
    QRect Rect(int col, int row) const { return GridCellRect(col, row, CellSize, CellSize); }

    // The whole grid on a sentinel-coloured image a few pixels larger than the cells.
    QImage Render() const {
        const int side = Draw.GridSize() * CellSize + 6;
        QImage image(side, side, QImage::Format_RGB32);
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(3780);
        image.fill(Sentinel);
        QPainter painter(&image);
        const TGridRenderContext context{Look, Draw, Cells, SelCol, SelRow};
        SuDoKuGridDrawAll(painter, context, CellSize, CellSize);
        return image;
    }
};

// Colour of a cell's background, read away from its outline, borders and centred text.
QRgb BackgroundAt(const QImage& image, const QRect& cell) {
    return image.pixel(cell.left() + 4, cell.bottom() - 3);
}

bool IsDark(QRgb p) {
    return qRed(p) < 100 && qGreen(p) < 100 && qBlue(p) < 100;
}
bool IsReddish(QRgb p) {
    return qRed(p) > 180 && qGreen(p) < 120 && qBlue(p) < 120;
}
bool IsNavyish(QRgb p) {
    return qBlue(p) > 90 && qRed(p) < 80 && qGreen(p) < 80;
}

// Interior of a cell without its outline and box border.
QRect Inner(const QRect& cell) {
    return cell.adjusted(2, 2, -2, -2);
}

// Centre of the dark pixels of an area.
QPointF DarkCentroid(const QImage& image, const QRect& area) {
    double sx = 0;
    double sy = 0;
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (IsDark(image.pixel(x, y))) {
                sx += x;
                sy += y;
                ++n;
            }
    return n == 0 ? QPointF(-1, -1) : QPointF(sx / n, sy / n);
}

// A picture set whose value v is a solid square of a distinct green shade.
void UseSolidPictures(TGridLook& look) {
    look.PictureSet = true;
    look.DisplaySet = QStringLiteral("Pictures!");
    look.IconList32x32.clear();
    look.IconList16x16.clear();
    for (int v = 0; v <= 9; ++v) {
        look.IconList32x32.append(test::Solid({20, 20}, QColor(0, 100 + 15 * v, 0)));
        look.IconList16x16.append(test::Solid({6, 6}, QColor(0, 100 + 15 * v, 0)));
    }
}

TEST(GridRender, CheckerboardFollowsTheBoxShape) {
    struct Case {
        int BoxCols, BoxRows, Col, Row;
        bool ContrastExpected;
    };
    const Case cases[] = {
        {3, 3, 0, 0, false}, {3, 3, 3, 0, true},  {3, 3, 0, 3, true},  {3, 3, 4, 4, false},
        {3, 3, 8, 8, false}, {3, 3, 6, 3, true},  {2, 3, 2, 0, true},  {2, 3, 1, 2, false},
        {2, 3, 0, 3, true},  {2, 3, 2, 3, false}, {2, 3, 5, 5, true},  {4, 2, 4, 0, true},
        {4, 2, 3, 2, true},  {4, 2, 4, 2, false}, {4, 2, 7, 7, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message()
                     << c.BoxCols << "x" << c.BoxRows << " cell " << c.Col << "," << c.Row);
        Scene scene(c.BoxCols, c.BoxRows);
        const QImage image = scene.Render();
        EXPECT_EQ(BackgroundAt(image, scene.Rect(c.Col, c.Row)),
                  (c.ContrastExpected ? Contrast : Background).rgb());
    }
}

TEST(GridRender, ContrastPuzzleColoursGivensOnly) {
    Scene scene;
    scene.Look.ContrastPuzzle = true;
    scene.Given(3, 0, 4); // in a box that the checkerboard would colour with the contrast
    scene.Solution(0, 0, 2);
    scene.Set(0, 0, "2"); // a correct entry, not a given
    scene.Solution(4, 0, 6);
    scene.Draw.GivenStrings[CellIndex(5, 1)] = "7"; // a given text that is not the solution
    const QImage image = scene.Render();
    EXPECT_EQ(BackgroundAt(image, scene.Rect(3, 0)), Contrast.rgb());
    EXPECT_EQ(BackgroundAt(image, scene.Rect(0, 0)), Background.rgb());
    EXPECT_EQ(BackgroundAt(image, scene.Rect(4, 0)), Background.rgb());
    EXPECT_EQ(BackgroundAt(image, scene.Rect(5, 0)), Background.rgb());
}

TEST(GridRender, RulerCoversRowColumnAndBoxOfTheSelection) {
    Scene scene;
    scene.Look.ShowRuler = true;
    scene.SelCol = 4;
    scene.SelRow = 1;
    scene.Set(8, 1, "5");
    scene.Draw.HighlightValue = 5;
    struct Case {
        int Col, Row;
        QRgb Expected;
    };
    const Case plain[] = {
        {4, 1, Ruler.rgb()},      {4, 8, Ruler.rgb()},      {0, 1, Ruler.rgb()},
        {3, 0, Ruler.rgb()},      {5, 2, Ruler.rgb()},      {8, 1, Yellow},
        {0, 0, Background.rgb()}, {6, 2, Background.rgb()}, {3, 3, Background.rgb()},
        {2, 2, Background.rgb()}, {5, 3, Background.rgb()},
    };
    const QImage image = scene.Render();
    for (const Case& c : plain) {
        SCOPED_TRACE(testing::Message() << "cell " << c.Col << "," << c.Row);
        EXPECT_EQ(BackgroundAt(image, scene.Rect(c.Col, c.Row)), c.Expected);
    }

    // Neither printing nor a pause shows the ruler.
    for (TSuDoKuState flag : {sfRendering, sfPaused}) {
        scene.Draw.SuDoKuState = flag;
        const QImage quiet = scene.Render();
        const QRgb expected = flag == sfPaused ? Silver : Contrast.rgb();
        EXPECT_EQ(BackgroundAt(quiet, scene.Rect(4, 1)), expected) << flag;
    }
}

TEST(GridRender, HighlightedValueIsYellowWithNavyText) {
    Scene scene;
    scene.Set(0, 0, "5");
    scene.Set(1, 0, "6");
    scene.Set(2, 0, "$05");
    scene.Draw.HighlightValue = 5;
    const QImage image = scene.Render();
    for (int col : {0, 2}) {
        EXPECT_EQ(BackgroundAt(image, scene.Rect(col, 0)), Yellow);
        EXPECT_GT(CountPixels(image, Inner(scene.Rect(col, 0)), IsNavyish), 5);
    }
    EXPECT_EQ(BackgroundAt(image, scene.Rect(1, 0)), Background.rgb());
    EXPECT_EQ(CountPixels(image, Inner(scene.Rect(1, 0)), IsNavyish), 0);
}

TEST(GridRender, PauseGreysTextSetsAndCoversPictureSets) {
    Scene scene;
    scene.Set(0, 0, "7");
    scene.Set(1, 0, "1,2,");
    scene.SelCol = 0;
    scene.SelRow = 0;
    scene.Draw.SuDoKuState = sfPlaying | sfPaused;
    const QImage text = scene.Render();
    for (int col : {0, 1}) {
        const QRect inner = Inner(scene.Rect(col, 0));
        EXPECT_EQ(BackgroundAt(text, scene.Rect(col, 0)), Silver);
        // Pale grey text on silver and no selection frame: nothing darker than silver.
        EXPECT_EQ(CountPixels(text, inner, [](QRgb p) { return qGray(p) < 0xC0 - 2; }), 0);
        EXPECT_GT(CountPixels(text, inner, [](QRgb p) { return qGray(p) > 0xC4; }), 0);
    }

    UseSolidPictures(scene.Look);
    const QImage pictures = scene.Render();
    const QRect cover = scene.Rect(0, 0).adjusted(1, 1, -2, -2);
    EXPECT_EQ(CountPixels(pictures, cover, [](QRgb p) { return p != Silver; }), 0);

    // Printing a paused game shows the real values, plain.
    scene.Look = Scene().Look;
    scene.Draw.SuDoKuState = sfPlaying | sfPaused | sfRendering;
    const QImage printed = scene.Render();
    EXPECT_EQ(BackgroundAt(printed, scene.Rect(0, 0)), Background.rgb());
    EXPECT_GT(CountPixels(printed, Inner(scene.Rect(0, 0)), IsDark), 5);
}

TEST(GridRender, ErrorMarkingPaintsWrongEntriesRed) {
    struct Case {
        const char* Text;
        bool Wrong;
    };
    const Case cases[] = {{"3", true},     {"5", false},  {"", false},
                          {"3,4,", false}, {"$03", true}, {"12", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        Scene scene;
        scene.Solution(0, 0, 5);
        scene.Set(0, 0, c.Text);
        scene.Draw.SuDoKuState = sfPlaying | sfShowErrors;
        const QImage image = scene.Render();
        const QRect cell = scene.Rect(0, 0);
        EXPECT_EQ(BackgroundAt(image, cell) == Red, c.Wrong);
        if (c.Wrong && std::string(c.Text) != "12") {
            EXPECT_GT(CountPixels(image, Inner(cell), [](QRgb p) { return qGray(p) > 240; }), 5);
        }
    }
}

TEST(GridRender, GivensAreBoldEnteredValuesRegular) {
    Scene scene;
    scene.Given(0, 0, 8);
    scene.Solution(1, 0, 8);
    scene.Set(1, 0, "8");
    const QImage image = scene.Render();
    const int given = CountPixels(image, Inner(scene.Rect(0, 0)), IsDark);
    const int entered = CountPixels(image, Inner(scene.Rect(1, 0)), IsDark);
    EXPECT_GT(entered, 10);
    EXPECT_GT(given, entered + entered / 5);
}

TEST(GridRender, ShownSolutionDrawsTheSolutionWithTheOldContentSmall) {
    struct Case {
        const char* Text;
        bool Marked;
        bool QuestionMark;
    };
    const Case cases[] = {
        {"", true, true}, {"1,2,", true, true}, {"3", true, false}, {"7", false, false}};
    Scene reference;
    reference.CellSize = 40;
    reference.Set(0, 0, "?");
    reference.Look.FontColor = QColor(0xFF, 0, 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Text);
        Scene scene;
        scene.CellSize = 40;
        scene.Solution(0, 0, 7);
        scene.Set(0, 0, c.Text);
        scene.Draw.SuDoKuState = sfSolved;
        const QImage image = scene.Render();
        const QRect cell = scene.Rect(0, 0);
        const QRect corner(cell.left() + 2, cell.top() + 2, 8, 9);
        const int red = CountPixels(image, corner, IsReddish);
        EXPECT_EQ(red > 3, c.Marked);
        // The solution symbol sits large in the middle in the font colour.
        const QPointF centre = DarkCentroid(image, Inner(cell).adjusted(8, 8, 0, 0));
        EXPECT_NEAR(centre.x(), cell.center().x(), 4);
        EXPECT_NEAR(centre.y(), cell.center().y(), 5);
        if (c.Marked) {
            // "?" and the wrong digit 3 give different marks.
            Scene other = scene;
            other.Set(0, 0, c.QuestionMark ? "3" : "");
            const int otherRed = CountPixels(other.Render(), corner, IsReddish);
            EXPECT_NE(red, otherRed);
        }
    }
}

TEST(GridRender, CandidatesFormAMiniatureBox) {
    struct Shape {
        int BoxCols, BoxRows;
    };
    for (const Shape& shape : {Shape{3, 3}, Shape{2, 3}, Shape{4, 2}}) {
        const int n = shape.BoxCols * shape.BoxRows;
        for (int v = 1; v <= n; ++v) {
            SCOPED_TRACE(testing::Message()
                         << shape.BoxCols << "x" << shape.BoxRows << " note " << v);
            Scene scene(shape.BoxCols, shape.BoxRows);
            scene.CellSize = 64;
            scene.Set(1, 1, std::to_string(v) + ",");
            const QImage image = scene.Render();
            const QRect cell = scene.Rect(1, 1);
            const QPointF centre = DarkCentroid(image, Inner(cell));
            ASSERT_GE(centre.x(), 0);
            // Mini-cells are a pixel narrower than an even split of the cell.
            const int miniW = 64 / shape.BoxCols - 1;
            const int miniH = 64 / shape.BoxRows - 1;
            EXPECT_EQ(static_cast<int>((centre.x() - cell.left()) / miniW),
                      (v - 1) % shape.BoxCols);
            EXPECT_EQ(static_cast<int>((centre.y() - cell.top()) / miniH), (v - 1) / shape.BoxCols);
        }
    }
}

TEST(GridRender, CandidatesOutsideTheGridSizeAreLeftOut) {
    // One cell alone, so that an item drawn past the miniature box would show below it.
    const auto drawOne = [](const std::string& text) {
        Scene scene(3, 2);
        scene.CellSize = 40;
        scene.Set(0, 0, text);
        QImage image(120, 120, QImage::Format_RGB32);
        image.fill(Sentinel);
        QPainter painter(&image);
        const TGridRenderContext context{scene.Look, scene.Draw, scene.Cells, -1, -1};
        SuDoKuGridDrawCell(painter, context, 0, 0, scene.Rect(0, 0));
        return image;
    };
    EXPECT_EQ(drawOne("1,7,9,12,0,x,"), drawOne("1,"));
}

TEST(GridRender, SymbolsFollowTheDisplaySetAndLargeGridsUseFixedSymbols) {
    struct Case {
        int BoxCols, BoxRows;
        const char* DisplaySet;
        int Value;
        const char* Symbol;
    };
    const Case cases[] = {
        {3, 3, "123456789", 9, "9"},  {3, 3, "SINGAPORE", 1, "S"}, {3, 3, "SINGAPORE", 9, "E"},
        {3, 3, "ABCDEFGHI", 4, "D"},  {4, 4, "SINGAPORE", 1, "1"}, {4, 4, "ABCDEFGHI", 10, "Q"},
        {4, 4, "123456789", 16, "W"}, {3, 3, "Dots", 6, ""},       {3, 3, "123456789", 10, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.DisplaySet << " " << c.Value);
        TGridLook look;
        look.DisplaySet = QString::fromLatin1(c.DisplaySet);
        EXPECT_EQ(SuDoKuSymbol(look, c.BoxCols * c.BoxRows, c.Value),
                  QString::fromLatin1(c.Symbol));
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
}

TEST(GridRender, PicturesReplaceSymbolsAndFallBackWhenMissing) {
    Scene scene;
    scene.CellSize = 30;
    UseSolidPictures(scene.Look);
    scene.Set(0, 0, "3");
    scene.Set(1, 0, "2,5,");
    scene.Set(2, 0, "4");
    scene.Look.IconList32x32[4] = QPixmap();
    scene.Look.IconList16x16[5] = QPixmap();
    const QImage image = scene.Render();

    const QRect single = scene.Rect(0, 0);
    EXPECT_EQ(image.pixel(single.center()), QColor(0, 145, 0).rgb());
    // Note 2 as its small picture in the top middle of the miniature box; note 5 has none and
    // shows a red "5" in its middle.
    const QRect notes = scene.Rect(1, 0);
    const auto third = [&notes](int col, int row) {
        return QRect(notes.left() + col * 10, notes.top() + row * 10, 10, 10);
    };
    EXPECT_EQ(CountPixels(image, third(1, 0), [](QRgb p) { return p == qRgb(0, 130, 0); }), 36);
    EXPECT_GT(CountPixels(image, third(1, 1), IsReddish), 3);
    // A missing large picture draws nothing.
    const QRect missing = Inner(scene.Rect(2, 0));
    EXPECT_EQ(CountPixels(image, missing, [](QRgb p) { return qGreen(p) > 90 && qRed(p) < 50; }),
              0);
}

TEST(GridRender, BoxBordersAreTwoPixelsWide) {
    for (const auto& [boxCols, boxRows] : {std::pair{3, 3}, std::pair{2, 3}, std::pair{4, 2}}) {
        SCOPED_TRACE(testing::Message() << boxCols << "x" << boxRows);
        Scene scene(boxCols, boxRows);
        const QImage image = scene.Render();
        const int across = 10; // a line through the first row, and one through the first column
        for (int i = 1; i < scene.Draw.GridSize(); ++i) {
            SCOPED_TRACE(i);
            const int edge = i * scene.CellSize;
            EXPECT_EQ(image.pixel(edge - 1, across), Black);
            EXPECT_EQ(image.pixel(across, edge - 1), Black);
            EXPECT_EQ(image.pixel(edge, across) == Black, i % boxCols == 0);
            EXPECT_EQ(image.pixel(across, edge) == Black, i % boxRows == 0);
        }
    }
}

TEST(GridRender, SelectionFrameInvertsAndIsLeftOutWhenRendering) {
    Scene scene;
    scene.SelCol = 4;
    scene.SelRow = 4;
    const QRect cell = scene.Rect(4, 4);
    const QPoint onFrame(cell.left(), cell.top() + 10); // along the outline
    const QImage image = scene.Render();
    const QRgb bg = Background.rgb();
    EXPECT_EQ(image.pixel(onFrame), qRgb(255 - qRed(bg), 255 - qGreen(bg), 255 - qBlue(bg)));
    EXPECT_EQ(image.pixel(cell.left() + 4, cell.top() + 4), bg);

    scene.Draw.SuDoKuState = sfRendering;
    EXPECT_EQ(scene.Render().pixel(onFrame), bg);
}

TEST(GridRender, NothingIsDrawnOutsideTheGridSize) {
    for (const auto& [boxCols, boxRows] : {std::pair{2, 2}, std::pair{3, 3}, std::pair{4, 2}}) {
        Scene scene(boxCols, boxRows);
        const int n = scene.Draw.GridSize();
        for (int col = 0; col < MaxGridSize; ++col)
            for (int row = 0; row < MaxGridSize; ++row)
                scene.Set(col, row, "1");
        scene.SelCol = n - 1;
        scene.SelRow = n - 1;
        scene.Look.ShowRuler = true;
        QImage image = scene.Render();
        {
            QPainter painter(&image);
            const TGridRenderContext context{scene.Look, scene.Draw, scene.Cells, 0, 0};
            for (int i = 0; i <= n; ++i) {
                SuDoKuGridDrawCell(painter, context, n, i, scene.Rect(n, i));
                SuDoKuGridDrawCell(painter, context, i, n, scene.Rect(i, n));
            }
            SuDoKuGridDrawCell(painter, context, -1, 0, scene.Rect(0, 0).translated(200, 0));
        }
        const int edge = n * scene.CellSize;
        const QRect right(edge, 0, image.width() - edge, image.height());
        const QRect below(0, edge, image.width(), image.height() - edge);
        const auto notSentinel = [](QRgb p) { return p != Sentinel.rgb(); };
        EXPECT_EQ(CountPixels(image, right, notSentinel), 0) << n;
        EXPECT_EQ(CountPixels(image, below, notSentinel), 0) << n;
    }
}

// A shown solution marks a wrong entry red only with pictures, and marks with small pictures.
TEST(GridRender, ShownSolutionMarksWithSmallPicturesInPictureSets) {
    Scene scene;
    scene.CellSize = 34;
    scene.Solution(0, 0, 5);
    scene.Solution(1, 0, 5);
    scene.Set(1, 0, "3");
    scene.Draw.SuDoKuState = sfSolved;
    const QRect empty = scene.Rect(0, 0);
    const QRect wrong = scene.Rect(1, 0);
    EXPECT_EQ(BackgroundAt(scene.Render(), wrong), Background.rgb());
    UseSolidPictures(scene.Look);
    const QImage image = scene.Render();
    EXPECT_EQ(BackgroundAt(image, wrong), Red);
    EXPECT_EQ(image.pixel(empty.left() + 2, empty.top() + 2), QColor(0, 100, 0).rgb());
    EXPECT_EQ(image.pixel(wrong.left() + 2, wrong.top() + 2), QColor(0, 145, 0).rgb());
    EXPECT_EQ(image.pixel(empty.center()), QColor(0, 175, 0).rgb());

    // Without picture 0 the empty cell falls back to a red "?".
    scene.Look.IconList16x16[0] = QPixmap();
    const QImage fallback = scene.Render();
    EXPECT_GT(CountPixels(fallback, QRect(empty.left() + 2, empty.top() + 2, 8, 9), IsReddish), 3);
}

} // namespace
} // namespace sudoku
