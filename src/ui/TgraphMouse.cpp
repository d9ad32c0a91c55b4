// The graph window's mouse: the picture's events go to GraphMouse and the tool strip's view
// buttons to GraphViewButtons; what the mouse work shows goes to the status bars, the two
// labels over the picture and the cursor.
#include <QCursor>
#include <QLabel>
#include <QMouseEvent>
#include <QToolButton>
#include <QWheelEvent>

#include "animate/TimerJobs.h"
#include "formula/DocumentState.h"
#include "platform/Sjis.h"
#include "ui/GraphToolStrip.h"
#include "ui/GraphViewButtons.h"
#include "ui/LabelDrag.h"
#include "ui/StatusPanels.h"
#include "ui/Tgraph.h"
#include "ui/Tlabeleditor.h"
#include "ui/Tlpnavi.h"

namespace {

// The view buttons by their codes.
constexpr std::pair<const char*, int> kViewButtons[] = {
    {"gleft", 0},   {"gright", 1},   {"gup", 2},     {"gdown", 3},       {"gsmall", 4},     {"glarge", 5},  {"xlarge", 9},
    {"xsmall", 10}, {"ylarge", 11},  {"ysmall", 12}, {"Rightup", 13},    {"rightdown", 14}, {"nearBT", 15}, {"farBT", 16},
};

GraphMouse::Button ButtonOf(Qt::MouseButton b) {
  if (b == Qt::RightButton) return GraphMouse::Button::Right;
  if (b == Qt::MiddleButton) return GraphMouse::Button::Middle;
  return GraphMouse::Button::Left;
}

}  // namespace

void Tgraph::ConnectMouse() {
  mouse_ = std::make_unique<GraphMouse>(static_cast<GraphMouseHost&>(*this), Timer1());
  viewButtons_ = std::make_unique<GraphViewButtons>(Timer1());
  graphpaint_->setMouseTracking(true);
  graphpaint_->setContextMenuPolicy(Qt::PreventContextMenu);  // the menu comes on the release
  graphpaint_->installEventFilter(this);
  for (const auto& button : kViewButtons) {
    const auto code = button.second;
    QToolButton* b = toolbar1_->Button(button.first);
    connect(b, &QToolButton::pressed, this, [this, code] { viewButtons_->Press(code); });
    connect(b, &QToolButton::released, this, [this] { viewButtons_->Release(); });
    connect(b, &QToolButton::clicked, this, [this, code] { viewButtons_->Click(code); });
  }
  connect(toolbar1_->Button("origi"), &QToolButton::clicked, this, [] { origiClick(); });
  connect(toolbar1_->Button("hiritu1"), &QToolButton::clicked, this, [] { hiritu1Click(); });
}

bool Tgraph::eventFilter(QObject* watched, QEvent* event) {
  if (watched != graphpaint_) return QWidget::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick: {
      auto* e = static_cast<QMouseEvent*>(event);
      const QPoint at = e->position().toPoint();
      if (event->type() == QEvent::MouseButtonPress)
        mouse_->Press(ButtonOf(e->button()), at.x(), at.y());
      else
        mouse_->DoubleClick(ButtonOf(e->button()), at.x(), at.y());
      return true;
    }
    case QEvent::MouseMove: {
      auto* e = static_cast<QMouseEvent*>(event);
      // A drag whose release went elsewhere ends here.
      if (e->buttons() == Qt::NoButton) mouse_->Cancel();
      mouse_->Move(e->position().toPoint().x(), e->position().toPoint().y());
      return true;
    }
    case QEvent::MouseButtonRelease: {
      auto* e = static_cast<QMouseEvent*>(event);
      const QPoint at = e->position().toPoint();
      mouse_->Release(ButtonOf(e->button()), at.x(), at.y());
      if (e->button() == Qt::RightButton)
        ShowPopupMenu(graphpaint_->mapToGlobal(QPoint(mouse_->MouseDownX, mouse_->MouseDownY)), mouse_->MouseDownX,
                      mouse_->MouseDownY);
      return true;
    }
    case QEvent::Wheel: {
      // One notch per 120 units, as a wheel clicks.
      wheelDelta_ += static_cast<QWheelEvent*>(event)->angleDelta().y();
      for (; wheelDelta_ >= 120; wheelDelta_ -= 120) mouse_->Wheel(1);
      for (; wheelDelta_ <= -120; wheelDelta_ += 120) mouse_->Wheel(-1);
      return true;
    }
    case QEvent::Leave:
      // What was shown beside the mouse goes with it.
      if (modes.SnapMode == 2) {
        HideDragHint();
        HideInfo();
      }
      break;
    case QEvent::Hide:
    case QEvent::UngrabMouse: mouse_->Cancel(); break;
    default: break;
  }
  return QWidget::eventFilter(watched, event);
}

void Tgraph::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && !isActiveWindow()) mouse_->Cancel();
}

// --- what the mouse work shows -------------------------------------------------------------

void Tgraph::ShowReadout(const std::string& text) {
  const std::string utf8 = sjis::ToUtf8(text);
  statusBar_->SetPanelText(2, utf8);
  navigator_.StatusBar()->SetPanelText(2, utf8);
}

void Tgraph::RaiseNavigatorPanel() { navigator_.StatusBar()->SetPanelRaised(0, true); }

void Tgraph::ShowRange() { ShowRangeInStatusBar(); }

void Tgraph::PlaceBeside(QLabel* label, int x, int y, int dx, int dy) {
  label->adjustSize();
  int left = x + dx;
  if (left + label->width() > doc.GraphWidth) left = x - std::abs(dx) - label->width();
  // The labels sit on the panel around the picture, one pixel off.
  label->move(graphpaint_->x() + left, graphpaint_->y() + y + dy);
  label->show();
  label->raise();
}

void Tgraph::ShowDragHint(int x, int y, int dx, int dy) { PlaceBeside(label6_, x, y, dx, dy); }

void Tgraph::HideDragHint() { label6_->hide(); }

void Tgraph::ShowInfo(const std::string& text, int x, int y, int dx, int dy) {
  label7_->setText(QString::fromStdString(sjis::ToUtf8(text)));
  PlaceBeside(label7_, x, y, dx, dy);
}

void Tgraph::HideInfo() { label7_->hide(); }

void Tgraph::SetCursor(Cursor cursor) {
  static const Qt::CursorShape shapes[] = {Qt::CrossCursor, Qt::SizeAllCursor, Qt::PointingHandCursor};
  graphpaint_->setCursor(shapes[static_cast<int>(cursor)]);
}

void Tgraph::WarpCursor(int x, int y) { QCursor::setPos(graphpaint_->mapToGlobal(QPoint(x, y))); }

void Tgraph::PictureChanged() { graphpaint_->update(); }

bool Tgraph::DragShiftDown() { return toolbar1_->Button("dragshiftBT")->isChecked(); }

void Tgraph::ReleaseDragShift() { toolbar1_->Button("dragshiftBT")->setChecked(false); }

void Tgraph::RebuildNavigatorList() { navigator_.RebuildEquationList(); }

LabelDrag* Tgraph::Labels() {
  LabelEditorModel* editor = labeleditor ? &labeleditor->Model() : nullptr;
  if (editor != labelDragEditor_) {
    labelDrag_ = editor ? std::make_unique<LabelDrag>(*editor) : nullptr;
    labelDragEditor_ = editor;
  }
  return labelDrag_.get();
}
