// Items of the solutions menu.
#include "TSolutionsPopupMenu.h"

#include <algorithm>

namespace sudoku {

TSolutionsPopupMenu::TSolutionsPopupMenu(QWidget* parent) : QMenu(parent) {
    setObjectName(QStringLiteral("SolutionsPopupMenu"));
}

void TSolutionsPopupMenu::SetSolutions(int count, const QString& solutionText) {
    clear();
    for (int i = 1; i <= std::min(count, MaxItems); ++i) {
        const QString name = QStringLiteral("Solution_%1").arg(i);
        QAction* item = addAction(solutionText + QLatin1Char(' ') + QString::number(i));
        item->setObjectName(name);
        connect(item, &QAction::triggered, this, [this, name] { emit SolutionChosen(name); });
    }
    emit SolutionsChanged(static_cast<int>(actions().size()));
}

void TSolutionsPopupMenu::PopupBelow(QWidget* button) {
    popup(button->mapToGlobal(QPoint(0, button->height())));
}

} // namespace sudoku
