#include "png/PngFormat.h"

#include <zlib.h>

#include <cstring>
#include <ctime>

namespace png {

std::vector<ImagePass> ImagePasses(uint32_t width, uint32_t height, bool adam7) {
  if (!adam7) return {{{0, 0, 1, 1}, width, height}};
  std::vector<ImagePass> passes;
  for (const Adam7Pass& p : kAdam7) {
    uint32_t w = width > p.x0 ? (width - p.x0 + p.dx - 1) / p.dx : 0;
    uint32_t h = height > p.y0 ? (height - p.y0 + p.dy - 1) / p.dy : 0;
    if (w && h) passes.push_back({p, w, h});
  }
  return passes;
}

int64_t RowCount(const std::vector<ImagePass>& passes) {
  int64_t rows = 0;
  for (const ImagePass& p : passes) rows += p.height;
  return rows;
}

void CopyPixels(const uint8_t* src, size_t srcIndex, size_t srcStep, uint8_t* dst, size_t dstIndex,
                size_t dstStep, size_t count, int bits) {
  if (bits >= 8) {
    const size_t n = size_t(bits) / 8;
    const uint8_t* s = src + srcIndex * n;
    uint8_t* d = dst + dstIndex * n;
    for (size_t i = 0; i < count; ++i, s += srcStep * n, d += dstStep * n) std::memcpy(d, s, n);
    return;
  }
  const unsigned mask = (1u << bits) - 1;
  size_t si = srcIndex, di = dstIndex;
  for (size_t i = 0; i < count; ++i, si += srcStep, di += dstStep) {
    size_t sBit = si * size_t(bits), dBit = di * size_t(bits);
    unsigned sShift = 8 - unsigned(bits) - unsigned(sBit % 8);
    unsigned dShift = 8 - unsigned(bits) - unsigned(dBit % 8);
    unsigned v = (src[sBit / 8] >> sShift) & mask;
    uint8_t& out = dst[dBit / 8];
    out = uint8_t((out & ~(mask << dShift)) | (v << dShift));
  }
}

uint32_t ChunkCrc(uint32_t type, const uint8_t* data, size_t length) {
  const uint8_t name[4] = {uint8_t(type >> 24), uint8_t(type >> 16), uint8_t(type >> 8),
                           uint8_t(type)};
  uLong crc = crc32(0L, name, 4);
  if (length) crc = crc32_z(crc, data, length);
  return uint32_t(crc);
}

}  // namespace png

TVexPNGTime CurrentPNGTime() {
  std::time_t now = std::time(nullptr);
  std::tm utc{};
  gmtime_r(&now, &utc);
  TVexPNGTime t;
  t.year = uint16_t(utc.tm_year + 1900);
  t.month = uint8_t(utc.tm_mon + 1);
  t.day = uint8_t(utc.tm_mday);
  t.hour = uint8_t(utc.tm_hour);
  t.minute = uint8_t(utc.tm_min);
  t.second = uint8_t(utc.tm_sec);
  return t;
}
