#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "support/FakeSoundOut.h"
#include "support/GuiApp.h"

using namespace platform;

namespace {

void Put32(std::vector<uint8_t>& b, uint32_t v) {
  for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}
void Put16(std::vector<uint8_t>& b, uint16_t v) {
  b.push_back(static_cast<uint8_t>(v));
  b.push_back(static_cast<uint8_t>(v >> 8));
}
void PutId(std::vector<uint8_t>& b, const char* id) { b.insert(b.end(), id, id + 4); }

struct Wav {
  uint16_t tag = 1, channels = 1, bits = 16;
  uint32_t rate = 22050;
  uint32_t declaredData = 0;  // 0: the samples' real size
  size_t sampleBytes = 100;
  std::string extraChunk;  // a chunk before "data", e.g. an odd-sized "LIST"
  bool formatFirst = true;

  std::vector<uint8_t> Build() const {
    std::vector<uint8_t> fmt, b;
    PutId(fmt, "fmt ");
    Put32(fmt, 16);
    Put16(fmt, tag);
    Put16(fmt, channels);
    Put32(fmt, rate);
    Put32(fmt, rate * channels * bits / 8);
    Put16(fmt, static_cast<uint16_t>(channels * bits / 8));
    Put16(fmt, bits);
    std::vector<uint8_t> data;
    PutId(data, "data");
    Put32(data, declaredData ? declaredData : static_cast<uint32_t>(sampleBytes));
    for (size_t i = 0; i < sampleBytes; ++i) data.push_back(static_cast<uint8_t>(i));

    PutId(b, "RIFF");
    Put32(b, 0);  // players do not rely on it
    PutId(b, "WAVE");
    if (formatFirst) b.insert(b.end(), fmt.begin(), fmt.end());
    if (!extraChunk.empty()) {
      PutId(b, "LIST");
      Put32(b, static_cast<uint32_t>(extraChunk.size()));
      b.insert(b.end(), extraChunk.begin(), extraChunk.end());
      if (extraChunk.size() & 1) b.push_back(0);
    }
    b.insert(b.end(), data.begin(), data.end());
    if (!formatFirst) b.insert(b.end(), fmt.begin(), fmt.end());
    return b;
  }
};

TEST(WavImage, ReadsTheLayoutOfPlayableImages) {
  struct Row {
    const char* what;
    Wav wav;
    size_t dataOffset, dataSize;
  } rows[] = {
      {"the program's own layout", {}, 44, 100},
      {"odd chunk before the data", [] { Wav w; w.extraChunk = "abc"; return w; }(), 56, 100},
      {"data size past the end", [] { Wav w; w.declaredData = 100000; return w; }(), 44, 100},
      {"half a frame at the end", [] { Wav w; w.sampleBytes = 101; return w; }(), 44, 100},
      {"stereo 8 bits", [] { Wav w; w.channels = 2; w.bits = 8; w.sampleBytes = 7; return w; }(), 44, 6},
  };
  for (const Row& r : rows) {
    const std::vector<uint8_t> image = r.wav.Build();
    const std::optional<WavFormat> f = ParseWavImage(image);
    ASSERT_TRUE(f) << r.what;
    EXPECT_EQ(f->dataOffset, r.dataOffset) << r.what;
    EXPECT_EQ(f->dataSize, r.dataSize) << r.what;
    EXPECT_EQ(f->sampleRate, 22050) << r.what;
  }
}

TEST(WavImage, RefusesWhatCannotBePlayed) {
  auto with = [](auto change) {
    Wav w;
    change(w);
    return w.Build();
  };
  std::vector<uint8_t> truncated = Wav{}.Build();
  truncated.resize(30);
  std::vector<uint8_t> notRiff = Wav{}.Build();
  std::memcpy(notRiff.data(), "RIFX", 4);
  const std::vector<std::vector<uint8_t>> images = {
      {},
      truncated,
      notRiff,
      with([](Wav& w) { w.tag = 3; }),           // floating point
      with([](Wav& w) { w.bits = 12; }),
      with([](Wav& w) { w.channels = 0; }),
      with([](Wav& w) { w.rate = 0; }),
      with([](Wav& w) { w.sampleBytes = 1; }),   // not one whole frame
      with([](Wav& w) { w.formatFirst = false; }),
  };
  for (size_t i = 0; i < images.size(); ++i) EXPECT_FALSE(ParseWavImage(images[i])) << "image " << i;
}

TEST(QtSoundOutTest, AnInvalidImageFailsQuietly) {
  QtSoundOut sound;
  const std::vector<uint8_t> garbage(200, 0x55);
  EXPECT_FALSE(sound.play(garbage));
  EXPECT_FALSE(sound.play({}));
  sound.stop();
}

TEST(FakeSoundOutTest, KeepsItsOwnCopyAndANewSoundCutsTheLastOne) {
  FakeSoundOut sound;
  std::vector<uint8_t> image = Wav{}.Build();
  EXPECT_TRUE(sound.play(image));
  image.assign(image.size(), 0);  // the slot is refilled while the sound plays
  EXPECT_EQ(sound.played[0], Wav{}.Build());
  EXPECT_TRUE(sound.play(Wav{}.Build()));
  EXPECT_EQ(sound.stops, 1);
  EXPECT_FALSE(sound.play(image));
  EXPECT_EQ(sound.stops, 2);
  EXPECT_FALSE(sound.playing);
  sound.stop();
  EXPECT_EQ(sound.stops, 2);
  EXPECT_EQ(sound.played.size(), 2u);
}

}  // namespace
