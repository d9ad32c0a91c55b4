#include "platform/Dialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFile>
#include <QFileDialog>
#include <QFontDialog>
#include <QMessageBox>
#include <QPushButton>

#include "platform/Color.h"
#include "platform/EventPump.h"
#include "platform/FileIconNames.h"
#include "platform/FontMap.h"
#include "platform/Sjis.h"

namespace platform {

namespace {

QString Q(const std::string& utf8) { return QString::fromStdString(utf8); }

std::vector<std::string> Split(std::string_view s, char sep) {
  std::vector<std::string> parts;
  size_t start = 0;
  for (;;) {
    size_t end = s.find(sep, start);
    parts.emplace_back(s.substr(start, end == std::string_view::npos ? end : end - start));
    if (end == std::string_view::npos) return parts;
    start = end + 1;
  }
}

QString FilterName(const FileFilterEntry& e) {
  QStringList patterns;
  for (const std::string& p : e.patterns) patterns << Q(p);
  return Q(e.description) + " (" + patterns.join(' ') + ")";
}

std::filesystem::path ToPath(const QString& s) { return QFile::encodeName(s).toStdString(); }
QString FromPath(const std::filesystem::path& p) { return QFile::decodeName(p.native().c_str()); }

QColor ToQColor(int32_t bgr) { return QColor(gfx::ToArgb(static_cast<gfx::Color>(bgr))); }
int32_t FromQColor(const QColor& c) { return static_cast<int32_t>(gfx::FromArgb(c.rgb())); }

}  // namespace

// --- filter helpers -----------------------------------------------------------------

std::vector<FileFilterEntry> ParseFileFilter(std::string_view filter) {
  std::vector<FileFilterEntry> entries;
  if (filter.empty()) return entries;
  const std::vector<std::string> parts = Split(filter, '|');
  for (size_t i = 0; i + 1 < parts.size(); i += 2) {
    FileFilterEntry e{parts[i], {}};
    for (std::string& p : Split(parts[i + 1], ';'))
      if (!p.empty()) e.patterns.push_back(std::move(p));
    if (!e.patterns.empty()) entries.push_back(std::move(e));
  }
  return entries;
}

std::string DefaultSuffix(std::string_view defaultExtension) {
  std::string_view s = defaultExtension.substr(0, defaultExtension.find('|'));
  while (!s.empty() && s.front() == '.') s.remove_prefix(1);
  return std::string(s);
}

std::string SuffixOfEntry(const FileFilterEntry& entry) {
  for (const std::string& p : entry.patterns) {
    if (p.size() > 2 && p.compare(0, 2, "*.") == 0 && p.find_first_of("*?", 2) == std::string::npos)
      return p.substr(2);
  }
  return {};
}

// --- Qt -----------------------------------------------------------------------------

std::optional<std::filesystem::path> QtDialogs::runFileDialog(const FileDialogRequest& request,
                                                              bool save) {
  // Qt's own dialog everywhere: its pattern matching ignores letter case, as the
  // filters were written for a file system that does, and it behaves the same on
  // every desktop.
  QFileDialog dialog(parent_, Q(request.title), FromPath(request.folder));
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setIconProvider(&FileDialogIcons());  // never reads the listed files
  dialog.setAcceptMode(save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);

  const std::vector<FileFilterEntry> entries = ParseFileFilter(request.filter);
  QStringList names;
  for (const FileFilterEntry& e : entries) names << FilterName(e);
  if (!names.isEmpty()) dialog.setNameFilters(names);
  dialog.setDefaultSuffix(Q(DefaultSuffix(request.defaultExtension)));
  if (save) {
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&](const QString& name) {
      const qsizetype i = names.indexOf(name);
      if (i < 0) return;
      const std::string suffix = SuffixOfEntry(entries[static_cast<size_t>(i)]);
      if (!suffix.empty()) dialog.setDefaultSuffix(Q(suffix));
    });
  }
  if (!request.fileName.empty()) dialog.selectFile(Q(request.fileName));

  NestedLoopScope nested;
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QStringList files = dialog.selectedFiles();
  if (files.isEmpty() || files.front().isEmpty()) return std::nullopt;
  return ToPath(files.front());
}

std::optional<std::filesystem::path> QtDialogs::openFile(const FileDialogRequest& request) {
  return runFileDialog(request, false);
}

std::optional<std::filesystem::path> QtDialogs::saveFile(const FileDialogRequest& request) {
  return runFileDialog(request, true);
}

std::optional<int32_t> QtDialogs::chooseColor(int32_t initial) {
  QColorDialog dialog(ToQColor(initial), parent_);
  dialog.setOption(QColorDialog::DontUseNativeDialog);
  NestedLoopScope nested;
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return FromQColor(dialog.selectedColor());
}

std::optional<FontChoice> QtDialogs::chooseFont(const FontChoice& initial) {
  QFont font(gfx::FontFamilyFor(sjis::FromUtf8(initial.face)));
  font.setPointSize(initial.size > 0 ? initial.size : 12);
  font.setBold(initial.style & 1);
  font.setItalic(initial.style & 2);
  font.setUnderline(initial.style & 4);
  font.setStrikeOut(initial.style & 8);

  QFontDialog dialog(font, parent_);
  dialog.setOption(QFontDialog::DontUseNativeDialog);
  // The font as the dialog resolved it: a family it does not list, or a style the
  // family lacks (the IPA faces have no bold), shows as something else. What the user
  // leaves as shown keeps the stored value, so documents keep their faces and styles.
  const QFont shown = dialog.currentFont();
  NestedLoopScope nested;
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QFont chosen = dialog.selectedFont();

  FontChoice result = initial;  // the colour stays: Qt's font dialog has none
  if (chosen.family() != shown.family()) result.face = chosen.family().toStdString();
  if (chosen.pointSize() > 0) result.size = chosen.pointSize();
  uint8_t style = initial.style & 3;
  if (chosen.bold() != shown.bold() || chosen.italic() != shown.italic())
    style = (chosen.bold() ? 1 : 0) | (chosen.italic() ? 2 : 0);
  result.style = static_cast<uint8_t>(style | (chosen.underline() ? 4 : 0) | (chosen.strikeOut() ? 8 : 0));
  return result;
}

void QtDialogs::showMessage(const std::string& text) {
  QMessageBox box(QMessageBox::NoIcon, QCoreApplication::applicationName(), Q(text),
                  QMessageBox::Ok, parent_);
  NestedLoopScope nested;
  box.exec();
}

bool QtDialogs::ask(const std::string& question) {
  QMessageBox box(QMessageBox::Warning, QCoreApplication::applicationName(), Q(question),
                  QMessageBox::NoButton, parent_);
  QPushButton* yes = box.addButton(QString::fromUtf8("了解 (&Y)"), QMessageBox::YesRole);
  QPushButton* no = box.addButton(QString::fromUtf8("取消し (&N)"), QMessageBox::NoRole);
  box.setDefaultButton(yes);
  box.setEscapeButton(no);
  NestedLoopScope nested;
  box.exec();
  return box.clickedButton() == yes;
}

}  // namespace platform
