// Translation of controls by tag.
#include "TComponentTranslator.h"

#include "LanguageTable.h"
#include "TBaseBtn.h"
#include "TFormBuilder.h"
#include "TransLtr.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QStackedWidget>
#include <QTabBar>
#include <QTabWidget>

namespace sudoku {

namespace {

QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// The control's caption, for the kinds that show one; false for the others.
bool SetCaption(QWidget* control, const QString& caption) {
    if (auto* button = qobject_cast<TBaseBtn*>(control)) {
        TFormBuilder::SetButtonCaption(button, caption);
    } else if (auto* label = qobject_cast<QLabel*>(control)) {
        label->setText(caption);
        TFormBuilder::FitText(label);
    } else if (auto* box = qobject_cast<QAbstractButton*>(control)) {
        box->setText(caption);
        TFormBuilder::FitText(box);
    } else if (auto* group = qobject_cast<QGroupBox*>(control)) {
        group->setTitle(caption);
    } else {
        return false;
    }
    return true;
}

template <typename Setter> void SetItems(const TranslatedItems& items, const Setter& set) {
    for (std::size_t i = 0; i < items.Items.size(); ++i) {
        if (items.Items[i]) {
            set(static_cast<int>(i), Q(*items.Items[i]));
        }
    }
}

} // namespace

void TComponentTranslator::TranslateComponents(QWidget* component, std::string_view section) {
    LanguageTable table;
    if (component == nullptr ||
        !table.Open(TransLtr::LanguageFileName(), section, TransLtr::LngID())) {
        return;
    }
    if (!component->isWindow()) {
        TranslateComponent(component, table);
        return;
    }
    const int ownTag = TFormBuilder::Tag(component);
    if (const auto own = ownTag > 0 ? table.Lookup(ownTag) : std::nullopt) {
        component->setWindowTitle(Q(own->Caption));
    }
    for (QWidget* control : component->findChildren<QWidget*>()) {
        TranslateComponent(control, table);
    }
}

void TComponentTranslator::TranslateMenu(QWidget* menu, const LanguageTable& table) {
    // Submenus are menus of their own; here their items in this menu are translated.
    for (QAction* item : menu->actions()) {
        const int tag = TFormBuilder::Tag(item);
        if (const auto row = tag > 0 ? table.Lookup(tag) : std::nullopt) {
            item->setText(Q(row->Caption));
            item->setToolTip(Q(row->Hint));
        }
    }
}

void TComponentTranslator::TranslateComponent(QWidget* control, const LanguageTable& table) {
    if (qobject_cast<QMenu*>(control) != nullptr) {
        TranslateMenu(control, table);
        return;
    }
    const int tag = TFormBuilder::Tag(control);
    if (tag < 1) {
        return;
    }
    if (const auto row = table.Lookup(tag)) {
        SetCaption(control, Q(row->Caption));
        control->setToolTip(Q(row->Hint));
        return;
    }
    if (auto* combo = qobject_cast<QComboBox*>(control)) {
        const TranslatedItems items = table.ListItems(tag, combo->count());
        SetItems(items, [combo](int i, const QString& text) { combo->setItemText(i, text); });
        if (items.Hint) {
            combo->setToolTip(Q(*items.Hint));
        }
    } else if (auto* list = qobject_cast<QListWidget*>(control)) {
        const TranslatedItems items = table.ListItems(tag, list->count());
        SetItems(items, [list](int i, const QString& text) { list->item(i)->setText(text); });
        if (items.Hint) {
            list->setToolTip(Q(*items.Hint));
        }
    } else if (auto* tabs = qobject_cast<QTabBar*>(control)) {
        const TranslatedItems items = table.ListItems(tag, tabs->count());
        SetItems(items, [tabs](int i, const QString& text) { tabs->setTabText(i, text); });
        if (items.Hint) {
            tabs->setToolTip(Q(*items.Hint));
        }
    } else if (auto* notebook = qobject_cast<QStackedWidget*>(control)) {
        SetItems(
            table.NotebookPages(tag, notebook->count()),
            [notebook](int i, const QString& text) { notebook->widget(i)->setWindowTitle(text); });
    } else if (auto* tabbed = qobject_cast<QTabWidget*>(control)) {
        SetItems(table.NotebookPages(tag, tabbed->count()),
                 [tabbed](int i, const QString& text) { tabbed->setTabText(i, text); });
    }
}

} // namespace sudoku
