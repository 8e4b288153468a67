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

// How many device pixels a side the pictures draw for each of their pixels
// on a screen of `ratio` device pixels per CSS pixel: the whole part of the
// ratio, 1 to 4 (a finer screen shows the pictures scaled up from 4, nearest
// pixel); 1 for a ratio that is no number or not above 0.
int pictureScaleFor(double ratio);

// The splash's pictures, the logo frames, drawn at `scale` device pixels per
// picture pixel (1 to 4; anything outside counts as the nearest), handed to
// the page and put into their boxes. They come first: the splash is the
// first sight.
void showSplashPictures(Page& page, int scale);

// All the other pictures: the tiles, handed over for the board to use, and
// the mode diagrams and the About box's picture, put into their boxes.
void showWindowPictures(Page& page, int scale);

}  // namespace tenebrix::web
