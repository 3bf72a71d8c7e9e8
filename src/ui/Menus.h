// The menu bar: captions with access keys, Ctrl shortcuts, and the commands behind them.
#pragma once

#include <QAction>
#include <QMenuBar>
#include <functional>

namespace orvane::ui {

struct MenuCommands {
    std::function<void()> reset, save, load, undo, copy, paste, degrees, radians, website, feedback,
        about;
};

struct AngleActions {
    QAction* degrees;
    QAction* radians;
};

// Fills the bar and returns the two entries that carry the angle mode's check marks.
AngleActions BuildMenuBar(QMenuBar* bar, const MenuCommands& commands);

}  // namespace orvane::ui
