// SPDX-License-Identifier: GPL-3.0-or-later
// A main window wired to fakes: puzzles the test scripts, a recording
// settings store and help viewer, and message boxes the test answers, with
// the rules that hold while a message is open checked.
#pragma once

#include <QLabel>
#include <QTest>
#include <QWindow>
#include <memory>
#include <vector>

#include "ControlNames.h"
#include "FakeHelpViewer.h"
#include "FakeSettingsStore.h"
#include "Game.h"
#include "GameInvariants.h"
#include "MessageBoxPresenter.h"
#include "PatternTable.h"
#include "ScriptedRandom.h"
#include "frmMain.h"

namespace tenebrix::testing {

class FakeMessages : public ui::MessageBoxPresenter {
  public:
    std::vector<Message> shown;
    MessageAnswer yesNoAnswer = MessageAnswer::No;  // an OK box answers OK
    const Game* game = nullptr;
    std::string brokenRule;  // the first broken, or empty

    MessageAnswer present(QWidget*, const Message& message) override {
        shown.push_back(message);
        if (game && brokenRule.empty()) brokenRule = brokenMessageRule(*game, message);
        return message.buttons == MessageButtons::YesNo ? yesNoAnswer : MessageAnswer::Ok;
    }
};

struct MainWindowFixture {
    ScriptedRandom random;
    FakeSettingsStore store;
    FakeHelpViewer help;
    FakeMessages messages;
    std::unique_ptr<ui::frmMain> window;

    // The first puzzle presses `firstPuzzle` (mode 1, level 2).
    explicit MainWindowFixture(const std::vector<int>& firstPuzzle = {7, 13},
                               const QString& helpFile = QStringLiteral("/no/such/Tenebrix.hlp")) {
        random.scriptPuzzle(firstPuzzle);
        window = std::make_unique<ui::frmMain>(
            ui::MainWindowServices{random, store, help, messages, helpFile});
        messages.game = &window->game();
    }

    // Shown, and active where keys must reach it.
    bool show(bool active = false) {
        window->show();
        if (!active) return QTest::qWaitForWindowExposed(window.get());
        window->activateWindow();
        return QTest::qWaitForWindowActive(window.get());
    }

    template <class T = QWidget>
    T* control(const QString& name) const {
        T* found = window->findChild<T*>(name);
        if (!found) qFatal("no control named %s", qPrintable(name));
        return found;
    }
    QWidget* tile(int n) const { return control(ui::arrayName("picTile", n)); }
    QString caption(const char* name) const { return control<QLabel>(name)->text(); }

    void click(const std::vector<int>& tiles) const {
        for (int n : tiles) QTest::mouseClick(tile(n), Qt::LeftButton);
    }
    // The pointer comes to rest at `pos` of `widget` (its centre by default),
    // as the window system reports it, so the window finds the widget itself.
    void pointAt(QWidget* widget, QPoint pos = {}) const {
        const QPoint at = widget->mapTo(window.get(), pos.isNull() ? widget->rect().center() : pos);
        QTest::mouseMove(window->windowHandle(), at);
    }
};

inline QColor pixelAt(QWidget* widget, QPoint pos) {
    return widget->grab().toImage().pixelColor(pos);
}

// The start value of a puzzle that presses `tiles` in `mode`, as the hidden
// start-value label writes it.
inline QString startCaption(int mode, const std::vector<int>& tiles) {
    PuzzleValue value = 0;
    for (int tile : tiles) value ^= moveMask(mode, tile);
    return QStringLiteral(" %1").arg(value);
}

}  // namespace tenebrix::testing
