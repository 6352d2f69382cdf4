// Faults a player met in the real window, each caught the way the player meets it: error marks
// that vanish, a grid that loses the keyboard, a one-item solutions menu, values above the grid
// size, unreadable notes, Ctrl released early, tiles that look like buttons, and the title line.
#include "GameWindowTestSupport.h"
#include "TBkControl.h"
#include "TCellInput.h"
#include "TScreenLayout.h"
#include "TSolutionsPopupMenu.h"
#include "TSuDoKuGridPopupMenu.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QToolTip>

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace sudoku {
namespace {

using test::GameWindow;

// The pixels in which two pictures of the same cell differ clearly (not just by the soft
// edge of a glyph), and the rectangle around them.
struct TDiff {
    QImage Mask;
    QRect Bounds;
    bool Meets(const TDiff& other) const {
        for (int y = 0; y < Mask.height(); ++y)
            for (int x = 0; x < Mask.width(); ++x)
                if (Mask.pixelIndex(x, y) != 0 && other.Mask.pixelIndex(x, y) != 0)
                    return true;
        return false;
    }
};

int Distance(QRgb a, QRgb b) {
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)),
                     std::abs(qBlue(a) - qBlue(b))});
}

TDiff Diff(const QImage& a, const QImage& b) {
    TDiff d{QImage(a.size(), QImage::Format_Mono), {}};
    d.Mask.fill(0);
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            if (Distance(a.pixel(x, y), b.pixel(x, y)) > 96) {
                d.Mask.setPixel(x, y, 1);
                d.Bounds |= QRect(x, y, 1, 1);
            }
    return d;
}

class PlayerFaults : public GameWindow {
protected:
    QImage CellPicture(int col, int row) {
        QApplication::processEvents();
        return Grid().GridBuffer().copy(Grid().cellRect(col - 1, row - 1));
    }
    // The background of a cell, away from its symbol and the selection frame.
    QColor Background(int col, int row) {
        const QRect r = Grid().cellRect(col - 1, row - 1);
        return Grid().GridBuffer().pixelColor(r.left() + 4, r.top() + 4);
    }
    void Select(int col, int row) {
        QTest::mouseClick(&Grid(), Qt::LeftButton, {}, Grid().cellRect(col - 1, row - 1).center());
        QApplication::processEvents();
    }
};

TEST_F(PlayerFaults, ErrorMarksStayUntilTheBoardChanges) {
    Options().OptionsShowErrorsChkBox->setChecked(true);
    NewGame("S3X3");
    const auto open = OpenCells();
    const auto [c, r] = open[0];
    Type(c, r, KeyOf(Solution(c, r) % 9 + 1));
    for (std::size_t i = 2; i < 5; ++i) // more to see in the picture
        Type(open[i].first, open[i].second, KeyOf(Solution(open[i].first, open[i].second) % 9 + 1));
    const auto mark = [this, c = c, r = r] {
        Click(Sheet().PlayNSolveErrorsBtn);
        ASSERT_EQ(Background(c, r), QColor(Qt::red));
    };
    struct Step {
        const char* What;
        std::function<void()> Do;
        bool Marked;
    };
    const auto [c2, r2] = open[1];
    const Step steps[] = {
        {"the selection moves", [&] { QTest::keyClick(&Grid(), Qt::Key_Right); }, true},
        {"a tick", [&] { Tick(1); }, true},
        {"another cell changes", [&] { Type(c2, r2, KeyOf(Solution(c2, r2))); }, false},
        {"undo", [&] { Click(Sheet().PlayNSolveUndoBtn); }, false},
        {"pause", [&] { Click(Sheet().PlayNSolvePauseBtn); }, false},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.What);
        if (Sheet().PlayNSolveErrorsBtn->isEnabled())
            mark();
        step.Do();
        if (&step == &steps[0])
            Screenshot("game-errors.png");
        EXPECT_EQ(Background(c, r) == QColor(Qt::red), step.Marked);
        // While the marks show, "Errors" has nothing more to show.
        if (!HasFlag(Form->Shared.SuDoKuState, sfPaused)) {
            EXPECT_EQ(Sheet().PlayNSolveErrorsBtn->isEnabled(), !step.Marked);
        }
    }
    EXPECT_EQ(Page().Record().Se, 3);
}

TEST_F(PlayerFaults, TheGridGetsTheKeyboardBackAfterEveryButton) {
    Activate();
    EXPECT_EQ(Focus(), &Grid());
    Answers->Texts = {"Kept"};
    const std::pair<const char*, std::function<void()>> steps[] = {
        {"New", [this] { NewGame("S3X3"); }},
        {"Pause", [this] { Click(Sheet().PlayNSolvePauseBtn); }},
        {"Resume", [this] { Click(Sheet().PlayNSolvePauseBtn); }},
        {"Save with its name dialog", [this] { Click(Sheet().PlayNSolveSaveBtn); }},
        {"Restart", [this] { Click(Sheet().PlayNSolveRestartBtn); }},
        {"Solution", [this] { Click(Sheet().PlayNSolveSolutionBtn); }},
        {"Restart after the solution", [this] { Click(Sheet().PlayNSolveRestartBtn); }},
    };
    for (const auto& [what, step] : steps) {
        SCOPED_TRACE(what);
        step();
        // A paused grid is disabled and takes no keys: the button that resumes does.
        EXPECT_EQ(Focus(), HasFlag(Form->Shared.SuDoKuState, sfPaused)
                               ? static_cast<QWidget*>(Sheet().PlayNSolvePauseBtn)
                               : &Grid());
    }
}

TEST_F(PlayerFaults, SolutionOfAReloadedGameWithOneSolutionActsAtOnce) {
    NewGame("S3X3");
    for (const auto& leave :
         {std::function<void()>([this] { Form->OptionsBtnClick(); }), std::function<void()>([this] {
              Answers->YesNo = {true};
              Form->QuitBtnClick();
              QApplication::processEvents();
              Open();
          })}) {
        leave();
        Form->PlayNSolveBtnClick();
        ASSERT_EQ(Form->Shared.SuDoKuState, sfPlaying);
        Click(Sheet().PlayNSolveSolutionBtn);
        EXPECT_FALSE(Binding().SolutionsMenu().isVisible());
        Binding().SolutionsMenu().close();
        EXPECT_EQ(Form->Shared.SuDoKuState, sfSolved);
        Click(Sheet().PlayNSolveRestartBtn);
    }
}

TEST_F(PlayerFaults, ValuesAboveTheGridSizeAreRefusedOnEveryPath) {
    QWidget* strip = Sheet().PlayNSolveDisplaySetImg;
    struct Case {
        const char* Shape;
        const char* What;
        std::function<void(int, int)> Enter;
    };
    const Case cases[] = {
        {"S3X3", "Q", [this](int c, int r) { Type(c, r, Qt::Key_Q); }},
        {"S3X3", "Ctrl+W", [this](int c, int r) { Type(c, r, Qt::Key_W, Qt::ControlModifier); }},
        {"S2X2", "7", [this](int c, int r) { Type(c, r, Qt::Key_7); }},
        {"S2X2", "Ctrl+5", [this](int c, int r) { Type(c, r, Qt::Key_5, Qt::ControlModifier); }},
        {"S2X2", "menu 7",
         [this](int c, int r) {
             Select(c, r);
             Binding().GridMenu().Item("N71")->trigger();
         }},
        {"S2X2", "strip 6",
         [this, strip](int c, int r) {
             Select(c, r);
             const int step = strip->width() * 27 / 255;
             QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(step * 5 + step / 2, 5));
         }},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.What);
        NewGame(test.Shape);
        const auto [c, r] = OpenCells().front();
        test.Enter(c, r);
        QApplication::processEvents();
        EXPECT_EQ(State().CellText(c, r), "");
        EXPECT_EQ(Page().Record().Sn, 0);
        EXPECT_FALSE(Sheet().PlayNSolveUndoBtn->isEnabled());
    }
}

TEST_F(PlayerFaults, NotesAreLegibleAndClearOfTheSelectionFrame) {
    struct Case {
        const char* Shape;
        int ScreenSize;
        const char* Picture;
    };
    const Case cases[] = {
        {"S3X3", 2, "game-notes-9x9.png"},   {"S3X3", 4, nullptr}, {"S4X4", 2, nullptr},
        {"S4X4", 4, "game-notes-16x16.png"}, {"S2X2", 2, nullptr}, {"S3X4", 3, nullptr}};
    for (const Case& test : cases) {
        SCOPED_TRACE(testing::Message() << test.Shape << " at screen size " << test.ScreenSize);
        Form->ScaleUp(test.ScreenSize);
        NewGame(test.Shape);
        const int n = State().GridSize();
        // Notes typed into an empty cell: where they show, which must be clear of the frame
        // the cell has while selected.
        const auto notes = [&](std::pair<int, int> cell, const std::vector<int>& values) {
            const auto [c, r] = cell;
            const int away = c == 1 ? 2 : 1; // another cell of the same row: same ruler
            const auto picture = [&](bool selected) {
                Select(selected ? c : away, r);
                return CellPicture(c, r);
            };
            const QImage bare = picture(false);
            const TDiff frame = Diff(bare, picture(true));
            for (const int v : values)
                QTest::keyClick(&Grid(), KeyOf(v), Qt::ControlModifier);
            const TDiff ink = Diff(bare, picture(false));
            EXPECT_FALSE(ink.Meets(frame)) << "cell " << c << ", " << r;
            return ink;
        };
        const auto open = OpenCells();
        const int probe = std::min(n, 8); // a digit of full height
        EXPECT_GE(notes(open[0], {probe}).Bounds.height(), 7);
        std::vector<int> others;
        for (int v = 1; v <= n; ++v)
            if (v != probe)
                others.push_back(v);
        notes(open[0], others);
        // The cell's tooltip names them all, also where only some fit.
        const QRect first = Grid().cellRect(open[0].first - 1, open[0].second - 1);
        QHelpEvent help(QEvent::ToolTip, first.center(), Grid().mapToGlobal(first.center()));
        QApplication::sendEvent(&Grid(), &help);
        EXPECT_EQ(QToolTip::text(), Grid().NotesText(open[0].first - 1, open[0].second - 1));
        EXPECT_EQ(QToolTip::text().size(), 2 * n - 1);
        // Other open cells with their candidates: every one for a picture of the game, those
        // of the first rows otherwise.
        const std::size_t cells = test.Picture != nullptr ? open.size() : 2 * n;
        for (std::size_t i = 1; i < std::min(cells, open.size()); ++i)
            notes(open[i],
                  TCellInput::ListValues(
                      State().AlternativeStrings[CellIndex(open[i].first, open[i].second)], n));
        Select(open[0].first, open[0].second);
        if (test.Picture != nullptr)
            Screenshot(test.Picture);
    }
}

TEST_F(PlayerFaults, CtrlReleasedBeforeTheDigitStillEntersANote) {
    NewGame("S3X3");
    const auto [c, r] = OpenCells().front();
    Select(c, r);
    QTest::keyPress(&Grid(), Qt::Key_5, Qt::ControlModifier);
    QTest::keyRelease(&Grid(), Qt::Key_Control, Qt::NoModifier);
    QTest::keyRelease(&Grid(), Qt::Key_5, Qt::NoModifier);
    EXPECT_EQ(State().CellText(c, r), "5,");
}

TEST_F(PlayerFaults, NothingInTheHeaderLooksLikeAButtonBesideItsControls) {
    // The header card above the page: apart from the home-page button, one colour per line.
    const QImage window = Form->grab().toImage();
    const QRect card(158, 35, 398, 40);
    const QRect home = Form->MarlbrookSBtn->geometry();
    for (int y = card.top(); y <= card.bottom(); ++y) {
        int low[3] = {255, 255, 255}, high[3] = {0, 0, 0};
        for (int x = card.left(); x <= card.right(); ++x) {
            if (home.contains(x, y))
                continue;
            const QColor colour = window.pixelColor(x, y);
            const int channels[3] = {colour.red(), colour.green(), colour.blue()};
            for (int i = 0; i < 3; ++i) {
                low[i] = std::min(low[i], channels[i]);
                high[i] = std::max(high[i], channels[i]);
            }
        }
        for (int i = 0; i < 3; ++i)
            ASSERT_LE(high[i] - low[i], 12) << "line " << y;
    }
}

TEST_F(PlayerFaults, TitleButtonGlyphsSitOnTheirFaces) {
    for (const int screenSize : {2, 3, 4}) {
        Form->ScaleUp(screenSize);
        for (TBaseBtn* button : {Form->HelpBtn, Form->InfoBtn, Form->MinimizeBtn, Form->HideBtn}) {
            SCOPED_TRACE(testing::Message()
                         << button->Caption().toStdString() << " at screen size " << screenSize);
            const QFontMetrics metrics(button->font());
            const QRectF ink = QRectF(metrics.tightBoundingRect(button->Caption()))
                                   .translated(button->CaptionPos() + QPoint(0, metrics.ascent()));
            const QPointF centre = QRectF(button->rect()).center();
            const double radius = button->width() * 0.45;
            for (const QPointF corner :
                 {ink.topLeft(), ink.topRight(), ink.bottomLeft(), ink.bottomRight()})
                EXPECT_LE(std::hypot(corner.x() - centre.x(), corner.y() - centre.y()), radius);
        }
    }
}

TEST_F(PlayerFaults, TheWindowTitleIsNotExtendedByThePlatform) {
    // Window systems append the display name to every title that does not end with it.
    EXPECT_EQ(Form->windowTitle(), "Sudoku Atelier 1.0");
    EXPECT_TRUE(Form->windowTitle().endsWith(QGuiApplication::applicationDisplayName()));
}

TEST_F(PlayerFaults, UndoClickedDuringTheBlinkIsDoneAfterIt) {
    NewGame("S3X3");
    const auto open = OpenCells();
    for (int i = 0; i < 2; ++i)
        Type(open[i].first, open[i].second, Qt::Key_1, Qt::ControlModifier);
    TBaseBtn* undo = Sheet().PlayNSolveUndoBtn;
    const QPoint at = undo->rect().center();
    // The second click comes while the first undo blinks, quickly enough to be a double click;
    // the window system holds it until the blink is over.
    DuringWait = [&] {
        DuringWait = nullptr;
        const QPointF global = undo->mapToGlobal(QPointF(at));
        for (const QEvent::Type type : {QEvent::MouseButtonDblClick, QEvent::MouseButtonRelease})
            QCoreApplication::postEvent(
                undo,
                new QMouseEvent(type, QPointF(at), global, Qt::LeftButton,
                                type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                                Qt::NoModifier));
    };
    Click(undo);
    QApplication::processEvents();
    EXPECT_EQ(State().CellText(open[0].first, open[0].second), "");
    EXPECT_EQ(State().CellText(open[1].first, open[1].second), "");
}

} // namespace
} // namespace sudoku
