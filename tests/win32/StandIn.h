// SPDX-License-Identifier: GPL-3.0-or-later
// Installing the stand-in program (standin_tool.cpp) where a test wants it,
// and waiting, for a bounded time, for the trace it leaves when it runs.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace tenebrix::testing {

// Copies the stand-in, built beside the test program, to `path`, making its folders.
bool installStandIn(const std::wstring& path);

// The command line the stand-in at `path` was started with, once it has
// run; nothing if it has not within `milliseconds`.
std::optional<std::wstring> standInCommandLine(const std::wstring& path, int milliseconds = 15000);

}  // namespace tenebrix::testing
