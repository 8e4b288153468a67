// SPDX-License-Identifier: GPL-3.0-or-later
// The main window showing what the game tells it.
#include "ControlNames.h"
#include "Controls.h"
#include "MainControls.h"
#include "TilePictures.h"
#include "WideText.h"
#include "frmMain.h"

namespace tenebrix::win32 {

// Each tile's name tells a screen reader what a sighted player sees, and
// changes with every move. Only the tiles that changed are named again:
// reading and writing a window's text are messages and server calls.
void frmMain::showTiles(const TileStates& lit) {
    for (int n = 1; n <= kTileCount; ++n) {
        HWND tile = control(kTileBase + n);
        const auto index = static_cast<std::size_t>(n - 1);
        const bool isLit = lit[index];
        setPicture(tile, isLit ? litPicture_ : darkPicture_);
        if (tilesNamed_ && lit_[index] == isLit) continue;
        SetWindowTextW(tile, widen(forms::tileAccessibleName(n, isLit)).c_str());
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, tile, OBJID_CLIENT, CHILDID_SELF);
    }
    lit_ = lit;
    tilesNamed_ = true;
}

void frmMain::setTileBackColour(int tile, Colour colour) {
    if (isTile(tile)) setBackColour(control(kTileBase + tile), colour);
}

void frmMain::setCaption(Caption label, const std::string& text) {
    int id = kLblMoves;
    switch (label) {
        case Caption::PuzState:
            id = kLblPuzState;
            break;
        case Caption::PuzValue:
            id = kLblPuzValue;
            break;
        case Caption::Moves:
            id = kLblMoves;
            break;
        case Caption::Level:
            id = kLblLevel;
            break;
        case Caption::Mode:
            id = kLblMode;
            break;
    }
    SetWindowTextW(control(id), widen(text).c_str());
}

void frmMain::setTileNumberCaption(int tile, const std::string& text) {
    if (isTile(tile)) SetWindowTextW(control(kTileNumberBase + tile), widen(text).c_str());
}

void frmMain::setTileNumbersVisible(bool visible) {
    for (int n = 1; n <= kTileCount; ++n) {
        ShowWindow(control(kTileNumberBase + n), visible ? SW_SHOWNA : SW_HIDE);
    }
}

void frmMain::setTileNumbersChecked(bool checked) {
    CheckMenuItem(GetMenu(window_), static_cast<UINT>(menuId(forms::MenuCommand::ViewTileNumbers)),
                  MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void frmMain::showModeDiagram(int mode) {
    for (int k = kMinMode; k <= kMaxMode; ++k) {
        ShowWindow(control(kModeDiagramBase + k), k == mode ? SW_SHOWNA : SW_HIDE);
    }
}

void frmMain::showTileSet(int tileSet) {
    litPicture_ = pictures::tilePicture(pictures::litPictureOf(tileSet));
    darkPicture_ = pictures::tilePicture(pictures::darkPictureOf(tileSet));
    setPicture(control(kPicOn), litPicture_);
    setPicture(control(kPicOff), darkPicture_);
    const std::string caption = pictures::tilePictureText(pictures::darkPictureOf(tileSet));
    SetWindowTextW(control(kLblTileSet), widen(caption).c_str());
}

// Quietly: the game runs the level change itself.
void frmMain::setLevelSetting(int level) {
    SetScrollPos(control(kScrollLevel), SB_CTL, level, TRUE);
}

MessageAnswer frmMain::showMessage(const Message& message) {
    return services_.messages.show(window_, message);
}

}  // namespace tenebrix::win32
