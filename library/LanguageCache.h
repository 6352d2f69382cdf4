// The language file's tables kept in memory. Each table is read once per version of the file
// (its path, size, modification time and identity) and looked up in memory afterwards; a new
// version of the file drops everything read from the old one.
#pragma once

#include <cstdint>
#include <filesystem>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace sudoku {

class TTabularyObject;

class LanguageCache {
public:
    // One table's values, each as the table reader gives it as text.
    class Table {
    public:
        Table(std::vector<std::string> columns, std::vector<std::vector<std::string>> rows);
        // 1-based column number, 0 when absent; names compare as the table reader compares
        // them.
        int ColumnIndex(std::string_view name) const;
        int RowCount() const { return static_cast<int>(rows_.size()); }
        // The value of a 1-based column and row; empty outside the table.
        const std::string& Text(int column, int row) const;
        // First row (1-based) whose value in the column equals text exactly; 0 when none.
        int FindRow(int column, std::string_view text) const;

    private:
        std::vector<std::string> columns_;
        std::vector<std::vector<std::string>> rows_;
        // Per column, the first row of each value; built on the first search of the column.
        mutable std::mutex indexMutex_;
        mutable std::unordered_map<int, std::unordered_map<std::string, int>> index_;
    };

    // The cache of the running program.
    static LanguageCache& Shared();

    // The named table of the file as it is now: null when the file is missing, is not a table
    // file, or holds no such table.
    std::shared_ptr<const Table> Find(const std::filesystem::path& fileName,
                                      std::string_view tableName);

    // The table of a window section in a language: its name is the section and the display
    // name that "Contents" gives the language number ("MainForm (English)"). Found is false
    // when the file cannot be read or has no such language; Texts is null when the language
    // has no table for the section. Reads the file at most once.
    struct TSection {
        bool Found = false;
        std::string TableName;
        std::shared_ptr<const Table> Texts;
    };
    TSection FindSection(const std::filesystem::path& fileName, std::string_view section,
                         int lngId);
    // True when the file exists and is a table file.
    bool IsTableFile(const std::filesystem::path& fileName);
    // How many times a file was opened and read; a lookup in memory reads nothing.
    int FileReads() const;
    void Clear();

private:
    struct TVersion {
        std::uint64_t Size = 0;
        std::int64_t ModifiedNs = 0;
        std::uint64_t Device = 0;
        std::uint64_t Inode = 0;
        bool operator==(const TVersion&) const = default;
    };
    struct TFileEntry {
        TVersion Version;
        bool TableFile = true;
        // A null entry records a table the file does not hold.
        std::map<std::string, std::shared_ptr<const Table>, std::less<>> Tables;
    };

    // The entry of the file's present version (made afresh when it changed); null when the
    // file is missing.
    TFileEntry* Entry(const std::filesystem::path& fileName);
    // Opens the file for the tables not read yet; false when it is not a table file.
    bool Open(TFileEntry& file, const std::filesystem::path& fileName, TTabularyObject& reader);
    // Keeps the named table, the contents and the other tables of the same language (the
    // other windows' texts, wanted next) from the open file.
    static void Keep(TFileEntry& file, const TTabularyObject& reader, std::string_view tableName);

    mutable std::mutex mutex_;
    std::map<std::filesystem::path, TFileEntry> files_;
    int reads_ = 0;
};

} // namespace sudoku
