// SPDX-License-Identifier: GPL-3.0-or-later
// A page that remembers what the game asked of it: the state of each element
// by name, the order of window changes, the timers, the stored settings and
// the messages, answered by scripted clicks and keys. Its focus moves as the
// browser's does: a modal box takes it, and it is lost when the box closes.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "Page.h"

namespace tenebrix::testing {

struct RecordingPage : web::Page {
    void setText(const std::string& id, const std::string& value) override { text[id] = value; }
    void setCaption(const std::string& id, const std::string& part, const std::string& before,
                    const std::string& key, const std::string& after) override {
        caption[id + part] = key.empty() ? before : before + "[" + key + "]" + after;
    }
    void setAttribute(const std::string& id, const std::string& part, const std::string& name,
                      const std::string& value) override {
        attribute[id + part + " " + name] = value;
    }
    void setDocument(const std::string& language, const std::string& title) override {
        documentLanguage = language;
        documentTitle = title;
    }
    void setVisible(const std::string& id, bool shown) override { visible[id] = shown; }
    void setChecked(const std::string& id, bool on) override { checked[id] = on; }
    void setBackColour(const std::string& id, Colour colour) override { backColour[id] = colour; }
    void setAccessibleName(const std::string& id, const std::string& name) override {
        accessibleName[id] = name;
    }
    void setScrollValue(const std::string& id, int value) override { scrollValue[id] = value; }
    void focus(const std::string& id) override { focused = id; }
    std::string focusedId() const override { return focused; }

    void definePicture(int key, const pictures::Image& image, int scale) override {
        defined[key] = image;
        definedScale[key] = scale;
    }
    void showPicture(const std::string& id, int key) override {
        picture[id] = key;
        pictureCalls.push_back(id);
    }

    void showWindow(const std::string& id) override { windowLog.push_back("show " + id); }
    void showModal(const std::string& id) override {
        windowLog.push_back("modal " + id);
        focused = modalFocus;
    }
    void closeWindow(const std::string& id) override {
        windowLog.push_back("close " + id);
        if (id == "frmAbout") focused.clear();
    }
    ui::Placement windowPlacement(const std::string&) const override { return placement; }

    void openMenu(const std::string& id) override {
        if (menu.empty()) focusBeforeMenu = focused;
        menu = id;
        focused = id;
    }
    std::string openMenuId() const override { return menu; }
    void closeMenus() override {
        if (!menu.empty()) focused = focusBeforeMenu;
        menu.clear();
    }

    void openMessage(const Message& message) override {
        messages.push_back(message);
        // What the game shows while the box is open, for checks made then.
        captionsAtMessage.push_back(text);
        focusAtMessage.push_back(focused);
        focused = message.buttons == MessageButtons::YesNo ? "msgYes" : "msgOK";
        messageOpen = true;
    }
    // The scripted events in turn; with none left, a click on the answer
    // scripted next, or else on the box's first button.
    web::MessageEvent nextMessageEvent() override {
        ++messageEvents;
        if (!events.empty()) {
            web::MessageEvent event = events.front();
            events.pop_front();
            if (event.element.empty()) event.element = focused;
            return event;
        }
        MessageAnswer answer = messages.back().buttons == MessageButtons::YesNo ? MessageAnswer::Yes
                                                                                : MessageAnswer::Ok;
        if (!answers.empty()) {
            answer = answers.front();
            answers.pop_front();
        }
        const char* button = answer == MessageAnswer::Yes  ? "msgYes"
                             : answer == MessageAnswer::No ? "msgNo"
                                                           : "msgOK";
        return {web::MessageEvent::Kind::Click, button, "", false, false, false, false, ""};
    }
    void closeMessage() override {
        messageOpen = false;
        focused.clear();
    }

    bool openHelp(const std::string& path) override {
        helpOpened.push_back(path);
        return !helpRefused;
    }
    void setTimer(web::Timer timer, int milliseconds) override {
        timers[timer] = milliseconds;
        timerLog.push_back(milliseconds);
    }
    bool saveSetting(const std::string& application, const std::string& section,
                     const std::string& key, const std::string& value) override {
        if (storageBroken) return false;
        settings[application + "/" + section + "/" + key] = value;
        return true;
    }
    std::string decimalSeparator() const override { return separator; }
    platform::LocalTime localTime() const override { return now; }
    std::string shortDate(const platform::LocalTime& time) const override {
        return std::to_string(time.day) + "/" + std::to_string(time.month);
    }
    std::string shortTime(const platform::LocalTime& time) const override {
        return std::to_string(time.hour) + ":" + std::to_string(time.minute);
    }
    bool shortTimeShowsSeconds() const override { return showsSeconds; }
    void exit() override { exited = true; }

    std::map<std::string, std::string> text;
    // Captions by id and part, the key in brackets: "cmdHint" -> "[H]int".
    std::map<std::string, std::string> caption;
    // Attributes by id, part and name: "cmdHint aria-keyshortcuts".
    std::map<std::string, std::string> attribute;
    std::string documentLanguage, documentTitle;
    std::map<std::string, bool> visible;
    std::map<std::string, bool> checked;
    std::map<std::string, Colour> backColour;
    std::map<std::string, std::string> accessibleName;
    std::map<std::string, int> scrollValue;
    std::map<int, pictures::Image> defined;
    std::map<int, int> definedScale;
    std::map<std::string, int> picture;
    std::vector<std::string> pictureCalls;
    std::vector<std::string> windowLog;
    std::string focused;
    std::string modalFocus = "cmdOK";  // the About box's first button
    ui::Placement placement{};
    std::string menu, focusBeforeMenu;
    std::vector<Message> messages;
    std::vector<std::map<std::string, std::string>> captionsAtMessage;
    std::vector<std::string> focusAtMessage;
    std::deque<web::MessageEvent> events;
    std::deque<MessageAnswer> answers;
    int messageEvents = 0;
    bool messageOpen = false;
    std::vector<std::string> helpOpened;
    bool helpRefused = false;
    std::map<web::Timer, int> timers;
    std::vector<int> timerLog;
    std::map<std::string, std::string> settings;
    bool storageBroken = false;
    std::string separator = ".";
    platform::LocalTime now{2026, 12, 7, 9, 41, 20, 500};
    bool showsSeconds = false;
    bool exited = false;
};

}  // namespace tenebrix::testing
