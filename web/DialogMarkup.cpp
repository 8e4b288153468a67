// SPDX-License-Identifier: GPL-3.0-or-later
// The modal windows' markup: the About box and the message box.
#include <string>

#include "AboutForm.h"
#include "Markup.h"
#include "MessageBox.h"
#include "PageMarkup.h"
#include "PageNotices.h"

namespace tenebrix::web {

namespace about = forms::frmAbout;

namespace {

std::string titleBar(const std::string& captionId, const std::string& caption, bool closeBox) {
    return "<div class=\"titlebar\"><span id=\"" + captionId + "\" class=\"title\">" +
           escapeHtml(caption) + "</span>" +
           (closeBox ? "<button type=\"button\" class=\"closebox\" aria-label=\"" +
                           escapeHtml(closeBoxName()) + "\" tabindex=\"-1\"></button>"
                     : "") +
           "</div>\n";
}

std::string messageButton(const char* id, const char* caption) {
    return "<button type=\"button\" id=\"" + std::string(id) + "\" class=\"command\">" +
           captionHtml(caption) + "</button>";
}

}  // namespace

std::string aboutBoxMarkup() {
    const std::string captionId = std::string(about::kName) + "-caption";
    return "<dialog id=\"" + std::string(about::kName) +
           "\" class=\"window dialog form-font\" aria-labelledby=\"" + captionId + "\">\n" +
           titleBar(captionId, about::kCaption, true) + "<div class=\"client\" style=\"" +
           sizeStyle(about::kWidth, about::kHeight) + "\">\n" + controlsMarkup(about::kControls) +
           "</div>\n</dialog>\n";
}

// The game's one message box: its text, title, icon and buttons are set for
// each message.
std::string messageBoxMarkup() {
    return "<dialog id=\"" + std::string(kMessageBoxId) +
           "\" class=\"window dialog form-font\" role=\"alertdialog\" "
           "aria-labelledby=\"msgTitle\" aria-describedby=\"msgText\">\n" +
           titleBar("msgTitle", "", false) +
           "<div class=\"msgbody\"><div id=\"msgIcon\" class=\"infoicon\" role=\"img\" "
           "aria-label=\"" +
           escapeHtml(informationIconName()) +
           "\" hidden>i</div><div id=\"msgText\" class=\"msgtext\"></div>"
           "</div>\n<div class=\"msgbuttons\">" +
           messageButton(kMessageOkId, "OK") + messageButton(kMessageYesId, "&Yes") +
           messageButton(kMessageNoId, "&No") + "</div>\n</dialog>\n";
}

}  // namespace tenebrix::web
