#include "input/KeyMap.h"

#include <algorithm>
#include <array>

#include "input/VirtualKeys.h"

namespace orvane {
namespace {

struct Mapping {
    int virtualKey;
    Command key;
};

// Each row a key code and its key, in rising order of code for the look-up.
constexpr auto kKeyMap = std::to_array<Mapping>({
    {vk::Back, Command::DeleteLast},
    {vk::Return, Command::Enter},  // both keyboards
    {vk::Left, Command::RotateNegative},
    {vk::Up, Command::Swap},
    {vk::Right, Command::RotatePositive},
    {vk::Down, Command::Extract},
    {vk::Delete, Command::ClearOrDrop},
    {'0', Command::Digit0},  // the digit row
    {'1', Command::Digit1},
    {'2', Command::Digit2},
    {'3', Command::Digit3},
    {'4', Command::Digit4},
    {'5', Command::Digit5},
    {'6', Command::Digit6},
    {'7', Command::Digit7},
    {'8', Command::Digit8},
    {'9', Command::Digit9},
    {'I', Command::Floor},
    {'N', Command::Sign},
    {'P', Command::Pi},
    {'R', Command::Reset},
    {'S', Command::Swap},
    {'X', Command::Extract},
    {vk::Numpad0, Command::Digit0},
    {vk::Numpad1, Command::Digit1},
    {vk::Numpad2, Command::Digit2},
    {vk::Numpad3, Command::Digit3},
    {vk::Numpad4, Command::Digit4},
    {vk::Numpad5, Command::Digit5},
    {vk::Numpad6, Command::Digit6},
    {vk::Numpad7, Command::Digit7},
    {vk::Numpad8, Command::Digit8},
    {vk::Numpad9, Command::Digit9},
    {vk::Multiply, Command::Multiply},
    {vk::Add, Command::Add},
    {vk::Subtract, Command::Subtract},
    {vk::Decimal, Command::Point},
    {vk::Divide, Command::Divide},
    {vk::OemPeriod, Command::Point},
});
static_assert(std::ranges::adjacent_find(kKeyMap, std::ranges::greater_equal{},
                                         &Mapping::virtualKey) == kKeyMap.end(),
              "a code out of order or in two rows");

}  // namespace

std::optional<Command> KeypadKeyFor(int virtualKey) {
    const auto it = std::ranges::lower_bound(kKeyMap, virtualKey, {}, &Mapping::virtualKey);
    if (it == kKeyMap.end() || it->virtualKey != virtualKey) return std::nullopt;
    return it->key;
}

}  // namespace orvane
