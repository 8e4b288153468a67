// SPDX-License-Identifier: GPL-3.0-or-later
// The game window on the page: what the game and the window's rules show,
// on the right elements by name, only the tiles that change; and the
// page's answers (focus, placement, menus) turned back into the window's
// terms.
#include <doctest.h>

#include "MainWindowForm.h"
#include "MainWindowPage.h"
#include "RecordingPage.h"

using namespace tenebrix;
using tenebrix::testing::RecordingPage;

namespace {

// The page's other windows, counting what the game window asks of them.
struct Windows : web::PageWindows {
    void showMainWindow() override {}
    void closeMainWindow() override { ++closed; }
    void closeOtherWindows() override { ++othersClosed; }
    void showAboutBox() override { ++aboutBoxes; }
    void aboutBoxClosed() override {}
    int closed = 0, othersClosed = 0, aboutBoxes = 0;
};

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
        Windows windows;
        web::MainWindowPage display(page, windows);
        display.setCaption(c.caption, "Level:  7");
        CAPTURE(std::string(c.id));
        CHECK(page.text.size() == 1);
        CHECK(page.text[c.id] == "Level:  7");
    }
}

TEST_CASE("the board shows the sample boxes' pictures and names every tile") {
    RecordingPage page;
    Windows windows;
    web::MainWindowPage display(page, windows);
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
    Windows windows;
    web::MainWindowPage display(page, windows);
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
        Windows windows;
        web::MainWindowPage display(page, windows);
        display.showModeDiagram(mode);
        CAPTURE(mode);
        for (int k = 1; k <= 9; ++k)
            CHECK(page.visible["picMode(" + std::to_string(k) + ")"] == (k == mode));
    }
}

TEST_CASE("tile numbers, their check mark, the preview colour and the quiet level") {
    RecordingPage page;
    Windows windows;
    web::MainWindowPage display(page, windows);
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

TEST_CASE("the page's focus is the window's control of that name; anything else is none") {
    namespace frm = forms::frmMain;
    RecordingPage page;
    Windows windows;
    web::MainWindowPage window(page, windows);
    const struct {
        const char* focused;
        const forms::Control* control;
    } cases[] = {
        {"picTile(7)", &frm::control("picTile", 7)},
        {"cmdReset", &frm::control("cmdReset")},
        {"ScrollLevel", &frm::control("ScrollLevel")},
        {"", nullptr},
        {"mnuFileNew", nullptr},  // a menu item is no control of the window
        {"picTile(26)", nullptr},
        {"picTile(7", nullptr},
        {"cmdOK", nullptr},  // the About box's
    };
    for (const auto& c : cases) {
        CAPTURE(std::string(c.focused));
        page.focused = c.focused;
        CHECK(window.focusedControl() == c.control);
    }
    window.setFocus(frm::control("lblMoves"));
    CHECK(page.focused == "lblMoves");
    window.moveBoardStop(13);
    CHECK(page.focused == "picTile(13)");
}

TEST_CASE("status panels, the status bar, check marks and scroll values by their names") {
    namespace frm = forms::frmMain;
    RecordingPage page;
    Windows windows;
    web::MainWindowPage window(page, windows);
    window.setStatusPanelText(frm::kDatePanel, "7/12");
    window.setStatusPanelText(frm::kTimePanel, "9:41");
    CHECK(page.text["Panels(2)"] == "7/12");
    CHECK(page.text["Panels(3)"] == "9:41");
    window.setStatusBarVisible(false);
    CHECK(page.visible.at("sbStatusBar") == false);
    window.setMenuChecked(forms::MenuCommand::ViewStatusBar, false);
    CHECK(page.checked.at("mnuViewStatusBar") == false);

    const forms::Control& mode = frm::control("ScrollMode");
    CHECK(window.scrollValue(mode) == mode.minimum);  // as the page's bar starts
    window.setScrollValue(mode, 4);
    CHECK(page.scrollValue["ScrollMode"] == 4);
    CHECK(window.scrollValue(mode) == 4);
    window.setLevelSetting(9);  // the game's own change, by the level's bar
    CHECK(window.scrollValue(frm::control("ScrollLevel")) == 9);
    CHECK(window.scrollValue(mode) == 4);
}

TEST_CASE(
    "a menu drops down with its first item in focus; the placement comes in twips; the window's "
    "requests go to the others") {
    RecordingPage page;
    Windows windows;
    web::MainWindowPage window(page, windows);
    page.focused = "cmdHint";
    window.openMenu(forms::kMainMenu[2]);  // Help: its first item is no separator
    CHECK(page.menu == "mnuHelp");
    CHECK(page.focused == "mnuHelpContents");
    page.closeMenus();
    window.activateMenuBar();  // the page has no bar without a menu: File drops down
    CHECK(page.menu == "mnuFile");
    CHECK(page.focused == "mnuHint");

    page.placement = {100.5f, -3, 455, 366.25f};
    const ui::Placement twips = window.placement();
    CHECK(twips.left == 1507.5f);
    CHECK(twips.top == -45);
    CHECK(twips.width == 6825);
    CHECK(twips.height == 5493.75f);
    CHECK_FALSE(window.isMinimised());
    page.separator = ",";
    CHECK(window.decimalSeparator() == ",");

    // The window's own requests go to the page's other windows.
    window.showAboutBox();
    window.closeOtherWindows();
    window.closeWindow();
    CHECK(windows.aboutBoxes == 1);
    CHECK(windows.othersClosed == 1);
    CHECK(windows.closed == 1);
}
