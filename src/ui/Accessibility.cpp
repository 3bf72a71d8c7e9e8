#include "ui/Accessibility.h"

#include <QAccessibleWidget>
#include <QAction>
#include <QActionGroup>
#include <QFontMetrics>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>
#include <algorithm>
#include <utility>

#include "input/KeyMap.h"
#include "input/VirtualKeys.h"
#include "ui/KeypadButton.h"

namespace orvane::ui {
namespace {

// The key map's codes other than letters and digits, as Qt knows their keys.
constexpr std::pair<int, QKeyCombination> kNamedKeys[] = {
    {vk::Back, Qt::Key_Backspace},
    {vk::Return, Qt::Key_Enter},
    {vk::Left, Qt::Key_Left},
    {vk::Up, Qt::Key_Up},
    {vk::Right, Qt::Key_Right},
    {vk::Down, Qt::Key_Down},
    {vk::Delete, Qt::Key_Delete},
    {vk::Multiply, Qt::KeypadModifier | Qt::Key_Asterisk},
    {vk::Add, Qt::KeypadModifier | Qt::Key_Plus},
    {vk::Subtract, Qt::KeypadModifier | Qt::Key_Minus},
    {vk::Divide, Qt::KeypadModifier | Qt::Key_Slash},
    {vk::OemPeriod, Qt::Key_Period},
};

// A virtual-key code of the key map as the platform names the key ("Up", "Del", "Num+*").
QString KeyName(int code) {
    QKeyCombination key = static_cast<Qt::Key>(code);  // letters and digits: Qt's codes are ASCII
    if (const auto* named =
            std::ranges::find(kNamedKeys, code, &std::pair<int, QKeyCombination>::first);
        named != std::end(kNamedKeys)) {
        key = named->second;
    }
    return QKeySequence(key).toString(QKeySequence::NativeText);
}

// The keyboard key a user presses for a keypad key, by name: of the codes the key map gives it,
// one of the main keyboard before one of the numeric keypad (the period before the keypad's
// point), else the lowest; empty for a key without.
QString ShortcutOf(Command key) {
    const auto onKeypad = [](int code) { return code >= vk::Numpad0 && code <= vk::Divide; };
    std::optional<int> best;
    for (int code = 1; code < 256; ++code) {  // every virtual-key code
        if (KeypadKeyFor(code) != key) continue;
        if (!best || (onKeypad(*best) && !onKeypad(code))) best = code;
    }
    return best ? KeyName(*best) : QString();
}

// A piece of the display's one line of text, [start, end): a character, a word with the blanks
// after it, or the whole line for the longer units; at the end of the text, the last piece (an
// empty one for a character). Qt's own lookup never returns for a word at the end of a text.
struct TextPiece {
    int start = 0;
    int end = 0;
};

TextPiece PieceAt(const QString& text, int offset, QAccessible::TextBoundaryType boundary) {
    const int size = int(text.size());
    offset = std::clamp(offset, 0, size);
    switch (boundary) {
        case QAccessible::CharBoundary:
            return {offset, std::min(offset + 1, size)};
        case QAccessible::WordBoundary: {
            // A word starts where a blank ends; the blanks after a word belong to it.
            const auto startsWord = [&](int i) {
                return i == 0 || (text.at(i - 1).isSpace() && !text.at(i).isSpace());
            };
            int start = std::min(offset, std::max(size - 1, 0));
            while (start > 0 && !startsWord(start)) --start;
            int end = start + 1;
            while (end < size && !startsWord(end)) ++end;
            return {start, std::min(end, size)};
        }
        default:  // sentences, lines and paragraphs: the display holds one line
            return {0, size};
    }
}

// The key catcher as the display: read-only text, in the entry line's place.
class DisplayInterface : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    DisplayInterface(QWidget* catcher, const SpokenDisplay* display)
        : QAccessibleWidget(catcher, QAccessible::EditableText), display_(display) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        return s;
    }
    QRect rect() const override {
        const QWidget* place = display_ ? display_->place() : nullptr;
        return place ? QRect(place->mapToGlobal(QPoint(0, 0)), place->size()) : QRect();
    }

    QString text(int startOffset, int endOffset) const override {
        return shown().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return int(shown().size()); }
    int cursorPosition() const override { return characterCount(); }  // after the last digit
    void setCursorPosition(int) override {}
    // Nothing to select: no selection, and none can be made.
    int selectionCount() const override { return 0; }
    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}

    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                         int* endOffset) const override {
        if (offset == -1) offset = characterCount();  // Qt's "the end"
        return piece(offset, boundary, startOffset, endOffset);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                             int* endOffset) const override {
        if (offset == -1) offset = characterCount();
        const TextPiece at = PieceAt(shown(), offset, boundary);
        return piece(at.start > 0 ? at.start - 1 : -1, boundary, startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                            int* endOffset) const override {
        if (offset == -1) offset = characterCount();
        const TextPiece at = PieceAt(shown(), offset, boundary);
        return piece(at.end < characterCount() ? at.end : -1, boundary, startOffset, endOffset);
    }

    // Laid out as the entry line lays out its text: in its font, against its right edge.
    QRect characterRect(int offset) const override {
        const QString s = shown();
        const QWidget* place = display_ ? display_->place() : nullptr;
        if (!place || offset < 0 || offset >= s.size()) return {};
        const QFontMetrics metrics(place->font());
        const QRect line = rect();
        const int left = line.right() + 1 - metrics.horizontalAdvance(s);
        return {left + metrics.horizontalAdvance(s.left(offset)), line.top(),
                metrics.horizontalAdvance(s.at(offset)), line.height()};
    }
    int offsetAtPoint(const QPoint& point) const override {
        for (int i = 0; i < characterCount(); ++i) {
            if (characterRect(i).contains(point)) return i;
        }
        return -1;
    }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;  // one run over the whole text, of no attributes
        *endOffset = characterCount();
        return {};
    }

  private:
    QString shown() const { return display_ ? display_->text() : QString(); }
    // The piece at `offset`, or nothing (-1, -1) for an offset off the text.
    QString piece(int offset, QAccessible::TextBoundaryType boundary, int* startOffset,
                  int* endOffset) const {
        const QString s = shown();
        *startOffset = *endOffset = -1;
        if (offset < 0 || offset > s.size()) return {};
        const TextPiece p = PieceAt(s, offset, boundary);
        *startOffset = p.start;
        *endOffset = p.end;
        return s.mid(p.start, p.end - p.start);
    }

    QPointer<const SpokenDisplay> display_;
};

// A keypad key: named in words, described by its tooltip, pressed as a click, with the keyboard
// key that presses it.
class KeyInterface : public QAccessibleWidget {
  public:
    explicit KeyInterface(KeypadButton* button)
        : QAccessibleWidget(button, QAccessible::Button),
          shortcut_(ShortcutOf(button->key().command)) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Accelerator ? shortcut_ : QAccessibleWidget::text(t);
    }
    QStringList actionNames() const override {
        return QStringList{pressAction()} + QAccessibleWidget::actionNames();
    }
    void doAction(const QString& actionName) override {
        if (actionName == pressAction()) {
            static_cast<QAbstractButton*>(widget())->animateClick();  // as Qt's own buttons do
        } else {
            QAccessibleWidget::doAction(actionName);
        }
    }
    QStringList keyBindingsForAction(const QString& actionName) const override {
        if (actionName == pressAction() && !shortcut_.isEmpty()) return {shortcut_};
        return {};
    }

  private:
    QString shortcut_;
};

// A checkable entry of an exclusive group in a menu (Degrees, Radians): one of a set of choices,
// as a radio button is. Qt's own menu entries do not tell assistive technology that they can be
// checked.
class ChoiceInterface : public QAccessibleObject, public QAccessibleActionInterface {
  public:
    ChoiceInterface(QAction* action, QMenu* menu) : QAccessibleObject(action), menu_(menu) {}

    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                 : nullptr;
    }
    bool isValid() const override { return QAccessibleObject::isValid() && menu_; }
    QWindow* window() const override { return menu_->windowHandle(); }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(menu_);
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessible::Role role() const override { return QAccessible::RadioButton; }
    QAccessible::State state() const override {
        QAccessible::State s;
        s.checkable = true;
        s.checked = action()->isChecked();
        s.disabled = !action()->isEnabled();
        s.invisible = !menu_->isVisible() || !action()->isVisible();
        s.focused = menu_->activeAction() == action();
        return s;
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Name) return action()->iconText();  // the caption without its '&'
        if (t == QAccessible::Accelerator) return shortcut();
        return {};
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!menu_->isVisible()) return {};
        const QRect place = menu_->actionGeometry(action());
        return {menu_->mapToGlobal(place.topLeft()), place.size()};
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& actionName) override {
        if (actionName == pressAction()) action()->trigger();
    }
    QStringList keyBindingsForAction(const QString& actionName) const override {
        if (actionName == pressAction()) return {shortcut()};
        return {};
    }

  private:
    QAction* action() const { return static_cast<QAction*>(object()); }
    QString shortcut() const { return action()->shortcut().toString(QKeySequence::NativeText); }

    QPointer<QMenu> menu_;
};

bool IsChoice(const QAction* action) {
    const QActionGroup* group = action->actionGroup();
    return action->isCheckable() && group && group->isExclusive();
}

// A menu of choices alone (Settings). Qt's own menu interface places only plain entries among its
// children, and a screen reader ignores an object that has no place in its parent.
class ChoicesInterface : public QAccessibleWidget {
  public:
    explicit ChoicesInterface(QMenu* menu) : QAccessibleWidget(menu, QAccessible::PopupMenu) {}

    int childCount() const override { return int(menu()->actions().size()); }
    QAccessibleInterface* child(int index) const override {
        return QAccessible::queryAccessibleInterface(menu()->actions().value(index));
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return int(menu()->actions().indexOf(qobject_cast<QAction*>(child->object())));
    }
    QAccessibleInterface* parent() const override {  // its entry in the menu bar
        QAction* entry = menu()->menuAction();
        for (QObject* shownIn : entry->associatedObjects()) {
            if (auto* bar = qobject_cast<QMenuBar*>(shownIn)) {
                return QAccessible::queryAccessibleInterface(bar)->child(
                    int(bar->actions().indexOf(entry)));
            }
        }
        return QAccessibleWidget::parent();
    }

  private:
    QMenu* menu() const { return static_cast<QMenu*>(widget()); }
};

QAccessibleInterface* ChoiceFor(QAction* action) {
    if (!IsChoice(action)) return nullptr;
    for (QObject* shownIn : action->associatedObjects()) {
        auto* menu = qobject_cast<QMenu*>(shownIn);
        if (!menu) continue;
        // Told as it happens, so that no reader keeps a stale check mark.
        QObject::connect(action, &QAction::toggled, action, [action] {
            QAccessible::State checked;
            checked.checked = true;
            QAccessibleStateChangeEvent changed(action, checked);
            QAccessible::updateAccessibility(&changed);
        });
        return new ChoiceInterface(action, menu);
    }
    return nullptr;
}

QAccessibleInterface* InterfaceFor(const QString&, QObject* object) {
    if (auto* button = qobject_cast<KeypadButton*>(object)) return new KeyInterface(button);
    if (auto* action = qobject_cast<QAction*>(object)) return ChoiceFor(action);
    if (auto* menu = qobject_cast<QMenu*>(object);
        menu && !menu->actions().isEmpty() && std::ranges::all_of(menu->actions(), IsChoice)) {
        return new ChoicesInterface(menu);
    }
    if (auto* widget = qobject_cast<QWidget*>(object)) {
        if (const auto* display =
                widget->findChild<SpokenDisplay*>(QString(), Qt::FindDirectChildrenOnly)) {
            return new DisplayInterface(widget, display);
        }
    }
    return nullptr;
}

}  // namespace

QString DisplayText(const Calculator& calc, const QString& entryShown) {
    if (!entryShown.isEmpty()) return entryShown;
    if (calc.count() > 0) return QString::fromStdString(ShownValue(calc.top()));
    return QString::fromStdString(CountLabel(0));
}

SpokenDisplay::SpokenDisplay(QWidget* catcher, QWidget* place)
    : QObject(catcher), catcher_(catcher), place_(place) {
    catcher->setAccessibleName(QStringLiteral("Display"));  // the entry line's own tooltip
    // An interface Qt made for the catcher before it was the display (as widgets are built, with
    // assistive technology listening) gives way to the display's own.
    QAccessible::deleteAccessibleInterface(
        QAccessible::uniqueId(QAccessible::queryAccessibleInterface(catcher)));
}

void SpokenDisplay::show(const QString& text, bool fromEntry) {
    if (text == text_ && fromEntry == fromEntry_) return;
    const QString old = std::exchange(text_, text);
    const bool wasEntry = std::exchange(fromEntry_, fromEntry);
    if (!QAccessible::isActive()) return;

    // The change as the least text removed and inserted at one place.
    qsizetype same = 0;
    while (same < old.size() && same < text.size() && old[same] == text[same]) ++same;
    qsizetype tail = 0;
    while (tail < old.size() - same && tail < text.size() - same &&
           old[old.size() - 1 - tail] == text[text.size() - 1 - tail]) {
        ++tail;
    }
    const QString removed = old.mid(same, old.size() - same - tail);
    const QString inserted = text.mid(same, text.size() - same - tail);
    const bool atEnd = tail == 0 && removed.size() + inserted.size() == 1;
    const bool typed = fromEntry && (wasEntry ? atEnd : text.size() == 1);

    // A screen reader reads out a new text of the focused object only when the user typed it
    // (Orca 43: a result set by the program is "lack of cause"), but reads whole an object that
    // takes the focus. So the display is presented anew: a new interface, and the focus on it.
    const bool anew = !typed && catcher_->hasFocus();
    if (anew) {
        QAccessible::deleteAccessibleInterface(
            QAccessible::uniqueId(QAccessible::queryAccessibleInterface(catcher_)));
    }
    if (!removed.isEmpty() || !inserted.isEmpty()) {
        QAccessibleTextUpdateEvent changed(catcher_, int(same), removed, inserted);
        QAccessible::updateAccessibility(&changed);
    }
    if (anew) {
        QAccessibleEvent focus(catcher_, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

void InstallAccessibleInterfaces() { QAccessible::installFactory(InterfaceFor); }

}  // namespace orvane::ui
