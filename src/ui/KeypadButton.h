// One keypad key: a rounded face painted from the keypad table, never taking the focus.
#pragma once

#include <QAbstractButton>

#include "input/Keypad.h"

namespace orvane::ui {

class KeypadButton : public QAbstractButton {
    Q_OBJECT
  public:
    KeypadButton(const KeypadKey& key, QWidget* parent);

    const KeypadKey& key() const { return key_; }

    // The face's caption font: the keys' bold face, shrunk until the caption keeps clear of the
    // rounded corners.
    QFont captionFont() const;

  signals:
    // Any mouse button released over the key, or an accessibility "press".
    void keyReleased(int index);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

  private:
    const KeypadKey& key_;
};

}  // namespace orvane::ui
