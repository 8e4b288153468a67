// SPDX-License-Identifier: GPL-3.0-or-later
// Scaling the main window's controls for the screen's density: the picture
// box calls leave other controls whole, and the window keeps its sizes and
// its memory sound however often it is opened or told of a new density.
#include <doctest/doctest.h>
#include <windows.h>

#include <initializer_list>
#include <string>

#include "Controls.h"
#include "MainWindowFixture.h"
#include "MainWindowForm.h"

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

SIZE clientSize(HWND window) {
    RECT client;
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

// The density message as the system sends it: the new density and the
// window's place at that density.
void deliverDensity(HWND window, int dpi) {
    RECT outer;
    GetWindowRect(window, &outer);
    SendMessageW(window, WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&outer));
}

}  // namespace

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

TEST_CASE("the main window opened again and again keeps its sizes, picture scale and memory") {
    for (int round = 1; round <= 4; ++round) {
        CAPTURE(round);
        MainWindowFixture f;
        const win32::Dpi dpi = win32::dpiOf(f.window());
        for (int message = 0; message <= 2; ++message) {
            CAPTURE(message);
            if (message > 0) deliverDensity(f.window(), dpi.dpi);
            pumpMessages(f.main.get());
            CHECK(heapsSound());
            CHECK(clientSize(f.window()).cx == dpi.px(forms::frmMain::kClientWidth));
            for (const int n : {1, 13, 25}) {
                CAPTURE(n);
                const RECT place = dpi.rect(forms::frmMain::tilePlace(n));
                CHECK(clientSize(f.tile(n)).cx == place.right - place.left);
                CHECK(clientSize(f.tile(n)).cy == place.bottom - place.top);
                CHECK(win32::borderWidth(f.tile(n)) == 2 * dpi.pictureScale());
            }
        }
        f.clickTile(13);
        CHECK(f.text("lblMoves") == L"1");
    }
    CHECK(heapsSound());
}
