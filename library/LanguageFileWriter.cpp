// Table-file writer for text-only tables: the counterpart of TTabularyObject's reader.
#include "LanguageFileWriter.h"

#include "TTabularyObject.h"

#include <algorithm>
#include <fstream>
#include <stdexcept>
#include <system_error>

namespace sudoku {

namespace {

void PutU16(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint16_t value) {
    bytes[at] = static_cast<std::uint8_t>(value);
    bytes[at + 1] = static_cast<std::uint8_t>(value >> 8);
}

void PutU32(std::vector<std::uint8_t>& bytes, std::size_t at, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) {
        bytes[at + static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(value >> (8 * i));
    }
}

void PutName(std::vector<std::uint8_t>& bytes, std::size_t at, const std::string& name) {
    bytes[at] = static_cast<std::uint8_t>(name.size());
    std::copy(name.begin(), name.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at + 1));
}

void CheckName(const std::string& name) {
    if (name.empty() || name.size() > TTabularyObject::NameSize - 1) {
        throw std::invalid_argument("name must have 1 to 63 bytes: \"" + name + "\"");
    }
}

std::size_t Width(const std::vector<std::vector<std::string>>& rows) {
    std::size_t width = 1;
    for (const auto& row : rows) {
        for (const auto& text : row) {
            width = std::max(width, text.size());
        }
    }
    return width;
}

} // namespace

void LanguageFileWriter::AddTable(std::string name, std::vector<std::string> columns,
                                  std::vector<std::vector<std::string>> rows) {
    CheckName(name);
    for (const auto& column : columns) {
        CheckName(column);
    }
    for (const auto& row : rows) {
        if (row.size() != columns.size()) {
            throw std::invalid_argument("row of table \"" + name + "\" has " +
                                        std::to_string(row.size()) + " texts instead of " +
                                        std::to_string(columns.size()));
        }
        for (const auto& text : row) {
            if (text.find('\0') != std::string::npos) {
                throw std::invalid_argument("text of table \"" + name + "\" holds a zero byte");
            }
        }
    }
    tables_.push_back({std::move(name), std::move(columns), std::move(rows)});
}

std::vector<std::uint8_t> LanguageFileWriter::Bytes() const {
    std::size_t size = TTabularyObject::HeaderSize;
    for (const auto& table : tables_) {
        size += TTabularyObject::TableDescriptorSize +
                TTabularyObject::ColumnDescriptorSize * table.Columns.size();
    }
    std::size_t rowsAt = size;
    for (const auto& table : tables_) {
        size += Width(table.Rows) * table.Columns.size() * table.Rows.size();
    }
    if (size > TTabularyObject::MaxFileSize) {
        throw std::invalid_argument("table file would exceed its size limit");
    }

    std::vector<std::uint8_t> bytes(size, 0);
    PutU32(bytes, 0, static_cast<std::uint32_t>(tables_.size()));
    bytes[4] = 0; // plain text columns
    PutName(bytes, 5, std::string(TTabularyObject::Signature));
    PutU16(bytes, 270, TTabularyObject::Version);

    std::size_t at = TTabularyObject::HeaderSize;
    for (const auto& table : tables_) {
        const std::size_t width = Width(table.Rows);
        PutU32(bytes, at, static_cast<std::uint32_t>(table.Columns.size()));
        PutName(bytes, at + 4, table.Name);
        PutU32(bytes, at + 68, static_cast<std::uint32_t>(table.Rows.size()));
        PutU32(bytes, at + 73, static_cast<std::uint32_t>(rowsAt));
        at += TTabularyObject::TableDescriptorSize;
        for (const auto& column : table.Columns) {
            PutName(bytes, at + 5, column);
            bytes[at + 70] = TTabularyObject::ctText;
            PutU32(bytes, at + 71, static_cast<std::uint32_t>(width));
            at += TTabularyObject::ColumnDescriptorSize;
        }
        for (const auto& row : table.Rows) {
            for (const auto& text : row) {
                std::copy(text.begin(), text.end(),
                          bytes.begin() + static_cast<std::ptrdiff_t>(rowsAt));
                rowsAt += width;
            }
        }
    }
    return bytes;
}

bool LanguageFileWriter::Write(const std::filesystem::path& fileName) const {
    return WriteBytes(fileName, Bytes());
}

bool LanguageFileWriter::WriteBytes(const std::filesystem::path& fileName,
                                    const std::vector<std::uint8_t>& bytes) {
    std::filesystem::path temporary = fileName;
    temporary += ".tmp";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(bytes.data()),
                   static_cast<std::streamsize>(bytes.size()));
        if (!file.flush()) {
            return false;
        }
    }
    std::error_code error;
    std::filesystem::rename(temporary, fileName, error);
    if (error) {
        std::filesystem::remove(temporary, error);
        return false;
    }
    return true;
}

} // namespace sudoku
