// The My SuDoKus page as plain logic: the sorted list of the user's stored puzzles with the
// details of the one selected; renaming, deleting and opening it on the other pages; import,
// export, backup and restore. It reaches the window through TMySuDoKusView and
// TWindowServices.
#pragma once

#include "PuzzleLineFile.h"
#include "TMySuDoKusView.h"
#include "TSharedState.h"
#include "TSuDoKuFileData.h"
#include "TWindowServices.h"

#include <string>
#include <vector>

namespace sudoku {

class TMySuDoKusPage {
public:
    TMySuDoKusPage(TMySuDoKusView& view, TWindowServices& window, TSharedState& shared);

    // The page is opened: the list is built anew and its first entry shown.
    void FillMySuDoKusList();
    // An entry of the list is selected (-1: none): its record is read and its details shown.
    void MySuDoKusListClick(int index);

    void MySuDoKusRenameBtnClick();
    void MySuDoKusDeleteBtnClick();
    void MySuDoKusPlayNSolveBtnClick();
    void MySuDoKusReplayNSolveBtnClick();
    void MySuDoKusEnterNDesignBtnClick();

    void MySuDoKusImportBtnClick();
    void MySuDoKusExportBtnClick();
    void MySuDoKusExportAllBtnClick();
    void MySuDoKusBackupAllBtnClick();
    void MySuDoKusRestoreAllBtnClick();

    // Enables the buttons by the list and the state flags.
    void UpdateStatus();
    // The language changed: the details are built again.
    void Retranslate();

    // The details text of a record, line by line with CR LF.
    std::string DetailsText(const TSuDoKuFileData& rec) const;
    // The message after a puzzle-line import.
    std::string ImportReport(const std::string& fileName, const TPuzzleLineCounts& counts) const;
    // Files beside the library: the backup and the dialogs' starting folder.
    std::string BackupFile() const;
    std::string DataFolder() const;

    const std::vector<std::string>& Entries() const { return List; }
    int Selected() const { return SelectedIndex; }
    const TSuDoKuFileData& Record() const { return MySuDoKusRecord; }

private:
    std::string Prefix() const { return Shared.UserName + "@"; }
    std::string SelectedSection() const { return Prefix() + List[SelectedIndex]; }
    bool Busy() const;
    // The list shown anew with the entry at index selected (-1: the first, if any).
    void ShowListAndSelect(int index);
    // The entry's position in the sorted list once it is put there.
    int InsertEntry(const std::string& entry);
    // Runs a write; a failure is shown in the error box. True when it succeeded.
    template <typename Write> bool TryWrite(Write&& write);
    void OpenSelected(TRecordPage page, bool replay);
    void Export(int titleTag, const char* title, const char* fileName,
                const std::vector<std::string>& sections);
    std::string Text(int tag, const char* english) const;

    TMySuDoKusView& View;
    TWindowServices& Window;
    TSharedState& Shared;

    std::vector<std::string> List; // display names, sorted without regard to letter case
    int SelectedIndex = -1;
    // The entry last read for the details and the section it was read from. Rename and Delete
    // act on it only while it is the selected entry's.
    TSuDoKuFileData MySuDoKusRecord;
    std::string RecordSection;
    bool RecordShown = false;
};

} // namespace sudoku
