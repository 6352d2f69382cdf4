// Test doubles for the main window's seams: queued dialog answers that record the questions,
// an instant clock that records the waits, and stand-in pages that record what the shell asks.
#pragma once

#include "TDialogAnswerer.h"
#include "TEnterNDesignSheet.h"
#include "TMainForm.h"
#include "TMySuDoKusSheet.h"
#include "TOptionsSheet.h"
#include "TPlayNSolveSheet.h"
#include "TShellClock.h"

#include <QStackedWidget>
#include <QStringList>

#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace sudoku::test {

// Answers come from the queues (No, an empty text and a cancelled file dialog once they run
// out).
class TQueuedAnswerer : public TDialogAnswerer {
public:
    bool MsgDlg(const QString& text, const QString& first, const QString& second) override {
        Questions << text;
        Captions << first + QLatin1Char('|') + second;
        return Next(YesNo, false);
    }
    QString EditDlg(const QString& prompt, const QString&, const QString&,
                    const QString&) override {
        Questions << prompt;
        if (WhileEditOpen)
            WhileEditOpen();
        return Next(Texts, QString());
    }
    std::optional<QColor> ColorDlg(const QColor& colour) override {
        Presets << colour.name();
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
    QStringList Presets; // what the colour and font dialogs were opened with
    QStringList Questions;
    QStringList Captions;
    std::function<void()> WhileEditOpen; // runs while the text box would be open
    std::function<void()> WhileFileOpen; // runs while a file dialog would be open
    std::function<bool(QPrinter&)> PrintSetup;

private:
    template <typename T> static T Next(std::deque<T>& queue, T otherwise) {
        if (queue.empty())
            return otherwise;
        T answer = queue.front();
        queue.pop_front();
        return answer;
    }
};

class TInstantClock : public TShellClock {
public:
    QDateTime Now() const override { return QDateTime(QDate(2026, 1, 2), QTime(3, 4, 5)); }
    void Delay(int ms) override { Delays.push_back(ms); }
    std::vector<int> Delays;
};

// Stand-ins for the pages around their real sheets: each records the moments the shell calls
// it as "Name(file,section[,interactive])".
class TRecordingPuzzlePage : public TShellPage {
public:
    using TSectionOf = std::string (*)(std::string_view userName);
    TRecordingPuzzlePage(const TMainForm& form, QWidget* sheet, QStringList& calls, QString name,
                         TSectionOf section)
        : Form(form), PageSheet(sheet), Calls(calls), Name(std::move(name)), SectionOf(section) {}
    QWidget& Sheet() override { return *PageSheet; }
    // Entering a puzzle page loads its last game or design, unless it showed already.
    void Entered(bool wasShowing) override {
        if (!wasShowing)
            Calls << QStringLiteral("%1Load(%2,%3)").arg(Name, File(), Section());
    }
    void SaveLastState() override {
        Calls << QStringLiteral("%1Save(%2,%3,0)").arg(Name, File(), Section());
    }

private:
    QString File() const { return QString::fromStdString(Form.Shared.SettingsFile); }
    QString Section() const { return QString::fromStdString(SectionOf(Form.Shared.UserName)); }
    const TMainForm& Form;
    QWidget* PageSheet;
    QStringList& Calls;
    QString Name;
    TSectionOf SectionOf;
};

// My SuDoKus records that entering fills its list; Options that closing saves the settings.
class TRecordingPage : public TShellPage {
public:
    TRecordingPage(QWidget* sheet, QStringList& calls, QString entered, QString savedSettings)
        : PageSheet(sheet), Calls(calls), EnteredCall(std::move(entered)),
          SaveSettingsCall(std::move(savedSettings)) {}
    QWidget& Sheet() override { return *PageSheet; }
    void Entered(bool) override { Record(EnteredCall); }
    void SaveSettings() override { Record(SaveSettingsCall); }

private:
    void Record(const QString& call) {
        if (!call.isEmpty())
            Calls << call;
    }
    QWidget* PageSheet;
    QStringList& Calls;
    QString EnteredCall;
    QString SaveSettingsCall;
};

// The window's pages as stand-ins that record into calls.
inline TMainForm::TPageMaker RecordingPages(QStringList& calls) {
    return [&calls](TMainForm& form) -> TMainForm::TPages {
        QWidget* notebook = form.Pages;
        const int layout = form.ScreenLayout;
        return {std::make_unique<TRecordingPuzzlePage>(form, new TPlayNSolveSheet(notebook, layout),
                                                       calls, QStringLiteral("PlayNSolve"),
                                                       &LastPlayNSolveSection),
                std::make_unique<TRecordingPuzzlePage>(
                    form, new TEnterNDesignSheet(notebook, layout), calls,
                    QStringLiteral("EnterNDesign"), &LastEnterNDesignSection),
                std::make_unique<TRecordingPage>(new TMySuDoKusSheet(notebook, layout), calls,
                                                 QStringLiteral("FillMySuDoKusList"), QString()),
                std::make_unique<TRecordingPage>(new TOptionsSheet(notebook, layout), calls,
                                                 QString(), QStringLiteral("SaveOptions"))};
    };
}

} // namespace sudoku::test
