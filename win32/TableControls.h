// SPDX-License-Identifier: GPL-3.0-or-later
// A window's controls made from its table. Each row that is a window of its
// own becomes a child, in the table's order: a child made earlier lies above
// those made later, and the dialog manager tabs through them in that order
// too, so the first row lies on top and the tab stops come as listed. The
// rows a window draws itself (lines, a frame without a caption) are painted
// back to front, so the first of them lies on top as well.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "ControlIds.h"
#include "Dpi.h"
#include "Fonts.h"

namespace tenebrix::win32 {

// The fonts of one window's controls at one density, each made when first
// asked for and deleted with the set.
class FontSet {
  public:
    explicit FontSet(Dpi dpi = {}) : dpi_(dpi) {}
    ~FontSet();
    FontSet(const FontSet&) = delete;
    FontSet& operator=(const FontSet&) = delete;
    void swap(FontSet& other) noexcept {
        std::swap(dpi_, other.dpi_);
        fonts_.swap(other.fonts_);
    }

    // The first family of the font's list, at its size and weight.
    HFONT font(const forms::Font& font);

  private:
    Dpi dpi_;
    std::vector<std::pair<forms::Font, HFONT>> fonts_;
};

// Whether `row` is a child window: not a line, a timer or a frame without
// a caption, which the window draws or runs itself.
bool isChildControl(const forms::Control& row);

// Makes every child of `ids`' table on `window`, each with its caption,
// visibility, tab stop, range and the picture it holds from the start;
// placeControls puts them in their places.
void createControls(HWND window, const ControlIds& ids);

// Places and sizes every child at `dpi`, gives it its font and its
// pictures their scale. `fonts` then holds the fonts at `dpi`; those it
// held before are deleted once no control uses them.
void placeControls(HWND window, const ControlIds& ids, Dpi dpi, FontSet& fonts);

// Draws the rows `window` draws itself onto its client area, back to front.
void paintDrawnRows(HDC dc, const ControlIds& ids, Dpi dpi);

}  // namespace tenebrix::win32
