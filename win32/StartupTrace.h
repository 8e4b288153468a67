// SPDX-License-Identifier: GPL-3.0-or-later
// Start-up timing for the performance record. With TENEBRIX_TRACE_STARTUP=1
// a window's first paint says on stderr how long after the process was
// created it was drawn, children included; otherwise nothing happens.
#pragma once

#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>

namespace tenebrix::win32 {

inline bool isStartupTraceRequested() {
    static const bool requested = [] {
        const char* value = std::getenv("TENEBRIX_TRACE_STARTUP");
        return value && std::strcmp(value, "1") == 0;
    }();
    return requested;
}

// Milliseconds since the system created this process.
inline double millisecondsSinceProcessCreated() {
    FILETIME created, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &created, &exited, &kernel, &user);
    GetSystemTimePreciseAsFileTime(&now);
    const auto ticks = [](FILETIME time) {  // 100-nanosecond steps
        return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return static_cast<double>(ticks(now) - ticks(created)) / 10000.0;
}

// Whether `what` is traced for the first time: each is written once.
inline bool isFirstTraceOf(const char* what) {
    static std::set<std::string> traced;
    return traced.insert(what).second;
}

// Called at the end of `window`'s paint: the first time, its children are
// painted at once (they would be next anyway) and "WHAT N ms after start"
// is written.
inline void traceFirstPaint(HWND window, const char* what) {
    if (!isStartupTraceRequested() || !isFirstTraceOf(what)) return;
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
    GdiFlush();
    std::fprintf(stderr, "%s %.1f ms after start\n", what, millisecondsSinceProcessCreated());
    std::fflush(stderr);
}

}  // namespace tenebrix::win32
