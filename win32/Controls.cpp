// SPDX-License-Identifier: GPL-3.0-or-later
// Picture boxes and labels, and pointer reports from system controls.
#include "Controls.h"

#include <commctrl.h>
#include <windowsx.h>

#include <memory>
#include <string>

#include "PixelPicture.h"
#include "WindowParts.h"

namespace tenebrix::win32 {

namespace {

struct PictureBoxState {
    pictures::Image picture;
    Colour back = kPlatformBackColour;
    PictureBoxStyle style;
    int scale = 1;
    bool pressed = false;
};

bool isOfClass(HWND window, const wchar_t* className) {
    wchar_t name[64] = L"";
    return GetClassNameW(window, name, 64) > 0 && lstrcmpW(name, className) == 0;
}

// Only from a picture box's own procedure: its user data is its state.
PictureBoxState* ownBoxState(HWND box) {
    return reinterpret_cast<PictureBoxState*>(GetWindowLongPtrW(box, GWLP_USERDATA));
}

// Any window may be handed to the picture box calls (the main window scales
// all its controls alike); a label's or a system control's user data is
// not a picture box's state and must not be written as one.
PictureBoxState* boxState(HWND box) {
    return isOfClass(box, kPictureBoxClass) ? ownBoxState(box) : nullptr;
}

void reportToParent(HWND control, UINT message) {
    SendMessageW(GetParent(control), kChildPointerMessage,
                 static_cast<WPARAM>(GetDlgCtrlID(control)), message);
}

void clickTile(HWND box) {
    SendMessageW(GetParent(box), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(box), BN_CLICKED),
                 reinterpret_cast<LPARAM>(box));
}

void paintPictureBox(HWND box, const PictureBoxState& state) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(box, &paint);
    RECT inside;
    GetClientRect(box, &inside);
    const COLORREF back = screenColour(state.back);
    const int border = state.style.border == forms::Border::Sunken ? 2 * state.scale : 0;
    InflateRect(&inside, -border, -border);
    HBRUSH brush = CreateSolidBrush(back);
    FillRect(dc, &inside, brush);
    DeleteObject(brush);
    const int saved = SaveDC(dc);
    IntersectClipRect(dc, inside.left, inside.top, inside.right, inside.bottom);
    drawPicture(dc, inside.left, inside.top, state.picture, back, state.scale);
    RestoreDC(dc, saved);
    RECT edge;
    GetClientRect(box, &edge);
    for (int drawn = 0; drawn < border; drawn += 2) {
        DrawEdge(dc, &edge, EDGE_SUNKEN, BF_RECT);
        InflateRect(&edge, -2, -2);
    }
    if (state.style.tile && GetFocus() == box) DrawFocusRect(dc, &inside);
    EndPaint(box, &paint);
}

// A press and a release on the same box is a click, as with a button.
LRESULT pictureBoxPointer(HWND box, PictureBoxState& state, UINT message, LPARAM lParam) {
    if (message == WM_LBUTTONDOWN && state.style.tile) {
        state.pressed = true;
        SetCapture(box);
    } else if (message == WM_LBUTTONUP && state.pressed) {
        state.pressed = false;
        ReleaseCapture();
        RECT client;
        GetClientRect(box, &client);
        const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
        if (PtInRect(&client, at)) clickTile(box);
    }
    reportToParent(box, message);
    return 0;
}

LRESULT CALLBACK pictureBoxProc(HWND box, UINT message, WPARAM wParam, LPARAM lParam) {
    PictureBoxState* state = ownBoxState(box);
    if (!state) return DefWindowProcW(box, message, wParam, lParam);
    switch (message) {
        case WM_PAINT:
            paintPictureBox(box, *state);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_MOUSEMOVE:
        case WM_LBUTTONDOWN:
        case WM_LBUTTONUP:
            return pictureBoxPointer(box, *state, message, lParam);
        // The game's keys reach the window's rules before the dialog
        // manager; what they leave of the arrows is the tile's, not a move
        // to the next control.
        case WM_GETDLGCODE:
            return state->style.tile ? DLGC_WANTARROWS | DLGC_WANTCHARS : 0;
        case WM_SETFOCUS:
        case WM_KILLFOCUS:
            InvalidateRect(box, nullptr, FALSE);
            break;
        case WM_NCDESTROY:
            delete state;
            SetWindowLongPtrW(box, GWLP_USERDATA, 0);
            break;
        default:
            break;
    }
    return DefWindowProcW(box, message, wParam, lParam);
}

struct LabelState {
    LabelStyle style;
    HFONT font = nullptr;
};

void paintLabel(HWND label, const LabelState& state) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(label, &paint);
    RECT client;
    GetClientRect(label, &client);
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(COLOR_BTNTEXT));
    HGDIOBJ oldFont = SelectObject(dc, state.font ? state.font : GetStockObject(DEFAULT_GUI_FONT));
    UINT format = DT_NOPREFIX | (state.style.wordWrap ? DT_WORDBREAK : DT_SINGLELINE);
    if (state.style.align == forms::TextAlign::Centre) format |= DT_CENTER;
    if (state.style.align == forms::TextAlign::Right) format |= DT_RIGHT;
    const std::wstring text = [&] {
        std::wstring buffer(static_cast<std::size_t>(GetWindowTextLengthW(label)) + 1, L'\0');
        buffer.resize(static_cast<std::size_t>(
            GetWindowTextW(label, buffer.data(), static_cast<int>(buffer.size()))));
        return buffer;
    }();
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &client, format);
    SelectObject(dc, oldFont);
    EndPaint(label, &paint);
}

LRESULT CALLBACK labelProc(HWND label, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* state = reinterpret_cast<LabelState*>(GetWindowLongPtrW(label, GWLP_USERDATA));
    if (!state) return DefWindowProcW(label, message, wParam, lParam);
    switch (message) {
        case WM_PAINT:
            paintLabel(label, *state);
            return 0;
        case WM_ERASEBKGND:
            return 1;
        case WM_SETFONT:
            state->font = reinterpret_cast<HFONT>(wParam);
            if (LOWORD(lParam)) InvalidateRect(label, nullptr, FALSE);
            return 0;
        case WM_GETFONT:
            return reinterpret_cast<LRESULT>(state->font);
        case WM_SETTEXT: {
            const LRESULT result = DefWindowProcW(label, message, wParam, lParam);
            InvalidateRect(label, nullptr, FALSE);
            return result;
        }
        case WM_MOUSEMOVE:
            reportToParent(label, message);
            return 0;
        case WM_NCDESTROY:
            delete state;
            SetWindowLongPtrW(label, GWLP_USERDATA, 0);
            break;
        default:
            break;
    }
    return DefWindowProcW(label, message, wParam, lParam);
}

LRESULT CALLBACK pointerReportProc(HWND control, UINT message, WPARAM wParam, LPARAM lParam,
                                   UINT_PTR, DWORD_PTR) {
    switch (message) {
        case WM_NCHITTEST: {
            const LRESULT hit = DefSubclassProc(control, message, wParam, lParam);
            return hit == HTTRANSPARENT ? HTCLIENT : hit;
        }
        case WM_MOUSEMOVE:
        case WM_LBUTTONUP:
        case WM_RBUTTONUP:
        case WM_MBUTTONUP:
            reportToParent(control, message);
            break;
        case WM_NCDESTROY:
            RemoveWindowSubclass(control, pointerReportProc, 0);
            break;
        default:
            break;
    }
    return DefSubclassProc(control, message, wParam, lParam);
}

void registerClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure) {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.lpszClassName = name;
    RegisterClassExW(&windowClass);
}

}  // namespace

void registerControlClasses(HINSTANCE instance) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(instance, kPictureBoxClass, &existing)) return;
    registerClass(instance, kPictureBoxClass, pictureBoxProc);
    registerClass(instance, kLabelClass, labelProc);
}

HWND createPictureBox(HWND parent, int id, const RECT& place, PictureBoxStyle style) {
    const DWORD tabStop = style.tile ? WS_TABSTOP : 0;
    HWND box = createChild(parent, kPictureBoxClass, L"", tabStop, id, place, style.visible);
    auto state = std::make_unique<PictureBoxState>();
    state->style = style;
    SetWindowLongPtrW(box, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state.release()));
    return box;
}

void setPicture(HWND box, const pictures::Image& picture) {
    if (auto* state = boxState(box); state && !(state->picture == picture)) {
        state->picture = picture;
        InvalidateRect(box, nullptr, FALSE);
    }
}

void setBackColour(HWND box, Colour colour) {
    if (auto* state = boxState(box); state && state->back != colour) {
        state->back = colour;
        InvalidateRect(box, nullptr, FALSE);
    }
}

Colour backColour(HWND box) {
    const auto* state = boxState(box);
    return state ? state->back : kPlatformBackColour;
}

void setPictureScale(HWND box, int scale) {
    if (auto* state = boxState(box); state && state->scale != scale) {
        state->scale = scale;
        InvalidateRect(box, nullptr, FALSE);
    }
}

int borderWidth(HWND box) {
    const auto* state = boxState(box);
    return state && state->style.border == forms::Border::Sunken ? 2 * state->scale : 0;
}

HWND createLabel(HWND parent, int id, const RECT& place, const std::wstring& caption,
                 LabelStyle style) {
    HWND label = createChild(parent, kLabelClass, caption, 0, id, place, style.visible);
    auto state = std::make_unique<LabelState>();
    state->style = style;
    SetWindowLongPtrW(label, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(state.release()));
    return label;
}

void reportPointer(HWND control) {
    SetWindowSubclass(control, pointerReportProc, 0, 0);
}

}  // namespace tenebrix::win32
