// links: png spng png benchmark
// Encoding and decoding of a 1024 x 768 graph picture (flat colours, lines) and a
// photo-like one (smooth noise), by this program's codec and by libspng at the same
// zlib level, window and strategy, with filtering off and with each codec's adaptive
// choice. Both start from, or end in, what the program holds: libspng encodes from the
// same RGB32 bitmap (turned into the RGB rows it needs, within the timing) and decodes
// to its nearest format, RGBA. After the runs the speed ratios are printed (above 1:
// ours is faster).
#include <benchmark/benchmark.h>
#include <spng.h>
#include <zlib.h>

#include <QBuffer>
#include <QPainter>
#include <cmath>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

#include "RunTimes.h"
#include "png/VexPNGReadStream.h"
#include "png/VexPNGWriteStream.h"

namespace {

constexpr int kWidth = 1024, kHeight = 768;

TBitmap GraphPicture() {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter p(&image);
  p.setPen(QPen(QColor(210, 210, 210), 1));
  for (int x = 0; x < kWidth; x += 32) p.drawLine(x, 0, x, kHeight - 1);
  for (int y = 0; y < kHeight; y += 32) p.drawLine(0, y, kWidth - 1, y);
  p.setPen(QPen(Qt::black, 2));
  p.drawLine(0, kHeight / 2, kWidth - 1, kHeight / 2);
  p.drawLine(kWidth / 2, 0, kWidth / 2, kHeight - 1);
  const QColor colours[] = {Qt::red, Qt::blue, QColor(0, 128, 0)};
  for (int k = 0; k < 3; ++k) {
    p.setPen(QPen(colours[k], 2));
    QPointF last;
    for (int x = 0; x < kWidth; ++x) {
      double t = (x - kWidth / 2) / 80.0;
      double v = k == 0   ? std::sin(t) * 150
                 : k == 1 ? t * t * 12 - 200
                          : std::cos(t * 1.7) * 80 + t * 20;
      QPointF pt(x, kHeight / 2 - v);
      if (x) p.drawLine(last, pt);
      last = pt;
    }
  }
  p.fillRect(QRect(700, 60, 200, 120), QColor(255, 255, 210));
  p.end();
  return TBitmap(image);
}

TBitmap PhotoPicture() {
  std::mt19937 rng(42);
  std::uniform_real_distribution<double> phase(0, 6.283);
  std::uniform_int_distribution<int> grain(-4, 4);
  double ph[3][4];
  for (auto& c : ph)
    for (double& v : c) v = phase(rng);
  TBitmap bitmap(kWidth, kHeight);
  for (int y = 0; y < kHeight; ++y) {
    auto* row = reinterpret_cast<QRgb*>(bitmap.ScanLine(y));
    for (int x = 0; x < kWidth; ++x) {
      int rgb[3];
      for (int c = 0; c < 3; ++c) {
        double v = 128 + 50 * std::sin(x / 97.0 + ph[c][0]) * std::cos(y / 71.0 + ph[c][1]) +
                   30 * std::sin((x + y) / 33.0 + ph[c][2]) +
                   20 * std::cos((x - 2 * y) / 19.0 + ph[c][3]);
        rgb[c] = std::clamp(int(v) + grain(rng), 0, 255);
      }
      row[x] = qRgb(rgb[0], rgb[1], rgb[2]);
    }
  }
  return bitmap;
}

// The RGB rows libspng takes, from the program's B, G, R, X pixels.
std::vector<uint8_t> Rgb8(const TBitmap& b) {
  std::vector<uint8_t> rgb(size_t(kWidth) * kHeight * 3);
  uint8_t* out = rgb.data();
  for (int y = 0; y < kHeight; ++y) {
    const uint8_t* p = b.ScanLine(y);
    for (int x = 0; x < kWidth; ++x, p += 4, out += 3) out[0] = p[2], out[1] = p[1], out[2] = p[0];
  }
  return rgb;
}

QByteArray VexEncode(const TBitmap& b, bool adaptive) {
  QByteArray out;
  QBuffer buffer(&out);
  buffer.open(QIODevice::WriteOnly);
  TVexPNGWriteStream writer;
  writer.filterMode = adaptive ? 0 : 1;
  writer.WriteBitmap(b, buffer);
  return out;
}

size_t SpngEncode(const std::vector<uint8_t>& rgb, bool adaptive) {
  spng_ctx* ctx = spng_ctx_new(SPNG_CTX_ENCODER);
  spng_set_option(ctx, SPNG_ENCODE_TO_BUFFER, 1);
  spng_set_option(ctx, SPNG_IMG_COMPRESSION_LEVEL, 6);  // zlib's default level
  spng_set_option(ctx, SPNG_IMG_WINDOW_BITS, 15);
  spng_set_option(ctx, SPNG_IMG_MEM_LEVEL, 8);
  spng_set_option(ctx, SPNG_IMG_COMPRESSION_STRATEGY, Z_DEFAULT_STRATEGY);
  spng_set_option(ctx, SPNG_FILTER_CHOICE,
                  adaptive ? SPNG_FILTER_CHOICE_ALL : SPNG_DISABLE_FILTERING);
  spng_ihdr ihdr{};
  ihdr.width = kWidth;
  ihdr.height = kHeight;
  ihdr.bit_depth = 8;
  ihdr.color_type = SPNG_COLOR_TYPE_TRUECOLOR;
  spng_set_ihdr(ctx, &ihdr);
  int err = spng_encode_image(ctx, rgb.data(), rgb.size(), SPNG_FMT_PNG, SPNG_ENCODE_FINALIZE);
  size_t size = 0;
  void* png = spng_get_png_buffer(ctx, &size, &err);
  free(png);
  spng_ctx_free(ctx);
  return err ? 0 : size;
}

struct Picture {
  const char* name;
  TBitmap bitmap;
  QByteArray png[2];  // ours, filtering off / adaptive
};

std::vector<Picture>& Pictures() {
  static std::vector<Picture> pictures = [] {
    std::vector<Picture> p;
    p.push_back({"graph", GraphPicture(), {}});
    p.push_back({"photo", PhotoPicture(), {}});
    for (Picture& q : p) {
      for (int a = 0; a < 2; ++a) q.png[a] = VexEncode(q.bitmap, a == 1);
    }
    return p;
  }();
  return pictures;
}

constexpr int64_t kRawBytes = int64_t{kWidth} * kHeight * 3;

void EncodeVex(benchmark::State& state, int picture, bool adaptive) {
  const Picture& p = Pictures()[size_t(picture)];
  size_t size = 0;
  for (auto _ : state) size = size_t(VexEncode(p.bitmap, adaptive).size());
  state.SetBytesProcessed(state.iterations() * kRawBytes);
  state.counters["png_bytes"] = double(size);
}

void EncodeSpng(benchmark::State& state, int picture, bool adaptive) {
  const Picture& p = Pictures()[size_t(picture)];
  size_t size = 0;
  for (auto _ : state) size = SpngEncode(Rgb8(p.bitmap), adaptive);
  if (!size) state.SkipWithError("libspng failed");
  state.SetBytesProcessed(state.iterations() * kRawBytes);
  state.counters["png_bytes"] = double(size);
}

void DecodeVex(benchmark::State& state, int picture, bool adaptive) {
  QByteArray png = Pictures()[size_t(picture)].png[adaptive];
  for (auto _ : state) {
    QBuffer buffer(&png);
    buffer.open(QIODevice::ReadOnly);
    TBitmap target;
    TVexPNGReadStream reader;
    reader.ReadBitmap(buffer, target);
    benchmark::DoNotOptimize(target.ScanLine(kHeight - 1));
  }
  state.SetBytesProcessed(state.iterations() * kRawBytes);
}

void DecodeSpng(benchmark::State& state, int picture, bool adaptive) {
  QByteArray png = Pictures()[size_t(picture)].png[adaptive];
  for (auto _ : state) {
    spng_ctx* ctx = spng_ctx_new(0);
    spng_set_png_buffer(ctx, png.constData(), size_t(png.size()));
    size_t size = 0;
    spng_decoded_image_size(ctx, SPNG_FMT_RGBA8, &size);
    std::vector<uint8_t> out(size);
    if (spng_decode_image(ctx, out.data(), size, SPNG_FMT_RGBA8, 0))
      state.SkipWithError("libspng failed");
    benchmark::DoNotOptimize(out.data());
    spng_ctx_free(ctx);
  }
  state.SetBytesProcessed(state.iterations() * kRawBytes);
}

void PrintRatios(const std::map<std::string, double>& times) {
  std::printf("\n%-34s %12s %12s %8s\n", "(1024 x 768, 2.36 MB of pixels)", "ours MB/s", "libspng MB/s",
              "ratio");
  for (const auto& [name, ours] : times) {
    if (name.rfind("Vex/", 0) != 0) continue;
    auto other = times.find("Spng/" + name.substr(4));
    if (other == times.end()) continue;
    // Times are per iteration in the unit of the run (ms here).
    double oursMBs = kRawBytes / 1e6 / (ours / 1e3), theirsMBs = kRawBytes / 1e6 / (other->second / 1e3);
    std::printf("%-34s %12.1f %12.1f %8.2f\n", name.substr(4).c_str(), oursMBs, theirsMBs, oursMBs / theirsMBs);
  }
}

}  // namespace

int main(int argc, char** argv) {
  for (int picture = 0; picture < 2; ++picture) {
    for (bool adaptive : {false, true}) {
      std::string tail =
          std::string(Pictures()[size_t(picture)].name) + (adaptive ? "/adaptive" : "/unfiltered");
      auto reg = [&](const std::string& name, void (*fn)(benchmark::State&, int, bool)) {
        benchmark::RegisterBenchmark(name.c_str(), fn, picture, adaptive)
            ->Unit(benchmark::kMillisecond);
      };
      reg("Vex/encode/" + tail, EncodeVex);
      reg("Spng/encode/" + tail, EncodeSpng);
      reg("Vex/decode/" + tail, DecodeVex);
      reg("Spng/decode/" + tail, DecodeSpng);
    }
  }
  PrintRatios(RunBenchmarks(&argc, argv));
  benchmark::Shutdown();
  return 0;
}
