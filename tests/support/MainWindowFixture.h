// SPDX-License-Identifier: GPL-3.0-or-later
// A main window wired to fakes: scripted puzzles, a recording store and help
// viewer, a stopped clock, and message boxes the test answers (or real ones),
// checked against the game's rules.
#pragma once

#include <QLabel>
#include <QTest>
#include <QWindow>
#include <cstdio>

#include "FakeHelpViewer.h"
#include "FakeSettingsStore.h"
#include "Game.h"
#include "GameInvariants.h"
#include "LocalClock.h"
#include "MessageBoxPresenter.h"
#include "ModalMessageBox.h"
#include "PatternTable.h"
#include "QtForms.h"
#include "ScriptedRandom.h"
#include "frmMain.h"

namespace tenebrix::testing {

// A repeated control's name as the game's documents write it, "picTile(7)".
inline QString controlName(const char* name, int index) {
    return QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(index);
}

struct FakeMessages : qt::MessageBoxPresenter {
    std::vector<Message> shown;
    MessageAnswer yesNoAnswer = MessageAnswer::No;
    const Game* game = nullptr;
    std::string brokenRule;  // the first broken, or empty

    MessageAnswer present(QWidget*, const Message& message) override {
        shown.push_back(message);
        if (game && brokenRule.empty()) brokenRule = brokenMessageRule(*game, message);
        return message.buttons == MessageButtons::YesNo ? yesNoAnswer : MessageAnswer::Ok;
    }
};

// A clock stopped at 3 February 2001, 04:05:06 that writes its own short
// formats, "3/2/2001" and "04:05".
struct StillClock : platform::LocalClock {
    platform::LocalTime time{2001, 2, 3, 4, 5, 6, 0};
    platform::LocalTime now() override { return time; }
    std::string shortDate(const platform::LocalTime& t) override {
        return std::to_string(t.day) + '/' + std::to_string(t.month) + '/' + std::to_string(t.year);
    }
    std::string shortTime(const platform::LocalTime& t) override {
        char text[16];
        std::snprintf(text, sizeof text, "%02d:%02d", t.hour, t.minute);
        return text;
    }
    bool shortTimeShowsSeconds() override { return false; }
};

enum class Boxes { Answered, Real };

struct MainWindowFixture {
    ScriptedRandom random;
    FakeSettingsStore store;
    StillClock clock;
    FakeHelpViewer help;
    FakeMessages messages;
    qt::ModalMessageBox realMessages;
    std::unique_ptr<qt::frmMain> window;

    // With Boxes::Real the game's messages come up as real modal boxes,
    // which the test must close.
    explicit MainWindowFixture(const std::vector<int>& firstPuzzle = {7, 13},
                               const QString& helpFile = QStringLiteral("/no/such/Tenebrix.hlp"),
                               Boxes boxes = Boxes::Answered) {
        random.scriptPuzzle(firstPuzzle);
        qt::MessageBoxPresenter& presenter =
            boxes == Boxes::Real ? static_cast<qt::MessageBoxPresenter&>(realMessages) : messages;
        window = std::make_unique<qt::frmMain>(
            qt::MainWindowServices{random, store, clock, help, presenter, helpFile});
        messages.game = &window->game();
    }

    bool show(bool active = false) {
        window->show();
        if (active) window->activateWindow();
        return active ? QTest::qWaitForWindowActive(window.get())
                      : QTest::qWaitForWindowExposed(window.get());
    }

    template <class T = QWidget>
    T* control(const QString& name) const {
        if (T* found = window->findChild<T*>(name)) return found;
        qFatal("no control named %s", qPrintable(name));
    }
    QWidget* tile(int n) const { return control(controlName("picTile", n)); }
    QString caption(const char* name) const { return control<QLabel>(name)->text(); }

    void click(const std::vector<int>& tiles) const {
        for (int n : tiles) QTest::mouseClick(tile(n), Qt::LeftButton);
    }
    // Moves the pointer as the window system would, so the window finds the widget itself.
    void pointAt(QWidget* widget, QPoint pos = {}) const {
        const QPoint at = widget->mapTo(window.get(), pos.isNull() ? widget->rect().center() : pos);
        QTest::mouseMove(window->windowHandle(), at);
    }
};

inline QColor pixelAt(QWidget* box, QPoint at) {
    return box->grab().toImage().pixelColor(at);
}

// The start value of a puzzle pressing `tiles` in `mode`, as lblPuzValue writes it.
inline QString startCaption(int mode, const std::vector<int>& tiles) {
    PuzzleValue value = 0;
    for (int tile : tiles) value ^= moveMask(mode, tile);
    return QStringLiteral(" %1").arg(value);
}

}  // namespace tenebrix::testing
