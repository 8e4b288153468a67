// SPDX-License-Identifier: GPL-3.0-or-later
// Small helpers for writing the page's HTML.
#include "Markup.h"

#include <cctype>

namespace tenebrix::web {

std::string escapeHtml(const std::string& text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            default:
                out += c;
        }
    }
    return out;
}

static std::string px(int twips) {
    return std::to_string(forms::twipsToPixels(twips)) + "px";
}

std::string placeStyle(const forms::TwipRect& place) {
    return "left:" + px(place.left) + ";top:" + px(place.top) + ";" +
           sizeStyle(place.width, place.height);
}

std::string sizeStyle(int widthTwips, int heightTwips) {
    return "width:" + px(widthTwips) + ";height:" + px(heightTwips);
}

// Walks the caption, giving each plain character, and the marked one
// wrapped, to `emit`.
template <typename Emit>
static void walkCaption(const std::string& caption, Emit emit) {
    for (std::size_t i = 0; i < caption.size(); ++i) {
        const bool marker = caption[i] == '&' && i + 1 < caption.size();
        if (marker && caption[i + 1] == '&') {
            emit('&', false);
            ++i;
        } else if (marker) {
            emit(caption[++i], true);
        } else {
            emit(caption[i], false);
        }
    }
}

std::string captionHtml(const std::string& caption) {
    std::string out;
    walkCaption(caption, [&out](char c, bool marked) {
        const std::string text = escapeHtml(std::string(1, c));
        out += marked ? "<u>" + text + "</u>" : text;
    });
    return out;
}

std::string captionText(const std::string& caption) {
    std::string out;
    walkCaption(caption, [&out](char c, bool) { out += c; });
    return out;
}

std::string accessKey(const std::string& caption) {
    std::string key;
    walkCaption(caption, [&key](char c, bool marked) {
        if (marked && key.empty())
            key = std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(c))));
    });
    return key;
}

}  // namespace tenebrix::web
