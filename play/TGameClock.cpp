// Steps of the main timer's tick that concern the clock, in their fixed order.
#include "TGameClock.h"

#include "SuDoKuDateTime.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace sudoku {

TGameClock::TGameClock(TTranslate translate) : Translate(std::move(translate)) {}

std::string TGameClock::Text(int tag, const char* english) const {
    return Translate ? Translate(tag, english) : std::string(english);
}

namespace {

long long WholeMilliseconds(double days) {
    return std::llround(std::max(days, 0.0) * 86400000.0);
}

} // namespace

std::string TGameClock::FormatMinutesSeconds(double played) {
    return FormatDateTime("nn:ss", std::max(played, 0.0));
}

std::string TGameClock::TimeCaption(double played) const {
    return Text(575, "Time ") + FormatMinutesSeconds(played);
}

void TGameClock::Animate(TClockFace& face, int thinkingTag) {
    if (!face.GaugeVisible) {
        face.GaugePosition = 0;
        face.GaugeVisible = true;
    }
    face.GaugeRed = false;
    face.GaugePosition = face.GaugePosition + 1 > GaugeMax ? 0 : face.GaugePosition + 6;
    const std::string thinking = Text(thinkingTag, "Thinking");
    if (face.Caption.find(thinking) == std::string::npos) {
        face.Caption = thinking;
        return;
    }
    face.Caption += " .";
    if (face.Caption.find(" . . . . .") != std::string::npos)
        face.Caption = thinking;
}

TTickOutcome TGameClock::Tick(TSuDoKuState state, bool timeLimited, double now, TPlayTimes& times,
                              const std::function<bool()>& gridSolved) {
    const auto has = [state](TSuDoKuState flag) { return HasFlag(state, flag); };
    if (has(sfThinking)) {
        Animate(has(sfDesigning) ? DesignFace : PlayFace, has(sfDesigning) ? 677 : 577);
        return TTickOutcome::Nothing;
    }
    if (has(sfPlaying) && !has(sfPaused) && !has(sfLoading) && !has(sfSaving)) {
        if (!has(sfRendering))
            times.Tpt += std::max(now - times.Tptl, 0.0); // a clock set back adds nothing
        times.Tptl = now;
        PlayFace.GaugeVisible = true;
        // Whole milliseconds, so that rounding in the sums of days can neither end a game
        // exactly at its limit nor hold the pie one step back.
        const long long played = WholeMilliseconds(times.Tpt);
        const long long limit = WholeMilliseconds(times.Tptm);
        bool limitPassed = false;
        if (timeLimited && limit > 0) {
            PlayFace.GaugeRed = true;
            PlayFace.GaugePosition = static_cast<int>(played * GaugeMax / limit) + 2;
            limitPassed = played > limit;
        } else {
            PlayFace.GaugeRed = false; // minutes within the current hour of play
            PlayFace.GaugePosition = static_cast<int>(played / 60000 % 60) + 2;
        }
        PlayFace.Caption = TimeCaption(times.Tpt);
        return limitPassed ? TTickOutcome::TimeLimitPassed : TTickOutcome::Nothing;
    }
    if (has(sfPlaying) && has(sfPaused)) {
        PlayFace.GaugeVisible = false;
    } else if (has(sfPlaying)) { // loading or saving: that time is not counted
        times.Tptl = now;
    } else if (has(sfDesigning)) {
        DesignFace.GaugeVisible = false;
    } else if (!has(sfPaused) && !has(sfSolved)) {
        PlayFace.GaugeVisible = false;
    } else if (has(sfSolved)) {
        PlayFace.GaugeVisible = false;
        const std::string caption =
            gridSolved && gridSolved() ? Text(579, "Puzzle Solved!") : Text(578, "Puzzle Solution");
        if (PlayFace.Caption != caption)
            PlayFace.Caption = caption;
    } else {
        PlayFace.GaugeVisible = false;
        PlayFace.Caption.clear();
        DesignFace.GaugeVisible = false;
    }
    return TTickOutcome::Nothing;
}

} // namespace sudoku
