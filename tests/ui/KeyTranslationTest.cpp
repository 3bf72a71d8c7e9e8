#include "ui/KeyTranslation.h"

#include <gtest/gtest.h>

#ifdef ORVANE_XKB
#include "ui/Keymap.h"
#endif

namespace orvane::ui {
namespace {

// A key as the event reports it, without a keymap to ask: a synthetic event, or a display
// server whose keymap has not come yet.
KeyFacts Pressed(int qtKey, quint32 keyCode, Qt::KeyboardModifiers modifiers = {}) {
    return {qtKey, modifiers, keyCode, 0, {}, std::nullopt};
}

// Without a layout to ask: letters as Qt names them, a letter that is not Latin by its place,
// other keys by their place or, with no key code at all, by Qt's key; the keypad by Qt's flag.
TEST(KeyTranslation, WithoutAKeymapByQtsKeyAndThePlace) {
    const std::pair<KeyFacts, int> keys[] = {
        {Pressed(0x042B, 39), 'S'},  // Russian Ы, at the place of S
        {Pressed(Qt::Key_A, 24), 'A'},
        {Pressed(Qt::Key_Odiaeresis, 47), 0},
        {Pressed(Qt::Key_Period, 0), 190},  // a synthetic event
        {Pressed(Qt::Key_Comma, 91, Qt::KeypadModifier), 110},
        {Pressed(Qt::Key_Up, 80, Qt::KeypadModifier), 38},
    };
    for (const auto& [key, code] : keys) {
        EXPECT_EQ(VirtualKeyFor(key, Host::Other), code)
            << key.qtKey << " at " << key.nativeScanCode;
    }
}

// On Windows the layout has named the key; a character sent as Unicode comes as VK_PACKET with
// the character, which names it by the Latin rule.
TEST(KeyTranslation, TakesWindowsCodesAndUnicodeCharacters) {
    const auto packet = [](const char16_t* text) {
        return VirtualKeyFor({0, {}, 0, 0xE7, QString::fromUtf16(text), {}}, Host::Windows);
    };
    EXPECT_EQ(packet(u"8"), '8');
    EXPECT_EQ(packet(u"."), 190);
    EXPECT_EQ(packet(u"\u0436"), 0);
    EXPECT_EQ(VirtualKeyFor({Qt::Key_Up, {}, 72, 38, {}, {}}, Host::Windows), 38);
}

#ifdef ORVANE_XKB
// Keymaps compiled from layout names, as the X server and a compositor compile theirs: the rule
// is the same whichever of them sent the keymap.
class WithKeymap : public testing::Test {
  protected:
    Keymap compiled(const char* layout, const char* variant = "") const {
        const xkb_rule_names names{"evdev", "pc105", layout, variant, ""};
        Keymap keymap(
            xkb_keymap_new_from_names(context_.get(), &names, XKB_KEYMAP_COMPILE_NO_FLAGS));
        EXPECT_TRUE(keymap) << layout;
        return keymap;
    }
    // The code of the key with this XKB key code; Wayland's events carry no keypad flag.
    static int code(const Keymap& keymap, xkb_keycode_t key, KeyboardState state = {}) {
        KeyFacts facts{0, {}, key, 0, {}, LevelsOf(keymap.get(), key, state)};
        return VirtualKeyFor(facts, Host::Other);
    }

    KeymapContext context_{xkb_context_new(XKB_CONTEXT_NO_FLAGS)};
};

// XKB key codes of a US keyboard's keys.
constexpr xkb_keycode_t kDigit1 = 10;
constexpr xkb_keycode_t kQ = 24;
constexpr xkb_keycode_t kE = 26;
constexpr xkb_keycode_t kS = 39;
constexpr xkb_keycode_t kComma = 59;
constexpr xkb_keycode_t kPeriod = 60;
constexpr xkb_keycode_t kSlash = 61;
constexpr xkb_keycode_t kKeypad8 = 80;
constexpr xkb_keycode_t kKeypadPoint = 91;
constexpr xkb_keycode_t kKeypadEnter = 104;
constexpr xkb_keycode_t kKeypadPlus = 86;

// In a Latin layout a key is what it types: a letter by its capital, punctuation by its
// character on either level (AZERTY's "; ." key, Dvorak's "."); the digit row keeps its place.
// In a Cyrillic layout every key goes by its place on a US keyboard.
TEST_F(WithKeymap, TheKeyThatTypesThePointIsThePeriodKey) {
    const Keymap us = compiled("us"), fr = compiled("fr"), be = compiled("be"),
                 dvorak = compiled("us", "dvorak"), de = compiled("de"), ru = compiled("ru");
    const std::tuple<const Keymap&, xkb_keycode_t, int, const char*> keys[] = {
        {us, kPeriod, 190, "us ."},    {fr, kComma, 190, "fr ; ."},
        {fr, kPeriod, 191, "fr : /"},  {be, kComma, 190, "be ; ."},
        {dvorak, kE, 190, "dvorak ."}, {dvorak, kPeriod, 'V', "dvorak v"},
        {de, kPeriod, 190, "de ."},    {ru, kPeriod, 190, "ru \u044E"},
        {ru, kSlash, 191, "ru ."},     {fr, kQ, 'A', "fr a"},
        {fr, kDigit1, '1', "fr & 1"},  {ru, kS, 'S', "ru \u044B"},
    };
    for (const auto& [keymap, key, vk, what] : keys) EXPECT_EQ(code(keymap, key), vk) << what;
}

// The numeric keypad by what it types with Num Lock as it is: digits, the point (whatever
// character the layout prints on it) and the operators with Num Lock on, the navigation keys
// with it off. Shift plays no part.
TEST_F(WithKeymap, TheKeypadFollowsNumLock) {
    const Keymap us = compiled("us"), de = compiled("de");
    const xkb_mod_mask_t numLock = 1U << xkb_keymap_mod_get_index(us.get(), XKB_MOD_NAME_NUM);
    const xkb_mod_mask_t shift = 1U << xkb_keymap_mod_get_index(us.get(), XKB_MOD_NAME_SHIFT);
    EXPECT_EQ(code(us, kKeypad8, {0, numLock}), 104);
    EXPECT_EQ(code(us, kKeypad8, {0, numLock | shift}), 104);
    EXPECT_EQ(code(us, kKeypad8), 38);
    EXPECT_EQ(code(us, kKeypadPoint, {0, numLock}), 110);
    EXPECT_EQ(code(de, kKeypadPoint, {0, numLock}), 110);  // it types a comma
    EXPECT_EQ(code(us, kKeypadPoint), 46);
    EXPECT_EQ(code(us, kKeypadEnter), 13);
    EXPECT_EQ(code(us, kKeypadPlus), 107);
}

// With two layouts, the group active at the press decides.
TEST_F(WithKeymap, TheActiveGroupDecides) {
    const Keymap frUs = compiled("fr,us"), ruFr = compiled("ru,fr");
    EXPECT_EQ(code(frUs, kQ, {0, 0}), 'A');
    EXPECT_EQ(code(frUs, kQ, {1, 0}), 'Q');
    EXPECT_EQ(code(ruFr, kQ, {0, 0}), 'Q');  // й, by its place: the group has no Latin letters
    EXPECT_EQ(code(ruFr, kQ, {1, 0}), 'A');
}
#endif

}  // namespace
}  // namespace orvane::ui
