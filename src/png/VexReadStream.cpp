#include "png/VexReadStream.h"

#include <QBuffer>
#include <algorithm>
#include <cstring>
#include <limits>

TVexCustomReadStream::TVexCustomReadStream() = default;
TVexCustomReadStream::~TVexCustomReadStream() = default;

void TVexCustomReadStream::Attach(QIODevice* source, int64_t limit) {
  source_ = source;
  consumed_ = 0;
  left_ = 0;
  end_ = false;
  macBinarySkipped_ = false;
  inPlace_ = false;
  start_ = source->pos();
  if (source->isSequential()) {
    available_ = std::numeric_limits<int64_t>::max() / 2;  // unknown: reads find the end
  } else {
    available_ = std::max<int64_t>(0, source->size() - start_);
  }
  if (limit > 0) available_ = std::min(available_, limit);
  if (auto* memory = qobject_cast<QBuffer*>(source); memory && !source->isSequential()) {
    inPlace_ = true;
    cur_ = reinterpret_cast<const uint8_t*>(memory->buffer().constData()) + start_;
    left_ = available_;
  } else if (!buffer_) {
    buffer_ = std::make_unique<uint8_t[]>(kBufferSize);
  }
  if (macBinaryCheck_ && available_ > 128) {
    if (left_ < 75) Refill();
    if (left_ >= 75 && cur_[0] == 0 && cur_[74] == 0) {
      Skip(128);
      macBinarySkipped_ = true;
    }
  }
}

void TVexCustomReadStream::Detach() {
  if (!source_) return;
  if (!source_->isSequential()) source_->seek(start_ + consumed_);
  source_ = nullptr;
  left_ = 0;
}

bool TVexCustomReadStream::Refill() {
  if (inPlace_ || !source_) return false;
  int64_t want = std::min(kBufferSize, Remaining());
  if (want <= 0) return false;
  qint64 got = source_->read(reinterpret_cast<char*>(buffer_.get()), want);
  if (got <= 0) {
    available_ = consumed_;  // the source ended early
    return false;
  }
  cur_ = buffer_.get();
  left_ = got;
  return true;
}

int64_t TVexCustomReadStream::ReadBuffer(void* buffer, int64_t n) {
  if (n <= 0) return 0;
  auto* out = static_cast<uint8_t*>(buffer);
  if (end_ || n > Remaining()) {
    end_ = true;
    std::memset(out, 0, size_t(n));
    return 0;
  }
  int64_t done = 0;
  while (done < n) {
    if (left_ == 0) {
      int64_t rest = n - done;
      if (!inPlace_ && rest >= kBufferSize) {
        // Large blocks go straight from the source.
        qint64 got = source_->read(reinterpret_cast<char*>(out + done), rest);
        if (got != rest) break;
        done += rest;
        consumed_ += rest;
        continue;
      }
      if (!Refill()) break;
    }
    int64_t k = std::min(left_, n - done);
    std::memcpy(out + done, cur_, size_t(k));
    cur_ += k;
    left_ -= k;
    consumed_ += k;
    done += k;
  }
  if (done < n) {
    end_ = true;
    std::memset(out, 0, size_t(n));
    return 0;
  }
  return n;
}

template <int N>
bool TVexCustomReadStream::Take(uint8_t (&bytes)[N]) {
  if (!end_ && left_ >= N) {
    std::memcpy(bytes, cur_, N);
    cur_ += N;
    left_ -= N;
    consumed_ += N;
    return true;
  }
  return ReadBuffer(bytes, N) == N;
}

uint8_t TVexCustomReadStream::ReadByte() {
  uint8_t b[1];
  return Take(b) ? b[0] : 0;
}

uint16_t TVexCustomReadStream::ReadWordBE() {
  uint8_t b[2];
  return Take(b) ? uint16_t(b[0] << 8 | b[1]) : 0;
}

uint32_t TVexCustomReadStream::ReadLongBE() {
  uint8_t b[4];
  return Take(b) ? uint32_t(b[0]) << 24 | uint32_t(b[1]) << 16 | uint32_t(b[2]) << 8 | b[3] : 0;
}

void TVexCustomReadStream::Skip(int64_t n) {
  if (n <= 0 || end_) return;
  if (n > Remaining()) {
    end_ = true;
    return;
  }
  if (n <= left_) {
    cur_ += n;
    left_ -= n;
    consumed_ += n;
    return;
  }
  consumed_ += n;
  left_ = 0;
  if (!source_->isSequential()) {
    source_->seek(start_ + consumed_);
    return;
  }
  for (int64_t rest = n; rest > 0;) {  // a pipe can only be read through
    qint64 got = source_->skip(rest);
    if (got <= 0) {
      end_ = true;
      return;
    }
    rest -= got;
  }
}

std::span<const uint8_t> TVexCustomReadStream::ReadInPlace(int64_t max) {
  if (max <= 0 || end_) return {};
  if (left_ == 0 && !Refill()) {
    end_ = true;
    return {};
  }
  int64_t k = std::min({max, left_, Remaining()});
  std::span<const uint8_t> out(cur_, size_t(k));
  cur_ += k;
  left_ -= k;
  consumed_ += k;
  return out;
}
