#include "input/KeyMap.h"

#include <algorithm>
#include <array>
#include <utility>

#include "input/VirtualKeys.h"

namespace orvane {
namespace {

struct Mapping {
    int virtualKey;
    Key key;
};

constexpr auto kKeyMap = [] {
    std::array<Mapping, 39> map{{
        {vk::Back, Key::DeleteLast},
        {vk::Return, Key::Enter},  // both keyboards
        {vk::Left, Key::RotateNegative},
        {vk::Up, Key::Swap},
        {vk::Right, Key::RotatePositive},
        {vk::Down, Key::Extract},
        {vk::Delete, Key::ClearOrDrop},
        {'I', Key::Floor},
        {'N', Key::Sign},
        {'P', Key::Pi},
        {'R', Key::Reset},
        {'S', Key::Swap},
        {'X', Key::Extract},
        {vk::Multiply, Key::Multiply},
        {vk::Add, Key::Add},
        {vk::Subtract, Key::Subtract},
        {vk::Decimal, Key::Point},
        {vk::Divide, Key::Divide},
        {vk::OemPeriod, Key::Point},
    }};
    for (int d = 0; d <= 9; ++d) {
        const auto digit = static_cast<Key>(IndexOf(Key::Digit0) + d);
        map[static_cast<std::size_t>(d) + 19] = {'0' + d, digit};          // digit row
        map[static_cast<std::size_t>(d) + 29] = {vk::Numpad0 + d, digit};  // numeric keypad
    }
    std::ranges::sort(map, {}, &Mapping::virtualKey);
    return map;
}();

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
