#include "PngTestSupport.h"

#include <png.h>
#include <zlib.h>

#include <QBuffer>
#include <QDir>
#include <cstdlib>
#include <stdexcept>

#include "png/EVexPNG.h"

namespace pngtest {

std::string TestDataDir() {
  const char* env = std::getenv("LP_TESTDATA");
  std::string dir = env && *env ? env : LP_TESTDATA;
  return QDir(QString::fromStdString(dir)).exists() ? dir : std::string();
}

QByteArray Encode(const TBitmap& bitmap, const std::function<void(TVexPNGWriteStream&)>& setup) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  TVexPNGWriteStream writer;
  writer.timeNow = false;
  if (setup) setup(writer);
  writer.WriteBitmap(bitmap, buffer);
  return bytes;
}

void Decode(const QByteArray& png, Decoded& out,
            const std::function<void(TVexPNGReadStream&)>& setup) {
  QByteArray copy = png;
  QBuffer buffer(&copy);
  buffer.open(QIODevice::ReadOnly);
  out.reader.alphaBitmap = &out.alpha;
  if (setup) setup(out.reader);
  out.reader.ReadBitmap(buffer, out.image);
}

std::string DecodeError(const QByteArray& png) {
  try {
    Decoded d;
    Decode(png, d);
  } catch (const EVexPNG& e) {
    return e.what();
  }
  return "";
}

uint16_t Be16(const QByteArray& d, int at) {
  return uint16_t(uint8_t(d[at]) << 8 | uint8_t(d[at + 1]));
}

uint32_t Be32(const QByteArray& d, int at) { return uint32_t(Be16(d, at)) << 16 | Be16(d, at + 2); }

std::vector<Chunk> Chunks(const QByteArray& png) {
  std::vector<Chunk> out;
  for (int at = 8; at + 12 <= png.size();) {
    uint32_t length = Be32(png, at);
    if (at + 12 + qsizetype(length) > png.size()) break;
    out.push_back({png.mid(at + 4, 4).toStdString(), png.mid(at + 8, length)});
    at += 12 + int(length);
  }
  return out;
}

const Chunk* FindChunk(const std::vector<Chunk>& chunks, const std::string& type) {
  for (const Chunk& c : chunks)
    if (c.type == type) return &c;
  return nullptr;
}

QByteArray ChunkBytes(const std::string& type, const QByteArray& data, bool goodCrc) {
  QByteArray out;
  auto put32 = [&out](uint32_t v) {
    for (int s = 24; s >= 0; s -= 8) out.append(char(v >> s));
  };
  put32(uint32_t(data.size()));
  QByteArray body = QByteArray::fromStdString(type) + data;
  out += body;
  uint32_t crc =
      uint32_t(crc32(0, reinterpret_cast<const Bytef*>(body.constData()), uInt(body.size())));
  put32(goodCrc ? crc : crc ^ 1);
  return out;
}

QByteArray Build(const std::vector<Chunk>& chunks) {
  QByteArray out("\x89PNG\r\n\x1a\n", 8);
  for (const Chunk& c : chunks) out += ChunkBytes(c.type, c.data);
  return out;
}

QByteArray Ihdr(uint32_t width, uint32_t height, int depth, int colorType, int interlace) {
  QByteArray d;
  for (uint32_t v : {width, height})
    for (int s = 24; s >= 0; s -= 8) d.append(char(v >> s));
  d.append(char(depth)).append(char(colorType)).append('\0').append('\0').append(char(interlace));
  return d;
}

QByteArray InflatedImageData(const QByteArray& png) {
  QByteArray z;
  for (const Chunk& c : Chunks(png))
    if (c.type == "IDAT") z += c.data;
  QByteArray out;
  z_stream s{};
  inflateInit(&s);
  s.next_in = reinterpret_cast<Bytef*>(z.data());
  s.avail_in = uInt(z.size());
  char buf[65536];
  int r;
  do {
    s.next_out = reinterpret_cast<Bytef*>(buf);
    s.avail_out = sizeof buf;
    r = inflate(&s, Z_NO_FLUSH);
    out.append(buf, qsizetype(sizeof buf - s.avail_out));
  } while (r == Z_OK);
  inflateEnd(&s);
  return out;
}

QByteArray Deflate(const QByteArray& raw) {
  uLongf size = compressBound(uLong(raw.size()));
  QByteArray out(qsizetype(size), '\0');
  compress(reinterpret_cast<Bytef*>(out.data()), &size,
           reinterpret_cast<const Bytef*>(raw.constData()), uLong(raw.size()));
  out.resize(qsizetype(size));
  return out;
}

namespace {

struct MemoryInput {
  const QByteArray* data;
  qsizetype at;
};

void ReadFromMemory(png_structp p, png_bytep out, png_size_t n) {
  auto* in = static_cast<MemoryInput*>(png_get_io_ptr(p));
  if (in->at + qsizetype(n) > in->data->size()) png_error(p, "read past the end");
  std::memcpy(out, in->data->constData() + in->at, n);
  in->at += qsizetype(n);
}

void ErrorToJump(png_structp p, png_const_charp message) {
  auto* text = static_cast<std::string*>(png_get_error_ptr(p));
  *text = message;
  png_longjmp(p, 1);
}

void IgnoreWarning(png_structp, png_const_charp) {}

}  // namespace

Rgba LibpngRgba(const QByteArray& png) {
  std::string error;
  png_structp p = png_create_read_struct(PNG_LIBPNG_VER_STRING, &error, ErrorToJump, IgnoreWarning);
  png_infop info = png_create_info_struct(p);
  MemoryInput input{&png, 0};
  Rgba out;
  std::vector<png_bytep> rows;
  if (setjmp(png_jmpbuf(p))) {
    png_destroy_read_struct(&p, &info, nullptr);
    throw std::runtime_error("libpng: " + error);
  }
  png_set_read_fn(p, &input, ReadFromMemory);
  png_read_info(p, info);
  png_set_expand(p);
  png_set_strip_16(p);
  png_set_gray_to_rgb(p);
  png_set_add_alpha(p, 0xFF, PNG_FILLER_AFTER);
  png_set_interlace_handling(p);
  png_read_update_info(p, info);
  out.width = int(png_get_image_width(p, info));
  out.height = int(png_get_image_height(p, info));
  out.px.resize(size_t(out.width) * size_t(out.height) * 4);
  for (int y = 0; y < out.height; ++y)
    rows.push_back(out.px.data() + size_t(y) * size_t(out.width) * 4);
  png_read_image(p, rows.data());
  png_read_end(p, nullptr);
  png_destroy_read_struct(&p, &info, nullptr);
  return out;
}

Rgba ToRgba(const QImage& image) {
  QImage argb = image.convertToFormat(QImage::Format_ARGB32);
  Rgba out;
  out.width = argb.width();
  out.height = argb.height();
  out.px.reserve(size_t(out.width) * size_t(out.height) * 4);
  for (int y = 0; y < argb.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
    for (int x = 0; x < argb.width(); ++x) {
      out.px.push_back(uint8_t(qRed(row[x])));
      out.px.push_back(uint8_t(qGreen(row[x])));
      out.px.push_back(uint8_t(qBlue(row[x])));
      out.px.push_back(uint8_t(qAlpha(row[x])));
    }
  }
  return out;
}

std::string FirstDifference(const Rgba& a, const Rgba& b) {
  if (a.width != b.width || a.height != b.height)
    return "size " + std::to_string(a.width) + "x" + std::to_string(a.height) + " against " +
           std::to_string(b.width) + "x" + std::to_string(b.height);
  for (size_t i = 0; i < a.px.size(); i += 4) {
    if (std::memcmp(&a.px[i], &b.px[i], 4) == 0) continue;
    size_t pixel = i / 4;
    auto quad = [](const Rgba& r, size_t k) {
      return std::to_string(r.px[k]) + "," + std::to_string(r.px[k + 1]) + "," +
             std::to_string(r.px[k + 2]) + "," + std::to_string(r.px[k + 3]);
    };
    return "pixel (" + std::to_string(pixel % size_t(a.width)) + ", " +
           std::to_string(pixel / size_t(a.width)) + "): " + quad(a, i) + " against " + quad(b, i);
  }
  return "";
}

}  // namespace pngtest
