// SPDX-License-Identifier: GPL-3.0-or-later
// Keys, scroll codes and pointer messages for the windows' rules.
#include "NativeEvents.h"

#include <vector>

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

namespace {

bool isHighSurrogate(WPARAM unit) {
    return unit >= 0xD800 && unit <= 0xDBFF;
}

// The WM_SYSCHAR waiting for `window`, taken from the queue, joined with its
// second half when it has one; 0 when none waits.
char32_t takeTypedCharacter(HWND window, std::vector<MSG>& typed) {
    MSG message;
    if (!PeekMessageW(&message, window, WM_SYSCHAR, WM_SYSCHAR, PM_REMOVE)) return 0;
    typed.push_back(message);
    return static_cast<char32_t>(message.wParam);
}

char32_t joinedWithLowHalf(HWND window, char32_t high, std::vector<MSG>& typed) {
    const char32_t low = takeTypedCharacter(window, typed);
    if (low < 0xDC00 || low > 0xDFFF) return 0xFFFD;  // half a character: none the keys know
    return 0x10000 + ((high - 0xD800) << 10) + (low - 0xDC00);
}

// A character as a key of Key::Letter: any letter or digit, of any script.
bool typesLetter(char32_t c) {
    if (c < 0x80) return ui::keyLetter(static_cast<char>(c)) != 0;
    return c != 0xFFFD && !(c >= 0x80 && c < 0xA0);
}

void dispatchAll(const MSG& key, const std::vector<MSG>& typed) {
    DispatchMessageW(&key);
    for (const MSG& character : typed) DispatchMessageW(&character);
}

}  // namespace

KeyOutcome offerKey(const MSG& message, const std::function<bool(const ui::KeyPress&)>& rules) {
    std::vector<MSG> typed;
    if (message.message == WM_KEYDOWN || message.message == WM_SYSKEYDOWN) {
        ui::KeyPress press = keyPressOf(message);
        if (press.key == ui::Key::Letter && press.alt && !press.ctrl) {
            char32_t character = takeTypedCharacter(message.hwnd, typed);
            if (typed.empty()) {
                TranslateMessage(&message);
                character = takeTypedCharacter(message.hwnd, typed);
            }
            if (isHighSurrogate(character))
                character = joinedWithLowHalf(message.hwnd, character, typed);
            if (typesLetter(character)) press.character = character;
        }
        if (rules(press)) return KeyOutcome::Taken;
        if (typed.empty()) return KeyOutcome::Untouched;
        // Translated already: the key and its character go on as the
        // system's loop would have sent them (the menu bar's own keys).
        dispatchAll(message, typed);
        return KeyOutcome::Passed;
    }
    if (message.message != WM_SYSCHAR) return KeyOutcome::Untouched;
    char32_t character = static_cast<char32_t>(message.wParam);
    if (isHighSurrogate(character)) character = joinedWithLowHalf(message.hwnd, character, typed);
    if (!typesLetter(character)) {
        if (typed.empty()) return KeyOutcome::Untouched;
        dispatchAll(message, typed);
        return KeyOutcome::Passed;
    }
    ui::KeyPress press;
    press.key = ui::Key::Letter;
    press.character = character;
    press.letter = character < 0x80 ? ui::keyLetter(static_cast<char>(character)) : '\0';
    press.alt = (static_cast<unsigned long>(message.lParam) & (1ul << 29)) != 0;
    press.ctrl = GetKeyState(VK_CONTROL) < 0;
    press.shift = GetKeyState(VK_SHIFT) < 0;
    if (rules(press)) return KeyOutcome::Taken;
    if (typed.empty()) return KeyOutcome::Untouched;
    dispatchAll(message, typed);
    return KeyOutcome::Passed;
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
