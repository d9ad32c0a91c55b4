#include "platform/Screen.h"

#include <QGuiApplication>
#include <QScreen>

namespace platform {

namespace {

constexpr ScreenRect kNoScreen{0, 0, 1024, 768};

const QScreen* Primary() {
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return nullptr;
  return QGuiApplication::primaryScreen();
}

ScreenRect From(const QRect& r) { return {r.x(), r.y(), r.width(), r.height()}; }

}  // namespace

ScreenRect QtScreen::geometry() const {
  const QScreen* s = Primary();
  return s ? From(s->geometry()) : kNoScreen;
}

ScreenRect QtScreen::workArea() const {
  const QScreen* s = Primary();
  return s ? From(s->availableGeometry()) : kNoScreen;
}

}  // namespace platform
