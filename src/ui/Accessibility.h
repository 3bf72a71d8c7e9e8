// What assistive technology meets in the window: the key catcher, which holds the focus,
// presented as the calculator's display; the keys with their words and keyboard keys; the angle
// entries as one group of choices. Nothing of it changes what the window shows.
#pragma once

#include <QObject>
#include <QPointer>
#include <QString>

#include "core/Calculator.h"

class QWidget;

namespace orvane::ui {

// What a sighted user reads as the result: the entry line while a number is typed, else the
// value at level 1 as the listing shows it, else the count label ("Stack: 0").
QString DisplayText(const Calculator& calc, const QString& entryShown);

// The display as a screen reader reads it: the text of the focused key catcher, in the entry
// line's place. A child of the catcher, which it presents.
class SpokenDisplay : public QObject {
    Q_OBJECT
  public:
    SpokenDisplay(QWidget* catcher, QWidget* place);

    // The display now reads `text`, read from the entry line or not. Assistive technology is
    // told of the change; unless the user typed it (a character added to or deleted from the
    // entry line, which the screen reader echoes itself), the display is presented anew, so its
    // text is read out even when only its source changed (a failing operation clears the entry
    // line and shows the same value).
    void show(const QString& text, bool fromEntry);
    const QString& text() const { return text_; }
    QWidget* place() const { return place_; }

  private:
    QWidget* catcher_;
    QPointer<QWidget> place_;
    QString text_;
    bool fromEntry_ = false;
};

// Makes Qt build the interfaces above for the key catcher, the keypad keys and the angle entries.
// Once is enough; again does nothing.
void InstallAccessibleInterfaces();

}  // namespace orvane::ui
