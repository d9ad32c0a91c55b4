// The reader against the PNG test suite of the shared test data: every good file gives
// libpng's pixels, every broken one (x*.png) is refused with the codec's exception.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QDir>
#include <QFile>

#include "PngTestSupport.h"
#include "png/EVexPNG.h"
#include "png/VexPNG.h"

namespace {

QStringList SuiteFiles(QDir& dir) {
  dir.setPath(QString::fromStdString(pngtest::TestDataDir()) + "/pngsuite");
  return dir.entryList({"*.png"}, QDir::Files, QDir::Name);
}

QByteArray ReadFile(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return {};
  return f.readAll();
}

TEST(PngSuite, GoodFilesDecodeLikeLibpng) {
  QDir dir;
  QStringList files = SuiteFiles(dir);
  if (files.isEmpty()) GTEST_SKIP() << "no pngsuite in the test data (set LP_TESTDATA)";
  int checked = 0;
  for (const QString& name : files) {
    if (name.startsWith('x')) continue;
    SCOPED_TRACE(name.toStdString());
    QByteArray bytes = ReadFile(dir.filePath(name));
    pngtest::Rgba expected = pngtest::LibpngRgba(bytes);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TVexPNG picture;
    ASSERT_NO_THROW(picture.LoadFromStream(buffer));
    pngtest::Rgba ours = pngtest::ToRgba(picture.Image());
    EXPECT_EQ(pngtest::FirstDifference(ours, expected), "");
    ++checked;
  }
  EXPECT_GT(checked, 150);
}

TEST(PngSuite, BrokenFilesRaiseTheCodecException) {
  QDir dir;
  QStringList files = SuiteFiles(dir);
  if (files.isEmpty()) GTEST_SKIP() << "no pngsuite in the test data (set LP_TESTDATA)";
  for (const QString& name : files) {
    if (!name.startsWith('x')) continue;
    SCOPED_TRACE(name.toStdString());
    QByteArray bytes = ReadFile(dir.filePath(name));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    TVexPNG picture;
    EXPECT_THROW(picture.LoadFromStream(buffer), EVexPNG);
  }
}

}  // namespace
