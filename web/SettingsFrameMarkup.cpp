// SPDX-License-Identifier: GPL-3.0-or-later
// The settings frame's markup: the tile set's pictures, the mode diagrams,
// the three scroll bars with their captions, and the move counter.
#include <string>

#include "ControlNames.h"
#include "MainWindowForm.h"
#include "Markup.h"
#include "ModeDiagrams.h"
#include "PageMarkup.h"
#include "Settings.h"
#include "TilePictures.h"

namespace tenebrix::web {

namespace frm = forms::frmMain;

namespace {

std::string canvasMarkup(int side) {
    const std::string s = std::to_string(side);
    return "<canvas class=\"picture\" width=\"" + s + "\" height=\"" + s + "\" style=\"width:" + s +
           "px;height:" + s + "px\"></canvas>";
}

std::string labelMarkup(const frm::FrameLabel& label, const char* alignment) {
    return "<div id=\"" + std::string(label.name) + "\" class=\"label " + alignment +
           (label.bold ? " bold" : "") + "\" style=\"" + placeStyle(label.place) + "\">" +
           escapeHtml(label.caption) + "</div>\n";
}

// A scroll bar with two arrow buttons, a track and a thumb. The page's script
// moves it; its value and range are what a screen reader reads.
// `shows` is the caption that the bar's value changes.
std::string scrollBarMarkup(const frm::ScrollBar& bar, const frm::FrameLabel& shows, int minimum,
                            int maximum) {
    const std::string min = std::to_string(minimum);
    return "<div id=\"" + std::string(bar.name) +
           "\" class=\"scrollbar\" role=\"scrollbar\" tabindex=\"0\" aria-controls=\"" +
           shows.name + "\" aria-orientation=\"horizontal\" aria-valuemin=\"" + min +
           "\" aria-valuemax=\"" + std::to_string(maximum) + "\" aria-valuenow=\"" + min +
           "\" aria-label=\"" + escapeHtml(bar.setting) + "\" data-small=\"" +
           std::to_string(frm::kScrollSmallChange) + "\" data-large=\"" +
           std::to_string(frm::kScrollLargeChange) + "\" style=\"" + placeStyle(bar.place) +
           "\"><div class=\"arrow left\" aria-hidden=\"true\"></div><div class=\"track\">"
           "<div class=\"thumb\"></div></div><div class=\"arrow right\" aria-hidden=\"true\">"
           "</div></div>\n";
}

// All nine diagrams share one spot; the game shows one at a time.
std::string modeDiagramsMarkup() {
    std::string out;
    for (int k = kMinMode; k <= kMaxMode; ++k) {
        out += "<div id=\"" + forms::arrayName("picMode", k) + "\" class=\"picbox\"" +
               (k == kMinMode ? "" : " hidden") + " aria-hidden=\"true\" style=\"" +
               placeStyle(frm::picMode(k)) + "\">" + canvasMarkup(pictures::kModeDiagramSize) +
               "</div>\n";
    }
    return out;
}

}  // namespace

std::string settingsFrameMarkup() {
    std::string out = "<div id=\"" + std::string(frm::kFrame1Name) +
                      "\" class=\"frame\" role=\"group\" aria-label=\"" +
                      escapeHtml(frm::kFrame1Caption) + "\" data-bare=\"\" style=\"" +
                      placeStyle(frm::Frame1) +
                      "\">\n<div class=\"frame-border\" data-bare=\"\"></div>"
                      "<div class=\"frame-caption\" data-bare=\"\" aria-hidden=\"true\">" +
                      escapeHtml(frm::kFrame1Caption) + "</div>\n";
    for (const auto& [name, place] : {std::pair{"PicOn", frm::PicOn}, {"picOff", frm::picOff}}) {
        out += "<div id=\"" + std::string(name) +
               "\" class=\"picbox sunken\" aria-hidden=\"true\" style=\"" + placeStyle(place) +
               "\">" + canvasMarkup(pictures::kTilePictureSize) + "</div>\n";
    }
    out += labelMarkup(frm::lblTileSet, "centred");
    out += scrollBarMarkup(frm::ScrollTileSet, frm::lblTileSet, kMinTileSet, kMaxTileSet);
    out += modeDiagramsMarkup();
    out += labelMarkup(frm::lblMode, "centred");
    out += scrollBarMarkup(frm::ScrollMode, frm::lblMode, kMinMode, kMaxMode);
    out += labelMarkup(frm::lblLevel, "centred");
    out += scrollBarMarkup(frm::ScrollLevel, frm::lblLevel, kMinLevel, kMaxLevel);
    out += labelMarkup(frm::lblMovesLabel, "right");
    out += labelMarkup(frm::lblMoves, "left");
    return out + "</div>\n";
}

}  // namespace tenebrix::web
