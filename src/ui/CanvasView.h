#pragma once
// Shows an owner-drawn picture at its own size and hands the mouse to the window's logic
// in picture coordinates.
#include <QImage>
#include <QWidget>
#include <functional>

class CanvasView : public QWidget {
 public:
  explicit CanvasView(QWidget* parent = nullptr);

  void SetPicture(const QImage& picture);
  const QImage& Picture() const { return picture_; }

  std::function<void(int x, int y)> pressed, released, moved;
  // The context-menu request (the right button) at (x, y).
  std::function<void(int x, int y)> contextMenu;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  QImage picture_;
};
