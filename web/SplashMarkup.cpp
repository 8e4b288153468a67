// SPDX-License-Identifier: GPL-3.0-or-later
// The splash screen's markup: the product's name and the logo's six frames.
#include <string>

#include "ControlNames.h"
#include "LogoFrames.h"
#include "Markup.h"
#include "PageMarkup.h"
#include "PngDataUrl.h"
#include "SplashForm.h"

namespace tenebrix::web {

namespace splash = forms::frmSplash;

// A picture box sized to its picture: two pixels of sunken border each side.
constexpr int kSunkenBorders = 4;

namespace {

// Twips at a point size, for a label's font.
std::string labelMarkup(const splash::Label& label) {
    std::string style = placeStyle(label.place) + ";font-size:" + std::to_string(label.points) +
                        "pt;font-weight:" + (label.bold ? "bold" : "normal");
    std::string classes = "label splash-font";
    if (label.growsToText) classes += " grows";
    if (label.wordWrap) classes += " wraps";
    if (label.align == splash::Align::Right) classes += " right";
    return "<div id=\"" + std::string(label.name) + "\" class=\"" + classes + "\" style=\"" +
           style + "\">" + escapeHtml(label.caption) + "</div>\n";
}

// Frame 0 comes with its picture, one picture pixel to a pixel, so the page
// shows it before the program has loaded; the page scales it up nearest
// pixel, as the program's own pictures are drawn.
std::string earlyPicture(int frame) {
    if (frame != 0) return "";
    return " data-picture=\"" + pngDataUrl(pictures::logoFrame(frame)) + "\"";
}

std::string logoMarkup() {
    const int side = pictures::kLogoFrameSize;
    std::string out;
    for (int frame = 0; frame < splash::kLogoFrames; ++frame) {
        const std::string id = forms::arrayName(splash::kLogoName, frame);
        out += "<div id=\"" + id + "\" class=\"picbox sunken\" aria-hidden=\"true\"" +
               std::string(frame == 0 ? "" : " hidden") +
               " style=\"left:" + std::to_string(forms::twipsToPixels(splash::kLogoLeft)) +
               "px;top:" + std::to_string(forms::twipsToPixels(splash::kLogoTop)) +
               "px;width:" + std::to_string(side + kSunkenBorders) +
               "px;height:" + std::to_string(side + kSunkenBorders) +
               "px\"><canvas class=\"picture\"" + earlyPicture(frame) + " width=\"" +
               std::to_string(side) + "\" height=\"" + std::to_string(side) +
               "\" style=\"width:" + std::to_string(side) + "px;height:" + std::to_string(side) +
               "px\"></canvas></div>\n";
    }
    return out;
}

// A grey line two pixels wide with a line of the window's colour over its top.
std::string separatorMarkup() {
    const forms::TwipRect line{splash::kLineLeft, splash::kLineTop,
                               splash::kLineRight - splash::kLineLeft, 30};
    return "<div id=\"Line1\" class=\"line grey2\" style=\"" + placeStyle(line) +
           "\"></div>\n<div id=\"Line2\" class=\"line face1\" style=\"" + placeStyle(line) +
           "\"></div>\n";
}

}  // namespace

std::string splashMarkup() {
    std::string out = "<div id=\"" + std::string(splash::kName) +
                      "\" class=\"window splash\" role=\"dialog\" aria-label=\"" +
                      escapeHtml(splash::kCaption) + "\" style=\"" +
                      sizeStyle(splash::kWidth, splash::kHeight) + "\">\n";
    out += "<div id=\"" + std::string(splash::kFrameName) + "\" class=\"frame plain\" style=\"" +
           placeStyle(splash::fraMainFrame) + "\">\n";
    out += logoMarkup();
    for (const splash::Label& label : splash::kLabels) out += labelMarkup(label);
    out += separatorMarkup();
    return out + "</div>\n</div>\n";
}

}  // namespace tenebrix::web
