// SPDX-License-Identifier: GPL-3.0-or-later
// The game window on the web page.
#include "MainWindowPage.h"

#include "CaptionLabels.h"
#include "Captions.h"
#include "ControlNames.h"
#include "MainWindowForm.h"
#include "MenuLookup.h"
#include "MessageBox.h"
#include "Page.h"
#include "Settings.h"
#include "TilePictures.h"
#include "Translate.h"

namespace tenebrix::web {

namespace frm = forms::frmMain;
using forms::Control;

namespace {

const Control& statusBar() {
    for (const Control& control : frm::kControls) {
        if (control.kind == forms::ControlKind::StatusBar) return control;
    }
    return frm::kControls.back();
}

}  // namespace

std::array<std::string, kTileCount> MainWindowPage::ids(const char* name) {
    std::array<std::string, kTileCount> ids;
    for (int n = 1; n <= kTileCount; ++n) ids[n - 1] = frm::control(name, n).fullName();
    return ids;
}

// The board is painted with the pictures of the two sample boxes.
void MainWindowPage::showTiles(const TileStates& lit) {
    for (int n = 1; n <= kTileCount; ++n) {
        TileView& view = tiles_[n - 1];
        const bool isLit = lit[n - 1];
        const int picture = isLit ? litPicture_ : darkPicture_;
        if (picture != view.picture) {
            page_.showPicture(tileIds_[n - 1], picture);
            view.picture = picture;
        }
        if (!view.named || isLit != view.lit) {
            page_.setAccessibleName(tileIds_[n - 1], ui::tileName(n, isLit));
            view.lit = isLit;
            view.named = true;
        }
    }
}

void MainWindowPage::setTileBackColour(int tile, Colour colour) {
    if (isTile(tile)) page_.setBackColour(tileIds_[tile - 1], colour);
}

void MainWindowPage::setCaption(Caption label, const std::string& text) {
    page_.setText(ui::labelOf(label).name, text);
}

void MainWindowPage::setTileNumberCaption(int tile, const std::string& text) {
    if (isTile(tile)) page_.setText(tileNumberIds_[tile - 1], text);
}

void MainWindowPage::setTileNumbersVisible(bool visible) {
    for (const std::string& id : tileNumberIds_) page_.setVisible(id, visible);
}

void MainWindowPage::setTileNumbersChecked(bool checked) {
    setMenuChecked(forms::MenuCommand::ViewTileNumbers, checked);
}

void MainWindowPage::showModeDiagram(int mode) {
    for (int k = kMinMode; k <= kMaxMode; ++k)
        page_.setVisible(frm::control("picMode", k).fullName(), k == mode);
}

void MainWindowPage::showTileSet(int tileSet) {
    if (!isTileSet(tileSet)) return;
    litPicture_ = pictures::litPictureOf(tileSet);
    darkPicture_ = pictures::darkPictureOf(tileSet);
    page_.showPicture(frm::control("PicOn").name, litPicture_);
    page_.showPicture(frm::control("picOff").name, darkPicture_);
    page_.setText(frm::control("lblTileSet").name, ui::tileSetCaption(tileSet));
}

// Quietly: the game runs the level's change reaction itself.
void MainWindowPage::setLevelSetting(int level) {
    setScrollValue(frm::control("ScrollLevel"), level);
}

MessageAnswer MainWindowPage::showMessage(const Message& message) {
    return runMessageBox(page_, message);
}

void MainWindowPage::setStatusPanelText(int panel, const std::string& text) {
    page_.setText(forms::arrayName(frm::kStatusPanelName, panel), text);
}

void MainWindowPage::setStatusBarVisible(bool visible) {
    page_.setVisible(statusBar().fullName(), visible);
}

void MainWindowPage::setMenuChecked(forms::MenuCommand item, bool checked) {
    if (const char* id = menuItemName(item)) page_.setChecked(id, checked);
}

void MainWindowPage::setScrollValue(const Control& bar, int value) {
    scrollValues_[&bar] = value;
    page_.setScrollValue(bar.fullName(), value);
}

int MainWindowPage::scrollValue(const Control& bar) const {
    const auto found = scrollValues_.find(&bar);
    return found == scrollValues_.end() ? bar.minimum : found->second;
}

const Control* MainWindowPage::focusedControl() const {
    return forms::findControlByFullName(frm::kControls, page_.focusedId());
}

void MainWindowPage::setFocus(const Control& control) {
    page_.focus(control.fullName());
}

// The page makes the tile in focus the board's stop in the tab chain.
void MainWindowPage::moveBoardStop(int tile) {
    if (isTile(tile)) page_.focus(tileIds_[tile - 1]);
}

void MainWindowPage::openMenu(const forms::Menu& menu) {
    page_.openMenu(menu.name);
    for (const forms::MenuItem& item : menu.items) {
        if (item.isSeparator()) continue;
        page_.focus(item.name);
        return;
    }
}

// The page has no menu bar to highlight without a menu: the first menu
// drops down.
void MainWindowPage::activateMenuBar() {
    openMenu(forms::kMainMenu.front());
}

void MainWindowPage::showAboutBox() {
    windows_.showAboutBox();
}

std::optional<std::string> MainWindowPage::openHelp(const std::string& path) {
    if (page_.openHelp(path)) return std::nullopt;
    // TRANSLATORS: Browser version: shown when the browser refuses to open
    // the help page in a new tab (a pop-up blocker).
    return i18n::tr("The browser did not open the help page in a new tab.");
}

void MainWindowPage::closeWindow() {
    windows_.closeMainWindow();
}

void MainWindowPage::closeOtherWindows() {
    windows_.closeOtherWindows();
}

// A page is never minimised; a hidden tab still has its place.
bool MainWindowPage::isMinimised() const {
    return false;
}

ui::Placement MainWindowPage::placement() const {
    const ui::Placement pixels = page_.windowPlacement(frm::kName);
    constexpr float twips = forms::kTwipsPerPixel;
    return {pixels.left * twips, pixels.top * twips, pixels.width * twips, pixels.height * twips};
}

std::string MainWindowPage::decimalSeparator() const {
    return page_.decimalSeparator();
}

}  // namespace tenebrix::web
