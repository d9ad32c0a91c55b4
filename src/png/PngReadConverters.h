#pragma once
// Row converters of the reader: one unfiltered PNG row of width pixels into the pixel
// storage of the target bitmap (see TBitmap), with alpha (when the file has an alpha
// channel and alpha is not null) stored as 255 - alpha.
#include <cstdint>

using PngRowConverter = void (*)(const uint8_t* src, uint32_t width, uint8_t* dst, uint8_t* alpha);

// baseType is the colour type without its alpha bit (0 grey, 2 RGB, 3 palette);
// targetBits 1, 4, 8, 15, 16 or 24. Null for a combination the reader never makes.
PngRowConverter ChooseReadConverter(int baseType, bool alpha, int depth, int targetBits);
