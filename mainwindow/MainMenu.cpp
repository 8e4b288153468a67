// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's menu bar.
#include "MainMenu.h"

#include <QAction>
#include <QCoreApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

namespace tenebrix::ui {

namespace {

// Captions are marked with QT_TRANSLATE_NOOP where they are written and
// translated here.
QString tr(const char* text) {
    return QCoreApplication::translate("MainMenu", text);
}

QMenu* addMenu(QMenuBar* bar, const char* name, const char* title) {
    QMenu* menu = bar->addMenu(tr(title));
    menu->setObjectName(QLatin1String(name));
    return menu;
}

QAction* addItem(QMenu* menu, const char* name, const char* caption,
                 const QKeySequence& shortcut = {}) {
    QAction* item = menu->addAction(tr(caption));
    item->setObjectName(QLatin1String(name));
    item->setShortcut(shortcut);
    return item;
}

QAction* addCheckItem(QMenu* menu, const char* name, const char* caption, bool checked) {
    QAction* item = addItem(menu, name, caption);
    item->setCheckable(true);
    item->setChecked(checked);
    return item;
}

void addBar(QMenu* menu, const char* name) {
    menu->addSeparator()->setObjectName(QLatin1String(name));
}

}  // namespace

MainMenu buildMainMenu(QMenuBar* bar) {
    MainMenu menu{};
    // The hint is the File menu's first item; there is no Hint menu.
    menu.mnuFile = addMenu(bar, "mnuFile", QT_TRANSLATE_NOOP("MainMenu", "&File"));
    menu.mnuHint = addItem(menu.mnuFile, "mnuHint", QT_TRANSLATE_NOOP("MainMenu", "&Hint"),
                           QKeySequence(Qt::CTRL | Qt::Key_H));
    menu.mnuFileNew =
        addItem(menu.mnuFile, "mnuFileNew", QT_TRANSLATE_NOOP("MainMenu", "&New Puzzle"),
                QKeySequence(Qt::CTRL | Qt::Key_N));
    menu.mnuReset =
        addItem(menu.mnuFile, "mnuReset", QT_TRANSLATE_NOOP("MainMenu", "&Reset Puzzle"),
                QKeySequence(Qt::CTRL | Qt::Key_R));
    addBar(menu.mnuFile, "mnuFileBar1");
    menu.mnuFileExit = addItem(menu.mnuFile, "mnuFileExit", QT_TRANSLATE_NOOP("MainMenu", "E&xit"));

    menu.mnuView = addMenu(bar, "mnuView", QT_TRANSLATE_NOOP("MainMenu", "&View"));
    menu.mnuViewStatusBar = addCheckItem(menu.mnuView, "mnuViewStatusBar",
                                         QT_TRANSLATE_NOOP("MainMenu", "Status &Bar"), true);
    menu.mnuTileNumbers = addCheckItem(menu.mnuView, "mnuTileNumbers",
                                       QT_TRANSLATE_NOOP("MainMenu", "&Tile Numbers"), false);

    menu.mnuHelp = addMenu(bar, "mnuHelp", QT_TRANSLATE_NOOP("MainMenu", "&Help"));
    menu.mnuHelpContents =
        addItem(menu.mnuHelp, "mnuHelpContents", QT_TRANSLATE_NOOP("MainMenu", "How to Play"));
    addBar(menu.mnuHelp, "mnuHelpBar1");
    menu.mnuHelpAbout =
        addItem(menu.mnuHelp, "mnuHelpAbout", QT_TRANSLATE_NOOP("MainMenu", "&About Tenebrix..."));
    return menu;
}

}  // namespace tenebrix::ui
