// SPDX-License-Identifier: GPL-3.0-or-later
// The game on the web page: the page's events, by element name, turned into
// calls on the windows' rules.
#include "WebGame.h"

#include <array>
#include <optional>
#include <utility>

#include "AboutForm.h"
#include "MainWindowForm.h"
#include "PageTexts.h"
#include "PictureKeys.h"
#include "SplashForm.h"
#include "WindowKeys.h"

namespace tenebrix::web {

namespace frm = forms::frmMain;
using forms::Control;
using forms::ControlKind;

namespace {

// The scroll bar's requests as the page's script names them.
std::optional<ui::ScrollRequest> scrollRequestNamed(std::string_view name) {
    using ui::ScrollRequest;
    constexpr std::array<std::pair<std::string_view, ScrollRequest>, 8> kRequests{{
        {"LineLeft", ScrollRequest::LineLeft},
        {"LineRight", ScrollRequest::LineRight},
        {"PageLeft", ScrollRequest::PageLeft},
        {"PageRight", ScrollRequest::PageRight},
        {"First", ScrollRequest::First},
        {"Last", ScrollRequest::Last},
        {"ThumbTrack", ScrollRequest::ThumbTrack},
        {"ThumbRelease", ScrollRequest::ThumbRelease},
    }};
    for (const auto& [known, request] : kRequests) {
        if (name == known) return request;
    }
    return std::nullopt;
}

const forms::Menu* menuNamed(std::string_view name) {
    for (const forms::Menu& menu : forms::kMainMenu) {
        if (name == menu.name) return &menu;
    }
    return nullptr;
}

const forms::MenuItem* itemNamed(const forms::Menu& menu, std::string_view name) {
    for (const forms::MenuItem& item : menu.items) {
        if (!item.isSeparator() && name == item.name) return &item;
    }
    return nullptr;
}

}  // namespace

WebGame::WebGame(Page& page, RandomSource& random, SystemAccess system, std::string helpPath)
    : page_(page),
      settings_(page),
      clock_(page),
      view_(page, *this),
      window_(view_, {random, settings_, clock_, std::move(helpPath)}),
      splashView_(page, *this),
      splash_(splashView_),
      aboutView_(page, *this),
      about_(aboutView_, system.registry, system.launcher) {}

void WebGame::start(double ratio) {
    showPageTexts(page_);
    scale_ = pictureScaleFor(ratio);
    showSplashPictures(page_, scale_);
    splashView_.show();
}

void WebGame::deviceRatioChanged(double ratio) {
    const int scale = pictureScaleFor(ratio);
    if (scale == scale_) return;
    scale_ = scale;
    // The splash's frames only while it may still be seen.
    if (splashView_.isOpen()) showSplashPictures(page_, scale_);
    if (picturesReady_) showWindowPictures(page_, scale_);
}

void WebGame::preparePictures() {
    if (picturesReady_) return;
    showWindowPictures(page_, scale_);
    picturesReady_ = true;
}

void WebGame::timer(Timer timer) {
    switch (timer) {
        case Timer::Splash:
            splash_.Timer1_Timer();
            return;
        case Timer::StatusClock:
            if (mainShown_) page_.setTimer(Timer::StatusClock, window_.clockTick());
            return;
    }
}

// Loaded as it is shown, before the page paints again; the status bar's
// clock starts with it.
void WebGame::showMainWindow() {
    preparePictures();
    page_.showWindow(frm::kName);
    mainShown_ = true;
    window_.Form_Load();
    page_.focus(frm::kFocusAtStart);
    timer(Timer::StatusClock);
}

// The window's close box, File > Exit: the page has nothing left to show.
void WebGame::closeMainWindow() {
    if (!mainShown_) return;
    window_.Form_Unload();
    mainShown_ = false;
    page_.setTimer(Timer::StatusClock, 0);
    page_.closeWindow(frm::kName);
    page_.exit();
}

// A fresh box each time: the title and the version line are written anew.
void WebGame::showAboutBox() {
    about_.Form_Load();
    aboutView_.show();
}

bool WebGame::keyDown(std::string_view name, std::string_view code, bool alt, bool ctrl, bool shift,
                      bool repeat) {
    // The key's place gives its Latin letter under any layout: Ctrl+N and
    // the English access keys work from a Russian keyboard too.
    const ui::KeyPress key = ui::keyPressFromName(name, code, alt, ctrl, shift, repeat);
    if (aboutView_.isOpen()) return about_.keyDown(key, aboutView_.focusedControl());
    if (!mainShown_) {
        // Esc asks the splash to close; it is ignored like every other key.
        if (splashView_.isOpen() && key.is(ui::Key::Escape)) closeRequest(forms::frmSplash::kName);
        return false;
    }
    if (menuKey(key)) return true;
    return window_.keyDown(key, view_.focusedControl());
}

// A key while a menu is dropped down.
bool WebGame::menuKey(const ui::KeyPress& key) {
    using Kind = ui::MenuKeyAction::Kind;
    const forms::Menu* open = menuNamed(page_.openMenuId());
    if (!open) return false;
    const ui::MenuKeyAction action = ui::menuKey(key, open, itemNamed(*open, page_.focusedId()));
    switch (action.kind) {
        case Kind::NotForTheMenu:
            return false;
        case Kind::Close:
            page_.closeMenus();
            return true;
        case Kind::CloseAndPass:
            page_.closeMenus();
            return false;
        case Kind::FocusItem:
            if (action.item) page_.focus(action.item->name);
            return true;
        case Kind::OpenMenu:
            page_.openMenu(action.menu->name);
            if (action.item) page_.focus(action.item->name);
            return true;
        case Kind::Choose:
            page_.closeMenus();
            window_.command(action.item->command);
            return true;
        case Kind::Nothing:
            return true;
    }
    return false;
}

void WebGame::click(std::string_view id) {
    if (aboutView_.isOpen()) {
        const Control* button = forms::findControlByFullName(forms::frmAbout::kControls, id);
        if (button && button->kind == ControlKind::Button) about_.buttonClicked(*button);
        return;
    }
    if (!mainShown_) return;
    const Control* control = forms::findControlByFullName(frm::kControls, id);
    if (!control) return;
    if (control->boardTile) {
        window_.tileClicked(control->index);
    } else if (control->kind == ControlKind::Button) {
        window_.buttonClicked(*control);
    }
}

void WebGame::pointer(std::string_view id, ui::PointerEvent event) {
    if (!mainShown_ || aboutView_.isOpen()) return;
    if (id == kClientAreaId) {
        window_.pointerMoved(nullptr, event);
    } else if (const Control* control = forms::findControlByFullName(frm::kControls, id)) {
        window_.pointerMoved(control, event);
    }
}

void WebGame::scroll(std::string_view id, std::string_view request, int thumbAt) {
    if (!mainShown_ || aboutView_.isOpen()) return;
    const Control* bar = forms::findControlByFullName(frm::kControls, id);
    const auto scrollRequest = scrollRequestNamed(request);
    if (!bar || bar->kind != ControlKind::ScrollBar || !scrollRequest) return;
    window_.scrolled(*bar, view_.scrollValue(*bar), *scrollRequest, thumbAt);
}

void WebGame::chooseMenuItem(std::string_view id) {
    if (!mainShown_ || aboutView_.isOpen()) return;
    for (const forms::Menu& menu : forms::kMainMenu) {
        if (const forms::MenuItem* item = itemNamed(menu, id)) {
            window_.command(item->command);
            return;
        }
    }
}

void WebGame::closeRequest(std::string_view id) {
    if (id == forms::frmSplash::kName) {
        // Refused until the splash has handed over, when it is gone already.
        if (splash_.mayClose() && splashView_.isOpen()) splashView_.unloadSplash();
    } else if (id == forms::frmAbout::kName) {
        aboutView_.closeBox();
    } else if (id == frm::kName) {
        closeMainWindow();
    }
}

// Whatever is open, the game window's place is written, each time the
// page is left while the window is up.
void WebGame::unload() {
    if (mainShown_) window_.Form_Unload();
}

}  // namespace tenebrix::web
