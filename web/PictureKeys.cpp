// SPDX-License-Identifier: GPL-3.0-or-later
// Every picture of the game handed to the page, and the fixed ones shown.
#include "PictureKeys.h"

#include <algorithm>

#include "AboutForm.h"
#include "ControlNames.h"
#include "LogoFrames.h"
#include "ModeDiagrams.h"
#include "Page.h"
#include "ProgramIcon.h"
#include "Settings.h"
#include "SplashForm.h"
#include "TilePictures.h"

namespace tenebrix::web {

// A device pixel ratio of 3 draws 3 x 3 device pixels for each picture
// pixel; more than that only costs memory.
constexpr int kMaxScale = 4;

static int deviceScale(int scale) {
    return std::clamp(scale, 1, kMaxScale);
}

void showSplashPictures(Page& page, int scale) {
    for (int frame = 0; frame < pictures::kLogoFrameCount; ++frame) {
        page.definePicture(logoFrameKey(frame), pictures::logoFrame(frame, deviceScale(scale)));
        page.showPicture(forms::arrayName(forms::frmSplash::kLogoName, frame), logoFrameKey(frame));
    }
}

void showWindowPictures(Page& page, int scale) {
    scale = deviceScale(scale);
    for (int index = 1; index <= pictures::kTilePictureCount; ++index)
        page.definePicture(index, pictures::tilePicture(index, scale));
    for (int mode = kMinMode; mode <= kMaxMode; ++mode) {
        page.definePicture(modeDiagramKey(mode), pictures::modeDiagram(mode, scale));
        page.showPicture(forms::arrayName("picMode", mode), modeDiagramKey(mode));
    }
    page.definePicture(kProgramIconKey, pictures::programIcon(scale));
    page.definePicture(kAboutPictureKey, pictures::aboutPicture(scale));
    page.showPicture(forms::frmAbout::kIconName, kAboutPictureKey);
}

}  // namespace tenebrix::web
