// SPDX-License-Identifier: GPL-3.0-or-later
// The game window's markup: the menu bar over the client area, which holds
// the window's controls.
#include <string>

#include "MainMenuForm.h"
#include "MainWindowForm.h"
#include "Markup.h"
#include "Page.h"
#include "PageMarkup.h"
#include "PageNotices.h"

namespace tenebrix::web {

namespace frm = forms::frmMain;

namespace {

std::string attribute(const char* name, const std::string& value) {
    return std::string(" ") + name + "=\"" + escapeHtml(value) + "\"";
}

// One menu title and its drop-down: the items with their check marks and
// shortcuts, separators as lines.
std::string menuMarkup(const forms::Menu& menu) {
    std::string out = "<div class=\"menu\"><button type=\"button\"" + attribute("id", menu.name) +
                      " class=\"menutitle\" role=\"menuitem\" aria-haspopup=\"menu\" "
                      "aria-expanded=\"false\" tabindex=\"-1\">" +
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
               (item.checkable ? "menuitemcheckbox" : "menuitem") + "\" tabindex=\"-1\"";
        if (item.checkable)
            out += attribute("aria-checked", item.checkedAtStart ? "true" : "false");
        if (!shortcut.empty())
            out += attribute("aria-keyshortcuts", "Control+" + std::string(1, item.ctrlShortcut));
        out += "><span class=\"check\" aria-hidden=\"true\"></span><span class=\"caption\">" +
               captionHtml(item.caption) + "</span><span class=\"shortcut\">" + shortcut +
               "</span></div>\n";
    }
    return out + "</div></div>\n";
}

}  // namespace

std::string mainWindowMarkup() {
    std::string out = "<div" + attribute("id", frm::kName) +
                      " class=\"window main form-font\" role=\"main\"" +
                      attribute("aria-label", frm::kCaption) + " hidden>\n";
    out += menuBarMarkup();
    out += "<div" + attribute("id", kClientAreaId) + " class=\"client\" style=\"" +
           sizeStyle(frm::kClientWidth, frm::kClientHeight) + "\">\n";
    out += controlsMarkup(frm::kControls);
    return out + "</div>\n</div>\n";
}

std::string menuBarMarkup() {
    std::string out =
        "<div class=\"menubar\" role=\"menubar\"" + attribute("aria-label", menuBarName()) + ">\n";
    for (const forms::Menu& menu : forms::kMainMenu) out += menuMarkup(menu);
    return out + "</div>\n";
}

}  // namespace tenebrix::web
