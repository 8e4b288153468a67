// SPDX-License-Identifier: GPL-3.0-or-later
// Making, placing and drawing a window's controls from its table.
#include "TableControls.h"

// The common controls' declarations need the system's first.
#include <commctrl.h>

#include <algorithm>
#include <ranges>

#include "Captions.h"
#include "Controls.h"
#include "LogoFrames.h"
#include "ModeDiagrams.h"
#include "PixelPicture.h"
#include "ProgramIcon.h"
#include "WideText.h"
#include "WindowParts.h"

namespace tenebrix::win32 {

using forms::Control;
using forms::ControlKind;

FontSet::~FontSet() {
    for (const auto& [font, handle] : fonts_) DeleteObject(handle);
}

HFONT FontSet::font(const forms::Font& font) {
    for (const auto& [made, handle] : fonts_) {
        if (made == font) return handle;
    }
    const char* family = font.face == forms::FontFace::Splash ? forms::kSplashFontFamilies[0]
                                                              : forms::kFormFontFamilies[0];
    HFONT handle = createFont(family, font.points, font.bold, dpi_);
    fonts_.emplace_back(font, handle);
    return handle;
}

bool isChildControl(const Control& row) {
    switch (row.kind) {
        case ControlKind::Line:
        case ControlKind::Timer:
            return false;
        case ControlKind::Frame:
            return row.caption[0] != '\0';
        default:
            return true;
    }
}

namespace {

pictures::Image startPicture(const Control& row) {
    switch (row.picture) {
        case forms::StartPicture::ModeDiagram:
            return pictures::modeDiagram(row.index);
        case forms::StartPicture::LogoFrame:
            return pictures::logoFrame(row.index);
        case forms::StartPicture::AboutPicture:
            return pictures::aboutPicture();
        case forms::StartPicture::None:
            break;
    }
    return {};
}

HWND createSystemControl(HWND window, const Control& row, int id) {
    const DWORD tabStop = row.tabStop ? WS_TABSTOP : 0;
    const std::wstring caption = widen(ui::captionOf(row));
    switch (row.kind) {
        case ControlKind::Button:
            return createChild(window, L"BUTTON", caption,
                               tabStop | (row.isDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), id, {},
                               row.visible);
        case ControlKind::Frame:
            return createChild(window, L"BUTTON", caption, BS_GROUPBOX, id, {}, row.visible);
        case ControlKind::ScrollBar: {
            // Its text is what a screen reader calls it.
            HWND bar = createChild(window, L"SCROLLBAR", widen(ui::accessibleNameOf(row)),
                                   tabStop | SBS_HORZ, id, {}, row.visible);
            SCROLLINFO info;
            ZeroMemory(&info, sizeof info);
            info.cbSize = sizeof info;
            info.fMask = SIF_RANGE | SIF_POS | SIF_PAGE;
            info.nMin = row.minimum;
            info.nMax = row.maximum;
            info.nPos = row.minimum;
            SetScrollInfo(bar, SB_CTL, &info, FALSE);
            return bar;
        }
        case ControlKind::StatusBar:
            // Docked along the bottom edge by itself.
            return CreateWindowExW(
                0, STATUSCLASSNAMEW, L"", WS_CHILD | (row.visible ? WS_VISIBLE : 0) | CCS_BOTTOM, 0,
                0, 0, 0, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(window, GWLP_HINSTANCE)), nullptr);
        default:
            return nullptr;
    }
}

HWND createControl(HWND window, const Control& row, int id) {
    switch (row.kind) {
        case ControlKind::PictureBox: {
            HWND box = createPictureBox(window, id, {},
                                        {row.border, row.boardTile && row.tabStop, row.visible});
            if (row.picture != forms::StartPicture::None) setPicture(box, startPicture(row));
            return box;
        }
        case ControlKind::Label:
            return createLabel(window, id, {}, widen(ui::captionOf(row)),
                               {row.align, row.wordWrap, row.visible});
        default:
            return createSystemControl(window, row, id);
    }
}

// A box sized to its picture: the picture and the border around it, both
// scaled as the picture is.
RECT pictureSizedPlace(const Control& row, RECT place, Dpi dpi) {
    const int border = row.border == forms::Border::Sunken ? 2 : 0;
    const int side = (row.picturePixels + 2 * border) * dpi.pictureScale();
    return {place.left, place.top, place.left + side, place.top + side};
}

// A label that grows keeps its left edge and widens to its caption.
RECT grownToText(HWND control, RECT place, HFONT font) {
    HDC dc = GetDC(control);
    HGDIOBJ old = SelectObject(dc, font);
    const std::wstring caption = windowText(control);
    SIZE size{};
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &size);
    SelectObject(dc, old);
    ReleaseDC(control, dc);
    place.right = std::max(place.right, place.left + size.cx);
    place.bottom = std::max(place.bottom, place.top + size.cy);
    return place;
}

}  // namespace

void createControls(HWND window, const ControlIds& ids) {
    for (const Control& row : ids.table()) {
        if (isChildControl(row)) createControl(window, row, ids.id(row));
    }
}

void placeControls(HWND window, const ControlIds& ids, Dpi dpi, FontSet& fonts) {
    FontSet fresh(dpi);
    for (const Control& row : ids.table()) {
        if (!isChildControl(row)) continue;
        HWND control = GetDlgItem(window, ids.id(row));
        HFONT font = fresh.font(row.font);
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
        setPictureScale(control, dpi.pictureScale());
        if (row.kind == ControlKind::StatusBar) continue;  // it docks itself
        RECT place = dpi.rect(forms::placeInWindow(ids.table(), row));
        if (row.picturePixels > 0) place = pictureSizedPlace(row, place, dpi);
        if (row.growsToText) place = grownToText(control, place, font);
        MoveWindow(control, place.left, place.top, place.right - place.left,
                   place.bottom - place.top, FALSE);
    }
    // The fonts at the old density go once every control has its new one.
    fonts.swap(fresh);
}

void paintDrawnRows(HDC dc, const ControlIds& ids, Dpi dpi) {
    // One picture pixel's worth of screen pixels, at least one.
    const int thin = std::max(1, dpi.dpi / kBaseDpi);
    for (const Control& row : ids.table() | std::views::reverse) {
        const forms::TwipRect place = forms::placeInWindow(ids.table(), row);
        if (row.kind == ControlKind::Frame && !isChildControl(row)) {
            RECT frame = dpi.rect(place);
            DrawEdge(dc, &frame, EDGE_ETCHED, BF_RECT);
        } else if (row.kind == ControlKind::Line) {
            // From its left end to its right, `linePixels` thick downwards.
            const int top = dpi.px(place.top);
            const RECT line{dpi.px(place.left), top, dpi.px(place.right()),
                            top + row.linePixels * thin};
            HBRUSH brush = CreateSolidBrush(screenColour(row.lineColour));
            FillRect(dc, &line, brush);
            DeleteObject(brush);
        }
    }
}

}  // namespace tenebrix::win32
