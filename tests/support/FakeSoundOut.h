#pragma once
// The tests' stand-in for platform::SoundOut.
#include <cstdint>
#include <span>
#include <vector>

#include "platform/SoundOut.h"

namespace platform {

class FakeSoundOut final : public SoundOut {
 public:
  bool play(std::span<const uint8_t> image) override;
  void stop() override;

  std::vector<std::vector<uint8_t>> played;  // copies of the images that would sound
  int stops = 0;  // sounds cut short, by stop() or by the next sound
  bool playing = false;
};

}  // namespace platform
