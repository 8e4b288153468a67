// SPDX-License-Identifier: GPL-3.0-or-later
// What the game's windows ask of the web page: elements found by their
// control names ("picTile(7)", "lblMoves"), pictures, windows, menus, the
// message box, timers and the browser's services. The page's script
// implements it; tests use a recording fake.
#pragma once

#include <string>

#include "Colour.h"
#include "Image.h"
#include "LocalClock.h"
#include "Message.h"
#include "Placement.h"

namespace tenebrix::web {

// The game window's client area: the bare window, around its controls.
inline constexpr const char* kClientAreaId = "clientArea";
// The page's notices: the game's program could not be loaded; the game has
// ended (File > Exit in a tab the browser keeps open), with its button that
// starts it again.
inline constexpr const char* kNoProgramId = "noProgram";
inline constexpr const char* kEndedId = "gameEnded";
inline constexpr const char* kPlayAgainId = "playAgain";

// The timers the game sets on the page, by number.
enum class Timer { Splash = 1, StatusClock = 2 };

// What the player did in the open message box.
struct MessageEvent {
    enum class Kind { Click, Key };
    Kind kind = Kind::Click;
    std::string element;  // the button clicked, or the one in focus for a key
    std::string key;      // KeyboardEvent.key
    bool alt = false, ctrl = false, shift = false, repeat = false;
    std::string code;  // KeyboardEvent.code: the key's place, whatever the layout
};

class Page {
  public:
    virtual ~Page() = default;

    virtual void setText(const std::string& id, const std::string& text) = 0;
    // A caption with its access key underlined: `before`, `key` (empty for
    // none) and `after`, in the element `id` or in its part matched by the
    // CSS selector `part` (empty for the element itself).
    virtual void setCaption(const std::string& id, const std::string& part,
                            const std::string& before, const std::string& key,
                            const std::string& after) = 0;
    // An attribute of the element `id` or of its `part`; an empty value
    // removes it.
    virtual void setAttribute(const std::string& id, const std::string& part,
                              const std::string& name, const std::string& value) = 0;
    // The document's language (a BCP 47 tag: "de", "pt-BR") and title.
    virtual void setDocument(const std::string& language, const std::string& title) = 0;
    virtual void setVisible(const std::string& id, bool visible) = 0;
    // The check mark of a menu item.
    virtual void setChecked(const std::string& id, bool checked) = 0;
    // The colour behind a picture box's transparent pixels.
    virtual void setBackColour(const std::string& id, Colour colour) = 0;
    // What a screen reader says for the element.
    virtual void setAccessibleName(const std::string& id, const std::string& name) = 0;
    // Moves a scroll bar's thumb; nothing else happens.
    virtual void setScrollValue(const std::string& id, int value) = 0;
    virtual void focus(const std::string& id) = 0;
    // The element with the keyboard focus; empty when it has no name.
    virtual std::string focusedId() const = 0;

    // Pictures are handed over under a key, drawn at `scale` device pixels
    // for each picture pixel, and then shown by key; handed over again at
    // another scale when the screen's density changes.
    virtual void definePicture(int key, const pictures::Image& image, int scale) = 0;
    virtual void showPicture(const std::string& id, int key) = 0;

    // A window of the game: shown, shown modally over the game window (the
    // call returns at once; the page keeps the rest inert), or closed.
    virtual void showWindow(const std::string& id) = 0;
    virtual void showModal(const std::string& id) = 0;
    virtual void closeWindow(const std::string& id) = 0;
    // Where a shown window stands on the page, in CSS pixels.
    virtual ui::Placement windowPlacement(const std::string& id) const = 0;

    // The menu bar: a menu dropped down with nothing highlighted, the one
    // that is down (empty for none), and all closed, the focus back where
    // it was before the menu opened.
    virtual void openMenu(const std::string& id) = 0;
    virtual std::string openMenuId() const = 0;
    virtual void closeMenus() = 0;

    // The message box: opened with its first button in focus, the player's
    // next click or key on it (the game waits for it), and closed.
    virtual void openMessage(const Message& message) = 0;
    virtual MessageEvent nextMessageEvent() = 0;
    virtual void closeMessage() = 0;

    // Opens the help page at its contents in a new tab; false when the
    // browser refused (a pop-up blocker).
    virtual bool openHelp(const std::string& path) = 0;

    // Calls the game's timer `timer` once after `milliseconds`, and again
    // after each further `milliseconds`, until set again; 0 stops it.
    virtual void setTimer(Timer timer, int milliseconds) = 0;

    // The browser's local storage; false when it could not be written.
    virtual bool saveSetting(const std::string& application, const std::string& section,
                             const std::string& key, const std::string& value) = 0;
    // The player's own ways of writing numbers, dates and times.
    virtual std::string decimalSeparator() const = 0;
    virtual platform::LocalTime localTime() const = 0;
    virtual std::string shortDate(const platform::LocalTime& time) const = 0;
    virtual std::string shortTime(const platform::LocalTime& time) const = 0;
    virtual bool shortTimeShowsSeconds() const = 0;

    // The game has ended: the page closes its tab if it may, and else says
    // that the game has ended, with a way to start it again.
    virtual void exit() = 0;
};

}  // namespace tenebrix::web
