#include "png/PngReadConverters.h"

#include <cstring>

namespace {

void Copy1(const uint8_t* s, uint32_t w, uint8_t* d, uint8_t*) { std::memcpy(d, s, (w + 7) / 8); }
void Copy8(const uint8_t* s, uint32_t w, uint8_t* d, uint8_t*) { std::memcpy(d, s, w); }

void Unpack2(const uint8_t* s, uint32_t w, uint8_t* d, uint8_t*) {
  for (uint32_t x = 0; x < w; ++x) d[x] = uint8_t((s[x / 4] >> (6 - 2 * (x % 4))) & 3);
}

void Unpack4(const uint8_t* s, uint32_t w, uint8_t* d, uint8_t*) {
  for (uint32_t x = 0; x < w; ++x) d[x] = uint8_t(x % 2 ? s[x / 2] & 15 : s[x / 2] >> 4);
}

// Grey samples of `step` bytes, the high byte kept; with alpha the alpha sample follows
// the grey one at the same size.
template <int Step, bool Alpha>
void Grey(const uint8_t* s, uint32_t w, uint8_t* d, uint8_t* a) {
  constexpr int stride = Alpha ? 2 * Step : Step;
  for (uint32_t x = 0; x < w; ++x) d[x] = s[x * stride];
  if (Alpha && a)
    for (uint32_t x = 0; x < w; ++x) a[x] = uint8_t(255 - s[x * stride + Step]);
}

// Colour samples of Step bytes (high byte kept) into Format_RGB32: B, G, R, 0xFF.
template <int Step, bool Alpha>
void Rgb32(const uint8_t* s, uint32_t w, uint8_t* d, uint8_t* a) {
  constexpr int stride = (Alpha ? 4 : 3) * Step;
  for (uint32_t x = 0; x < w; ++x, s += stride, d += 4) {
    d[0] = s[2 * Step];
    d[1] = s[Step];
    d[2] = s[0];
    d[3] = 0xFF;
  }
  if (Alpha && a) {
    s -= size_t(w) * stride;
    for (uint32_t x = 0; x < w; ++x) a[x] = uint8_t(255 - s[x * stride + 3 * Step]);
  }
}

// The common case of 8-bit colour a word at a time: R, G, B (and the next pixel's first
// byte, ignored) becomes B, G, R, 0xFF.
void Rgb8ToRgb32(const uint8_t* s, uint32_t w, uint8_t* d, uint8_t*) {
  if (w == 0) return;
  for (uint32_t x = 0; x + 1 < w; ++x) {
    uint32_t v;
    std::memcpy(&v, s + 3 * x, 4);
    v = __builtin_bswap32(v << 8) | 0xFF000000u;
    std::memcpy(d + 4 * x, &v, 4);
  }
  const uint8_t* p = s + 3 * (w - 1);
  uint8_t* o = d + 4 * (w - 1);
  o[0] = p[2], o[1] = p[1], o[2] = p[0], o[3] = 0xFF;
}

// 8-bit colour into 16-bit words: 5-6-5 (Green6) or 5-5-5.
template <bool Green6, bool Alpha>
void Rgb16(const uint8_t* s, uint32_t w, uint8_t* d, uint8_t* a) {
  constexpr int stride = Alpha ? 4 : 3;
  for (uint32_t x = 0; x < w; ++x) {
    const uint8_t* p = s + x * stride;
    uint16_t v = Green6 ? uint16_t((p[0] >> 3) << 11 | (p[1] >> 2) << 5 | p[2] >> 3)
                        : uint16_t((p[0] >> 3) << 10 | (p[1] >> 3) << 5 | p[2] >> 3);
    std::memcpy(d + 2 * x, &v, 2);
  }
  if (Alpha && a)
    for (uint32_t x = 0; x < w; ++x) a[x] = uint8_t(255 - s[x * stride + 3]);
}

}  // namespace

PngRowConverter ChooseReadConverter(int baseType, bool alpha, int depth, int targetBits) {
  if (baseType == 0 || baseType == 3) {
    if (alpha) {
      if (depth == 8) return Grey<1, true>;
      if (depth == 16) return Grey<2, true>;
      return nullptr;
    }
    switch (depth) {
      case 1: return Copy1;
      case 2: return Unpack2;
      case 4: return Unpack4;
      case 8: return Copy8;
      case 16: return baseType == 0 ? Grey<2, false> : nullptr;
      default: return nullptr;
    }
  }
  if (baseType != 2) return nullptr;
  if (targetBits == 16 && depth == 8) return alpha ? Rgb16<true, true> : Rgb16<true, false>;
  if (targetBits == 15 && depth == 8) return alpha ? Rgb16<false, true> : Rgb16<false, false>;
  if (depth == 8) return alpha ? Rgb32<1, true> : Rgb8ToRgb32;
  if (depth == 16) return alpha ? Rgb32<2, true> : Rgb32<2, false>;
  return nullptr;
}
