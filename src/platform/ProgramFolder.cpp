#include "platform/ProgramFolder.h"

#include <QCoreApplication>
#include <QFile>
#include <system_error>

namespace platform {

namespace {

// Before the application object exists (and in plain tests) the kernel knows.
std::filesystem::path FromKernel() {
  std::error_code error;
  return std::filesystem::read_symlink("/proc/self/exe", error);
}

std::filesystem::path ToPath(const QString& s) { return QFile::encodeName(s).toStdString(); }

}  // namespace

std::filesystem::path ProgramFile() {
  if (QCoreApplication::instance()) return ToPath(QCoreApplication::applicationFilePath());
  return FromKernel();
}

std::filesystem::path ProgramFolder() {
  if (QCoreApplication::instance()) return ToPath(QCoreApplication::applicationDirPath());
  return FromKernel().parent_path();
}

}  // namespace platform
