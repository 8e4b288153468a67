// SPDX-License-Identifier: GPL-3.0-or-later
// Exec to first window on screen, seen from outside the program: starts it
// and waits until the X server maps its first top-level window. The
// program's own stderr passes through, so its start-up trace comes along.
//
//   bench_first_map PROGRAM [ARGUMENTS...]
// prints "first window mapped N ms after exec" on stdout, lets the program
// run on for TENEBRIX_LINGER_MS (default 1000) and then ends it.
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto kGiveUpAfter = std::chrono::seconds(20);

// Every window the root gets as a child is reported once it is mapped.
bool watchRoot(xcb_connection_t* connection) {
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(connection)).data;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, screen->root, XCB_CW_EVENT_MASK, &mask);
    // A round trip: the mask is in force before the program starts.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    return xcb_connection_has_error(connection) == 0;
}

bool waitForFirstMap(xcb_connection_t* connection) {
    const auto deadline = Clock::now() + kGiveUpAfter;
    pollfd readable{xcb_get_file_descriptor(connection), POLLIN, 0};
    while (Clock::now() < deadline) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            const bool mapped = (event->response_type & 0x7f) == XCB_MAP_NOTIFY;
            std::free(event);
            if (mapped) return true;
        }
        if (xcb_connection_has_error(connection)) return false;
        poll(&readable, 1, 100);
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection) || !watchRoot(connection)) {
        std::fprintf(stderr, "%s: cannot reach the X server (is DISPLAY set?)\n", argv[0]);
        return 2;
    }
    fcntl(xcb_get_file_descriptor(connection), F_SETFD, FD_CLOEXEC);

    const auto started = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        std::perror(argv[1]);
        _exit(127);
    }
    const bool mapped = waitForFirstMap(connection);
    const std::chrono::duration<double, std::milli> took = Clock::now() - started;
    if (mapped) std::printf("first window mapped %.1f ms after exec\n", took.count());
    std::fflush(stdout);

    const char* linger = std::getenv("TENEBRIX_LINGER_MS");
    std::this_thread::sleep_for(std::chrono::milliseconds(linger ? std::atoi(linger) : 1000));
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    xcb_disconnect(connection);
    if (!mapped) std::fprintf(stderr, "%s: no window was mapped\n", argv[0]);
    return mapped ? 0 : 1;
}
