// Asks an X window to close the way a window manager's close button does: a
// WM_DELETE_WINDOW message. The end-to-end drive runs without a window
// manager and xdotool can only destroy a window, so this is the user's close
// button there.
//
// Usage: wm_delete WINDOW_ID  (decimal or 0x hexadecimal; uses $DISPLAY)

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

xcb_atom_t atom(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: wm_delete WINDOW_ID\n");
        return 64;
    }
    const auto window = static_cast<xcb_window_t>(std::strtoul(argv[1], nullptr, 0));
    const std::unique_ptr<xcb_connection_t, decltype(&xcb_disconnect)> connection(
        xcb_connect(nullptr, nullptr), &xcb_disconnect);
    if (xcb_connection_has_error(connection.get())) {
        std::fprintf(stderr, "wm_delete: cannot open the display\n");
        return 1;
    }

    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = window;
    message.type = atom(connection.get(), "WM_PROTOCOLS");
    message.data.data32[0] = atom(connection.get(), "WM_DELETE_WINDOW");
    message.data.data32[1] = XCB_CURRENT_TIME;
    // Waiting for the server's answer makes sure it has handled the message:
    // a server that sees the connection close first may drop what is left.
    const xcb_void_cookie_t sent =
        xcb_send_event_checked(connection.get(), 0, window, XCB_EVENT_MASK_NO_EVENT,
                               reinterpret_cast<const char*>(&message));
    const std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> error(
        xcb_request_check(connection.get(), sent), &std::free);
    if (error) {
        std::fprintf(stderr, "wm_delete: the server refused the message (error %d)\n",
                     error->error_code);
        return 1;
    }
    return 0;
}
