// The reader's chunk handling and its answers to broken and hostile files.
#include <gtest/gtest.h>

#include <QBuffer>

#include "PngTestSupport.h"
#include "png/EVexPNG.h"
#include "png/VexPalette.h"

namespace {

using pngtest::Build;
using pngtest::Chunk;
using pngtest::Decode;
using pngtest::DecodeError;
using pngtest::Deflate;
using pngtest::Ihdr;

// Unfiltered rows of a w x h image of bytesPerPixel bytes (filter byte 0 on each row).
QByteArray RawRows(int w, int h, int bytesPerPixel) {
  QByteArray raw;
  for (int y = 0; y < h; ++y) {
    raw.append('\0');
    for (int i = 0; i < w * bytesPerPixel; ++i) raw.append(char(i * 13 + y * 7));
  }
  return raw;
}

// An 8 x 4 RGB image as hand-made chunks: IHDR, IDAT, IEND.
std::vector<Chunk> Rgb8x4() {
  return {{"IHDR", Ihdr(8, 4, 8, 2)}, {"IDAT", Deflate(RawRows(8, 4, 3))}, {"IEND", {}}};
}

std::vector<Chunk> With(std::vector<Chunk> chunks, size_t at, Chunk extra) {
  chunks.insert(chunks.begin() + std::ptrdiff_t(at), std::move(extra));
  return chunks;
}

// A palette image of 4 x 2 with indices 0..7.
std::vector<Chunk> Palette4x2(QByteArray plte) {
  QByteArray raw;
  for (int y = 0; y < 2; ++y) {
    raw.append('\0');
    for (int x = 0; x < 4; ++x) raw.append(char(y * 4 + x));
  }
  return {{"IHDR", Ihdr(4, 2, 8, 3)}, {"PLTE", plte}, {"IDAT", Deflate(raw)}, {"IEND", {}}};
}

QByteArray Colors(int n) {
  QByteArray p;
  for (int i = 0; i < n; ++i) p.append(char(i)).append(char(2 * i)).append(char(255 - i));
  return p;
}

TEST(Reader, LoadsAHandMadeImage) {
  pngtest::Decoded d;
  Decode(Build(Rgb8x4()), d);
  ASSERT_EQ(d.image.PixelFormat(), TPixelFormat::pf24bit);
  ASSERT_EQ(d.image.Width(), 8);
  QRgb c = d.image.Pixels().pixel(1, 2);
  EXPECT_EQ(c, qRgb(3 * 13 + 14, 4 * 13 + 14, 5 * 13 + 14));
  EXPECT_FALSE(d.reader.AlphaFlag());
}

TEST(Reader, RefusesBrokenHeaders) {
  struct Row {
    std::string name;
    QByteArray png;
    std::string message;
  };
  auto header = [](QByteArray ihdr) {
    return Build({{"IHDR", ihdr}, {"IDAT", Deflate(RawRows(8, 4, 3))}, {"IEND", {}}});
  };
  QByteArray shortIhdr = Ihdr(8, 4, 8, 2);
  shortIhdr.chop(1);
  const Row rows[] = {
      {"gif", QByteArray("GIF89a\1\0\1\0\0\0\0;", 14), "PNG LoadStream: Not PNG Format"},
      {"empty", QByteArray(), "PNG LoadStream: Not PNG Format"},
      {"two IHDR", Build(With(Rgb8x4(), 1, {"IHDR", Ihdr(8, 4, 8, 2)})),
       "Read Header(PNG): appear two IHDR"},
      {"type 1", header(Ihdr(8, 4, 8, 1)), "Read Header(PNG): Error ColorType"},
      {"type 5", header(Ihdr(8, 4, 8, 5)), "Read Header(PNG): Error ColorType"},
      {"type 7", header(Ihdr(8, 4, 8, 7)), "Read Header(PNG): Error ColorType"},
      {"type 9", header(Ihdr(8, 4, 8, 9)), "Read Header(PNG): Error ColorType"},
      {"compression 2", header(Ihdr(8, 4, 8, 2).replace(10, 1, "\2")),
       "Read Header(PNG): not support Compression"},
      {"filter 2", header(Ihdr(8, 4, 8, 2).replace(11, 1, "\2")),
       "Read Header(PNG): not supprt Filter"},
      {"interlace 2", header(Ihdr(8, 4, 8, 2, 2)), "Read Header(PNG): not interlace type"},
      {"grey 3 bits", header(Ihdr(8, 4, 3, 0)), "Read Header(PNG): Error Bitdepth"},
      {"grey 32 bits", header(Ihdr(8, 4, 32, 0)), "Read Header(PNG): Error Bitdepth"},
      {"grey 0 bits with background and transparency",
       Build({{"IHDR", Ihdr(8, 4, 0, 0)},
              {"bKGD", QByteArray(2, '\0')},
              {"tRNS", QByteArray(2, '\0')},
              {"IDAT", Deflate(RawRows(8, 4, 1))},
              {"IEND", {}}}),
       "Read Header(PNG): Error Bitdepth"},
      {"rgb 4 bits", header(Ihdr(8, 4, 4, 2)), "Read Header(PNG): Error BitDepth"},
      {"rgb 0 bits", header(Ihdr(8, 4, 0, 2)), "Read Header(PNG): Error BitDepth"},
      {"grey alpha 4 bits", header(Ihdr(8, 4, 4, 4)), "Read Header(PNG): not Use AlphaChannel"},
      {"palette 16 bits", header(Ihdr(8, 4, 16, 3)), "Read Header(PNG): Error Bitdepth"},
      {"width 0", header(Ihdr(0, 4, 8, 2)), "Read Header(PNG): Error Size"},
      {"height 2^31", header(Ihdr(8, 0x80000000u, 8, 2)), "Read Header(PNG): Error Size"},
      {"100000 x 100000", header(Ihdr(100000, 100000, 8, 2)), "Read Header(PNG): Error Size"},
      {"rows too long to hold", header(Ihdr(1 << 26, 1, 16, 6)), "Read Header(PNG): Error Size"},
      {"short IHDR", header(shortIhdr), "Read Header(PNG): Error IHDR Length"},
      {"IDAT first",
       Build({{"IDAT", Deflate(RawRows(8, 4, 3))}, {"IHDR", Ihdr(8, 4, 8, 2)}, {"IEND", {}}}),
       "Read Header(PNG): IHDR missing"},
  };
  for (const Row& r : rows) EXPECT_EQ(DecodeError(r.png), r.message) << r.name;
}

TEST(Reader, RefusesBrokenImageData) {
  QByteArray raw = RawRows(8, 4, 3);
  QByteArray z = Deflate(raw);
  QByteArray badFilter = raw;
  badFilter[1 + 24] = 5;  // filter byte of the second row
  QByteArray flipped = z;
  flipped[0] = char(flipped[0] ^ 0x55);
  QByteArray oneRowShort = Deflate(raw.left(raw.size() - 25));
  QByteArray whole = Build(Rgb8x4());
  auto image = [](QByteArray idat) {
    return Build({{"IHDR", Ihdr(8, 4, 8, 2)}, {"IDAT", idat}, {"IEND", {}}});
  };
  struct Row {
    std::string name;
    QByteArray png;
    std::string message;
  } rows[] = {
      {"filter type 5", image(Deflate(badFilter)), "PNG LoadStream: Error ZLIB"},
      {"flipped deflate bytes", image(flipped), "PNG LoadStream: Error ZLIB"},
      {"zlib ends a row early", image(oneRowShort), "PNG LoadStream: Error ZLIB"},
      {"cut inside IDAT", whole.left(whole.size() - 30), "Read Image (PNG): Read Error"},
      {"no IDAT", Build({{"IHDR", Ihdr(8, 4, 8, 2)}, {"IEND", {}}}),
       "Read Image (PNG): Read Error"},
      {"nothing after the signature", Build({}), "Read Image (PNG): Read Error"},
      {"data continued past another chunk",
       Build({{"IHDR", Ihdr(8, 4, 8, 2)},
              {"IDAT", z.left(10)},
              {"tEXt", "a\0b"},
              {"IDAT", z.mid(10)},
              {"IEND", {}}}),
       "Read Image (PNG): Read Error"},
      {"chunk longer than the file before IDAT",
       Build({{"IHDR", Ihdr(8, 4, 8, 2)}}) + QByteArray("\xFF\xFF\xFF\xF0tEXtComment", 15),
       "Read Image (PNG): Read Error"},
  };
  for (const Row& r : rows) EXPECT_EQ(DecodeError(r.png), r.message) << r.name;
}

TEST(Reader, CrcDecidesByChunkKind) {
  QByteArray sig("\x89PNG\r\n\x1a\n", 8);
  auto chunk = [](const Chunk& c, bool good) { return pngtest::ChunkBytes(c.type, c.data, good); };
  auto withBad = [&](size_t bad, std::vector<Chunk> chunks) {
    QByteArray png = sig;
    for (size_t i = 0; i < chunks.size(); ++i) png += chunk(chunks[i], i != bad);
    return png;
  };
  auto rgb = Rgb8x4();
  for (size_t critical : {size_t(0), size_t(1), size_t(2)})
    EXPECT_EQ(DecodeError(withBad(critical, rgb)), "PNG LoadStream: Error CRC")
        << rgb[critical].type;
  EXPECT_EQ(DecodeError(withBad(1, Palette4x2(Colors(8)))), "PNG LoadStream: Error CRC") << "PLTE";
  // IDAT split in two, the second damaged.
  QByteArray z = Deflate(RawRows(8, 4, 3));
  EXPECT_EQ(
      DecodeError(withBad(
          2, {{"IHDR", Ihdr(8, 4, 8, 2)}, {"IDAT", z.left(9)}, {"IDAT", z.mid(9)}, {"IEND", {}}})),
      "PNG LoadStream: Error CRC");
  // A damaged ancillary chunk is skipped, the image loads.
  pngtest::Decoded d;
  Decode(withBad(1, With(Rgb8x4(), 1, {"tEXt", QByteArray("Comment\0lost", 12)})), d);
  EXPECT_EQ(d.reader.Comment(), "");
  EXPECT_EQ(d.image.Width(), 8);
}

TEST(Reader, OddButSoundLayoutsLoad) {
  QByteArray z = Deflate(RawRows(8, 4, 3));
  std::vector<Chunk> oneByteChunks = {{"IHDR", Ihdr(8, 4, 8, 2)}};
  for (char c : z) oneByteChunks.push_back({"IDAT", QByteArray(1, c)});
  oneByteChunks.push_back({"IEND", {}});
  std::vector<Chunk> empties = {
      {"IHDR", Ihdr(8, 4, 8, 2)}, {"IDAT", {}}, {"IDAT", z.left(5)}, {"IDAT", {}},
      {"IDAT", z.mid(5)},         {"IDAT", {}}, {"IEND", {}}};
  QByteArray macBinary(128, '\1');
  macBinary[0] = 0;
  macBinary[74] = 0;
  struct Row {
    std::string name;
    QByteArray png;
  } rows[] = {
      {"1-byte IDAT chunks", Build(oneByteChunks)},
      {"zero-length IDAT chunks", Build(empties)},
      {"empty unknown chunk first", Build(With(Rgb8x4(), 1, {"zzZz", {}}))},
      {"unknown critical chunk", Build(With(Rgb8x4(), 1, {"ABCD", "xyz"}))},
      {"no IEND", Build({{"IHDR", Ihdr(8, 4, 8, 2)}, {"IDAT", z}})},
      {"garbage IDAT after the stream", Build(With(Rgb8x4(), 2, {"IDAT", "garbage"}))},
      {"junk after the image",
       Build({{"IHDR", Ihdr(8, 4, 8, 2)}, {"IDAT", z}}) + QByteArray("\xFF\xFF\xFF\xF0tEXt", 8)},
      {"MacBinary header", macBinary + Build(Rgb8x4())},
  };
  pngtest::Decoded reference;
  Decode(Build(Rgb8x4()), reference);
  for (const Row& r : rows) {
    pngtest::Decoded d;
    EXPECT_NO_THROW(Decode(r.png, d)) << r.name;
    EXPECT_EQ(d.image.Pixels(), reference.image.Pixels()) << r.name;
  }
}

TEST(Reader, TextChunksGatherTheComment) {
  auto png = Build(With(With(With(Rgb8x4(), 1, {"tEXt", QByteArray("Comment\0first", 13)}), 2,
                             {"tEXt", QByteArray("Author\0me", 9)}),
                        4, {"tEXt", QByteArray("Comment\0second", 14)}));
  pngtest::Decoded d;
  Decode(png, d);
  EXPECT_EQ(d.reader.Comment(), "first\r\n\r\nsecond\r\n");
  // A keyword without its end within 80 bytes is no keyword.
  Decode(Build(With(Rgb8x4(), 1, {"tEXt", QByteArray(200, 'C')})), d);
  EXPECT_EQ(d.reader.Comment(), "");
}

TEST(Reader, PaletteChunksAreBounded) {
  pngtest::Decoded d;
  Decode(Build(Palette4x2(Colors(300))), d);
  EXPECT_EQ(d.image.Palette().size(), 256);
  EXPECT_EQ(d.image.Palette()[255], qRgb(255, 510 % 256, 0));
  // A short palette is padded with black; a tRNS longer than it copies no more.
  Decode(Build(With(Palette4x2(Colors(3)), 2, {"tRNS", QByteArray(300, '\x10')})), d);
  EXPECT_EQ(d.image.Palette().size(), 256);
  EXPECT_EQ(d.image.Palette()[5], qRgb(0, 0, 0));
  ASSERT_TRUE(d.reader.AlphaFlag());
  EXPECT_EQ(d.alpha.ScanLine(0)[2], 255 - 0x10);
  EXPECT_EQ(d.alpha.ScanLine(0)[3], 0);  // beyond the palette: opaque
}

TEST(Reader, PaletteTransparency) {
  pngtest::Decoded d;
  // Entries tRNS does not list stay opaque.
  Decode(Build(With(Palette4x2(Colors(8)), 2, {"tRNS", QByteArray("\x80\x40", 2)})), d);
  ASSERT_TRUE(d.reader.AlphaFlag());
  EXPECT_EQ(d.alpha.ScanLine(0)[0], 255 - 0x80);
  EXPECT_EQ(d.alpha.ScanLine(0)[1], 255 - 0x40);
  for (int x = 2; x < 4; ++x) EXPECT_EQ(d.alpha.ScanLine(0)[x], 0) << x;
  EXPECT_EQ(d.alpha.ScanLine(1)[3], 0);
  // One fully transparent entry becomes a transparent colour.
  Decode(Build(With(Palette4x2(Colors(8)), 2, {"tRNS", QByteArray("\xFF\xFF\0", 3)})), d);
  EXPECT_FALSE(d.reader.AlphaFlag());
  EXPECT_TRUE(d.image.Transparent());
  EXPECT_EQ(d.image.TransparentColor(), kPaletteIndexFlag | 2);
  QImage shown = d.image.Image();
  EXPECT_EQ(qAlpha(shown.pixel(2, 0)), 0);
  EXPECT_EQ(qAlpha(shown.pixel(3, 0)), 255);
  // tRNS before PLTE means nothing.
  auto early = Palette4x2(Colors(8));
  early.insert(early.begin() + 1, {"tRNS", QByteArray("\0", 1)});
  Decode(Build(early), d);
  EXPECT_FALSE(d.image.Transparent());
  EXPECT_FALSE(d.reader.AlphaFlag());
}

TEST(Reader, ColourAndGreyTransparencyAndBackground) {
  pngtest::Decoded d;
  Decode(Build(With(With(Rgb8x4(), 1, {"tRNS", QByteArray("\0\x0D\0\x0E\0\x0F", 6)}), 1,
                    {"bKGD", QByteArray("\0\1\0\2\0\3", 6)})),
         d);
  EXPECT_EQ(d.reader.TransparentColor(), pngtest::Color(13, 14, 15));
  EXPECT_EQ(d.reader.Background(), pngtest::Color(1, 2, 3));
  EXPECT_TRUE(d.image.Transparent());
  // Grey of 2 bits: the sample scaled like the grey palette.
  QByteArray raw("\0\x1B", 2);  // 0, 1, 2, 3
  Decode(Build({{"IHDR", Ihdr(4, 1, 2, 0)},
                {"tRNS", QByteArray("\0\2", 2)},
                {"IDAT", Deflate(raw)},
                {"IEND", {}}}),
         d);
  EXPECT_EQ(d.image.PixelFormat(), TPixelFormat::pf4bit);
  EXPECT_EQ(d.reader.TransparentColor(), pngtest::Color(170, 170, 170));
  QImage shown = d.image.Image();
  EXPECT_EQ(shown.pixel(1, 0), qRgb(85, 85, 85));
  EXPECT_EQ(qAlpha(shown.pixel(2, 0)), 0);
  // An ancillary chunk before IHDR is ignored.
  Decode(Build(With(Rgb8x4(), 0, {"bKGD", QByteArray("\0\1\0\2\0\3", 6)})), d);
  EXPECT_EQ(d.reader.Background(), -1);
}

TEST(Reader, RowHookSeesTheRowsOfFilesThatAskForIt) {
  // Equal rows of a dozen byte values: the adaptive choice writes the first row
  // unfiltered and the others with Up, every one through the hook.
  TBitmap src(20, 4, TPixelFormat::pf24bit);
  uint32_t v = 1;
  auto next = [&v] { return int((v = v * 1103515245 + 12345) >> 16) % 12 * 20; };
  for (int x = 0; x < 20; ++x) {
    QRgb c = qRgb(next(), next(), next());
    for (int y = 0; y < 4; ++y) reinterpret_cast<QRgb*>(src.ScanLine(y))[x] = c;
  }
  auto scramble = [](uint8_t* row, size_t n, const std::string& key) {
    for (size_t i = 1; i < n; ++i) row[i] ^= uint8_t(key[i % key.size()]);
  };
  for (int filterMode : {0, 1, 3, 5}) {
    QByteArray png = pngtest::Encode(src, [&](TVexPNGWriteStream& s) {
      s.rowHook = scramble;
      s.userText = "key";
      s.filterMode = filterMode;
    });
    pngtest::Decoded d;
    Decode(png, d, [&](TVexPNGReadStream& r) {
      r.rowHook = scramble;
      r.userText = "key";
    });
    EXPECT_EQ(d.image.Pixels(), src.Pixels()) << filterMode;
    pngtest::Decoded plain;  // without the hook: the scrambled pixels
    Decode(png, plain);
    EXPECT_NE(plain.image.Pixels(), src.Pixels()) << filterMode;
  }
}

TEST(Reader, ReadsTheOptionalRecords) {
  TBitmap src(3, 2, TPixelFormat::pf24bit);
  QByteArray png = pngtest::Encode(src, [](TVexPNGWriteStream& s) {
    s.time = {2020, 1, 2, 3, 4, 5};
    s.gifExtension = {2, 1, 0, 10};
    s.chromaticities = {1, 2, 3, 4, 5, 6, 7, 8};
    s.gamma = 0.5;
    s.physicalSize = {1, 100, 200};
    s.significantBits = {6, 7, 8, 0};
  });
  TVexPNGTime time;
  std::array<uint8_t, 4> gif{};
  std::array<uint32_t, 8> chrm{};
  pngtest::Decoded d;
  Decode(png, d, [&](TVexPNGReadStream& r) {
    r.time = &time;
    r.gifExtension = &gif;
    r.chromaticities = &chrm;
  });
  EXPECT_EQ(time.year, 2020);
  EXPECT_EQ(time.second, 5);
  EXPECT_EQ(gif, (std::array<uint8_t, 4>{2, 1, 0, 10}));
  EXPECT_EQ(chrm[7], 8u);
  EXPECT_DOUBLE_EQ(d.reader.Gamma(), 0.5);
  EXPECT_EQ(d.reader.PhysicalSize().x, 100u);
  EXPECT_EQ(d.reader.PhysicalSize().mode, 1);
  EXPECT_EQ(d.reader.SignificantBits(), (std::array<uint8_t, 4>{6, 7, 8, 0}));
}

TEST(Reader, ProgressRisesToOneHundred) {
  TBitmap src(8, 64, TPixelFormat::pf24bit);
  QByteArray png = pngtest::Encode(src);
  QBuffer buffer(&png);
  buffer.open(QIODevice::ReadOnly);
  TBitmap target;
  std::vector<int> seen;
  target.OnProgress = [&](TProgressStage, int percent) { seen.push_back(percent); };
  TVexPNGReadStream reader;
  reader.ReadBitmap(buffer, target);
  ASSERT_GE(seen.size(), 3u);
  EXPECT_EQ(seen.front(), 0);
  EXPECT_EQ(seen.back(), 100);
  EXPECT_TRUE(std::is_sorted(seen.begin(), seen.end()));
  EXPECT_EQ(buffer.pos(), png.size());  // left after the bytes it used
}

}  // namespace
