// SPDX-License-Identifier: GPL-3.0-or-later
// Stand-ins for the Windows front end's services: each records what the
// windows asked of it and answers as the test says.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "FakeSettingsStore.h"
#include "Services.h"

namespace tenebrix::testing {

struct RecordingMessageBoxes : win32::MessageBoxes {
    struct Shown {
        HWND owner;
        Message message;
    };
    std::vector<Shown> shown;
    std::deque<MessageAnswer> answers;  // then No for Yes/No, Ok for OK

    MessageAnswer show(HWND owner, const Message& message) override {
        shown.push_back({owner, message});
        if (!answers.empty()) {
            const MessageAnswer answer = answers.front();
            answers.pop_front();
            return answer;
        }
        return message.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
};

struct RecordingHelpViewer : win32::HelpViewer {
    std::vector<std::wstring> opened;
    std::optional<std::wstring> failure;

    std::optional<std::wstring> showContents(HWND, const std::wstring& helpFile) override {
        opened.push_back(helpFile);
        return failure;
    }
};

// A clock at the time the test sets, writing the date and the time as a
// system might beyond plain ASCII ("7.12.2026 г.", "9 h 41").
struct SetClock : platform::LocalClock {
    platform::LocalTime time{2026, 12, 7, 9, 41, 30, 250};
    platform::LocalTime now() override { return time; }
    std::string shortDate(const platform::LocalTime& t) override {
        return std::to_string(t.day) + "." + std::to_string(t.month) + "." +
               std::to_string(t.year) + " \xD0\xB3.";
    }
    std::string shortTime(const platform::LocalTime& t) override {
        return std::to_string(t.hour) + " h " + (t.minute < 10 ? "0" : "") +
               std::to_string(t.minute);
    }
    bool shortTimeShowsSeconds() override { return false; }
};

}  // namespace tenebrix::testing
