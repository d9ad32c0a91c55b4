#include "png/VexPNGReadStream.h"

#include <zlib.h>

#include <algorithm>
#include <cstring>

#include "png/EVexPNG.h"
#include "png/PngReadConverters.h"
#include "png/VexPalette.h"

namespace {

// Ancillary chunks above this length are skipped unread; the gathered comment stops
// growing at it too.
constexpr uint32_t kMaxAncillaryLength = 1 << 20;
// The longest row accepted, in bytes: a picture within the pixel limit may still be too
// wide to hold its rows.
constexpr size_t kMaxRowBytes = size_t{1} << 26;

uint32_t U32(const uint8_t* p) {
  return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}
uint32_t U16(const uint8_t* p) { return uint32_t(p[0]) << 8 | p[1]; }
int32_t ColorValue(int r, int g, int b) { return int32_t(gfx::Rgb(r, g, b)); }

// Bytes a handler reads of each chunk it knows; 0 for chunks it does not know.
size_t KeepFor(uint32_t type) {
  switch (type) {
    case png::kIHDR: return 13;
    case png::kPLTE: return 768;
    case png::kIEND: return 0;
    case png::ktRNS: return 256;
    case png::kbKGD: return 6;
    case png::kgAMA: return 4;
    case png::kcHRM: return 32;
    case png::ksBIT: return 4;
    case png::kgIFg: return 4;
    case png::kpHYs: return 9;
    case png::ktIME: return 7;
    case png::ktEXt: return kMaxAncillaryLength;
    case png::ktpNG: return 8;
    default: return 0;
  }
}

bool Known(uint32_t type) { return type == png::kIEND || KeepFor(type) > 0; }
bool Critical(uint32_t type) {
  return type == png::kIHDR || type == png::kPLTE || type == png::kIDAT || type == png::kIEND;
}

}  // namespace

TVexPNGReadStream::TVexPNGReadStream() {
  z_.refill = [this] { return RefillImageData(); };
}

void TVexPNGReadStream::Reset() {
  headerSeen_ = imageStarted_ = rowsDone_ = ended_ = false;
  paletteSeen_ = tpngSeen_ = hookActive_ = false;
  chunkLeft_ = chunkCrc_ = 0;
  depth_ = baseType_ = interlace_ = 0;
  alphaChannel_ = alphaFlag_ = grey_ = greyFromPalette_ = false;
  plte_.clear();
  std::fill(std::begin(paletteAlpha_), std::end(paletteAlpha_), uint8_t(255));
  paletteAlphaInUse_ = false;
  background_ = transparentColor_ = -1;
  gamma_ = 0;
  significantBits_ = {};
  physicalSize_ = {};
  comment_.clear();
  palette_.clear();
  width_ = height_ = 0;
  if (time) *time = {};
  if (gifExtension) *gifExtension = {};
  if (chromaticities) *chromaticities = {};
}

void TVexPNGReadStream::ReadImage() {
  Reset();
  ProgressStart();
  BeginProgressSection(Remaining(), 30);
  if (checkSignature) {
    uint8_t signature[8];
    if (ReadBuffer(signature, 8) != 8 || std::memcmp(signature, png::kSignature, 8) != 0)
      throw EVexPNG(pngmsg::kNotPng);
  }
  while (!ended_) {
    uint32_t length = ReadLongBE();
    uint32_t type = ReadLongBE();
    if (EndOfData()) break;
    // A chunk that claims more than the file holds ends the reading: without complete
    // image data that is an error below.
    if (length > png::kMaxPngNumber || int64_t{length} + 4 > Remaining()) break;
    if (type == png::kIDAT)
      ReadImageData(length);
    else
      ReadChunk(type, length);
    if (EndOfData()) break;
    if (!imageStarted_) ProgressStep(Consumed());
  }
  if (!rowsDone_) throw EVexPNG(pngmsg::kReadError);

  if (!alphaChannel_ && transparentColor_ != -1 && transparentColor_ != kPaletteAlphaInUse) {
    bitmap_->SetTransparentColor(transparentColor_);
    bitmap_->SetTransparent(true);
  }
  if (paletteAlphaInUse_ && alphaBitmap && !alphaBitmap->Empty()) ApplyPaletteAlpha();
  ProgressEnd();
}

uint32_t TVexPNGReadStream::ReadChunkBody(uint32_t type, uint32_t length, size_t keep,
                                          std::vector<uint8_t>& data) {
  data.clear();
  uint32_t crc = png::ChunkCrc(type, nullptr, 0);
  for (uint32_t left = length; left > 0;) {
    std::span<const uint8_t> s = ReadInPlace(left);
    if (s.empty()) break;
    if (data.size() < keep)
      data.insert(data.end(), s.begin(), s.begin() + std::min(s.size(), keep - data.size()));
    crc = uint32_t(crc32_z(crc, s.data(), s.size()));
    left -= uint32_t(s.size());
  }
  return crc;
}

void TVexPNGReadStream::ReadChunk(uint32_t type, uint32_t length) {
  if (!Known(type) || (!Critical(type) && length > kMaxAncillaryLength)) {
    Skip(int64_t{length} + 4);  // unknown or oversized: skipped whole
    return;
  }
  std::vector<uint8_t> data;
  uint32_t crc = ReadChunkBody(type, length, KeepFor(type), data);
  uint32_t stored = ReadLongBE();
  if (EndOfData()) return;
  if (stored != crc) {
    if (Critical(type)) throw EVexPNG(pngmsg::kCrc);
    return;  // a damaged ancillary chunk is ignored
  }
  HandleChunk(type, length, data);
}

int32_t TVexPNGReadStream::GreySampleColor(uint32_t v) const {
  int g;
  if (depth_ > 8)
    g = int(v >> 8);
  else if (depth_ == 8)
    g = int(v & 0xFF);
  else {
    if (depth_ != 1 && depth_ != 2 && depth_ != 4) return -1;  // refused at the image data
    uint32_t max = (1u << depth_) - 1;
    if (v > max) return -1;
    g = int(v * 255 / max);
  }
  return ColorValue(g, g, g);
}

void TVexPNGReadStream::HandleChunk(uint32_t type, uint32_t length, const std::vector<uint8_t>& d) {
  const bool afterHeader = headerSeen_ && !imageStarted_;
  const bool beforePalette = afterHeader && !paletteSeen_;
  const size_t n = d.size();
  switch (type) {
    case png::kIHDR: HandleHeader(length, d); break;
    case png::kIEND: ended_ = true; break;
    case png::kPLTE:
      if (afterHeader && !paletteSeen_ &&
          (baseType_ == png::kPalette ||
           (greyFromPalette_ && baseType_ == png::kGrey && alphaChannel_ && depth_ == 8))) {
        const size_t entries = std::min<size_t>(length / 3, 256);
        plte_.clear();
        for (size_t i = 0; i < entries; ++i)
          plte_.push_back(qRgb(d[3 * i], d[3 * i + 1], d[3 * i + 2]));
        paletteSeen_ = true;
      }
      break;
    case png::ktRNS:
      if (afterHeader && !alphaChannel_) HandleTransparency(length, d);
      break;
    case png::kbKGD:
      if (afterHeader) HandleBackground(length, d);
      break;
    case png::kgAMA:
      if (beforePalette && n >= 4) gamma_ = U32(d.data()) / 100000.0;
      break;
    case png::kcHRM:
      if (beforePalette && length == 32 && chromaticities)
        for (int i = 0; i < 8; ++i) (*chromaticities)[size_t(i)] = U32(d.data() + 4 * i);
      break;
    case png::ksBIT:
      if (beforePalette && baseType_ == png::kRgb && n >= (alphaChannel_ ? 4u : 3u)) {
        significantBits_ = {d[0], d[1], d[2], uint8_t(alphaChannel_ ? d[3] : 0)};
      }
      break;
    case png::kgIFg:
      if (beforePalette && length == 4 && gifExtension)
        std::copy_n(d.begin(), 4, gifExtension->begin());
      break;
    case png::kpHYs:
      if (afterHeader && n >= 9) physicalSize_ = {d[8], U32(d.data()), U32(d.data() + 4)};
      break;
    case png::ktIME:
      if (length == 7 && time) *time = {uint16_t(U16(d.data())), d[2], d[3], d[4], d[5], d[6]};
      break;
    case png::ktEXt: HandleText(d); break;
    case png::ktpNG:
      if (afterHeader && !tpngSeen_ && n >= 6 && std::memcmp(d.data(), "Vex3", 4) == 0) {
        tpngSeen_ = true;
        hookActive_ = d[4] != 0;
        if (d[5] == 1 && acceptGreyFromPalette) greyFromPalette_ = true;
      }
      break;
    default: break;
  }
}

void TVexPNGReadStream::HandleHeader(uint32_t length, const std::vector<uint8_t>& d) {
  if (headerSeen_) throw EVexPNG(pngmsg::kTwoIhdr);
  if (length != 13) throw EVexPNG(pngmsg::kIhdrLength);
  const uint32_t w = U32(d.data()), h = U32(d.data() + 4);
  const int colorType = d[9];
  const int low = colorType & 7;
  if (low == 1 || low == 5 || low == 7) throw EVexPNG(pngmsg::kColorType);
  if (d[10] >= 2) throw EVexPNG(pngmsg::kCompression);
  if (d[11] >= 2) throw EVexPNG(pngmsg::kFilter);
  if (d[12] >= 2) throw EVexPNG(pngmsg::kInterlace);
  if (w == 0 || h == 0 || w > png::kMaxPngNumber || h > png::kMaxPngNumber ||
      uint64_t{w} * h > uint64_t(kMaxPicturePixels))
    throw EVexPNG(pngmsg::kSize);
  headerSeen_ = true;
  width_ = w;
  height_ = h;
  depth_ = d[8];
  alphaChannel_ = alphaFlag_ = (low & png::kAlphaBit) != 0;
  baseType_ = low & 3;
  grey_ = baseType_ == png::kGrey;
  interlace_ = d[12];
}

void TVexPNGReadStream::HandleTransparency(uint32_t length, const std::vector<uint8_t>& d) {
  if (baseType_ == png::kGrey) {
    if (d.size() < 2) return;
    int32_t c = GreySampleColor(U16(d.data()));
    if (c >= 0) transparentColor_ = c;
  } else if (baseType_ == png::kRgb) {
    if (d.size() < 6) return;
    const int hi = depth_ > 8 ? 0 : 1;  // high or low byte of each 16-bit value
    transparentColor_ = ColorValue(d[size_t(hi)], d[size_t(2 + hi)], d[size_t(4 + hi)]);
  } else if (baseType_ == png::kPalette && paletteSeen_) {
    // Entries the chunk does not list stay opaque.
    const size_t n = std::min({size_t(length), d.size(), size_t(256), plte_.size()});
    std::copy_n(d.begin(), n, paletteAlpha_);
    transparentColor_ = kPaletteAlphaInUse;
  }
}

void TVexPNGReadStream::HandleBackground(uint32_t, const std::vector<uint8_t>& d) {
  if (baseType_ == png::kGrey && greyFromPalette_) {
    // Our writer gives these files a palette index of one byte.
    if (d.empty()) return;
    uint32_t v = d.size() >= 2 ? U16(d.data()) : d[0];
    if (v < plte_.size() || (!paletteSeen_ && v < 256))
      background_ = kPaletteIndexFlag | int32_t(v);
  } else if (baseType_ == png::kGrey) {
    if (d.size() < 2) return;
    if (int32_t c = GreySampleColor(U16(d.data())); c >= 0) {
      background_ = c;
    }
  } else if (baseType_ == png::kRgb) {
    if (d.size() < 6) return;
    const int hi = depth_ > 8 ? 0 : 1;
    background_ = ColorValue(d[size_t(hi)], d[size_t(2 + hi)], d[size_t(4 + hi)]);
  } else if (baseType_ == png::kPalette) {
    if (d.empty() || d[0] >= plte_.size()) return;  // an index past the palette means nothing
    background_ = kPaletteIndexFlag | d[0];
  }
}

void TVexPNGReadStream::HandleText(const std::vector<uint8_t>& d) {
  const size_t searched = std::min<size_t>(d.size(), 80);
  const auto zero = std::find(d.begin(), d.begin() + std::ptrdiff_t(searched), uint8_t(0));
  if (zero == d.begin() + std::ptrdiff_t(searched)) return;
  if (std::string(d.begin(), zero) != "Comment") return;
  if (comment_.size() > kMaxAncillaryLength) return;
  if (!comment_.empty()) comment_ += "\r\n";
  comment_.append(zero + 1, d.end());
  comment_ += "\r\n";
}

void TVexPNGReadStream::CheckDepth() {
  int channels = 1;
  switch (baseType_) {
    case png::kGrey:
      if (alphaChannel_ && depth_ < 8) throw EVexPNG(pngmsg::kAlphaDepth);
      if (depth_ != 1 && depth_ != 2 && depth_ != 4 && depth_ != 8 && depth_ != 16)
        throw EVexPNG(pngmsg::kGreyDepth);
      targetBits_ = depth_ == 1 ? 1 : depth_ <= 4 ? 4 : 8;
      channels = alphaChannel_ ? 2 : 1;
      break;
    case png::kRgb:
      if (depth_ != 8 && depth_ != 16) throw EVexPNG(pngmsg::kRgbDepth);
      targetBits_ = 24;
      if (keep15And16Bit && depth_ == 8) {
        if (significantBits_[0] == 5 && significantBits_[1] == 6 && significantBits_[2] == 5)
          targetBits_ = 16;
        else if (significantBits_[0] == 5 && significantBits_[1] == 5 && significantBits_[2] == 5)
          targetBits_ = 15;
      }
      channels = alphaChannel_ ? 4 : 3;
      break;
    default:  // palette
      if (depth_ != 1 && depth_ != 2 && depth_ != 4 && depth_ != 8)
        throw EVexPNG(pngmsg::kGreyDepth);
      targetBits_ = depth_ == 1 ? 1 : depth_ <= 4 ? 4 : 8;
      break;
  }
  bitsPerPixel_ = depth_ * channels;
  if (png::RowBytes(width_, bitsPerPixel_) > kMaxRowBytes) throw EVexPNG(pngmsg::kSize);
}

void TVexPNGReadStream::SetupBitmap() {
  const bool indexed = baseType_ == png::kPalette || greyFromPalette_;
  if (indexed) {
    // Indices past the palette show black.
    palette_ = QList<QRgb>(plte_.begin(), plte_.end());
    while (palette_.size() < (1 << std::min(depth_, 8))) palette_.push_back(qRgb(0, 0, 0));
  } else if (baseType_ == png::kGrey) {
    palette_ = MakeGrayPalette(std::min(depth_, 8));
  } else {
    palette_.clear();
  }
  if (transparentColor_ == kPaletteAlphaInUse) {
    int transparent = -1, zeros = 0, opaque = 0;
    for (int i = 0; i < 256; ++i) {
      if (paletteAlpha_[i] == 0)
        ++zeros, transparent = i;
      else if (paletteAlpha_[i] == 255)
        ++opaque;
    }
    if (zeros == 1 && opaque == 255) {
      transparentColor_ = kPaletteIndexFlag | transparent;
    } else {
      paletteAlphaInUse_ = true;
      transparentColor_ = -1;
    }
  }
  try {
    TVexCustomGraphicReadStream::SetupBitmap();
    if ((alphaChannel_ || paletteAlphaInUse_) && alphaBitmap) {
      *alphaBitmap = TBitmap(int(width_), int(height_), TPixelFormat::pf8bit);
      alphaBitmap->SetPalette(MakeGrayPalette(8));
      alphaBitmap->SetTransparent(false);
    }
  } catch (const EVexPNG&) {
    throw;
  } catch (const EInvalidGraphic&) {  // no memory for the bitmaps
    throw EVexPNG(pngmsg::kSize);
  }
}

void TVexPNGReadStream::ReadImageData(uint32_t length) {
  if (!headerSeen_) throw EVexPNG(pngmsg::kNoIhdr);
  chunkLeft_ = length;
  chunkCrc_ = png::ChunkCrc(png::kIDAT, nullptr, 0);
  if (rowsDone_) {  // image data after the rows: checked and skipped
    FinishImageChunk();
    return;
  }
  imageStarted_ = true;
  if (InflaterInit(z_) != 0) throw EVexPNG(pngmsg::kZlib);
  CheckDepth();
  SetupBitmap();
  if (hookActive_ && rowHook) {
    z_.rowHook = rowHook;
    z_.hookText = userText;
  } else {
    z_.rowHook = nullptr;
  }
  ReadRows();
  InflaterFree(z_);
  rowsDone_ = true;
  FinishImageChunk();
}

void TVexPNGReadStream::ReadRows() {
  const PngRowConverter convert =
      ChooseReadConverter(baseType_, alphaChannel_, depth_, targetBits_);
  if (!convert) throw EVexPNG(pngmsg::kGreyDepth);
  const bool adam7 = interlace_ == 1;
  const int storageBits = targetBits_ == 1 ? 1 : targetBits_ <= 8 ? 8 : targetBits_ <= 16 ? 16 : 32;
  const bool withAlpha = alphaChannel_ && alphaBitmap && !alphaBitmap->Empty();

  const std::vector<png::ImagePass> passes = png::ImagePasses(width_, height_, adam7);
  BeginProgressSection(png::RowCount(passes), 98);

  std::vector<uint8_t> passPixels, passAlpha;
  if (adam7) {
    passPixels.resize(png::RowBytes(width_, storageBits) + 4);
    passAlpha.resize(width_);
  }
  z_.expected = 0;
  for (const png::ImagePass& pass : passes)
    z_.expected += uint64_t{pass.height} * (png::RowBytes(pass.width, bitsPerPixel_) + 1);
  int64_t rowsDone = 0;
  for (const png::ImagePass& pass : passes) {
    StartRows(z_, png::RowBytes(pass.width, bitsPerPixel_), bitsPerPixel_);
    for (uint32_t j = 0; j < pass.height; ++j) {
      int r = InflateRow(z_);
      if (r == kInflateNoInput) throw EVexPNG(pngmsg::kReadError);
      if (r != 0) throw EVexPNG(pngmsg::kZlib);
      const int y = int(pass.at.y0 + j * pass.at.dy);
      const uint8_t* src = z_.row + 1;
      uint8_t* alphaRow = withAlpha ? alphaBitmap->ScanLine(y) : nullptr;
      if (!adam7) {
        convert(src, pass.width, bitmap_->ScanLine(y), alphaRow);
      } else {
        convert(src, pass.width, passPixels.data(), withAlpha ? passAlpha.data() : nullptr);
        png::CopyPixels(passPixels.data(), 0, 1, bitmap_->ScanLine(y), pass.at.x0, pass.at.dx,
                        pass.width, storageBits);
        if (withAlpha)
          png::CopyPixels(passAlpha.data(), 0, 1, alphaRow, pass.at.x0, pass.at.dx, pass.width, 8);
      }
      ProgressStep(++rowsDone);
    }
  }
}

std::span<const uint8_t> TVexPNGReadStream::RefillImageData() {
  while (chunkLeft_ == 0) {
    // This chunk is used up: check it, then the next must continue the image data.
    uint32_t stored = ReadLongBE();
    if (EndOfData()) return {};
    if (stored != chunkCrc_) throw EVexPNG(pngmsg::kCrc);
    uint32_t length = ReadLongBE();
    uint32_t type = ReadLongBE();
    if (EndOfData() || type != png::kIDAT) return {};
    if (length > png::kMaxPngNumber || int64_t{length} + 4 > Remaining()) return {};
    chunkLeft_ = length;
    chunkCrc_ = png::ChunkCrc(png::kIDAT, nullptr, 0);
  }
  std::span<const uint8_t> s = ReadInPlace(chunkLeft_);
  if (s.empty()) return {};
  chunkCrc_ = uint32_t(crc32_z(chunkCrc_, s.data(), s.size()));
  chunkLeft_ -= uint32_t(s.size());
  return s;
}

void TVexPNGReadStream::FinishImageChunk() {
  while (chunkLeft_ > 0) {
    std::span<const uint8_t> s = ReadInPlace(chunkLeft_);
    if (s.empty()) return;  // the file ends here; the image is complete
    chunkCrc_ = uint32_t(crc32_z(chunkCrc_, s.data(), s.size()));
    chunkLeft_ -= uint32_t(s.size());
  }
  uint32_t stored = ReadLongBE();
  if (!EndOfData() && stored != chunkCrc_) throw EVexPNG(pngmsg::kCrc);
}

void TVexPNGReadStream::ApplyPaletteAlpha() {
  const bool bits = bitmap_->PixelFormat() == TPixelFormat::pf1bit;
  for (int y = 0; y < int(height_); ++y) {
    const uint8_t* src = bitmap_->ScanLine(y);
    uint8_t* a = alphaBitmap->ScanLine(y);
    for (uint32_t x = 0; x < width_; ++x) {
      uint8_t index = bits ? uint8_t((src[x / 8] >> (7 - x % 8)) & 1) : src[x];
      a[x] = uint8_t(255 - paletteAlpha_[index]);
    }
  }
  alphaFlag_ = true;
}
