// SPDX-License-Identifier: GPL-3.0-or-later
// The game window's display on the page: the right elements, by name, and
// only the tiles that change.
#include <doctest.h>

#include "RecordingPage.h"
#include "WebDisplay.h"

using namespace tenebrix;
using tenebrix::testing::RecordingPage;

namespace {

TileStates litTiles(std::initializer_list<int> tiles) {
    TileStates lit{};
    for (int tile : tiles) lit[tile - 1] = true;
    return lit;
}

}  // namespace

TEST_CASE("each caption goes to the label of its name") {
    const struct {
        Caption caption;
        const char* id;
    } cases[] = {{Caption::PuzState, "lblPuzState"},
                 {Caption::PuzValue, "lblPuzValue"},
                 {Caption::Moves, "lblMoves"},
                 {Caption::Level, "lblLevel"},
                 {Caption::Mode, "lblMode"}};
    for (const auto& c : cases) {
        RecordingPage page;
        web::WebDisplay display(page);
        display.setCaption(c.caption, "Level:  7");
        CAPTURE(std::string(c.id));
        CHECK(page.text.size() == 1);
        CHECK(page.text[c.id] == "Level:  7");
    }
}

TEST_CASE("the board shows the sample boxes' pictures and names every tile") {
    RecordingPage page;
    web::WebDisplay display(page);
    display.showTileSet(3);  // pictures 5 (lit) and 6 (dark)
    CHECK(page.picture["PicOn"] == 5);
    CHECK(page.picture["picOff"] == 6);
    CHECK(page.text["lblTileSet"] == "Change all tiles to black");

    display.showTiles(litTiles({1, 7, 25}));
    for (int n = 1; n <= kTileCount; ++n) {
        const std::string id = "picTile(" + std::to_string(n) + ")";
        const bool lit = n == 1 || n == 7 || n == 25;
        CAPTURE(n);
        CHECK(page.picture[id] == (lit ? 5 : 6));
        CHECK(page.accessibleName[id] == "Tile " + std::to_string(n) + (lit ? ", lit" : ", dark"));
    }
}

TEST_CASE("a repaint touches only the tiles that change, all of them after a new tile set") {
    RecordingPage page;
    web::WebDisplay display(page);
    display.showTileSet(1);
    display.showTiles(litTiles({1, 2, 6}));
    page.pictureCalls.clear();
    page.accessibleName.clear();

    display.showTiles(litTiles({2, 7}));  // 1 and 6 go dark, 7 lights up
    CHECK(page.pictureCalls == std::vector<std::string>{"picTile(1)", "picTile(6)", "picTile(7)"});
    CHECK(page.accessibleName.size() == 3);
    CHECK(page.accessibleName["picTile(7)"] == "Tile 7, lit");

    page.pictureCalls.clear();
    page.accessibleName.clear();
    display.showTileSet(8);
    display.showTiles(litTiles({2, 7}));
    CHECK(page.pictureCalls.size() == 2 + kTileCount);  // the samples, then every tile
    CHECK(page.picture["picTile(7)"] == 15);
    CHECK(page.picture["picTile(8)"] == 16);
    CHECK(page.accessibleName.empty());  // lit or dark, nothing changed
}

TEST_CASE("exactly the current mode's diagram is visible") {
    for (int mode = 1; mode <= 9; ++mode) {
        RecordingPage page;
        web::WebDisplay display(page);
        display.showModeDiagram(mode);
        CAPTURE(mode);
        for (int k = 1; k <= 9; ++k)
            CHECK(page.visible["picMode(" + std::to_string(k) + ")"] == (k == mode));
    }
}

TEST_CASE("tile numbers, their check mark, the preview colour and the quiet level") {
    RecordingPage page;
    web::WebDisplay display(page);
    display.setTileNumbersVisible(true);
    display.setTileNumbersChecked(true);
    display.setTileNumberCaption(7, " 7");
    display.setTileBackColour(13, kHighlightColour);
    display.setTileBackColour(26, kHighlightColour);  // no such tile
    display.setLevelSetting(6);
    for (int n = 1; n <= kTileCount; ++n)
        CHECK(page.visible["lblTileNumbers(" + std::to_string(n) + ")"]);
    CHECK(page.checked["mnuTileNumbers"]);
    CHECK(page.text["lblTileNumbers(7)"] == " 7");
    CHECK(page.backColour.size() == 1);
    CHECK(page.backColour["picTile(13)"] == kHighlightColour);
    CHECK(page.scrollValue["ScrollLevel"] == 6);
}
