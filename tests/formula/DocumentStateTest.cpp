#include <gtest/gtest.h>

#include <cmath>

#include "formula/DocumentState.h"
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
