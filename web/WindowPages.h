// SPDX-License-Identifier: GPL-3.0-or-later
// The splash screen and the About box on the web page, as the windows'
// rules (ui::SplashTimeline, ui::AboutBox) see them, and the browser's
// settings store and clock as the game window's rules use them.
#pragma once

#include <string>

#include "AboutBox.h"
#include "LocalClock.h"
#include "PageWindows.h"
#include "SettingsStore.h"
#include "SplashTimeline.h"

namespace tenebrix::web {

class Page;

class SplashPage final : public ui::SplashView {
  public:
    SplashPage(Page& page, PageWindows& windows) : page_(page), windows_(windows) {}

    // Sub Main: the splash with its first logo frame, its timer running.
    void show();
    bool isOpen() const { return open_; }

    void setLogoFrameVisible(int frame, bool visible) override;
    void showMainWindow() override { windows_.showMainWindow(); }
    void unloadSplash() override;

  private:
    Page& page_;
    PageWindows& windows_;
    bool open_ = false;
};

class AboutPage final : public ui::AboutView {
  public:
    AboutPage(Page& page, PageWindows& windows) : page_(page), windows_(windows) {}

    // Modal over the game window; returns at once.
    void show();
    bool isOpen() const { return open_; }
    // Closed along with the game window: nothing gets the focus back.
    void closeWithMainWindow();

    void setCaption(const forms::Control& label, const std::string& text) override;
    MessageAnswer showMessage(const Message& message) override;
    const forms::Control* focusedControl() const override;
    void setFocus(const forms::Control& control) override;
    void closeBox() override;

  private:
    Page& page_;
    PageWindows& windows_;
    bool open_ = false;
};

// Settings go to the browser's local storage.
class PageSettingsStore final : public platform::SettingsStore {
  public:
    explicit PageSettingsStore(Page& page) : page_(page) {}
    bool SaveSetting(const std::string& appName, const std::string& section, const std::string& key,
                     const std::string& value) override;

  private:
    Page& page_;
};

// The time and the player's formats come from the browser.
class PageClock final : public platform::LocalClock {
  public:
    explicit PageClock(Page& page) : page_(page) {}
    platform::LocalTime now() override;
    std::string shortDate(const platform::LocalTime& time) override;
    std::string shortTime(const platform::LocalTime& time) override;
    bool shortTimeShowsSeconds() override;

  private:
    Page& page_;
};

}  // namespace tenebrix::web
