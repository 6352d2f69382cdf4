// The reference engine, written as directly as possible from the description of each
// routine: no masks, no caching, every test a scan of the texts.
#include "ReferenceEngine.h"

#include <cstdio>

namespace sudoku::reference {

int ReferenceEngine::TextValue(std::string_view text) const {
    bool hex = !text.empty() && text[0] == '$';
    std::string digits(hex ? text.substr(1) : text);
    if (digits.empty() || digits.size() > 18)
        return 0;
    const std::string allowed = hex ? "0123456789ABCDEFabcdef" : "0123456789";
    for (char c : digits)
        if (allowed.find(c) == std::string::npos)
            return 0;
    long long value = std::stoll(digits, nullptr, hex ? 16 : 10);
    return value <= GridSize ? static_cast<int>(value) : 0;
}

std::string ReferenceEngine::Fixed(int value) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "$%02X", value);
    return buffer;
}

std::vector<int> ReferenceEngine::Cells() const {
    std::vector<int> cells;
    for (int col = 1; col <= GridSize; ++col)
        for (int row = 1; row <= GridSize; ++row)
            cells.push_back(Idx(col, row));
    return cells;
}

void ReferenceEngine::ValuesToStrings(const TSuDoKuValues& v, TSuDoKuStrings& s) const {
    for (int i : Cells())
        s[i] = v[i] == 0 ? "" : std::to_string(v[i]);
}

void ReferenceEngine::StringsToValues(const TSuDoKuStrings& s, TSuDoKuValues& v) const {
    for (int i : Cells())
        v[i] = static_cast<std::uint8_t>(TextValue(s[i]));
}

std::string ReferenceEngine::ValuesToHex(const TSuDoKuValues& v) const {
    std::string text;
    char buffer[4];
    for (int row = 1; row <= GridSize; ++row)
        for (int col = 1; col <= GridSize; ++col) {
            std::snprintf(buffer, sizeof buffer, "%02X", v[Idx(col, row)]);
            text += buffer;
        }
    return text;
}

void ReferenceEngine::HexToValues(const std::string& text, TSuDoKuValues& v) const {
    for (int row = 1; row <= GridSize; ++row)
        for (int col = 1; col <= GridSize; ++col) {
            std::size_t pos = static_cast<std::size_t>(((row - 1) * GridSize + col) * 2 - 2);
            int value = pos + 2 <= text.size() ? TextValue("$" + text.substr(pos, 2)) : 0;
            v[Idx(col, row)] = static_cast<std::uint8_t>(value);
        }
}

int ReferenceEngine::CountEmptyStrings(const TSuDoKuStrings& s) const {
    int count = 0;
    for (int i : Cells())
        count += s[i] == "";
    return count;
}

bool ReferenceEngine::ValuesFull(const TSuDoKuValues& v) const {
    for (int i : Cells())
        if (v[i] == 0)
            return false;
    return true;
}

bool ReferenceEngine::SumsOK(const TSuDoKuValues& v) const {
    for (int i = 1; i <= GridSize; ++i) {
        int rowSum = 0;
        int colSum = 0;
        for (int j = 1; j <= GridSize; ++j) {
            rowSum += v[Idx(j, i)];
            colSum += v[Idx(i, j)];
        }
        if (rowSum != UnitSum || colSum != UnitSum)
            return false;
    }
    return true;
}

bool ReferenceEngine::UnitsOK(const TSuDoKuValues& v) const {
    for (int value = 1; value <= GridSize; ++value) {
        for (int i = 1; i <= GridSize; ++i)
            if (CountInRow(v, value, i) != 1 || CountInCol(v, value, i) != 1)
                return false;
        for (int boxRowIdx = 1; boxRowIdx <= BoxesDown; ++boxRowIdx)
            for (int boxColIdx = 1; boxColIdx <= BoxesAcross; ++boxColIdx) {
                int count = 0;
                for (int k = 1; k <= GridSize; ++k)
                    if (v[Idx(BoxCol(boxColIdx, k), BoxRow(boxRowIdx, k))] == value)
                        ++count;
                if (count != 1)
                    return false;
            }
    }
    return true;
}

bool ReferenceEngine::ComputeAlternatives(TSuDoKuValues& v, TSuDoKuStrings& s) const {
    StringsToValues(s, v);
    s.fill("");
    ValuesToStrings(v, s);
    bool result = false;
    for (int boxRowIdx = 1; boxRowIdx <= BoxesDown; ++boxRowIdx)
        for (int boxColIdx = 1; boxColIdx <= BoxesAcross; ++boxColIdx) {
            for (int value = 1; value <= GridSize; ++value) {
                bool r = AlternativesForValue(v, s, boxColIdx, boxRowIdx, value);
                result = result || r;
            }
            FixSingles(s, boxColIdx, boxRowIdx);
        }
    return result;
}

bool ReferenceEngine::IsPlace(const TSuDoKuValues& v, const TSuDoKuStrings& s, int col, int row,
                              int value) const {
    return v[Idx(col, row)] == 0 && CountInRow(v, value, row) == 0 &&
           CountInCol(v, value, col) == 0 && CountInRow(s, Fixed(value), row) == 0 &&
           CountInCol(s, Fixed(value), col) == 0;
}

bool ReferenceEngine::AlternativesForValue(const TSuDoKuValues& v, TSuDoKuStrings& s, int boxColIdx,
                                           int boxRowIdx, int value) const {
    for (int k = 1; k <= GridSize; ++k)
        if (v[Idx(BoxCol(boxColIdx, k), BoxRow(boxRowIdx, k))] == value)
            return true;
    int places = 0;
    for (int k = 1; k <= GridSize; ++k)
        if (IsPlace(v, s, BoxCol(boxColIdx, k), BoxRow(boxRowIdx, k), value))
            ++places;
    if (places == 0)
        return false;
    for (int k = 1; k <= GridSize; ++k) {
        int col = BoxCol(boxColIdx, k);
        int row = BoxRow(boxRowIdx, k);
        if (!IsPlace(v, s, col, row, value))
            continue;
        std::string& text = s[Idx(col, row)];
        if (places == 1)
            text = Fixed(value);
        else if (text.find('$') != std::string::npos)
            ; // left alone
        else if (text == "")
            text = std::to_string(value);
        else
            text = text + "," + std::to_string(value);
    }
    return true;
}

void ReferenceEngine::FixSingles(TSuDoKuStrings& s, int boxColIdx, int boxRowIdx) const {
    for (int k = 1; k <= GridSize; ++k) {
        std::string& text = s[Idx(BoxCol(boxColIdx, k), BoxRow(boxRowIdx, k))];
        if (text.find('$') == std::string::npos && text == std::to_string(TextValue(text)))
            text = Fixed(TextValue(text));
    }
}

int ReferenceEngine::IndexOf(const std::string& entry) const {
    for (std::size_t i = 0; i < SolutionList.size(); ++i)
        if (SolutionList[i] == entry)
            return static_cast<int>(i);
    return -1;
}

int ReferenceEngine::IndexOfName(const std::string& name) const {
    for (std::size_t i = 0; i < SolutionList.size(); ++i)
        if (SolutionList[i].rfind(name + "=", 0) == 0)
            return static_cast<int>(i);
    return -1;
}

int ReferenceEngine::GetCounter(const std::string& name) const {
    int i = IndexOfName(name);
    return i < 0 ? 0 : std::stoi(SolutionList[i].substr(name.size() + 1));
}

void ReferenceEngine::SetCounter(const std::string& name, int value) {
    int i = IndexOfName(name);
    if (i < 0)
        SolutionList.push_back(name + "=" + std::to_string(value));
    else
        SolutionList[i] = name + "=" + std::to_string(value);
}

// The search keeps all of its state in SolutionList: counters for the solutions, the depth and
// the nodes entered, the solutions as hex texts (newest first, after "Solutions="), and one
// ">" key per visited state so that no state is worked on twice.
bool ReferenceEngine::SolveSuDoKu(TSuDoKuValues& v, TSuDoKuStrings& s, bool allowGuess) {
    int cap = MaxSolutions < 0 ? 0 : MaxSolutions;
    if (IndexOfName("Solutions") < 0)
        SolutionList.push_back("Solutions=0");
    if (IndexOfName("Count") < 0)
        SolutionList.push_back("Count=0");
    if (IndexOfName("Depth") < 0) { // a new top-level search
        SolutionList.clear();
        SolutionList.push_back("Solutions=0");
        SolutionList.push_back("Depth=0");
        SolutionList.push_back("Count=0");
    }
    if (GetCounter("Solutions") > cap)
        return false;
    if (GetCounter("Count") + 1 > NodeBudget)
        return false;
    TSuDoKuValues keyValues{};
    StringsToValues(s, keyValues);
    std::string key = ">" + ValuesToHex(keyValues);
    if (IndexOf(key) >= 0)
        return false;
    SolutionList.push_back(key);
    SetCounter("Count", GetCounter("Count") + 1);
    SetCounter("Depth", GetCounter("Depth") + 1);

    auto stringsFull = [&] { return CountEmptyStrings(s) == 0; };
    bool solved = false;
    int limit = (GridSize * GridSize * 66 * 2 + 81) / 162;
    if (CountEmptyStrings(s) < limit) { // else too empty: leave the node at once
        // Reasoning passes until nothing changes, a pass fails or the values are full.
        bool ok = true;
        for (int pass = 1; pass <= MaxPasses; ++pass) {
            if (ValuesFull(v) || !ok)
                break;
            TSuDoKuValues v0{};
            TSuDoKuStrings s0{};
            Copy(v, v0);
            Copy(s, s0);
            ok = ComputeAlternatives(v, s) && stringsFull();
            if (Equal(v, v0) && Equal(s, s0))
                break;
        }
        solved = ValuesFull(v) && SumsOK(v) && UnitsOK(v) && stringsFull();
        if (solved) {
            std::string t = ValuesToHex(v);
            if (IndexOf(t) < 0) {
                SolutionList.insert(SolutionList.begin() + 2, t);
                SetCounter("Solutions", GetCounter("Solutions") + 1);
            }
        }
        // Guessing: try each number of the shortest list in turn on a copy of the state.
        if (!solved && stringsFull() && allowGuess) {
            TSuDoKuValues v1{};
            TSuDoKuStrings s1{};
            Copy(v, v1);
            Copy(s, s1);
            auto restore = [&] {
                ClearValues(v);
                Copy(v1, v);
                s.fill("");
                Copy(s1, s);
            };
            std::string best = "0,1,2,3,4,5,6,7,8,9,A,B,C,D,E,F,";
            int bestCol = 0;
            int bestRow = 0;
            for (int row = 1; row <= GridSize; ++row)
                for (int col = 1; col <= GridSize; ++col) {
                    const std::string& text = s1[Idx(col, row)];
                    if (v1[Idx(col, row)] == 0 && text.find(',') != std::string::npos &&
                        text.size() < best.size()) {
                        best = text + ",";
                        bestCol = col;
                        bestRow = row;
                    }
                }
            if (bestCol > 0 && best.find(',') != std::string::npos &&
                static_cast<int>(best.size()) < GridSize) {
                while (best != "" && GetCounter("Solutions") <= cap) {
                    std::size_t comma = best.find(',');
                    std::string item = best.substr(0, comma);
                    best = best.substr(comma + 1);
                    int number = std::stoi(item);
                    v[Idx(bestCol, bestRow)] = static_cast<std::uint8_t>(number);
                    if (number == 0)
                        continue;
                    s[Idx(bestCol, bestRow)] = std::to_string(number);
                    SolveSuDoKu(v, s, true);
                    restore();
                }
            }
            restore();
        }
    }
    SetCounter("Depth", GetCounter("Depth") - 1);
    if (GetCounter("Depth") != 0)
        return solved;
    // End of the top-level search: drop the bookkeeping, keep the count and the solutions.
    NodesUsed = GetCounter("Count");
    SolutionList.erase(SolutionList.begin() + IndexOfName("Count"));
    SolutionList.erase(SolutionList.begin() + IndexOfName("Depth"));
    for (int i = static_cast<int>(SolutionList.size()) - 1; i >= 0; --i)
        if (SolutionList[i].find('>') != std::string::npos)
            SolutionList.erase(SolutionList.begin() + i);
    bool result = GetCounter("Solutions") == 1;
    if (GetCounter("Solutions") >= 1) {
        ClearValues(v);
        HexToValues(SolutionList[1], v);
    }
    return result;
}

} // namespace sudoku::reference
