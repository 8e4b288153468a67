// SPDX-License-Identifier: GPL-3.0-or-later
// The program's few options (--help, --version), answered before any window
// system is reached, and the refusal of options neither it nor Qt knows.
#pragma once

#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

namespace tenebrix::startup {

// Whether Qt has already taken its own options out of the arguments.
enum class QtOptions { StillPresent, AlreadyTaken };

// "Tenebrix 1.0.0".
std::string versionText();
// A few lines: the synopsis, the game's own options, a pointer to Qt's.
std::string usageText();

// Answers the arguments (without the program's name): prints the usage or
// the version on `out` and returns 0, or prints a one-line error and the
// usage on `err` and returns 2. Returns nothing when the game should start.
std::optional<int> answerCommandLine(const std::vector<std::string>& arguments, QtOptions qt,
                                     std::ostream& out, std::ostream& err);

}  // namespace tenebrix::startup
