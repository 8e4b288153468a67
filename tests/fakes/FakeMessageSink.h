// SPDX-License-Identifier: GPL-3.0-or-later
// Records the messages the platform logic asks the player to read.
#pragma once

#include <string>
#include <vector>

#include "MessageSink.h"

namespace tenebrix::testing {

class FakeMessageSink : public platform::MessageSink {
  public:
    struct Shown {
        std::string text;
        std::string title;
    };
    std::vector<Shown> shown;

    void showMessage(const std::string& text, const std::string& title) override {
        shown.push_back({text, title});
    }
};

}  // namespace tenebrix::testing
