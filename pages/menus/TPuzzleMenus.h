// The menus the two puzzle pages share: the grid-shape menu behind both "New" buttons, the
// solutions menu behind "Solution" and "Complete", and the grids' right-click menu, whose
// "Pencil Note" submenu is offered on the Play & Solve page only.
#pragma once

#include <QObject>

namespace sudoku {

class TMainForm;
class TSolutionsPopupMenu;
class TSuDoKuGridPopupMenu;
class TSuDoKuGridsPopupMenu;

class TPuzzleMenus : public QObject {
    Q_OBJECT
public:
    // The menus and this object are children of the window.
    explicit TPuzzleMenus(TMainForm& form);

    TSuDoKuGridsPopupMenu& Shapes() const { return *ShapeMenu; }
    TSolutionsPopupMenu& Solutions() const { return *SolutionsMenu; }
    TSuDoKuGridPopupMenu& Grid() const { return *GridMenu; }

private:
    TSuDoKuGridsPopupMenu* ShapeMenu;
    TSolutionsPopupMenu* SolutionsMenu;
    TSuDoKuGridPopupMenu* GridMenu;
};

} // namespace sudoku
