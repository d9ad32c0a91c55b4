#pragma once
// Writes a bitmap as a PNG file: chunk layout of PNG 1.2, CRC-32 per chunk, image data
// compressed by zlib in IDAT chunks of a fixed size. Besides the standard chunks it adds
// the program's own "tpNG" chunk and the text "Software".
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "png/PngFormat.h"
#include "png/VexGraphicStreams.h"

class TVexPNGWriteStream : public TVexCustomGraphicWriteStream {
 public:
  static constexpr const char* kSoftware = "VexPNG ver 3.4";

  TVexPNGWriteStream();

  // Bytes per IDAT chunk, 256..100000; other sizes raise EVexPNG.
  void SetIDATSize(int size);
  int IDATSize() const { return idatSize_; }

  // Length, type, data and the CRC-32 of type and data.
  void WriteChunk(uint32_t type, const uint8_t* data, size_t length);

  // Options.
  bool writeSignature = true;
  int compressionLevel = -1;  // zlib level 0..9, anything else zlib's default
  int filterMode = 1;         // 0 adaptive, 1 None, 2 Sub, 3 Up, 4 Average, 5 Paeth
  int interlace = 0;          // 0 none, 1 Adam7
  bool grey = false;          // grey output (colour types 0 and 4)
  // With an 8-bit source and an alpha bitmap (and grey off): grey-and-alpha output whose
  // grey samples are the palette indices, the palette kept in PLTE (flagged in "tpNG").
  bool greyFromPalette = false;
  // 8-bit bitmap of the image's size holding 255 - alpha (0 opaque).
  const TBitmap* alphaBitmap = nullptr;
  // Colour values; bit 24 set: a palette index in the low byte; -1 none.
  int32_t background = -1;
  int32_t transparentColor = -1;
  double gamma = 0;                          // written when gamma x 100000 rounds above 0
  std::array<uint32_t, 8> chromaticities{};  // written when the first two are not 0
  // Significant bits of red, green, blue and alpha, written when each is 1..8 (an alpha
  // of 0 counts as 8). 15- and 16-bit sources always write theirs.
  std::array<uint8_t, 4> significantBits{};
  TVexPNGPhysicalSize physicalSize;  // written when x and y are above 0
  std::string comment;
  bool timeNow = true;  // tIME with the current UTC time, else with time
  TVexPNGTime time;
  std::array<uint8_t, 4> gifExtension{};  // written when one of the first three is not 0
  TVexPNGRowHook rowHook;
  std::string userText;

 protected:
  void WriteImage() override;

 private:
  enum class RowKind { kBits, kNibbles, kBytes, kBytesAlpha, kRgb, kRgba, kGrey, kGreyAlpha };

  void Prepare();
  void WriteHeaderChunks();
  void WritePaletteChunks();
  void WriteImageData();
  void PackRow(uint32_t y, uint8_t* out);
  template <class GetRgb>
  void PackColourRow(GetRgb get, const uint8_t* alpha, uint8_t* out) const;
  std::vector<uint8_t> Background16(int32_t color) const;

  int idatSize_ = 32768;
  uint32_t width_ = 0, height_ = 0;
  int sourceBits_ = 24;
  bool useAlpha_ = false, greyOutput_ = false, greyFromPalette_ = false, alphaWritten_ = false;
  int colorType_ = 0, depth_ = 8, bitsPerPixel_ = 24;
  RowKind rowKind_ = RowKind::kRgb;
  bool invertBits_ = false;
  bool mapIndices_ = false;  // through greyTable_
  QList<QRgb> palette_;
  uint8_t greyTable_[256]{};
};
