// SPDX-License-Identifier: GPL-3.0-or-later
// The game on the web page: start, menu commands, help and the About box.
#include "WebGame.h"

#include <utility>

#include "AboutForm.h"
#include "GameCommands.h"
#include "MainWindowForm.h"
#include "MenuLookup.h"
#include "Page.h"
#include "PictureKeys.h"
#include "SystemInfo.h"
#include "VersionLine.h"

namespace tenebrix::web {

namespace frm = forms::frmMain;
using forms::MenuCommand;

WebGame::WebGame(Page& page, RandomSource& random, SystemAccess system, std::string helpPath)
    : page_(page),
      display_(page),
      game_(display_, random),
      splash_(page, [this] { showMainWindow(); }),
      system_(system),
      helpPath_(std::move(helpPath)) {}

void WebGame::start(int scale) {
    scale_ = scale;
    showSplashPictures(page_, scale_);
    splash_.show();
}

void WebGame::preparePictures() {
    if (picturesReady_) return;
    showWindowPictures(page_, scale_);
    picturesReady_ = true;
}

// Loaded as it is shown, before the page paints again; Hint has the focus.
void WebGame::showMainWindow() {
    preparePictures();
    page_.showWindow(frm::kName);
    game_.Form_Load();
    page_.focus(frm::cmdHint.name);
}

void WebGame::command(MenuCommand command) {
    if (forms::runGameCommand(game_, command)) return;
    switch (command) {
        case MenuCommand::Exit:
            page_.exit();
            break;
        case MenuCommand::ViewStatusBar:
            mnuViewStatusBar_Click();
            break;
        case MenuCommand::HelpContents:
            mnuHelpContents_Click();
            break;
        case MenuCommand::HelpAbout:
            mnuHelpAbout_Click();
            break;
        default:
            break;
    }
}

// Nothing else moves: without the status bar its strip is bare window.
void WebGame::mnuViewStatusBar_Click() {
    statusBarShown_ = !statusBarShown_;
    page_.setVisible(frm::kStatusBarName, statusBarShown_);
    page_.setChecked(menuItemName(MenuCommand::ViewStatusBar), statusBarShown_);
}

void WebGame::mnuHelpContents_Click() {
    if (helpPath_.empty()) {
        page_.showMessage(
            {frm::kNoHelpMessage, frm::kCaption, MessageButtons::Ok, MessageIcon::Information});
        return;
    }
    const std::string failure = page_.openHelp(helpPath_);
    if (!failure.empty()) page_.showMessage({failure, frm::kCaption});
}

// A fresh box each time: the title and the version line are written anew.
void WebGame::mnuHelpAbout_Click() {
    namespace about = forms::frmAbout;
    page_.setText(about::lblVersion.name, forms::VersionLine(forms::kProgramVersion));
    page_.setText(about::lblTitle.name, about::kTitle);
    page_.showModal(about::kName);
}

// The About box stays open behind the message.
void WebGame::cmdSysInfo_Click() {
    if (auto failure = platform::StartSysInfo(system_.registry, system_.launcher))
        page_.showMessage(*failure);
}

}  // namespace tenebrix::web
