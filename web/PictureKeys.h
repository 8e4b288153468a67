// SPDX-License-Identifier: GPL-3.0-or-later
// The keys under which the game's pictures are handed to the page, one
// number per picture, and the hand-over of all of them at one scale.
#pragma once

namespace tenebrix::web {

class Page;

// Tile pictures keep their own numbers, 1..16.
constexpr int modeDiagramKey(int mode) {
    return 100 + mode;
}
constexpr int logoFrameKey(int frame) {
    return 200 + frame;
}
inline constexpr int kProgramIconKey = 300;
inline constexpr int kAboutPictureKey = 301;

// Draws every picture at `scale` device pixels per picture pixel (1 or
// more; anything less counts as 1) and hands each to the page.
void definePictures(Page& page, int scale);

// Puts the fixed pictures into their boxes: the mode diagrams, the logo
// frames and the About box's picture.
void showFixedPictures(Page& page);

}  // namespace tenebrix::web
