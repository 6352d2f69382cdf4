// Parser of the readable language source; strict, so that a typing error in a translation
// stops the build instead of silently dropping a text.
#include "LanguageSource.h"

#include "TextCodec.h"

#include <charconv>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <set>

namespace sudoku {

namespace {

constexpr std::string_view LanguageHeader = "Language";
constexpr std::size_t MaxSourceSize = 16u * 1024u * 1024u;

bool ParseNumber(std::string_view text, int& value) {
    if (text.empty() || text.front() == '+' || text.front() == '-') {
        return false;
    }
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    return result.ec == std::errc() && result.ptr == text.data() + text.size();
}

std::vector<std::string_view> SplitTabs(std::string_view line) {
    std::vector<std::string_view> fields;
    std::size_t start = 0;
    while (true) {
        const std::size_t tab = line.find('\t', start);
        fields.push_back(line.substr(start, tab == std::string_view::npos ? tab : tab - start));
        if (tab == std::string_view::npos) {
            return fields;
        }
        start = tab + 1;
    }
}

bool IsSectionName(std::string_view name) {
    if (name.empty()) {
        return false;
    }
    for (char c : name) {
        const bool letter = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
        const bool digit = c >= '0' && c <= '9';
        if (!letter && !digit && c != '_') {
            return false;
        }
    }
    return true;
}

} // namespace

const LanguageSection* LanguageDefinition::Section(std::string_view name) const {
    for (const auto& section : Sections) {
        if (section.Name == name) {
            return &section;
        }
    }
    return nullptr;
}

bool LanguageSource::IsValidUtf8(std::string_view text) {
    return sudoku::IsValidUtf8(text);
}

bool LanguageSource::Unescape(std::string_view text, std::string& out) {
    out.clear();
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] != '\\') {
            out += text[i];
            continue;
        }
        if (++i == text.size()) {
            return false;
        }
        switch (text[i]) {
        case 't':
            out += '\t';
            break;
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 's':
            out += ' ';
            break;
        case '\\':
            out += '\\';
            break;
        default:
            return false;
        }
    }
    return true;
}

bool LanguageSource::Parse(std::string_view text, std::string_view origin, LanguageDefinition& out,
                           std::vector<std::string>& errors) {
    out = LanguageDefinition{};
    const std::size_t errorsBefore = errors.size();
    int lineNumber = 0;
    auto fail = [&](const std::string& message) {
        errors.push_back(std::string(origin) + ":" + std::to_string(lineNumber) + ": " + message);
    };
    if (!IsValidUtf8(text)) {
        fail("the file is not valid UTF-8");
        return false;
    }
    if (text.substr(0, 3) == "\xEF\xBB\xBF") {
        text.remove_prefix(3);
    }

    std::string currentSection;
    std::set<std::string> seenSections;
    std::set<int> seenTags;
    std::set<std::string> seenKeys;
    while (!text.empty()) {
        ++lineNumber;
        const std::size_t newline = text.find('\n');
        std::string_view line = text.substr(0, newline);
        text.remove_prefix(newline == std::string_view::npos ? text.size() : newline + 1);
        if (!line.empty() && line.back() == '\r') {
            line.remove_suffix(1);
        }
        if (line.empty() || line.front() == '#') {
            continue;
        }
        if (line.front() == '[') {
            if (line.back() != ']' || !IsSectionName(line.substr(1, line.size() - 2))) {
                fail("a section header must be [Name] of letters, digits and '_'");
                continue;
            }
            currentSection = std::string(line.substr(1, line.size() - 2));
            if (!seenSections.insert(currentSection).second) {
                fail("section [" + currentSection + "] appears twice");
            }
            if (currentSection != LanguageHeader) {
                out.Sections.push_back({currentSection, {}});
                seenTags.clear();
            }
            continue;
        }
        const std::vector<std::string_view> fields = SplitTabs(line);
        if (currentSection.empty()) {
            fail("text before the first section header");
            continue;
        }
        if (currentSection == LanguageHeader) {
            if (fields.size() != 2) {
                fail("expected key<TAB>value");
                continue;
            }
            const std::string key(fields[0]);
            if (!seenKeys.insert(key).second) {
                fail("key " + key + " appears twice");
            }
            if (key == "iCountry") {
                if (!ParseNumber(fields[1], out.Country)) {
                    fail("iCountry must be a decimal number");
                }
            } else if (key == "sCountry") {
                out.DisplayName = std::string(fields[1]);
            } else if (key == "sLanguage") {
                out.Code = std::string(fields[1]);
            } else {
                fail("unknown key " + key);
            }
            continue;
        }
        if (fields.size() < 2 || fields.size() > 3) {
            fail("expected tag<TAB>caption or tag<TAB>caption<TAB>hint");
            continue;
        }
        LanguageEntry entry;
        if (!ParseNumber(fields[0], entry.Tag)) {
            fail("the tag must be a decimal number");
            continue;
        }
        if (!Unescape(fields[1], entry.Caption) ||
            (fields.size() == 3 && !Unescape(fields[2], entry.Hint))) {
            fail("unknown escape; use \\t, \\n, \\r, \\s or \\\\");
            continue;
        }
        if (!seenTags.insert(entry.Tag).second) {
            fail("tag " + std::to_string(entry.Tag) + " appears twice in [" + currentSection + "]");
            continue;
        }
        out.Sections.back().Entries.push_back(std::move(entry));
    }
    lineNumber = 0;
    if (seenKeys.count("iCountry") == 0 || out.DisplayName.empty() || out.Code.empty()) {
        fail("[Language] needs iCountry, sCountry and sLanguage");
    }
    return errors.size() == errorsBefore;
}

bool LanguageSource::ParseFile(const std::filesystem::path& fileName, LanguageDefinition& out,
                               std::vector<std::string>& errors) {
    std::ifstream file(fileName, std::ios::binary);
    if (!file) {
        errors.push_back(fileName.string() + ": cannot be read");
        return false;
    }
    std::string text;
    char buffer[65536];
    while (file.read(buffer, sizeof buffer) || file.gcount() > 0) {
        text.append(buffer, static_cast<std::size_t>(file.gcount()));
        if (text.size() > MaxSourceSize) {
            errors.push_back(fileName.string() + ": too large for a language source");
            return false;
        }
    }
    return Parse(text, fileName.filename().string(), out, errors);
}

} // namespace sudoku
