// Items of the grid popup menu and their captions per display set.
#include "TSuDoKuGridPopupMenu.h"

#include "TCellInput.h"
#include "TDisplaySets.h"

namespace sudoku {

namespace {

QString ItemName(int value, bool note) {
    return QString::fromStdString(TCellInput::MenuItemName(value, note));
}

} // namespace

TSuDoKuGridPopupMenu::TSuDoKuGridPopupMenu(QWidget* parent) : QMenu(parent) {
    setObjectName(QStringLiteral("SuDoKuGridPopupMenu"));
    AddItem(this, ItemName(0, false), QStringLiteral("[ ]"));
    for (int v = 1; v <= 16; ++v)
        AddItem(this, ItemName(v, false), QString());
    PencilNoteMenu = addMenu(QStringLiteral("Pencil Note"));
    PencilNoteMenu->setObjectName(QStringLiteral("PencilNote"));
    QAction* clearNotes = AddItem(PencilNoteMenu, ItemName(0, true), QStringLiteral("[ ]"));
    clearNotes->setVisible(false);
    clearNotes->setEnabled(false);
    for (int v = 1; v <= 16; ++v)
        AddItem(PencilNoteMenu, ItemName(v, true), QString());
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
        QAction* value = Item(ItemName(v, false));
        QAction* note = Item(ItemName(v, true));
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
