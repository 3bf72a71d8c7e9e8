#include "ui/KeyCatcher.h"

#include <QKeyEvent>

#include "ui/KeyTranslation.h"

namespace orvane::ui {

KeyCatcher::KeyCatcher(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::StrongFocus); }

bool KeyCatcher::event(QEvent* event) {
    // Qt's shortcut map swallows a character sent as Unicode (its key code tells nothing of the
    // key): claimed here, it comes as the key press it is.
    if (event->type() == QEvent::ShortcutOverride &&
        IsSentCharacter(*static_cast<const QKeyEvent*>(event))) {
        event->accept();
        return true;
    }
    return QWidget::event(event);
}

void KeyCatcher::keyPressEvent(QKeyEvent* event) {
    event->accept();
    constexpr Qt::KeyboardModifiers kChording =
        Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier;
    KeyFacts facts = FactsOf(*event);
    if (keymap_) facts.levels = keymap_->levelsOf(*event);
    if (const int code = VirtualKeyFor(facts)) {
        emit keyDown(code, (event->modifiers() & kChording) == Qt::ControlModifier);
    }
}

}  // namespace orvane::ui
