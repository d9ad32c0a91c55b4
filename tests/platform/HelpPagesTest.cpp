#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <string>

#include "support/GuiApp.h"
#include "platform/HelpPages.h"

namespace {

// Stands in for the browser: receives the URLs the desktop would open.
class UrlCatcher : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> urls;
 public slots:
  void open(const QUrl& url) { urls << url; }
};

TEST(QtHelpPagesTest, OpensTheWholePathOfAnExistingPage) {
  UrlCatcher catcher;
  QDesktopServices::setUrlHandler("file", &catcher, "open");
  QTemporaryDir dir;
  // Deeper than any short text buffer would hold.
  const QString folder = dir.filePath(QString(90, 'm') + "/manual");
  ASSERT_TRUE(QDir().mkpath(folder));
  QFile page(folder + "/gamen.html");
  ASSERT_TRUE(page.open(QIODevice::WriteOnly));
  page.close();

  platform::QtHelpPages help;
  EXPECT_TRUE(help.open(std::filesystem::path(folder.toStdString()) / "gamen.html"));
  EXPECT_FALSE(help.open(std::filesystem::path(folder.toStdString()) / "missing.html"));
  QDesktopServices::unsetUrlHandler("file");

  ASSERT_EQ(catcher.urls.size(), 1);
  EXPECT_EQ(catcher.urls[0], QUrl::fromLocalFile(folder + "/gamen.html"));
}

}  // namespace

#include "HelpPagesTest.moc"
