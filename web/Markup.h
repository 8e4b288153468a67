// SPDX-License-Identifier: GPL-3.0-or-later
// Small helpers for writing the page's HTML: escaping, places in CSS
// pixels, captions with their access-key letter underlined.
#pragma once

#include <string>
#include <string_view>

#include "AccessKey.h"
#include "Twips.h"

namespace tenebrix::web {

// Text safe inside an element or a double-quoted attribute.
std::string escapeHtml(const std::string& text);

// "left:10px;top:10px;width:36px;height:36px", twips turned into whole CSS
// pixels as the desktop turns them into whole screen pixels.
std::string placeStyle(const forms::TwipRect& place);
std::string sizeStyle(int widthTwips, int heightTwips);

// A caption split round its access key, in any script: "&Datei" -> "",
// "D", "atei"; "ファイル(&F)" -> "ファイル(", "F", ")". "&&" is an ampersand;
// a caption without a key is all `before`.
struct CaptionParts {
    std::string before, key, after;
};
CaptionParts captionParts(std::string_view caption);

// "&New Puzzle" -> "<u>N</u>ew Puzzle": the letter after '&' underlined,
// "&&" an ampersand.
std::string captionHtml(const std::string& caption);
// The caption as the player reads it: "&New Puzzle" -> "New Puzzle".
std::string captionText(const std::string& caption);
// The access key in upper case ("N", "Ф"), or an empty text when there is none.
std::string accessKey(const std::string& caption);
using forms::utf8;

}  // namespace tenebrix::web
