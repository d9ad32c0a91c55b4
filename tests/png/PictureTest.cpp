// The picture classes: the PNG picture, the registry by extension, JPEG and BMP, and
// saving that never leaves a half-written file.
#include <gtest/gtest.h>
#include <jpeglib.h>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>

#include "PngTestSupport.h"
#include "platform/JpegImage.h"
#include "platform/Picture.h"
#include "platform/PictureErrors.h"
#include "png/EVexPNG.h"
#include "png/VexPNG.h"
#include "png/VexPalette.h"

namespace {

class Pictures : public testing::Test {
 protected:
  void SetUp() override {
    RegisterVexPNG();
    ASSERT_TRUE(dir_.isValid());
  }
  QString Path(const QString& name) const { return dir_.filePath(name); }
  QStringList Files() const { return QDir(dir_.path()).entryList(QDir::Files); }

  // A graph-like picture: white, a grid, a red curve.
  static TBitmap Graph(int w = 64, int h = 48) {
    TBitmap b(w, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < w; ++x) {
        QRgb c = (x % 16 == 0 || y % 16 == 0) ? qRgb(200, 200, 200) : qRgb(255, 255, 255);
        if (std::abs(y - (h / 2 + (x * x) % 13 - 6)) < 2) c = qRgb(255, 0, 0);
        reinterpret_cast<QRgb*>(b.ScanLine(y))[x] = c;
      }
    return b;
  }

  QTemporaryDir dir_;
};

TEST_F(Pictures, AssigningAPngCopiesItsOptionsAndLeavesTheSource) {
  TVexPNG source;
  source.Bitmap().Assign(Graph());
  source.comment = "graph of y=x^2";
  source.filterMode = 0;
  TVexPNG fresh;
  fresh.Assign(source);
  EXPECT_EQ(fresh.comment, "graph of y=x^2");
  EXPECT_EQ(fresh.filterMode, 0);
  EXPECT_EQ(fresh.Bitmap().Pixels(), source.Bitmap().Pixels());
  const uchar before = source.Bitmap().ScanLine(0)[0];
  fresh.comment = "changed";
  fresh.Bitmap().ScanLine(0)[0] = uchar(before + 1);
  EXPECT_EQ(source.comment, "graph of y=x^2");
  EXPECT_EQ(source.Bitmap().ScanLine(0)[0], before);
}

TEST_F(Pictures, RegistryLoadsByExtension) {
  TBitmap graph = Graph();
  TVexPNG png;
  png.Assign(graph);
  png.SaveToFile(Path("a.png"));
  QFile::copy(Path("a.png"), Path("b.PNG"));
  TJPEGImage jpeg;
  jpeg.Assign(graph);
  jpeg.SaveToFile(Path("c.jpg"));
  QFile::copy(Path("c.jpg"), Path("d.jpeg"));
  graph.SaveToFile(Path("e.bmp"));
  struct Row {
    const char* name;
    const char* className;
  } rows[] = {{"a.png", "TVexPNG"},
              {"b.PNG", "TVexPNG"},
              {"c.jpg", "TJPEGImage"},
              {"d.jpeg", "TJPEGImage"},
              {"e.bmp", "TBitmap"}};
  for (const Row& r : rows) {
    TPicture picture;
    picture.LoadFromFile(Path(r.name));
    ASSERT_TRUE(picture.Graphic()) << r.name;
    EXPECT_STREQ(picture.Graphic()->ClassName(), r.className);
    EXPECT_EQ(picture.Graphic()->Width(), 64);
    EXPECT_EQ(picture.Graphic()->Height(), 48);
  }
  EXPECT_EQ(TPicture::FindFileFormat(".png")->description, "PNG Format");
  EXPECT_EQ(TPicture::FindFileFormat("PNG")->extension, "png");

  TPicture picture;
  picture.LoadFromFile(Path("a.png"));
  QFile::copy(Path("a.png"), Path("f.gif"));
  EXPECT_THROW(picture.LoadFromFile(Path("f.gif")), EInvalidGraphic);
  EXPECT_STREQ(picture.Graphic()->ClassName(), "TVexPNG");  // kept what it had
  UnregisterVexPNG();
  EXPECT_EQ(TPicture::FindFileFormat("png"), nullptr);
  EXPECT_THROW(picture.LoadFromFile(Path("a.png")), EInvalidGraphic);
  RegisterVexPNG();
}

TEST_F(Pictures, ABitmapSavedAsPngHasItsDefaults) {
  TVexPNG png;
  png.Assign(Graph());
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  png.SaveToStream(buffer);
  auto chunks = pngtest::Chunks(bytes);
  EXPECT_EQ(pngtest::FindChunk(chunks, "IHDR")->data[9], 2);
  EXPECT_EQ(pngtest::Be32(pngtest::FindChunk(chunks, "gAMA")->data, 0), 45455u);
  EXPECT_TRUE(pngtest::FindChunk(chunks, "tIME"));
  EXPECT_EQ(pngtest::LibpngRgba(bytes), pngtest::ToRgba(Graph().Image()));
}

TEST_F(Pictures, PngKeepsAlphaAndWhatTheFileSaid) {
  TBitmap image = Graph(10, 6);
  TBitmap alpha(10, 6, TPixelFormat::pf8bit);
  for (int y = 0; y < 6; ++y)
    for (int x = 0; x < 10; ++x) alpha.ScanLine(y)[x] = uchar(x * 25);
  QByteArray bytes = pngtest::Encode(image, [&](TVexPNGWriteStream& s) {
    s.alphaBitmap = &alpha;
    s.interlace = 1;
    s.comment = "note";
  });
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  TVexPNG png;
  int changes = 0;
  png.OnChange = [&] { ++changes; };
  png.LoadFromStream(buffer);
  EXPECT_EQ(changes, 1);
  EXPECT_TRUE(png.alphaFlag);
  EXPECT_EQ(png.comment, "note\r\n");
  EXPECT_EQ(png.interlace, 1);
  EXPECT_EQ(png.bitDepth, 8);
  EXPECT_FALSE(png.grey);
  EXPECT_DOUBLE_EQ(png.gamma, 0);
  QImage shown = png.Image();
  EXPECT_EQ(shown.format(), QImage::Format_ARGB32);
  EXPECT_EQ(qAlpha(shown.pixel(0, 0)), 255);
  EXPECT_EQ(qAlpha(shown.pixel(9, 0)), 255 - 225);
  // Saved again, the alpha goes with it.
  QByteArray again;
  QBuffer out(&again);
  out.open(QIODevice::WriteOnly);
  png.SaveToStream(out);
  EXPECT_EQ(pngtest::FindChunk(pngtest::Chunks(again), "IHDR")->data[9], 6);
  EXPECT_EQ(pngtest::LibpngRgba(again), pngtest::ToRgba(shown));
  // A bitmap takes the image; a plain picture assigned drops the alpha.
  TBitmap target;
  target.Assign(png);
  EXPECT_EQ(target.Pixels(), png.Bitmap().Pixels());
  png.SetWidth(4);
  EXPECT_EQ(png.AlphaBitmap().Width(), 4);
  png.Assign(Graph(5, 5));
  EXPECT_FALSE(png.alphaFlag);
  EXPECT_EQ(png.Image().format(), QImage::Format_RGB32);
}

TEST_F(Pictures, JpegRoundTripAndOptions) {
  TBitmap graph = Graph(96, 64);
  TJPEGImage jpeg;
  jpeg.Assign(graph);
  jpeg.SetCompressionQuality(95);
  QByteArray fine, rough, grey;
  for (auto [out, quality, isGrey] :
       {std::tuple{&fine, 95, false}, {&rough, 20, false}, {&grey, 90, true}}) {
    QBuffer buffer(out);
    buffer.open(QIODevice::WriteOnly);
    jpeg.SetCompressionQuality(quality);
    jpeg.SetGrayscale(isGrey);
    jpeg.SaveToStream(buffer);
    EXPECT_TRUE(out->startsWith("\xFF\xD8"));
  }
  EXPECT_LT(rough.size(), fine.size());
  TJPEGImage loaded;
  QBuffer in(&fine);
  in.open(QIODevice::ReadOnly);
  loaded.LoadFromStream(in);
  ASSERT_EQ(loaded.Width(), 96);
  ASSERT_EQ(loaded.Image().format(), QImage::Format_RGB32);
  int64_t error = 0;
  for (int y = 0; y < 64; ++y)
    for (int x = 0; x < 96; ++x) {
      QRgb a = loaded.Image().pixel(x, y), b = graph.Pixels().pixel(x, y);
      error += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
               std::abs(qBlue(a) - qBlue(b));
      EXPECT_EQ(qAlpha(a), 255);
    }
  EXPECT_LT(error / (96 * 64 * 3), 6);  // lossy, but close
  TJPEGImage greyLoaded;
  QBuffer greyIn(&grey);
  greyIn.open(QIODevice::ReadOnly);
  greyLoaded.LoadFromStream(greyIn);
  QRgb c = greyLoaded.Image().pixel(40, 31);
  EXPECT_TRUE(qRed(c) == qGreen(c) && qGreen(c) == qBlue(c));
  // Into a bitmap: 24 bits.
  TBitmap bitmap;
  bitmap.Assign(loaded);
  EXPECT_EQ(bitmap.PixelFormat(), TPixelFormat::pf24bit);
  EXPECT_EQ(bitmap.Pixels(), loaded.Image());
}

// Four-component JPEG as image programs write it: inverted CMYK with an Adobe marker.
QByteArray CmykJpeg(int w, int h, const uint8_t cmyk[4]) {
  jpeg_compress_struct c{};
  jpeg_error_mgr err{};
  c.err = jpeg_std_error(&err);
  jpeg_create_compress(&c);
  unsigned char* out = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&c, &out, &size);
  c.image_width = JDIMENSION(w);
  c.image_height = JDIMENSION(h);
  c.input_components = 4;
  c.in_color_space = JCS_CMYK;
  jpeg_set_defaults(&c);
  jpeg_set_quality(&c, 95, TRUE);
  jpeg_start_compress(&c, TRUE);
  std::vector<uint8_t> row(size_t(w) * 4);
  for (int x = 0; x < w; ++x) std::copy(cmyk, cmyk + 4, row.begin() + 4 * x);
  while (c.next_scanline < c.image_height) {
    JSAMPROW r = row.data();
    jpeg_write_scanlines(&c, &r, 1);
  }
  jpeg_finish_compress(&c);
  jpeg_destroy_compress(&c);
  QByteArray bytes(reinterpret_cast<const char*>(out), qsizetype(size));
  free(out);
  return bytes;
}

TEST_F(Pictures, CmykJpegLoadsAsColour) {
  const uint8_t inverted[4] = {255, 0, 255, 255};  // no cyan and yellow ink, full magenta: red-blue
  QByteArray bytes = CmykJpeg(16, 8, inverted);
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  TJPEGImage jpeg;
  jpeg.LoadFromStream(buffer);
  QRgb c = jpeg.Image().pixel(8, 4);
  EXPECT_NEAR(qRed(c), 255, 3);
  EXPECT_NEAR(qGreen(c), 0, 3);
  EXPECT_NEAR(qBlue(c), 255, 3);
}

TEST_F(Pictures, BrokenJpegRaisesTheLibrarysMessage) {
  TJPEGImage jpeg;
  for (QByteArray bad :
       {QByteArray("not a jpeg at all"), QByteArray(), QByteArray("\xFF\xD8\xFF\xC0\0\x05", 6)}) {
    QBuffer buffer(&bad);
    buffer.open(QIODevice::ReadOnly);
    try {
      jpeg.LoadFromStream(buffer);
      ADD_FAILURE() << bad.toStdString();
    } catch (const EInvalidGraphic& e) {
      EXPECT_EQ(std::string(e.what()).rfind("JPEG error: ", 0), 0u) << e.what();
    }
  }
  EXPECT_TRUE(jpeg.Empty());
  QByteArray out;
  QBuffer buffer(&out);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_THROW(jpeg.SaveToStream(buffer), EInvalidGraphic);
  // A file cut short still loads, grey where the data ended.
  TJPEGImage whole;
  whole.Assign(Graph());
  QByteArray bytes;
  QBuffer b(&bytes);
  b.open(QIODevice::WriteOnly);
  whole.SaveToStream(b);
  QByteArray cut = bytes.left(bytes.size() / 2);
  QBuffer c(&cut);
  c.open(QIODevice::ReadOnly);
  EXPECT_NO_THROW(jpeg.LoadFromStream(c));
  EXPECT_EQ(jpeg.Width(), 64);
}

TEST_F(Pictures, BitmapFilesRoundTrip) {
  TBitmap graph = Graph();
  graph.SaveToFile(Path("g.bmp"));
  QFile f(Path("g.bmp"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  QByteArray header = f.read(30);
  EXPECT_TRUE(header.startsWith("BM"));
  EXPECT_EQ(header[28], 24);  // 24 bits a pixel
  TBitmap back;
  back.LoadFromFile(Path("g.bmp"));
  EXPECT_EQ(back.PixelFormat(), TPixelFormat::pf24bit);
  EXPECT_EQ(back.Pixels(), graph.Pixels());
  TBitmap indexed(5, 3, TPixelFormat::pf8bit);
  indexed.SetPalette({qRgb(1, 2, 3), qRgb(4, 5, 6)});
  indexed.ScanLine(1)[2] = 1;
  indexed.SaveToFile(Path("i.bmp"));
  back.LoadFromFile(Path("i.bmp"));
  EXPECT_EQ(back.PixelFormat(), TPixelFormat::pf8bit);
  EXPECT_EQ(back.Pixels().pixel(2, 1), qRgb(4, 5, 6));
  QFile junk(Path("j.bmp"));
  junk.open(QIODevice::WriteOnly);
  junk.write("BM this is no bitmap");
  junk.close();
  EXPECT_THROW(back.LoadFromFile(Path("j.bmp")), EInvalidGraphic);
  EXPECT_THROW(back.LoadFromFile(Path("none.bmp")), EPictureFileError);
}

TEST_F(Pictures, AFailedSaveLeavesTheOldFile) {
  TVexPNG png;
  png.Assign(Graph());
  png.SaveToFile(Path("keep.png"));
  QFile f(Path("keep.png"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  QByteArray before = f.readAll();
  f.close();
  // The write breaks off in the middle of the image data.
  int rows = 0;
  png.rowHook = [&](uint8_t*, size_t, const std::string&) {
    if (++rows == 20) throw EVexPNG("Write Image (PNG): Write Error");
  };
  png.Assign(Graph(64, 200));
  EXPECT_THROW(png.SaveToFile(Path("keep.png")), EVexPNG);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), before);
  EXPECT_EQ(Files(), QStringList{"keep.png"});  // no temporary file left behind
  png.rowHook = nullptr;
  png.idatSize = 10;
  EXPECT_THROW(png.SaveToFile(Path("keep.png")), EVexPNG);
  EXPECT_THROW(png.SaveToFile(Path("no/such/folder/x.png")), EPictureFileError);
  EXPECT_EQ(Files(), QStringList{"keep.png"});
}

TEST_F(Pictures, DrawStretchesWithoutSmoothing) {
  TBitmap two(2, 1);
  reinterpret_cast<QRgb*>(two.ScanLine(0))[0] = qRgb(255, 0, 0);
  reinterpret_cast<QRgb*>(two.ScanLine(0))[1] = qRgb(0, 0, 255);
  QImage canvas(8, 4, QImage::Format_RGB32);
  canvas.fill(Qt::white);
  QPainter painter(&canvas);
  two.Draw(painter, QRect(0, 0, 8, 4));
  painter.end();
  EXPECT_EQ(canvas.pixel(3, 2), qRgb(255, 0, 0));
  EXPECT_EQ(canvas.pixel(4, 2), qRgb(0, 0, 255));
}

TEST_F(Pictures, BitmapFormatsAndTransparency) {
  TBitmap b(3, 2, TPixelFormat::pf8bit);
  b.SetPalette({qRgb(10, 10, 10), qRgb(200, 0, 0), qRgb(0, 200, 0)});
  b.ScanLine(0)[1] = 1;
  b.ScanLine(1)[2] = 2;
  b.SetTransparentColor(kPaletteIndexFlag | 1);
  b.SetTransparent(true);
  QImage shown = b.Image();
  EXPECT_EQ(qAlpha(shown.pixel(1, 0)), 0);
  EXPECT_EQ(qAlpha(shown.pixel(0, 0)), 255);
  b.SetTransparentColor(pngtest::Color(0, 200, 0));
  shown = b.Image();
  EXPECT_EQ(shown.pixel(2, 1), qRgba(0, 200, 0, 0));
  b.SetTransparent(false);
  b.SetPixelFormat(TPixelFormat::pf24bit);
  EXPECT_EQ(b.Pixels().format(), QImage::Format_RGB32);
  EXPECT_EQ(b.Pixels().pixel(2, 1), qRgb(0, 200, 0));
  b.SetSize(4, 1);
  EXPECT_EQ(b.Pixels().pixel(1, 0), qRgb(200, 0, 0));
  EXPECT_EQ(b.Pixels().pixel(3, 0), qRgb(0, 0, 0));
  EXPECT_THROW(TBitmap(1 << 14, 1 << 13), EInvalidGraphic);  // beyond the pixel limit
}

}  // namespace
