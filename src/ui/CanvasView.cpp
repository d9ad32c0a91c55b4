#include "ui/CanvasView.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

CanvasView::CanvasView(QWidget* parent) : QWidget(parent) { setMouseTracking(true); }

void CanvasView::SetPicture(const QImage& picture) {
  picture_ = picture;
  setFixedSize(picture_.size());
  update();
}

void CanvasView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.drawImage(0, 0, picture_);
}

void CanvasView::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && pressed) pressed(event->position().toPoint().x(), event->position().toPoint().y());
}

void CanvasView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && released)
    released(event->position().toPoint().x(), event->position().toPoint().y());
}

void CanvasView::mouseMoveEvent(QMouseEvent* event) {
  if (moved) moved(event->position().toPoint().x(), event->position().toPoint().y());
}

void CanvasView::contextMenuEvent(QContextMenuEvent* event) {
  if (contextMenu) contextMenu(event->pos().x(), event->pos().y());
}
