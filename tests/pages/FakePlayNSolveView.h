// A window stand-in for the Play & Solve page and its services: it records what the page shows,
// answers dialogs from prepared queues and keeps a clock that moves only when a test moves it.
#pragma once

#include "TPlayNSolveView.h"
#include "TSharedState.h"
#include "TWindowServices.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace sudoku {

// Level Normal, every aid box but Time Limited ticked, only Restart in force, one-hour limit.
inline TSharedState FakeSharedState(std::string library, std::string settings, std::string user) {
    TSharedState shared;
    shared.ShownAids = soRuler | soHints | soErrors | soAlternatives;
    shared.Options.SolveOptions = soRestart;
    shared.Options.TimeLimit = 1.0 / 24;
    shared.LibraryFile = std::move(library);
    shared.SettingsFile = std::move(settings);
    shared.UserName = std::move(user);
    return shared;
}

class FakePlayNSolveView : public TPlayNSolveView, public TWindowServices {
public:
    // What the page showed.
    std::map<TPlayControl, bool> Enabled;
    std::string SolutionCaption, FileName;
    TClockFace PlayFace;
    TAlternativesDisplay Alternatives;
    int PauseTag = 530, SolutionsMenu = -1, GridSize = 0, Col = 1, Row = 1, DelayedMs = 0;
    bool PopupAllowed = false;
    std::vector<std::string> Errors;

    // Dialog answers, consumed front first (none left: cancel); the prompts asked are kept.
    std::deque<std::string> EditAnswers;
    std::deque<bool> MsgAnswers;
    std::vector<std::string> Prompts;

    double Clock = 46361.5; // the moment now, in days
    std::function<void()> OnProcessMessages, OnRepaint;

    std::string OptionsLevelText(int) const override { return "Normal"; }
    int DisplaySetIndex() const override { return 0; }
    std::string DisplaySetSymbols() const override { return "123456789"; }
    bool HasSmallPicture(int) const override { return false; }
    bool PlayNSolveShowing() const override { return true; }
    bool EnterNDesignShowing() const override { return false; }

    void SetEnabled(TPlayControl control, bool enabled) override { Enabled[control] = enabled; }
    void SetPauseButton(int tag) override { PauseTag = tag; }
    void SetSolutionCaption(const std::string& c) override { SolutionCaption = c; }
    void SetFileNameCaption(const std::string& c) override { FileName = c; }
    void SetLevelCaption(const std::string&) override {}
    void ShowClock(const TClockFace& play) override { PlayFace = play; }
    void ShowAlternatives(const TAlternativesDisplay& d) override { Alternatives = d; }
    void SetSolutionsMenu(int count) override { SolutionsMenu = count; }
    void SetPopupAllowed(bool allowed) override { PopupAllowed = allowed; }
    void SetGridSize(int n) override { GridSize = n; }
    void RefreshDisplaySet() override {}
    void SelectCell(int col, int row) override { std::tie(Col, Row) = std::pair(col, row); }
    int SelectedCol() const override { return Col; }
    int SelectedRow() const override { return Row; }
    void RepaintGrid() override { Call(OnRepaint); }
    void StartNewDesign(int, int) override {}

    std::string EditDlg(const std::string& prompt, const std::string&, const std::string&,
                        const std::string&) override {
        Prompts.push_back(prompt);
        return Next(EditAnswers);
    }
    bool MsgDlg(const std::string& text, const std::string&, const std::string&) override {
        Prompts.push_back(text);
        return Next(MsgAnswers);
    }
    void ShowWriteError(const std::string& message) override { Errors.push_back(message); }
    void ShowMessage(const std::string& text) override { Prompts.push_back(text); }
    std::string Translate(int, const std::string& english) const override { return english; }

    void ProcessMessages() override { Call(OnProcessMessages); }
    void Delay(int ms) override { DelayedMs += ms; }
    double Now() const override { return Clock; }

private:
    template <typename T> static T Next(std::deque<T>& answers) {
        T answer{};
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        }
        return answer;
    }
    static void Call(const std::function<void()>& hook) {
        if (hook)
            hook();
    }
};

} // namespace sudoku
