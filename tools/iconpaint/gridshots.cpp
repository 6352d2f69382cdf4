// Renders example pictures of the puzzle grid through the cell renderer for the documentation:
// notes with highlight and ruler, marked errors, a shown solution, and the picture sets.
// Usage: gridshots <docs folder> <folder holding "Display Sets">

#include "GridRenderer.h"
#include "TDisplaySets.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

#include <cstdio>
#include <string>

namespace {

using namespace sudoku;

constexpr int CellSize = 48;

// A complete 9 x 9 grid: row r holds the row pattern shifted by 3r + r div 3.
int SolutionAt(int col, int row) {
    return (row * 3 + row / 3 + col) % 9 + 1;
}

// Cells given in the puzzle, one string per row ("x" = given).
constexpr const char* GivenMask[9] = {"x..x..x.x", ".x..x.x..", "x.x...x.x",
                                      "..x.x.x..", "x...x...x", "..x.x.x..",
                                      "x.x...x.x", "..x.x..x.", "x.x..x..x"};

struct Example {
    TGridLook Look;
    TGridDrawState Draw;
    TSuDoKuStrings Cells{};
    int SelCol = -1;
    int SelRow = -1;

    Example() {
        Look.FontName = QStringLiteral("DejaVu Sans");
        Look.BackgroundColor = QColor(0xFF, 0xFF, 0xFF);
        Look.ContrastColor = QColor(0xDD, 0xEB, 0xF7);
        Look.RulerColor = QColor(0xD8, 0xF5, 0xD0);
        Look.FontColor = QColor(0x10, 0x10, 0x10);
        Look.ValueFontSize = 21;
        Look.NoteFontSize = 10;
        for (int col = 0; col < 9; ++col)
            for (int row = 0; row < 9; ++row) {
                const int index = CellIndex(col + 1, row + 1);
                Draw.SolutionValues[index] = static_cast<std::uint8_t>(SolutionAt(col, row));
                if (GivenMask[row][col] == 'x') {
                    Draw.GivenStrings[index] = std::to_string(SolutionAt(col, row));
                    Cells[index] = Draw.GivenStrings[index];
                }
            }
    }
    void Set(int col, int row, const std::string& text) {
        Cells[CellIndex(col + 1, row + 1)] = text;
    }
    std::string Right(int col, int row) const { return std::to_string(SolutionAt(col, row)); }

    bool Save(const QString& path) const {
        const int side = 9 * CellSize;
        QImage image(side, side, QImage::Format_RGB32);
        image.setDotsPerMeterX(3780);
        image.setDotsPerMeterY(3780);
        image.fill(QColor(0xFF, 0xFF, 0xF2));
        {
            QPainter painter(&image);
            const TGridRenderContext context{Look, Draw, Cells, SelCol, SelRow};
            SuDoKuGridDrawAll(painter, context, CellSize, CellSize);
        }
        return image.save(path);
    }
};

// Some player entries: correct values, a few wrong ones and pencil notes.
void Play(Example& e) {
    e.Set(1, 0, e.Right(1, 0));
    e.Set(4, 0, e.Right(4, 0));
    e.Set(2, 1, "1,9,");
    e.Set(5, 1, e.Right(5, 1));
    e.Set(3, 2, "3,5,8,");
    e.Set(7, 3, e.Right(7, 3) == "4" ? "6" : "4");
    e.Set(1, 4, e.Right(1, 4));
    e.Set(5, 4, "2,4,6,8,");
    e.Set(3, 6, e.Right(3, 6) == "2" ? "7" : "2");
    e.Set(8, 7, "5,");
    e.Set(1, 8, e.Right(1, 8));
    e.Set(6, 8, "1,2,3,4,5,6,7,8,9,");
}

} // namespace

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: gridshots <docs folder> <folder holding Display Sets>\n");
        return 2;
    }
    const QDir docs(QString::fromLocal8Bit(argv[1]));
    bool ok = true;

    Example notes;
    Play(notes);
    notes.Look.ShowRuler = true;
    notes.SelCol = 5;
    notes.SelRow = 4;
    notes.Draw.HighlightValue = SolutionAt(0, 0);
    notes.Draw.SuDoKuState = sfPlaying;
    ok = notes.Save(docs.filePath(QStringLiteral("grid-notes.png"))) && ok;

    Example errors;
    Play(errors);
    errors.SelCol = 3;
    errors.SelRow = 6;
    errors.Draw.SuDoKuState = sfPlaying | sfShowErrors;
    ok = errors.Save(docs.filePath(QStringLiteral("grid-errors.png"))) && ok;

    Example solution;
    Play(solution);
    solution.Draw.SuDoKuState = sfSolved;
    ok = solution.Save(docs.filePath(QStringLiteral("grid-solution.png"))) && ok;

    TDisplaySets sets;
    sets.FillDisplaySetList(QString::fromLocal8Bit(argv[2]) + QLatin1Char('/'));
    for (const QString& name : {QStringLiteral("Geometric"), QStringLiteral("DiceFaces")}) {
        sets.Apply(sets.IndexOf(name), 9);
        if (!sets.PictureSetSelected()) {
            std::fprintf(stderr, "the picture set \"%s\" was not found\n", qPrintable(name));
            ok = false;
            continue;
        }
        Example pictures;
        Play(pictures);
        pictures.Look.PictureSet = true;
        pictures.Look.DisplaySet = sets.DisplaySet();
        pictures.Look.IconList32x32 = sets.IconList32x32();
        pictures.Look.IconList16x16 = sets.IconList16x16();
        pictures.SelCol = 4;
        pictures.SelRow = 4;
        const QString file = QStringLiteral("grid-pictures-%1.png").arg(name.toLower());
        ok = pictures.Save(docs.filePath(file)) && ok;
    }
    return ok ? 0 : 1;
}
