// The language file read once per version and looked up in memory, and 8-bit texts of files
// written elsewhere read as Windows-1252.
#include "LanguageCache.h"
#include "LanguageList.h"
#include "LanguageTable.h"
#include "TTabularyObject.h"
#include "TabularyTestFile.h"
#include "TextCodec.h"
#include "TransLtr.h"

#include <gtest/gtest.h>

namespace sudoku {
namespace {

TEST(TextCodec, ValidUtf8StaysAndOtherBytesAreWindows1252) {
    const struct {
        std::string Bytes;
        std::string Text;
    } cases[] = {
        {"Level", "Level"},
        {"Gr\xC3\xB6\xC3\x9F"
         "e",
         "Gr\xC3\xB6\xC3\x9F"
         "e"}, // UTF-8 already
        {"Gr\xF6\xDF"
         "e",
         "Gr\xC3\xB6\xC3\x9F"
         "e"},                                              // the same word in 8 bits
        {"\x80 \x9C\x9F", "\xE2\x82\xAC \xC5\x93\xC5\xB8"}, // euro, oe, Y diaeresis
        {"\x81\x8D", "\xC2\x81\xC2\x8D"},                   // undefined: control characters
        {"\xC3", "\xC3\x83"},                               // a UTF-8 sequence cut short
        {"\xED\xA0\x80", "\xC3\xAD\xC2\xA0\xE2\x82\xAC"},   // an encoded surrogate
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Bytes);
        EXPECT_EQ(DecodeTextBytes(c.Bytes), c.Text);
        EXPECT_TRUE(IsValidUtf8(DecodeTextBytes(c.Bytes)));
    }
}

class LanguageCacheTest : public ::testing::Test {
protected:
    void SetUp() override {
        TransLtr::SetLngID(TransLtr::French);
        LanguageCache::Shared().Clear();
    }
    void TearDown() override { TransLtr::SetLngID(TransLtr::English); }

    std::string Write(const std::string& caption) {
        const LanguageDefinition french{
            33,
            "Fran\xE7"
            "ais",
            "fr",
            {{"MainForm", {{862, caption, "niveau"}}}, {"AboutBox", {{10, "Fermer", ""}}}}};
        return folder_.Write("SuDoku.lng", test::CompileLanguages({french}));
    }
    test::TTestFolder folder_;
};

TEST_F(LanguageCacheTest, EightBitTextsOfAnotherProgramReadAsWindows1252) {
    const std::string file = Write("Interm\xE9"
                                   "diaire");
    EXPECT_EQ(TransLtr::TranslateText(862, "MainForm", file, "Normal"), "Interm\xC3\xA9"
                                                                        "diaire");
    LanguageList list;
    ASSERT_TRUE(list.Load(file));
    ASSERT_EQ(list.Names(), std::vector<std::string>{"Fran\xC3\xA7"
                                                     "ais"});
    EXPECT_EQ(list.LanguageIdFor("Fran\xC3\xA7"
                                 "ais",
                                 44),
              TransLtr::French);
    TTabularyObject reader;
    ASSERT_TRUE(reader.Open(file));
    EXPECT_EQ(reader.FindRow("Contents", "sCountry",
                             "Fran\xC3\xA7"
                             "ais"),
              1);
}

TEST_F(LanguageCacheTest, TablesAreReadOncePerFileVersion) {
    LanguageCache& cache = LanguageCache::Shared();
    const std::string file = Write("Normal");
    const auto lookups = [&](const char* level) {
        for (int i = 0; i < 50; ++i) {
            EXPECT_EQ(TransLtr::TranslateText(862, "MainForm", file, "?"), level);
            EXPECT_EQ(TransLtr::TranslateText(999, "MainForm", file, "missing"), "missing");
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

    // A new version of the file (another size) is read again and wins.
    Write("Moyen");
    lookups("Moyen");
    const int second = cache.FileReads();
    EXPECT_GT(second, first);
    lookups("Moyen");
    EXPECT_EQ(cache.FileReads(), second);
    std::filesystem::remove(file);
    EXPECT_EQ(TransLtr::TranslateText(862, "MainForm", file, "Normal"), "Normal");
}

} // namespace
} // namespace sudoku
