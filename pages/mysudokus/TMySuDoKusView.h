// What the My SuDoKus page needs from the window: its list, details and buttons, the file
// dialogs and the other pages that open a record (dialogs, texts and time come through
// TWindowServices). The Qt layer implements it.
#pragma once

#include <string>
#include <vector>

namespace sudoku {

enum class TMySuDoKusControl {
    PlayNSolve,
    ReplayNSolve,
    EnterNDesign,
    Rename,
    Delete,
    Import,
    Export,
    ExportAll,
    BackupAll,
    RestoreAll,
};

// The pages a library record can be opened on.
enum class TRecordPage { PlayNSolve, EnterNDesign };

// A file chosen in a file dialog (empty when cancelled), and whether it was chosen as a file
// of puzzle lines rather than a profile file.
struct TFileChoice {
    std::string FileName;
    bool PuzzleLines = false;
};

class TMySuDoKusView {
public:
    virtual ~TMySuDoKusView() = default;

    // The list shows these entries in this order; index -1 selects none.
    virtual void ShowList(const std::vector<std::string>& entries) = 0;
    virtual void SelectEntry(int index) = 0;
    virtual void ShowDetails(const std::string& text) = 0;
    virtual void SetEnabled(TMySuDoKusControl control, bool enabled) = 0;
    // The name of a level as the Options page lists it.
    virtual std::string OptionsLevelText(int level) const = 0;

    // The open and save dialogs (title, starting folder, proposed file name).
    virtual TFileChoice OpenFileDlg(const std::string& title, const std::string& folder) = 0;
    virtual TFileChoice SaveFileDlg(const std::string& title, const std::string& folder,
                                    const std::string& fileName) = 0;

    // Shows the page and opens the record there; replay starts a game again from its givens.
    virtual void OpenRecord(TRecordPage page, const std::string& fileName,
                            const std::string& section, bool replay) = 0;
};

} // namespace sudoku
