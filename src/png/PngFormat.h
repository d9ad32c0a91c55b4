#pragma once
// Constants and small records of the PNG file format shared by the reader and the writer:
// the signature, chunk type codes, colour types, the Adam7 passes, the chunk CRC and the
// option records the picture class hands to both.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace png {

inline constexpr uint8_t kSignature[8] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};

constexpr uint32_t ChunkType(const char (&name)[5]) {
  return uint32_t(uint8_t(name[0])) << 24 | uint32_t(uint8_t(name[1])) << 16 |
         uint32_t(uint8_t(name[2])) << 8 | uint32_t(uint8_t(name[3]));
}
inline constexpr uint32_t kIHDR = ChunkType("IHDR");
inline constexpr uint32_t kPLTE = ChunkType("PLTE");
inline constexpr uint32_t kIDAT = ChunkType("IDAT");
inline constexpr uint32_t kIEND = ChunkType("IEND");
inline constexpr uint32_t ktRNS = ChunkType("tRNS");
inline constexpr uint32_t kbKGD = ChunkType("bKGD");
inline constexpr uint32_t kgAMA = ChunkType("gAMA");
inline constexpr uint32_t kcHRM = ChunkType("cHRM");
inline constexpr uint32_t ksBIT = ChunkType("sBIT");
inline constexpr uint32_t kpHYs = ChunkType("pHYs");
inline constexpr uint32_t ktIME = ChunkType("tIME");
inline constexpr uint32_t ktEXt = ChunkType("tEXt");
inline constexpr uint32_t kgIFg = ChunkType("gIFg");
inline constexpr uint32_t ktpNG = ChunkType("tpNG");  // this program's own chunk

// The largest four-byte number the format allows (chunk lengths, sizes, densities).
inline constexpr uint32_t kMaxPngNumber = 0x7FFFFFFF;

// Colour types; kAlphaBit marks the two with an alpha channel.
inline constexpr int kGrey = 0, kRgb = 2, kPalette = 3, kGreyAlpha = 4, kRgbAlpha = 6;
inline constexpr int kAlphaBit = 4;

struct Adam7Pass {
  uint32_t x0, y0, dx, dy;
};
inline constexpr Adam7Pass kAdam7[7] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                        {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};

// One run of rows of an image: an Adam7 pass, or the whole image without interlace.
struct ImagePass {
  Adam7Pass at;            // where its pixels lie in the image
  uint32_t width, height;  // its size in pixels
};
// The passes of an image that hold pixels (Adam7 leaves some empty on small images).
std::vector<ImagePass> ImagePasses(uint32_t width, uint32_t height, bool adam7);
int64_t RowCount(const std::vector<ImagePass>& passes);

// Bytes of a row of width pixels at bitsPerPixel, without the filter byte.
inline size_t RowBytes(uint32_t width, int bitsPerPixel) {
  return size_t((uint64_t{width} * unsigned(bitsPerPixel) + 7) / 8);
}

// Copies count pixels of bits each (1, 2, 4 or a multiple of 8) from pixel srcIndex of
// src, stepping srcStep, to pixel dstIndex of dst, stepping dstStep. Sub-byte pixels
// are packed most significant first. This gathers and scatters the Adam7 passes.
void CopyPixels(const uint8_t* src, size_t srcIndex, size_t srcStep, uint8_t* dst, size_t dstIndex,
                size_t dstStep, size_t count, int bits);

uint32_t ChunkCrc(uint32_t type, const uint8_t* data, size_t length);

}  // namespace png

// The time of the tIME chunk (UTC).
struct TVexPNGTime {
  uint16_t year = 0;
  uint8_t month = 0, day = 0, hour = 0, minute = 0, second = 0;
};
TVexPNGTime CurrentPNGTime();

// The physical pixel size of pHYs: mode 0 unknown unit (an aspect ratio), 1 pixels per
// metre, 2 pixels per inch (written as per metre).
struct TVexPNGPhysicalSize {
  int mode = 0;
  uint32_t x = 0, y = 0;
};

// Called with every filtered row (filter byte first) before it is compressed, and on
// reading a file that says so, with every row before it is unfiltered; it may change the
// row in place. userText is the picture's user text.
using TVexPNGRowHook =
    std::function<void(uint8_t* row, size_t length, const std::string& userText)>;
