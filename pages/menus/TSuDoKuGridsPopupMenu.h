// The grid-shape menu of both "New" buttons: "3 x 3 (Pure Sudoku)" and the "Variants" submenu
// of the other 18 box shapes, each item named "S" + box width + "X" + box height.
#pragma once

#include <QMenu>

namespace sudoku {

class TSuDoKuGridsPopupMenu : public QMenu {
    Q_OBJECT
public:
    explicit TSuDoKuGridsPopupMenu(QWidget* parent = nullptr);

    QMenu* Variants() const { return VariantsMenu; }
    // The item of a shape by its name, or nullptr.
    QAction* Item(const QString& itemName) const;
    // Opens the menu at the button's left edge, just below it.
    void PopupBelow(QWidget* button);

signals:
    void ShapeChosen(const QString& itemName);

private:
    QMenu* VariantsMenu = nullptr;
};

} // namespace sudoku
