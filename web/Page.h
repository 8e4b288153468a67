// SPDX-License-Identifier: GPL-3.0-or-later
// What the game's windows ask of the web page: elements found by their
// control names ("picTile(7)", "lblMoves"), pictures, modal boxes. The page's
// script implements it; tests use a recording fake.
#pragma once

#include <string>

#include "Colour.h"
#include "Image.h"
#include "Message.h"

namespace tenebrix::web {

class Page {
  public:
    virtual ~Page() = default;

    virtual void setText(const std::string& id, const std::string& text) = 0;
    virtual void setVisible(const std::string& id, bool visible) = 0;
    // The check mark of a menu item.
    virtual void setChecked(const std::string& id, bool checked) = 0;
    // The colour behind a picture box's transparent pixels.
    virtual void setBackColour(const std::string& id, Colour colour) = 0;
    // What a screen reader says for the element.
    virtual void setAccessibleName(const std::string& id, const std::string& name) = 0;
    // Moves a scroll bar without running its change reaction.
    virtual void setScrollValue(const std::string& id, int value) = 0;
    virtual void focus(const std::string& id) = 0;

    // Pictures are handed over once, under a key, and then shown by key.
    virtual void definePicture(int key, const pictures::Image& image) = 0;
    virtual void showPicture(const std::string& id, int key) = 0;

    // A window of the game: shown, shown modally over the game window (the
    // call returns at once; the page keeps the rest inert), or closed.
    virtual void showWindow(const std::string& id) = 0;
    virtual void showModal(const std::string& id) = 0;
    virtual void closeWindow(const std::string& id) = 0;

    // Modal: returns once the player has closed the message.
    virtual MessageAnswer showMessage(const Message& message) = 0;
    // Opens the help page at its contents in a new tab; an empty answer
    // when it opened, else what went wrong.
    virtual std::string openHelp(const std::string& path) = 0;
    // The last window has closed: the page stores the placement and ends.
    virtual void exit() = 0;
};

}  // namespace tenebrix::web
