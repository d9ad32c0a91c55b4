#include "png/VexZStream.h"

#include <algorithm>
#include <cstring>

#include "png/RowFilters.h"
#include "png/ZlibMemory.h"

TVexZStream::~TVexZStream() {
  InflaterFree(*this);
  DeflaterFree(*this);
}

int InflaterInit(TVexZStream& s) {
  InflaterFree(s);
  s.z = z_stream{};
  s.z.zalloc = ZlibAlloc;
  s.z.zfree = ZlibFree;
  if (inflateInit(&s.z) != Z_OK) return -1;
  s.inflating = true;
  s.streamEnded = s.inputEnded = false;
  s.inflatedPos = s.inflatedEnd = 0;
  s.expected = 0;
  return 0;
}

void InflaterFree(TVexZStream& s) {
  if (!s.inflating) return;
  inflateEnd(&s.z);
  s.inflating = false;
}

void StartRows(TVexZStream& s, size_t rowBytes, int bitsPerPixel) {
  s.rowBytes = rowBytes;
  s.bitsPerPixel = bitsPerPixel;
  for (auto* row : {&s.current, &s.previous, &s.candidate, &s.best}) {
    if (row->size() < rowBytes + 1 && (s.deflating || row == &s.current || row == &s.previous))
      row->resize(rowBytes + 1);
  }
  // Zeros above the first row, whichever of the two the next row swaps in.
  std::fill_n(s.previous.begin(), rowBytes + 1, 0);
  std::fill_n(s.current.begin(), rowBytes + 1, 0);
  s.above = s.previous.data();
}

namespace {

constexpr size_t kInflateAhead = 65536;

// Inflates until at least `need` bytes wait in s.inflated, reading ahead up to s.expected;
// 0 or an error code.
int InflateAhead(TVexZStream& s, size_t need) {
  size_t have = s.inflatedEnd - s.inflatedPos;
  if (have >= need) return 0;
  if (s.inflated.size() < std::max(need, kInflateAhead))
    s.inflated.resize(std::max(need, kInflateAhead));
  std::memmove(s.inflated.data(), s.inflated.data() + s.inflatedPos, have);
  s.inflatedPos = 0;
  s.inflatedEnd = have;
  const size_t want = size_t(std::clamp<uint64_t>(s.expected, need, s.inflated.size()));
  while (s.inflatedEnd < want) {
    if (s.streamEnded || s.inputEnded) break;
    if (s.z.avail_in == 0) {
      std::span<const uint8_t> in = s.refill();
      if (in.empty()) {
        s.inputEnded = true;
        break;
      }
      s.z.next_in = const_cast<Bytef*>(in.data());
      s.z.avail_in = uInt(in.size());
    }
    s.z.next_out = s.inflated.data() + s.inflatedEnd;
    s.z.avail_out = uInt(want - s.inflatedEnd);
    int r = inflate(&s.z, Z_NO_FLUSH);
    s.inflatedEnd = want - s.z.avail_out;
    if (r == Z_STREAM_END) {
      s.streamEnded = true;
      break;
    }
    // Z_BUF_ERROR with input left means the stream cannot go on.
    if (r != Z_OK && !(r == Z_BUF_ERROR && s.z.avail_in == 0)) return r < 0 ? r : Z_DATA_ERROR;
  }
  if (s.inflatedEnd >= need) return 0;
  return s.streamEnded ? kInflateEarlyEnd : kInflateNoInput;
}

}  // namespace

int InflateRow(TVexZStream& s) {
  const size_t length = s.rowBytes + 1;
  if (s.inflatedEnd - s.inflatedPos < length) {
    // The row above is about to move: keep a copy.
    if (s.above != s.previous.data()) {
      std::memcpy(s.previous.data(), s.above, length);
      s.above = s.previous.data();
    }
    if (int r = InflateAhead(s, length); r != 0) return r;
  }
  uint8_t* row = s.inflated.data() + s.inflatedPos;
  s.inflatedPos += length;
  s.expected -= std::min<uint64_t>(s.expected, length);
  if (s.rowHook) s.rowHook(row, length, s.hookText);
  if (!UnfilterRow(row[0], row + 1, s.above + 1, s.rowBytes, FilterStride(s.bitsPerPixel)))
    return kInflateBadFilter;
  s.row = row;
  s.above = row;
  return 0;
}

int DeflaterInit(TVexZStream& s, int level, int bufferSize) {
  DeflaterFree(s);
  if (bufferSize < 1 || bufferSize > 262143) bufferSize = 32768;
  if (level < 0 || level > 9) level = Z_DEFAULT_COMPRESSION;
  s.buffer.assign(size_t(bufferSize), 0);
  s.z = z_stream{};
  s.z.zalloc = ZlibAlloc;
  s.z.zfree = ZlibFree;
  if (deflateInit(&s.z, level) != Z_OK) return -1;
  s.deflating = true;
  s.z.next_out = s.buffer.data();
  s.z.avail_out = uInt(s.buffer.size());
  return 0;
}

namespace {

// Runs deflate until the input is used up (or, finishing, until the end), handing each
// full buffer on.
int Pump(TVexZStream& s, int flushMode) {
  for (;;) {
    if (s.z.avail_out == 0) {
      s.flush(s.buffer.data(), s.buffer.size());
      s.z.next_out = s.buffer.data();
      s.z.avail_out = uInt(s.buffer.size());
    }
    int r = deflate(&s.z, flushMode);
    if (r == Z_STREAM_END) return 0;
    if (r != Z_OK && r != Z_BUF_ERROR) return r;
    if (flushMode == Z_NO_FLUSH && s.z.avail_in == 0 && s.z.avail_out > 0) return 0;
    if (r == Z_BUF_ERROR && s.z.avail_out > 0) return r;  // no progress possible
  }
}

}  // namespace

int DeflateRow(TVexZStream& s) {
  const size_t length = s.rowBytes + 1;
  const uint8_t* chosen =
      ChooseAndFilterRow(s.filterMode, s.current.data(), s.previous.data() + 1, s.rowBytes,
                         s.bitsPerPixel, s.candidate.data(), s.best.data(), s.counts);
  if (s.rowHook) {
    // The hook may change the row; the unfiltered one must stay for the next row's filter.
    uint8_t* own = chosen == s.current.data() ? s.candidate.data() : const_cast<uint8_t*>(chosen);
    if (own != chosen) std::memcpy(own, chosen, length);
    s.rowHook(own, length, s.hookText);
    chosen = own;
  }
  s.z.next_in = const_cast<Bytef*>(chosen);
  s.z.avail_in = uInt(length);
  int r = Pump(s, Z_NO_FLUSH);
  std::swap(s.current, s.previous);
  return r;
}

int DeflaterFinish(TVexZStream& s) {
  s.z.next_in = nullptr;
  s.z.avail_in = 0;
  int r = Pump(s, Z_FINISH);
  if (r != 0) return r;
  size_t used = s.buffer.size() - s.z.avail_out;
  if (used) s.flush(s.buffer.data(), used);
  s.z.next_out = s.buffer.data();
  s.z.avail_out = uInt(s.buffer.size());
  deflateReset(&s.z);
  return 0;
}

void DeflaterFree(TVexZStream& s) {
  if (!s.deflating) return;
  deflateEnd(&s.z);
  s.deflating = false;
}
