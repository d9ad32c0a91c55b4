// Write then read: every source format and output the writer makes (palette, grey,
// grey and alpha, colour, colour and alpha, 15/16-bit colour), with and without Adam7
// and under every filter mode, comes back with the expected pixels from our reader and
// from libpng.
#include <gtest/gtest.h>

#include <random>

#include "PngTestSupport.h"
#include "png/VexPalette.h"

namespace {

using pngtest::Rgba;

TBitmap MakeSource(TPixelFormat format, int w, int h, uint32_t seed) {
  std::mt19937 rng(seed);
  TBitmap b(w, h, format);
  const int bits = PixelFormatToBits(format);
  if (bits <= 8) {
    QList<QRgb> palette;
    for (int i = 0; i < (1 << bits); ++i)
      palette.push_back(qRgb(rng() % 256, rng() % 256, rng() % 256));
    b.SetPalette(palette);
  }
  for (int y = 0; y < h; ++y) {
    uchar* row = b.ScanLine(y);
    for (int x = 0; x < w; ++x) {
      // Half smooth (so that filters pay), half noise.
      uint32_t v = x < w / 2 ? uint32_t(x * 7 + y * 3) : uint32_t(rng());
      switch (bits) {
        case 1:
          if (v & 1)
            row[x / 8] |= uchar(0x80 >> (x % 8));
          else
            row[x / 8] &= uchar(~(0x80 >> (x % 8)));
          break;
        case 4: row[x] = uchar(v & 15); break;
        case 8: row[x] = uchar(v); break;
        case 15: reinterpret_cast<uint16_t*>(row)[x] = uint16_t(v & 0x7FFF); break;
        case 16: reinterpret_cast<uint16_t*>(row)[x] = uint16_t(v); break;
        default: reinterpret_cast<QRgb*>(row)[x] = 0xFF000000 | (v * 2654435761u >> 8); break;
      }
    }
  }
  return b;
}

TBitmap MakeAlpha(int w, int h, uint32_t seed) {
  std::mt19937 rng(seed);
  TBitmap a(w, h, TPixelFormat::pf8bit);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) a.ScanLine(y)[x] = uchar(x == 0 ? 0 : x == 1 ? 255 : rng() % 256);
  return a;
}

int Grey(QRgb c) { return (qRed(c) * 77 + qGreen(c) * 150 + qBlue(c) * 29) >> 8; }

enum class Output { kColour, kGrey, kGreyFromPalette };

// What the file holds, as RGBA; greyIndices: grey-from-palette samples seen as grey.
Rgba Expected(const TBitmap& src, const TBitmap* alpha, Output output, bool greyIndices) {
  const int bits = PixelFormatToBits(src.PixelFormat());
  QImage rgb = src.Pixels().convertToFormat(QImage::Format_RGB32);
  QList<QRgb> pal = src.Palette();
  const bool invert = bits == 1 && Grey(pal[0]) > Grey(pal[1]);
  Rgba out;
  out.width = src.Width();
  out.height = src.Height();
  for (int y = 0; y < src.Height(); ++y) {
    for (int x = 0; x < src.Width(); ++x) {
      QRgb c = rgb.pixel(x, y);
      int r = qRed(c), g = qGreen(c), b = qBlue(c);
      if (output == Output::kGreyFromPalette && greyIndices) {
        r = g = b = src.ScanLine(y)[x];
      } else if (output == Output::kGrey) {
        int v = Grey(c);
        if (bits == 1)
          v = (((src.ScanLine(y)[x / 8] >> (7 - x % 8)) & 1) ^ invert) * 255;
        else if (bits == 4)
          v = (v >> 4) * 17;
        r = g = b = v;
      }
      bool alphaKept = alpha && (bits > 8 || (bits == 8 && output != Output::kColour));
      int a = alphaKept ? 255 - alpha->ScanLine(y)[x] : 255;
      out.px.insert(out.px.end(), {uint8_t(r), uint8_t(g), uint8_t(b), uint8_t(a)});
    }
  }
  return out;
}

Rgba OurRgba(pngtest::Decoded& d) {
  QImage image = d.image.Image();
  if (d.reader.AlphaFlag()) {
    image = d.image.Pixels().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x) {
        QRgb c = image.pixel(x, y);
        image.setPixel(x, y, qRgba(qRed(c), qGreen(c), qBlue(c), 255 - d.alpha.ScanLine(y)[x]));
      }
  }
  return pngtest::ToRgba(image);
}

TEST(RoundTrip, EveryFormatOutputInterlaceAndFilterMode) {
  const TPixelFormat formats[] = {
      TPixelFormat::pf1bit,  TPixelFormat::pf4bit,  TPixelFormat::pf8bit, TPixelFormat::pf15bit,
      TPixelFormat::pf16bit, TPixelFormat::pf24bit, TPixelFormat::pf32bit};
  const std::pair<int, int> sizes[] = {{1, 1}, {5, 3}, {17, 9}};
  uint32_t seed = 1;
  for (TPixelFormat format : formats) {
    for (Output output : {Output::kColour, Output::kGrey, Output::kGreyFromPalette}) {
      if (output == Output::kGreyFromPalette && format != TPixelFormat::pf8bit) continue;
      for (bool withAlpha : {false, true}) {
        if (output == Output::kGreyFromPalette && !withAlpha) continue;
        for (int interlace : {0, 1}) {
          for (int filterMode = 0; filterMode <= 6; ++filterMode) {
            for (auto [w, h] : sizes) {
              SCOPED_TRACE(testing::Message()
                           << "bits " << PixelFormatToBits(format) << " output " << int(output)
                           << " alpha " << withAlpha << " interlace " << interlace << " filter "
                           << filterMode << " size " << w << "x" << h);
              TBitmap src = MakeSource(format, w, h, seed);
              TBitmap alpha = MakeAlpha(w, h, seed++);
              QByteArray png = pngtest::Encode(src, [&](TVexPNGWriteStream& s) {
                s.grey = output == Output::kGrey;
                s.greyFromPalette = output == Output::kGreyFromPalette;
                s.alphaBitmap = withAlpha ? &alpha : nullptr;
                s.interlace = interlace;
                s.filterMode = filterMode;
              });
              const TBitmap* a = withAlpha ? &alpha : nullptr;
              pngtest::Decoded ours;
              pngtest::Decode(png, ours,
                              [](TVexPNGReadStream& r) { r.acceptGreyFromPalette = true; });
              Rgba expected = Expected(src, a, output, false);
              ASSERT_EQ(pngtest::FirstDifference(OurRgba(ours), expected), "");
              ASSERT_EQ(pngtest::FirstDifference(pngtest::LibpngRgba(png),
                                                 Expected(src, a, output, true)),
                        "");
            }
          }
        }
      }
    }
  }
}

TEST(RoundTrip, SixteenBitColourComesBackExactWhenKept) {
  for (TPixelFormat format : {TPixelFormat::pf15bit, TPixelFormat::pf16bit}) {
    for (int interlace : {0, 1}) {
      TBitmap src = MakeSource(format, 13, 7, 99);
      QByteArray png =
          pngtest::Encode(src, [&](TVexPNGWriteStream& s) { s.interlace = interlace; });
      pngtest::Decoded d;
      pngtest::Decode(png, d, [](TVexPNGReadStream& r) { r.keep15And16Bit = true; });
      ASSERT_EQ(d.image.PixelFormat(), format);
      for (int y = 0; y < src.Height(); ++y)
        EXPECT_EQ(std::memcmp(d.image.ScanLine(y), src.ScanLine(y), size_t(src.Width()) * 2), 0)
            << y;
    }
  }
}

TEST(RoundTrip, PaletteImagesKeepTheirFormatAndIndices) {
  for (TPixelFormat format : {TPixelFormat::pf1bit, TPixelFormat::pf4bit, TPixelFormat::pf8bit}) {
    TBitmap src = MakeSource(format, 19, 5, 7);
    pngtest::Decoded d;
    pngtest::Decode(pngtest::Encode(src, [](TVexPNGWriteStream& s) { s.interlace = 1; }), d);
    ASSERT_EQ(d.image.PixelFormat(), format);
    EXPECT_EQ(d.image.Palette(), src.Palette());
    size_t bytes = format == TPixelFormat::pf1bit ? 2 : 19;
    for (int y = 0; y < 5; ++y) {
      if (format == TPixelFormat::pf1bit) {
        EXPECT_EQ(d.image.ScanLine(y)[0], src.ScanLine(y)[0]);
        EXPECT_EQ(d.image.ScanLine(y)[1] & 0xE0, src.ScanLine(y)[1] & 0xE0);  // 3 bits used
      } else {
        EXPECT_EQ(std::memcmp(d.image.ScanLine(y), src.ScanLine(y), bytes), 0);
      }
    }
  }
}

}  // namespace
