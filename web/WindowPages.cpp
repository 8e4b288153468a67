// SPDX-License-Identifier: GPL-3.0-or-later
// The splash, the About box, the settings store and the clock on the page.
#include "WindowPages.h"

#include "AboutForm.h"
#include "MessageBox.h"
#include "Page.h"
#include "SplashForm.h"

namespace tenebrix::web {

namespace splash = forms::frmSplash;
namespace about = forms::frmAbout;

namespace {

// The splash's box that shows logo frame `frame`.
const forms::Control* logoBox(int frame) {
    for (const forms::Control& control : splash::kControls) {
        if (control.picture == forms::StartPicture::LogoFrame && control.index == frame)
            return &control;
    }
    return nullptr;
}

}  // namespace

void SplashPage::show() {
    for (const forms::Control& control : splash::kControls) {
        if (control.picture == forms::StartPicture::LogoFrame)
            page_.setVisible(control.fullName(), control.visible);
    }
    page_.showWindow(splash::kName);
    page_.setTimer(Timer::Splash, ui::SplashTimeline::kTickMilliseconds);
    open_ = true;
}

void SplashPage::setLogoFrameVisible(int frame, bool visible) {
    if (const forms::Control* box = logoBox(frame)) page_.setVisible(box->fullName(), visible);
}

void SplashPage::unloadSplash() {
    page_.setTimer(Timer::Splash, 0);
    page_.closeWindow(splash::kName);
    open_ = false;
}

void AboutPage::show() {
    page_.showModal(about::kName);
    open_ = true;
}

void AboutPage::closeWithMainWindow() {
    if (!open_) return;
    page_.closeWindow(about::kName);
    open_ = false;
}

void AboutPage::setCaption(const forms::Control& label, const std::string& text) {
    page_.setText(label.fullName(), text);
}

MessageAnswer AboutPage::showMessage(const Message& message) {
    return runMessageBox(page_, message);
}

const forms::Control* AboutPage::focusedControl() const {
    return forms::findControlByFullName(about::kControls, page_.focusedId());
}

void AboutPage::setFocus(const forms::Control& control) {
    page_.focus(control.fullName());
}

void AboutPage::closeBox() {
    if (!open_) return;
    page_.closeWindow(about::kName);
    open_ = false;
    windows_.aboutBoxClosed();
}

bool PageSettingsStore::SaveSetting(const std::string& appName, const std::string& section,
                                    const std::string& key, const std::string& value) {
    return page_.saveSetting(appName, section, key, value);
}

platform::LocalTime PageClock::now() {
    return page_.localTime();
}
std::string PageClock::shortDate(const platform::LocalTime& time) {
    return page_.shortDate(time);
}
std::string PageClock::shortTime(const platform::LocalTime& time) {
    return page_.shortTime(time);
}
bool PageClock::shortTimeShowsSeconds() {
    return page_.shortTimeShowsSeconds();
}

}  // namespace tenebrix::web
