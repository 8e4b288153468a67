// SPDX-License-Identifier: GPL-3.0-or-later
// A square grid of cells between 1-pixel lines, the layout shared by the mode
// diagrams, the logo frames and the About picture.
#pragma once

#include <functional>

#include "Canvas.h"

namespace tenebrix::pictures {

struct CellGrid {
    int cellsPerSide;
    int cellSize;  // pixels inside the lines

    // Lines at 0, cellSize + 1, ... and one closing line at the far edge.
    constexpr int side() const { return cellsPerSide * (cellSize + 1) + 1; }
    constexpr int cellOrigin(int index) const { return index * (cellSize + 1) + 1; }
};

// The face colour of the cell in `row` and `column`, both from 0 at the top left.
using CellFace = std::function<Rgba(int row, int column)>;

// Draws the grid's lines in `lineColour` and every cell as a 1-pixel black
// outline around its face; a cell whose face is black reads as unmarked.
Image drawCellGrid(const CellGrid& grid, Rgba lineColour, const CellFace& faceOf, int scale);

}  // namespace tenebrix::pictures
