// SPDX-License-Identifier: GPL-3.0-or-later
// What one of the game's windows on the page asks of the others: the game
// (WebGame) shows and closes them in turn.
#pragma once

namespace tenebrix::web {

class PageWindows {
  public:
    virtual ~PageWindows() = default;
    // The splash hands over: the game window is shown and loaded.
    virtual void showMainWindow() = 0;
    // The game window's close box, File > Exit: it unloads and the game ends.
    virtual void closeMainWindow() = 0;
    // Every other window, as the game window closes.
    virtual void closeOtherWindows() = 0;
    virtual void showAboutBox() = 0;
    // The About box has closed by its own buttons or keys.
    virtual void aboutBoxClosed() = 0;
};

}  // namespace tenebrix::web
