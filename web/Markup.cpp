// SPDX-License-Identifier: GPL-3.0-or-later
// Small helpers for writing the page's HTML.
#include "Markup.h"

#include "AccessKey.h"

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

CaptionParts captionParts(std::string_view caption) {
    CaptionParts parts;
    std::string* into = &parts.before;
    for (std::size_t at = 0; at < caption.size();) {
        const bool marker = caption[at] == '&' && at + 1 < caption.size();
        if (marker && caption[at + 1] == '&') {
            *into += '&';
            at += 2;
        } else if (marker && into == &parts.before) {
            // The whole character after the first marker, in any script.
            const std::size_t from = ++at;
            forms::nextCodePoint(caption, at);
            parts.key = caption.substr(from, at - from);
            into = &parts.after;
        } else {
            // A character of several bytes is copied whole.
            const std::size_t from = at;
            forms::nextCodePoint(caption, at);
            *into += caption.substr(from, at - from);
        }
    }
    return parts;
}

std::string captionHtml(const std::string& caption) {
    const CaptionParts parts = captionParts(caption);
    if (parts.key.empty()) return escapeHtml(parts.before);
    return escapeHtml(parts.before) + "<u>" + escapeHtml(parts.key) + "</u>" +
           escapeHtml(parts.after);
}

std::string captionText(const std::string& caption) {
    const CaptionParts parts = captionParts(caption);
    return parts.before + parts.key + parts.after;
}

std::string accessKey(const std::string& caption) {
    return forms::utf8(forms::accessKeyCharacter(caption));
}

}  // namespace tenebrix::web
