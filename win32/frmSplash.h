// SPDX-License-Identifier: GPL-3.0-or-later
// The splash screen, frmSplash, on the Windows API: borderless, centred,
// its controls made from the splash's table. Its timer's ticks go to the
// splash's timeline (SplashTimeline.h), which steps the logo and hands over
// to the main window; a request to close it before then is refused, and
// should it go all the same, the program is told, so it never runs on
// without a window.
#pragma once

#include <windows.h>

#include <functional>

#include "Dpi.h"
#include "SplashTimeline.h"
#include "TableControls.h"

namespace tenebrix::win32 {

class frmSplash final : public ui::SplashView {
  public:
    // `handOver` shows the main window; it runs on the hand-over tick,
    // before the splash goes, so there is never a moment without a window.
    // `lost` runs if the splash is destroyed before the hand-over, by
    // whatever means: the main window will not come then.
    frmSplash(HINSTANCE instance, std::function<void()> handOver, std::function<void()> lost = {});
    ~frmSplash() override;
    frmSplash(const frmSplash&) = delete;
    frmSplash& operator=(const frmSplash&) = delete;

    // Creates the window with its timer running, shows it and paints it at once.
    void Show();
    HWND window() const { return window_; }
    Dpi dpi() const { return dpi_; }
    const ui::SplashTimeline& timeline() const { return timeline_; }
    // The identifier of the splash's timer, as WM_TIMER gives it.
    static UINT_PTR timerId();

    // --- SplashView ---
    void setLogoFrameVisible(int frame, bool visible) override;
    void showMainWindow() override;
    void unloadSplash() override;

  private:
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);
    void paint();
    // Sized, centred on its screen and its controls placed at `dpi`.
    void placeAt(Dpi dpi);

    HINSTANCE instance_;
    std::function<void()> handOver_;
    std::function<void()> lost_;
    ui::SplashTimeline timeline_{*this};
    HWND window_ = nullptr;
    Dpi dpi_;
    FontSet fonts_;
};

}  // namespace tenebrix::win32
