// The Options page in the window as the program composes it, headless: each control reaching
// the record and both grids, the aids during a game, level presets, default options, settings
// across a restart and per login name, and every language fitting every caption.
#include "../platform/TestFolder.h"
#include "LanguageCache.h"
#include "LanguageTable.h"
#include "TEnterNDesignBinding.h"
#include "TFormBuilder.h"
#include "TLoginName.h"
#include "TOptionsBinding.h"
#include "TSuDoKuGridWidget.h"
#include "TransLtr.h"
#include "WindowTestSupport.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QTimeEdit>

namespace sudoku {
namespace {

using test::TTestFolder;

class OptionsPageTest : public test::AtelierWindowTest {
protected:
    // The shipped language file beside the program; settings and the desktop in the test's
    // folder.
    OptionsPageTest() {
        ShippedLanguage = true;
        qputenv("HOME", Temp.path().toUtf8());
    }
    void TearDown() override {
        AtelierWindowTest::TearDown();
        qputenv("HOME", Home);
    }
    void Opened() override {
        Form->OptionsBtnClick();
        QApplication::processEvents();
    }

    TOptionsSheet& Sheet() { return OptionsPage(*Form).Sheet(); }
    TSuDoKuData& Record() { return Form->Shared.Options; }
    TSuDoKuGridWidget& PlayGrid() { return PlayNSolvePage(*Form).Grid(); }
    std::string Settings() { return TTestFolder::Contents(Form->Shared.SettingsFile); }
    void ChooseLanguage(const QString& name) {
        QComboBox* list = Sheet().OptionsLanguageList;
        list->setCurrentIndex(list->findText(name));
        QApplication::processEvents(); // the change is queued
    }
    std::string Launcher() const {
        return Temp.filePath("Desktop/sudoku-atelier.desktop").toStdString();
    }

    const QByteArray Home = qgetenv("HOME");
};

TEST_F(OptionsPageTest, EachControlChangesTheRecordAndBothGridsAndALevelKeepsTheRulerBox) {
    const auto onGrids = [this](const std::function<bool(const TGridLook&)>& shows) {
        return shows(PlayGrid().Look()) && shows(EnterNDesignPage(*Form).Grid().Look());
    };
    // Colours are stored with red in the low byte; a cancelled dialog changes nothing.
    Answers->Colours = {QColor(0x10, 0x20, 0x30), QColor(0x70, 0x80, 0x90), std::nullopt};
    Click(Sheet().OptionsBackgroundColorBtn);
    Click(Sheet().OptionsRulerColorBtn);
    Click(Sheet().OptionsRulerColorBtn);
    EXPECT_EQ(Record().BackgroundColor, 0x302010u);
    EXPECT_EQ(Record().RulerColor, 0x908070u);
    EXPECT_TRUE(onGrids([](const TGridLook& l) {
        return l.BackgroundColor == QColor(0x10, 0x20, 0x30) &&
               l.RulerColor == QColor(0x70, 0x80, 0x90);
    }));
    // The font dialog starts from what the page shows, and the label shows the choice.
    Answers->Fonts = {TFontChoice{QStringLiteral("DejaVu Serif"), QColor(0, 0x80, 0)}};
    Click(Sheet().OptionsFontBtn);
    EXPECT_EQ(Answers->Presets, QStringList{"Verdana #000080"});
    EXPECT_EQ(Sheet().OptionsFont->text(), "DejaVu Serif");
    EXPECT_TRUE(Record().FontName == "DejaVu Serif" && Record().FontColor == 0x8000);
    EXPECT_TRUE(onGrids([](const TGridLook& l) {
        return l.FontName == "DejaVu Serif" && l.FontColor == QColor(0, 0x80, 0);
    }));
    Sheet().OptionsContrastPuzzleChkBox->setChecked(true);
    Sheet().OptionsShowRulerChkBox->setChecked(false);
    EXPECT_TRUE(Record().ContrastPuzzle && (Record().SolveOptions & soRuler) == 0);
    EXPECT_TRUE(onGrids([](const TGridLook& l) { return l.ContrastPuzzle && !l.ShowRuler; }));
    Sheet().OptionsScreenModeList->setCurrentIndex(4); // 1024 x 768
    EXPECT_EQ(Record().ScreenSize, 4);
    EXPECT_TRUE(
        onGrids([](const TGridLook& l) { return l.ValueFontSize == 19 && l.NoteFontSize == 10; }));
    // The display set reaches the game grid, the time picker the record.
    Sheet().OptionsDisplaySetList->setCurrentIndex(1);
    EXPECT_EQ(Record().DisplaySet, "ABCDEFGHI");
    EXPECT_EQ(PlayGrid().Look().DisplaySet, "ABCDEFGHI");
    Sheet().OptionsTimeLimitedTime->setTime(QTime(0, 20));
    EXPECT_DOUBLE_EQ(Record().TimeLimit, 20.0 / 1440);

    // A level sets its aids and limit, but the ruler box (cleared above) keeps the user's choice.
    Sheet().OptionsLevelList->setCurrentIndex(3);
    EXPECT_EQ(Record().Level, 3);
    EXPECT_EQ(Record().SolveOptions, 0x23); // the preset sets the ruler again ...
    EXPECT_FALSE(Sheet().OptionsShowRulerChkBox->isChecked()); // ... the box stays clear
    EXPECT_FALSE(Sheet().OptionsShowHintsChkBox->isChecked());
    EXPECT_TRUE(Sheet().OptionsTimeLimitedChkBox->isChecked());
    EXPECT_EQ(Sheet().OptionsTimeLimitedTime->time(), QTime(0, 30));
    EXPECT_EQ(PlayNSolvePage(*Form).Sheet().PlayNSolveLevelLbl->text(), "Level Expert");
    // The next start takes the boxes as stored.
    Restart();
    EXPECT_EQ(Record().SolveOptions, 0x22);
    EXPECT_FALSE(Sheet().OptionsShowRulerChkBox->isChecked());
}

TEST_F(OptionsPageTest, AidBoxesSwitchTheirAidsAndThePlayButtonsDuringAGame) {
    Sheet().OptionsTimeLimitedChkBox->setChecked(false);
    TPlayNSolveBinding& play = PlayNSolvePage(*Form);
    Form->PlayNSolveBtnClick();
    NewPuzzle(play.Sheet().PlayNSolveNewBtn, "S3X3");
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

TEST_F(OptionsPageTest, DefaultOptionsKeepLanguageAndScreenSizeAndTickTheLauncher) {
    Sheet().OptionsScreenModeList->setCurrentIndex(3);
    ChooseLanguage(QStringLiteral("Nederlands"));
    Sheet().OptionsLevelList->setCurrentIndex(0);
    Answers->Colours = {QColor(Qt::red)};
    Click(Sheet().OptionsContrastColorBtn);
    const std::string saved = Settings();

    Click(Sheet().OptionsDefaultOptionsBtn);
    EXPECT_EQ(Record(),
              (TSuDoKuData{.SolveOptions = 0x2F, .TimeLimit = 1.0 / 24, .ScreenSize = 3}));
    EXPECT_EQ(TransLtr::LngID(), TransLtr::Dutch);
    EXPECT_EQ(Form->ScreenLayout, 3);
    EXPECT_TRUE(Sheet().OptionsShowRulerChkBox->isChecked());
    EXPECT_TRUE(Sheet().OptionsShowProgramShortcutOnDesktopChkBox->isChecked());
    EXPECT_TRUE(std::filesystem::exists(Launcher()));
    EXPECT_EQ(Settings(), saved); // the file waits for the next save
}

TEST_F(OptionsPageTest, SettingsSurviveARestartPerLoginNameBesideWhateverElseTheFileHolds) {
    Form.reset();
    const std::string me = TLoginName::Current();
    const std::string others = "; written by hand\r\n"
                               "[alice.Options]\r\nBackgroundColor=255\r\nZoom= 3 \r\n\r\n"
                               "[alice.Last_PlayNSolve]\r\nName=alice@Game\r\nM1=0102\r\n";
    const std::string last = "[Somebody else's]\r\nKey=value with = and ;\r\n";
    TTestFolder::Put(Temp.filePath("sudokus.ini").toStdString(),
                     others + "[" + me + ".Options]\r\nLevel=3\r\nFutureKey=x=y\r\n" + last);
    OpenWindow();
    EXPECT_EQ(Record().Level, 3);
    Answers->Colours = {QColor(0x12, 0x34, 0x56)};
    Click(Sheet().OptionsRulerColorBtn);
    Answers->Fonts = {TFontChoice{QStringLiteral("DejaVu Serif"), QColor(0x80, 0, 0)}};
    Click(Sheet().OptionsFontBtn);
    Sheet().OptionsLevelList->setCurrentIndex(2);
    Sheet().OptionsDisplaySetList->setCurrentIndex(2);
    Sheet().OptionsContrastPuzzleChkBox->setChecked(true);
    Sheet().OptionsScreenModeList->setCurrentIndex(3);
    const TSuDoKuData chosen = Record();

    // Another login name keeps settings of its own in the same file.
    Form->ChangeUser("bob"); // saves under the old name, then reads bob's (none yet)
    EXPECT_EQ(Record().BackgroundColor, 0xFFFFFFu);
    EXPECT_TRUE(Form->CaptionLbl->text().endsWith(" - bob"));
    Answers->Colours = {QColor(Qt::blue)};
    Click(Sheet().OptionsBackgroundColorBtn);
    Form->ChangeUser(me);
    EXPECT_EQ(Record(), chosen);

    ChooseLanguage(QStringLiteral("Nederlands"));
    Restart();
    EXPECT_EQ(Record(), chosen);
    EXPECT_EQ(TransLtr::LngID(), TransLtr::Dutch);
    EXPECT_EQ(Sheet().OptionsLanguageList->currentText().toStdString(), "Nederlands");
    EXPECT_EQ(Form->PlayNSolveBtn->Caption().toStdString(), "Spelen & Oplossen");
    EXPECT_EQ(Form->ScreenLayout, 3);
    EXPECT_EQ(Sheet().OptionsDisplaySetList->currentText(), "SINGAPORE");
    EXPECT_EQ(PlayGrid().Look().RulerColor, QColor(0x12, 0x34, 0x56));
    const std::string after = Settings();
    for (const std::string& part : {others, last, std::string("FutureKey=x=y\r\n")})
        EXPECT_NE(after.find(part), std::string::npos) << part << " in\n" << after;
    Form->ChangeUser("bob");
    EXPECT_EQ(Record().BackgroundColor, 0xFF0000u);
    ChooseLanguage(QStringLiteral("English")); // the language is the whole program's
}

// The caption of a control that shows one, and whether it fits.
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
    QStringList languages;
    for (int i = 0; i < Sheet().OptionsLanguageList->count(); ++i)
        languages << Sheet().OptionsLanguageList->itemText(i);
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
        const auto contents =
            LanguageCache::Shared().Find(TransLtr::LanguageFileName(), "Contents");
        const int row =
            contents->FindRow(contents->ColumnIndex("iCountry"), std::to_string(TransLtr::LngID()));
        const std::string code = contents->Text(contents->ColumnIndex("sLanguage"), row);
        Screenshot(("options-" + code + ".png").c_str());
        // No caption overruns its control at any screen size.
        for (const int size : {2, 3, 4}) {
            Sheet().OptionsScreenModeList->setCurrentIndex(size);
            for (const QWidget* control : Form->findChildren<QWidget*>()) {
                if (TFormBuilder::Tag(control) > 0 && !CaptionOf(control).isEmpty()) {
                    EXPECT_TRUE(Fits(control)) << control->objectName().toStdString() << " at "
                                               << size << ": " << CaptionOf(control).toStdString();
                }
            }
        }
    }
}

} // namespace
} // namespace sudoku
