// Parsing and editing of profile files: name matching, verbatim values, section and key
// listing, erasing, appending, and what happens to line breaks smuggled into values.
#include "TProfileFile.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace sudoku {
namespace {

using Names = std::vector<std::string>;

const std::string Sample = "; leading text before any section\r\n"
                           "[Alpha]\r\n"
                           "Name=First value\r\n"
                           "Grid= spaced = kept \r\n"
                           "\r\n"
                           "[beta]\r\n"
                           "K=1\r\n"
                           "  [ Gamma ]  \r\n"
                           "x=[not a header]\r\n"
                           "[ALPHA]\r\n"
                           "Name=shadowed\r\n";

TEST(ProfileFileRead, FindsSectionsAndKeysWithoutRegardToCase) {
    const TProfileFile file(Sample);
    struct Case {
        const char* Section;
        const char* Key;
        std::optional<std::string> Expected;
    };
    const Case cases[] = {
        {"Alpha", "Name", "First value"},     // the first of two sections of one name wins
        {"ALPHA", "NAME", "First value"},     // case-free section and key
        {"alpha", "grid", " spaced = kept "}, // value verbatim after the first "="
        {"BETA", "k", "1"},
        {"Gamma", "x", "[not a header]"}, // blanks around the header and name are dropped
        {"Alpha", "Missing", std::nullopt},
        {"Delta", "Name", std::nullopt},
        {"Alph", "Name", std::nullopt}, // no prefix matching
    };
    for (const Case& c : cases) {
        EXPECT_EQ(file.ReadValue(c.Section, c.Key), c.Expected) << c.Section << "/" << c.Key;
    }
    EXPECT_EQ(file.ReadString("Alpha", "Missing", "dflt"), "dflt");
}

TEST(ProfileFileRead, ListsSectionsAndKeysInFileOrder) {
    const TProfileFile file(Sample);
    EXPECT_EQ(file.SectionNames(), (Names{"Alpha", "beta", "Gamma", "ALPHA"}));
    EXPECT_EQ(file.KeyNames("alpha"), (Names{"Name", "Grid"}));
    EXPECT_EQ(file.KeyNames("nothing"), Names{});
    const std::vector<TProfileFile::TEntry> expected{{"Name", "First value"},
                                                     {"Grid", " spaced = kept "}};
    EXPECT_EQ(file.ReadSection("ALPHA"), expected);
}

// Many searches in a large file go through a name index; it must answer exactly as the
// plain scan does: case-free, first of two sections, nothing for unknown names.
TEST(ProfileFileRead, RepeatedSearchesInALargeFileAnswerAsTheFirstOnes) {
    std::string text;
    for (int i = 0; i < 200; ++i) {
        text += "[User@P" + std::to_string(i) + "]\r\nk=" + std::to_string(i) + "\r\n";
    }
    text += "[user@p7]\r\nk=shadowed\r\n";
    const TProfileFile file(text);
    for (int round = 0; round < 3; ++round) {
        for (int i = 0; i < 200; i += 3) {
            EXPECT_EQ(file.ReadValue("USER@p" + std::to_string(i), "K"), std::to_string(i));
        }
        EXPECT_EQ(file.ReadValue("User@P7", "k"), "7");
        EXPECT_FALSE(file.HasSection("User@P200"));
        EXPECT_TRUE(file.HasSection(" User@P199 "));
    }
    TProfileFile edited(text);
    for (int i = 0; i < 20; ++i) {
        edited.HasSection("User@P" + std::to_string(i));
    }
    edited.EraseSection("User@P7");
    edited.WriteValue("User@P8", "k", "new");
    for (int i = 0; i < 20; ++i) {
        EXPECT_EQ(edited.HasSection("User@P" + std::to_string(i)), i != 7) << i;
    }
    EXPECT_EQ(edited.ReadValue("User@P8", "k"), "new");
}

TEST(ProfileFileRead, ReadsOddLayoutsAndKeepsLongValuesWhole) {
    const TProfileFile lineFeeds("[A]\nk=v\n[B]\r\nk=w"); // no line end after the last line
    EXPECT_EQ(lineFeeds.SectionNames(), (Names{"A", "B"}));
    EXPECT_EQ(lineFeeds.ReadValue("A", "k"), "v");
    EXPECT_EQ(lineFeeds.ReadValue("B", "k"), "w");

    const TProfileFile marked("\xEF\xBB\xBF[First]\r\nk=1\r\n[Second]\r\nk=2\r\n");
    EXPECT_EQ(marked.SectionNames(), (Names{"First", "Second"})) << "after a byte order mark";
    EXPECT_EQ(marked.ReadValue("first", "k"), "1");
    EXPECT_TRUE(TProfileFile("x[First]\r\n").SectionNames().empty());

    const TProfileFile brackets("[User@a]b]\r\nk=1\r\n[open\r\nk=2\r\n"); // up to the last ]
    EXPECT_EQ(brackets.SectionNames(), (Names{"User@a]b", "open"}));
    EXPECT_EQ(brackets.ReadValue("user@A]B", "k"), "1");

    const std::string big(100000, 'Z');
    const TProfileFile file("[S]\r\nU=" + big + "\r\nS=1\r\n");
    EXPECT_EQ(file.ReadValue("S", "U"), big);
    EXPECT_EQ(file.ReadValue("S", "S"), "1");
}

TEST(ProfileFileWrite, ReplacesInPlaceAppendsKeysAndSections) {
    struct Case {
        const char* Before;
        const char* Section;
        const char* Key;
        const char* Value;
        const char* After;
    };
    const Case cases[] = {
        // an existing key keeps its place and its spelling
        {"[A]\r\nKey=old\r\nz=1\r\n", "a", "KEY", "new", "[A]\r\nKey=new\r\nz=1\r\n"},
        // a new key goes after the last key of its section, before blank lines
        {"[A]\r\nk=1\r\n\r\n[B]\r\n", "A", "n", "2", "[A]\r\nk=1\r\nn=2\r\n\r\n[B]\r\n"},
        // a new section goes to the end
        {"[A]\r\nk=1\r\n", "B", "k", "2", "[A]\r\nk=1\r\n[B]\r\nk=2\r\n"},
        // a file without a final line end gets one before the appended text
        {"[A]\r\nk=1", "A", "n", "2", "[A]\r\nk=1\r\nn=2\r\n"},
        {"[A]", "A", "n", "2", "[A]\r\nn=2\r\n"},
        // a final lone CR already ends the line: only LF is added, the header stays "A"
        {"[A]\r", "A", "n", "2", "[A]\r\nn=2\r\n"},
        {"[A]\r\nk=1\r", "B", "n", "2", "[A]\r\nk=1\r\n[B]\r\nn=2\r\n"},
        {"", "S", "k", "v", "[S]\r\nk=v\r\n"},
        // an empty value is a value
        {"[A]\r\nk=1\r\n", "A", "k", "", "[A]\r\nk=\r\n"},
    };
    for (const Case& c : cases) {
        TProfileFile file{std::string(c.Before)};
        file.WriteValue(c.Section, c.Key, c.Value);
        EXPECT_EQ(file.Text(), c.After) << c.Before;
        EXPECT_EQ(file.ReadValue(c.Section, c.Key), c.Value);
    }
}

TEST(ProfileFileWrite, LineBreaksInNamesAndValuesCannotForgeLines) {
    TProfileFile file("[Victim]\r\nk=1\r\n");
    file.WriteValue("S", "k", "a\r\n[Victim]\r\nk=forged");
    file.WriteValue("Two\nLines", "x=y", "v");
    file.WriteValue("Victim", "[Forged]", "2");
    EXPECT_EQ(file.ReadValue("Victim", "k"), "1");
    EXPECT_EQ(file.ReadValue("S", "k"), "a  [Victim]  k=forged");
    EXPECT_EQ(file.SectionNames(), (Names{"Victim", "S", "Two Lines"}));
    EXPECT_EQ(file.ReadValue("Two Lines", "x y"), "v");
    EXPECT_EQ(file.ReadValue("Victim", "Forged]"), "2");
}

TEST(ProfileFileWrite, EraseRemovesEveryCopyOfASectionAndNothingElse) {
    TProfileFile file("[A]\r\nk=1\r\n[B]\r\nk=2\r\n[a]\r\nk=3\r\n[C]\r\nk=4");
    EXPECT_FALSE(file.EraseSection("Missing"));
    EXPECT_FALSE(file.Changed());
    EXPECT_TRUE(file.EraseSection("A"));
    EXPECT_TRUE(file.Changed());
    EXPECT_EQ(file.Text(), "[B]\r\nk=2\r\n[C]\r\nk=4");
    EXPECT_FALSE(file.EraseSection("A"));
    EXPECT_TRUE(file.EraseSection("c"));
    EXPECT_EQ(file.Text(), "[B]\r\nk=2\r\n");

    TProfileFile same("[A]\r\nk=1\r\n");
    same.WriteValue("A", "k", "1"); // a write counts as a change even with the same value
    EXPECT_TRUE(same.Changed());
}

TEST(ProfileFileWrite, ReplaceSectionDropsOldKeysAndMovesTheSectionToTheEnd) {
    TProfileFile file("[A]\r\nold=1\r\nk=1\r\n[B]\r\nk=2\r\n");
    file.ReplaceSection("a", {{"k", "9"}, {"n", "8"}});
    EXPECT_EQ(file.Text(), "[B]\r\nk=2\r\n[a]\r\nk=9\r\nn=8\r\n");
    EXPECT_FALSE(file.ReadValue("A", "old").has_value());
}

TEST(ProfileFileWrite, ManyReplacementsActLikeOneAfterAnother) {
    const std::string before = "; head\r\n[A]\r\nk=1\r\n[B]\r\nk=2\r\n[a]\r\nk=3\r\n[C]\r\nk=4\r\n";
    const std::vector<std::pair<std::string, std::vector<TProfileFile::TEntry>>> batch{
        {"b", {{"k", "20"}}}, {"New", {{"n", "1"}}}, {"A", {{"k", "10"}}}, {"B", {{"k", "21"}}}};
    TProfileFile oneByOne(before);
    for (const auto& [section, entries] : batch) {
        oneByOne.ReplaceSection(section, entries);
    }
    TProfileFile together(before);
    together.ReplaceSections(batch);
    EXPECT_EQ(together.Text(), oneByOne.Text());
    EXPECT_EQ(together.Text(), "; head\r\n[C]\r\nk=4\r\n[New]\r\nn=1\r\n[A]\r\nk=10\r\n"
                               "[B]\r\nk=21\r\n");
}

} // namespace
} // namespace sudoku
