// SPDX-License-Identifier: GPL-3.0-or-later
// The program icon at each size, made once.
#include "ProgramIcons.h"

#include <algorithm>
#include <cstdint>
#include <numeric>

#include "IconFile.h"
#include "ProgramIcon.h"

namespace tenebrix::win32 {

namespace {

constexpr int kLargestIcon = 256;

HICON iconFromPicture(const pictures::Image& picture) {
    BITMAPV5HEADER header{};
    header.bV5Size = sizeof header;
    header.bV5Width = picture.width;
    header.bV5Height = -picture.height;  // top-down rows
    header.bV5Planes = 1;
    header.bV5BitCount = 32;
    header.bV5Compression = BI_RGB;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP colour = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header),
                                      DIB_RGB_COLORS, &bits, nullptr, 0);
    ReleaseDC(nullptr, screen);
    if (!colour) return nullptr;
    auto* out = static_cast<std::uint32_t*>(bits);
    for (std::size_t i = 0; i < picture.pixels.size(); ++i) {
        const pictures::Rgba& p = picture.pixels[i];
        out[i] = static_cast<std::uint32_t>(p.alpha) << 24 |
                 static_cast<std::uint32_t>(p.red) << 16 |
                 static_cast<std::uint32_t>(p.green) << 8 | p.blue;
    }
    HBITMAP mask = CreateBitmap(picture.width, picture.height, 1, 1, nullptr);
    ICONINFO info{TRUE, 0, 0, mask, colour};
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(mask);
    DeleteObject(colour);
    return icon;
}

}  // namespace

// The smallest whole scale whose drawing shrinks to `pixels` by a whole
// factor: 16 is 32 halved, 20 is 160 in eighths, 48 is 96 halved, 64 is 64.
pictures::Image programIconPicture(int pixels) {
    const int side = std::clamp(pixels, 1, kLargestIcon);
    const int scale = side / std::gcd(side, pictures::kProgramIconSize);
    const int factor = scale * pictures::kProgramIconSize / side;
    const pictures::Image drawn = pictures::programIcon(scale);
    return factor == 1 ? drawn : icons::shrunk(drawn, factor);
}

IconSet::~IconSet() {
    for (const auto& [pixels, icon] : icons_) DestroyIcon(icon);
}

HICON IconSet::icon(int pixels) {
    const int side = std::clamp(pixels, 1, kLargestIcon);
    for (const auto& [made, icon] : icons_) {
        if (made == side) return icon;
    }
    HICON icon = iconFromPicture(programIconPicture(side));
    if (icon) icons_.emplace_back(side, icon);
    return icon;
}

IconSet& programIcons() {
    static IconSet icons;
    return icons;
}

void setWindowIcons(HWND window, Dpi dpi) {
    const auto dots = static_cast<UINT>(dpi.dpi);
    HICON titleBar = programIcons().icon(GetSystemMetricsForDpi(SM_CXSMICON, dots));
    HICON taskbar = programIcons().icon(GetSystemMetricsForDpi(SM_CXICON, dots));
    SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(titleBar));
    SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(taskbar));
}

}  // namespace tenebrix::win32
