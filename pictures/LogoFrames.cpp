// SPDX-License-Identifier: GPL-3.0-or-later
// The splash screen's logo frames.
#include "LogoFrames.h"

#include <array>
#include <string_view>

#include "CellGrid.h"
#include "Palette.h"
#include "PatternTable.h"

namespace tenebrix::pictures {

namespace {

constexpr CellGrid kLogoGrid{kBoardSide, 23};
static_assert(kLogoGrid.side() == kLogoFrameSize);

// Rows from the top, 'X' lit.
constexpr PuzzleValue boardFromRows(const std::array<std::string_view, kBoardSide>& rows) {
    PuzzleValue value = kSolvedBoard;
    for (int row = 0; row < kBoardSide; ++row) {
        for (int column = 0; column < kBoardSide; ++column) {
            if (rows[row][column] == 'X') value |= tileBit(tileAt(row, column));
        }
    }
    return value;
}

constexpr PuzzleValue kFirstFrame = boardFromRows({"XX.XX", "X.X.X", ".XXX.", "X.X.X", "XX.XX"});

// The centre first, then the four corners: each frame is one move further.
constexpr int kLogoMode = 1;
constexpr std::array<int, kLogoFrameCount - 1> kLogoMoves{13, 1, 5, 21, 25};

}  // namespace

PuzzleValue logoFrameValue(int frame) {
    if (!isLogoFrame(frame)) return kSolvedBoard;
    PuzzleValue value = kFirstFrame;
    for (int move = 0; move < frame; ++move) value ^= moveMask(kLogoMode, kLogoMoves[move]);
    return value;
}

Image logoFrame(int frame, int scale) {
    if (!isLogoFrame(frame)) return {};
    const PuzzleValue value = logoFrameValue(frame);
    const auto faceOf = [value](int row, int column) {
        return isLit(value, tileAt(row, column)) ? palette::yellow : palette::black;
    };
    return drawCellGrid(kLogoGrid, palette::paleSilver, faceOf, scale);
}

}  // namespace tenebrix::pictures
