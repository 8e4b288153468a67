// SPDX-License-Identifier: GPL-3.0-or-later
// The About box's version line, from the program's version numbers.
#pragma once

#include <string>

#include "Translate.h"

namespace tenebrix::forms {

struct ProgramVersion {
    int major;
    int minor;
    int revision;
};

// This release, as the build system numbers it.
inline constexpr ProgramVersion kProgramVersion{TENEBRIX_VERSION_MAJOR, TENEBRIX_VERSION_MINOR,
                                                TENEBRIX_VERSION_PATCH};

// "1.0.0": plain digits, no leading zeros, blanks or signs.
inline std::string VersionNumber(ProgramVersion version) {
    return std::to_string(version.major) + "." + std::to_string(version.minor) + "." +
           std::to_string(version.revision);
}

// "Version 1.0.0", in the player's language.
inline std::string VersionLine(ProgramVersion version) {
    // TRANSLATORS: the About box's version line; %1 is the version number, e.g. 1.0.0.
    // xgettext:qt-format
    return i18n::format(i18n::tr("Version %1"), {VersionNumber(version)});
}

}  // namespace tenebrix::forms
