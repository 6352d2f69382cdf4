// The Enter & Design page in the window as the program composes it, headless: typing puzzles in,
// the verdict and the solutions menu after Complete and Check Puzzle (hard puzzles included),
// Generate and Puzzle, keys in both modes, the shape menu, saving, playing the design, the
// design across page changes and a restart, and the window while the engine works. With
// SUDOKU_SCREENSHOT_DIR set, the page is also photographed.
#include "TBaseBtn.h"
#include "TEnterNDesignBinding.h"
#include "TFormBuilder.h"
#include "TPageRequest.h"
#include "TPieGauge.h"
#include "TPlayNSolveBinding.h"
#include "TSolutionsPopupMenu.h"
#include "TSuDoKuFileData.h"
#include "TSuDoKuGridPopupMenu.h"
#include "TSuDoKuGridWidget.h"
#include "TSuDoKuGridsPopupMenu.h"
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <memory>
#include <string>

namespace sudoku {
namespace {

// A puzzle that the limited solver gives up on, with its one solution.
constexpr const char* Hard =
    "8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4..";
constexpr const char* HardSolution =
    "812753649943682175675491283154237896369845721287169534521974368438526917796318452";
constexpr const char* EasterMonster =
    "1.......2.9.4...5...6...7...5.9.3.......7.......85..4.7.....6...3...9.8...2.....1";
constexpr const char* EasterMonsterSolution =
    "174385962293467158586192734451923876928674315367851249719548623635219487842736591";
// The hard puzzle's solution less a rectangle of two swappable pairs: two solutions.
constexpr const char* TwoSolutions =
    "81.75.64994.68.175675491283154237896369845721287169534521974368438526917796318452";

class DesignWindow : public test::AtelierWindowTest {
protected:
    void SetUp() override {
        AtelierWindowTest::SetUp();
        Open();
    }
    void Open() {
        OpenWindow(std::make_unique<test::TInstantClock>());
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

    void NewDesign(const char* shape = "S3X3") {
        Click(Sheet().EnterNDesignNewBtn);
        TSuDoKuGridsPopupMenu& menu = PlayNSolvePage(*Form).ShapeMenu();
        menu.Item(QString::fromLatin1(shape))->trigger();
        menu.close();
        QApplication::processEvents();
    }
    void SetMode(bool design) {
        if (HasFlag(State(), sfDesignMode) != design)
            Click(Sheet().EnterNDesignModeBtn);
    }
    void Select(int col, int row) {
        QTest::mouseClick(&Grid(), Qt::LeftButton, {}, Grid().cellRect(col - 1, row - 1).center());
    }
    void Type(int col, int row, Qt::Key key) {
        Select(col, row);
        QTest::keyClick(&Grid(), key);
        QApplication::processEvents();
    }
    // A 9 x 9 puzzle line ("." for an open cell), or its start, typed in cell by cell.
    void TypeIn(const std::string& line) {
        for (int i = 0; i < static_cast<int>(line.size()); ++i)
            if (line[i] != '.')
                Type(i % 9 + 1, i / 9 + 1, static_cast<Qt::Key>(Qt::Key_0 + (line[i] - '0')));
    }
    // The design's values or givens as a 9 x 9 line.
    std::string Values() {
        std::string line;
        for (int i = 0; i < 81; ++i) {
            const int v = Board().SolutionValues[CellIndex(i % 9 + 1, i / 9 + 1)];
            line += v == 0 ? '.' : static_cast<char>('0' + v);
        }
        return line;
    }
    std::string Givens() {
        std::string line;
        for (int i = 0; i < 81; ++i) {
            const std::string& text = Board().GivenStrings[CellIndex(i % 9 + 1, i / 9 + 1)];
            line += text.empty() ? '.' : text[0];
        }
        return line;
    }
    int GivenCount() {
        const std::string givens = Givens();
        return static_cast<int>(81 - std::count(givens.begin(), givens.end(), '.'));
    }
    bool GridComplete() {
        return Board().Grid().ValuesFull(Board().SolutionValues) &&
               Board().Grid().UnitsOK(Board().SolutionValues);
    }
    std::string Section(const std::string& name) const {
        return Form->Shared.UserName + "@" + name;
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
        {"easter monster", EasterMonster, EasterMonsterSolution, "Puzzle Solvable", 0, false},
        {"two solutions", TwoSolutions, nullptr, "Puzzle Solvable [2]", 2, true},
        {"one row", "123456789", nullptr, "Puzzle Solvable [10+]", 10, false},
        {"repeated value", "55", nullptr, "Puzzle Invalid", 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        NewDesign();
        ASSERT_TRUE(HasFlag(State(), sfPuzzleMode));
        TypeIn(c.Givens);
        EXPECT_EQ(Validity(), "Puzzle Invalid"); // typing checks nothing
        Click(Sheet().EnterNDesignCompleteBtn);
        if (c.Solution != nullptr)
            EXPECT_EQ(Values(), c.Solution);
        else
            EXPECT_FALSE(GridComplete());
        const auto& cells = Board().Cells;
        EXPECT_EQ(
            std::any_of(cells.begin(), cells.end(),
                        [](const std::string& t) { return t.find(',') != std::string::npos; }),
            c.CandidatesShown);
        EXPECT_EQ(Givens().substr(0, std::string(c.Givens).size()), c.Givens);
        EXPECT_EQ(Validity(), c.Verdict);
        EXPECT_EQ(Solutions().actions().size(), c.MenuItems);
        const std::string count = c.MenuItems == 0    ? ""
                                  : c.MenuItems == 10 ? " [10+]"
                                                      : " [" + std::to_string(c.MenuItems) + "]";
        EXPECT_EQ(Sheet().EnterNDesignCompleteBtn->Caption().toStdString(), "Complete" + count);
        Click(Sheet().EnterNDesignCheckPuzzleBtn);
        EXPECT_EQ(Validity(), c.Verdict);
        if (c.CandidatesShown)
            Screenshot("design-solutions.png");
    }
}

TEST_F(DesignWindow, ASolutionChosenFromTheMenuFillsTheDesign) {
    NewDesign();
    TypeIn(TwoSolutions);
    Click(Sheet().EnterNDesignCompleteBtn);
    ASSERT_EQ(Solutions().actions().size(), 2);
    // With solutions on the menu "Complete" offers them instead of completing again.
    const std::string reduced = Values();
    Click(Sheet().EnterNDesignCompleteBtn);
    EXPECT_TRUE(Solutions().isVisible());
    Solutions().close();
    EXPECT_EQ(Values(), reduced);
    for (int item : {2, 1}) {
        Solutions().actions()[item - 1]->trigger();
        QApplication::processEvents();
        EXPECT_EQ(Board().Grid().ValuesToHex(Board().SolutionValues),
                  Form->Shared.SolutionList[static_cast<std::size_t>(item)]);
        EXPECT_TRUE(GridComplete());
        EXPECT_EQ(Givens(), TwoSolutions);
    }
    EXPECT_EQ(Validity(), "Puzzle Solvable [2]"); // the menu stays until the next check
}

TEST_F(DesignWindow, GenerateThenPuzzleAtRookieKeepsTheGridAndMarksItsGivens) {
    Form->Shared.Options.Level = 0;
    NewDesign();
    SetMode(true);
    Click(Sheet().EnterNDesignGenerateBtn);
    ASSERT_TRUE(GridComplete());
    EXPECT_EQ(GivenCount(), 0);
    EXPECT_EQ(Board().Cells[CellIndex(1, 1)],
              std::to_string(Board().SolutionValues[CellIndex(1, 1)]));
    const std::string grid = Values();

    Click(Sheet().EnterNDesignPuzzleBtn);
    EXPECT_EQ(Values(), grid);
    EXPECT_GE(GivenCount(), 35);
    EXPECT_LE(GivenCount(), 39);
    const std::string givens = Givens();
    for (int i = 0; i < 81; ++i)
        EXPECT_TRUE(givens[i] == '.' || givens[i] == grid[i]) << i;
    EXPECT_EQ(Validity(), "Puzzle Solvable");
    EXPECT_EQ(Board().Cells[CellIndex(9, 9)],
              std::to_string(Board().SolutionValues[CellIndex(9, 9)]));
    Screenshot("design-generated.png");

    // After a check, Complete starts again from the givens: a changed open cell is undone.
    const int open = static_cast<int>(givens.find('.'));
    Type(open % 9 + 1, open / 9 + 1,
         static_cast<Qt::Key>(Qt::Key_1 + (grid[static_cast<std::size_t>(open)] - '0') % 9));
    ASSERT_NE(Values(), grid);
    Click(Sheet().EnterNDesignCompleteBtn);
    EXPECT_EQ(Values(), grid);

    // In Puzzle Mode the grid shows only the givens.
    SetMode(false);
    for (int i = 0; i < 81; ++i)
        EXPECT_EQ(Board().Cells[CellIndex(i % 9 + 1, i / 9 + 1)],
                  Board().GivenStrings[CellIndex(i % 9 + 1, i / 9 + 1)]);
    EXPECT_EQ(Sheet().EnterNDesignStatusLbl->text(), "Puzzle Mode");
}

TEST_F(DesignWindow, GenerateOnAPageWithoutADesignShowsTheGridUnderANewName) {
    ASSERT_EQ(State(), 0);
    Click(Sheet().EnterNDesignGenerateBtn);
    EXPECT_EQ(State(), sfDesigning | sfDesignMode);
    EXPECT_TRUE(GridComplete());
    EXPECT_EQ(Board().Cells[CellIndex(1, 1)],
              std::to_string(Board().SolutionValues[CellIndex(1, 1)]));
    EXPECT_EQ(Sheet().EnterNDesignFileNameLbl->text(), "January 2 2026 03:04:05");
    EXPECT_EQ(Page().Record().O, orSelfDesigned);
}

TEST_F(DesignWindow, PuzzleOnAnIncompleteDesignEmptiesTheGivens) {
    NewDesign();
    SetMode(true);
    Type(1, 1, Qt::Key_4);
    Select(1, 1);
    QTest::keyClick(&Grid(), Qt::Key_Return);
    ASSERT_EQ(GivenCount(), 1);
    Click(Sheet().EnterNDesignPuzzleBtn);
    EXPECT_EQ(GivenCount(), 0);
    EXPECT_EQ(Values().substr(0, 2), "4.");
    EXPECT_EQ(Board().Cells[CellIndex(1, 1)], "4");
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

    EXPECT_EQ(TFormBuilder::Tag(Sheet().EnterNDesignModeBtn), 645);
    EXPECT_EQ(Sheet().EnterNDesignModeBtn->Caption(), "Design Mode");
    SetMode(true);
    EXPECT_EQ(TFormBuilder::Tag(Sheet().EnterNDesignModeBtn), 646);
    EXPECT_EQ(Sheet().EnterNDesignModeBtn->Caption(), "Puzzle Mode");
    EXPECT_EQ(Sheet().EnterNDesignStatusLbl->text(), "Design Mode");
}

TEST_F(DesignWindow, AShapeChosenHereStartsAnEmptyDesignAndLeavesTheGameAlone) {
    Form->PlayNSolveBtnClick();
    PlayNSolvePage(*Form).ShapeMenu().Item("S3X3")->trigger();
    const TSuDoKuStrings game = PlayNSolvePage(*Form).Page().State().Cells;
    Form->EnterNDesignBtnClick();
    NewDesign("S4X4");
    EXPECT_EQ(State(), sfDesigning | sfPuzzleMode);
    EXPECT_EQ(Grid().ColCount(), 16);
    EXPECT_EQ(Board().Grid().CountEmptyStrings(Board().Cells), 256);
    Type(16, 16, Qt::Key_W);
    EXPECT_EQ(Board().GivenStrings[CellIndex(16, 16)], "16");
    Form->PlayNSolveBtnClick();
    EXPECT_EQ(PlayNSolvePage(*Form).Page().State().Cells, game);
    EXPECT_EQ(PlayNSolvePage(*Form).Grid().ColCount(), 9);
}

TEST_F(DesignWindow, TheDesignSurvivesAPageChangeAndARestart) {
    NewDesign("S2X3");
    SetMode(true);
    Click(Sheet().EnterNDesignGenerateBtn);
    Select(2, 3);
    QTest::keyClick(&Grid(), Qt::Key_Return);
    const TSuDoKuValues values = Board().SolutionValues;
    const TSuDoKuStrings givens = Board().GivenStrings;
    const auto expectRestored = [&] {
        EXPECT_EQ(State(), sfDesigning | sfDesignMode | sfSolvable);
        EXPECT_EQ(Grid().ColCount(), 6);
        EXPECT_EQ(Board().SolutionValues, values);
        EXPECT_EQ(Board().GivenStrings, givens);
        EXPECT_EQ(TFormBuilder::Tag(Sheet().EnterNDesignModeBtn), 646);
    };
    Form->OptionsBtnClick();
    EXPECT_EQ(State(), 0);
    Form->EnterNDesignBtnClick();
    expectRestored();

    Answers->YesNo = {true};
    Form->QuitBtnClick();
    QApplication::processEvents();
    Open();
    expectRestored();
}

TEST_F(DesignWindow, SaveAsksForANameAndForLeaveToOverwrite) {
    NewDesign();
    TypeIn(Hard);
    Answers->Texts = {"  Newspaper "};
    Click(Sheet().EnterNDesignSaveBtn);
    TSuDoKuFileData stored;
    ASSERT_TRUE(ReadSuDoKuFileData(Library(), Section("Newspaper"), stored));
    EXPECT_EQ(stored.M2, Board().Grid().StringsToHex(Board().GivenStrings));
    EXPECT_EQ(stored.O, orSelfDesigned);
    EXPECT_EQ(stored.L, 3); // 60 open cells rate as Expert
    EXPECT_EQ(stored.S, dsPuzzleMode);
    EXPECT_EQ(Sheet().EnterNDesignFileNameLbl->text(), "Newspaper");

    // Another design under the same name: "No" keeps the first, "Yes" replaces it.
    NewDesign();
    TypeIn(EasterMonster);
    for (const bool overwrite : {false, true}) {
        Answers->Texts = {"Newspaper"};
        Answers->YesNo = {overwrite};
        Click(Sheet().EnterNDesignSaveBtn);
        EXPECT_EQ(Answers->Questions.last().toStdString(),
                  "\"Newspaper\" already exists, overwrite existing SuDoKu?");
        ASSERT_TRUE(ReadSuDoKuFileData(Library(), Section("Newspaper"), stored));
        EXPECT_EQ(stored.M2 == Board().Grid().StringsToHex(Board().GivenStrings), overwrite);
    }
    // An empty answer saves nothing.
    Answers->Texts = {""};
    Click(Sheet().EnterNDesignSaveBtn);
    EXPECT_EQ(ReadSectionNamesOfFile(Library()).size(), 1u);
}

TEST_F(DesignWindow, PlayNSolvePlaysTheDesignAsAGame) {
    NewDesign();
    TypeIn(Hard);
    Click(Sheet().EnterNDesignCompleteBtn);
    Click(Sheet().EnterNDesignPlayNSolveBtn);
    EXPECT_EQ(Form->ActivePage(), TMainForm::pgPlayNSolve);
    EXPECT_EQ(State(), sfPlaying);
    const TPlayState& game = PlayNSolvePage(*Form).Page().State();
    EXPECT_EQ(game.GivenStrings, Board().GivenStrings);
    EXPECT_EQ(game.SolutionValues, Board().SolutionValues);
    EXPECT_EQ(game.Cells[CellIndex(1, 1)], "8");
    EXPECT_EQ(game.Cells[CellIndex(2, 1)], "");
}

TEST_F(DesignWindow, AnotherPageOpensAStoredPuzzleForDesign) {
    NewDesign("S2X2");
    Type(1, 1, Qt::Key_1);
    Answers->Texts = {"Small"};
    Click(Sheet().EnterNDesignSaveBtn);
    NewDesign();
    Form->MySuDoKusBtnClick();
    Form->Request(TMainForm::pgEnterNDesign,
                  TPageRequest{.FileName = QString::fromStdString(Library()),
                               .Section = QString::fromStdString(Section("Small"))});
    EXPECT_EQ(Form->ActivePage(), TMainForm::pgEnterNDesign);
    EXPECT_EQ(Grid().ColCount(), 4);
    EXPECT_EQ(Board().GivenStrings[CellIndex(1, 1)], "1");
    EXPECT_EQ(Sheet().EnterNDesignFileNameLbl->text(), "Small");
    EXPECT_TRUE(HasFlag(State(), sfDesigning));
}

TEST_F(DesignWindow, WhileTheEngineWorksTheGaugeTurnsAndClicksWait) {
    NewDesign("S4X4");
    SetMode(true);
    Click(Sheet().EnterNDesignGenerateBtn);
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
}

TEST_F(DesignWindow, APuzzleCanBePrintedAndPuzzleModeIsPhotographed) {
    NewDesign();
    TypeIn(Hard);
    Click(Sheet().EnterNDesignCheckPuzzleBtn);
    EXPECT_EQ(Validity(), "Puzzle Solvable");
    EXPECT_TRUE(Sheet().EnterNDesignSaveBtn->isEnabled());
    EXPECT_TRUE(Sheet().EnterNDesignPrintBtn->isEnabled());
    EXPECT_TRUE(Sheet().EnterNDesignClipboardBtn->isEnabled());
    Select(2, 1);
    Screenshot("design-puzzle-mode.png");
}

} // namespace
} // namespace sudoku
