// Sounds made from formulas into the ten slots, played and saved; a saved sound read back
// by an independent reader (sox).
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cmath>
#include <fstream>
#include <iterator>
#include <numbers>

#include "FakeFileHost.h"
#include "ToolOutput.h"
#include "formula/DocumentState.h"
#include "io/SoundSlots.h"
#include "io/WaveSynthesis.h"
#include "support/FakeDialogs.h"
#include "support/FakeSoundOut.h"
#include "support/StateFixture.h"

namespace {

uint32_t U32(const std::vector<uint8_t>& b, size_t at) {
  return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<uint32_t>(b[at + 3]) << 24;
}
int16_t Sample(const std::vector<uint8_t>& image, size_t i) {
  return static_cast<int16_t>(image[44 + 2 * i] | image[45 + 2 * i] << 8);
}
size_t SampleCount(const std::vector<uint8_t>& image) { return (image.size() - 44) / 2; }

std::string FileBytes(const std::filesystem::path& path) {
  std::ifstream file(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

class SoundTest : public StateTest {
 protected:
  std::vector<uint8_t>& Slot(int n) { return doc.SoundStreams[n]; }
};

TEST_F(SoundTest, HeaderIsTheCanonicalPcmLayout) {
  WaveHeader h;
  WriteWaveHeader(22050, 22050, h);
  const WaveHeader expected = {0x52, 0x49, 0x46, 0x46, 0x68, 0xAC, 0x00, 0x00, 0x57, 0x41, 0x56,
                               0x45, 0x66, 0x6D, 0x74, 0x20, 0x10, 0x00, 0x00, 0x00, 0x01, 0x00,
                               0x01, 0x00, 0x22, 0x56, 0x00, 0x00, 0x44, 0xAC, 0x00, 0x00, 0x02,
                               0x00, 0x10, 0x00, 0x64, 0x61, 0x74, 0x61, 0x44, 0xAC, 0x00, 0x00};
  EXPECT_EQ(h, expected);
}

TEST_F(SoundTest, OneSecondHoldsComputedSamplesThenThreeZeros) {
  ASSERT_TRUE(MakeWaveFromText("1", 0, 3, 1.0f));
  const std::vector<uint8_t>& image = Slot(3);
  EXPECT_TRUE(doc.SoundPresent[3]);
  ASSERT_EQ(image.size(), 44u + 44100u);
  EXPECT_EQ(U32(image, 40), 44100u);
  EXPECT_EQ(U32(image, 4), 44136u);
  EXPECT_EQ(Sample(image, 0), 3000);
  EXPECT_EQ(Sample(image, 22046), 3000);
  for (size_t i = 22047; i < 22050; ++i) EXPECT_EQ(Sample(image, i), 0) << i;
}

TEST_F(SoundTest, AppendingExtendsTheSoundAndItsSizes) {
  ASSERT_TRUE(MakeWaveFromText("1", 0, 2, 1.0f));
  ASSERT_TRUE(MakeWaveFromText("-1", 1, 2, 2.0f));
  const std::vector<uint8_t>& image = Slot(2);
  EXPECT_EQ(U32(image, 40), 132300u);
  EXPECT_EQ(U32(image, 4), 132336u);
  ASSERT_EQ(image.size(), 44u + 132300u);
  EXPECT_EQ(Sample(image, 22046), 3000);
  EXPECT_EQ(Sample(image, 22049), 0);
  EXPECT_EQ(Sample(image, 22050), -3000);  // the appended part starts at x = 0 again
  EXPECT_EQ(Sample(image, 66146), -3000);
  EXPECT_EQ(Sample(image, 66149), 0);

  // Appending to an empty slot makes the same sound as making it anew.
  ASSERT_TRUE(MakeWaveFromText("x", 1, 5, 0.5f));
  ASSERT_TRUE(MakeWaveFromText("x", 0, 6, 0.5f));
  EXPECT_EQ(Slot(5), Slot(6));
}

TEST_F(SoundTest, SamplesWrapOrAreZeroWhereTheValueFails) {
  struct Case {
    const char* formula;
    size_t at;
    int16_t expected;
  };
  const Case cases[] = {
      {"11", 100, -32536},                // 33000 keeps its low 16 bits
      {"-11", 100, 32536},
      {"sqrt(x-0.5)", 100, 0},            // undefined in the first half
      {"sqrt(x-0.5)", 22049 - 3, 2121},   // and computed after it: sqrt(0.49986)*3000
      {"10^300*(1+x)", 100, 0},           // no 16-bit value to keep
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.formula);
    ASSERT_TRUE(MakeWaveFromText(c.formula, 0, 1, 1.0f));
    EXPECT_EQ(Sample(Slot(1), c.at), c.expected);
  }
}

TEST_F(SoundTest, RefusedCallsChangeNoSlot) {
  ASSERT_TRUE(MakeWaveFromText("1", 0, 4, 0.01f));
  const DocumentState before = doc;
  struct Case {
    const char* formula;
    int append, slot;
    float seconds;
  };
  const Case cases[] = {
      {"1", 0, 0, 1.0f},    {"1", 0, 11, 1.0f}, {"1", 0, 4, 0.0f},  {"1", 0, 4, -1.0f},
      {"1", 0, 4, NAN},     {"1", 0, 4, 1e9f},  {"1", 0, 4, 601.0f}, {"1", 1, 4, 600.0f},
      {"1+", 0, 4, 1.0f},   {"", 0, 4, 1.0f},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.formula) + " slot " + std::to_string(c.slot) + " for " + std::to_string(c.seconds));
    EXPECT_FALSE(MakeWaveFromText(c.formula, c.append, c.slot, c.seconds));
    EXPECT_TRUE(doc == before);
  }
}

TEST_F(SoundTest, AVeryShortSoundStillCountsItsClosingZeros) {
  ASSERT_TRUE(MakeWaveFromText("1", 0, 1, 1e-5f));
  EXPECT_EQ(U32(Slot(1), 40), 6u);
  EXPECT_EQ(Slot(1).size(), 50u);
}

// A 440 Hz sine of 0.1 s, saved and read back by sox.
TEST_F(SoundTest, SavedSineReadsBackWithAnIndependentReader) {
  ASSERT_TRUE(MakeWaveFromText("sin(2*pi*440*x)", 0, 1, 0.1f));
  const std::vector<uint8_t>& image = Slot(1);
  ASSERT_EQ(SampleCount(image), 2205u);
  int peak = 0;
  for (size_t i = 0; i < 2202; ++i) {
    const long expected = std::lrint(3000 * std::sin(2 * std::numbers::pi * 440 * static_cast<double>(i) / 22050));
    ASSERT_EQ(Sample(image, i), expected) << i;
    peak = std::max(peak, std::abs(static_cast<int>(Sample(image, i))));
  }
  EXPECT_GE(peak, 2995);
  EXPECT_LE(peak, 3000);

  QTemporaryDir dir;
  const std::filesystem::path file = dir.path().toStdString() + "/sine.wav";
  std::string error;
  ASSERT_TRUE(SaveSoundSlot(1, file, error)) << error;
  EXPECT_EQ(FileBytes(file), std::string(image.begin(), image.end()));

  std::string info;
  for (const char* field : {"-r", "-c", "-b", "-e", "-s"})
    info += ToolOutput(std::string("soxi ") + field + " '" + file.string() + "'");
  EXPECT_EQ(info, "22050\n1\n16\nSigned Integer PCM\n2205\n") << "sox is installed by scripts/setup.sh";
  // Peak and mean of the samples as sox reads them (full scale 1.0 = 32768).
  const std::string stat = ToolOutput("sox '" + file.string() + "' -n stat");
  float maximum = 0, minimum = 0;
  const size_t at = stat.find("Maximum amplitude:"), low = stat.find("Minimum amplitude:");
  ASSERT_NE(at, std::string::npos) << stat;
  ASSERT_NE(low, std::string::npos) << stat;
  std::sscanf(stat.c_str() + at, "Maximum amplitude: %f", &maximum);
  std::sscanf(stat.c_str() + low, "Minimum amplitude: %f", &minimum);
  EXPECT_NEAR(maximum * 32768, peak, 1.5);
  EXPECT_NEAR(-minimum * 32768, peak, 1.5);
}

// A sound output without a device.
class SilentOut final : public platform::SoundOut {
 public:
  bool play(std::span<const uint8_t>) override {
    ++attempts;
    return false;
  }
  void stop() override {}
  int attempts = 0;
};

class SoundPlayTest : public SoundTest {
 protected:
  void TearDown() override {
    SetSoundServices(nullptr, nullptr);
    SoundTest::TearDown();
  }
  platform::FakeSoundOut out;
  platform::FakeDialogs dialogs;
};

TEST_F(SoundPlayTest, PlaysTheSlotsImageAndNothingForAnEmptySlot) {
  SetSoundServices(&out, &dialogs);
  EXPECT_EQ(PlaySoundSlot(1), SoundPlay::EmptySlot);
  EXPECT_EQ(PlaySoundSlot(0), SoundPlay::EmptySlot);
  EXPECT_EQ(PlaySoundSlot(11), SoundPlay::EmptySlot);
  EXPECT_TRUE(out.played.empty());

  ASSERT_TRUE(MakeWaveFromText("x", 0, 1, 0.01f));
  const std::vector<uint8_t> first = Slot(1);
  EXPECT_EQ(PlaySoundSlot(1), SoundPlay::Played);
  // Filling and freeing the slot while it plays leaves the player's samples alone.
  ASSERT_TRUE(MakeWaveFromText("1", 0, 1, 0.02f));
  FreeSoundSlots(1);
  ASSERT_EQ(out.played.size(), 1u);
  EXPECT_EQ(out.played[0], first);
  EXPECT_TRUE(dialogs.calls.empty());
}

TEST_F(SoundPlayTest, WithoutASoundDeviceAMacroGoesOnSilentlyAndTheNavigatorSaysItOnce) {
  SilentOut silent;
  SetSoundServices(&silent, &dialogs);
  ASSERT_TRUE(MakeWaveFromText("x", 0, 1, 0.01f));
  // A macro's play: no box stops its run.
  EXPECT_EQ(PlaySoundSlot(1), SoundPlay::NoDevice);
  EXPECT_EQ(PlaySoundSlot(1), SoundPlay::NoDevice);
  EXPECT_TRUE(dialogs.calls.empty());
  // The navigator's command tells the first time only.
  PlaySoundCommand(1);
  PlaySoundCommand(1);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].text, "音を鳴らせません。音声の出力装置が見つかりません。");
  EXPECT_EQ(silent.attempts, 4);
  EXPECT_TRUE(doc.SoundPresent[1]);
}

TEST_F(SoundPlayTest, SaveCommandAsksForANameAndReportsAFailure) {
  FakeFileHost host;
  SetEquationFileHost(&host);
  SetSoundServices(&out, &dialogs);
  QTemporaryDir dir;
  const std::filesystem::path file = dir.path().toStdString() + "/s.wav";
  ASSERT_TRUE(MakeWaveFromText("x", 0, 2, 0.01f));

  dialogs.fileAnswers.push_back(file);
  SaveSoundCommand(2);
  ASSERT_EQ(dialogs.calls.size(), 1u);
  EXPECT_EQ(dialogs.calls[0].file.title, "保存するファイル名の設定");
  EXPECT_EQ(dialogs.calls[0].file.filter, "wav|*.wav");
  EXPECT_EQ(dialogs.calls[0].file.defaultExtension, ".wav");
  EXPECT_EQ(FileBytes(file), std::string(Slot(2).begin(), Slot(2).end()));

  // A name in a folder that does not exist: the message, and no file anywhere.
  dialogs.fileAnswers.push_back(dir.path().toStdString() + "/missing/s.wav");
  SaveSoundCommand(2);
  ASSERT_EQ(dialogs.calls.size(), 3u);
  EXPECT_EQ(dialogs.calls[2].kind, platform::FakeDialogs::Kind::Message);
  EXPECT_EQ(dialogs.calls[2].text, "音を保存できませんでした。s.wav を作成できません");

  // An empty slot asks nothing.
  SaveSoundCommand(3);
  EXPECT_EQ(dialogs.calls.size(), 3u);
  SetEquationFileHost(nullptr);
}

}  // namespace
