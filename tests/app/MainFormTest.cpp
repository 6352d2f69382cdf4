// The main window driven headless with stand-in pages around the real sheets: page buttons,
// the busy rule, the quit question in all its ways, window dragging, page changes that store
// and restore the last game and design, the title buttons, and the names and tags of every
// control.
#include "MainFormTestSupport.h"

#include "LanguageFileWriter.h"
#include "TAboutBox.h"
#include "TAppPaths.h"
#include "TBaseBtn.h"
#include "TBkControl.h"
#include "TFormBuilder.h"
#include "TScreenLayout.h"
#include "TransLtr.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QStackedWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

namespace sudoku::test {
namespace {

class MainFormTest : public ::testing::Test {
protected:
    // The shipped language file beside the program; the settings in a folder of the test's own.
    void SetUp() override {
        TAppPaths::SetFolders(TAppPaths::AppDir(), DataDir.path().toStdString());
        Make(TMainForm::shShowIntro | TMainForm::shShowFarewell);
    }
    void TearDown() override {
        Form.reset();
        TAppPaths::Reset();
    }

    void Make(std::uint8_t shellFlags) {
        Form = std::make_unique<TMainForm>(RecordingPages(Calls), shellFlags);
        auto answerer = std::make_unique<TQueuedAnswerer>();
        Answers = answerer.get();
        Form->SetDialogAnswerer(std::move(answerer));
        auto clock = std::make_unique<TInstantClock>();
        Clock = clock.get();
        Form->SetShellClock(std::move(clock));
        Form->SetWebPageOpener([this](const QString& address) {
            Opened << address;
            return true;
        });
        Form->show();
        QCoreApplication::processEvents();
        Calls.clear();
    }

    static void Click(QWidget* widget) {
        QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QCoreApplication::processEvents();
    }

    QString QuitQuestion() const {
        return QStringLiteral("Do you really want to close Sudoku Atelier?\n\nClick Yes to quit "
                              "and No to continue.");
    }

    QTemporaryDir DataDir;
    QStringList Calls; // what the shell asked of the pages
    std::unique_ptr<TMainForm> Form;
    TQueuedAnswerer* Answers = nullptr;
    TInstantClock* Clock = nullptr;
    QStringList Opened;
};

TEST_F(MainFormTest, PageButtonsShowTheirPages) {
    const struct {
        const char* Button;
        const char* Page;
        int Index;
    } cases[] = {{"EnterNDesignBtn", "Enter & Design", 1},
                 {"MySuDoKusBtn", "My SuDoKus", 2},
                 {"OptionsBtn", "Options", 3},
                 {"PlayNSolveBtn", "Play & Solve", 0},
                 {"OptionsBtn", "Options", 3},
                 {"MySuDoKusBtn", "My SuDoKus", 2}};
    EXPECT_EQ(Form->ActivePageName(), QStringLiteral("Play & Solve"));
    Form->Shared.SuDoKuState =
        sfPlaying | sfPaused; // a game in progress does not block the buttons
    for (const auto& c : cases) {
        Click(Form->findChild<QWidget*>(QString::fromLatin1(c.Button)));
        EXPECT_EQ(Form->ActivePageName(), QString::fromLatin1(c.Page)) << c.Button;
        EXPECT_EQ(Form->Pages->currentIndex(), c.Index) << c.Button;
    }
}

// A page may still call on the window while it goes: the pages go first, while the window's
// seams and the sheets the pages watch stand.
TEST_F(MainFormTest, PagesGoFirstWhileTheWindowAndItsSeamsStand) {
    class TClockThatSaysGone : public TInstantClock {
    public:
        explicit TClockThatSaysGone(bool& gone) : Gone(gone) {}
        ~TClockThatSaysGone() override { Gone = true; }

    private:
        bool& Gone;
    };
    class TLastLookPage : public TShellPage {
    public:
        TLastLookPage(const TMainForm& form, const bool& clockGone, std::vector<std::string>& seen)
            : Form(form), PageSheet(new QWidget(form.Pages)), ClockGone(clockGone), Seen(seen) {}
        ~TLastLookPage() override {
            Seen.push_back(
                std::string(Form.Pages->indexOf(PageSheet) >= 0 ? "in the notebook" : "no sheet") +
                (ClockGone ? ", no clock" : ", clock"));
        }
        QWidget& Sheet() override { return *PageSheet; }

    private:
        const TMainForm& Form;
        QWidget* PageSheet;
        const bool& ClockGone;
        std::vector<std::string>& Seen;
    };
    bool clockGone = false;
    std::vector<std::string> seen;
    Form = std::make_unique<TMainForm>(
        [&](TMainForm& form) {
            TMainForm::TPages pages;
            for (auto& page : pages)
                page = std::make_unique<TLastLookPage>(form, clockGone, seen);
            return pages;
        },
        0);
    Form->SetShellClock(std::make_unique<TClockThatSaysGone>(clockGone));
    Form.reset();
    EXPECT_EQ(seen, std::vector<std::string>(TMainForm::PageCount, "in the notebook, clock"));
}

TEST_F(MainFormTest, BusyRuleIgnoresPageAndTitleButtonsAndQuitting) {
    const TSuDoKuState busyStates[] = {sfThinking, sfLoading, sfValidating,
                                       sfThinking | sfDesigning};
    const char* buttons[] = {"EnterNDesignBtn", "MySuDoKusBtn", "OptionsBtn", "HelpBtn",
                             "InfoBtn",         "MinimizeBtn",  "HideBtn",    "QuitBtn"};
    for (TSuDoKuState state : busyStates) {
        Form->Shared.SuDoKuState = state;
        for (const char* name : buttons) {
            Click(Form->findChild<QWidget*>(QString::fromLatin1(name)));
            EXPECT_EQ(Form->Pages->currentIndex(), TMainForm::pgPlayNSolve) << name;
        }
        QTest::keyClick(Form.get(), Qt::Key_Insert);
        EXPECT_EQ(Form->Shared.SuDoKuState, state);
    }
    EXPECT_TRUE(Answers->Questions.isEmpty());
    EXPECT_TRUE(Opened.isEmpty());
    EXPECT_FALSE(Form->isMinimized());
    EXPECT_TRUE(Form->AboutBox == nullptr || !Form->AboutBox->isVisible());
    EXPECT_TRUE(Calls.isEmpty()) << Calls.join(QLatin1Char(';')).toStdString();
}

struct QuitWay {
    const char* Name;
    std::function<void(TMainForm&)> Trigger;
};

const QuitWay QuitWays[] = {
    {"quit button", [](TMainForm& f) { QTest::mouseClick(f.QuitBtn, Qt::LeftButton); }},
    {"x button", [](TMainForm& f) { QTest::mouseClick(f.HideBtn, Qt::LeftButton); }},
    {"Insert key", [](TMainForm& f) { QTest::keyClick(&f, Qt::Key_Insert); }},
    {"Insert key in a page control",
     [](TMainForm& f) {
         QTest::keyClick(f.findChild<QListWidget*>(QStringLiteral("MySuDoKusList")),
                         Qt::Key_Insert);
     }},
    {"Alt+F4", [](TMainForm& f) { QTest::keyClick(&f, Qt::Key_F4, Qt::AltModifier); }},
    {"window manager close", [](TMainForm& f) { f.close(); }},
};

TEST_F(MainFormTest, EveryWayOfQuittingAsksAndNoKeepsEverything) {
    Click(Form->MySuDoKusBtn);
    Calls.clear();
    const QPoint place = Form->pos();
    for (const QuitWay& way : QuitWays) {
        Answers->Questions.clear();
        Answers->Captions.clear();
        Answers->YesNo = {false};
        way.Trigger(*Form);
        QCoreApplication::processEvents();
        ASSERT_EQ(Answers->Questions.size(), 1) << way.Name;
        EXPECT_EQ(Answers->Questions.front(), QuitQuestion()) << way.Name;
        EXPECT_EQ(Answers->Captions.front(), QStringLiteral("Yes|No")) << way.Name;
        EXPECT_TRUE(Form->isVisible()) << way.Name;
        EXPECT_EQ(Form->pos(), place) << way.Name;
        EXPECT_EQ(Form->Pages->currentIndex(), TMainForm::pgMySuDoKus) << way.Name;
        EXPECT_TRUE(Form->Timer->isActive()) << way.Name;
        EXPECT_FALSE(Form->AltF4Pressed) << way.Name;
    }
    EXPECT_TRUE(Calls.isEmpty()) << Calls.join(QLatin1Char(';')).toStdString();
    EXPECT_TRUE(Clock->Delays.empty());
}

TEST_F(MainFormTest, InsertWithAModifierAndF4WithoutAltDoNotQuit) {
    QTest::keyClick(Form.get(), Qt::Key_Insert, Qt::ShiftModifier);
    QTest::keyClick(Form.get(), Qt::Key_Insert, Qt::ControlModifier);
    QTest::keyClick(Form.get(), Qt::Key_F4);
    QCoreApplication::processEvents();
    EXPECT_TRUE(Answers->Questions.isEmpty());
    EXPECT_FALSE(Form->AltF4Pressed);
    EXPECT_TRUE(Form->isVisible());
}

TEST_F(MainFormTest, YesHidesShowsTheFarewellForTwoSecondsThenClosesAndSaves) {
    for (const QuitWay& way : QuitWays) {
        Make(TMainForm::shShowIntro | TMainForm::shShowFarewell);
        Answers->YesNo = {true};
        way.Trigger(*Form);
        QCoreApplication::processEvents();
        EXPECT_FALSE(Form->isVisible()) << way.Name;
        EXPECT_EQ(Clock->Delays, std::vector<int>{2000}) << way.Name;
        ASSERT_NE(Form->AboutBox, nullptr) << way.Name;
        EXPECT_FALSE(Form->AboutBox->isVisible()) << way.Name;
        EXPECT_FALSE(Form->AboutBox->HideBtn->isVisible()) << way.Name;
        EXPECT_FALSE(Form->Timer->isActive()) << way.Name;
        EXPECT_EQ(Calls, QStringList{QStringLiteral("SaveOptions")}) << way.Name;
    }
}

TEST_F(MainFormTest, WithoutTheFarewellBitQuittingDoesNotWait) {
    Make(TMainForm::shShowIntro);
    Answers->YesNo = {true};
    Click(Form->QuitBtn);
    EXPECT_FALSE(Form->isVisible());
    EXPECT_TRUE(Clock->Delays.empty());
    EXPECT_EQ(Form->AboutBox, nullptr);
}

TEST_F(MainFormTest, CloseIsRefusedWhileThinkingEvenWhenRequestedByASecondStart) {
    Form->Shared.SuDoKuState = sfThinking;
    Form->CloseRunning();
    QCoreApplication::processEvents();
    EXPECT_TRUE(Form->isVisible());
    EXPECT_TRUE(Answers->Questions.isEmpty());
    Form->Shared.SuDoKuState = 0;
    Form->CloseRunning();
    EXPECT_FALSE(Form->isVisible());
    EXPECT_TRUE(Answers->Questions.isEmpty()) << "an uninstall closes without asking";
    EXPECT_EQ(Calls, QStringList{QStringLiteral("SaveOptions")});
}

TEST_F(MainFormTest, QuitAtFirstActivationAsksOnceWhenStartedWithSlashS) {
    Make(TMainForm::shShowIntro | TMainForm::shShowFarewell | TMainForm::shQuitAtActivate);
    Answers->YesNo = {false};
    Form->FormActivate();
    Form->FormActivate();
    EXPECT_EQ(Answers->Questions, QStringList{QuitQuestion()});
    EXPECT_EQ(Form->ShellFlags & TMainForm::shQuitAtActivate, 0);
    EXPECT_NE(Form->ShellFlags & TMainForm::shCreated, 0);
}

TEST_F(MainFormTest, QuitQuestionComesFromTheLanguageInForce) {
    QTemporaryDir dir;
    const std::filesystem::path file = dir.filePath(QStringLiteral("SuDoku.lng")).toStdString();
    LanguageFileWriter writer;
    writer.AddTable("Contents", {"iCountry", "sCountry", "sLanguage"},
                    {{"44", "English", "en"}, {"31", "Nederlands", "nl"}});
    writer.AddTable(
        "MainForm (Nederlands)", {"Tag", "Caption", "Hint"},
        {{"1110", "Wilt u Sudoku Atelier echt sluiten?", ""}, {"22", "Ja", ""}, {"23", "Nee", ""}});
    ASSERT_TRUE(writer.Write(file));
    const auto oldFile = TransLtr::LanguageFileName();
    const int oldLanguage = TransLtr::LngID();
    TransLtr::SetLanguageFileName(file);
    TransLtr::SetLngID(TransLtr::Dutch);
    Answers->YesNo = {false};
    Click(Form->QuitBtn);
    TransLtr::SetLngID(oldLanguage);
    TransLtr::SetLanguageFileName(oldFile);
    ASSERT_EQ(Answers->Questions.size(), 1);
    // A missing row keeps its English text.
    EXPECT_EQ(Answers->Questions.front(),
              QStringLiteral("Wilt u Sudoku Atelier echt sluiten?\n\nClick Yes to quit and No "
                             "to continue."));
    EXPECT_EQ(Answers->Captions.front(), QStringLiteral("Ja|Nee"));
}

TEST_F(MainFormTest, OnlyTheBackgroundAndTheTitleLineDragTheWindow) {
    // Press, move with or without the left button held, release.
    const struct {
        const char* Source;
        bool Held, Moves;
    } cases[] = {{"Background", true, true},
                 {"CaptionLbl", true, true},
                 {"Background", false, false},
                 {"PlayNSolveBtn", true, false},
                 {"HelpBtn", true, false},
                 {"Pages", true, false},
                 {"PlayNSolveSuDoKuGrid", true, false}};
    for (const auto& c : cases) {
        auto* source = Form->findChild<QWidget*>(QString::fromLatin1(c.Source));
        ASSERT_NE(source, nullptr) << c.Source;
        const QPoint before = Form->pos();
        const QPoint local(6, 6);
        const QPoint global = source->mapToGlobal(local);
        const QPoint step(30, 20);
        QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(source, &press);
        QMouseEvent move(QEvent::MouseMove, local + step, global + step, Qt::NoButton,
                         c.Held ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(source, &move);
        QMouseEvent release(QEvent::MouseButtonRelease, local + step, global + step, Qt::LeftButton,
                            Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(source, &release);
        EXPECT_EQ(Form->pos(), c.Moves ? before + step : before) << c.Source;
        EXPECT_FALSE(Form->Dragging) << c.Source;
    }
}

TEST_F(MainFormTest, LeavingAPageStoresItsGameOrDesignAndEnteringLoadsIt) {
    const QString file = QString::fromStdString(Form->Shared.SettingsFile);
    const QString play =
        QString::fromStdString(Form->Shared.UserName) + QStringLiteral(".Last_PlayNSolve");
    const QString design =
        QString::fromStdString(Form->Shared.UserName) + QStringLiteral(".Last_EnterNDesign");
    ASSERT_TRUE(file.endsWith(QStringLiteral("sudokus.ini")));

    Form->Shared.SuDoKuState = sfPlaying | sfPaused;
    Click(Form->OptionsBtn);
    EXPECT_EQ(Form->Shared.SuDoKuState, 0);
    Click(Form->PlayNSolveBtn);
    Click(Form->PlayNSolveBtn); // already showing: nothing is loaded again
    Form->Shared.SuDoKuState = sfSolved;
    Click(Form->EnterNDesignBtn);
    Form->Shared.SuDoKuState = sfDesigning | sfDesignMode;
    Click(Form->MySuDoKusBtn);
    Click(Form->EnterNDesignBtn);

    const QStringList expected = {QStringLiteral("PlayNSolveSave(%1,%2,0)").arg(file, play),
                                  QStringLiteral("PlayNSolveLoad(%1,%2)").arg(file, play),
                                  QStringLiteral("PlayNSolveSave(%1,%2,0)").arg(file, play),
                                  QStringLiteral("EnterNDesignLoad(%1,%2)").arg(file, design),
                                  QStringLiteral("EnterNDesignSave(%1,%2,0)").arg(file, design),
                                  QStringLiteral("FillMySuDoKusList"),
                                  QStringLiteral("EnterNDesignLoad(%1,%2)").arg(file, design)};
    EXPECT_EQ(Calls, expected);
    EXPECT_EQ(Form->Shared.SuDoKuState, 0);
}

TEST_F(MainFormTest, ChangingPagesWithoutAGameStoresNothing) {
    Form->Shared.SuDoKuState = sfPaused | sfSaving;
    Click(Form->OptionsBtn);
    EXPECT_EQ(Calls, QStringList{});
    EXPECT_EQ(Form->Shared.SuDoKuState, sfPaused | sfSaving);
}

TEST_F(MainFormTest, HelpAndTheMakersButtonOpenTheShippedPagesAndMinimise) {
    Click(Form->HelpBtn);
    ASSERT_EQ(Opened.size(), 1);
    EXPECT_TRUE(Opened[0].startsWith(QStringLiteral("file://")));
    EXPECT_TRUE(Opened[0].endsWith(QStringLiteral("/help/index.html")));
    EXPECT_TRUE(Form->isMinimized());
    Form->ShowRunning();
    EXPECT_FALSE(Form->isMinimized());
    Click(Form->MarlbrookSBtn);
    ASSERT_EQ(Opened.size(), 2);
    EXPECT_TRUE(Opened[1].endsWith(QStringLiteral("/help/about.html")));
    EXPECT_TRUE(Form->isMinimized());
}

TEST_F(MainFormTest, InfoButtonShowsOneAboutWindowWithItsCloseButtons) {
    Click(Form->InfoBtn);
    ASSERT_NE(Form->AboutBox, nullptr);
    TAboutBox* first = Form->AboutBox.get();
    EXPECT_TRUE(first->isVisible());
    EXPECT_TRUE(first->HideBtn->isVisible());
    Click(first->HideBtn);
    EXPECT_FALSE(first->isVisible());
    Click(Form->InfoBtn);
    EXPECT_EQ(Form->AboutBox.get(), first);
    EXPECT_TRUE(first->isVisible());
    first->close();
}

TEST_F(MainFormTest, WindowHasTheBaseLayoutAndTitles) {
    EXPECT_EQ(TScreenLayout::BaseGeometry(Form.get()).size(), QSize(568, 405));
    EXPECT_EQ(Form->width(), Form->ScaleValue(568));
    EXPECT_EQ(Form->windowTitle(), QStringLiteral("Sudoku Atelier 1.0"));
    EXPECT_EQ(Form->CaptionLbl->text(), QStringLiteral("Sudoku Atelier 1.0 - ") +
                                            QString::fromStdString(Form->Shared.UserName));
    EXPECT_TRUE(Form->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(Form->palette().color(QPalette::Window), QColor(0xFF, 0xFF, 0xF2));
    EXPECT_EQ(TScreenLayout::BaseGeometry(Form->Pages), QRect(157, 94, 401, 301));
    EXPECT_EQ(TScreenLayout::BaseGeometry(Form->QuitBtn), QRect(15, 363, 120, 35));
    EXPECT_EQ(TScreenLayout::BaseGeometry(Form->HideBtn), QRect(551, 2, 14, 14));
    EXPECT_EQ(Form->Timer->interval(), 1000);
    EXPECT_TRUE(Form->Timer->isActive());
}

QString CaptionOf(const QWidget* widget) {
    if (const auto* button = qobject_cast<const TBaseBtn*>(widget))
        return button->Caption();
    if (const auto* label = qobject_cast<const QLabel*>(widget))
        return label->text();
    if (const auto* box = qobject_cast<const QCheckBox*>(widget))
        return box->text();
    return {};
}

TEST_F(MainFormTest, EveryControlCarriesItsNameTagCaptionAndIdleState) {
    // Tags key the translations; a sample from every page and kind of control.
    const std::tuple<const char*, int, const char*> tagged[] = {
        {"PlayNSolveBtn", 500, "Play & Solve"},
        {"QuitBtn", 900, "Quit"},
        {"PlayNSolveUndoBtn", 546, "Undo"},
        {"PlayNSolveAlternativesLbl", 565, "Alternatives"},
        {"PlayNSolveFileNameLbl", 0, ""},
        {"EnterNDesignCheckPuzzleBtn", 647, "Check Puzzle"},
        // Translated by its tag; the real page writes the design's state over it.
        {"EnterNDesignValidateLbl", 670, "Validating..."},
        {"MySuDoKusHeaderLbl", 710, "My SuDokus"},
        {"MySuDoKusReplayNSolveBtn", 750, "Replay & Solve"},
        {"OptionsBackgroundColor", 0, "ABC abc 1 2 3"},
        {"OptionsContrastPuzzleChkBox", 832, "Contrast Puzzle"},
        {"OptionsShowProgramShortcutOnDesktopChkBox", 870, "Show Shortcut On Desktop"},
        {"OptionsLevelList", 860, ""},
        {"OptionsScreenModeList", 886, ""},
        {"OptionsDefaultOptionsBtn", 890, "Default Options"}};
    for (const auto& [name, tag, caption] : tagged) {
        const auto matches = Form->findChildren<QWidget*>(QString::fromLatin1(name));
        ASSERT_EQ(matches.size(), 1) << name;
        EXPECT_EQ(TFormBuilder::Tag(matches.front()), tag) << name;
        EXPECT_EQ(CaptionOf(matches.front()), QString::fromLatin1(caption)) << name;
    }
    // With no game and an empty library exactly these controls are disabled.
    const QStringList disabled = {
        "PlayNSolveSaveBtn",         "PlayNSolvePauseBtn",          "PlayNSolvePrintBtn",
        "PlayNSolveClipboardBtn",    "PlayNSolveRestartBtn",        "PlayNSolveUndoBtn",
        "PlayNSolveRedoBtn",         "PlayNSolveHintBtn",           "PlayNSolveErrorsBtn",
        "PlayNSolveSolutionBtn",     "PlayNSolveAlternativesLbl",   "EnterNDesignSaveBtn",
        "EnterNDesignPlayNSolveBtn", "EnterNDesignPrintBtn",        "EnterNDesignClipboardBtn",
        "EnterNDesignModeBtn",       "EnterNDesignCheckPuzzleBtn",  "EnterNDesignPuzzleBtn",
        "EnterNDesignCompleteBtn",   "EnterNDesignAlternativesLbl", "MySuDoKusRenameBtn",
        "MySuDoKusDeleteBtn",        "MySuDoKusExportBtn",          "MySuDoKusExportAllBtn",
        "MySuDoKusPlayNSolveBtn",    "MySuDoKusReplayNSolveBtn",    "MySuDoKusEnterNDesignBtn",
        "MySuDoKusBackupAllBtn"};
    int controls = 0;
    for (const QWidget* widget : Form->findChildren<QWidget*>()) {
        const QRect base = TScreenLayout::BaseGeometry(widget);
        if (!base.isValid() || widget->objectName().isEmpty())
            continue;
        ++controls;
        const std::string name = widget->objectName().toStdString();
        EXPECT_EQ(widget->isEnabled(), !disabled.contains(widget->objectName())) << name;
        // Every control lies inside its parent at the base layout.
        const QRect parentBase = TScreenLayout::BaseGeometry(widget->parentWidget());
        if (parentBase.isValid()) {
            EXPECT_TRUE(QRect(QPoint(0, 0), parentBase.size()).contains(base)) << name;
        }
    }
    EXPECT_GE(controls, 78);
}

TEST_F(MainFormTest, PageAreaButtonsAreSmallAndDoNotOverlap) {
    const auto buttons = Form->Pages->findChildren<TBaseBtn*>();
    EXPECT_EQ(buttons.size(), 36);
    for (const TBaseBtn* a : buttons) {
        EXPECT_EQ(TScreenLayout::BaseGeometry(a).size(), QSize(85, 15))
            << a->objectName().toStdString();
        for (const TBaseBtn* b : buttons) {
            if (a != b && a->parentWidget() == b->parentWidget()) {
                EXPECT_FALSE(
                    TScreenLayout::BaseGeometry(a).intersects(TScreenLayout::BaseGeometry(b)))
                    << a->objectName().toStdString() << " / " << b->objectName().toStdString();
            }
        }
    }
}

} // namespace
} // namespace sudoku::test
