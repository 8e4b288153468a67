// SPDX-License-Identifier: GPL-3.0-or-later
// The game's own small controls on the Windows API: picture boxes (tiles,
// samples, diagrams, logo frames) and labels, and the pointer reports every
// control of a window sends to it.
#pragma once

#include <windows.h>

#include <string>

#include "Colour.h"
#include "Control.h"
#include "Image.h"

namespace tenebrix::win32 {

// Sent to a control's parent: wParam the control's identifier, lParam the
// pointer message (WM_MOUSEMOVE, WM_LBUTTONUP, ...) the control received.
inline constexpr UINT kChildPointerMessage = WM_APP + 1;

inline constexpr const wchar_t* kPictureBoxClass = L"TenebrixPictureBox";
inline constexpr const wchar_t* kLabelClass = L"TenebrixLabel";

// Registers both classes once per program.
void registerControlClasses(HINSTANCE instance);

struct PictureBoxStyle {
    forms::Border border = forms::Border::None;
    // A board tile: a tab stop that takes the arrow keys and is clicked by
    // a press and a release over it (WM_COMMAND, BN_CLICKED to its parent).
    bool tile = false;
    bool visible = true;
};

HWND createPictureBox(HWND parent, int id, const RECT& place, PictureBoxStyle style);
// The picture at 96 dots per inch; the box scales it for its screen.
void setPicture(HWND box, const pictures::Image& picture);
void setBackColour(HWND box, Colour colour);
Colour backColour(HWND box);
// Screen pixels per picture pixel, and the border's width in screen pixels.
void setPictureScale(HWND box, int scale);
int borderWidth(HWND box);

struct LabelStyle {
    forms::TextAlign align = forms::TextAlign::Left;
    bool wordWrap = false;
    bool visible = true;
};

HWND createLabel(HWND parent, int id, const RECT& place, const std::wstring& caption,
                 LabelStyle style);

// Makes a system control (a button, a group box) report its pointer messages
// to its parent as kChildPointerMessage; a group box then also takes the
// pointer over its own area instead of letting it through.
void reportPointer(HWND control);

}  // namespace tenebrix::win32
