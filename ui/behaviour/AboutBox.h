// SPDX-License-Identifier: GPL-3.0-or-later
// The About box's rules, the same on every platform: what it writes as it
// loads, what its buttons and keys do. A front end makes its controls from
// the control table (AboutControls.h) and shows what it is told.
#pragma once

#include <string>

#include "Control.h"
#include "Keys.h"
#include "Message.h"

namespace tenebrix::platform {
class Registry;
class Launcher;
}  // namespace tenebrix::platform

namespace tenebrix::ui {

class AboutView {
  public:
    virtual ~AboutView() = default;
    virtual void setCaption(const forms::Control& label, const std::string& text) = 0;
    // Modal over the About box, which stays open.
    virtual MessageAnswer showMessage(const Message& message) = 0;
    virtual const forms::Control* focusedControl() const = 0;
    virtual void setFocus(const forms::Control& control) = 0;
    // Unloads the box, which ends its modal display.
    virtual void closeBox() = 0;
};

class AboutBox {
  public:
    AboutBox(AboutView& view, platform::Registry& registry, platform::Launcher& launcher)
        : view_(view), registry_(registry), launcher_(launcher) {}

    // Each opening: the version line, then the title.
    void Form_Load();
    void cmdOK_Click() { view_.closeBox(); }
    // Starts the system's information tool, or says it cannot.
    void cmdSysInfo_Click();
    void buttonClicked(const forms::Control& button);
    // Alt and an access key, Enter, Esc; true when the key was the box's.
    bool keyDown(const KeyPress& key, const forms::Control* focused);

  private:
    AboutView& view_;
    platform::Registry& registry_;
    platform::Launcher& launcher_;
};

}  // namespace tenebrix::ui
