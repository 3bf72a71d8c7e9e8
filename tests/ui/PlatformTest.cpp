#include "ui/Platform.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>

namespace orvane::ui {
namespace {

// A key as X reports it: its key code, and what the layout types on it when it can be asked.
KeyFacts Pressed(int qtKey, quint32 scanCode, std::optional<KeyLevels> levels = std::nullopt,
                 Qt::KeyboardModifiers modifiers = {}) {
    return {qtKey, modifiers, scanCode, 0, {}, levels};
}

// Windows' rule for the codes, from what the layout types on a key: in a Latin layout the
// punctuation keys by their character, on either level, in a Cyrillic one every key by its place
// (the end-to-end test asks the real X keymaps of fr, be, dvorak, de and ru). Without a layout to
// ask: letters as Qt names them, other keys by their place or, with no scan code, by Qt's key.
TEST(KeyDerivation, FollowsTheLayoutAsWindowsAssignsCodes) {
    const std::pair<KeyFacts, int> keys[] = {
        {Pressed(Qt::Key_Semicolon, 59, KeyLevels{';', '.'}), 190},  // AZERTY's "; ." key
        {Pressed(Qt::Key_Exclam, 61, KeyLevels{'!', U'\u00A7'}), 0},
        {Pressed(Qt::Key_Ampersand, 10, KeyLevels{'&', '1'}), '1'},  // its digit row
        {Pressed(Qt::Key_V, 60, KeyLevels{'v', 'V'}), 'V'},
        {Pressed(Qt::Key_Period, 61, KeyLevels{'.', ',', false}), 191},
        {Pressed(0x042B, 39, KeyLevels{U'\u044B', U'\u042B', false}), 'S'},
        {Pressed(Qt::Key_Comma, 91, KeyLevels{}, Qt::KeypadModifier), 110},  // a keypad's comma
        {Pressed(0x042B, 39), 'S'},                                          // no keymap to ask
        {Pressed(Qt::Key_A, 24), 'A'},
        {Pressed(Qt::Key_Odiaeresis, 47), 0},
        {Pressed(Qt::Key_Period, 0), 190},  // a synthetic event
    };
    for (const auto& [key, code] : keys) {
        EXPECT_EQ(VirtualKeyFor(key, Host::Other), code)
            << key.qtKey << " at " << key.nativeScanCode;
    }
}

// On Windows the layout has named the key; a character sent as Unicode comes as VK_PACKET with
// the character, which names it by the same rule.
TEST(KeyDerivation, TakesWindowsCodesAndUnicodeCharacters) {
    const auto packet = [](const char16_t* text) {
        return VirtualKeyFor({0, {}, 0, 0xE7, QString::fromUtf16(text), {}}, Host::Windows);
    };
    EXPECT_EQ(packet(u"8"), '8');
    EXPECT_EQ(packet(u"."), 190);
    EXPECT_EQ(packet(u"\u0436"), 0);
}

// Nothing is created before the first Save, and Load reads where Save writes.
TEST(StackFilePlace, BesideTheProgramOrInAppDataTheSameForSaveAndLoad) {
    for (const bool programCanWrite : {true, false}) {  // false: the program's folder is missing
        QTemporaryDir root;
        const QString program = root.filePath(QStringLiteral("Zürich-数")),
                      data = root.filePath("d");
        if (programCanWrite) QDir().mkdir(program);
        StackFilePlace place(program, data);
        const auto load = place.forLoad();
        EXPECT_EQ(
            QDir(root.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
            programCanWrite ? QStringList{QStringLiteral("Zürich-数")} : QStringList{});
        EXPECT_EQ(place.forSave(), load);
        EXPECT_EQ(load, FileSystemPath((programCanWrite ? program : data) + "/StackTemp.stp"));
        EXPECT_NE(QDir(data).exists(), programCanWrite);
    }
}

}  // namespace
}  // namespace orvane::ui
