// SPDX-License-Identifier: GPL-3.0-or-later
// The page as the browser's script keeps it: each call goes to the page
// object of web/site/page.js.
#pragma once

#include "Page.h"

namespace tenebrix::web {

class JsPage final : public Page {
  public:
    void setText(const std::string& id, const std::string& text) override;
    void setCaption(const std::string& id, const std::string& part, const std::string& before,
                    const std::string& key, const std::string& after) override;
    void setAttribute(const std::string& id, const std::string& part, const std::string& name,
                      const std::string& value) override;
    void setDocument(const std::string& language, const std::string& title) override;
    void setVisible(const std::string& id, bool visible) override;
    void setChecked(const std::string& id, bool checked) override;
    void setBackColour(const std::string& id, Colour colour) override;
    void setAccessibleName(const std::string& id, const std::string& name) override;
    void setScrollValue(const std::string& id, int value) override;
    void focus(const std::string& id) override;
    std::string focusedId() const override;
    void definePicture(int key, const pictures::Image& image, int scale) override;
    void showPicture(const std::string& id, int key) override;
    void showWindow(const std::string& id) override;
    void showModal(const std::string& id) override;
    void closeWindow(const std::string& id) override;
    ui::Placement windowPlacement(const std::string& id) const override;
    void openMenu(const std::string& id) override;
    std::string openMenuId() const override;
    void closeMenus() override;
    void openMessage(const Message& message) override;
    MessageEvent nextMessageEvent() override;
    void closeMessage() override;
    bool openHelp(const std::string& path) override;
    void setTimer(Timer timer, int milliseconds) override;
    bool saveSetting(const std::string& application, const std::string& section,
                     const std::string& key, const std::string& value) override;
    std::string decimalSeparator() const override;
    platform::LocalTime localTime() const override;
    std::string shortDate(const platform::LocalTime& time) const override;
    std::string shortTime(const platform::LocalTime& time) const override;
    bool shortTimeShowsSeconds() const override;
    void exit() override;
};

}  // namespace tenebrix::web
