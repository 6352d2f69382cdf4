// Table-file reader over hand-built files: every column type and size, lookups by name,
// row layout, and files whose header or descriptors do not hold.
#include "TTabularyObject.h"
#include "TabularyTestFile.h"

#include <gtest/gtest.h>

#include <tuple>

namespace sudoku {
namespace {

using test::Bytes;
using test::Cell;
using test::TabularyTestFile;
using test::TestColumn;
using test::TestTable;

struct TypeCase {
    const char* Label;
    TestColumn Column;
    Bytes Value;
    std::string Expected;
};

// A file with one table "Values" of one column holding the case's value in row 1, preceded by
// a table "Letters" for reference lists to point at.
Bytes SingleValueFile(const TypeCase& c) {
    TabularyTestFile file;
    file.Tables.push_back(
        TabularyTestFile::TextTable("Letters", {"Letter"}, {{"a"}, {"b"}, {"c"}}, 2));
    file.Tables.push_back(TestTable{"Values", {c.Column}, {{c.Value}}});
    return file.Build();
}

TEST(TabularyReader, ReadsEveryColumnTypeAsText) {
    const std::vector<TypeCase> cases = {
        {"boolean true", {"V", 0}, Cell::Int(1, 1), "True"},
        {"boolean false", {"V", 0}, Cell::Int(0, 1), "False"},
        {"boolean any non-zero", {"V", 0}, Cell::Int(0x80, 1), "True"},
        {"short int negative", {"V", 1}, Cell::Int(0xFF, 1), "-1"},
        {"byte unsigned", {"V", 11}, Cell::Int(0xFF, 1), "255"},
        {"integer negative", {"V", 3}, Cell::Int(0xFFFFFFFE, 4), "-2"},
        {"integer largest", {"V", 3}, Cell::Int(2147483647, 4), "2147483647"},
        {"cardinal unsigned", {"V", 6}, Cell::Int(0xFFFFFFFE, 4), "4294967294"},
        {"auto-increment", {"V", 7}, Cell::Int(71018, 4), "71018"},
        {"single shortest", {"V", 12}, Cell::Raw(0.1f), "0.1"},
        {"double", {"V", 2}, Cell::Raw(0.1), "0.1"},
        {"double large negative", {"V", 2}, Cell::Raw(-2.5e300), "-2.5e+300"},
        {"currency four decimals", {"V", 4}, Cell::Int(123456, 8), "12.3456"},
        {"currency whole", {"V", 4}, Cell::Int(1230000, 8), "123"},
        {"currency negative", {"V", 4}, Cell::Int(static_cast<std::uint64_t>(-15000), 8), "-1.5"},
        {"date-time noon", {"V", 8}, Cell::Raw(45000.5), "2023-03-15 12:00:00"},
        {"date-time zero", {"V", 8}, Cell::Raw(0.0), "1899-12-30 00:00:00"},
        {"date-time leap day", {"V", 8}, Cell::Raw(36585.25), "2000-02-29 06:00:00"},
        {"date-time before zero", {"V", 8}, Cell::Raw(-1.25), "1899-12-29 06:00:00"},
        {"extended one", {"V", 5}, Cell::Extended(0x8000000000000000ull, 0x3FFF), "1"},
        {"extended minus three", {"V", 5}, Cell::Extended(0xC000000000000000ull, 0xC000), "-3"},
        // 48-bit real: exponent byte biased by 129, 39-bit fraction, sign in the top bit.
        {"real48 one", {"V", 9}, Bytes{129, 0, 0, 0, 0, 0}, "1"},
        {"real48 half", {"V", 9}, Bytes{128, 0, 0, 0, 0, 0}, "0.5"},
        {"real48 minus ten", {"V", 9}, Bytes{132, 0, 0, 0, 0, 0xA0}, "-10"},
        {"real48 zero", {"V", 9}, Bytes{0, 1, 2, 3, 4, 5}, "0"},
        {"wide char ascii", {"V", 14}, Cell::Int('A', 2), "A"},
        {"wide char accented", {"V", 14}, Cell::Int(0x00E9, 2), "\u00E9"},
        {"wide char euro", {"V", 14}, Cell::Int(0x20AC, 2), "\u20AC"},
        {"wide char lone surrogate", {"V", 14}, Cell::Int(0xD800, 2), "\uFFFD"},
        {"wide char zero", {"V", 14}, Cell::Int(0, 2), ""},
        {"text shorter than width", {"V", 13, 6}, Cell::Text("abc", 6), "abc"},
        {"text filling width", {"V", 13, 3}, Cell::Text("abc", 3), "abc"},
        {"text utf-8", {"V", 13, 9}, Cell::Text("Fran\u00E7ais", 9), "Fran\u00E7ais"},
        {"reference list", {"V", 10, 0, 4, 1}, Cell::List({3, 0, 1, 99}), "c,a"},
        {"reference list without table", {"V", 10, 0, 2, 0}, Cell::List({2, 5}), "2,5"},
        {"reference list empty", {"V", 10, 0, 2, 1}, Cell::List({0, 0}), ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.Label);
        TTabularyObject reader;
        ASSERT_TRUE(reader.OpenBytes(SingleValueFile(c)));
        EXPECT_EQ(reader.ReadText("Values", "V", 1), c.Expected);
        EXPECT_EQ(reader.FindRow("Values", "V", c.Expected), 1);
    }
}

// Three rows of mixed columns: each value lies at first row + row size * (r - 1) + the sizes
// of the columns before it.
TEST(TabularyReader, LaysOutRowsFromColumnSizes) {
    TabularyTestFile file;
    TestTable table{
        "Mixed", {{"Flag", 0}, {"Wide", 14}, {"Ext", 5}, {"Name", 13, 4}, {"Count", 3}}, {}};
    for (int row = 1; row <= 3; ++row) {
        const auto exponent = static_cast<std::uint16_t>(0x3FFF + row); // 2, 4, 8
        table.Rows.push_back({Cell::Int(row % 2, 1), Cell::Int('a' + row, 2),
                              Cell::Extended(0x8000000000000000ull, exponent),
                              Cell::Text(std::string(static_cast<std::size_t>(row), 'x'), 4),
                              Cell::Int(static_cast<std::uint64_t>(row * 100), 4)});
    }
    file.Tables.push_back(table);
    TTabularyObject reader;
    ASSERT_TRUE(reader.OpenBytes(file.Build()));
    EXPECT_EQ(reader.RowCount("Mixed"), 3);
    const std::vector<std::vector<std::string>> expected = {
        {"True", "b", "2", "x", "100"},
        {"False", "c", "4", "xx", "200"},
        {"True", "d", "8", "xxx", "300"},
    };
    for (int row = 1; row <= 3; ++row) {
        for (int column = 1; column <= 5; ++column) {
            EXPECT_EQ(reader.ReadText(1, column, row), expected[row - 1][column - 1])
                << "row " << row << " column " << column;
        }
    }
    EXPECT_EQ(reader.FindRow("Mixed", "Count", "300"), 3);
    EXPECT_EQ(reader.FindRow("Mixed", "Name", "xx"), 2);
}

TEST(TabularyReader, LooksUpNamesExactlyAndGivesNothingForAbsentParts) {
    TabularyTestFile file;
    file.Tables.push_back(
        TabularyTestFile::TextTable("Contents", {"iCountry", "sCountry"},
                                    {{"44", "English"}, {"31", "Nederlands"}, {"31", "Dup"}}, 12));
    file.Tables.push_back(TabularyTestFile::TextTable("Empty", {"Tag"}, {}, 4));
    TTabularyObject reader;
    ASSERT_TRUE(reader.OpenBytes(file.Build()));

    EXPECT_EQ(reader.TableIndex("Contents"), 1);
    EXPECT_EQ(reader.TableIndex("Empty"), 2);
    EXPECT_EQ(reader.TableIndex("contents"), 0);
    EXPECT_EQ(reader.TableIndex("Contents "), 0);
    EXPECT_EQ(reader.ColumnIndex("Contents", "sCountry"), 2);
    EXPECT_EQ(reader.ColumnIndex("Contents", "SCountry"), 0);
    EXPECT_EQ(reader.ColumnIndex("Missing", "sCountry"), 0);
    EXPECT_EQ(reader.RowCount("Contents"), 3);
    EXPECT_EQ(reader.RowCount("Empty"), 0);
    EXPECT_EQ(reader.RowCount("Missing"), -1);

    // Rows outside 1..count, unknown columns and tables, and empty tables read as "".
    EXPECT_EQ(reader.ReadText("Contents", "sCountry", 2), "Nederlands");
    for (const auto& [table, column, row] : {std::tuple{"Contents", "sCountry", 0},
                                             {"Contents", "sCountry", 4},
                                             {"Contents", "sCountry", -1},
                                             {"Contents", "Nope", 1},
                                             {"Nope", "sCountry", 1},
                                             {"Empty", "Tag", 1}}) {
        EXPECT_EQ(reader.ReadText(table, column, row), "") << table << "." << column << " " << row;
    }
    EXPECT_EQ(reader.FindRow("Contents", "iCountry", "31"), 2) << "the first of equal rows wins";
    EXPECT_EQ(reader.FindRow("Contents", "iCountry", "3"), 0);
    EXPECT_EQ(reader.FindRow("Contents", "iCountry", "310"), 0);
    EXPECT_EQ(reader.FindRow("Nope", "iCountry", "31"), 0);
    EXPECT_EQ(reader.FindRow("Empty", "Tag", ""), 0);
}

// A table name of 63 characters with a length byte beyond its field; longer names compare on
// their first 63 characters only.
TEST(TabularyReader, NamesKeepAtMostSixtyThreeCharacters) {
    const std::string full(63, 'n');
    TabularyTestFile file;
    file.Tables.push_back(TabularyTestFile::TextTable(full, {"C"}, {{"v"}}, 1));
    Bytes bytes = file.Build();
    bytes[TabularyTestFile::FirstDescriptor + 4] = 200;
    TTabularyObject reader;
    ASSERT_TRUE(reader.OpenBytes(bytes));
    EXPECT_EQ(reader.TableName(1), full);
    EXPECT_EQ(reader.TableIndex(full + "tail"), 1);
}

TEST(TabularyReader, TransformedTextsReadEmptyWhileNumbersStay) {
    TabularyTestFile file;
    file.Transformed = 1;
    file.Tables.push_back(
        TestTable{"T", {{"Text", 13, 4}, {"Num", 3}}, {{Cell::Text("abc", 4), Cell::Int(5, 4)}}});
    TTabularyObject reader;
    ASSERT_TRUE(reader.OpenBytes(file.Build()));
    EXPECT_TRUE(reader.TextsTransformed());
    EXPECT_EQ(reader.ReadText("T", "Text", 1), "");
    EXPECT_EQ(reader.FindRow("T", "Text", "abc"), 0);
    EXPECT_EQ(reader.ReadText("T", "Num", 1), "5");
}

TEST(TabularyReader, OpensFromDiskAndRefusesMissingForeignOrHugeFiles) {
    test::TTestFolder folder;
    TabularyTestFile file;
    file.Tables.push_back(TabularyTestFile::TextTable("T", {"C"}, {{"value"}}, 5));
    const Bytes good = file.Build();
    TTabularyObject reader;
    ASSERT_TRUE(reader.Open(folder.Write("good.lng", good)));
    EXPECT_EQ(reader.ReadText("T", "C", 1), "value");
    reader.Close();
    EXPECT_FALSE(reader.IsOpen());
    EXPECT_EQ(reader.TableIndex("T"), 0) << "Close forgets the tables";

    // Damaged signature letter or length, version low or high byte.
    for (const auto& [offset, value] : {std::pair{6, 't'}, {5, 9}, {270, 101}, {271, 1}}) {
        Bytes bad = good;
        bad[static_cast<std::size_t>(offset)] = static_cast<std::uint8_t>(value);
        EXPECT_FALSE(reader.OpenBytes(bad)) << offset;
        EXPECT_FALSE(reader.Open(folder.Write("bad.lng", bad))) << offset;
    }
    EXPECT_FALSE(reader.Open(folder.File("missing.lng")));
    EXPECT_FALSE(reader.Open(folder.Path())) << "a folder is not a table file";
    EXPECT_FALSE(reader.OpenBytes(Bytes(good.begin(), good.begin() + 271)));
    EXPECT_FALSE(reader.OpenBytes({}));
    Bytes huge(static_cast<std::size_t>(TTabularyObject::MaxFileSize) + 1, 0);
    std::copy(good.begin(), good.end(), huge.begin());
    EXPECT_FALSE(reader.OpenBytes(std::move(huge))) << "beyond the size limit";
}

// Counts and positions from a damaged file never reach past its end.
TEST(TabularyReader, KeepsDamagedDescriptorsInsideTheFile) {
    TabularyTestFile file;
    file.Tables.push_back(TabularyTestFile::TextTable("A", {"C"}, {{"one"}, {"two"}, {"six"}}, 3));
    file.Tables.push_back(TabularyTestFile::TextTable("B", {"C"}, {{"b1"}}, 2));
    const Bytes good = file.Build();
    const std::size_t a = TabularyTestFile::FirstDescriptor;

    struct Poke {
        std::size_t Offset;
        std::uint64_t Value;
        int Size;
    };
    struct Case {
        const char* Label;
        std::vector<Poke> Pokes;
        bool Opens;
        int RowsOfA;
    };
    const std::vector<Case> cases = {
        {"table count beyond the file", {{0, 0xFFFFFFFF, 4}}, false, 0},
        {"one table more than written", {{0, 3, 4}}, false, 0},
        {"column count beyond the file", {{a, 0x7FFFFFFF, 4}}, false, 0},
        {"row count beyond the file", {{a + 68, 0x7FFFFFFF, 4}}, true, 3},
        {"negative row count", {{a + 68, 0xFFFFFFFF, 4}}, true, 0},
        {"first row beyond the file", {{a + 73, 0xFFFFFFF0, 4}}, true, 0},
        {"first row at the last bytes", {{a + 73, good.size() - 4, 4}}, true, 1},
        {"text width beyond the file", {{a + 77 + 71, 0xFFFFFFFF, 4}}, true, 0},
        {"text width of zero", {{a + 77 + 71, 0, 4}}, true, 0},
        {"unknown column type", {{a + 77 + 70, 99, 1}}, true, 0},
        {"reference list larger than the file",
         {{a + 77 + 70, 10, 1}, {a + 77 + 79, 0x40000000, 4}},
         true,
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.Label);
        Bytes bad = good;
        for (const Poke& poke : c.Pokes) {
            test::Poke(bad, poke.Offset, poke.Value, poke.Size);
        }
        TTabularyObject reader;
        ASSERT_EQ(reader.OpenBytes(bad), c.Opens);
        if (!c.Opens) {
            continue;
        }
        const int rows = reader.RowCount("A");
        EXPECT_EQ(rows, c.RowsOfA);
        for (int row = 0; row <= rows + 1; ++row) {
            EXPECT_LE(reader.ReadText("A", "C", row).size(), 3u);
        }
        EXPECT_EQ(reader.ReadText("B", "C", 1), "b1") << "the other table stays readable";
    }
}

} // namespace
} // namespace sudoku
