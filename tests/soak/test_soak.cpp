// SPDX-License-Identifier: GPL-3.0-or-later
// The soak: thousands of random user events through the real main window,
// with the window and the game checked against the expected play after each.
// TENEBRIX_SOAK_EVENTS and TENEBRIX_SOAK_SECONDS bound it; the seed replays it.
#include <QAction>
#include <QElapsedTimer>
#include <QLabel>
#include <QRandomGenerator>
#include <QStatusBar>
#include <QTest>
#include <bit>
#include <tuple>

#include "Game.h"
#include "HangWatchdog.h"
#include "RandomUser.h"

using namespace tenebrix;
using namespace tenebrix::testing;

namespace {

// A hung event has far longer than this: the slowest, under the sanitizers,
// take milliseconds.
constexpr std::chrono::seconds kHangLimit{30};

// A whole number from the environment; `fallback` when unset or unusable.
quint32 fromEnvironment(const char* name, quint32 fallback) {
    if (!qEnvironmentVariableIsSet(name)) return fallback;
    bool ok = false;
    const quint32 value = qEnvironmentVariable(name).trimmed().toUInt(&ok);
    if (!ok) qWarning("soak: %s is not a whole number; using %u", name, fallback);
    return ok ? value : fallback;
}

// Each tile set has a pair of pictures, the lit one first.
int pictureIndex(int tileSet, bool lit) {
    return 2 * tileSet - (lit ? 1 : 0);
}

// The board the tile pictures show; -1 when a tile shows neither picture of
// the tile set.
qint64 boardShown(const SoakWindow& soak, int tileSet) {
    qint64 board = 0;
    for (int tile = 1; tile <= kTileCount; ++tile) {
        const int index = soak.tile(tile)->picture().index;
        if (index == pictureIndex(tileSet, true))
            board |= tileBit(tile);
        else if (index != pictureIndex(tileSet, false))
            return -1;
    }
    return board;
}

// The first disagreement between the window, the game and the expected
// play, or an empty string.
QString checkWindow(const SoakWindow& soak, const ExpectedPlay& expected) {
    const Game& game = soak.window->game();
    const TileSet toGo = tilesFlagged(game.moves(), &MoveRecord::moveToGo);
    const TileSet made = tilesFlagged(game.moves(), &MoveRecord::puzzleMove);
    bool isNumber = false;
    const qint64 counter =
        soak.control<QLabel>(QStringLiteral("lblMoves"))->text().toLongLong(&isNumber);
    int numbersShown = 0;
    for (int tile = 1; tile <= kTileCount; ++tile)
        numbersShown += soak.tileNumber(tile)->isVisible();
    const auto checked = [&soak](const char* action) {
        return soak.control<QAction>(QLatin1String(action))->isChecked();
    };
    const std::initializer_list<std::tuple<const char*, qint64, qint64>> agreements{
        {"the board shown", boardShown(soak, expected.tileSet), game.currentValue()},
        // What the hints rest on: pressing every move to go once darkens it.
        {"the board", game.currentValue(), xorOfMasks(expected.mode, toGo)},
        {"the moves to go", toGo, expected.movesToGo},
        {"the puzzle's moves", made, expected.puzzleMoves},
        {"the number of puzzle moves", std::popcount(static_cast<quint32>(made)), expected.level},
        {"the mode", game.settings().mode, expected.mode},
        {"the counter", isNumber ? counter : -1, expected.moves},
        {"the hint flag", game.hintUsed(), expected.hintUsed},
        {"the tile numbers shown", numbersShown, expected.tileNumbersShown ? kTileCount : 0},
        {"the Tile Numbers mark", checked("mnuTileNumbers"), expected.tileNumbersShown},
        {"the status bar shown", soak.window->statusBar()->isVisible(), expected.statusBarShown},
        {"the Status Bar mark", checked("mnuViewStatusBar"), expected.statusBarShown},
    };
    for (const auto& [what, found, wanted] : agreements) {
        if (found != wanted)
            return QStringLiteral("%1 is %2, expected %3")
                .arg(QLatin1String(what))
                .arg(found)
                .arg(wanted);
    }
    return {};
}

// The offscreen platform says this each time the status bar comes or goes;
// thousands of times it would bury the soak's own lines.
QtMessageHandler passOn = nullptr;
void dropSizeHintNotices(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text != QLatin1String("This plugin does not support propagateSizeHints()"))
        passOn(type, context, text);
}

}  // namespace

class SoakTest : public QObject {
    Q_OBJECT

  private slots:
    void randomPlayKeepsWindowAndGameInStep();
};

void SoakTest::randomPlayKeepsWindowAndGameInStep() {
    passOn = qInstallMessageHandler(dropSizeHintNotices);
    const quint32 seed =
        fromEnvironment("TENEBRIX_SOAK_SEED", QRandomGenerator::global()->generate());
    const quint32 events = fromEnvironment("TENEBRIX_SOAK_EVENTS", 6000);
    const qint64 milliseconds = fromEnvironment("TENEBRIX_SOAK_SECONDS", 60) * 1000LL;
    const QString replay = QStringLiteral("seed %1 (replay with TENEBRIX_SOAK_SEED=%1)").arg(seed);
    qInfo("soak: %s; up to %u events or %lld ms", qPrintable(replay), events, milliseconds);

    SoakWindow soak(seed);
    soak.window->show();
    QVERIFY2(QTest::qWaitForWindowExposed(soak.window.get()), qPrintable(replay));
    RandomUser user(soak, seed);
    HangWatchdog watchdog(kHangLimit, replay.toStdString());
    QElapsedTimer clock;
    clock.start();
    RandomUser::Event event{QStringLiteral("the window's first puzzle"), {}};
    quint32 made = 0;
    for (;;) {
        const QString problem =
            event.problem.isEmpty() ? checkWindow(soak, user.expected()) : event.problem;
        QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("%1\n  after event %2, %3; %4")
                                                   .arg(problem)
                                                   .arg(made)
                                                   .arg(event.what, replay)));
        if (made == events || clock.elapsed() >= milliseconds) break;
        watchdog.reached(static_cast<int>(++made));
        event = user.act();
    }
    qInfo("soak: %u events in %lld ms, %d wins, %d hints; %s", made,
          static_cast<long long>(clock.elapsed()), user.wins, user.hints, qPrintable(replay));
    QVERIFY2(made > 0 || events == 0, qPrintable(replay));
    qInstallMessageHandler(passOn);
}

QTEST_MAIN(SoakTest)
#include "test_soak.moc"
