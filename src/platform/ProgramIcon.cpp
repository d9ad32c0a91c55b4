#include "platform/ProgramIcon.h"

#include <QFile>

namespace platform {

namespace {
const QString kResource = QStringLiteral(":/icons/lumenplotter.svg");
}

QIcon ProgramIcon() { return QIcon(kResource); }

QByteArray ProgramIconSvg() {
  QFile file(kResource);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

}  // namespace platform
