// SPDX-License-Identifier: GPL-3.0-or-later
// The About box's rules.
#include "AboutBox.h"

#include "AboutForm.h"
#include "SystemInfo.h"
#include "VersionLine.h"
#include "WindowKeys.h"

namespace tenebrix::ui {

namespace about = forms::frmAbout;

void AboutBox::Form_Load() {
    view_.setCaption(about::control("lblVersion"), forms::VersionLine(forms::kProgramVersion));
    view_.setCaption(about::control("lblTitle"), about::kTitle);
}

// The failure message is modal over the About box, which stays open; the
// focus goes back to the button afterwards.
void AboutBox::cmdSysInfo_Click() {
    if (const auto failure = platform::StartSysInfo(registry_, launcher_)) {
        const forms::Control* focused = view_.focusedControl();
        view_.showMessage(*failure);
        if (focused) view_.setFocus(*focused);
    }
}

void AboutBox::buttonClicked(const forms::Control& button) {
    if (button.is("cmdOK")) {
        cmdOK_Click();
    } else if (button.is("cmdSysInfo")) {
        cmdSysInfo_Click();
    }
}

bool AboutBox::keyDown(const KeyPress& key, const forms::Control* focused) {
    const WindowKeyAction action = aboutBoxKey(key, focused);
    if (action.kind != WindowKeyAction::Kind::PressButton) return false;
    view_.setFocus(*action.control);
    buttonClicked(*action.control);
    return true;
}

}  // namespace tenebrix::ui
