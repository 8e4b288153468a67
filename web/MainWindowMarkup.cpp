// SPDX-License-Identifier: GPL-3.0-or-later
// The game window's markup: the board, the buttons, the hidden values and
// the status bar around the settings frame, under the menu bar.
#include <string>

#include "Board.h"
#include "ControlNames.h"
#include "MainMenuForm.h"
#include "MainWindowForm.h"
#include "Markup.h"
#include "PageMarkup.h"
#include "TilePictures.h"

namespace tenebrix::web {

namespace frm = forms::frmMain;

namespace {

std::string attribute(const char* name, const std::string& value) {
    return std::string(" ") + name + "=\"" + escapeHtml(value) + "\"";
}

// The command a button gives: the same as its File menu item's.
int commandOf(const char* buttonName) {
    const std::string name(buttonName);
    if (name == frm::cmdHint.name) return static_cast<int>(forms::MenuCommand::Hint);
    if (name == frm::cmdNewPuzzle.name) return static_cast<int>(forms::MenuCommand::NewPuzzle);
    return static_cast<int>(forms::MenuCommand::ResetPuzzle);
}

std::string tileCanvas() {
    const std::string side = std::to_string(pictures::kTilePictureSize);
    return "<canvas class=\"picture\" width=\"" + side + "\" height=\"" + side +
           "\" style=\"width:" + side + "px;height:" + side + "px\"></canvas>";
}

// The labels come first, so each tile covers the top strip of its label.
std::string boardMarkup() {
    std::string out;
    for (int n = 1; n <= kTileCount; ++n) {
        out += "<div" + attribute("id", forms::arrayName("lblTileNumbers", n)) +
               " class=\"label centred tilenumber\" hidden style=\"" +
               placeStyle(frm::lblTileNumbers(n)) + "\">" + escapeHtml(frm::kTileNumberCaption) +
               "</div>\n";
    }
    // One tile is the board's stop in the tab chain; the arrows move it.
    for (int n = 1; n <= kTileCount; ++n) {
        out += "<button type=\"button\"" + attribute("id", forms::arrayName("picTile", n)) +
               " class=\"picbox sunken tile\" data-tile=\"" + std::to_string(n) + "\" tabindex=\"" +
               (n == 1 ? "0" : "-1") + "\"" +
               attribute("aria-label", forms::tileAccessibleName(n, false)) + " style=\"" +
               placeStyle(frm::picTile(n)) + "\">" + tileCanvas() + "</button>\n";
    }
    return out;
}

std::string buttonMarkup(const frm::Button& button) {
    const std::string key = accessKey(button.caption);
    return "<button type=\"button\"" + attribute("id", button.name) +
           " class=\"command\" data-command=\"" + std::to_string(commandOf(button.name)) + "\"" +
           attribute("data-accesskey", key) + attribute("aria-keyshortcuts", "Alt+" + key) +
           " style=\"" + placeStyle(button.place) + "\">" + captionHtml(button.caption) +
           "</button>\n";
}

std::string hiddenLabelMarkup(const frm::HiddenLabel& label) {
    return "<div" + attribute("id", label.name) + " class=\"label\" hidden style=\"" +
           placeStyle(label.place) + "\">" + frm::kHiddenLabelCaption + "</div>\n";
}

// Three sunken panels: the fixed text, the date, the time.
std::string statusBarMarkup() {
    const forms::TwipRect place{0, frm::kClientHeight - frm::kStatusBarHeight, frm::kClientWidth,
                                frm::kStatusBarHeight};
    std::string out = "<div" + attribute("id", frm::kStatusBarName) +
                      " class=\"statusbar\" style=\"" + placeStyle(place) + "\">";
    const int minWidth = forms::twipsToPixels(frm::kStatusPanelMinWidth);
    for (int panel = frm::kTextPanel; panel <= frm::kTimePanel; ++panel) {
        out += "<div" + attribute("id", forms::arrayName("Panels", panel)) +
               " class=\"panel sunken" + (panel == frm::kTextPanel ? " stretch" : "") +
               "\" style=\"min-width:" + std::to_string(minWidth) + "px\">" +
               (panel == frm::kTextPanel ? escapeHtml(frm::kStatusText) : "") + "</div>";
    }
    return out + "</div>\n";
}

}  // namespace

std::string mainWindowMarkup() {
    std::string out = "<div" + attribute("id", frm::kName) +
                      " class=\"window main form-font\" role=\"main\"" +
                      attribute("aria-label", frm::kCaption) + " hidden>\n";
    out += menuBarMarkup();
    out += "<div id=\"clientArea\" class=\"client\" data-bare=\"\" style=\"" +
           sizeStyle(frm::kClientWidth, frm::kClientHeight) + "\">\n";
    out += boardMarkup();
    for (const frm::Button& button : {frm::cmdHint, frm::cmdNewPuzzle, frm::cmdReset})
        out += buttonMarkup(button);
    out += hiddenLabelMarkup(frm::lblPuzState);
    out += hiddenLabelMarkup(frm::lblPuzValue);
    out += settingsFrameMarkup();
    out += statusBarMarkup();
    return out + "</div>\n</div>\n";
}

// One menu title and its drop-down: the items with their check marks and
// shortcuts, separators as lines.
static std::string menuMarkup(const forms::Menu& menu) {
    std::string out = "<div class=\"menu\"><button type=\"button\"" + attribute("id", menu.name) +
                      " class=\"menutitle\" role=\"menuitem\" aria-haspopup=\"menu\" "
                      "aria-expanded=\"false\" tabindex=\"-1\"" +
                      attribute("data-accesskey", accessKey(menu.caption)) + ">" +
                      captionHtml(menu.caption) + "</button>\n<div class=\"popup\" role=\"menu\"" +
                      attribute("aria-labelledby", menu.name) + " hidden>\n";
    for (const forms::MenuItem& item : menu.items) {
        if (item.isSeparator()) {
            out += "<div" + attribute("id", item.name) +
                   " class=\"separator\" role=\"separator\"></div>\n";
            continue;
        }
        const std::string shortcut =
            item.ctrlShortcut ? std::string("Ctrl+") + item.ctrlShortcut : std::string();
        out += "<div" + attribute("id", item.name) + " class=\"item\" role=\"" +
               (item.checkable ? "menuitemcheckbox" : "menuitem") + "\" tabindex=\"-1\"" +
               attribute("data-command", std::to_string(static_cast<int>(item.command))) +
               attribute("data-accesskey", accessKey(item.caption));
        if (item.checkable)
            out += attribute("aria-checked", item.checkedAtStart ? "true" : "false");
        if (!shortcut.empty())
            out += attribute("data-shortcut", std::string(1, item.ctrlShortcut)) +
                   attribute("aria-keyshortcuts", "Control+" + std::string(1, item.ctrlShortcut));
        out += "><span class=\"check\" aria-hidden=\"true\"></span><span class=\"caption\">" +
               captionHtml(item.caption) + "</span><span class=\"shortcut\">" + shortcut +
               "</span></div>\n";
    }
    return out + "</div></div>\n";
}

std::string menuBarMarkup() {
    std::string out = "<div class=\"menubar\" role=\"menubar\" aria-label=\"Menu bar\">\n";
    for (const forms::Menu& menu : forms::kMainMenu) out += menuMarkup(menu);
    return out + "</div>\n";
}

}  // namespace tenebrix::web
