// Binds the My SuDoKus sheet to the window: the status refresh enables its buttons by the
// list of stored puzzles.
#pragma once

#include "TMySuDoKusSheet.h"
#include "TShellPage.h"

namespace sudoku {

class TMainForm;

class TMySuDoKusBinding : public TShellPage {
public:
    explicit TMySuDoKusBinding(TMainForm& form);

    TMySuDoKusSheet& Sheet() override { return *PageSheet; }
    void UpdateStatus() override;

private:
    TMySuDoKusSheet* PageSheet; // owned by the notebook
};

} // namespace sudoku
