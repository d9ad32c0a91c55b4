#include "png/VexPNG.h"

#include <utility>

#include "platform/Picture.h"
#include "png/VexPNGReadStream.h"
#include "png/VexPNGWriteStream.h"

namespace {

// Lends the picture's progress callback to a bitmap for one read or write.
class ProgressLoan {
 public:
  ProgressLoan(TBitmap& bitmap, const std::function<void(TProgressStage, int)>& progress)
      : bitmap_(bitmap), saved_(std::exchange(bitmap.OnProgress, progress)) {}
  ~ProgressLoan() { bitmap_.OnProgress = std::move(saved_); }

 private:
  TBitmap& bitmap_;
  std::function<void(TProgressStage, int)> saved_;
};

}  // namespace

TVexPNG::TVexPNG() : time(CurrentPNGTime()) {}

void TVexPNG::SetWidth(int width) {
  Bitmap().SetWidth(width);
  if (!AlphaBitmap().Empty()) AlphaBitmap().SetWidth(width);
  Changed();
}

void TVexPNG::SetHeight(int height) {
  Bitmap().SetHeight(height);
  if (!AlphaBitmap().Empty()) AlphaBitmap().SetHeight(height);
  Changed();
}

void TVexPNG::SetTransparent(bool on) {
  if (Bitmap().Transparent() == on) return;
  Bitmap().SetTransparent(on);
  Changed();
}

void TVexPNG::LoadFromStream(QIODevice& stream) {
  TVexPNGReadStream reader;
  reader.rowHook = rowHook;
  reader.userText = userText;
  reader.SetMacBinaryCheck(macBinaryCheck);
  reader.keep15And16Bit = keep15And16Bit;
  reader.time = &time;
  reader.chromaticities = &chromaticities;
  reader.gifExtension = &gifExtension;
  AlphaBitmap().Clear();
  reader.alphaBitmap = &AlphaBitmap();
  {
    ProgressLoan loan(Bitmap(), OnProgress);
    reader.ReadBitmap(stream, Bitmap());
  }
  alphaFlag = reader.AlphaFlag();
  comment = reader.Comment();
  background = reader.Background();
  transparentColor = reader.TransparentColor();
  interlace = reader.Interlace();
  gamma = reader.Gamma();
  physicalSize = reader.PhysicalSize();
  significantBits = reader.SignificantBits();
  bitDepth = reader.BitDepth();
  grey = reader.Grey();
  Changed();
}

void TVexPNG::SaveToStream(QIODevice& stream) {
  TVexPNGWriteStream writer;
  writer.compressionLevel = compressionLevel;
  writer.filterMode = filterMode;
  writer.SetIDATSize(idatSize);
  writer.interlace = interlace;
  writer.grey = grey;
  writer.comment = comment;
  writer.background = background;
  writer.transparentColor = transparentColor;
  writer.gamma = gamma;
  writer.significantBits = significantBits;
  writer.physicalSize = physicalSize;
  writer.timeNow = timeNow;
  writer.time = time;
  writer.chromaticities = chromaticities;
  writer.gifExtension = gifExtension;
  writer.rowHook = rowHook;
  writer.userText = userText;
  if (alphaFlag) writer.alphaBitmap = &AlphaBitmap();
  ProgressLoan loan(Bitmap(), OnProgress);
  writer.WriteBitmap(Bitmap(), stream);
}

void TVexPNG::Assign(const TGraphic& source) {
  if (&source == this) return;
  if (auto* png = dynamic_cast<const TVexPNG*>(&source)) {
    Bitmap().Assign(png->Bitmap());
    AlphaBitmap().Assign(png->AlphaBitmap());
    idatSize = png->idatSize;
    compressionLevel = png->compressionLevel;
    filterMode = png->filterMode;
    interlace = png->interlace;
    grey = png->grey;
    alphaFlag = png->alphaFlag;
    bitDepth = png->bitDepth;
    background = png->background;
    transparentColor = png->transparentColor;
    comment = png->comment;
    gamma = png->gamma;
    significantBits = png->significantBits;
    physicalSize = png->physicalSize;
    timeNow = png->timeNow;
    time = png->time;
    chromaticities = png->chromaticities;
    gifExtension = png->gifExtension;
  } else {
    Bitmap().Assign(source);
    // A stale alpha bitmap would otherwise be saved over the new image.
    alphaFlag = false;
    AlphaBitmap().Clear();
  }
  Changed();
}

bool TVexPNG::AssignTo(TGraphic& dest) const {
  dest.Assign(Bitmap());
  return true;
}

QImage TVexPNG::Image() const {
  const TBitmap& alpha = AlphaBitmap();
  if (!alphaFlag || alpha.Width() != Width() || alpha.Height() != Height() ||
      alpha.PixelFormat() != TPixelFormat::pf8bit)
    return Bitmap().Image();
  QImage out = Bitmap().Pixels().convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < out.height(); ++y) {
    auto* row = reinterpret_cast<QRgb*>(out.scanLine(y));
    const uchar* a = alpha.ScanLine(y);
    for (int x = 0; x < out.width(); ++x) row[x] = (row[x] & 0x00FFFFFF) | QRgb(255 - a[x]) << 24;
  }
  return out;
}

void RegisterVexPNG() { TPicture::RegisterFileFormat<TVexPNG>("png", "PNG Format"); }

void UnregisterVexPNG() { TPicture::UnregisterGraphicClass<TVexPNG>(); }
