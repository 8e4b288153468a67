// SPDX-License-Identifier: GPL-3.0-or-later
// Keys, scroll codes and pointer messages for the windows' rules.
#include "NativeEvents.h"

namespace tenebrix::win32 {

namespace {

ui::Key keyOf(WPARAM key) {
    switch (key) {
        case VK_LEFT:
            return ui::Key::Left;
        case VK_RIGHT:
            return ui::Key::Right;
        case VK_UP:
            return ui::Key::Up;
        case VK_DOWN:
            return ui::Key::Down;
        case VK_HOME:
            return ui::Key::Home;
        case VK_END:
            return ui::Key::End;
        case VK_PRIOR:
            return ui::Key::PageUp;
        case VK_NEXT:
            return ui::Key::PageDown;
        case VK_SPACE:
            return ui::Key::Space;
        case VK_RETURN:
            return ui::Key::Enter;
        case VK_ESCAPE:
            return ui::Key::Escape;
        case VK_TAB:
            return ui::Key::Tab;
        case VK_F10:
            return ui::Key::F10;
        default:
            return ui::Key::Other;
    }
}

}  // namespace

ui::KeyPress keyPressOf(WPARAM key, LPARAM flags, Modifiers held) {
    const auto bits = static_cast<unsigned long>(flags);
    ui::KeyPress press;
    press.key = keyOf(key);
    // A letter's or digit's virtual key is its upper-case character.
    const char character = key < 0x80 ? static_cast<char>(key) : '\0';
    if (character != '\0' && ui::keyLetter(character) == character) {
        press.key = ui::Key::Letter;
        press.letter = character;
    }
    press.alt = held.alt || (bits & (1ul << 29)) != 0;
    press.ctrl = held.ctrl;
    press.shift = held.shift;
    press.repeat = (bits & (1ul << 30)) != 0;
    return press;
}

ui::KeyPress keyPressOf(const MSG& message) {
    const Modifiers held{GetKeyState(VK_MENU) < 0, GetKeyState(VK_CONTROL) < 0,
                         GetKeyState(VK_SHIFT) < 0};
    return keyPressOf(message.wParam, message.lParam, held);
}

std::optional<ui::ScrollRequest> scrollRequestOf(int code) {
    switch (code) {
        case SB_LINELEFT:
            return ui::ScrollRequest::LineLeft;
        case SB_LINERIGHT:
            return ui::ScrollRequest::LineRight;
        case SB_PAGELEFT:
            return ui::ScrollRequest::PageLeft;
        case SB_PAGERIGHT:
            return ui::ScrollRequest::PageRight;
        case SB_LEFT:
            return ui::ScrollRequest::First;
        case SB_RIGHT:
            return ui::ScrollRequest::Last;
        case SB_THUMBTRACK:
            return ui::ScrollRequest::ThumbTrack;
        case SB_THUMBPOSITION:
            return ui::ScrollRequest::ThumbRelease;
        default:
            return std::nullopt;
    }
}

std::optional<ui::PointerEvent> pointerEventOf(UINT message) {
    switch (message) {
        case WM_MOUSEMOVE:
            return ui::PointerEvent::Move;
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            return ui::PointerEvent::Release;
        default:
            return std::nullopt;
    }
}

}  // namespace tenebrix::win32
