// SPDX-License-Identifier: GPL-3.0-or-later
// The splash screen's timeline.
#include "SplashTimeline.h"

#include "SplashControls.h"

namespace tenebrix::ui {

void SplashTimeline::Timer1_Timer() {
    if (handedOver_) return;  // a tick already on its way when the splash went
    const int tick = ticks_++;
    if (tick >= 1 && tick < forms::frmSplash::kLogoFrames) {
        view_.setLogoFrameVisible(tick - 1, false);
        view_.setLogoFrameVisible(tick, true);
        logoFrame_ = tick;
    } else if (tick == kHandOverTick) {
        handedOver_ = true;
        view_.showMainWindow();
        view_.unloadSplash();
    }
}

}  // namespace tenebrix::ui
