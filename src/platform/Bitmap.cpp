#include "platform/Bitmap.h"

#include <QIODevice>
#include <QImageReader>
#include <QImageWriter>
#include <algorithm>
#include <cstring>

#include "platform/Color.h"
#include "platform/PictureErrors.h"

namespace {

bool Indexed(TPixelFormat f) {
  return f == TPixelFormat::pf1bit || f == TPixelFormat::pf4bit || f == TPixelFormat::pf8bit;
}

int MaxPaletteSize(TPixelFormat f) {
  switch (f) {
    case TPixelFormat::pf1bit: return 2;
    case TPixelFormat::pf4bit: return 16;
    case TPixelFormat::pf8bit: return 256;
    default: return 0;
  }
}

// A new indexed bitmap starts with a grey ramp, black first.
QList<QRgb> GreyRamp(int n) {
  QList<QRgb> table(n);
  for (int i = 0; i < n; ++i) {
    int v = n > 1 ? i * 255 / (n - 1) : 0;
    table[i] = qRgb(v, v, v);
  }
  return table;
}

// The 16 colours of the standard 4-bit palette, for converting colour pictures to 4 bits.
QList<QRgb> StandardColors16() {
  return {qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
          qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(128, 128, 128),
          qRgb(192, 192, 192), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
          qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255)};
}

TPixelFormat FormatOfImage(QImage::Format f) {
  switch (f) {
    case QImage::Format_Mono:
    case QImage::Format_MonoLSB: return TPixelFormat::pf1bit;
    case QImage::Format_Indexed8: return TPixelFormat::pf8bit;
    case QImage::Format_RGB555: return TPixelFormat::pf15bit;
    case QImage::Format_RGB16: return TPixelFormat::pf16bit;
    default: return TPixelFormat::pf24bit;
  }
}

}  // namespace

QImage::Format StorageFormat(TPixelFormat format) {
  switch (format) {
    case TPixelFormat::pf1bit: return QImage::Format_Mono;
    case TPixelFormat::pf4bit:
    case TPixelFormat::pf8bit: return QImage::Format_Indexed8;
    case TPixelFormat::pf15bit: return QImage::Format_RGB555;
    case TPixelFormat::pf16bit: return QImage::Format_RGB16;
    case TPixelFormat::pf24bit:
    case TPixelFormat::pf32bit: return QImage::Format_RGB32;
  }
  return QImage::Format_RGB32;
}

QImage NewBitmapPixels(int width, int height, TPixelFormat format) {
  if (width <= 0 || height <= 0) return QImage();
  if (int64_t{width} * height > kMaxPicturePixels)
    throw EInvalidGraphic("Picture too large: " + std::to_string(width) + " x " +
                          std::to_string(height) + " pixels");
  QImage image(width, height, StorageFormat(format));
  if (image.isNull())
    throw EInvalidGraphic("Out of memory for a picture of " + std::to_string(width) + " x " +
                          std::to_string(height) + " pixels");
  if (Indexed(format)) {
    image.setColorTable(GreyRamp(MaxPaletteSize(format)));
    image.fill(0);
  } else {
    image.fill(Qt::black);
  }
  return image;
}

TBitmap::TBitmap(int width, int height, TPixelFormat format)
    : format_(format), pixels_(NewBitmapPixels(width, height, format)) {}

TBitmap::TBitmap(const QImage& image) : format_(FormatOfImage(image.format())) {
  if (image.isNull()) return;
  pixels_ = image.format() == StorageFormat(format_)
                ? image
                : image.convertToFormat(StorageFormat(format_));
}

void TBitmap::SetSize(int width, int height) {
  if (width == Width() && height == Height()) return;
  QImage resized = NewBitmapPixels(width, height, format_);
  if (!resized.isNull() && !pixels_.isNull()) {
    resized.setColorTable(pixels_.colorTable());
    int rows = std::min(height, Height());
    int bits = pixels_.depth();
    qsizetype fullBytes = int64_t{std::min(width, Width())} * bits / 8;
    int restBits = int(int64_t{std::min(width, Width())} * bits % 8);
    for (int y = 0; y < rows; ++y) {
      uchar* dst = resized.scanLine(y);
      const uchar* src = pixels_.constScanLine(y);
      std::memcpy(dst, src, size_t(fullBytes));
      if (restBits) {  // the pixels of a 1-bit row that share the last byte
        uchar mask = uchar(0xFF00 >> restBits);
        dst[fullBytes] = uchar((src[fullBytes] & mask) | (dst[fullBytes] & ~mask));
      }
    }
  }
  pixels_ = resized;
  Changed();
}

void TBitmap::SetPixelFormat(TPixelFormat format) {
  if (format == format_) return;
  TPixelFormat old = format_;
  format_ = format;
  if (pixels_.isNull()) return;
  const auto dither = Qt::ThresholdDither | Qt::AvoidDither;
  if (format == TPixelFormat::pf4bit) {
    if (old == TPixelFormat::pf8bit && pixels_.colorCount() <= 16) {
      // Same storage; indices stay below 16 as long as the palette has 16 entries.
      QImage copy = pixels_;
      for (int y = 0; y < copy.height(); ++y) {
        uchar* row = copy.scanLine(y);
        for (int x = 0; x < copy.width(); ++x)
          if (row[x] > 15) row[x] = 0;
      }
      pixels_ = copy;
    } else {
      pixels_ = pixels_.convertToFormat(QImage::Format_Indexed8, StandardColors16(), dither);
    }
  } else {
    pixels_ = pixels_.convertToFormat(StorageFormat(format), dither);
  }
  if (pixels_.isNull()) throw EInvalidGraphic("Out of memory while converting a picture");
  Changed();
}

void TBitmap::SetPalette(QList<QRgb> colors) {
  if (!Indexed(format_)) return;
  int max = MaxPaletteSize(format_);
  if (colors.size() > max) colors.resize(max);
  if (pixels_.isNull()) return;
  pixels_.setColorTable(colors);
  Changed();
}

void TBitmap::SetTransparentColor(int32_t color) {
  if (color == transparentColor_) return;
  transparentColor_ = color;
  Changed();
}

void TBitmap::LoadFromStream(QIODevice& stream) {
  QImageReader reader(&stream, "bmp");
  // Bytes of the largest picture in 32 bits a pixel, in megabytes.
  reader.setAllocationLimit(int(kMaxPicturePixels * 4 / (1024 * 1024)));
  QImage image = reader.read();
  if (image.isNull())
    throw EInvalidGraphic("Bitmap image is not valid (" + reader.errorString().toStdString() + ")");
  if (int64_t{image.width()} * image.height() > kMaxPicturePixels)
    throw EInvalidGraphic("Picture too large");
  TBitmap loaded(image);
  format_ = loaded.format_;
  pixels_ = loaded.pixels_;
  Changed();
}

void TBitmap::SaveToStream(QIODevice& stream) {
  if (Empty()) throw EInvalidGraphic("Cannot save an empty bitmap");
  QImageWriter writer(&stream, "bmp");
  if (!writer.write(pixels_))
    throw EPictureFileError("Cannot write bitmap (" + writer.errorString().toStdString() + ")");
}

void TBitmap::Assign(const TGraphic& source) {
  if (&source == this) return;
  if (auto* bitmap = dynamic_cast<const TBitmap*>(&source)) {
    format_ = bitmap->format_;
    pixels_ = bitmap->pixels_;
    transparentColor_ = bitmap->transparentColor_;
    TGraphic::SetTransparent(bitmap->Transparent());
    Changed();
    return;
  }
  if (source.AssignTo(*this)) return;
  // Any other picture is taken as it draws.
  TBitmap drawn(source.Image().convertToFormat(QImage::Format_RGB32));
  format_ = TPixelFormat::pf24bit;
  pixels_ = drawn.pixels_;
  Changed();
}

QImage TBitmap::Image() const {
  if (pixels_.isNull()) return QImage();
  if (!Transparent()) return pixels_.convertToFormat(QImage::Format_RGB32);
  int32_t key = transparentColor_;
  if (key != -1 && (key & 0x1000000)) {
    if (!Indexed(format_)) return pixels_.convertToFormat(QImage::Format_RGB32);
    // A palette index: that entry alone becomes transparent.
    QImage copy = pixels_;
    QList<QRgb> table = copy.colorTable();
    int index = key & 0xFF;
    if (index < table.size()) table[index] &= 0x00FFFFFF;
    copy.setColorTable(table);
    return copy.convertToFormat(QImage::Format_ARGB32);
  }
  QImage rgb = pixels_.convertToFormat(QImage::Format_RGB32);
  QRgb keyRgb = key == -1 ? rgb.pixel(0, rgb.height() - 1) : gfx::ToArgb(gfx::Color(key));
  QImage out = rgb.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < out.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x)
      if ((row[x] & 0xFFFFFF) == (keyRgb & 0xFFFFFF)) row[x] &= 0x00FFFFFF;
  }
  return out;
}
