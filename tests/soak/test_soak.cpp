// SPDX-License-Identifier: GPL-3.0-or-later
// The soak: thousands of random user events through the real main window,
// each checked: the game keeps its rules, the window shows what the game
// holds, and a click plays the tile clicked.
#include <QAction>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QScrollBar>
#include <QStatusBar>

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

QString disagreement(const char* what, qint64 shown, qint64 held) {
    return shown == held
               ? QString()
               : QStringLiteral("%1 shows %2, the game holds %3").arg(what).arg(shown).arg(held);
}

// The first place where the window does not show what the game holds.
QString checkWindow(const MainWindowFixture& soak) {
    const Game& game = soak.window->game();
    const Settings& settings = game.settings();
    QString problem = QString::fromStdString(brokenGameRule(game));
    for (int n = 1; n <= kTileCount && problem.isEmpty(); ++n) {
        const auto* tile = qobject_cast<ui::PictureBox*>(soak.tile(n));
        const bool lit = isLit(game.currentValue(), n);
        const int picture = lit ? pictures::litPictureOf(settings.tileSet)
                                : pictures::darkPictureOf(settings.tileSet);
        problem =
            disagreement(qPrintable(ui::arrayName("picTile", n)), tile->picture().index, picture);
        if (problem.isEmpty())
            problem =
                disagreement("a tile's margin", tile->backColour(), game.preview().backColour(n));
        const QWidget* number = soak.control(ui::arrayName("lblTileNumbers", n));
        if (problem.isEmpty())
            problem = disagreement("a tile number", number->isVisible(), game.tileNumbersShown());
    }
    const auto checked = [&](const char* item) { return soak.control<QAction>(item)->isChecked(); };
    const auto bar = [&](const char* name) { return soak.control<QScrollBar>(name)->value(); };
    bool isNumber = false;
    const qint64 counter = soak.caption("lblMoves").toLongLong(&isNumber);
    const std::initializer_list<QString> checks{
        problem,
        disagreement("the counter", isNumber ? counter : -1, game.moveCount()),
        disagreement("ScrollTileSet", bar("ScrollTileSet"), settings.tileSet),
        disagreement("ScrollMode", bar("ScrollMode"), settings.mode),
        disagreement("ScrollLevel", bar("ScrollLevel"), settings.level),
        disagreement("the Tile Numbers mark", checked("mnuTileNumbers"), game.tileNumbersShown()),
        disagreement("the Status Bar mark", checked("mnuViewStatusBar"),
                     soak.window->statusBar()->isVisible()),
        QString::fromStdString(soak.messages.brokenRule)};
    for (const QString& found : checks)
        if (!found.isEmpty()) return found;
    return {};
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

    // Over the board (tiles, gaps and numbers), Frame1's bare area, or a button.
    QString movePointer() {
        QWidget* area = soak_.tile(1)->parentWidget();
        QPoint at;
        const int where = pick(0, 3);
        if (where < 2) {
            at = pointIn(soak_.tile(1)->geometry().united(
                soak_.control(ui::arrayName("lblTileNumbers", kTileCount))->geometry()));
        } else if (where == 2) {
            area = soak_.control("Frame1");
            for (int tries = 0; tries < 100 && (tries == 0 || area->childAt(at)); ++tries)
                at = pointIn(area->rect());
        } else {
            area = soak_.control(QStringList{"cmdHint", "cmdNewPuzzle", "cmdReset"}[pick(0, 2)]);
            at = pointIn(area->rect());
        }
        soak_.pointAt(area, at);
        return QStringLiteral("pointer to %1 at %2, %3")
            .arg(area->objectName())
            .arg(at.x())
            .arg(at.y());
    }

    // The menu item of each command, or its button where it has one.
    QString giveCommand() {
        static const QStringList items{"mnuHint", "mnuFileNew", "mnuReset", "mnuTileNumbers",
                                       "mnuViewStatusBar"};
        static const QStringList buttons{"cmdHint", "cmdNewPuzzle", "cmdReset"};
        const int command = pick(0, static_cast<int>(items.size()) - 1);
        if (command < buttons.size() && pick(0, 1) == 0) {
            QTest::mouseClick(soak_.control(buttons[command]), Qt::LeftButton);
            return "click on " + buttons[command];
        }
        soak_.control<QAction>(items[command])->trigger();
        return "menu " + items[command];
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
    void randomPlayKeepsWindowAndGameInStep() {
        passOn = qInstallMessageHandler(dropSizeHintNotices);
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
        qInstallMessageHandler(passOn);
    }
};

QTEST_MAIN(SoakTest)
#include "test_soak.moc"
