// The window's colours, all of them: the window, the listing and its indicators, the display
// bar and the five families of key faces.
#pragma once

#include <QColor>

#include "input/Keypad.h"

namespace orvane::ui {

inline const QColor kWindowColour{44, 44, 44};
inline const QColor kListingBack{192, 192, 192};
inline const QColor kListingText{64, 64, 64};
inline const QColor kGreyText{109, 109, 109};
inline const QColor kEntryText{64, 64, 64};

// The display bar's pale green, from its top edge through its middle to its bottom edge.
inline const QColor kDisplayBarTop{208, 216, 190};
inline const QColor kDisplayBarMiddle{197, 215, 158};
inline const QColor kDisplayBarBottom{225, 245, 181};

// A key face: a gradient from top to bottom, and its caption.
struct KeyShades {
    QColor top, bottom, caption;
};

inline KeyShades ShadesOf(KeyColour colour) {
    switch (colour) {
        case KeyColour::LightGrey:
            return {{229, 229, 229}, {210, 210, 210}, {40, 40, 40}};
        case KeyColour::Red:
            return {{180, 44, 44}, {164, 37, 37}, Qt::white};
        case KeyColour::Orange:  // white on it would be too faint to read
            return {{247, 132, 37}, {226, 119, 30}, kWindowColour};
        case KeyColour::Brown:
            return {{118, 101, 92}, {106, 90, 81}, Qt::white};
        case KeyColour::DarkGrey:
            break;
    }
    return {{90, 96, 99}, {80, 85, 88}, Qt::white};
}

}  // namespace orvane::ui
