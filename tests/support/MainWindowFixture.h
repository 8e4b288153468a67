// SPDX-License-Identifier: GPL-3.0-or-later
// A main window wired to fakes: scripted puzzles, a recording store and help
// viewer, and message boxes the test answers, checked against the game's rules.
#pragma once

#include <QLabel>
#include <QTest>
#include <QWindow>

#include "FakeHelpViewer.h"
#include "FakeSettingsStore.h"
#include "Game.h"
#include "GameInvariants.h"
#include "MessageBoxPresenter.h"
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

struct MainWindowFixture {
    ScriptedRandom random;
    FakeSettingsStore store;
    FakeHelpViewer help;
    FakeMessages messages;
    std::unique_ptr<qt::frmMain> window;

    explicit MainWindowFixture(const std::vector<int>& firstPuzzle = {7, 13},
                               const QString& helpFile = QStringLiteral("/no/such/Tenebrix.hlp")) {
        random.scriptPuzzle(firstPuzzle);
        window = std::make_unique<qt::frmMain>(
            qt::MainWindowServices{random, store, help, messages, helpFile});
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
