// The display bar behind the entry line: a pale green rounded bar on the window colour.
#pragma once

#include <QWidget>

namespace orvane::ui {

class DisplayBar : public QWidget {
  public:
    using QWidget::QWidget;

  protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace orvane::ui
