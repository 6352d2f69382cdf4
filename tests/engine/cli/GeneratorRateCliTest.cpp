// Runs the built sudoku-engine program's generate and rate subcommands: repeatable seeded
// output in the one-line form, sound puzzles that solve back to the printed grid, the rating
// bands, and one error line with a non-zero status for bad arguments.
#include <gtest/gtest.h>

#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <set>
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
    for (std::string line; std::getline(stream, line);) {
        lines.push_back(line);
    }
    return lines;
}

std::vector<std::string> Words(const std::string& line) {
    std::vector<std::string> words;
    std::stringstream stream(line);
    for (std::string word; stream >> word;) {
        words.push_back(word);
    }
    return words;
}

int ValueOf(char c) {
    return c >= '1' && c <= '9' ? c - '0' : c >= 'Q' && c <= 'W' ? c - 'Q' + 10 : 0;
}

// Each value once per row, column and box of boxes boxCols wide and boxRows high.
bool IsSudokuLine(const std::string& line, int boxCols, int boxRows) {
    const int n = boxCols * boxRows;
    if (static_cast<int>(line.size()) != n * n) {
        return false;
    }
    for (int unit = 0; unit < n; ++unit) {
        std::set<int> row;
        std::set<int> col;
        std::set<int> box;
        const int top = unit / boxRows * boxRows;
        const int left = unit % boxRows * boxCols;
        for (int i = 0; i < n; ++i) {
            row.insert(ValueOf(line[static_cast<std::size_t>(unit * n + i)]));
            col.insert(ValueOf(line[static_cast<std::size_t>(i * n + unit)]));
            box.insert(ValueOf(
                line[static_cast<std::size_t>((top + i / boxCols) * n + left + i % boxCols)]));
        }
        for (const auto* seen : {&row, &col, &box}) {
            if (seen->size() != static_cast<std::size_t>(n) || seen->count(0) != 0) {
                return false;
            }
        }
    }
    return true;
}

class GeneratorRateCli : public ::testing::Test {
protected:
    void SetUp() override {
        Dir = fs::temp_directory_path() /
              ("sudoku-engine-gen-" + std::to_string(::getpid()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(Dir);
    }
    void TearDown() override { fs::remove_all(Dir); }

    // Runs sudoku-engine with the arguments (already shell-quoted) and standard input.
    TRun Run(const std::string& args, const std::string& input = "") {
        const fs::path in = Dir / "stdin.txt";
        std::ofstream(in, std::ios::binary) << input;
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

TEST_F(GeneratorRateCli, SeededRunsRepeatAndPrintSoundPuzzlesWithTheirGrids) {
    struct Case {
        std::string Args;
        std::size_t Count;
        int BoxCols;
        int BoxRows;
        std::string Level; // what rate must say of the puzzles, unless carving stopped short
    };
    const std::vector<Case> cases{
        {"--seed 5 --count 4", 4, 3, 3, "1 Normal"},
        {"--seed 6 --count 3 --level rookie", 3, 3, 3, "0 Rookie"},
        {"--seed=7 --count=3 --level=Skilled", 3, 3, 3, "2 Skilled"},
        {"--seed 8 --count 2 --level 3", 2, 3, 3, ""},
        {"--seed 9 --count 3 --shape 2x2 --level 0", 3, 2, 2, ""},
        {"--seed 10 --count 2 --shape 4x4 --level expert", 2, 4, 4, "3 Expert"},
        {"--seed 11 --count 2 --shape 2x3", 2, 2, 3, ""},
    };
    for (const Case& c : cases) {
        const TRun run = Run("generate --with-solution " + c.Args);
        ASSERT_EQ(run.Status, 0) << c.Args << ": " << run.Err;
        EXPECT_EQ(run.Err, "");
        const TRun again = Run("generate --with-solution " + c.Args);
        EXPECT_EQ(run.Out, again.Out) << c.Args << ": a seed repeats the run";

        const std::vector<std::string> lines = Lines(run.Out);
        EXPECT_EQ(lines.size(), c.Count) << c.Args;
        std::string puzzles;
        std::string solved;
        for (const std::string& line : lines) {
            const std::vector<std::string> words = Words(line);
            ASSERT_EQ(words.size(), 2U) << line;
            const std::string& puzzle = words[0];
            const std::string& grid = words[1];
            EXPECT_TRUE(IsSudokuLine(grid, c.BoxCols, c.BoxRows)) << grid;
            ASSERT_EQ(puzzle.size(), grid.size());
            for (std::size_t i = 0; i < puzzle.size(); ++i) {
                EXPECT_TRUE(puzzle[i] == '.' || puzzle[i] == grid[i]) << puzzle << " " << grid;
            }
            puzzles += puzzle + "\n";
            solved += "1 " + grid + "\n";
        }
        // The program's own solver finds each printed grid as the one solution.
        const std::string shape =
            " --shape " + std::to_string(c.BoxCols) + "x" + std::to_string(c.BoxRows);
        EXPECT_EQ(Run("solve" + shape, puzzles).Out, solved) << c.Args;
        if (!c.Level.empty()) {
            for (const std::string& rated : Lines(Run("rate" + shape, puzzles).Out)) {
                EXPECT_EQ(rated, c.Level) << c.Args;
            }
        }
    }
    // Without --with-solution only the puzzle is printed, the same one.
    const TRun plain = Run("generate --seed 5 --count 4");
    const std::vector<std::string> withGrid =
        Lines(Run("generate --seed 5 --count 4 --with-solution").Out);
    std::string firstWords;
    for (const std::string& line : withGrid) {
        firstWords += Words(line)[0] + "\n";
    }
    EXPECT_EQ(plain.Out, firstWords);
    EXPECT_NE(plain.Out, Run("generate --seed 6 --count 4").Out) << "another seed, other puzzles";
}

TEST_F(GeneratorRateCli, RatesByEmptyCellsWithTheBands) {
    const std::string full = "123456789456789123789123456234567891567891234891234567345678912"
                             "678912345912345678";
    const auto opened = [&](std::size_t cells) {
        return std::string(cells, '.') + full.substr(cells);
    };
    const TRun run =
        Run("rate", opened(0) + "\n" + opened(46) + "\n" + opened(47) + "\n" + opened(51) + "\n" +
                        opened(52) + "\n" + opened(57) + "\n" + opened(60) + "\n" + opened(66) +
                        "\n" + opened(67) + "\n" + opened(70) + "\n");
    EXPECT_EQ(run.Status, 0);
    EXPECT_EQ(Lines(run.Out), (std::vector<std::string>{
                                  "0 Rookie", "0 Rookie", "1 Normal", "1 Normal", "2 Skilled",
                                  "3 Expert", "3 Expert", "3 Expert", "0 Rookie", "0 Rookie"}));
    // 4 x 4: bands 9, 10, 11 and 13 empty cells; a shape prefix on the line counts too.
    const TRun small = Run("rate --shape 2x2", "1234341221434321\n.........1234321\n"
                                               "2x2:..........234321\n3x3:" +
                                                   opened(60) + "\n");
    EXPECT_EQ(small.Status, 0) << small.Err;
    EXPECT_EQ(Lines(small.Out),
              (std::vector<std::string>{"0 Rookie", "0 Rookie", "1 Normal", "3 Expert"}));
    // A malformed line is reported, the others are still rated.
    const TRun bad = Run("rate", opened(60) + "\n12\n" + opened(50) + "\n");
    EXPECT_EQ(bad.Status, 1);
    EXPECT_EQ(Lines(bad.Out), (std::vector<std::string>{"3 Expert", "1 Normal"}));
    EXPECT_EQ(Lines(bad.Err).size(), 1U) << bad.Err;
}

TEST_F(GeneratorRateCli, BadArgumentsGiveOneLineAndStatusTwo) {
    for (const std::string args :
         {"generate --level 4", "generate --level hard", "generate --level", "generate --count 0",
          "generate --count -3", "generate --count 2x", "generate --seed -1",
          "generate --seed 4294967296", "generate --shape 9x9", "generate --shape",
          "generate extra", "generate --with-solution=yes", "rate --shape 1x9", "rate --bogus"}) {
        const TRun run = Run(args);
        EXPECT_EQ(run.Status, 2) << args;
        EXPECT_EQ(run.Out, "") << args;
        EXPECT_EQ(Lines(run.Err).size(), 1U) << args << ": " << run.Err;
    }
    const TRun help = Run("generate --help");
    EXPECT_EQ(help.Status, 0);
    EXPECT_NE(help.Out.find("--with-solution"), std::string::npos);
}

} // namespace
