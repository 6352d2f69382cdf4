// Translation by number and by tag, the list rules, the language list and the language
// choice at start, over language files built by the compiler.
#include "TransLtr.h"
#include "LanguageCompiler.h"
#include "LanguageList.h"
#include "LanguageTable.h"
#include "LanguageTexts.h"
#include "TabularyTestFile.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace sudoku {
namespace {

class TransLtrTest : public ::testing::Test {
protected:
    void SetUp() override { TransLtr::SetLngID(TransLtr::English); }
    void TearDown() override { TransLtr::SetLngID(TransLtr::English); }

    std::filesystem::path Compile(const std::vector<LanguageDefinition>& languages,
                                  const std::string& name = "SuDoku.lng") {
        return folder_.Write(name, test::CompileLanguages(languages));
    }

    // English with Rename (720) and an empty caption for 575; a US variant; Dutch without
    // a table for the about window; a language listed in Contents with no tables at all.
    std::filesystem::path StandardFile() {
        // clang-format off
        const LanguageDefinition english{44, "English", "en",
            {{"MainForm", {{720, "Rename", "Rename current SuDoku"}, {575, "", "no caption"},
                           {32, "\" exists", ""}, {720, "Second row", "ignored"}}},
             {"AboutBox", {{10, "Close", "Close the window"}}}}};
        // clang-format on
        const LanguageDefinition us{
            1, "English (US)", "en_US", {{"MainForm", {{720, "Rename it", ""}}}}};
        const LanguageDefinition dutch{
            31, "Nederlands", "nl", {{"MainForm", {{720, "Hernoemen", "h"}}}}};
        const LanguageDefinition bare{7, "Bare", "xx", {}};
        return Compile({english, us, dutch, bare});
    }

    test::TTestFolder folder_;
};

TEST_F(TransLtrTest, TranslatesByNumberFirstRowWinsOrKeepsTheDefault) {
    const auto file = StandardFile();
    struct Case {
        int LngID;
        const char* Section;
        int Number;
        const char* Expected;
    };
    const std::vector<Case> cases = {
        {44, "MainForm", 720, "Rename"},   // the first of two rows of 720
        {44, "MainForm", 725, "default"},  // no row for the number
        {44, "MainForm", 575, ""},         // an empty caption replaces the default
        {44, "AboutBox", 10, "Close"},     // another window's section
        {44, "MsgDlgBox", 20, "default"},  // no table for the section
        {1, "MainForm", 720, "Rename it"}, // en_US: not listed, yet selectable
        {31, "MainForm", 720, "Hernoemen"},
        {31, "AboutBox", 10, "default"},  // Dutch has no about-window table
        {7, "MainForm", 720, "default"},  // a listed language without tables
        {49, "MainForm", 720, "default"}, // a number without a Contents row
        {-44, "MainForm", 720, "default"},
    };
    for (const Case& c : cases) {
        TransLtr::SetLngID(c.LngID);
        EXPECT_EQ(TransLtr::TranslateText(c.Number, c.Section, file, "default"), c.Expected)
            << "language " << c.LngID << " " << c.Section << " " << c.Number;
    }
    LanguageTable table; // the first of two rows of a tag wins, with its hint
    ASSERT_TRUE(table.Open(file, "MainForm", 44));
    EXPECT_EQ(table.CurrentTable(), "MainForm (English)");
    const auto text = table.Lookup(720);
    ASSERT_TRUE(text.has_value());
    EXPECT_EQ(text->Hint, "Rename current SuDoku");
    EXPECT_FALSE(table.Lookup(721).has_value());
}

TEST_F(TransLtrTest, MissingOrForeignFileLeavesTheDefaults) {
    const auto missing = folder_.File("none.lng");
    EXPECT_EQ(TransLtr::TranslateText(720, "MainForm", missing, "Rename"), "Rename");
    const auto foreign = folder_.Write("foreign.lng", test::Bytes(400, 'x'));
    EXPECT_EQ(TransLtr::TranslateText(720, "MainForm", foreign, "Rename"), "Rename");
    LanguageTable table;
    EXPECT_FALSE(table.Open(foreign, "MainForm", 44));
    EXPECT_FALSE(table.IsOpen());
    EXPECT_EQ(table.FindTag(720), 0);

    // The built-in English texts stand in for the run-time numbers.
    TransLtr::SetLanguageFileName(missing);
    EXPECT_EQ(TransLtr::TranslateText(32), "\" already exists, overwrite existing SuDoKu?");
    EXPECT_EQ(TransLtr::TranslateText(71015), " Hints        ");
    TransLtr::SetLanguageFileName(StandardFile());
    EXPECT_EQ(TransLtr::TranslateText(32), "\" exists");
}

TEST_F(TransLtrTest, ListControlsTakeItemsOnlyWithoutARowOfTheirOwn) {
    // Rows deliberately out of numeric order: items follow the table order.
    // clang-format off
    const LanguageDefinition english{44, "English", "en",
        {{"MainForm", {{860, "Level", "level hint"}, {861, "Rookie", ""}, {862, "Normal", ""},
                       {901, "first", "list hint"}, {950, "second", ""}, {902, "third", ""},
                       {1011, "page two", ""}, {11, "page one", ""}, {2011, "page three", ""}}}}};
    // clang-format on
    LanguageTable table;
    ASSERT_TRUE(table.Open(Compile({english}), "MainForm", 44));

    const TranslatedItems own = table.ListItems(860, 4);
    EXPECT_EQ(own.Items, std::vector<std::optional<std::string>>(4));
    EXPECT_EQ(own.Hint, "level hint");

    const TranslatedItems list = table.ListItems(900, 4);
    using Items = std::vector<std::optional<std::string>>;
    EXPECT_EQ(list.Items, (Items{"first", "second", "third", "page two"}));
    EXPECT_EQ(list.Hint, "list hint");

    const TranslatedItems tail = table.ListItems(2010, 3);
    EXPECT_EQ(tail.Items, (Items{"page three", std::nullopt, std::nullopt}))
        << "items past the last row keep their text";

    const TranslatedItems none = table.ListItems(5000, 2);
    EXPECT_EQ(none.Items, Items(2));
    EXPECT_FALSE(none.Hint.has_value());

    const TranslatedItems radio = table.RadioGroupItems(860, 3);
    EXPECT_EQ(radio.Items, (Items{"Rookie", "Normal", "first"}));
    EXPECT_FALSE(table.RadioGroupItems(859, 2).Hint.has_value());

    const TranslatedItems pages = table.NotebookPages(10, 4);
    EXPECT_EQ(pages.Items, (Items{"page one", "page two", "page three", std::nullopt}));
}

TEST_F(TransLtrTest, LanguageListOffersSortedNamesWithoutVariants) {
    test::Bytes bytes = test::CompileLanguages({{44, "English", "en", {}},
                                                {1, "English (US)", "en_US", {}},
                                                {31, "Nederlands", "nl", {}},
                                                {33, "fran\u00E7ais", "fr", {}},
                                                {49, "Deutsch", "de", {}},
                                                {55, "Broken", "bb", {}}});
    // A number that is not decimal, as a foreign file might hold: patch "55" into "5x".
    const std::string needle = "55";
    auto at = std::search(bytes.begin(), bytes.end(), needle.begin(), needle.end());
    ASSERT_NE(at, bytes.end());
    *(at + 1) = 'x';
    const auto file = folder_.Write("SuDoku.lng", bytes);

    LanguageList list;
    ASSERT_TRUE(list.Load(file));
    EXPECT_EQ(list.Names(), (std::vector<std::string>{"Broken", "Deutsch", "English",
                                                      "fran\u00E7ais", "Nederlands"}));
    EXPECT_EQ(list.SelectedIndex(31), 4);
    EXPECT_EQ(list.SelectedIndex(44), 2);
    EXPECT_EQ(list.SelectedIndex(1), -1) << "the en_US row is not offered";
    EXPECT_EQ(list.SelectedIndex(39), -1);
    EXPECT_EQ(list.LanguageIdFor("Deutsch", 44), 49);
    EXPECT_EQ(list.LanguageIdFor("English (US)", 44), 1);
    EXPECT_EQ(list.LanguageIdFor("deutsch", 44), 44) << "names are compared exactly";
    EXPECT_EQ(list.LanguageIdFor("Broken", 31), 31) << "a number that is not decimal";

    LanguageList missing;
    EXPECT_FALSE(missing.Load(folder_.File("none.lng")));
    EXPECT_TRUE(missing.Names().empty());
    EXPECT_EQ(missing.SelectedIndex(44), -1);
}

TEST(LanguageLocaleTest, ChoosesTheLanguageFromTheLocaleEnvironment) {
    struct Case {
        LanguageLocale Locale;
        int Expected;
    };
    // clang-format off
    const std::vector<Case> cases = {
        {{"", "", "nl_NL.UTF-8", ""}, 31}, {{"", "", "NL", ""}, 31}, {{"", "", "it_IT", ""}, 39},
        {{"", "", "fr_CA.UTF-8", ""}, 33}, {{"", "", "de_AT.UTF-8", ""}, 49},
        {{"", "", "DE", ""}, 49},
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
    for (const Case& c : cases) {
        EXPECT_EQ(c.Locale.LanguageNumber(), c.Expected)
            << "LC_ALL=" << c.Locale.All << " LC_MESSAGES=" << c.Locale.Messages
            << " LANG=" << c.Locale.Lang << " LANGUAGE=" << c.Locale.Language;
    }
}

TEST_F(TransLtrTest, StartUpSetsLanguageAndFileBesideTheProgram) {
    TransLtr::ChooseLanguageAtStart(LanguageLocale{"", "", "nl_BE.UTF-8", ""}, "/opt/atelier");
    EXPECT_EQ(TransLtr::LngID(), 31);
    EXPECT_EQ(TransLtr::LanguageFileName(), std::filesystem::path("/opt/atelier/SuDoku.lng"));
}

TEST(LanguageTextsTest, RunTimeNumbersAreSortedUniqueAndKnown) {
    const auto texts = LanguageTexts::All();
    ASSERT_FALSE(texts.empty());
    EXPECT_TRUE(std::adjacent_find(texts.begin(), texts.end(),
                                   [](const auto& a, const auto& b) {
                                       return a.Number >= b.Number;
                                   }) == texts.end())
        << "Default() searches the table by halving: it must stay in ascending order";
    for (const auto& text : texts) {
        EXPECT_EQ(LanguageTexts::Default(text.Number), text.English) << text.Number;
    }
    EXPECT_EQ(LanguageTexts::Default(24), "");
    EXPECT_EQ(LanguageTexts::Default(71019), "");
}

TEST(HelpPageAddressTest, FillsTheLanguageNumber) {
    EXPECT_EQ(TransLtr::HelpPageAddress("a?lngid={lngid}&x={lngid}", 31), "a?lngid=31&x=31");
    EXPECT_EQ(TransLtr::HelpPageAddress("plain", 31), "plain");
    EXPECT_EQ(TransLtr::HelpPageAddress("", 44), "");
}

} // namespace
} // namespace sudoku
