// Places and sizes of the window's controls. The design is in twips; 15 twips make one
// device-independent pixel, so Qt's high-DPI scaling does the rest.
#pragma once

#include <array>
#include <stdexcept>

#include <QRect>

#include "input/Keypad.h"

namespace orvane::ui {

constexpr int Px(int twips) { return twips / 15; }
constexpr QRect Twips(int left, int top, int width, int height) {
    return {Px(left), Px(top), Px(width), Px(height)};
}

inline constexpr QRect kClientArea = Twips(0, 0, 3975, 5550);
inline constexpr QRect kListing = Twips(90, 90, 3795, 2175);
inline constexpr QRect kIndicatorPanel = Twips(2925, 135, 915, 735);
inline constexpr QRect kCountLabel = Twips(-135, 0, 1005, 195);    // in the panel
inline constexpr QRect kAngleLabel = Twips(-135, 270, 1005, 195);  // in the panel
inline constexpr QRect kDisplayBar = Twips(90, 2340, 3795, 420);
inline constexpr QRect kEntryLine = Twips(90, 45, 3660, 330);     // in the bar
inline constexpr QRect kKeyCatcher = Twips(90, 5670, 3795, 375);  // below the client area

// The keypad grid: columns every 540 twips from 90, rows every 360 from 2835 with a wider
// step before the function block; keys overlap their neighbours slightly.
inline constexpr auto kKeyRowTops = std::to_array({2835, 3195, 3555, 3915, 4275, 4725, 5085});
static_assert(kKeyRowTops.size() == kKeypadRows, "a top for each row of the keypad grid");

// A place off the grid is refused: no constant at compile time, std::out_of_range at run time.
constexpr QRect KeyRect(int row, int column, bool wide) {
    if (column < 0 || column + (wide ? 1 : 0) >= kKeypadColumns) {
        throw std::out_of_range("a key beside the keypad grid");
    }
    const int top = kKeyRowTops.at(static_cast<std::size_t>(row));
    return Twips(90 + 540 * column, top, wide ? 1110 : 570, 375);
}
static_assert(KeyRect(kKeypadRows - 1, kKeypadColumns - 1, false).right() < kClientArea.right() &&
                  KeyRect(kKeypadRows - 1, 0, false).bottom() < kClientArea.bottom(),
              "the keypad grid within the window");

}  // namespace orvane::ui
