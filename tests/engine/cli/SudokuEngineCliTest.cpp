// Runs the built sudoku-engine program (solve, generate and rate) on puzzle lines, files and
// bad arguments, and checks what it prints and its exit status.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct TRun {
    int Status = -1;
    std::string Out, Err;
};

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
    void SetUp() override { fs::create_directories(Dir); }
    void TearDown() override { fs::remove_all(Dir); }

    // Writes a file of the test's folder and returns its shell-quoted path.
    std::string Write(const std::string& name, const std::string& text) {
        std::ofstream(Dir / name, std::ios::binary) << text;
        return "'" + (Dir / name).string() + "'";
    }
    std::string Read(const std::string& name) const {
        std::ifstream in(Dir / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    // Runs sudoku-engine with the arguments (already shell-quoted) and standard input, its
    // standard output going to a file of the folder unless another one is named.
    TRun Run(const std::string& args, const std::string& input = "",
             const std::string& output = "") {
        const std::string command = std::string("'") + SUDOKU_ENGINE_CLI + "' " + args + " < " +
                                    Write("in.txt", input) + " > " +
                                    (output.empty() ? Write("out.txt", "") : output) + " 2> " +
                                    Write("err.txt", "");
        const int raw = std::system(command.c_str());
        return {WIFEXITED(raw) ? WEXITSTATUS(raw) : -1, Read("out.txt"), Read("err.txt")};
    }

    const fs::path Dir = fs::temp_directory_path() /
                         ("sudoku-engine-cli-" + std::to_string(::getpid()) + "-" +
                          ::testing::UnitTest::GetInstance()->current_test_info()->name());
};

// The usual shifted-row 9 x 9 grid and puzzles cut from it.
const std::string Full9 = "123456789456789123789123456234567891567891234891234567345678912678912345"
                          "912345678";

std::string Opened(std::size_t cells) {
    return std::string(cells, '.') + Full9.substr(cells);
}

TEST_F(SudokuEngineCli, SolvesWithTheCapOfTenAndRates) {
    const std::vector<std::vector<std::string>> cases{
        {"solve", Full9, "1 " + Full9},
        // Two rows open: each stack swaps its two rows independently, 2 x 2 x 2 ways.
        {"solve", Opened(18), "8 456789123123456789" + Full9.substr(18)},
        {"solve", Opened(27), "10+ 756123489423789156189456723" + Full9.substr(27)},
        // Too empty to work on: the solver gives up, which is no proof of there being no
        // solution.
        {"solve", std::string(81, '0'), "? " + std::string(81, '.')},
        {"solve --exact", "11" + Full9.substr(2), "0 11" + Full9.substr(2)}, // 1 twice
        {"solve --shape 2x2", "1.....3..4.....2", "1 1324423124133142"},
        {"solve --shape=2x2", "1.....3..4.....2", "1 1324423124133142"},
        {"solve", "2x2:1.....3..4.....2", "1 1324423124133142"},
        // A 4 x 4 grid is never guessed at: the solver gives up where reasoning stalls.
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
    for (const auto& c : cases) {
        SCOPED_TRACE(c[0] + " " + c[1]);
        const TRun run = Run(c[0], c[1] + "\n");
        EXPECT_EQ(run.Status, 0);
        EXPECT_EQ(run.Out, c[2] + "\n");
        EXPECT_EQ(run.Err, "");
    }
    // The exact counter's count up to the cap, and a complete grid that keeps the givens.
    for (const auto& [puzzle, count] :
         std::vector<std::pair<std::string, std::string>>{{Opened(18), "8"},
                                                          {Opened(27), "10+"},
                                                          {"2x2:........34121243", "2"},
                                                          {"2x2:1......12......2", "10"}}) {
        SCOPED_TRACE(puzzle);
        const std::vector<std::string> words = Split(Run("solve --exact", puzzle + "\n").Out, true);
        ASSERT_EQ(words.size(), 2U);
        EXPECT_EQ(words[0], count);
        const std::string givens = puzzle.substr(puzzle.find(':') + 1);
        ASSERT_EQ(words[1].size(), givens.size());
        for (std::size_t i = 0; i < givens.size(); ++i)
            EXPECT_TRUE(words[1][i] != '.' && (givens[i] == '.' || words[1][i] == givens[i]))
                << words[1];
    }
}

// Files and "-" (standard input) are read in turn. A malformed line or a file that cannot be
// read gets one error line naming it, the other lines are still used, and the status is 1.
// Blanks around a line and a byte order mark in front of a file are no part of a puzzle.
TEST_F(SudokuEngineCli, BadLinesFilesArgumentsAndOutputsAreNamedWithTheirStatus) {
    const std::string first = Write("first.txt", "\xEF\xBB\xBF" + Full9 + "\r\n");
    const std::string second = Write("second.txt", "\n" + Opened(18) + "\n123\n");
    const std::string input = "\n" + Full9.substr(1) + "\n12x" + Full9.substr(3) + "\nA" +
                              Full9.substr(1) + "\n7x7:" + Full9 + "\n  " + Opened(18) + " \r\n";
    const TRun run =
        Run("solve " + first + " '" + (Dir / "missing.txt").string() + "' - " + second, input);
    EXPECT_EQ(run.Status, 1);
    const std::string eight = "8 456789123123456789" + Full9.substr(18);
    EXPECT_EQ(Split(run.Out), (std::vector<std::string>{"1 " + Full9, eight, eight}));
    const std::vector<std::string> errors = Split(run.Err);
    const std::vector<std::string> expected{"missing.txt",
                                            "standard input, line 2: wrong length",
                                            "standard input, line 3: bad character 'x'",
                                            "standard input, line 4: bad character 'A'",
                                            "standard input, line 5: unknown shape '7x7'",
                                            "second.txt, line 3: wrong length"};
    ASSERT_EQ(errors.size(), expected.size()) << run.Err;
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_NE(errors[i].find(expected[i]), std::string::npos) << errors[i];
    // Bad arguments (status 2) and output that cannot be written, as to a full disk (status 3),
    // give one error line and nothing else, whatever command printed.
    const std::string badArguments =
        "\nfrobnicate\nsolve --shape\nsolve --shape 9x9\nsolve --shape=3x\nsolve -x\n"
        "solve --exact=yes\nrate --exact\nrate --shape 1x9\ngenerate --level 4\n"
        "generate --level hard\ngenerate --level\ngenerate --count 0\ngenerate --count 2x\n"
        "generate --seed -1\ngenerate --seed 4294967296\ngenerate --shape\ngenerate extra\n"
        "generate --with-solution=yes";
    const std::string unwritable =
        "generate --count 3 --seed 1\nsolve\nrate\n--help\ngenerate --help";
    for (const auto& [argSets, output, status] :
         {std::tuple{badArguments, "", 2}, std::tuple{unwritable, "/dev/full", 3}}) {
        for (const std::string& args : Split(argSets)) {
            const TRun bad = Run(args, Opened(30) + "\n", output);
            EXPECT_EQ(bad.Status, status) << args;
            EXPECT_EQ(bad.Out, "") << args;
            EXPECT_EQ(Split(bad.Err).size(), 1u) << args << ": " << bad.Err;
            EXPECT_TRUE(status == 2 ||
                        bad.Err.rfind("sudoku-engine: cannot write the output", 0) == 0)
                << args << ": " << bad.Err;
        }
    }
}

// generate prints the puzzles, with --with-solution each followed by its complete grid, which
// the program's own solver finds as the one solution. A seed repeats its run; seeds far apart
// (a failed attempt reseeds with the next number) never give the same grid.
TEST_F(SudokuEngineCli, SeededRunsRepeatAndPrintSoundPuzzlesWithTheirGrids) {
    // Arguments, puzzles, shape, and what rate must say unless carving stopped short.
    const std::vector<std::array<std::string, 4>> cases{
        {"--seed 5 --count 4", "4", "3x3", "1 Normal"},
        {"--seed 60 --count 3 --level rookie", "3", "3x3", "0 Rookie"},
        {"--seed=700 --count=3 --level=Skilled", "3", "3x3", "2 Skilled"},
        {"--seed 8000 --count 2 --level 3", "2", "3x3", ""},
        {"--seed 90000 --count 3 --shape 2x2 --level 0", "3", "2x2", ""},
        {"--seed 10 --count 2 --shape 4x4 --level expert", "2", "4x4", "3 Expert"},
        {"--seed 1100000 --count 2 --shape 2x3", "2", "2x3", ""},
    };
    std::set<std::string> grids;
    for (const auto& [args, count, shape, level] : cases) {
        SCOPED_TRACE(args);
        const TRun run = Run("generate --with-solution " + args);
        ASSERT_EQ(run.Status, 0) << run.Err;
        EXPECT_EQ(run.Err, "");
        const std::vector<std::string> lines = Split(run.Out);
        EXPECT_EQ(lines.size(), std::stoul(count));
        std::string puzzles;
        std::string solved;
        for (const std::string& line : lines) {
            const std::vector<std::string> words = Split(line, true);
            ASSERT_EQ(words.size(), 2U) << line;
            ASSERT_EQ(words[0].size(), words[1].size());
            for (std::size_t i = 0; i < words[0].size(); ++i)
                EXPECT_TRUE(words[0][i] == '.' || words[0][i] == words[1][i]) << line;
            EXPECT_TRUE(grids.insert(words[1]).second) << line;
            puzzles += words[0] + "\n";
            solved += "1 " + words[1] + "\n";
        }
        EXPECT_EQ(Run("generate " + args).Out, puzzles) << "the same seed, the same puzzles";
        // Letters may come in lower case; they are printed in upper case.
        std::string lower = puzzles;
        for (char& c : lower)
            c = static_cast<char>(std::tolower(c));
        EXPECT_EQ(Run("solve --shape " + shape, lower).Out, solved);
        for (const std::string& rated : Split(Run("rate --shape " + shape, puzzles).Out))
            EXPECT_TRUE(level.empty() || rated == level) << rated;
    }
}

} // namespace
