// SPDX-License-Identifier: GPL-3.0-or-later
// What the pointer does to the move preview over each part of the game
// window. The preview comes off as the pointer crosses the bare window (the
// gaps between the tiles are bare window, so going from tile to tile takes
// the old preview off first), the settings frame's own area, Hint or Reset,
// and when a mouse button comes up over New Puzzle. Over a tile it shows
// that tile's move; over a tile's number it asks for no tile. Everything
// else (the frame's pictures, captions and scroll bars, the status bar)
// leaves the preview alone.
#pragma once

#include <string_view>

namespace tenebrix::ui {

enum class PointerEvent { Move, Release };

enum class PreviewEffect {
    None,
    ShowTile,  // the move of the tile under the pointer
    NoTile,    // the previewed tile is forgotten, the marks stay
    Hide,      // every mark comes off
};

// The bare client area of the game window goes by the window's name.
inline constexpr std::string_view kBareWindow = "frmMain";

struct PointerRule {
    std::string_view control;  // a control's name; an array's elements all alike
    PointerEvent event;
    PreviewEffect effect;
};

inline constexpr PointerRule kPointerRules[] = {
    {kBareWindow, PointerEvent::Move, PreviewEffect::Hide},
    {"Frame1", PointerEvent::Move, PreviewEffect::Hide},
    {"cmdHint", PointerEvent::Move, PreviewEffect::Hide},
    {"cmdReset", PointerEvent::Move, PreviewEffect::Hide},
    {"cmdNewPuzzle", PointerEvent::Release, PreviewEffect::Hide},
    {"picTile", PointerEvent::Move, PreviewEffect::ShowTile},
    {"lblTileNumbers", PointerEvent::Move, PreviewEffect::NoTile},
};

constexpr PreviewEffect previewEffect(std::string_view control, PointerEvent event) {
    for (const PointerRule& rule : kPointerRules) {
        if (rule.control == control && rule.event == event) return rule.effect;
    }
    return PreviewEffect::None;
}

// Whether a front end must report `event` over `control` at all.
constexpr bool watchesPointer(std::string_view control, PointerEvent event) {
    return previewEffect(control, event) != PreviewEffect::None;
}

}  // namespace tenebrix::ui
