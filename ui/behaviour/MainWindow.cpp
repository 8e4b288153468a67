// SPDX-License-Identifier: GPL-3.0-or-later
// The game window's rules.
#include "MainWindow.h"

#include <array>

#include "LocalClock.h"
#include "MainWindowForm.h"
#include "Placement.h"
#include "SettingsStore.h"
#include "WindowKeys.h"

namespace tenebrix::ui {

namespace frm = forms::frmMain;
using forms::MenuCommand;

MainWindow::MainWindow(MainWindowView& view, const MainWindowServices& services)
    : view_(view),
      settings_(services.settings),
      helpFilePath_(services.helpFilePath),
      game_(std::make_unique<Game>(static_cast<Display&>(*this), services.random)),
      clock_(view, services.clock) {}

void MainWindow::Form_Load() {
    game_->Form_Load();
}

// Written on every close and never read back: each start opens centred. A
// store that cannot be written does not hold the close up.
void MainWindow::Form_Unload() {
    view_.closeOtherWindows();
    if (view_.isMinimised()) return;
    const Placement placement = view_.placement();
    const std::string separator = view_.decimalSeparator();
    // In the order of the keys: left, top, width, height.
    const std::array<float, 4> values{placement.left, placement.top, placement.width,
                                      placement.height};
    for (std::size_t i = 0; i < values.size(); ++i) {
        settings_.SaveSetting(frm::kSettingsApplication, frm::kSettingsSection,
                              frm::kPlacementKeys[i], placementText(values[i], separator));
    }
}

void MainWindow::command(MenuCommand command) {
    switch (command) {
        case MenuCommand::Hint:
            game_->cmdHint_Click();
            return;
        case MenuCommand::NewPuzzle:
            game_->cmdNewPuzzle_Click();
            return;
        case MenuCommand::ResetPuzzle:
            game_->cmdReset_Click();
            return;
        case MenuCommand::ViewTileNumbers:
            game_->mnuTileNumbers_Click();
            return;
        case MenuCommand::Exit:
            view_.closeWindow();
            return;
        case MenuCommand::ViewStatusBar:
            mnuViewStatusBar_Click();
            return;
        case MenuCommand::HelpContents:
            mnuHelpContents_Click();
            return;
        case MenuCommand::HelpAbout:
            mnuHelpAbout_Click();
            return;
        case MenuCommand::None:
            return;
    }
}

void MainWindow::buttonClicked(const forms::Control& button) {
    command(button.command);
}

void MainWindow::tileClicked(int tile) {
    game_->picTile_Click(tile);
}

void MainWindow::pointerMoved(const forms::Control* control, PointerEvent event) {
    const std::string_view name = control ? std::string_view(control->name) : kBareWindow;
    switch (previewEffect(name, event)) {
        case PreviewEffect::ShowTile:
            game_->picTile_MouseMove(control->index);
            return;
        case PreviewEffect::NoTile:
            game_->lblTileNumbers_MouseMove();
            return;
        case PreviewEffect::Hide:
            game_->HideMove();
            return;
        case PreviewEffect::None:
            return;
    }
}

int MainWindow::scrolled(const forms::Control& bar, int value, ScrollRequest request, int thumbAt) {
    const int changed = scrolledValue(bar, value, request, thumbAt);
    // A thumb let go where it started still goes back to its place.
    if (changed != value || request == ScrollRequest::ThumbRelease)
        view_.setScrollValue(bar, changed);
    if (changed != value) scrollValueChanged(bar, changed);
    return changed;
}

void MainWindow::scrollValueChanged(const forms::Control& bar, int value) {
    if (bar.is("ScrollTileSet")) {
        game_->ScrollTileSet_Change(value);
    } else if (bar.is("ScrollMode")) {
        game_->ScrollMode_Change(value);
    } else if (bar.is("ScrollLevel")) {
        game_->ScrollLevel_Change(value);
    }
}

namespace {

// The setting a scroll bar shows, as the game holds it.
int settingOf(const Game& game, const forms::Control& bar) {
    if (bar.is("ScrollTileSet")) return game.settings().tileSet;
    if (bar.is("ScrollMode")) return game.settings().mode;
    return game.settings().level;
}

}  // namespace

bool MainWindow::keyDown(const KeyPress& key, const forms::Control* focused) {
    using Kind = WindowKeyAction::Kind;
    const WindowKeyAction action = mainWindowKey(key, focused);
    switch (action.kind) {
        case Kind::None:
            return false;
        case Kind::PressButton:
            pressButton(*action.control);
            return true;
        case Kind::OpenMenu:
            view_.openMenu(*action.menu);
            return true;
        case Kind::ActivateMenuBar:
            view_.activateMenuBar();
            return true;
        case Kind::RunCommand:
            command(action.command);
            return true;
        case Kind::Board:
            if (action.board.kind == BoardKeyAction::Kind::MoveStop) {
                view_.moveBoardStop(action.board.tile);
            } else if (action.board.kind == BoardKeyAction::Kind::Play) {
                tileClicked(action.board.tile);
            }
            return true;
        case Kind::Scroll:
            scrolled(*action.control, settingOf(*game_, *action.control), action.scroll);
            return true;
    }
    return false;
}

// An access key presses its button, which takes the focus as a click would.
void MainWindow::pressButton(const forms::Control& button) {
    view_.setFocus(button);
    buttonClicked(button);
}

MessageAnswer MainWindow::showMessage(const Message& message) {
    const forms::Control* focused = view_.focusedControl();
    const MessageAnswer answer = view_.showMessage(message);
    if (focused) view_.setFocus(*focused);
    return answer;
}

// Nothing else moves: without the status bar its strip is bare window.
void MainWindow::mnuViewStatusBar_Click() {
    statusBarShown_ = !statusBarShown_;
    view_.setStatusBarVisible(statusBarShown_);
    view_.setMenuChecked(MenuCommand::ViewStatusBar, statusBarShown_);
}

void MainWindow::mnuHelpContents_Click() {
    if (helpFilePath_.empty()) {
        showMessage({i18n::tr(frm::kNoHelpMessage), frm::kCaption, MessageButtons::Ok,
                     MessageIcon::Information});
        return;
    }
    if (const auto failure = view_.openHelp(helpFilePath_)) showMessage({*failure, frm::kCaption});
}

void MainWindow::mnuHelpAbout_Click() {
    focusBeforeAbout_ = view_.focusedControl();
    view_.showAboutBox();
}

void MainWindow::aboutBoxClosed() {
    if (focusBeforeAbout_) view_.setFocus(*focusBeforeAbout_);
    focusBeforeAbout_ = nullptr;
}

}  // namespace tenebrix::ui
