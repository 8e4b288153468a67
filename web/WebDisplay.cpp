// SPDX-License-Identifier: GPL-3.0-or-later
// The game window's display on the web page.
#include "WebDisplay.h"

#include "ControlNames.h"
#include "MainWindowForm.h"
#include "MenuLookup.h"
#include "Page.h"
#include "Settings.h"
#include "TilePictures.h"

namespace tenebrix::web {

namespace frm = forms::frmMain;

namespace {

const char* captionId(Caption label) {
    switch (label) {
        case Caption::PuzState:
            return frm::lblPuzState.name;
        case Caption::PuzValue:
            return frm::lblPuzValue.name;
        case Caption::Moves:
            return frm::lblMoves.name;
        case Caption::Level:
            return frm::lblLevel.name;
        case Caption::Mode:
            return frm::lblMode.name;
    }
    return nullptr;
}

std::string tileNumberId(int tile) {
    return forms::arrayName("lblTileNumbers", tile);
}

}  // namespace

WebDisplay::WebDisplay(Page& page) : page_(page) {
    for (int n = 1; n <= kTileCount; ++n) tileIds_[n - 1] = forms::arrayName("picTile", n);
}

// The board is painted with the pictures of the two sample boxes.
void WebDisplay::showTiles(const TileStates& lit) {
    for (int n = 1; n <= kTileCount; ++n) {
        TileView& view = tiles_[n - 1];
        const bool isLit = lit[n - 1];
        const int picture = isLit ? litPicture_ : darkPicture_;
        if (picture != view.picture) {
            page_.showPicture(tileIds_[n - 1], picture);
            view.picture = picture;
        }
        if (!view.named || isLit != view.lit) {
            page_.setAccessibleName(tileIds_[n - 1], forms::tileAccessibleName(n, isLit));
            view.lit = isLit;
            view.named = true;
        }
    }
}

void WebDisplay::setTileBackColour(int tile, Colour colour) {
    if (isTile(tile)) page_.setBackColour(tileIds_[tile - 1], colour);
}

void WebDisplay::setCaption(Caption label, const std::string& text) {
    if (const char* id = captionId(label)) page_.setText(id, text);
}

void WebDisplay::setTileNumberCaption(int tile, const std::string& text) {
    if (isTile(tile)) page_.setText(tileNumberId(tile), text);
}

void WebDisplay::setTileNumbersVisible(bool visible) {
    for (int n = 1; n <= kTileCount; ++n) page_.setVisible(tileNumberId(n), visible);
}

void WebDisplay::setTileNumbersChecked(bool checked) {
    page_.setChecked(menuItemName(forms::MenuCommand::ViewTileNumbers), checked);
}

void WebDisplay::showModeDiagram(int mode) {
    for (int k = kMinMode; k <= kMaxMode; ++k)
        page_.setVisible(forms::arrayName("picMode", k), k == mode);
}

void WebDisplay::showTileSet(int tileSet) {
    if (!isTileSet(tileSet)) return;
    litPicture_ = pictures::litPictureOf(tileSet);
    darkPicture_ = pictures::darkPictureOf(tileSet);
    page_.showPicture("PicOn", litPicture_);
    page_.showPicture("picOff", darkPicture_);
    page_.setText(frm::lblTileSet.name, pictures::tilePictureText(darkPicture_));
}

// Quietly: the game runs the level's change reaction itself.
void WebDisplay::setLevelSetting(int level) {
    page_.setScrollValue(frm::ScrollLevel.name, level);
}

MessageAnswer WebDisplay::showMessage(const Message& message) {
    return page_.showMessage(message);
}

}  // namespace tenebrix::web
