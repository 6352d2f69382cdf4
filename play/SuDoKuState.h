// The flag set of what the Play & Solve and Enter & Design pages are doing. Handlers set, clear
// or replace these flags; the timer and the grid drawing read them.
#pragma once

#include <cstdint>

namespace sudoku {

using TSuDoKuState = std::uint16_t;

constexpr TSuDoKuState sfLoading = 0x0001;    // a game record is being loaded into the page
constexpr TSuDoKuState sfSaving = 0x0002;     // the game record is being written
constexpr TSuDoKuState sfThinking = 0x0004;   // generator or solver running
constexpr TSuDoKuState sfPlaying = 0x0008;    // a game is in progress on Play & Solve
constexpr TSuDoKuState sfPaused = 0x0010;     // the game is paused
constexpr TSuDoKuState sfRestarting = 0x0020; // a restart is under way
constexpr TSuDoKuState sfValidating = 0x0040; // Enter & Design checks its puzzle
constexpr TSuDoKuState sfHinting = 0x0080;    // a hint is being given
constexpr TSuDoKuState sfShowErrors = 0x0100; // wrong entries are marked until the board changes
constexpr TSuDoKuState sfSolved = 0x0200;     // game over: solved or solution shown
constexpr TSuDoKuState sfDesigning = 0x0400;  // a puzzle is open on Enter & Design
constexpr TSuDoKuState sfPuzzleMode = 0x0800; // Enter & Design is in Puzzle Mode
constexpr TSuDoKuState sfDesignMode = 0x1000; // Enter & Design is in Design Mode
constexpr TSuDoKuState sfSolvable = 0x2000;   // last validation found a solution
constexpr TSuDoKuState sfRendering = 0x4000;  // rendering for printing or the clipboard

constexpr bool HasFlag(TSuDoKuState state, TSuDoKuState flag) {
    return (state & flag) != 0;
}

} // namespace sudoku
