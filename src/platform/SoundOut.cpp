#include "platform/SoundOut.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QBuffer>
#include <QCoreApplication>
#include <QMediaDevices>
#include <algorithm>
#include <cstring>

namespace platform {

namespace {

uint32_t U32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }
uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
bool Is(const uint8_t* p, const char* id) { return std::memcmp(p, id, 4) == 0; }

}  // namespace

std::optional<WavFormat> ParseWavImage(std::span<const uint8_t> image) {
  const uint8_t* p = image.data();
  const size_t size = image.size();
  if (size < 12 || !Is(p, "RIFF") || !Is(p + 8, "WAVE")) return std::nullopt;
  WavFormat f;
  bool haveFormat = false;
  for (size_t at = 12; at + 8 <= size;) {
    const size_t length = U32(p + at + 4);
    const size_t body = at + 8;
    const size_t available = size - body;
    if (Is(p + at, "fmt ")) {
      if (length < 16 || available < 16) return std::nullopt;
      const int tag = U16(p + body);
      f.channels = U16(p + body + 2);
      f.sampleRate = static_cast<int>(U32(p + body + 4));
      f.bitsPerSample = U16(p + body + 14);
      if (tag != 1 || f.channels < 1 || f.channels > 8 || f.sampleRate < 1000 ||
          f.sampleRate > 384000 ||
          (f.bitsPerSample != 8 && f.bitsPerSample != 16 && f.bitsPerSample != 32))
        return std::nullopt;
      haveFormat = true;
    } else if (Is(p + at, "data")) {
      if (!haveFormat) return std::nullopt;
      const size_t frame = static_cast<size_t>(f.channels) * (f.bitsPerSample / 8);
      f.dataOffset = body;
      f.dataSize = std::min(length, available) / frame * frame;
      if (f.dataSize == 0) return std::nullopt;
      return f;
    }
    if (length >= available) break;
    at = body + length + (length & 1);  // chunks are padded to even sizes
  }
  return std::nullopt;
}

// --- Qt -----------------------------------------------------------------------------

struct QtSoundOut::Impl {
  QByteArray samples;
  QBuffer buffer;
  std::unique_ptr<QAudioSink> sink;
};

QtSoundOut::QtSoundOut() : impl_(std::make_unique<Impl>()) {}

QtSoundOut::~QtSoundOut() { stop(); }

void QtSoundOut::stop() {
  Impl& d = *impl_;
  if (d.sink) {
    d.sink->disconnect();
    d.sink->stop();
    d.sink.reset();
  }
  d.buffer.close();
  d.samples.clear();
}

bool QtSoundOut::play(std::span<const uint8_t> image) {
  stop();
  const std::optional<WavFormat> wav = ParseWavImage(image);
  if (!wav || !QCoreApplication::instance()) return false;
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull()) return false;

  QAudioFormat format;
  format.setSampleRate(wav->sampleRate);
  format.setChannelCount(wav->channels);
  format.setSampleFormat(wav->bitsPerSample == 8    ? QAudioFormat::UInt8
                         : wav->bitsPerSample == 16 ? QAudioFormat::Int16
                                                    : QAudioFormat::Int32);
  if (!device.isFormatSupported(format)) return false;

  Impl& d = *impl_;
  d.samples = QByteArray(reinterpret_cast<const char*>(image.data() + wav->dataOffset),
                         static_cast<qsizetype>(wav->dataSize));
  d.buffer.setBuffer(&d.samples);
  d.buffer.open(QIODevice::ReadOnly);
  d.sink = std::make_unique<QAudioSink>(device, format);
  QAudioSink* sink = d.sink.get();
  // At the end of the samples the sink goes idle; stopping it frees the device.
  QObject::connect(sink, &QAudioSink::stateChanged, sink, [sink](QAudio::State state) {
    if (state == QAudio::IdleState) sink->stop();
  });
  sink->start(&d.buffer);
  if (sink->error() != QAudio::NoError) {
    stop();
    return false;
  }
  return true;
}

}  // namespace platform
