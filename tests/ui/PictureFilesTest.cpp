#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <cstdlib>
#include <fstream>

#include "platform/Picture.h"
#include "png/VexPNG.h"
#include "support/GuiApp.h"
#include "ui/PictureFiles.h"

namespace {

// A picture whose every pixel differs from its neighbours, so that a shift or a swapped
// channel shows.
QImage Pattern(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) image.setPixel(x, y, qRgb(x * 7 % 256, y * 11 % 256, (x + y) * 5 % 256));
  return image;
}

class PictureFilesTest : public ::testing::Test {
 protected:
  void SetUp() override { RegisterVexPNG(); }
  std::filesystem::path Path(const char* name) const { return std::filesystem::path(dir.path().toStdString()) / name; }
  QTemporaryDir dir;
};

TEST(PictureFormat, TheExtensionInAnyCaseChoosesTheFormat) {
  const struct {
    const char* name;
    int format;  // -1 none
  } cases[] = {{"a.png", kPicturePng},  {"A.PNG", kPicturePng}, {"a.jpg", kPictureJpeg},
               {"b.JpG", kPictureJpeg}, {"a.bmp", kPictureBmp}, {"a.jpeg", -1},
               {"a.gif", -1},           {"pics.v2/a", -1},      {"a", -1}};
  for (const auto& c : cases) {
    const std::optional<std::uint8_t> f = PictureFormatOf(c.name);
    EXPECT_EQ(f ? *f : -1, c.format) << c.name;
  }
}

TEST_F(PictureFilesTest, SavedPicturesReadBackThroughThePictureRegistry) {
  const QImage picture = Pattern(37, 23);
  const struct {
    const char* name;
    std::uint8_t format;
    bool exact;
  } cases[] = {{"g.png", kPicturePng, true}, {"g.bmp", kPictureBmp, true}, {"g.jpg", kPictureJpeg, false}};
  for (const auto& c : cases) {
    SavePictureAs(picture, Path(c.name), c.format);
    TPicture loaded;
    loaded.LoadFromFile(QFile::decodeName(Path(c.name).c_str()));
    ASSERT_NE(loaded.Graphic(), nullptr) << c.name;
    const QImage back = loaded.Graphic()->Image().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(back.size(), picture.size()) << c.name;
    if (c.exact) {
      EXPECT_TRUE(back == picture) << c.name;
    } else {
      long error = 0;
      for (int y = 0; y < 23; ++y)
        for (int x = 0; x < 37; ++x) error += std::abs(qGreen(back.pixel(x, y)) - qGreen(picture.pixel(x, y)));
      EXPECT_LT(error / (37 * 23), 24) << c.name;
    }
  }
  std::ifstream png(Path("g.png"), std::ios::binary), bmp(Path("g.bmp"), std::ios::binary);
  char signature[4] = {};
  png.read(signature, 4);
  EXPECT_EQ(std::string(signature + 1, 3), "PNG");
  bmp.read(signature, 2);
  EXPECT_EQ(std::string(signature, 2), "BM");
}

TEST_F(PictureFilesTest, APictureIsReadAsAnOpaqueBitmapOrRefusedWithAReason) {
  SavePictureAs(Pattern(5, 4), Path("p.PNG"), kPicturePng);
  const TBitmap loaded = LoadPictureFile(Path("p.PNG"));
  EXPECT_EQ(loaded.Width(), 5);
  EXPECT_EQ(loaded.Height(), 4);
  EXPECT_TRUE(loaded.Image().convertToFormat(QImage::Format_RGB32) == Pattern(5, 4));

  // Transparent parts show the white paper.
  QImage clear(3, 3, QImage::Format_ARGB32);
  clear.fill(Qt::transparent);
  ASSERT_TRUE(clear.save(QFile::decodeName(Path("clear.png").c_str())));
  EXPECT_EQ(LoadPictureFile(Path("clear.png")).Image().pixel(1, 1), qRgb(255, 255, 255));

  std::ofstream(Path("bad.jpg"), std::ios::binary) << "not a picture";
  std::ofstream(Path("pic.gif"), std::ios::binary) << "GIF89a";
  for (const char* name : {"bad.jpg", "pic.gif", "missing.bmp"}) {
    try {
      LoadPictureFile(Path(name));
      ADD_FAILURE() << name << " was read";
    } catch (const std::exception& e) {
      EXPECT_STRNE(e.what(), "") << name;
    }
  }
}

}  // namespace
