#include "ui/StatusPanels.h"

#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

namespace {
// Each panel leaves this much of its width to the gap before the next, and its text
// this much room from the bevel on either side.
constexpr int kBevel = 2, kTextInset = 2;
}  // namespace

StatusPanels::StatusPanels(std::vector<int> widths, QWidget* parent) : QWidget(parent) {
  for (int w : widths) panels_.push_back({QString(), w, false});
  setMouseTracking(true);
  QFont small = font();
  small.setPixelSize(12);
  setFont(small);
}

void StatusPanels::SetPanelText(int i, const std::string& utf8) {
  panels_[static_cast<size_t>(i)].text = QString::fromUtf8(utf8);
  update();
}

void StatusPanels::SetPanelWidth(int i, int width) {
  panels_[static_cast<size_t>(i)].width = width;
  update();
}

int StatusPanels::FittingWidth(const std::string& utf8) const {
  return fontMetrics().horizontalAdvance(QString::fromUtf8(utf8)) + 2 * kTextInset + kBevel;
}

void StatusPanels::SetPanelRaised(int i, bool raised) {
  panels_[static_cast<size_t>(i)].raised = raised;
  update();
}

void StatusPanels::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), palette().window());
  int x = 0;
  for (const Panel& panel : panels_) {
    // The last panel reaches to the bar's end.
    const int w = &panel == &panels_.back() ? std::max(panel.width, width() - x) : panel.width;
    const QRect r(x, 1, w - kBevel, height() - 2);
    if (w > 2) {
      p.setPen(panel.raised ? Qt::white : Qt::gray);
      p.drawLine(r.topLeft(), r.topRight());
      p.drawLine(r.topLeft(), r.bottomLeft());
      p.setPen(panel.raised ? Qt::gray : Qt::white);
      p.drawLine(r.bottomLeft(), r.bottomRight());
      p.drawLine(r.topRight(), r.bottomRight());
      p.setPen(palette().color(QPalette::WindowText));
      p.drawText(r.adjusted(kTextInset, 0, -kTextInset, 0), Qt::AlignVCenter | Qt::AlignLeft, panel.text);
    }
    x += panel.width;
  }
}

void StatusPanels::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  down_ = true;
  if (pressed) pressed(event->position().toPoint().x());
}

void StatusPanels::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  const int x = event->position().toPoint().x();
  if (released) released(x);
  if (down_ && rect().contains(event->position().toPoint()) && clicked) clicked(x);
  down_ = false;
}

void StatusPanels::mouseDoubleClickEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  // The release that follows a double click is no click of its own.
  down_ = false;
  if (doubleClicked) doubleClicked(event->position().toPoint().x());
}

void StatusPanels::mouseMoveEvent(QMouseEvent* event) {
  if (moved) moved(event->position().toPoint().x());
}
