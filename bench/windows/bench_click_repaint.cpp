// SPDX-License-Identifier: GPL-3.0-or-later
// How long a tile click takes to show on Windows, in the real main window:
// from the mouse press sent to a tile until every window whose picture
// changed has been repainted (RedrawWindow with RDW_UPDATENOW returns) and
// GDI has handed the drawing on. Prints the median and the 99th percentile.
//
//   bench_click_repaint.exe [clicks]
#include <windows.h>
// The common controls' declarations need the system's first.
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <vector>

#include "ControlIds.h"
#include "Game.h"
#include "Module1.h"
#include "OrdinaryMove.h"
#include "PatternTable.h"
#include "RandomSource.h"
#include "SystemServices.h"
#include "WindowsRegistry.h"
#include "frmMain.h"

using namespace tenebrix;
using namespace tenebrix::win32;

namespace {

constexpr int kDefaultClicks = 5000;
constexpr int kWarmUpClicks = 200;

class NoStore final : public platform::SettingsStore {
  public:
    bool SaveSetting(const std::string&, const std::string&, const std::string&,
                     const std::string&) override {
        return true;
    }
};

class NoHelp final : public HelpViewer {
  public:
    std::optional<std::wstring> showContents(HWND, const std::wstring&) override { return {}; }
};

class AnswerAtOnce final : public MessageBoxes {
  public:
    MessageAnswer show(HWND, const Message& message) override {
        return message.buttons == MessageButtons::YesNo ? MessageAnswer::No : MessageAnswer::Ok;
    }
};

// Counts the tiles' paints, to be sure each click was drawn.
int tilePaints = 0;
LRESULT CALLBACK countPaints(HWND window, UINT message, WPARAM wParam, LPARAM lParam, UINT_PTR,
                             DWORD_PTR) {
    if (message == WM_PAINT) ++tilePaints;
    return DefSubclassProc(window, message, wParam, lParam);
}

void click(HWND tile) {
    RECT inside;
    GetClientRect(tile, &inside);
    const LPARAM at = MAKELPARAM(inside.right / 2, inside.bottom / 2);
    SendMessageW(tile, WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(tile, WM_LBUTTONUP, 0, at);
}

double percentile(std::vector<double> samples, double fraction) {
    const auto at = static_cast<std::size_t>(fraction * static_cast<double>(samples.size() - 1));
    std::nth_element(samples.begin(), samples.begin() + static_cast<std::ptrdiff_t>(at),
                     samples.end());
    return samples[at];
}

// Runs what is queued, then every paint due. Paints are left to RedrawWindow:
// a window that leaves part of itself unpainted would come back for ever.
void settle(HWND window) {
    MSG message;
    const UINT allButPaint = PM_REMOVE | PM_QS_INPUT | PM_QS_POSTMESSAGE | PM_QS_SENDMESSAGE;
    while (PeekMessageW(&message, nullptr, 0, 0, allButPaint)) DispatchMessageW(&message);
    RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

}  // namespace

int main(int argc, char* argv[]) {
    const int clicks = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultClicks;
    prepareProcess();
    ClockSeededRandom random;
    NoStore store;
    NoHelp help;
    AnswerAtOnce messages;
    const auto registry = platform::makeWindowsRegistry();
    ProgramLauncher launcher;
    SystemClock clock;
    Services services{random, store, help, messages, *registry, launcher, clock, L""};
    frmMain window(GetModuleHandleW(nullptr), services);
    window.Show();
    settle(window.window());
    for (int n = 1; n <= kTileCount; ++n)
        SetWindowSubclass(window.control("picTile", n), countPaints, 1, 0);

    LARGE_INTEGER frequency, before, after;
    QueryPerformanceFrequency(&frequency);
    std::mt19937 chance(20261207);
    std::vector<double> micros;
    int undrawn = 0;
    for (int i = 0; i < kWarmUpClicks + clicks; ++i) {
        HWND tile = window.control("picTile", bench::ordinaryMove(window.game(), chance));
        const int paintsBefore = tilePaints;
        QueryPerformanceCounter(&before);
        click(tile);
        RedrawWindow(window.window(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
        GdiFlush();
        QueryPerformanceCounter(&after);
        if (tilePaints == paintsBefore) ++undrawn;
        if (i >= kWarmUpClicks)
            micros.push_back(static_cast<double>(after.QuadPart - before.QuadPart) * 1e6 /
                             static_cast<double>(frequency.QuadPart));
        settle(window.window());
    }
    std::printf(
        "tile click to board repainted: median %.1f us, 99th percentile %.1f us (%d clicks%s)\n",
        percentile(micros, 0.5), percentile(micros, 0.99), clicks,
        undrawn ? ", SOME NOT DRAWN" : "");
    DestroyWindow(window.window());
    return undrawn ? 1 : 0;
}
