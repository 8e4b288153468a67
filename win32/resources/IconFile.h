// SPDX-License-Identifier: GPL-3.0-or-later
// Windows icon files (.ico): square pictures of several sizes in one file, as
// the program file's icon resource wants them. Standard C++ only.
#pragma once

#include <cstdint>
#include <vector>

#include "Image.h"

namespace tenebrix::icons {

// The .ico bytes for `pictures`, each square and 1 to 256 pixels wide, in the
// order given. A picture of 16 colours or fewer, all opaque, is stored with a
// 16-colour palette; any other as 32-bit colour with alpha.
std::vector<std::uint8_t> iconFile(const std::vector<pictures::Image>& pictures);

// `picture` made `factor` times smaller, each new pixel the mean of the
// factor x factor pixels it stands for. The sides must divide by `factor`.
pictures::Image shrunk(const pictures::Image& picture, int factor);

}  // namespace tenebrix::icons
