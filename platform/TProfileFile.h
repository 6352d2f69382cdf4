// A profile file of named sections of key=value lines with CRLF line ends, held as one text in
// memory. Section names and keys match without regard to letter case; values are verbatim.
// An object is for one thread at a time (its searches keep a cache).
#pragma once

#include "TFileLock.h"

#include <chrono>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

namespace sudoku {

class TProfileFile {
public:
    struct TEntry {
        std::string Key;
        std::string Value;
        bool operator==(const TEntry&) const = default;
    };

    // Larger files are refused rather than read into memory: a library of 10,000 puzzles is
    // under 10 MB, so anything this big was not written by the program.
    static constexpr std::size_t MaxFileSize = std::size_t{256} << 20;

    TProfileFile() = default;
    explicit TProfileFile(std::string text);

    // Reads the whole file with one read. A missing file reads as empty and counts as success;
    // any other failure (also a file over MaxFileSize) returns false and leaves the text empty.
    bool Load(const std::string& fileName);
    // Writes the text to a new file of a unique name beside the file, syncs it and renames it
    // over the file, so a failed write (or a power cut) leaves the old file byte for byte as
    // it was. Throws TWriteError.
    void Save(const std::string& fileName) const;

    const std::string& Text() const { return Text_; }
    bool Changed() const { return Changed_; }

    // Section names in file order (duplicates as they stand); reads use the first of a name.
    std::vector<std::string> SectionNames() const;
    bool HasSection(std::string_view section) const;
    std::vector<std::string> KeyNames(std::string_view section) const;
    std::vector<TEntry> ReadSection(std::string_view section) const;
    std::optional<std::string> ReadValue(std::string_view section, std::string_view key) const;
    std::string ReadString(std::string_view section, std::string_view key,
                           std::string_view defaultValue) const;

    // Sets one key, appending the key to its section or the section to the file when needed.
    // Line breaks in names and values become blanks, so a value can never start a new line.
    void WriteValue(std::string_view section, std::string_view key, std::string_view value);
    // Erases every section of the name and appends it anew at the end with these entries.
    void ReplaceSection(std::string_view section, const std::vector<TEntry>& entries);
    // Many replacements in one pass over the text, as a row of ReplaceSection calls would do
    // (a name given twice ends with its last entries), without re-reading the file per section.
    void ReplaceSections(const std::vector<std::pair<std::string, std::vector<TEntry>>>& sections);
    // Removes every section of the name with its keys; true when one was there.
    bool EraseSection(std::string_view section);

    // File-level operations; each opens, reads or writes and closes the file.
    static std::string ReadFileString(const std::string& fileName, std::string_view section,
                                      std::string_view key, std::string_view defaultValue);
    static std::vector<std::string> ReadFileSectionNames(const std::string& fileName);
    static void WriteFileString(const std::string& fileName, std::string_view section,
                                std::string_view key, std::string_view value);
    // Locked read-modify-write: loads the file, lets `change` edit it and saves it when it
    // changed. Throws TWriteError when the file cannot be read whole or written, or when
    // another process holds the lock for longer than `lockWait`.
    static void Modify(const std::string& fileName,
                       const std::function<void(TProfileFile&)>& change,
                       std::chrono::milliseconds lockWait = TFileLock::DefaultWait);

    // Case-insensitive comparison of names as the file matches them (ASCII letters only).
    static bool SameName(std::string_view a, std::string_view b);

private:
    struct TSection {
        std::size_t Begin;     // start of the header line
        std::size_t BodyBegin; // first character after the header line
        std::size_t End;       // start of the next header line, or the end of the text
        std::size_t NameBegin; // the name, trimmed, as offsets so copies stay valid
        std::size_t NameLength;
    };
    struct TLine {
        std::size_t Begin;
        std::size_t End;  // end of the content, before any CR LF
        std::size_t Next; // start of the next line
    };

    std::string_view NameOf(const TSection& s) const {
        return {Text_.data() + s.NameBegin, s.NameLength};
    }
    void Index();
    const TSection* Find(std::string_view section) const;
    template <typename Visit> void ForEachKeyLine(const TSection& s, Visit&& visit) const;
    std::string_view LineEndBefore(std::size_t pos) const;
    void AppendSection(std::string_view section, const std::vector<TEntry>& entries);
    bool CutSections(std::string_view section);

    std::string Text_;
    std::vector<TSection> Sections_;
    // Name lookup for files searched many times (batch copies); built after a few linear
    // searches so that a single lookup stays a plain scan.
    mutable std::unordered_map<std::string, std::size_t> Lookup_;
    mutable unsigned Searches_ = 0;
    bool Changed_ = false;
};

} // namespace sudoku
