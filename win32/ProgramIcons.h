// SPDX-License-Identifier: GPL-3.0-or-later
// The program's icon in the title bars and on the taskbar, at the size each
// window's screen density asks for: drawn once per size for the whole
// program, shared by every window, destroyed once when the program ends.
#pragma once

#include <windows.h>

#include <utility>
#include <vector>

#include "Dpi.h"
#include "Image.h"

namespace tenebrix::win32 {

// The icon's picture `pixels` wide (1 to 256): the 32-pixel design at a whole
// scale, or the mean of a larger whole-scale drawing, as the program file's
// icon is made, so no outline blurs or drops out.
pictures::Image programIconPicture(int pixels);

// Icons by size. Each asked for is made the first time and kept; all are
// destroyed with the set.
class IconSet {
  public:
    IconSet() = default;
    ~IconSet();
    IconSet(const IconSet&) = delete;
    IconSet& operator=(const IconSet&) = delete;

    HICON icon(int pixels);
    std::size_t count() const { return icons_.size(); }

  private:
    std::vector<std::pair<int, HICON>> icons_;
};

// The program's own set, which lives as long as the program.
IconSet& programIcons();

// Gives `window` the program icon for its title bar (small) and the taskbar
// and Alt+Tab (large) at density `dpi`.
void setWindowIcons(HWND window, Dpi dpi);

}  // namespace tenebrix::win32
