// SPDX-License-Identifier: GPL-3.0-or-later
// What the page's script calls: one plain C function per kind of event on
// the game's windows, elements by their names. Every decision is the
// game's; the script only reports. Made once, at the first call, and alive
// for the page's life.
#include <emscripten/emscripten.h>

#include <cstdint>
#include <span>
#include <string>

#include "Catalogue.h"
#include "JsPage.h"
#include "NoSystemTools.h"
#include "PageTexts.h"
#include "RandomSource.h"
#include "Translate.h"
#include "WebGame.h"

namespace {

using namespace tenebrix;

// The help page in the player's language, once the catalogue is chosen.
std::string& helpPage() {
    static std::string page = TENEBRIX_WEB_HELP_PAGE;
    return page;
}

web::WebGame& webGame() {
    static web::JsPage page;
    static ClockSeededRandom random;
    static web::EmptyRegistry registry;
    static web::NoLauncher launcher;
    // The help page lies beside the game's page.
    static web::WebGame game(page, random, {registry, launcher}, helpPage());
    return game;
}

const char* orEmpty(const char* text) {
    return text ? text : "";
}

}  // namespace

extern "C" {

// Before the game starts: the catalogue file for the player's languages
// (`preferred`: the browser's, best first, separated by commas), among
// those the site carries; empty for English.
EMSCRIPTEN_KEEPALIVE const char* tenebrix_catalogue_path(const char* preferred) {
    static std::string path;
    path = web::cataloguePath(orEmpty(preferred), TENEBRIX_WEB_CATALOGUES);
    return path.c_str();
}
// The catalogue's bytes, as fetched; a damaged one leaves the game in
// English. 1 when it was taken.
EMSCRIPTEN_KEEPALIVE int tenebrix_use_catalogue(const std::uint8_t* bytes, int size) {
    if (!bytes || size <= 0) return 0;
    i18n::Catalogue catalogue =
        i18n::Catalogue::fromMo(std::span(bytes, static_cast<std::size_t>(size)));
    if (!catalogue.valid() || catalogue.empty()) return 0;
    helpPage() = web::helpPageFor(catalogue.language(), TENEBRIX_WEB_HELP_LANGUAGES, helpPage());
    i18n::useCatalogue(std::move(catalogue));
    return 1;
}

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
// `code`: the key's place (KeyboardEvent.code), which gives its Latin letter.
EMSCRIPTEN_KEEPALIVE int tenebrix_key_down(const char* key, const char* code, int alt, int ctrl,
                                           int shift, int repeat) {
    return webGame().keyDown(orEmpty(key), orEmpty(code), alt != 0, ctrl != 0, shift != 0,
                             repeat != 0)
               ? 1
               : 0;
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
