// Buffered streams, progress and palette routines.
#include <gtest/gtest.h>

#include <QBuffer>
#include <QTemporaryFile>

#include "PngTestSupport.h"
#include "png/EVexPNG.h"
#include "png/VexPalette.h"
#include "png/VexReadStream.h"
#include "png/VexWriteStream.h"

namespace {

QByteArray Counting(int n) {
  QByteArray b(n, '\0');
  for (int i = 0; i < n; ++i) b[i] = char(i * 7 + i / 251);
  return b;
}

TEST(ReadStream, BigEndianValuesAcrossTheBufferEdgeOfAFile) {
  QByteArray data = Counting(70000);
  data.replace(65534, 4, QByteArray("\x12\x34\x56\x78", 4));
  QTemporaryFile file;
  ASSERT_TRUE(file.open());
  file.write(data);
  file.seek(0);
  TVexCustomReadStream s;
  s.Attach(&file);
  s.Skip(65534);
  EXPECT_EQ(s.ReadLongBE(), 0x12345678u);
  EXPECT_EQ(s.ReadWordBE(), uint16_t(uint8_t(data[65538]) << 8 | uint8_t(data[65539])));
  // A large read straight from the file, then the buffer again.
  file.seek(0);
  s.Attach(&file);
  s.Skip(3);
  QByteArray big(68000, '\0');
  ASSERT_EQ(s.ReadBuffer(big.data(), big.size()), big.size());
  EXPECT_EQ(big, data.mid(3, 68000));
  EXPECT_EQ(s.ReadByte(), uint8_t(data[68003]));
  s.Detach();
  EXPECT_EQ(file.pos(), 68004);
}

TEST(ReadStream, MemoryIsReadInPlace) {
  QByteArray data = Counting(1000);
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  buffer.seek(10);
  TVexCustomReadStream s;
  s.Attach(&buffer, 500);
  auto span = s.ReadInPlace(100000);
  EXPECT_EQ(span.data(), reinterpret_cast<const uint8_t*>(data.constData()) + 10);
  EXPECT_EQ(span.size(), 500u);  // the limit
  EXPECT_TRUE(s.ReadInPlace(1).empty());
  EXPECT_TRUE(s.EndOfData());
  s.Detach();
  EXPECT_EQ(buffer.pos(), 510);
}

TEST(ReadStream, PastTheEndGivesNothingAndSetsTheFlag) {
  QByteArray data("\1\2\3", 3);
  QBuffer buffer(&data);
  buffer.open(QIODevice::ReadOnly);
  TVexCustomReadStream s;
  s.Attach(&buffer);
  EXPECT_EQ(s.ReadWordBE(), 0x0102);
  EXPECT_FALSE(s.EndOfData());
  EXPECT_EQ(s.ReadWordBE(), 0);  // one byte left: nothing
  EXPECT_TRUE(s.EndOfData());
  EXPECT_EQ(s.ReadByte(), 0);  // and nothing after it
  // Zero-length reads and skips change nothing.
  s.Attach(&buffer);
  buffer.seek(0);
  s.Attach(&buffer);
  char none;
  EXPECT_EQ(s.ReadBuffer(&none, 0), 0);
  s.Skip(0);
  EXPECT_FALSE(s.EndOfData());
  EXPECT_EQ(s.ReadByte(), 1);
}

TEST(ReadStream, MacBinaryHeaderIsSkipped) {
  QByteArray header(128, 'M');
  header[0] = 0;
  header[74] = 0;
  for (auto [data, skipped] : {std::pair{header + "X", true}, std::pair{header, false},
                               std::pair{QByteArray(129, 'M'), false}}) {
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    TVexCustomReadStream s;
    s.SetMacBinaryCheck(true);
    s.Attach(&buffer);
    EXPECT_EQ(s.MacBinarySkipped(), skipped);
    EXPECT_EQ(s.ReadByte(), skipped ? 'X' : uint8_t(data[0]));
  }
}

TEST(WriteStream, BufferedAndDirectBlocksKeepTheirOrder) {
  QByteArray out;
  QBuffer buffer(&out);
  buffer.open(QIODevice::WriteOnly);
  TVexCustomWriteStream s;
  s.Attach(&buffer);
  QByteArray expected;
  for (int n : {65519, 65520, 200000, 3, 0, 65535}) {
    QByteArray block = Counting(n + 1).mid(1);
    s.WriteBuffer(block.constData(), block.size());
    expected += block;
  }
  s.WriteLongBE(0xA1B2C3D4);
  expected += QByteArray("\xA1\xB2\xC3\xD4", 4);
  s.Flush();
  EXPECT_EQ(out, expected);
  EXPECT_EQ(s.TotalWritten(), expected.size());
}

TEST(WriteStream, ATargetThatRefusesRaises) {
  pngtest::FullDevice full(0);
  TVexCustomWriteStream s;
  s.Attach(&full);
  s.WriteLongBE(1);  // buffered: nothing tried yet
  EXPECT_THROW(s.Flush(), EVexPNG);
  QByteArray big(70000, 'x');
  EXPECT_THROW(s.WriteBuffer(big.constData(), big.size()), EVexPNG);
}

class Recorder : public TVexProgress {
 public:
  std::vector<int> seen;

 protected:
  void Progress(TProgressStage, int percent) override { seen.push_back(percent); }
};

TEST(Progress, SectionsShareWhatIsLeftAndNeverGoBack) {
  Recorder r;
  r.ProgressStart();
  r.BeginProgressSection(0, 30);  // nothing to count: no report, no division
  r.ProgressStep(5);
  r.BeginProgressSection(10, 30);
  for (int i = 0; i <= 10; ++i) r.ProgressStep(i);
  r.BeginProgressSection(4, 0);
  for (int i = 0; i <= 4; ++i) r.ProgressStep(i);
  r.ProgressStep(2);  // going back reports nothing
  r.ProgressEnd();
  ASSERT_GE(r.seen.size(), 4u);
  EXPECT_EQ(r.seen.front(), 0);
  EXPECT_EQ(r.seen.back(), 100);
  EXPECT_TRUE(std::is_sorted(r.seen.begin(), r.seen.end()));
  EXPECT_EQ(std::adjacent_find(r.seen.begin(), r.seen.end()), r.seen.end());
  EXPECT_LT(r.seen[r.seen.size() - 2], 100);
}

TEST(Palette, GreyRampsAndBits) {
  EXPECT_EQ(MakeGrayPalette(1), (QList<QRgb>{qRgb(0, 0, 0), qRgb(255, 255, 255)}));
  EXPECT_EQ(MakeGrayPalette(2), (QList<QRgb>{qRgb(0, 0, 0), qRgb(85, 85, 85), qRgb(170, 170, 170),
                                             qRgb(255, 255, 255)}));
  QList<QRgb> four = MakeGrayPalette(4);
  ASSERT_EQ(four.size(), 16);
  EXPECT_EQ(four[15], qRgb(255, 255, 255));
  EXPECT_EQ(four[1], qRgb(17, 17, 17));
  EXPECT_EQ(MakeGrayPalette(8).size(), 256);
  for (TPixelFormat f :
       {TPixelFormat::pf1bit, TPixelFormat::pf4bit, TPixelFormat::pf8bit, TPixelFormat::pf15bit,
        TPixelFormat::pf16bit, TPixelFormat::pf24bit, TPixelFormat::pf32bit})
    EXPECT_EQ(BitsToPixelFormat(PixelFormatToBits(f)), f);
  EXPECT_EQ(BitsToPixelFormat(2), TPixelFormat::pf24bit);
}

TEST(Palette, NearestEntry) {
  QList<QRgb> pal = {qRgb(0, 0, 0), qRgb(200, 10, 10), qRgb(10, 200, 10), qRgb(200, 10, 10)};
  EXPECT_EQ(NearestPaletteIndex(pal, pngtest::Color(10, 200, 10)), 2);  // exact
  EXPECT_EQ(NearestPaletteIndex(pal, pngtest::Color(190, 30, 0)), 1);   // nearest, first of equals
  EXPECT_EQ(NearestPaletteIndex(pal, pngtest::Color(20, 20, 20)), 0);
  EXPECT_EQ(NearestPaletteIndex({}, 0), -1);
  EXPECT_EQ(PaletteEntryToColor(pal, 1), pngtest::Color(200, 10, 10));
  EXPECT_EQ(PaletteEntryToColor(pal, 4), -1);
  EXPECT_EQ(PaletteEntryToColor(pal, -1), -1);
}

}  // namespace
