// The soak: thousands of random user events through the real main window,
// with the window, the game and the expected play compared after each one.
// Bounded in events and in time; the seed replays a run.
#include <QElapsedTimer>
#include <QTest>
#include <deque>

#include "ExpectedPlay.h"
#include "HangWatchdog.h"
#include "RandomUser.h"
#include "SoakChecks.h"
#include "SoakSettings.h"
#include "SoakWindow.h"

using namespace tenebrix;
using namespace tenebrix::testing;

namespace {

// A hung event has far longer than this: the slowest, under the sanitizers,
// take milliseconds.
constexpr std::chrono::seconds kHangLimit{30};
constexpr int kDrawnBoardEvery = 25;
constexpr std::size_t kEventsRemembered = 8;

// The events before a failure, newest last, so the message shows how it came.
class RecentEvents {
  public:
    void add(int number, const QString& event) {
        events_.push_back(QStringLiteral("  %1: %2").arg(number).arg(event));
        if (events_.size() > kEventsRemembered) events_.pop_front();
    }
    QString text() const { return QStringList(events_.begin(), events_.end()).join('\n'); }

  private:
    std::deque<QString> events_;
};

// The offscreen platform says this each time the status bar comes or goes;
// thousands of times it would bury the soak's own lines.
QtMessageHandler passOn = nullptr;
void dropSizeHintNotices(QtMsgType type, const QMessageLogContext& context, const QString& text) {
    if (text == QLatin1String("This plugin does not support propagateSizeHints()")) return;
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
    const SoakSettings settings = SoakSettings::fromEnvironment();
    for (const QString& complaint : settings.complaints)
        qWarning("soak: %s", qPrintable(complaint));
    const QString replay =
        QStringLiteral("seed %1 (replay with TENEBRIX_SOAK_SEED=%1)").arg(settings.seed);
    qInfo("soak: %s; up to %d events or %d s", qPrintable(replay), settings.events,
          settings.seconds);

    SoakWindow soak(settings.seed);
    QVERIFY2(soak.show(), qPrintable(replay));
    soak.window->activateWindow();
    // Menu shortcuts need the window to be the active one.
    const bool keyboard = QTest::qWaitForWindowActive(soak.window.get());
    ExpectedPlay expected;
    RandomUser user(soak, expected, settings.seed, keyboard);
    // The first puzzle was made while the window loaded.
    user.adoptNewPuzzle();
    const auto failure = [&](int number, const QString& problem, const RecentEvents& recent) {
        return QStringLiteral("%1\n  after event %2 of up to %3, %4; the last events:\n%5")
            .arg(problem)
            .arg(number)
            .arg(settings.events)
            .arg(replay, recent.text());
    };
    RecentEvents recent;
    QString problem = checkWindow(soak, expected);
    QVERIFY2(problem.isEmpty(), qPrintable(failure(0, problem, recent)));

    HangWatchdog watchdog(kHangLimit, replay.toStdString());
    QElapsedTimer clock;
    clock.start();
    int made = 0;
    while (made < settings.events && clock.elapsed() < settings.seconds * 1000LL) {
        const int number = ++made;
        const QString event = user.choose();
        recent.add(number, event);
        watchdog.arm(QStringLiteral("event %1 (%2)").arg(number).arg(event).toStdString());
        problem = user.perform();
        watchdog.disarm();
        if (problem.isEmpty()) problem = checkWindow(soak, expected);
        if (problem.isEmpty() && number % kDrawnBoardEvery == 0)
            problem = checkDrawnBoard(soak, expected);
        QVERIFY2(problem.isEmpty(), qPrintable(failure(number, problem, recent)));
    }
    problem = checkDrawnBoard(soak, expected);
    QVERIFY2(problem.isEmpty(), qPrintable(failure(made, problem, recent)));

    QStringList tally;
    for (const auto& [kind, count] : user.tally())
        tally << QStringLiteral("%1 %2").arg(count).arg(kind);
    qInfo("soak: %d events in %lld ms (%s), %s", made, static_cast<long long>(clock.elapsed()),
          qPrintable(tally.join(QLatin1String(", "))), qPrintable(replay));
    QVERIFY2(made > 0 || settings.events == 0, qPrintable(replay));
    qInstallMessageHandler(passOn);
}

QTEST_MAIN(SoakTest)
#include "test_soak.moc"
