// SPDX-License-Identifier: GPL-3.0-or-later
// The About box, frmAbout: modal over the main window; the program's name,
// version and owner's texts, OK (Enter and Esc) and System Info.
#pragma once

#include <windows.h>

#include "Services.h"

namespace tenebrix::win32 {

inline constexpr int kCmdSysInfo = 100;  // OK is IDOK, the dialog's own

class frmAbout {
  public:
    // A fresh About box, loaded and shown modally over `owner`; returns when
    // it has closed. Meanwhile `owner` takes no input.
    static void ShowModal(HINSTANCE instance, HWND owner, Services& services);
    // The About box on show, or null.
    static HWND openWindow();
    // Closes the About box on show, if any.
    static void CloseOpen();
};

}  // namespace tenebrix::win32
