#include "io/WaveSynthesis.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "formula/DocumentState.h"
#include "formula/Evaluator.h"
#include "formula/Parser.h"
#include "platform/Runtime.h"

namespace {

void Put16(uint8_t* p, uint32_t v) {
  p[0] = static_cast<uint8_t>(v);
  p[1] = static_cast<uint8_t>(v >> 8);
}
void Put32(uint8_t* p, uint32_t v) {
  Put16(p, v);
  Put16(p + 2, v >> 16);
}
uint32_t Get32(const uint8_t* p) {
  return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24;
}

// The sample of a value: rounded half to even, wrapped to 16 bits. A value that is not
// finite or lies beyond the 64-bit range has no rounded integer and gives 0.
uint16_t SampleOf(Extended value) {
  const Extended scaled = value * kWaveAmplitude;
  constexpr Extended kLimit = 9.2e18L;
  if (!std::isfinite(scaled) || std::fabs(scaled) > kLimit) return 0;
  return static_cast<uint16_t>(rtl::Round(scaled));
}

}  // namespace

void WriteWaveHeader(uint32_t sampleCount, uint32_t rate, WaveHeader& header) {
  uint8_t* h = header.data();
  const uint32_t dataSize = 2 * sampleCount;
  std::copy_n("RIFF", 4, h);
  Put32(h + 4, dataSize + 36);
  std::copy_n("WAVE", 4, h + 8);
  std::copy_n("fmt ", 4, h + 12);
  Put32(h + 16, 16);
  Put16(h + 20, 1);  // PCM
  Put16(h + 22, 1);  // mono
  Put32(h + 24, rate);
  Put32(h + 28, 2 * rate);
  Put16(h + 32, 2);
  Put16(h + 34, 16);
  std::copy_n("data", 4, h + 36);
  Put32(h + 40, dataSize);
}

bool MakeWave(const Tfrec* tree, int append, int slot, float seconds) {
  if (!(seconds > 0) || slot < 1 || slot > kSoundSlots) return false;
  const Extended wanted = rtl::RoundToEven(static_cast<Extended>(seconds) * kWaveRate);
  if (wanted > kMaxWaveSamples) return false;
  // Fewer than three samples would leave the three closing zeros outside the count.
  const uint32_t n = std::max<uint32_t>(3, static_cast<uint32_t>(wanted));

  std::vector<uint8_t>& image = doc.SoundStreams[slot];
  const bool extend = append == 1 && doc.SoundPresent[slot] && image.size() >= kWaveHeaderSize;
  const uint32_t held = extend ? Get32(image.data() + 40) / 2 : 0;
  if (held + static_cast<uint64_t>(n) > kMaxWaveSamples) return false;

  TreePtr root = CloneTree(tree, 2);
  ExpandSumProduct(InPlace(root), 1);
  std::vector<uint8_t> samples(2 * static_cast<size_t>(n), 0);  // the last three stay 0
  for (uint32_t i = 0; i + 3 < n; ++i) {
    const uint16_t sample = SampleOf(EvaluateTree(root.get(), static_cast<Extended>(i) / kWaveRate, 0, 0));
    Put16(&samples[2 * i], sample);
  }

  if (extend) {
    image.resize(kWaveHeaderSize + 2 * static_cast<size_t>(held));
    const uint32_t dataSize = 2 * (held + n);
    Put32(image.data() + 40, dataSize);
    Put32(image.data() + 4, dataSize + 36);
  } else {
    WaveHeader header;
    WriteWaveHeader(n, kWaveRate, header);
    image.assign(header.begin(), header.end());
  }
  image.insert(image.end(), samples.begin(), samples.end());
  doc.SoundPresent[slot] = 1;
  return true;
}

bool MakeWaveFromText(const std::string& formula, int append, int slot, float seconds) {
  const TreePtr tree = ParseExpression(formula, 2);
  if (!eng.ParseOK || !tree) return false;
  return MakeWave(tree.get(), append, slot, seconds);
}
