// The My SuDoKus page in the window as the program composes it, headless: the list and its
// details, rename and delete with their questions, opening entries on the other pages, and
// import, export, backup and restore through the file dialogs the tests answer.
// With SUDOKU_SCREENSHOT_DIR set, the page and the import report are photographed.
#include "../library/ClassicPuzzle.h"
#include "../platform/TestFolder.h"
#include "TBaseBtn.h"
#include "TEnterNDesignBinding.h"
#include "TMsgDlgBox.h"
#include "TMySuDoKusBinding.h"
#include "TPlayNSolveBinding.h"
#include "TSuDoKuFileData.h"
#include "TSuDoKuGridWidget.h"
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QTest>

#include <csignal>
#include <filesystem>
#include <sys/resource.h>

namespace sudoku {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;
using test::Classic;
using test::ClassicSolution;
using test::Hex;

std::string Contents(const fs::path& file) {
    return test::TTestFolder::Contents(file.string());
}

void Put(const fs::path& file, const std::string& bytes) {
    test::TTestFolder::Put(file.string(), bytes);
}

// Passes every moment on to the page it wraps and records the requests it is asked.
// Files written by this process may not grow past a few bytes while it lives.
class TFileSizeLimit {
public:
    TFileSizeLimit() {
        ::getrlimit(RLIMIT_FSIZE, &Old);
        Handler = std::signal(SIGXFSZ, SIG_IGN);
        const rlimit small{64, Old.rlim_max};
        ::setrlimit(RLIMIT_FSIZE, &small);
    }
    ~TFileSizeLimit() {
        ::setrlimit(RLIMIT_FSIZE, &Old);
        std::signal(SIGXFSZ, Handler);
    }

private:
    rlimit Old{};
    void (*Handler)(int) = nullptr;
};

class LibraryWindow : public test::AtelierWindowTest {
protected:
    void SetUp() override {
        AtelierWindowTest::SetUp();
        OpenWindow(std::make_unique<test::TInstantClock>());
        User = Form->Shared.UserName;
    }

    TMySuDoKusSheet& Sheet() { return MySuDoKusPage(*Form).Sheet(); }
    std::string Mine(const std::string& name) const { return User + "@" + name; }
    void Store(const std::string& section, TSuDoKuFileData rec = {}) {
        rec.Name = section;
        WriteSuDoKuFileData(Library(), section, rec);
    }
    QStringList Entries() {
        QStringList items;
        for (int i = 0; i < Sheet().MySuDoKusList->count(); ++i)
            items << Sheet().MySuDoKusList->item(i)->text();
        return items;
    }
    QString Details() { return Sheet().MySuDoKusDataLbl->text(); }
    void Select(const QString& entry) {
        const auto found = Sheet().MySuDoKusList->findItems(entry, Qt::MatchExactly);
        ASSERT_EQ(found.size(), 1) << entry.toStdString();
        Sheet().MySuDoKusList->setCurrentItem(found.front());
        QApplication::processEvents();
    }
    void ChooseFile(const fs::path& file, int filter = 0) {
        Answers->Files.push_back({QString::fromStdString(file.string()), filter});
    }

    std::string User;
};

TEST_F(LibraryWindow, ListsOnlyTheUsersEntriesSortedWithTheirDetails) {
    TSuDoKuFileData game;
    game.Tc = EncodeDateTime({2026, 12, 5, 17, 45, 15, 0});
    game.L = 2;
    game.O = orSelfDesigned | orImported;
    game.Nc = 2;
    game.Nr = 3;
    game.Tptm = EncodeDateTime({1899, 12, 30, 1, 30, 15, 0});
    game.Tpt = EncodeDateTime({1899, 12, 30, 0, 5, 7, 0});
    game.Sn = 1234;
    game.Sh = 7;
    game.Se = 12;
    game.Sr = 1;
    game.Sa = 1000;
    Store(Mine("Breakfast"), game);
    Store("Other@Zeta");
    Store(Mine("Train@8:15"));
    Store(Mine("autumn evening"));
    Store(User + "x@Hidden");
    Store(Mine("December 5 2026 17:45:15"));

    Form->MySuDoKusBtnClick();
    EXPECT_EQ(Entries(), (QStringList{"autumn evening", "Breakfast", "December 5 2026 17:45:15",
                                      "Train@8:15"}));
    Select("Train@8:15");
    EXPECT_TRUE(Details().startsWith("Created December 30 1899 00:00:00\n"));
    Select("Breakfast");
    EXPECT_EQ(Details(), "Created December 5 2026 17:45:15\n"
                         "Level Skilled 2x3  (Time Limit 01:30:15)\n"
                         "Time Played 00:05:07\n"
                         "Origin Self Designed (imported)\n"
                         "Status \n\n"
                         "1234 Entries      \t  0 Pauses       \t  7 Hints        \n"
                         " 12 Errors       \t  1 Restarts     \t1000 Alternatives ");
    Screenshot(*Form, "library-details.png");

    // The origin, status and level texts of the other values.
    const struct {
        TOrigin Origin;
        std::uint8_t Status;
        std::uint8_t Level;
        const char* Expected;
    } cases[] = {{orGenerated | orSelfDesigned, 1, 0, "Origin Marlbrook\r\nStatus Playing\r\n"},
                 {0, 2, 3, "Origin ?\r\nStatus Playing\r\n"},
                 {orGenerated, 3, 1, "Origin Marlbrook\r\nStatus Solution\r\n"},
                 {orSelfDesigned, 4, 1, "Origin Self Designed\r\nStatus Designing\r\n"},
                 {orImported, 5, 1, "Origin ? (imported)\r\nStatus Designing\r\n"},
                 {0, 6, 9, "Level ? 3x3"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Expected);
        TSuDoKuFileData rec;
        rec.O = c.Origin;
        rec.S = c.Status;
        rec.L = c.Level;
        EXPECT_NE(MySuDoKusPage(*Form).Page().DetailsText(rec).find(c.Expected), std::string::npos);
    }

    // A user name holding "@" is cut off whole.
    Form->Shared.UserName = "me@home";
    Store("me@home@Puzzle");
    Form->MySuDoKusBtnClick();
    EXPECT_EQ(Entries(), QStringList{"Puzzle"});
    EXPECT_TRUE(Details().startsWith("Created "));
}

TEST_F(LibraryWindow, RenameAsksBeforeReplacingAndLeavesOtherUsersAlone) {
    const struct {
        const char* What;
        QString Answer;
        bool Yes;
        QStringList Entries;
        Names Sections;    // of the user, in file order
        int BananaEntries; // the counter stored under "Banana" afterwards
    } cases[] = {
        {"new name", "  Cherry ", false, {"Banana", "Cherry"}, {"Banana", "Cherry"}, 2},
        {"letter case only", "APPLE", true, {"APPLE", "Banana"}, {"Banana", "APPLE"}, 2},
        {"onto another entry", "banana", true, {"banana"}, {"banana"}, 1},
        {"onto another entry, No", "banana", false, {"apple", "Banana"}, {"apple", "Banana"}, 2},
        {"cancelled", "", true, {"apple", "Banana"}, {"apple", "Banana"}, 2},
        {"unsafe name", "[x]", true, {"apple", "Banana"}, {"apple", "Banana"}, 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        fs::remove(Library());
        TSuDoKuFileData apple;
        apple.Sn = 1;
        Store(Mine("apple"), apple);
        Store("Other@apple");
        TSuDoKuFileData banana;
        banana.Sn = 2;
        Store(Mine("Banana"), banana);
        Form->MySuDoKusBtnClick();
        Select("apple");
        Answers->Questions.clear();
        Answers->Texts = {c.Answer};
        Answers->YesNo = {c.Yes};
        Click(Sheet().MySuDoKusRenameBtn);

        EXPECT_EQ(Entries(), c.Entries);
        Names sections;
        for (const std::string& s : ReadSectionNamesOfFile(Library()))
            if (BelongsToUser(s, User))
                sections.push_back(DisplayNameOf(s));
        EXPECT_EQ(sections, c.Sections);
        EXPECT_TRUE(SectionExistsInFile(Library(), "Other@apple"));
        EXPECT_EQ(Answers->Questions.value(0),
                  "Save SuDoku as...\n\nPlease enter a name"); // the prompt, then any question
        if (std::string(c.What).starts_with("onto")) {
            EXPECT_EQ(Answers->Questions.value(1),
                      "\"banana\" already exists, overwrite existing SuDoKu?");
        }
        // The renamed puzzle is selected and shown under its name.
        const std::string selected = Sheet().MySuDoKusList->currentItem()->text().toStdString();
        TSuDoKuFileData rec;
        ASSERT_TRUE(ReadSuDoKuFileData(Library(), Mine(selected), rec));
        EXPECT_EQ(rec.Name, Mine(selected));
        EXPECT_EQ(rec.Sn, 1);
        EXPECT_TRUE(Details().startsWith("Created "));
        ASSERT_TRUE(ReadSuDoKuFileData(Library(), Mine("Banana"), rec));
        EXPECT_EQ(rec.Sn, c.BananaEntries);
    }
}

TEST_F(LibraryWindow, DeleteActsOnTheSectionShownAndEmptiesTheListAtTheEnd) {
    Store("Other@Only");
    Store(Mine("Only"));
    Store(Mine("Vanishing"));
    // A record whose Name key names another user's section.
    TProfileFile::WriteFileString(Library(), Mine("Only"), "Name", "Other@Only");
    Form->MySuDoKusBtnClick();
    // An entry whose section is gone shows nothing, and nothing acts on the entry shown before.
    EraseSectionInFile(Library(), Mine("Vanishing"));
    Select("Vanishing");
    EXPECT_TRUE(Details().isEmpty());
    Click(Sheet().MySuDoKusRenameBtn);
    Click(Sheet().MySuDoKusDeleteBtn);
    EXPECT_TRUE(Answers->Questions.isEmpty());
    EXPECT_EQ(ReadSectionNamesOfFile(Library()), (Names{"Other@Only", Mine("Only")}));

    Form->MySuDoKusBtnClick();
    ASSERT_EQ(Entries(), QStringList{"Only"});
    Answers->YesNo = {false, true};
    Click(Sheet().MySuDoKusDeleteBtn);
    EXPECT_EQ(Entries(), QStringList{"Only"});
    Click(Sheet().MySuDoKusDeleteBtn);
    EXPECT_EQ(Answers->Questions, (QStringList{"Delete \"Only\"?", "Delete \"Only\"?"}));
    EXPECT_TRUE(Entries().isEmpty());
    EXPECT_TRUE(Details().isEmpty());
    EXPECT_EQ(ReadSectionNamesOfFile(Library()), Names{"Other@Only"});
    EXPECT_FALSE(Sheet().MySuDoKusDeleteBtn->isEnabled());
    EXPECT_FALSE(Sheet().MySuDoKusExportAllBtn->isEnabled());
    EXPECT_TRUE(Sheet().MySuDoKusRestoreAllBtn->isEnabled());
}

TEST_F(LibraryWindow, EntriesOpenOnPlayNSolveToContinueOrReplayAndOnEnterNDesign) {
    TSuDoKuFileData game;
    game.M1 = Hex(ClassicSolution);
    game.M2 = Hex(Classic);
    std::string played = Classic;
    played[2] = '4'; // one entry of the player
    game.M3 = Hex(played);
    game.Tpt = 10.0 / 1440;
    game.S = 1;
    Store(Mine("Game"), game);
    TPlayNSolveBinding& play = PlayNSolvePage(*Form);
    const auto entry = [&play] { return play.Page().State().CellText(3, 1); };

    Form->MySuDoKusBtnClick();
    Click(Sheet().MySuDoKusPlayNSolveBtn);
    EXPECT_EQ(Form->ActivePageName(), "Play & Solve");
    EXPECT_EQ(Form->Shared.SuDoKuState, sfPlaying);
    EXPECT_EQ(entry(), "4");
    EXPECT_DOUBLE_EQ(play.Page().Record().Tpt, 10.0 / 1440);

    Form->MySuDoKusBtnClick();
    Select("Game");
    Click(Sheet().MySuDoKusReplayNSolveBtn);
    EXPECT_EQ(Form->Shared.SuDoKuState, sfPlaying);
    EXPECT_EQ(entry(), "");
    EXPECT_EQ(play.Page().Record().Tpt, 0);
    EXPECT_DOUBLE_EQ(play.Page().Record().Tpts, Form->Clock().NowDays());
    EXPECT_EQ(play.Page().Record().Sr, 1);

    Form->MySuDoKusBtnClick();
    Click(Sheet().MySuDoKusEnterNDesignBtn);
    EXPECT_EQ(Form->ActivePage(), TMainForm::pgEnterNDesign);
    TEnterNDesignPage& design = EnterNDesignPage(*Form).Page();
    EXPECT_TRUE(HasFlag(Form->Shared.SuDoKuState, sfDesigning));
    EXPECT_EQ(design.Record().Name, Mine("Game"));
    EXPECT_EQ(design.Board().Grid().ValuesToHex(design.Board().SolutionValues), game.M1);
}

TEST_F(LibraryWindow, ExportImportAndExportAllMoveWholeSectionsOfTheUser) {
    TSuDoKuFileData zeta;
    zeta.Sn = 1;
    Store(Mine("Zeta"), zeta);
    Store("Other@Mine");
    Store(Mine("Alpha"));
    TProfileFile::WriteFileString(Library(), Mine("Alpha"), "Future", "42"); // unknown key
    Form->MySuDoKusBtnClick();

    Select("Alpha");
    const fs::path one = Dir / "one.rsf";
    Put(one, "[Old@Section]\r\nk=v\r\n");
    ChooseFile(one);
    Click(Sheet().MySuDoKusExportBtn);
    EXPECT_EQ(ReadSectionNamesOfFile(one.string()), Names{Mine("Alpha")});
    const TFileDialogRequest& asked = Answers->FileRequests.at(0);
    EXPECT_TRUE(asked.Save);
    EXPECT_EQ(asked.Title, "Export SuDoku puzzle");
    EXPECT_EQ(asked.Folder.toStdString(), Dir.string());
    EXPECT_EQ(asked.FileName, "sudoku.rsf");
    EXPECT_EQ(asked.Filters,
              (QStringList{"Sudoku Atelier File (*.rsf)", "Puzzle lines (*.txt *.sdm)"}));

    for (int round = 0; round < 2; ++round) { // the second import replaces the first
        ChooseFile(one);
        Click(Sheet().MySuDoKusImportBtn);
    }
    EXPECT_EQ(Answers->FileRequests.at(1).Title, "Import SuDoku puzzle(s)");
    EXPECT_FALSE(Answers->FileRequests.at(1).Save);
    EXPECT_EQ(Entries(), (QStringList{"Alpha", "Imports Alpha", "Zeta"}));
    TSuDoKuFileData imported;
    ASSERT_TRUE(ReadSuDoKuFileData(Library(), Mine("Imports Alpha"), imported));
    EXPECT_EQ(imported.Name, Mine("Imports Alpha"));
    EXPECT_EQ(imported.O, orImported);
    EXPECT_EQ(TProfileFile::ReadFileString(Library(), Mine("Imports Alpha"), "Future", ""), "42");

    const fs::path all = Dir / "all.rsf";
    ChooseFile(all);
    Click(Sheet().MySuDoKusExportAllBtn);
    EXPECT_EQ(Answers->FileRequests.back().FileName, "sudokus.rsf");
    EXPECT_EQ(ReadSectionNamesOfFile(all.string()),
              (Names{Mine("Zeta"), Mine("Alpha"), Mine("Imports Alpha")}));
    // As puzzle lines: one line of givens per puzzle.
    const fs::path lines = Dir / "all.txt";
    ChooseFile(lines, 1);
    Click(Sheet().MySuDoKusExportAllBtn);
    const std::string empty = std::string(81, '.') + "\n";
    EXPECT_EQ(Contents(lines), empty + empty + empty);
}

TEST_F(LibraryWindow, BackupKeepsWhatWasDeletedAndRestoreBringsItBack) {
    Store(Mine("One"));
    Store("Other@Three");
    Store(Mine("Two"));
    const fs::path backup = Dir / "sudoku.bak";
    Form->MySuDoKusBtnClick();
    Answers->YesNo = {true};
    Click(Sheet().MySuDoKusBackupAllBtn);
    EXPECT_EQ(ReadSectionNamesOfFile(backup.string()), (Names{Mine("One"), Mine("Two")}));

    Select("Two");
    Answers->YesNo = {true, true, false, true};
    Click(Sheet().MySuDoKusDeleteBtn);
    Click(Sheet().MySuDoKusBackupAllBtn); // rewrites "One", keeps "Two"
    EXPECT_EQ(ReadSectionNamesOfFile(backup.string()), (Names{Mine("Two"), Mine("One")}));
    Click(Sheet().MySuDoKusRestoreAllBtn); // No
    EXPECT_EQ(Entries(), QStringList{"One"});
    Click(Sheet().MySuDoKusRestoreAllBtn);
    EXPECT_EQ(Entries(), (QStringList{"One", "Two"}));
    EXPECT_EQ(Answers->Questions.front(), "Create a backup off all SuDoku puzzles? A previous "
                                          "backup will be overwritten.");
    EXPECT_EQ(Answers->Questions.back(), "Restore SuDoku puzzles from latest backup? Current "
                                         "SuDoku puzzles will be overwritten.");
    EXPECT_EQ(Answers->Captions.back(), "Yes|No");
}

TEST_F(LibraryWindow, FailedWritesLeaveTheirTargetAsItWasAndSaySo) {
    Store(Mine("One"));
    Store("Other@Keep"); // what a delete leaves is more than the few bytes allowed
    const fs::path backup = Dir / "sudoku.bak";
    const fs::path old = Dir / "old.rsf";
    const struct {
        const char* What;
        TBaseBtn* TMySuDoKusSheet::*Button;
        fs::path Target;
    } cases[] = {{"export", &TMySuDoKusSheet::MySuDoKusExportBtn, old},
                 {"export all", &TMySuDoKusSheet::MySuDoKusExportAllBtn, old},
                 {"backup", &TMySuDoKusSheet::MySuDoKusBackupAllBtn, backup},
                 {"restore", &TMySuDoKusSheet::MySuDoKusRestoreAllBtn, Library()},
                 {"delete", &TMySuDoKusSheet::MySuDoKusDeleteBtn, Library()},
                 {"rename", &TMySuDoKusSheet::MySuDoKusRenameBtn, Library()}};
    Form->MySuDoKusBtnClick();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        Put(backup, "[" + Mine("Two") + "]\r\nL=1\r\n");
        Put(old, "[Old@Section]\r\nk=v\r\n");
        const std::string before = Contents(c.Target);
        Answers->Files.clear();
        ChooseFile(old);
        Answers->YesNo = {true};
        Answers->Texts = {"New name"};
        Answers->Questions.clear();
        {
            const TFileSizeLimit limit;
            Click(Sheet().*c.Button);
        }
        EXPECT_EQ(Contents(c.Target), before);
        EXPECT_EQ(Answers->Questions.value(Answers->Questions.size() - 1).toStdString(),
                  "Unable to write to " + c.Target.string());
        EXPECT_EQ(Entries(), QStringList{"One"});
    }
}

TEST_F(LibraryWindow, ImportReadsWindows1252AndLinesEndedEitherWay) {
    const fs::path legacy = Dir / "legacy.rsf";
    Put(legacy, "[Someone@Caf\xE9 cr\xE8me]\r\nName=Someone@Caf\xE9 cr\xE8me\r\nL=1\r\n"
                "[Someone@\x80 Euro]\r\nL=2\r\n"
                "[Someone@Plain]\nL=3\nNote=na\xEFve\n");
    ChooseFile(legacy);
    Form->MySuDoKusBtnClick();
    Click(Sheet().MySuDoKusImportBtn);
    EXPECT_EQ(Entries(),
              (QStringList{QString::fromUtf8("Imports Caf\xC3\xA9 cr\xC3\xA8me"), "Imports Plain",
                           QString::fromUtf8("Imports \xE2\x82\xAC Euro")}));
    EXPECT_TRUE(Details().contains("Level Normal"));
    EXPECT_EQ(TProfileFile::ReadFileString(Library(), Mine("Imports Plain"), "Note", ""),
              "na\xC3\xAFve");
    EXPECT_EQ(TProfileFile::ReadFileString(Library(), Mine("Imports \xE2\x82\xAC Euro"), "L", ""),
              "2");
}

TEST_F(LibraryWindow, PuzzleLinesImportWithAReportAndPlayWithTheirSolution) {
    const fs::path file = Dir / "puzzles.txt";
    Put(file, std::string(Classic) + "\n" +
                  "21..5.5..3.44.1..6..3...14..3.35..61\n" // 2 x 3 boxes
                  "5346789126721953..1983425678597614234268537917139248569615372..2874196353"
                  "45286179\n" // two solutions
                  "33..7....6..195....98....6.8...6...34..8.3..17...2...6.6....28....419..5...."
                  "8..79\n" // none
                  "not a puzzle\n");
    ChooseFile(file, 1);
    Form->MySuDoKusBtnClick();
    Click(Sheet().MySuDoKusImportBtn);
    const QString report = "puzzles.txt\n\nImported puzzles: 2\nLines without a solution: 1\n"
                           "Lines with several solutions: 1\nMalformed lines: 1";
    EXPECT_EQ(Answers->Questions, QStringList{report});
    EXPECT_EQ(Entries(), (QStringList{"Imports puzzles.txt 1", "Imports puzzles.txt 2"}));
    TMsgDlgBox box(Form.get());
    box.SetTexts(report, "Ok", QString());
    box.show();
    Screenshot(box, "library-import-report.png");
    box.hide();

    Click(Sheet().MySuDoKusPlayNSolveBtn);
    TPlayNSolveBinding& play = PlayNSolvePage(*Form);
    TPlayState& state = play.Page().State();
    ASSERT_EQ(Form->Shared.SuDoKuState, sfPlaying);
    for (int row = 1; row <= 9; ++row) {
        for (int col = 1; col <= 9; ++col) {
            const int value = ClassicSolution[(row - 1) * 9 + col - 1] - '0';
            ASSERT_EQ(state.SolutionValues[CellIndex(col, row)], value);
            if (!state.IsGiven(col, row)) {
                QTest::mouseClick(&play.Grid(), Qt::LeftButton, {},
                                  play.Grid().cellRect(col - 1, row - 1).center());
                QTest::keyClick(&play.Grid(), static_cast<Qt::Key>(Qt::Key_0 + value));
            }
        }
    }
    QApplication::processEvents();
    EXPECT_EQ(Form->Shared.SuDoKuState, sfSolved);
}

} // namespace
} // namespace sudoku
