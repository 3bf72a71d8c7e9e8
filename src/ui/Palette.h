// The window's colours.
#pragma once

#include <QColor>

namespace orvane::ui {

inline const QColor kWindowColour{44, 44, 44};
inline const QColor kListingBack{192, 192, 192};
inline const QColor kListingText{64, 64, 64};
inline const QColor kGreyText{109, 109, 109};
inline const QColor kEntryText{64, 64, 64};

}  // namespace orvane::ui
