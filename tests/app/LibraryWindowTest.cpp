// The My SuDoKus page in the window as the program composes it, headless: the list and its
// details, rename, delete, import, export, backup, restore and failed writes through answered
// questions and file dialogs, and puzzle lines imported and played.
#include "../library/ClassicPuzzle.h"
#include "../platform/TestFolder.h"
#include "TMsgDlgBox.h"
#include "TMySuDoKusBinding.h"
#include "TSuDoKuFileData.h"
#include "TSuDoKuGridWidget.h"
#include "WindowTestSupport.h"

#include <QLabel>
#include <QListWidget>

namespace sudoku {
namespace {

namespace fs = std::filesystem;
using Names = std::vector<std::string>;
using test::TTestFolder;

class LibraryWindow : public test::AtelierWindowTest {
protected:
    TMySuDoKusSheet& Sheet() { return MySuDoKusPage(*Form).Sheet(); }
    void Store(const std::string& section, int entries = 0, TSuDoKuFileData rec = {}) {
        rec.Name = section;
        rec.Sn = entries;
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
    static void Put(const fs::path& file, const std::string& bytes) {
        TTestFolder::Put(file.string(), bytes);
    }
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
    game.Sh = 7;
    game.Se = 12;
    game.Sr = 1;
    game.Sa = 1000;
    Store(Section("Breakfast"), 1234, game);
    Store("Other@Zeta");
    Store(Section("Train@8:15"));
    Store(Section("autumn evening"));
    Store(Form->Shared.UserName + "x@Hidden");
    Store(Section("December 5 2026 17:45:15"));

    Form->MySuDoKusBtnClick();
    EXPECT_EQ(Entries(), (QStringList{"autumn evening", "Breakfast", "December 5 2026 17:45:15",
                                      "Train@8:15"}));
    Select("Breakfast");
    EXPECT_EQ(Details(), "Created December 5 2026 17:45:15\n"
                         "Level Skilled 2x3  (Time Limit 01:30:15)\n"
                         "Time Played 00:05:07\n"
                         "Origin Self Designed (imported)\n"
                         "Status \n\n"
                         "1234 Entries      \t  0 Pauses       \t  7 Hints        \n"
                         " 12 Errors       \t  1 Restarts     \t1000 Alternatives ");
    Screenshot("library-details.png");
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
    const std::string user = Form->Shared.UserName;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.What);
        fs::remove(Library());
        Store(Section("apple"), 1);
        Store("Other@apple");
        Store(Section("Banana"), 2);
        Form->MySuDoKusBtnClick();
        Select("apple");
        Answers->Questions.clear();
        Answers->Texts = {c.Answer};
        Answers->YesNo = {c.Yes};
        Click(Sheet().MySuDoKusRenameBtn);

        EXPECT_EQ(Entries(), c.Entries);
        Names sections;
        for (const std::string& s : ReadSectionNamesOfFile(Library()))
            if (BelongsToUser(s, user))
                sections.push_back(DisplayNameOf(s));
        EXPECT_EQ(sections, c.Sections);
        EXPECT_TRUE(SectionExistsInFile(Library(), "Other@apple"));
        if (std::string(c.What).starts_with("onto")) {
            EXPECT_EQ(Answers->Questions.value(1),
                      "\"banana\" already exists, overwrite existing SuDoKu?");
        }
        // The renamed puzzle is selected and shown under its name.
        const std::string selected = Sheet().MySuDoKusList->currentItem()->text().toStdString();
        TSuDoKuFileData rec;
        ASSERT_TRUE(ReadSuDoKuFileData(Library(), Section(selected), rec));
        EXPECT_EQ(rec.Name, Section(selected));
        EXPECT_EQ(rec.Sn, 1);
        EXPECT_TRUE(Details().startsWith("Created "));
        ASSERT_TRUE(ReadSuDoKuFileData(Library(), Section("Banana"), rec));
        EXPECT_EQ(rec.Sn, c.BananaEntries);
    }
}

TEST_F(LibraryWindow, ExportImportAndExportAllMoveWholeSectionsOfTheUser) {
    Store(Section("Zeta"), 1);
    Store("Other@Mine");
    Store(Section("Alpha"));
    TProfileFile::WriteFileString(Library(), Section("Alpha"), "Future", "42"); // unknown key
    Form->MySuDoKusBtnClick();

    Select("Alpha");
    const fs::path one = Dir / "one.rsf";
    Put(one, "[Old@Section]\r\nk=v\r\n");
    ChooseFile(one);
    Click(Sheet().MySuDoKusExportBtn);
    EXPECT_EQ(ReadSectionNamesOfFile(one.string()), Names{Section("Alpha")});
    EXPECT_TRUE(Answers->FileRequests.at(0).Save);
    EXPECT_EQ(Answers->FileRequests.at(0).Folder.toStdString(), Dir.string());

    for (int round = 0; round < 2; ++round) { // the second import replaces the first
        ChooseFile(one);
        Click(Sheet().MySuDoKusImportBtn);
    }
    EXPECT_FALSE(Answers->FileRequests.at(1).Save);
    EXPECT_EQ(Entries(), (QStringList{"Alpha", "Imports Alpha", "Zeta"}));
    TSuDoKuFileData imported;
    ASSERT_TRUE(ReadSuDoKuFileData(Library(), Section("Imports Alpha"), imported));
    EXPECT_EQ(imported.Name, Section("Imports Alpha"));
    EXPECT_EQ(imported.O, orImported);
    EXPECT_EQ(TProfileFile::ReadFileString(Library(), Section("Imports Alpha"), "Future", ""),
              "42");

    const fs::path all = Dir / "all.rsf";
    ChooseFile(all);
    Click(Sheet().MySuDoKusExportAllBtn);
    EXPECT_EQ(ReadSectionNamesOfFile(all.string()),
              (Names{Section("Zeta"), Section("Alpha"), Section("Imports Alpha")}));
    // As puzzle lines: one line of givens per puzzle.
    const fs::path lines = Dir / "all.txt";
    ChooseFile(lines, 1);
    Click(Sheet().MySuDoKusExportAllBtn);
    const std::string empty = std::string(81, '.') + "\n";
    EXPECT_EQ(TTestFolder::Contents(lines.string()), empty + empty + empty);

    // Files of old are Windows-1252, their lines ended either way.
    const fs::path legacy = Dir / "legacy.rsf";
    Put(legacy, "[Someone@Caf\xE9 cr\xE8me]\r\nL=1\r\n[Someone@\x80 Euro]\r\nL=2\r\n"
                "[Someone@Plain]\nL=3\nNote=na\xEFve\n");
    ChooseFile(legacy);
    Click(Sheet().MySuDoKusImportBtn);
    EXPECT_EQ(Entries().mid(2, 3),
              (QStringList{QString::fromUtf8("Imports Caf\xC3\xA9 cr\xC3\xA8me"), "Imports Plain",
                           QString::fromUtf8("Imports \xE2\x82\xAC Euro")}));
    EXPECT_EQ(TProfileFile::ReadFileString(Library(), Section("Imports Plain"), "Note", ""),
              "na\xC3\xAFve");
}

TEST_F(LibraryWindow, DeleteBackupAndRestoreAskFirstAndRestoreBringsBackWhatWasDeleted) {
    Store(Section("One"));
    Store("Other@Three");
    Store(Section("Two"));
    const fs::path backup = Dir / "sudoku.bak";
    Form->MySuDoKusBtnClick();
    Answers->YesNo = {false, true};
    Click(Sheet().MySuDoKusBackupAllBtn); // No
    EXPECT_FALSE(fs::exists(backup));
    Click(Sheet().MySuDoKusBackupAllBtn);
    EXPECT_EQ(ReadSectionNamesOfFile(backup.string()), (Names{Section("One"), Section("Two")}));

    Select("Two");
    Answers->YesNo = {false, true, true, false, true};
    Click(Sheet().MySuDoKusDeleteBtn); // No
    EXPECT_EQ(Entries(), (QStringList{"One", "Two"}));
    Click(Sheet().MySuDoKusDeleteBtn);
    EXPECT_EQ(Entries(), QStringList{"One"});
    EXPECT_EQ(ReadSectionNamesOfFile(Library()), (Names{Section("One"), "Other@Three"}));
    Click(Sheet().MySuDoKusBackupAllBtn); // rewrites "One", keeps "Two"
    EXPECT_EQ(ReadSectionNamesOfFile(backup.string()), (Names{Section("Two"), Section("One")}));
    Click(Sheet().MySuDoKusRestoreAllBtn); // No
    EXPECT_EQ(Entries(), QStringList{"One"});
    Click(Sheet().MySuDoKusRestoreAllBtn);
    EXPECT_EQ(Entries(), (QStringList{"One", "Two"}));
    EXPECT_EQ(Answers->Questions.mid(2, 3),
              (QStringList{"Delete \"Two\"?", "Delete \"Two\"?",
                           "Create a backup off all SuDoku puzzles? A previous backup will be "
                           "overwritten."}));
    EXPECT_EQ(Answers->Questions.back(), "Restore SuDoku puzzles from latest backup? Current "
                                         "SuDoku puzzles will be overwritten.");
}

TEST_F(LibraryWindow, FailedWritesLeaveTheirTargetAsItWasAndSaySo) {
    Store(Section("One"));
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
        Put(backup, "[" + Section("Two") + "]\r\nL=1\r\n");
        Put(old, "[Old@Section]\r\nk=v\r\n");
        const std::string before = TTestFolder::Contents(c.Target.string());
        Answers->Files.clear();
        ChooseFile(old);
        Answers->YesNo = {true};
        Answers->Texts = {"New name"};
        {
            const test::TFileSizeLimit limit(64);
            Click(Sheet().*c.Button);
        }
        EXPECT_EQ(TTestFolder::Contents(c.Target.string()), before);
        EXPECT_EQ(Answers->Questions.last().toStdString(),
                  "Unable to write to " + c.Target.string());
        EXPECT_EQ(Entries(), QStringList{"One"});
    }
}

TEST_F(LibraryWindow, PuzzleLinesImportWithAReportAndPlayWithTheirSolution) {
    const fs::path file = Dir / "puzzles.txt";
    Put(file, std::string(test::Classic) + "\n" +
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

    Click(Sheet().MySuDoKusPlayNSolveBtn);
    TPlayNSolveBinding& play = PlayNSolvePage(*Form);
    TPlayState& state = play.Page().State();
    ASSERT_EQ(Form->Shared.SuDoKuState, sfPlaying);
    for (int row = 1; row <= 9; ++row) {
        for (int col = 1; col <= 9; ++col) {
            const int value = test::ClassicSolution[(row - 1) * 9 + col - 1] - '0';
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
