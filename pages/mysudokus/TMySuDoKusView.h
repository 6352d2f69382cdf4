// What the My SuDoKus page needs from the window: its list, details and buttons, the dialogs,
// the other pages that open a record, and the time. The Qt layer implements it; tests fake it.
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

    // Dialogs: text entry (empty unless confirmed), yes/no, a message with one button, and
    // the open and save dialogs (title, starting folder, proposed file name).
    virtual std::string EditDlg(const std::string& prompt, const std::string& okCaption,
                                const std::string& cancelCaption, const std::string& text) = 0;
    virtual bool MsgDlg(const std::string& text, const std::string& yesCaption,
                        const std::string& noCaption) = 0;
    virtual void ShowMessage(const std::string& text) = 0;
    virtual TFileChoice OpenFileDlg(const std::string& title, const std::string& folder) = 0;
    virtual TFileChoice SaveFileDlg(const std::string& title, const std::string& folder,
                                    const std::string& fileName) = 0;

    // Shows the page and opens the record there; replay starts a game again from its givens.
    virtual void OpenRecord(TRecordPage page, const std::string& fileName,
                            const std::string& section, bool replay) = 0;

    // Translated text by tag, with its English default; the moment now (days since
    // 30 December 1899).
    virtual std::string Translate(int tag, const std::string& english) const = 0;
    virtual double Now() const = 0;
};

} // namespace sudoku
