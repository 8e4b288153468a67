// SPDX-License-Identifier: GPL-3.0-or-later
// The game's page as a whole: the document around the windows, the fonts
// they are laid out for, and the program icon as an SVG picture.
#include <string>

#include "Fonts.h"
#include "MainWindowForm.h"
#include "Markup.h"
#include "Page.h"
#include "PageMarkup.h"
#include "PageNotices.h"
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

std::string hexColour(const pictures::Rgba& pixel) {
    static const char digits[] = "0123456789abcdef";
    std::string out = "#";
    for (int channel : {pixel.red, pixel.green, pixel.blue}) {
        out += digits[channel >> 4];
        out += digits[channel & 15];
    }
    return out;
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

std::string programIconSvg() {
    const pictures::Image icon = pictures::programIcon();
    std::string out = "<svg xmlns=\"http://www.w3.org/2000/svg\" viewBox=\"0 0 " +
                      std::to_string(icon.width) + " " + std::to_string(icon.height) +
                      "\" shape-rendering=\"crispEdges\">\n";
    for (int y = 0; y < icon.height; ++y) {
        for (int x = 0; x < icon.width;) {
            int end = x + 1;
            while (end < icon.width && icon.pixel(end, y) == icon.pixel(x, y)) ++end;
            out += "<rect x=\"" + std::to_string(x) + "\" y=\"" + std::to_string(y) +
                   "\" width=\"" + std::to_string(end - x) + "\" height=\"1\" fill=\"" +
                   hexColour(icon.pixel(x, y)) + "\"/>\n";
            x = end;
        }
    }
    return out + "</svg>\n";
}

std::string gamePage() {
    std::string out =
        "<!DOCTYPE html>\n<!-- SPDX-License-Identifier: GPL-3.0-or-later -->\n"
        "<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
        "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n<title>" +
        escapeHtml(forms::frmMain::kCaption) +
        "</title>\n<link rel=\"icon\" href=\"icon.svg\" type=\"image/svg+xml\">\n"
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
