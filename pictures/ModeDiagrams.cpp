// SPDX-License-Identifier: GPL-3.0-or-later
// The mode diagrams of the settings panel.
#include "ModeDiagrams.h"

#include "CellGrid.h"
#include "Palette.h"
#include "PatternTable.h"

namespace tenebrix::pictures {

namespace {
constexpr CellGrid kDiagramGrid{3, 17};
static_assert(kDiagramGrid.side() == kModeDiagramSize);
}  // namespace

Image modeDiagram(int mode, int scale) {
    if (!isMode(mode)) return {};
    // Row and column 1 are the pressed tile's.
    const auto faceOf = [mode](int row, int column) {
        return patternFlips(mode, row - 1, column - 1) ? palette::yellow : palette::black;
    };
    return drawCellGrid(kDiagramGrid, palette::silver, faceOf, scale);
}

}  // namespace tenebrix::pictures
