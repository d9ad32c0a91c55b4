#pragma once
// Sound output of WAV images held in memory. Playing returns at once while the sound
// goes on; a new sound stops the one playing. The player keeps its own copy of the
// samples, so the caller may change or free its image at any time.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>

namespace platform {

// The PCM layout of a WAV image as far as playing it needs.
struct WavFormat {
  int sampleRate = 0;
  int channels = 0;
  int bitsPerSample = 0;  // 8 (unsigned), 16 or 32 (signed)
  size_t dataOffset = 0;  // first sample byte
  size_t dataSize = 0;    // whole frames, within the image
};
// Refuses anything but uncompressed PCM with at least one frame; a data size that runs
// past the image is cut to what is there.
std::optional<WavFormat> ParseWavImage(std::span<const uint8_t> image);

class SoundOut {
 public:
  virtual ~SoundOut() = default;
  // False (and silence) when the image is no playable WAV image or there is no sound
  // device to play it on.
  virtual bool play(std::span<const uint8_t> image) = 0;
  virtual void stop() = 0;
};

// Over QAudioSink on the default output device.
class QtSoundOut final : public SoundOut {
 public:
  QtSoundOut();
  ~QtSoundOut() override;
  bool play(std::span<const uint8_t> image) override;
  void stop() override;

 private:
  struct Impl;
  std::unique_ptr<Impl> impl_;
};

}  // namespace platform
