// SPDX-License-Identifier: GPL-3.0-or-later
// The screen reader's view of a board tile.
#include "BoardTileAccessible.h"

#include "BoardTile.h"

namespace tenebrix::qt {

namespace {

QAccessibleInterface* boardTileInterface(const QString& className, QObject* object) {
    if (className != QLatin1String(BoardTile::staticMetaObject.className())) return nullptr;
    auto* tile = qobject_cast<BoardTile*>(object);
    return tile ? new BoardTileAccessible(tile) : nullptr;
}

}  // namespace

// The name is the widget's accessible name, which the tile keeps current.
BoardTileAccessible::BoardTileAccessible(BoardTile* tile)
    : QAccessibleWidget(tile, QAccessible::Button) {}

BoardTile* BoardTileAccessible::tile() const {
    return static_cast<BoardTile*>(widget());
}

QStringList BoardTileAccessible::actionNames() const {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
}

void BoardTileAccessible::doAction(const QString& actionName) {
    if (actionName == pressAction())
        tile()->press();
    else
        QAccessibleWidget::doAction(actionName);
}

QStringList BoardTileAccessible::keyBindingsForAction(const QString& actionName) const {
    if (actionName == pressAction()) return {QStringLiteral("Space")};
    return QAccessibleWidget::keyBindingsForAction(actionName);
}

void installBoardTileAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(&boardTileInterface);
        return true;
    }();
    Q_UNUSED(installed);
}

}  // namespace tenebrix::qt
