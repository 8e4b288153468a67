// A player who does random things to the main window.
#include "RandomUser.h"

#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QWindow>
#include <algorithm>

#include "Game.h"
#include "NumberText.h"

namespace tenebrix::testing {

namespace {

const QString kHintPrefix = QStringLiteral("Why don't you try tile number: ");

QString pointText(QPoint at) {
    return QStringLiteral("(%1, %2)").arg(at.x()).arg(at.y());
}

TileSet tilesOf(PuzzleValue mask) {
    return static_cast<TileSet>(mask);
}

}  // namespace

RandomUser::RandomUser(SoakWindow& soak, ExpectedPlay& expected, std::uint32_t seed, bool keyboard)
    : soak_(soak), expected_(expected), chance_(seed), keyboard_(keyboard) {}

QString RandomUser::choose() {
    // Roughly a third clicks, a third pointer moves, the rest commands and
    // scroll bars.
    static const std::array<int, 4> weights{34, 35, 17, 14};
    std::discrete_distribution<int> group(weights.begin(), weights.end());
    static const std::array<QString, 4> groups{
        QStringLiteral("clicks"), QStringLiteral("pointer moves"), QStringLiteral("commands"),
        QStringLiteral("scroll bar changes")};
    const int chosen = group(chance_);
    switch (chosen) {
        case 0:
            chooseClick();
            break;
        case 1:
            choosePointerMove();
            break;
        case 2:
            chooseCommand();
            break;
        default:
            chooseScroll();
            break;
    }
    ++tally_[groups[static_cast<std::size_t>(chosen)]];
    return pendingKind_;
}

QString RandomUser::perform() {
    const auto event = std::move(pending_);
    pending_ = nullptr;
    return event ? event() : QStringLiteral("no event was chosen");
}

void RandomUser::chooseClick() {
    const int where = pick(0, 9);
    if (where == 0) {
        // Tile numbers and the bare window take no clicks: nothing changes.
        const int tile = pick(1, kTileCount);
        QWidget* target = expected_.tileNumbersShown ? soak_.tileNumber(tile) : clientArea();
        const QPoint at =
            expected_.tileNumbersShown ? randomPointIn(target->rect()) : randomBarePoint(target);
        pendingKind_ = QStringLiteral("click on %1 at %2").arg(target->objectName(), pointText(at));
        pending_ = [this, target, at] {
            QTest::mouseClick(target, Qt::LeftButton, {}, at);
            return expectNoMessage();
        };
        return;
    }
    // Half of the clicks are moves to go, as from a player who knows the
    // way, so that puzzles get solved and every win message comes up.
    int tile = pick(1, kTileCount);
    if (where >= 5 && expected_.movesToGo != 0) {
        do tile = pick(1, kTileCount);
        while ((expected_.movesToGo & bitOf(tile)) == 0);
    }
    const QPoint at = randomPointIn(soak_.tile(tile)->rect());
    pendingKind_ = QStringLiteral("click on picTile(%1) at %2").arg(tile).arg(pointText(at));
    pending_ = [this, tile, at] { return clickTile(tile, at); };
}

void RandomUser::choosePointerMove() {
    const int where = pick(0, 19);
    const int tile = pick(1, kTileCount);
    if (where < 8) {
        QWidget* box = soak_.tile(tile);
        const QPoint at = randomPointIn(box->rect());
        pendingKind_ = QStringLiteral("pointer to picTile(%1) at %2").arg(tile).arg(pointText(at));
        pending_ = [this, box, at, tile] {
            const QString problem = pointAt(box, at, Marks::Any);
            const TileSet move = tilesOf(moveMask(expected_.mode, tile));
            if (problem.isEmpty() && (soak_.markedTiles() & move) != move)
                return QStringLiteral("the preview of tile %1 is not on the board").arg(tile);
            return problem;
        };
    } else if (where < 12) {
        const QPoint at = randomBarePoint(clientArea());
        pendingKind_ = QStringLiteral("pointer to the bare window at %1").arg(pointText(at));
        pending_ = [this, at] { return pointAt(clientArea(), at, Marks::Clear); };
    } else if (where < 14) {
        QLabel* label = soak_.tileNumber(tile);
        // The strip of the label that shows in the gap below its tile.
        const QRect strip(label->x(), soak_.tile(tile)->geometry().bottom() + 1, label->width(),
                          label->geometry().bottom() - soak_.tile(tile)->geometry().bottom());
        const QPoint at = randomPointIn(strip);
        pendingKind_ =
            QStringLiteral("pointer below picTile(%1) at %2").arg(tile).arg(pointText(at));
        // Over a shown label the marks stay; without labels it is bare window.
        pending_ = [this, at] {
            return pointAt(clientArea(), at,
                           expected_.tileNumbersShown ? Marks::Stay : Marks::Clear);
        };
    } else if (where < 16) {
        QWidget* frame = soak_.control("Frame1");
        const QPoint at = randomBarePoint(frame);
        pendingKind_ = QStringLiteral("pointer to Frame1's bare area at %1").arg(pointText(at));
        pending_ = [this, frame, at] { return pointAt(frame, at, Marks::Clear); };
    } else {
        choosePointerOverControl();
    }
}

// A button, or a control of the frame or the status bar, which leave the
// preview alone; Hint and Reset take it off.
void RandomUser::choosePointerOverControl() {
    static const std::array<const char*, 8> names{"cmdHint",     "cmdReset",   "cmdNewPuzzle",
                                                  "ScrollMode",  "PicOn",      "lblTileSet",
                                                  "ScrollLevel", "sbStatusBar"};
    const QString name = QLatin1String(names[static_cast<std::size_t>(pick(0, 7))]);
    QWidget* target = soak_.control(name);
    if (!target->isVisible()) {
        // The status bar is off: the bare window instead.
        const QPoint at = randomBarePoint(clientArea());
        pendingKind_ = QStringLiteral("pointer to the bare window at %1").arg(pointText(at));
        pending_ = [this, at] { return pointAt(clientArea(), at, Marks::Clear); };
        return;
    }
    const QPoint at = randomPointIn(target->rect());
    const bool clears = name == QLatin1String("cmdHint") || name == QLatin1String("cmdReset");
    pendingKind_ = QStringLiteral("pointer to %1 at %2").arg(name, pointText(at));
    pending_ = [this, target, at, clears] {
        return pointAt(target, at, clears ? Marks::Clear : Marks::Stay);
    };
}

void RandomUser::chooseCommand() {
    static const std::array<int, 6> weights{3, 3, 3, 2, 2, 1};
    std::discrete_distribution<int> which(weights.begin(), weights.end());
    const auto command = static_cast<Command>(which(chance_));
    static const std::array<const char*, 6> actions{"mnuHint",          "mnuFileNew",
                                                    "mnuReset",         "mnuTileNumbers",
                                                    "mnuViewStatusBar", "mnuHelpContents"};
    static const std::array<const char*, 3> buttons{"cmdHint", "cmdNewPuzzle", "cmdReset"};
    static const std::array<Qt::Key, 3> keys{Qt::Key_H, Qt::Key_N, Qt::Key_R};
    const auto index = static_cast<std::size_t>(command);
    const int via = index < buttons.size() ? pick(0, keyboard_ ? 2 : 1) : 0;
    if (via == 1) {
        QWidget* button = soak_.control(QLatin1String(buttons[index]));
        pendingKind_ = QStringLiteral("click on %1").arg(button->objectName());
        const bool clears = command == Command::NewPuzzle;
        pending_ = [this, command, button, clears] {
            const TileSet marked = soak_.markedTiles();
            QString problem =
                runCommand(command, [button] { QTest::mouseClick(button, Qt::LeftButton); });
            // A button coming up over New Puzzle takes the preview off.
            const TileSet expectedMarks = clears ? 0 : marked;
            if (problem.isEmpty() && soak_.markedTiles() != expectedMarks)
                problem = QStringLiteral("the preview changed where it should not");
            return problem;
        };
    } else if (via == 2) {
        const Qt::Key key = keys[index];
        pendingKind_ = QStringLiteral("Ctrl+%1").arg(QKeySequence(key).toString());
        pending_ = [this, command, key] {
            return runCommand(command, [this, key] {
                QTest::keyClick(soak_.window.get(), key, Qt::ControlModifier);
            });
        };
    } else {
        QAction* action = soak_.action(actions[index]);
        pendingKind_ = QStringLiteral("menu %1").arg(action->objectName());
        pending_ = [this, command, action] {
            return runCommand(command, [action] { action->trigger(); });
        };
    }
}

void RandomUser::chooseScroll() {
    const auto setting = static_cast<Setting>(pick(0, 2));
    QScrollBar* bar = scrollBar(setting);
    const int how = pick(0, 2);
    if (how == 0) {
        const int value = pick(bar->minimum(), bar->maximum());
        pendingKind_ = QStringLiteral("%1 set to %2").arg(bar->objectName()).arg(value);
        pending_ = [this, setting, bar, value] {
            return scroll(setting, 0, value, [bar, value] { bar->setValue(value); });
        };
        return;
    }
    const bool adds = how == 2;
    pendingKind_ =
        QStringLiteral("click on %1's %2 arrow").arg(bar->objectName(), adds ? "right" : "left");
    pending_ = [this, setting, bar, adds] {
        const QPoint at = soak_.arrowCentre(bar, adds);
        return scroll(setting, adds ? 1 : -1, 0,
                      [bar, at] { QTest::mouseClick(bar, Qt::LeftButton, {}, at); });
    };
}

QString RandomUser::clickTile(int tile, QPoint at) {
    expected_.click(tile);
    QTest::mouseClick(soak_.tile(tile), Qt::LeftButton, {}, at);
    return expected_.isWon() ? checkWin() : expectNoMessage();
}

QString RandomUser::pointAt(QWidget* widget, QPoint at, Marks marks) {
    const TileSet before = soak_.markedTiles();
    // A move to where the pointer already is may never be reported: one
    // pixel aside, over the same control.
    if (widget->mapTo(soak_.window.get(), at) == lastPointer_) {
        for (const QPoint aside : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
            if (widget->rect().contains(at + aside) &&
                widget->childAt(at + aside) == widget->childAt(at)) {
                at += aside;
                break;
            }
        }
    }
    const QPoint inWindow = widget->mapTo(soak_.window.get(), at);
    lastPointer_ = inWindow;
    QTest::mouseMove(soak_.window->windowHandle(), inWindow);
    const TileSet after = soak_.markedTiles();
    if (marks == Marks::Clear && after != 0)
        return QStringLiteral("the preview is still on the board");
    if (marks == Marks::Stay && after != before)
        return QStringLiteral("the preview changed where it should not");
    return expectNoMessage();
}

QString RandomUser::runCommand(Command command, const std::function<void()>& trigger) {
    const TileSet movesToGo = expected_.movesToGo;
    const auto helpRequests = soak_.help.requests.size();
    trigger();
    switch (command) {
        case Command::Hint:
            return checkHint(movesToGo);
        case Command::NewPuzzle:
            adoptNewPuzzle();
            break;
        case Command::Reset:
            expected_.reset();
            break;
        case Command::TileNumbers:
            expected_.tileNumbersShown = !expected_.tileNumbersShown;
            break;
        case Command::StatusBar:
            expected_.statusBarShown = !expected_.statusBarShown;
            break;
        case Command::HelpContents:
            if (soak_.help.requests.size() != helpRequests + 1)
                return QStringLiteral("How to Play did not open the help");
            break;
    }
    return expectNoMessage();
}

QString RandomUser::scroll(Setting setting, int step, int newValue,
                           const std::function<void()>& change) {
    QScrollBar* bar = scrollBar(setting);
    const int before = bar->value();
    change();
    const int wanted =
        step == 0 ? newValue : std::clamp(before + step, bar->minimum(), bar->maximum());
    if (bar->value() != wanted)
        return QStringLiteral("%1 shows %2, expected %3")
            .arg(bar->objectName())
            .arg(bar->value())
            .arg(wanted);
    if (wanted != before) {
        switch (setting) {
            case Setting::TileSet:
                expected_.tileSet = wanted;
                break;
            case Setting::Mode:
                expected_.mode = wanted;
                adoptNewPuzzle();
                break;
            case Setting::Level:
                expected_.level = wanted;
                adoptNewPuzzle();
                break;
        }
    }
    return expectNoMessage();
}

QString RandomUser::checkHint(TileSet movesToGo) {
    auto& unread = soak_.messages.unread;
    if (movesToGo == 0) return expectNoMessage();
    if (unread.size() != 1)
        return QStringLiteral("a hint showed %1 messages, expected one").arg(unread.size());
    const Message message = unread.front().message;
    unread.clear();
    const QString text = QString::fromStdString(message.text);
    bool isNumber = false;
    const int tile = text.mid(kHintPrefix.size()).trimmed().toInt(&isNumber);
    if (message.title != "Hint" || !text.startsWith(kHintPrefix) || !isNumber || !isTile(tile) ||
        (movesToGo & bitOf(tile)) == 0)
        return QStringLiteral("the hint \"%1\" does not name a move to go").arg(text);
    expected_.hintUsed = true;
    expected_.tileNumbersShown = true;
    ++tally_[QStringLiteral("hints")];
    return {};
}

QString RandomUser::checkWin() {
    const bool offer = expected_.earnsOffer();
    auto& unread = soak_.messages.unread;
    if (unread.size() != 1)
        return QStringLiteral("a win showed %1 messages, expected one").arg(unread.size());
    const auto [message, answer] = unread.front();
    unread.clear();
    const std::string solved = "this " + NumberText(expected_.level) + " move puzzle in " +
                               CounterText(expected_.moves) + " moves.";
    if (message.title != "Congratulations" || message.text.find(solved) == std::string::npos ||
        (message.buttons == MessageButtons::YesNo) != offer)
        return QStringLiteral("the win message \"%1\" is not the one expected (offer: %2)")
            .arg(QString::fromStdString(message.text))
            .arg(offer);
    if (answer == MessageAnswer::Yes) ++expected_.level;
    adoptNewPuzzle();
    ++tally_[offer ? QStringLiteral("wins with the offer") : QStringLiteral("other wins")];
    return {};
}

QString RandomUser::expectNoMessage() {
    auto& unread = soak_.messages.unread;
    if (unread.empty()) return {};
    const QString text = QString::fromStdString(unread.front().message.text);
    unread.clear();
    return QStringLiteral("an unexpected message: \"%1\"").arg(text);
}

void RandomUser::adoptNewPuzzle() {
    TileSet pressed = 0;
    const MoveRecord& record = soak_.window->game().moves();
    for (int tile = 1; tile <= kTileCount; ++tile)
        if (record.puzzleMove(tile)) pressed |= bitOf(tile);
    expected_.newPuzzle(pressed);
}

QWidget* RandomUser::clientArea() const {
    return soak_.window->centralWidget();
}

QScrollBar* RandomUser::scrollBar(Setting setting) const {
    static const std::array<const char*, 3> names{"ScrollTileSet", "ScrollMode", "ScrollLevel"};
    return soak_.control<QScrollBar>(QLatin1String(names[static_cast<std::size_t>(setting)]));
}

QPoint RandomUser::randomPointIn(const QRect& rect) {
    return {pick(rect.left(), rect.right()), pick(rect.top(), rect.bottom())};
}

// A point of `area` outside every visible control inside it; the gaps
// between the tiles half of the time, when `area` is the window's.
QPoint RandomUser::randomBarePoint(QWidget* area) {
    constexpr int kTries = 100;
    for (int attempt = 0; attempt < kTries; ++attempt) {
        QPoint at = randomPointIn(area->rect());
        if (area == clientArea() && pick(0, 1) == 0) {
            const int column = pick(1, 4);
            const QRect left = soak_.tile(column)->geometry();
            const QRect right = soak_.tile(column + 1)->geometry();
            const QRect bottom = soak_.tile(kTileCount - kBoardSide + column)->geometry();
            at = randomPointIn(QRect(QPoint(left.right() + 1, left.top()),
                                     QPoint(right.left() - 1, bottom.bottom())));
        }
        if (!area->childAt(at)) return at;
    }
    return {1, 1};  // the corners of the window and the frame are bare
}

}  // namespace tenebrix::testing
