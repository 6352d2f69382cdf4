// The limited solver. A node reasons with alternatives passes until nothing changes; when
// that leaves open cells it guesses each candidate of the cell with the shortest list text
// in turn, searching each guess as a child node. Visited states, the node budget and the
// solution cap cut the search short; distinct solutions are counted.
#include "TSuDoKuSolver.h"

#include "TExactCounter.h"

#include <algorithm>
#include <bit>

namespace sudoku {

namespace {

// Set while a search runs; cleared again however it ends, a throwing hook included.
struct TSearchingFlag {
    bool& Flag;
    explicit TSearchingFlag(bool& flag) : Flag(flag) { Flag = true; }
    ~TSearchingFlag() { Flag = false; }
    TSearchingFlag(const TSearchingFlag&) = delete;
    TSearchingFlag& operator=(const TSearchingFlag&) = delete;
};

} // namespace

int TSuDoKuSolver::Solutions() const {
    for (const std::string& entry : List)
        if (entry.rfind("Solutions=", 0) == 0)
            return TextToValue(std::string_view(entry).substr(10));
    return 0;
}

int TSuDoKuSolver::EmptyLimit(int gridSize) {
    // N * N * 66 / 81, rounded to the nearest integer (no size gives an exact half).
    return (gridSize * gridSize * 66 * 2 + 81) / 162;
}

void TSuDoKuSolver::ProcessMessages() {
    if (!Hooks.ProcessMessages || ++PassesSinceLook < PassesPerClockLook)
        return;
    PassesSinceLook = 0;
    const auto now = std::chrono::steady_clock::now();
    if (now - LastMessages < MessageInterval)
        return;
    LastMessages = now;
    Hooks.ProcessMessages();
}

bool TSuDoKuSolver::SolveSuDoKu(TSuDoKuValues& v, TSuDoKuStrings& s, bool allowGuess,
                                bool showResults) {
    if (Searching)
        return false;
    const TSearchingFlag searching(Searching);
    TSearch search(Grid);
    search.Cap = std::max(0, Grid.MaxSolutions);
    search.Visited.reserve(2 * static_cast<std::size_t>(std::max(1, NodeLimit)));
    LastMessages = std::chrono::steady_clock::now();
    PassesSinceLook = 0;

    TCompactGrid::TCells cells;
    search.Compact.Load(s, cells);
    Node(search, v, cells, allowGuess);

    const int solutions = static_cast<int>(search.Found.size());
    LastGaveUp = search.GaveUp && solutions <= search.Cap;
    List.clear();
    List.push_back("Solutions=" + std::to_string(solutions));
    List.insert(List.end(), search.Found.rbegin(), search.Found.rend());
    if (solutions >= 1) {
        TSuDoKuGrid::ClearValues(v);
        Grid.HexToValues(List[1], v);
    }
    if (search.TopLevelPassed) {
        TSuDoKuGrid::ClearStrings(s);
        search.Compact.Store(cells, s);
    }
    if (showResults && Hooks.ShowResults)
        Hooks.ShowResults(List);
    return solutions == 1;
}

bool TSuDoKuSolver::SolveSuDoKuProven(TSuDoKuValues& v, TSuDoKuStrings& s, bool showResults) {
    if (Searching)
        return false;
    TSuDoKuValues givens{};
    Grid.StringsToValues(s, givens);
    const bool unique = SolveSuDoKu(v, s, true, false);
    if (!LastGaveUp) {
        if (showResults && Hooks.ShowResults)
            Hooks.ShowResults(List);
        return unique;
    }
    TExactCounter counter(Grid);
    counter.ProcessMessages = [this] { ProcessMessages(); };
    int solutions = 0;
    {
        const TSearchingFlag searching(Searching); // a hook's search must wait here too
        solutions = counter.Count(givens, std::max(0, Grid.MaxSolutions));
    }
    List.clear();
    List.push_back("Solutions=" + std::to_string(solutions));
    for (auto found = counter.Found().rbegin(); found != counter.Found().rend(); ++found)
        List.push_back(Grid.ValuesToHex(*found));
    if (solutions >= 1) {
        TSuDoKuGrid::ClearValues(v);
        Grid.HexToValues(List[1], v);
    }
    if (showResults && Hooks.ShowResults)
        Hooks.ShowResults(List);
    return solutions == 1;
}

bool TSuDoKuSolver::Node(TSearch& search, TSuDoKuValues& v, TCompactGrid::TCells& cells,
                         bool allowGuess) {
    const TCompactGrid& compact = search.Compact;
    const TSuDoKuGrid& g = Grid;
    const int n = g.GridSize;
    if (static_cast<int>(search.Found.size()) > search.Cap)
        return false;
    if (search.Count + 1 > NodeLimit) {
        search.GaveUp = true;
        return false;
    }
    // The state key: the value of every text on entry, one byte per cell.
    std::string key(static_cast<std::size_t>(n * n), '\0');
    for (int c = 0; c < n; ++c)
        for (int r = 0; r < n; ++r)
            key[static_cast<std::size_t>(r * n + c)] =
                static_cast<char>(cells[CellIndex(c + 1, r + 1)].Value);
    if (!search.Visited.insert(std::move(key)).second)
        return false;
    ++search.Count;
    const bool topLevel = search.Depth++ == 0;

    bool solved = false;
    if (compact.CountEmpty(cells) < EmptyLimit(n)) {
        bool ok = true;
        bool allFixed = false;
        TSuDoKuValues v0;
        TCompactGrid::TCells cells0;
        for (int pass = 0; pass < PassLimit && ok && !g.ValuesFull(v); ++pass) {
            if (allFixed) {
                // A pass over cells that are all fixed only reads them into V and writes the
                // same texts again, after which V is full and the passes end: take the values.
                for (int c = 0; c < n; ++c)
                    for (int r = 0; r < n; ++r)
                        v[c * MaxGridSize + r] = cells[c * MaxGridSize + r].Value;
                ProcessMessages();
                break;
            }
            v0 = v;
            cells0 = cells;
            const TCompactGrid::TPassOutcome outcome = compact.PassWithOutcome(v, cells);
            ok = outcome.Placed && outcome.Full;
            allFixed = outcome.AllFixed;
            if (topLevel)
                search.TopLevelPassed = true;
            ProcessMessages();
            if (g.ValuesEqual(v, v0) && compact.CellsEqual(cells, cells0))
                break;
        }
        // The sums alone would pass a grid whose givens repeat a value inside a box, so the
        // units are checked as well.
        solved = g.ValuesFull(v) && g.SumsOK(v) && g.UnitsOK(v) && compact.CellsFull(cells);
        if (solved) {
            std::string solution = g.ValuesToHex(v);
            if (std::find(search.Found.begin(), search.Found.end(), solution) == search.Found.end())
                search.Found.push_back(std::move(solution));
        }
        // A cell without candidates, or a full grid that is no solution, settles the node;
        // otherwise only guessing does.
        const bool open = !solved && compact.CellsFull(cells) && !g.ValuesFull(v);
        const bool guessed =
            !solved && compact.CellsFull(cells) && allowGuess && Guess(search, v, cells);
        if (open && !guessed)
            search.GaveUp = true;
    } else {
        search.GaveUp = true;
    }
    --search.Depth;
    return solved;
}

bool TSuDoKuSolver::Guess(TSearch& search, TSuDoKuValues& v, TCompactGrid::TCells& cells) {
    const TSuDoKuGrid& g = Grid;
    const int n = g.GridSize;
    const TSuDoKuValues v1 = v;
    const TCompactGrid::TCells cells1 = cells;
    // Restoring clears the whole arrays before copying the N x N cells back.
    auto restore = [&] {
        TSuDoKuGrid::ClearValues(v);
        g.CopyValues(v1, v);
        cells = cells1;
    };
    // The cell with the shortest list text, the last one in reading order among equals;
    // bestLength counts the text plus a trailing comma, starting from a 32-character text.
    int bestLength = 32;
    int chosen = -1;
    for (int row = 1; row <= n; ++row)
        for (int col = 1; col <= n; ++col) {
            const int i = CellIndex(col, row);
            if (v1[i] == 0 && cells1[i].HasComma() && cells1[i].ListLength() < bestLength) {
                bestLength = cells1[i].ListLength() + 1;
                chosen = i;
            }
        }
    const bool guessed = chosen >= 0 && bestLength < n;
    if (guessed) {
        for (std::uint32_t mask = cells1[chosen].Mask;
             mask != 0 && static_cast<int>(search.Found.size()) <= search.Cap; mask &= mask - 1) {
            const auto value = static_cast<std::uint8_t>(std::countr_zero(mask) + 1);
            v[chosen] = value;
            cells[chosen] = TCompactCell{static_cast<std::uint16_t>(1u << (value - 1)),
                                         TCellKind::Numbers, value};
            Node(search, v, cells, true);
            restore();
        }
    }
    restore();
    return guessed;
}

} // namespace sudoku
