#pragma once
// A panel that acts on a click, with a hint that may change while the mouse is over it:
// the click-to-edit fields and colour panels of the windows.
#include <QHelpEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QToolTip>
#include <functional>

class ClickLabel : public QLabel {
 public:
  using QLabel::QLabel;
  std::function<void()> clicked;
  std::function<QString()> hint;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    QLabel::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton && isEnabled() && rect().contains(event->position().toPoint()) && clicked) clicked();
  }
  bool event(QEvent* event) override {
    if (event->type() == QEvent::ToolTip && hint) {
      QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), hint(), this);
      return true;
    }
    return QLabel::event(event);
  }
};
