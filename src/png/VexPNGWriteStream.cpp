#include "png/VexPNGWriteStream.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "png/EVexPNG.h"
#include "png/VexPalette.h"
#include "png/VexZStream.h"

namespace {

void PutU16(std::vector<uint8_t>& v, uint32_t x) {
  v.push_back(uint8_t(x >> 8));
  v.push_back(uint8_t(x));
}
void PutU32(std::vector<uint8_t>& v, uint32_t x) {
  PutU16(v, x >> 16);
  PutU16(v, x & 0xFFFF);
}

inline uint8_t GreyOf(int r, int g, int b) { return uint8_t((r * 77 + g * 150 + b * 29) >> 8); }

// 5- and 6-bit channels widened to 8 bits by repeating their top bits.
inline uint8_t Widen5(unsigned v) { return uint8_t(v << 3 | v >> 2); }
inline uint8_t Widen6(unsigned v) { return uint8_t(v << 2 | v >> 4); }

}  // namespace

TVexPNGWriteStream::TVexPNGWriteStream() : time(CurrentPNGTime()) {}

void TVexPNGWriteStream::SetIDATSize(int size) {
  if (size < 256 || size > 100000) throw EVexPNG(pngmsg::kIdatSize);
  idatSize_ = size;
}

void TVexPNGWriteStream::WriteChunk(uint32_t type, const uint8_t* data, size_t length) {
  WriteLongBE(uint32_t(length));
  WriteLongBE(type);
  WriteBuffer(data, int64_t(length));
  WriteLongBE(png::ChunkCrc(type, data, length));
}

void TVexPNGWriteStream::Prepare() {
  const TBitmap& bmp = *bitmap_;
  if (bmp.Empty()) throw EVexPNG(pngmsg::kWriteError);
  width_ = uint32_t(bmp.Width());
  height_ = uint32_t(bmp.Height());
  sourceBits_ = PixelFormatToBits(bmp.PixelFormat());
  palette_ = sourceBits_ <= 8 ? bmp.Palette() : QList<QRgb>();
  useAlpha_ = alphaBitmap && !alphaBitmap->Empty() && alphaBitmap != &bmp &&
              alphaBitmap->Width() == bmp.Width() && alphaBitmap->Height() == bmp.Height() &&
              alphaBitmap->PixelFormat() == TPixelFormat::pf8bit;
  greyFromPalette_ = greyFromPalette && sourceBits_ == 8 && useAlpha_ && !grey;
  greyOutput_ = grey || greyFromPalette_;

  if (greyOutput_) {
    depth_ = sourceBits_ < 9 ? sourceBits_ : 8;
    colorType_ = useAlpha_ && depth_ == 8 ? png::kGreyAlpha : png::kGrey;
  } else if (sourceBits_ <= 8) {
    depth_ = sourceBits_;
    colorType_ = png::kPalette;
  } else {
    depth_ = 8;
    colorType_ = useAlpha_ ? png::kRgbAlpha : png::kRgb;
  }
  alphaWritten_ = colorType_ == png::kGreyAlpha || colorType_ == png::kRgbAlpha;
  const int channels[7] = {1, 0, 3, 1, 2, 0, 4};
  bitsPerPixel_ = depth_ * channels[colorType_];

  // Grey of each palette entry, at the output depth.
  std::memset(greyTable_, 0, sizeof greyTable_);
  for (int i = 0; i < palette_.size() && i < 256; ++i) {
    uint8_t g = GreyOf(qRed(palette_[i]), qGreen(palette_[i]), qBlue(palette_[i]));
    greyTable_[i] = depth_ == 4 ? uint8_t(g >> 4) : g;
  }
  invertBits_ = false;
  mapIndices_ = greyOutput_ && !greyFromPalette_;
  if (sourceBits_ == 1) {
    rowKind_ = RowKind::kBits;
    invertBits_ = greyOutput_ && palette_.size() >= 2 && greyTable_[0] > greyTable_[1];
  } else if (sourceBits_ == 4) {
    rowKind_ = RowKind::kNibbles;
  } else if (sourceBits_ == 8) {
    rowKind_ = alphaWritten_ ? RowKind::kBytesAlpha : RowKind::kBytes;
  } else if (greyOutput_) {
    rowKind_ = alphaWritten_ ? RowKind::kGreyAlpha : RowKind::kGrey;
  } else {
    rowKind_ = alphaWritten_ ? RowKind::kRgba : RowKind::kRgb;
  }

  // Every index in the image must have a PLTE entry: pad a short palette with black.
  if (colorType_ == png::kPalette || greyFromPalette_) {
    int highest = -1;
    if (palette_.size() < (1 << depth_)) {
      for (uint32_t y = 0; y < height_; ++y) {
        const uint8_t* row = bmp.ScanLine(int(y));
        if (sourceBits_ == 1) {
          for (uint32_t x = 0; x < width_; ++x)
            if (row[x / 8] & (0x80 >> (x % 8))) highest = 1;
        } else {
          for (uint32_t x = 0; x < width_; ++x)
            highest = std::max<int>(highest, sourceBits_ == 4 ? row[x] & 15 : row[x]);
        }
      }
    }
    while (palette_.size() <= highest) palette_.push_back(qRgb(0, 0, 0));
  }
}

void TVexPNGWriteStream::WriteImage() {
  Prepare();
  ProgressStart();
  BeginProgressSection(10, 30);
  if (writeSignature) WriteBuffer(png::kSignature, 8);
  WriteHeaderChunks();
  ProgressStep(10);
  WriteImageData();
  WriteChunk(png::kIEND, nullptr, 0);
  ProgressEnd();
}

void TVexPNGWriteStream::WriteHeaderChunks() {
  std::vector<uint8_t> d;
  PutU32(d, width_);
  PutU32(d, height_);
  d.push_back(uint8_t(depth_));
  d.push_back(uint8_t(colorType_));
  d.push_back(0);  // compression
  d.push_back(0);  // filter method
  d.push_back(interlace ? 1 : 0);
  WriteChunk(png::kIHDR, d.data(), d.size());

  TVexPNGTime t = timeNow ? CurrentPNGTime() : time;
  if (t.year != 0 && t.month >= 1 && t.month <= 12 && t.day >= 1 && t.day <= 31 && t.hour < 24 &&
      t.minute < 60 && t.second < 61) {
    d = {uint8_t(t.year >> 8), uint8_t(t.year), t.month, t.day, t.hour, t.minute, t.second};
    WriteChunk(png::ktIME, d.data(), d.size());
  }

  auto text = [this](const std::string& keyword, const std::string& value) {
    if (keyword.size() >= 80 || value.empty()) return;
    std::vector<uint8_t> t(keyword.begin(), keyword.end());
    t.push_back(0);
    t.insert(t.end(), value.begin(), value.end());
    WriteChunk(png::ktEXt, t.data(), t.size());
  };
  text("Comment", comment);
  text("Software", kSoftware);

  d = {'V', 'e', 'x', '3', uint8_t(rowHook ? 1 : 0), uint8_t(greyFromPalette_ ? 1 : 0), 0, 0};
  WriteChunk(png::ktpNG, d.data(), d.size());

  if (gifExtension[0] || gifExtension[1] || gifExtension[2])
    WriteChunk(png::kgIFg, gifExtension.data(), 4);

  double g = std::nearbyint(gamma * 100000);
  if (g > 0 && g <= 4294967295.0) {
    d.clear();
    PutU32(d, uint32_t(g));
    WriteChunk(png::kgAMA, d.data(), d.size());
  }

  if (chromaticities[0] && chromaticities[1]) {
    d.clear();
    for (uint32_t v : chromaticities) PutU32(d, v);
    WriteChunk(png::kcHRM, d.data(), d.size());
  }

  if (!greyOutput_) {
    d.clear();
    if (sourceBits_ == 15)
      d = {5, 5, 5};
    else if (sourceBits_ == 16)
      d = {5, 6, 5};
    if (!d.empty()) {
      if (alphaWritten_) d.push_back(8);
    } else {
      uint8_t a = significantBits[3] ? significantBits[3] : 8;
      auto ok = [](uint8_t v) { return v >= 1 && v <= 8; };
      if (ok(significantBits[0]) && ok(significantBits[1]) && ok(significantBits[2]) && ok(a)) {
        d = {significantBits[0], significantBits[1], significantBits[2]};
        if (alphaWritten_) d.push_back(a);
      }
    }
    if (!d.empty()) WriteChunk(png::ksBIT, d.data(), d.size());
  }

  WritePaletteChunks();

  const TVexPNGPhysicalSize& p = physicalSize;
  if (p.x > 0 && p.y > 0) {
    uint32_t x = p.x, y = p.y;
    uint8_t unit = p.mode == 1 || p.mode == 2 ? 1 : 0;
    if (p.mode == 2) {
      auto perMetre = [](uint32_t perInch) {
        return uint32_t(std::min(std::nearbyint(double(perInch) * 100 / 254 * 100),
                                 double(png::kMaxPngNumber)));
      };
      x = perMetre(p.x);
      y = perMetre(p.y);
    }
    d.clear();
    PutU32(d, x);
    PutU32(d, y);
    d.push_back(unit);
    WriteChunk(png::kpHYs, d.data(), d.size());
  }
}

std::vector<uint8_t> TVexPNGWriteStream::Background16(int32_t color) const {
  std::vector<uint8_t> d;
  if (color & kPaletteIndexFlag) color = PaletteEntryToColor(palette_, color & 0xFF);
  if (color < 0) return d;
  const gfx::Color c = gfx::Color(color);
  int r = gfx::RedOf(c), g = gfx::GreenOf(c), b = gfx::BlueOf(c);
  if (greyOutput_) {
    int grey = GreyOf(r, g, b);
    if (depth_ == 1)
      grey = grey >= 128 ? 1 : 0;
    else if (depth_ == 4)
      grey >>= 4;
    PutU16(d, uint32_t(grey));
  } else {
    PutU16(d, uint32_t(r));
    PutU16(d, uint32_t(g));
    PutU16(d, uint32_t(b));
  }
  return d;
}

void TVexPNGWriteStream::WritePaletteChunks() {
  const bool paletteOutput = colorType_ == png::kPalette;
  if (paletteOutput || greyFromPalette_) {
    std::vector<uint8_t> d;
    for (int i = 0; i < palette_.size() && i < 256; ++i) {
      d.push_back(uint8_t(qRed(palette_[i])));
      d.push_back(uint8_t(qGreen(palette_[i])));
      d.push_back(uint8_t(qBlue(palette_[i])));
    }
    if (!d.empty()) WriteChunk(png::kPLTE, d.data(), d.size());
  }
  auto index = [this](int32_t c) {
    return c & kPaletteIndexFlag ? int(c & 0xFF) : NearestPaletteIndex(palette_, c);
  };
  if (background != -1) {
    if (paletteOutput || greyFromPalette_) {
      int i = index(background);
      if (i >= 0) {
        const uint8_t b = uint8_t(i);
        WriteChunk(png::kbKGD, &b, 1);
      }
    } else {
      std::vector<uint8_t> d = Background16(background);
      if (!d.empty()) WriteChunk(png::kbKGD, d.data(), d.size());
    }
  }
  if (transparentColor != -1 && !alphaWritten_) {
    if (paletteOutput) {
      int i = index(transparentColor);
      if (i >= 0) {
        std::vector<uint8_t> d(size_t(i) + 1, 255);
        d[size_t(i)] = 0;
        WriteChunk(png::ktRNS, d.data(), d.size());
      }
    } else {
      std::vector<uint8_t> d = Background16(transparentColor);
      if (!d.empty()) WriteChunk(png::ktRNS, d.data(), d.size());
    }
  }
}

template <class GetRgb>
void TVexPNGWriteStream::PackColourRow(GetRgb get, const uint8_t* alpha, uint8_t* out) const {
  const uint32_t w = width_;
  uint8_t r, g, b;
  switch (rowKind_) {
    case RowKind::kRgb:
      for (uint32_t x = 0; x < w; ++x, out += 3) get(x, out[0], out[1], out[2]);
      break;
    case RowKind::kRgba:
      for (uint32_t x = 0; x < w; ++x, out += 4) {
        get(x, out[0], out[1], out[2]);
        out[3] = uint8_t(255 - alpha[x]);
      }
      break;
    case RowKind::kGrey:
      for (uint32_t x = 0; x < w; ++x) {
        get(x, r, g, b);
        out[x] = GreyOf(r, g, b);
      }
      break;
    default:  // kGreyAlpha
      for (uint32_t x = 0; x < w; ++x, out += 2) {
        get(x, r, g, b);
        out[0] = GreyOf(r, g, b);
        out[1] = uint8_t(255 - alpha[x]);
      }
      break;
  }
}

void TVexPNGWriteStream::PackRow(uint32_t y, uint8_t* out) {
  const uint8_t* src = bitmap_->ScanLine(int(y));
  const uint8_t* alpha = useAlpha_ ? alphaBitmap->ScanLine(int(y)) : nullptr;
  const uint32_t w = width_;
  switch (rowKind_) {
    case RowKind::kBits: {
      size_t n = png::RowBytes(w, 1);
      for (size_t i = 0; i < n; ++i) out[i] = invertBits_ ? uint8_t(~src[i]) : src[i];
      if (w % 8) out[n - 1] &= uint8_t(0xFF00 >> (w % 8));
      return;
    }
    case RowKind::kNibbles:
      for (uint32_t x = 0; x < w; x += 2) {
        uint8_t hi = uint8_t(mapIndices_ ? greyTable_[src[x]] : src[x] & 15);
        uint8_t lo = 0;
        if (x + 1 < w) lo = uint8_t(mapIndices_ ? greyTable_[src[x + 1]] : src[x + 1] & 15);
        out[x / 2] = uint8_t(hi << 4 | lo);
      }
      return;
    case RowKind::kBytes:
      if (!mapIndices_) {
        std::memcpy(out, src, w);
      } else {
        for (uint32_t x = 0; x < w; ++x) out[x] = greyTable_[src[x]];
      }
      return;
    case RowKind::kBytesAlpha:
      for (uint32_t x = 0; x < w; ++x) {
        out[2 * x] = mapIndices_ ? greyTable_[src[x]] : src[x];
        out[2 * x + 1] = uint8_t(255 - alpha[x]);
      }
      return;
    default: break;
  }
  if ((sourceBits_ == 24 || sourceBits_ == 32) && rowKind_ == RowKind::kRgb) {
    // The common case of saved graphs, a word at a time: B, G, R, X becomes R, G, B
    // (each word written also covers the next pixel's first byte, rewritten next).
    const uint32_t w = width_;
    for (uint32_t x = 0; x + 1 < w; ++x) {
      uint32_t v;
      std::memcpy(&v, src + 4 * x, 4);
      v = __builtin_bswap32(v) >> 8;
      std::memcpy(out + 3 * x, &v, 4);
    }
    const uint8_t* last = src + 4 * (w - 1);
    uint8_t* o = out + 3 * (w - 1);
    o[0] = last[2], o[1] = last[1], o[2] = last[0];
  } else if (sourceBits_ == 24 || sourceBits_ == 32) {
    PackColourRow(
        [src](uint32_t x, uint8_t& r, uint8_t& g, uint8_t& b) {
          const uint8_t* p = src + 4 * x;  // B, G, R, X
          r = p[2], g = p[1], b = p[0];
        },
        alpha, out);
  } else if (sourceBits_ == 16) {
    PackColourRow(
        [src](uint32_t x, uint8_t& r, uint8_t& g, uint8_t& b) {
          uint16_t v;
          std::memcpy(&v, src + 2 * x, 2);
          r = Widen5(v >> 11), g = Widen6((v >> 5) & 63), b = Widen5(v & 31);
        },
        alpha, out);
  } else {
    PackColourRow(
        [src](uint32_t x, uint8_t& r, uint8_t& g, uint8_t& b) {
          uint16_t v;
          std::memcpy(&v, src + 2 * x, 2);
          r = Widen5((v >> 10) & 31), g = Widen5((v >> 5) & 31), b = Widen5(v & 31);
        },
        alpha, out);
  }
}

void TVexPNGWriteStream::WriteImageData() {
  TVexZStream z;
  z.filterMode = filterMode;
  z.flush = [this](const uint8_t* data, size_t length) { WriteChunk(png::kIDAT, data, length); };
  if (rowHook) {
    z.rowHook = rowHook;
    z.hookText = userText;
  }
  if (DeflaterInit(z, compressionLevel, idatSize_) != 0) throw EVexPNG(pngmsg::kWriteError);

  const bool adam7 = interlace != 0;
  const size_t fullBytes = png::RowBytes(width_, bitsPerPixel_);
  std::vector<uint8_t> full(adam7 ? fullBytes : 0);
  const std::vector<png::ImagePass> passes = png::ImagePasses(width_, height_, adam7);
  const int64_t totalRows = png::RowCount(passes);
  BeginProgressSection(totalRows, 100);

  int64_t rowsDone = 0;
  for (const png::ImagePass& pass : passes) {
    const size_t rowBytes = png::RowBytes(pass.width, bitsPerPixel_);
    StartRows(z, rowBytes, bitsPerPixel_);
    for (uint32_t j = 0; j < pass.height; ++j) {
      uint32_t y = pass.at.y0 + j * pass.at.dy;
      uint8_t* row = z.current.data() + 1;
      if (adam7) {
        PackRow(y, full.data());
        std::memset(row, 0, rowBytes);
        png::CopyPixels(full.data(), pass.at.x0, pass.at.dx, row, 0, 1, pass.width, bitsPerPixel_);
      } else {
        PackRow(y, row);
      }
      if (DeflateRow(z) != 0) throw EVexPNG(pngmsg::kWriteError);
      ++rowsDone;
      if (totalRows < 4 || rowsDone % 4 == 3) ProgressStep(rowsDone);
    }
  }
  if (DeflaterFinish(z) != 0) throw EVexPNG(pngmsg::kWriteError);
}
