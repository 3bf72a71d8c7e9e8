// The one layout rule over an XKB keymap, wherever the keymap comes from: the X server, a Wayland
// compositor, or layout names (the tests'). Linux only.
#pragma once

#include <xkbcommon/xkbcommon.h>

#include <memory>
#include <string_view>

#include "ui/KeyTranslation.h"

namespace orvane::ui {

struct KeymapUnref {
    void operator()(xkb_keymap* keymap) const { xkb_keymap_unref(keymap); }
};
struct ContextUnref {
    void operator()(xkb_context* context) const { xkb_context_unref(context); }
};
using Keymap = std::unique_ptr<xkb_keymap, KeymapUnref>;
using KeymapContext = std::unique_ptr<xkb_context, ContextUnref>;

// The keyboard at the moment of a press: the active group and the modifiers in effect, as X's
// event state and Wayland's modifier masks both give them (XKB's real modifiers, bit for bit).
struct KeyboardState {
    xkb_layout_index_t group = 0;
    xkb_mod_mask_t modifiers = 0;
};

// What the layout types on the key with this XKB key code: the characters of its first two
// levels in the active group, and what it types with Num Lock as the state has it (the numeric
// keypad's digits or its navigation keys) and no other modifier, as Shift does not matter here.
KeyLevels LevelsOf(xkb_keymap* keymap, xkb_keycode_t key, KeyboardState state);

// A keymap from its text form, as a Wayland compositor sends it; null when it does not compile.
Keymap KeymapFromText(xkb_context* context, std::string_view text);

}  // namespace orvane::ui
