#pragma once
// The PNG picture class: an image bitmap with an optional alpha bitmap (255 - alpha, 0
// opaque), read and written through the PNG streams with the options below. Registered
// for ".png" by RegisterVexPNG, so that picture loading by extension accepts PNG files.
#include <array>
#include <cstdint>
#include <string>

#include "platform/Bitmap.h"
#include "png/PngFormat.h"

class TVexPNG : public TGraphic {
 public:
  TVexPNG();

  const char* ClassName() const override { return "TVexPNG"; }
  bool Empty() const override { return Bitmap().Empty(); }
  int Width() const override { return Bitmap().Width(); }
  int Height() const override { return Bitmap().Height(); }
  // Resizes the image and a non-empty alpha bitmap.
  void SetWidth(int width);
  void SetHeight(int height);
  bool Transparent() const override { return Bitmap().Transparent(); }
  void SetTransparent(bool on) override;

  void LoadFromStream(QIODevice& stream) override;
  void SaveToStream(QIODevice& stream) override;
  // A TVexPNG source gives its bitmaps and every option; any other picture becomes the
  // image (and the alpha is dropped).
  void Assign(const TGraphic& source) override;
  // Any picture class takes the image bitmap.
  bool AssignTo(TGraphic& dest) const override;
  // With the alpha flag, the image with the alpha bitmap's transparency.
  QImage Image() const override;

  TBitmap& Bitmap() { return image_; }
  const TBitmap& Bitmap() const { return image_; }
  TBitmap& AlphaBitmap() { return alpha_; }
  const TBitmap& AlphaBitmap() const { return alpha_; }

  // Options of saving; loading sets those the file gives.
  int idatSize = 32768;
  int compressionLevel = -1;
  int filterMode = 1;
  int interlace = 0;
  bool grey = false;
  bool alphaFlag = false;  // the alpha bitmap is part of the picture
  int bitDepth = 0;        // as read
  int32_t background = -1;
  int32_t transparentColor = -1;
  std::string comment;
  double gamma = 0.45455;
  std::array<uint8_t, 4> significantBits{};
  TVexPNGPhysicalSize physicalSize;
  bool macBinaryCheck = true;
  bool timeNow = true;
  TVexPNGTime time;  // the current UTC time at creation
  std::array<uint32_t, 8> chromaticities{};
  std::array<uint8_t, 4> gifExtension{};
  std::string userText;
  TVexPNGRowHook rowHook;
  bool keep15And16Bit = false;

 private:
  TBitmap image_;
  TBitmap alpha_{0, 0, TPixelFormat::pf8bit};
};

// Registers TVexPNG for ".png" with the description "PNG Format" (call once at
// start-up), and takes it out again.
void RegisterVexPNG();
void UnregisterVexPNG();
