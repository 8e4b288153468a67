// SPDX-License-Identifier: GPL-3.0-or-later
// One control of a window, as every front end makes it: its name, kind and
// place in twips, its caption, alignment and font, whether it is a stop in
// the tab chain and what pressing it does. Each window lists its controls
// in one table (MainWindowControls.h, SplashControls.h, AboutControls.h),
// and each front end makes its controls by walking that table.
//
// A table lists its controls front to back: where two controls overlap, the
// one listed first lies above, and the tab stops come in tab order.
#pragma once

#include <string>
#include <string_view>

#include "AccessKey.h"
#include "Colour.h"
#include "Fonts.h"
#include "MainMenuForm.h"
#include "Twips.h"

namespace tenebrix::forms {

enum class ControlKind {
    Frame,       // a frame around other controls, with or without a caption
    PictureBox,  // a back colour with a picture on it
    Label,
    Button,     // a push button
    ScrollBar,  // horizontal, from `minimum` to `maximum`
    StatusBar,  // docked along the bottom edge, its panels in the window's form
    Line,       // a separator line: from place.left to place.right() at place.top
    Timer,      // not drawn; only its name
};

enum class TextAlign { Left, Centre, Right };
enum class Border { None, Sunken };

// The pictures a box holds from the moment its window is made; the game
// gives the others theirs (tiles, tile sets).
enum class StartPicture { None, ModeDiagram, LogoFrame, AboutPicture };

inline constexpr int kNoIndex = -1;

struct Control {
    const char* name = "";
    int index = kNoIndex;  // the element of a control array, else kNoIndex
    ControlKind kind = ControlKind::Label;
    TwipRect place{};            // within its container
    const char* container = "";  // the frame it lies in; "" for the window itself
    const char* caption = "";    // '&' marks the access key
    TextAlign align = TextAlign::Left;
    Font font = kFormFont;
    bool visible = true;       // when the window opens
    bool wordWrap = false;     // wraps, from the top left
    bool growsToText = false;  // keeps its left edge and grows to fit its caption
    Border border = Border::None;
    bool tabStop = false;
    bool boardTile = false;                   // one of the board's tiles: one stop together
    MenuCommand command = MenuCommand::None;  // what pressing it does
    StartPicture picture = StartPicture::None;
    int picturePixels = 0;         // a box sized to its picture: the picture's side
    int minimum = 0, maximum = 0;  // a scroll bar's range
    int smallChange = 1;           // a scroll bar's step for an arrow
    int largeChange = 1;           // and for a click in its track
    const char* accessibleName =
        "";                  // what a screen reader calls it, where the caption does not say
    const char* shows = "";  // a scroll bar's caption that shows its value
    Colour lineColour = 0;   // a line's colour and thickness in pixels
    int linePixels = 0;
    bool isDefault = false, isCancel = false;  // a dialog's Enter and Esc button

    // "picTile(7)" for an element of an array, else the name.
    std::string fullName() const {
        if (index == kNoIndex) return name;
        return std::string(name) + "(" + std::to_string(index) + ")";
    }
    constexpr bool is(std::string_view other) const { return other == name; }
    constexpr bool inFrame() const { return container[0] != '\0'; }
};

// The control called `name` (and `index`, for an element of an array) in
// `table`; nullptr when there is none.
template <typename Table>
constexpr const Control* findControl(const Table& table, std::string_view name,
                                     int index = kNoIndex) {
    for (const Control& control : table) {
        if (control.name == name && control.index == index) return &control;
    }
    return nullptr;
}

// The same, by the name a front end gives it: "picTile(7)" or "cmdHint".
template <typename Table>
constexpr const Control* findControlByFullName(const Table& table, std::string_view fullName) {
    const auto open = fullName.find('(');
    if (open == std::string_view::npos || fullName.back() != ')') {
        return findControl(table, fullName);
    }
    int index = 0;
    const std::string_view digits = fullName.substr(open + 1, fullName.size() - open - 2);
    if (digits.empty() || digits.size() > 3) return nullptr;
    for (const char digit : digits) {
        if (digit < '0' || digit > '9') return nullptr;
        index = index * 10 + (digit - '0');
    }
    return findControl(table, fullName.substr(0, open), index);
}

// A control's place within the window's client area, a frame's contents
// included, for front ends that lay every control out on the window itself.
template <typename Table>
constexpr TwipRect placeInWindow(const Table& table, const Control& control) {
    if (!control.inFrame()) return control.place;
    const Control* frame = findControl(table, control.container);
    const TwipRect origin = frame ? placeInWindow(table, *frame) : TwipRect{};
    return {origin.left + control.place.left, origin.top + control.place.top, control.place.width,
            control.place.height};
}

}  // namespace tenebrix::forms
