// SPDX-License-Identifier: GPL-3.0-or-later
// Scaling the main window's controls for the screen's density: the picture
// box calls leave other controls whole, and the window takes each new
// density whole, and its memory stays sound, however often it changes.
#include <doctest/doctest.h>
#include <windows.h>

#include <cstdint>
#include <initializer_list>
#include <string>
#include <vector>

#include "Controls.h"
#include "Densities.h"
#include "MainWindowFixture.h"
#include "MainWindowForm.h"
#include "ProgramIcon.h"
#include "ProgramIcons.h"
#include "TilePictures.h"

using namespace tenebrix;
using namespace tenebrix::testing;

namespace {

// Every heap of the program passes the system's own check: a write past the
// end of a block spoils the next block's header.
bool heapsSound() {
    HANDLE heaps[64];
    const DWORD count = GetProcessHeaps(64, heaps);
    for (DWORD i = 0; i < count && i < 64; ++i) {
        if (!HeapValidate(heaps[i], 0, nullptr)) return false;
    }
    return true;
}

// The density message as the system sends it: the new density, and the
// window's place at it, the client area scaled and the frame as it is.
void deliverDensity(HWND window, const Density& to, SIZE client) {
    RECT outer;
    GetWindowRect(window, &outer);
    const SIZE now = clientSize(window);
    outer.right += client.cx - now.cx;
    outer.bottom += client.cy - now.cy;
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(to.dpi, to.dpi),
                 reinterpret_cast<LPARAM>(&outer));
}

int fontHeight(HWND control) {
    LOGFONTW font{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof font,
               &font);
    return font.lfHeight;
}

// The main window as it must be at `density`.
void checkMainWindowAt(MainWindowFixture& f, const Density& density) {
    CAPTURE(density.dpi);
    CHECK(heapsSound());
    CHECK(clientSize(f.window()) == density.mainClient);
    for (const int n : {1, 13, 25}) {
        CAPTURE(n);
        CHECK(clientSize(f.tile(n)) == SIZE{density.tileSide, density.tileSide});
        const bool lit = isLit(f.main->game().currentValue(), n);
        CHECK(tileShowsPicture(f, n, lit ? pictures::litPictureOf(1) : pictures::darkPictureOf(1),
                               density.pictureScale));
    }
    CHECK(fontHeight(f.control("cmdHint")) == density.formFontHeight);
    CHECK(iconSide(f.window(), ICON_SMALL) == density.smallIcon);
    CHECK(iconSide(f.window(), ICON_BIG) == density.largeIcon);
}

// An icon's colours, row by row from the top, as 0xRRGGBB; empty when it
// is not `side` pixels square.
std::vector<std::uint32_t> iconColours(HICON icon, int side) {
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info)) return {};
    BITMAPINFO format{};
    format.bmiHeader = {sizeof(BITMAPINFOHEADER), side, -side, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    std::vector<std::uint32_t> pixels(static_cast<std::size_t>(side * side));
    HDC screen = GetDC(nullptr);
    BITMAP bitmap{};
    GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    const bool square = bitmap.bmWidth == side && bitmap.bmHeight == side;
    const int rows = GetDIBits(screen, info.hbmColor, 0, static_cast<UINT>(side), pixels.data(),
                               &format, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    if (!square || rows != side) return {};
    for (std::uint32_t& pixel : pixels) pixel &= 0xFFFFFF;
    return pixels;
}

}  // namespace

// At 200 % the title bar asks for 32 pixels and the taskbar for 64: the
// design's own 32 pixels, and each of them doubled, never a resampling.
TEST_CASE("the program icon: each size made once and shared, crisp at 200 %, destroyed once") {
    HICON titleBar = nullptr;
    {
        win32::IconSet icons;
        titleBar = icons.icon(16);
        CHECK(icons.icon(16) == titleBar);
        CHECK(icons.icon(20) != titleBar);
        CHECK(icons.count() == 2);
        const pictures::Image design = pictures::programIcon();
        REQUIRE(design.width == 32);
        for (const int side : {32, 64}) {
            CAPTURE(side);
            const auto colours = iconColours(icons.icon(side), side);
            REQUIRE(colours.size() == static_cast<std::size_t>(side * side));
            const int scale = side / 32;
            bool same = true;
            for (int y = 0; y < side && same; ++y) {
                for (int x = 0; x < side && same; ++x) {
                    const pictures::Rgba& p = design.pixel(x / scale, y / scale);
                    same = colours[static_cast<std::size_t>(y * side + x)] ==
                           (static_cast<std::uint32_t>(p.red) << 16 |
                            static_cast<std::uint32_t>(p.green) << 8 | p.blue);
                }
            }
            CHECK(same);
        }
    }
    ICONINFO info{};
    CHECK_FALSE(GetIconInfo(titleBar, &info));
}

TEST_CASE("the picture box calls leave labels, buttons and scroll bars whole") {
    MainWindowFixture f;
    struct Named {
        const char* name;
        int index;
    };
    for (const Named& named :
         {Named{"lblMoves", forms::kNoIndex}, Named{"lblTileNumbers", 1},
          Named{"lblTileSet", forms::kNoIndex}, Named{"cmdHint", forms::kNoIndex},
          Named{"ScrollMode", forms::kNoIndex}, Named{"Frame1", forms::kNoIndex}}) {
        CAPTURE(std::string(named.name));
        HWND control = f.control(named.name, named.index);
        const LRESULT font = SendMessageW(control, WM_GETFONT, 0, 0);
        const std::wstring text = f.text(named.name, named.index);
        win32::setPictureScale(control, 3);
        win32::setBackColour(control, 0x00FF00);
        CHECK(heapsSound());
        CHECK(win32::borderWidth(control) == 0);
        CHECK(win32::backColour(control) == kPlatformBackColour);
        CHECK(SendMessageW(control, WM_GETFONT, 0, 0) == font);
        CHECK(f.text(named.name, named.index) == text);
    }
}

// Moved to a screen of another density and back, as often as the player
// likes: every size, picture, font and icon at the new density each time.
TEST_CASE("the main window follows each change of density and keeps its memory sound") {
    const Density* start = densityOf(win32::dpiOf(nullptr).dpi);
    REQUIRE(start != nullptr);
    for (const Density& other : kDensities) {
        if (other.dpi == start->dpi) continue;
        MainWindowFixture f;
        checkMainWindowAt(f, *start);
        deliverDensity(f.window(), other, other.mainClient);
        pumpMessages(f.main.get());
        checkMainWindowAt(f, other);
        deliverDensity(f.window(), *start, start->mainClient);
        pumpMessages(f.main.get());
        checkMainWindowAt(f, *start);
        f.clickTile(13);
        CHECK(f.text("lblMoves") == L"1");
    }
    CHECK(heapsSound());
}
