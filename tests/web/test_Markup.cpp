// SPDX-License-Identifier: GPL-3.0-or-later
// The page's markup: escaping, captions with access keys, places in pixels,
// every control of every window's table under its own name, once, in an
// order that keeps the tab order and the stacking, drawn from its row.
#include <doctest.h>

#include <algorithm>
#include <array>
#include <map>
#include <regex>
#include <string>
#include <vector>

#include "AboutControls.h"
#include "MainMenuForm.h"
#include "MainWindowControls.h"
#include "Markup.h"
#include "PageMarkup.h"
#include "PngDataUrl.h"
#include "SplashControls.h"

using namespace tenebrix::web;

TEST_CASE("captions: the access key underlined in any script, escaped, ampersands doubled") {
    const struct {
        const char* caption;
        const char* html;
        const char* text;
        const char* key;
    } cases[] = {
        {"&New Puzzle", "<u>N</u>ew Puzzle", "New Puzzle", "N"},
        {"E&xit", "E<u>x</u>it", "Exit", "X"},
        {"How to Play", "How to Play", "How to Play", ""},
        {"Salt && &Pepper", "Salt &amp; <u>P</u>epper", "Salt & Pepper", "P"},
        {"&<", "<u>&lt;</u>", "<", "<"},
        {"end&", "end&amp;", "end&", ""},
        // Other scripts: the whole character underlined, the key in upper case.
        {"&файл", "<u>ф</u>айл", "файл", "Ф"},
        {"ファイル(&F)", "ファイル(<u>F</u>)", "ファイル(F)", "F"},
        {"&Ändern && Über", "<u>Ä</u>ndern &amp; Über", "Ändern & Über", "Ä"},
    };
    for (const auto& c : cases) {
        CAPTURE(std::string(c.caption));
        CHECK(captionHtml(c.caption) == c.html);
        CHECK(captionText(c.caption) == c.text);
        CHECK(accessKey(c.caption) == c.key);
    }
    CHECK(escapeHtml("a\"b'<c>&") == "a&quot;b'&lt;c&gt;&amp;");
}

TEST_CASE("places in whole pixels, as the desktop rounds them") {
    CHECK(placeStyle({150, 3900, 545, 540}) == "left:10px;top:260px;width:36px;height:36px");
    CHECK(sizeStyle(6795, 4920) == "width:453px;height:328px");
}

namespace {

using tenebrix::forms::Control;

// Every id the page gives an element, with how often.
std::map<std::string, int> idsOf(const std::string& markup) {
    std::map<std::string, int> ids;
    const std::regex idAttribute(" id=\"([^\"]+)\"");
    for (auto it = std::sregex_iterator(markup.begin(), markup.end(), idAttribute);
         it != std::sregex_iterator(); ++it)
        ++ids[(*it)[1]];
    return ids;
}

// The ids in the order the page has them.
std::vector<std::string> idOrder(const std::string& markup) {
    std::vector<std::string> order;
    const std::regex idAttribute(" id=\"([^\"]+)\"");
    for (auto it = std::sregex_iterator(markup.begin(), markup.end(), idAttribute);
         it != std::sregex_iterator(); ++it)
        order.push_back((*it)[1]);
    return order;
}

// The element of the control called `id`: its opening tag.
std::string tagOf(const std::string& markup, const std::string& id) {
    const auto at = markup.find(" id=\"" + id + "\"");
    if (at == std::string::npos) return "";
    const auto start = markup.rfind('<', at);
    return markup.substr(start, markup.find('>', at) - start + 1);
}

// The area a control covers on the screen, in twips, a line its thickness.
bool overlap(const Control& a, const Control& b) {
    const auto area = [](const Control& c) {
        auto r = c.place;
        if (c.kind == tenebrix::forms::ControlKind::Line) r.height = 15 * c.linePixels;
        return r;
    };
    const auto r = area(a), s = area(b);
    return r.left < s.right() && s.left < r.right() && r.top < s.bottom() && s.top < r.bottom();
}

// The page's order keeps the table's: its tab stops in the table's order,
// and of two overlapping controls the one listed first later in the page,
// so painted over the other, or else raised by a z-index.
template <typename Table>
void checkOrder(const Table& table, const std::string& markup) {
    const std::vector<std::string> order = idOrder(markup);
    const auto position = [&order](const Control& c) {
        const auto found = std::find(order.begin(), order.end(), c.fullName());
        return found == order.end() ? -1 : static_cast<int>(found - order.begin());
    };
    int lastStop = -1;
    for (const Control& control : table) {
        if (control.kind == tenebrix::forms::ControlKind::Timer) continue;
        CAPTURE(control.fullName());
        REQUIRE(position(control) >= 0);
        if (control.tabStop) {
            CHECK(position(control) > lastStop);
            lastStop = position(control);
        }
    }
    for (std::size_t i = 0; i < table.size(); ++i) {
        for (std::size_t j = i + 1; j < table.size(); ++j) {
            const Control &above = table[i], &below = table[j];
            if (std::string(above.container) != below.container || !overlap(above, below) ||
                above.kind == tenebrix::forms::ControlKind::Timer)
                continue;
            CAPTURE(above.fullName());
            CAPTURE(below.fullName());
            const bool raised =
                tagOf(markup, above.fullName()).find("z-index:1") != std::string::npos;
            CHECK((position(above) > position(below) || raised));
        }
    }
}

}  // namespace

TEST_CASE("every control of every window's table is on the page once, under its own name") {
    namespace forms = tenebrix::forms;
    const std::string page = gamePage();
    const std::map<std::string, int> ids = idsOf(page);
    std::vector<std::string> expected = {
        "frmSplash", "frmMain",  "clientArea", "Panels(1)", "Panels(2)", "Panels(3)", "frmAbout",
        "msgBox",    "msgTitle", "msgText",    "msgIcon",   "msgOK",     "msgYes",    "msgNo"};
    const auto addTable = [&](const auto& table) {
        for (const Control& control : table) {
            if (control.kind != forms::ControlKind::Timer) expected.push_back(control.fullName());
        }
    };
    addTable(forms::frmSplash::kControls);
    addTable(forms::frmMain::kControls);
    addTable(forms::frmAbout::kControls);
    for (const forms::Menu& menu : forms::kMainMenu) {
        expected.push_back(menu.name);
        for (const forms::MenuItem& item : menu.items) expected.push_back(item.name);
    }
    for (const std::string& id : expected) {
        CAPTURE(id);
        CHECK(ids.count(id) == 1);
        if (ids.count(id)) CHECK(ids.at(id) == 1);
    }
    for (const auto& entry : ids) {
        CAPTURE(entry.first);
        CHECK(entry.second == 1);
    }
}

TEST_CASE("the page keeps each table's tab order and stacks overlapping controls as it says") {
    namespace forms = tenebrix::forms;
    checkOrder(forms::frmSplash::kControls, splashMarkup());
    checkOrder(forms::frmMain::kControls, mainWindowMarkup());
    checkOrder(forms::frmAbout::kControls, aboutBoxMarkup());
    // The board is one stop: its first tile is, the others wait for the arrows.
    const std::string main = mainWindowMarkup();
    CHECK(tagOf(main, "picTile(1)").find("tabindex=\"0\"") != std::string::npos);
    CHECK(tagOf(main, "picTile(2)").find("tabindex=\"-1\"") != std::string::npos);

    // Two controls that take the focus and overlap: the tab order keeps
    // them as listed, and a z-index lifts the first over the second. A
    // frame's controls lie inside it.
    const std::array<Control, 4> table{{
        {.name = "cmdOver",
         .kind = forms::ControlKind::Button,
         .place = {0, 0, 300, 300},
         .caption = "&Over",
         .tabStop = true},
        {.name = "cmdUnder",
         .kind = forms::ControlKind::Button,
         .place = {150, 150, 300, 300},
         .caption = "Under",
         .tabStop = true},
        {.name = "lblInside",
         .kind = forms::ControlKind::Label,
         .place = {15, 15, 300, 300},
         .container = "fraBox",
         .caption = "a<b"},
        {.name = "fraBox",
         .kind = forms::ControlKind::Frame,
         .place = {600, 0, 900, 900},
         .caption = "Box"},
    }};
    const std::string markup = controlsMarkup(table);
    checkOrder(table, markup);
    CHECK(tagOf(markup, "cmdOver").find("z-index:1") != std::string::npos);
    CHECK(tagOf(markup, "cmdUnder").find("z-index") == std::string::npos);
    const auto frameAt = markup.find("id=\"fraBox\"");
    const auto labelAt = markup.find("id=\"lblInside\"");
    CHECK(frameAt < labelAt);
    CHECK(markup.find("</div>", labelAt) != std::string::npos);
    CHECK(markup.find(">a&lt;b</div>") != std::string::npos);
    CHECK(tagOf(markup, "lblInside").find("left:1px;top:1px") != std::string::npos);
}

TEST_CASE("each kind of control drawn from its row: font, line height, colour, picture") {
    const std::string page = gamePage();
    const auto has = [&page](const std::string& id, const std::string& text) {
        CAPTURE(id);
        CAPTURE(text);
        return tagOf(page, id).find(text) != std::string::npos;
    };
    // A label only as tall as its font's size has no room for leading.
    CHECK(has("lblTileNumbers(7)", "class=\"label centred tight\" hidden"));
    CHECK_FALSE(has("lblPlatform", "tight"));
    CHECK_FALSE(has("lblMoves", "tight"));
    // The window's own font from its class; any other the label's own.
    CHECK(has("lblMode", "font-size:9.750000pt;font-weight:bold"));
    CHECK_FALSE(has("lblTileSet", "font-size"));
    CHECK(has("lblProductName", "class=\"label splash-font grows\""));
    CHECK(has("lblProductName", "font-size:32.250000pt;font-weight:bold"));
    CHECK(has("lblPlatform", "class=\"label right splash-font grows\""));
    CHECK(has("lblWarning", "font-weight:normal"));
    CHECK(has("lblDisclaimer", "class=\"label wraps\""));
    // Lines in their colour and thickness, the window's colour the page's face.
    CHECK(has("Line2", "border-top:1px solid var(--face)"));
    CHECK(has("Line1", "border-top:2px solid rgb(128,128,128)"));
    CHECK(has("Line1(0)", "border-top:2px solid rgb(255,255,255)"));
    // Picture boxes sized by their place, the canvas by the picture.
    CHECK(has("picLogo(0)", "style=\"left:25px;top:40px;width:125px;height:125px\""));
    CHECK(has("picMode(4)", "class=\"picbox\" hidden aria-hidden=\"true\""));
    CHECK(page.find("<canvas class=\"picture\" width=\"55\" height=\"55\"") != std::string::npos);
    CHECK(has("picIcon", "width:32px;height:32px"));
    CHECK(page.find("width=\"28\" height=\"28\" style=\"width:28px;height:28px\"") !=
          std::string::npos);
    // Only the picture the splash opens with comes with the page.
    CHECK(page.find("data-picture") == page.rfind("data-picture"));
    CHECK(page.find("data-picture") > page.find("id=\"picLogo(0)\""));
    CHECK(page.find("data-picture") < page.find("id=\"lblPlatform\""));
    // The default button is the box's first focus.
    CHECK(has("cmdOK", "class=\"command default\" autofocus"));
    CHECK(has("cmdSysInfo", "aria-keyshortcuts=\"Alt+S\""));
}

TEST_CASE("the page carries the roles, ranges and keys the browser needs") {
    const std::string page = gamePage();
    const auto has = [&page](const std::string& text) {
        return page.find(text) != std::string::npos;
    };
    CHECK(
        has("id=\"picTile(7)\" class=\"picbox sunken tile\" tabindex=\"-1\" "
            "aria-label=\"Tile 7, dark\" style=\"left:60px;top:60px;width:36px;height:36px\""));
    CHECK(
        has("id=\"ScrollLevel\" class=\"scrollbar\" role=\"scrollbar\" tabindex=\"0\" "
            "aria-orientation=\"horizontal\" aria-valuemin=\"2\" aria-valuemax=\"20\" "
            "aria-valuenow=\"2\" aria-label=\"Level\" aria-controls=\"lblLevel\""));
    CHECK(has("aria-label=\"Tile set\" aria-controls=\"lblTileSet\""));
    CHECK(
        has("id=\"mnuFileNew\" class=\"item\" role=\"menuitem\" tabindex=\"-1\" "
            "aria-keyshortcuts=\"Control+N\""));
    CHECK(has("id=\"mnuViewStatusBar\" class=\"item\" role=\"menuitemcheckbox\""));
    CHECK(has("aria-checked=\"true\"><span class=\"check\""));
    CHECK(has("id=\"Frame1\" class=\"frame\" role=\"group\" aria-label=\"Puzzle Settings\""));
    CHECK(has("role=\"alertdialog\""));
}

// The page carries the splash's first logo frame as a data: address; a
// wrong digit or padding would leave the frame undrawn until the program.
TEST_CASE("base64 of the page's embedded pictures follows RFC 4648") {
    const std::map<std::string, std::string> cases = {{"", ""},
                                                      {"f", "Zg=="},
                                                      {"fo", "Zm8="},
                                                      {"foo", "Zm9v"},
                                                      {"foob", "Zm9vYg=="},
                                                      {"fooba", "Zm9vYmE="},
                                                      {"foobar", "Zm9vYmFy"},
                                                      {std::string("\xff\xfe\x00", 3), "//4A"}};
    for (const auto& [bytes, text] : cases) CHECK(base64(bytes) == text);
    CHECK(splashMarkup().find("data-picture=\"data:image/png;base64,iVBORw0KGgo") !=
          std::string::npos);
}
