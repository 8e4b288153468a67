// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's controls: made once, placed in twips at the window's
// dots per inch, and placed again when the window moves to another screen.
#include <windows.h>
// The common controls' declarations need the system's first.
#include <commctrl.h>

#include <array>
#include <vector>

#include "Controls.h"
#include "Fonts.h"
#include "MainControls.h"
#include "MainMenu.h"
#include "MainWindowForm.h"
#include "ModeDiagrams.h"
#include "Placement.h"
#include "Settings.h"
#include "WideText.h"
#include "WindowParts.h"
#include "frmMain.h"

namespace tenebrix::win32 {

namespace main = forms::frmMain;

namespace {

struct Placed {
    int id;
    forms::TwipRect place;  // in the client area
};

forms::TwipRect inFrame(forms::TwipRect place) {
    return {main::Frame1.left + place.left, main::Frame1.top + place.top, place.width,
            place.height};
}

std::vector<Placed> placedControls() {
    std::vector<Placed> placed;
    for (int n = 1; n <= kTileCount; ++n) {
        placed.push_back({kTileBase + n, main::picTile(n)});
        placed.push_back({kTileNumberBase + n, main::lblTileNumbers(n)});
    }
    for (int k = kMinMode; k <= kMaxMode; ++k) {
        placed.push_back({kModeDiagramBase + k, inFrame(main::picMode(k))});
    }
    placed.insert(placed.end(), {
                                    {kCmdHint, main::cmdHint.place},
                                    {kCmdNewPuzzle, main::cmdNewPuzzle.place},
                                    {kCmdReset, main::cmdReset.place},
                                    {kLblPuzState, main::lblPuzState.place},
                                    {kLblPuzValue, main::lblPuzValue.place},
                                    {kFrame1, main::Frame1},
                                    {kPicOn, inFrame(main::PicOn)},
                                    {kPicOff, inFrame(main::picOff)},
                                    {kLblTileSet, inFrame(main::lblTileSet.place)},
                                    {kScrollTileSet, inFrame(main::ScrollTileSet.place)},
                                    {kLblMode, inFrame(main::lblMode.place)},
                                    {kScrollMode, inFrame(main::ScrollMode.place)},
                                    {kLblLevel, inFrame(main::lblLevel.place)},
                                    {kScrollLevel, inFrame(main::ScrollLevel.place)},
                                    {kLblMovesLabel, inFrame(main::lblMovesLabel.place)},
                                    {kLblMoves, inFrame(main::lblMoves.place)},
                                });
    return placed;
}

// Placed by layout() once all are made.
HWND createSystemControl(HWND parent, const wchar_t* className, const std::wstring& text,
                         DWORD style, int id) {
    return createChild(parent, className, text, style, id, {});
}

void createButton(HWND parent, const main::Button& button, int id) {
    HWND control = createSystemControl(parent, L"BUTTON", widen(button.caption),
                                       WS_TABSTOP | BS_PUSHBUTTON, id);
    reportPointer(control);
}

void createScrollBar(HWND parent, int id, int minimum, int maximum) {
    HWND bar = createSystemControl(parent, L"SCROLLBAR", L"", WS_TABSTOP | SBS_HORZ, id);
    SCROLLINFO info;
    ZeroMemory(&info, sizeof info);
    info.cbSize = sizeof info;
    info.fMask = SIF_RANGE | SIF_POS | SIF_PAGE;
    info.nMin = minimum;
    info.nMax = maximum;
    info.nPos = minimum;
    SetScrollInfo(bar, SB_CTL, &info, FALSE);
}

struct FrameLabelControl {
    main::FrameLabel label;
    int id;
    Align align;
};
// "Moves:" right-aligned beside the counter's left-aligned digits.
constexpr std::array<FrameLabelControl, 5> kFrameLabels{{
    {main::lblTileSet, kLblTileSet, Align::Centre},
    {main::lblMode, kLblMode, Align::Centre},
    {main::lblLevel, kLblLevel, Align::Centre},
    {main::lblMovesLabel, kLblMovesLabel, Align::Right},
    {main::lblMoves, kLblMoves, Align::Left},
}};

void createFrameLabel(HWND parent, int id) {
    for (const FrameLabelControl& frameLabel : kFrameLabels) {
        if (frameLabel.id == id) {
            createLabel(parent, id, {}, widen(frameLabel.label.caption), {frameLabel.align, false});
        }
    }
}

}  // namespace

// Made in the tab order: the board, the buttons, then the frame's scroll
// bars. A child made earlier lies above those made later, so each tile
// covers the strip of its number label tucked under it and the frame lies
// beneath its contents.
void frmMain::createControls() {
    for (int n = 1; n <= kTileCount; ++n) {
        createPictureBox(window_, kTileBase + n, {}, {Border::Sunken, true});
    }
    createButton(window_, main::cmdHint, kCmdHint);
    createButton(window_, main::cmdNewPuzzle, kCmdNewPuzzle);
    createButton(window_, main::cmdReset, kCmdReset);
    createFrameContents();
    HWND frame =
        createSystemControl(window_, L"BUTTON", widen(main::kFrame1Caption), BS_GROUPBOX, kFrame1);
    reportPointer(frame);
    for (int n = 1; n <= kTileCount; ++n) {
        HWND number = createLabel(window_, kTileNumberBase + n, {}, widen(main::kTileNumberCaption),
                                  {Align::Centre, false});
        ShowWindow(number, SW_HIDE);
    }
    for (const auto& [hidden, id] :
         {std::pair{main::lblPuzState, kLblPuzState}, std::pair{main::lblPuzValue, kLblPuzValue}}) {
        ShowWindow(createLabel(window_, id, {}, widen(main::kHiddenLabelCaption), {}), SW_HIDE);
    }
    moveBoardStop(1);
    statusBar_.create(window_, kStatusBar);
}

void frmMain::createFrameContents() {
    createPictureBox(window_, kPicOn, {}, {Border::Sunken, false});
    createPictureBox(window_, kPicOff, {}, {Border::Sunken, false});
    createFrameLabel(window_, kLblTileSet);
    createScrollBar(window_, kScrollTileSet, kMinTileSet, kMaxTileSet);
    for (int k = kMinMode; k <= kMaxMode; ++k) {
        HWND diagram = createPictureBox(window_, kModeDiagramBase + k, {}, {});
        setPicture(diagram, pictures::modeDiagram(k));
        if (k != kMinMode) ShowWindow(diagram, SW_HIDE);
    }
    // Each caption's foot overlaps its scroll bar's top: the bar lies above.
    createScrollBar(window_, kScrollMode, kMinMode, kMaxMode);
    createFrameLabel(window_, kLblMode);
    createScrollBar(window_, kScrollLevel, kMinLevel, kMaxLevel);
    createFrameLabel(window_, kLblLevel);
    createFrameLabel(window_, kLblMovesLabel);
    createFrameLabel(window_, kLblMoves);
}

void frmMain::layout() {
    dpi_ = dpiOf(window_);
    for (const Placed& placed : placedControls()) {
        const RECT at = dpi_.rect(placed.place);
        MoveWindow(control(placed.id), at.left, at.top, at.right - at.left, at.bottom - at.top,
                   FALSE);
        setPictureScale(control(placed.id), dpi_.pictureScale());
    }
    applyFonts();
    statusBar_.layout(dpi_);
    InvalidateRect(window_, nullptr, TRUE);
}

void frmMain::applyFonts() {
    HFONT oldForm = formFont_, oldBold = boldFont_;
    formFont_ = createFont(forms::kFormFontFamilies[0], forms::kFormFont.points,
                           forms::kFormFont.bold, dpi_);
    boldFont_ = createFont(forms::kFormFontFamilies[0], forms::kBoldCaptionFont.points,
                           forms::kBoldCaptionFont.bold, dpi_);
    for (const Placed& placed : placedControls()) {
        SendMessageW(control(placed.id), WM_SETFONT, reinterpret_cast<WPARAM>(formFont_), TRUE);
    }
    for (const FrameLabelControl& frameLabel : kFrameLabels) {
        if (!frameLabel.label.bold) continue;
        SendMessageW(control(frameLabel.id), WM_SETFONT, reinterpret_cast<WPARAM>(boldFont_), TRUE);
    }
    SendMessageW(statusBar_.window(), WM_SETFONT, reinterpret_cast<WPARAM>(formFont_), TRUE);
    DeleteObject(oldForm);
    DeleteObject(oldBold);
}

// Centred on the screen both ways; the top edge through the 16-bit twips
// arithmetic, so a screen lower than the window gives a negative top.
void frmMain::placeAtStart() {
    RECT outer{0, 0, dpi_.px(main::kClientWidth), dpi_.px(main::kClientHeight)};
    AdjustWindowRectExForDpi(&outer, WS_OVERLAPPEDWINDOW, TRUE, 0, static_cast<UINT>(dpi_.dpi));
    const int width = outer.right - outer.left, height = outer.bottom - outer.top;
    const RECT screen = screenOf(window_);
    const int screenHeight = screen.bottom - screen.top;
    const int topTwips = ui::centredTopTwips(static_cast<int>(dpi_.twips(screenHeight) + 0.5),
                                                static_cast<int>(dpi_.twips(height) + 0.5));
    const int left = screen.left + (screen.right - screen.left - width) / 2;
    SetWindowPos(window_, nullptr, left, screen.top + MulDiv(topTwips, dpi_.dpi, 1440), width,
                 height, SWP_NOZORDER | SWP_NOACTIVATE);
}

}  // namespace tenebrix::win32
