// SPDX-License-Identifier: GPL-3.0-or-later
// Qt's keys in the windows' terms.
#include "QtKeys.h"

#include <QKeyEvent>

namespace tenebrix::qt {

namespace {

ui::Key keyOf(int key) {
    using ui::Key;
    switch (key) {
        case Qt::Key_Left:
            return Key::Left;
        case Qt::Key_Right:
            return Key::Right;
        case Qt::Key_Up:
            return Key::Up;
        case Qt::Key_Down:
            return Key::Down;
        case Qt::Key_Home:
            return Key::Home;
        case Qt::Key_End:
            return Key::End;
        case Qt::Key_PageUp:
            return Key::PageUp;
        case Qt::Key_PageDown:
            return Key::PageDown;
        case Qt::Key_Space:
            return Key::Space;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            return Key::Enter;
        case Qt::Key_Escape:
            return Key::Escape;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            return Key::Tab;
        case Qt::Key_F10:
            return Key::F10;
        default:
            return Key::Other;
    }
}

// The key's Latin letter or digit, upper case: what Ctrl shortcuts go by.
// Qt numbers the letter and digit keys by their upper-case characters,
// whatever Shift makes of them; under a layout of another script the key
// still has the Latin letter the system knows it by, where it says one.
char latinLetterOf(const QKeyEvent& event) {
    const int key = event.key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9))
        return static_cast<char>(key);
    const quint32 native = event.nativeVirtualKey();
    return native < 0x80 ? ui::keyLetter(static_cast<char>(native)) : 0;
}

// The letter or digit the key typed in the player's layout, any script:
// what access keys go by. Whatever else it typed (a control character
// under Ctrl, a sign) is none.
char32_t typedCharacterOf(const QKeyEvent& event) {
    const QString text = event.text();
    if (text.isEmpty()) return 0;
    const char32_t first = text.at(0).isHighSurrogate() && text.size() > 1
                               ? QChar::surrogateToUcs4(text.at(0), text.at(1))
                               : text.at(0).unicode();
    return QChar::isLetterOrNumber(first) ? first : 0;
}

}  // namespace

ui::KeyPress keyPressOf(const QKeyEvent& event) {
    const Qt::KeyboardModifiers held = event.modifiers();
    ui::KeyPress press;
    press.alt = held.testFlag(Qt::AltModifier);
    press.ctrl = held.testFlag(Qt::ControlModifier);
    // Qt reports Shift+Tab as Backtab, with or without the Shift flag.
    press.shift = held.testFlag(Qt::ShiftModifier) || event.key() == Qt::Key_Backtab;
    press.repeat = event.isAutoRepeat();
    if (held.testFlag(Qt::MetaModifier)) return press;
    const int key = event.key();
    press.letter = latinLetterOf(event);
    press.character = typedCharacterOf(event);
    if (press.letter != 0 || press.character != 0) {
        press.key = ui::Key::Letter;
        return press;
    }
    press.key = keyOf(key);
    return press;
}

}  // namespace tenebrix::qt
