// SPDX-License-Identifier: GPL-3.0-or-later
// The modal windows' markup: the About box and the message box.
#include <string>

#include "AboutForm.h"
#include "Markup.h"
#include "PageMarkup.h"
#include "ProgramIcon.h"

namespace tenebrix::web {

namespace about = forms::frmAbout;

namespace {

std::string titleBar(const std::string& captionId, const std::string& caption, bool closeBox) {
    return "<div class=\"titlebar\"><span id=\"" + captionId + "\" class=\"title\">" +
           escapeHtml(caption) + "</span>" +
           (closeBox ? "<button type=\"button\" class=\"closebox\" aria-label=\"Close\" "
                       "tabindex=\"-1\"></button>"
                     : "") +
           "</div>\n";
}

std::string aboutLabel(const about::Label& label) {
    return "<div id=\"" + std::string(label.name) + "\" class=\"label" +
           (label.bold ? " bold" : "") + (label.wordWrap ? " wraps" : "") + "\" style=\"" +
           placeStyle(label.place) + "\">" + escapeHtml(label.caption) + "</div>\n";
}

std::string aboutButton(const about::Button& button, bool isDefault) {
    const std::string key = accessKey(button.caption);
    std::string out = "<button type=\"button\" id=\"" + std::string(button.name) +
                      "\" class=\"command" + (isDefault ? " default\" autofocus" : "\"");
    if (!key.empty())
        out += " data-accesskey=\"" + key + "\" aria-keyshortcuts=\"Alt+" + key + "\"";
    return out + " style=\"" + placeStyle(button.place) + "\">" + captionHtml(button.caption) +
           "</button>\n";
}

// An etched line: grey, and white a pixel below.
std::string etchedLine() {
    const auto line = [](const char* id, const about::Line& at, const char* look) {
        return "<div id=\"" + std::string(id) + "\" class=\"line " + look + "\" style=\"" +
               placeStyle({at.left, at.top, at.right - at.left, 15}) + "\"></div>\n";
    };
    return line("Line1(1)", about::kGreyLine, "grey1") +
           line("Line1(0)", about::kWhiteLine, "white2");
}

}  // namespace

std::string aboutBoxMarkup() {
    const std::string side = std::to_string(pictures::kAboutPictureSize);
    std::string out =
        "<dialog id=\"" + std::string(about::kName) +
        "\" class=\"window dialog form-font\" aria-labelledby=\"frmAbout-caption\">\n";
    out += titleBar("frmAbout-caption", about::kCaption, true);
    out += "<div class=\"client\" style=\"" + sizeStyle(about::kWidth, about::kHeight) + "\">\n";
    out += "<div id=\"" + std::string(about::kIconName) +
           "\" class=\"picbox sunken\" aria-hidden=\"true\" style=\"left:" +
           std::to_string(forms::twipsToPixels(about::kIconLeft)) +
           "px;top:" + std::to_string(forms::twipsToPixels(about::kIconTop)) +
           "px;width:" + std::to_string(pictures::kAboutPictureSize + 4) +
           "px;height:" + std::to_string(pictures::kAboutPictureSize + 4) +
           "px\"><canvas class=\"picture\" width=\"" + side + "\" height=\"" + side +
           "\" style=\"width:" + side + "px;height:" + side + "px\"></canvas></div>\n";
    for (const about::Label& label : about::kLabels) out += aboutLabel(label);
    out += etchedLine();
    // OK first in the tab order; it is both the default and the cancel button.
    out += aboutButton(about::cmdOK, true);
    out += aboutButton(about::cmdSysInfo, false);
    return out + "</div>\n</dialog>\n";
}

// The game's one message box: its text, title, icon and buttons are set for
// each message.
std::string messageBoxMarkup() {
    return "<dialog id=\"msgBox\" class=\"window dialog form-font\" role=\"alertdialog\" "
           "aria-labelledby=\"msgTitle\" aria-describedby=\"msgText\">\n" +
           titleBar("msgTitle", "", false) +
           "<div class=\"msgbody\"><div id=\"msgIcon\" class=\"infoicon\" role=\"img\" "
           "aria-label=\"Information\" hidden>i</div><div id=\"msgText\" class=\"msgtext\"></div>"
           "</div>\n<div class=\"msgbuttons\">"
           "<button type=\"button\" id=\"msgOK\" class=\"command\">OK</button>"
           "<button type=\"button\" id=\"msgYes\" class=\"command\" data-accesskey=\"Y\">"
           "<u>Y</u>es</button>"
           "<button type=\"button\" id=\"msgNo\" class=\"command\" data-accesskey=\"N\">"
           "<u>N</u>o</button></div>\n</dialog>\n";
}

}  // namespace tenebrix::web
