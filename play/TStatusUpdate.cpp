// Enabling table of the Play & Solve controls and the alternatives display.
#include "TStatusUpdate.h"

#include "TCellInput.h"
#include "TSuDoKuGrid.h"

namespace sudoku {

namespace {

std::string JoinSymbols(const std::vector<int>& values, std::string_view symbols) {
    std::string text;
    for (int v : values) {
        if (static_cast<std::size_t>(v) > symbols.size())
            continue;
        if (!text.empty())
            text += ',';
        text += symbols[static_cast<std::size_t>(v - 1)];
    }
    return text;
}

} // namespace

TPlayNSolveControls TStatusUpdate::Controls(const TStatusInput& in) {
    const TSuDoKuState s = in.State;
    const bool busy = HasFlag(s, sfLoading | sfValidating); // L or V
    const bool playing = HasFlag(s, sfPlaying);
    const bool paused = HasFlag(s, sfPaused);
    const bool solved = HasFlag(s, sfSolved);
    const bool thinking = HasFlag(s, sfThinking);
    TPlayNSolveControls c;
    c.GridEnabled = !HasFlag(s, sfLoading | sfValidating | sfPaused | sfThinking | sfRestarting);
    c.New = !busy && !thinking;
    // Save, Print and Clipboard follow "New"; their handlers guard with their own flags.
    c.Save = c.New && (playing || solved);
    c.Print = c.Save;
    c.Clipboard = c.Save;
    c.Pause = !busy && playing;
    c.Restart = (!busy && playing) || solved;
    c.Undo = !busy && !paused && playing && in.HistoryHasEntry;
    c.Redo = !busy && !paused && playing && in.RedoHasEntry;
    c.Hint = !busy && !paused && in.Hints && playing && !solved;
    // While the marks show, "Errors" has nothing more to show.
    c.Errors = !busy && !paused && in.Errors && playing && !solved && !HasFlag(s, sfShowErrors);
    c.Solution =
        !busy && !thinking && !solved && playing && (in.SolutionUsable || in.SolverSolutions > 1);
    c.AlternativesLbl = !busy && !paused && in.Alternatives && playing && !solved;
    c.ShowCellAlternatives = !busy && !paused && playing && in.Alternatives;
    return c;
}

TAlternativesDisplay TStatusUpdate::ShowAlternatives(std::string_view caption,
                                                     std::string_view alternatives, int gridSize,
                                                     int displaySet, std::string_view symbols,
                                                     const std::vector<bool>& hasPicture) {
    TAlternativesDisplay d;
    d.Caption = std::string(caption) + "\n";
    const std::vector<int> values = TCellInput::ListValues(alternatives, gridSize);
    if (gridSize >= 10) {
        d.Caption += JoinSymbols(values, FixedSymbols);
    } else if (displaySet == 0) {
        if (alternatives.find('$') != std::string_view::npos)
            d.Caption += std::to_string(TextToValue(alternatives));
        else
            d.Caption += alternatives;
    } else if (displaySet == 1 || displaySet == 2) {
        d.Caption += JoinSymbols(values, symbols);
    } else {
        d.PictureVisible = true;
        for (int v : values)
            if (static_cast<std::size_t>(v) < hasPicture.size() &&
                hasPicture[static_cast<std::size_t>(v)])
                d.PictureValues.push_back(v);
    }
    return d;
}

} // namespace sudoku
