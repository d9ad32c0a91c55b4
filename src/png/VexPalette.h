#pragma once
// Palette routines of the codec: bits per pixel of the bitmap formats, grey ramps, and
// colour look-ups between class-library colour values ($BBGGRR) and palettes.
#include <QList>
#include <QRgb>
#include <cstdint>

#include "platform/Bitmap.h"
#include "platform/Color.h"

// 1, 4, 8, 15, 16, 24 or 32.
int PixelFormatToBits(TPixelFormat format);
// The reverse; any other count gives pf24bit.
TPixelFormat BitsToPixelFormat(int bits);

// The entry with the smallest sum of squared red, green and blue differences to color
// (an exact match at once, the first of equals); -1 for an empty palette.
int NearestPaletteIndex(const QList<QRgb>& palette, int32_t color);
// The colour value of an entry, or -1 when there is none.
int32_t PaletteEntryToColor(const QList<QRgb>& palette, int index);
// Grey ramp of 2 (1 bit, step 255), 4 (2 bits, step 85), 16 (4 bits, step 17) or 256
// (8 bits, step 1) entries.
QList<QRgb> MakeGrayPalette(int bits);

// Colour options are signed: -1 means none, and this flag names a palette index in the
// low byte instead of a colour.
inline constexpr int32_t kPaletteIndexFlag = 0x1000000;
