// SPDX-License-Identifier: GPL-3.0-or-later
// The real main window wired to fakes for the soak: the game's chance from
// the soak's seed, and message boxes answered at random and kept for the soak.
#pragma once

#include <QTest>
#include <memory>
#include <random>
#include <utility>
#include <vector>

#include "ControlNames.h"
#include "FakeHelpViewer.h"
#include "FakeSettingsStore.h"
#include "MessageBoxPresenter.h"
#include "PictureBox.h"
#include "ScriptedRandom.h"
#include "frmMain.h"

namespace tenebrix::testing {

using ShownMessage = std::pair<Message, MessageAnswer>;

// Answers Yes or No at random where it has the choice.
class RandomAnswers final : public ui::MessageBoxPresenter {
  public:
    explicit RandomAnswers(std::uint32_t seed) : chance_(seed) {}

    MessageAnswer present(QWidget*, const Message& message) override {
        const bool yes = std::bernoulli_distribution(0.5)(chance_);
        const MessageAnswer answer = message.buttons == MessageButtons::Ok ? MessageAnswer::Ok
                                     : yes                                 ? MessageAnswer::Yes
                                                                           : MessageAnswer::No;
        shown.emplace_back(message, answer);
        return answer;
    }

    // Every message since the soak last took them.
    std::vector<ShownMessage> shown;

  private:
    std::mt19937 chance_;
};

struct SoakWindow {
    ScriptedRandom random;
    FakeSettingsStore store;
    FakeHelpViewer help;
    RandomAnswers messages;
    std::unique_ptr<ui::frmMain> window;

    explicit SoakWindow(std::uint32_t seed)
        : random(seed),
          messages(seed ^ 0x5eedu),
          window(std::make_unique<ui::frmMain>(ui::MainWindowServices{
              random, store, help, messages, QStringLiteral("/no/such/Tenebrix.hlp")})) {}

    template <class T = QWidget>
    T* control(const QString& name) const {
        T* found = window->findChild<T*>(name);
        if (!found) qFatal("no control named %s", qPrintable(name));
        return found;
    }
    ui::PictureBox* tile(int n) const {
        return control<ui::PictureBox>(ui::arrayName("picTile", n));
    }
    QWidget* tileNumber(int n) const { return control(ui::arrayName("lblTileNumbers", n)); }
};

}  // namespace tenebrix::testing
