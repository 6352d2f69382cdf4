// Profile-file parsing and editing on one in-memory text, and the crash-safe file writer.
//
// The index is built in one pass: section headers are the lines that start with "[" (after
// blanks), found with memchr on "[" alone, which is rare elsewhere, so a large library is
// indexed without looking at each line. Key lines are only walked inside the section asked for.
#include "TProfileFile.h"

#include "TFileLock.h"
#include "TWriteError.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fcntl.h>
#include <filesystem>
#include <memory>
#include <random>
#include <sys/stat.h>
#include <unistd.h>
#include <unordered_map>

namespace sudoku {

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

std::string_view Trim(std::string_view s) {
    while (!s.empty() && IsBlank(s.front())) {
        s.remove_prefix(1);
    }
    while (!s.empty() && IsBlank(s.back())) {
        s.remove_suffix(1);
    }
    return s;
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

std::string LowerName(std::string_view name) {
    std::string lower(name);
    for (char& c : lower) {
        c = Lower(c);
    }
    return lower;
}

// Names and values are single-line: a CR or LF would split the line and could even forge a
// section header, so both become blanks.
std::string SingleLine(std::string_view s) {
    std::string out(s);
    for (char& c : out) {
        if (c == '\r' || c == '\n') {
            c = ' ';
        }
    }
    return out;
}

// A key cannot hold "=", which ends it (the first "=" of a line separates key and value),
// nor start with "[", which would make its line a section header.
std::string KeyText(std::string_view s) {
    std::string out = SingleLine(s);
    for (char& c : out) {
        if (c == '=') {
            c = ' ';
        }
    }
    std::string_view key = Trim(out);
    while (!key.empty() && key.front() == '[') {
        key = Trim(key.substr(1));
    }
    return std::string(key);
}

bool WriteAll(int fd, const char* data, std::size_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, data, size);
        if (n < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        data += n;
        size -= static_cast<std::size_t>(n);
    }
    return true;
}

// The characters of a temporary file's unique part, and its length.
constexpr std::string_view TempLetters =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
constexpr std::size_t TempUniqueLength = 6;

// Creates a new file of a unique name beside `target` (its name + ".tmp." + six random
// characters) the way mkstemp does, but with the umask's mode. Nothing already there under such
// a name, file, folder or link, is opened or followed. Returns the descriptor or -1.
int CreateTempBeside(const std::string& target, std::string& temp) {
    thread_local std::mt19937_64 random{std::random_device{}() ^
                                        static_cast<std::uint64_t>(::getpid())};
    std::uniform_int_distribution<std::size_t> pick(0, TempLetters.size() - 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        temp = target + ".tmp.";
        for (std::size_t i = 0; i < TempUniqueLength; ++i) {
            temp += TempLetters[pick(random)];
        }
        const int fd =
            ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

// Makes a rename in the file's folder last through a power cut. The new file is in place by
// now, so a folder that cannot be synced is no reason to report the write as failed.
void SyncFolderOf(const std::string& fileName) {
    const std::string folder = std::filesystem::path(fileName).parent_path().string();
    const int fd =
        ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd >= 0) {
        ::fsync(fd);
        ::close(fd);
    }
}

// Removes the temporary files of `target` that writers killed in the middle of a write left:
// entries of exactly CreateTempBeside's names that are plain files of this user with no other
// name, untouched for a minute (a writer at work keeps its file fresh). Links and folders of
// such names stay, and nothing is followed.
void RemoveStaleTempsOf(const std::string& target) {
    const std::filesystem::path path(target);
    const std::string prefix = path.filename().string() + ".tmp.";
    const std::string folder = path.parent_path().string();
    const std::unique_ptr<DIR, int (*)(DIR*)> dir(::opendir(folder.empty() ? "." : folder.c_str()),
                                                  &::closedir);
    if (!dir) {
        return;
    }
    const std::time_t staleBefore = std::time(nullptr) - 60;
    const int fd = ::dirfd(dir.get());
    while (const dirent* entry = ::readdir(dir.get())) {
        const std::string_view name(entry->d_name);
        if (name.size() != prefix.size() + TempUniqueLength || !name.starts_with(prefix) ||
            name.find_first_not_of(TempLetters, prefix.size()) != std::string_view::npos) {
            continue;
        }
        struct stat st {};
        if (::fstatat(fd, entry->d_name, &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISREG(st.st_mode) &&
            st.st_uid == ::geteuid() && st.st_nlink == 1 && st.st_mtime < staleBefore) {
            ::unlinkat(fd, entry->d_name, 0);
        }
    }
}

} // namespace

TProfileFile::TProfileFile(std::string text) : Text_(std::move(text)) {
    Index();
}

bool TProfileFile::SameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    // From the end: the names of one file mostly share their user prefix and differ last.
    for (std::size_t i = a.size(); i-- > 0;) {
        if (Lower(a[i]) != Lower(b[i])) {
            return false;
        }
    }
    return true;
}

void TProfileFile::Index() {
    Sections_.clear();
    Lookup_.clear();
    Searches_ = 0;
    const char* data = Text_.data();
    const std::size_t size = Text_.size();
    std::size_t pos = 0;
    while (pos < size) {
        const void* hit = std::memchr(data + pos, '[', size - pos);
        if (hit == nullptr) {
            break;
        }
        const std::size_t bracket = static_cast<std::size_t>(static_cast<const char*>(hit) - data);
        pos = bracket + 1;
        std::size_t lineBegin = bracket;
        while (lineBegin > 0 && IsBlank(data[lineBegin - 1])) {
            --lineBegin;
        }
        const bool afterBom = lineBegin == 3 && std::memcmp(data, "\xEF\xBB\xBF", 3) == 0;
        if (lineBegin > 0 && data[lineBegin - 1] != '\n' && !afterBom) {
            continue; // a "[" inside a line
        }
        const void* nl = std::memchr(data + bracket, '\n', size - bracket);
        const std::size_t next =
            nl == nullptr ? size
                          : static_cast<std::size_t>(static_cast<const char*>(nl) - data) + 1;
        std::string_view line(data + bracket + 1, next - bracket - 1);
        if (!line.empty() && line.back() == '\n') {
            line.remove_suffix(1);
        }
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        const std::size_t close = line.rfind(']');
        if (close != std::string_view::npos) {
            line = line.substr(0, close);
        }
        const std::string_view name = Trim(line);
        if (!Sections_.empty()) {
            Sections_.back().End = lineBegin;
        }
        Sections_.push_back(
            {lineBegin, next, size, static_cast<std::size_t>(name.data() - data), name.size()});
        pos = next;
    }
}

const TProfileFile::TSection* TProfileFile::Find(std::string_view section) const {
    const std::string_view wanted = Trim(section);
    constexpr unsigned LinearSearches = 8;
    if (Sections_.size() > 64 && ++Searches_ > LinearSearches) {
        if (Lookup_.empty()) {
            Lookup_.reserve(Sections_.size());
            for (std::size_t i = 0; i < Sections_.size(); ++i) {
                Lookup_.try_emplace(LowerName(NameOf(Sections_[i])), i); // first one wins
            }
        }
        const auto it = Lookup_.find(LowerName(wanted));
        return it == Lookup_.end() ? nullptr : &Sections_[it->second];
    }
    for (const TSection& s : Sections_) {
        if (SameName(NameOf(s), wanted)) {
            return &s;
        }
    }
    return nullptr;
}

// Calls visit(line, eq) for each line of the section that holds "=", in file order, where eq
// is the offset of the first "="; visit returns false to stop.
template <typename Visit>
void TProfileFile::ForEachKeyLine(const TSection& s, Visit&& visit) const {
    const char* data = Text_.data();
    std::size_t pos = s.BodyBegin;
    while (pos < s.End) {
        const void* nl = std::memchr(data + pos, '\n', s.End - pos);
        const std::size_t next =
            nl == nullptr ? s.End
                          : static_cast<std::size_t>(static_cast<const char*>(nl) - data) + 1;
        std::size_t end = nl == nullptr ? s.End : next - 1;
        if (end > pos && data[end - 1] == '\r') {
            --end;
        }
        const void* eq = std::memchr(data + pos, '=', end - pos);
        if (eq != nullptr) {
            const TLine line{pos, end, next};
            if (!visit(line, static_cast<std::size_t>(static_cast<const char*>(eq) - data))) {
                return;
            }
        }
        pos = next;
    }
}

std::vector<std::string> TProfileFile::SectionNames() const {
    std::vector<std::string> names;
    names.reserve(Sections_.size());
    for (const TSection& s : Sections_) {
        names.emplace_back(NameOf(s));
    }
    return names;
}

bool TProfileFile::HasSection(std::string_view section) const {
    return Find(section) != nullptr;
}

std::vector<std::string> TProfileFile::KeyNames(std::string_view section) const {
    std::vector<std::string> keys;
    if (const TSection* s = Find(section)) {
        ForEachKeyLine(*s, [&](const TLine& line, std::size_t eq) {
            keys.emplace_back(Trim(std::string_view(Text_).substr(line.Begin, eq - line.Begin)));
            return true;
        });
    }
    return keys;
}

std::vector<TProfileFile::TEntry> TProfileFile::ReadSection(std::string_view section) const {
    std::vector<TEntry> entries;
    if (const TSection* s = Find(section)) {
        const std::string_view text(Text_);
        ForEachKeyLine(*s, [&](const TLine& line, std::size_t eq) {
            entries.push_back({std::string(Trim(text.substr(line.Begin, eq - line.Begin))),
                               std::string(text.substr(eq + 1, line.End - eq - 1))});
            return true;
        });
    }
    return entries;
}

std::optional<std::string> TProfileFile::ReadValue(std::string_view section,
                                                   std::string_view key) const {
    std::optional<std::string> value;
    if (const TSection* s = Find(section)) {
        const std::string_view text(Text_);
        const std::string_view wanted = Trim(key);
        ForEachKeyLine(*s, [&](const TLine& line, std::size_t eq) {
            if (!SameName(Trim(text.substr(line.Begin, eq - line.Begin)), wanted)) {
                return true;
            }
            value.emplace(text.substr(eq + 1, line.End - eq - 1));
            return false;
        });
    }
    return value;
}

std::string TProfileFile::ReadString(std::string_view section, std::string_view key,
                                     std::string_view defaultValue) const {
    std::optional<std::string> value = ReadValue(section, key);
    return value ? std::move(*value) : std::string(defaultValue);
}

// What must precede text inserted at `pos` so that it starts a line of its own: nothing at
// a line start, LF after a lone CR (which already ends the content), else CR LF.
std::string_view TProfileFile::LineEndBefore(std::size_t pos) const {
    if (pos == 0 || Text_[pos - 1] == '\n') {
        return {};
    }
    return Text_[pos - 1] == '\r' ? "\n" : "\r\n";
}

void TProfileFile::AppendSection(std::string_view section, const std::vector<TEntry>& entries) {
    std::size_t extra = section.size() + 6;
    for (const TEntry& e : entries) {
        extra += e.Key.size() + e.Value.size() + 3;
    }
    Text_.reserve(Text_.size() + extra);
    Text_ += LineEndBefore(Text_.size());
    Text_ += '[';
    Text_ += Trim(SingleLine(section));
    Text_ += "]\r\n";
    for (const TEntry& e : entries) {
        Text_ += KeyText(e.Key);
        Text_ += '=';
        Text_ += SingleLine(e.Value);
        Text_ += "\r\n";
    }
}

void TProfileFile::WriteValue(std::string_view section, std::string_view key,
                              std::string_view value) {
    Changed_ = true;
    const TSection* s = Find(SingleLine(section));
    if (s == nullptr) {
        AppendSection(section, {{std::string(key), std::string(value)}});
        Index();
        return;
    }
    const std::string wanted = KeyText(key);
    const std::string_view text(Text_);
    std::size_t insertAt = s->BodyBegin;
    std::optional<std::pair<std::size_t, std::size_t>> found; // value range of the key
    ForEachKeyLine(*s, [&](const TLine& line, std::size_t eq) {
        insertAt = line.Next;
        if (SameName(Trim(text.substr(line.Begin, eq - line.Begin)), wanted)) {
            found.emplace(eq + 1, line.End);
            return false;
        }
        return true;
    });
    if (found) {
        Text_.replace(found->first, found->second - found->first, SingleLine(value));
    } else {
        std::string line(LineEndBefore(insertAt));
        line += wanted + "=" + SingleLine(value) + "\r\n";
        Text_.insert(insertAt, line);
    }
    Index();
}

// Cuts every section of the name out of the text, last first so that the offsets of the
// earlier ones stay valid; the index is stale afterwards.
bool TProfileFile::CutSections(std::string_view section) {
    const std::string wanted = SingleLine(section);
    bool cut = false;
    for (auto it = Sections_.rbegin(); it != Sections_.rend(); ++it) {
        if (SameName(NameOf(*it), Trim(wanted))) {
            Text_.erase(it->Begin, it->End - it->Begin);
            cut = true;
        }
    }
    return cut;
}

bool TProfileFile::EraseSection(std::string_view section) {
    const bool erased = CutSections(section);
    if (erased) {
        Changed_ = true;
        Index();
    }
    return erased;
}

void TProfileFile::ReplaceSection(std::string_view section, const std::vector<TEntry>& entries) {
    CutSections(section);
    AppendSection(section, entries);
    Changed_ = true;
    Index();
}

void TProfileFile::ReplaceSections(
    const std::vector<std::pair<std::string, std::vector<TEntry>>>& sections) {
    const auto key = [](std::string_view name) { return LowerName(Trim(SingleLine(name))); };
    // The last entry of each name wins and stands where its last replacement would put it.
    std::unordered_map<std::string, std::size_t> last;
    for (std::size_t i = 0; i < sections.size(); ++i) {
        last[key(sections[i].first)] = i;
    }
    std::string text;
    text.reserve(Text_.size());
    text.append(Text_, 0, Sections_.empty() ? Text_.size() : Sections_.front().Begin);
    for (const TSection& s : Sections_) {
        if (!last.contains(key(NameOf(s)))) {
            text.append(Text_, s.Begin, s.End - s.Begin);
        }
    }
    Text_ = std::move(text);
    for (std::size_t i = 0; i < sections.size(); ++i) {
        if (last[key(sections[i].first)] == i) {
            AppendSection(sections[i].first, sections[i].second);
        }
    }
    Changed_ = true;
    Index();
}

bool TProfileFile::Load(const std::string& fileName) {
    Text_.clear();
    Sections_.clear();
    Changed_ = false;
    const int fd = ::open(fileName.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) {
        return errno == ENOENT || errno == ENOTDIR;
    }
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) &&
              static_cast<std::size_t>(st.st_size) <= MaxFileSize;
    if (ok) {
        // One read for the size known now; keep reading should the file have grown meanwhile.
        Text_.resize(static_cast<std::size_t>(st.st_size) + 1);
        std::size_t used = 0;
        while (true) {
            if (used == Text_.size()) {
                if (used > MaxFileSize) {
                    ok = false;
                    break;
                }
                Text_.resize(Text_.size() * 2);
            }
            const ssize_t n = ::read(fd, Text_.data() + used, Text_.size() - used);
            if (n < 0 && errno == EINTR) {
                continue;
            }
            if (n <= 0) {
                ok = n == 0;
                break;
            }
            used += static_cast<std::size_t>(n);
        }
        Text_.resize(used);
    }
    ::close(fd);
    if (!ok) {
        Text_.clear();
        return false;
    }
    Index();
    return true;
}

void TProfileFile::Save(const std::string& fileName) const {
    // Write beside the real file when the name is a symbolic link, so the link survives.
    std::string target = fileName;
    std::error_code ec;
    if (std::filesystem::is_symlink(fileName, ec)) {
        const auto resolved = std::filesystem::canonical(fileName, ec);
        if (!ec) {
            target = resolved.string();
        }
    }
    struct stat old {};
    const bool hadOld = ::stat(target.c_str(), &old) == 0;
    if (hadOld && ::access(target.c_str(), W_OK) != 0) {
        // Replacing the file would get round its write protection.
        throw TWriteError(fileName);
    }
    std::string temp;
    const int fd = CreateTempBeside(target, temp);
    if (fd < 0) {
        throw TWriteError(fileName);
    }
    bool ok = WriteAll(fd, Text_.data(), Text_.size());
    if (ok && hadOld) {
        // Keep the mode and owner of the file that is replaced: it is shared by all users.
        ::fchmod(fd, old.st_mode & 07777);
        if (::geteuid() == 0) {
            [[maybe_unused]] const int rc = ::fchown(fd, old.st_uid, old.st_gid);
        }
    }
    // The text must be on the disk before the name points at it, or a power cut could leave
    // an empty file in place of the old one.
    ok = ok && ::fsync(fd) == 0;
    ok = ::close(fd) == 0 && ok;
    ok = ok && ::rename(temp.c_str(), target.c_str()) == 0;
    if (!ok) {
        ::unlink(temp.c_str());
        throw TWriteError(fileName);
    }
    SyncFolderOf(target);
    RemoveStaleTempsOf(target);
}

std::string TProfileFile::ReadFileString(const std::string& fileName, std::string_view section,
                                         std::string_view key, std::string_view defaultValue) {
    TProfileFile file;
    if (!file.Load(fileName)) {
        return std::string(defaultValue);
    }
    return file.ReadString(section, key, defaultValue);
}

std::vector<std::string> TProfileFile::ReadFileSectionNames(const std::string& fileName) {
    TProfileFile file;
    file.Load(fileName);
    return file.SectionNames();
}

void TProfileFile::WriteFileString(const std::string& fileName, std::string_view section,
                                   std::string_view key, std::string_view value) {
    Modify(fileName, [&](TProfileFile& file) { file.WriteValue(section, key, value); });
}

void TProfileFile::Modify(const std::string& fileName,
                          const std::function<void(TProfileFile&)>& change,
                          std::chrono::milliseconds lockWait) {
    const TFileLock lock(fileName, TFileLock::TMode::Exclusive, lockWait);
    if (lock.Busy()) {
        throw TWriteError(fileName);
    }
    TProfileFile file;
    if (!file.Load(fileName)) {
        // Saving what could not be read would wipe the file.
        throw TWriteError(fileName);
    }
    change(file);
    if (file.Changed()) {
        file.Save(fileName);
    }
}

} // namespace sudoku
