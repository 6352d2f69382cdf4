// Places of a cell's notes: the miniature box where the glyphs fit, reading order with a "+" for
// what does not, never outside the area and never one upon another.
#include "TNoteLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace sudoku {
namespace {

TEST(NoteLayout, MiniatureBoxOrReadingOrderWithAPlusForTheRest) {
    struct Case {
        const char* What;
        QRectF Area;
        int BoxCols, BoxRows;
        std::vector<int> Values;
        std::vector<int> Shown; // in the order placed; 0 is the "+"
    };
    const Case cases[] = {
        {"9 x 9, room for the box", {0, 0, 24, 24}, 3, 3, {9, 1, 5}, {9, 1, 5}},
        {"16 x 16, two rows", {0, 0, 20, 20}, 4, 4, {16, 2, 1, 9}, {1, 2, 9, 16}},
        {"16 x 16, not all fit", {0, 0, 20, 20}, 4, 4, {1, 2, 3, 4, 5, 6, 7}, {1, 2, 3, 4, 5, 0}},
        {"one place only", {0, 0, 10, 10}, 4, 4, {3, 7}, {0}},
        {"one note in one place", {0, 0, 10, 10}, 4, 4, {7}, {7}},
    };
    // Every glyph 5 wide and 7 high, the "+" too.
    const auto glyph = [](int) { return QSizeF(5, 7); };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.What);
        const auto places = TNoteLayout::Arrange(c.Area, c.BoxCols, c.BoxRows,
                                                 c.BoxCols * c.BoxRows, c.Values, glyph);
        std::vector<int> shown;
        for (std::size_t i = 0; i < places.size(); ++i) {
            shown.push_back(places[i].Value);
            EXPECT_TRUE(c.Area.contains(places[i].Ink)) << places[i].Value;
            for (std::size_t j = 0; j < i; ++j)
                EXPECT_FALSE(places[i].Ink.intersects(places[j].Ink)) << places[i].Value;
        }
        EXPECT_EQ(shown, c.Shown);
    }
    // In a box of 4 x 2, value v takes place (v - 1) mod 4, (v - 1) div 4.
    const auto box = TNoteLayout::Arrange({0, 0, 32, 16}, 4, 2, 8, {7}, glyph);
    EXPECT_EQ(box.at(0).Ink.center(), QPointF(20, 12));
}

} // namespace
} // namespace sudoku
