// Binds the plain My SuDoKus page to its sheet and the window: button clicks and the list's
// selection reach the page; its list, details and enabling reach the controls; records it
// opens elsewhere go to the other pages through the window, its dialogs through TFormServices.
#pragma once

#include "TFormServices.h"
#include "TMySuDoKusPage.h"
#include "TMySuDoKusSheet.h"
#include "TMySuDoKusView.h"
#include "TShellPage.h"

#include <QObject>

#include <functional>
#include <memory>

namespace sudoku {

class TMainForm;

class TMySuDoKusBinding : public QObject, public TMySuDoKusView, public TShellPage {
    Q_OBJECT
public:
    // Filters of the file dialogs: profile files, then puzzle lines.
    static QString ProfileFileFilter();
    static QString PuzzleLinesFilter();

    explicit TMySuDoKusBinding(TMainForm& form);
    ~TMySuDoKusBinding() override;

    // TShellPage: opening the page builds the list anew.
    TMySuDoKusSheet& Sheet() override { return *PageSheet; }
    void Entered(bool wasShowing) override;
    void UpdateStatus() override;
    void Retranslate() override;

    TMySuDoKusPage& Page() { return *LibraryPage; }

    // TMySuDoKusView
    void ShowList(const std::vector<std::string>& entries) override;
    void SelectEntry(int index) override;
    void ShowDetails(const std::string& text) override;
    void SetEnabled(TMySuDoKusControl control, bool enabled) override;
    std::string OptionsLevelText(int level) const override;
    TFileChoice OpenFileDlg(const std::string& title, const std::string& folder) override;
    TFileChoice SaveFileDlg(const std::string& title, const std::string& folder,
                            const std::string& fileName) override;
    void OpenRecord(TRecordPage page, const std::string& fileName, const std::string& section,
                    bool replay) override;

private:
    // A handler from the window, followed by the status refresh of every page.
    void Run(const std::function<void()>& handler);
    void Connect();

    TMainForm& Form;
    TMySuDoKusSheet* PageSheet; // owned by the notebook
    TFormServices Services;
    std::unique_ptr<TMySuDoKusPage> LibraryPage;
    bool Showing = false; // the page is changing the list: its signals are not the user's
};

} // namespace sudoku
