// SPDX-License-Identifier: GPL-3.0-or-later
// The About box as a modal dialog with its controls placed in twips.
#include "frmAbout.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "AboutForm.h"
#include "Controls.h"
#include "Dpi.h"
#include "Fonts.h"
#include "PixelPicture.h"
#include "ProgramIcon.h"
#include "SystemInfo.h"
#include "VersionLine.h"
#include "WideText.h"
#include "WindowParts.h"

namespace tenebrix::win32 {

namespace about = forms::frmAbout;

namespace {

HWND openAbout = nullptr;

struct AboutState {
    Services& services;
    HFONT font = nullptr;
    HFONT bold = nullptr;
};

HFONT aboutFont(Dpi dpi, forms::Font size) {
    return createFont(forms::kFormFontFamilies[0], size.points, size.bold, dpi);
}

HWND createButton(HWND dialog, const about::Button& button, int id, DWORD kind, Dpi dpi) {
    return createChild(dialog, L"BUTTON", widen(button.caption), WS_TABSTOP | kind, id,
                       dpi.rect(button.place));
}

// The client area at its size, centred over the owner.
void placeDialog(HWND dialog, Dpi dpi) {
    RECT outer{0, 0, dpi.px(about::kWidth), dpi.px(about::kHeight)};
    AdjustWindowRectExForDpi(&outer, static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_STYLE)),
                             FALSE, static_cast<DWORD>(GetWindowLongPtrW(dialog, GWL_EXSTYLE)),
                             static_cast<UINT>(dpi.dpi));
    RECT owner;
    GetWindowRect(GetWindow(dialog, GW_OWNER), &owner);
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    SetWindowPos(dialog, nullptr, (owner.left + owner.right - width) / 2,
                 (owner.top + owner.bottom - height) / 2, width, height, SWP_NOZORDER);
}

// Each opening loads afresh: the version line, then the title.
void Form_Load(HWND dialog, AboutState& state) {
    const Dpi dpi = dpiOf(dialog);
    placeDialog(dialog, dpi);
    state.font = aboutFont(dpi, forms::kFormFont);
    state.bold = aboutFont(dpi, forms::kBoldCaptionFont);
    const int scale = dpi.pictureScale();
    const int iconSize = (about::kIconPicturePixels + 4) * scale;
    HWND icon =
        createPictureBox(dialog, 0,
                         {dpi.px(about::kIconLeft), dpi.px(about::kIconTop),
                          dpi.px(about::kIconLeft) + iconSize, dpi.px(about::kIconTop) + iconSize},
                         {Border::Sunken, false});
    setPictureScale(icon, scale);
    setPicture(icon, pictures::aboutPicture());
    for (const about::Label& label : about::kLabels) {
        HWND control = createLabel(dialog, 0, dpi.rect(label.place), widen(label.caption),
                                   {Align::Left, label.wordWrap});
        SendMessageW(control, WM_SETFONT,
                     reinterpret_cast<WPARAM>(label.bold ? state.bold : state.font), 0);
        if (label.name == about::lblVersion.name) {
            SetWindowTextW(control, widen(forms::VersionLine(forms::kProgramVersion)).c_str());
        }
    }
    HWND ok = createButton(dialog, about::cmdOK, IDOK, BS_DEFPUSHBUTTON, dpi);
    HWND sysInfo = createButton(dialog, about::cmdSysInfo, kCmdSysInfo, BS_PUSHBUTTON, dpi);
    for (HWND button : {ok, sysInfo}) {
        SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(state.font), 0);
    }
    SendMessageW(dialog, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(programIconHandle(32)));
    SetFocus(ok);
}

// The etched separator: a grey line with a white one just below it.
void paintSeparator(HWND dialog) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(dialog, &paint);
    const Dpi dpi = dpiOf(dialog);
    const int thin = std::max(1, dpi.dpi / kBaseDpi);
    RECT grey{dpi.px(about::kGreyLine.left), dpi.px(about::kGreyLine.top),
              dpi.px(about::kGreyLine.right), dpi.px(about::kGreyLine.top) + thin};
    RECT white{dpi.px(about::kWhiteLine.left), dpi.px(about::kWhiteLine.top),
               dpi.px(about::kWhiteLine.right), dpi.px(about::kWhiteLine.top) + 2 * thin};
    HBRUSH greyBrush = CreateSolidBrush(RGB(128, 128, 128));
    FillRect(dc, &white, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    FillRect(dc, &grey, greyBrush);
    DeleteObject(greyBrush);
    EndPaint(dialog, &paint);
}

INT_PTR CALLBACK aboutProc(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<AboutState*>(GetWindowLongPtrW(dialog, DWLP_USER));
    switch (message) {
        case WM_INITDIALOG:
            SetWindowLongPtrW(dialog, DWLP_USER, lParam);
            openAbout = dialog;
            Form_Load(dialog, *reinterpret_cast<AboutState*>(lParam));
            return FALSE;
        case WM_PAINT:
            paintSeparator(dialog);
            return TRUE;
        case WM_COMMAND:
            if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) {
                EndDialog(dialog, IDOK);
            } else if (LOWORD(wParam) == kCmdSysInfo && state) {
                Services& services = state->services;
                if (const auto failure =
                        platform::StartSysInfo(services.registry, services.launcher)) {
                    // Over the About box: a message owned by the main window
                    // would give the main window its input back on closing.
                    services.messages.show(dialog, *failure);
                }
            }
            return TRUE;
        case WM_DESTROY:
            if (openAbout == dialog) openAbout = nullptr;
            return FALSE;
        default:
            return FALSE;
    }
}

// An empty dialog with a title; Form_Load makes the controls.
std::vector<DWORD> dialogTemplate() {
    std::vector<WORD> words(sizeof(DLGTEMPLATE) / sizeof(WORD), 0);
    auto* header = reinterpret_cast<DLGTEMPLATE*>(words.data());
    header->style = WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
    words.push_back(0);  // no menu
    words.push_back(0);  // the dialog class
    for (const wchar_t c : widen(about::kCaption)) words.push_back(static_cast<WORD>(c));
    words.push_back(0);
    std::vector<DWORD> aligned((words.size() + 1) / 2, 0);
    std::memcpy(aligned.data(), words.data(), words.size() * sizeof(WORD));
    return aligned;
}

}  // namespace

void frmAbout::ShowModal(HINSTANCE instance, HWND owner, Services& services) {
    registerControlClasses(instance);
    AboutState state{services};
    const auto layout = dialogTemplate();
    DialogBoxIndirectParamW(instance, reinterpret_cast<const DLGTEMPLATE*>(layout.data()), owner,
                            aboutProc, reinterpret_cast<LPARAM>(&state));
    DeleteObject(state.font);
    DeleteObject(state.bold);
}

HWND frmAbout::openWindow() {
    return openAbout;
}

void frmAbout::CloseOpen() {
    if (openAbout) EndDialog(openAbout, IDCANCEL);
}

}  // namespace tenebrix::win32
