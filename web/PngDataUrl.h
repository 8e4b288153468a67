// SPDX-License-Identifier: GPL-3.0-or-later
// A picture as a data: address holding its PNG file, so the page can carry a
// picture in its own markup and show it before the program has loaded.
#pragma once

#include <string>
#include <string_view>

#include "Image.h"

namespace tenebrix::web {

// Base64 as in RFC 4648, padded with '='.
std::string base64(std::string_view bytes);

// "data:image/png;base64,..." of the picture's PNG file.
std::string pngDataUrl(const pictures::Image& image);

}  // namespace tenebrix::web
