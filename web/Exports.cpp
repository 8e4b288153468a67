// SPDX-License-Identifier: GPL-3.0-or-later
// What the page's script calls: one plain C function per event of the
// game's windows. Made once, at the first call, and alive for the page's life.
#include <emscripten/emscripten.h>

#include "JsPage.h"
#include "MainMenuForm.h"
#include "MainWindowForm.h"
#include "NoSystemTools.h"
#include "RandomSource.h"
#include "WebGame.h"

namespace {

using namespace tenebrix;

web::WebGame& webGame() {
    static web::JsPage page;
    static ClockSeededRandom random;
    static web::EmptyRegistry registry;
    static web::NoLauncher launcher;
    // The help page lies beside the game's page.
    static web::WebGame game(page, random, {registry, launcher}, TENEBRIX_WEB_HELP_PAGE);
    return game;
}

}  // namespace

extern "C" {

EMSCRIPTEN_KEEPALIVE void tenebrix_start(int scale) {
    webGame().start(scale);
}
EMSCRIPTEN_KEEPALIVE void tenebrix_prepare_pictures() {
    webGame().preparePictures();
}
EMSCRIPTEN_KEEPALIVE int tenebrix_splash_tick() {
    return webGame().splashTick() ? 1 : 0;
}
// A forms::MenuCommand: from a menu item, a button or a shortcut.
EMSCRIPTEN_KEEPALIVE void tenebrix_command(int command) {
    if (command > 0 && command <= static_cast<int>(forms::MenuCommand::HelpAbout))
        webGame().command(static_cast<forms::MenuCommand>(command));
}
EMSCRIPTEN_KEEPALIVE void tenebrix_sysinfo() {
    webGame().cmdSysInfo_Click();
}
EMSCRIPTEN_KEEPALIVE void tenebrix_tile_click(int tile) {
    webGame().game().picTile_Click(tile);
}
EMSCRIPTEN_KEEPALIVE void tenebrix_tile_move(int tile) {
    webGame().game().picTile_MouseMove(tile);
}
EMSCRIPTEN_KEEPALIVE void tenebrix_tile_number_move() {
    webGame().game().lblTileNumbers_MouseMove();
}
EMSCRIPTEN_KEEPALIVE void tenebrix_hide_move() {
    webGame().game().HideMove();
}
EMSCRIPTEN_KEEPALIVE void tenebrix_scroll_tile_set(int value) {
    webGame().game().ScrollTileSet_Change(value);
}
EMSCRIPTEN_KEEPALIVE void tenebrix_scroll_mode(int value) {
    webGame().game().ScrollMode_Change(value);
}
EMSCRIPTEN_KEEPALIVE void tenebrix_scroll_level(int value) {
    webGame().game().ScrollLevel_Change(value);
}

}  // extern "C"
