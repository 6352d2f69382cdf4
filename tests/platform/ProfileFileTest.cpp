// Parsing and editing of profile files: case-free names, verbatim values, odd layouts, the name
// index of large files, edits in place, line breaks smuggled into values, and random bytes.
#include "TProfileFile.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace sudoku {
namespace {

using Names = std::vector<std::string>;

const std::string Sample = "; leading text before any section\r\n[Alpha]\r\nName=First value\r\n"
                           "Grid= spaced = kept \r\n\r\n[beta]\r\nK=1\r\n  [ Gamma ]  \r\n"
                           "x=[not a header]\r\n[ALPHA]\r\nName=shadowed\r\n";

TEST(ProfileFileRead, FindsSectionsAndKeysWithoutRegardToCaseInEveryLayout) {
    const std::string big(100000, 'Z');
    const std::tuple<std::string, const char*, const char*, std::optional<std::string>> cases[] = {
        {Sample, "ALPHA", "NAME", "First value"},     // the first of two sections of one name wins
        {Sample, "alpha", "grid", " spaced = kept "}, // verbatim after the first "="
        {Sample, "Gamma", "x", "[not a header]"},     // blanks around header and name dropped
        {Sample, "Alpha", "Missing", std::nullopt},
        {"[A]\nk=v\n[B]\r\nk=w", "B", "k", "w"},               // line feeds only, no final line end
        {"\xEF\xBB\xBF[First]\r\nk=1\r\n", "first", "k", "1"}, // after a byte order mark
        {"x[First]\r\nk=1\r\n", "First", "k", std::nullopt},
        {"[User@a]b]\r\nk=1\r\n[open\r\nk=2\r\n", "user@A]B", "k", "1"}, // up to the last ]
        {"[User@a]b]\r\nk=1\r\n[open\r\nk=2\r\n", "open", "k", "2"},
        {"[S]\r\nU=" + big + "\r\nS=1\r\n", "S", "U", big},
    };
    for (const auto& [text, section, key, expected] : cases) {
        SCOPED_TRACE(text.substr(0, 40));
        EXPECT_EQ(TProfileFile(text).ReadValue(section, key), expected) << key;
    }
    const TProfileFile file(Sample);
    EXPECT_EQ(file.SectionNames(), (Names{"Alpha", "beta", "Gamma", "ALPHA"}));
    EXPECT_EQ(file.KeyNames("alpha"), (Names{"Name", "Grid"}));
}

// Many searches in a large file go through a name index; it must answer exactly as the plain
// scan does, also after edits.
TEST(ProfileFileRead, RepeatedSearchesInALargeFileAnswerAsTheFirstOnes) {
    std::string text;
    for (int i = 0; i < 200; ++i) {
        text += "[User@P" + std::to_string(i) + "]\r\nk=" + std::to_string(i) + "\r\n";
    }
    TProfileFile file(text + "[user@p7]\r\nk=shadowed\r\n");
    for (int i = 0; i < 600; i += 3) {
        EXPECT_EQ(file.ReadValue("USER@p" + std::to_string(i % 200), "K"), std::to_string(i % 200));
    }
    EXPECT_FALSE(file.HasSection("User@P200"));
    file.EraseSection("User@P7"); // both copies
    file.WriteValue("User@P8", "k", "new");
    EXPECT_FALSE(file.HasSection("User@P7"));
    EXPECT_EQ(file.ReadValue("User@P8", "k"), "new");
    EXPECT_EQ(file.ReadValue(" User@P199 ", "k"), "199");
}

TEST(ProfileFileWrite, ReplacesInPlaceAppendsAndActsOnEveryCopyOfASection) {
    // Before, section, key, value, after.
    const std::array<const char*, 5> cases[] = {
        // an existing key keeps its place and spelling; a new one goes after the last key
        {"[A]\r\nKey=old\r\nz=1\r\n", "a", "KEY", "new", "[A]\r\nKey=new\r\nz=1\r\n"},
        {"[A]\r\nk=1\r\n\r\n[B]\r\n", "A", "n", "2", "[A]\r\nk=1\r\nn=2\r\n\r\n[B]\r\n"},
        {"[A]\r\nk=1\r\n", "B", "k", "2", "[A]\r\nk=1\r\n[B]\r\nk=2\r\n"},
        // a missing final line end is added; a final lone CR only gets its LF
        {"[A]\r\nk=1", "A", "n", "2", "[A]\r\nk=1\r\nn=2\r\n"},
        {"[A]", "A", "n", "2", "[A]\r\nn=2\r\n"},
        {"[A]\r", "A", "n", "2", "[A]\r\nn=2\r\n"},
        {"[A]\r\nk=1\r", "B", "n", "2", "[A]\r\nk=1\r\n[B]\r\nn=2\r\n"},
        {"", "S", "k", "v", "[S]\r\nk=v\r\n"},
        {"[A]\r\nk=1\r\n", "A", "k", "", "[A]\r\nk=\r\n"}, // an empty value is a value
    };
    for (const auto& [before, section, key, value, after] : cases) {
        TProfileFile file{std::string(before)};
        file.WriteValue(section, key, value);
        EXPECT_EQ(file.Text(), after) << before;
        EXPECT_EQ(file.ReadValue(section, key), value);
        EXPECT_TRUE(file.Changed()); // also when the value stays the same
    }
    // Line breaks in names and values cannot forge lines.
    TProfileFile file("[Victim]\r\nk=1\r\n");
    file.WriteValue("S", "k", "a\r\n[Victim]\r\nk=forged");
    file.WriteValue("Two\nLines", "x=y", "v");
    file.WriteValue("Victim", "[Forged]", "2");
    EXPECT_EQ(file.ReadValue("Victim", "k"), "1");
    EXPECT_EQ(file.ReadValue("S", "k"), "a  [Victim]  k=forged");
    EXPECT_EQ(file.SectionNames(), (Names{"Victim", "S", "Two Lines"}));
    EXPECT_EQ(file.ReadValue("Two Lines", "x y"), "v");
    EXPECT_EQ(file.ReadValue("Victim", "Forged]"), "2");
    // Erasing takes every copy of a name; a batch of replacements acts as the same replacements
    // one after another, each section going to the end.
    const std::string before = "; head\r\n[A]\r\nk=1\r\n[B]\r\nk=2\r\n[a]\r\nk=3\r\n[C]\r\nk=4";
    file = TProfileFile(before);
    EXPECT_FALSE(file.EraseSection("Missing") || file.Changed());
    EXPECT_TRUE(file.EraseSection("A"));
    EXPECT_EQ(file.Text(), "; head\r\n[B]\r\nk=2\r\n[C]\r\nk=4");
    file = TProfileFile(before);
    file.ReplaceSections(
        {{"b", {{"k", "20"}}}, {"New", {{"n", "1"}}}, {"A", {{"k", "10"}}}, {"B", {{"k", "21"}}}});
    EXPECT_EQ(file.Text(),
              "; head\r\n[C]\r\nk=4\r\n[New]\r\nn=1\r\n[A]\r\nk=10\r\n[B]\r\nk=21\r\n");
}

// Bytes biased towards the characters that mean something to the parser.
std::string RandomText(std::mt19937& rng, std::size_t longest) {
    static constexpr char Special[] = "[]=\r\n \tkS";
    std::string text(rng() % (longest + 1), '\0');
    for (char& c : text) {
        c = rng() % 3 == 0 ? static_cast<char>(rng()) : Special[rng() % sizeof Special];
    }
    return text;
}

// Random bytes: nothing may crash, and a key written reads back whatever surrounds it. Seeded
// so that a failure repeats; SUDOKU_FUZZ_SEED and SUDOKU_FUZZ_ROUNDS widen a run by hand.
TEST(ProfileFileFuzz, RandomBytesNeverBreakParsingOrEditing) {
    const char* seed = std::getenv("SUDOKU_FUZZ_SEED");
    const char* rounds = std::getenv("SUDOKU_FUZZ_ROUNDS");
    std::mt19937 rng(seed ? std::strtoul(seed, nullptr, 10) : 20261206);
    for (unsigned long round = 0, n = rounds ? std::strtoul(rounds, nullptr, 10) : 3000; round < n;
         ++round) {
        SCOPED_TRACE(round);
        TProfileFile file(RandomText(rng, 400));
        for (const std::string& section : file.SectionNames()) {
            for (const TProfileFile::TEntry& e : file.ReadSection(section)) {
                EXPECT_TRUE(file.ReadValue(section, e.Key).has_value());
            }
        }
        const std::string value = RandomText(rng, 40);
        std::string stored = value;
        std::replace_if(
            stored.begin(), stored.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
        file.WriteValue("S", "k", value);
        ASSERT_EQ(file.ReadValue("S", "k"), stored);
        const TProfileFile reparsed(file.Text()); // the text written parses back the same
        ASSERT_EQ(reparsed.SectionNames(), file.SectionNames());
        ASSERT_EQ(reparsed.ReadValue("S", "k"), stored);
        file.ReplaceSection("S", {{"a", "1"}});
        EXPECT_TRUE(file.EraseSection("s") && !file.HasSection("S"));
    }
}

} // namespace
} // namespace sudoku
