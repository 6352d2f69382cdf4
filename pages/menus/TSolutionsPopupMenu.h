// The menu of the distinct solutions the solver found for a puzzle with more than one: items
// "Solution_1" to "Solution_n" (at most 10), offered by "Solution" and "Complete".
#pragma once

#include <QMenu>

namespace sudoku {

class TSolutionsPopupMenu : public QMenu {
    Q_OBJECT
public:
    static constexpr int MaxItems = 10;

    explicit TSolutionsPopupMenu(QWidget* parent = nullptr);

    // Replaces the items by count of them (cut to MaxItems), captioned solutionText + " " + i.
    void SetSolutions(int count, const QString& solutionText);
    void PopupBelow(QWidget* button);

signals:
    void SolutionChosen(const QString& itemName);
    // The items were replaced; count is how many there are now.
    void SolutionsChanged(int count);
};

} // namespace sudoku
