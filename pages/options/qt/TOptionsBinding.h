// Binds the plain Options page to its sheet: the controls' changes reach the page's handlers,
// the page shows the record on the controls, and the window's moments (settings applied,
// language changed) reach the page.
#pragma once

#include "TOptionsPage.h"
#include "TOptionsSheet.h"
#include "TOptionsView.h"
#include "TShellPage.h"

#include <QObject>

#include <memory>

namespace sudoku {

class TMainForm;

class TOptionsBinding : public QObject, public TOptionsView, public TShellPage {
    Q_OBJECT
public:
    explicit TOptionsBinding(TMainForm& form);
    ~TOptionsBinding() override;

    // TShellPage: the settings were applied, the language changed.
    TOptionsSheet& Sheet() override { return *PageSheet; }
    void LoadSettings() override;
    void Retranslate() override;

    TOptionsPage& Page() { return *OptionsPage; }

    // TOptionsView
    void ShowColours(const TSuDoKuData& options) override;
    void ShowLevel(int level) override;
    void ShowAids(TSolveOptions boxes, bool contrastPuzzle, TDateTime timeLimit) override;
    void ShowScreenSize(int index) override;
    void ShowShortcut(bool ticked) override;
    std::string ShowDisplaySet(const std::string& name) override;
    void ShowListTexts(const std::array<std::string, 4>& levels, const std::string& automatic,
                       const std::string& ignore) override;
    void ShowLanguages(const std::vector<std::string>& names, int selected) override;
    std::optional<std::uint32_t> ChooseColour(std::uint32_t colour) override;
    std::optional<TFontPick> ChooseFont(const TFontPick& font) override;
    bool ShortcutExists() const override;
    void SetShortcut(bool present) override;
    void ScaleUp(int mode) override;
    void RecordChanged() override;
    void RefreshStatus() override;
    void ShowPlayLevel(int level) override;
    void SaveAndApplyOptions() override;
    std::string Translate(int number, const std::string& english) const override;

private:
    void Connect();

    TMainForm& Form;
    TOptionsSheet* PageSheet; // owned by the notebook
    std::unique_ptr<TOptionsPage> OptionsPage;
};

} // namespace sudoku
