// SPDX-License-Identifier: GPL-3.0-or-later
// A square grid of cells between 1-pixel lines.
#include "CellGrid.h"

#include "Palette.h"

namespace tenebrix::pictures {

Image drawCellGrid(const CellGrid& grid, Rgba lineColour, const CellFace& faceOf, int scale) {
    Canvas canvas(grid.side(), grid.side(), scale, lineColour);
    for (int row = 0; row < grid.cellsPerSide; ++row) {
        for (int column = 0; column < grid.cellsPerSide; ++column)
            canvas.outlinedSquare(grid.cellOrigin(column), grid.cellOrigin(row), grid.cellSize,
                                  palette::black, faceOf(row, column));
    }
    return std::move(canvas).image();
}

}  // namespace tenebrix::pictures
