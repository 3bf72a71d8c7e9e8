#include "ui/KeyCatcher.h"

#include <QKeyEvent>

#include "ui/Platform.h"

namespace orvane::ui {

KeyCatcher::KeyCatcher(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::StrongFocus); }

bool KeyCatcher::event(QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
            keyPressEvent(static_cast<QKeyEvent*>(event));
            return true;
        }
    }
    return QWidget::event(event);
}

void KeyCatcher::keyPressEvent(QKeyEvent* event) {
    event->accept();
    if (const int code = VirtualKeyOf(*event)) emit keyDown(code);
}

}  // namespace orvane::ui
