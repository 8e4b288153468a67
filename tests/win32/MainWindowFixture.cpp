// SPDX-License-Identifier: GPL-3.0-or-later
// The main window fixture and its helpers.
#include "MainWindowFixture.h"

#include "Controls.h"
#include "Module1.h"
#include "PixelPicture.h"
#include "TilePictures.h"
#include "WideText.h"

namespace tenebrix::testing {

void pumpMessages(win32::frmMain* main) {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (main && win32::routeKeyboard(*main, message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

COLORREF screenPixel(HWND window, int x, int y) {
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    HDC dc = GetDC(window);
    const COLORREF colour = GetPixel(dc, x, y);
    ReleaseDC(window, dc);
    return colour;
}

void pressKey(win32::frmMain& main, HWND target, UINT key, bool control, bool alt) {
    BYTE keys[256] = {};
    if (control) keys[VK_CONTROL] = 0x80;
    if (alt) keys[VK_MENU] = 0x80;
    SetKeyboardState(keys);
    const LPARAM altBit = alt ? (1 << 29) : 0;
    const UINT down = alt ? WM_SYSKEYDOWN : WM_KEYDOWN, up = alt ? WM_SYSKEYUP : WM_KEYUP;
    PostMessageW(target, down, key, 1 | altBit);
    PostMessageW(target, up, key, static_cast<LPARAM>(0xC0000001u) | altBit);
    pumpMessages(&main);
    BYTE none[256] = {};
    SetKeyboardState(none);
}

bool tileShowsPicture(MainWindowFixture& f, int n, int pictureIndex, int scale) {
    HWND tile = f.tile(n);
    const int border = 2 * scale;  // the sunken border, scaled as the picture
    const pictures::Image picture = pictures::tilePicture(pictureIndex);
    const COLORREF back = win32::screenColour(win32::backColour(tile));
    RedrawWindow(tile, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetDC(tile);
    bool same = true;
    for (int y = 0; y < picture.height * scale && same; ++y) {
        for (int x = 0; x < picture.width * scale && same; ++x) {
            const pictures::Rgba& pixel = picture.pixel(x / scale, y / scale);
            if (pixel.alpha != 0 && pixel.alpha != 255) continue;
            const COLORREF expected = pixel.alpha ? RGB(pixel.red, pixel.green, pixel.blue) : back;
            same = GetPixel(dc, border + x, border + y) == expected;
        }
    }
    ReleaseDC(tile, dc);
    return same;
}

MainWindowFixture::MainWindowFixture(std::vector<int> firstPuzzle, platform::SettingsStore* store,
                                     win32::MessageBoxes* boxes, std::wstring helpFile)
    : FakeServices(store, boxes, std::move(helpFile)) {
    random.scriptPuzzle(firstPuzzle);
    main = std::make_unique<win32::frmMain>(GetModuleHandleW(nullptr), services);
    main->Show([this] { closed = true; });
    pumpMessages(main.get());
}

MainWindowFixture::~MainWindowFixture() {
    main.reset();
    pumpMessages();
}

std::wstring MainWindowFixture::text(const char* name, int index) const {
    return win32::windowText(control(name, index));
}

void MainWindowFixture::clickTile(int n) {
    SendMessageW(tile(n), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
    SendMessageW(tile(n), WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    pumpMessages(main.get());
}

void MainWindowFixture::hoverTile(int n) {
    SendMessageW(tile(n), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
}

void MainWindowFixture::click(const char* button) {
    SendMessageW(control(button), BM_CLICK, 0, 0);
    pumpMessages(main.get());
}

void MainWindowFixture::menu(forms::MenuCommand command) {
    SendMessageW(window(), WM_COMMAND, MAKEWPARAM(win32::menuId(command), 0), 0);
    pumpMessages(main.get());
}

void MainWindowFixture::scroll(const char* bar, int code, int position) {
    SendMessageW(window(), WM_HSCROLL, MAKEWPARAM(code, position),
                 reinterpret_cast<LPARAM>(control(bar)));
}

bool MainWindowFixture::menuChecked(forms::MenuCommand command) const {
    return GetMenuState(GetMenu(window()), static_cast<UINT>(win32::menuId(command)),
                        MF_BYCOMMAND) &
           MF_CHECKED;
}

int MainWindowFixture::scrollValue(const char* bar) const {
    return GetScrollPos(control(bar), SB_CTL);
}

}  // namespace tenebrix::testing
