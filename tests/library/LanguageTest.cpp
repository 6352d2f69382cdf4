// The readable language source, its compilation into a table file, and the shipped language
// file built beside the programs: five languages, each complete against English, and English in
// step with the built-in texts.
#include "CompiledLanguages.h"
#include "LanguageCompiler.h"
#include "LanguageFileWriter.h"
#include "LanguageList.h"
#include "LanguageSource.h"
#include "LanguageTable.h"
#include "LanguageTexts.h"
#include "TTabularyObject.h"
#include "TransLtr.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

namespace sudoku {
namespace {

constexpr const char* Header = "[Language]\niCountry\t44\nsCountry\tEnglish\nsLanguage\ten\n";

TEST(LanguageSourceTest, ReadsSectionsTagsCaptionsHintsAndEscapes) {
    const std::string text = std::string("\xEF\xBB\xBF# comment\r\n") + Header +
                             "\n[MainForm]\r\n575\tTime\\s\r\n520\tNew\tGenerate a new SuDoku\n"
                             "32\t\" already exists\n580\t\tSelect a cell\n"
                             "71013\t\\sEntries\\s\\s\n99\ta\\tb\\nc\\\\d\\re\n98\t\n"
                             "[AboutBox]\n10\tClose";
    LanguageDefinition language;
    std::vector<std::string> errors;
    ASSERT_TRUE(LanguageSource::Parse(text, "en.txt", language, errors)) << errors.at(0);
    EXPECT_EQ(std::tie(language.Country, language.DisplayName, language.Code),
              std::tuple(44, "English", "en"));
    ASSERT_EQ(language.Sections.size(), 2u);
    using Entry = std::tuple<int, std::string, std::string>; // tag, caption, hint
    std::vector<Entry> entries;
    for (const LanguageEntry& e : language.Section("MainForm")->Entries) {
        entries.emplace_back(e.Tag, e.Caption, e.Hint);
    }
    EXPECT_EQ(entries, (std::vector<Entry>{{575, "Time ", ""},
                                           {520, "New", "Generate a new SuDoku"},
                                           {32, "\" already exists", ""},
                                           {580, "", "Select a cell"},
                                           {71013, " Entries  ", ""},
                                           {99, "a\tb\nc\\d\re", ""},
                                           {98, "", ""}}));
    EXPECT_EQ(language.Section("AboutBox")->Entries.at(0).Caption, "Close");
    EXPECT_EQ(language.Section("Missing"), nullptr);
}

TEST(LanguageSourceTest, RefusesMistakesWithTheirLine) {
    const std::string h = Header;
    // clang-format off
    const std::pair<std::string, const char*> cases[] = {
        {"[MainForm]\n1\ta\n", "x.txt:0:"}, // no language header
        {"[Language]\niCountry\t4x\nsCountry\tE\nsLanguage\te\n", "x.txt:2:"},
        {h + "sFlag\tred\n", "x.txt:5:"}, {h + "sCountry\tAgain\n", "x.txt:5:"},
        {"1\ta\n" + h, "x.txt:1:"}, {h + "[Main Form]\n", "x.txt:5:"},
        {h + "[A]\n1\ta\n[A]\n", "x.txt:7:"}, {h + "[A]\nx1\ta\n", "x.txt:6:"},
        {h + "[A]\n-1\ta\n", "x.txt:6:"}, {h + "[A]\n99999999999\ta\n", "x.txt:6:"},
        {h + "[A]\n1\ta\n1\tb\n", "x.txt:7:"}, {h + "[A]\n1\n", "x.txt:6:"},
        {h + "[A]\n1\ta\tb\tc\n", "x.txt:6:"}, {h + "[A]\n1\ta\\q\n", "x.txt:6:"},
        {h + "[A]\n1\ta\tb\\\n", "x.txt:6:"}, {h + "[A]\n1\t\xC3\x28\n", "x.txt:0:"},
        {h + "[A]\n1\t\xC0\xAF\n", "x.txt:0:"}, // overlong UTF-8
    };
    // clang-format on
    for (const auto& [text, where] : cases) {
        LanguageDefinition language;
        std::vector<std::string> errors;
        EXPECT_FALSE(LanguageSource::Parse(text, "x.txt", language, errors)) << text;
        ASSERT_FALSE(errors.empty()) << text;
        EXPECT_EQ(errors.front().rfind(where, 0), 0u) << text << ": " << errors.front();
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
    ASSERT_EQ(reader.TableCount(), 3);
    EXPECT_EQ(reader.TableName(2), "MainForm (English)");
    EXPECT_EQ(reader.TableName(3), "MainForm (Deutsch)");
    EXPECT_EQ(reader.ReadText("Contents", "iCountry", 2), "49");
    EXPECT_EQ(reader.ReadText("Contents", "sLanguage", 2), "de");
    EXPECT_EQ(reader.ReadText("MainForm (English)", "Hint", 1), "Rename current SuDoku");
    EXPECT_EQ(reader.ReadText("MainForm (English)", "Hint", 2), "");
    EXPECT_EQ(reader.ReadText("MainForm (Deutsch)", "Hint", 1), "\u00DCber");
    // Widths: Contents 7 ("English"), English 21 (its hint), Deutsch 10 ("Umbenennen").
    EXPECT_EQ(bytes.size(), 272 + 3 * (77 + 3 * 137) + 2 * 3 * 7 + 2 * 3 * 21 + 1 * 3 * 10);
    EXPECT_TRUE(LanguageCompiler::MissingEntries(english, english).empty());
    EXPECT_EQ(LanguageCompiler::MissingEntries(english, german),
              std::vector<std::string>{"MainForm 725"});
}

TEST(LanguageCompilerTest, RefusesClashingLanguagesAndOverlongNames) {
    const LanguageDefinition english{44, "English", "en", {{"MainForm", {{1, "a", ""}}}}};
    const LanguageDefinition others[] = {
        {44, "Other", "ot", {}},                              // same number
        {45, "English", "ot", {}},                            // same display name
        {46, std::string(60, 'n'), "ot", {{"MainForm", {}}}}, // table name over 63 bytes
        {47, "Zero", "z", {{"MainForm", {{1, std::string("a\0b", 3), ""}}}}},
    };
    for (const LanguageDefinition& other : others) {
        std::vector<std::uint8_t> bytes;
        std::vector<std::string> errors;
        EXPECT_FALSE(LanguageCompiler::Compile({english, other}, bytes, errors)) << other.Country;
        EXPECT_FALSE(errors.empty()) << other.Country;
        EXPECT_TRUE(bytes.empty()) << other.Country;
    }
    LanguageFileWriter writer;
    EXPECT_THROW(writer.AddTable("T", {"A", "B"}, {{"only one"}}), std::invalid_argument);
    test::TTestFolder folder;
    EXPECT_FALSE(writer.Write(folder.File("missing-folder/out.lng")));
}

std::filesystem::path ShippedFile() {
    return std::filesystem::canonical("/proc/self/exe").parent_path() /
           std::string(TransLtr::LanguageFile);
}

// Tag -> caption of a table of the shipped file.
std::map<int, std::string> Captions(const TTabularyObject& reader, const std::string& table) {
    std::map<int, std::string> captions;
    const int index = reader.TableIndex(table);
    for (int row = 1; row <= reader.RowCount(index); ++row) {
        captions.emplace(std::stoi(reader.ReadText(index, 1, row)), reader.ReadText(index, 2, row));
    }
    return captions;
}

// Each language has every section, in each a row for every English tag, and translates through
// the program's lookup; English has the built-in run-time texts word for word (their table is
// searched by halving, so it must stay in ascending order).
TEST(LanguageFileTest, HoldsTheFiveLanguagesEachCompleteAndEnglishAsBuiltIn) {
    TTabularyObject reader;
    ASSERT_TRUE(reader.Open(ShippedFile()))
        << ShippedFile() << " is built with the program (target sudoku_language_file)";
    const struct {
        int Number;
        const char* Name;
        int Tag;
        const char* Caption;
    } languages[] = {{44, "English", 720, "Rename"},
                     {31, "Nederlands", 22, "Ja"},
                     {33, "Fran\u00E7ais", 579, "Puzzle r\u00E9solu !"},
                     {39, "Italiano", 864, "Esperto"},
                     {49, "Deutsch", 725, "L\u00F6schen"}};
    ASSERT_EQ(reader.RowCount("Contents"), 5);
    for (const auto& l : languages) {
        SCOPED_TRACE(l.Name);
        const int row = reader.FindRow("Contents", "iCountry", std::to_string(l.Number));
        EXPECT_EQ(reader.ReadText("Contents", "sCountry", row), l.Name);
        for (const char* section : {"MainForm", "AboutBox", "EditDlgBox", "MsgDlgBox"}) {
            const auto english = Captions(reader, LanguageTable::TableNameFor(section, "English"));
            const auto other = Captions(reader, LanguageTable::TableNameFor(section, l.Name));
            EXPECT_EQ(other.size(), english.size()) << section;
            for (const auto& [tag, caption] : english) {
                EXPECT_EQ(other.count(tag), 1u) << section << " " << tag;
            }
        }
        TransLtr::SetLngID(l.Number);
        EXPECT_EQ(TransLtr::TranslateText(l.Tag, "MainForm", ShippedFile(), "?"), l.Caption);
    }
    TransLtr::SetLngID(TransLtr::English);

    const auto english = Captions(reader, "MainForm (English)");
    int previous = 0;
    for (const auto& text : LanguageTexts::All()) {
        EXPECT_GT(text.Number, previous);
        previous = text.Number;
        EXPECT_EQ(LanguageTexts::Default(text.Number), text.English) << text.Number;
        const auto found = english.find(text.Number);
        EXPECT_EQ(found != english.end() ? found->second : "<none>", text.English) << text.Number;
    }
    LanguageList list;
    ASSERT_TRUE(list.Load(ShippedFile()));
    EXPECT_EQ(list.Names().size(), 5u);
}

} // namespace
} // namespace sudoku
