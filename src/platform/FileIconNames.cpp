#include "platform/FileIconNames.h"

#include <QGuiApplication>
#include <QMimeDatabase>

namespace platform {

namespace {

QMimeType TypeOfName(const QFileInfo& info) {
  return QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
}

}  // namespace

QIcon FileIconNames::icon(const QFileInfo& info) const {
  if (info.isRoot()) return icon(Drive);
  if (info.isDir()) return icon(Folder);
  const QIcon themed = QIcon::fromTheme(TypeOfName(info).iconName());
  return themed.isNull() ? icon(File) : themed;
}

QString FileIconNames::type(const QFileInfo& info) const {
  // Folders and drives are named from the file system's own data; only files are guessed.
  if (info.isDir() || info.isRoot()) return QFileIconProvider::type(info);
  const QMimeType mime = TypeOfName(info);
  if (!mime.isDefault()) return mime.comment().isEmpty() ? mime.name() : mime.comment();
  if (info.suffix().isEmpty()) return QGuiApplication::translate("QAbstractFileIconProvider", "File");
  return QGuiApplication::translate("QAbstractFileIconProvider", "%1 File").arg(info.suffix());
}

FileIconNames& FileDialogIcons() {
  static FileIconNames icons;
  return icons;
}

}  // namespace platform
