#include "platform/Clipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace platform {

void QtClipboard::setImage(const QImage& image) {
  // There is no clipboard before the application object exists.
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
  QGuiApplication::clipboard()->setImage(image);
}

void QtClipboard::setText(const std::string& utf8) {
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return;
  QGuiApplication::clipboard()->setText(QString::fromStdString(utf8));
}

}  // namespace platform
