// Composition of the window from its pages.
#include "AtelierPages.h"

#include "TEnterNDesignBinding.h"
#include "TMySuDoKusBinding.h"
#include "TOptionsBinding.h"
#include "TPlayNSolveBinding.h"
#include "TPuzzleMenus.h"

namespace sudoku {

TMainForm::TPages MakeAtelierPages(TMainForm& form) {
    // A child of the window, like the menus it holds.
    auto* menus = new TPuzzleMenus(form);
    return {std::make_unique<TPlayNSolveBinding>(form, *menus),
            std::make_unique<TEnterNDesignBinding>(form, *menus),
            std::make_unique<TMySuDoKusBinding>(form), std::make_unique<TOptionsBinding>(form)};
}

TPlayNSolveBinding& PlayNSolvePage(const TMainForm& form) {
    return static_cast<TPlayNSolveBinding&>(form.Page(TMainForm::pgPlayNSolve));
}

TEnterNDesignBinding& EnterNDesignPage(const TMainForm& form) {
    return static_cast<TEnterNDesignBinding&>(form.Page(TMainForm::pgEnterNDesign));
}

TMySuDoKusBinding& MySuDoKusPage(const TMainForm& form) {
    return static_cast<TMySuDoKusBinding&>(form.Page(TMainForm::pgMySuDoKus));
}

TOptionsBinding& OptionsPage(const TMainForm& form) {
    return static_cast<TOptionsBinding&>(form.Page(TMainForm::pgOptions));
}

} // namespace sudoku
