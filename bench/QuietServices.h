// SPDX-License-Identifier: GPL-3.0-or-later
// What the main window needs from outside, for a benchmark: nothing is
// stored, no help opens, and every message is answered at once; the clock
// is the desktop's own, as in the game.
#pragma once

#include "HelpViewer.h"
#include "MainWindowServices.h"
#include "MessageBoxPresenter.h"
#include "QtLocalClock.h"
#include "RandomSource.h"
#include "SettingsStore.h"

namespace tenebrix::bench {

class QuietServices {
  public:
    qt::MainWindowServices services() {
        return {random_, store_, clock_, help_, messages_, QString()};
    }

  private:
    class NoStore final : public platform::SettingsStore {
      public:
        bool SaveSetting(const std::string&, const std::string&, const std::string&,
                         const std::string&) override {
            return true;
        }
    };
    class NoHelp final : public platform::HelpViewer {
      public:
        void showContents(QWidget*, const QString&) override {}
    };
    class AnswerAtOnce final : public qt::MessageBoxPresenter {
      public:
        MessageAnswer present(QWidget*, const Message& message) override {
            return message.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
        }
    };

    ClockSeededRandom random_;
    NoStore store_;
    platform::QtLocalClock clock_;
    NoHelp help_;
    AnswerAtOnce messages_;
};

}  // namespace tenebrix::bench
