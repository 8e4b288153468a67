// SPDX-License-Identifier: GPL-3.0-or-later
// The About box, frmAbout, on the Windows API: modal over the main window,
// its controls made from the box's table. What it writes, what its buttons
// and keys do, are the box's rules' (AboutBox.h); this class shows the box,
// runs its modal loop and turns the player's doings into calls on them.
#pragma once

#include <windows.h>

#include "AboutBox.h"
#include "Dpi.h"
#include "Services.h"
#include "TableControls.h"

namespace tenebrix::win32 {

class frmAbout final : public ui::AboutView {
  public:
    // A fresh About box, loaded and shown modally over `owner`; returns when
    // it has closed. Meanwhile `owner` takes no input.
    static void ShowModal(HINSTANCE instance, HWND owner, Services& services);
    // The About box on show, or null.
    static HWND openWindow();
    // Closes the About box on show, if any.
    static void CloseOpen();

    // --- AboutView ---
    void setCaption(const forms::Control& label, const std::string& text) override;
    MessageAnswer showMessage(const Message& message) override;
    const forms::Control* focusedControl() const override;
    void setFocus(const forms::Control& control) override;
    void closeBox() override;

  private:
    explicit frmAbout(Services& services);
    frmAbout(const frmAbout&) = delete;
    frmAbout& operator=(const frmAbout&) = delete;

    static INT_PTR CALLBACK dialogProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);
    void Form_Load();
    // Sized, centred in `area` and its controls placed at `dpi`.
    void placeAt(Dpi dpi, const RECT& area);
    void onCommand(int id, int notification);
    void runModalLoop();
    bool routeKeyboard(MSG& message);

    Services& services_;
    ui::AboutBox layer_;
    HWND dialog_ = nullptr;
    Dpi dpi_;
    FontSet fonts_;
    bool closing_ = false;
};

}  // namespace tenebrix::win32
