// The real main window wired to fakes for the soak: the game's chance from
// the soak's seed, and message boxes answered at random and remembered.
#pragma once

#include <QAction>
#include <QLabel>
#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <memory>
#include <random>
#include <vector>

#include "ControlNames.h"
#include "ExpectedPlay.h"
#include "FakeHelpViewer.h"
#include "FakeSettingsStore.h"
#include "MessageBoxPresenter.h"
#include "PictureBox.h"
#include "ScriptedRandom.h"
#include "frmMain.h"

namespace tenebrix::testing {

// Answers Yes or No at random where it has the choice; keeps every message
// until the soak has looked at it.
class RandomAnswers final : public ui::MessageBoxPresenter {
  public:
    struct Shown {
        Message message;
        MessageAnswer answer;
    };
    explicit RandomAnswers(std::uint32_t seed) : chance_(seed) {}

    MessageAnswer present(QWidget*, const Message& message) override {
        MessageAnswer answer = MessageAnswer::Ok;
        if (message.buttons == MessageButtons::YesNo)
            answer =
                std::bernoulli_distribution(0.5)(chance_) ? MessageAnswer::Yes : MessageAnswer::No;
        unread.push_back({message, answer});
        return answer;
    }

    std::vector<Shown> unread;

  private:
    std::mt19937 chance_;
};

struct SoakWindow {
    ScriptedRandom random;
    FakeSettingsStore store;
    FakeHelpViewer help;
    RandomAnswers messages;
    std::unique_ptr<ui::frmMain> window;

    explicit SoakWindow(std::uint32_t seed)
        : random(seed), messages(seed ^ 0x5eedu), window(makeWindow()) {}

    bool show() {
        window->show();
        return QTest::qWaitForWindowExposed(window.get());
    }

    template <class T = QWidget>
    T* control(const QString& name) const {
        T* found = window->findChild<T*>(name);
        if (!found) qFatal("no control named %s", qPrintable(name));
        return found;
    }
    ui::PictureBox* tile(int n) const {
        return control<ui::PictureBox>(ui::arrayName("picTile", n));
    }
    QLabel* tileNumber(int n) const { return control<QLabel>(ui::arrayName("lblTileNumbers", n)); }
    QAction* action(const char* name) const { return control<QAction>(QLatin1String(name)); }

    // The tiles that show the move preview's colour.
    TileSet markedTiles() const {
        TileSet marked = 0;
        for (int n = 1; n <= kTileCount; ++n)
            if (tile(n)->backColour() == kHighlightColour) marked |= bitOf(n);
        return marked;
    }

    // The middle of a scroll bar's arrow, as its style draws it.
    static QPoint arrowCentre(QScrollBar* bar, bool adds) {
        QStyleOptionSlider option;
        option.initFrom(bar);
        option.orientation = bar->orientation();
        option.minimum = bar->minimum();
        option.maximum = bar->maximum();
        option.sliderPosition = option.sliderValue = bar->value();
        option.singleStep = bar->singleStep();
        option.pageStep = bar->pageStep();
        option.subControls = QStyle::SC_All;
        const auto arrow = adds ? QStyle::SC_ScrollBarAddLine : QStyle::SC_ScrollBarSubLine;
        return bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, arrow, bar).center();
    }

  private:
    std::unique_ptr<ui::frmMain> makeWindow() {
        return std::make_unique<ui::frmMain>(ui::MainWindowServices{
            random, store, help, messages, QStringLiteral("/no/such/Tenebrix.hlp")});
    }
};

}  // namespace tenebrix::testing
