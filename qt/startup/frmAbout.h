// SPDX-License-Identifier: GPL-3.0-or-later
// The About box: the program's name, version and owner, and a button that
// starts the system's information tool. Its rules are the shared ones
// (AboutBox.h): this window makes the controls of its table, passes on its
// buttons and keys, and shows what it is told.
#pragma once

#include <QDialog>
#include <optional>

#include "AboutBox.h"
#include "FormControls.h"

namespace tenebrix::platform {
class Launcher;
class Registry;
}  // namespace tenebrix::platform

namespace tenebrix::qt {
class MessageBoxPresenter;
}  // namespace tenebrix::qt

namespace tenebrix::startup {

class frmAbout final : public QDialog, private ui::AboutView {
    Q_OBJECT

  public:
    // `messages` shows the System Info failure message.
    frmAbout(platform::Registry& registry, platform::Launcher& launcher,
             qt::MessageBoxPresenter& messages, QWidget* owner);
    using QDialog::setFocus;

    // Help > About: a fresh box each time, modal over `owner`, returning
    // once it is closed.
    static void mnuHelpAbout_Click(platform::Registry& registry, platform::Launcher& launcher,
                                   qt::MessageBoxPresenter& messages, QWidget* owner);

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

  private:
    void setCaption(const forms::Control& label, const std::string& text) override;
    MessageAnswer showMessage(const Message& message) override;
    const forms::Control* focusedControl() const override;
    void setFocus(const forms::Control& control) override;
    void closeBox() override;

    qt::MessageBoxPresenter& messages_;
    // Made once the window has its icon, whose drawing leaves no holes
    // between the controls then.
    std::optional<qt::FormControls> controls_;
    ui::AboutBox about_;
};

}  // namespace tenebrix::startup
