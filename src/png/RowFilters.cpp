#include "png/RowFilters.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <utility>

uint8_t PaethPredictor(int left, int above, int upperLeft) {
  int pa = std::abs(above - upperLeft);             // distance of the estimate to left
  int pb = std::abs(left - upperLeft);              // ... to above
  int pc = std::abs(left + above - 2 * upperLeft);  // ... to upper-left
  if (pa <= pb && pa <= pc) return uint8_t(left);
  if (pb <= pc) return uint8_t(above);
  return uint8_t(upperLeft);
}

bool UnfilterRow(uint8_t type, uint8_t* row, const uint8_t* previous, size_t n, int bpp) {
  const size_t s = size_t(bpp);
  switch (type) {
    case kFilterNone: return true;
    case kFilterSub:
      for (size_t i = s; i < n; ++i) row[i] = uint8_t(row[i] + row[i - s]);
      return true;
    case kFilterUp:
      for (size_t i = 0; i < n; ++i) row[i] = uint8_t(row[i] + previous[i]);
      return true;
    case kFilterAverage:
      for (size_t i = 0; i < s && i < n; ++i) row[i] = uint8_t(row[i] + (previous[i] >> 1));
      for (size_t i = s; i < n; ++i) row[i] = uint8_t(row[i] + ((row[i - s] + previous[i]) >> 1));
      return true;
    case kFilterPaeth:
      for (size_t i = 0; i < s && i < n; ++i) row[i] = uint8_t(row[i] + previous[i]);
      for (size_t i = s; i < n; ++i)
        row[i] = uint8_t(row[i] + PaethPredictor(row[i - s], previous[i], previous[i - s]));
      return true;
    default: return false;
  }
}

void FilterRow(uint8_t type, const uint8_t* row, const uint8_t* previous, size_t n, int bpp,
               uint8_t* out) {
  const size_t s = size_t(bpp);
  out[0] = type;
  uint8_t* f = out + 1;
  switch (type) {
    case kFilterSub:
      for (size_t i = 0; i < s && i < n; ++i) f[i] = row[i];
      for (size_t i = s; i < n; ++i) f[i] = uint8_t(row[i] - row[i - s]);
      break;
    case kFilterUp:
      for (size_t i = 0; i < n; ++i) f[i] = uint8_t(row[i] - previous[i]);
      break;
    case kFilterAverage:
      for (size_t i = 0; i < s && i < n; ++i) f[i] = uint8_t(row[i] - (previous[i] >> 1));
      for (size_t i = s; i < n; ++i) f[i] = uint8_t(row[i] - ((row[i - s] + previous[i]) >> 1));
      break;
    case kFilterPaeth:
      for (size_t i = 0; i < s && i < n; ++i) f[i] = uint8_t(row[i] - previous[i]);
      for (size_t i = s; i < n; ++i)
        f[i] = uint8_t(row[i] - PaethPredictor(row[i - s], previous[i], previous[i - s]));
      break;
    default:
      out[0] = kFilterNone;
      std::memcpy(f, row, n);
      break;
  }
}

TFilterScore ScoreFilteredRow(const uint8_t* row, size_t n, int bitsPerPixel,
                              uint32_t counts[256]) {
  std::memset(counts, 0, 256 * sizeof counts[0]);
  for (size_t i = 0; i < n; ++i) ++counts[row[i]];
  int k = 0;
  uint32_t c1 = 0, c2 = 0, c3 = 0;
  for (int v = 0; v < 256; ++v) {
    uint32_t c = counts[v];
    if (!c) continue;
    ++k;
    if (c > c1) {
      c3 = c2, c2 = c1, c1 = c;
    } else if (c > c2) {
      c3 = c2, c2 = c;
    } else if (c > c3) {
      c3 = c;
    }
  }
  if (uint64_t{c1} * 100 > uint64_t{n} * 88 || k <= 8) return {true, 0};
  const double size = double(n);
  double score = bitsPerPixel > 7 ? size / 1.5 / k * 1000 + double(c1 + c2 + c3) / size * 1000
                                  : size / 1.5 / k * 1500 + double(c1 + c2) / size * 1000;
  return {false, int64_t(std::nearbyint(score))};
}

const uint8_t* ChooseAndFilterRow(int filterMode, uint8_t* row, const uint8_t* previous, size_t n,
                                  int bitsPerPixel, uint8_t* scratchA, uint8_t* scratchB,
                                  uint32_t counts[256]) {
  const int bpp = FilterStride(bitsPerPixel);
  row[0] = kFilterNone;
  if (filterMode >= 2 && filterMode <= 5) {
    FilterRow(uint8_t(filterMode - 1), row + 1, previous, n, bpp, scratchA);
    return scratchA;
  }
  if (filterMode != 0 || bitsPerPixel == 4) return row;
  TFilterScore none = ScoreFilteredRow(row, n + 1, bitsPerPixel, counts);
  if (none.takeAtOnce) return row;
  int64_t bestScore = none.score;
  if (bitsPerPixel == 1 || bitsPerPixel == 8) bestScore *= 2;
  const uint8_t* best = row;
  uint8_t* spare = scratchA;  // never the buffer holding the best so far
  uint8_t* other = scratchB;
  for (uint8_t type : {kFilterSub, kFilterUp, kFilterAverage, kFilterPaeth}) {
    FilterRow(type, row + 1, previous, n, bpp, spare);
    TFilterScore s = ScoreFilteredRow(spare, n + 1, bitsPerPixel, counts);
    if (s.takeAtOnce) return spare;
    if (s.score > bestScore) {
      best = spare;
      bestScore = s.score;
      std::swap(spare, other);
    }
  }
  return best;
}
