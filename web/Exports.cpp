// SPDX-License-Identifier: GPL-3.0-or-later
// What the page's script calls: one plain C function per kind of event on
// the game's windows, elements by their names. Every decision is the
// game's; the script only reports. Made once, at the first call, and alive
// for the page's life.
#include <emscripten/emscripten.h>

#include "JsPage.h"
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

const char* orEmpty(const char* text) {
    return text ? text : "";
}

}  // namespace

extern "C" {

// `ratio`: the screen's device pixels per CSS pixel.
EMSCRIPTEN_KEEPALIVE void tenebrix_start(double ratio) {
    webGame().start(ratio);
}
// Numbers only: the screen may change while a message box keeps the game
// waiting.
EMSCRIPTEN_KEEPALIVE void tenebrix_device_ratio(double ratio) {
    webGame().deviceRatioChanged(ratio);
}
EMSCRIPTEN_KEEPALIVE void tenebrix_prepare_pictures() {
    webGame().preparePictures();
}
// A web::Timer the game set; numbers only, so the page may call it while a
// message box keeps the game waiting.
EMSCRIPTEN_KEEPALIVE void tenebrix_timer(int timer) {
    if (timer == static_cast<int>(web::Timer::Splash) ||
        timer == static_cast<int>(web::Timer::StatusClock))
        webGame().timer(static_cast<web::Timer>(timer));
}
// Whether a window took the key, so the page's default action is prevented.
EMSCRIPTEN_KEEPALIVE int tenebrix_key_down(const char* key, int alt, int ctrl, int shift,
                                           int repeat) {
    return webGame().keyDown(orEmpty(key), alt != 0, ctrl != 0, shift != 0, repeat != 0) ? 1 : 0;
}
EMSCRIPTEN_KEEPALIVE void tenebrix_click(const char* id) {
    webGame().click(orEmpty(id));
}
EMSCRIPTEN_KEEPALIVE void tenebrix_pointer(const char* id, int released) {
    webGame().pointer(orEmpty(id), released ? ui::PointerEvent::Release : ui::PointerEvent::Move);
}
EMSCRIPTEN_KEEPALIVE void tenebrix_scroll(const char* id, const char* request, int thumbAt) {
    webGame().scroll(orEmpty(id), orEmpty(request), thumbAt);
}
EMSCRIPTEN_KEEPALIVE void tenebrix_menu_item(const char* id) {
    webGame().chooseMenuItem(orEmpty(id));
}
EMSCRIPTEN_KEEPALIVE void tenebrix_close_request(const char* id) {
    webGame().closeRequest(orEmpty(id));
}
// No arguments: the page may call it while a message box is open.
EMSCRIPTEN_KEEPALIVE void tenebrix_unload() {
    webGame().unload();
}

}  // extern "C"
