#include "png/VexWriteStream.h"

#include <cstring>

#include "png/EVexPNG.h"

TVexCustomWriteStream::TVexCustomWriteStream()
    : buffer_(std::make_unique<uint8_t[]>(kBufferSize)) {}

TVexCustomWriteStream::~TVexCustomWriteStream() = default;

void TVexCustomWriteStream::Attach(QIODevice* target) {
  target_ = target;
  fill_ = 0;
  total_ = 0;
}

void TVexCustomWriteStream::Put(const void* data, int64_t n) {
  if (!target_ || target_->write(static_cast<const char*>(data), n) != n)
    throw EVexPNG(pngmsg::kWriteError);
}

void TVexCustomWriteStream::WriteBuffer(const void* data, int64_t n) {
  if (n <= 0) return;
  if (n >= kDirectWrite) {
    Flush();
    Put(data, n);
  } else {
    if (fill_ + n > kBufferSize - 1) Flush();
    std::memcpy(buffer_.get() + fill_, data, size_t(n));
    fill_ += n;
  }
  total_ += n;
}

void TVexCustomWriteStream::WriteLongBE(uint32_t v) {
  const uint8_t b[4] = {uint8_t(v >> 24), uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v)};
  WriteBuffer(b, 4);
}

void TVexCustomWriteStream::Flush() {
  if (fill_ == 0) return;
  int64_t n = fill_;
  fill_ = 0;
  Put(buffer_.get(), n);
}
