// SPDX-License-Identifier: GPL-3.0-or-later
// The program icon and the About box's picture.
#include "ProgramIcon.h"

#include "Canvas.h"
#include "CellGrid.h"
#include "Palette.h"
#include "PatternTable.h"

namespace tenebrix::pictures {

namespace {

constexpr int kPicturedMode = 1;
constexpr int kTileSide = 8;
constexpr CellGrid kAboutGrid{3, kTileSide};
static_assert(kAboutGrid.side() == kAboutPictureSize);

// The tiles the pictured move flips are cyan, the others teal.
Rgba tileFace(int row, int column) {
    return patternFlips(kPicturedMode, row - 1, column - 1) ? palette::cyan : palette::teal;
}

// White along the far edges, then black along the near ones, so the two
// corners where they cross, (31, 0) and (0, 31), end up black.
void drawIconFrame(Canvas& canvas) {
    const int last = kProgramIconSize - 1;
    canvas.fillRect(last, 0, 1, kProgramIconSize, palette::white);
    canvas.fillRect(0, last, kProgramIconSize, 1, palette::white);
    canvas.fillRect(0, 0, kProgramIconSize, 1, palette::black);
    canvas.fillRect(0, 0, 1, kProgramIconSize, palette::black);
}

}  // namespace

Image programIcon(int scale) {
    constexpr int kFirstTile = 2;
    constexpr int kTileStep = 10;
    Canvas canvas(kProgramIconSize, kProgramIconSize, scale, palette::silver);
    drawIconFrame(canvas);
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            canvas.outlinedSquare(kFirstTile + column * kTileStep, kFirstTile + row * kTileStep,
                                  kTileSide, palette::black, tileFace(row, column));
    }
    return std::move(canvas).image();
}

Image aboutPicture(int scale) {
    return drawCellGrid(kAboutGrid, palette::silver, tileFace, scale);
}

}  // namespace tenebrix::pictures
