#pragma once
// Helpers of the PNG tests: encoding and decoding in memory, a chunk walker and builder,
// libpng as the independent decoder, and the shared test data folder.
#include <QByteArray>
#include <QIODevice>
#include <QImage>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Color.h"
#include "png/VexPNG.h"
#include "png/VexPNGReadStream.h"
#include "png/VexPNGWriteStream.h"

namespace pngtest {

// The shared test data folder (LP_TESTDATA from the environment, else from the build),
// or "" when it is not there.
std::string TestDataDir();

QByteArray Encode(const TBitmap& bitmap,
                  const std::function<void(TVexPNGWriteStream&)>& setup = nullptr);

// Our reader with an alpha bitmap; the stream is kept for what the file said.
struct Decoded {
  TBitmap image;
  TBitmap alpha{0, 0, TPixelFormat::pf8bit};
  TVexPNGReadStream reader;
};
void Decode(const QByteArray& png, Decoded& out,
            const std::function<void(TVexPNGReadStream&)>& setup = nullptr);
// The message of the EVexPNG that reading raises, or "" when it loads.
std::string DecodeError(const QByteArray& png);

struct Chunk {
  std::string type;
  QByteArray data;
};
std::vector<Chunk> Chunks(const QByteArray& png);
const Chunk* FindChunk(const std::vector<Chunk>& chunks, const std::string& type);
QByteArray ChunkBytes(const std::string& type, const QByteArray& data, bool goodCrc = true);
// Signature and chunks (each with a good CRC).
QByteArray Build(const std::vector<Chunk>& chunks);
QByteArray Ihdr(uint32_t width, uint32_t height, int depth, int colorType, int interlace = 0);
// The zlib stream of all IDAT chunks, inflated.
QByteArray InflatedImageData(const QByteArray& png);
QByteArray Deflate(const QByteArray& raw);

// 8-bit RGBA pixels, rows top-down.
struct Rgba {
  int width = 0, height = 0;
  std::vector<uint8_t> px;
  bool operator==(const Rgba&) const = default;
};
// libpng with 16-bit samples reduced to their high byte, palettes, low depths and tRNS
// expanded. Throws std::runtime_error with libpng's message.
Rgba LibpngRgba(const QByteArray& png);
Rgba ToRgba(const QImage& image);
// Where two pictures differ first, for failure messages.
std::string FirstDifference(const Rgba& a, const Rgba& b);

// Takes `room` bytes, then refuses every write.
class FullDevice : public QIODevice {
 public:
  explicit FullDevice(qint64 room) : room_(room) { open(QIODevice::WriteOnly); }

 protected:
  qint64 readData(char*, qint64) override { return -1; }
  qint64 writeData(const char*, qint64 n) override {
    if (n > room_) return -1;
    room_ -= n;
    return n;
  }

 private:
  qint64 room_;
};

// Colour values ($BBGGRR) as the codec's options hold them.
inline int32_t Color(int r, int g, int b) { return int32_t(gfx::Rgb(r, g, b)); }
inline int32_t ColorOf(QRgb c) { return int32_t(gfx::FromArgb(c)); }

uint16_t Be16(const QByteArray& d, int at);
uint32_t Be32(const QByteArray& d, int at);

}  // namespace pngtest
