// The fixture of the whole-window tests: the window as the program composes it, headless, in a
// folder of the test's own, with queued dialog answers and a clock the test chooses; ticks come
// from the test. Also a clock that stands still unless the test moves it.
#pragma once

#include "AtelierPages.h"
#include "MainFormTestSupport.h"
#include "TAppPaths.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <utility>

namespace sudoku::test {

// Time stands still unless the test moves it; waits return at once, after running what the
// test wants to happen while the window waits.
class SteppedClock : public TShellClock {
public:
    QDateTime* Moment;
    int* Waited;
    std::function<void()>* DuringWait;
    SteppedClock(QDateTime& moment, int& waited, std::function<void()>& duringWait)
        : Moment(&moment), Waited(&waited), DuringWait(&duringWait) {}
    QDateTime Now() const override { return *Moment; }
    void Delay(int ms) override {
        *Waited += ms;
        // A copy runs: the hook may clear or replace itself while it runs.
        if (const std::function<void()> hook = *DuringWait)
            hook();
    }
};

class AtelierWindowTest : public ::testing::Test {
protected:
    // Program and data in Temp; with ShippedLanguage the program's own folder stays, so that
    // the language file beside it is read.
    void SetUp() override {
        ASSERT_TRUE(Temp.isValid());
        Dir = Temp.path().toStdString();
        const std::string data = Dir.string() + "/";
        TAppPaths::SetFolders(ShippedLanguage ? TAppPaths::AppDir() : data, data);
    }
    // The window makes its folder the working folder: give that back before the folder goes,
    // so later tests (and the programs they start) do not run in a deleted folder.
    void TearDown() override {
        Form.reset();
        TAppPaths::Reset();
        QDir::setCurrent(WorkingDir);
    }

    // Makes and shows the window with the clock given.
    void OpenWindow(std::unique_ptr<TShellClock> clock) {
        Form = std::make_unique<TMainForm>(&MakeAtelierPages, 0);
        auto answerer = std::make_unique<TQueuedAnswerer>();
        Answers = answerer.get();
        Form->SetDialogAnswerer(std::move(answerer));
        Form->SetShellClock(std::move(clock));
        Form->Timer->stop(); // ticks come from the test
        Form->show();
        QApplication::processEvents();
    }

    static void Click(QWidget* widget) {
        QTest::mouseClick(widget, Qt::LeftButton, {}, widget->rect().center());
        QApplication::processEvents();
    }
    // With SUDOKU_SCREENSHOT_DIR set, a picture of the widget (the window) under that name;
    // settle lets pending events run first.
    static void Screenshot(QWidget& widget, const char* name, bool settle = true) {
        const QByteArray dir = qgetenv("SUDOKU_SCREENSHOT_DIR");
        if (dir.isEmpty())
            return;
        if (settle)
            QApplication::processEvents();
        widget.grab().save(QDir(QString::fromLocal8Bit(dir)).filePath(QString::fromLatin1(name)));
    }
    void Screenshot(const char* name, bool settle = true) { Screenshot(*Form, name, settle); }
    std::string Library() const { return (Dir / "sudoku.dat").string(); }

    bool ShippedLanguage = false; // set in a fixture's constructor
    const QString WorkingDir = QDir::currentPath();
    QTemporaryDir Temp;
    std::filesystem::path Dir;
    TQueuedAnswerer* Answers = nullptr; // owned by the window
    std::unique_ptr<TMainForm> Form;
};

} // namespace sudoku::test
