// startup_timer COMMAND [ARGUMENT...]
//
// Starts COMMAND and prints, in milliseconds, the time from its exec until
// the X server maps its first top-level window; then ends it. A timing tool
// for bench/startup.sh, not part of the program. It watches the root window
// of $DISPLAY, so the command must be the only client that maps a window.
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int timeLimitMs = 20000;

struct Disconnect {
    void operator()(xcb_connection_t* connection) const { xcb_disconnect(connection); }
};

// Hears of every window mapped on the root window from now on.
std::unique_ptr<xcb_connection_t, Disconnect> watchRoot() {
    std::unique_ptr<xcb_connection_t, Disconnect> connection(xcb_connect(nullptr, nullptr));
    if (xcb_connection_has_error(connection.get()))
        return nullptr;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection.get())).data->root;
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_void_cookie_t cookie =
        xcb_change_window_attributes_checked(connection.get(), root, XCB_CW_EVENT_MASK, &mask);
    if (std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> error(
            xcb_request_check(connection.get(), cookie), &std::free);
        error)
        return nullptr;
    return connection;
}

// Waits for a map of a window that is not a menu or tooltip; false after the limit.
bool waitForMap(xcb_connection_t* connection, Clock::time_point start) {
    pollfd watched{xcb_get_file_descriptor(connection), POLLIN, 0};
    for (;;) {
        while (std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event{
            xcb_poll_for_event(connection), &std::free}) {
            const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event.get());
            if ((event->response_type & 0x7F) == XCB_MAP_NOTIFY && !map->override_redirect)
                return true;
        }
        if (xcb_connection_has_error(connection))
            return false;
        const auto waited =
            std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count();
        if (waited >= timeLimitMs)
            return false;
        poll(&watched, 1, static_cast<int>(timeLimitMs - waited));
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fputs("usage: startup_timer COMMAND [ARGUMENT...]\n", stderr);
        return 2;
    }
    const auto connection = watchRoot();
    if (!connection) {
        std::fputs("startup_timer: cannot watch the X server's root window\n", stderr);
        return 1;
    }
    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[1], argv + 1);
        std::perror("startup_timer: exec");
        _exit(127);
    }
    const bool mapped = child > 0 && waitForMap(connection.get(), start);
    const double ms = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (child > 0) {
        kill(child, SIGTERM);
        waitpid(child, nullptr, 0);
    }
    if (!mapped) {
        std::fprintf(stderr, "startup_timer: %s mapped no window\n", argv[1]);
        return 1;
    }
    std::printf("%.2f\n", ms);
    return 0;
}
