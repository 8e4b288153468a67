// SPDX-License-Identifier: GPL-3.0-or-later
// Opens the game's help file at its contents page, in a window of its own
// beside the game. The game does not wait for it.
#pragma once

#include <QString>

class QWidget;

namespace tenebrix::platform {

class HelpViewer {
  public:
    virtual ~HelpViewer() = default;
    // Shows `helpFile` at its contents; asking again shows it again at its
    // contents. Never throws: a missing or unreadable file is reported
    // inside the viewer, so callers need no error handling of their own.
    virtual void showContents(QWidget* owner, const QString& helpFile) = 0;
};

}  // namespace tenebrix::platform
