#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "formula/DocumentState.h"
#include "formula/Records.h"
#include "platform/Sjis.h"
#include "support/StateFixture.h"

namespace {

using DocumentStateTest = StateTest;

TEST_F(DocumentStateTest, DefaultsAfterTheResetChain) {
  EXPECT_EQ(doc.EntryCount, 0);
  for (uint8_t count : doc.KindCounts) EXPECT_EQ(count, 0);
  EXPECT_EQ(doc.LabelCount, 0);
  EXPECT_EQ(doc.ViewRange, (TViewRange{-5, 5, -5, 5}));
  EXPECT_EQ(modes.AnimationMode, 6);
  EXPECT_EQ(modes.SnapMode, 2);
  EXPECT_EQ(doc.GridSettings.kind, 1);
  EXPECT_EQ(doc.GridSettings.color, 0xC0C0C0);
  EXPECT_EQ(doc.TangentLineColor, 0x0080FF);
  EXPECT_EQ(doc.TangentRateColor, 0x8000FF);
  EXPECT_EQ(doc.IntervalColor, 0x0045FF);
  EXPECT_EQ(doc.GraphFont, (Tlfont{"Times New Roman", 12, 0, 0}));
  EXPECT_EQ(doc.PointLabelFont.style, 1);
  EXPECT_EQ(doc.MemoFont, (Tlfont{sj("ＭＳ 明朝"), 11, 0, 1}));
  EXPECT_EQ(doc.XAxisName, "x");
  EXPECT_EQ(doc.YAxisName, "y");
  EXPECT_EQ(ReadVariable(doc.VariableValues, 'a'), 1.0L);
  EXPECT_EQ(ReadVariable(doc.VariableValues, 's'), 1.0L);
  EXPECT_EQ(ReadVariable(doc.VariableValues, 'f'), 0.0L);
  EXPECT_EQ(doc.VariableValues.T, 0.0L);
  EXPECT_EQ(doc.VariableValues.cells[18], 0.0f);  // θ
  for (Extended inc : doc.ParameterIncrements) EXPECT_EQ(inc, 0.1L);
  EXPECT_EQ(doc.EditedDefinition.kind, kEditedNone);
  for (uint8_t drawable : doc.DefinedConstantDrawable) EXPECT_EQ(drawable, 1);
  EXPECT_EQ(doc.Dimension, 2);
  EXPECT_EQ(ui.EntryModified, 1);
  EXPECT_EQ(settings.OutputScale, 1.0f);
  EXPECT_EQ(settings.PrintSettings.TitleLeft, 50);
  EXPECT_EQ(settings.PrintSettings.TitleTop, 150);
  EXPECT_EQ(settings.PrintSettings.PictureTop, 200);
  EXPECT_EQ(settings.PrintSettings.PictureWidth, 1000);
  EXPECT_EQ(settings.PrintSettings.Frame, 1);
  EXPECT_EQ(settings.PrintSettings.TitleFont.name, sj("ＭＳ 明朝"));
  EXPECT_EQ(doc.RegionDensity[0], 1);
  EXPECT_EQ(doc.RegionDensity[1], 0);
  EXPECT_EQ(eng.ParseOK, 1);
  EXPECT_EQ(ui.DocumentUntouched, 1);
  EXPECT_EQ(ui.DrawingEnabled, 1);
  EXPECT_GT(doc.PixelSizeX, 0);  // interval searches by pixel size must never start at 0
}

// One field the reset chain sets: how to spoil it and whether it is back.
struct ResetField {
  std::string name;
  std::function<void()> spoil;
  std::function<bool()> restored;
};

template <class T>
ResetField Field(const std::string& name, T& field, T expected) {
  return {name, [&field] { field = T(77); }, [&field, expected] { return field == expected; }};
}

ResetField Field(const std::string& name, std::string& field, const std::string& expected) {
  return {name, [&field] { field = "junk"; }, [&field, expected] { return field == expected; }};
}

ResetField Field(const std::string& name, Tlfont& font, const Tlfont& expected) {
  return {name, [&font] { font = Tlfont{"junk", 77, 77, 77}; }, [&font, expected] { return font == expected; }};
}

TEST_F(DocumentStateTest, TheResetChainRestoresEveryValueItSets) {
  // Start-up and a new document: ResetMiscSettings, then ResetAllSettings(0). Each field is
  // spoilt first, so that a value the chain forgets to set cannot pass as a struct default.
  using X = Extended;
  TVariableValues& v = doc.VariableValues;
  std::vector<ResetField> fields = {
      // ResetAllSettings, steps 1 to 3.
      Field("SkipNextResize", ui.SkipNextResize, uint8_t{0}),
      Field("BackgroundDirty", doc.BackgroundDirty, uint8_t{1}),
      Field("GraphMouseMode", ui.GraphMouseMode, uint8_t{0}),
      Field("HideDrawActive", ui.HideDrawActive, uint8_t{0}),
      Field("XAxisShown", doc.XAxisShown, uint8_t{1}),
      Field("YAxisShown", doc.YAxisShown, uint8_t{1}),
      Field("AxisWidth", doc.AxisWidth, uint8_t{1}),
      Field("IncrementalDisplay", doc.IncrementalDisplay, uint8_t{0}),
      Field("grid kind", doc.GridSettings.kind, uint8_t{1}),
      Field("grid dashed", doc.GridSettings.dashed, uint8_t{0}),
      Field("grid colour", doc.GridSettings.color, int32_t{0xC0C0C0}),
      Field("grid thickness", doc.GridSettings.thickness, uint8_t{1}),
      Field("TangentLineColor", doc.TangentLineColor, int32_t{0x0080FF}),
      Field("TangentRateColor", doc.TangentRateColor, int32_t{0x8000FF}),
      Field("AxisNumberPosition", doc.AxisNumberPosition, uint8_t{0}),
      Field("LineWidthSetting", doc.LineWidthSetting, uint8_t{1}),
      Field("ParseOK", eng.ParseOK, uint8_t{1}),
      Field("DocumentUntouched", ui.DocumentUntouched, uint8_t{1}),
      Field("XMin", doc.ViewRange.XMin, X{-5}),
      Field("XMax", doc.ViewRange.XMax, X{5}),
      Field("YMin", doc.ViewRange.YMin, X{-5}),
      Field("YMax", doc.ViewRange.YMax, X{5}),
      // Step 4: parameters, table, labels, definitions.
      Field("a", v.cells[1], 1.0f),
      Field("h", v.cells[8], 1.0f),
      Field("s", v.cells[19], 1.0f),
      Field("f", v.cells[6], 0.0f),
      Field("u", v.cells[20], 0.0f),
      Field("omega", v.cells[15], 0.0f),
      Field("theta", v.cells[18], 0.0f),
      Field("t", v.T, X{0}),
      Field("increment of t", doc.ParameterIncrements[5], X{0.1L}),
      Field("increment of n", doc.ParameterIncrements[14], X{0.1L}),
      Field("ThetaDisplayValue", doc.ThetaDisplayValue, X{0}),
      Field("OmegaDisplayValue", doc.OmegaDisplayValue, X{0}),
      Field("LocusSegmentCounter", doc.LocusSegmentCounter, uint8_t{0}),
      Field("EntryCount", doc.EntryCount, uint8_t{0}),
      Field("KindCounts[8]", doc.KindCounts[8], uint8_t{0}),
      Field("LabelCount", doc.LabelCount, int32_t{0}),
      Field("label 40 x", doc.LabelTable[40].xText, std::string("0")),
      Field("label 40 shiftLeft", doc.LabelTable[40].shiftLeft, int32_t{8}),
      Field("label 40 backColor", doc.LabelTable[40].backColor, int32_t{0xFFFFFF}),
      Field("DefinedFunctionCount", doc.DefinedFunctionCount, uint8_t{0}),
      Field("F21", doc.DefinedFunctionTexts[21], std::string()),
      Field("DefinedConstantCount", doc.DefinedConstantCount, uint8_t{0}),
      Field("Q20 value", doc.DefinedConstantValues[20], X{0}),
      Field("Q20 drawable", doc.DefinedConstantDrawable[20], uint8_t{1}),
      Field("EditedDefinition", doc.EditedDefinition.kind, uint8_t{kEditedNone}),
      // Steps 5 and 6: fonts and axis names.
      Field("GraphFont", doc.GraphFont, Tlfont{"Times New Roman", 12, 0, 0}),
      Field("PointLabelFont", doc.PointLabelFont, Tlfont{"Times New Roman", 12, 0, 1}),
      Field("MemoFont", doc.MemoFont, Tlfont{sj("ＭＳ 明朝"), 11, 0, 1}),
      Field("PointLabelFontCustom", doc.PointLabelFontCustom, uint8_t{0}),
      Field("GraphFontCustom", doc.GraphFontCustom, uint8_t{0}),
      Field("XAxisName", doc.XAxisName, std::string("x")),
      Field("YAxisName", doc.YAxisName, std::string("y")),
      Field("XAxisUnit", doc.XAxisUnit, uint8_t{1}),
      Field("YAxisUnit", doc.YAxisUnit, uint8_t{1}),
      Field("IntervalTextShown", doc.IntervalTextShown, uint8_t{0}),
      Field("PointPerpendicularsShown", doc.PointPerpendicularsShown, uint8_t{0}),
      // Step 7, with the mode flags: ResetMiscSettings has set EntryModified first.
      Field("AfterImageOn", modes.AfterImageOn, uint8_t{0}),
      Field("LocusOn", modes.LocusOn, uint8_t{0}),
      Field("LabelsShown", modes.LabelsShown, uint8_t{1}),
      Field("MeanRateTextShown", modes.MeanRateTextShown, uint8_t{1}),
      Field("IntervalMaxMinShown", modes.IntervalMaxMinShown, uint8_t{1}),
      Field("CloseNeedsConfirm", modes.CloseNeedsConfirm, uint8_t{1}),
      Field("CalculusActive", modes.CalculusActive, uint8_t{0}),
      Field("tool mode 3", modes.ToolModes[2], uint8_t{0}),
      Field("AnimationMode", modes.AnimationMode, uint8_t{6}),
      Field("DragTarget", ui.DragTarget[0], uint8_t{0}),
      Field("byte after DragTarget", ui.DragTarget[1], uint8_t{0}),
      Field("IntervalMode", doc.IntervalMode, uint8_t{0}),
      Field("IntervalColor", doc.IntervalColor, int32_t{0x0045FF}),
      Field("IntervalStyle", doc.IntervalStyle, uint8_t{1}),
      Field("SubFormOpen", ui.SubFormOpen, uint8_t{0}),
      Field("AxisLabelFlag", doc.AxisLabelFlag, uint8_t{0}),
      Field("ParametersInUse", doc.ParametersInUse, uint8_t{0}),
      Field("ValueTimerBusy", ui.ValueTimerBusy, uint8_t{0}),
      Field("AxisTicksShown", doc.AxisTicksShown, uint8_t{1}),
      Field("AxisNumbersShown", doc.AxisNumbersShown, uint8_t{1}),
      Field("CoordinateReadoutShown", doc.CoordinateReadoutShown, uint8_t{1}),
      Field("SnapMode", modes.SnapMode, uint8_t{2}),
      Field("RegionDensity[0]", doc.RegionDensity[0], uint8_t{1}),
      Field("SoundPresent[10]", doc.SoundPresent[10], uint8_t{0}),
      // ResetMiscSettings.
      Field("LocusSegmentsDrawn", settings.LocusSegmentsDrawn, uint8_t{1}),
      Field("NavigatorFlags2", settings.NavigatorFlags2[1], uint8_t{0}),
      Field("DrawingEnabled", ui.DrawingEnabled, uint8_t{1}),
      Field("KeepAspectRatio", settings.KeepAspectRatio, uint8_t{0}),
      Field("XTickDensity", settings.XTickDensity, int8_t{0}),
      Field("YTickDensity", settings.YTickDensity, int8_t{0}),
      Field("RiemannSumKind", settings.RiemannSumKind, uint8_t{0}),
      Field("Printing", settings.Printing, uint8_t{0}),
      Field("MacroRunning", settings.MacroRunning, uint8_t{0}),
      Field("BackgroundShown", settings.BackgroundShown, uint8_t{0}),
      Field("TangentAfterImage", settings.TangentAfterImage, uint8_t{0}),
      Field("SerialSaveFormat", settings.SerialSaveFormat, uint8_t{0}),
      Field("TitleFont", settings.PrintSettings.TitleFont, Tlfont{sj("ＭＳ 明朝"), 12, 0, 0}),
      Field("print option 1", settings.PrintSettings.option1, uint8_t{0}),
      Field("print option 2", settings.PrintSettings.option2, uint8_t{1}),
      Field("Frame", settings.PrintSettings.Frame, uint8_t{1}),
      Field("TitleLeft", settings.PrintSettings.TitleLeft, int32_t{50}),
      Field("TitleTop", settings.PrintSettings.TitleTop, int32_t{150}),
      Field("PictureLeft", settings.PrintSettings.PictureLeft, int32_t{0}),
      Field("PictureTop", settings.PrintSettings.PictureTop, int32_t{200}),
      Field("PictureWidth", settings.PrintSettings.PictureWidth, int32_t{1000}),
      Field("PrintFormFirstShow", settings.PrintFormFirstShow, uint8_t{1}),
      Field("PlotMode", eng.PlotMode, uint8_t{0}),
      Field("AfterImageColorMode", settings.AfterImageColorMode, uint8_t{0}),
      Field("MemoOnTop", settings.MemoOnTop, uint8_t{1}),
      Field("AfterImagePale", settings.AfterImagePale, uint8_t{0}),
      Field("RegionDensity[1]", doc.RegionDensity[1], uint8_t{0}),
      Field("NavigatorRowOffset", settings.NavigatorRowOffset, int32_t{0}),
      Field("OutputScale", settings.OutputScale, 1.0f),
      Field("PrintScale", settings.PrintScale, 1.0f),
      Field("IntervalDrawFlag", settings.IntervalDrawFlag, uint8_t{1}),
      Field("PolygonPrintMode", settings.PolygonPrintMode, uint8_t{1}),
      Field("AxisWidthMode", settings.AxisWidthMode, uint8_t{1}),
      Field("Dimension", doc.Dimension, uint8_t{2}),
      Field("EntryModified", ui.EntryModified, uint8_t{1}),
      Field("CurrentFileName", settings.CurrentFileName, std::string()),
  };
  for (const ResetField& f : fields) f.spoil();
  ui.EntryModified = 0;  // the mode flags are reset only because ResetMiscSettings sets it
  settings.ValueChangeList = NewValueNode(1, 2);
  settings.MacroFrameList = NewValueNode(3, 4);

  ResetMiscSettings();
  ResetAllSettings(0);

  for (const ResetField& f : fields) EXPECT_TRUE(f.restored()) << f.name;
  EXPECT_EQ(settings.ValueChangeList, nullptr);
  EXPECT_EQ(settings.MacroFrameList, nullptr);
}

TEST_F(DocumentStateTest, ResetEmptiesAPopulatedDocument) {
  doc.EntryCount = 3;
  doc.KindCounts[1] = 2;
  doc.KindCounts[8] = 1;
  doc.FigureTable[1].texts[0] = "x^2";
  doc.FigureTable[3].kind = kKindPoint;
  doc.LabelCount = 2;
  doc.LabelTable[1].lines = {"a"};
  doc.DefinedFunctionTexts[1] = "x+1";
  doc.DefinedFunctionCount = 1;
  doc.DefinedConstantTexts[1] = "2";
  doc.DefinedConstantCount = 1;
  doc.SoundStreams[3] = {1, 2, 3};
  doc.SoundPresent[3] = 1;
  doc.PointSequences[1].resize(5);
  doc.PointSequences[1][0].x = 7;
  doc.PointLetterEntry[1] = 3;
  doc.ViewRange.XMax = 50;

  ResetAllSettings(1);

  EXPECT_EQ(doc.EntryCount, 0);
  EXPECT_EQ(doc.KindCounts[1], 0);
  EXPECT_EQ(doc.FigureTable[1], Tfuncprop{});
  EXPECT_EQ(doc.FigureTable[3].kind, kKindExplicit);
  EXPECT_EQ(doc.LabelCount, 0);
  EXPECT_TRUE(doc.LabelTable[1].lines.empty());
  EXPECT_EQ(doc.DefinedFunctionTexts[1], "");
  EXPECT_EQ(doc.DefinedConstantTexts[1], "");
  EXPECT_EQ(doc.DefinedFunctionCount + doc.DefinedConstantCount, 0);
  EXPECT_TRUE(doc.SoundStreams[3].empty());
  EXPECT_EQ(doc.SoundPresent[3], 0);
  EXPECT_EQ(doc.ViewRange.XMax, 5);
  for (int n = 1; n <= 27; ++n) {
    ASSERT_EQ(doc.PointSequences[n].size(), 1u) << n;
    EXPECT_EQ(doc.PointSequences[n][0], TSpacePoint{});
    EXPECT_EQ(doc.PreviousPointPositions[n], TSpacePoint{});
    EXPECT_EQ(doc.PointLetterEntry[n], 0);
  }
}

TEST_F(DocumentStateTest, FreeSoundSlotsWithoutFreeingOnlyClearsTheMarks) {
  doc.SoundStreams[2] = {9, 9};
  doc.SoundPresent[2] = 1;
  FreeSoundSlots(0);
  EXPECT_EQ(doc.SoundPresent[2], 0);
  EXPECT_EQ(doc.SoundStreams[2].size(), 2u);
}

TEST_F(DocumentStateTest, ModeFlagsResetOnlyAfterAnEdit) {
  modes.AfterImageOn = 1;
  modes.MeanRateTextShown = 0;
  ui.EntryModified = 0;
  ResetModeFlags();
  EXPECT_EQ(modes.AfterImageOn, 1);
  EXPECT_EQ(modes.MeanRateTextShown, 0);
  ui.EntryModified = 1;
  ResetModeFlags();
  EXPECT_EQ(modes.AfterImageOn, 0);
  EXPECT_EQ(modes.MeanRateTextShown, 1);
}

TEST_F(DocumentStateTest, NewEntryDefaults) {
  Tfuncprop e;
  e.texts[0] = "junk";
  e.color = 1;
  InitFuncprop(e, kKindPoint);
  EXPECT_EQ(e.kind, kKindPoint);
  EXPECT_EQ(e.letter, kNoPoint);
  EXPECT_EQ(e.subkind, 255);
  EXPECT_EQ(e.signedSubkind(), -1);
  EXPECT_EQ(e.stepText, "0.1");
  EXPECT_EQ(e.texts[0], "");
  EXPECT_EQ(e.afterImage, 1);
  EXPECT_EQ(e.dragClass, 1);
  EXPECT_EQ(e.labelPos, 3);
  EXPECT_EQ(e.color, 0xFF0000);
  EXPECT_EQ(e.brushColor, 0x80);
}

TEST_F(DocumentStateTest, ParametersInUseCountsOnlyParameters) {
  struct Row {
    int code;
    uint8_t inUse;
  } rows[] = {{10005, 0}, {10010, 0}, {10006, 0}, {10013, 1}, {10023, 1}, {10001, 1}, {10016, 1}};
  for (const Row& r : rows) {
    doc.ParameterUsed.fill(0);
    doc.ParameterUsed[r.code] = 1;
    UpdateParametersInUse();
    EXPECT_EQ(doc.ParametersInUse, r.inUse) << r.code;
  }
}

TEST_F(DocumentStateTest, TheDocumentIsAValueThatCanBeSavedAside) {
  doc.FigureTable[1].texts[0] = "sin(x)";
  doc.EntryCount = 1;
  const DocumentState saved = doc;
  doc.FigureTable[1].texts[0] = "cos(x)";
  doc.EntryCount = 0;
  doc = saved;
  EXPECT_EQ(doc.FigureTable[1].texts[0], "sin(x)");
  EXPECT_EQ(doc.EntryCount, 1);
}

TEST(VariableMapping, OneTableServesEveryNumbering) {
  struct Row {
    char letter;
    int nodeCode;
    VariableHome home;
    int cell;
    int changeCode;
    int incrementSlot;
  } rows[] = {
      {'a', 10001, VariableHome::Cell, 1, 1, 1},   {'d', 10004, VariableHome::Cell, 4, 4, 4},
      {'e', 10005, VariableHome::Euler, 0, 5, 0},  {'f', 10006, VariableHome::Cell, 6, 6, 0},
      {'h', 10008, VariableHome::Cell, 8, 8, 12},  {'k', 10009, VariableHome::Cell, 11, 11, 10},
      {'l', 10010, VariableHome::Cell, 12, 12, 0}, {'m', 10011, VariableHome::Cell, 13, 13, 13},
      {'n', 10012, VariableHome::Cell, 14, 14, 14}, {'p', 10013, VariableHome::Cell, 16, 16, 8},
      {'q', 10014, VariableHome::Cell, 17, 17, 9}, {'o', 10015, VariableHome::Cell, 15, 15, 7},
      {'r', 10016, VariableHome::Cell, 18, 18, 6}, {'s', 10017, VariableHome::Cell, 19, 19, 11},
      {'u', 10018, VariableHome::Cell, 20, 21, 0}, {'w', 10020, VariableHome::Cell, 22, 23, 0},
      {'i', 10021, VariableHome::Cell, 9, 9, 0},   {'j', 10022, VariableHome::Cell, 10, 10, 0},
      {'t', 10023, VariableHome::T, 0, 20, 5},     {'x', 10024, VariableHome::X, 0, 24, 0},
      {'z', 10026, VariableHome::Z, 0, 26, 0},
  };
  for (const Row& r : rows) {
    EXPECT_EQ(NodeCodeOfLetter(r.letter), r.nodeCode) << r.letter;
    EXPECT_EQ(LetterOfNodeCode(r.nodeCode), r.letter) << r.letter;
    EXPECT_EQ(SlotOfLetter(r.letter).home, r.home) << r.letter;
    EXPECT_EQ(SlotOfLetter(r.letter).cell, r.cell) << r.letter;
    EXPECT_EQ(ChangeCodeOfLetter(r.letter), r.changeCode) << r.letter;
    EXPECT_EQ(LetterOfChangeCode(r.changeCode), r.letter) << r.letter;
    EXPECT_EQ(IncrementSlotOfLetter(r.letter), r.incrementSlot) << r.letter;
    if (r.incrementSlot) {
      EXPECT_EQ(LetterOfIncrementSlot(r.incrementSlot), r.letter);
    }
  }
  for (int code : kParameterCodes) EXPECT_TRUE(IsParameterLetter(LetterOfNodeCode(code))) << code;
  EXPECT_EQ(LetterOfNodeCode(10000), '\0');
  EXPECT_EQ(LetterOfNodeCode(10027), '\0');
  EXPECT_EQ(LetterOfChangeCode(0), '\0');
  EXPECT_EQ(LetterOfChangeCode(101), '\0');  // a point's x
}

TEST(VariableMapping, CellsAreSinglePrecision) {
  TVariableValues v;
  WriteVariable(v, 'a', 0.1L);
  EXPECT_EQ(ReadVariable(v, 'a'), static_cast<Extended>(0.1f));
  EXPECT_NE(ReadVariable(v, 'a'), 0.1L);
  WriteVariable(v, 't', 0.1L);
  EXPECT_EQ(v.T, 0.1L);  // t lives only in the 80-bit cell
  WriteVariable(v, 'r', 2.0L);
  EXPECT_EQ(v.cells[18], 2.0f);
  EXPECT_EQ(ReadVariable(v, 'e'), std::exp(1.0L));
}

}  // namespace
