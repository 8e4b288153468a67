// SPDX-License-Identifier: GPL-3.0-or-later
// A picture as a data: address holding its PNG file.
#include "PngDataUrl.h"

#include <cstdint>

#include "PngFile.h"

namespace tenebrix::web {

std::string base64(std::string_view bytes) {
    static const char digits[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
    std::string out;
    out.reserve((bytes.size() + 2) / 3 * 4);
    for (std::size_t at = 0; at < bytes.size(); at += 3) {
        const std::size_t count = bytes.size() - at < 3 ? bytes.size() - at : 3;
        std::uint32_t group = 0;
        for (std::size_t i = 0; i < 3; ++i)
            group = group << 8 | (i < count ? static_cast<std::uint8_t>(bytes[at + i]) : 0u);
        for (std::size_t i = 0; i < 4; ++i)
            out += i <= count ? digits[(group >> (18 - 6 * i)) & 63] : '=';
    }
    return out;
}

std::string pngDataUrl(const pictures::Image& image) {
    return "data:image/png;base64," + base64(pngFileBytes(image));
}

}  // namespace tenebrix::web
