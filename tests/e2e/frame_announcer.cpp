// Plays a window manager that does nothing but announce frames: it offers
// _NET_REQUEST_FRAME_EXTENTS in the root window's _NET_SUPPORTED and answers
// every such request by setting the asking window's _NET_FRAME_EXTENTS to the
// extents it was given. It neither reparents nor manages any window. It runs
// until it is ended or the display goes away; whoever ends it removes
// _NET_SUPPORTED again.
//
// Usage: frame_announcer LEFT RIGHT TOP BOTTOM  (0 to 4294967295; uses $DISPLAY)

#include <xcb/xcb.h>

#include <array>
#include <cerrno>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <memory>

namespace {

template <class T> using Reply = std::unique_ptr<T, decltype(&std::free)>;

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookie, nullptr),
                                               &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// A whole number of 32 bits, written out in decimal; false for anything else.
bool parseExtent(const char* text, std::uint32_t& value) {
    if (text[0] < '0' || text[0] > '9')
        return false;
    char* end = nullptr;
    errno = 0;
    const unsigned long long parsed = std::strtoull(text, &end, 10);
    if (errno != 0 || *end != '\0' || parsed > std::numeric_limits<std::uint32_t>::max())
        return false;
    value = static_cast<std::uint32_t>(parsed);
    return true;
}

} // namespace

int main(int argc, char** argv) {
    std::array<std::uint32_t, 4> extents{};
    bool valid = argc == 5;
    for (int i = 1; valid && i < argc; ++i)
        valid = parseExtent(argv[i], extents[static_cast<std::size_t>(i - 1)]);
    if (!valid) {
        std::fprintf(stderr, "usage: frame_announcer LEFT RIGHT TOP BOTTOM\n");
        return 64;
    }
    int screenNumber = 0;
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(
        xcb_connect(nullptr, &screenNumber), &xcb_disconnect);
    if (xcb_connection_has_error(connection.get())) {
        std::fprintf(stderr, "frame_announcer: cannot open the display\n");
        return 1;
    }
    xcb_connection_t* const c = connection.get();
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&screens);
    const xcb_window_t root = screens.data->root;
    const xcb_atom_t request = atom(c, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t frameExtents = atom(c, "_NET_FRAME_EXTENTS");

    // The requests are sent to the root window for its substructure; the
    // offer is made only once they will be heard.
    const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(c, root, XCB_CW_EVENT_MASK, &mask);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, root, atom(c, "_NET_SUPPORTED"), XCB_ATOM_ATOM,
                        32, 1, &request);
    xcb_flush(c);

    // Everything else the root window reports is of no concern; a window gone
    // before its answer is set only earns an error, which is passed over too.
    while (const Reply<xcb_generic_event_t> event{xcb_wait_for_event(c), &std::free}) {
        if ((event->response_type & 0x7F) != XCB_CLIENT_MESSAGE)
            continue;
        const auto* message = reinterpret_cast<const xcb_client_message_event_t*>(event.get());
        if (message->type != request)
            continue;
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, message->window, frameExtents,
                            XCB_ATOM_CARDINAL, 32, 4, extents.data());
        xcb_flush(c);
    }
    return 0;
}
