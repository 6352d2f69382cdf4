// Translation by number and by tag, the list rules and the language choice at start over
// compiled language files; 8-bit texts of files written elsewhere; and the shipped language
// file, complete in five languages and in step with the built-in English texts.
#include "../platform/TestFolder.h"
#include "LanguageCache.h"
#include "LanguageCompiler.h"
#include "LanguageList.h"
#include "LanguageTable.h"
#include "LanguageTexts.h"
#include "TTabularyObject.h"
#include "TextCodec.h"
#include "TransLtr.h"

#include <gtest/gtest.h>

#include <map>
#include <tuple>

namespace sudoku {
namespace {

using Bytes = std::vector<std::uint8_t>;
using Items = std::vector<std::optional<std::string>>;

// A language file compiled from definitions; a refusal fails the test with its first error.
Bytes CompileLanguages(const std::vector<LanguageDefinition>& languages) {
    Bytes bytes;
    std::vector<std::string> errors;
    EXPECT_TRUE(LanguageCompiler::Compile(languages, bytes, errors)) << errors.at(0);
    return bytes;
}
class TransLtrTest : public ::testing::Test {
protected:
    void TearDown() override { TransLtr::SetLngID(TransLtr::English); }
    std::filesystem::path Compile(const std::vector<LanguageDefinition>& languages) {
        return folder_.Write("SuDoku.lng", CompileLanguages(languages));
    }
    test::TTestFolder folder_;
};

TEST_F(TransLtrTest, TranslatesByNumberAndTheLanguageComesFromTheLocaleEnvironment) {
    // clang-format off
    const auto file = Compile({
        {44, "English", "en", {{"MainForm", {{720, "Rename", "Rename current SuDoku"},
                                             {575, "", ""}, {32, "\" exists", ""},
                                             {720, "Second row", "ignored"}}},
                               {"AboutBox", {{10, "Close", ""}}}}},
        {1, "English (US)", "en_US", {{"MainForm", {{720, "Rename it", ""}}}}},
        {31, "Nederlands", "nl", {{"MainForm", {{720, "Hernoemen", "h"}}}}},
        {7, "Bare", "xx", {}}});
    const struct { int LngID; const char* Section; int Number; const char* Expected; } cases[] = {
        {44, "MainForm", 720, "Rename"},   // the first of two rows of 720
        {44, "MainForm", 725, "default"},  // no row for the number
        {44, "MainForm", 575, ""},         // an empty caption replaces the default
        {44, "AboutBox", 10, "Close"},     // another window's section
        {44, "MsgDlgBox", 20, "default"},  // no table for the section
        {1, "MainForm", 720, "Rename it"}, // en_US: not listed, yet selectable
        {31, "AboutBox", 10, "default"},   // Dutch has no about-window table
        {7, "MainForm", 720, "default"},   // a listed language without tables
        {49, "MainForm", 720, "default"},  // a number without a Contents row
    };
    // clang-format on
    for (const auto& c : cases) {
        TransLtr::SetLngID(c.LngID);
        EXPECT_EQ(TransLtr::TranslateText(c.Number, c.Section, file, "default"), c.Expected)
            << "language " << c.LngID << " " << c.Section << " " << c.Number;
    }
    LanguageTable table;
    ASSERT_TRUE(table.Open(file, "MainForm", 44));
    EXPECT_EQ(table.Lookup(720)->Hint, "Rename current SuDoku");

    // Without a usable file the built-in English texts stand in for the run-time numbers.
    TransLtr::SetLngID(TransLtr::English);
    TransLtr::SetLanguageFileName(folder_.File("none.lng"));
    EXPECT_EQ(TransLtr::TranslateText(32), "\" already exists, overwrite existing SuDoKu?");
    TransLtr::SetLanguageFileName(file);
    EXPECT_EQ(TransLtr::TranslateText(32), "\" exists");
    // The language comes from the locale environment and the file lies beside the program; the
    // help page address carries the language's number.
    // clang-format off
    const std::pair<LanguageLocale, int> locales[] = {
        {{"", "", "fr_CA.UTF-8", ""}, 33}, {{"", "", "pt_BR", ""}, 44},
        {{"fr_FR", "de_DE", "it_IT", ""}, 33},    // LC_ALL first
        {{"", "de_DE", "it_IT", ""}, 49},         // then LC_MESSAGES
        {{"C", "", "de_DE", ""}, 44},             // LC_ALL=C rules out LANG
        {{"", "", "en_US.UTF-8", "::it:de"}, 39}, // LANGUAGE first, empty entries skipped
        {{"", "", "C.UTF-8", "it"}, 44},          // but not under the C locale
    };
    // clang-format on
    for (const auto& [locale, expected] : locales) {
        EXPECT_EQ(locale.LanguageNumber(), expected)
            << "LC_ALL=" << locale.All << " LC_MESSAGES=" << locale.Messages
            << " LANG=" << locale.Lang << " LANGUAGE=" << locale.Language;
    }
    TransLtr::ChooseLanguageAtStart(LanguageLocale{"", "", "nl_BE.UTF-8", ""}, "/opt/atelier");
    EXPECT_EQ(TransLtr::LngID(), 31);
    EXPECT_EQ(TransLtr::LanguageFileName(), std::filesystem::path("/opt/atelier/SuDoku.lng"));
    EXPECT_EQ(TransLtr::HelpPageAddress("a?lngid={lngid}&x={lngid}", 31), "a?lngid=31&x=31");
}

TEST_F(TransLtrTest, ListControlsTakeItemsOnlyWithoutARowOfTheirOwn) {
    // Rows deliberately out of numeric order: items follow the table order.
    // clang-format off
    const auto file = Compile({{44, "English", "en",
        {{"MainForm", {{860, "Level", "level hint"}, {861, "Rookie", ""}, {862, "Normal", ""},
                       {901, "first", "list hint"}, {950, "second", ""}, {902, "third", ""},
                       {1011, "page two", ""}, {11, "page one", ""}, {2011, "page three", ""}}}}}});
    // clang-format on
    LanguageTable table;
    ASSERT_TRUE(table.Open(file, "MainForm", 44));
    const std::tuple<TranslatedItems, Items, std::optional<std::string>> cases[] = {
        {table.ListItems(860, 4), Items(4), "level hint"}, // a row of its own: items stay
        {table.ListItems(900, 4), {"first", "second", "third", "page two"}, "list hint"},
        {table.ListItems(2010, 3), {"page three", std::nullopt, std::nullopt}, ""},
        {table.ListItems(5000, 2), Items(2), std::nullopt},
        {table.RadioGroupItems(860, 3), {"Rookie", "Normal", "first"}, "level hint"},
        {table.NotebookPages(10, 4), {"page one", "page two", "page three", std::nullopt}, {}},
    };
    for (const auto& [got, items, hint] : cases) {
        EXPECT_EQ(got.Items, items);
        EXPECT_EQ(got.Hint, hint);
    }
}

// The tables are read once per version of the file: a new version (another size) is read again
// and wins. Texts of files written elsewhere that are not UTF-8 read as Windows-1252.
TEST_F(TransLtrTest, ANewVersionOfTheFileIsReadAgainAndEightBitTextsAreWindows1252) {
    const auto write = [&](const std::string& caption) {
        return Compile({{33, "Fran\347ais", "fr", {{"MainForm", {{862, caption, ""}}}}}});
    };
    TransLtr::SetLngID(TransLtr::French);
    const auto file = write("Normal");
    EXPECT_EQ(TransLtr::TranslateText(862, "MainForm", file, "?"), "Normal");
    const int reads = LanguageCache::Shared().FileReads();
    EXPECT_EQ(TransLtr::TranslateText(862, "MainForm", file, "?"), "Normal");
    EXPECT_EQ(LanguageCache::Shared().FileReads(), reads);
    write("Interm\351diaire");
    EXPECT_EQ(TransLtr::TranslateText(862, "MainForm", file, "?"), "Interm\303\251diaire");
    LanguageList list;
    ASSERT_TRUE(list.Load(file));
    EXPECT_EQ(list.LanguageIdFor("Fran\303\247ais", 44), TransLtr::French);
    // clang-format off
    const std::pair<std::string, std::string> texts[] = {
        {"\x80 \x9C\x9F", "\xE2\x82\xAC \xC5\x93\xC5\xB8"},   // euro, oe, Y diaeresis
        {"\x81\x8D", "\xC2\x81\xC2\x8D"},                     // undefined: control characters
        {"\xC3", "\xC3\x83"},                                 // a UTF-8 sequence cut short
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},     // an encoded surrogate
    };
    // clang-format on
    for (const auto& [bytes, text] : texts) {
        EXPECT_EQ(DecodeTextBytes(bytes), text) << bytes;
    }
}

// Tag -> caption of a table.
std::map<int, std::string> Captions(const TTabularyObject& reader, const std::string& table) {
    std::map<int, std::string> captions;
    const int index = reader.TableIndex(table);
    for (int row = 1; row <= reader.RowCount(index); ++row) {
        captions.emplace(std::stoi(reader.ReadText(index, 1, row)), reader.ReadText(index, 2, row));
    }
    return captions;
}

// The shipped file, built beside the programs: each language has every section, in each a row
// for every English tag, and translates through the program's lookup; English has the built-in
// run-time texts word for word (searched by halving, so in ascending order).
TEST(LanguageFileTest, HoldsTheFiveLanguagesEachCompleteAndEnglishAsBuiltIn) {
    const auto shipped = std::filesystem::canonical("/proc/self/exe").parent_path() /
                         std::string(TransLtr::LanguageFile);
    TTabularyObject reader;
    ASSERT_TRUE(reader.Open(shipped)) << shipped << " is built with target sudoku_language_file";
    // clang-format off
    const struct { int Number; const char* Name; int Tag; const char* Caption; } languages[] = {
        {44, "English", 720, "Rename"}, {31, "Nederlands", 22, "Ja"},
        {33, "Fran\u00E7ais", 579, "Puzzle r\u00E9solu !"}, {39, "Italiano", 864, "Esperto"},
        {49, "Deutsch", 725, "L\u00F6schen"}};
    // clang-format on
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
        EXPECT_EQ(TransLtr::TranslateText(l.Tag, "MainForm", shipped, "?"), l.Caption);
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
    LanguageList list; // sorted by name
    ASSERT_TRUE(list.Load(shipped));
    EXPECT_EQ(list.Names(), (std::vector<std::string>{"Deutsch", "English", "Fran\u00E7ais",
                                                      "Italiano", "Nederlands"}));
    EXPECT_EQ(list.LanguageIdFor("Italiano", 44), 39);
}

} // namespace
} // namespace sudoku
