// SPDX-License-Identifier: GPL-3.0-or-later
// The soak: thousands of random user events through the real main window, each checked:
// the game keeps its rules, the window shows what it holds, a click plays the tile clicked.
#include <QAction>
#include <QDeadlineTimer>
#include <QScrollBar>
#include <tuple>

#include "MainWindowFixture.h"
#include "PictureBox.h"
#include "TestSeed.h"
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

// The first place where the window does not show what the game holds, or a rule broken.
QString checkWindow(const MainWindowFixture& soak) {
    const Game& game = soak.window->game();
    const Settings& settings = game.settings();
    const auto bar = [&](const char* name) { return soak.control<QScrollBar>(name)->value(); };
    std::vector<std::tuple<QString, qint64, qint64>> shownAndHeld{
        {"the counter", soak.caption("lblMoves").toLongLong(), game.moveCount()},
        {"ScrollTileSet", bar("ScrollTileSet"), settings.tileSet},
        {"ScrollMode", bar("ScrollMode"), settings.mode},
        {"ScrollLevel", bar("ScrollLevel"), settings.level},
        {"the Tile Numbers mark", soak.control<QAction>("mnuTileNumbers")->isChecked(),
         game.tileNumbersShown()}};
    for (int n = 1; n <= kTileCount; ++n) {
        const auto* tile = qobject_cast<qt::PictureBox*>(soak.tile(n));
        const int picture = isLit(game.currentValue(), n)
                                ? pictures::litPictureOf(settings.tileSet)
                                : pictures::darkPictureOf(settings.tileSet);
        shownAndHeld.emplace_back(tile->objectName(), tile->picture().index, picture);
        shownAndHeld.emplace_back(tile->objectName() + "'s margin", tile->backColour(),
                                  game.preview().backColour(n));
        const QString number = controlName("lblTileNumbers", n);
        shownAndHeld.emplace_back(number, soak.control(number)->isVisible(),
                                  game.tileNumbersShown());
    }
    for (const auto& [what, shown, held] : shownAndHeld)
        if (shown != held)
            return QStringLiteral("%1 shows %2, the game holds %3").arg(what).arg(shown).arg(held);
    return QString::fromStdString(brokenGameRule(game) + soak.messages.brokenRule);
}

struct RandomUser {
    MainWindowFixture& soak;
    std::mt19937 chance;
    QString event = "the window's first puzzle";

    // Does one random thing, named in `event`; returns anything amiss at once.
    QString act() {
        soak.messages.yesNoAnswer = pick(0, 1) ? MessageAnswer::Yes : MessageAnswer::No;
        const int kind = pick(1, 100);
        if (kind <= 45) return clickTile();
        QWidget* client = soak.window->centralWidget();
        if (kind <= 80) soak.pointAt(client, pointIn(client->rect()));
        event = kind <= 80 ? QStringLiteral("a pointer move") : command();
        return {};
    }

    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(chance); }
    QPoint pointIn(QRect r) { return {pick(r.left(), r.right()), pick(r.top(), r.bottom())}; }

    // Most clicks are moves to go, as from a player who knows the way. The
    // move must be the clicked tile's, unless it won and the puzzle is new.
    QString clickTile() {
        const Game& game = soak.window->game();
        const int toGo = game.moves().movesToGoCount();
        const int n = toGo > 0 && pick(1, 8) > 1 ? game.moves().nthMoveToGo(pick(0, toGo - 1))
                                                 : pick(1, kTileCount);
        const PuzzleValue expected = game.currentValue() ^ moveMask(game.settings().mode, n);
        const auto played = std::pair(expected, game.moveCount() + 1);
        const std::size_t messages = soak.messages.shown.size();
        QTest::mouseClick(soak.tile(n), Qt::LeftButton, {}, pointIn(soak.tile(n)->rect()));
        event = QStringLiteral("a click on picTile(%1)").arg(n);
        if (expected == kSolvedBoard)  // announced, then a new puzzle
            return soak.messages.shown.size() > messages ? "" : "a dark board without the win";
        const bool wasPlayed = std::pair(game.currentValue(), game.moveCount()) == played;
        return wasPlayed ? "" : "the click did not play that tile's move";
    }

    // A command from its button or menu item, or a scroll bar dragged to a value or
    // stepped by a click on the arrow at either end.
    QString command() {
        static const QStringList names{
            "cmdHint",  "cmdNewPuzzle",   "cmdReset",      "mnuHint",    "mnuFileNew",
            "mnuReset", "mnuTileNumbers", "ScrollTileSet", "ScrollMode", "ScrollLevel"};
        const QString name = names[pick(0, static_cast<int>(names.size()) - 1)];
        auto* bar = soak.window->findChild<QScrollBar*>(name);
        if (auto* item = soak.window->findChild<QAction*>(name))
            item->trigger();
        else if (bar && pick(0, 2) == 0)
            bar->setValue(pick(bar->minimum(), bar->maximum()));
        else
            QTest::mouseClick(
                soak.control(name), Qt::LeftButton, {},
                bar ? QPoint(pick(0, 1) ? bar->width() - 2 : 1, bar->height() / 2) : QPoint());
        return name;
    }
};

}  // namespace

class SoakTest : public QObject {
    Q_OBJECT

  private slots:
    void randomPlayKeepsWindowAndGameInStep() {
        const quint32 seed = testSeed("TENEBRIX_SOAK_SEED");
        const quint32 events = fromEnvironment("TENEBRIX_SOAK_EVENTS", 6000);
        const QString replay = QStringLiteral("replay with TENEBRIX_SOAK_SEED=%1").arg(seed);
        qInfo("soak: %s; up to %u events", qPrintable(replay), events);

        MainWindowFixture soak(std::vector<int>{});
        soak.random = ScriptedRandom(randomStream(seed, Stream::Game));
        QVERIFY(soak.show());
        RandomUser user{soak, randomStream(seed, Stream::Player)};
        const QDeadlineTimer deadline(fromEnvironment("TENEBRIX_SOAK_SECONDS", 60) * 1000LL);
        QString amiss;
        for (quint32 made = 0;; ++made) {
            if (amiss.isEmpty()) amiss = checkWindow(soak);
            const QString after = QStringLiteral("\n  after event %1, %2; %3").arg(made);
            QVERIFY2(amiss.isEmpty(), qPrintable(amiss + after.arg(user.event, replay)));
            if (made == events || deadline.hasExpired()) break;
            amiss = user.act();
        }
    }
};

QTEST_MAIN(SoakTest)
#include "test_soak.moc"
