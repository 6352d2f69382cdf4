// A window stand-in for the Play & Solve page: it records what the page shows, answers the
// dialogs from prepared queues and keeps a clock that only moves when a test moves it.
#pragma once

#include "TPlayNSolveView.h"

#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace sudoku {

class FakePlayNSolveView : public TPlayNSolveView {
public:
    // Options page.
    int Level = 1;
    TSolveOptions Checks = soRuler | soHints | soErrors | soAlternatives;
    TSolveOptions Aids = soRestart;
    double TimeLimit = 1.0 / 24; // one hour
    int DisplaySet = 0;
    std::string Symbols = "123456789";
    bool PlayShowing = true;
    bool DesignShowing = false;

    // What the page showed.
    std::map<TPlayControl, bool> Enabled;
    std::string PauseCaption, SolutionCaption, CompleteCaption, FileName, LevelCaption;
    TClockFace PlayFace, DesignFace;
    TAlternativesDisplay Alternatives;
    int SolutionsMenu = -1;
    bool PopupAllowed = false;
    int GridSize = 0;
    int Col = 1, Row = 1;
    int Repaints = 0;
    int DisplaySetRefreshes = 0;
    int NewDesigns = 0;
    int MessageLoops = 0;
    int DelayedMs = 0;
    std::vector<std::string> Errors;

    // Dialog answers, consumed front first; the prompts asked are kept.
    std::deque<std::string> EditAnswers;
    std::deque<bool> MsgAnswers;
    std::vector<std::string> Prompts;
    std::vector<std::string> EditDefaults;

    double Clock = 46361.5; // the moment now, in days
    std::function<void()> OnProcessMessages;
    std::function<void()> OnRepaint;

    int OptionsLevel() const override { return Level; }
    std::string OptionsLevelText(int level) const override {
        static const char* names[] = {"Rookie", "Normal", "Skilled", "Expert"};
        return level >= 0 && level < 4 ? names[level] : "";
    }
    TSolveOptions OptionsSolveChecks() const override { return Checks; }
    double OptionsTimeLimit() const override { return TimeLimit; }
    TSolveOptions SolveOptions() const override { return Aids; }
    void SetSolveOptions(TSolveOptions options) override { Aids = options; }
    int DisplaySetIndex() const override { return DisplaySet; }
    std::string DisplaySetSymbols() const override { return Symbols; }
    bool HasSmallPicture(int) const override { return DisplaySet >= 3; }
    bool PlayNSolveShowing() const override { return PlayShowing; }
    bool EnterNDesignShowing() const override { return DesignShowing; }

    void SetEnabled(TPlayControl control, bool enabled) override { Enabled[control] = enabled; }
    void SetPauseCaption(const std::string& c) override { PauseCaption = c; }
    void SetSolutionCaption(const std::string& c) override { SolutionCaption = c; }
    void SetFileNameCaption(const std::string& c) override { FileName = c; }
    void SetLevelCaption(const std::string& c) override { LevelCaption = c; }
    void ShowClock(const TClockFace& play, const TClockFace& design) override {
        PlayFace = play;
        DesignFace = design;
    }
    void ShowAlternatives(const TAlternativesDisplay& d) override { Alternatives = d; }
    void SetSolutionsMenu(int count) override { SolutionsMenu = count; }
    void SetPopupAllowed(bool allowed) override { PopupAllowed = allowed; }
    void SetGridSize(int n) override { GridSize = n; }
    void RefreshDisplaySet() override { ++DisplaySetRefreshes; }
    void SelectCell(int col, int row) override {
        Col = col;
        Row = row;
    }
    int SelectedCol() const override { return Col; }
    int SelectedRow() const override { return Row; }
    void RepaintGrid() override {
        ++Repaints;
        if (OnRepaint)
            OnRepaint();
    }
    void SetCompleteCaption(const std::string& c) override { CompleteCaption = c; }
    void StartNewDesign() override { ++NewDesigns; }

    std::string EditDlg(const std::string& prompt, const std::string&, const std::string&,
                        const std::string& text) override {
        Prompts.push_back(prompt);
        EditDefaults.push_back(text);
        if (EditAnswers.empty())
            return {};
        std::string answer = EditAnswers.front();
        EditAnswers.pop_front();
        return answer;
    }
    bool MsgDlg(const std::string& text, const std::string&, const std::string&) override {
        Prompts.push_back(text);
        if (MsgAnswers.empty())
            return false;
        const bool answer = MsgAnswers.front();
        MsgAnswers.pop_front();
        return answer;
    }
    void ShowWriteError(const std::string& message) override { Errors.push_back(message); }
    std::string Translate(int, const std::string& english) const override { return english; }

    void ProcessMessages() override {
        ++MessageLoops;
        if (OnProcessMessages)
            OnProcessMessages();
    }
    void Delay(int ms) override { DelayedMs += ms; }
    double Now() const override { return Clock; }
};

} // namespace sudoku
