// Writes table files whose columns are all text: the binary form of the language file.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace sudoku {

class LanguageFileWriter {
public:
    // Adds a table; every row needs one text per column. Names longer than 63 bytes, texts
    // holding a zero byte and rows of the wrong length are refused (std::invalid_argument).
    void AddTable(std::string name, std::vector<std::string> columns,
                  std::vector<std::vector<std::string>> rows);

    // The whole file: header, descriptors of every table, then the rows table by table. The
    // text width of a table is its longest text (at least one byte).
    std::vector<std::uint8_t> Bytes() const;

    // Writes Bytes() through a temporary file renamed into place; false when that fails.
    bool Write(const std::filesystem::path& fileName) const;
    static bool WriteBytes(const std::filesystem::path& fileName,
                           const std::vector<std::uint8_t>& bytes);

private:
    struct Table {
        std::string Name;
        std::vector<std::string> Columns;
        std::vector<std::vector<std::string>> Rows;
    };
    std::vector<Table> tables_;
};

} // namespace sudoku
