// SPDX-License-Identifier: GPL-3.0-or-later
// The splash screen's timeline, tick by tick: frame 0 for two ticks, one
// frame per tick after, the game window shown before the splash goes, and
// no way to close the splash early.
#include <QtTest>
#include <string>
#include <vector>

#include "SplashTimeline.h"

using namespace tenebrix::ui;

namespace {

// Records every request in order, and which logo frames show.
struct RecordingSplash : SplashView {
    std::vector<std::string> calls;
    bool shown[6] = {true, false, false, false, false, false};
    void setLogoFrameVisible(int frame, bool visible) override {
        // Exactly one frame shows at every moment but between the two halves
        // of a step, where none does: the old frame goes first.
        calls.push_back((visible ? "show " : "hide ") + std::to_string(frame));
        shown[frame] = visible;
    }
    void showMainWindow() override { calls.push_back("main"); }
    void unloadSplash() override { calls.push_back("unload"); }
    int visibleFrames() const {
        int count = 0;
        for (bool s : shown) count += s;
        return count;
    }
};

}  // namespace

class SplashTimelineTest : public QObject {
    Q_OBJECT
  private slots:
    void tickByTick() {
        RecordingSplash view;
        SplashTimeline timeline(view);
        QCOMPARE(SplashTimeline::kTickMilliseconds, 500);
        const std::vector<std::vector<std::string>> expected{
            {},
            {"hide 0", "show 1"},
            {"hide 1", "show 2"},
            {"hide 2", "show 3"},
            {"hide 3", "show 4"},
            {"hide 4", "show 5"},
            {"main", "unload"},
        };
        for (std::size_t tick = 0; tick < expected.size(); ++tick) {
            QVERIFY(!timeline.mayClose());
            view.calls.clear();
            timeline.Timer1_Timer();
            QCOMPARE(view.calls, expected[tick]);
            if (tick < 6) {
                QCOMPARE(view.visibleFrames(), 1);
                QCOMPARE(timeline.logoFrame(), tick == 0 ? 0 : int(tick));
            }
        }
        QVERIFY(timeline.handedOver());
        QVERIFY(timeline.mayClose());
        // A tick already queued when the splash went does nothing more.
        view.calls.clear();
        for (int late = 0; late < 3; ++late) timeline.Timer1_Timer();
        QVERIFY(view.calls.empty());
    }
};

QTEST_GUILESS_MAIN(SplashTimelineTest)
#include "test_splashtimeline.moc"
