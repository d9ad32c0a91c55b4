// links: png
// The PNG reader on any bytes: it either loads them or raises the codec's exception,
// without crashing, hanging or asking for memory the file cannot justify.
#include <QBuffer>
#include <QByteArray>
#include <cstddef>
#include <cstdint>

#include "png/EVexPNG.h"
#include "png/VexPNG.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::ReadOnly);
  TVexPNG picture;
  try {
    picture.LoadFromStream(buffer);
    picture.Image();  // the loaded bitmaps are consistent enough to draw
  } catch (const EVexPNG&) {
  }
  return 0;
}
