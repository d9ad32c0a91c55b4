#include <algorithm>
#include <cstdlib>

#include "MacroFixture.h"
#include "io/EquationFileCommands.h"
#include "io/EquationWriter.h"
#include "io/WaveSynthesis.h"

namespace {

const std::filesystem::path kDemoFolder = std::filesystem::path(LP_SOURCE_DIR) / "data/demo";

// Makes the sounds a macro asks for, besides logging the request.
struct SoundMakingHost : LoggingMacroHost {
  void MakeWave(const Tfrec* formula, bool append, int slot, float seconds) override {
    LoggingMacroHost::MakeWave(formula, append, slot, seconds);
    ::MakeWave(formula, append ? 1 : 0, slot, seconds);
  }
};

int16_t Sample(int slot, size_t i) {
  const std::vector<uint8_t>& image = doc.SoundStreams[slot];
  return static_cast<int16_t>(image[44 + 2 * i] | image[45 + 2 * i] << 8);
}

TEST_F(MacroTest, AMacroTextSurvivesTheEquationFileAndStillCompiles) {
  SetMacro("// 動かす\n"
           "sub 動かす() #1\n"
           "  for a=0 to 1 step 0.1   // indented, with a comment\n"
           "draw\n"
           "next a\n"
           "end sub\n"
           "\n"
           "on a,Ax change if a>0.5 then showgraph y1 else hidegraph y1\n"
           "onload draw");
  const std::vector<std::string> written = doc.MacroLines;
  ASSERT_TRUE(CompileMacroText(written).ok);
  const std::string bytes = WriteEquationFile(0);
  doc.MacroLines.clear();
  ASSERT_TRUE(LoadEquationFileBytes("roundtrip.lpw", bytes).ok);
  EXPECT_EQ(doc.MacroLines, written);
  EXPECT_TRUE(CompileMacroText(doc.MacroLines).ok);
  EXPECT_EQ(MacroButtonCaptions(settings.MacroProgram)[0], sj("動かす"));
}

TEST_F(MacroTest, TheDemoDocumentAnimatesItsGraph) {
  ASSERT_TRUE(LoadEquationFile(kDemoFolder / "macro_amplitude.lpw").ok);
  ASSERT_TRUE(macros.CompileMacro());
  EXPECT_EQ(host.buttons[0], sj("動かす"));
  EXPECT_EQ(host.buttons[1], sj("戻す"));
  host.log.clear();
  macros.RunMacroOnload();
  EXPECT_EQ(host.log, (std::vector<std::string>{"controls off", "values", "repaint", "controls on"}));

  macros.RunMacroProcedureByNumber(1);
  // Single-precision steps of 0.1 arrive just below 3; the loop ends with a run at 3.
  EXPECT_EQ(host.draws, 62);
  EXPECT_EQ(Var('a'), 3);
  EXPECT_EQ(pump.totalSleep(), 62 * 20);

  // A step of a on the panel shows the line y2 beyond 2 and hides it again below.
  TValueNode* change = NewValueNode(1, 3);
  macros.RunMacroChangeHandlers(change);
  EXPECT_EQ(doc.FigureTable[2].shown, 1);
  macros.RunMacroProcedureByNumber(2);
  EXPECT_EQ(Var('a'), 1);
  EXPECT_EQ(doc.FigureTable[2].shown, 0);
  macros.RunMacroChangeHandlers(change);
  DisposeValueList(change);
  EXPECT_EQ(doc.FigureTable[2].shown, 0);
}

// Each button of the sound demo makes its sound and plays it; the beats of 440 Hz and
// 444 Hz are loud at the start and silent a quarter of a beat (1/8 s) later.
TEST_F(MacroTest, TheSoundDemoMakesItsSoundsAndPlaysThem) {
  SoundMakingHost sound;
  macros.SetHost(&sound);
  ASSERT_TRUE(LoadEquationFile(kDemoFolder / "sound.lpw").ok);
  ASSERT_TRUE(macros.CompileMacro()) << (sound.messages.empty() ? "" : sound.messages.back());
  EXPECT_EQ(sound.buttons[0], "440Hz");
  EXPECT_EQ(sound.buttons[1], sj("うなり"));
  EXPECT_EQ(sound.buttons[2], sj("和音"));
  const float seconds[] = {2, 3, 2};
  for (int n = 1; n <= 3; ++n) {
    sound.log.clear();
    macros.RunMacroProcedureByNumber(n);
    EXPECT_EQ(sound.Count("wave " + std::to_string(n) + " new " + rtl::FloatToStr(seconds[n - 1])), 1) << n;
    EXPECT_EQ(sound.Count("play " + std::to_string(n)), 1) << n;
    ASSERT_TRUE(doc.SoundPresent[n]) << n;
    EXPECT_EQ(doc.SoundStreams[n].size(), 44 + 2 * static_cast<size_t>(seconds[n - 1] * kWaveRate)) << n;
  }
  auto loudest = [](size_t from, size_t to) {
    int m = 0;
    for (size_t i = from; i < to; ++i) m = std::max(m, std::abs(static_cast<int>(Sample(2, i))));
    return m;
  };
  EXPECT_GT(loudest(0, 100), 8000);
  EXPECT_LT(loudest(kWaveRate / 8 - 25, kWaveRate / 8 + 25), 1000);
  macros.SetHost(&host);
}

}  // namespace
