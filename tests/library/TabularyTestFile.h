// Builds table files byte by byte for the reader tests, independently of the program's own
// writer, so that every column type, size and descriptor field can be set by hand.
#pragma once

#include "../platform/TestFolder.h"
#include "LanguageCompiler.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>
#include <vector>

namespace sudoku::test {

using Bytes = std::vector<std::uint8_t>;

// Writes `size` little-endian bytes of a value at `at`, growing the bytes when needed.
inline void Poke(Bytes& bytes, std::size_t at, std::uint64_t value, int size) {
    bytes.resize(std::max(bytes.size(), at + static_cast<std::size_t>(size)), 0);
    for (int i = 0; i < size && i < 8; ++i) {
        bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

// A length byte followed by the name's characters.
inline void PokeName(Bytes& bytes, std::size_t at, std::string_view name) {
    Poke(bytes, at, name.size(), 1);
    for (std::size_t i = 0; i < name.size(); ++i) {
        Poke(bytes, at + 1 + i, static_cast<std::uint8_t>(name[i]), 1);
    }
}

inline void Append(Bytes& bytes, std::uint64_t value, int size) {
    Poke(bytes, bytes.size(), value, size);
}

// Raw values of one cell.
struct Cell {
    static Bytes Int(std::uint64_t value, int size) {
        Bytes bytes;
        Append(bytes, value, size);
        return bytes;
    }
    // The bytes of a float or double as they lie in memory.
    template <class Real> static Bytes Raw(Real value) {
        std::uint64_t raw = 0;
        std::memcpy(&raw, &value, sizeof value);
        return Int(raw, sizeof value);
    }
    // 80-bit: 64-bit mantissa with explicit leading bit, 15-bit exponent and sign on top.
    static Bytes Extended(std::uint64_t mantissa, std::uint16_t signAndExponent) {
        Bytes bytes = Int(mantissa, 8);
        Append(bytes, signAndExponent, 2);
        return bytes;
    }
    static Bytes Text(std::string_view text, std::size_t width) {
        Bytes bytes(text.begin(), text.end());
        bytes.resize(width, 0);
        return bytes;
    }
    static Bytes List(std::initializer_list<std::uint32_t> rows) {
        Bytes bytes;
        for (std::uint32_t row : rows) {
            Append(bytes, row, 4);
        }
        return bytes;
    }
};

struct TestColumn {
    std::string Name;
    std::uint8_t Type = 13;
    std::uint32_t Width = 0;
    std::uint32_t Entries = 0;
    std::uint32_t ReferencedTable = 0;
};

struct TestTable {
    std::string Name;
    std::vector<TestColumn> Columns;
    std::vector<std::vector<Bytes>> Rows; // one raw value per column
};

// Layout: a 272-byte header, then per table a 77-byte descriptor followed by a 137-byte field
// descriptor per column, then the rows of all tables one after the other.
class TabularyTestFile {
public:
    static constexpr std::size_t FirstDescriptor = 272;

    std::vector<TestTable> Tables;
    std::uint8_t Transformed = 0;

    Bytes Build() const {
        Bytes bytes(FirstDescriptor, 0);
        Poke(bytes, 0, Tables.size(), 4);
        bytes[4] = Transformed;
        PokeName(bytes, 5, "Tabulary");
        Poke(bytes, 270, 100, 2);
        std::size_t rowsAt = bytes.size();
        for (const auto& table : Tables) {
            rowsAt += 77 + 137 * table.Columns.size();
        }
        Bytes rowData;
        for (const auto& table : Tables) {
            const std::size_t at = bytes.size();
            Poke(bytes, at, table.Columns.size(), 4);
            PokeName(bytes, at + 4, table.Name);
            Poke(bytes, at + 68, table.Rows.size(), 4);
            Poke(bytes, at + 73, rowsAt + rowData.size(), 4);
            for (const auto& column : table.Columns) {
                const std::size_t field = bytes.size(); // the descriptor ends with its first row

                PokeName(bytes, field + 5, column.Name);
                Poke(bytes, field + 70, column.Type, 1);
                Poke(bytes, field + 71, column.Width, 4);
                Poke(bytes, field + 75, column.ReferencedTable, 4);
                Poke(bytes, field + 79, column.Entries, 4);
                bytes.resize(field + 137, 0);
            }
            for (const auto& row : table.Rows) {
                for (const auto& value : row) {
                    rowData.insert(rowData.end(), value.begin(), value.end());
                }
            }
        }
        bytes.insert(bytes.end(), rowData.begin(), rowData.end());
        return bytes;
    }

    // A text table of the language-file shape: Tag, Caption, Hint of one width.
    static TestTable TextTable(std::string name, std::vector<std::string> columns,
                               const std::vector<std::vector<std::string>>& rows,
                               std::uint32_t width) {
        TestTable table{std::move(name), {}, {}};
        for (auto& column : columns) {
            table.Columns.push_back({std::move(column), 13, width, 0, 0});
        }
        for (const auto& row : rows) {
            std::vector<Bytes> values;
            for (const auto& text : row) {
                values.push_back(Cell::Text(text, width));
            }
            table.Rows.push_back(std::move(values));
        }
        return table;
    }
};

// A language file compiled from definitions; a refusal fails the test with its first error.
inline Bytes CompileLanguages(const std::vector<LanguageDefinition>& languages) {
    Bytes bytes;
    std::vector<std::string> errors;
    EXPECT_TRUE(LanguageCompiler::Compile(languages, bytes, errors))
        << (errors.empty() ? "" : errors.front());
    return bytes;
}

} // namespace sudoku::test
