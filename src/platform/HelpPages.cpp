#include "platform/HelpPages.h"

#include <QDesktopServices>
#include <QFile>
#include <QGuiApplication>
#include <QUrl>
#include <system_error>

namespace platform {

bool QtHelpPages::open(const std::filesystem::path& page) {
  std::error_code error;
  if (!std::filesystem::is_regular_file(page, error)) return false;
  if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) return false;
  // The whole path, however long: the page's folder may lie deep in the file system.
  const QString file = QFile::decodeName(std::filesystem::absolute(page, error).native().c_str());
  return QDesktopServices::openUrl(QUrl::fromLocalFile(file));
}

}  // namespace platform
