// SPDX-License-Identifier: GPL-3.0-or-later
// The splash screen's animation and hand-over.
#include "SplashScreen.h"

#include <utility>

#include "ControlNames.h"
#include "Page.h"
#include "SplashForm.h"

namespace tenebrix::web {

namespace splash = forms::frmSplash;

SplashScreen::SplashScreen(Page& page, std::function<void()> showMainWindow)
    : page_(page), showMainWindow_(std::move(showMainWindow)) {}

void SplashScreen::show() {
    for (int frame = 0; frame < splash::kLogoFrames; ++frame)
        page_.setVisible(forms::arrayName(splash::kLogoName, frame), frame == 0);
    page_.showWindow(splash::kName);
    open_ = true;
    ticks_ = 0;
}

// The first tick leaves frame 0 up, so it shows for two intervals and every
// later frame for one.
bool SplashScreen::tick() {
    if (!open_) return false;
    const int count = ticks_;
    if (count >= 1 && count < splash::kLogoFrames) {
        // The old frame goes before the new one comes.
        page_.setVisible(forms::arrayName(splash::kLogoName, count - 1), false);
        page_.setVisible(forms::arrayName(splash::kLogoName, count), true);
    } else if (count == splash::kHandOverTick) {
        showMainWindow_();
        page_.closeWindow(splash::kName);
        open_ = false;
    }
    ++ticks_;
    return open_;
}

}  // namespace tenebrix::web
