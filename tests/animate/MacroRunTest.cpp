#include <cmath>
#include <numbers>

#include "MacroFixture.h"
#include "animate/MacroVariables.h"

namespace {

struct LoopCase {
  const char* head;
  char variable;
  std::vector<Extended> seen;
};

TEST_F(MacroTest, ForLoopsEndWithARunAtTheEndValue) {
  const LoopCase cases[] = {
      {"for i=0 to 1 step 0.3", 'i', {0, 0.3f, 0.3f + 0.3f, 0.3f + 0.3f + 0.3f, 1}},
      {"for i=0 to 1 step 0.25", 'i', {0, 0.25, 0.5, 0.75, 1}},
      {"for i=2 to 2", 'i', {2}},
      {"for i=3 to 1", 'i', {}},
      {"for i=1 to 3 step -1", 'i', {}},
      {"for i=1 to 0 step -0.5", 'i', {1, 0.5, 0}},
      {"for i=0 to 1 step 0", 'i', {}},
      {"for t=0 to 1 step 0.5", 't', {0, 0.5, 1}},
      // A single-precision counter that stops moving ends the loop the same way.
      {"for a=16777214 to 16777300", 'a', {16777214, 16777215, 16777216, 16777300}},
  };
  for (const LoopCase& c : cases) {
    SCOPED_TRACE(c.head);
    host.watched = c.variable;
    host.seen.clear();
    Run(std::string("sub go() #1\n") + c.head + "\nshow\nnext " + c.variable + "\nend sub");
    ASSERT_EQ(host.seen.size(), c.seen.size());
    for (size_t k = 0; k < c.seen.size(); ++k) EXPECT_FLOAT_EQ(static_cast<float>(host.seen[k]), c.seen[k]);
  }
  host.watched = 'i';
  host.seen.clear();
  Run("sub go() #1\nfor i=0 to 0.7 step 0.1\nshow\nnext i\nend sub");
  ASSERT_EQ(host.seen.size(), 8u);
  EXPECT_EQ(host.seen.back(), Extended(0.7f));
  EXPECT_EQ(host.Count("timer off"), 1);  // no auto-repeat runs beside a loop
}

TEST_F(MacroTest, ALoopBodyThatMovesItsVariableToTheEndRunsOnce) {
  Run("sub go() #1\nfor i=0 to 10\ni=10\nshow\nnext i\nend sub");
  EXPECT_EQ(host.seen, std::vector<Extended>{10});
}

TEST_F(MacroTest, BreakEndsItsOwnLoopAtOnce) {
  Run("sub go() #1\nwhile 1>0\na=a+1\nif a>=3 then break\nb=b+1\nwend\nend sub");
  EXPECT_EQ(Var('a'), 3);
  EXPECT_EQ(Var('b'), 2);
  WriteVariable(doc.VariableValues, 'a', 0);
  Run("sub go() #1\nfor i=1 to 5\nif i>2 then break\nif i>0 then a=i\nnext i\nc=7\nend sub");
  EXPECT_EQ(Var('a'), 2);
  EXPECT_EQ(Var('i'), 3);
  EXPECT_EQ(Var('c'), 7);  // the list after the loop goes on
  // A break outside any loop ends only the procedure it is in.
  Run("sub f()\nbreak\nd=99\nend sub\nsub go() #1\nfor i=1 to 3\nf()\nc=c+1\nnext i\nend sub");
  EXPECT_EQ(Var('c'), 10);
  EXPECT_EQ(Var('d'), 0);
}

TEST_F(MacroTest, ACallLendsItsParametersAndGivesTheirValuesBack) {
  Run("sub f(a)\nb=a\na=9\nend sub\nsub go() #1\na=1\nf(5)\nc=a\nend sub");
  EXPECT_EQ(Var('b'), 5);
  EXPECT_EQ(Var('c'), 1);
  // Arguments are all evaluated before any parameter is written.
  Run("sub f(a,b)\nc=a\nd=b\nend sub\nsub go() #1\na=1\nb=2\nf(b,a)\nend sub");
  EXPECT_EQ(Var('c'), 2);
  EXPECT_EQ(Var('d'), 1);
}

TEST_F(MacroTest, EndlessRecursionStopsTheRun) {
  Run("sub f()\na=a+1\nf()\nend sub\nsub go() #1\nf()\nb=1\nend sub");
  EXPECT_EQ(Var('a'), kMaxMacroCallDepth);
  EXPECT_EQ(Var('b'), 0);
  EXPECT_EQ(settings.MacroRunning, 0);
  EXPECT_EQ(host.log.back(), "controls on");
}

TEST_F(MacroTest, OnlyTheFirstHandlerNamingAChangedVariableRuns) {
  SetMacro("on a,b change draw\non b change show\non Ax change hidedraw");
  ASSERT_TRUE(macros.CompileMacro());
  struct Case {
    std::vector<int> changes;
    int draws;
    int values;
  } cases[] = {{{1, 2}, 1, 0}, {{2}, 1, 0}, {{16}, 0, 0}, {{101}, 1, 0}, {{}, 0, 0}};
  for (const Case& c : cases) {
    host.log.clear();
    host.draws = 0;
    TValueNode* list = nullptr;
    TValueNode** tail = &list;
    for (int code : c.changes) {
      *tail = NewValueNode(code, 0);
      tail = &(*tail)->next;
    }
    macros.RunMacroChangeHandlers(list);
    DisposeValueList(list);
    EXPECT_EQ(host.draws, c.draws);
    EXPECT_EQ(host.Count("values"), c.values);
    EXPECT_EQ(host.Count("controls off"), 0);  // a handler leaves the controls alone
  }
}

TEST_F(MacroTest, VariablesMapToTheirCells) {
  constexpr Extended pi = std::numbers::pi_v<long double>;
  WriteMacroVariable(21, 1);  // u
  EXPECT_EQ(doc.VariableValues.cells[20], 1.0f);
  WriteMacroVariable(18, pi);  // θ, shown in multiples of π
  EXPECT_NEAR(static_cast<double>(doc.ThetaDisplayValue), 1.0, 1e-6);
  doc.OmegaInDegrees = 1;
  WriteMacroVariable(15, pi / 2);
  EXPECT_NEAR(static_cast<double>(doc.OmegaDisplayValue), 90.0, 1e-4);
  WriteMacroVariable(20, 0.1L);  // t keeps its extended value
  EXPECT_EQ(doc.VariableValues.T, 0.1L);
  const TVariableValues before = doc.VariableValues;
  WriteMacroVariable(5, 5);  // e is no variable of its own
  EXPECT_EQ(doc.VariableValues, before);
  EXPECT_EQ(ReadMacroVariable(5), 0);
}

TEST_F(MacroTest, APointGivenByConstantsMovesAndIsDrawnAtTheNextStep) {
  Run("sub go() #1\nAx=2.5\nAy=-1\nAx=3\nBx=7\ndraw\nend sub");
  EXPECT_EQ(doc.FigureTable[4].texts[0], "3");
  EXPECT_EQ(doc.FigureTable[4].texts[1], "-1");
  EXPECT_EQ(doc.FigureTable[5].texts[0], "A");  // a constructed point does not move
  EXPECT_EQ(ReadMacroVariable(101), 3);
  EXPECT_EQ(ReadMacroVariable(102), -1);
  ASSERT_EQ(host.changesAtRedraw.size(), 1u);
  EXPECT_EQ(host.changesAtRedraw[0], (std::vector<int>{101, 102}));  // one node per coordinate
  EXPECT_EQ(settings.MacroFrameList, nullptr);
  EXPECT_EQ(host.log[1], "apply 1");  // no after-image history: every value
  // The navigator's row shows the new texts once the run has ended.
  EXPECT_EQ(host.log.back(), "navigator");
  EXPECT_EQ(host.Count("navigator"), 1);
  // A run that moves no point leaves the rows alone.
  Run("sub go() #1\na=2\nBx=7\ndraw\nend sub");
  EXPECT_EQ(host.Count("navigator"), 0);
}

TEST_F(MacroTest, TheStopButtonReachesLoopsThroughTheirMessagePumps) {
  pump.onPump = [this](int n) {
    if (n % 3 == 0) macros.StopMacro();  // a click on the stop button
  };
  Run("sub go() #1\nfor i=1 to 10\na=i\ndraw\nnext i\nend sub");
  EXPECT_EQ(Var('a'), 3);
  EXPECT_EQ(host.draws, 3);
  // A loop that never draws is stopped too.
  Run("sub go() #1\nwhile 1>0\nb=b+1\nwend\nend sub");
  EXPECT_EQ(pump.pumpCount(), 3 + 3);
  EXPECT_GT(Var('b'), 0);
  EXPECT_EQ(settings.MacroRunning, 0);
}

TEST_F(MacroTest, WaitsSleepInSlicesAndWinkBlinksFiveTimes) {
  Run("sub go() #1\nwait 200\nwait -1\nwait 0.4\nend sub");
  EXPECT_EQ(pump.totalSleep(), 200);
  EXPECT_EQ(pump.sleeps().size(), 4u);
  EXPECT_EQ(pump.pumpCount(), 3);
  Run("sub go() #1\nwait 1E30\nend sub");  // bounded, and stoppable between slices
  pump.onPump = [this](int) { macros.StopMacro(); };
  Run("sub go() #1\nwait 1E30\nend sub");
  const size_t before = pump.sleeps().size();
  Run("sub go() #1\nwink y1\nend sub");
  EXPECT_EQ(pump.sleeps().size() - before, 10u);
  EXPECT_EQ(host.entriesShownAtRedraw.size(), 10u);
  EXPECT_EQ(host.entriesShownAtRedraw.front(), "01");
  EXPECT_EQ(host.entriesShownAtRedraw.back(), "11");
  EXPECT_EQ(host.draws, 1);
}

TEST_F(MacroTest, StatementsReachTheProgramThroughTheHost) {
  modes.AfterImageOn = 1;
  Run("sub go() #1\n"
      "hidegraph y2 p1\n"
      "hidelabel all\n"
      "large 2\n"
      "center(1,2)\n"
      "afimageoff\n"
      "locuson\n"
      "play 1 3\n"
      "cls\n"
      "show\n"
      "small 0\n"
      "draw\n"
      "end sub");
  EXPECT_EQ(doc.FigureTable[2].shown, 0);
  EXPECT_EQ(doc.FigureTable[3].shown, 0);
  EXPECT_EQ(doc.LabelTable[1].shown, 0);
  int visibilityChanges = 0;
  for (const TVisibilityChange* v = settings.VisibilityChangeList; v; v = v->next) ++visibilityChanges;
  EXPECT_EQ(visibilityChanges, 2);
  const std::vector<std::string> expected = {
      "controls off", "navigator", "graphs", "labels", "view 5", "view 5", "centre 1 2", "afterimage off",
      "locus on", "play 1", "play 3", "erase", "values", "repaint", "controls on"};
  EXPECT_EQ(host.log, expected);  // "small 0" ended the list before "draw"
}

TEST_F(MacroTest, LoadsWaitForTheEndOfTheRun) {
  host.existing = {"/docs/demo/x.lpw", "/docs/up.lpw", "/docs/demo/back.png"};
  Run("sub go() #1\nfor i=1 to 3\nload x.lpw\na=a+1\nnext i\nend sub");
  EXPECT_EQ(Var('a'), 0);
  EXPECT_EQ(host.log, (std::vector<std::string>{"controls off", "timer off", "controls on", "load /docs/demo/x.lpw"}));
  Run("sub go() #1\nload ..\\up.lpw\nend sub");
  EXPECT_EQ(host.log.back(), "load /docs/up.lpw");
  Run("sub go() #1\nload missing.lpw\na=1\nend sub");  // the list ends all the same
  EXPECT_EQ(host.Count("load /docs/demo/missing.lpw"), 0);
  EXPECT_EQ(Var('a'), 0);
  Run("sub go() #1\npictureload back.png\na=1\nend sub");
  EXPECT_EQ(host.log, (std::vector<std::string>{"controls off", "release", "picture /docs/demo/back.png", "controls on"}));
  EXPECT_EQ(Var('a'), 0);
}

// A name is always taken below the demo folder; only leading "..\" or "../" go up.
TEST_F(MacroTest, FileNamesAreTakenBelowTheDemoFolder) {
  const struct {
    const char* statement;
    const char* path;
  } cases[] = {
      {"load x.lpw", "/docs/demo/x.lpw"},
      {"load sub\\x.lpw", "/docs/demo/sub/x.lpw"},
      {"load ../x.lpw", "/docs/x.lpw"},
      {"load ..\\..\\x.lpw", "/x.lpw"},
      {"load /etc/x.lpw", "/docs/demo/etc/x.lpw"},
      {"load \\etc\\x.lpw", "/docs/demo/etc/x.lpw"},
      {"pictureload /tmp/x.png", "/docs/demo/tmp/x.png"},
  };
  for (const auto& c : cases) {
    host.existing = {c.path, "/etc/x.lpw", "/x.lpw", "/tmp/x.png"};
    Run(std::string("sub go() #1\n") + c.statement + "\nend sub");
    const std::string kind = std::string(c.statement).rfind("load", 0) == 0 ? "load " : "picture ";
    EXPECT_EQ(host.Count(kind + c.path), 1) << c.statement;
  }
}

TEST_F(MacroTest, OnloadStatementsThatLoadOneAnotherAreCutOff) {
  host.existing = {"/docs/demo/self.lpw"};
  struct ReloadingHost : LoggingMacroHost {
    MacroRuns* macros = nullptr;
    int loads = 0;
    void LoadEquationFile(const std::filesystem::path&) override {
      ++loads;
      macros->CompileMacro();
      macros->RunMacroOnload();
    }
  } reloading;
  reloading.existing = host.existing;
  reloading.macros = &macros;
  macros.SetHost(&reloading);
  SetMacro("onload load self.lpw");
  ASSERT_TRUE(macros.CompileMacro());
  macros.RunMacroOnload();
  EXPECT_EQ(reloading.loads, kMaxChainedMacroLoads);
  macros.RunMacroOnload();  // a load the user asked for starts a new chain
  EXPECT_EQ(reloading.loads, 2 * kMaxChainedMacroLoads);
  macros.SetHost(&host);
}

TEST_F(MacroTest, MakeWaveRecordsIntoAValidSlotAndAlwaysGivesTheButtonsBack) {
  Run("sub go() #1\nmakewave(N,2,1.5,sin(x))\nmakewave(A,2,1,x)\nmakewave(N,2,1E9,x)\nmakewave(N,11,1,x)\nb=1\n"
      "end sub");
  const std::vector<std::string> expected = {
      "controls off",
      "buttons off", "status データ2 に録音中", "wave 2 new 1.5", "status", "buttons",
      "buttons off", "status データ2 に録音中", "wave 2 append 1", "status", "buttons",
      "buttons off", "buttons",  // a duration past the limit records nothing
      "buttons off", "buttons",  // slot 11 ends the list
      "controls on"};
  EXPECT_EQ(host.log, expected);
  EXPECT_EQ(Var('b'), 0);
  EXPECT_EQ(host.buttons[0], "go");
}

TEST_F(MacroTest, RunsNeverNest) {
  SetMacro("sub one() #1\nwhile 1>0\na=a+1\nwend\nend sub\nsub two() #2\nb=1\nend sub\non c change d=1");
  ASSERT_TRUE(macros.CompileMacro());
  TValueNode* change = NewValueNode(3, 1);
  pump.onPump = [&](int n) {
    if (n == 1) macros.RunMacroChangeHandlers(change);  // dropped
    if (n == 2) macros.RunMacroProcedureByNumber(2);    // stops one, then runs
  };
  macros.RunMacroProcedureByNumber(1);
  DisposeValueList(change);
  EXPECT_EQ(Var('d'), 0);
  EXPECT_EQ(Var('b'), 1);
  EXPECT_GT(Var('a'), 0);
  EXPECT_FALSE(macros.RunActive());
}

TEST_F(MacroTest, ACompilationAskedForDuringARunWaitsForItsEnd) {
  SetMacro("sub one() #1\nwhile 1>0\na=a+1\nwend\nend sub");
  ASSERT_TRUE(macros.CompileMacro());
  pump.onPump = [&](int n) {
    if (n != 1) return;
    SetMacro("sub other() #1\nend sub");
    EXPECT_FALSE(macros.CompileMacro());
    EXPECT_EQ(settings.MacroProgram.procedures->name, "one");  // still the running program
  };
  macros.RunMacroProcedureByNumber(1);
  ASSERT_NE(settings.MacroProgram.procedures, nullptr);
  EXPECT_EQ(settings.MacroProgram.procedures->name, "other");
  EXPECT_EQ(host.buttons[0], "other");
}

}  // namespace
