#include "png/VexPalette.h"

int PixelFormatToBits(TPixelFormat format) {
  switch (format) {
    case TPixelFormat::pf1bit: return 1;
    case TPixelFormat::pf4bit: return 4;
    case TPixelFormat::pf8bit: return 8;
    case TPixelFormat::pf15bit: return 15;
    case TPixelFormat::pf16bit: return 16;
    case TPixelFormat::pf32bit: return 32;
    case TPixelFormat::pf24bit: return 24;
  }
  return 24;
}

TPixelFormat BitsToPixelFormat(int bits) {
  switch (bits) {
    case 1: return TPixelFormat::pf1bit;
    case 4: return TPixelFormat::pf4bit;
    case 8: return TPixelFormat::pf8bit;
    case 15: return TPixelFormat::pf15bit;
    case 16: return TPixelFormat::pf16bit;
    case 32: return TPixelFormat::pf32bit;
    default: return TPixelFormat::pf24bit;
  }
}

int NearestPaletteIndex(const QList<QRgb>& palette, int32_t color) {
  int best = -1;
  int64_t bestDistance = 0;
  const gfx::Color c = gfx::Color(color);
  const int r = gfx::RedOf(c), g = gfx::GreenOf(c), b = gfx::BlueOf(c);
  for (int i = 0; i < palette.size(); ++i) {
    int dr = qRed(palette[i]) - r, dg = qGreen(palette[i]) - g, db = qBlue(palette[i]) - b;
    int64_t d = dr * dr + dg * dg + db * db;
    if (d == 0) return i;
    if (best < 0 || d < bestDistance) {
      best = i;
      bestDistance = d;
    }
  }
  return best;
}

int32_t PaletteEntryToColor(const QList<QRgb>& palette, int index) {
  if (index < 0 || index >= palette.size()) return -1;
  return int32_t(gfx::FromArgb(palette[index]));
}

QList<QRgb> MakeGrayPalette(int bits) {
  int n = bits == 1 ? 2 : bits == 2 ? 4 : bits == 4 ? 16 : 256;
  int step = 255 / (n - 1);
  QList<QRgb> table(n);
  for (int i = 0; i < n; ++i) table[i] = qRgb(i * step, i * step, i * step);
  return table;
}
