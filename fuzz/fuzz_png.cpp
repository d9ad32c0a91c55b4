// links: png
// The PNG reader on any bytes: it either loads them or raises the codec's exception,
// without crashing, hanging or asking for memory the file cannot justify. Each input is
// read as it is and once more with its chunk CRCs made right, so that mutations reach
// past the CRC checks. Pictures the reader accepts but that take long to allocate and
// clear (above 4 million pixels) are left out to keep the runs fast.
#include <zlib.h>

#include <QBuffer>
#include <QByteArray>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "png/EVexPNG.h"
#include "png/VexPNG.h"

namespace {

void Load(QByteArray& bytes) {
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  TVexPNG picture;
  try {
    picture.LoadFromStream(buffer);
    picture.Image();  // the loaded bitmaps are consistent enough to draw
  } catch (const EVexPNG&) {
  }
}

uint32_t Be32(const uint8_t* p) {
  return uint32_t(p[0]) << 24 | uint32_t(p[1]) << 16 | uint32_t(p[2]) << 8 | p[3];
}

void FixCrcs(QByteArray& bytes) {
  auto* p = reinterpret_cast<uint8_t*>(bytes.data());
  const size_t size = size_t(bytes.size());
  for (size_t at = 8; at + 12 <= size;) {
    uint32_t length = Be32(p + at);
    if (length > size - at - 12) break;
    uint32_t crc = uint32_t(crc32(0, p + at + 4, length + 4));
    for (int i = 0; i < 4; ++i) p[at + 8 + length + size_t(i)] = uint8_t(crc >> (24 - 8 * i));
    at += 12 + length;
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size >= 24 && std::memcmp(data + 12, "IHDR", 4) == 0) {
    uint64_t pixels = uint64_t{Be32(data + 16)} * Be32(data + 20);
    if (pixels > (1u << 22) && pixels <= (1u << 26)) return 0;
  }
  QByteArray raw = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
  Load(raw);
  QByteArray fixed(reinterpret_cast<const char*>(data), qsizetype(size));
  FixCrcs(fixed);
  Load(fixed);
  return 0;
}
