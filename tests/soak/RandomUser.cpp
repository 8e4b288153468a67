// SPDX-License-Identifier: GPL-3.0-or-later
// A player who does random things to the main window.
#include "RandomUser.h"

#include <QAction>
#include <QScrollBar>
#include <algorithm>
#include <array>

#include "Game.h"

namespace tenebrix::testing {

namespace {

enum class Command { Hint, NewPuzzle, Reset, TileNumbers, StatusBar };

// The menu item of each command, and its button where it has one.
constexpr std::array<std::pair<const char*, const char*>, 5> kCommandControls{{
    {"mnuHint", "cmdHint"},
    {"mnuFileNew", "cmdNewPuzzle"},
    {"mnuReset", "cmdReset"},
    {"mnuTileNumbers", nullptr},
    {"mnuViewStatusBar", nullptr},
}};

struct SettingBar {
    const char* name;
    int ExpectedPlay::*setting;
    bool makesNewPuzzle;
};
constexpr std::array<SettingBar, 3> kSettingBars{{
    {"ScrollTileSet", &ExpectedPlay::tileSet, false},
    {"ScrollMode", &ExpectedPlay::mode, true},
    {"ScrollLevel", &ExpectedPlay::level, true},
}};

QString unexpected(const std::vector<ShownMessage>& shown) {
    if (shown.empty()) return {};
    return QStringLiteral("an unexpected message: \"%1\"")
        .arg(QString::fromStdString(shown.front().first.text));
}

QString pointText(QPoint at) {
    return QStringLiteral("(%1, %2)").arg(at.x()).arg(at.y());
}

}  // namespace

RandomUser::RandomUser(SoakWindow& soak, std::uint32_t seed) : soak_(soak), chance_(seed) {
    // The first puzzle was made while the window loaded.
    adoptNewPuzzle();
}

RandomUser::Event RandomUser::act() {
    // Few events that replace the puzzle, so that puzzles get won.
    static const std::array<double, 4> weights{45, 35, 12, 8};
    static constexpr std::array<Event (RandomUser::*)(), 4> kinds{
        &RandomUser::clickTile, &RandomUser::movePointer, &RandomUser::giveCommand,
        &RandomUser::scroll};
    std::discrete_distribution<std::size_t> kind(weights.begin(), weights.end());
    return (this->*kinds[kind(chance_)])();
}

RandomUser::Event RandomUser::clickTile() {
    // Most clicks are moves to go, as from a player who knows the way.
    int tile = pick(1, kTileCount);
    if (expected_.movesToGo != 0 && pick(1, 8) > 1)
        while ((expected_.movesToGo & tileBit(tile)) == 0) tile = pick(1, kTileCount);
    const QPoint at = pointIn(soak_.tile(tile)->rect());
    expected_.movesToGo ^= tileBit(tile);
    ++expected_.moves;
    QTest::mouseClick(soak_.tile(tile), Qt::LeftButton, {}, at);

    Event event{QStringLiteral("click on picTile(%1) at %2").arg(tile).arg(pointText(at)), {}};
    const auto shown = takeMessages();
    const bool won = xorOfMasks(expected_.mode, expected_.movesToGo) == kSolvedBoard;
    if (!won) {
        event.problem = unexpected(shown);
    } else if (shown.size() != 1 || shown.front().first.title != "Congratulations") {
        event.problem =
            QStringLiteral("the board went dark with %1 messages, not the win's").arg(shown.size());
    } else {
        ++wins;
        // Only the level-up offer can be answered Yes.
        if (shown.front().second == MessageAnswer::Yes) ++expected_.level;
        adoptNewPuzzle();
    }
    return event;
}

// Over the board (tiles, the gaps between them and the numbers in those
// gaps), Frame1's bare area, or a button.
RandomUser::Event RandomUser::movePointer() {
    static const std::array<const char*, 3> buttons{"cmdHint", "cmdNewPuzzle", "cmdReset"};
    QWidget* area = soak_.tile(1)->parentWidget();
    QPoint at;
    const int where = pick(0, 3);
    if (where < 2) {
        at = pointIn(soak_.tile(1)->geometry().united(soak_.tileNumber(kTileCount)->geometry()));
    } else if (where == 2) {
        area = soak_.control(QStringLiteral("Frame1"));
        for (int tries = 0; tries < 100 && (tries == 0 || area->childAt(at)); ++tries)
            at = pointIn(area->rect());
    } else {
        area = soak_.control(QLatin1String(buttons[static_cast<std::size_t>(pick(0, 2))]));
        at = pointIn(area->rect());
    }
    QTest::mouseMove(soak_.window->windowHandle(), area->mapTo(soak_.window.get(), at));
    return {QStringLiteral("pointer to %1 at %2").arg(area->objectName(), pointText(at)),
            unexpected(takeMessages())};
}

RandomUser::Event RandomUser::giveCommand() {
    const auto command =
        static_cast<Command>(pick(0, static_cast<int>(kCommandControls.size()) - 1));
    const auto [action, button] = kCommandControls[static_cast<std::size_t>(command)];
    Event event;
    if (button && pick(0, 1) == 0) {
        event.what = QStringLiteral("click on %1").arg(QLatin1String(button));
        QTest::mouseClick(soak_.control(QLatin1String(button)), Qt::LeftButton);
    } else {
        event.what = QStringLiteral("menu %1").arg(QLatin1String(action));
        soak_.control<QAction>(QLatin1String(action))->trigger();
    }
    const auto shown = takeMessages();
    event.problem = command == Command::Hint ? checkHint(shown) : unexpected(shown);
    if (command == Command::NewPuzzle) adoptNewPuzzle();
    if (command == Command::Reset) {
        // The counter starts again; the hint flag survives.
        expected_.movesToGo = expected_.puzzleMoves;
        expected_.moves = 0;
    }
    if (command == Command::TileNumbers) expected_.tileNumbersShown ^= true;
    if (command == Command::StatusBar) expected_.statusBarShown ^= true;
    return event;
}

// Every puzzle in play has a move to go (the last one wins and replaces the
// puzzle), so a hint always names one.
QString RandomUser::checkHint(const std::vector<ShownMessage>& shown) {
    if (shown.size() != 1) return QStringLiteral("a hint showed %1 messages").arg(shown.size());
    const QString text = QString::fromStdString(shown.front().first.text);
    bool isNumber = false;
    const int tile = text.section(QLatin1Char(' '), -1).toInt(&isNumber);
    if (!isNumber || !isTile(tile) || (expected_.movesToGo & tileBit(tile)) == 0)
        return QStringLiteral("the hint \"%1\" names no move to go").arg(text);
    ++hints;
    expected_.hintUsed = true;
    expected_.tileNumbersShown = true;
    return {};
}

// Dragged to a random value, or one step by a click at either end, where the
// arrows are.
RandomUser::Event RandomUser::scroll() {
    const SettingBar& setting = kSettingBars[static_cast<std::size_t>(pick(0, 2))];
    auto* bar = soak_.control<QScrollBar>(QLatin1String(setting.name));
    int& value = expected_.*setting.setting;
    const int before = value;
    Event event;
    if (pick(0, 2) == 0) {
        value = pick(bar->minimum(), bar->maximum());
        event.what = QStringLiteral("%1 set to %2").arg(QLatin1String(setting.name)).arg(value);
        bar->setValue(value);
    } else {
        const bool up = pick(0, 1) == 1;
        value = std::clamp(before + (up ? 1 : -1), bar->minimum(), bar->maximum());
        const QPoint at(up ? bar->width() - 2 : 1, bar->height() / 2);
        event.what =
            QStringLiteral("click on %1 at %2").arg(QLatin1String(setting.name), pointText(at));
        QTest::mouseClick(bar, Qt::LeftButton, {}, at);
    }
    if (setting.makesNewPuzzle && value != before) adoptNewPuzzle();
    event.problem = unexpected(takeMessages());
    return event;
}

// Which tiles a new puzzle presses is chance; the checks hold the game to
// everything that follows from them.
void RandomUser::adoptNewPuzzle() {
    const MoveRecord& record = soak_.window->game().moves();
    expected_.puzzleMoves = expected_.movesToGo = tilesFlagged(record, &MoveRecord::puzzleMove);
    expected_.moves = 0;
    expected_.hintUsed = false;
}

}  // namespace tenebrix::testing
