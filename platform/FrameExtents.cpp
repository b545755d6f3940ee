#include "platform/FrameExtents.h"

#include <QEvent>
#include <QGuiApplication>
#include <QWindow>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>
#include <vector>

// Built with xcb where its headers were found; other window systems only see their own frames.
#if defined(TVDL_WITH_XCB) && QT_CONFIG(xcb)
#define TVDL_HAVE_XCB 1
#include <xcb/xcb.h>
#endif

namespace {

// A window manager answers within a few milliseconds; one that takes longer is not waited for,
// and the frame is then corrected once the window is mapped.
constexpr std::chrono::milliseconds answerWait(250);
constexpr std::chrono::milliseconds pollStep(2);

// Watches one window until it is exposed, runs its action once and goes.
class ExposeWatcher final : public QObject {
public:
    ExposeWatcher(QWindow& window, std::function<void()> action) : QObject(&window), then(std::move(action)) {
        window.installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* window = static_cast<QWindow*>(parent());
        if (then && watched == window && event->type() == QEvent::Expose && window->isExposed()) {
            window->removeEventFilter(this);
            const std::function<void()> action = std::move(then);
            then = nullptr;
            deleteLater();
            action();
        }
        return false;
    }

private:
    std::function<void()> then;
};

#ifdef TVDL_HAVE_XCB

struct FreeReply {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename T>
using Reply = std::unique_ptr<T, FreeReply>;

xcb_atom_t Atom(xcb_connection_t* connection, const char* name) {
    const auto cookie = xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    const Reply<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(connection, cookie, nullptr));
    return reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
}

// The 32-bit items of a property, empty when it is missing or of another type.
std::vector<std::uint32_t> Property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name,
                                    xcb_atom_t type, std::uint32_t maxItems) {
    const auto cookie = xcb_get_property(connection, 0, window, name, type, 0, maxItems);
    const Reply<xcb_get_property_reply_t> reply(xcb_get_property_reply(connection, cookie, nullptr));
    if (!reply || reply->type != type || reply->format != 32) return {};
    const auto* items = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return {items, items + xcb_get_property_value_length(reply.get()) / 4};
}

// Whether a live window manager says it answers frame requests. The check window guards against
// properties left on the root window by a window manager that has gone.
bool ManagerAnswersRequests(xcb_connection_t* connection, xcb_window_t root, xcb_atom_t request) {
    const xcb_atom_t check = Atom(connection, "_NET_SUPPORTING_WM_CHECK");
    const std::vector<std::uint32_t> manager = Property(connection, root, check, XCB_ATOM_WINDOW, 1);
    if (manager.size() != 1) return false;
    const std::vector<std::uint32_t> echo = Property(connection, manager[0], check, XCB_ATOM_WINDOW, 1);
    if (echo.size() != 1 || echo[0] != manager[0]) return false;
    const std::vector<std::uint32_t> supported =
        Property(connection, root, Atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM, 4096);
    for (std::uint32_t atom : supported) {
        if (atom == request) return true;
    }
    return false;
}

#endif

}  // namespace

QMargins FrameExtents::Current(const QWindow& window) {
    return window.frameMargins();
}

void FrameExtents::OnceExposed(QWindow& window, std::function<void()> then) {
    new ExposeWatcher(window, std::move(then));
}

QMargins FrameExtents::Of(QWindow& window) {
    const QMargins own = Current(window);
    if (!own.isNull()) {
        lastSeen = own;
        return own;
    }
    if (const std::optional<QMargins> answer = AskWindowManager(window)) {
        if (!answer->isNull()) lastSeen = *answer;
        return *answer;
    }
    return lastSeen.value_or(QMargins());
}

std::optional<QMargins> FrameExtents::AskWindowManager(QWindow& window) {
#ifdef TVDL_HAVE_XCB
    auto* x11 = qGuiApp != nullptr ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 == nullptr || x11->connection() == nullptr) return std::nullopt;
    xcb_connection_t* connection = x11->connection();
    const auto id = static_cast<xcb_window_t>(window.winId());

    const Reply<xcb_query_tree_reply_t> tree(
        xcb_query_tree_reply(connection, xcb_query_tree(connection, id), nullptr));
    if (!tree) return std::nullopt;
    const xcb_atom_t request = Atom(connection, "_NET_REQUEST_FRAME_EXTENTS");
    const xcb_atom_t extents = Atom(connection, "_NET_FRAME_EXTENTS");
    if (request == XCB_ATOM_NONE || extents == XCB_ATOM_NONE) return std::nullopt;
    if (!ManagerAnswersRequests(connection, tree->root, request)) return std::nullopt;

    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.format = 32;
    message.window = id;
    message.type = request;
    xcb_send_event(connection, 0, tree->root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&message));
    xcb_flush(connection);

    // The answer is a property on the window; Qt's own event thread owns the event queue, so the
    // property is polled rather than waited for.
    const auto deadline = std::chrono::steady_clock::now() + answerWait;
    do {
        const std::vector<std::uint32_t> items = Property(connection, id, extents, XCB_ATOM_CARDINAL, 4);
        if (items.size() == 4) {
            // Left, right, top, bottom.
            return QMargins(static_cast<int>(items[0]), static_cast<int>(items[2]),
                            static_cast<int>(items[1]), static_cast<int>(items[3]));
        }
        std::this_thread::sleep_for(pollStep);
    } while (std::chrono::steady_clock::now() < deadline);
    return std::nullopt;
#else
    (void)window;
    return std::nullopt;
#endif
}
