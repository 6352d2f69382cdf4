// Runs the built sudoku-engine program on puzzle lines, files and bad arguments, and checks
// what it prints and its exit status.
#include <gtest/gtest.h>

#include <sys/wait.h>

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

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    std::stringstream stream(text);
    for (std::string line; std::getline(stream, line);)
        lines.push_back(line);
    return lines;
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

    // Runs sudoku-engine with the arguments (already shell-quoted) and standard input.
    TRun Run(const std::string& args, const std::string& input = "") {
        const fs::path in = Write("stdin.txt", input);
        const std::string command = std::string("'") + SUDOKU_ENGINE_CLI + "' " + args + " < '" +
                                    in.string() + "' > '" + (Dir / "out.txt").string() + "' 2> '" +
                                    (Dir / "err.txt").string() + "'";
        const int raw = std::system(command.c_str());
        TRun run;
        run.Status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
        run.Out = Slurp(Dir / "out.txt");
        run.Err = Slurp(Dir / "err.txt");
        return run;
    }

    fs::path Dir;
};

// The usual shifted-row 9 x 9 grid and puzzles cut from it.
const std::string Full9 = "123456789456789123789123456234567891567891234891234567345678912678912345"
                          "912345678";

std::string Opened(std::size_t cells) {
    return std::string(cells, '.') + Full9.substr(cells);
}

TEST_F(SudokuEngineCli, SolvesAndCountsWithTheCapOfTen) {
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
        {"solve", std::string(81, '.'), "0 " + std::string(81, '.')}, // too empty to work on
        {"solve", std::string(81, '0'), "0 " + std::string(81, '.')},
        {"solve --shape 2x2", "1.....3..4.....2", "1 1324423124133142"},
        {"solve --shape=2x2", "1.....3..4.....2", "1 1324423124133142"},
        {"solve", "2x2:1.....3..4.....2", "1 1324423124133142"},
        // Two rows open in a 4 x 4 grid: never guessed at, so no solution is found and the
        // grid stays as reasoning left it.
        {"solve --shape 2x2", "........34121243", "0 ........34121243"},
    };
    for (const Case& c : cases) {
        const TRun run = Run(c.args, c.line + "\n");
        EXPECT_EQ(run.Status, 0) << c.line;
        EXPECT_EQ(run.Out, c.expected + "\n") << c.line;
        EXPECT_EQ(run.Err, "") << c.line;
    }
}

TEST_F(SudokuEngineCli, LettersForValuesAboveNine) {
    // A complete 16 x 16 grid of 4 x 4 boxes in lower case comes back in upper case.
    std::string line;
    for (int row = 0; row < 16; ++row)
        for (int col = 0; col < 16; ++col) {
            const int value = (row % 4 * 4 + row / 4 + col) % 16 + 1;
            line +=
                value <= 9 ? static_cast<char>('0' + value) : static_cast<char>('q' + value - 10);
        }
    std::string upper = line;
    for (char& c : upper)
        if (c >= 'q')
            c = static_cast<char>(c - 'q' + 'Q');
    const TRun run = Run("solve --shape 4x4", line + "\n");
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(run.Out, "1 " + upper + "\n");
}

TEST_F(SudokuEngineCli, MalformedLinesAreReportedAndTheOthersSolved) {
    const std::string input = Full9 + "\n" +                   // line 1: good
                              "\n" +                           // line 2: blank, skipped
                              Full9.substr(1) + "\n" +         // line 3: one short
                              "12x" + Full9.substr(3) + "\n" + // line 4: bad character
                              "A" + Full9.substr(1) + "\n" +   // line 5: 10 in a 9 x 9 grid
                              "7x7:" + Full9 + "\n" +          // line 6: unknown shape
                              "  " + Opened(18) + "\r\n";      // line 7: good, blanks around
    const TRun run = Run("solve", input);
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(Lines(run.Out),
              (std::vector<std::string>{"1 " + Full9, "8 456789123123456789" + Full9.substr(18)}));
    const std::vector<std::string> errors = Lines(run.Err);
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
}

TEST_F(SudokuEngineCli, FilesAreReadInTurnAndNamedInErrors) {
    const fs::path first = Write("first.txt", Full9 + "\n");
    const fs::path second = Write("second.txt", "\n" + Opened(18) + "\n123\n");
    const TRun run = Run("solve '" + first.string() + "' '" + (Dir / "missing.txt").string() +
                         "' '" + second.string() + "'");
    EXPECT_EQ(run.Status, 1);
    EXPECT_EQ(Lines(run.Out).size(), 2u) << run.Out;
    const std::vector<std::string> errors = Lines(run.Err);
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
    EXPECT_EQ(Lines(mixed.Out).size(), 2u);
}

TEST_F(SudokuEngineCli, BadArgumentsGiveOneLineAndStatusTwo) {
    for (const std::string args :
         {"", "frobnicate", "solve --shape", "solve --shape 9x9", "solve --shape=3x", "solve -x"}) {
        const TRun run = Run(args, Full9 + "\n");
        EXPECT_EQ(run.Status, 2) << args;
        EXPECT_EQ(run.Out, "") << args;
        EXPECT_EQ(Lines(run.Err).size(), 1u) << args << ": " << run.Err;
    }
}

TEST_F(SudokuEngineCli, HelpDescribesTheForm) {
    const TRun general = Run("--help");
    EXPECT_EQ(general.Status, 0);
    EXPECT_NE(general.Out.find("solve"), std::string::npos);
    const TRun solve = Run("solve --help");
    EXPECT_EQ(solve.Status, 0);
    for (const char* part : {"--shape WxH", "10+", "\"Q\" to \"W\"", "standard input", "3x3"})
        EXPECT_NE(solve.Out.find(part), std::string::npos) << part;
}

} // namespace
