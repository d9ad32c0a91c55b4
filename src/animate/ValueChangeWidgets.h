#pragma once
// Small widgets and helpers the parameter panel's window is built from.
#include <QColor>
#include <QFont>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <functional>
#include <string>

#include "platform/Color.h"

namespace value_change {

inline QFont UiFont(int pixels, bool bold = false) {
  QFont f(QStringLiteral("IPAPGothic"));
  f.setPixelSize(pixels);
  f.setBold(bold);
  return f;
}

inline QString Utf8(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<int>(s.size())); }

inline QString ColorName(uint32_t bgr) { return QColor::fromRgb(gfx::ToArgb(bgr)).name(); }

// A panel that reacts to a click, as the value panels do.
class ClickPanel : public QLabel {
 public:
  using QLabel::QLabel;
  std::function<void()> clicked;

 protected:
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && clicked) clicked();
  }
};

// An owner-drawn picture (a selector) that passes its mouse presses and releases on.
class PictureView : public QWidget {
 public:
  using QWidget::QWidget;
  std::function<const QImage*()> picture;
  std::function<void(int x, int y)> pressed, released;

 protected:
  void paintEvent(QPaintEvent*) override {
    const QImage* image = picture ? picture() : nullptr;
    if (!image) return;
    QPainter p(this);
    p.drawImage(0, 0, *image);
  }
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && pressed) pressed(event->position().x(), event->position().y());
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton && released) released(event->position().x(), event->position().y());
  }
};

}  // namespace value_change
