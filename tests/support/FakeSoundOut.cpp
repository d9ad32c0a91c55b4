#include "support/FakeSoundOut.h"

namespace platform {

bool FakeSoundOut::play(std::span<const uint8_t> image) {
  if (playing) ++stops;
  playing = false;
  if (!ParseWavImage(image)) return false;
  played.emplace_back(image.begin(), image.end());
  playing = true;
  return true;
}

void FakeSoundOut::stop() {
  if (playing) ++stops;
  playing = false;
}

}  // namespace platform
