// Undo history: entry order, parsing of damaged entries and refusal of corrupting texts.
#include "TMoveHistory.h"

#include <gtest/gtest.h>

#include <tuple>
#include <utility>

namespace sudoku {
namespace {

auto Fields(const TMoveEntry& e) {
    return std::tuple(e.Col, e.Row, e.PreviousText);
}

TEST(MoveHistory, NewestEntryComesFirstAndPopsInReverse) {
    TMoveHistory history;
    ASSERT_TRUE(history.Push(3, 2, ""));
    ASSERT_TRUE(history.Push(1, 1, "2,4,"));
    EXPECT_EQ(history.Text(), "1,1=2,4,|3,2=|");
    const std::pair<TMoveEntry, const char*> pops[] = {{{1, 1, "2,4,"}, "3,2=|"}, {{3, 2, ""}, ""}};
    for (const auto& [expected, left] : pops) {
        const auto entry = history.Pop();
        ASSERT_TRUE(entry);
        EXPECT_EQ(Fields(*entry), Fields(expected));
        EXPECT_EQ(history.Text(), left);
    }
    EXPECT_TRUE(history.IsEmpty());
    EXPECT_FALSE(history.Pop());
}

TEST(MoveHistory, ParsesEntriesOfEveryForm) {
    const std::pair<const char*, TMoveEntry> cases[] = {{"12,16=10", {12, 16, "10"}},
                                                        {"5,9=3,7,1,", {5, 9, "3,7,1,"}},
                                                        {"x,2=4", {0, 2, "4"}},
                                                        {"2,y=4", {2, 0, "4"}},
                                                        {"7", {7, 0, ""}},
                                                        {"", {0, 0, ""}},
                                                        {"3,4", {3, 4, ""}}};
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(Fields(TMoveHistory::ParseEntry(text)), Fields(expected)) << text;
}

TEST(MoveHistory, RefusesCorruptingTextsAndUnterminatedEntries) {
    TMoveHistory history;
    history.SetText("2,2=|");
    EXPECT_FALSE(history.Push(1, 1, "3|4"));
    EXPECT_FALSE(history.Push(1, 1, "a=b"));
    EXPECT_EQ(history.Text(), "2,2=|");

    history.SetText("1,1=5");
    EXPECT_TRUE(history.IsEmpty());
    EXPECT_FALSE(history.Pop());
    EXPECT_EQ(history.Text(), "1,1=5");
}

} // namespace
} // namespace sudoku
