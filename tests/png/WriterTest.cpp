// The writer's chunks, options, filters and failures.
#include <gtest/gtest.h>

#include <QBuffer>

#include "PngTestSupport.h"
#include "png/EVexPNG.h"
#include "png/VexPalette.h"

namespace {

using pngtest::Chunks;
using pngtest::Encode;
using pngtest::FindChunk;

TBitmap Filled(TPixelFormat format, int w = 4, int h = 3) {
  TBitmap b(w, h, format);
  if (PixelFormatToBits(format) <= 8) {
    QList<QRgb> pal;
    for (int i = 0; i < (format == TPixelFormat::pf1bit ? 2 : 16); ++i)
      pal.push_back(qRgb(i * 16, 255 - i * 16, 7 * i));
    b.SetPalette(pal);
  }
  return b;
}

TBitmap Alpha(int w = 4, int h = 3) { return TBitmap(w, h, TPixelFormat::pf8bit); }

std::vector<std::string> Types(const QByteArray& png) {
  std::vector<std::string> t;
  for (const auto& c : Chunks(png)) t.push_back(c.type);
  return t;
}

TEST(Writer, HeaderFollowsSourceAndOptions) {
  struct Row {
    TPixelFormat format;
    bool grey, alpha, greyFromPalette;
    int colorType, depth;
    QByteArray sbit;
  } rows[] = {
      {TPixelFormat::pf1bit, false, false, false, 3, 1, {}},
      {TPixelFormat::pf4bit, false, false, false, 3, 4, {}},
      {TPixelFormat::pf8bit, false, false, false, 3, 8, {}},
      {TPixelFormat::pf15bit, false, false, false, 2, 8, QByteArray("\5\5\5", 3)},
      {TPixelFormat::pf16bit, false, false, false, 2, 8, QByteArray("\5\6\5", 3)},
      {TPixelFormat::pf16bit, false, true, false, 6, 8, QByteArray("\5\6\5\x08", 4)},
      {TPixelFormat::pf24bit, false, false, false, 2, 8, {}},
      {TPixelFormat::pf32bit, false, false, false, 2, 8, {}},
      {TPixelFormat::pf24bit, false, true, false, 6, 8, {}},
      {TPixelFormat::pf1bit, true, false, false, 0, 1, {}},
      {TPixelFormat::pf4bit, true, false, false, 0, 4, {}},
      {TPixelFormat::pf4bit, true, true, false, 0, 4, {}},  // no alpha below 8 bits
      {TPixelFormat::pf24bit, true, false, false, 0, 8, {}},
      {TPixelFormat::pf16bit, true, false, false, 0, 8, {}},  // grey writes no sBIT
      {TPixelFormat::pf24bit, true, true, false, 4, 8, {}},
      {TPixelFormat::pf8bit, false, true, true, 4, 8, {}},
      {TPixelFormat::pf24bit, false, true, true, 6, 8, {}},  // grey from palette needs 8 bits
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message()
                 << PixelFormatToBits(r.format) << " grey " << r.grey << " alpha " << r.alpha
                 << " from palette " << r.greyFromPalette);
    TBitmap src = Filled(r.format);
    TBitmap alpha = Alpha();
    auto chunks = Chunks(Encode(src, [&](TVexPNGWriteStream& s) {
      s.grey = r.grey;
      s.alphaBitmap = r.alpha ? &alpha : nullptr;
      s.greyFromPalette = r.greyFromPalette;
    }));
    const auto* ihdr = FindChunk(chunks, "IHDR");
    ASSERT_TRUE(ihdr);
    EXPECT_EQ(pngtest::Be32(ihdr->data, 0), 4u);
    EXPECT_EQ(pngtest::Be32(ihdr->data, 4), 3u);
    EXPECT_EQ(ihdr->data[8], r.depth);
    EXPECT_EQ(ihdr->data[9], r.colorType);
    const auto* sbit = FindChunk(chunks, "sBIT");
    EXPECT_EQ(sbit ? sbit->data : QByteArray(), r.sbit);
    bool fromPalette = r.greyFromPalette && r.format == TPixelFormat::pf8bit;
    EXPECT_EQ(FindChunk(chunks, "PLTE") != nullptr, r.colorType == 3 || fromPalette);
    EXPECT_EQ(FindChunk(chunks, "tpNG")->data[5], fromPalette ? 1 : 0);
  }
}

TEST(Writer, ChunksComeInTheirOrder) {
  TBitmap src = Filled(TPixelFormat::pf8bit);
  QByteArray png = Encode(src, [](TVexPNGWriteStream& s) {
    s.comment = "graph";
    s.gifExtension = {1, 0, 0, 5};
    s.gamma = 0.45455;
    s.chromaticities = {31270, 32900, 64000, 33000, 30000, 60000, 15000, 6000};
    s.significantBits = {7, 7, 7, 0};
    s.background = kPaletteIndexFlag | 2;
    s.transparentColor = kPaletteIndexFlag | 1;
    s.physicalSize = {1, 3780, 3780};
    s.time = {2024, 5, 6, 7, 8, 9};
    s.SetIDATSize(256);
  });
  std::vector<std::string> expected = {"IHDR", "tIME", "tEXt", "tEXt", "tpNG",
                                       "gIFg", "gAMA", "cHRM", "sBIT", "PLTE",
                                       "bKGD", "tRNS", "pHYs", "IDAT", "IEND"};
  EXPECT_EQ(Types(png), expected);
  auto chunks = Chunks(png);
  EXPECT_EQ(chunks[2].data, QByteArray("Comment\0graph", 13));
  EXPECT_EQ(chunks[3].data, QByteArray("Software\0VexPNG ver 3.4", 23));
  EXPECT_EQ(chunks[1].data, QByteArray("\x07\xE8\5\6\7\x08\x09", 7));
  EXPECT_EQ(pngtest::Be32(chunks[6].data, 0), 45455u);
  EXPECT_EQ(chunks[8].data, QByteArray("\7\7\7", 3));
  EXPECT_EQ(chunks[10].data, QByteArray("\2", 1));
  EXPECT_EQ(chunks[11].data, QByteArray("\xFF\0", 2));
  // The file ends with a complete IEND: zero-length chunks do not stop the writer.
  EXPECT_TRUE(png.endsWith(pngtest::ChunkBytes("IEND", {})));
}

TEST(Writer, OptionalChunksOnlyWhenMeaningful) {
  TBitmap src = Filled(TPixelFormat::pf24bit);
  auto chunks = Chunks(Encode(src, [](TVexPNGWriteStream& s) {
    s.time = {2024, 13, 1, 0, 0, 0};  // month 13
    s.gifExtension = {0, 0, 0, 9};    // only the fourth byte
    s.chromaticities = {0, 5, 1, 1, 1, 1, 1, 1};
    s.significantBits = {9, 9, 9, 9};  // out of range
    s.physicalSize = {1, 0, 100};
  }));
  EXPECT_EQ(Types(Encode(src)),
            (std::vector<std::string>{"IHDR", "tIME", "tEXt", "tpNG", "IDAT", "IEND"}));
  for (const char* type : {"tIME", "gIFg", "cHRM", "sBIT", "pHYs", "gAMA", "bKGD", "tRNS"})
    EXPECT_FALSE(FindChunk(chunks, type)) << type;
  EXPECT_EQ(FindChunk(chunks, "tEXt")->data, QByteArray("Software\0VexPNG ver 3.4", 23));
}

TEST(Writer, TransparencyAndBackgroundByOutput) {
  // Palette: the index (flagged or nearest), tRNS up to and including it.
  TBitmap pal = Filled(TPixelFormat::pf4bit);
  auto chunks = Chunks(Encode(pal, [&](TVexPNGWriteStream& s) {
    s.transparentColor = kPaletteIndexFlag | 5;
    s.background = pngtest::ColorOf(pal.Palette()[3]) + 0x010101;  // near entry 3
  }));
  EXPECT_EQ(FindChunk(chunks, "tRNS")->data, QByteArray("\xFF\xFF\xFF\xFF\xFF\0", 6));
  EXPECT_EQ(FindChunk(chunks, "bKGD")->data, QByteArray("\3", 1));
  // Colour: three 16-bit samples; not written beside an alpha channel.
  TBitmap rgb = Filled(TPixelFormat::pf24bit);
  TBitmap alpha = Alpha();
  chunks = Chunks(
      Encode(rgb, [](TVexPNGWriteStream& s) { s.transparentColor = pngtest::Color(1, 2, 3); }));
  EXPECT_EQ(FindChunk(chunks, "tRNS")->data, QByteArray("\0\1\0\2\0\3", 6));
  chunks = Chunks(Encode(rgb, [&](TVexPNGWriteStream& s) {
    s.transparentColor = pngtest::Color(1, 2, 3);
    s.alphaBitmap = &alpha;
  }));
  EXPECT_FALSE(FindChunk(chunks, "tRNS"));
  // Grey of one bit: 0 or 1.
  TBitmap mono = Filled(TPixelFormat::pf1bit);
  for (auto [color, grey] :
       {std::pair{pngtest::Color(250, 250, 250), 1}, std::pair{pngtest::Color(20, 90, 20), 0}}) {
    chunks = Chunks(Encode(mono, [&](TVexPNGWriteStream& s) {
      s.grey = true;
      s.background = color;
    }));
    EXPECT_EQ(FindChunk(chunks, "bKGD")->data, QByteArray("\0", 1) + char(grey));
  }
  // Grey of four bits: the grey shifted down.
  chunks = Chunks(Encode(pal, [](TVexPNGWriteStream& s) {
    s.grey = true;
    s.background = pngtest::Color(255, 255, 255);
  }));
  EXPECT_EQ(FindChunk(chunks, "bKGD")->data, QByteArray("\0\x0F", 2));
}

TEST(Writer, PhysicalSizePerInchBecomesPerMetre) {
  auto chunks = Chunks(Encode(Filled(TPixelFormat::pf24bit), [](TVexPNGWriteStream& s) {
    s.physicalSize = {2, 96, 72};
  }));
  const auto* phys = FindChunk(chunks, "pHYs");
  ASSERT_TRUE(phys);
  EXPECT_EQ(pngtest::Be32(phys->data, 0), 3780u);
  EXPECT_EQ(pngtest::Be32(phys->data, 4), 2835u);
  EXPECT_EQ(phys->data[8], 1);
}

TEST(Writer, IdatSizeIsCheckedAndKept) {
  TVexPNGWriteStream s;
  for (int bad : {255, 100001, 0, -1}) {
    try {
      s.SetIDATSize(bad);
      ADD_FAILURE() << bad;
    } catch (const EVexPNG& e) {
      EXPECT_STREQ(e.what(), "Write PNG Param: Err IDAT Size(min:256  max:100000)");
    }
  }
  EXPECT_NO_THROW(s.SetIDATSize(256));
  EXPECT_NO_THROW(s.SetIDATSize(100000));

  TBitmap noise(300, 200, TPixelFormat::pf24bit);
  uint32_t v = 1;
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 300; ++x)
      reinterpret_cast<QRgb*>(noise.ScanLine(y))[x] =
          0xFF000000 | (v = v * 1664525 + 1013904223) >> 8;
  std::vector<int> sizes;
  for (const auto& c : Chunks(Encode(noise, [](TVexPNGWriteStream& w) { w.SetIDATSize(1000); })))
    if (c.type == "IDAT") sizes.push_back(int(c.data.size()));
  ASSERT_GT(sizes.size(), 100u);
  for (size_t i = 0; i + 1 < sizes.size(); ++i) EXPECT_EQ(sizes[i], 1000);
  EXPECT_LE(sizes.back(), 1000);
}

std::vector<int> FilterBytes(const QByteArray& png, int rowBytes) {
  QByteArray raw = pngtest::InflatedImageData(png);
  std::vector<int> bytes;
  for (int at = 0; at < raw.size(); at += rowBytes + 1) bytes.push_back(uint8_t(raw[at]));
  return bytes;
}

TEST(Writer, FilterModesPickTheirFilters) {
  TBitmap ramp(16, 4, TPixelFormat::pf24bit);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 16; ++x)
      reinterpret_cast<QRgb*>(ramp.ScanLine(y))[x] = qRgb(x * 16, x * 8 + y, 255 - x * 16);
  for (auto [mode, type] : {std::pair{1, 0}, {6, 0}, {-3, 0}, {2, 1}, {3, 2}, {4, 3}, {5, 4}}) {
    auto bytes =
        FilterBytes(Encode(ramp, [m = mode](TVexPNGWriteStream& s) { s.filterMode = m; }), 48);
    EXPECT_EQ(bytes, std::vector<int>(4, type)) << "mode " << mode;
  }
  // Adaptive: a horizontal ramp is best told by Sub; 4-bit images always use None.
  auto bytes = FilterBytes(Encode(ramp, [](TVexPNGWriteStream& s) { s.filterMode = 0; }), 48);
  EXPECT_EQ(bytes, std::vector<int>(4, 1));
  TBitmap four = Filled(TPixelFormat::pf4bit, 64, 3);
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 64; ++x) four.ScanLine(y)[x] = uchar((x * 5 + y) % 16);
  bytes = FilterBytes(Encode(four, [](TVexPNGWriteStream& s) { s.filterMode = 0; }), 32);
  EXPECT_EQ(bytes, std::vector<int>(3, 0));
}

TEST(Writer, OnePixelAdam7WritesTheFirstPassOnly) {
  TBitmap one(1, 1, TPixelFormat::pf24bit);
  one.ScanLine(0)[0] = 9;
  QByteArray raw =
      pngtest::InflatedImageData(Encode(one, [](TVexPNGWriteStream& s) { s.interlace = 1; }));
  EXPECT_EQ(raw, QByteArray("\0\0\0\x09", 4));
}

TEST(Writer, FixedTimeGivesTheSameBytes) {
  TBitmap src = Filled(TPixelFormat::pf24bit, 40, 30);
  auto setup = [](TVexPNGWriteStream& s) { s.time = {2001, 2, 3, 4, 5, 6}; };
  EXPECT_EQ(Encode(src, setup), Encode(src, setup));
}

TEST(Writer, ProgressRisesToOneHundred) {
  TBitmap src = Filled(TPixelFormat::pf24bit, 8, 40);
  std::vector<std::pair<TProgressStage, int>> seen;
  src.OnProgress = [&](TProgressStage stage, int percent) { seen.push_back({stage, percent}); };
  Encode(src);
  ASSERT_GE(seen.size(), 3u);
  EXPECT_EQ(seen.front(), std::pair(TProgressStage::psStarting, 0));
  EXPECT_EQ(seen.back(), std::pair(TProgressStage::psEnding, 100));
  for (size_t i = 1; i + 1 < seen.size(); ++i) {
    EXPECT_EQ(seen[i].first, TProgressStage::psRunning);
    EXPECT_GT(seen[i].second, seen[i - 1].second);
    EXPECT_LT(seen[i].second, 100);
  }
}

TEST(Writer, AFailedWriteRaises) {
  TBitmap src = Filled(TPixelFormat::pf24bit, 200, 200);
  uint32_t v = 7;
  for (int y = 0; y < 200; ++y)
    for (int x = 0; x < 200; ++x)
      reinterpret_cast<QRgb*>(src.ScanLine(y))[x] =
          0xFF000000 | (v = v * 1664525 + 1013904223) >> 8;
  for (qint64 room : {0, 40, 5000, 70000}) {
    pngtest::FullDevice device(room);
    TVexPNGWriteStream writer;
    try {
      writer.WriteBitmap(src, device);
      ADD_FAILURE() << room;
    } catch (const EVexPNG& e) {
      EXPECT_STREQ(e.what(), "Write Image (PNG): Write Error");
    }
  }
  TBitmap empty;
  pngtest::FullDevice device(1 << 20);
  TVexPNGWriteStream writer;
  EXPECT_THROW(writer.WriteBitmap(empty, device), EVexPNG);
}

}  // namespace

namespace {

TEST(Writer, PaletteCoversEveryIndexUsed) {
  TBitmap b(4, 2, TPixelFormat::pf8bit);
  b.SetPalette({qRgb(10, 20, 30), qRgb(40, 50, 60)});
  b.ScanLine(1)[3] = 5;  // past the palette
  QByteArray png = Encode(b);
  EXPECT_EQ(FindChunk(Chunks(png), "PLTE")->data.size(), 6 * 3);
  pngtest::Rgba rgba = pngtest::LibpngRgba(png);
  EXPECT_EQ(rgba.px[size_t(7) * 4], 0);  // black
  EXPECT_EQ(rgba.px[0], 10);
}

TEST(Writer, GreyFromPaletteKeepsItsBackground) {
  TBitmap b(3, 1, TPixelFormat::pf8bit);
  b.SetPalette({qRgb(1, 2, 3), qRgb(4, 5, 6), qRgb(7, 8, 9)});
  TBitmap alpha(3, 1, TPixelFormat::pf8bit);
  QByteArray png = Encode(b, [&](TVexPNGWriteStream& s) {
    s.greyFromPalette = true;
    s.alphaBitmap = &alpha;
    s.background = kPaletteIndexFlag | 2;
  });
  EXPECT_EQ(FindChunk(Chunks(png), "bKGD")->data, QByteArray("\2", 1));
  pngtest::Decoded d;
  pngtest::Decode(png, d, [](TVexPNGReadStream& r) { r.acceptGreyFromPalette = true; });
  EXPECT_TRUE(d.reader.GreyFromPalette());
  EXPECT_EQ(d.reader.Background(), kPaletteIndexFlag | 2);
  EXPECT_EQ(d.image.Palette()[2], qRgb(7, 8, 9));
}

}  // namespace
