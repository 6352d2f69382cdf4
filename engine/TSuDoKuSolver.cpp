// The limited solver: alternatives passes until nothing changes, then guesses at the cell
// with the shortest candidate text, inside a node budget, counting distinct solutions.
#include "TSuDoKuSolver.h"

#include "Alternatives.h"

#include <algorithm>

namespace sudoku {

namespace {

int IndexOfName(const std::vector<std::string>& list, std::string_view name) {
    for (std::size_t i = 0; i < list.size(); ++i)
        if (list[i].size() > name.size() && list[i].compare(0, name.size(), name) == 0 &&
            list[i][name.size()] == '=')
            return static_cast<int>(i);
    return -1;
}

int ReadCounter(const std::vector<std::string>& list, std::string_view name) {
    int i = IndexOfName(list, name);
    return i < 0 ? 0 : TextToValue(std::string_view(list[i]).substr(name.size() + 1));
}

void WriteCounter(std::vector<std::string>& list, std::string_view name, int value) {
    std::string entry = std::string(name) + "=" + std::to_string(value);
    int i = IndexOfName(list, name);
    if (i < 0)
        list.push_back(std::move(entry));
    else
        list[i] = std::move(entry);
}

bool Contains(const std::vector<std::string>& list, const std::string& entry) {
    return std::find(list.begin(), list.end(), entry) != list.end();
}

} // namespace

int TSuDoKuSolver::Solutions() const {
    return ReadCounter(List, "Solutions");
}

int TSuDoKuSolver::EmptyLimit(int gridSize) {
    // N * N * 66 / 81, rounded to the nearest integer (no size gives an exact half).
    return (gridSize * gridSize * 66 * 2 + 81) / 162;
}

void TSuDoKuSolver::ProcessMessages() {
    if (!Hooks.ProcessMessages)
        return;
    auto now = std::chrono::steady_clock::now();
    if (now - LastMessages < MessageInterval)
        return;
    LastMessages = now;
    Hooks.ProcessMessages();
}

bool TSuDoKuSolver::SolveSuDoKu(TSuDoKuValues& v, TSuDoKuStrings& s, bool allowGuess,
                                bool showResults) {
    const TSuDoKuGrid& g = Grid;
    const int cap = std::max(0, g.MaxSolutions);
    if (IndexOfName(List, "Solutions") < 0)
        List.push_back("Solutions=0");
    if (IndexOfName(List, "Count") < 0)
        List.push_back("Count=0");
    if (IndexOfName(List, "Depth") < 0) {
        List = {"Solutions=0", "Depth=0", "Count=0"};
        LastMessages = std::chrono::steady_clock::now();
    }
    if (ReadCounter(List, "Solutions") > cap)
        return false;
    if (ReadCounter(List, "Count") + 1 > NodeBudget)
        return false;
    std::string key = ">" + g.StringsToHex(s);
    if (Contains(List, key))
        return false;
    List.push_back(std::move(key));
    WriteCounter(List, "Count", ReadCounter(List, "Count") + 1);
    WriteCounter(List, "Depth", ReadCounter(List, "Depth") + 1);

    bool solved = false;
    if (g.CountEmptyStrings(s) < EmptyLimit(g.GridSize)) {
        bool ok = true;
        for (int pass = 0; pass < MaxPasses && ok && !g.ValuesFull(v); ++pass) {
            TSuDoKuValues v0 = v;
            TSuDoKuStrings s0 = s;
            ok = ComputeAlternatives(g, v, s) && g.StringsFull(s);
            ProcessMessages();
            if (g.ValuesEqual(v, v0) && g.StringsEqual(s, s0))
                break;
        }
        solved = g.ValuesFull(v) && g.SumsOK(v) && g.StringsFull(s);
        if (solved) {
            std::string solution = g.ValuesToHex(v);
            if (!Contains(List, solution)) {
                List.insert(List.begin() + 2, std::move(solution));
                WriteCounter(List, "Solutions", ReadCounter(List, "Solutions") + 1);
            }
        }
        if (!solved && g.StringsFull(s) && allowGuess)
            Guess(v, s);
    }

    int depth = ReadCounter(List, "Depth") - 1;
    WriteCounter(List, "Depth", depth);
    if (depth != 0)
        return solved;

    List.erase(List.begin() + IndexOfName(List, "Count"));
    List.erase(List.begin() + IndexOfName(List, "Depth"));
    for (std::size_t i = List.size(); i-- > 0;)
        if (List[i].find('>') != std::string::npos)
            List.erase(List.begin() + static_cast<std::ptrdiff_t>(i));
    const int solutions = ReadCounter(List, "Solutions");
    if (solutions >= 1) {
        TSuDoKuGrid::ClearValues(v);
        g.HexToValues(List[1], v);
    }
    if (showResults && Hooks.ShowResults)
        Hooks.ShowResults(List);
    return solutions == 1;
}

void TSuDoKuSolver::Guess(TSuDoKuValues& v, TSuDoKuStrings& s) {
    const TSuDoKuGrid& g = Grid;
    const TSuDoKuValues v1 = v;
    const TSuDoKuStrings s1 = s;
    auto restore = [&] {
        TSuDoKuGrid::ClearValues(v);
        g.CopyValues(v1, v);
        TSuDoKuGrid::ClearStrings(s);
        g.CopyStrings(s1, s);
    };
    std::string best = "0,1,2,3,4,5,6,7,8,9,A,B,C,D,E,F,";
    int chosen = -1;
    for (int row = 1; row <= g.GridSize; ++row)
        for (int col = 1; col <= g.GridSize; ++col) {
            const int i = CellIndex(col, row);
            if (v1[i] == 0 && s1[i].find(',') != std::string::npos && s1[i].size() < best.size()) {
                best = s1[i] + ",";
                chosen = i;
            }
        }
    if (chosen >= 0 && best.find(',') != std::string::npos &&
        static_cast<int>(best.size()) < g.GridSize) {
        while (!best.empty() && ReadCounter(List, "Solutions") <= std::max(0, g.MaxSolutions)) {
            std::size_t comma = best.find(',');
            std::string item = best.substr(0, comma);
            best.erase(0, comma == std::string::npos ? best.size() : comma + 1);
            const int value = TextToValue(item);
            v[chosen] = static_cast<std::uint8_t>(value);
            if (value == 0)
                continue;
            s[chosen] = std::to_string(value);
            SolveSuDoKu(v, s, true, false);
            restore();
        }
    }
    restore();
}

} // namespace sudoku
