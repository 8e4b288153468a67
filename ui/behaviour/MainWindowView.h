// SPDX-License-Identifier: GPL-3.0-or-later
// What the game window's rules ask of a front end's window: the game's own
// display, and the parts of the window that are not the game's (status bar,
// menu check marks, focus, menus, the About box, help, closing).
#pragma once

#include <optional>
#include <string>

#include "Control.h"
#include "Display.h"
#include "MainMenuForm.h"
#include "Placement.h"
#include "StatusClock.h"

namespace tenebrix::ui {

class MainWindowView : public Display, public StatusPanels {
  public:
    virtual void setStatusBarVisible(bool visible) = 0;
    virtual void setMenuChecked(forms::MenuCommand item, bool checked) = 0;
    // Moves a scroll bar's thumb; the bar tells nobody.
    virtual void setScrollValue(const forms::Control& bar, int value) = 0;

    // The control with the keyboard focus; nullptr when none of the window's has it.
    virtual const forms::Control* focusedControl() const = 0;
    virtual void setFocus(const forms::Control& control) = 0;
    // The board's stop in the tab chain moves to `tile` and takes the focus.
    virtual void moveBoardStop(int tile) = 0;

    // `menu` drops down with its first item highlighted; or the menu bar
    // takes the keyboard with its first title highlighted.
    virtual void openMenu(const forms::Menu& menu) = 0;
    virtual void activateMenuBar() = 0;

    // The About box, modal over the window. Where the platform keeps the
    // caller waiting until it closes, the call returns then; elsewhere at
    // once. Either way the front end says MainWindow::aboutBoxClosed() when
    // the box has gone.
    virtual void showAboutBox() = 0;
    // Opens the help file at its contents beside the game; the platform's
    // description of the error when no viewer could be started.
    virtual std::optional<std::string> openHelp(const std::string& path) = 0;

    // Closes the window as its close box does, which runs Form_Unload.
    virtual void closeWindow() = 0;
    // Every other window of the program that is open, last opened first.
    virtual void closeOtherWindows() = 0;
    virtual bool isMinimised() const = 0;
    // The window's outer place and size, in twips.
    virtual Placement placement() const = 0;
    // The player's decimal separator, UTF-8.
    virtual std::string decimalSeparator() const = 0;
};

}  // namespace tenebrix::ui
