// SPDX-License-Identifier: GPL-3.0-or-later
// A display that remembers what the game told it and answers messages as the
// test says. Given the game, it checks the rules that hold while a message is
// open and keeps the first one broken.
#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "Display.h"
#include "GameInvariants.h"

namespace tenebrix::testing {

class FakeDisplay : public Display {
  public:
    FakeDisplay() { backColours.fill(kPlatformBackColour); }

    void showTiles(const TileStates& lit) override {
        tiles = lit;
        ++paints;
    }
    void setTileBackColour(int tile, Colour colour) override { backColours[tile - 1] = colour; }
    void setCaption(Caption label, const std::string& text) override { captions[label] = text; }
    void setTileNumberCaption(int tile, const std::string& text) override {
        tileNumberCaptions[tile - 1] = text;
    }
    void setTileNumbersVisible(bool visible) override { tileNumbersVisible = visible; }
    void setTileNumbersChecked(bool checked) override { tileNumbersChecked = checked; }
    void showModeDiagram(int mode) override { modeDiagram = mode; }
    void showTileSet(int set) override { tileSet = set; }
    void setLevelSetting(int level) override { levelSetting = level; }
    MessageAnswer showMessage(const Message& message) override {
        messages.push_back(message);
        if (game && brokenRule.empty()) brokenRule = brokenMessageRule(*game, message);
        // The numbers may show before their menu mark: note what the player saw.
        numbersVisibleDuringMessage.push_back(tileNumbersVisible);
        if (answers.empty())
            return message.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
        const MessageAnswer answer = answers.front();
        answers.pop_front();
        return answer;
    }

    // A caption never set reads empty; reading it adds nothing to `captions`.
    std::string caption(Caption label) const {
        const auto set = captions.find(label);
        return set == captions.end() ? std::string() : set->second;
    }

    TileStates tiles{};
    int paints = 0;
    std::array<Colour, kTileCount> backColours;
    std::map<Caption, std::string> captions;  // as last set
    std::array<std::string, kTileCount> tileNumberCaptions{};
    bool tileNumbersVisible = false, tileNumbersChecked = false;
    int modeDiagram = 0, tileSet = 0, levelSetting = 0;
    std::vector<Message> messages;
    std::vector<bool> numbersVisibleDuringMessage;
    std::deque<MessageAnswer> answers;
    const Game* game = nullptr;
    std::string brokenRule;
};

}  // namespace tenebrix::testing
