// SPDX-License-Identifier: GPL-3.0-or-later
// The tables' texts through the player's catalogue.
#include "Captions.h"

#include "TilePictures.h"
#include "Translate.h"

namespace tenebrix::ui {

std::string captionOf(const forms::Control& control) {
    if (control.caption[0] == '\0') return {};
    // Buttons have a context of their own: a button's word may have to be
    // shorter than the same word in a menu.
    if (control.kind == forms::ControlKind::Button) return i18n::trc("button", control.caption);
    return i18n::tr(control.caption);
}

std::string accessibleNameOf(const forms::Control& control) {
    if (control.accessibleName[0] == '\0') return {};
    return i18n::trc("scroll bar", control.accessibleName);
}

std::string captionOf(const forms::Menu& menu) {
    return i18n::trc("menu", menu.caption);
}

std::string captionOf(const forms::MenuItem& item) {
    if (item.isSeparator()) return {};
    return i18n::trc("menu item", item.caption);
}

std::string shortcutOf(const forms::MenuItem& item) {
    if (item.ctrlShortcut == 0) return {};
    // TRANSLATORS: how a menu shows a Ctrl shortcut; %1 is the key's letter
    // (H, N or R), the same in every language. Write the Ctrl key as
    // keyboards in your language label it (German "Strg+%1").
    // xgettext:qt-format
    return i18n::format(i18n::trc("shortcut", "Ctrl+%1"), {std::string(1, item.ctrlShortcut)});
}

std::string tileName(int tile, bool lit) {
    const std::string number = std::to_string(tile);
    if (lit) {
        // TRANSLATORS: what a screen reader says for a board tile: %1 is its
        // number (1 to 25); "lit" means switched on, showing its colour (the
        // player must make every tile dark).
        // xgettext:qt-format
        return i18n::format(i18n::tr("Tile %1, lit"), {number});
    }
    // TRANSLATORS: what a screen reader says for a board tile: %1 is its
    // number (1 to 25); "dark" means switched off (black), what the player aims for.
    // xgettext:qt-format
    return i18n::format(i18n::tr("Tile %1, dark"), {number});
}

std::string tileSetCaption(int tileSet) {
    return i18n::tr(pictures::tilePictureText(pictures::darkPictureOf(tileSet)));
}

std::string answerCaption(MessageAnswer answer) {
    switch (answer) {
        case MessageAnswer::Yes:
            // TRANSLATORS: a message box's buttons.
            return i18n::trc("button", "Yes");
        case MessageAnswer::No:
            return i18n::trc("button", "No");
        case MessageAnswer::Ok:
            break;
    }
    return i18n::trc("button", "OK");
}

std::string windowTitle(const char* caption) {
    return i18n::tr(caption);
}

}  // namespace tenebrix::ui
