#include "platform/KeepOnScreen.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPointer>
#include <QTimer>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace platform {

namespace {

// A window placed before it is shown is placed again once it is on the screen: its frame
// is known only then.
class PlaceAgainWhenShown final : public QObject {
 public:
  static constexpr const char* kName = "placeAgainWhenShown";
  explicit PlaceAgainWhenShown(QWidget* window) : QObject(window) { setObjectName(QLatin1String(kName)); }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && watched == parent()) {
      watched->removeEventFilter(this);
      QPointer<QWidget> window = static_cast<QWidget*>(watched);
      QTimer::singleShot(0, window, [window] {
        if (window) KeepOnScreen(*window);
      });
      deleteLater();
    }
    return false;
  }
};

}  // namespace

ScreenRect KeptInside(const ScreenRect& window, const ScreenRect& area) {
  ScreenRect kept = window;
  kept.left = std::max(std::min(window.left, area.right() - window.width), area.left);
  kept.top = std::max(std::min(window.top, area.bottom() - window.height), area.top);
  return kept;
}

void PlaceOnScreen(QWidget& window, int left, int top) {
  const QSize size = window.frameGeometry().size();
  const QRect wanted(QPoint(left, top), size);
  const QScreen* screen = QGuiApplication::screenAt(wanted.center());
  if (!screen) screen = QGuiApplication::primaryScreen();
  QPoint place(left, top);
  if (screen) {
    const QRect work = screen->availableGeometry();
    const ScreenRect kept =
        KeptInside({left, top, size.width(), size.height()}, {work.x(), work.y(), work.width(), work.height()});
    place = QPoint(kept.left, kept.top);
  }
  if (window.pos() != place) window.move(place);
  if (!window.isVisible() &&
      !window.findChild<QObject*>(QLatin1String(PlaceAgainWhenShown::kName), Qt::FindDirectChildrenOnly))
    window.installEventFilter(new PlaceAgainWhenShown(&window));
}

void KeepOnScreen(QWidget& window) { PlaceOnScreen(window, window.x(), window.y()); }

}  // namespace platform
