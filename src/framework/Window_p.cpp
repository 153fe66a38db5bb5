#include "Window_p.h"

#include "Runtime.h"
#include "WidgetUnits_p.h"
#include "Window.h"

#include <QCloseEvent>
#include <QDeadlineTimer>
#include <QGuiApplication>
#include <QScreen>
#include <QThread>
#include <xcb/xcb.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <vector>

namespace {

// What xcb hands back is the caller's to free.
struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <class T> using Reply = std::unique_ptr<T, FreeReply>;

xcb_atom_t atomNamed(xcb_connection_t* connection, std::string_view name) {
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection,
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(name.size()), name.data()),
        nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The 32-bit values of a window's property of that type; none when the window
// has no such property.
std::vector<std::uint32_t> property32(xcb_connection_t* connection, xcb_window_t window,
                                      xcb_atom_t name, xcb_atom_t type) {
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, name, type, 0, 4096), nullptr));
    if (!reply || reply->type != type || reply->format != 32)
        return {};
    const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + reply->value_len};
}

// Asks the window manager which frame it will draw around the native window
// of `window`, which must exist. A window manager that offers to tell it
// before the window is shown (_NET_REQUEST_FRAME_EXTENTS) sets the window's
// _NET_FRAME_EXTENTS in answer; none without such a window manager, when it
// has not answered within a second, or when its answer cannot be a frame.
QMargins announcedFrame(xcb_connection_t* connection, const QWidget& window) {
    const auto id = static_cast<xcb_window_t>(window.internalWinId());
    const Reply<xcb_get_geometry_reply_t> geometry(
        xcb_get_geometry_reply(connection, xcb_get_geometry(connection, id), nullptr));
    if (!geometry)
        return {};
    const xcb_window_t root = geometry->root;

    const xcb_atom_t request = atomNamed(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const std::vector<std::uint32_t> supported =
        property32(connection, root, atomNamed(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    if (request == XCB_ATOM_NONE ||
        std::find(supported.begin(), supported.end(), request) == supported.end())
        return {};

    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(connection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);

    // The window manager answers in its own time; Qt reads the events, so the
    // property itself is asked for until it is there.
    const xcb_atom_t extentsName = atomNamed(connection, "_NET_FRAME_EXTENTS");
    const QDeadlineTimer deadline(1000);
    while (!deadline.hasExpired()) {
        const std::vector<std::uint32_t> extents =
            property32(connection, id, extentsName, XCB_ATOM_CARDINAL);
        if (extents.size() == 4) {
            // Left, right, top, bottom, in the display's pixels; counted in 64
            // bits, where no sum of them wraps.
            const qreal ratio = window.devicePixelRatioF();
            const auto margin = [ratio](std::uint32_t pixels) {
                return qRound64(pixels / ratio);
            };
            const std::int64_t left = margin(extents[0]);
            const std::int64_t right = margin(extents[1]);
            const std::int64_t top = margin(extents[2]);
            const std::int64_t bottom = margin(extents[3]);
            // A frame that leaves no room on the window's screen for the window
            // at its smallest is none a window manager can draw; taken as
            // given, it would place the content beyond the screen's edge for
            // good. Such an answer counts as none, and the window is fitted
            // onto the screen as under a window manager that does not answer.
            const QScreen* const screen = window.screen();
            if (!screen || left + right + window.minimumWidth() > screen->geometry().width() ||
                top + bottom + window.minimumHeight() > screen->geometry().height())
                return {};
            return {toWidgetSize(left), toWidgetSize(top), toWidgetSize(right),
                    toWidgetSize(bottom)};
        }
        QThread::msleep(1);
    }
    return {};
}

} // namespace

WindowImpl::WindowImpl(Window& owner) : owner_(owner), content_(new QWidget) {
    setCentralWidget(content_);
}

int WindowImpl::menuBarHeight() const {
    const QWidget* bar = menuWidget();
    if (!bar || bar->isHidden())
        return 0;
    // As Qt's layout measures it when it places the bar.
    const int height = bar->heightForWidth(std::max(width(), bar->minimumWidth()));
    return height >= 0 ? height : bar->sizeHint().height();
}

QMargins WindowImpl::frameMargins() {
    const QRect frame = frameGeometry();
    const QRect client = geometry();
    const QMargins known(client.left() - frame.left(), client.top() - frame.top(),
                         frame.right() - client.right(), frame.bottom() - client.bottom());
    if (!known.isNull())
        return known;
    // Only an X11 window manager is asked, once; the question needs the native
    // window, which is made now if the window has not been shown yet.
    if (!announcedFrame_) {
        const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
        xcb_connection_t* const connection = x11 ? x11->connection() : nullptr;
        if (connection)
            create();
        announcedFrame_ = connection ? announcedFrame(connection, *this) : QMargins();
    }
    return *announcedFrame_;
}

void WindowImpl::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    owner_.layoutControls();
}

void WindowImpl::closeEvent(QCloseEvent* event) {
    event->accept();
    RuntimeDispatch([this] { owner_.Close(); });
}

void WindowImpl::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        owner_.activated();
}
