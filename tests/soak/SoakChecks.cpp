// What the soak checks after every event.
#include "SoakChecks.h"

#include <QScrollBar>
#include <QStatusBar>

#include "Game.h"
#include "NumberText.h"

namespace tenebrix::testing {

namespace {

// The first index of a tile set's pair is its lit picture.
int pictureIndex(int tileSet, bool lit) {
    return 2 * tileSet - (lit ? 1 : 0);
}

QString checkBoardPictures(const SoakWindow& soak, const ExpectedPlay& expected) {
    const ui::PictureRef lit = soak.control<ui::PictureBox>("PicOn")->picture();
    const ui::PictureRef dark = soak.control<ui::PictureBox>("picOff")->picture();
    if (lit.index != pictureIndex(expected.tileSet, true) ||
        dark.index != pictureIndex(expected.tileSet, false))
        return QStringLiteral("the sample pictures are %1 and %2, not those of tile set %3")
            .arg(lit.index)
            .arg(dark.index)
            .arg(expected.tileSet);
    for (int tile = 1; tile <= kTileCount; ++tile) {
        const bool isLitTile = isLit(expected.value, tile);
        if (soak.tile(tile)->picture() != (isLitTile ? lit : dark))
            return QStringLiteral("tile %1 should show %2 (board %3)")
                .arg(tile)
                .arg(isLitTile ? "lit" : "dark")
                .arg(expected.value);
    }
    return {};
}

TileSet flagged(const MoveRecord& record, bool (MoveRecord::*flag)(int) const) {
    TileSet tiles = 0;
    for (int tile = 1; tile <= kTileCount; ++tile)
        if ((record.*flag)(tile)) tiles |= bitOf(tile);
    return tiles;
}

QString checkPuzzleState(const SoakWindow& soak, const ExpectedPlay& expected) {
    const Game& game = soak.window->game();
    const TileSet toGo = flagged(game.moves(), &MoveRecord::moveToGo);
    const TileSet made = flagged(game.moves(), &MoveRecord::puzzleMove);
    // The one invariant the hints rest on: pressing every move to go once
    // darkens the board.
    if (ExpectedPlay::xorOfMasks(game.settings().mode, toGo) != game.currentValue())
        return QStringLiteral("board %1 is not the moves to go %2 in mode %3")
            .arg(game.currentValue())
            .arg(toGo)
            .arg(game.settings().mode);
    if (game.currentValue() != expected.value || toGo != expected.movesToGo)
        return QStringLiteral("the game has board %1 and moves to go %2, expected %3 and %4")
            .arg(game.currentValue())
            .arg(toGo)
            .arg(expected.value)
            .arg(expected.movesToGo);
    if (ExpectedPlay::count(made) != expected.level || game.startValue() != expected.start)
        return QStringLiteral("the puzzle pressed %1 tiles to start at %2, expected %3 tiles, %4")
            .arg(ExpectedPlay::count(made))
            .arg(game.startValue())
            .arg(expected.level)
            .arg(expected.start);
    if (soak.control<QLabel>("lblPuzState")->text().trimmed().toInt() != expected.value)
        return QStringLiteral("lblPuzState reads \"%1\", expected %2")
            .arg(soak.control<QLabel>("lblPuzState")->text())
            .arg(expected.value);
    if (game.hintUsed() != expected.hintUsed)
        return QStringLiteral("the hint flag is %1, expected %2")
            .arg(game.hintUsed())
            .arg(expected.hintUsed);
    return {};
}

QString checkSettingsFrame(const SoakWindow& soak, const ExpectedPlay& expected) {
    const QString moves = soak.control<QLabel>("lblMoves")->text();
    if (moves != QString::number(expected.moves))
        return QStringLiteral("the counter shows \"%1\", expected %2")
            .arg(moves)
            .arg(expected.moves);
    const std::array<std::pair<const char*, int>, 3> bars{{{"ScrollTileSet", expected.tileSet},
                                                           {"ScrollMode", expected.mode},
                                                           {"ScrollLevel", expected.level}}};
    for (const auto& [name, value] : bars) {
        const int shown = soak.control<QScrollBar>(QLatin1String(name))->value();
        if (shown != value)
            return QStringLiteral("%1 is at %2, expected %3").arg(name).arg(shown).arg(value);
    }
    const Settings& settings = soak.window->game().settings();
    if (settings.tileSet != expected.tileSet || settings.mode != expected.mode ||
        settings.level != expected.level)
        return QStringLiteral("the game plays tile set %1, mode %2, level %3")
            .arg(settings.tileSet)
            .arg(settings.mode)
            .arg(settings.level);
    if (soak.control<QLabel>("lblMode")->text() !=
            QString::fromStdString(ModeCaption(expected.mode)) ||
        soak.control<QLabel>("lblLevel")->text() !=
            QString::fromStdString(LevelCaption(expected.level)))
        return QStringLiteral("the captions read \"%1\" and \"%2\"")
            .arg(soak.control<QLabel>("lblMode")->text(), soak.control<QLabel>("lblLevel")->text());
    for (int mode = kMinMode; mode <= kMaxMode; ++mode) {
        if (soak.control(ui::arrayName("picMode", mode))->isVisible() != (mode == expected.mode))
            return QStringLiteral("diagram %1 is shown wrongly in mode %2")
                .arg(mode)
                .arg(expected.mode);
    }
    return {};
}

QString checkViewSwitches(const SoakWindow& soak, const ExpectedPlay& expected) {
    for (int tile = 1; tile <= kTileCount; ++tile) {
        if (soak.tileNumber(tile)->isVisible() != expected.tileNumbersShown)
            return QStringLiteral("tile number %1 is %2")
                .arg(tile)
                .arg(expected.tileNumbersShown ? "hidden" : "shown");
    }
    if (soak.action("mnuTileNumbers")->isChecked() != expected.tileNumbersShown)
        return QStringLiteral("the Tile Numbers mark disagrees with the numbers");
    if (soak.window->statusBar()->isVisible() != expected.statusBarShown ||
        soak.action("mnuViewStatusBar")->isChecked() != expected.statusBarShown)
        return QStringLiteral("the status bar or its mark is wrong (expected %1)")
            .arg(expected.statusBarShown ? "shown" : "hidden");
    if (!soak.window->isVisible()) return QStringLiteral("the window has gone");
    return {};
}

}  // namespace

QString checkWindow(const SoakWindow& soak, const ExpectedPlay& expected) {
    for (const auto check :
         {&checkBoardPictures, &checkPuzzleState, &checkSettingsFrame, &checkViewSwitches}) {
        QString problem = check(soak, expected);
        if (!problem.isEmpty()) return problem;
    }
    return {};
}

QString checkDrawnBoard(const SoakWindow& soak, const ExpectedPlay& expected) {
    const ui::PictureRef lit = soak.control<ui::PictureBox>("PicOn")->picture();
    for (int tile = 1; tile <= kTileCount; ++tile) {
        ui::PictureBox* box = soak.tile(tile);
        const QImage drawn = box->grab().toImage();
        const qreal ratio = drawn.devicePixelRatio();
        const QImage wanted =
            lit.draw(pictureIndex(expected.tileSet, isLit(expected.value, tile)), ratio).toImage();
        const QPoint origin = box->insideRect().topLeft() * ratio;
        for (int y = 0; y < wanted.height(); ++y) {
            for (int x = 0; x < wanted.width(); ++x) {
                const QColor want = wanted.pixelColor(x, y);
                // Transparent parts show the back colour, the preview's place.
                if (want.alpha() != 255 || !drawn.rect().contains(origin + QPoint(x, y))) continue;
                if (drawn.pixelColor(origin + QPoint(x, y)) != want)
                    return QStringLiteral("tile %1 is not drawn %2 at (%3, %4)")
                        .arg(tile)
                        .arg(isLit(expected.value, tile) ? "lit" : "dark")
                        .arg(x)
                        .arg(y);
            }
        }
    }
    return {};
}

}  // namespace tenebrix::testing
