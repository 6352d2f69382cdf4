// Builds the shape menu from the engine's table of box shapes.
#include "TSuDoKuGridsPopupMenu.h"

#include "SuDoKuTypes.h"
#include "TFormBuilder.h"

namespace sudoku {

TSuDoKuGridsPopupMenu::TSuDoKuGridsPopupMenu(QWidget* parent) : QMenu(parent) {
    setObjectName(QStringLiteral("SuDoKuGridsPopupMenu"));
    const auto add = [this](QMenu* menu, const TBoxShape& shape) {
        QAction* item = menu->addAction(
            QString::fromUtf8(shape.Caption.data(), static_cast<int>(shape.Caption.size())));
        const QString name =
            QString::fromUtf8(shape.ItemName.data(), static_cast<int>(shape.ItemName.size()));
        item->setObjectName(name);
        connect(item, &QAction::triggered, this, [this, name] { emit ShapeChosen(name); });
    };
    add(this, BoxShapes.front());
    TFormBuilder::SetTag(actions().front(), 450);
    VariantsMenu = addMenu(QStringLiteral("Variants"));
    TFormBuilder::SetTag(VariantsMenu->menuAction(), 460);
    VariantsMenu->setObjectName(QStringLiteral("Variants"));
    for (std::size_t i = 1; i < BoxShapes.size(); ++i)
        add(VariantsMenu, BoxShapes[i]);
}

QAction* TSuDoKuGridsPopupMenu::Item(const QString& itemName) const {
    for (QAction* action : actions() + VariantsMenu->actions())
        if (action->objectName() == itemName)
            return action;
    return nullptr;
}

void TSuDoKuGridsPopupMenu::PopupBelow(QWidget* button) {
    popup(button->mapToGlobal(QPoint(0, button->height())));
}

} // namespace sudoku
