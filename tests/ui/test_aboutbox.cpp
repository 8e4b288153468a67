// SPDX-License-Identifier: GPL-3.0-or-later
// The About box's rules: what it writes as it loads, its buttons and keys,
// and System Info's message over it.
#include <QtTest>
#include <map>
#include <string>
#include <vector>

#include "AboutBox.h"
#include "AboutControls.h"
#include "FakeLauncher.h"
#include "FakeRegistry.h"

using namespace tenebrix;
using namespace tenebrix::ui;

namespace {

struct RecordingAbout : AboutView {
    std::map<std::string, std::string> captions;
    std::vector<std::string> order;
    std::vector<Message> messages;
    const forms::Control* focused = &forms::frmAbout::control("cmdOK");
    int closes = 0;
    void setCaption(const forms::Control& label, const std::string& text) override {
        captions[label.name] = text;
        order.push_back(label.name);
    }
    MessageAnswer showMessage(const Message& message) override {
        messages.push_back(message);
        focused = nullptr;
        return MessageAnswer::Ok;
    }
    const forms::Control* focusedControl() const override { return focused; }
    void setFocus(const forms::Control& control) override { focused = &control; }
    void closeBox() override { ++closes; }
};

const forms::Control& control(const char* name) {
    return forms::frmAbout::control(name);
}

}  // namespace

class AboutBoxTest : public QObject {
    Q_OBJECT
  private slots:
    void loadsVersionThenTitle() {
        RecordingAbout view;
        testing::FakeRegistry registry;
        testing::FakeLauncher launcher;
        AboutBox about(view, registry, launcher);
        about.Form_Load();
        QCOMPARE(view.order, (std::vector<std::string>{"lblVersion", "lblTitle"}));
        QCOMPARE(view.captions["lblTitle"], std::string("Tenebrix"));
        QCOMPARE(view.captions["lblVersion"].rfind("Version ", 0), std::size_t(0));
    }

    void buttonsAndKeys() {
        RecordingAbout view;
        testing::FakeRegistry registry;
        testing::FakeLauncher launcher;
        AboutBox about(view, registry, launcher);
        // No tool anywhere: the message, and the box stays open with the
        // focus back on the button.
        QVERIFY(about.keyDown({Key::Letter, 'S', true}, view.focused));
        QCOMPARE(view.messages.size(), std::size_t(1));
        QCOMPARE(view.messages[0].text,
                 std::string("System Information Is Unavailable At This Time"));
        QCOMPARE(view.focused, &control("cmdSysInfo"));
        QCOMPARE(view.closes, 0);
        QVERIFY(!about.keyDown({Key::Letter, 'S'}, view.focused));
        QCOMPARE(view.messages.size(), std::size_t(1));
        QVERIFY(about.keyDown({Key::Enter}, &control("cmdSysInfo")));
        QCOMPARE(view.messages.size(), std::size_t(2));
        QVERIFY(about.keyDown({Key::Escape}, &control("cmdSysInfo")));
        QCOMPARE(view.closes, 1);
        QVERIFY(about.keyDown({Key::Enter}, &control("cmdOK")));
        QCOMPARE(view.closes, 2);
        about.buttonClicked(control("cmdOK"));
        QCOMPARE(view.closes, 3);
        QVERIFY(!about.keyDown({Key::Tab}, &control("cmdOK")));
    }
};

QTEST_GUILESS_MAIN(AboutBoxTest)
#include "test_aboutbox.moc"
