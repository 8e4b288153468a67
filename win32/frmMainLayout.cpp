// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls: made once from the window's table, placed in
// twips at the window's dots per inch, and placed again when the window
// moves to another screen.
#include <windows.h>

#include "Controls.h"
#include "MainWindowForm.h"
#include "Placement.h"
#include "PointerRules.h"
#include "WindowParts.h"
#include "frmMain.h"

namespace tenebrix::win32 {

namespace main = forms::frmMain;
using forms::ControlKind;

void frmMain::createControls() {
    win32::createControls(window_, kMainIds);
    for (const forms::Control& row : main::kControls)
        handles_.push_back(GetDlgItem(window_, kMainIds.id(row)));
    // The game's own boxes and labels tell the window of the pointer over
    // them; the system's controls do where the window's rules watch it.
    for (const forms::Control& row : main::kControls) {
        const bool own = row.kind == ControlKind::PictureBox || row.kind == ControlKind::Label;
        if (!own && isChildControl(row) &&
            (ui::watchesPointer(row.name, ui::PointerEvent::Move) ||
             ui::watchesPointer(row.name, ui::PointerEvent::Release))) {
            reportPointer(control(row));
        }
        if (row.kind == ControlKind::StatusBar) statusBar_.attach(control(row), dpi_);
    }
    setBoardStop(1);
    tickClock();
}

// At the window's density, the one it was made at or last told of.
void frmMain::layout() {
    placeControls(window_, kMainIds, dpi_, fonts_);
    statusBar_.layout(dpi_);
    InvalidateRect(window_, nullptr, TRUE);
}

// Centred on the screen both ways; the top edge through the 16-bit twips
// arithmetic, so a screen lower than the window gives a negative top.
void frmMain::placeAtStart() {
    RECT outer{0, 0, dpi_.px(main::kClientWidth), dpi_.px(main::kClientHeight)};
    AdjustWindowRectExForDpi(&outer, WS_OVERLAPPEDWINDOW, TRUE, 0, static_cast<UINT>(dpi_.dpi));
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    const RECT screen = screenOf(window_);
    const int screenHeight = screen.bottom - screen.top;
    const int topTwips = ui::centredTopTwips(static_cast<int>(dpi_.twips(screenHeight) + 0.5),
                                             static_cast<int>(dpi_.twips(height) + 0.5));
    const int left = screen.left + (screen.right - screen.left - width) / 2;
    SetWindowPos(window_, nullptr, left, screen.top + MulDiv(topTwips, dpi_.dpi, 1440), width,
                 height, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace tenebrix::win32
