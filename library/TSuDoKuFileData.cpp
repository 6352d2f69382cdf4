// Encoding of TSuDoKuFileData as profile-file keys and the file operations of the store.
#include "TSuDoKuFileData.h"

#include "SuDoKuText.h"
#include "TWriteError.h"

#include <algorithm>
#include <filesystem>

namespace sudoku {

namespace {

const std::string* FindValue(const std::vector<TProfileFile::TEntry>& entries,
                             std::string_view key) {
    for (const TProfileFile::TEntry& e : entries) {
        if (TProfileFile::SameName(e.Key, key)) {
            return &e.Value;
        }
    }
    return nullptr;
}

} // namespace

void InitSuDoKuFileData(TSuDoKuFileData& rec) {
    rec = TSuDoKuFileData{};
}

std::vector<TProfileFile::TEntry> SuDoKuFileDataEntries(const TSuDoKuFileData& rec) {
    std::vector<TProfileFile::TEntry> e;
    e.reserve(24);
    const auto add = [&](std::string_view key, std::string value) {
        e.push_back({std::string(key), std::move(value)});
    };
    add("Name", rec.Name);
    add("Tc", DateTimeToHex(rec.Tc));
    add("L", std::to_string(rec.L));
    if ((rec.O & orGenerated) != 0) {
        add("O", std::string(OriginGeneratedText));
    } else if ((rec.O & orSelfDesigned) != 0) {
        add("O", std::string(OriginSelfDesignedText));
    }
    add("I", (rec.O & orImported) != 0 ? "1" : "0");
    add("Nc", std::to_string(rec.Nc));
    add("Nr", std::to_string(rec.Nr));
    add("M1", rec.M1);
    add("M2", rec.M2);
    add("M3", rec.M3);
    add("M4", rec.M4);
    add("Tpts", DateTimeToHex(rec.Tpts));
    add("Tptl", DateTimeToHex(rec.Tptl));
    add("Tpt", DateTimeToHex(rec.Tpt));
    add("Tptm", DateTimeToHex(rec.Tptm));
    add("Sn", std::to_string(rec.Sn));
    add("Sp", std::to_string(rec.Sp));
    add("Sh", std::to_string(rec.Sh));
    add("Se", std::to_string(rec.Se));
    add("Sr", std::to_string(rec.Sr));
    add("Sa", std::to_string(rec.Sa));
    add("U", rec.U);
    // A key of its own, which readers that do not know it pass over.
    if (!rec.R.empty()) {
        add("R", rec.R);
    }
    add("S", std::to_string(rec.S));
    return e;
}

bool ReadSuDoKuFileData(const TProfileFile& file, std::string_view section, TSuDoKuFileData& rec) {
    InitSuDoKuFileData(rec);
    if (!file.HasSection(section)) {
        return false;
    }
    const std::vector<TProfileFile::TEntry> entries = file.ReadSection(section);
    const auto text = [&](std::string_view key, const std::string& current) {
        const std::string* v = FindValue(entries, key);
        return v != nullptr ? *v : current;
    };
    const auto time = [&](std::string_view key) {
        const std::string* v = FindValue(entries, key);
        return v != nullptr ? HexToDateTime(*v) : 0.0;
    };
    const auto integer = [&](std::string_view key, std::int32_t current) {
        const std::string* v = FindValue(entries, key);
        return v != nullptr ? TextToIntDef(*v, current) : current;
    };

    rec.Name = text("Name", rec.Name);
    rec.Tc = time("Tc");
    rec.O = 0;
    if (const std::string* o = FindValue(entries, "O")) {
        if (*o == OriginGeneratedText) {
            rec.O |= orGenerated;
        } else if (*o == OriginSelfDesignedText) {
            rec.O |= orSelfDesigned;
        }
    }
    if (integer("I", 0) != 0) {
        rec.O |= orImported;
    }
    rec.L = static_cast<std::uint8_t>(integer("L", rec.L));
    rec.Nc = integer("Nc", rec.Nc);
    rec.Nr = integer("Nr", rec.Nr);
    rec.M1 = text("M1", rec.M1);
    rec.M2 = text("M2", rec.M2);
    rec.M3 = text("M3", rec.M3);
    rec.M4 = text("M4", rec.M4);
    rec.Tpts = time("Tpts");
    rec.Tptl = time("Tptl");
    rec.Tpt = time("Tpt");
    rec.Tptm = time("Tptm");
    rec.Sn = integer("Sn", rec.Sn);
    rec.Sp = integer("Sp", rec.Sp);
    rec.Sh = integer("Sh", rec.Sh);
    rec.Se = integer("Se", rec.Se);
    rec.Sr = integer("Sr", rec.Sr);
    rec.Sa = integer("Sa", rec.Sa);
    rec.U = text("U", rec.U);
    rec.R = text("R", rec.R);
    rec.S = static_cast<std::uint8_t>(integer("S", rec.S));
    return true;
}

void WriteSuDoKuFileData(TProfileFile& file, std::string_view section, const TSuDoKuFileData& rec) {
    file.ReplaceSection(section, SuDoKuFileDataEntries(rec));
}

bool ReadSuDoKuFileData(const std::string& fileName, std::string_view section,
                        TSuDoKuFileData& rec) {
    TProfileFile file;
    if (!file.Load(fileName)) {
        InitSuDoKuFileData(rec);
        return false;
    }
    return ReadSuDoKuFileData(file, section, rec);
}

bool WriteSuDoKuFileData(const std::string& fileName, std::string_view section,
                         const TSuDoKuFileData& rec) {
    TProfileFile::Modify(fileName,
                         [&](TProfileFile& file) { WriteSuDoKuFileData(file, section, rec); });
    return true;
}

bool SectionExistsInFile(const std::string& fileName, std::string_view section) {
    TProfileFile file;
    return file.Load(fileName) && file.HasSection(section);
}

bool EraseSectionInFile(const std::string& fileName, std::string_view section) {
    std::error_code ec;
    if (!std::filesystem::exists(fileName, ec)) {
        return false;
    }
    try {
        TProfileFile::Modify(fileName, [&](TProfileFile& file) { file.EraseSection(section); });
    } catch (const TWriteError&) {
        return false;
    }
    return !SectionExistsInFile(fileName, section);
}

std::vector<std::string> ReadSectionNamesOfFile(const std::string& fileName) {
    return TProfileFile::ReadFileSectionNames(fileName);
}

void RenameSuDoKu(const std::string& fileName, std::string_view oldSection,
                  std::string_view newSection, TSuDoKuFileData& rec) {
    TSuDoKuFileData renamed = rec;
    renamed.Name = std::string(newSection);
    TProfileFile::Modify(fileName, [&](TProfileFile& file) {
        // Sections match without regard to case: a change of case alone is one replacement,
        // erasing the old name afterwards would erase the new section too.
        WriteSuDoKuFileData(file, newSection, renamed);
        if (!TProfileFile::SameName(oldSection, newSection)) {
            file.EraseSection(oldSection);
        }
    });
    rec = std::move(renamed);
}

std::string DisplayNameOf(std::string_view section) {
    const std::size_t at = section.find('@');
    return std::string(at == std::string_view::npos ? section : section.substr(at + 1));
}

bool UnsafeDisplayName(std::string_view name) {
    return std::any_of(name.begin(), name.end(), [](char c) {
        return c == '[' || c == ']' || static_cast<unsigned char>(c) < 0x20;
    });
}

bool BelongsToUser(std::string_view section, std::string_view userName) {
    return section.size() > userName.size() && section.starts_with(userName) &&
           section[userName.size()] == '@';
}

} // namespace sudoku
