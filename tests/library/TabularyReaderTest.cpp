// Table-file reader over a file built byte by byte here: every column type, lookups by name,
// files whose header does not hold, and seeded fuzzing of damaged files.
#include "../platform/TestFolder.h"
#include "LanguageFileWriter.h"
#include "TTabularyObject.h"

#include <gtest/gtest.h>

#include <cstring>
#include <random>
#include <tuple>

namespace sudoku {
namespace {

using Bytes = std::vector<std::uint8_t>;

// Writes `size` little-endian bytes of a value at `at`, growing the bytes when needed.
void Poke(Bytes& bytes, std::size_t at, std::uint64_t value, std::size_t size) {
    bytes.resize(std::max(bytes.size(), at + size), 0);
    for (std::size_t i = 0; i < size; ++i) {
        bytes[at + i] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}
Bytes Int(std::uint64_t value, std::size_t size) {
    Bytes bytes;
    Poke(bytes, 0, value, size);
    return bytes;
}
template <class Real> Bytes Raw(Real value) { // as the value lies in memory
    std::uint64_t raw = 0;
    std::memcpy(&raw, &value, sizeof value);
    return Int(raw, sizeof value);
}
Bytes Text(std::string_view text, std::size_t width) {
    Bytes bytes(text.begin(), text.end());
    bytes.resize(width, 0);
    return bytes;
}
Bytes List(std::initializer_list<std::uint32_t> rows) {
    Bytes bytes;
    for (const std::uint32_t row : rows) {
        Poke(bytes, bytes.size(), row, 4);
    }
    return bytes;
}

// A column of each type with a value of it and the value's text. Text columns are as wide as
// their value; reference lists point at the rows of the first table.
const std::vector<std::tuple<std::uint8_t, Bytes, std::string>> Values = {
    // clang-format off
    {0, Int(0, 1), "False"}, {0, Int(0x80, 1), "True"}, {1, Int(0xFF, 1), "-1"},
    {11, Int(0xFF, 1), "255"}, {3, Int(0xFFFFFFFE, 4), "-2"}, {6, Int(0xFFFFFFFE, 4), "4294967294"},
    {7, Int(71018, 4), "71018"}, {12, Raw(0.1f), "0.1"}, {2, Raw(-2.5e300), "-2.5e+300"},
    {4, Int(123456, 8), "12.3456"}, {4, Int(static_cast<std::uint64_t>(-15000), 8), "-1.5"},
    {8, Raw(45000.5), "2023-03-15 12:00:00"}, {8, Raw(36585.25), "2000-02-29 06:00:00"},
    {8, Raw(-1.25), "1899-12-29 06:00:00"}, // before day zero the time counts forward
    // 80-bit: 64-bit mantissa with explicit leading bit, 15-bit exponent and sign on top
    {5, Bytes{0, 0, 0, 0, 0, 0, 0, 0x80, 0xFF, 0x3F}, "1"},
    {5, Bytes{0, 0, 0, 0, 0, 0, 0, 0xC0, 0x00, 0xC0}, "-3"},
    // 48-bit real: exponent byte biased by 129, 39-bit fraction, sign in the top bit
    {9, Bytes{128, 0, 0, 0, 0, 0}, "0.5"}, {9, Bytes{132, 0, 0, 0, 0, 0xA0}, "-10"},
    {14, Int(0x20AC, 2), "\u20AC"}, {14, Int(0xD800, 2), "\uFFFD"},
    {13, Text("abc", 6), "abc"}, {13, Text("abc", 3), "abc"}, {10, List({3, 0, 1, 99}), "c,a"},
    {13, Text("Fran\u00E7ais", 9), "Fran\u00E7ais"},
    // clang-format on
};

// Header of 272 bytes; per table a descriptor of 77 bytes and one of 137 per column; then the
// rows: the table "Letters" with three rows of one text column "a", "b", "c", and the table
// "Values" with a column per value (named by its number) and two equal rows.
Bytes EveryTypeFile(std::uint8_t transformed = 0) {
    constexpr std::size_t letters = 272, values = letters + 77 + 137;
    const std::size_t rows = values + 77 + 137 * Values.size();
    Bytes bytes(rows, 0);
    Poke(bytes, 0, 2, 4);
    bytes[4] = transformed;
    std::memcpy(&bytes[5], "\x08Tabulary", 9);
    Poke(bytes, 270, 100, 2);
    Poke(bytes, letters, 1, 4);
    std::memcpy(&bytes[letters + 4], "\x07Letters", 8);
    Poke(bytes, letters + 68, 3, 4);
    Poke(bytes, letters + 73, rows, 4);
    std::memcpy(&bytes[letters + 77 + 5], "\x01L", 2);
    Poke(bytes, letters + 77 + 70, 13, 1);
    Poke(bytes, letters + 77 + 71, 2, 4);
    bytes.insert(bytes.end(), {'a', 0, 'b', 0, 'c', 0});
    Poke(bytes, values, Values.size(), 4);
    std::memcpy(&bytes[values + 4], "\x06Values", 7);
    Poke(bytes, values + 68, 2, 4);
    Poke(bytes, values + 73, rows + 6, 4);
    for (std::size_t i = 0; i < Values.size(); ++i) {
        const auto& [type, value, text] = Values[i];
        const std::size_t field = values + 77 + 137 * i;
        const std::string name = std::to_string(i);
        bytes[field + 5] = static_cast<std::uint8_t>(name.size());
        std::memcpy(&bytes[field + 6], name.data(), name.size());
        Poke(bytes, field + 70, type, 1);
        Poke(bytes, field + 71, value.size(), 4);     // the width of a text column
        Poke(bytes, field + 75, 1, 4);                // the table a reference list points at
        Poke(bytes, field + 79, value.size() / 4, 4); // the entries of a reference list
    }
    for (int row = 0; row < 2; ++row) {
        for (const auto& [type, value, text] : Values) {
            bytes.insert(bytes.end(), value.begin(), value.end());
        }
    }
    return bytes;
}

// Every value is read at first row + row size * (r - 1) + the sizes of the columns before it.
TEST(TabularyReader, ReadsEveryColumnTypeFromItsPlaceLooksUpNamesExactlyAndRefusesOtherFiles) {
    TTabularyObject reader;
    ASSERT_TRUE(reader.OpenBytes(EveryTypeFile()));
    for (std::size_t i = 0; i < Values.size(); ++i) {
        const auto& [type, value, text] = Values[i];
        SCOPED_TRACE(text + " of type " + std::to_string(type));
        const std::string column = std::to_string(i);
        EXPECT_EQ(reader.ReadText("Values", column, 1), text);
        EXPECT_EQ(reader.ReadText("Values", column, 2), text);
        EXPECT_EQ(reader.FindRow("Values", column, text), 1) << "the first of equal rows wins";
    }
    // Texts that pass through a transformation this reader does not know read as empty.
    ASSERT_TRUE(reader.OpenBytes(EveryTypeFile(1)));
    EXPECT_EQ(reader.ReadText("Letters", "L", 1), "");
    EXPECT_EQ(reader.ReadText("Values", "2", 1), "-1");
    // Names are compared exactly, absent parts read as nothing; missing, foreign, damaged and huge
    // files are refused.
    test::TTestFolder folder;
    const Bytes good = EveryTypeFile();
    ASSERT_TRUE(reader.Open(folder.Write("good.lng", good)));
    EXPECT_EQ(reader.TableIndex("values"), 0);
    EXPECT_EQ(reader.ColumnIndex("Letters", "l"), 0);
    EXPECT_EQ(reader.RowCount("Missing"), -1);
    for (const auto& [table, column, row] :
         {std::tuple{1, 1, 0}, {1, 1, 4}, {1, 1, -1}, {1, 2, 1}, {3, 1, 1}, {0, 1, 1}}) {
        EXPECT_EQ(reader.ReadText(table, column, row), "") << table << "." << column << " " << row;
    }
    EXPECT_EQ(reader.FindRow(1, 1, "d"), 0);
    reader.Close();
    EXPECT_EQ(reader.TableIndex("Values"), 0) << "Close forgets the tables";
    // Damaged signature letter or length, version low or high byte, more tables than written.
    for (const auto& [offset, value] : {std::pair{6, 't'}, {5, 9}, {270, 101}, {271, 1}, {0, 3}}) {
        Bytes bad = good;
        bad[static_cast<std::size_t>(offset)] = static_cast<std::uint8_t>(value);
        EXPECT_FALSE(reader.Open(folder.Write("bad.lng", bad))) << offset;
    }
    EXPECT_FALSE(reader.Open(folder.File("missing.lng")));
    EXPECT_FALSE(reader.Open(folder.Path())) << "a folder is not a table file";
    EXPECT_FALSE(reader.OpenBytes(Bytes(good.begin(), good.begin() + 271)));
    Bytes huge(static_cast<std::size_t>(TTabularyObject::MaxFileSize) + 1, 0);
    std::copy(good.begin(), good.end(), huge.begin());
    EXPECT_FALSE(reader.OpenBytes(std::move(huge))) << "beyond the size limit";
}

// A few random changes of the kinds a damaged file shows: bits, bytes, extreme 32-bit numbers
// where counts, widths and positions lie, a cut end, random bytes added.
void Mutate(Bytes& bytes, std::mt19937& random) {
    for (int m = 0, mutations = 1 + static_cast<int>(random() % 8); m < mutations; ++m) {
        const std::size_t at = random() % std::max<std::size_t>(bytes.size(), 1);
        const std::uint64_t extremes[] = {
            0, 1, 0x7FFFFFFF, 0x80000000, 0xFFFFFFFF, bytes.size(), random()};
        const unsigned kind = random() % 5;
        if (kind == 0 && at < bytes.size()) {
            bytes[at] ^= static_cast<std::uint8_t>(1u << (random() % 8));
        } else if (kind == 1 && at < bytes.size()) {
            bytes[at] = static_cast<std::uint8_t>(random());
        } else if (kind == 2) {
            Poke(bytes, at, extremes[random() % 7], 4);
        } else if (kind == 3) {
            bytes.resize(at);
        } else {
            bytes.insert(bytes.end(), 64, static_cast<std::uint8_t>(random()));
        }
    }
}

// Damaged files open or are refused, and every lookup of what opened stays within the file. The
// seed is fixed so that a failure repeats; SUDOKU_FUZZ_SEED shifts it for a longer search.
TEST(TabularyFuzz, DamagedFilesOpenOrAreRefusedAndStayInBounds) {
    const char* shift = std::getenv("SUDOKU_FUZZ_SEED");
    std::mt19937 random(20261206 + (shift ? std::strtoul(shift, nullptr, 10) : 0));
    LanguageFileWriter language;
    language.AddTable("Contents", {"iCountry", "sCountry", "sLanguage"}, {{"44", "English", "en"}});
    language.AddTable("MainForm (English)", {"Tag", "Caption", "Hint"},
                      {{"720", "Rename", "x"}, {"861", "Rookie", ""}, {"862", "Normal", ""}});
    const Bytes seeds[] = {language.Bytes(), EveryTypeFile()};
    int opened = 0;
    for (int iteration = 0; iteration < 4000 && !HasFatalFailure(); ++iteration) {
        SCOPED_TRACE("iteration " + std::to_string(iteration));
        Bytes bytes = seeds[iteration % 2];
        Mutate(bytes, random);
        const std::size_t size = bytes.size();
        TTabularyObject reader;
        if (!reader.OpenBytes(std::move(bytes))) {
            continue;
        }
        ++opened;
        for (int table = 1; table <= reader.TableCount(); ++table) {
            const int rows = reader.RowCount(table);
            ASSERT_TRUE(rows >= 0 && static_cast<std::size_t>(rows) <= size) << rows;
            for (int column = 0; column <= reader.ColumnCount(table) + 1 && column < 40; ++column) {
                for (int row = 0; row <= rows + 1 && row < 40; ++row) {
                    ASSERT_LE(reader.ReadText(table, column, row).size(),
                              std::max<std::size_t>(size, TTabularyObject::MaxReferenceText) + 64);
                }
                const int found = reader.FindRow(table, column, "Rename");
                ASSERT_TRUE(found >= 0 && found <= rows) << found;
            }
        }
    }
    EXPECT_GT(opened, 1000) << "the mutations should leave many files readable";
}

} // namespace
} // namespace sudoku
