// Test doubles for the main window's seams: queued dialog answers that record the questions,
// and a clock that stands still unless the test moves it and whose waits return at once.
#pragma once

#include "TDialogAnswerer.h"
#include "TShellClock.h"

#include <QDateTime>
#include <QStringList>

#include <deque>
#include <functional>
#include <optional>
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

} // namespace sudoku::test
