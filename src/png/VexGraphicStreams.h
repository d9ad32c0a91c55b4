#pragma once
// The read and write streams bound to a bitmap: a format's reader fills the bitmap in
// ReadImage, its writer writes it in WriteImage. Progress goes to the bitmap's
// OnProgress.
#include <QList>
#include <QRgb>
#include <string>

#include "platform/Bitmap.h"
#include "png/VexReadStream.h"
#include "png/VexWriteStream.h"

class TVexCustomGraphicReadStream : public TVexCustomReadStream {
 public:
  TVexCustomGraphicReadStream();  // MacBinary check on

  // Reads the picture at the stream's position into bitmap (limit as for Attach). The
  // bitmap's OnChange stays silent meanwhile; the stream is left after the bytes used.
  void ReadBitmap(QIODevice& stream, TBitmap& bitmap, int64_t limit = 0);

  const std::string& Comment() const { return comment_; }

 protected:
  virtual void ReadImage() = 0;
  // Gives the bitmap its pixel format, size and palette from the fields below.
  virtual void SetupBitmap();
  void Progress(TProgressStage stage, int percent) override;

  TBitmap* bitmap_ = nullptr;
  uint32_t width_ = 0, height_ = 0;
  int bitsPerPixel_ = 0;  // of the file
  int targetBits_ = 24;   // of the bitmap
  QList<QRgb> palette_;
  std::string comment_;
};

class TVexCustomGraphicWriteStream : public TVexCustomWriteStream {
 public:
  // Writes bitmap at the stream's position and flushes.
  void WriteBitmap(const TBitmap& bitmap, QIODevice& stream);

 protected:
  virtual void WriteImage() = 0;
  void Progress(TProgressStage stage, int percent) override;

  const TBitmap* bitmap_ = nullptr;
};
