// Start-up: the time from starting a program to its window's first frame in a real X server,
// for the quiz and for a bare Qt window, interleaved, many runs. The first frame is the first
// drawing into a newly mapped top-level window, seen through the X Damage extension.
//
//     startup_bench QUIZ BARE [RUNS]      (DISPLAY must name a running X server)

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <spawn.h>
#include <string>
#include <sys/wait.h>
#include <vector>
#include <xcb/damage.h>
#include <xcb/xcb.h>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;

struct Connection {
    xcb_connection_t* c = nullptr;
    xcb_window_t root = 0;
    uint8_t damageEvent = 0;
};

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// Milliseconds from spawning the program to the first damage of a window it maps.
double timeToFirstFrame(Connection& x, const char* program) {
    const auto start = Clock::now();
    pid_t pid = 0;
    char* argv[] = {const_cast<char*>(program), nullptr};
    if (posix_spawn(&pid, program, nullptr, nullptr, argv, environ) != 0) {
        std::perror(program);
        std::exit(2);
    }
    double ms = -1;
    xcb_damage_damage_t damage = 0;
    while (ms < 0) {
        std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(xcb_wait_for_event(x.c),
                                                                         &std::free);
        if (!event) {
            std::fputs("startup_bench: lost the X connection\n", stderr);
            std::exit(2);
        }
        const uint8_t type = event->response_type & 0x7f;
        if (type == XCB_MAP_NOTIFY && damage == 0) {
            auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
            damage = xcb_generate_id(x.c);
            xcb_damage_create(x.c, damage, map->window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
            xcb_flush(x.c);
        } else if (type == x.damageEvent + XCB_DAMAGE_NOTIFY && damage != 0) {
            ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
        }
    }
    xcb_damage_destroy(x.c, damage);
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    xcb_flush(x.c);
    // Drop what the closing window sent.
    while (auto* stale = xcb_poll_for_event(x.c))
        std::free(stale);
    return ms;
}

} // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fputs("usage: startup_bench QUIZ BARE [RUNS]\n", stderr);
        return 2;
    }
    const int runs = argc > 3 ? std::atoi(argv[3]) : 40;
    Connection x;
    x.c = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(x.c)) {
        std::fputs("startup_bench: cannot open the display\n", stderr);
        return 2;
    }
    x.root = xcb_setup_roots_iterator(xcb_get_setup(x.c)).data->root;
    const xcb_query_extension_reply_t* ext = xcb_get_extension_data(x.c, &xcb_damage_id);
    if (!ext || !ext->present) {
        std::fputs("startup_bench: the X server has no Damage extension\n", stderr);
        return 2;
    }
    x.damageEvent = ext->first_event;
    free(xcb_damage_query_version_reply(x.c, xcb_damage_query_version(x.c, 1, 1), nullptr));
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(x.c, x.root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(x.c);

    // One warm-up run each, so that both start from warm caches.
    timeToFirstFrame(x, argv[1]);
    timeToFirstFrame(x, argv[2]);
    std::vector<double> quiz, bare, ratio;
    for (int run = 0; run < runs; ++run) {
        // Interleaved, the order alternating, so that drift in the machine hits both alike.
        double q = 0, b = 0;
        if (run % 2 == 0) {
            q = timeToFirstFrame(x, argv[1]);
            b = timeToFirstFrame(x, argv[2]);
        } else {
            b = timeToFirstFrame(x, argv[2]);
            q = timeToFirstFrame(x, argv[1]);
        }
        quiz.push_back(q);
        bare.push_back(b);
        ratio.push_back(q / b);
    }
    std::printf("runs: %d each, interleaved\n", runs);
    std::printf("bare Qt window, first frame: median %.1f ms\n", median(bare));
    std::printf("quiz window,    first frame: median %.1f ms\n", median(quiz));
    std::printf("ratio quiz / bare, median of pairs: %.2f\n", median(ratio));
    xcb_disconnect(x.c);
    return 0;
}
