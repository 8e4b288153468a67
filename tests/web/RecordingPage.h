// SPDX-License-Identifier: GPL-3.0-or-later
// A page that remembers what the game asked of it: the state of each element
// by name, the order of window changes, and the messages with scripted answers.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "Page.h"

namespace tenebrix::testing {

struct RecordingPage : web::Page {
    void setText(const std::string& id, const std::string& value) override { text[id] = value; }
    void setVisible(const std::string& id, bool shown) override { visible[id] = shown; }
    void setChecked(const std::string& id, bool on) override { checked[id] = on; }
    void setBackColour(const std::string& id, Colour colour) override { backColour[id] = colour; }
    void setAccessibleName(const std::string& id, const std::string& name) override {
        accessibleName[id] = name;
    }
    void setScrollValue(const std::string& id, int value) override { scrollValue[id] = value; }
    void focus(const std::string& id) override { focused = id; }
    void definePicture(int key, const pictures::Image& image) override { defined[key] = image; }
    void showPicture(const std::string& id, int key) override {
        picture[id] = key;
        pictureCalls.push_back(id);
    }
    void showWindow(const std::string& id) override { windowLog.push_back("show " + id); }
    void showModal(const std::string& id) override { windowLog.push_back("modal " + id); }
    void closeWindow(const std::string& id) override { windowLog.push_back("close " + id); }
    MessageAnswer showMessage(const Message& message) override {
        messages.push_back(message);
        // What the game shows while the box is open, for checks made then.
        captionsAtMessage.push_back(text);
        if (answers.empty()) return MessageAnswer::Ok;
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }
    std::string openHelp(const std::string& path) override {
        helpOpened.push_back(path);
        return helpFailure;
    }
    void exit() override { exited = true; }

    std::map<std::string, std::string> text;
    std::map<std::string, bool> visible;
    std::map<std::string, bool> checked;
    std::map<std::string, Colour> backColour;
    std::map<std::string, std::string> accessibleName;
    std::map<std::string, int> scrollValue;
    std::map<int, pictures::Image> defined;
    std::map<std::string, int> picture;
    std::vector<std::string> pictureCalls;
    std::vector<std::string> windowLog;
    std::vector<Message> messages;
    std::vector<std::map<std::string, std::string>> captionsAtMessage;
    std::deque<MessageAnswer> answers;
    std::vector<std::string> helpOpened;
    std::string helpFailure;
    std::string focused;
    bool exited = false;
};

}  // namespace tenebrix::testing
