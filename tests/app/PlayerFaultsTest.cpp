// Faults a player met in the real window, each caught the way the player meets it: values above
// the grid size, notes too small or under the selection frame, an Undo click lost in its blink,
// the window title and the glyphs of the title buttons.
#include "GameWindowTestSupport.h"
#include "TCellInput.h"
#include "TSuDoKuGridPopupMenu.h"

#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QRegion>

#include <algorithm>
#include <cstdlib>
#include <tuple>

namespace sudoku {
namespace {

using PlayerFaults = test::GameWindow;

TEST_F(PlayerFaults, ValuesAboveTheGridSizeAreRefusedOnEveryPath) {
    const std::tuple<const char*, const char*, std::function<void(TCell)>> cases[] = {
        {"S3X3", "Q", [this](TCell c) { Type(c, Qt::Key_Q); }},
        {"S3X3", "Ctrl+W", [this](TCell c) { Type(c, Qt::Key_W, Qt::ControlModifier); }},
        {"S2X2", "7", [this](TCell c) { Type(c, Qt::Key_7); }},
        {"S2X2", "Ctrl+5", [this](TCell c) { Type(c, Qt::Key_5, Qt::ControlModifier); }},
        {"S2X2", "menu 7",
         [this](TCell c) {
             Select(c);
             Binding().GridMenu().Item("N71")->trigger();
         }},
        {"S2X2", "strip 6", [this](TCell c) {
             Select(c);
             ClickStrip(6);
         }}};
    for (const auto& [shape, what, enter] : cases) {
        SCOPED_TRACE(what);
        NewGame(shape);
        const TCell cell = OpenCells().front();
        enter(cell);
        QApplication::processEvents();
        EXPECT_EQ(Text(cell), "");
        EXPECT_EQ(Page().Record().Sn, 0);
        EXPECT_FALSE(Sheet().PlayNSolveUndoBtn->isEnabled());
    }
}

// The pixels in which two pictures of a cell differ clearly, not just by a glyph's soft edge.
QRegion Changed(const QImage& a, const QImage& b) {
    QRegion changed;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            if (std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                          std::abs(qBlue(p) - qBlue(q))}) > 96)
                changed += QRect(x, y, 1, 1);
        }
    return changed;
}

TEST_F(PlayerFaults, NotesAreLegibleAndClearOfTheSelectionFrame) {
    const std::string every = "1,2,3,4,5,6,7,8,9,A,B,C,D,E,F,G";
    for (const char* shape : {"S3X3", "S4X4"})
        for (const int screenSize : {2, 4}) {
            SCOPED_TRACE(testing::Message() << shape << " at screen size " << screenSize);
            Form->ScaleUp(screenSize);
            NewGame(shape);
            const int n = State().GridSize();
            const auto open = OpenCells();
            // A lone digit of full height, every value, then the candidates: in every open cell
            // in the largest layout (for its picture), in as many as two rows have otherwise.
            const std::size_t count = screenSize == 4 ? open.size() : std::size_t(2 * n);
            for (std::size_t i = 0; i < count; ++i) {
                const TCell cell = open[i];
                const auto shot = [&](bool selected) { // else a cell of its row: the same ruler
                    Select(selected ? cell : TCell{cell.first == 1 ? 2 : 1, cell.second});
                    return Grid().GridBuffer().copy(
                        Grid().cellRect(cell.first - 1, cell.second - 1));
                };
                const QImage bare = shot(false);
                const QRegion frame = Changed(bare, shot(true));
                const std::string& list =
                    i == 1 ? every : State().AlternativeStrings[CellIndex(cell.first, cell.second)];
                for (const int v :
                     i == 0 ? std::vector{std::min(n, 8)} : TCellInput::ListValues(list, n))
                    QTest::keyClick(&Grid(), KeyOf(v), Qt::ControlModifier);
                const QRegion ink = Changed(bare, shot(false));
                EXPECT_FALSE(ink.intersects(frame)) << cell.first << ", " << cell.second;
                EXPECT_TRUE(i > 0 || ink.boundingRect().height() >= 7) << "a lone note";
            }
            Select(open[0]);
            if (screenSize == 4)
                Screenshot(n == 9 ? "game-notes-9x9.png" : "game-notes-16x16.png");
        }
}

TEST_F(PlayerFaults, UndoClickedDuringTheBlinkIsDoneAfterIt) {
    NewGame("S3X3");
    const auto open = OpenCells();
    for (int i = 0; i < 2; ++i)
        Type(open[i], Qt::Key_1, Qt::ControlModifier);
    TBaseBtn* undo = Sheet().PlayNSolveUndoBtn;
    const QPointF at = QRectF(undo->rect()).center();
    // The second click comes while the first undo blinks, quickly enough to be a double click;
    // the window system holds it until the blink is over.
    DuringWait = [&] {
        DuringWait = nullptr;
        for (const QEvent::Type type : {QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(
                undo,
                new QMouseEvent(type, at, undo->mapToGlobal(at), Qt::LeftButton,
                                type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                                Qt::NoModifier));
    };
    Click(undo);
    EXPECT_EQ(Text(open[0]), "");
    EXPECT_EQ(Text(open[1]), "");
}

TEST_F(PlayerFaults, TheTitleIsNotExtendedByThePlatformAndTitleButtonGlyphsSitOnTheirFaces) {
    // Window systems append the display name to every title that does not end with it.
    EXPECT_EQ(Form->windowTitle(), "Sudoku Atelier 1.0");
    EXPECT_TRUE(Form->windowTitle().endsWith(QGuiApplication::applicationDisplayName()));
    for (const int screenSize : {2, 3, 4}) {
        Form->ScaleUp(screenSize);
        for (TBaseBtn* button : {Form->HelpBtn, Form->InfoBtn, Form->MinimizeBtn, Form->HideBtn}) {
            SCOPED_TRACE(testing::Message()
                         << button->Caption().toStdString() << " at screen size " << screenSize);
            const QFontMetrics metrics(button->font());
            const QRectF ink = QRectF(metrics.tightBoundingRect(button->Caption()))
                                   .translated(button->CaptionPos() + QPoint(0, metrics.ascent()));
            const QPointF centre = QRectF(button->rect()).center();
            for (const QPointF corner :
                 {ink.topLeft(), ink.topRight(), ink.bottomLeft(), ink.bottomRight()})
                EXPECT_LE(QLineF(corner, centre).length(), button->width() * 0.45);
        }
    }
}

} // namespace
} // namespace sudoku
