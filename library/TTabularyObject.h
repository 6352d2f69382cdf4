// Read-only access to table files: named tables of fixed-size rows with typed columns.
// The whole file is loaded and checked once by Open; every offset taken from it is checked
// against its size, so a damaged or hostile file never leads to a read outside the data.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace sudoku {

class TTabularyObject {
public:
    // Column types of the table store and the size of one value of each.
    enum ColumnType : std::uint8_t {
        ctBoolean = 0,     // 1 byte, "True" / "False"
        ctShortInt = 1,    // 1 byte, signed whole number
        ctDouble = 2,      // 8 bytes, IEEE double
        ctInteger = 3,     // 4 bytes, signed whole number
        ctCurrency = 4,    // 8 bytes, signed fixed point with four decimals
        ctExtended = 5,    // 10 bytes, 80-bit extended float
        ctCardinal = 6,    // 4 bytes, unsigned whole number
        ctAutoInc = 7,     // 4 bytes, signed whole number (row counter)
        ctDateTime = 8,    // 8 bytes, days since 1899-12-30 as a double
        ctReal48 = 9,      // 6 bytes, 48-bit real
        ctReferences = 10, // 4 bytes per entry: row numbers of another table
        ctByte = 11,       // 1 byte, unsigned whole number
        ctSingle = 12,     // 4 bytes, IEEE single
        ctText = 13,       // the column's width in bytes, ends at the first zero byte
        ctWideChar = 14,   // 2 bytes, one UTF-16 code unit
    };

    static constexpr std::size_t HeaderSize = 272;
    static constexpr std::size_t TableDescriptorSize = 77;
    static constexpr std::size_t ColumnDescriptorSize = 137;
    static constexpr std::size_t NameSize = 64; // length byte + 63 significant characters
    static constexpr std::uint16_t Version = 100;
    static constexpr std::string_view Signature = "Tabulary";
    // Larger files are refused before anything is allocated for them.
    static constexpr std::uintmax_t MaxFileSize = 64u * 1024u * 1024u;
    // A reference-list value is cut when its text grows beyond this length.
    static constexpr std::size_t MaxReferenceText = 64u * 1024u;

    // Descriptor fields of this store beyond the named ones: the referenced table's number
    // (1-based) of a reference-list column is kept at this offset of its column descriptor.
    static constexpr std::size_t ColumnReferencedTableOffset = 75;

    // False when the file is missing, too large or not a table file.
    bool Open(const std::filesystem::path& fileName);
    // The same checks over bytes already in memory.
    bool OpenBytes(std::vector<std::uint8_t> bytes);
    void Close();
    bool IsOpen() const { return open_; }
    // Header byte 4: the text columns pass through a transformation this reader does not
    // know; their values then read as empty.
    bool TextsTransformed() const { return transformed_; }

    int TableCount() const { return static_cast<int>(tables_.size()); }
    // 1-based numbers, 0 when absent; names are compared exactly.
    int TableIndex(std::string_view name) const;
    int ColumnIndex(int table, std::string_view name) const;
    int ColumnIndex(std::string_view table, std::string_view name) const;
    std::string TableName(int table) const;
    int ColumnCount(int table) const;
    // The column's name, empty when absent.
    std::string ColumnName(int table, int column) const;
    // The column's type byte, -1 when absent.
    int ColumnTypeOf(int table, int column) const;

    // Rows of the table that lie wholly inside the file (the descriptor's count, cut to the
    // file); -1 when the table is absent.
    int RowCount(int table) const;
    int RowCount(std::string_view table) const;

    // First row (1-based) whose value read as text (as ReadText gives it) equals text exactly;
    // 0 when none.
    int FindRow(int table, int column, std::string_view text) const;
    int FindRow(std::string_view table, std::string_view column, std::string_view text) const;

    // The value as text; empty when the table, column or row is absent. Text columns that
    // are not valid UTF-8 were written in the Windows-1252 code page and read as such.
    std::string ReadText(int table, int column, int row) const;
    std::string ReadText(std::string_view table, std::string_view column, int row) const;

    // Size in bytes of one value, 0 for an unknown type.
    static std::uint64_t ValueSize(std::uint8_t type, std::uint32_t width, std::uint32_t entries);

private:
    struct Column {
        std::string Name;
        std::uint8_t Type = 0;
        std::uint32_t Width = 0;
        std::uint32_t Entries = 0;
        std::uint32_t ReferencedTable = 0;
        std::uint64_t Offset = 0; // within a row
        std::uint64_t Size = 0;
    };
    struct Table {
        std::string Name;
        std::vector<Column> Columns;
        std::uint64_t FirstRow = 0;
        std::uint64_t RowSize = 0;
        int Rows = 0;
    };

    bool Parse();
    const Table* TableAt(int table) const;
    const Column* ColumnAt(const Table& table, int column) const;
    const std::uint8_t* ValueAt(const Table& table, const Column& column, int row) const;
    std::string FormatValue(const Table& table, const Column& column, int row, bool nested) const;
    std::string ReferenceText(const Column& column, const std::uint8_t* value) const;
    std::string_view TextValue(const Column& column, const std::uint8_t* value) const;

    std::vector<std::uint8_t> data_;
    std::vector<Table> tables_;
    bool open_ = false;
    bool transformed_ = false;
};

} // namespace sudoku
