#include "ui/Keymap.h"

#include <QChar>
#include <utility>

namespace orvane::ui {
namespace {

char32_t CharacterAt(xkb_keymap* keymap, xkb_keycode_t key, xkb_layout_index_t layout,
                     xkb_level_index_t level) {
    const xkb_keysym_t* symbols = nullptr;
    if (xkb_keymap_key_get_syms_by_level(keymap, key, layout, level, &symbols) != 1) return 0;
    return xkb_keysym_to_utf32(symbols[0]);
}

// Whether the layout's letter keys (the key codes of a US keyboard's 26 letters) type mostly
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

// What the key types with Num Lock as it is and nothing else held.
xkb_keysym_t TypedWithNumLock(xkb_keymap* keymap, xkb_keycode_t key, KeyboardState state) {
    const std::unique_ptr<xkb_state, decltype(&xkb_state_unref)> keys(xkb_state_new(keymap),
                                                                      &xkb_state_unref);
    if (!keys) return XKB_KEY_NoSymbol;
    const xkb_mod_index_t numLock = xkb_keymap_mod_get_index(keymap, XKB_MOD_NAME_NUM);
    const xkb_mod_mask_t locked =
        numLock == XKB_MOD_INVALID ? 0 : state.modifiers & (xkb_mod_mask_t{1} << numLock);
    xkb_state_update_mask(keys.get(), 0, 0, locked, 0, 0, state.group);
    return xkb_state_key_get_one_sym(keys.get(), key);
}

}  // namespace

KeyLevels LevelsOf(xkb_keymap* keymap, xkb_keycode_t key, KeyboardState state) {
    const xkb_layout_index_t layouts = xkb_keymap_num_layouts(keymap);
    const bool latin = layouts == 0 || TypesLatinLetters(keymap, state.group % layouts);
    const xkb_keysym_t typed = TypedWithNumLock(keymap, key, state);
    // One beyond the key's own groups wraps round, as XKB does by default.
    const xkb_layout_index_t groups = xkb_keymap_num_layouts_for_key(keymap, key);
    if (groups == 0) return {0, 0, latin, typed};
    const xkb_layout_index_t layout = state.group % groups;
    return {CharacterAt(keymap, key, layout, 0), CharacterAt(keymap, key, layout, 1), latin, typed};
}

Keymap KeymapFromText(xkb_context* context, std::string_view text) {
    return Keymap(xkb_keymap_new_from_buffer(
        context, text.data(), text.size(), XKB_KEYMAP_FORMAT_TEXT_V1, XKB_KEYMAP_COMPILE_NO_FLAGS));
}

}  // namespace orvane::ui
