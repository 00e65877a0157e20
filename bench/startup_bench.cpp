// Start-up under an X display: a bare Qt window, the same with one line of text, and the
// application started in turn, each timed from process start to its first mapped window (the
// splash).
//   startup_bench RUNS BARE_WINDOW BARE_TEXT_WINDOW ZESTREL
#include <xcb/xcb.h>
#include <algorithm>
#include "timing.h"
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <vector>

extern char** environ;

namespace {

xcb_connection_t* x;
xcb_window_t root;

// The next top-level window mapped, or nothing within five seconds.
std::optional<xcb_window_t> nextMap()
{
    const auto until = Clock::now() + std::chrono::seconds(5);
    while (Clock::now() < until) {
        while (xcb_generic_event_t* e = xcb_poll_for_event(x)) {
            const bool map = (e->response_type & 0x7f) == XCB_MAP_NOTIFY;
            const auto* m = reinterpret_cast<xcb_map_notify_event_t*>(e);
            const bool top = map && m->event == root && !m->override_redirect;
            const xcb_window_t w = m->window;
            std::free(e);
            if (top)
                return w;
        }
        pollfd p{xcb_get_file_descriptor(x), POLLIN, 0};
        poll(&p, 1, 5);
    }
    return std::nullopt;
}

pid_t start(const char* program)
{
    pid_t pid = 0;
    char* argv[] = {const_cast<char*>(program), nullptr};
    posix_spawn(&pid, program, nullptr, nullptr, argv, environ);
    return pid;
}

void stop(pid_t pid)
{
    kill(pid, SIGKILL);
    waitpid(pid, nullptr, 0);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 5) {
        std::fprintf(stderr, "usage: startup_bench RUNS BARE_WINDOW BARE_TEXT_WINDOW ZESTREL\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x)) {
        std::fprintf(stderr, "startup_bench: no X display\n");
        return 1;
    }
    root = xcb_setup_roots_iterator(xcb_get_setup(x)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x, root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x);

    std::vector<double> times[3]; // bare, bare with text, splash
    for (int i = 0; i < runs; ++i) {
        for (int which = 2; which <= 4; ++which) {
            const auto t0 = Clock::now();
            const pid_t pid = start(argv[which]);
            if (nextMap())
                times[which - 2].push_back(ms(t0, Clock::now()));
            stop(pid);
        }
    }
    const double s = median(times[2]);
    std::printf("| measure (median of %d) | ms | floor ms | ratio |\n|---|---:|---:|---:|\n", runs);
    const char* floors[] = {"a bare Qt window", "a bare Qt window with one line of text"};
    for (int f = 0; f < 2; ++f) {
        const double b = median(times[f]);
        std::printf("| process start to first mapped window: splash; floor: %s | %.1f | %.1f | %.2f |\n", floors[f], s, b,
                    b > 0 ? s / b : 0);
    }
    xcb_disconnect(x);
    return 0;
}
