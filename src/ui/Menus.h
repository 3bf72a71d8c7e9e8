// The menu bar: captions with access keys, Ctrl shortcuts, and the window's commands behind them.
#pragma once

#include <QAction>
#include <QMenuBar>

namespace orvane::ui {

class MainWindow;

struct AngleActions {
    QAction* degrees;
    QAction* radians;
};

// Fills the bar, with a font that shows every menu's caption within the width, and returns the
// two entries that carry the angle mode's check marks.
AngleActions BuildMenuBar(QMenuBar* bar, MainWindow* window, int width);

// The entry whose shortcut is Ctrl with the key of this virtual-key code, if any.
QAction* MenuCommandFor(const QMenuBar* bar, int virtualKey);

}  // namespace orvane::ui
