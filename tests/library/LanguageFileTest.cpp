// The shipped language file, built beside the programs: five languages, each complete
// against English, and English in step with the built-in texts.
#include "LanguageList.h"
#include "LanguageTable.h"
#include "LanguageTexts.h"
#include "TTabularyObject.h"
#include "TransLtr.h"

#include <gtest/gtest.h>

#include <map>

namespace sudoku {
namespace {

std::filesystem::path ShippedFile() {
    return std::filesystem::canonical("/proc/self/exe").parent_path() /
           std::string(TransLtr::LanguageFile);
}

class LanguageFileTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(reader_.Open(ShippedFile()))
            << ShippedFile() << " is built with the program (target sudoku_language_file)";
    }

    // Tag -> caption of the table, in table order.
    std::map<int, std::string> Captions(const std::string& table) const {
        std::map<int, std::string> captions;
        const int index = reader_.TableIndex(table);
        for (int row = 1; row <= reader_.RowCount(index); ++row) {
            captions.emplace(std::stoi(reader_.ReadText(index, 1, row)),
                             reader_.ReadText(index, 2, row));
        }
        return captions;
    }

    TTabularyObject reader_;
};

const std::vector<std::pair<int, const char*>> Languages = {
    {44, "English"}, {31, "Nederlands"}, {33, "Fran\u00E7ais"}, {39, "Italiano"}, {49, "Deutsch"}};
const std::vector<const char*> Sections = {"MainForm", "AboutBox", "EditDlgBox", "MsgDlgBox"};

// Each language has every section, and in each section a row for every English tag.
TEST_F(LanguageFileTest, HoldsTheFiveLanguagesEachComplete) {
    ASSERT_EQ(reader_.RowCount("Contents"), static_cast<int>(Languages.size()));
    for (const auto& [number, name] : Languages) {
        const int row = reader_.FindRow("Contents", "iCountry", std::to_string(number));
        ASSERT_GT(row, 0) << number;
        EXPECT_EQ(reader_.ReadText("Contents", "sCountry", row), name);
        for (const char* section : Sections) {
            const auto english = Captions(LanguageTable::TableNameFor(section, "English"));
            const auto other = Captions(LanguageTable::TableNameFor(section, name));
            ASSERT_FALSE(other.empty()) << section << " " << name;
            for (const auto& [tag, caption] : english) {
                EXPECT_TRUE(other.count(tag) == 1) << name << " lacks " << section << " " << tag;
            }
            EXPECT_EQ(other.size(), english.size()) << name << " " << section;
        }
    }
    LanguageList list;
    ASSERT_TRUE(list.Load(ShippedFile()));
    EXPECT_EQ(list.Names().size(), Languages.size());
}

// English has the built-in run-time texts word for word, and a row for every control of the
// four pages, the page buttons and the Pause and mode buttons' second tags.
TEST_F(LanguageFileTest, EnglishHasTheRunTimeTextsAndEveryControlTag) {
    const auto english = Captions("MainForm (English)");
    for (const auto& text : LanguageTexts::All()) {
        const auto found = english.find(text.Number);
        ASSERT_NE(found, english.end()) << text.Number;
        EXPECT_EQ(found->second, text.English) << text.Number;
    }
    for (int tag : {450, 460, 500, 510, 520, 525, 530, 531, 535, 540, 545, 546, 550, 555, 560,
                    565, 570, 575, 580, 600, 610, 620, 625, 630, 635, 640, 645, 646, 647, 650,
                    655, 660, 665, 670, 675, 700, 710, 720, 725, 730, 735, 740, 745, 750, 755,
                    760, 765, 800, 810, 820, 821, 830, 831, 832, 840, 841, 842, 850, 851, 855,
                    860, 865, 866, 867, 868, 869, 870, 880, 881, 885, 886, 890, 900}) {
        EXPECT_EQ(english.count(tag), 1u) << tag;
    }
}

TEST_F(LanguageFileTest, TranslatesThroughTheProgramsLookup) {
    struct Case {
        int LngID;
        int Number;
        const char* Expected;
    };
    for (const Case& c : std::vector<Case>{{44, 720, "Rename"},
                                           {31, 22, "Ja"},
                                           {33, 579, "Puzzle r\u00E9solu !"},
                                           {39, 864, "Esperto"},
                                           {49, 725, "L\u00F6schen"}}) {
        TransLtr::SetLngID(c.LngID);
        EXPECT_EQ(TransLtr::TranslateText(c.Number, "MainForm", ShippedFile(), "?"), c.Expected);
    }
    TransLtr::SetLngID(TransLtr::English);
}

} // namespace
} // namespace sudoku
