// SPDX-License-Identifier: GPL-3.0-or-later
// The game on the web page: the splash, the game window with its menu
// commands, and the About box, over the same engine as the desktop.
#pragma once

#include <string>

#include "Game.h"
#include "MainMenuForm.h"
#include "SplashScreen.h"
#include "WebDisplay.h"

namespace tenebrix {
class RandomSource;
}

namespace tenebrix::platform {
class Registry;
class Launcher;
}  // namespace tenebrix::platform

namespace tenebrix::web {

class Page;

// Where the system information tool would be found, and how it would start.
struct SystemAccess {
    platform::Registry& registry;
    platform::Launcher& launcher;
};

class WebGame {
  public:
    // `helpPath` is the help page's address; empty for a build without help.
    WebGame(Page& page, RandomSource& random, SystemAccess system, std::string helpPath);

    // Sub Main: the splash, its pictures at `scale` device pixels per
    // picture pixel.
    void start(int scale);
    // The game window's pictures, drawn while the splash is up; at the
    // latest when the game window is shown.
    void preparePictures();
    bool splashTick() { return splash_.tick(); }

    // A menu item or a button; each button does what its menu item does.
    void command(forms::MenuCommand command);
    void cmdSysInfo_Click();

    Game& game() { return game_; }
    bool statusBarShown() const { return statusBarShown_; }

  private:
    void showMainWindow();
    void mnuViewStatusBar_Click();
    void mnuHelpContents_Click();
    void mnuHelpAbout_Click();

    Page& page_;
    WebDisplay display_;
    Game game_;
    SplashScreen splash_;
    SystemAccess system_;
    std::string helpPath_;
    int scale_ = 1;
    bool picturesReady_ = false;
    bool statusBarShown_ = true;
};

}  // namespace tenebrix::web
