// The fixture of the whole-window tests: the window as the program composes it, headless, in a
// folder of its own, with queued dialog answers that record the questions and a clock that stands
// still unless the test moves it (waits return at once, ticks come from the test).
#pragma once

#include "AtelierPages.h"
#include "TAppPaths.h"
#include "TBaseBtn.h"
#include "TDialogAnswerer.h"
#include "TMainForm.h"
#include "TPlayNSolveBinding.h"
#include "TShellClock.h"
#include "TSuDoKuGridsPopupMenu.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QImage>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <deque>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace sudoku::test {

// Answers come from the queues (No, an empty text and a cancelled dialog once they run out).
class TQueuedAnswerer : public TDialogAnswerer {
public:
    bool MsgDlg(const QString& text, const QString&, const QString&) override {
        Questions << text;
        return Next(YesNo, false);
    }
    QString EditDlg(const QString& prompt, const QString&, const QString&,
                    const QString&) override {
        Questions << prompt;
        if (WhileEditOpen)
            WhileEditOpen();
        return Next(Texts, QString());
    }
    std::optional<QColor> ColorDlg(const QColor&) override {
        return Next(Colours, std::optional<QColor>());
    }
    std::optional<TFontChoice> FontDlg(const TFontChoice& font) override {
        Presets << font.Name + QLatin1Char(' ') + font.Colour.name();
        return Next(Fonts, std::optional<TFontChoice>());
    }
    TFileDialogAnswer FileDlg(const TFileDialogRequest& request) override {
        FileRequests.push_back(request);
        if (WhileFileOpen)
            WhileFileOpen();
        return Next(Files, TFileDialogAnswer{});
    }
    // The print dialog sets the printer as a user would; without PrintSetup it is cancelled.
    bool PrintDlg(QPrinter& printer) override {
        Questions << QStringLiteral("PrintDlg");
        return PrintSetup && PrintSetup(printer);
    }
    std::deque<bool> YesNo;
    std::deque<QString> Texts;
    std::deque<std::optional<QColor>> Colours;
    std::deque<std::optional<TFontChoice>> Fonts;
    std::deque<TFileDialogAnswer> Files;
    std::vector<TFileDialogRequest> FileRequests;
    QStringList Presets; // what the font dialog was opened with
    QStringList Questions;
    std::function<void()> WhileEditOpen; // runs while the text box would be open
    std::function<void()> WhileFileOpen; // runs while a file dialog would be open
    std::function<bool(QPrinter&)> PrintSetup;

private:
    template <typename T> static T Next(std::deque<T>& queue, T otherwise) {
        if (!queue.empty()) {
            otherwise = std::move(queue.front());
            queue.pop_front();
        }
        return otherwise;
    }
};

// Time stands still unless the test moves it; waits return at once, after running what the
// test wants to happen while the window waits.
class SteppedClock : public TShellClock {
public:
    SteppedClock(QDateTime& moment, int& waited, std::function<void()>& duringWait)
        : Moment(&moment), Waited(&waited), DuringWait(&duringWait) {}
    QDateTime Now() const override { return *Moment; }
    void Delay(int ms) override {
        *Waited += ms;
        // A copy runs: the hook may clear or replace itself while it runs.
        if (const std::function<void()> hook = *DuringWait)
            hook();
    }

private:
    QDateTime* Moment;
    int* Waited;
    std::function<void()>* DuringWait;
};

class AtelierWindowTest : public ::testing::Test {
protected:
    // Program and data in Temp, and the window opened; with ShippedLanguage the program's own
    // folder stays, so that the language file beside it is read.
    void SetUp() override {
        ASSERT_TRUE(Temp.isValid());
        Dir = Temp.path().toStdString();
        const std::string data = Dir.string() + "/";
        TAppPaths::SetFolders(ShippedLanguage ? TAppPaths::AppDir() : data, data);
        OpenWindow();
    }
    // The window makes its folder the working folder: give that back before the folder goes,
    // so later tests (and the programs they start) do not run in a deleted folder.
    void TearDown() override {
        Form.reset();
        TAppPaths::Reset();
        QDir::setCurrent(WorkingDir);
    }

    // Makes and shows the window, then lets the fixture prepare it (Opened).
    void OpenWindow(std::uint8_t shellFlags = 0) {
        Form = std::make_unique<TMainForm>(&MakeAtelierPages, shellFlags);
        auto answerer = std::make_unique<TQueuedAnswerer>();
        Answers = answerer.get();
        Form->SetDialogAnswerer(std::move(answerer));
        Form->SetShellClock(std::make_unique<SteppedClock>(Moment, Waited, DuringWait));
        Form->Timer->stop();
        Form->show();
        QApplication::processEvents();
        Opened();
    }
    virtual void Opened() {}
    // Quits with Yes, which saves the game, the design and the settings, and starts again.
    void Restart() {
        Answers->YesNo = {true};
        Form->QuitBtnClick();
        QApplication::processEvents();
        OpenWindow();
    }

    static void Click(QWidget* widget) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
        QApplication::processEvents();
    }
    // The New button of a puzzle page, then a shape of its menu ("S3X3").
    void NewPuzzle(TBaseBtn* newButton, const char* shape) {
        Click(newButton);
        TSuDoKuGridsPopupMenu& menu = PlayNSolvePage(*Form).ShapeMenu();
        menu.Item(QString::fromLatin1(shape))->trigger();
        menu.close();
        QApplication::processEvents();
    }
    // With SUDOKU_SCREENSHOT_DIR set, the picture, or one of the widget (the window), under
    // that name; settle lets pending events run first.
    static void Screenshot(const QImage& picture, const char* name) {
        const QByteArray dir = qgetenv("SUDOKU_SCREENSHOT_DIR");
        if (!dir.isEmpty())
            picture.save(QDir(QString::fromLocal8Bit(dir)).filePath(QString::fromLatin1(name)));
    }
    static void Screenshot(QWidget& widget, const char* name, bool settle = true) {
        if (qEnvironmentVariableIsEmpty("SUDOKU_SCREENSHOT_DIR"))
            return;
        if (settle)
            QApplication::processEvents();
        Screenshot(widget.grab().toImage(), name);
    }
    void Screenshot(const char* name, bool settle = true) { Screenshot(*Form, name, settle); }
    std::string Library() const { return (Dir / "sudoku.dat").string(); }
    std::string Section(const std::string& name) const {
        return Form->Shared.UserName + "@" + name;
    }

    bool ShippedLanguage = false; // set in a fixture's constructor
    const QString WorkingDir = QDir::currentPath();
    QTemporaryDir Temp;
    std::filesystem::path Dir;
    TQueuedAnswerer* Answers = nullptr; // owned by the window
    std::unique_ptr<TMainForm> Form;
    QDateTime Moment{QDate(2026, 12, 5), QTime(17, 45, 15)};
    int Waited = 0;                   // milliseconds the window asked to wait
    std::function<void()> DuringWait; // runs in each wait
};

} // namespace sudoku::test
