#pragma once
// Buffered big-endian reading from a stream, bounded by a byte count. A memory stream
// (QBuffer) is read in place; any other through a 64 KB buffer. Reading past the end is
// no exception: the read returns nothing (zero values) and the end-of-data flag is set.
#include <QIODevice>
#include <cstdint>
#include <memory>
#include <span>

#include "png/VexProgress.h"

class TVexCustomReadStream : public TVexProgress {
 public:
  static constexpr int64_t kBufferSize = 65536;

  TVexCustomReadStream();
  ~TVexCustomReadStream() override;

  // Reads from the source's current position up to its end, or limit bytes (limit > 0).
  // With the MacBinary check on, a 128-byte MacBinary header in front is skipped.
  void Attach(QIODevice* source, int64_t limit = 0);
  // Puts the source at the first byte not consumed and lets it go.
  void Detach();

  // n bytes, or nothing (buffer zeroed) when fewer are left; returns the count read.
  int64_t ReadBuffer(void* buffer, int64_t n);
  uint8_t ReadByte();
  uint16_t ReadWordBE();
  uint32_t ReadLongBE();
  void Skip(int64_t n);
  // Up to max bytes where they lie (the source's memory or the buffer), valid until the
  // next read; empty at the end of the data.
  std::span<const uint8_t> ReadInPlace(int64_t max);

  bool EndOfData() const { return end_; }
  // Bytes left of the available count.
  int64_t Remaining() const { return available_ - consumed_; }
  int64_t Consumed() const { return consumed_; }

  bool MacBinaryCheck() const { return macBinaryCheck_; }
  void SetMacBinaryCheck(bool on) { macBinaryCheck_ = on; }
  bool MacBinarySkipped() const { return macBinarySkipped_; }

 private:
  bool Refill();
  template <int N>
  bool Take(uint8_t (&bytes)[N]);

  QIODevice* source_ = nullptr;
  int64_t start_ = 0;      // source position of the first byte
  int64_t available_ = 0;  // bytes from start_ that may be read
  int64_t consumed_ = 0;
  bool inPlace_ = false;
  std::unique_ptr<uint8_t[]> buffer_;
  const uint8_t* cur_ = nullptr;
  int64_t left_ = 0;  // bytes at cur_
  bool end_ = false;
  bool macBinaryCheck_ = false;
  bool macBinarySkipped_ = false;
};
