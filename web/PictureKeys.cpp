// SPDX-License-Identifier: GPL-3.0-or-later
// Every picture of the game handed to the page, and the fixed ones shown.
#include "PictureKeys.h"

#include <algorithm>
#include <cmath>

#include "AboutControls.h"
#include "LogoFrames.h"
#include "MainWindowControls.h"
#include "ModeDiagrams.h"
#include "Page.h"
#include "ProgramIcon.h"
#include "SplashControls.h"
#include "TilePictures.h"

namespace tenebrix::web {

// A device pixel ratio of 3 draws 3 x 3 device pixels for each picture
// pixel; more than that only costs memory.
constexpr int kMaxScale = 4;

static int deviceScale(int scale) {
    return std::clamp(scale, 1, kMaxScale);
}

int pictureScaleFor(double ratio) {
    // Compared before converting: a ratio too large for an int, or NaN,
    // must not reach the conversion.
    if (!(ratio >= 1)) return 1;
    if (ratio >= kMaxScale) return kMaxScale;
    return static_cast<int>(std::floor(ratio));
}

void showSplashPictures(Page& page, int scale) {
    for (const forms::Control& box : forms::frmSplash::kControls) {
        if (box.picture != forms::StartPicture::LogoFrame) continue;
        page.definePicture(logoFrameKey(box.index),
                           pictures::logoFrame(box.index, deviceScale(scale)), deviceScale(scale));
        page.showPicture(box.fullName(), logoFrameKey(box.index));
    }
}

void showWindowPictures(Page& page, int scale) {
    scale = deviceScale(scale);
    for (int index = 1; index <= pictures::kTilePictureCount; ++index)
        page.definePicture(index, pictures::tilePicture(index, scale), scale);
    for (const forms::Control& box : forms::frmMain::kControls) {
        if (box.picture != forms::StartPicture::ModeDiagram) continue;
        page.definePicture(modeDiagramKey(box.index), pictures::modeDiagram(box.index, scale),
                           scale);
        page.showPicture(box.fullName(), modeDiagramKey(box.index));
    }
    page.definePicture(kProgramIconKey, pictures::programIcon(scale), scale);
    page.definePicture(kAboutPictureKey, pictures::aboutPicture(scale), scale);
    for (const forms::Control& box : forms::frmAbout::kControls) {
        if (box.picture == forms::StartPicture::AboutPicture)
            page.showPicture(box.fullName(), kAboutPictureKey);
    }
}

}  // namespace tenebrix::web
