// The keymap a Wayland compositor gives every client (wl_keyboard.keymap: XKB's text form, passed
// by file descriptor) and the active group (wl_keyboard.modifiers), read on a keyboard of the
// program's own on Qt's connection: QWaylandClientExtension, Qt's public hook for binding a
// global, hands over the registry, and libwayland-client does the rest. A new keymap replaces
// the old one as it comes, so a layout changed in the desktop's settings takes effect at the
// next key.
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>
#include <wayland-client.h>

#include <QKeyEvent>
#include <QtWaylandClient/QWaylandClientExtension>
#include <algorithm>
#include <cstring>

#include "ui/Keymap.h"
#include "ui/KeymapSource.h"

namespace orvane::ui {
namespace {

constexpr int kSeatVersion = 5;  // the release requests of seat and keyboard

class WaylandKeymapSource final : public QWaylandClientExtension, public KeymapSource {
  public:
    WaylandKeymapSource() : QWaylandClientExtension(kSeatVersion) {}
    WaylandKeymapSource(const WaylandKeymapSource&) = delete;
    WaylandKeymapSource& operator=(const WaylandKeymapSource&) = delete;
    ~WaylandKeymapSource() override {
        releaseKeyboard();
        if (seat_ != nullptr) {
            version_ >= WL_SEAT_RELEASE_SINCE_VERSION ? wl_seat_release(seat_)
                                                      : wl_seat_destroy(seat_);
        }
    }

    const wl_interface* extensionInterface() const override { return &wl_seat_interface; }

    void bind(wl_registry* registry, int id, int version) override {
        version_ = std::min(version, kSeatVersion);
        seat_ = static_cast<wl_seat*>(wl_registry_bind(registry, static_cast<std::uint32_t>(id),
                                                       &wl_seat_interface,
                                                       static_cast<std::uint32_t>(version_)));
        wl_seat_add_listener(seat_, &kSeatListener, this);
    }

    std::optional<KeyLevels> levelsOf(const QKeyEvent& event) override {
        if (!keymap_) return std::nullopt;
        // Qt's event carries the modifiers in effect; the group comes only to our own keyboard.
        return LevelsOf(keymap_.get(), event.nativeScanCode(), {group_, event.nativeModifiers()});
    }

  private:
    static WaylandKeymapSource& self(void* data) {
        return *static_cast<WaylandKeymapSource*>(data);
    }

    void releaseKeyboard() {
        if (keyboard_ == nullptr) return;
        version_ >= WL_KEYBOARD_RELEASE_SINCE_VERSION ? wl_keyboard_release(keyboard_)
                                                      : wl_keyboard_destroy(keyboard_);
        keyboard_ = nullptr;
    }

    void useCapabilities(std::uint32_t capabilities) {
        const bool hasKeyboard = (capabilities & WL_SEAT_CAPABILITY_KEYBOARD) != 0;
        if (hasKeyboard && keyboard_ == nullptr) {
            keyboard_ = wl_seat_get_keyboard(seat_);
            wl_keyboard_add_listener(keyboard_, &kKeyboardListener, this);
        } else if (!hasKeyboard) {
            releaseKeyboard();
            keymap_.reset();
        }
    }

    // The compositor's keymap, mapped from its file only as far as the file reaches.
    void useKeymap(std::uint32_t format, int fd, std::uint32_t size) {
        struct stat file {};
        if (format == WL_KEYBOARD_KEYMAP_FORMAT_XKB_V1 && size > 0 && fstat(fd, &file) == 0 &&
            static_cast<std::uint64_t>(file.st_size) >= size) {
            void* text = mmap(nullptr, size, PROT_READ, MAP_PRIVATE, fd, 0);
            if (text != MAP_FAILED) {
                const auto* chars = static_cast<const char*>(text);
                keymap_ = KeymapFromText(context_.get(), {chars, strnlen(chars, size)});
                munmap(text, size);
            }
        }
        close(fd);
    }

    static const wl_seat_listener kSeatListener;
    static const wl_keyboard_listener kKeyboardListener;

    KeymapContext context_{xkb_context_new(XKB_CONTEXT_NO_FLAGS)};
    wl_seat* seat_ = nullptr;
    wl_keyboard* keyboard_ = nullptr;
    int version_ = 1;
    Keymap keymap_;
    xkb_layout_index_t group_ = 0;
};

const wl_seat_listener WaylandKeymapSource::kSeatListener{
    [](void* data, wl_seat*, std::uint32_t capabilities) {
        self(data).useCapabilities(capabilities);
    },
    [](void*, wl_seat*, const char*) {},
};

const wl_keyboard_listener WaylandKeymapSource::kKeyboardListener{
    [](void* data, wl_keyboard*, std::uint32_t format, std::int32_t fd, std::uint32_t size) {
        self(data).useKeymap(format, fd, size);
    },
    [](void*, wl_keyboard*, std::uint32_t, wl_surface*, wl_array*) {},
    [](void*, wl_keyboard*, std::uint32_t, wl_surface*) {},
    [](void*, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t) {},
    [](void* data, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t,
       std::uint32_t group) { self(data).group_ = group; },
    [](void*, wl_keyboard*, std::int32_t, std::int32_t) {},
};

}  // namespace

std::unique_ptr<KeymapSource> NewWaylandKeymapSource() {
    return std::make_unique<WaylandKeymapSource>();
}

}  // namespace orvane::ui
