// A player who does random things to the main window: clicks and pointer
// moves all over it, the buttons, the menus and their shortcuts, the three
// scroll bars. It keeps the expected play up to date with what each event
// should have done, and notes what it saw go wrong on the way.
#pragma once

#include <QPoint>
#include <QString>
#include <functional>
#include <map>
#include <random>

#include "ExpectedPlay.h"
#include "SoakWindow.h"

class QScrollBar;

namespace tenebrix::testing {

class RandomUser {
  public:
    RandomUser(SoakWindow& soak, ExpectedPlay& expected, std::uint32_t seed, bool keyboard);

    // Picks the next event and says what it will be.
    QString choose();
    // Makes the chosen event; returns what went wrong, or an empty string.
    QString perform();

    // Takes the puzzle the game has just made as the one in play: which
    // tiles it pressed is chance; everything else the checks hold it to.
    void adoptNewPuzzle();

    // How many events of each kind were made, for the closing summary.
    const std::map<QString, int>& tally() const { return tally_; }

  private:
    enum class Command { Hint, NewPuzzle, Reset, TileNumbers, StatusBar, HelpContents };
    enum class Setting { TileSet, Mode, Level };

    void chooseClick();
    void choosePointerMove();
    void choosePointerOverControl();
    void chooseCommand();
    void chooseScroll();

    QString clickTile(int tile, QPoint at);
    // What a pointer move does to the preview marks on the board.
    enum class Marks { Clear, Stay, Any };

    QString pointAt(QWidget* widget, QPoint at, Marks marks);
    QString runCommand(Command command, const std::function<void()>& trigger);
    QString scroll(Setting setting, int step, int newValue, const std::function<void()>& change);
    QString checkHint(TileSet movesToGo);
    QString checkWin();
    QString expectNoMessage();

    QWidget* clientArea() const;
    QScrollBar* scrollBar(Setting setting) const;
    QPoint randomPointIn(const QRect& rect);
    QPoint randomBarePoint(QWidget* area);
    int pick(int low, int high) { return std::uniform_int_distribution<int>(low, high)(chance_); }

    SoakWindow& soak_;
    ExpectedPlay& expected_;
    std::mt19937 chance_;
    bool keyboard_;
    QPoint lastPointer_{-1, -1};
    std::function<QString()> pending_;
    QString pendingKind_;
    std::map<QString, int> tally_;
};

}  // namespace tenebrix::testing
