// SPDX-License-Identifier: GPL-3.0-or-later
// The game on the web page: the splash, the game window and the About box,
// each run by the windows' shared rules (ui/behaviour) over the same engine
// as the desktop. The page's script reports what the player does, by the
// names of the page's elements, and shows what it is told.
#pragma once

#include <string>
#include <string_view>

#include "MainWindow.h"
#include "MainWindowPage.h"
#include "Page.h"
#include "WindowPages.h"

namespace tenebrix {
class RandomSource;
}

namespace tenebrix::platform {
class Registry;
class Launcher;
}  // namespace tenebrix::platform

namespace tenebrix::web {

// Where the system information tool would be found, and how it would start.
struct SystemAccess {
    platform::Registry& registry;
    platform::Launcher& launcher;
};

class WebGame : private PageWindows {
  public:
    // `helpPath` is the help page's address; empty for a build without help.
    WebGame(Page& page, RandomSource& random, SystemAccess system, std::string helpPath);

    // Sub Main: the splash, its pictures drawn for a screen of `ratio`
    // device pixels per CSS pixel.
    void start(double ratio);
    // The screen's density changed (a zoom, another screen): the pictures
    // handed over so far are handed over again at the scale of `ratio`, if
    // that scale differs. The page then shows each again at its new size.
    void deviceRatioChanged(double ratio);
    // The game window's pictures, drawn while the splash is up; at the
    // latest when the game window is shown.
    void preparePictures();
    // A timer the game set on the page has gone off.
    void timer(Timer timer);

    // A key pressed on the page (KeyboardEvent.key, KeyboardEvent.code and
    // the modifiers); true when a window took it, so the browser does
    // nothing more with it.
    bool keyDown(std::string_view key, std::string_view code, bool alt, bool ctrl, bool shift,
                 bool repeat);
    // A click on the element `id`: a button or a tile.
    void click(std::string_view id);
    // The pointer moved, or a mouse button came up, over the element `id`.
    void pointer(std::string_view id, ui::PointerEvent event);
    // The player works the scroll bar `id`: `request` is a ui::ScrollRequest
    // by name ("LineLeft", "PageRight", "ThumbRelease", ...).
    void scroll(std::string_view id, std::string_view request, int thumbAt);
    // A menu item chosen with the mouse.
    void chooseMenuItem(std::string_view id);
    // The window `id` is asked to close: its close box, or Esc as the
    // browser's request to close what is in front.
    void closeRequest(std::string_view id);
    // The player leaves the page.
    void unload();

    const Game& game() const { return window_.game(); }
    bool statusBarShown() const { return window_.statusBarShown(); }

  private:
    // PageWindows
    void showMainWindow() override;
    void closeMainWindow() override;
    void closeOtherWindows() override { aboutView_.closeWithMainWindow(); }
    void showAboutBox() override;
    void aboutBoxClosed() override { window_.aboutBoxClosed(); }

    bool menuKey(const ui::KeyPress& key);

    Page& page_;
    PageSettingsStore settings_;
    PageClock clock_;
    MainWindowPage view_;
    ui::MainWindow window_;
    SplashPage splashView_;
    ui::SplashTimeline splash_;
    AboutPage aboutView_;
    ui::AboutBox about_;
    int scale_ = 1;
    bool picturesReady_ = false;
    bool mainShown_ = false;
};

}  // namespace tenebrix::web
