// The hidden key catcher: holds the keyboard focus below the visible client area and hands
// every key press on as a virtual-key code, as the active layout assigns it. Tab is a key like
// any other here, never a focus move.
#pragma once

#include <QWidget>
#include <memory>

#include "ui/KeymapSource.h"

namespace orvane::ui {

class KeyCatcher : public QWidget {
    Q_OBJECT
  public:
    explicit KeyCatcher(QWidget* parent);

  signals:
    // withCtrl: Ctrl alone among the modifiers, as a menu shortcut takes it.
    void keyDown(int virtualKey, bool withCtrl);

  protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    bool focusNextPrevChild(bool) override { return false; }  // Tab comes as a key

  private:
    std::unique_ptr<KeymapSource> keymap_ = KeymapSourceForDisplay();
};

}  // namespace orvane::ui
