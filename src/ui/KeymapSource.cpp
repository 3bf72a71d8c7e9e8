#include "ui/KeymapSource.h"

#include <QGuiApplication>

namespace orvane::ui {

std::unique_ptr<KeymapSource> KeymapSourceForDisplay() {
#ifdef ORVANE_XKB
    const QString platform = QGuiApplication::platformName();
    if (platform == QLatin1String("xcb")) return NewX11KeymapSource();
    if (platform.startsWith(QLatin1String("wayland"))) return NewWaylandKeymapSource();
#endif
    return nullptr;
}

}  // namespace orvane::ui
