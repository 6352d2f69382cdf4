// Tables of language files, read once per file version.
#include "LanguageCache.h"

#include "LanguageTable.h"
#include "TTabularyObject.h"

#include <sys/stat.h>

#include <optional>

namespace sudoku {

namespace {

constexpr std::string_view ContentsTable = LanguageTable::ContentsTable;
// Files remembered at once; more (tests write many) start the cache afresh.
constexpr std::size_t MaxFiles = 8;

std::shared_ptr<const LanguageCache::Table> ReadTable(const TTabularyObject& reader, int table) {
    if (table == 0) {
        return nullptr;
    }
    const int columns = reader.ColumnCount(table);
    std::vector<std::string> names;
    for (int column = 1; column <= columns; ++column) {
        names.push_back(reader.ColumnName(table, column));
    }
    std::vector<std::vector<std::string>> rows(
        static_cast<std::size_t>(std::max(reader.RowCount(table), 0)));
    for (std::size_t row = 0; row < rows.size(); ++row) {
        rows[row].reserve(names.size());
        for (int column = 1; column <= columns; ++column) {
            rows[row].push_back(reader.ReadText(table, column, static_cast<int>(row) + 1));
        }
    }
    return std::make_shared<const LanguageCache::Table>(std::move(names), std::move(rows));
}

} // namespace

LanguageCache::Table::Table(std::vector<std::string> columns,
                            std::vector<std::vector<std::string>> rows)
    : columns_(std::move(columns)), rows_(std::move(rows)) {}

int LanguageCache::Table::ColumnIndex(std::string_view name) const {
    const std::string_view wanted = name.substr(0, TTabularyObject::NameSize - 1);
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        if (columns_[i] == wanted) {
            return static_cast<int>(i) + 1;
        }
    }
    return 0;
}

const std::string& LanguageCache::Table::Text(int column, int row) const {
    static const std::string empty;
    if (column < 1 || column > static_cast<int>(columns_.size()) || row < 1 || row > RowCount()) {
        return empty;
    }
    return rows_[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(column - 1)];
}

int LanguageCache::Table::FindRow(int column, std::string_view text) const {
    if (column < 1 || column > static_cast<int>(columns_.size())) {
        return 0;
    }
    std::lock_guard lock(indexMutex_);
    auto [entry, made] = index_.try_emplace(column);
    std::unordered_map<std::string, int>& rows = entry->second;
    if (made) {
        // Walking from the last row up leaves each value with its first row.
        for (int row = RowCount(); row >= 1; --row) {
            rows[Text(column, row)] = row;
        }
    }
    const auto found = rows.find(std::string(text));
    return found == rows.end() ? 0 : found->second;
}

LanguageCache& LanguageCache::Shared() {
    static LanguageCache cache;
    return cache;
}

LanguageCache::TFileEntry* LanguageCache::Entry(const std::filesystem::path& fileName) {
    struct stat info {};
    if (::stat(fileName.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        files_.erase(fileName);
        return nullptr;
    }
    const TVersion version{
        static_cast<std::uint64_t>(info.st_size),
        static_cast<std::int64_t>(info.st_mtim.tv_sec) * 1'000'000'000 + info.st_mtim.tv_nsec,
        static_cast<std::uint64_t>(info.st_dev), static_cast<std::uint64_t>(info.st_ino)};
    auto known = files_.find(fileName);
    if (known != files_.end() && !(known->second.Version == version)) {
        files_.erase(known);
        known = files_.end();
    }
    if (known == files_.end()) {
        if (files_.size() >= MaxFiles) {
            files_.clear();
        }
        known = files_.emplace(fileName, TFileEntry{version, true, {}}).first;
    }
    return &known->second;
}

bool LanguageCache::Open(TFileEntry& file, const std::filesystem::path& fileName,
                         TTabularyObject& reader) {
    if (reader.IsOpen()) {
        return true;
    }
    ++reads_;
    file.TableFile = reader.Open(fileName);
    return file.TableFile;
}

void LanguageCache::Keep(TFileEntry& file, const TTabularyObject& reader,
                         std::string_view tableName) {
    file.Tables.emplace(std::string(tableName), ReadTable(reader, reader.TableIndex(tableName)));
    const std::size_t open = tableName.rfind(" (");
    const std::string_view language = open != std::string_view::npos && tableName.ends_with(')')
                                          ? tableName.substr(open)
                                          : std::string_view();
    for (int table = 1; table <= reader.TableCount(); ++table) {
        const std::string name = reader.TableName(table);
        if ((name == ContentsTable || (!language.empty() && name.ends_with(language))) &&
            !file.Tables.contains(name)) {
            file.Tables.emplace(name, ReadTable(reader, table));
        }
    }
}

std::shared_ptr<const LanguageCache::Table>
LanguageCache::Find(const std::filesystem::path& fileName, std::string_view tableName) {
    std::lock_guard lock(mutex_);
    TFileEntry* file = Entry(fileName);
    if (file == nullptr || !file->TableFile) {
        return nullptr;
    }
    if (const auto table = file->Tables.find(tableName); table != file->Tables.end()) {
        return table->second;
    }
    TTabularyObject reader;
    if (!Open(*file, fileName, reader)) {
        return nullptr;
    }
    Keep(*file, reader, tableName);
    return file->Tables.find(tableName)->second;
}

LanguageCache::TSection LanguageCache::FindSection(const std::filesystem::path& fileName,
                                                   std::string_view section, int lngId) {
    std::lock_guard lock(mutex_);
    TSection result;
    TFileEntry* file = Entry(fileName);
    if (file == nullptr || !file->TableFile) {
        return result;
    }
    // One reader serves both the contents and the section's table when neither was read.
    TTabularyObject reader;
    if (!file->Tables.contains(ContentsTable)) {
        if (!Open(*file, fileName, reader)) {
            return result;
        }
        Keep(*file, reader, ContentsTable);
    }
    const std::shared_ptr<const Table>& contents = file->Tables.find(ContentsTable)->second;
    const int row = contents
                        ? contents->FindRow(contents->ColumnIndex(LanguageTable::CountryColumn),
                                            std::to_string(lngId))
                        : 0;
    if (row == 0) {
        return result;
    }
    result.Found = true;
    result.TableName = LanguageTable::TableNameFor(
        section, contents->Text(contents->ColumnIndex(LanguageTable::NameColumn), row));
    if (const auto table = file->Tables.find(result.TableName); table != file->Tables.end()) {
        result.Texts = table->second;
        return result;
    }
    if (Open(*file, fileName, reader)) {
        Keep(*file, reader, result.TableName);
        result.Texts = file->Tables.find(result.TableName)->second;
    }
    return result;
}

bool LanguageCache::IsTableFile(const std::filesystem::path& fileName) {
    Find(fileName, ContentsTable);
    std::lock_guard lock(mutex_);
    const auto known = files_.find(fileName);
    return known != files_.end() && known->second.TableFile;
}

int LanguageCache::FileReads() const {
    std::lock_guard lock(mutex_);
    return reads_;
}

void LanguageCache::Clear() {
    std::lock_guard lock(mutex_);
    files_.clear();
}

} // namespace sudoku
