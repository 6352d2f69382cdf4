// Table-file reader: checks the header and every descriptor against the file size at Open,
// then serves values of fixed-size rows as text.
#include "TTabularyObject.h"

#include "SuDoKuDateTime.h"
#include "TextCodec.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>
#include <fstream>
#include <limits>
#include <system_error>

namespace sudoku {

namespace {

std::uint16_t U16(const std::uint8_t* p) {
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t U32(const std::uint8_t* p) {
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

std::uint64_t U64(const std::uint8_t* p) {
    return static_cast<std::uint64_t>(U32(p)) | (static_cast<std::uint64_t>(U32(p + 4)) << 32);
}

template <typename T> T Bits(std::uint64_t raw) {
    T value;
    std::memcpy(&value, &raw, sizeof value);
    return value;
}

// A short string inside a field of NameSize bytes: a length byte, then the characters.
std::string ShortName(const std::uint8_t* p) {
    const std::size_t length = std::min<std::size_t>(p[0], TTabularyObject::NameSize - 1);
    return std::string(reinterpret_cast<const char*>(p + 1), length);
}

std::string_view Significant(std::string_view name) {
    return name.substr(0, TTabularyObject::NameSize - 1);
}

// A stored name matches the name asked for in its significant characters; a name stored in
// 8-bit text also matches its Windows-1252 reading.
bool NameMatches(const std::string& stored, std::string_view wanted) {
    return stored == Significant(wanted) ||
           (!IsValidUtf8(stored) && Windows1252ToUtf8(stored) == wanted);
}

template <typename T> std::string Number(T value) {
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    return std::string(buffer, result.ptr);
}

template <typename T> std::string Float(T value) {
    if (std::isnan(value)) {
        return "NaN";
    }
    if (std::isinf(value)) {
        return value < 0 ? "-INF" : "INF";
    }
    return Number(value);
}

std::string Currency(std::int64_t raw) {
    const bool negative = raw < 0;
    const std::uint64_t magnitude =
        negative ? ~static_cast<std::uint64_t>(raw) + 1 : static_cast<std::uint64_t>(raw);
    std::string text = (negative ? "-" : "") + Number(magnitude / 10000);
    std::string fraction = Number(magnitude % 10000 + 10000).substr(1);
    while (!fraction.empty() && fraction.back() == '0') {
        fraction.pop_back();
    }
    return fraction.empty() ? text : text + "." + fraction;
}

std::string TwoDigits(unsigned value) {
    return std::string{static_cast<char>('0' + value / 10 % 10),
                       static_cast<char>('0' + value % 10)};
}

// Whole days count from 1899-12-30; the fraction, taken without its sign, is the time of day.
std::string DateTime(double value) {
    constexpr double LastDay = 2958465.0; // 9999-12-31
    if (!std::isfinite(value) || std::fabs(value) > LastDay) {
        return Float(value);
    }
    const double whole = std::trunc(value);
    auto seconds = static_cast<unsigned>(std::llround(std::fabs(value - whole) * 86400.0));
    seconds = std::min(seconds, 86399u);
    const TDateTimeParts date = DateOfDay(static_cast<std::int64_t>(whole));
    return Number(date.Year) + "-" + TwoDigits(static_cast<unsigned>(date.Month)) + "-" +
           TwoDigits(static_cast<unsigned>(date.Day)) + " " + TwoDigits(seconds / 3600) + ":" +
           TwoDigits(seconds / 60 % 60) + ":" + TwoDigits(seconds % 60);
}

double Extended(const std::uint8_t* p) {
    const std::uint64_t mantissa = U64(p);
    const std::uint16_t signAndExponent = U16(p + 8);
    const bool negative = (signAndExponent & 0x8000) != 0;
    const int exponent = signAndExponent & 0x7FFF;
    double value = 0;
    if (exponent == 0x7FFF) {
        value = (mantissa << 1) == 0 ? std::numeric_limits<double>::infinity()
                                     : std::numeric_limits<double>::quiet_NaN();
    } else {
        value = std::ldexp(static_cast<double>(mantissa), std::max(exponent, 1) - 16383 - 63);
    }
    return negative ? -value : value;
}

double Real48(const std::uint8_t* p) {
    if (p[0] == 0) {
        return 0;
    }
    const std::uint64_t fraction = U32(p + 1) | (static_cast<std::uint64_t>(p[5] & 0x7F) << 32);
    const double value =
        std::ldexp(1.0 + std::ldexp(static_cast<double>(fraction), -39), p[0] - 129);
    return (p[5] & 0x80) != 0 ? -value : value;
}

std::string WideChar(std::uint16_t unit) {
    std::uint32_t code = unit;
    if (code == 0) {
        return {};
    }
    if (code >= 0xD800 && code <= 0xDFFF) {
        code = 0xFFFD; // a lone surrogate cannot be shown
    }
    std::string text;
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
    return text;
}

} // namespace

std::uint64_t TTabularyObject::ValueSize(std::uint8_t type, std::uint32_t width,
                                         std::uint32_t entries) {
    switch (type) {
    case ctBoolean:
    case ctShortInt:
    case ctByte:
        return 1;
    case ctWideChar:
        return 2;
    case ctInteger:
    case ctCardinal:
    case ctAutoInc:
    case ctSingle:
        return 4;
    case ctReal48:
        return 6;
    case ctDouble:
    case ctCurrency:
    case ctDateTime:
        return 8;
    case ctExtended:
        return 10;
    case ctReferences:
        return 4ull * entries;
    case ctText:
        return width;
    default:
        return 0;
    }
}

bool TTabularyObject::Open(const std::filesystem::path& fileName) {
    Close();
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(fileName, error);
    if (error || size < HeaderSize || size > MaxFileSize) {
        return false;
    }
    std::ifstream file(fileName, std::ios::binary);
    if (!file) {
        return false;
    }
    std::vector<std::uint8_t> bytes(static_cast<std::size_t>(size));
    file.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    // The file may have shrunk between the size query and the read.
    bytes.resize(static_cast<std::size_t>(std::max<std::streamsize>(file.gcount(), 0)));
    return OpenBytes(std::move(bytes));
}

bool TTabularyObject::OpenBytes(std::vector<std::uint8_t> bytes) {
    Close();
    if (bytes.size() > MaxFileSize) {
        return false;
    }
    data_ = std::move(bytes);
    open_ = Parse();
    if (!open_) {
        Close();
    }
    return open_;
}

void TTabularyObject::Close() {
    data_.clear();
    data_.shrink_to_fit();
    tables_.clear();
    open_ = false;
    transformed_ = false;
}

// Every count is checked against the bytes that remain before anything is reserved for it:
// a table needs TableDescriptorSize bytes and a column ColumnDescriptorSize bytes, and only
// the rows that lie wholly inside the file are counted.
bool TTabularyObject::Parse() {
    const std::size_t size = data_.size();
    const std::uint8_t* base = data_.data();
    if (size < HeaderSize) {
        return false;
    }
    if (base[5] != Signature.size() ||
        std::memcmp(base + 6, Signature.data(), Signature.size()) != 0 ||
        U16(base + 270) != Version) {
        return false;
    }
    transformed_ = base[4] != 0;
    const std::uint32_t tableCount = U32(base);
    std::size_t position = HeaderSize;
    if (tableCount > (size - position) / TableDescriptorSize) {
        return false;
    }
    tables_.reserve(tableCount);
    for (std::uint32_t t = 0; t < tableCount; ++t) {
        if (size - position < TableDescriptorSize) {
            return false;
        }
        const std::uint8_t* descriptor = base + position;
        Table table;
        const std::uint32_t columnCount = U32(descriptor);
        table.Name = ShortName(descriptor + 4);
        const auto declaredRows = static_cast<std::int32_t>(U32(descriptor + 68));
        table.FirstRow = U32(descriptor + 73);
        position += TableDescriptorSize;
        if (columnCount > (size - position) / ColumnDescriptorSize) {
            return false;
        }
        table.Columns.reserve(columnCount);
        bool known = true;
        for (std::uint32_t c = 0; c < columnCount; ++c) {
            const std::uint8_t* field = base + position;
            Column column;
            column.Name = ShortName(field + 5);
            column.Type = field[70];
            column.Width = U32(field + 71);
            column.ReferencedTable = U32(field + ColumnReferencedTableOffset);
            column.Entries = U32(field + 79);
            column.Size = ValueSize(column.Type, column.Width, column.Entries);
            known = known && column.Type <= ctWideChar;
            column.Offset = table.RowSize;
            table.RowSize += column.Size; // at most 2^32 * 4 per column: no overflow
            table.Columns.push_back(std::move(column));
            position += ColumnDescriptorSize;
        }
        // A table with a column of an unknown type has no readable rows.
        if (known && declaredRows > 0 && table.RowSize > 0 && table.FirstRow <= size) {
            const std::uint64_t fitting = (size - table.FirstRow) / table.RowSize;
            table.Rows = static_cast<int>(std::min<std::uint64_t>(fitting, declaredRows));
        }
        tables_.push_back(std::move(table));
    }
    return true;
}

const TTabularyObject::Table* TTabularyObject::TableAt(int table) const {
    if (table < 1 || table > TableCount()) {
        return nullptr;
    }
    return &tables_[static_cast<std::size_t>(table - 1)];
}

const TTabularyObject::Column* TTabularyObject::ColumnAt(const Table& table, int column) const {
    if (column < 1 || column > static_cast<int>(table.Columns.size())) {
        return nullptr;
    }
    return &table.Columns[static_cast<std::size_t>(column - 1)];
}

const std::uint8_t* TTabularyObject::ValueAt(const Table& table, const Column& column,
                                             int row) const {
    if (row < 1 || row > table.Rows) {
        return nullptr;
    }
    // Parse admitted only rows with FirstRow + RowSize * Rows <= size.
    const std::uint64_t offset =
        table.FirstRow + table.RowSize * static_cast<std::uint64_t>(row - 1) + column.Offset;
    return data_.data() + offset;
}

int TTabularyObject::TableIndex(std::string_view name) const {
    for (std::size_t i = 0; i < tables_.size(); ++i) {
        if (NameMatches(tables_[i].Name, name)) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

int TTabularyObject::ColumnIndex(int table, std::string_view name) const {
    const Table* entry = TableAt(table);
    if (entry == nullptr) {
        return 0;
    }
    for (std::size_t i = 0; i < entry->Columns.size(); ++i) {
        if (NameMatches(entry->Columns[i].Name, name)) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

int TTabularyObject::ColumnIndex(std::string_view table, std::string_view name) const {
    return ColumnIndex(TableIndex(table), name);
}

std::string TTabularyObject::TableName(int table) const {
    const Table* entry = TableAt(table);
    return entry == nullptr ? std::string() : DecodeTextBytes(entry->Name);
}

int TTabularyObject::ColumnCount(int table) const {
    const Table* entry = TableAt(table);
    return entry == nullptr ? 0 : static_cast<int>(entry->Columns.size());
}

std::string TTabularyObject::ColumnName(int table, int column) const {
    const Table* entry = TableAt(table);
    const Column* field = entry == nullptr ? nullptr : ColumnAt(*entry, column);
    return field == nullptr ? std::string() : DecodeTextBytes(field->Name);
}

int TTabularyObject::ColumnTypeOf(int table, int column) const {
    const Table* entry = TableAt(table);
    const Column* field = entry == nullptr ? nullptr : ColumnAt(*entry, column);
    return field == nullptr ? -1 : field->Type;
}

int TTabularyObject::RowCount(int table) const {
    const Table* entry = TableAt(table);
    return entry == nullptr ? -1 : entry->Rows;
}

int TTabularyObject::RowCount(std::string_view table) const {
    return RowCount(TableIndex(table));
}

std::string_view TTabularyObject::TextValue(const Column& column, const std::uint8_t* value) const {
    if (transformed_) {
        return {};
    }
    const auto* text = reinterpret_cast<const char*>(value);
    const std::size_t width = static_cast<std::size_t>(column.Size);
    const void* end = std::memchr(text, 0, width);
    return std::string_view(text, end == nullptr ? width : static_cast<const char*>(end) - text);
}

int TTabularyObject::FindRow(int table, int column, std::string_view text) const {
    const Table* entry = TableAt(table);
    const Column* field = entry == nullptr ? nullptr : ColumnAt(*entry, column);
    if (field == nullptr) {
        return 0;
    }
    for (int row = 1; row <= entry->Rows; ++row) {
        bool equal = false;
        if (field->Type == ctText) {
            const std::string_view raw = TextValue(*field, ValueAt(*entry, *field, row));
            equal = raw == text || (!IsValidUtf8(raw) && Windows1252ToUtf8(raw) == text);
        } else {
            equal = FormatValue(*entry, *field, row, false) == text;
        }
        if (equal) {
            return row;
        }
    }
    return 0;
}

int TTabularyObject::FindRow(std::string_view table, std::string_view column,
                             std::string_view text) const {
    const int index = TableIndex(table);
    return FindRow(index, ColumnIndex(index, column), text);
}

std::string TTabularyObject::ReadText(int table, int column, int row) const {
    const Table* entry = TableAt(table);
    const Column* field = entry == nullptr ? nullptr : ColumnAt(*entry, column);
    return field == nullptr ? std::string() : FormatValue(*entry, *field, row, false);
}

std::string TTabularyObject::ReadText(std::string_view table, std::string_view column,
                                      int row) const {
    const int index = TableIndex(table);
    return ReadText(index, ColumnIndex(index, column), row);
}

std::string TTabularyObject::FormatValue(const Table& table, const Column& column, int row,
                                         bool nested) const {
    const std::uint8_t* value = ValueAt(table, column, row);
    if (value == nullptr) {
        return {};
    }
    switch (column.Type) {
    case ctBoolean:
        return value[0] != 0 ? "True" : "False";
    case ctShortInt:
        return Number(static_cast<int>(static_cast<std::int8_t>(value[0])));
    case ctByte:
        return Number(static_cast<unsigned>(value[0]));
    case ctWideChar:
        return WideChar(U16(value));
    case ctInteger:
    case ctAutoInc:
        return Number(static_cast<std::int32_t>(U32(value)));
    case ctCardinal:
        return Number(U32(value));
    case ctSingle:
        return Float(Bits<float>(U32(value))); // shortest text of the single itself
    case ctReal48:
        return Float(Real48(value));
    case ctDouble:
        return Float(Bits<double>(U64(value)));
    case ctCurrency:
        return Currency(static_cast<std::int64_t>(U64(value)));
    case ctDateTime:
        return DateTime(Bits<double>(U64(value)));
    case ctExtended:
        return Float(Extended(value));
    case ctReferences:
        // A list inside a referenced row shows its row number instead of following it.
        return nested ? Number(row) : ReferenceText(column, value);
    case ctText:
        return DecodeTextBytes(TextValue(column, value));
    default:
        return {};
    }
}

// Each entry is a 1-based row number of the referenced table; the row is shown by the value
// of that table's first column. Empty slots (0) and rows outside the table are left out.
std::string TTabularyObject::ReferenceText(const Column& column, const std::uint8_t* value) const {
    const Table* target = TableAt(static_cast<int>(std::min<std::uint32_t>(
        column.ReferencedTable, static_cast<std::uint32_t>(std::numeric_limits<int>::max()))));
    std::string text;
    for (std::uint32_t i = 0; i < column.Entries && text.size() < MaxReferenceText; ++i) {
        const std::uint32_t row = U32(value + 4ull * i);
        if (row == 0) {
            continue;
        }
        std::string shown;
        if (target == nullptr) {
            shown = Number(row);
        } else if (row <= static_cast<std::uint32_t>(target->Rows) && !target->Columns.empty()) {
            shown = FormatValue(*target, target->Columns.front(), static_cast<int>(row), true);
        } else {
            continue;
        }
        if (!text.empty()) {
            text += ',';
        }
        text += shown;
    }
    if (text.size() > MaxReferenceText) {
        text.resize(MaxReferenceText);
    }
    return text;
}

} // namespace sudoku
