// Batch copying of sections between profile files.
#include "TSectionCopy.h"

#include "TSuDoKuFileData.h"

#include <utility>

namespace sudoku {

std::vector<TProfileFile::TEntry> CopiedEntries(const TProfileFile& source,
                                                const TSectionCopy& copy) {
    std::vector<TProfileFile::TEntry> entries;
    for (TProfileFile::TEntry& e : source.ReadSection(copy.Source)) {
        bool seen = false;
        for (const TProfileFile::TEntry& kept : entries) {
            seen = seen || TProfileFile::SameName(kept.Key, e.Key);
        }
        if (!seen) {
            entries.push_back(std::move(e));
        }
    }
    for (const TProfileFile::TEntry& o : copy.Overrides) {
        bool replaced = false;
        for (TProfileFile::TEntry& e : entries) {
            if (TProfileFile::SameName(e.Key, o.Key)) {
                e.Value = o.Value;
                replaced = true;
                break;
            }
        }
        if (!replaced) {
            entries.push_back(o);
        }
    }
    return entries;
}

void CopySections(const std::string& sourceFile, const std::string& targetFile,
                  const std::vector<TSectionCopy>& copies) {
    TProfileFile source;
    source.Load(sourceFile); // unreadable or missing: nothing to copy
    CopySections(source, targetFile, copies);
}

void CopySections(const TProfileFile& source, const std::string& targetFile,
                  const std::vector<TSectionCopy>& copies) {
    std::vector<std::pair<std::string, std::vector<TProfileFile::TEntry>>> sections;
    for (const TSectionCopy& copy : copies) {
        if (source.HasSection(copy.Source)) {
            sections.emplace_back(copy.Target, CopiedEntries(source, copy));
        }
    }
    if (sections.empty()) {
        return;
    }
    TProfileFile::Modify(targetFile,
                         [&](TProfileFile& target) { target.ReplaceSections(sections); });
}

std::vector<std::string> UserSectionsOfFile(const std::string& fileName,
                                            std::string_view userName) {
    std::vector<std::string> names = ReadSectionNamesOfFile(fileName);
    std::erase_if(names, [&](const std::string& n) { return !BelongsToUser(n, userName); });
    return names;
}

std::string ImportedSectionName(std::string_view section, std::string_view userName) {
    return std::string(userName) + "@Imports " + DisplayNameOf(section);
}

} // namespace sudoku
