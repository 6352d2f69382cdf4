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

class TabularyTestFile {
public:
    std::vector<TestTable> Tables;
    std::uint8_t Transformed = 0;

    // Offsets of the descriptors written by the last Build, for tests that damage them.
    std::vector<std::size_t> TableDescriptorAt;

    Bytes Build() {
        Bytes bytes(272, 0);
        Poke(bytes, 0, Tables.size(), 4);
        bytes[4] = Transformed;
        bytes[5] = 8;
        std::memcpy(bytes.data() + 6, "Tabulary", 8);
        Poke(bytes, 270, 100, 2);
        std::size_t descriptors = 0;
        for (const auto& table : Tables) {
            descriptors += 77 + 137 * table.Columns.size();
        }
        std::size_t rowsAt = bytes.size() + descriptors;
        TableDescriptorAt.clear();
        Bytes rowData;
        for (const auto& table : Tables) {
            TableDescriptorAt.push_back(bytes.size());
            Bytes descriptor(77, 0);
            Poke(descriptor, 0, table.Columns.size(), 4);
            descriptor[4] = static_cast<std::uint8_t>(table.Name.size());
            std::memcpy(descriptor.data() + 5, table.Name.data(), table.Name.size());
            Poke(descriptor, 68, table.Rows.size(), 4);
            Poke(descriptor, 73, rowsAt, 4);
            bytes.insert(bytes.end(), descriptor.begin(), descriptor.end());
            for (const auto& column : table.Columns) {
                Bytes field(137, 0);
                field[5] = static_cast<std::uint8_t>(column.Name.size());
                std::memcpy(field.data() + 6, column.Name.data(), column.Name.size());
                field[70] = column.Type;
                Poke(field, 71, column.Width, 4);
                Poke(field, 75, column.ReferencedTable, 4);
                Poke(field, 79, column.Entries, 4);
                bytes.insert(bytes.end(), field.begin(), field.end());
            }
            for (const auto& row : table.Rows) {
                for (const auto& value : row) {
                    rowData.insert(rowData.end(), value.begin(), value.end());
                    rowsAt += value.size();
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
