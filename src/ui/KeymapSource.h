// Where the active keyboard layout comes from: the keymap of the display server the program is
// connected to (the X server's, or the one a Wayland compositor sends), chosen at run time and
// kept until the server announces a new one.
#pragma once

#include <memory>
#include <optional>

#include "ui/KeyTranslation.h"

class QKeyEvent;

namespace orvane::ui {

class KeymapSource {
  public:
    virtual ~KeymapSource() = default;
    // What the layout active at the press types on the event's key; nothing while the server has
    // given no keymap.
    virtual std::optional<KeyLevels> levelsOf(const QKeyEvent& event) = 0;
};

// The source for the display the application runs on; none where no keymap can be had (the
// offscreen platform) or none is needed (Windows, whose events carry the layout's codes).
std::unique_ptr<KeymapSource> KeymapSourceForDisplay();

#ifdef ORVANE_XKB
std::unique_ptr<KeymapSource> NewX11KeymapSource();
std::unique_ptr<KeymapSource> NewWaylandKeymapSource();
#endif

}  // namespace orvane::ui
