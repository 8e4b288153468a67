// SPDX-License-Identifier: GPL-3.0-or-later
// The game's pictures as Qt pixmaps and the program icon.
#include "PictureImages.h"

#include "LogoFrames.h"
#include "ModeDiagrams.h"
#include "ProgramIcon.h"
#include "QtImage.h"
#include "TilePictures.h"

namespace tenebrix::qt {

QPixmap tilePicture(int index, qreal devicePixelRatio) {
    const int scale = wholeScaleFor(devicePixelRatio);
    return toPixmap(pictures::tilePicture(index, scale), scale);
}

QPixmap modeDiagram(int mode, qreal devicePixelRatio) {
    const int scale = wholeScaleFor(devicePixelRatio);
    return toPixmap(pictures::modeDiagram(mode, scale), scale);
}

QPixmap logoFrame(int frame, qreal devicePixelRatio) {
    const int scale = wholeScaleFor(devicePixelRatio);
    return toPixmap(pictures::logoFrame(frame, scale), scale);
}

QPixmap aboutPicture(qreal devicePixelRatio) {
    const int scale = wholeScaleFor(devicePixelRatio);
    return toPixmap(pictures::aboutPicture(scale), scale);
}

QIcon programIcon() {
    // 32, 64, 128 and 256 pixels: the sizes desktops and task bars ask for.
    QIcon icon;
    for (const int scale : {1, 2, 4, 8})
        icon.addPixmap(QPixmap::fromImage(toQImage(pictures::programIcon(scale))));
    return icon;
}

}  // namespace tenebrix::qt
