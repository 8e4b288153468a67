// SPDX-License-Identifier: GPL-3.0-or-later
// The splash screen's half-second ticks: the first changes nothing, the
// next five step the logo from frame 0 to frame 5 (the old frame goes
// before the new one comes), and the seventh, about 3.5 seconds after
// start, shows the game window and only then closes the splash, so the
// program is never without a window. Nothing the player does shortens
// this: a request to close the splash (Alt+F4, Close on its taskbar
// button) is refused like any other key.
#pragma once

namespace tenebrix::ui {

class SplashView {
  public:
    virtual ~SplashView() = default;
    virtual void setLogoFrameVisible(int frame, bool visible) = 0;
    // Shows the game window, which loads it: its first puzzle is made here.
    virtual void showMainWindow() = 0;
    // Stops the timer and closes the splash for good.
    virtual void unloadSplash() = 0;
};

class SplashTimeline {
  public:
    static constexpr int kTickMilliseconds = 500;
    static constexpr int kHandOverTick = 6;  // the seventh tick, counted from 0

    explicit SplashTimeline(SplashView& view) : view_(view) {}

    // Timer1's tick.
    void Timer1_Timer();
    // Whether the splash may close when asked to: only once it has handed over.
    bool mayClose() const { return handedOver_; }
    bool handedOver() const { return handedOver_; }
    // The logo frame on show.
    int logoFrame() const { return logoFrame_; }

  private:
    SplashView& view_;
    int ticks_ = 0;
    int logoFrame_ = 0;
    bool handedOver_ = false;
};

}  // namespace tenebrix::ui
