// Play & Solve without the mouse and its newer controls: Redo, the place of every control at
// each screen size, shortcuts, focus and Tab, the counts on the symbol strip, the pause on
// minimising, and a whole game played with keys only.
#include "GameWindowTestSupport.h"
#include "LanguageSource.h"
#include "TCellInput.h"
#include "TFormBuilder.h"
#include "TScreenLayout.h"

#include <gtest/gtest.h>

#include <QKeySequence>
#include <QLabel>
#include <QSignalSpy>

#include <algorithm>
#include <string_view>

namespace sudoku {
namespace {

using test::GameWindow;

class KeyboardPlay : public GameWindow {
protected:
    std::string Text(std::pair<int, int> cell) { return State().CellText(cell.first, cell.second); }
};

TEST_F(KeyboardPlay, NoControlOfThePageCoversAnotherAtAnyScreenSize) {
    TPlayNSolveSheet& sheet = Sheet();
    for (const int screenSize : {2, 3, 4}) {
        Form->ScaleUp(screenSize);
        const auto controls = sheet.findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (const TBaseBtn* button : sheet.findChildren<TBaseBtn*>()) {
            SCOPED_TRACE(testing::Message()
                         << button->objectName().toStdString() << " at screen size " << screenSize);
            EXPECT_TRUE(sheet.rect().contains(button->geometry()));
            for (const QWidget* other : controls)
                if (other != button) {
                    EXPECT_FALSE(button->geometry().intersects(other->geometry()))
                        << other->objectName().toStdString();
                }
        }
    }
}

TEST_F(KeyboardPlay, RedoTakesBackUndoUntilTheNextMoveAndIsKeptWithTheGame) {
    NewGame("S3X3");
    const auto open = OpenCells();
    const std::string value = std::to_string(Solution(open[0].first, open[0].second));
    Type(open[0].first, open[0].second, KeyOf(Solution(open[0].first, open[0].second)));
    Type(open[1].first, open[1].second, Qt::Key_2, Qt::ControlModifier);
    TBaseBtn* redo = Sheet().PlayNSolveRedoBtn;
    EXPECT_FALSE(redo->isEnabled());
    Click(Sheet().PlayNSolveUndoBtn);
    Click(Sheet().PlayNSolveUndoBtn);
    EXPECT_EQ(Text(open[0]), "");
    Click(redo);
    EXPECT_EQ(Text(open[0]), value);
    EXPECT_EQ(Page().Record().Sn, 2); // a redo is no new entry

    // Kept with the game across a page change and a restart of the program.
    Form->OptionsBtnClick();
    Form->PlayNSolveBtnClick();
    Answers->YesNo = {true};
    Form->QuitBtnClick();
    QApplication::processEvents();
    Open();
    ASSERT_TRUE(Sheet().PlayNSolveRedoBtn->isEnabled());
    Click(Sheet().PlayNSolveRedoBtn);
    EXPECT_EQ(Text(open[1]), "2,");
    EXPECT_FALSE(Sheet().PlayNSolveRedoBtn->isEnabled());

    // A new move ends what can be redone.
    Click(Sheet().PlayNSolveUndoBtn);
    EXPECT_TRUE(Sheet().PlayNSolveRedoBtn->isEnabled());
    Type(open[2].first, open[2].second, Qt::Key_3, Qt::ControlModifier);
    EXPECT_FALSE(Sheet().PlayNSolveRedoBtn->isEnabled());
}

TEST_F(KeyboardPlay, EveryButtonHasKeysThatNeverEnterAValue) {
    const auto& buttons = Sheet().Keys();
    ASSERT_EQ(buttons.size(), 11u);
    QList<QKeySequence> seen;
    for (const auto& [button, keys] : buttons) {
        ASSERT_FALSE(keys.isEmpty()) << button->objectName().toStdString();
        for (const QKeySequence& key : keys) {
            SCOPED_TRACE(key.toString().toStdString());
            EXPECT_FALSE(seen.contains(key));
            seen << key;
            const QKeyCombination combination = key[0];
            const int virtualKey =
                TPlayNSolveBinding::VirtualKey(combination.key(), combination.keyboardModifiers());
            const bool ctrl = combination.keyboardModifiers().testFlag(Qt::ControlModifier);
            for (int displaySet = 0; displaySet <= 3; ++displaySet)
                for (const int n : {9, 16})
                    EXPECT_NE(TCellInput::KeyToAction(virtualKey, ctrl, displaySet, n).Kind,
                              TKeyKind::Value);
        }
    }
}

TEST_F(KeyboardPlay, EveryLanguageNamesTheKeysInTheButtonsHints) {
    struct Language {
        const char* File;
        const char *Ctrl, *Shift, *Pause;
    };
    const Language languages[] = {{"english", "Ctrl", "Shift", "Pause"},
                                  {"nederlands", "Ctrl", "Shift", "Pause"},
                                  {"deutsch", "Strg", "Umschalt", "Pause"},
                                  {"francais", "Ctrl", "Maj", "Pause"},
                                  {"italiano", "Ctrl", "Maiusc", "Pausa"}};
    for (const Language& language : languages) {
        SCOPED_TRACE(language.File);
        LanguageDefinition definition;
        std::vector<std::string> errors;
        ASSERT_TRUE(LanguageSource::ParseFile(std::string(QT_TESTCASE_SOURCEDIR) +
                                                  "/../../resources/lang/" + language.File + ".txt",
                                              definition, errors));
        const LanguageSection* main = definition.Section("MainForm");
        ASSERT_NE(main, nullptr);
        for (const auto& [button, keys] : Sheet().Keys()) {
            const int tag = TFormBuilder::Tag(button);
            const auto entry = std::find_if(main->Entries.begin(), main->Entries.end(),
                                            [tag](const LanguageEntry& e) { return e.Tag == tag; });
            ASSERT_NE(entry, main->Entries.end()) << tag;
            QStringList named;
            for (const QKeySequence& key : keys)
                named << key.toString(QKeySequence::PortableText)
                             .replace(QStringLiteral("Ctrl"), QString::fromUtf8(language.Ctrl))
                             .replace(QStringLiteral("Shift"), QString::fromUtf8(language.Shift))
                             .replace(QStringLiteral("Pause"), QString::fromUtf8(language.Pause));
            const QString ending = QStringLiteral(" (%1)").arg(named.join(QStringLiteral(", ")));
            EXPECT_TRUE(QString::fromStdString(entry->Hint).endsWith(ending))
                << tag << ": " << entry->Hint;
            if (std::string_view(language.File) == "english") {
                EXPECT_EQ(button->toolTip().toStdString(), entry->Hint);
            }
        }
    }
}

TEST_F(KeyboardPlay, KeysClickTheirButtonsWhereverTheFocusIsOnThePage) {
    Activate();
    NewGame("S3X3");
    const auto open = OpenCells();
    for (int i = 0; i < 2; ++i)
        Type(open[i].first, open[i].second, Qt::Key_1, Qt::ControlModifier);
    TPlayNSolveSheet& s = Sheet();
    struct Step {
        QKeySequence Key;
        TBaseBtn* Button;
    };
    // In an order in which each button is enabled when its key comes.
    const Step steps[] = {{QKeySequence("Alt+N"), s.PlayNSolveNewBtn},
                          {QKeySequence("Alt+S"), s.PlayNSolveSaveBtn},
                          {QKeySequence("Alt+P"), s.PlayNSolvePrintBtn},
                          {QKeySequence("Alt+C"), s.PlayNSolveClipboardBtn},
                          {QKeySequence("Pause"), s.PlayNSolvePauseBtn},
                          {QKeySequence("Alt+A"), s.PlayNSolvePauseBtn},
                          {QKeySequence("Ctrl+Z"), s.PlayNSolveUndoBtn},
                          {QKeySequence("Alt+U"), s.PlayNSolveUndoBtn},
                          {QKeySequence("Ctrl+Y"), s.PlayNSolveRedoBtn},
                          {QKeySequence("Ctrl+Shift+Z"), s.PlayNSolveRedoBtn},
                          {QKeySequence("Alt+U"), s.PlayNSolveUndoBtn},
                          {QKeySequence("Alt+D"), s.PlayNSolveRedoBtn},
                          {QKeySequence("Alt+H"), s.PlayNSolveHintBtn},
                          {QKeySequence("Alt+E"), s.PlayNSolveErrorsBtn},
                          {QKeySequence("Alt+O"), s.PlayNSolveSolutionBtn},
                          {QKeySequence("Alt+R"), s.PlayNSolveRestartBtn}};
    QList<QKeySequence> pressed;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.Key.toString().toStdString());
        ASSERT_TRUE(step.Button->isEnabled());
        QSignalSpy clicks(step.Button, &TBaseBtn::OnClick);
        const QKeyCombination combination = step.Key[0];
        Key(combination.key(), combination.keyboardModifiers());
        EXPECT_EQ(clicks.count(), 1);
        if (QApplication::activePopupWidget() != nullptr)
            Key(Qt::Key_Escape); // the shape menu of New closes again
        EXPECT_EQ(QApplication::activePopupWidget(), nullptr);
        pressed << step.Key;
    }
    EXPECT_EQ(Page().Record().Sh, 1);
    EXPECT_EQ(Page().Record().Se, 1);
    EXPECT_EQ(Form->Shared.SuDoKuState, sfPlaying);
    for (const auto& [button, keys] : Sheet().Keys())
        for (const QKeySequence& key : keys)
            EXPECT_TRUE(pressed.contains(key)) << key.toString().toStdString();
}

TEST_F(KeyboardPlay, TabRunsThroughTheEnabledButtonsWhichShowTheFocusAndTakeSpaceAndEnter) {
    Activate();
    NewGame("S3X3");
    ASSERT_EQ(Focus(), &Grid());
    std::vector<QWidget*> expected;
    for (const auto& [button, keys] : Sheet().Keys())
        if (button->isEnabled())
            expected.push_back(button);
    std::vector<QWidget*> visited;
    for (Key(Qt::Key_Tab); Focus() != &Grid() && visited.size() < 20; Key(Qt::Key_Tab))
        visited.push_back(Focus());
    EXPECT_EQ(visited, expected);

    // The focused button shows it.
    TBaseBtn* pause = Sheet().PlayNSolvePauseBtn;
    const QImage plain = pause->grab().toImage();
    while (Focus() != pause && Focus() != nullptr)
        Key(Qt::Key_Tab);
    EXPECT_NE(pause->grab().toImage(), plain);
    // Space pauses; the button keeps the focus while the grid is covered, and Enter resumes.
    Key(Qt::Key_Space);
    EXPECT_TRUE(HasFlag(Form->Shared.SuDoKuState, sfPaused));
    EXPECT_EQ(Focus(), pause);
    Key(Qt::Key_Return);
    EXPECT_FALSE(HasFlag(Form->Shared.SuDoKuState, sfPaused));
    EXPECT_EQ(Focus(), &Grid());
}

TEST_F(KeyboardPlay, TheStripCountsWhatIsStillToBePlacedAndGreysWhatIsDone) {
    NewGame("S3X3");
    QWidget* strip = Sheet().PlayNSolveDisplaySetImg;
    const int step = strip->width() * 27 / 255;
    const auto slot = [&](int v) {
        return strip->grab().toImage().copy(QRect(7 + (v - 1) * step, 0, step, strip->height()));
    };
    std::vector<QImage> before;
    for (int v = 1; v <= 9; ++v)
        before.push_back(slot(v));
    const auto [c, r] = OpenCells().front();
    const int v = Solution(c, r);
    Type(c, r, KeyOf(v));
    for (int w = 1; w <= 9; ++w)
        EXPECT_EQ(slot(w) == before[static_cast<std::size_t>(w - 1)], w != v) << w;
    Type(c, r, Qt::Key_Delete);
    EXPECT_EQ(slot(v), before[static_cast<std::size_t>(v - 1)]);

    // Every v in place: the symbol greys and no count is left below it.
    for (const auto& [oc, orow] : OpenCells())
        if (Solution(oc, orow) == v)
            Type(oc, orow, KeyOf(v));
    int darkest = 255;
    const QImage done = slot(v);
    for (int y = 2; y < done.height() - 2; ++y)
        for (int x = 0; x < done.width(); ++x)
            darkest = std::min(darkest, qGray(done.pixel(x, y)));
    EXPECT_GT(darkest, 120);
    Screenshot("game-strip-counts.png");
}

TEST_F(KeyboardPlay, MinimisingPausesTheGameWhichStaysPausedWhenRestored) {
    Form->showMinimized(); // no game: nothing to pause
    Form->showNormal();
    EXPECT_EQ(Form->Shared.SuDoKuState, 0);
    NewGame("S3X3");
    Tick(30);
    for (int round = 0; round < 2; ++round) { // the second time it is paused already
        Form->showMinimized();
        QApplication::processEvents();
        EXPECT_EQ(Form->Shared.SuDoKuState, sfPlaying | sfPaused);
        Form->showNormal();
        QApplication::processEvents();
        EXPECT_EQ(Form->Shared.SuDoKuState, sfPlaying | sfPaused);
        EXPECT_EQ(Sheet().PlayNSolveTimeLbl->text(), "Pausing");
    }
    Tick(600);
    Click(Sheet().PlayNSolvePauseBtn);
    EXPECT_EQ(Sheet().PlayNSolveTimeLbl->text(), "Time 00:30");
}

TEST_F(KeyboardPlay, AWholeGameWithKeysOnlyFromNewToSolved) {
    Activate();
    ASSERT_EQ(Focus(), &Grid());
    // New: the shape menu opens below the button; its first item is the 9 x 9 grid.
    Key(Qt::Key_N, Qt::AltModifier);
    ASSERT_NE(QApplication::activePopupWidget(), nullptr);
    Key(Qt::Key_Down);
    Key(Qt::Key_Return);
    ASSERT_EQ(Form->Shared.SuDoKuState, sfPlaying);
    ASSERT_EQ(State().GridSize(), 9);
    ASSERT_EQ(Focus(), &Grid());

    // The arrow keys walk the selection to a cell.
    const auto moveTo = [this](int col, int row) {
        while (Grid().Col() + 1 != col)
            Key(Grid().Col() + 1 < col ? Qt::Key_Right : Qt::Key_Left);
        while (Grid().Row() + 1 != row)
            Key(Grid().Row() + 1 < row ? Qt::Key_Down : Qt::Key_Up);
    };
    const auto open = OpenCells();
    for (std::size_t i = 0; i < open.size(); ++i) {
        const auto [c, r] = open[i];
        const int v = Solution(c, r);
        const int wrong = v % 9 + 1;
        moveTo(c, r);
        if (i == 0) {
            // Notes first, then a wrong value taken back and brought back again.
            Key(KeyOf(v), Qt::ControlModifier);
            Key(KeyOf(wrong), Qt::ControlModifier);
            ASSERT_EQ(State().CellText(c, r),
                      std::to_string(v) + "," + std::to_string(wrong) + ",");
            Key(KeyOf(wrong));
            Key(Qt::Key_Z, Qt::ControlModifier);
            ASSERT_EQ(State().CellText(c, r),
                      std::to_string(v) + "," + std::to_string(wrong) + ",");
            Key(Qt::Key_Y, Qt::ControlModifier);
            ASSERT_EQ(State().CellText(c, r), std::to_string(wrong));
            Key(Qt::Key_Z, Qt::ControlModifier);
            Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
            ASSERT_EQ(State().CellText(c, r), std::to_string(wrong));
        }
        Key(KeyOf(v));
        ASSERT_EQ(State().CellText(c, r), std::to_string(v)) << c << ", " << r;
    }
    EXPECT_EQ(Form->Shared.SuDoKuState, sfSolved);
    Tick(1);
    EXPECT_EQ(Sheet().PlayNSolveTimeLbl->text(), "Puzzle Solved!");
}

} // namespace
} // namespace sudoku
