// SPDX-License-Identifier: GPL-3.0-or-later
// The main window showing what the game tells it.
#include "CaptionLabels.h"
#include "Captions.h"
#include "ControlNames.h"
#include "Controls.h"
#include "TilePictures.h"
#include "WideText.h"
#include "frmMain.h"

namespace tenebrix::win32 {

namespace main = forms::frmMain;

// Each tile's name tells a screen reader what a sighted player sees, and
// changes with every move. Only the tiles that changed are named again:
// reading and writing a window's text are messages and server calls.
void frmMain::showTiles(const TileStates& lit) {
    for (int n = 1; n <= kTileCount; ++n) {
        HWND box = tile(n);
        const auto index = static_cast<std::size_t>(n - 1);
        const bool isLit = lit[index];
        setPicture(box, isLit ? litPicture_ : darkPicture_);
        if (tilesNamed_ && lit_[index] == isLit) continue;
        SetWindowTextW(box, widen(ui::tileName(n, isLit)).c_str());
        NotifyWinEvent(EVENT_OBJECT_NAMECHANGE, box, OBJID_CLIENT, CHILDID_SELF);
    }
    lit_ = lit;
    tilesNamed_ = true;
}

void frmMain::setTileBackColour(int n, Colour colour) {
    if (isTile(n)) setBackColour(tile(n), colour);
}

void frmMain::setCaption(Caption label, const std::string& text) {
    SetWindowTextW(control(ui::labelOf(label)), widen(text).c_str());
}

void frmMain::setTileNumberCaption(int n, const std::string& text) {
    if (isTile(n)) SetWindowTextW(tileNumber(n), widen(text).c_str());
}

void frmMain::setTileNumbersVisible(bool visible) {
    for (int n = 1; n <= kTileCount; ++n) {
        ShowWindow(tileNumber(n), visible ? SW_SHOWNA : SW_HIDE);
    }
}

void frmMain::setTileNumbersChecked(bool checked) {
    setMenuChecked(forms::MenuCommand::ViewTileNumbers, checked);
}

void frmMain::showModeDiagram(int mode) {
    for (const forms::Control& row : main::kControls) {
        if (row.is(main::kModeDiagramName))
            ShowWindow(control(row), row.index == mode ? SW_SHOWNA : SW_HIDE);
    }
}

void frmMain::showTileSet(int tileSet) {
    litPicture_ = pictures::tilePicture(pictures::litPictureOf(tileSet));
    darkPicture_ = pictures::tilePicture(pictures::darkPictureOf(tileSet));
    setPicture(control(main::kPicOnName), litPicture_);
    setPicture(control(main::kPicOffName), darkPicture_);
    SetWindowTextW(control("lblTileSet"), widen(ui::tileSetCaption(tileSet)).c_str());
}

// Quietly: the game runs the level change itself.
void frmMain::setLevelSetting(int level) {
    SetScrollPos(control("ScrollLevel"), SB_CTL, level, TRUE);
}

MessageAnswer frmMain::showMessage(const Message& message) {
    rememberFocus();
    return services_.messages.show(window_, message);
}

void frmMain::setStatusPanelText(int panel, const std::string& text) {
    statusBar_.setPanelText(panel, widen(text));
}

}  // namespace tenebrix::win32
