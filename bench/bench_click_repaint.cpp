// SPDX-License-Identifier: GPL-3.0-or-later
// How long a tile click takes to show, in the real main window: from the
// mouse press sent to the tile until the posted repaint has drawn the board
// and handed it to the window system (QCoreApplication::processEvents
// returns). Prints the median and the 99th percentile.
//
//   QT_QPA_PLATFORM=offscreen bench_click_repaint [clicks]
#include <QApplication>
#include <QElapsedTimer>
#include <QMouseEvent>
#include <QWindow>
#include <algorithm>
#include <cstdio>
#include <random>
#include <vector>

#include "Game.h"
#include "OrdinaryMove.h"
#include "PatternTable.h"
#include "PictureBox.h"
#include "QtForms.h"
#include "QuietServices.h"
#include "frmMain.h"

using namespace tenebrix;

namespace {

constexpr int kDefaultClicks = 5000;
constexpr int kWarmUpClicks = 200;

// Counts the paint events of the tiles, to be sure each click was drawn.
class PaintCounter final : public QObject {
  public:
    using QObject::QObject;
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) ++paints;
        return false;
    }
};

void click(QWidget* tile) {
    const QPointF at = QRectF(tile->rect()).center();
    const QPointF global = tile->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(tile, &press);
    QApplication::sendEvent(tile, &release);
}

double percentile(std::vector<double> samples, double fraction) {
    const auto at = static_cast<std::size_t>(fraction * static_cast<double>(samples.size() - 1));
    std::nth_element(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(at),
                     samples.end());
    return samples[at];
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    const int clicks =
        argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : kDefaultClicks;

    bench::QuietServices quiet;
    qt::frmMain window(quiet.services());
    window.show();
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    QCoreApplication::processEvents();

    std::vector<QWidget*> tiles;
    PaintCounter counter;
    for (int n = 1; n <= kTileCount; ++n) {
        tiles.push_back(window.findChild<QWidget*>(qt::arrayName("picTile", n)));
        tiles.back()->installEventFilter(&counter);
    }

    std::mt19937 chance(20261206);
    std::vector<double> micros;
    micros.reserve(static_cast<std::size_t>(clicks));
    int undrawn = 0;
    QElapsedTimer clock;
    for (int i = 0; i < kWarmUpClicks + clicks; ++i) {
        QWidget* tile =
            tiles[static_cast<std::size_t>(bench::ordinaryMove(window.game(), chance) - 1)];
        const int paintsBefore = counter.paints;
        clock.start();
        click(tile);
        QCoreApplication::processEvents();
        const qint64 nanos = clock.nsecsElapsed();
        if (counter.paints == paintsBefore) ++undrawn;
        if (i >= kWarmUpClicks) micros.push_back(static_cast<double>(nanos) / 1000.0);
    }
    std::printf("click to repaint (%s, %d clicks): median %.1f us, p99 %.1f us, max %.1f us\n",
                qPrintable(QGuiApplication::platformName()), clicks, percentile(micros, 0.5),
                percentile(micros, 0.99), *std::max_element(micros.begin(), micros.end()));
    if (undrawn > 0) std::printf("warning: %d clicks drew no tile\n", undrawn);
    return undrawn > 0 ? 1 : 0;
}
