// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own small controls on the Windows API: picture boxes (tiles,
// samples, diagrams, logo frames) and labels, and the pointer reports every
// control of a window sends to it.
#pragma once

#include <windows.h>

#include <string>

#include "Colour.h"
#include "Image.h"

namespace tenebrix::win32 {

// Sent to a control's parent: wParam the control's identifier, lParam the
// pointer message (WM_MOUSEMOVE, WM_LBUTTONUP, ...) the control received.
inline constexpr UINT kChildPointerMessage = WM_APP + 1;
// Sent by a tile to its parent for an arrow key: wParam the identifier, lParam the key.
inline constexpr UINT kTileArrowMessage = WM_APP + 2;

inline constexpr const wchar_t* kPictureBoxClass = L"TenebrixPictureBox";
inline constexpr const wchar_t* kLabelClass = L"TenebrixLabel";

// Registers both classes once per program.
void registerControlClasses(HINSTANCE instance);

enum class Border { None, Sunken };

struct PictureBoxStyle {
    Border border = Border::None;
    // A board tile: a tab stop that plays on a click, the space bar or Enter
    // and passes arrow keys to its parent (kTileArrowMessage).
    bool tile = false;
};

HWND createPictureBox(HWND parent, int id, const RECT& place, PictureBoxStyle style);
// The picture at 96 dots per inch; the box scales it for its screen.
void setPicture(HWND box, const pictures::Image& picture);
void setBackColour(HWND box, Colour colour);
Colour backColour(HWND box);
// Screen pixels per picture pixel, and the border's width in screen pixels.
void setPictureScale(HWND box, int scale);
int borderWidth(HWND box);

enum class Align { Left, Centre, Right };

struct LabelStyle {
    Align align = Align::Left;
    bool wordWrap = false;
};

HWND createLabel(HWND parent, int id, const RECT& place, const std::wstring& caption,
                 LabelStyle style);

// Makes a system control (a button, a group box) report its pointer messages
// to its parent as kChildPointerMessage; a group box then also takes the
// pointer over its own area instead of letting it through.
void reportPointer(HWND control);

}  // namespace tenebrix::win32
