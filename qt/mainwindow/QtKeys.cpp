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
    // Qt numbers the letter and digit keys by their upper-case characters,
    // whatever Shift and the keyboard's layout make of them.
    const int key = event.key();
    if ((key >= Qt::Key_A && key <= Qt::Key_Z) || (key >= Qt::Key_0 && key <= Qt::Key_9)) {
        press.key = ui::Key::Letter;
        press.letter = static_cast<char>(key);
        return press;
    }
    press.key = keyOf(key);
    return press;
}

}  // namespace tenebrix::qt
