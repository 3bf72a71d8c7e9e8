// The window's own title bar, for a Wayland compositor that leaves title bars to its clients
// (weston, GNOME): Qt 6.4 draws its own there, with a maximise button whatever the window's flags,
// and a window of one fixed size has nothing to maximise. Its icon and title, minimise and close.
#pragma once

#include <QWidget>

namespace orvane::ui {

// Whether the window must carry this title bar: on Wayland when the compositor offers no title
// bars of its own (no xdg-decoration manager; KWin has one, and honours the fixed size).
bool NeedsOwnTitleBar();

class TitleBar : public QWidget {
    Q_OBJECT
  public:
    explicit TitleBar(QWidget* parent);
    QSize sizeHint() const override;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;  // a press on the title moves the window
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
};

}  // namespace orvane::ui
