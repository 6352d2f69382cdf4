// Language compiler: checks the set of languages and writes them as text tables.
#include "LanguageCompiler.h"

#include "LanguageFileWriter.h"
#include "LanguageTable.h"

#include <set>
#include <stdexcept>

namespace sudoku {

bool LanguageCompiler::Compile(const std::vector<LanguageDefinition>& languages,
                               std::vector<std::uint8_t>& bytes, std::vector<std::string>& errors) {
    const std::size_t errorsBefore = errors.size();
    std::set<int> numbers;
    std::set<std::string> names;
    LanguageFileWriter writer;
    std::vector<std::vector<std::string>> contents;
    for (const auto& language : languages) {
        if (!numbers.insert(language.Country).second) {
            errors.push_back("language number " + std::to_string(language.Country) +
                             " is used twice");
        }
        if (!names.insert(language.DisplayName).second) {
            errors.push_back("language name \"" + language.DisplayName + "\" is used twice");
        }
        contents.push_back({std::to_string(language.Country), language.DisplayName, language.Code});
    }
    try {
        writer.AddTable(std::string(LanguageTable::ContentsTable),
                        {std::string(LanguageTable::CountryColumn),
                         std::string(LanguageTable::NameColumn),
                         std::string(LanguageTable::CodeColumn)},
                        std::move(contents));
        for (const auto& language : languages) {
            for (const auto& section : language.Sections) {
                std::vector<std::vector<std::string>> rows;
                rows.reserve(section.Entries.size());
                for (const auto& entry : section.Entries) {
                    rows.push_back({std::to_string(entry.Tag), entry.Caption, entry.Hint});
                }
                writer.AddTable(LanguageTable::TableNameFor(section.Name, language.DisplayName),
                                {std::string(LanguageTable::TagColumn),
                                 std::string(LanguageTable::CaptionColumn),
                                 std::string(LanguageTable::HintColumn)},
                                std::move(rows));
            }
        }
        if (errors.size() == errorsBefore) {
            bytes = writer.Bytes();
        }
    } catch (const std::invalid_argument& error) {
        errors.push_back(error.what());
    }
    return errors.size() == errorsBefore;
}

std::vector<std::string> LanguageCompiler::MissingEntries(const LanguageDefinition& reference,
                                                          const LanguageDefinition& language) {
    std::vector<std::string> missing;
    for (const auto& section : reference.Sections) {
        const LanguageSection* other = language.Section(section.Name);
        std::set<int> tags;
        if (other != nullptr) {
            for (const auto& entry : other->Entries) {
                tags.insert(entry.Tag);
            }
        }
        for (const auto& entry : section.Entries) {
            if (tags.count(entry.Tag) == 0) {
                missing.push_back(section.Name + " " + std::to_string(entry.Tag));
            }
        }
    }
    return missing;
}

} // namespace sudoku
