// SPDX-License-Identifier: GPL-3.0-or-later
// The page's markup: escaping, captions with access keys, places in pixels,
// and every control of the windows under its own name, once.
#include <doctest.h>

#include <map>
#include <regex>
#include <string>

#include "Markup.h"
#include "PageMarkup.h"
#include "PngDataUrl.h"

using namespace tenebrix::web;

TEST_CASE("captions: the access key underlined, escaped, ampersands doubled") {
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

TEST_CASE("every control of the windows is on the page once, under its own name") {
    const std::string page = gamePage();
    std::map<std::string, int> ids;
    const std::regex idAttribute(" id=\"([^\"]+)\"");
    for (auto it = std::sregex_iterator(page.begin(), page.end(), idAttribute);
         it != std::sregex_iterator(); ++it)
        ++ids[(*it)[1]];
    std::vector<std::string> expected = {
        "frmSplash",      "fraMainFrame", "lblProductName",  "lblPlatform",    "lblCopyright",
        "lblCompany",     "lblWarning",   "frmMain",         "mnuFile",        "mnuHint",
        "mnuFileNew",     "mnuReset",     "mnuFileExit",     "mnuView",        "mnuViewStatusBar",
        "mnuTileNumbers", "mnuHelp",      "mnuHelpContents", "mnuHelpAbout",   "cmdHint",
        "cmdNewPuzzle",   "cmdReset",     "lblPuzState",     "lblPuzValue",    "Frame1",
        "PicOn",          "picOff",       "lblTileSet",      "ScrollTileSet",  "lblMode",
        "ScrollMode",     "lblLevel",     "ScrollLevel",     "lblMovesLabel",  "lblMoves",
        "sbStatusBar",    "Panels(1)",    "Panels(2)",       "Panels(3)",      "frmAbout",
        "picIcon",        "lblTitle",     "lblVersion",      "lblDescription", "Label1",
        "lblDisclaimer",  "cmdOK",        "cmdSysInfo",      "msgBox",         "msgTitle",
        "msgText",        "msgIcon",      "msgOK",           "msgYes",         "msgNo"};
    for (int n = 1; n <= 25; ++n) {
        expected.push_back("picTile(" + std::to_string(n) + ")");
        expected.push_back("lblTileNumbers(" + std::to_string(n) + ")");
    }
    for (int k = 1; k <= 9; ++k) expected.push_back("picMode(" + std::to_string(k) + ")");
    for (int k = 0; k <= 5; ++k) expected.push_back("picLogo(" + std::to_string(k) + ")");
    for (const std::string& id : expected) {
        CAPTURE(id);
        CHECK(ids[id] == 1);
    }
    for (const auto& entry : ids) {
        CAPTURE(entry.first);
        CHECK(entry.second == 1);
    }
}

TEST_CASE("the page carries the roles, ranges and keys the browser needs") {
    const std::string page = gamePage();
    const auto has = [&page](const std::string& text) {
        return page.find(text) != std::string::npos;
    };
    CHECK(
        has("id=\"picTile(7)\" class=\"picbox sunken tile\" data-tile=\"7\" tabindex=\"-1\" "
            "aria-label=\"Tile 7, dark\" style=\"left:60px;top:60px;width:36px;height:36px\""));
    CHECK(
        has("id=\"ScrollLevel\" class=\"scrollbar\" role=\"scrollbar\" tabindex=\"0\" "
            "aria-controls=\"lblLevel\" aria-orientation=\"horizontal\" aria-valuemin=\"2\" "
            "aria-valuemax=\"20\""));
    CHECK(
        has("id=\"mnuFileNew\" class=\"item\" role=\"menuitem\" tabindex=\"-1\" "
            "data-command=\"2\" data-accesskey=\"N\" data-shortcut=\"N\" "
            "aria-keyshortcuts=\"Control+N\""));
    CHECK(has("id=\"mnuViewStatusBar\" class=\"item\" role=\"menuitemcheckbox\""));
    CHECK(has("aria-checked=\"true\"><span class=\"check\""));
    CHECK(has("<title>Tenebrix</title>"));
    CHECK(has(">Tenebrix 1.01</div>"));
    CHECK(has("role=\"alertdialog\""));
}

TEST_CASE("the icon as SVG covers every pixel once") {
    const std::string svg = programIconSvg();
    const std::regex rect("<rect x=\"(\\d+)\" y=\"(\\d+)\" width=\"(\\d+)\" height=\"1\"");
    std::map<int, int> rowWidth;
    for (auto it = std::sregex_iterator(svg.begin(), svg.end(), rect); it != std::sregex_iterator();
         ++it)
        rowWidth[std::stoi((*it)[2])] += std::stoi((*it)[3]);
    CHECK(rowWidth.size() == 32);
    for (const auto& entry : rowWidth) {
        CAPTURE(entry.first);
        CHECK(entry.second == 32);
    }
    CHECK(svg.find("fill=\"#000000\"") != std::string::npos);
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
