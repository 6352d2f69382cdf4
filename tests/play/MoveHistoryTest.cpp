// Undo history: entry order, parsing of damaged entries and refusal of corrupting texts.
#include "TMoveHistory.h"

#include <gtest/gtest.h>

namespace sudoku {
namespace {

TEST(MoveHistory, NewestEntryComesFirstAndPopsInReverse) {
    TMoveHistory history;
    ASSERT_TRUE(history.Push(3, 2, ""));
    ASSERT_TRUE(history.Push(1, 1, "2,4,"));
    EXPECT_EQ(history.Text(), "1,1=2,4,|3,2=|");

    auto first = history.Pop();
    ASSERT_TRUE(first);
    EXPECT_EQ(first->Col, 1);
    EXPECT_EQ(first->Row, 1);
    EXPECT_EQ(first->PreviousText, "2,4,");
    EXPECT_EQ(history.Text(), "3,2=|");

    auto second = history.Pop();
    ASSERT_TRUE(second);
    EXPECT_EQ(second->Col, 3);
    EXPECT_EQ(second->Row, 2);
    EXPECT_EQ(second->PreviousText, "");
    EXPECT_TRUE(history.IsEmpty());
    EXPECT_FALSE(history.Pop());
}

TEST(MoveHistory, ParsesEntriesOfEveryForm) {
    struct Case {
        const char* Entry;
        int Col;
        int Row;
        const char* Previous;
    };
    const Case cases[] = {
        {"12,16=10", 12, 16, "10"},
        {"5,9=3,7,1,", 5, 9, "3,7,1,"},
        {"x,2=4", 0, 2, "4"},
        {"2,y=4", 2, 0, "4"},
        {"7", 7, 0, ""},
        {"", 0, 0, ""},
        {"3,4", 3, 4, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Entry);
        const TMoveEntry entry = TMoveHistory::ParseEntry(c.Entry);
        EXPECT_EQ(entry.Col, c.Col);
        EXPECT_EQ(entry.Row, c.Row);
        EXPECT_EQ(entry.PreviousText, c.Previous);
    }
}

TEST(MoveHistory, RefusesTextsThatWouldBreakTheEntryFormat) {
    TMoveHistory history;
    history.SetText("2,2=|");
    EXPECT_FALSE(history.Push(1, 1, "3|4"));
    EXPECT_FALSE(history.Push(1, 1, "a=b"));
    EXPECT_EQ(history.Text(), "2,2=|");
}

TEST(MoveHistory, TextWithoutTerminatorHasNothingToUndo) {
    TMoveHistory history;
    history.SetText("1,1=5");
    EXPECT_TRUE(history.IsEmpty());
    EXPECT_FALSE(history.Pop());
    EXPECT_EQ(history.Text(), "1,1=5");
}

} // namespace
} // namespace sudoku
