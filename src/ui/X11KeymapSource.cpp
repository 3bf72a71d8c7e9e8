// The X server's keymap through libxkbcommon-x11, on Qt's own connection. It is read once and
// again only after the server announces a new keyboard or keymap (a layout chosen in the
// desktop's settings, setxkbmap), which XKB reports to every client that selected it, Qt too.
#include <xkbcommon/xkbcommon-x11.h>

#include <QAbstractNativeEventFilter>
#include <QGuiApplication>
#include <QKeyEvent>

#include "ui/Keymap.h"
#include "ui/KeymapSource.h"

namespace orvane::ui {
namespace {

// The XKB protocol's events all come under the extension's one event code, with their own kind in
// the second byte (xcb/xkb.h has these, but C++ cannot include it: a field is named "explicit").
constexpr std::uint8_t kNewKeyboardNotify = 0;
constexpr std::uint8_t kMapNotify = 1;

class X11KeymapSource final : public KeymapSource, public QAbstractNativeEventFilter {
  public:
    explicit X11KeymapSource(xcb_connection_t* connection) : connection_(connection) {
        std::uint8_t firstEvent = 0;
        ready_ =
            context_ && xkb_x11_setup_xkb_extension(connection_, XKB_X11_MIN_MAJOR_XKB_VERSION,
                                                    XKB_X11_MIN_MINOR_XKB_VERSION,
                                                    XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr,
                                                    nullptr, &firstEvent, nullptr) == 1;
        xkbEvent_ = firstEvent;
        QCoreApplication::instance()->installNativeEventFilter(this);
    }

    std::optional<KeyLevels> levelsOf(const QKeyEvent& event) override {
        if (!keymap_ && ready_) {
            const std::int32_t device = xkb_x11_get_core_keyboard_device_id(connection_);
            if (device >= 0) {
                keymap_.reset(xkb_x11_keymap_new_from_device(context_.get(), connection_, device,
                                                             XKB_KEYMAP_COMPILE_NO_FLAGS));
            }
        }
        if (!keymap_) return std::nullopt;
        // X puts the group of the moment of the press in bits 13 and 14 of the event's state.
        const quint32 state = event.nativeModifiers();
        return LevelsOf(keymap_.get(), event.nativeScanCode(), {(state >> 13) & 3, state});
    }

    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override {
        if (type != "xcb_generic_event_t") return false;
        const auto* event = static_cast<const xcb_generic_event_t*>(message);
        if (ready_ && (event->response_type & 0x7F) == xkbEvent_) {
            const std::uint8_t kind = static_cast<const std::uint8_t*>(message)[1];
            if (kind == kNewKeyboardNotify || kind == kMapNotify) keymap_.reset();
        }
        return false;  // Qt reads it too
    }

  private:
    xcb_connection_t* connection_;
    KeymapContext context_{xkb_context_new(XKB_CONTEXT_NO_FLAGS)};
    bool ready_ = false;
    std::uint8_t xkbEvent_ = 0;
    Keymap keymap_;
};

}  // namespace

std::unique_ptr<KeymapSource> NewX11KeymapSource() {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (x11 == nullptr) return nullptr;
    return std::make_unique<X11KeymapSource>(x11->connection());
}

}  // namespace orvane::ui
