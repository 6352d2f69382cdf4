// The write and the name question of Save.
#include "RecordSaving.h"

#include "SuDoKuText.h"
#include "TWriteError.h"

#include <optional>

namespace sudoku {

namespace {

// The section a save by the user writes to; nothing when nothing is to be written.
std::optional<std::string> AskSaveSection(TWindowServices& window, const std::string& fileName,
                                          const std::string& section, const std::string& userName,
                                          const TSuDoKuFileData& rec) {
    const auto text = [&window](int tag, const char* english) {
        return window.Translate(tag, english);
    };
    const std::string shown = DisplayNameOf(rec.Name);
    const std::string answer = TrimBlanks(
        window.EditDlg(text(30, "Save SuDoku as...") + "\n\n" + text(31, "Please enter a name"),
                       text(20, "Ok"), text(21, "Cancel"), shown));
    if (answer.empty() || UnsafeDisplayName(answer))
        return std::nullopt;
    if (answer == shown)
        return section;
    const auto at = section.find('@');
    const std::string prefix = at == std::string::npos ? userName + "@" : section.substr(0, at + 1);
    const std::string renamed = prefix + answer;
    if (SectionExistsInFile(fileName, renamed) &&
        !window.MsgDlg("\"" + answer + text(32, "\" already exists, overwrite existing SuDoKu?"),
                       text(22, "Yes"), text(23, "No")))
        return std::nullopt;
    return renamed;
}

// Writes rec to section of fileName; a failed write is shown and gives false.
bool WriteRecord(TWindowServices& window, const std::string& fileName, const std::string& section,
                 const TSuDoKuFileData& rec) {
    try {
        return WriteSuDoKuFileData(fileName, section, rec);
    } catch (const TWriteError& error) {
        window.ShowWriteError(error.what());
        return false;
    }
}

} // namespace

void SaveRecord(TWindowServices& window, const std::string& fileName, std::string section,
                const std::string& userName, TSuDoKuFileData& rec, bool interactive) {
    if (rec.Name.empty())
        rec.Name = DefaultRecordName(userName, rec.Tc);
    if (section.empty())
        section = rec.Name;
    if (!interactive) {
        WriteRecord(window, fileName, section, rec);
    } else if (const auto target = AskSaveSection(window, fileName, section, userName, rec)) {
        const std::string oldName = rec.Name;
        if (*target != section)
            rec.Name = *target;
        if (!WriteRecord(window, fileName, *target, rec))
            rec.Name = oldName;
    }
}

} // namespace sudoku
