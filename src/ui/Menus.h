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

// Fills the bar and returns the two entries that carry the angle mode's check marks.
AngleActions BuildMenuBar(QMenuBar* bar, MainWindow* window);

}  // namespace orvane::ui
