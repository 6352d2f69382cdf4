// The window's four pages as this program composes them: Play & Solve, Enter & Design,
// My SuDoKus and Options, with the menus the two puzzle pages share.
#pragma once

#include "TMainForm.h"

namespace sudoku {

class TEnterNDesignBinding;
class TMySuDoKusBinding;
class TOptionsBinding;
class TPlayNSolveBinding;

// The page maker of the program's window: TMainForm form(&MakeAtelierPages, ...).
TMainForm::TPages MakeAtelierPages(TMainForm& form);

// Pages of a window made with MakeAtelierPages, by their own classes.
TPlayNSolveBinding& PlayNSolvePage(const TMainForm& form);
TEnterNDesignBinding& EnterNDesignPage(const TMainForm& form);
TMySuDoKusBinding& MySuDoKusPage(const TMainForm& form);
TOptionsBinding& OptionsPage(const TMainForm& form);

} // namespace sudoku
