#include "formula/DocumentState.h"

#include "formula/Records.h"
#include "platform/Sjis.h"

DocumentState doc;
ModeFlags modes;
ProgramSettings settings;
EngineFlags eng;
UiFlags ui;

void ClearFlagTriple(TUsageFlags& flags) { flags = TUsageFlags{}; }

void ResetPointList(int pointNumber) {
  if (!doc.PointSequences.contains(pointNumber)) return;
  TSpacePoint origin;
  InitSpacePoint(origin);
  doc.PointSequences[pointNumber].assign(1, origin);
  doc.PreviousPointPositions[pointNumber] = origin;
  doc.PointLetterEntry[pointNumber] = 0;
  doc.PointSequenceMark[pointNumber] = 0;
}

void ResetParameters() {
  TVariableValues& v = doc.VariableValues;
  for (char c : {'a', 'b', 'c', 'd', 'h', 'k', 'm', 'n', 'p', 'q', 's'}) WriteVariable(v, c, 1.0L);
  // f, g, t, u, v, θ (r) and ω (o); w, e, i, j and l keep their values.
  for (char c : {'f', 'g', 't', 'u', 'v', 'r', 'o'}) WriteVariable(v, c, 0.0L);
  doc.ThetaDisplayValue = 0;
  doc.OmegaDisplayValue = 0;
  doc.ParameterIncrements.fill(0.1L);
  doc.LocusSegmentCounter = 0;
}

void ClearFigureTable() {
  for (Tfuncprop& e : doc.FigureTable) InitFuncprop(e, kKindExplicit);
  for (int n = 1; n <= 27; ++n) ResetPointList(n);
  doc.KindCounts.fill(0);
  doc.EntryCount = 0;
  doc.DefinedFunctionCount = 0;
  doc.DefinedConstantCount = 0;
}

void ResetDefinitions() {
  for (int i = 1; i <= kMaxDefinitions + 1; ++i) {
    doc.DefinedFunctionTexts[i].clear();
    ClearFlagTriple(doc.DefinedFunctionUsage[i]);
  }
  for (int i = 1; i <= kMaxDefinitions; ++i) {
    doc.DefinedConstantTexts[i].clear();
    ClearFlagTriple(doc.DefinedConstantUsage[i]);
    doc.DefinedConstantValues[i] = 0;
    doc.DefinedConstantDrawable[i] = 1;
  }
  doc.DefinedFunctionCount = 0;
  doc.DefinedConstantCount = 0;
  doc.EditedDefinition = TEditedDefinition{};
}

void ResetModeFlags() {
  if (!ui.EntryModified) return;
  modes.AfterImageOn = 0;
  modes.LocusOn = 0;
  modes.LabelsShown = 1;
  modes.RiemannStarted = 0;
  modes.RangeFormFromNavigator = 0;
  modes.RangeFormOption = 0;
  modes.IntegralStarted = 0;
  modes.MeanRateStarted = 0;
  modes.TangentTextShown = 0;
  modes.RiemannTextShown = 0;
  modes.MeanRateTextShown = 1;
  modes.IntegralTextShown = 0;
  modes.CalculusActive = 0;
  modes.IntervalMaxMinShown = 1;
  modes.CloseNeedsConfirm = 1;
  modes.ToolModes.fill(0);
}

void FreeSoundSlots(int freeThem) {
  for (int i = 1; i <= kSoundSlots; ++i) {
    if (freeThem == 1 && doc.SoundPresent[i]) {
      doc.SoundStreams[i].clear();
      doc.SoundStreams[i].shrink_to_fit();
    }
    doc.SoundPresent[i] = 0;
  }
}

void UpdateParametersInUse() {
  doc.ParametersInUse = 0;
  for (int code : kParameterCodes)
    if (doc.ParameterUsed[code]) doc.ParametersInUse = 1;
}

void ResetAllSettings(int freeSounds) {
  // 1.
  ui.SkipNextResize = 0;
  doc.BackgroundDirty = 1;
  ui.GraphMouseMode = 0;
  ui.HideDrawActive = 0;
  doc.XAxisShown = 1;
  doc.YAxisShown = 1;
  doc.AxisWidth = 1;
  doc.IncrementalDisplay = 0;
  // 2.
  doc.GridSettings = TGridSettings{};
  doc.TangentLineColor = 0x0080FF;
  doc.TangentRateColor = 0x8000FF;
  doc.AxisNumberPosition = 0;
  doc.LineWidthSetting = 1;
  eng.ParseOK = 1;
  ui.DocumentUntouched = 1;
  // 3.
  doc.ViewRange = TViewRange{};
  // 4.
  ResetParameters();
  ClearFigureTable();
  for (Tlabelrec& label : doc.LabelTable) InitLabelrec(label);
  doc.LabelCount = 0;
  ResetDefinitions();
  // 5.
  SetLfont(doc.GraphFont, 12, "Times New Roman", 0);
  SetLfont(doc.PointLabelFont, 12, "Times New Roman", 1);
  doc.PointLabelFontCustom = 0;
  doc.GraphFontCustom = 0;
  SetLfont(doc.MemoFont, 11, sj("ＭＳ 明朝"), 1);
  // 6.
  doc.XAxisName = "x";
  doc.YAxisName = "y";
  doc.XAxisUnit = 1;
  doc.YAxisUnit = 1;
  doc.IntervalTextShown = 0;
  doc.PointPerpendicularsShown = 0;
  // 7.
  ResetModeFlags();
  modes.AnimationMode = 6;
  ui.DragTarget.fill(0);
  doc.IntervalMode = 0;
  doc.IntervalColor = 0x0045FF;
  doc.IntervalStyle = 1;
  ui.SubFormOpen = 0;
  doc.AxisLabelFlag = 0;
  doc.ParametersInUse = 0;
  ui.ValueTimerBusy = 0;
  doc.AxisTicksShown = 1;
  doc.AxisNumbersShown = 1;
  doc.CoordinateReadoutShown = 1;
  modes.SnapMode = 2;
  doc.RegionDensity[0] = 1;
  // 8.
  FreeSoundSlots(freeSounds);
}

void ResetMiscSettings() {
  // The change list, macro frames, after-image history and compiled macro become empty.
  DisposeProgramLists();
  settings.LocusSegmentsDrawn = 1;
  settings.NavigatorFlags2.fill(0);
  ui.DrawingEnabled = 1;
  settings.KeepAspectRatio = 0;
  settings.XTickDensity = 0;
  settings.YTickDensity = 0;
  settings.RiemannSumKind = 0;
  settings.Printing = 0;
  settings.MacroRunning = 0;
  settings.BackgroundShown = 0;
  settings.TangentAfterImage = 0;
  settings.SerialSaveFormat = 0;
  SetLfont(settings.PrintSettings.TitleFont, 12, sj("ＭＳ 明朝"), 0);
  settings.PrintSettings.option1 = 0;
  settings.PrintSettings.option2 = 1;
  settings.PrintSettings.Frame = 1;
  settings.PrintSettings.TitleLeft = 50;
  settings.PrintSettings.TitleTop = 150;
  settings.PrintSettings.PictureLeft = 0;
  settings.PrintSettings.PictureTop = 200;
  settings.PrintSettings.PictureWidth = 1000;
  settings.PrintSettings.ColorMode = 0;
  settings.PrintFormFirstShow = 1;
  eng.PlotMode = 0;
  settings.AfterImageColorMode = 0;
  settings.MemoOnTop = 1;
  settings.AfterImagePale = 0;
  doc.RegionDensity[1] = 0;
  settings.NavigatorRowOffset = 0;
  settings.OutputScale = 1.0f;
  settings.PrintScale = 1.0f;
  settings.IntervalDrawFlag = 1;
  settings.PolygonPrintMode = 1;
  settings.AxisWidthMode = 1;
  doc.ParametersInUse = 0;
  doc.Dimension = 2;
  doc.AxisLabelFlag = 0;
  ui.EntryModified = 1;
  settings.CurrentFileName.clear();
}
