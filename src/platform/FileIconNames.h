#pragma once
// Icons and type names for the file dialogs, taken from the names alone. The library's
// own provider opens each listed file to guess its type from the contents, and reading
// some files blocks for good (/proc/kmsg): the dialog's worker thread hangs, and the
// whole program with it once the dialog waits for that thread.
#include <QFileIconProvider>

namespace platform {

// The style's icons for folders, drives and files, or the theme's icon of the type the
// name stands for.
class FileIconNames final : public QFileIconProvider {
 public:
  using QFileIconProvider::icon;
  QIcon icon(const QFileInfo& info) const override;
  QString type(const QFileInfo& info) const override;
};

// The one provider the program's file dialogs share (it lives as long as the program).
FileIconNames& FileDialogIcons();

}  // namespace platform
