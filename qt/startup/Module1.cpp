// SPDX-License-Identifier: GPL-3.0-or-later
// The program's start-up.
#include "Module1.h"

#include <QPointer>

#include "frmSplash.h"

namespace tenebrix::startup {

void Main(std::function<void()> showMainWindow) {
    static QPointer<frmSplash> splash;
    if (!splash) splash = new frmSplash(std::move(showMainWindow));  // deletes itself on close
    splash->show();
    // Drawn before the event loop gets control, so the player sees it at once.
    splash->repaint();
}

}  // namespace tenebrix::startup
