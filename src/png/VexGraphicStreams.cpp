#include "png/VexGraphicStreams.h"

#include <utility>

#include "png/VexPalette.h"

TVexCustomGraphicReadStream::TVexCustomGraphicReadStream() { SetMacBinaryCheck(true); }

void TVexCustomGraphicReadStream::ReadBitmap(QIODevice& stream, TBitmap& bitmap, int64_t limit) {
  struct Guard {
    TVexCustomGraphicReadStream& s;
    TBitmap& b;
    std::function<void()> onChange;
    ~Guard() {
      s.Detach();
      b.OnChange = std::move(onChange);
      s.bitmap_ = nullptr;
    }
  } guard{*this, bitmap, std::exchange(bitmap.OnChange, nullptr)};
  bitmap_ = &bitmap;
  Attach(&stream, limit);
  ReadImage();
}

void TVexCustomGraphicReadStream::SetupBitmap() {
  TPixelFormat format = BitsToPixelFormat(targetBits_);
  *bitmap_ = TBitmap(int(width_), int(height_), format);
  if (!palette_.isEmpty()) bitmap_->SetPalette(palette_);
}

void TVexCustomGraphicReadStream::Progress(TProgressStage stage, int percent) {
  if (bitmap_ && bitmap_->OnProgress) bitmap_->OnProgress(stage, percent);
}

void TVexCustomGraphicWriteStream::WriteBitmap(const TBitmap& bitmap, QIODevice& stream) {
  struct Guard {
    TVexCustomGraphicWriteStream& s;
    ~Guard() { s.bitmap_ = nullptr; }
  } guard{*this};
  bitmap_ = &bitmap;
  Attach(&stream);
  WriteImage();
  Flush();
}

void TVexCustomGraphicWriteStream::Progress(TProgressStage stage, int percent) {
  if (bitmap_ && bitmap_->OnProgress) bitmap_->OnProgress(stage, percent);
}
