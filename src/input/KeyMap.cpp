#include "input/KeyMap.h"

#include <algorithm>
#include <array>

#include "input/VirtualKeys.h"

namespace orvane {
namespace {

struct Mapping {
    int virtualKey;
    Key key;
};

// Each row a key code and its key, sorted by code for the look-up, each code in one row.
constexpr auto kKeyMap = [] {
    auto map = std::to_array<Mapping>({
        {vk::Back, Key::DeleteLast},
        {vk::Return, Key::Enter},  // both keyboards
        {vk::Left, Key::RotateNegative},
        {vk::Up, Key::Swap},
        {vk::Right, Key::RotatePositive},
        {vk::Down, Key::Extract},
        {vk::Delete, Key::ClearOrDrop},
        {'0', Key::Digit0},  // the digit row
        {'1', Key::Digit1},
        {'2', Key::Digit2},
        {'3', Key::Digit3},
        {'4', Key::Digit4},
        {'5', Key::Digit5},
        {'6', Key::Digit6},
        {'7', Key::Digit7},
        {'8', Key::Digit8},
        {'9', Key::Digit9},
        {'I', Key::Floor},
        {'N', Key::Sign},
        {'P', Key::Pi},
        {'R', Key::Reset},
        {'S', Key::Swap},
        {'X', Key::Extract},
        {vk::Numpad0, Key::Digit0},
        {vk::Numpad1, Key::Digit1},
        {vk::Numpad2, Key::Digit2},
        {vk::Numpad3, Key::Digit3},
        {vk::Numpad4, Key::Digit4},
        {vk::Numpad5, Key::Digit5},
        {vk::Numpad6, Key::Digit6},
        {vk::Numpad7, Key::Digit7},
        {vk::Numpad8, Key::Digit8},
        {vk::Numpad9, Key::Digit9},
        {vk::Multiply, Key::Multiply},
        {vk::Add, Key::Add},
        {vk::Subtract, Key::Subtract},
        {vk::Decimal, Key::Point},
        {vk::Divide, Key::Divide},
        {vk::OemPeriod, Key::Point},
    });
    std::ranges::sort(map, {}, &Mapping::virtualKey);
    return map;
}();
static_assert(std::ranges::adjacent_find(kKeyMap, {}, &Mapping::virtualKey) == kKeyMap.end(),
              "a code in two rows");

}  // namespace

std::optional<Key> KeypadKeyFor(int virtualKey) {
    const auto it = std::ranges::lower_bound(kKeyMap, virtualKey, {}, &Mapping::virtualKey);
    if (it == kKeyMap.end() || it->virtualKey != virtualKey) return std::nullopt;
    return it->key;
}

Outcome KeyDown(Calculator& calc, int virtualKey) {
    const auto key = KeypadKeyFor(virtualKey);
    if (!key) return {};
    return PressKey(calc, *key);
}

}  // namespace orvane
