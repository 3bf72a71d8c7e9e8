#include "input/KeyMap.h"

#include <algorithm>
#include <array>
#include <utility>

namespace orvane {
namespace {

struct Mapping {
    int virtualKey;
    int index;
};

constexpr auto kKeyMap = [] {
    std::array<Mapping, 39> map{{
        {8, 13},    // Backspace: delete last character
        {13, 14},   // Enter, both keyboards
        {37, 23},   // Left: rotate negative
        {38, 15},   // Up: swap
        {39, 22},   // Right: rotate positive
        {40, 21},   // Down: extract
        {46, 11},   // Delete: clear / drop
        {73, 32},   // I: integer
        {78, 25},   // N: sign
        {80, 24},   // P: pi
        {82, 20},   // R: reset
        {83, 15},   // S: swap
        {88, 21},   // X: extract
        {106, 18},  // keypad *
        {107, 16},  // keypad +
        {109, 17},  // keypad -
        {110, 10},  // keypad decimal point
        {111, 19},  // keypad /
        {190, 10},  // period
    }};
    for (int d = 0; d <= 9; ++d) {
        map[static_cast<std::size_t>(d) + 19] = {48 + d, d};  // digit row
        map[static_cast<std::size_t>(d) + 29] = {96 + d, d};  // numeric keypad
    }
    std::sort(map.begin(), map.end(), [](auto a, auto b) { return a.virtualKey < b.virtualKey; });
    return map;
}();

}  // namespace

std::optional<int> KeypadIndexForKey(int virtualKey) {
    const auto it = std::lower_bound(kKeyMap.begin(), kKeyMap.end(), virtualKey,
                                     [](Mapping m, int vk) { return m.virtualKey < vk; });
    if (it == kKeyMap.end() || it->virtualKey != virtualKey) return std::nullopt;
    return it->index;
}

Outcome KeyDown(Calculator& calc, int virtualKey) {
    const auto index = KeypadIndexForKey(virtualKey);
    if (!index) return {};
    return PressKey(calc, *index);
}

}  // namespace orvane
