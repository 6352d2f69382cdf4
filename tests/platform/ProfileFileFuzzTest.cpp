// Arbitrary bytes fed to the profile parser: nothing may crash, and writing then reading a
// key must give the value back whatever surrounds it. Seeded, so a failure repeats.
#include "TProfileFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <random>
#include <string>

namespace sudoku {
namespace {

std::string RandomText(std::mt19937& rng) {
    // Bytes biased towards the characters that mean something to the parser.
    static constexpr char Special[] = {'[', ']', '=', '\r', '\n', ' ', '\t', 'k', 'S', '\0'};
    std::uniform_int_distribution<int> length(0, 400);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> pick(0, 2);
    std::uniform_int_distribution<int> special(0, sizeof Special - 1);
    std::string text(static_cast<std::size_t>(length(rng)), '\0');
    for (char& c : text) {
        c = pick(rng) == 0 ? static_cast<char>(byte(rng)) : Special[special(rng)];
    }
    return text;
}

// SUDOKU_FUZZ_SEED and SUDOKU_FUZZ_ROUNDS widen a run by hand (for example under the
// sanitizer build); the normal suite uses the fixed seed.
unsigned EnvNumber(const char* name, unsigned fallback) {
    const char* text = std::getenv(name);
    return text != nullptr ? static_cast<unsigned>(std::strtoul(text, nullptr, 10)) : fallback;
}

TEST(ProfileFileFuzz, RandomBytesNeverBreakParsingOrEditing) {
    const unsigned seed = EnvNumber("SUDOKU_FUZZ_SEED", 20261206);
    const unsigned rounds = EnvNumber("SUDOKU_FUZZ_ROUNDS", 3000);
    SCOPED_TRACE("seed " + std::to_string(seed));
    std::mt19937 rng(seed);
    for (unsigned round = 0; round < rounds; ++round) {
        TProfileFile file(RandomText(rng));
        for (const std::string& section : file.SectionNames()) {
            for (const TProfileFile::TEntry& e : file.ReadSection(section)) {
                EXPECT_TRUE(file.ReadValue(section, e.Key).has_value());
            }
        }
        const std::string value = RandomText(rng).substr(0, 40);
        std::string stored = value;
        for (char& c : stored) {
            if (c == '\r' || c == '\n') {
                c = ' ';
            }
        }
        file.WriteValue("S", "k", value);
        ASSERT_EQ(file.ReadValue("S", "k"), stored) << "round " << round;

        // The text written must parse back to the same sections and values.
        const TProfileFile reparsed(file.Text());
        ASSERT_EQ(reparsed.SectionNames(), file.SectionNames()) << "round " << round;
        ASSERT_EQ(reparsed.ReadValue("S", "k"), stored);

        file.ReplaceSection("S", {{"a", "1"}});
        EXPECT_FALSE(file.ReadValue("S", "k").has_value());
        EXPECT_TRUE(file.EraseSection("s"));
        EXPECT_FALSE(file.HasSection("S"));
    }
}

} // namespace
} // namespace sudoku
