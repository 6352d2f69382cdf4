// Items of the grid popup menu and their captions per display set.
#include "TSuDoKuGridPopupMenu.h"

#include "TDisplaySets.h"

namespace sudoku {

namespace {

// Symbol character of the item names: "1".."9" then "A".."G" for 10..16.
QChar NameSymbol(int value) {
    return value <= 9 ? QChar('0' + value) : QChar('A' + value - 10);
}

// "N" + symbol + "1" for a value item, "P" + symbol + "2" for a pencil-note item.
QString ItemName(char kind, int value) {
    return QString(QChar(kind)) + NameSymbol(value) + QChar(kind == 'N' ? '1' : '2');
}

} // namespace

TSuDoKuGridPopupMenu::TSuDoKuGridPopupMenu(QWidget* parent) : QMenu(parent) {
    setObjectName(QStringLiteral("SuDoKuGridPopupMenu"));
    AddItem(this, QStringLiteral("N01"), QStringLiteral("[ ]"));
    for (int v = 1; v <= 16; ++v)
        AddItem(this, ItemName('N', v), QString());
    PencilNoteMenu = addMenu(QStringLiteral("Pencil Note"));
    PencilNoteMenu->setObjectName(QStringLiteral("PencilNote"));
    QAction* clearNotes = AddItem(PencilNoteMenu, QStringLiteral("P02"), QStringLiteral("[ ]"));
    clearNotes->setVisible(false);
    clearNotes->setEnabled(false);
    for (int v = 1; v <= 16; ++v)
        AddItem(PencilNoteMenu, ItemName('P', v), QString());
}

QAction* TSuDoKuGridPopupMenu::AddItem(QMenu* menu, const QString& name, const QString& caption) {
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    connect(item, &QAction::triggered, this, [this, name] { emit ItemChosen(name); });
    return item;
}

QAction* TSuDoKuGridPopupMenu::Item(const QString& itemName) const {
    for (QAction* action : actions() + PencilNoteMenu->actions())
        if (action->objectName() == itemName)
            return action;
    return nullptr;
}

void TSuDoKuGridPopupMenu::ApplyDisplaySet(const TDisplaySets& sets, int gridSize) {
    const QList<QPixmap>& icons = sets.IconList16x16();
    for (int v = 1; v <= 16; ++v) {
        QAction* value = Item(ItemName('N', v));
        QAction* note = Item(ItemName('P', v));
        value->setText(sets.ValueCaption(v, gridSize));
        note->setText(sets.NoteCaption(v, gridSize));
        const bool visible = TDisplaySets::ItemVisible(v, gridSize);
        value->setVisible(visible);
        note->setVisible(visible);
        value->setIcon(v < icons.size() ? QIcon(icons[v]) : QIcon());
    }
}

void TSuDoKuGridPopupMenu::SetPencilNotesOffered(bool offered) {
    PencilNoteMenu->menuAction()->setVisible(offered);
    PencilNoteMenu->menuAction()->setEnabled(offered);
}

} // namespace sudoku
