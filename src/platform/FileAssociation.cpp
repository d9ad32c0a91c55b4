#include "platform/FileAssociation.h"

#include <QFile>
#include <QProcess>
#include <QSaveFile>
#include <QStandardPaths>
#include <cstdlib>
#include <system_error>
#include <vector>

#include "platform/ProgramIcon.h"

namespace platform {

namespace {

std::filesystem::path FromEnvironment(const char* variable, const char* fallbackUnderHome) {
  const char* value = std::getenv(variable);
  // Relative values are invalid and to be ignored.
  if (value && *value == '/') return value;
  const char* home = std::getenv("HOME");
  if (!home || *home != '/') return {};
  return std::filesystem::path(home) / fallbackUnderHome;
}

QString Q(const std::filesystem::path& p) { return QFile::decodeName(p.native().c_str()); }

bool Fail(std::string* error, std::string text) {
  if (error) *error = std::move(text);
  return false;
}

// Written whole or not at all, so that a failure never leaves half a file behind.
bool WriteFile(const std::filesystem::path& file, const std::string& contents, std::string* error) {
  std::error_code ec;
  std::filesystem::create_directories(file.parent_path(), ec);
  QSaveFile out(Q(file));
  if (!out.open(QIODevice::WriteOnly) ||
      out.write(contents.data(), static_cast<qint64>(contents.size())) !=
          static_cast<qint64>(contents.size()) ||
      !out.commit())
    return Fail(error, file.string() + ": " + out.errorString().toStdString());
  return true;
}

// A file that is missing reads as empty; one that is there but unreadable is an error,
// so that it is never overwritten with less than it held.
bool ReadFile(const std::filesystem::path& file, std::string& contents, std::string* error) {
  contents.clear();
  std::error_code ec;
  if (!std::filesystem::exists(file, ec)) return true;
  QFile in(Q(file));
  if (!in.open(QIODevice::ReadOnly))
    return Fail(error, file.string() + ": " + in.errorString().toStdString());
  contents = in.readAll().toStdString();
  return true;
}

// The desktop's caches are rebuilt when their tools are installed; without them the
// files still take effect when the desktop next scans the folders.
void RunIfPresent(const char* tool, const std::filesystem::path& folder) {
  const QString program = QStandardPaths::findExecutable(QString::fromLatin1(tool));
  if (program.isEmpty()) return;
  QProcess process;
  process.setProcessChannelMode(QProcess::MergedChannels);
  process.start(program, {Q(folder)});
  if (process.waitForStarted(5000) && !process.waitForFinished(30000)) process.kill();
  process.waitForFinished(1000);
}

// The type's icon by the name desktops look it up under.
std::string MimeIconName() {
  std::string name(kEquationMimeType);
  name[name.find('/')] = '-';
  return name;
}

std::string MimeTypeXml() {
  return std::string(
             "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
             "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
             "  <mime-type type=\"") +
         std::string(kEquationMimeType) +
         "\">\n"
         "    <comment>Lumenplotter equation file</comment>\n"
         "    <comment xml:lang=\"ja\">Lumenplotter 数式ファイル</comment>\n"
         "    <sub-class-of type=\"text/plain\"/>\n"
         "    <glob pattern=\"*.lpw\"/>\n"
         "    <icon name=\"" +
         MimeIconName() +
         "\"/>\n"
         "  </mime-type>\n"
         "</mime-info>\n";
}

std::string DesktopEntry(const std::string& execProgram) {
  return "[Desktop Entry]\n"
         "Type=Application\n"
         "Version=1.0\n"
         "Name=Lumenplotter\n"
         "Exec=" +
         execProgram +
         " %f\n"
         "MimeType=" +
         std::string(kEquationMimeType) +
         ";\n"
         "Icon=" +
         std::string(kProgramIconName) +
         "\n"
         "Terminal=false\n"
         "Categories=Education;Math;\n";
}

}  // namespace

std::filesystem::path XdgDataHome() { return FromEnvironment("XDG_DATA_HOME", ".local/share"); }
std::filesystem::path XdgConfigHome() { return FromEnvironment("XDG_CONFIG_HOME", ".config"); }

std::string DesktopExecArgument(std::string_view text) {
  std::string quoted = "\"";
  for (char c : text) {
    if (c == '\n' || c == '\r' || c == '\0') return {};
    if (c == '"' || c == '`' || c == '$') {
      quoted += '\\';
      quoted += c;
    } else if (c == '\\') {
      // Escaped once for the quoting and once more for the key's string value.
      quoted += "\\\\\\\\";
    } else if (c == '%') {
      quoted += "%%";
    } else {
      quoted += c;
    }
  }
  return quoted + '"';
}

std::string WithDefaultApplication(std::string_view list, std::string_view mimeType,
                                   std::string_view defaultEntry) {
  const std::string entry = std::string(mimeType) + "=" + std::string(defaultEntry);
  std::vector<std::string> lines;
  for (size_t start = 0; start < list.size();) {
    size_t end = list.find('\n', start);
    if (end == std::string_view::npos) end = list.size();
    lines.emplace_back(list.substr(start, end - start));
    start = end + 1;
  }
  auto isSection = [](const std::string& l) { return !l.empty() && l.front() == '['; };
  auto keyOf = [](const std::string& l) {
    const size_t eq = l.find('=');
    std::string key = l.substr(0, eq == std::string::npos ? 0 : eq);
    while (!key.empty() && key.back() == ' ') key.pop_back();
    return key;
  };

  bool inDefaults = false, placed = false;
  std::vector<std::string> out;
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    if (isSection(line)) {
      if (inDefaults && !placed) {
        out.push_back(entry);
        placed = true;
      }
      inDefaults = line == "[Default Applications]";
    } else if (inDefaults && keyOf(line) == mimeType) {
      if (!placed) out.push_back(entry);
      placed = true;
      continue;
    }
    out.push_back(line);
  }
  if (!placed) {
    if (!inDefaults) {
      if (!out.empty() && !out.back().empty()) out.emplace_back();
      out.emplace_back("[Default Applications]");
    }
    out.push_back(entry);
  }
  std::string text;
  for (const std::string& l : out) text += l + '\n';
  return text;
}

bool AssociateEquationFiles(const std::filesystem::path& programFile, std::string* error) {
  const std::filesystem::path data = XdgDataHome(), config = XdgConfigHome();
  if (data.empty() || config.empty()) return Fail(error, "no home folder");
  const std::string exec = DesktopExecArgument(programFile.string());
  if (exec.empty()) return Fail(error, programFile.string() + ": unusable program path");

  const std::string icon = ProgramIconSvg().toStdString();
  if (icon.empty()) return Fail(error, "the program's icon is missing");

  const std::filesystem::path icons = data / "icons" / "hicolor" / "scalable";
  const std::filesystem::path mime = data / "mime";
  const std::filesystem::path applications = data / "applications";
  const std::filesystem::path mimeapps = config / "mimeapps.list";
  std::string defaults;
  if (!ReadFile(mimeapps, defaults, error) ||
      !WriteFile(icons / "apps" / (std::string(kProgramIconName) + ".svg"), icon, error) ||
      !WriteFile(icons / "mimetypes" / (MimeIconName() + ".svg"), icon, error) ||
      !WriteFile(mime / "packages" / "lumenplotter-lpw.xml", MimeTypeXml(), error) ||
      !WriteFile(applications / kDesktopEntryName, DesktopEntry(exec), error) ||
      !WriteFile(mimeapps, WithDefaultApplication(defaults, kEquationMimeType, kDesktopEntryName),
                 error))
    return false;
  RunIfPresent("update-mime-database", mime);
  RunIfPresent("update-desktop-database", applications);
  return true;
}

}  // namespace platform
