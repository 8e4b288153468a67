// SPDX-License-Identifier: GPL-3.0-or-later
// The splash screen, frmSplash: borderless, centred, the product's name and
// a six-frame logo stepped by a 500 ms timer; the seventh tick hands over
// to the main window and closes the splash.
#pragma once

#include <windows.h>

#include <functional>

namespace tenebrix::win32 {

inline constexpr int kLogoBase = 1500;  // picLogo(k) is kLogoBase + k
inline constexpr UINT_PTR kSplashTimer = 1;

class frmSplash {
  public:
    // `handOver` shows the main window; it runs on the seventh tick, before
    // the splash goes, so there is never a moment without a window.
    frmSplash(HINSTANCE instance, std::function<void()> handOver);
    ~frmSplash();
    frmSplash(const frmSplash&) = delete;
    frmSplash& operator=(const frmSplash&) = delete;

    // Creates the window with its timer running, shows it and paints it at once.
    void Show();
    HWND window() const { return window_; }
    int ticks() const { return ticks_; }

  private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void createControls();
    void paint();
    void Timer1_Timer();

    HINSTANCE instance_;
    std::function<void()> handOver_;
    HWND window_ = nullptr;
    HFONT fonts_[5] = {};
    int ticks_ = 0;  // raised at the end of every tick
};

}  // namespace tenebrix::win32
