// SPDX-License-Identifier: GPL-3.0-or-later
// The page's calls, carried to the browser's script. The script's page
// object is `tenebrixPage`; texts cross as UTF-8.
#include "JsPage.h"

#include <emscripten/emscripten.h>

#include <cstdlib>

// clang-format off
EM_JS(void, js_set_text, (const char* id, const char* text), {
    tenebrixPage.setText(UTF8ToString(id), UTF8ToString(text));
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
EM_JS(void, js_define_picture, (int key, int width, int height, const void* rgba), {
    tenebrixPage.definePicture(key, width, height, HEAPU8.slice(rgba, rgba + width * height * 4));
});
EM_JS(void, js_show_picture, (const char* id, int key), {
    tenebrixPage.showPicture(UTF8ToString(id), key);
});
EM_JS(void, js_show_window, (const char* id), { tenebrixPage.showWindow(UTF8ToString(id)); });
EM_JS(void, js_show_modal, (const char* id), { tenebrixPage.showModal(UTF8ToString(id)); });
EM_JS(void, js_close_window, (const char* id), { tenebrixPage.closeWindow(UTF8ToString(id)); });
// The one call that waits for the player: the game's code is suspended
// until the box closes, and the page takes no other input meanwhile.
EM_ASYNC_JS(int, js_show_message, (const char* text, const char* title, int yesNo, int icon), {
    return await tenebrixPage.showMessage(UTF8ToString(text), UTF8ToString(title),
                                          yesNo !== 0, icon !== 0);
});
EM_JS(char*, js_open_help, (const char* path), {
    const failure = tenebrixPage.openHelp(UTF8ToString(path));
    if (!failure) return 0;
    const size = lengthBytesUTF8(failure) + 1;
    const copy = _malloc(size);
    stringToUTF8(failure, copy, size);
    return copy;
});
EM_JS(void, js_exit, (), { tenebrixPage.exit(); });
// clang-format on

namespace tenebrix::web {

void JsPage::setText(const std::string& id, const std::string& text) {
    js_set_text(id.c_str(), text.c_str());
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
void JsPage::definePicture(int key, const pictures::Image& image) {
    js_define_picture(key, image.width, image.height, image.pixels.data());
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

MessageAnswer JsPage::showMessage(const Message& message) {
    const int answer = js_show_message(message.text.c_str(), message.title.c_str(),
                                       message.buttons == MessageButtons::YesNo,
                                       message.icon == MessageIcon::Information);
    switch (answer) {
        case 1:
            return MessageAnswer::Yes;
        case 2:
            return MessageAnswer::No;
        default:
            return MessageAnswer::Ok;
    }
}

std::string JsPage::openHelp(const std::string& path) {
    char* failure = js_open_help(path.c_str());
    if (!failure) return {};
    std::string text(failure);
    std::free(failure);
    return text;
}

void JsPage::exit() {
    js_exit();
}

}  // namespace tenebrix::web
