// The My SuDoKus page: list, details, rename, delete, opening on the other pages, and the
// moves of puzzles between the library and other files.
#include "TMySuDoKusPage.h"

#include "Levels.h"
#include "LibraryTransfer.h"
#include "SuDoKuState.h"
#include "SuDoKuText.h"
#include "TSectionCopy.h"
#include "TWriteError.h"

#include <algorithm>
#include <filesystem>

namespace sudoku {

namespace {

constexpr const char* CrLf = "\r\n";

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

unsigned char LowerByte(char c) {
    return static_cast<unsigned char>(Lower(c));
}

// The list's order: by bytes without regard to the case of ASCII letters (so UTF-8 letters
// beyond ASCII come after "z"), names that differ in case alone in byte order.
bool ListOrder(const std::string& a, const std::string& b) {
    const auto lower = [](char x, char y) { return LowerByte(x) < LowerByte(y); };
    if (std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), lower))
        return true;
    if (std::lexicographical_compare(b.begin(), b.end(), a.begin(), a.end(), lower))
        return false;
    return a < b;
}

bool SameEntry(const std::string& a, const std::string& b) {
    return TProfileFile::SameName(a, b);
}

// Puzzle lines by the file's extension; a file of another extension by the filter chosen.
bool IsPuzzleLineFile(const TFileChoice& choice) {
    std::string extension = std::filesystem::path(choice.FileName).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(), Lower);
    if (extension == ".txt" || extension == ".sdm")
        return true;
    return extension != ".rsf" && choice.PuzzleLines;
}

} // namespace

TMySuDoKusPage::TMySuDoKusPage(TMySuDoKusView& view, TWindowServices& window, TSharedState& shared)
    : View(view), Window(window), Shared(shared) {
    InitSuDoKuFileData(MySuDoKusRecord);
}

std::string TMySuDoKusPage::Text(int tag, const char* english) const {
    return Window.Translate(tag, english);
}

bool TMySuDoKusPage::Busy() const {
    return HasFlag(Shared.SuDoKuState, sfLoading | sfSaving | sfThinking | sfValidating);
}

std::string TMySuDoKusPage::DataFolder() const {
    return std::filesystem::path(Shared.LibraryFile).parent_path().string();
}

std::string TMySuDoKusPage::BackupFile() const {
    return (std::filesystem::path(Shared.LibraryFile).parent_path() / "sudoku.bak").string();
}

// ---- List and details ----------------------------------------------------------------------

void TMySuDoKusPage::FillMySuDoKusList() {
    List.clear();
    const std::string prefix = Prefix();
    for (const std::string& section : ReadSectionNamesOfFile(Shared.LibraryFile)) {
        if (BelongsToUser(section, Shared.UserName))
            List.push_back(section.substr(prefix.size()));
    }
    std::sort(List.begin(), List.end(), ListOrder);
    // Names that differ in letter case alone are one section to the file.
    List.erase(std::unique(List.begin(), List.end(), SameEntry), List.end());
    ShowListAndSelect(-1);
}

void TMySuDoKusPage::ShowListAndSelect(int index) {
    View.ShowList(List);
    if (List.empty()) {
        SelectedIndex = -1;
        RecordShown = false;
        View.SelectEntry(-1);
        View.ShowDetails(std::string());
        return;
    }
    MySuDoKusListClick(index < 0 ? 0 : index);
}

int TMySuDoKusPage::InsertEntry(const std::string& entry) {
    const auto at = std::lower_bound(List.begin(), List.end(), entry, ListOrder);
    return static_cast<int>(List.insert(at, entry) - List.begin());
}

void TMySuDoKusPage::MySuDoKusListClick(int index) {
    if (HasFlag(Shared.SuDoKuState, sfLoading))
        return;
    const TSuDoKuState before = Shared.SuDoKuState;
    Shared.SuDoKuState |= sfLoading;
    SelectedIndex = index >= 0 && index < static_cast<int>(List.size()) ? index : -1;
    View.SelectEntry(SelectedIndex);
    RecordShown = false;
    std::string details;
    if (SelectedIndex >= 0) {
        TSuDoKuFileData rec;
        const std::string section = SelectedSection();
        if (ReadSuDoKuFileData(Shared.LibraryFile, section, rec)) {
            MySuDoKusRecord = rec;
            RecordSection = section;
            RecordShown = true;
            details = DetailsText(rec);
        }
    }
    View.ShowDetails(details);
    Shared.SuDoKuState = before;
}

std::string TMySuDoKusPage::DetailsText(const TSuDoKuFileData& rec) const {
    std::string origin = (rec.O & orGenerated) != 0      ? Text(71001, "Marlbrook")
                         : (rec.O & orSelfDesigned) != 0 ? Text(71002, "Self Designed")
                                                         : "?";
    if ((rec.O & orImported) != 0)
        origin += Text(71003, " (imported)");
    std::string status;
    switch (rec.S) {
    case 1:
    case 2:
        status = Text(71004, "Playing");
        break;
    case 3:
        status = Text(71005, "Solution");
        break;
    case 4:
    case 5:
        status = Text(71006, "Designing");
        break;
    default:
        break;
    }
    // A stored level outside the level list has no name.
    const std::string level = rec.L < LevelCount ? View.OptionsLevelText(rec.L) : "?";
    const auto counter = [](std::int32_t value) { return IntToStrRight(value, 3); };
    return Text(71007, "Created ") + DefaultDisplayName(rec.Tc) + CrLf + Text(71008, "Level ") +
           level + " " + std::to_string(rec.Nc) + "x" + std::to_string(rec.Nr) + " " +
           Text(71009, " (Time Limit ") + FormatDateTime("hh:mm:ss", rec.Tptm) + ")" + CrLf +
           Text(71010, "Time Played ") + FormatDateTime("hh:mm:ss", rec.Tpt) + CrLf +
           Text(71011, "Origin ") + origin + CrLf + Text(71012, "Status ") + status + CrLf + CrLf +
           counter(rec.Sn) + Text(71013, " Entries      ") + "\t" + counter(rec.Sp) +
           Text(71014, " Pauses       ") + "\t" + counter(rec.Sh) + Text(71015, " Hints        ") +
           CrLf + counter(rec.Se) + Text(71016, " Errors       ") + "\t" + counter(rec.Sr) +
           Text(71017, " Restarts     ") + "\t" + counter(rec.Sa) + Text(71018, " Alternatives ");
}

void TMySuDoKusPage::Retranslate() {
    if (RecordShown)
        View.ShowDetails(DetailsText(MySuDoKusRecord));
}

// ---- Rename and delete ---------------------------------------------------------------------

template <typename Write> bool TMySuDoKusPage::TryWrite(Write&& write) {
    try {
        write();
        return true;
    } catch (const TWriteError& error) {
        Window.ShowWriteError(error.what());
        return false;
    }
}

void TMySuDoKusPage::MySuDoKusRenameBtnClick() {
    // Only the record shown for the selected entry is renamed: another one (the last entry
    // shown before it vanished from the file) would be written under the new name.
    if (!RecordShown || Busy())
        return;
    Shared.SuDoKuState |= sfSaving;
    const std::string oldName = List[SelectedIndex];
    const std::string answer = TrimBlanks(Window.EditDlg(
        Text(30, "Save SuDoku as...") + CrLf + CrLf + Text(31, "Please enter a name"),
        Text(20, "Ok"), Text(21, "Cancel"), oldName));
    std::string target = RecordSection;
    bool go = !answer.empty() && !UnsafeDisplayName(answer);
    if (go && answer != oldName) {
        target = Prefix() + answer;
        go =
            !SectionExistsInFile(Shared.LibraryFile, target) ||
            Window.MsgDlg("\"" + answer + Text(32, "\" already exists, overwrite existing SuDoKu?"),
                          Text(22, "Yes"), Text(23, "No"));
    }
    if (go && TryWrite([&] {
            RenameSuDoKu(Shared.LibraryFile, RecordSection, target, MySuDoKusRecord);
        })) {
        // The old entry and any entry the new name replaced give way to the new name, in the
        // letter case it was given.
        std::erase_if(List, [&](const std::string& entry) {
            return SameEntry(entry, oldName) || SameEntry(entry, answer);
        });
        ShowListAndSelect(InsertEntry(answer));
    }
    Shared.SuDoKuState &= static_cast<TSuDoKuState>(~sfSaving);
}

void TMySuDoKusPage::MySuDoKusDeleteBtnClick() {
    if (!RecordShown || Busy())
        return;
    Shared.SuDoKuState |= sfSaving;
    const std::string name = List[SelectedIndex];
    if (Window.MsgDlg(Text(34, "Delete \"") + name + "\"?", Text(22, "Yes"), Text(23, "No")) &&
        SectionExistsInFile(Shared.LibraryFile, RecordSection)) {
        if (EraseSectionInFile(Shared.LibraryFile, RecordSection)) {
            List.erase(List.begin() + SelectedIndex);
            ShowListAndSelect(-1);
        } else {
            Window.ShowWriteError("Unable to write to " + Shared.LibraryFile);
        }
    }
    Shared.SuDoKuState &= static_cast<TSuDoKuState>(~sfSaving);
}

// ---- Opening on the other pages ------------------------------------------------------------

void TMySuDoKusPage::OpenSelected(TRecordPage page, bool replay) {
    if (SelectedIndex < 0 || Busy())
        return;
    View.OpenRecord(page, Shared.LibraryFile, SelectedSection(), replay);
}

void TMySuDoKusPage::MySuDoKusPlayNSolveBtnClick() {
    OpenSelected(TRecordPage::PlayNSolve, false);
}

void TMySuDoKusPage::MySuDoKusReplayNSolveBtnClick() {
    OpenSelected(TRecordPage::PlayNSolve, true);
}

void TMySuDoKusPage::MySuDoKusEnterNDesignBtnClick() {
    OpenSelected(TRecordPage::EnterNDesign, false);
}

// ---- Import, export, backup and restore ----------------------------------------------------

std::string TMySuDoKusPage::ImportReport(const std::string& fileName,
                                         const TPuzzleLineCounts& counts) const {
    return fileName + CrLf + CrLf + Text(71019, "Imported puzzles: ") +
           std::to_string(counts.Imported) + CrLf + Text(71020, "Lines without a solution: ") +
           std::to_string(counts.Unsolvable) + CrLf +
           Text(71021, "Lines with several solutions: ") + std::to_string(counts.Ambiguous) + CrLf +
           Text(71022, "Malformed lines: ") + std::to_string(counts.Malformed);
}

void TMySuDoKusPage::MySuDoKusImportBtnClick() {
    if (Busy())
        return;
    const TFileChoice choice = View.OpenFileDlg(Text(35, "Import SuDoku puzzle(s)"), DataFolder());
    if (choice.FileName.empty())
        return;
    if (IsPuzzleLineFile(choice)) {
        TPuzzleLineCounts counts;
        if (TryWrite([&] {
                counts = ImportPuzzleLines(choice.FileName, Shared.LibraryFile, Shared.UserName,
                                           Window.Now(), Shared.Options.TimeLimit);
            }))
            Window.ShowMessage(
                ImportReport(std::filesystem::path(choice.FileName).filename().string(), counts));
    } else {
        TryWrite([&] { ImportProfileFile(choice.FileName, Shared.LibraryFile, Shared.UserName); });
    }
    FillMySuDoKusList();
}

void TMySuDoKusPage::Export(int titleTag, const char* title, const char* fileName,
                            const std::vector<std::string>& sections) {
    const TFileChoice choice = View.SaveFileDlg(Text(titleTag, title), DataFolder(), fileName);
    if (choice.FileName.empty())
        return;
    TryWrite([&] {
        if (choice.PuzzleLines)
            ExportPuzzleLines(Shared.LibraryFile, choice.FileName, sections);
        else
            ExportSections(Shared.LibraryFile, choice.FileName, sections);
    });
}

void TMySuDoKusPage::MySuDoKusExportBtnClick() {
    if (List.empty() || SelectedIndex < 0 || Busy())
        return;
    Export(36, "Export SuDoku puzzle", "sudoku.rsf", {SelectedSection()});
}

void TMySuDoKusPage::MySuDoKusExportAllBtnClick() {
    if (List.empty() || Busy())
        return;
    // In the order of the library file, not of the list.
    Export(37, "Export SuDoku puzzles", "sudokus.rsf",
           UserSectionsOfFile(Shared.LibraryFile, Shared.UserName));
}

void TMySuDoKusPage::MySuDoKusBackupAllBtnClick() {
    if (List.empty() || Busy())
        return;
    if (!Window.MsgDlg(Text(761, "Create a backup off all SuDoku puzzles? A previous backup will "
                                 "be overwritten."),
                       Text(10000, "Yes"), Text(10001, "No")))
        return;
    TryWrite([&] { CopyUserSections(Shared.LibraryFile, BackupFile(), Shared.UserName); });
}

void TMySuDoKusPage::MySuDoKusRestoreAllBtnClick() {
    if (Busy())
        return;
    if (!Window.MsgDlg(Text(766, "Restore SuDoku puzzles from latest backup? Current SuDoku "
                                 "puzzles will be overwritten."),
                       Text(10000, "Yes"), Text(10001, "No")))
        return;
    TryWrite([&] { CopyUserSections(BackupFile(), Shared.LibraryFile, Shared.UserName); });
    FillMySuDoKusList();
}

// ---- Status --------------------------------------------------------------------------------

void TMySuDoKusPage::UpdateStatus() {
    const bool idle = !Busy();
    const bool selected = idle && SelectedIndex >= 0;
    const bool shown = selected && RecordShown;
    const bool filled = idle && !List.empty();
    using C = TMySuDoKusControl;
    for (const C control : {C::PlayNSolve, C::ReplayNSolve, C::EnterNDesign, C::Export})
        View.SetEnabled(control, selected);
    View.SetEnabled(C::Rename, shown);
    View.SetEnabled(C::Delete, shown);
    View.SetEnabled(C::ExportAll, filled);
    View.SetEnabled(C::BackupAll, filled);
    View.SetEnabled(C::Import, idle);
    View.SetEnabled(C::RestoreAll, idle);
}

} // namespace sudoku
