// The shell of the window as the program composes it, headless: the page buttons, the busy
// rule, the quit question in all its ways; and the program itself writing a screenshot.
#include "TAboutBox.h"
#include "WindowTestSupport.h"

#include <QFileInfo>
#include <QListWidget>
#include <QProcess>
#include <QStackedWidget>

namespace sudoku {
namespace {

class Shell : public test::AtelierWindowTest {
protected:
    void Opened() override {
        Form->SetWebPageOpener([this](const QString& address) {
            WebPages << address;
            return true;
        });
    }
    QStringList WebPages; // opened in the browser
};

TEST_F(Shell, PageButtonsShowTheirPagesUnlessTheEngineIsBusy) {
    const std::pair<TBaseBtn*, const char*> pages[] = {{Form->EnterNDesignBtn, "Enter & Design"},
                                                       {Form->MySuDoKusBtn, "My SuDoKus"},
                                                       {Form->OptionsBtn, "Options"},
                                                       {Form->PlayNSolveBtn, "Play & Solve"}};
    for (int index = 0; const auto& [button, name] : pages) {
        Click(button);
        EXPECT_EQ(Form->ActivePageName(), name);
        EXPECT_EQ(Form->Pages->currentIndex(), ++index % 4) << name;
    }
    // While the engine works, the page and title buttons and quitting wait.
    for (const TSuDoKuState busy : {sfThinking, sfLoading, sfValidating}) {
        Form->Shared.SuDoKuState = busy;
        for (TBaseBtn* button :
             {Form->EnterNDesignBtn, Form->MySuDoKusBtn, Form->OptionsBtn, Form->HelpBtn,
              Form->InfoBtn, Form->MinimizeBtn, Form->HideBtn, Form->QuitBtn}) {
            Click(button);
            EXPECT_EQ(Form->Pages->currentIndex(), TMainForm::pgPlayNSolve)
                << button->objectName().toStdString();
        }
        QTest::keyClick(Form.get(), Qt::Key_Insert);
    }
    Form->Shared.SuDoKuState = sfThinking;
    Form->CloseRunning(); // a second start asking to close
    EXPECT_TRUE(Form->isVisible());
    EXPECT_TRUE(Answers->Questions.isEmpty());
    EXPECT_TRUE(WebPages.isEmpty());
    EXPECT_FALSE(Form->isMinimized());
    EXPECT_TRUE(Form->AboutBox == nullptr || !Form->AboutBox->isVisible());
}

const std::pair<const char*, std::function<void(TMainForm&)>> QuitWays[] = {
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

TEST_F(Shell, EveryWayOfQuittingAsksAndYesSavesBehindTheFarewell) {
    const QString question = "Do you really want to close Sudoku Atelier?\n\nClick Yes to quit "
                             "and No to continue.";
    // Insert with a modifier and F4 without Alt are no way of quitting.
    QTest::keyClick(Form.get(), Qt::Key_Insert, Qt::ShiftModifier);
    QTest::keyClick(Form.get(), Qt::Key_F4);
    EXPECT_TRUE(Answers->Questions.isEmpty());
    Click(Form->MySuDoKusBtn);
    const QPoint place = Form->pos();
    for (const auto& [way, quit] : QuitWays) {
        SCOPED_TRACE(way);
        Answers->Questions.clear();
        Answers->YesNo = {false};
        quit(*Form);
        QApplication::processEvents();
        EXPECT_EQ(Answers->Questions, QStringList{question});
        EXPECT_TRUE(Form->isVisible());
        EXPECT_EQ(Form->pos(), place);
        EXPECT_EQ(Form->Pages->currentIndex(), TMainForm::pgMySuDoKus);
        EXPECT_FALSE(Form->AltF4Pressed);
    }
    EXPECT_EQ(Waited, 0);
    // Yes closes: with the farewell bit the about window shows for two seconds, hidden
    // behind the closed window; the settings are saved either way.
    for (bool farewell = true; const auto& [way, quit] : QuitWays) {
        SCOPED_TRACE(testing::Message() << way << (farewell ? " with" : " without") << " farewell");
        OpenWindow(farewell ? TMainForm::shShowFarewell : std::uint8_t{0});
        std::filesystem::remove(Form->Shared.SettingsFile);
        Waited = 0;
        Answers->YesNo = {true};
        quit(*Form);
        QApplication::processEvents();
        EXPECT_FALSE(Form->isVisible());
        EXPECT_TRUE(std::filesystem::exists(Form->Shared.SettingsFile));
        EXPECT_EQ(Waited, farewell ? 2000 : 0);
        EXPECT_EQ(Form->AboutBox != nullptr, farewell);
        EXPECT_TRUE(Form->AboutBox == nullptr || !Form->AboutBox->isVisible());
        farewell = !farewell;
    }
}

// The program run headless for a picture of its window: the page and screen size asked for,
// the file named relative to the folder it was started in, the user's screen size kept. It
// runs as a copy in a folder of its own, which it takes for its data.
TEST(Program, WritesTheScreenshotOfThePageAskedForAndKeepsTheScreenSizeSet) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString program = dir.filePath(QStringLiteral("program/sudoku-atelier"));
    const QString work = dir.filePath(QStringLiteral("work"));
    ASSERT_TRUE(QDir().mkpath(QFileInfo(program).path()) && QDir().mkpath(work));
    std::filesystem::copy_file(SUDOKU_ATELIER_PROGRAM, program.toStdString());
    const auto shot = [&](const QString& file, const QStringList& options) {
        QProcess run;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("HOME"), dir.path());
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        run.setProcessEnvironment(env);
        run.setWorkingDirectory(work);
        run.start(program, QStringList{QStringLiteral("--screenshot"), file} + options);
        EXPECT_TRUE(run.waitForFinished(30000) && run.exitCode() == 0)
            << run.readAllStandardError().toStdString();
        return QImage(QDir(work).filePath(file));
    };
    const QImage large = shot(QStringLiteral("large.png"), {"--page", "2", "--screen-size", "4"});
    EXPECT_EQ(large.size(), QSize(909, 648));
    const QImage library = shot(QStringLiteral("library.png"), {"--page", "2"});
    const QImage options = shot(QStringLiteral("options.png"), {"--page", "3"});
    EXPECT_FALSE(library.isNull());
    EXPECT_NE(library.size(), large.size());
    EXPECT_EQ(library.size(), options.size());
    EXPECT_NE(library, options);
}

} // namespace
} // namespace sudoku
