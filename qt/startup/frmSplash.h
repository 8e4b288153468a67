// SPDX-License-Identifier: GPL-3.0-or-later
// The splash screen: the product's name and a small animated board being
// solved, one frame every half second; then it hands over to the game window.
#pragma once

#include <QTimer>
#include <QWidget>
#include <array>
#include <cstdint>
#include <functional>

#include "SplashForm.h"

class QFrame;

namespace tenebrix::qt {
class PictureBox;
}

namespace tenebrix::startup {

class frmSplash final : public QWidget {
    Q_OBJECT

  public:
    // `showMainWindow` creates, loads and shows the game window; the splash
    // calls it once, on its seventh tick, and closes right after.
    explicit frmSplash(std::function<void()> showMainWindow);

    // The logo frame shown now, or -1 if none or more than one is visible.
    int visibleLogoFrame() const;

  public slots:
    void Timer1_Timer();

  private:
    void buildLabels(QFrame* frame);
    void stepLogo(int from, int to);

    std::function<void()> showMainWindow_;
    std::array<qt::PictureBox*, forms::frmSplash::kLogoFrames> picLogo_{};
    QTimer Timer1;
    std::int16_t ticks_ = 0;
};

}  // namespace tenebrix::startup
