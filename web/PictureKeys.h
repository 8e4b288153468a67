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

// The splash's pictures, the logo frames, drawn at `scale` device pixels per
// picture pixel (1 or more; anything less counts as 1), handed to the page
// and put into their boxes. They come first: the splash is the first sight.
void showSplashPictures(Page& page, int scale);

// All the other pictures: the tiles, handed over for the board to use, and
// the mode diagrams and the About box's picture, put into their boxes.
void showWindowPictures(Page& page, int scale);

}  // namespace tenebrix::web
