// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menu bar.
#include "MainMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace tenebrix::qt {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("MainMenu", text);
}

// Ctrl with the letter; Qt's letter keys are numbered as their capitals.
// Shown beside the item; the window's rules run it (WindowKeys.h).
QKeySequence shortcutOf(const forms::MenuItem& entry) {
    if (entry.ctrlShortcut == 0) return {};
    return QKeySequence(Qt::CTRL | static_cast<Qt::Key>(entry.ctrlShortcut));
}

QAction* addItem(QMenu* menu, const forms::MenuItem& entry) {
    QAction* item = entry.isSeparator() ? menu->addSeparator() : menu->addAction(tr(entry.caption));
    item->setObjectName(QLatin1String(entry.name));
    item->setShortcut(shortcutOf(entry));
    item->setCheckable(entry.checkable);
    item->setChecked(entry.checkedAtStart);
    return item;
}

}  // namespace

MainMenu::MainMenu(QMenuBar* bar) {
    for (std::size_t m = 0; m < forms::kMainMenu.size(); ++m) {
        const forms::Menu& entry = forms::kMainMenu[m];
        QMenu* menu = bar->addMenu(tr(entry.caption));
        menu->setObjectName(QLatin1String(entry.name));
        menus_[m] = menu;
        for (const forms::MenuItem& itemEntry : entry.items) {
            QAction* action = addItem(menu, itemEntry);
            if (!itemEntry.isSeparator())
                items_[static_cast<std::size_t>(itemEntry.command)] = action;
        }
    }
}

QAction* MainMenu::item(forms::MenuCommand command) const {
    const auto at = static_cast<std::size_t>(command);
    return at < items_.size() ? items_[at] : nullptr;
}

QMenu* MainMenu::menu(const forms::Menu& menu) const {
    for (std::size_t m = 0; m < forms::kMainMenu.size(); ++m) {
        if (&forms::kMainMenu[m] == &menu) return menus_[m];
    }
    return nullptr;
}

}  // namespace tenebrix::qt
