#pragma once
// Reads a PNG file into a bitmap: every colour type and bit depth, Adam7, the standard
// ancillary chunks and the program's own "tpNG". Sizes and lengths from the file are
// checked before they are used; a damaged critical chunk (bad CRC, broken image data)
// raises EVexPNG, a damaged ancillary one is skipped.
//
// Target formats: grey and palette images of 1, 2, 4 and 8 bits become 1-, 4-, 4- and
// 8-bit bitmaps (2-bit values in 4-bit pixels), 16-bit grey 8 bits, colour 24 bits (or
// 15/16 bits with sBIT 5,5,5 / 5,6,5 and keep15And16Bit); 16-bit samples keep their high
// byte. An alpha channel, or the palette's alpha table, goes to the alpha bitmap as
// 255 - alpha (0 opaque).
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "png/PngFormat.h"
#include "png/VexGraphicStreams.h"
#include "png/VexZStream.h"

class TVexPNGReadStream : public TVexCustomGraphicReadStream {
 public:
  // Transparent colour value meaning: the palette's alpha table is in use.
  static constexpr int32_t kPaletteAlphaInUse = 0x1FFFFFF;

  TVexPNGReadStream();

  // Options and out-records (optional).
  bool checkSignature = true;
  bool keep15And16Bit = false;
  bool acceptGreyFromPalette = false;
  TBitmap* alphaBitmap = nullptr;
  TVexPNGTime* time = nullptr;
  std::array<uint8_t, 4>* gifExtension = nullptr;
  std::array<uint32_t, 8>* chromaticities = nullptr;
  TVexPNGRowHook rowHook;
  std::string userText;

  // What the file said.
  bool AlphaFlag() const { return alphaFlag_; }
  bool Grey() const { return grey_; }
  int Interlace() const { return interlace_; }
  int BitDepth() const { return depth_; }
  int32_t Background() const { return background_; }
  int32_t TransparentColor() const { return transparentColor_; }
  double Gamma() const { return gamma_; }
  std::array<uint8_t, 4> SignificantBits() const { return significantBits_; }
  TVexPNGPhysicalSize PhysicalSize() const { return physicalSize_; }
  bool GreyFromPalette() const { return greyFromPalette_; }

 protected:
  void ReadImage() override;
  void SetupBitmap() override;

 private:
  void Reset();
  uint32_t ReadChunkBody(uint32_t type, uint32_t length, size_t keep, std::vector<uint8_t>& data);
  void ReadChunk(uint32_t type, uint32_t length);
  void HandleChunk(uint32_t type, uint32_t length, const std::vector<uint8_t>& data);
  void HandleHeader(uint32_t length, const std::vector<uint8_t>& d);
  void HandleTransparency(uint32_t length, const std::vector<uint8_t>& d);
  void HandleBackground(uint32_t length, const std::vector<uint8_t>& d);
  void HandleText(const std::vector<uint8_t>& d);
  int32_t GreySampleColor(uint32_t v) const;
  void ReadImageData(uint32_t length);
  void CheckDepth();
  void ReadRows();
  std::span<const uint8_t> RefillImageData();
  void FinishImageChunk();
  void ApplyPaletteAlpha();

  // Chunk state.
  bool headerSeen_ = false, imageStarted_ = false, rowsDone_ = false, ended_ = false;
  bool paletteSeen_ = false, tpngSeen_ = false, hookActive_ = false;
  uint32_t chunkLeft_ = 0, chunkCrc_ = 0;
  TVexZStream z_;
  // Header.
  int depth_ = 0, baseType_ = 0, interlace_ = 0;  // baseType_: colour type without alpha
  bool alphaChannel_ = false, alphaFlag_ = false, grey_ = false, greyFromPalette_ = false;
  // Chunks.
  std::vector<QRgb> plte_;
  uint8_t paletteAlpha_[256]{};
  bool paletteAlphaInUse_ = false;
  int32_t background_ = -1, transparentColor_ = -1;
  double gamma_ = 0;
  std::array<uint8_t, 4> significantBits_{};
  TVexPNGPhysicalSize physicalSize_;
};
