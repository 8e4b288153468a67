// SPDX-License-Identifier: GPL-3.0-or-later
// The soak: thousands of random user events through the real main window,
// each checked: the game keeps its rules, the window shows what the game
// holds, and a click plays the tile clicked.
#include <QAction>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QScrollBar>
#include <tuple>

#include "MainWindowFixture.h"
#include "PictureBox.h"
#include "TilePictures.h"

using namespace tenebrix;
using namespace tenebrix::testing;

namespace {

// A whole number from the environment; `fallback` when unset or unusable.
quint32 fromEnvironment(const char* name, quint32 fallback) {
    bool ok = false;
    const quint32 value = qEnvironmentVariable(name).trimmed().toUInt(&ok);
    if (qEnvironmentVariableIsSet(name) && !ok) qWarning("soak: %s is no whole number", name);
    return ok ? value : fallback;
}

// The first place where the window does not show what the game holds, or
// the first rule of the game broken.
QString checkWindow(const MainWindowFixture& soak) {
    const Game& game = soak.window->game();
    const Settings& settings = game.settings();
    const auto bar = [&](const char* name) { return soak.control<QScrollBar>(name)->value(); };
    bool isNumber = false;
    const qint64 counter = soak.caption("lblMoves").toLongLong(&isNumber);
    std::vector<std::tuple<QString, qint64, qint64>> shownAndHeld{
        {"the counter", isNumber ? counter : -1, game.moveCount()},
        {"ScrollTileSet", bar("ScrollTileSet"), settings.tileSet},
        {"ScrollMode", bar("ScrollMode"), settings.mode},
        {"ScrollLevel", bar("ScrollLevel"), settings.level},
        {"the Tile Numbers mark", soak.control<QAction>("mnuTileNumbers")->isChecked(),
         game.tileNumbersShown()}};
    for (int n = 1; n <= kTileCount; ++n) {
        const auto* tile = qobject_cast<ui::PictureBox*>(soak.tile(n));
        const int picture = isLit(game.currentValue(), n)
                                ? pictures::litPictureOf(settings.tileSet)
                                : pictures::darkPictureOf(settings.tileSet);
        shownAndHeld.emplace_back(tile->objectName(), tile->picture().index, picture);
        shownAndHeld.emplace_back(tile->objectName() + "'s margin", tile->backColour(),
                                  game.preview().backColour(n));
        shownAndHeld.emplace_back(ui::arrayName("lblTileNumbers", n),
                                  soak.control(ui::arrayName("lblTileNumbers", n))->isVisible(),
                                  game.tileNumbersShown());
    }
    for (const auto& [what, shown, held] : shownAndHeld)
        if (shown != held)
            return QStringLiteral("%1 shows %2, the game holds %3").arg(what).arg(shown).arg(held);
    return QString::fromStdString(brokenGameRule(game) + soak.messages.brokenRule);
}

class RandomUser {
  public:
    RandomUser(MainWindowFixture& soak, quint32 seed) : soak_(soak), chance_(seed) {}

    // Does one random thing; returns what it did and anything amiss at once.
    std::pair<QString, QString> act() {
        soak_.messages.yesNoAnswer = pick(0, 1) ? MessageAnswer::Yes : MessageAnswer::No;
        const int kind = pick(1, 100);
        if (kind <= 45) return clickTile();
        if (kind <= 80) return {movePointer(), {}};
        return {kind <= 92 ? giveCommand() : scroll(), {}};
    }

    int wins = 0;

  private:
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(chance_); }
    QPoint pointIn(const QRect& r) {
        return {pick(r.left(), r.right()), pick(r.top(), r.bottom())};
    }

    // Most clicks are moves to go, as from a player who knows the way. The
    // move must be the clicked tile's, unless it won and the puzzle is new.
    std::pair<QString, QString> clickTile() {
        const Game& game = soak_.window->game();
        const int toGo = game.moves().movesToGoCount();
        const int n = toGo > 0 && pick(1, 8) > 1 ? game.moves().nthMoveToGo(pick(0, toGo - 1))
                                                 : pick(1, kTileCount);
        const PuzzleValue expected = game.currentValue() ^ moveMask(game.settings().mode, n);
        const std::int64_t moves = game.moveCount() + 1;
        const std::size_t messages = soak_.messages.shown.size();
        const QPoint at = pointIn(soak_.tile(n)->rect());
        QTest::mouseClick(soak_.tile(n), Qt::LeftButton, {}, at);
        const QString what =
            QStringLiteral("click on picTile(%1) at %2, %3").arg(n).arg(at.x()).arg(at.y());
        if (expected == kSolvedBoard) {
            ++wins;
            const bool announced = soak_.messages.shown.size() == messages + 1 &&
                                   soak_.messages.shown.back().title == "Congratulations";
            return {what, announced ? QString() : QStringLiteral("a dark board without the win")};
        }
        if (game.currentValue() != expected || game.moveCount() != moves)
            return {what, QStringLiteral("the click did not play that tile's move")};
        return {what, {}};
    }

    // Anywhere in the client area: tiles, gaps, numbers, the frame, buttons.
    QString movePointer() {
        const QPoint at = pointIn(soak_.window->centralWidget()->rect());
        soak_.pointAt(soak_.window->centralWidget(), at);
        return QStringLiteral("pointer to %1, %2").arg(at.x()).arg(at.y());
    }

    // A command from its button or its menu item.
    QString giveCommand() {
        static const QStringList names{"cmdHint",    "cmdNewPuzzle", "cmdReset",      "mnuHint",
                                       "mnuFileNew", "mnuReset",     "mnuTileNumbers"};
        const QString name = names[pick(0, static_cast<int>(names.size()) - 1)];
        if (auto* item = soak_.window->findChild<QAction*>(name))
            item->trigger();
        else
            QTest::mouseClick(soak_.control(name), Qt::LeftButton);
        return name;
    }

    // Dragged to a value, or one step by a click at either end, on the arrows.
    QString scroll() {
        const QString name = QStringList{"ScrollTileSet", "ScrollMode", "ScrollLevel"}[pick(0, 2)];
        auto* bar = soak_.control<QScrollBar>(name);
        if (pick(0, 2) == 0) {
            const int value = pick(bar->minimum(), bar->maximum());
            bar->setValue(value);
            return QStringLiteral("%1 set to %2").arg(name).arg(value);
        }
        const QPoint at(pick(0, 1) ? bar->width() - 2 : 1, bar->height() / 2);
        QTest::mouseClick(bar, Qt::LeftButton, {}, at);
        return QStringLiteral("click on %1 at %2").arg(name).arg(at.x());
    }

    MainWindowFixture& soak_;
    std::mt19937 chance_;
};

}  // namespace

class SoakTest : public QObject {
    Q_OBJECT

  private slots:
    void randomPlayKeepsWindowAndGameInStep() {
        const quint32 seed =
            fromEnvironment("TENEBRIX_SOAK_SEED", QRandomGenerator::global()->generate());
        const quint32 events = fromEnvironment("TENEBRIX_SOAK_EVENTS", 6000);
        const qint64 milliseconds = fromEnvironment("TENEBRIX_SOAK_SECONDS", 60) * 1000LL;
        const QString replay =
            QStringLiteral("seed %1 (replay with TENEBRIX_SOAK_SEED=%1)").arg(seed);
        qInfo("soak: %s; up to %u events or %lld ms", qPrintable(replay), events, milliseconds);

        MainWindowFixture soak(std::vector<int>{});
        soak.random = ScriptedRandom(seed);
        QVERIFY2(soak.show(), qPrintable(replay));
        RandomUser user(soak, seed);
        QElapsedTimer clock;
        clock.start();
        std::pair<QString, QString> event{QStringLiteral("the window's first puzzle"), {}};
        quint32 made = 0;
        for (;;) {
            const QString problem = event.second.isEmpty() ? checkWindow(soak) : event.second;
            QVERIFY2(problem.isEmpty(), qPrintable(QStringLiteral("%1\n  after event %2, %3; %4")
                                                       .arg(problem)
                                                       .arg(made)
                                                       .arg(event.first, replay)));
            if (made == events || clock.elapsed() >= milliseconds) break;
            ++made;
            event = user.act();
        }
        qInfo("soak: %u events in %lld ms, %d wins; %s", made,
              static_cast<long long>(clock.elapsed()), user.wins, qPrintable(replay));
        QVERIFY2(made > 0 || events == 0, qPrintable(replay));
    }
};

QTEST_MAIN(SoakTest)
#include "test_soak.moc"
