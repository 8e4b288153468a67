// SPDX-License-Identifier: GPL-3.0-or-later
// The About box: the program's name, version and owner, and a button that
// starts the system's information tool.
#pragma once

#include <QDialog>

namespace tenebrix::platform {
class Launcher;
class Registry;
}  // namespace tenebrix::platform

namespace tenebrix::qt {
class MessageBoxPresenter;
}  // namespace tenebrix::qt

namespace tenebrix::startup {

class frmAbout final : public QDialog {
    Q_OBJECT

  public:
    // `messages` shows the System Info failure message.
    frmAbout(platform::Registry& registry, platform::Launcher& launcher,
             qt::MessageBoxPresenter& messages, QWidget* owner);

    // Help > About: a fresh box each time, modal over `owner`, returning
    // once it is closed.
    static void mnuHelpAbout_Click(platform::Registry& registry, platform::Launcher& launcher,
                                   qt::MessageBoxPresenter& messages, QWidget* owner);

  private slots:
    void cmdSysInfo_Click();

  private:
    void Form_Load();
    void buildControls();

    platform::Registry& registry_;
    platform::Launcher& launcher_;
    qt::MessageBoxPresenter& messages_;
};

}  // namespace tenebrix::startup
