// SPDX-License-Identifier: GPL-3.0-or-later
// The splash screen on the page: six logo frames on the 500 ms tick, and on
// the seventh tick the hand-over to the game window.
#pragma once

#include <functional>

namespace tenebrix::web {

class Page;

class SplashScreen {
  public:
    // `showMainWindow` shows and loads the game window; the splash closes
    // only after it has returned, so a window of the game is always on show.
    SplashScreen(Page& page, std::function<void()> showMainWindow);

    // Sub Main: the splash with frame 0 of the logo.
    void show();
    // Timer1's tick. Returns whether the splash is still open, i.e. whether
    // the page should keep ticking.
    bool tick();

  private:
    Page& page_;
    std::function<void()> showMainWindow_;
    int ticks_ = 0;
    bool open_ = false;
};

}  // namespace tenebrix::web
