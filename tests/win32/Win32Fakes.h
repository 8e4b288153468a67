// SPDX-License-Identifier: GPL-3.0-or-later
// Stand-ins for the Windows front end's services: each records what the
// windows asked of it and answers as the test says.
#pragma once

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

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

struct RecordingSettingsStore : win32::SettingsStore {
    std::map<std::wstring, std::wstring> saved;  // "app\section\key" -> value

    bool SaveSetting(const std::wstring& app, const std::wstring& section, const std::wstring& key,
                     const std::wstring& value) override {
        saved[app + L"\\" + section + L"\\" + key] = value;
        return true;
    }
};

struct SetClock : win32::Clock {
    SYSTEMTIME time{2026, 12, 1, 7, 9, 41, 30, 250};
    SYSTEMTIME now() override { return time; }
};

}  // namespace tenebrix::testing
