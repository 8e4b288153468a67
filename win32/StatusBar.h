// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's status bar: a fixed text, then the date and the time,
// each panel as wide as its text and at least an inch; the text panel takes
// what is left. What the date and time panels say, and when they change, is
// the window's rules' (StatusClock.h).
#pragma once

#include <windows.h>

#include <string>

#include "Dpi.h"

namespace tenebrix::win32 {

class StatusBar {
  public:
    // The status bar control, made from the window's table, gets its panels
    // and its fixed text.
    void attach(HWND bar, Dpi dpi);
    HWND window() const { return bar_; }
    // Panel 1 to 3, as the window's form numbers them.
    void setPanelText(int panel, const std::wstring& text);
    // Panel widths at the window's density, after the texts.
    void layout(Dpi dpi);

  private:
    HWND bar_ = nullptr;
};

}  // namespace tenebrix::win32
