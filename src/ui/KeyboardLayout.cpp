#include "ui/KeyboardLayout.h"

#ifdef ORVANE_XKB
#include <xkbcommon/xkbcommon-x11.h>
#include <QChar>
#include <QGuiApplication>
#include <memory>
#endif

namespace orvane::ui {

#ifdef ORVANE_XKB
namespace {

struct KeymapUnref {
    void operator()(xkb_keymap* keymap) const { xkb_keymap_unref(keymap); }
};
struct ContextUnref {
    void operator()(xkb_context* context) const { xkb_context_unref(context); }
};
using Keymap = std::unique_ptr<xkb_keymap, KeymapUnref>;

// The server's keymap as it is now: asked at every press (under a millisecond), as a layout
// chosen in the desktop's settings replaces the whole keymap.
Keymap CurrentKeymap() {
    const auto* x11 =
        qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (x11 == nullptr) return nullptr;
    xcb_connection_t* connection = x11->connection();
    static const bool kExtensionReady =
        xkb_x11_setup_xkb_extension(
            connection, XKB_X11_MIN_MAJOR_XKB_VERSION, XKB_X11_MIN_MINOR_XKB_VERSION,
            XKB_X11_SETUP_XKB_EXTENSION_NO_FLAGS, nullptr, nullptr, nullptr, nullptr) == 1;
    static const std::unique_ptr<xkb_context, ContextUnref> kContext(
        xkb_context_new(XKB_CONTEXT_NO_FLAGS));
    const std::int32_t device = xkb_x11_get_core_keyboard_device_id(connection);
    if (!kExtensionReady || !kContext || device < 0) return nullptr;
    return Keymap(xkb_x11_keymap_new_from_device(kContext.get(), connection, device,
                                                 XKB_KEYMAP_COMPILE_NO_FLAGS));
}

char32_t CharacterAt(xkb_keymap* keymap, xkb_keycode_t key, xkb_layout_index_t layout,
                     xkb_level_index_t level) {
    const xkb_keysym_t* symbols = nullptr;
    if (xkb_keymap_key_get_syms_by_level(keymap, key, layout, level, &symbols) != 1) return 0;
    return xkb_keysym_to_utf32(symbols[0]);
}

// Whether the layout's letter keys (the X key codes of a US keyboard's 26 letters) type mostly
// Latin letters: French and Dvorak do, Russian and Greek do not.
bool TypesLatinLetters(xkb_keymap* keymap, xkb_layout_index_t layout) {
    constexpr std::pair<xkb_keycode_t, xkb_keycode_t> kLetterRows[] = {
        {24, 33}, {38, 46}, {52, 58}};
    int latin = 0;
    int other = 0;
    for (const auto& [first, last] : kLetterRows) {
        for (xkb_keycode_t key = first; key <= last; ++key) {
            const char32_t c = CharacterAt(keymap, key, layout, 0);
            if (!QChar::isLetter(c)) continue;
            ++(QChar::script(c) == QChar::Script_Latin ? latin : other);
        }
    }
    return latin >= other;
}

}  // namespace

std::optional<KeyLevels> LevelsOfKey(quint32 keyCode, quint32 nativeModifiers) {
    const Keymap keymap = CurrentKeymap();
    if (!keymap) return std::nullopt;
    // The group of the moment of the press, which X puts in bits 13 and 14 of the event's state;
    // one beyond the key's groups wraps round, as XKB does by default.
    const auto group = static_cast<xkb_layout_index_t>((nativeModifiers >> 13) & 3);
    const xkb_layout_index_t groups = xkb_keymap_num_layouts_for_key(keymap.get(), keyCode);
    if (groups == 0) return KeyLevels{0, 0, TypesLatinLetters(keymap.get(), 0)};
    const xkb_layout_index_t layout = group % groups;
    return KeyLevels{CharacterAt(keymap.get(), keyCode, layout, 0),
                     CharacterAt(keymap.get(), keyCode, layout, 1),
                     TypesLatinLetters(keymap.get(), group % xkb_keymap_num_layouts(keymap.get()))};
}
#else
std::optional<KeyLevels> LevelsOfKey(quint32, quint32) { return std::nullopt; }
#endif

}  // namespace orvane::ui
