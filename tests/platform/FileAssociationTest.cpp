#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#include "support/GuiApp.h"
#include "platform/FileAssociation.h"
#include "platform/ProgramIcon.h"

using namespace platform;

namespace {

std::string Read(const std::filesystem::path& file) {
  std::ifstream in(file);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

void Write(const std::filesystem::path& file, const std::string& text) {
  std::filesystem::create_directories(file.parent_path());
  std::ofstream(file) << text;
}

// Points the XDG folders into a temporary home for the test's lifetime.
class XdgHome : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  std::filesystem::path data, config;
  std::optional<std::string> oldData, oldConfig;

  static std::optional<std::string> Get(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::optional<std::string>(v) : std::nullopt;
  }
  static void Restore(const char* name, const std::optional<std::string>& v) {
    if (v)
      setenv(name, v->c_str(), 1);
    else
      unsetenv(name);
  }
  void SetUp() override {
    oldData = Get("XDG_DATA_HOME");
    oldConfig = Get("XDG_CONFIG_HOME");
    data = std::filesystem::path(dir.path().toStdString()) / "data";
    config = std::filesystem::path(dir.path().toStdString()) / "config";
    setenv("XDG_DATA_HOME", data.c_str(), 1);
    setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  }
  void TearDown() override {
    Restore("XDG_DATA_HOME", oldData);
    Restore("XDG_CONFIG_HOME", oldConfig);
  }
  std::filesystem::path DesktopFile() const { return data / "applications" / "lumenplotter.desktop"; }
};

TEST_F(XdgHome, WritesTheMimeTypeTheDesktopEntryAndTheDefault) {
  Write(config / "mimeapps.list",
        "[Added Associations]\ntext/plain=editor.desktop;\n\n"
        "[Default Applications]\ntext/html=browser.desktop\n");
  std::string error;
  ASSERT_TRUE(AssociateEquationFiles("/opt/my apps/lumenplotter", &error)) << error;

  const std::string mime = Read(data / "mime" / "packages" / "lumenplotter-lpw.xml");
  EXPECT_NE(mime.find("<mime-type type=\"application/x-lumenplotter-lpw\">"), std::string::npos);
  EXPECT_NE(mime.find("<glob pattern=\"*.lpw\"/>"), std::string::npos);
  EXPECT_NE(mime.find("<icon name=\"application-x-lumenplotter-lpw\"/>"), std::string::npos);

  const std::string entry = Read(DesktopFile());
  EXPECT_EQ(entry.rfind("[Desktop Entry]\n", 0), 0u);
  EXPECT_NE(entry.find("\nExec=\"/opt/my apps/lumenplotter\" %f\n"), std::string::npos);
  EXPECT_NE(entry.find("\nMimeType=application/x-lumenplotter-lpw;\n"), std::string::npos);
  EXPECT_NE(entry.find("\nType=Application\n"), std::string::npos);
  EXPECT_NE(entry.find("\nIcon=lumenplotter\n"), std::string::npos);
  // The program's own icon, for the program and for its files.
  const std::string icon = platform::ProgramIconSvg().toStdString();
  EXPECT_NE(icon.find("<svg"), std::string::npos);
  const std::filesystem::path icons = data / "icons" / "hicolor" / "scalable";
  EXPECT_EQ(Read(icons / "apps" / "lumenplotter.svg"), icon);
  EXPECT_EQ(Read(icons / "mimetypes" / "application-x-lumenplotter-lpw.svg"), icon);

  EXPECT_EQ(Read(config / "mimeapps.list"),
            "[Added Associations]\ntext/plain=editor.desktop;\n\n"
            "[Default Applications]\ntext/html=browser.desktop\n"
            "application/x-lumenplotter-lpw=lumenplotter.desktop\n");
}

TEST_F(XdgHome, EachCallWritesEverythingAnew) {
  ASSERT_TRUE(AssociateEquationFiles("/usr/bin/lumenplotter"));
  Write(DesktopFile(), "[Desktop Entry]\nExec=somethingelse %f\n");
  ASSERT_TRUE(AssociateEquationFiles("/usr/local/bin/lumenplotter"));
  EXPECT_NE(Read(DesktopFile()).find("Exec=\"/usr/local/bin/lumenplotter\" %f"), std::string::npos);
  EXPECT_EQ(Read(config / "mimeapps.list"),
            "[Default Applications]\napplication/x-lumenplotter-lpw=lumenplotter.desktop\n");
}

TEST_F(XdgHome, AnUnreadableDefaultsListIsLeftAloneAndReported) {
  std::filesystem::create_directories(config / "mimeapps.list");  // a folder: cannot be read
  std::string error;
  EXPECT_FALSE(AssociateEquationFiles("/usr/bin/lumenplotter", &error));
  EXPECT_NE(error.find("mimeapps.list"), std::string::npos);
  EXPECT_TRUE(std::filesystem::is_directory(config / "mimeapps.list"));
}

TEST_F(XdgHome, RelativeXdgFoldersAreIgnored) {
  setenv("XDG_DATA_HOME", "relative/data", 1);
  const char* home = std::getenv("HOME");
  ASSERT_TRUE(home);
  EXPECT_EQ(XdgDataHome(), std::filesystem::path(home) / ".local/share");
  EXPECT_EQ(XdgConfigHome(), config);
}

TEST(DesktopExec, QuotesAndEscapesAnArgument) {
  struct Row {
    const char* text;
    const char* written;
  } rows[] = {
      {"/usr/bin/lumenplotter", "\"/usr/bin/lumenplotter\""},
      {"/a b/c", "\"/a b/c\""},
      {"/a\"b", "\"/a\\\"b\""},
      {"/$HOME/`x`", "\"/\\$HOME/\\`x\\`\""},
      {"/a\\b", "\"/a\\\\\\\\b\""},
      {"/100%/x", "\"/100%%/x\""},
      {"/a\nb", ""},
  };
  for (const Row& r : rows) EXPECT_EQ(DesktopExecArgument(r.text), r.written) << r.text;
}

TEST(MimeappsList, SetsOneDefaultAndKeepsTheRest) {
  const std::string type = "application/x-lumenplotter-lpw", entry = "lumenplotter.desktop";
  struct Row {
    const char* before;
    const char* after;
  } rows[] = {
      {"", "[Default Applications]\napplication/x-lumenplotter-lpw=lumenplotter.desktop\n"},
      {"[Default Applications]\napplication/x-lumenplotter-lpw=other.desktop\ntext/html=b.desktop\n",
       "[Default Applications]\napplication/x-lumenplotter-lpw=lumenplotter.desktop\ntext/html=b.desktop\n"},
      {"[Default Applications]\ntext/html=b.desktop\n[Added Associations]\nx/y=z.desktop;\n",
       "[Default Applications]\ntext/html=b.desktop\napplication/x-lumenplotter-lpw=lumenplotter.desktop\n"
       "[Added Associations]\nx/y=z.desktop;\n"},
      {"[Added Associations]\napplication/x-lumenplotter-lpw=z.desktop;\n",
       "[Added Associations]\napplication/x-lumenplotter-lpw=z.desktop;\n\n"
       "[Default Applications]\napplication/x-lumenplotter-lpw=lumenplotter.desktop\n"},
      {"[Default Applications]\napplication/x-lumenplotter-lpw = a.desktop\napplication/x-lumenplotter-lpw=b\n",
       "[Default Applications]\napplication/x-lumenplotter-lpw=lumenplotter.desktop\n"},
  };
  for (const Row& r : rows) EXPECT_EQ(WithDefaultApplication(r.before, type, entry), r.after) << r.before;
}

}  // namespace
