// SPDX-License-Identifier: GPL-3.0-or-later
// The page's calls, carried to the browser's script. The script's page
// object is `tenebrixPage`; texts cross as UTF-8, and a text coming back
// is copied into the program's memory, which the caller frees.
#include "JsPage.h"

#include <emscripten/emscripten.h>

#include <cstdlib>

// clang-format off
EM_JS(void, js_set_text, (const char* id, const char* text), {
    tenebrixPage.setText(UTF8ToString(id), UTF8ToString(text));
});
EM_JS(void, js_set_caption, (const char* id, const char* part, const char* before, const char* key,
                             const char* after), {
    tenebrixPage.setCaption(UTF8ToString(id), UTF8ToString(part), UTF8ToString(before),
                            UTF8ToString(key), UTF8ToString(after));
});
EM_JS(void, js_set_attribute, (const char* id, const char* part, const char* name, const char* value), {
    tenebrixPage.setAttribute(UTF8ToString(id), UTF8ToString(part), UTF8ToString(name), UTF8ToString(value));
});
EM_JS(void, js_set_document, (const char* language, const char* title), {
    tenebrixPage.setDocument(UTF8ToString(language), UTF8ToString(title));
});
EM_JS(void, js_set_visible, (const char* id, int visible), {
    tenebrixPage.setVisible(UTF8ToString(id), visible !== 0);
});
EM_JS(void, js_set_checked, (const char* id, int checked), {
    tenebrixPage.setChecked(UTF8ToString(id), checked !== 0);
});
EM_JS(void, js_set_back_colour, (const char* id, int red, int green, int blue, int system), {
    tenebrixPage.setBackColour(UTF8ToString(id), system ? "" : "rgb(" + red + "," + green + "," + blue + ")");
});
EM_JS(void, js_set_accessible_name, (const char* id, const char* name), {
    tenebrixPage.setAccessibleName(UTF8ToString(id), UTF8ToString(name));
});
EM_JS(void, js_set_scroll_value, (const char* id, int value), {
    tenebrixPage.setScrollValue(UTF8ToString(id), value);
});
EM_JS(void, js_focus, (const char* id), { tenebrixPage.focus(UTF8ToString(id)); });
EM_JS(char*, js_focused_id, (), {
    const text = tenebrixPage.focusedId();
    const size = lengthBytesUTF8(text) + 1;
    const copy = _malloc(size);
    stringToUTF8(text, copy, size);
    return copy;
});
EM_JS(void, js_define_picture, (int key, int width, int height, const void* rgba, int scale), {
    tenebrixPage.definePicture(key, width, height, HEAPU8.slice(rgba, rgba + width * height * 4), scale);
});
EM_JS(void, js_show_picture, (const char* id, int key), {
    tenebrixPage.showPicture(UTF8ToString(id), key);
});
EM_JS(void, js_show_window, (const char* id), { tenebrixPage.showWindow(UTF8ToString(id)); });
EM_JS(void, js_show_modal, (const char* id), { tenebrixPage.showModal(UTF8ToString(id)); });
EM_JS(void, js_close_window, (const char* id), { tenebrixPage.closeWindow(UTF8ToString(id)); });
EM_JS(void, js_window_placement, (const char* id, double* place), {
    const edges = tenebrixPage.windowPlacement(UTF8ToString(id));
    for (let i = 0; i < 4; ++i) HEAPF64[(place >> 3) + i] = edges[i];
});
EM_JS(void, js_open_menu, (const char* id), { tenebrixPage.openMenu(UTF8ToString(id)); });
EM_JS(char*, js_open_menu_id, (), {
    const text = tenebrixPage.openMenuId();
    const size = lengthBytesUTF8(text) + 1;
    const copy = _malloc(size);
    stringToUTF8(text, copy, size);
    return copy;
});
EM_JS(void, js_close_menus, (), { tenebrixPage.closeMenus(); });
EM_JS(void, js_open_message, (const char* text, const char* title, int yesNo, int icon), {
    tenebrixPage.openMessage(UTF8ToString(text), UTF8ToString(title), yesNo !== 0, icon !== 0);
});
// The one call that waits for the player: the game's code is suspended
// until a click or a key in the message box, and the page takes no other
// input meanwhile. The event is kept for the calls below.
EM_ASYNC_JS(int, js_next_message_event, (), {
    tenebrixPage.messageEvent = await tenebrixPage.nextMessageEvent();
    return tenebrixPage.messageEvent.kind === "key" ? 1 : 0;
});
// 0: the element, 1: the key, 2: the key's place (KeyboardEvent.code).
EM_JS(char*, js_message_event_text, (int field), {
    const event = tenebrixPage.messageEvent;
    const text = [event.element, event.key, event.code][field] || "";
    const size = lengthBytesUTF8(text) + 1;
    const copy = _malloc(size);
    stringToUTF8(text, copy, size);
    return copy;
});
EM_JS(int, js_message_event_modifiers, (), {
    const event = tenebrixPage.messageEvent;
    return (event.altKey ? 1 : 0) | (event.ctrlKey ? 2 : 0) | (event.shiftKey ? 4 : 0) | (event.repeat ? 8 : 0);
});
EM_JS(void, js_close_message, (), { tenebrixPage.closeMessage(); });
EM_JS(int, js_open_help, (const char* path), {
    return tenebrixPage.openHelp(UTF8ToString(path)) ? 1 : 0;
});
EM_JS(void, js_set_timer, (int timer, int milliseconds), {
    tenebrixPage.setTimer(timer, milliseconds);
});
EM_JS(int, js_save_setting, (const char* application, const char* section, const char* key, const char* value), {
    return tenebrixPage.saveSetting(UTF8ToString(application), UTF8ToString(section),
                                    UTF8ToString(key), UTF8ToString(value)) ? 1 : 0;
});
EM_JS(char*, js_decimal_separator, (), {
    const text = tenebrixPage.decimalSeparator();
    const size = lengthBytesUTF8(text) + 1;
    const copy = _malloc(size);
    stringToUTF8(text, copy, size);
    return copy;
});
EM_JS(void, js_local_time, (int* fields), {
    const now = tenebrixPage.localTime();
    for (let i = 0; i < 7; ++i) HEAP32[(fields >> 2) + i] = now[i];
});
EM_JS(char*, js_short_date_time, (int time, int year, int month, int day, int hour, int minute, int second), {
    const when = [year, month, day, hour, minute, second];
    const text = time ? tenebrixPage.shortTime(...when) : tenebrixPage.shortDate(...when);
    const size = lengthBytesUTF8(text) + 1;
    const copy = _malloc(size);
    stringToUTF8(text, copy, size);
    return copy;
});
EM_JS(int, js_short_time_shows_seconds, (), {
    return tenebrixPage.shortTimeShowsSeconds() ? 1 : 0;
});
EM_JS(void, js_exit, (), { tenebrixPage.exit(); });
// clang-format on

namespace tenebrix::web {

namespace {

// A text the script copied into the program's memory; null is empty.
std::string taken(char* copy) {
    if (!copy) return {};
    std::string text(copy);
    std::free(copy);
    return text;
}

}  // namespace

void JsPage::setText(const std::string& id, const std::string& text) {
    js_set_text(id.c_str(), text.c_str());
}
void JsPage::setCaption(const std::string& id, const std::string& part, const std::string& before,
                        const std::string& key, const std::string& after) {
    js_set_caption(id.c_str(), part.c_str(), before.c_str(), key.c_str(), after.c_str());
}
void JsPage::setAttribute(const std::string& id, const std::string& part, const std::string& name,
                          const std::string& value) {
    js_set_attribute(id.c_str(), part.c_str(), name.c_str(), value.c_str());
}
void JsPage::setDocument(const std::string& language, const std::string& title) {
    js_set_document(language.c_str(), title.c_str());
}
void JsPage::setVisible(const std::string& id, bool visible) {
    js_set_visible(id.c_str(), visible);
}
void JsPage::setChecked(const std::string& id, bool checked) {
    js_set_checked(id.c_str(), checked);
}
void JsPage::setBackColour(const std::string& id, Colour colour) {
    js_set_back_colour(id.c_str(), redOf(colour), greenOf(colour), blueOf(colour),
                       isSystemColour(colour));
}
void JsPage::setAccessibleName(const std::string& id, const std::string& name) {
    js_set_accessible_name(id.c_str(), name.c_str());
}
void JsPage::setScrollValue(const std::string& id, int value) {
    js_set_scroll_value(id.c_str(), value);
}
void JsPage::focus(const std::string& id) {
    js_focus(id.c_str());
}
std::string JsPage::focusedId() const {
    return taken(js_focused_id());
}
void JsPage::definePicture(int key, const pictures::Image& image, int scale) {
    js_define_picture(key, image.width, image.height, image.pixels.data(), scale);
}
void JsPage::showPicture(const std::string& id, int key) {
    js_show_picture(id.c_str(), key);
}
void JsPage::showWindow(const std::string& id) {
    js_show_window(id.c_str());
}
void JsPage::showModal(const std::string& id) {
    js_show_modal(id.c_str());
}
void JsPage::closeWindow(const std::string& id) {
    js_close_window(id.c_str());
}
ui::Placement JsPage::windowPlacement(const std::string& id) const {
    double place[4] = {};
    js_window_placement(id.c_str(), place);
    return {static_cast<float>(place[0]), static_cast<float>(place[1]),
            static_cast<float>(place[2]), static_cast<float>(place[3])};
}
void JsPage::openMenu(const std::string& id) {
    js_open_menu(id.c_str());
}
std::string JsPage::openMenuId() const {
    return taken(js_open_menu_id());
}
void JsPage::closeMenus() {
    js_close_menus();
}

void JsPage::openMessage(const Message& message) {
    js_open_message(message.text.c_str(), message.title.c_str(),
                    message.buttons == MessageButtons::YesNo,
                    message.icon == MessageIcon::Information);
}

MessageEvent JsPage::nextMessageEvent() {
    MessageEvent event;
    event.kind = js_next_message_event() ? MessageEvent::Kind::Key : MessageEvent::Kind::Click;
    event.element = taken(js_message_event_text(0));
    event.key = taken(js_message_event_text(1));
    event.code = taken(js_message_event_text(2));
    const int modifiers = js_message_event_modifiers();
    event.alt = (modifiers & 1) != 0;
    event.ctrl = (modifiers & 2) != 0;
    event.shift = (modifiers & 4) != 0;
    event.repeat = (modifiers & 8) != 0;
    return event;
}

void JsPage::closeMessage() {
    js_close_message();
}

bool JsPage::openHelp(const std::string& path) {
    return js_open_help(path.c_str()) != 0;
}

void JsPage::setTimer(Timer timer, int milliseconds) {
    js_set_timer(static_cast<int>(timer), milliseconds);
}

bool JsPage::saveSetting(const std::string& application, const std::string& section,
                         const std::string& key, const std::string& value) {
    return js_save_setting(application.c_str(), section.c_str(), key.c_str(), value.c_str()) != 0;
}

std::string JsPage::decimalSeparator() const {
    return taken(js_decimal_separator());
}

platform::LocalTime JsPage::localTime() const {
    int fields[7] = {};
    js_local_time(fields);
    return {fields[0], fields[1], fields[2], fields[3], fields[4], fields[5], fields[6]};
}

std::string JsPage::shortDate(const platform::LocalTime& time) const {
    return taken(js_short_date_time(0, time.year, time.month, time.day, time.hour, time.minute,
                                    time.second));
}

std::string JsPage::shortTime(const platform::LocalTime& time) const {
    return taken(js_short_date_time(1, time.year, time.month, time.day, time.hour, time.minute,
                                    time.second));
}

bool JsPage::shortTimeShowsSeconds() const {
    return js_short_time_shows_seconds() != 0;
}

void JsPage::exit() {
    js_exit();
}

}  // namespace tenebrix::web
