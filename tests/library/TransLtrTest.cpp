// Translation by number and by tag, the list rules, the language list and the language choice
// at start over language files built by the compiler; the file read once per version, and 8-bit
// texts of files written elsewhere read as Windows-1252.
#include "TransLtr.h"
#include "CompiledLanguages.h"
#include "LanguageCache.h"
#include "LanguageList.h"
#include "LanguageTable.h"
#include "LanguageTexts.h"
#include "TextCodec.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace sudoku {
namespace {

using Items = std::vector<std::optional<std::string>>;

class TransLtrTest : public ::testing::Test {
protected:
    void SetUp() override { LanguageCache::Shared().Clear(); }
    void TearDown() override { TransLtr::SetLngID(TransLtr::English); }

    std::filesystem::path Compile(const std::vector<LanguageDefinition>& languages) {
        return folder_.Write("SuDoku.lng", test::CompileLanguages(languages));
    }
    test::TTestFolder folder_;
};

TEST_F(TransLtrTest, TranslatesByNumberFirstRowWinsOrKeepsTheDefault) {
    // clang-format off
    const auto file = Compile({
        {44, "English", "en", {{"MainForm", {{720, "Rename", "Rename current SuDoku"},
                                             {575, "", "no caption"}, {32, "\" exists", ""},
                                             {720, "Second row", "ignored"}}},
                               {"AboutBox", {{10, "Close", "Close the window"}}}}},
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
        {31, "MainForm", 720, "Hernoemen"},
        {31, "AboutBox", 10, "default"},   // Dutch has no about-window table
        {7, "MainForm", 720, "default"},   // a listed language without tables
        {49, "MainForm", 720, "default"},  // a number without a Contents row
        {-44, "MainForm", 720, "default"},
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
    EXPECT_FALSE(table.Lookup(721).has_value());

    // Without a usable file the built-in English texts stand in for the run-time numbers.
    TransLtr::SetLngID(TransLtr::English);
    const auto foreign = folder_.Write("foreign.lng", test::Bytes(400, 'x'));
    EXPECT_EQ(TransLtr::TranslateText(720, "MainForm", foreign, "Rename"), "Rename");
    EXPECT_FALSE(table.Open(foreign, "MainForm", 44));
    TransLtr::SetLanguageFileName(folder_.File("none.lng"));
    EXPECT_EQ(TransLtr::TranslateText(32), "\" already exists, overwrite existing SuDoKu?");
    TransLtr::SetLanguageFileName(file);
    EXPECT_EQ(TransLtr::TranslateText(32), "\" exists");
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
    const struct {
        TranslatedItems Got;
        Items Expected;
        std::optional<std::string> Hint;
    } cases[] = {
        {table.ListItems(860, 4), Items(4), "level hint"}, // a row of its own: items stay
        {table.ListItems(900, 4), {"first", "second", "third", "page two"}, "list hint"},
        {table.ListItems(2010, 3), {"page three", std::nullopt, std::nullopt}, ""},
        {table.ListItems(5000, 2), Items(2), std::nullopt},
        {table.RadioGroupItems(860, 3), {"Rookie", "Normal", "first"}, "level hint"},
        {table.NotebookPages(10, 4), {"page one", "page two", "page three", std::nullopt}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.Got.Items, c.Expected);
        EXPECT_EQ(c.Got.Hint, c.Hint);
    }
}

TEST_F(TransLtrTest, LanguageListOffersSortedNamesWithoutVariants) {
    test::Bytes bytes = test::CompileLanguages({{44, "English", "en", {}},
                                                {1, "English (US)", "en_US", {}},
                                                {31, "Nederlands", "nl", {}},
                                                {49, "Deutsch", "de", {}},
                                                {55, "Broken", "bb", {}}});
    // A number that is not decimal, as a foreign file might hold: "55" becomes "5x".
    const std::string needle = "55";
    *(std::search(bytes.begin(), bytes.end(), needle.begin(), needle.end()) + 1) = 'x';
    LanguageList list;
    ASSERT_TRUE(list.Load(folder_.Write("SuDoku.lng", bytes)));
    EXPECT_EQ(list.Names(),
              (std::vector<std::string>{"Broken", "Deutsch", "English", "Nederlands"}));
    EXPECT_EQ(list.SelectedIndex(31), 3);
    EXPECT_EQ(list.SelectedIndex(1), -1) << "the en_US row is not offered";
    EXPECT_EQ(list.SelectedIndex(39), -1);
    EXPECT_EQ(list.LanguageIdFor("Deutsch", 44), 49);
    EXPECT_EQ(list.LanguageIdFor("English (US)", 44), 1);
    EXPECT_EQ(list.LanguageIdFor("deutsch", 44), 44) << "names are compared exactly";
    EXPECT_EQ(list.LanguageIdFor("Broken", 31), 31) << "a number that is not decimal";
    EXPECT_FALSE(list.Load(folder_.File("none.lng")));
    EXPECT_TRUE(list.Names().empty());
}

TEST_F(TransLtrTest, LanguageComesFromTheLocaleEnvironmentAndTheFileLiesBesideTheProgram) {
    // clang-format off
    const std::pair<LanguageLocale, int> cases[] = {
        {{"", "", "nl_NL.UTF-8", ""}, 31}, {{"", "", "NL", ""}, 31}, {{"", "", "it_IT", ""}, 39},
        {{"", "", "fr_CA.UTF-8", ""}, 33}, {{"", "", "de_AT.UTF-8", ""}, 49},
        {{"", "", "en_GB.UTF-8", ""}, 44}, {{"", "", "pt_BR.UTF-8", ""}, 44},
        {{"", "", "d", ""}, 44}, {{"", "", "", ""}, 44},
        {{"fr_FR", "de_DE", "it_IT", ""}, 33},  // LC_ALL first
        {{"", "de_DE", "it_IT", ""}, 49},       // then LC_MESSAGES
        {{"C", "", "de_DE", ""}, 44},           // LC_ALL=C rules out LANG
        {{"", "", "en_US.UTF-8", "it:de"}, 39}, // LANGUAGE before the locale
        {{"", "", "de_DE", "::fr_FR:nl"}, 33},  // empty list entries are skipped
        {{"", "", "de_DE", ":"}, 49},
        {{"", "", "C.UTF-8", "it"}, 44},        // ignored under the C locale
        {{"", "", "POSIX", "nl"}, 44}, {{"", "", "", "nl"}, 44},
    };
    // clang-format on
    for (const auto& [locale, expected] : cases) {
        EXPECT_EQ(locale.LanguageNumber(), expected)
            << "LC_ALL=" << locale.All << " LC_MESSAGES=" << locale.Messages
            << " LANG=" << locale.Lang << " LANGUAGE=" << locale.Language;
    }
    TransLtr::ChooseLanguageAtStart(LanguageLocale{"", "", "nl_BE.UTF-8", ""}, "/opt/atelier");
    EXPECT_EQ(TransLtr::LngID(), 31);
    EXPECT_EQ(TransLtr::LanguageFileName(), std::filesystem::path("/opt/atelier/SuDoku.lng"));
}

TEST_F(TransLtrTest, TablesAreReadOncePerFileVersion) {
    LanguageCache& cache = LanguageCache::Shared();
    const auto write = [&](const std::string& caption) {
        return Compile(
            {{33,
              "Fran\xE7"
              "ais",
              "fr",
              {{"MainForm", {{862, caption, ""}}}, {"AboutBox", {{10, "Fermer", ""}}}}}});
    };
    TransLtr::SetLngID(TransLtr::French);
    const auto file = write("Normal");
    const auto lookups = [&](const char* level) {
        for (int i = 0; i < 50; ++i) {
            EXPECT_EQ(TransLtr::TranslateText(862, "MainForm", file, "?"), level);
            EXPECT_EQ(TransLtr::TranslateText(10, "AboutBox", file, "Close"), "Fermer");
            // A section without a table is remembered as missing, not searched for again.
            EXPECT_EQ(TransLtr::TranslateText(20, "MsgDlgBox", file, "Ok"), "Ok");
        }
    };
    const int before = cache.FileReads();
    lookups("Normal");
    const int first = cache.FileReads();
    EXPECT_EQ(first - before, 2); // the language's tables at once; the table it lacks
    lookups("Normal");
    EXPECT_EQ(cache.FileReads(), first);
    // A new version of the file (another size) is read again and wins; 8-bit texts of files
    // written elsewhere read as Windows-1252.
    write("Interm\xE9"
          "diaire");
    lookups("Interm\xC3\xA9"
            "diaire");
    EXPECT_GT(cache.FileReads(), first);
    LanguageList list;
    ASSERT_TRUE(list.Load(file));
    EXPECT_EQ(list.LanguageIdFor("Fran\xC3\xA7"
                                 "ais",
                                 44),
              TransLtr::French);
}

TEST(TextCodec, ValidUtf8StaysAndOtherBytesAreWindows1252) {
    // clang-format off
    const std::pair<std::string, std::string> cases[] = {
        {"Gr\xC3\xB6\xC3\x9F" "e", "Gr\xC3\xB6\xC3\x9F" "e"}, // UTF-8 already
        {"Gr\xF6\xDF" "e", "Gr\xC3\xB6\xC3\x9F" "e"},         // the same word in 8 bits
        {"\x80 \x9C\x9F", "\xE2\x82\xAC \xC5\x93\xC5\xB8"},   // euro, oe, Y diaeresis
        {"\x81\x8D", "\xC2\x81\xC2\x8D"},                     // undefined: control characters
        {"\xC3", "\xC3\x83"},                                 // a UTF-8 sequence cut short
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},     // an encoded surrogate
    };
    // clang-format on
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(DecodeTextBytes(bytes), text) << bytes;
    }
}

TEST(HelpPageAddressTest, FillsTheLanguageNumber) {
    EXPECT_EQ(TransLtr::HelpPageAddress("a?lngid={lngid}&x={lngid}", 31), "a?lngid=31&x=31");
    EXPECT_EQ(TransLtr::HelpPageAddress("plain", 31), "plain");
}

} // namespace
} // namespace sudoku
