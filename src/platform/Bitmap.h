#pragma once
// The program's bitmap: a picture in one of the pixel formats of device-independent
// bitmaps, with a palette for the indexed formats, held as a QImage so that it can be
// drawn as it is. Its own file format is BMP.
#include <QList>
#include <QRgb>

#include "platform/PictureGraphic.h"

enum class TPixelFormat { pf1bit, pf4bit, pf8bit, pf15bit, pf16bit, pf24bit, pf32bit };

// Storage of each format (scan lines top-down, each 4-byte aligned):
//   pf1bit           Format_Mono: 8 pixels a byte, most significant bit first
//   pf4bit           Format_Indexed8 with indices 0..15 (Qt has no 4-bit format)
//   pf8bit           Format_Indexed8
//   pf15bit, pf16bit Format_RGB555, Format_RGB16 (5-6-5), one 16-bit word a pixel
//   pf24bit, pf32bit Format_RGB32: bytes B, G, R, 0xFF
class TBitmap : public TGraphic {
 public:
  TBitmap() = default;
  TBitmap(int width, int height, TPixelFormat format = TPixelFormat::pf24bit);
  // The format follows the image's: Mono, Indexed8, RGB555, RGB16 keep theirs, every
  // other image becomes pf24bit.
  explicit TBitmap(const QImage& image);

  const char* ClassName() const override { return "TBitmap"; }
  bool Empty() const override { return pixels_.isNull(); }
  int Width() const override { return pixels_.width(); }
  int Height() const override { return pixels_.height(); }
  void SetWidth(int width) { SetSize(width, Height()); }
  void SetHeight(int height) { SetSize(Width(), height); }
  // Keeps the pixels that stay inside; new ones are 0 (black, or palette index 0).
  void SetSize(int width, int height);
  // An empty bitmap (0 x 0) of the same format.
  void Clear() { SetSize(0, 0); }

  TPixelFormat PixelFormat() const { return format_; }
  // Converts the pixels; indexed targets get a palette that fits them.
  void SetPixelFormat(TPixelFormat format);

  // The palette of the indexed formats (2, 16 or 256 entries at most); empty otherwise.
  QList<QRgb> Palette() const { return pixels_.colorTable(); }
  void SetPalette(QList<QRgb> colors);

  uchar* ScanLine(int y) { return pixels_.scanLine(y); }
  const uchar* ScanLine(int y) const { return pixels_.constScanLine(y); }
  // The storage as described above.
  const QImage& Pixels() const { return pixels_; }

  // Colour value $BBGGRR drawn transparent while Transparent is on; with bit 24 set the
  // low byte is a palette index; -1 takes the colour of the bottom-left pixel.
  int32_t TransparentColor() const { return transparentColor_; }
  void SetTransparentColor(int32_t color);

  void LoadFromStream(QIODevice& stream) override;
  void SaveToStream(QIODevice& stream) override;
  void Assign(const TGraphic& source) override;
  QImage Image() const override;

 private:
  TPixelFormat format_ = TPixelFormat::pf24bit;
  QImage pixels_;
  int32_t transparentColor_ = -1;
};

// The storage format of a pixel format.
QImage::Format StorageFormat(TPixelFormat format);
// A cleared image for a bitmap; raises EInvalidGraphic above kMaxPicturePixels or when
// the memory cannot be had.
QImage NewBitmapPixels(int width, int height, TPixelFormat format);
