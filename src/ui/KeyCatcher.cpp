#include "ui/KeyCatcher.h"

#include <QKeyEvent>

#include "ui/Platform.h"

namespace orvane::ui {

KeyCatcher::KeyCatcher(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::StrongFocus); }

void KeyCatcher::keyPressEvent(QKeyEvent* event) {
    event->accept();
    constexpr Qt::KeyboardModifiers kChording =
        Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    if (const int code = VirtualKeyOf(*event)) {
        emit keyDown(code, (event->modifiers() & kChording) == Qt::ControlModifier);
    }
}

}  // namespace orvane::ui
