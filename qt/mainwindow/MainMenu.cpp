// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menu bar.
#include "MainMenu.h"

#include <QAction>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include "Captions.h"

namespace tenebrix::qt {

namespace {

// The shortcut as the player's language writes it ("Ctrl+H"). Qt reads it
// into its own key sequence, which it shows beside the item and tells a
// screen reader; one Qt cannot read is shown beside the item as written.
// Either way the window's rules run the key (WindowKeys.h).
void setShortcutOf(QAction* item, const forms::MenuItem& entry) {
    const QString written = QString::fromStdString(ui::shortcutOf(entry));
    if (written.isEmpty()) return;
    const QKeySequence read = QKeySequence::fromString(written, QKeySequence::NativeText);
    if (read.count() == 1 && read.toString(QKeySequence::NativeText) == written) {
        item->setShortcut(read);
        return;
    }
    item->setText(item->text() + u'\t' + written);
}

QAction* addItem(QMenu* menu, const forms::MenuItem& entry) {
    QAction* item = entry.isSeparator()
                        ? menu->addSeparator()
                        : menu->addAction(QString::fromStdString(ui::captionOf(entry)));
    item->setObjectName(QLatin1String(entry.name));
    setShortcutOf(item, entry);
    item->setCheckable(entry.checkable);
    item->setChecked(entry.checkedAtStart);
    return item;
}

}  // namespace

MainMenu::MainMenu(QMenuBar* bar) {
    for (std::size_t m = 0; m < forms::kMainMenu.size(); ++m) {
        const forms::Menu& entry = forms::kMainMenu[m];
        QMenu* menu = bar->addMenu(QString::fromStdString(ui::captionOf(entry)));
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
