// Qt's messages while the application object is built. When Qt cannot open a window it ends the
// program with a page of advice; the user gets one line that carries Qt's reason instead.
#pragma once

namespace orvane::ui {

// Holds Qt's messages back until ReleaseStartupMessages. A fatal one ends the program with
// status 1 and one line: "orvane-calc: cannot open a window: " and the messages held and the
// fatal one, each of their lines trimmed, empty ones dropped.
void HoldStartupMessages();
// Puts the message handler from before back and passes the held messages on to it.
void ReleaseStartupMessages();

}  // namespace orvane::ui
