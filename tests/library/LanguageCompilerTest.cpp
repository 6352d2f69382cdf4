// The readable language source and its compilation into a table file.
#include "LanguageCompiler.h"
#include "LanguageFileWriter.h"
#include "LanguageSource.h"
#include "TTabularyObject.h"
#include "TabularyTestFile.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <tuple>

namespace sudoku {
namespace {

constexpr const char* Header = "[Language]\niCountry\t44\nsCountry\tEnglish\nsLanguage\ten\n";

TEST(LanguageSourceTest, ReadsSectionsTagsCaptionsHintsAndEscapes) {
    const std::string text = std::string("\xEF\xBB\xBF# comment\r\n") + Header +
                             "\n[MainForm]\r\n"
                             "575\tTime\\s\r\n"
                             "520\tNew\tGenerate a new SuDoku\n"
                             "32\t\" already exists\n"
                             "580\t\tSelect a cell\n"
                             "71013\t\\sEntries\\s\\s\n"
                             "99\ta\\tb\\nc\\\\d\\re\n"
                             "98\t\n"
                             "[AboutBox]\n10\tClose";
    LanguageDefinition language;
    std::vector<std::string> errors;
    ASSERT_TRUE(LanguageSource::Parse(text, "en.txt", language, errors))
        << (errors.empty() ? "" : errors.front());
    EXPECT_EQ(language.Country, 44);
    EXPECT_EQ(language.DisplayName, "English");
    EXPECT_EQ(language.Code, "en");
    ASSERT_EQ(language.Sections.size(), 2u);
    const LanguageSection* main = language.Section("MainForm");
    ASSERT_NE(main, nullptr);
    using Entry = std::tuple<int, std::string, std::string>; // tag, caption, hint
    std::vector<Entry> entries;
    for (const LanguageEntry& e : main->Entries) {
        entries.emplace_back(e.Tag, e.Caption, e.Hint);
    }
    EXPECT_EQ(entries, (std::vector<Entry>{{575, "Time ", ""},
                                           {520, "New", "Generate a new SuDoku"},
                                           {32, "\" already exists", ""},
                                           {580, "", "Select a cell"},
                                           {71013, " Entries  ", ""},
                                           {99, "a\tb\nc\\d\re", ""},
                                           {98, "", ""}}));
    ASSERT_NE(language.Section("AboutBox"), nullptr);
    EXPECT_EQ(language.Section("AboutBox")->Entries.at(0).Caption, "Close");
    EXPECT_EQ(language.Section("Missing"), nullptr);
}

TEST(LanguageSourceTest, RefusesMistakesWithTheirLine) {
    struct Case {
        const char* Label;
        std::string Text;
        const char* Where;
    };
    const std::string h = Header;
    const std::vector<Case> cases = {
        {"no language header", "[MainForm]\n1\ta\n", "x.txt:0:"},
        {"number not decimal", "[Language]\niCountry\t4x\nsCountry\tE\nsLanguage\te\n", "x.txt:2:"},
        {"unknown language key", h + "sFlag\tred\n", "x.txt:5:"},
        {"key twice", h + "sCountry\tAgain\n", "x.txt:5:"},
        {"text before a section", "1\ta\n" + h, "x.txt:1:"},
        {"bad section header", h + "[Main Form]\n", "x.txt:5:"},
        {"section twice", h + "[A]\n1\ta\n[A]\n", "x.txt:7:"},
        {"tag not a number", h + "[A]\nx1\ta\n", "x.txt:6:"},
        {"negative tag", h + "[A]\n-1\ta\n", "x.txt:6:"},
        {"tag beyond int", h + "[A]\n99999999999\ta\n", "x.txt:6:"},
        {"tag twice", h + "[A]\n1\ta\n1\tb\n", "x.txt:7:"},
        {"no caption field", h + "[A]\n1\n", "x.txt:6:"},
        {"four fields", h + "[A]\n1\ta\tb\tc\n", "x.txt:6:"},
        {"unknown escape", h + "[A]\n1\ta\\q\n", "x.txt:6:"},
        {"trailing backslash", h + "[A]\n1\ta\tb\\\n", "x.txt:6:"},
        {"invalid utf-8", h + "[A]\n1\t\xC3\x28\n", "x.txt:"},
        {"overlong utf-8", h + "[A]\n1\t\xC0\xAF\n", "x.txt:"},
    };
    for (const Case& c : cases) {
        LanguageDefinition language;
        std::vector<std::string> errors;
        EXPECT_FALSE(LanguageSource::Parse(c.Text, "x.txt", language, errors)) << c.Label;
        ASSERT_FALSE(errors.empty()) << c.Label;
        EXPECT_EQ(errors.front().rfind(c.Where, 0), 0u) << c.Label << ": " << errors.front();
    }
}

TEST(LanguageCompilerTest, CompiledFileReadsBackWithTheLongestTextAsWidth) {
    const LanguageDefinition english{
        44,
        "English",
        "en",
        {{"MainForm", {{720, "Rename", "Rename current SuDoku"}, {725, "Delete", ""}}}}};
    const LanguageDefinition german{
        49, "Deutsch", "de", {{"MainForm", {{720, "Umbenennen", "\u00DCber"}}}}};
    const test::Bytes bytes = test::CompileLanguages({english, german});

    TTabularyObject reader;
    ASSERT_TRUE(reader.OpenBytes(bytes));
    EXPECT_FALSE(reader.TextsTransformed());
    ASSERT_EQ(reader.TableCount(), 3);
    EXPECT_EQ(reader.TableName(1), "Contents");
    EXPECT_EQ(reader.TableName(2), "MainForm (English)");
    EXPECT_EQ(reader.TableName(3), "MainForm (Deutsch)");
    EXPECT_EQ(reader.ReadText("Contents", "iCountry", 2), "49");
    EXPECT_EQ(reader.ReadText("Contents", "sLanguage", 2), "de");
    EXPECT_EQ(reader.ReadText("MainForm (English)", "Hint", 1), "Rename current SuDoku");
    EXPECT_EQ(reader.ReadText("MainForm (English)", "Hint", 2), "");
    EXPECT_EQ(reader.ReadText("MainForm (Deutsch)", "Hint", 1), "\u00DCber");
    for (int table = 1; table <= 3; ++table) {
        for (int column = 1; column <= 3; ++column) {
            EXPECT_EQ(reader.ColumnTypeOf(table, column), TTabularyObject::ctText);
        }
    }
    // Widths: Contents 7 ("English"), English 21 (its hint), Deutsch 10 ("Umbenennen").
    const std::size_t descriptors = 3 * (77 + 3 * 137);
    EXPECT_EQ(bytes.size(), 272 + descriptors + 2 * 3 * 7 + 2 * 3 * 21 + 1 * 3 * 10);
}

TEST(LanguageCompilerTest, RefusesClashingLanguagesAndOverlongNames) {
    const LanguageDefinition english{44, "English", "en", {{"MainForm", {{1, "a", ""}}}}};
    struct Case {
        const char* Label;
        LanguageDefinition Other;
    };
    const std::vector<Case> cases = {
        {"same number", {44, "Other", "ot", {}}},
        {"same display name", {45, "English", "ot", {}}},
        {"table name over 63 bytes", {46, std::string(60, 'n'), "ot", {{"MainForm", {}}}}},
        {"text with a zero byte",
         {47, "Zero", "z", {{"MainForm", {{1, std::string("a\0b", 3), ""}}}}}},
    };
    for (const Case& c : cases) {
        std::vector<std::uint8_t> bytes;
        std::vector<std::string> errors;
        EXPECT_FALSE(LanguageCompiler::Compile({english, c.Other}, bytes, errors)) << c.Label;
        EXPECT_FALSE(errors.empty()) << c.Label;
        EXPECT_TRUE(bytes.empty()) << c.Label;
    }
}

TEST(LanguageCompilerTest, ListsEntriesMissingFromALanguage) {
    const LanguageDefinition english{
        44,
        "English",
        "en",
        {{"MainForm", {{1, "a", ""}, {2, "b", ""}}}, {"AboutBox", {{10, "c", ""}}}}};
    const LanguageDefinition dutch{
        31, "Nederlands", "nl", {{"MainForm", {{2, "b", ""}, {3, "x", ""}}}}};
    EXPECT_EQ(LanguageCompiler::MissingEntries(english, dutch),
              (std::vector<std::string>{"MainForm 1", "AboutBox 10"}));
    EXPECT_TRUE(LanguageCompiler::MissingEntries(english, english).empty());
}

TEST(LanguageFileWriterTest, RefusesRowsThatDoNotFitTheTable) {
    LanguageFileWriter writer;
    EXPECT_THROW(writer.AddTable("T", {"A", "B"}, {{"only one"}}), std::invalid_argument);
    EXPECT_THROW(writer.AddTable("", {"A"}, {}), std::invalid_argument);
    EXPECT_THROW(writer.AddTable("T", {std::string(64, 'c')}, {}), std::invalid_argument);
    writer.AddTable("T", {"A"}, {});
    TTabularyObject reader;
    ASSERT_TRUE(reader.OpenBytes(writer.Bytes()));
    EXPECT_EQ(reader.RowCount("T"), 0);

    test::TTestFolder folder;
    const auto file = folder.File("out.lng");
    ASSERT_TRUE(writer.Write(file));
    EXPECT_TRUE(reader.Open(file));
    EXPECT_FALSE(writer.Write(folder.File("missing-folder/out.lng")));
}

} // namespace
} // namespace sudoku
