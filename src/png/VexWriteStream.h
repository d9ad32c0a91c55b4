#pragma once
// Buffered big-endian writing to a stream. Small blocks gather in a 64 KB buffer, large
// ones go straight to the target. A write the target does not take raises EVexPNG
// "Write Image (PNG): Write Error".
#include <QIODevice>
#include <cstdint>
#include <memory>

#include "png/VexProgress.h"

class TVexCustomWriteStream : public TVexProgress {
 public:
  static constexpr int64_t kBufferSize = 65536;
  // Blocks of at least this size are not copied into the buffer.
  static constexpr int64_t kDirectWrite = 65520;

  TVexCustomWriteStream();
  ~TVexCustomWriteStream() override;

  void Attach(QIODevice* target);
  void WriteBuffer(const void* data, int64_t n);
  void WriteLongBE(uint32_t v);
  void Flush();
  int64_t TotalWritten() const { return total_; }

 private:
  void Put(const void* data, int64_t n);

  QIODevice* target_ = nullptr;
  std::unique_ptr<uint8_t[]> buffer_;
  int64_t fill_ = 0;
  int64_t total_ = 0;
};
