// The grid's right-click menu: "[ ]" and the values 1 to 16 (items N01, N11 .. NG1) and the
// "Pencil Note" submenu with the same values as notes (P12 .. PG2; its "[ ]" P02 is hidden).
#pragma once

#include <QMenu>

namespace sudoku {

class TDisplaySets;

class TSuDoKuGridPopupMenu : public QMenu {
    Q_OBJECT
public:
    explicit TSuDoKuGridPopupMenu(QWidget* parent = nullptr);

    QMenu* PencilNote() const { return PencilNoteMenu; }
    QAction* Item(const QString& itemName) const;
    // Captions and visibility of the value items for the display set and grid size.
    void ApplyDisplaySet(const TDisplaySets& sets, int gridSize);
    // The submenu is offered on the Play & Solve page only.
    void SetPencilNotesOffered(bool offered);

signals:
    void ItemChosen(const QString& itemName);

private:
    QAction* AddItem(QMenu* menu, const QString& name, const QString& caption);

    QMenu* PencilNoteMenu = nullptr;
};

} // namespace sudoku
