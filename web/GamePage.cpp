// SPDX-License-Identifier: GPL-3.0-or-later
// The game's page as a whole: the document around the windows, the fonts
// they are laid out for, and the program icon.
#include <string>

#include "Fonts.h"
#include "MainWindowForm.h"
#include "Markup.h"
#include "Page.h"
#include "PageMarkup.h"
#include "PageNotices.h"
#include "PngDataUrl.h"
#include "ProgramIcon.h"

namespace tenebrix::web {

namespace {

template <typename Families>
std::string familyList(const Families& families) {
    std::string out;
    for (const char* family : families) out += "\"" + std::string(family) + "\",";
    return out + "sans-serif";
}

std::string pointSize(const forms::Font& size) {
    return std::to_string(size.points) + "pt";
}

// What the page says in place of the game when the game cannot run, or has
// ended: one plain notice in the middle of the page.
std::string notices() {
    const std::string noScript = noScriptNotice();
    const std::string noProgram = noProgramNotice();
    const std::string ended = endedNotice();
    const std::string playAgain = playAgainCaption();
    return "<noscript><p class=\"notice form-font\">" + escapeHtml(noScript) +
           "</p></noscript>\n<p id=\"" + std::string(kNoProgramId) +
           "\" class=\"notice form-font\" role=\"alert\" hidden>" + escapeHtml(noProgram) +
           "</p>\n<div id=\"" + std::string(kEndedId) +
           "\" class=\"notice form-font\" role=\"status\" hidden><p>" + escapeHtml(ended) +
           "</p><button type=\"button\" id=\"" + std::string(kPlayAgainId) +
           "\" class=\"command\">" + escapeHtml(playAgain) + "</button></div>\n";
}

}  // namespace

std::string fontRules() {
    return ".form-font{font-family:" + familyList(forms::kFormFontFamilies) +
           ";font-size:" + pointSize(forms::kFormFont) +
           "}\n.splash-font{font-family:" + familyList(forms::kSplashFontFamilies) + "}\n";
}

std::string gamePage() {
    std::string out =
        "<!DOCTYPE html>\n<!-- SPDX-License-Identifier: GPL-3.0-or-later -->\n"
        "<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
        escapeHtml(forms::frmMain::kCaption) +
        "</title>\n"
        // The icon inside the page: no download of its own, and none that a
        // browser might start twice while the service worker is keeping files.
        "<link rel=\"icon\" href=\"" +
        pngDataUrl(pictures::programIcon()) +
        "\" type=\"image/png\">\n"
        "<link rel=\"manifest\" href=\"manifest.webmanifest\">\n"
        "<link rel=\"stylesheet\" href=\"page.css\">\n"
        // The program is fetched while the page is read, not after its script.
        "<link rel=\"preload\" href=\"tenebrix.wasm\" as=\"fetch\" type=\"application/wasm\" "
        "crossorigin>\n<script src=\"tenebrix.js\" defer></script>\n"
        "<script src=\"page.js\" defer></script>\n<script src=\"offline.js\" "
        "defer></script>\n<style>\n" +
        fontRules() +
        "</style>\n"
        // Without a script nothing would ever fill the windows: only the
        // notice shows.
        "<noscript><style>.desktop > .window { display: none !important; }</style></noscript>\n"
        "</head>\n<body>\n<div class=\"desktop\">\n";
    out += splashMarkup();
    out += mainWindowMarkup();
    out += notices();
    out += "</div>\n";
    out += aboutBoxMarkup();
    out += messageBoxMarkup();
    return out + "</body>\n</html>\n";
}

}  // namespace tenebrix::web
