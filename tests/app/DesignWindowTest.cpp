// The Enter & Design page in the window, headless: typed puzzles completed and checked, the
// solutions menu, keys in both modes, the window while the engine generates and carves, and the
// design across a page change and a restart.
#include "TEnterNDesignBinding.h"
#include "TPieGauge.h"
#include "TSolutionsPopupMenu.h"
#include "TSuDoKuGrid.h"
#include "TSuDoKuGridPopupMenu.h"
#include "TSuDoKuGridWidget.h"
#include "WindowTestSupport.h"

#include <QLabel>

#include <algorithm>

namespace sudoku {
namespace {

// A puzzle that the limited solver gives up on, with its one solution.
constexpr const char* Hard =
    "8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4..";
constexpr const char* HardSolution =
    "812753649943682175675491283154237896369845721287169534521974368438526917796318452";
// The hard puzzle's solution less a rectangle of two swappable pairs: two solutions.
constexpr const char* TwoSolutions =
    "81.75.64994.68.175675491283154237896369845721287169534521974368438526917796318452";

class DesignWindow : public test::AtelierWindowTest {
protected:
    void Opened() override {
        Page().SetRandom(Random);
        Form->EnterNDesignBtnClick();
    }

    TEnterNDesignBinding& Binding() { return EnterNDesignPage(*Form); }
    TEnterNDesignPage& Page() { return Binding().Page(); }
    const TDesignBoard& Board() { return Page().Board(); }
    TEnterNDesignSheet& Sheet() { return Binding().Sheet(); }
    TSuDoKuGridWidget& Grid() { return Binding().Grid(); }
    TSolutionsPopupMenu& Solutions() { return PlayNSolvePage(*Form).SolutionsMenu(); }
    TSuDoKuState State() const { return Form->Shared.SuDoKuState; }
    QString Validity() { return Sheet().EnterNDesignValidateLbl->text(); }

    void NewDesign(const char* shape = "S3X3") { NewPuzzle(Sheet().EnterNDesignNewBtn, shape); }
    void SetMode(bool design) {
        if (HasFlag(State(), sfDesignMode) != design)
            Click(Sheet().EnterNDesignModeBtn);
    }
    void Select(int col, int row) {
        QTest::mouseClick(&Grid(), Qt::LeftButton, {}, Grid().cellRect(col - 1, row - 1).center());
    }
    // A 9 x 9 puzzle line ("." for an open cell), or its start, typed in cell by cell.
    void TypeIn(const std::string& line) {
        for (int i = 0; i < static_cast<int>(line.size()); ++i)
            if (line[i] != '.') {
                Select(i % 9 + 1, i / 9 + 1);
                QTest::keyClick(&Grid(), static_cast<Qt::Key>(Qt::Key_0 + (line[i] - '0')));
            }
        QApplication::processEvents();
    }
    // The design's values or givens as a 9 x 9 line.
    std::string Line(bool givens) {
        std::string line;
        for (int i = 0; i < 81; ++i) {
            const int index = CellIndex(i % 9 + 1, i / 9 + 1);
            const int v =
                givens ? TextToValue(Board().GivenStrings[index]) : Board().SolutionValues[index];
            line += v == 0 ? '.' : static_cast<char>('0' + v);
        }
        return line;
    }
    bool GridComplete() {
        return Board().Grid().ValuesFull(Board().SolutionValues) &&
               Board().Grid().UnitsOK(Board().SolutionValues);
    }

    TDefaultRandom Random{7};
};

TEST_F(DesignWindow, TypedGivensAreCompletedAndCheckedByTheirCount) {
    const struct {
        const char* Name;
        const char* Givens;
        const char* Solution; // nullptr: no single solution
        const char* Verdict;
        int MenuItems;
        bool CandidatesShown;
    } cases[] = {
        {"hard", Hard, HardSolution, "Puzzle Solvable", 0, false},
        {"two solutions", TwoSolutions, nullptr, "Puzzle Solvable [2]", 2, true},
        {"one row", "123456789", nullptr, "Puzzle Solvable [10+]", 10, false},
        {"repeated value", "55", nullptr, "Puzzle Invalid", 0, false},
    };
    // Nothing to save before there is a design.
    ASSERT_FALSE(HasFlag(State(), sfDesigning));
    EXPECT_FALSE(Sheet().EnterNDesignSaveBtn->isEnabled());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        NewDesign();
        ASSERT_TRUE(HasFlag(State(), sfPuzzleMode));
        EXPECT_TRUE(Sheet().EnterNDesignSaveBtn->isEnabled());
        TypeIn(c.Givens);
        EXPECT_EQ(Validity(), "Puzzle Invalid"); // typing checks nothing
        if (c.Solution != nullptr)
            Screenshot("design-puzzle-mode.png");
        Click(Sheet().EnterNDesignCompleteBtn);
        if (c.Solution != nullptr)
            EXPECT_EQ(Line(false), c.Solution);
        else
            EXPECT_FALSE(GridComplete());
        const auto& cells = Board().Cells;
        EXPECT_EQ(
            std::any_of(cells.begin(), cells.end(),
                        [](const std::string& t) { return t.find(',') != std::string::npos; }),
            c.CandidatesShown);
        EXPECT_EQ(Line(true).substr(0, std::string(c.Givens).size()), c.Givens);
        EXPECT_EQ(Validity(), c.Verdict);
        ASSERT_EQ(Solutions().actions().size(), c.MenuItems);
        if (c.MenuItems == 2) {
            Screenshot("design-solutions.png");
            // "Complete" now offers the solutions instead of completing again; a solution
            // chosen fills the design and keeps its givens.
            const std::string reduced = Line(false);
            Click(Sheet().EnterNDesignCompleteBtn);
            EXPECT_TRUE(Solutions().isVisible());
            Solutions().close();
            EXPECT_EQ(Line(false), reduced);
            for (const int item : {2, 1}) {
                Solutions().actions()[item - 1]->trigger();
                QApplication::processEvents();
                EXPECT_EQ(Board().Grid().ValuesToHex(Board().SolutionValues),
                          Form->Shared.SolutionList[static_cast<std::size_t>(item)]);
                EXPECT_TRUE(GridComplete());
                EXPECT_EQ(Line(true), c.Givens);
            }
        }
        Click(Sheet().EnterNDesignCheckPuzzleBtn);
        EXPECT_EQ(Validity(), c.Verdict);
    }
}

TEST_F(DesignWindow, KeysEnterAndDoubleClickEditTheDesignByMode) {
    NewDesign();
    const struct {
        bool DesignMode;
        int Col, Row;
        Qt::Key Key; // Qt::Key_unknown: a double click
        const char* Value;
        const char* Given;
    } steps[] = {
        {true, 1, 1, Qt::Key_5, "5", ""},       // an open cell stays open
        {true, 1, 1, Qt::Key_Return, "5", "5"}, // Enter makes it a given
        {true, 1, 1, Qt::Key_7, "7", "7"},      // typing over a given changes the given
        {true, 1, 1, Qt::Key_Q, "7", "7"},      // no value above N
        {true, 1, 1, Qt::Key_Delete, "0", ""},  // clearing a given opens it
        {true, 1, 1, Qt::Key_Return, "0", ""},  // no value, no given
        {true, 2, 2, Qt::Key_3, "3", ""},
        {true, 2, 2, Qt::Key_unknown, "3", "3"},
        {true, 2, 2, Qt::Key_unknown, "3", ""},
        {false, 3, 3, Qt::Key_4, "4", "4"},      // in Puzzle Mode a value is a given
        {false, 2, 2, Qt::Key_unknown, "3", ""}, // double clicks act in Design Mode only
        {false, 2, 2, Qt::Key_Return, "3", "3"},
        {false, 3, 3, Qt::Key_Space, "0", ""},
    };
    for (const auto& s : steps) {
        SCOPED_TRACE(std::to_string(s.Col) + "," + std::to_string(s.Row) + " key " +
                     std::to_string(s.Key));
        SetMode(s.DesignMode);
        Select(s.Col, s.Row);
        if (s.Key == Qt::Key_unknown)
            QTest::mouseDClick(&Grid(), Qt::LeftButton, {},
                               Grid().cellRect(s.Col - 1, s.Row - 1).center());
        else
            QTest::keyClick(&Grid(), s.Key);
        QApplication::processEvents();
        const int index = CellIndex(s.Col, s.Row);
        EXPECT_EQ(std::to_string(Board().SolutionValues[index]), s.Value);
        EXPECT_EQ(Board().GivenStrings[index], s.Given);
        EXPECT_EQ(Grid().DrawState().GivenStrings[index], s.Given);
    }
    // The grid's menu and the symbol strip enter values too.
    Select(4, 4);
    ASSERT_TRUE(Binding().PopupAllowed());
    PlayNSolvePage(*Form).GridMenu().Item("N61")->trigger();
    QApplication::processEvents();
    EXPECT_EQ(Board().GivenStrings[CellIndex(4, 4)], "6");
    QWidget* strip = Sheet().EnterNDesignDisplaySetImg;
    const double step = strip->width() / 255.0 * 27; // 27 wide at the base layout
    QTest::mouseClick(strip, Qt::LeftButton, {}, QPoint(static_cast<int>(step * 1.5), 5));
    EXPECT_EQ(Board().GivenStrings[CellIndex(4, 4)], "2");
    SetMode(true);
    EXPECT_EQ(Sheet().EnterNDesignModeBtn->Caption(), "Puzzle Mode");
    EXPECT_EQ(Sheet().EnterNDesignStatusLbl->text(), "Design Mode");
}

TEST_F(DesignWindow,
       WhileTheEngineWorksTheGaugeTurnsAndClicksWaitAndTheCarvedDesignSurvivesARestart) {
    NewDesign("S4X4");
    SetMode(true);
    Click(Sheet().EnterNDesignGenerateBtn);
    ASSERT_TRUE(GridComplete());
    const TSuDoKuValues grid = Board().SolutionValues;
    // Every look at the events lets a tick run; one check is asked for in the middle.
    Page().MessageInterval = std::chrono::milliseconds(0);
    Page().Solver().MessageInterval = std::chrono::milliseconds(0);
    int thinkingTicks = 0;
    int carvingPictures = 0;
    bool checkedMeanwhile = false;
    Form->Timer->setInterval(0);
    QObject::connect(Form->Timer, &QTimer::timeout, [&] {
        if (!HasFlag(State(), sfThinking))
            return;
        ++thinkingTicks;
        EXPECT_TRUE(Sheet().EnterNDesignStatusLbl->text().startsWith("Thinking"));
        EXPECT_TRUE(Sheet().EnterNDesignGauge->isVisible());
        EXPECT_FALSE(Sheet().EnterNDesignGenerateBtn->isEnabled());
        EXPECT_FALSE(Grid().isEnabled());
        if (!checkedMeanwhile) {
            checkedMeanwhile = true;
            Page().EnterNDesignValidatePuzzle();
            EXPECT_TRUE(HasFlag(State(), sfThinking));
        }
        if (Page().Carving() && carvingPictures++ == 20)
            Screenshot("design-carving.png", false);
    });
    Form->Timer->start();
    Click(Sheet().EnterNDesignPuzzleBtn);
    Form->Timer->stop();
    EXPECT_GT(thinkingTicks, 2);
    EXPECT_GT(carvingPictures, 0);
    EXPECT_EQ(State(), sfDesigning | sfDesignMode | sfSolvable);
    EXPECT_EQ(Validity(), "Puzzle Solvable");
    Binding().TimerTick();
    EXPECT_FALSE(Sheet().EnterNDesignGauge->isVisible());
    EXPECT_EQ(Sheet().EnterNDesignStatusLbl->text(), "Design Mode");
    // The puzzle is carved out of the grid, which stays as it was.
    EXPECT_EQ(Board().SolutionValues, grid);
    for (std::size_t i = 0; i < grid.size(); ++i) {
        const std::string& given = Board().GivenStrings[i];
        EXPECT_TRUE(given.empty() || given == std::to_string(grid[i])) << i;
    }
    Screenshot("design-generated.png");

    // The design survives a page change and a restart.
    Select(2, 3);
    QTest::keyClick(&Grid(), Qt::Key_Return);
    const TSuDoKuStrings givens = Board().GivenStrings;
    for (const bool restart : {false, true}) {
        SCOPED_TRACE(restart);
        if (restart) {
            Restart();
        } else {
            Form->OptionsBtnClick();
            EXPECT_EQ(State(), 0);
            Form->EnterNDesignBtnClick();
        }
        EXPECT_EQ(State(), sfDesigning | sfDesignMode | sfSolvable);
        EXPECT_EQ(Grid().ColCount(), 16);
        EXPECT_EQ(Board().SolutionValues, grid);
        EXPECT_EQ(Board().GivenStrings, givens);
        EXPECT_EQ(Sheet().EnterNDesignModeBtn->Caption(), "Puzzle Mode");
    }
}

} // namespace
} // namespace sudoku
