// Import, export, backup and restore of profile-file sections.
#include "LibraryTransfer.h"

#include "TSectionCopy.h"
#include "TSuDoKuFileData.h"
#include "TextCodec.h"

namespace sudoku {

namespace {

// Each line decoded on its own, so a file whose lines were written by different programs
// keeps its UTF-8 lines and has only the others read as Windows-1252.
std::string DecodeLines(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    while (!text.empty()) {
        const std::size_t nl = text.find('\n');
        const std::size_t end = nl == std::string_view::npos ? text.size() : nl + 1;
        out += DecodeTextBytes(text.substr(0, end));
        text.remove_prefix(end);
    }
    return out;
}

} // namespace

int ImportProfileFile(const std::string& sourceFile, const std::string& libraryFile,
                      std::string_view userName) {
    TProfileFile raw;
    if (!raw.Load(sourceFile)) {
        return 0;
    }
    const TProfileFile source(DecodeLines(raw.Text()));
    std::vector<TSectionCopy> copies;
    for (const std::string& section : source.SectionNames()) {
        std::string target = ImportedSectionName(section, userName);
        copies.push_back({section, target, {{"Name", target}, {"I", "1"}}});
    }
    if (!copies.empty()) {
        CopySections(source, libraryFile, copies);
    }
    return static_cast<int>(copies.size());
}

int ExportSections(const std::string& libraryFile, const std::string& targetFile,
                   const std::vector<std::string>& sections) {
    TProfileFile library;
    library.Load(libraryFile);
    std::vector<std::pair<std::string, std::vector<TProfileFile::TEntry>>> copied;
    for (const std::string& section : sections) {
        if (library.HasSection(section)) {
            copied.emplace_back(section, CopiedEntries(library, {section, section, {}}));
        }
    }
    if (copied.empty()) {
        return 0;
    }
    // A new file, written beside the old one and renamed over it: it holds only this export,
    // and a failed write keeps what was there.
    TProfileFile target;
    target.ReplaceSections(copied);
    target.Save(targetFile);
    return static_cast<int>(copied.size());
}

void CopyUserSections(const std::string& sourceFile, const std::string& targetFile,
                      std::string_view userName) {
    TProfileFile source;
    source.Load(sourceFile);
    std::vector<TSectionCopy> copies;
    for (const std::string& section : source.SectionNames()) {
        if (BelongsToUser(section, userName)) {
            copies.push_back({section, section, {}});
        }
    }
    CopySections(source, targetFile, copies);
}

} // namespace sudoku
