// Runs the built sudoku-engine program (solve, generate and rate) on puzzle lines, files and
// bad arguments, and checks what it prints and its exit status.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct TRun {
    int Status = -1;
    std::string Out;
    std::string Err;
};

std::string Slurp(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

// Splits at line ends, or at blanks when words is set.
std::vector<std::string> Split(const std::string& text, bool words = false) {
    std::vector<std::string> parts;
    std::stringstream stream(text);
    for (std::string part; words ? bool(stream >> part) : bool(std::getline(stream, part));)
        parts.push_back(part);
    return parts;
}

class SudokuEngineCli : public ::testing::Test {
protected:
    void SetUp() override {
        Dir = fs::temp_directory_path() /
              ("sudoku-engine-cli-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(Dir);
    }
    void TearDown() override { fs::remove_all(Dir); }

    fs::path Write(const std::string& name, const std::string& text) {
        const fs::path path = Dir / name;
        std::ofstream(path, std::ios::binary) << text;
        return path;
    }

    // Runs sudoku-engine with the arguments (already shell-quoted) and standard input, its
    // standard output going to a file of the folder unless another one is named.
    TRun Run(const std::string& args, const std::string& input = "",
             const std::string& output = "") {
        const fs::path in = Write("stdin.txt", input);
        const std::string out = output.empty() ? (Dir / "out.txt").string() : output;
        const std::string command = std::string("'") + SUDOKU_ENGINE_CLI + "' " + args + " < '" +
                                    in.string() + "' > '" + out + "' 2> '" +
                                    (Dir / "err.txt").string() + "'";
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Slurp(Dir / "out.txt"),
                Slurp(Dir / "err.txt")};
    }

    fs::path Dir;
};

// The usual shifted-row 9 x 9 grid and puzzles cut from it.
const std::string Full9 = "123456789456789123789123456234567891567891234891234567345678912678912345"
                          "912345678";

std::string Opened(std::size_t cells) {
    return std::string(cells, '.') + Full9.substr(cells);
}

// A well-known hard puzzle with one solution, beyond the limited solver's node budget.
const std::string Hard =
    "8..........36......7..9.2...5...7.......457.....1...3...1....68..85...1..9....4"
    "..";
const std::string HardSolution = "81275364994368217567549128315423789636984572128716953452197436"
                                 "8438526917796318452";

TEST_F(SudokuEngineCli, SolvesWithTheCapOfTenAndRates) {
    struct Case {
        std::string args;
        std::string line;
        std::string expected;
    };
    const std::vector<Case> cases{
        {"solve", Full9, "1 " + Full9},
        // Two rows open: each stack swaps its two rows independently, 2 x 2 x 2 ways.
        {"solve", Opened(18), "8 456789123123456789" + Full9.substr(18)},
        {"solve", Opened(27), "10+ 756123489423789156189456723" + Full9.substr(27)},
        // Too empty to work on, or too hard: the solver gives up, which is no proof of
        // there being no solution.
        {"solve", std::string(81, '.'), "? " + std::string(81, '.')},
        {"solve", std::string(81, '0'), "? " + std::string(81, '.')},
        {"solve", Hard, "? " + Hard},
        {"solve --exact", Hard, "1 " + HardSolution},
        {"solve --exact", Full9, "1 " + Full9},
        {"solve --exact", "11" + Full9.substr(2), "0 11" + Full9.substr(2)}, // 1 twice
        {"solve --shape 2x2", "1.....3..4.....2", "1 1324423124133142"},
        {"solve --shape=2x2", "1.....3..4.....2", "1 1324423124133142"},
        {"solve", "2x2:1.....3..4.....2", "1 1324423124133142"},
        // Two rows open in a 4 x 4 grid: never guessed at, so the solver gives up and the
        // grid stays as reasoning left it.
        {"solve --shape 2x2", "........34121243", "? ........34121243"},
        // Rating by empty cells; 4 x 4 bands are 9, 10, 11 and 13 empty cells.
        {"rate", Opened(46), "0 Rookie"},
        {"rate", Opened(47), "1 Normal"},
        {"rate", Opened(56), "2 Skilled"},
        {"rate", Opened(66), "3 Expert"},
        {"rate", Opened(67), "0 Rookie"},
        {"rate --shape 2x2", ".........1234321", "0 Rookie"},
        {"rate", "2x2:..........234321", "1 Normal"},
        {"rate --shape 2x2", "3x3:" + Opened(57), "3 Expert"},
    };
    for (const Case& c : cases) {
        const TRun run = Run(c.args, c.line + "\n");
        EXPECT_EQ(run.Status, 0) << c.line;
        EXPECT_EQ(run.Out, c.expected + "\n") << c.line;
        EXPECT_EQ(run.Err, "") << c.line;
    }
    // A complete 16 x 16 grid in lower case letters comes back in upper case.
    std::string line;
    for (int row = 0; row < 16; ++row)
        for (int col = 0; col < 16; ++col) {
            const int value = (row % 4 * 4 + row / 4 + col) % 16 + 1;
            line += static_cast<char>(value <= 9 ? '0' + value : 'q' + value - 10);
        }
    std::string upper = line;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(c));
    const TRun big = Run("solve --shape 4x4", line + "\n");
    EXPECT_EQ(big.Status, 0);
    EXPECT_EQ(big.Out, "1 " + upper + "\n");

    // The exact counter's count, and a complete grid that keeps the givens when it found one.
    for (const auto& [puzzle, count] : std::vector<std::pair<std::string, std::string>>{
             {Opened(18), "8"}, {Opened(27), "10+"}, {"2x2:........34121243", "2"}}) {
        const std::vector<std::string> words = Split(Run("solve --exact", puzzle + "\n").Out, true);
        ASSERT_EQ(words.size(), 2U) << puzzle;
        EXPECT_EQ(words[0], count) << puzzle;
        const std::string givens = puzzle.substr(puzzle.find(':') + 1);
        ASSERT_EQ(words[1].size(), givens.size());
        for (std::size_t i = 0; i < givens.size(); ++i)
            EXPECT_TRUE(words[1][i] != '.' && (givens[i] == '.' || words[1][i] == givens[i]))
                << puzzle << " " << words[1];
    }
}

TEST_F(SudokuEngineCli, MalformedLinesAreReportedAndTheOthersUsed) {
    const std::string input = Full9 + "\n" +                   // line 1: good
                              "\n" +                           // line 2: blank, skipped
                              Full9.substr(1) + "\n" +         // line 3: one short
                              "12x" + Full9.substr(3) + "\n" + // line 4: bad character
                              "A" + Full9.substr(1) + "\n" +   // line 5: 10 in a 9 x 9 grid
                              "7x7:" + Full9 + "\n" +          // line 6: unknown shape
                              "  " + Opened(18) + "\r\n";      // line 7: good, blanks around
    const TRun run = Run("solve", input);
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(Split(run.Out),
              (std::vector<std::string>{"1 " + Full9, "8 456789123123456789" + Full9.substr(18)}));
    const std::vector<std::string> errors = Split(run.Err);
    ASSERT_EQ(errors.size(), 4u) << run.Err;
    const std::vector<std::pair<std::string, std::string>> expected{
        {"line 3", "wrong length"},
        {"line 4", "bad character 'x'"},
        {"line 5", "bad character"},
        {"line 6", "unknown shape '7x7'"}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        EXPECT_NE(errors[i].find("standard input, " + expected[i].first + ":"), std::string::npos)
            << errors[i];
        EXPECT_NE(errors[i].find(expected[i].second), std::string::npos) << errors[i];
    }
    // rate goes on past a malformed line in the same way.
    const TRun rated = Run("rate", Opened(60) + "\n12\n" + Opened(50) + "\n");
    EXPECT_EQ(rated.Status, 1);
    EXPECT_EQ(Split(rated.Out), (std::vector<std::string>{"3 Expert", "1 Normal"}));
    EXPECT_EQ(Split(rated.Err).size(), 1U) << rated.Err;
}

TEST_F(SudokuEngineCli, FilesAreReadInTurnAndNamedInErrors) {
    const fs::path first = Write("first.txt", Full9 + "\n");
    const fs::path second = Write("second.txt", "\n" + Opened(18) + "\n123\n");
    const TRun run = Run("solve '" + first.string() + "' '" + (Dir / "missing.txt").string() +
                         "' '" + second.string() + "'");
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(Split(run.Out).size(), 2u) << run.Out;
    const std::vector<std::string> errors = Split(run.Err);
    ASSERT_EQ(errors.size(), 2u) << run.Err;
    EXPECT_NE(errors[0].find("missing.txt"), std::string::npos);
    EXPECT_NE(errors[1].find("second.txt, line 3: wrong length"), std::string::npos);

    // A byte order mark in front of the first line is no part of the puzzle.
    const fs::path marked = Write("marked.txt", "\xEF\xBB\xBF" + Full9 + "\r\n");
    const TRun bom = Run("solve '" + marked.string() + "'");
    EXPECT_EQ(bom.Status, 0) << bom.Err;
    EXPECT_EQ(bom.Out, "1 " + Full9 + "\n");

    // "-" reads standard input among the files.
    const TRun mixed = Run("solve '" + first.string() + "' -", Opened(18) + "\n");
    EXPECT_EQ(mixed.Status, 0);
    EXPECT_EQ(Split(mixed.Out).size(), 2u);
}

TEST_F(SudokuEngineCli, SeededRunsRepeatAndPrintSoundPuzzlesWithTheirGrids) {
    struct Case {
        std::string Args;
        std::size_t Count;
        std::string Shape;
        std::string Level; // what rate must say of the puzzles, unless carving stopped short
    };
    const std::vector<Case> cases{
        {"--seed 5 --count 4", 4, "3x3", "1 Normal"},
        {"--seed 6 --count 3 --level rookie", 3, "3x3", "0 Rookie"},
        {"--seed=7 --count=3 --level=Skilled", 3, "3x3", "2 Skilled"},
        {"--seed 8 --count 2 --level 3", 2, "3x3", ""},
        {"--seed 9 --count 3 --shape 2x2 --level 0", 3, "2x2", ""},
        {"--seed 10 --count 2 --shape 4x4 --level expert", 2, "4x4", "3 Expert"},
        {"--seed 11 --count 2 --shape 2x3", 2, "2x3", ""},
    };
    for (const Case& c : cases) {
        const TRun run = Run("generate --with-solution " + c.Args);
        ASSERT_EQ(run.Status, 0) << c.Args << ": " << run.Err;
        EXPECT_EQ(run.Err, "");
        EXPECT_EQ(run.Out, Run("generate --with-solution " + c.Args).Out)
            << c.Args << ": a seed repeats the run";
        const std::vector<std::string> lines = Split(run.Out);
        EXPECT_EQ(lines.size(), c.Count) << c.Args;
        std::string puzzles;
        std::string solved;
        for (const std::string& line : lines) {
            const std::vector<std::string> words = Split(line, true);
            ASSERT_EQ(words.size(), 2U) << line;
            const std::string& puzzle = words[0];
            const std::string& grid = words[1];
            ASSERT_EQ(puzzle.size(), grid.size());
            for (std::size_t i = 0; i < puzzle.size(); ++i)
                EXPECT_TRUE(puzzle[i] == '.' || puzzle[i] == grid[i]) << puzzle << " " << grid;
            puzzles += puzzle + "\n";
            solved += "1 " + grid + "\n";
        }
        // The program's own solver finds each printed grid as the one (valid) solution.
        EXPECT_EQ(Run("solve --shape " + c.Shape, puzzles).Out, solved) << c.Args;
        for (const std::string& rated : Split(Run("rate --shape " + c.Shape, puzzles).Out))
            EXPECT_TRUE(c.Level.empty() || rated == c.Level) << c.Args << ": " << rated;
    }
    // Without --with-solution only the puzzle is printed, the same one.
    std::string firstWords;
    for (const std::string& line : Split(Run("generate --seed 5 --count 4 --with-solution").Out))
        firstWords += Split(line, true)[0] + "\n";
    const TRun plain = Run("generate --seed 5 --count 4");
    EXPECT_EQ(plain.Out, firstWords);
    EXPECT_NE(plain.Out, Run("generate --seed 6 --count 4").Out) << "another seed, other puzzles";
}

TEST_F(SudokuEngineCli, BadArgumentsGiveOneLineAndStatusTwo) {
    for (const std::string args : {"",
                                   "frobnicate",
                                   "solve --shape",
                                   "solve --shape 9x9",
                                   "solve --shape=3x",
                                   "solve -x",
                                   "solve --exact=yes",
                                   "rate --exact",
                                   "generate --level 4",
                                   "generate --level hard",
                                   "generate --level",
                                   "generate --count 0",
                                   "generate --count -3",
                                   "generate --count 2x",
                                   "generate --seed -1",
                                   "generate --seed 4294967296",
                                   "generate --shape 9x9",
                                   "generate --shape",
                                   "generate extra",
                                   "generate --with-solution=yes",
                                   "rate --shape 1x9",
                                   "rate --bogus"}) {
        const TRun run = Run(args, Full9 + "\n");
        EXPECT_EQ(run.Status, 2) << args;
        EXPECT_EQ(run.Out, "") << args;
        EXPECT_EQ(Split(run.Err).size(), 1u) << args << ": " << run.Err;
    }
}

TEST_F(SudokuEngineCli, HelpDescribesTheForm) {
    struct Case {
        std::string Args;
        std::vector<std::string> Parts;
    };
    for (const Case& c :
         {Case{"--help", {"solve", "generate", "rate"}},
          {"solve --help",
           {"--shape WxH", "10+", "\"Q\" to \"W\"", "standard input", "3x3", "\"?\"", "--exact"}},
          {"generate --help", {"--with-solution", "--seed"}},
          {"rate --help", {"--shape WxH", "standard input"}}}) {
        const TRun run = Run(c.Args);
        EXPECT_EQ(run.Status, 0) << c.Args;
        for (const std::string& part : c.Parts)
            EXPECT_NE(run.Out.find(part), std::string::npos) << c.Args << ": " << part;
    }
}

// Output that cannot be written (a full disk) is an error of its own, whatever printed it.
TEST_F(SudokuEngineCli, OutputThatCannotBeWrittenIsReported) {
    if (!fs::exists("/dev/full"))
        GTEST_SKIP() << "no /dev/full to write to";
    for (const std::string args :
         {"generate --count 3 --seed 1", "solve", "rate", "--help", "generate --help"}) {
        const TRun run = Run(args, Opened(30) + "\n", "/dev/full");
        EXPECT_EQ(run.Status, 3) << args;
        EXPECT_EQ(run.Err.rfind("sudoku-engine: cannot write the output", 0), 0u)
            << args << ": " << run.Err;
    }
}

} // namespace
