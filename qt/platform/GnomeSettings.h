// SPDX-License-Identifier: GPL-3.0-or-later
// GNOME Settings' About page: which panel holds it depends on the version
// installed, so the installed Settings is asked for its panels.
#pragma once

#include <QString>
#include <QStringList>
#include <string>

namespace tenebrix::platform {

// The arguments that open the About page, given what `gnome-control-center
// --list` printed: "info-overview" up to Settings 45 (Debian 12 has 43),
// "system about" from Settings 46 on, where the About page became part of
// the "system" panel. Empty when neither panel is listed: started with a
// panel it lacks, Settings opens at whatever page was last used.
QStringList gnomeAboutPageArguments(const QString& panelList);

// Asks the Settings program at `programPath` for its panels, waiting at most
// `timeoutMs`, and returns the command line that opens its About page, as
// "gnome-control-center system about"; empty when it does not answer in
// time, fails, or lists no About page.
std::string gnomeAboutCommand(const QString& programPath, int timeoutMs = 5000);

}  // namespace tenebrix::platform
