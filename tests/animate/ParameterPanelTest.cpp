#include <cmath>
#include <stdexcept>

#include "PanelFixture.h"
#include "platform/Runtime.h"

namespace {

constexpr Extended kPi = 3.14159265358979323846264338327950288L;

TEST_F(PanelTest, SteppingAOnAxChangesTheCellByTheIncrementAndRedrawsOnlyTheMovingLayer) {
  AddExplicit("a*x");
  ASSERT_EQ(doc.FigureTable[1].dependsOnParameter, 1);  // on the moving layer
  Show();
  ASSERT_TRUE(panel->RowShown(Row('a')));
  EXPECT_EQ(panel->ValueText(Row('a')), "1.000");
  panel->StepOneParameter(Up('a'));
  EXPECT_EQ(Cell('a'), 1.1f);
  EXPECT_EQ(panel->ValueText(Row('a')), "1.100");
  EXPECT_EQ(Changes(), (std::vector<std::pair<int, Extended>>{{1, Extended(1.1f)}}));
  EXPECT_EQ(pipeline.composed, 1);
  EXPECT_EQ(shell.redrawAll, 0);
  EXPECT_EQ(pipeline.framesSaved, 1);
  EXPECT_EQ(hooks.handlerRuns, 1);
}

TEST_F(PanelTest, AStepRedrawsTheMovingCurveOverTheKeptBackLayer) {
  AddExplicit("a*x");
  AddExplicit("2");  // stays in the back layer
  RedrawAll();
  Show();
  const QImage back = BackCanvas().Image().copy();
  const QImage before = CompositeCanvas().Image().copy();
  pipeline = PipelineLog{};
  panel->StepOneParameter(Up('a'));
  EXPECT_EQ(BackCanvas().Image(), back);
  EXPECT_EQ(doc.BackgroundDirty, 0);
  EXPECT_NE(CompositeCanvas().Image(), before);
  EXPECT_EQ(pipeline.composed, 1);
  // The line now rises 1.1 per unit: at x = 4 (pixel 90) it is near y = 4.4 (pixel 6).
  const QImage& picture = CompositeCanvas().Image();
  const QRgb white = qRgb(255, 255, 255);
  bool found = false;
  for (int y = 3; y <= 9; ++y) found = found || picture.pixel(90, y) != white;
  EXPECT_TRUE(found);
  EXPECT_NE(before.pixel(90, 10), white);  // where the old line crossed x = 4
  EXPECT_EQ(picture.pixel(90, 10), white);
}

TEST_F(PanelTest, StepsRoundToThreeDecimals) {
  struct Case {
    char letter;
    Extended start, increment;
    bool up;
    int repeats;
    const char* text;
  } rows[] = {
      {'a', 0, 0.1L, true, 30, "3.000"},   {'t', 0, 0.1L, true, 30, "3.000"},
      {'s', -0.1L, 0.1L, false, 1, "-0.200"}, {'k', 1, -0.25L, true, 3, "0.250"},
      {'m', 0, 0.0004L, true, 1, "0.000"},  {'n', 0, 0.0005L, true, 2, "0.002"},
  };
  for (const Case& r : rows) {
    SCOPED_TRACE(r.letter);
    ResetProgramStateForTest();
    MakeBareDrawingArea(kSize);
    UseParameters(std::string(1, r.letter));
    WriteVariable(doc.VariableValues, r.letter, r.start);
    Increment(r.letter) = r.increment;
    Show();
    for (int i = 0; i < r.repeats; ++i) panel->StepOneParameter(r.up ? Up(r.letter) : Down(r.letter));
    EXPECT_EQ(panel->ValueText(Row(r.letter)), r.text);
    Extended expected;
    ASSERT_TRUE(rtl::TryStrToFloat(r.text, expected));
    if (r.letter == 't')
      EXPECT_EQ(doc.VariableValues.T, expected);
    else
      EXPECT_EQ(Cell(r.letter), static_cast<float>(expected));
  }
}

TEST_F(PanelTest, AllParametersStepTogetherHiddenRowsIncludedWithoutHandlers) {
  UseParameters("ab");
  for (int row = 0; row < kParameterRowCount; ++row) {
    if (IsAngleRow(row))
      (row == kThetaRow ? doc.ThetaDisplayValue : doc.OmegaDisplayValue) = 0;
    else
      WriteVariable(doc.VariableValues, kParameterRows[row].letter, 0);
  }
  Show();
  for (int i = 0; i < 30; ++i) panel->StepAllParameters(kAllUpCode);
  for (int row = 0; row < kParameterRowCount; ++row) {
    if (IsAngleRow(row)) continue;
    EXPECT_EQ(ReadVariable(doc.VariableValues, kParameterRows[row].letter), 3) << row;
  }
  EXPECT_EQ(doc.ThetaDisplayValue, 3);
  EXPECT_EQ(doc.OmegaDisplayValue, 3);
  EXPECT_EQ(ChangeCodes(), (std::vector<int>{1, 2}));
  EXPECT_EQ(pipeline.composed, 30);
  EXPECT_EQ(hooks.handlerRuns, 0);
  panel->StepAllParameters(kAllDownCode);
  EXPECT_EQ(panel->ValueText(Row('a')), "2.900");
}

TEST_F(PanelTest, AZeroIncrementStepsNothingButTheAllStepStillRedraws) {
  UseParameters("ab");
  Increment('a') = 0;
  Show();
  panel->StepOneParameter(Up('a'));
  EXPECT_EQ(pipeline.composed, 0);
  EXPECT_EQ(hooks.handlerRuns, 0);
  EXPECT_EQ(settings.ValueChangeList, nullptr);
  panel->StepAllParameters(kAllUpCode);
  EXPECT_EQ(pipeline.composed, 1);
  EXPECT_EQ(ChangeCodes(), std::vector<int>{2});
}

TEST_F(PanelTest, AnglesStepTheirDisplayValueAndKeepRadiansInTheCell) {
  UseParameters("r");
  doc.ThetaDisplayValue = 0.5L;
  Show();
  EXPECT_EQ(panel->ValueText(kThetaRow), "0.500π");
  panel->StepOneParameter(Up('r'));
  EXPECT_EQ(panel->ValueText(kThetaRow), "0.600π");
  EXPECT_EQ(Cell('r'), static_cast<float>(0.6L * kPi));
  EXPECT_EQ(Changes(), (std::vector<std::pair<int, Extended>>{{18, 0.6L * kPi}}));

  // To degrees: the shown number stays and is read as degrees.
  doc.ThetaDisplayValue = 0.5L;
  panel->AngleRowUnderMouse = 0;
  panel->SetAngleUnit(true);
  EXPECT_EQ(panel->ValueText(kThetaRow), "0.50ﾟ");
  EXPECT_NEAR(Cell('r'), 0.00872665f, 1e-7f);
  EXPECT_EQ(ChangeCodes(), std::vector<int>{18});
  EXPECT_EQ(hooks.handlerRuns, 1);  // the step ran them; the unit change does not
}

TEST_F(PanelTest, ChangeListModes) {
  UseParameters("atr");
  Tfuncprop& point = doc.FigureTable[++doc.EntryCount];
  InitFuncprop(point, kKindPoint);
  point.letter = 1;
  point.dragClass = 1;  // x and y
  ++doc.KindCounts[kKindPoint];
  doc.PointSequences[1][0].x = 2;
  doc.PointSequences[1][0].y = 3;
  Show();
  WriteVariable(doc.VariableValues, 'a', 4);
  doc.ThetaDisplayValue = 1;
  panel->ApplyParameterValues(0);
  EXPECT_EQ(Changes(), (std::vector<std::pair<int, Extended>>{{1, 4}, {18, kPi}}));
  panel->ApplyParameterValues(1);
  EXPECT_EQ(Changes(), (std::vector<std::pair<int, Extended>>{{1, 4}, {20, 0}, {18, kPi}, {101, 2}, {102, 3}}));
  panel->ApplyParameterValues(0);
  EXPECT_EQ(settings.ValueChangeList, nullptr);
}

TEST_F(PanelTest, RowsAreTheParametersInUseInPanelOrder) {
  UseParameters("t");
  Show();
  EXPECT_EQ(panel->ShownRowCount(), 1);
  EXPECT_FALSE(panel->AllButtonsShown());
  EXPECT_EQ(panel->Caption(), "パラメ－タ変更/マクロナビ");
  EXPECT_EQ(timer.JobCode, job::StepAllParameters);
  UseParameters("o");
  Show();
  EXPECT_TRUE(panel->RowShown(kOmegaRow));
  EXPECT_TRUE(panel->AllButtonsShown());
  EXPECT_FALSE(panel->RowShown(Row('a')));
}

TEST_F(PanelTest, TypedValuesAreEvaluatedAndRecorded) {
  AddExplicit("a*x+b");
  Show();
  hooks.answers = {"2*3"};
  panel->EnterValue(Row('a'));
  EXPECT_EQ(hooks.asked, std::vector<std::string>{"aの値"});
  EXPECT_EQ(Cell('a'), 6);
  EXPECT_EQ(panel->ValueText(Row('a')), "6.000");  // the value, not the text typed
  EXPECT_EQ(Changes(), (std::vector<std::pair<int, Extended>>{{1, 6}}));
  EXPECT_EQ(pipeline.composed, 1);
  EXPECT_EQ(hooks.handlerRuns, 1);
  EXPECT_EQ(panel->ValueColor(Row('a')), kPanelWhite);

  // The same value again: nothing changed, so no handler has anything to do.
  hooks.answers = {"6"};
  panel->EnterValue(Row('a'));
  EXPECT_EQ(settings.ValueChangeList, nullptr);
  EXPECT_EQ(pipeline.composed, 2);
  EXPECT_TRUE(hooks.handlerSawEmptyList);

  // Cancel: nothing changes.
  hooks.answers.clear();
  panel->EnterValue(Row('b'));
  EXPECT_EQ(Cell('b'), 1);
  EXPECT_EQ(pipeline.composed, 2);
  EXPECT_EQ(panel->ValueColor(Row('b')), kPanelWhite);

  hooks.answers = {"1/2+sqrt(4)"};
  panel->EnterValue(Row('b'));
  EXPECT_EQ(Cell('b'), 2.5f);
  EXPECT_EQ(panel->ValueText(Row('b')), "2.500");
}

TEST_F(PanelTest, AnUndefinedOrOversizedValueIsAskedAgain) {
  UseParameters("at");
  Show();
  hooks.answers = {"1/0", "sqrt(-1)", "10^40", "-2.5"};
  panel->EnterValue(Row('a'));
  EXPECT_EQ(hooks.asked.size(), 4u);
  EXPECT_EQ(Cell('a'), -2.5f);
  // t is extended: 10^40 fits.
  hooks.answers = {"10^40"};
  panel->EnterValue(Row('t'));
  EXPECT_GT(doc.VariableValues.T, 9.99e39L);
  EXPECT_EQ(panel->ValueText(Row('a')), "-2.500");
  // A cancel after a refused value leaves the old value.
  hooks.answers = {"1/0"};
  panel->EnterValue(Row('a'));
  EXPECT_EQ(Cell('a'), -2.5f);
}

TEST_F(PanelTest, TypedAnglesAreDisplayValues) {
  UseParameters("o");
  Show();
  panel->AngleRowUnderMouse = 1;
  panel->SetAngleUnit(true);
  hooks.answers = {"90"};
  panel->EnterValue(kOmegaRow);
  EXPECT_EQ(doc.OmegaDisplayValue, 90);
  EXPECT_EQ(Cell('o'), static_cast<float>(AngleRadians(90, true)));
  EXPECT_NEAR(static_cast<double>(AngleRadians(90, true)), static_cast<double>(kPi / 2), 1e-15);
  EXPECT_EQ(Changes(), (std::vector<std::pair<int, Extended>>{{15, AngleRadians(90, true)}}));
  EXPECT_EQ(hooks.asked, std::vector<std::string>{"ωの値"});
  EXPECT_EQ(panel->ValueText(kOmegaRow), "90.00ﾟ");
  // θ in multiples of π, typed as a formula.
  UseParameters("r");
  Show();
  hooks.answers = {"1/4+1/4"};
  panel->EnterValue(kThetaRow);
  EXPECT_EQ(panel->ValueText(kThetaRow), "0.500π");
  EXPECT_EQ(Cell('r'), static_cast<float>(0.5L * kPi));
}

TEST_F(PanelTest, ClearingAndIncrements) {
  UseParameters("at");
  WriteVariable(doc.VariableValues, 't', 5);
  Show();
  panel->ClearValue(Row('t'));
  EXPECT_EQ(doc.VariableValues.T, 0);
  EXPECT_EQ(ChangeCodes(), std::vector<int>{20});
  EXPECT_EQ(hooks.handlerRuns, 1);

  struct Case {
    int widthIndex;
    bool up;
    const char* text;
    uint32_t color;
  } rows[] = {{2, true, "0.200", 0xFF0000}, {0, false, "-9.800", 0x0000FF}, {1, true, "-8.800", 0x0000FF},
              {4, true, "-8.799", 0x0000FF}};
  for (const Case& r : rows) {
    panel->SetStepWidthIndex(r.widthIndex);
    panel->SpinIncrement(Row('a'), r.up);
    EXPECT_EQ(panel->IncrementText(Row('a')), r.text);
    EXPECT_EQ(panel->IncrementColor(Row('a')), r.color);
  }
  panel->ClearIncrement(Row('a'));
  EXPECT_EQ(Increment('a'), 0);
  EXPECT_EQ(panel->IncrementText(Row('a')), "0.000");
  EXPECT_EQ(panel->IncrementColor(Row('a')), 0x808080u);
}

// The angle units and the step width are document state: a loaded document brings its
// own, and what the panel sets is what a save writes.
TEST_F(PanelTest, AngleUnitsAndStepWidthAreTheDocuments) {
  UseParameters("ro");
  doc.ThetaInDegrees = 1;
  doc.ThetaDisplayValue = 30;
  doc.OmegaDisplayValue = 0.5L;
  settings.StepWidthItem = 3;
  Show();
  EXPECT_EQ(panel->ValueText(kThetaRow), "30.00ﾟ");
  EXPECT_EQ(Cell('r'), static_cast<float>(kPi / 6));
  EXPECT_EQ(panel->ValueText(kOmegaRow), "0.500π");
  EXPECT_EQ(panel->StepWidth, 0.01f);
  EXPECT_EQ(panel->StepWidthIndex(), 3);

  panel->AngleRowUnderMouse = 1;
  panel->SetAngleUnit(true);
  EXPECT_EQ(doc.OmegaInDegrees, 1);
  panel->SetStepWidthIndex(0);
  EXPECT_EQ(settings.StepWidthItem, 0);
  panel->FormCreate();  // a new panel starts in multiples of π at 0.1
  EXPECT_EQ(doc.ThetaInDegrees, 0);
  EXPECT_EQ(doc.OmegaInDegrees, 0);
  EXPECT_EQ(settings.StepWidthItem, 2);
}

TEST_F(PanelTest, NothingChangesWhileAMacroRuns) {
  AddExplicit("a*x");
  Show();
  settings.MacroRunning = 1;
  hooks.answers = {"5"};
  panel->StepOneParameter(Up('a'));
  panel->StepAllParameters(kAllUpCode);
  panel->EnterValue(Row('a'));
  panel->ClearValue(Row('a'));
  panel->SpinIncrement(Row('a'), true);
  panel->SetStepWidthIndex(0);
  panel->PressValueButton(Up('a'));
  // A repeat armed before the macro started does nothing on its ticks either.
  timer.JobCode = job::StepOneParameter;
  panel->HeldButtonCode = Up('a');
  timer.SetEnabled(true);
  clock->advance(2000);
  EXPECT_EQ(Cell('a'), 1);
  EXPECT_EQ(Increment('a'), 0.1L);
  EXPECT_EQ(panel->StepWidthIndex(), 2);
  EXPECT_EQ(pipeline.composed, 0);
  EXPECT_TRUE(hooks.asked.empty());
}

TEST_F(PanelTest, HoldingAButtonRepeatsFasterAndStopsOnRelease) {
  AddExplicit("a*x");
  Show();
  timer.SetInterval(100);  // whatever an earlier job left
  panel->PressValueButton(Up('a'));
  EXPECT_EQ(Cell('a'), 1.1f);  // the press steps at once
  std::vector<int64_t> steps;
  pipeline.onCompose = [&] { steps.push_back(clock->now()); };
  clock->advance(1100);
  EXPECT_EQ(steps, (std::vector<int64_t>{400, 750, 950, 1000, 1050, 1100}));
  EXPECT_EQ(panel->ValueText(Row('a')), "1.700");
  panel->ReleaseValueButton();
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), 400);
  EXPECT_EQ(timer.AutoRepeatCount, 0);

  // Both directions of every parameter at once.
  panel->PressValueButton(kAllDownCode);
  EXPECT_EQ(timer.JobCode, job::StepAllParameters);
  clock->advance(400);
  panel->ReleaseValueButton();
  EXPECT_EQ(panel->ValueText(Row('a')), "1.500");
}

TEST_F(PanelTest, AFailingRedrawDuringARepeatStopsIt) {
  AddExplicit("a*x");
  Show();
  panel->PressValueButton(Up('a'));
  pipeline.onCompose = [] { throw std::runtime_error("drawing failed"); };
  clock->advance(400);
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(eng.EvalDrawable, 0);
  clock->advance(2000);
  EXPECT_EQ(panel->ValueText(Row('a')), "1.200");
}

TEST_F(PanelTest, ClosingInIntervalOrIdleWorkFirstShowsTheParameterLayout) {
  UseParameters("a");
  modes.AnimationMode = 6;
  modes.PreviousAnimationMode = 0;
  timer.Arm(job::StepOneParameter);
  EXPECT_FALSE(panel->FormClose());
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), 50);
  EXPECT_EQ(modes.AnimationMode, 0);
  EXPECT_EQ(modes.PreviousAnimationMode, 6);
  EXPECT_EQ(panel->Layout(), PanelLayout::Parameters);
  settings.MacroRunning = 1;
  ui.SubFormOpen = 1;
  EXPECT_TRUE(panel->FormClose());
  EXPECT_EQ(ui.ValueTimerBusy, 0);
  EXPECT_EQ(settings.MacroRunning, 0);
  EXPECT_EQ(ui.SubFormOpen, 0);
  EXPECT_EQ(timer.JobCode, job::Idle);
}

TEST_F(PanelTest, RedrawRoadsBySpaceSurfaceAndIntervalMode) {
  UseParameters("a");
  Show();
  doc.IntervalMode = 1;  // the composition ends with the interval, refreshed once
  panel->RedrawForParameters();
  EXPECT_EQ(pipeline.intervalRefreshes, 1);
  EXPECT_EQ(pipeline.framesSaved, 0);
  EXPECT_EQ(pipeline.composed, 0);
  ui.HideDrawActive = 1;  // recorded, not painted: the interval still refreshes
  panel->RedrawForParameters();
  EXPECT_EQ(pipeline.intervalRefreshes, 2);
  doc.IntervalMode = 0;
  panel->RedrawForParameters();
  EXPECT_EQ(pipeline.composed, 0);
  EXPECT_EQ(pipeline.framesSaved, 1);
  ui.HideDrawActive = 0;
  panel->RedrawForParameters();
  EXPECT_EQ(pipeline.composed, 1);
  doc.Dimension = 3;
  const qint64 back = BackCanvas().Image().cacheKey();
  panel->RedrawForParameters();  // the space layer composed over the back layer as it was
  EXPECT_EQ(pipeline.composed, 2);
  EXPECT_EQ(BackCanvas().Image().cacheKey(), back);
  AddExplicit("a*x*y");  // a surface as entry 1: drawn into the back layer, then composed
  panel->RedrawForParameters();
  EXPECT_NE(BackCanvas().Image().cacheKey(), back);
  EXPECT_EQ(pipeline.composed, 3);
  EXPECT_EQ(pipeline.framesSaved, 4);
}

TEST_F(PanelTest, DefinedConstantsFollowTheParameters) {
  AddExplicit("a*x");
  doc.DefinedConstantTexts[1] = "a*2";
  doc.DefinedConstantCount = 1;
  Show();
  panel->StepOneParameter(Up('a'));
  EXPECT_NEAR(static_cast<double>(doc.DefinedConstantValues[1]), 2.2, 1e-6);
}

}  // namespace
