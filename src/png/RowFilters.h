#pragma once
// The five row filters of PNG: unfiltering on reading; on writing one fixed filter or
// an adaptive choice scored by a histogram of the filtered bytes.
#include <cstddef>
#include <cstdint>

enum PngFilterType : uint8_t { kFilterNone, kFilterSub, kFilterUp, kFilterAverage, kFilterPaeth };

// Filter bytes compare with their left neighbour bpp = max(1, (bitsPerPixel + 7) / 8)
// bytes back.
inline int FilterStride(int bitsPerPixel) { return bitsPerPixel < 8 ? 1 : (bitsPerPixel + 7) / 8; }

uint8_t PaethPredictor(int left, int above, int upperLeft);

// Undoes filter type on the n bytes of row, given the unfiltered previous row (zeros
// above the first row). False for a type above 4.
bool UnfilterRow(uint8_t type, uint8_t* row, const uint8_t* previous, size_t n, int bpp);

// Writes the filter byte and the n filtered bytes of row into out (n + 1 bytes).
void FilterRow(uint8_t type, const uint8_t* row, const uint8_t* previous, size_t n, int bpp,
               uint8_t* out);

// The histogram score of a filtered row of n bytes (filter byte included): taken at
// once when more than 88 per cent of the bytes share one value or at most 8 values
// occur; otherwise higher is better.
struct TFilterScore {
  bool takeAtOnce;
  int64_t score;
};
TFilterScore ScoreFilteredRow(const uint8_t* row, size_t n, int bitsPerPixel, uint32_t counts[256]);

// Filters a row by filter mode (0 adaptive, 1 or above 5 None, 2..5 Sub, Up, Average,
// Paeth). row is the filter byte's place followed by the n bytes; the result is the row
// to write, filter byte first: row itself (made None) or one of the two scratch buffers
// of n + 1 bytes.
const uint8_t* ChooseAndFilterRow(int filterMode, uint8_t* row, const uint8_t* previous, size_t n,
                                  int bitsPerPixel, uint8_t* scratchA, uint8_t* scratchB,
                                  uint32_t counts[256]);
