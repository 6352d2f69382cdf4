// The game clock of the main timer: the "Thinking" animation, time played, the pie gauge, the
// time limit and the end-of-game caption. Pure state; the page copies the faces to the window.
#pragma once

#include "SuDoKuState.h"

#include <functional>
#include <string>
#include <string_view>

namespace sudoku {

// What a gauge and its label show: kept here so the tick can work on the last shown values.
struct TClockFace {
    bool GaugeVisible = false;
    int GaugePosition = 0;
    bool GaugeRed = false;
    std::string Caption;
    friend bool operator==(const TClockFace&, const TClockFace&) = default;
};

// Times of the game record, in days (one day = 1.0).
struct TPlayTimes {
    double Tpts = 0;
    double Tptl = 0;
    double Tpt = 0;
    double Tptm = 0;
};

enum class TTickOutcome { Nothing, TimeLimitPassed };

class TGameClock {
public:
    static constexpr int GaugeMax = 60;
    using TTranslate = std::function<std::string(int tag, const std::string& english)>;

    explicit TGameClock(TTranslate translate = {});

    TClockFace PlayFace;   // PlayNSolveGauge and PlayNSolveTimeLbl
    TClockFace DesignFace; // EnterNDesignGauge and EnterNDesignStatusLbl

    // One tick after the user check. gridSolved tells whether the board is full and correct.
    TTickOutcome Tick(TSuDoKuState state, bool timeLimited, double now, TPlayTimes& times,
                      const std::function<bool()>& gridSolved);

    // "Time " followed by the minutes and seconds played ("nn:ss"; whole hours are dropped).
    std::string TimeCaption(double played) const;
    static std::string FormatMinutesSeconds(double played);

    std::string Text(int tag, const char* english) const;

private:
    void Animate(TClockFace& face, int thinkingTag);
    TTranslate Translate;
};

} // namespace sudoku
