// The Options page in the window as the program composes it, headless: each control changes
// the settings record and both puzzle grids; level presets and the ruler box; default options;
// settings across a restart and per login name; foreign sections kept byte for byte; the
// desktop launcher; every language on every text and caption fitting at every screen size.
// With SUDOKU_SCREENSHOT_DIR set, the page is photographed in each language.
#include "LanguageCache.h"
#include "LanguageTable.h"
#include "TAboutBox.h"
#include "TBaseBtn.h"
#include "TEnterNDesignBinding.h"
#include "TFormBuilder.h"
#include "TLoginName.h"
#include "TMsgDlgBox.h"
#include "TOptionsBinding.h"
#include "TPlayNSolveBinding.h"
#include "TSuDoKuGridWidget.h"
#include "TSuDoKuGridsPopupMenu.h"
#include "TransLtr.h"
#include "WindowTestSupport.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QStackedWidget>
#include <QTest>
#include <QTimeEdit>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace sudoku {
namespace {

std::string Contents(const std::string& fileName) {
    std::ifstream in(fileName, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

class OptionsPageTest : public test::AtelierWindowTest {
public: // the cases of a table reach into the fixture
    // The shipped language file beside the program; settings and the desktop in the test's
    // folder.
    OptionsPageTest() { ShippedLanguage = true; }
    using AtelierWindowTest::Answers;
    using AtelierWindowTest::Form;
    void SetUp() override {
        AtelierWindowTest::SetUp();
        Home = qgetenv("HOME");
        qputenv("HOME", Temp.path().toUtf8());
        Open();
    }
    void TearDown() override {
        AtelierWindowTest::TearDown();
        qputenv("HOME", Home);
    }

    void Open() {
        OpenWindow(std::make_unique<test::TInstantClock>());
        Form->OptionsBtnClick();
        QApplication::processEvents();
    }
    // Quitting saves the settings; the next start reads them.
    void Restart() {
        Form->CloseRunning();
        Form.reset();
        Open();
    }

    TOptionsSheet& Sheet() { return OptionsPage(*Form).Sheet(); }
    TSuDoKuData& Record() { return Form->Shared.Options; }
    TSuDoKuGridWidget& PlayGrid() { return PlayNSolvePage(*Form).Grid(); }
    TSuDoKuGridWidget& DesignGrid() {
        return *Form->findChild<TSuDoKuGridWidget*>(QStringLiteral("EnterNDesignSuDoKuGrid"));
    }
    std::string File() { return Form->Shared.SettingsFile; }
    void ChooseLanguage(const QString& name) {
        QComboBox* list = Sheet().OptionsLanguageList;
        list->setCurrentIndex(list->findText(name));
        QApplication::processEvents(); // the change is queued
    }
    std::string Launcher() const {
        return Temp.filePath("Desktop/sudoku-atelier.desktop").toStdString();
    }

    QByteArray Home;
};

TEST_F(OptionsPageTest, EachControlChangesTheRecordAndBothGrids) {
    // Settings that change what a grid draws: the control, the record and the grids after it.
    const struct {
        const char* Name;
        std::function<void(OptionsPageTest&)> Change;
        std::function<bool(const TSuDoKuData&)> InRecord;
        std::function<bool(const TGridLook&)> OnGrid;
    } cases[] = {
        {"background",
         [](OptionsPageTest& t) {
             t.Answers->Colours = {QColor(0x10, 0x20, 0x30)};
             Click(t.Sheet().OptionsBackgroundColorBtn);
         },
         [](const TSuDoKuData& o) { return o.BackgroundColor == 0x302010; },
         [](const TGridLook& l) { return l.BackgroundColor == QColor(0x10, 0x20, 0x30); }},
        {"contrast",
         [](OptionsPageTest& t) {
             t.Answers->Colours = {QColor(0x40, 0x50, 0x60)};
             Click(t.Sheet().OptionsContrastColorBtn);
         },
         [](const TSuDoKuData& o) { return o.ContrastColor == 0x605040; },
         [](const TGridLook& l) { return l.ContrastColor == QColor(0x40, 0x50, 0x60); }},
        {"ruler",
         [](OptionsPageTest& t) {
             t.Answers->Colours = {QColor(0x70, 0x80, 0x90)};
             Click(t.Sheet().OptionsRulerColorBtn);
         },
         [](const TSuDoKuData& o) { return o.RulerColor == 0x908070; },
         [](const TGridLook& l) { return l.RulerColor == QColor(0x70, 0x80, 0x90); }},
        {"cancelled colour", [](OptionsPageTest& t) { Click(t.Sheet().OptionsBackgroundColorBtn); },
         [](const TSuDoKuData& o) { return o.BackgroundColor == 0xFFFFFF; },
         [](const TGridLook& l) { return l.BackgroundColor == QColor(Qt::white); }},
        {"font",
         [](OptionsPageTest& t) {
             t.Answers->Fonts = {TFontChoice{QStringLiteral("DejaVu Serif"), QColor(0, 0x80, 0)}};
             Click(t.Sheet().OptionsFontBtn);
         },
         [](const TSuDoKuData& o) { return o.FontName == "DejaVu Serif" && o.FontColor == 0x8000; },
         [](const TGridLook& l) {
             return l.FontName == "DejaVu Serif" && l.FontColor == QColor(0, 0x80, 0);
         }},
        {"contrast puzzle",
         [](OptionsPageTest& t) { t.Sheet().OptionsContrastPuzzleChkBox->setChecked(true); },
         [](const TSuDoKuData& o) { return o.ContrastPuzzle; },
         [](const TGridLook& l) { return l.ContrastPuzzle; }},
        {"ruler hidden",
         [](OptionsPageTest& t) { t.Sheet().OptionsShowRulerChkBox->setChecked(false); },
         [](const TSuDoKuData& o) { return (o.SolveOptions & soRuler) == 0; },
         [](const TGridLook& l) { return !l.ShowRuler; }},
        {"1024 x 768",
         [](OptionsPageTest& t) { t.Sheet().OptionsScreenModeList->setCurrentIndex(4); },
         [](const TSuDoKuData& o) { return o.ScreenSize == 4; },
         [](const TGridLook& l) { return l.ValueFontSize == 19 && l.NoteFontSize == 10; }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Name);
        Form.reset();
        Open();
        c.Change(*this);
        EXPECT_TRUE(c.InRecord(Record()));
        EXPECT_TRUE(c.OnGrid(PlayGrid().Look()));
        EXPECT_TRUE(c.OnGrid(DesignGrid().Look()));
    }
    // The dialogs start from what the page shows; the samples and the font label show the
    // choice.
    EXPECT_EQ(Answers->Presets, QStringList{});
    Answers->Colours = {QColor(0x10, 0x20, 0x30)};
    Click(Sheet().OptionsBackgroundColorBtn);
    Answers->Fonts = {TFontChoice{QStringLiteral("DejaVu Sans Mono"), QColor(0x80, 0, 0)}};
    Click(Sheet().OptionsFontBtn);
    EXPECT_EQ(Answers->Presets, (QStringList{"#ffffff", "Verdana #000080"}));
    EXPECT_EQ(Sheet().OptionsBackgroundColor->palette().color(QPalette::Window),
              QColor(0x10, 0x20, 0x30));
    EXPECT_EQ(Sheet().OptionsFont->text(), "DejaVu Sans Mono");
    EXPECT_EQ(Sheet().OptionsRulerColor->font().family(), "DejaVu Sans Mono");
    EXPECT_EQ(Sheet().OptionsRulerColor->palette().color(QPalette::WindowText), QColor(0x80, 0, 0));

    // The display set and the time picker reach the record; the display set the game grid.
    Sheet().OptionsDisplaySetList->setCurrentIndex(1);
    EXPECT_EQ(Record().DisplaySet, "ABCDEFGHI");
    EXPECT_EQ(PlayGrid().Look().DisplaySet, "ABCDEFGHI");
    Sheet().OptionsTimeLimitedTime->setTime(QTime(0, 20));
    EXPECT_DOUBLE_EQ(Record().TimeLimit, 20.0 / 1440);
}

TEST_F(OptionsPageTest, AidBoxesSwitchTheirAidsAndThePlayButtonsDuringAGame) {
    Sheet().OptionsTimeLimitedChkBox->setChecked(false);
    TPlayNSolveBinding& play = PlayNSolvePage(*Form);
    Form->PlayNSolveBtnClick();
    Click(play.Sheet().PlayNSolveNewBtn);
    play.ShapeMenu().Item(QStringLiteral("S3X3"))->trigger();
    QApplication::processEvents();
    ASSERT_EQ(Form->Shared.SuDoKuState, sfPlaying);
    const struct {
        QCheckBox* Box;
        TSolveOptions Bit;
        QWidget* Shown; // the Play & Solve control the aid enables, if any
    } cases[] = {
        {Sheet().OptionsShowHintsChkBox, soHints, play.Sheet().PlayNSolveHintBtn},
        {Sheet().OptionsShowErrorsChkBox, soErrors, play.Sheet().PlayNSolveErrorsBtn},
        {Sheet().OptionsShowAlternativesChkBox, soAlternatives,
         play.Sheet().PlayNSolveAlternativesLbl},
        {Sheet().OptionsTimeLimitedChkBox, soTimeLimited, nullptr},
    };
    for (const auto& c : cases) {
        for (const bool on : {true, false, true}) {
            SCOPED_TRACE(c.Box->objectName().toStdString() + (on ? " on" : " off"));
            c.Box->setChecked(on);
            EXPECT_EQ((Record().SolveOptions & c.Bit) != 0, on);
            EXPECT_EQ((Form->Shared.ShownAids & c.Bit) != 0, on);
            if (c.Shown != nullptr) {
                EXPECT_EQ(c.Shown->isEnabled(), on);
            }
        }
    }
}

TEST_F(OptionsPageTest, LevelSetsItsAidsAndLimitButTheRulerBoxKeepsTheUsersChoice) {
    Sheet().OptionsShowRulerChkBox->setChecked(false);
    Sheet().OptionsLevelList->setCurrentIndex(3);
    EXPECT_EQ(Record().Level, 3);
    EXPECT_EQ(Record().SolveOptions, 0x23); // the preset sets the ruler again ...
    EXPECT_FALSE(Sheet().OptionsShowRulerChkBox->isChecked()); // ... the box stays clear
    EXPECT_FALSE(Sheet().OptionsShowHintsChkBox->isChecked());
    EXPECT_TRUE(Sheet().OptionsTimeLimitedChkBox->isChecked());
    EXPECT_EQ(Sheet().OptionsTimeLimitedTime->time(), QTime(0, 30));
    EXPECT_EQ(PlayNSolvePage(*Form).Sheet().PlayNSolveLevelLbl->text(), "Level Expert");
    Form->SaveOptions();
    const std::string text = Contents(File());
    EXPECT_NE(text.find("Level=3\r\nRuler=0\r\nHints=0\r\nErrors=0\r\nAlternatives=0\r\n"
                        "TimeLimited=1\r\nPlayTimeLimit=0:30:00\r\n"),
              std::string::npos)
        << text;
    // The next start takes the boxes as stored.
    Restart();
    EXPECT_EQ(Record().SolveOptions, 0x22);
    EXPECT_FALSE(Sheet().OptionsShowRulerChkBox->isChecked());
}

TEST_F(OptionsPageTest, PausedGameAndDesignModeComeBackInTheNewLanguage) {
    // A paused game's Pause button offers to resume, the mode button in Design Mode offers the
    // puzzle mode: left for a change of language, they come back in the new one.
    const struct {
        const char* Language;
        int Tag;
        std::function<TBaseBtn*(OptionsPageTest&)> Enter;
        std::function<void(TMainForm&)> Return;
    } cases[] = {
        {"Nederlands", 531,
         [](OptionsPageTest& t) {
             t.Form->PlayNSolveBtnClick();
             TPlayNSolveBinding& play = PlayNSolvePage(*t.Form);
             play.ShapeMenu().Item(QStringLiteral("S3X3"))->trigger();
             Click(play.Sheet().PlayNSolvePauseBtn);
             return play.Sheet().PlayNSolvePauseBtn;
         },
         &TMainForm::PlayNSolveBtnClick},
        {"Deutsch", 646,
         [](OptionsPageTest& t) {
             t.Form->EnterNDesignBtnClick();
             TEnterNDesignSheet& sheet = EnterNDesignPage(*t.Form).Sheet();
             Click(sheet.EnterNDesignNewBtn);
             PlayNSolvePage(*t.Form).ShapeMenu().Item(QStringLiteral("S3X3"))->trigger();
             QApplication::processEvents(); // the new design is queued
             Click(sheet.EnterNDesignModeBtn);
             return sheet.EnterNDesignModeBtn;
         },
         &TMainForm::EnterNDesignBtnClick},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Language);
        TBaseBtn* button = c.Enter(*this);
        ASSERT_EQ(TFormBuilder::Tag(button), c.Tag);
        Form->OptionsBtnClick();
        ChooseLanguage(QString::fromLatin1(c.Language));
        ASSERT_EQ(Sheet().OptionsLanguageList->currentText(), c.Language);
        c.Return(*Form);
        ASSERT_EQ(TFormBuilder::Tag(button), c.Tag);
        LanguageTable table;
        ASSERT_TRUE(
            table.Open(TransLtr::LanguageFileName(), TransLtr::MainSection, TransLtr::LngID()));
        EXPECT_EQ(button->Caption().toStdString(), table.Lookup(c.Tag)->Caption);
        EXPECT_EQ(button->toolTip().toStdString(), table.Lookup(c.Tag)->Hint);
    }
}

TEST_F(OptionsPageTest, DefaultOptionsKeepLanguageAndScreenSizeAndTickTheLauncher) {
    Sheet().OptionsScreenModeList->setCurrentIndex(3);
    ChooseLanguage(QStringLiteral("Nederlands"));
    Sheet().OptionsLevelList->setCurrentIndex(0);
    Answers->Colours = {QColor(Qt::red)};
    Click(Sheet().OptionsContrastColorBtn);
    const std::string saved = Contents(File());

    Click(Sheet().OptionsDefaultOptionsBtn);
    TSuDoKuData defaults;
    defaults.ScreenSize = 3;
    defaults.SolveOptions = 0x2F;
    defaults.TimeLimit = 1.0 / 24;
    EXPECT_EQ(Record(), defaults);
    EXPECT_EQ(TransLtr::LngID(), TransLtr::Dutch);
    EXPECT_EQ(Form->ScreenLayout, 3);
    EXPECT_TRUE(Sheet().OptionsShowRulerChkBox->isChecked());
    EXPECT_TRUE(Sheet().OptionsShowProgramShortcutOnDesktopChkBox->isChecked());
    EXPECT_TRUE(std::filesystem::exists(Launcher()));
    EXPECT_EQ(Contents(File()), saved); // the file waits for the next save
}

TEST_F(OptionsPageTest, LauncherBoxMakesAndRemovesTheLauncherAndShowsWhetherItIsThere) {
    QCheckBox* box = Sheet().OptionsShowProgramShortcutOnDesktopChkBox;
    EXPECT_FALSE(box->isChecked());
    box->setChecked(true);
    ASSERT_TRUE(std::filesystem::exists(Launcher()));
    EXPECT_NE(Contents(Launcher()).find("Name=Sudoku Atelier\n"), std::string::npos);
    Restart();
    EXPECT_TRUE(Sheet().OptionsShowProgramShortcutOnDesktopChkBox->isChecked());
    Sheet().OptionsShowProgramShortcutOnDesktopChkBox->setChecked(false);
    EXPECT_FALSE(std::filesystem::exists(Launcher()));
    // A launcher that cannot be made leaves the box clear.
    std::filesystem::remove_all(Temp.filePath("Desktop").toStdString());
    std::ofstream(Temp.filePath("Desktop").toStdString()) << "a file, not a folder";
    Sheet().OptionsShowProgramShortcutOnDesktopChkBox->setChecked(true);
    EXPECT_FALSE(Sheet().OptionsShowProgramShortcutOnDesktopChkBox->isChecked());
}

TEST_F(OptionsPageTest, SettingsSurviveQuitAndRestart) {
    Answers->Colours = {QColor(0x12, 0x34, 0x56)};
    Click(Sheet().OptionsRulerColorBtn);
    Answers->Fonts = {TFontChoice{QStringLiteral("DejaVu Serif"), QColor(0x80, 0, 0)}};
    Click(Sheet().OptionsFontBtn);
    Sheet().OptionsLevelList->setCurrentIndex(2);
    Sheet().OptionsDisplaySetList->setCurrentIndex(2);
    Sheet().OptionsContrastPuzzleChkBox->setChecked(true);
    Sheet().OptionsScreenModeList->setCurrentIndex(3);
    const TSuDoKuData chosen = Record();
    Restart();
    EXPECT_EQ(Record(), chosen);
    EXPECT_EQ(Form->ScreenLayout, 3);
    EXPECT_EQ(Sheet().OptionsLevelList->currentIndex(), 2);
    EXPECT_EQ(Sheet().OptionsDisplaySetList->currentText(), "SINGAPORE");
    EXPECT_TRUE(Sheet().OptionsContrastPuzzleChkBox->isChecked());
    EXPECT_EQ(Sheet().OptionsFont->text(), "DejaVu Serif");
    EXPECT_EQ(PlayGrid().Look().RulerColor, QColor(0x12, 0x34, 0x56));
}

TEST_F(OptionsPageTest, TwoLoginNamesKeepTheirOwnSectionsInOneFile) {
    const std::string me = Form->Shared.UserName;
    Answers->Colours = {QColor(Qt::red)};
    Click(Sheet().OptionsBackgroundColorBtn);
    Form->ChangeUser("bob"); // saves under the old name, then reads bob's (none yet)
    EXPECT_EQ(Record().BackgroundColor, 0xFFFFFFu);
    EXPECT_TRUE(Form->CaptionLbl->text().endsWith(" - bob"));
    Answers->Colours = {QColor(Qt::blue)};
    Click(Sheet().OptionsBackgroundColorBtn);
    Form->ChangeUser(me);
    EXPECT_EQ(Record().BackgroundColor, 0x0000FFu);
    EXPECT_EQ(PlayGrid().Look().BackgroundColor, QColor(Qt::red));
    Form->ChangeUser("bob");
    EXPECT_EQ(Record().BackgroundColor, 0xFF0000u);
    const std::string text = Contents(File());
    EXPECT_NE(text.find("[" + me + ".Options]"), std::string::npos);
    EXPECT_NE(text.find("[bob.Options]"), std::string::npos);
}

TEST_F(OptionsPageTest, OtherUsersSectionsAndUnknownKeysSurviveASaveByteForByte) {
    Form.reset();
    const std::string user = TLoginName::Current();
    const std::string before = "; written by hand\r\n"
                               "[alice.Options]\r\nBackgroundColor=255\r\nZoom= 3 \r\n\r\n"
                               "[alice.Last_PlayNSolve]\r\nName=alice@Game\r\nM1=0102\r\n"
                               "[" +
                               user +
                               ".Options]\r\nLevel=3\r\nFutureKey=x=y\r\n"
                               "[Somebody else's]\r\nKey=value with = and ;\r\n";
    { std::ofstream(Temp.filePath("sudokus.ini").toStdString(), std::ios::binary) << before; }
    Open();
    EXPECT_EQ(Record().Level, 3);
    Form->SaveOptions();
    const std::string after = Contents(File());
    for (const std::string part :
         {"; written by hand\r\n[alice.Options]\r\nBackgroundColor=255\r\nZoom= 3 \r\n\r\n"
          "[alice.Last_PlayNSolve]\r\nName=alice@Game\r\nM1=0102\r\n",
          "[Somebody else's]\r\nKey=value with = and ;\r\n", "FutureKey=x=y\r\n"})
        EXPECT_NE(after.find(part), std::string::npos) << after;
}

// The captions of the controls that show one, and whether it fits.
QString CaptionOf(const QWidget* control) {
    if (const auto* button = qobject_cast<const TBaseBtn*>(control))
        return button->Caption();
    if (const auto* label = qobject_cast<const QLabel*>(control))
        return label->text();
    if (const auto* box = qobject_cast<const QAbstractButton*>(control))
        return box->text();
    return {};
}

bool Fits(const QWidget* control) {
    if (const auto* button = qobject_cast<const TBaseBtn*>(control))
        return QFontMetrics(button->font()).horizontalAdvance(button->Caption()) <=
               button->width() * 0.95;
    const auto* label = qobject_cast<const QLabel*>(control);
    if (label != nullptr && label->wordWrap())
        return true;
    return TFormBuilder::TextWidth(control, control->font()) <= TFormBuilder::TextRoom(control);
}

TEST_F(OptionsPageTest, EveryLanguageTranslatesEveryTaggedTextAndEveryCaptionFits) {
    const QByteArray shots = qgetenv("SUDOKU_SCREENSHOT_DIR");
    const QStringList languages = [this] {
        QStringList names;
        for (int i = 0; i < Sheet().OptionsLanguageList->count(); ++i)
            names << Sheet().OptionsLanguageList->itemText(i);
        return names;
    }();
    ASSERT_EQ(languages.size(), 5);
    for (const QString& language : languages) {
        SCOPED_TRACE(language.toStdString());
        Sheet().OptionsScreenModeList->setCurrentIndex(2);
        ChooseLanguage(language);
        ASSERT_EQ(Sheet().OptionsLanguageList->currentText(), language);
        LanguageTable table;
        ASSERT_TRUE(
            table.Open(TransLtr::LanguageFileName(), TransLtr::MainSection, TransLtr::LngID()));
        // Every tagged control shows its row's caption and hint; the pages write two labels
        // of their own: "Level" and the level's name, and "Puzzle Invalid" without a design.
        int translated = 0;
        for (QWidget* control : Form->findChildren<QWidget*>()) {
            const int tag = TFormBuilder::Tag(control);
            const auto row = tag > 0 ? table.Lookup(tag) : std::nullopt;
            if (!row || control->objectName() == "PlayNSolveLevelLbl" ||
                control->objectName() == "EnterNDesignValidateLbl")
                continue;
            const std::string name = control->objectName().toStdString();
            EXPECT_EQ(control->toolTip().toStdString(), row->Hint) << name;
            if (!CaptionOf(control).isEmpty() || qobject_cast<QLabel*>(control) != nullptr) {
                EXPECT_EQ(CaptionOf(control).toStdString(), row->Caption) << name;
            }
            ++translated;
        }
        EXPECT_GE(translated, 70);
        EXPECT_EQ(Sheet().OptionsLevelList->itemText(3).toStdString(), table.Lookup(864)->Caption);
        EXPECT_EQ(Sheet().OptionsScreenModeList->itemText(1).toStdString(),
                  table.Lookup(887)->Caption);
        EXPECT_EQ(PlayNSolvePage(*Form).Sheet().PlayNSolveLevelLbl->text().toStdString(),
                  table.Lookup(570)->Caption + " " + table.Lookup(862)->Caption);
        // A control whose tag changes is translated alone.
        TBaseBtn* pause = PlayNSolvePage(*Form).Sheet().PlayNSolvePauseBtn;
        TFormBuilder::SetTag(pause, 531);
        Form->TranslateComponents(pause);
        EXPECT_EQ(pause->Caption().toStdString(), table.Lookup(531)->Caption);
        TFormBuilder::SetTag(pause, 530);
        Form->TranslateComponents(pause);

        if (!shots.isEmpty()) {
            const auto contents =
                LanguageCache::Shared().Find(TransLtr::LanguageFileName(), "Contents");
            const int row = contents->FindRow(contents->ColumnIndex("iCountry"),
                                              std::to_string(TransLtr::LngID()));
            const QString code =
                QString::fromStdString(contents->Text(contents->ColumnIndex("sLanguage"), row));
            QApplication::processEvents();
            Form->grab().save(QDir(QString::fromLocal8Bit(shots))
                                  .filePath(QStringLiteral("options-%1.png").arg(code)));
        }
        // No caption overruns its control at any screen size; the dialogs and the about box
        // grow with the window.
        for (const int size : {2, 3, 4}) {
            Sheet().OptionsScreenModeList->setCurrentIndex(size);
            for (const QWidget* control : Form->findChildren<QWidget*>()) {
                if (TFormBuilder::Tag(control) > 0 && !CaptionOf(control).isEmpty()) {
                    EXPECT_TRUE(Fits(control)) << control->objectName().toStdString() << " at "
                                               << size << ": " << CaptionOf(control).toStdString();
                }
            }
        }
        TMsgDlgBox question(Form.get(), Form->ScreenLayout);
        question.SetTexts(QStringLiteral("?"), QStringLiteral("Ok"), QString());
        EXPECT_EQ(question.size(), QSize(640, 240));
        Form->ShowAboutBox();
        EXPECT_EQ(Form->AboutBox->size(), QSize(520, 520));
        EXPECT_EQ(Form->AboutBox->CloseBtn->Caption(),
                  QString::fromStdString(TransLtr::TranslateText(
                      10, TransLtr::AboutSection, TransLtr::LanguageFileName(), "Close")));
        Form->AboutBox->close();
    }
}

} // namespace
} // namespace sudoku
