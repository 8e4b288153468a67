// SPDX-License-Identifier: GPL-3.0-or-later
// The markup of a window's controls, made by walking its control table:
// each control at its place, under its own name, drawn as its kind is. The
// table lists the controls front to back and the tab stops in tab order:
// the page paints its elements in their order, which keeps both
// (pageOrder below).
#include <string>
#include <vector>

#include "ControlNames.h"
#include "LogoFrames.h"
#include "MainWindowForm.h"
#include "Markup.h"
#include "ModeDiagrams.h"
#include "PageMarkup.h"
#include "PngDataUrl.h"
#include "ProgramIcon.h"
#include "SystemColours.h"
#include "TilePictures.h"

namespace tenebrix::web {

namespace {

using forms::Control;
using forms::ControlKind;

std::string attribute(const char* name, const std::string& value) {
    return std::string(" ") + name + "=\"" + escapeHtml(value) + "\"";
}

// The area a control covers: a line's is its thickness below its top.
forms::TwipRect drawnArea(const Control& control) {
    forms::TwipRect area = control.place;
    if (control.kind == ControlKind::Line) area.height = control.linePixels * forms::kTwipsPerPixel;
    return area;
}

bool overlap(const Control& a, const Control& b) {
    const forms::TwipRect r = drawnArea(a), s = drawnArea(b);
    return r.left < s.right() && s.left < r.right() && r.top < s.bottom() && s.top < r.bottom();
}

// Whether the control takes the focus, or holds controls that do.
bool focusable(std::span<const Control> table, const Control& control) {
    if (control.tabStop) return true;
    if (control.kind != ControlKind::Frame) return false;
    for (const Control& inside : table) {
        if (std::string_view(inside.container) == control.name && focusable(table, inside))
            return true;
    }
    return false;
}

// A control in the page's order; `raised` when it could not come after all
// the controls it lies above, and a z-index puts it above them instead.
struct Placed {
    std::size_t row;
    bool raised;
};

// The controls of `container` in the order the page gets them. The page
// paints in that order, so where two overlap, the one the table lists
// first comes later; the controls that take the focus come after the
// others, in the table's order, which is the tab order, and so a focus
// ring that reaches past a control's edge is never covered; otherwise the
// table's order holds. Only two overlapping controls that both take the
// focus need a z-index.
std::vector<Placed> pageOrder(std::span<const Control> table, std::string_view container) {
    std::vector<std::size_t> rows;
    for (std::size_t row = 0; row < table.size(); ++row) {
        const Control& control = table[row];
        if (control.container == container && control.kind != ControlKind::Timer)
            rows.push_back(row);
    }
    const auto focus = [&](std::size_t row) { return focusable(table, table[row]); };
    // Lines come after the other controls that take no focus, so a caption
    // that reaches over a line never hides it; the focusable ones last.
    const auto rank = [&](std::size_t row) {
        return focus(row) ? 2 : table[row].kind == ControlKind::Line ? 1 : 0;
    };
    // What must come before each control: those it lies above, and the
    // controls before it in the tab order.
    const auto mustFollow = [&](std::size_t later, std::size_t earlier) {
        if (later < earlier) return overlap(table[later], table[earlier]);
        return focus(later) && focus(earlier);
    };
    std::vector<Placed> order;
    std::vector<bool> placed(table.size(), false);
    while (order.size() < rows.size()) {
        std::size_t next = table.size();
        bool raised = false;
        for (const std::size_t row : rows) {
            if (placed[row]) continue;
            bool ready = true;
            for (const std::size_t other : rows)
                ready = ready && (placed[other] || other == row || !mustFollow(row, other));
            const bool better = next == table.size() || rank(row) < rank(next);
            if (ready && better) next = row;
        }
        if (next == table.size()) {
            // Overlapping controls that take the focus: the tab order wins.
            for (const std::size_t row : rows) {
                if (!placed[row] && (next == table.size() || (focus(row) && !focus(next))))
                    next = row;
            }
            raised = true;
        }
        placed[next] = true;
        order.push_back({next, raised});
    }
    return order;
}

// Where the control lies, and a raised one above its neighbours.
std::string placeAndStacking(const Control& control, bool raised) {
    return placeStyle(control.place) + (raised ? ";z-index:1" : "");
}

std::string hidden(const Control& control) {
    return control.visible ? "" : " hidden";
}

std::string cssColour(Colour colour) {
    // The desktop's colours are the page's own: its windows' face.
    if (colour == forms::kWindowBackgroundColour || colour == kPlatformBackColour)
        return "var(--face)";
    return "rgb(" + std::to_string(redOf(colour)) + "," + std::to_string(greenOf(colour)) + "," +
           std::to_string(blueOf(colour)) + ")";
}

// The side, in pixels, of the picture a box holds: its own, or for a box
// the game fills later, a tile's.
int pictureSide(const Control& box) {
    if (box.picturePixels > 0) return box.picturePixels;
    switch (box.picture) {
        case forms::StartPicture::ModeDiagram:
            return pictures::kModeDiagramSize;
        case forms::StartPicture::LogoFrame:
            return pictures::kLogoFrameSize;
        case forms::StartPicture::AboutPicture:
            return pictures::kAboutPictureSize;
        case forms::StartPicture::None:
            break;
    }
    return pictures::kTilePictureSize;
}

// The picture a box shows as its window opens comes with the page, one
// picture pixel to a pixel, so the page shows it before the program has
// loaded; the page scales it up nearest pixel, as the program's own
// pictures are drawn.
std::string earlyPicture(const Control& box) {
    if (box.picture != forms::StartPicture::LogoFrame || !box.visible) return "";
    return " data-picture=\"" + pngDataUrl(pictures::logoFrame(box.index)) + "\"";
}

std::string canvasMarkup(const Control& box) {
    const std::string side = std::to_string(pictureSide(box));
    return "<canvas class=\"picture\"" + earlyPicture(box) + " width=\"" + side + "\" height=\"" +
           side + "\" style=\"width:" + side + "px;height:" + side + "px\"></canvas>";
}

// A box that is a stop in the tab chain is a button; a board tile is named
// for a screen reader, and the board's first tile is its stop at first.
std::string pictureBoxMarkup(const Control& box, bool raised, bool firstTile) {
    const std::string classes = std::string("picbox") +
                                (box.border == forms::Border::Sunken ? " sunken" : "") +
                                (box.boardTile ? " tile" : "");
    if (!box.tabStop) {
        return "<div" + attribute("id", box.fullName()) + attribute("class", classes) +
               hidden(box) + " aria-hidden=\"true\" style=\"" + placeAndStacking(box, raised) +
               "\">" + canvasMarkup(box) + "</div>\n";
    }
    std::string out = "<button type=\"button\"" + attribute("id", box.fullName()) +
                      attribute("class", classes) + hidden(box);
    if (box.boardTile) {
        out += std::string(" tabindex=\"") + (firstTile ? "0" : "-1") + "\"" +
               attribute("aria-label", forms::tileAccessibleName(box.index, false));
    } else if (box.accessibleName[0] != '\0') {
        out += attribute("aria-label", box.accessibleName);
    }
    return out + " style=\"" + placeAndStacking(box, raised) + "\">" + canvasMarkup(box) +
           "</button>\n";
}

// A label hardly taller than its font has no room for a line's leading: its
// caption is set at the height of the font itself.
bool tightLine(const Control& label) {
    const double fontPixels = label.font.points * 96.0 / 72.0;
    return forms::twipsToPixels(label.place.height) < fontPixels + 1;
}

// The window's own font comes from its class; any other is the label's own.
std::string fontStyle(const forms::Font& font) {
    if (font == forms::kFormFont) return "";
    return ";font-size:" + std::to_string(font.points) +
           "pt;font-weight:" + (font.bold ? "bold" : "normal");
}

std::string labelMarkup(const Control& label, bool raised) {
    std::string classes = "label";
    if (label.align == forms::TextAlign::Centre) classes += " centred";
    if (label.align == forms::TextAlign::Right) classes += " right";
    if (label.font.face == forms::FontFace::Splash) classes += " splash-font";
    if (label.growsToText) classes += " grows";
    if (label.wordWrap) classes += " wraps";
    if (tightLine(label)) classes += " tight";
    return "<div" + attribute("id", label.fullName()) + attribute("class", classes) +
           hidden(label) + " style=\"" + placeAndStacking(label, raised) + fontStyle(label.font) +
           "\">" + escapeHtml(label.caption) + "</div>\n";
}

std::string buttonMarkup(const Control& button, bool raised) {
    const std::string key = accessKey(button.caption);
    std::string out = "<button type=\"button\"" + attribute("id", button.fullName()) +
                      " class=\"command" + (button.isDefault ? " default\" autofocus" : "\"");
    if (!key.empty()) out += attribute("aria-keyshortcuts", "Alt+" + key);
    return out + hidden(button) + " style=\"" + placeAndStacking(button, raised) + "\">" +
           captionHtml(button.caption) + "</button>\n";
}

// Two arrow buttons, a track and a thumb; the page's script draws the thumb
// where the game puts it. Its value and range are what a screen reader reads.
std::string scrollBarMarkup(const Control& bar, bool raised) {
    const std::string minimum = std::to_string(bar.minimum);
    return "<div" + attribute("id", bar.fullName()) +
           " class=\"scrollbar\" role=\"scrollbar\" tabindex=\"0\" aria-orientation=\"horizontal\" "
           "aria-valuemin=\"" +
           minimum + "\" aria-valuemax=\"" + std::to_string(bar.maximum) + "\" aria-valuenow=\"" +
           minimum + "\"" + attribute("aria-label", bar.accessibleName) +
           attribute("aria-controls", bar.shows) + hidden(bar) + " style=\"" +
           placeAndStacking(bar, raised) +
           "\"><div class=\"arrow left\" aria-hidden=\"true\"></div><div class=\"track\">"
           "<div class=\"thumb\"></div></div><div class=\"arrow right\" aria-hidden=\"true\">"
           "</div></div>\n";
}

// Three sunken panels: the fixed text, the date, the time.
std::string statusBarMarkup(const Control& bar, bool raised) {
    namespace frm = forms::frmMain;
    std::string out = "<div" + attribute("id", bar.fullName()) + " class=\"statusbar\"" +
                      hidden(bar) + " style=\"" + placeAndStacking(bar, raised) + "\">";
    const int minWidth = forms::twipsToPixels(frm::kStatusPanelMinWidth);
    for (int panel = frm::kTextPanel; panel <= frm::kTimePanel; ++panel) {
        out += "<div" + attribute("id", forms::arrayName(frm::kStatusPanelName, panel)) +
               " class=\"panel sunken" + (panel == frm::kTextPanel ? " stretch" : "") +
               "\" style=\"min-width:" + std::to_string(minWidth) + "px\">" +
               (panel == frm::kTextPanel ? escapeHtml(frm::kStatusText) : "") + "</div>";
    }
    return out + "</div>\n";
}

// Its colour `linePixels` thick, downwards from its top.
std::string lineMarkup(const Control& line, bool raised) {
    return "<div" + attribute("id", line.fullName()) + " class=\"line\" style=\"" +
           placeAndStacking(line, raised) + ";border-top:" + std::to_string(line.linePixels) +
           "px solid " + cssColour(line.lineColour) + "\"></div>\n";
}

// A frame with a caption has the etched border and its caption over it; one
// without is a plain area. Its controls lie inside, above it.
std::string frameMarkup(std::span<const Control> table, const Control& frame, bool raised) {
    const std::string caption = frame.caption;
    std::string out =
        "<div" + attribute("id", frame.fullName()) + " class=\"frame" +
        (caption.empty() ? " plain\"" : "\" role=\"group\"" + attribute("aria-label", caption)) +
        hidden(frame) + " style=\"" + placeAndStacking(frame, raised) + "\">\n";
    if (!caption.empty()) {
        out +=
            "<div class=\"frame-border\"></div><div class=\"frame-caption\" aria-hidden=\"true\">" +
            escapeHtml(caption) + "</div>\n";
    }
    return out + controlsMarkup(table, frame.name) + "</div>\n";
}

}  // namespace

std::string controlsMarkup(std::span<const Control> table, std::string_view container) {
    // The board is one stop in the tab chain: its first tile at first.
    std::size_t firstTile = table.size();
    for (std::size_t row = 0; row < table.size() && firstTile == table.size(); ++row) {
        if (table[row].boardTile) firstTile = row;
    }
    std::string out;
    for (const auto& [row, raised] : pageOrder(table, container)) {
        const Control& control = table[row];
        switch (control.kind) {
            case ControlKind::Frame:
                out += frameMarkup(table, control, raised);
                break;
            case ControlKind::PictureBox:
                out += pictureBoxMarkup(control, raised, row == firstTile);
                break;
            case ControlKind::Label:
                out += labelMarkup(control, raised);
                break;
            case ControlKind::Button:
                out += buttonMarkup(control, raised);
                break;
            case ControlKind::ScrollBar:
                out += scrollBarMarkup(control, raised);
                break;
            case ControlKind::StatusBar:
                out += statusBarMarkup(control, raised);
                break;
            case ControlKind::Line:
                out += lineMarkup(control, raised);
                break;
            case ControlKind::Timer:
                break;  // nothing to draw
        }
    }
    return out;
}

}  // namespace tenebrix::web
