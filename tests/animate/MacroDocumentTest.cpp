#include "MacroFixture.h"
#include "io/EquationFileCommands.h"
#include "io/EquationWriter.h"

namespace {

const std::filesystem::path kDemo = std::filesystem::path(LP_SOURCE_DIR) / "tests/animate/fixtures/macro_amplitude.lpw";

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
  ASSERT_TRUE(LoadEquationFile(kDemo).ok);
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

}  // namespace
