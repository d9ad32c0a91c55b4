#include "formula/DocumentState.h"

#include "formula/Records.h"

DocumentState doc;
ModeFlags modes;
ProgramSettings settings;
EngineFlags eng;
UiFlags ui;

TVariableValues NewVariableValues() {
  TVariableValues v;
  for (char c : {'a', 'b', 'c', 'd', 'h', 'k', 'm', 'n', 'p', 'q', 's'}) WriteVariable(v, c, 1.0L);
  return v;
}

void ClearFlagTriple(TUsageFlags& flags) { flags = TUsageFlags{}; }

void ResetPointList(int pointNumber) {
  if (!doc.PointSequences.contains(pointNumber)) return;
  const DocumentState& d = Defaults<DocumentState>();
  doc.PointSequences[pointNumber] = d.PointSequences[pointNumber];
  doc.PreviousPointPositions[pointNumber] = d.PreviousPointPositions[pointNumber];
  doc.PointLetterEntry[pointNumber] = d.PointLetterEntry[pointNumber];
  doc.PointSequenceMark[pointNumber] = d.PointSequenceMark[pointNumber];
}

void ResetParameters() {
  const DocumentState& d = Defaults<DocumentState>();
  // The parameters and f, g, u, v; w, e, i, j and l keep their values.
  for (char c : {'a', 'b', 'c', 'd', 'h', 'k', 'm', 'n', 'p', 'q', 's', 't', 'r', 'o', 'f', 'g', 'u', 'v'})
    WriteVariable(doc.VariableValues, c, ReadVariable(d.VariableValues, c));
  doc.ThetaDisplayValue = d.ThetaDisplayValue;
  doc.OmegaDisplayValue = d.OmegaDisplayValue;
  doc.ParameterIncrements = d.ParameterIncrements;
  doc.LocusSegmentCounter = d.LocusSegmentCounter;
}

void ClearFigureTable() {
  const DocumentState& d = Defaults<DocumentState>();
  doc.FigureTable = d.FigureTable;
  for (int n = 1; n <= 27; ++n) ResetPointList(n);
  doc.KindCounts = d.KindCounts;
  doc.EntryCount = d.EntryCount;
  doc.DefinedFunctionCount = d.DefinedFunctionCount;
  doc.DefinedConstantCount = d.DefinedConstantCount;
}

// The 21st slot of the constants and slot 0 of the usage tables are left alone.
void ResetDefinitions() {
  const DocumentState& d = Defaults<DocumentState>();
  for (int i = 1; i <= kMaxDefinitions + 1; ++i) {
    doc.DefinedFunctionTexts[i] = d.DefinedFunctionTexts[i];
    doc.DefinedFunctionUsage[i] = d.DefinedFunctionUsage[i];
  }
  for (int i = 1; i <= kMaxDefinitions; ++i) {
    doc.DefinedConstantTexts[i] = d.DefinedConstantTexts[i];
    doc.DefinedConstantUsage[i] = d.DefinedConstantUsage[i];
    doc.DefinedConstantValues[i] = d.DefinedConstantValues[i];
    doc.DefinedConstantDrawable[i] = d.DefinedConstantDrawable[i];
  }
  doc.DefinedFunctionCount = d.DefinedFunctionCount;
  doc.DefinedConstantCount = d.DefinedConstantCount;
  doc.EditedDefinition = d.EditedDefinition;
}

void ResetModeFlags() {
  if (!ui.EntryModified) return;
  const ModeFlags& m = Defaults<ModeFlags>();
  modes.AfterImageOn = m.AfterImageOn;
  modes.LocusOn = m.LocusOn;
  modes.LabelsShown = m.LabelsShown;
  modes.RiemannStarted = m.RiemannStarted;
  modes.RangeFormFromNavigator = m.RangeFormFromNavigator;
  modes.RangeFormOption = m.RangeFormOption;
  modes.IntegralStarted = m.IntegralStarted;
  modes.MeanRateStarted = m.MeanRateStarted;
  modes.TangentTextShown = m.TangentTextShown;
  modes.RiemannTextShown = m.RiemannTextShown;
  modes.MeanRateTextShown = m.MeanRateTextShown;
  modes.IntegralTextShown = m.IntegralTextShown;
  modes.CalculusActive = m.CalculusActive;
  modes.IntervalMaxMinShown = m.IntervalMaxMinShown;
  modes.CloseNeedsConfirm = m.CloseNeedsConfirm;
  modes.ToolModes = m.ToolModes;
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
  const DocumentState& d = Defaults<DocumentState>();
  const UiFlags& u = Defaults<UiFlags>();
  // 1.
  ui.SkipNextResize = u.SkipNextResize;
  doc.BackgroundDirty = d.BackgroundDirty;
  ui.GraphMouseMode = u.GraphMouseMode;
  ui.HideDrawActive = u.HideDrawActive;
  doc.XAxisShown = d.XAxisShown;
  doc.YAxisShown = d.YAxisShown;
  doc.AxisWidth = d.AxisWidth;
  doc.IncrementalDisplay = d.IncrementalDisplay;
  // 2.
  doc.GridSettings = d.GridSettings;
  doc.TangentLineColor = d.TangentLineColor;
  doc.TangentRateColor = d.TangentRateColor;
  doc.AxisNumberPosition = d.AxisNumberPosition;
  doc.LineWidthSetting = d.LineWidthSetting;
  eng.ParseOK = Defaults<EngineFlags>().ParseOK;
  ui.DocumentUntouched = u.DocumentUntouched;
  // 3.
  doc.ViewRange = d.ViewRange;
  // 4.
  ResetParameters();
  ClearFigureTable();
  doc.LabelTable = d.LabelTable;
  doc.LabelCount = d.LabelCount;
  ResetDefinitions();
  // 5.
  doc.GraphFont = d.GraphFont;
  doc.PointLabelFont = d.PointLabelFont;
  doc.PointLabelFontCustom = d.PointLabelFontCustom;
  doc.GraphFontCustom = d.GraphFontCustom;
  doc.MemoFont = d.MemoFont;
  // 6.
  doc.XAxisName = d.XAxisName;
  doc.YAxisName = d.YAxisName;
  doc.XAxisUnit = d.XAxisUnit;
  doc.YAxisUnit = d.YAxisUnit;
  doc.IntervalTextShown = d.IntervalTextShown;
  doc.PointPerpendicularsShown = d.PointPerpendicularsShown;
  // 7.
  ResetModeFlags();
  modes.AnimationMode = Defaults<ModeFlags>().AnimationMode;
  ui.DragTarget = u.DragTarget;
  doc.IntervalMode = d.IntervalMode;
  doc.IntervalColor = d.IntervalColor;
  doc.IntervalStyle = d.IntervalStyle;
  ui.SubFormOpen = u.SubFormOpen;
  doc.AxisLabelFlag = d.AxisLabelFlag;
  doc.ParametersInUse = d.ParametersInUse;
  ui.ValueTimerBusy = u.ValueTimerBusy;
  doc.AxisTicksShown = d.AxisTicksShown;
  doc.AxisNumbersShown = d.AxisNumbersShown;
  doc.CoordinateReadoutShown = d.CoordinateReadoutShown;
  modes.SnapMode = Defaults<ModeFlags>().SnapMode;
  doc.RegionDensity[0] = d.RegionDensity[0];
  // 8.
  FreeSoundSlots(freeSounds);
}

void ResetMiscSettings() {
  const ProgramSettings& s = Defaults<ProgramSettings>();
  const DocumentState& d = Defaults<DocumentState>();
  // The change list, macro frames, after-image history and compiled macro become empty.
  DisposeProgramLists();
  settings.LocusSegmentsDrawn = s.LocusSegmentsDrawn;
  settings.NavigatorFlags2 = s.NavigatorFlags2;
  ui.DrawingEnabled = Defaults<UiFlags>().DrawingEnabled;
  settings.KeepAspectRatio = s.KeepAspectRatio;
  settings.XTickDensity = s.XTickDensity;
  settings.YTickDensity = s.YTickDensity;
  settings.RiemannSumKind = s.RiemannSumKind;
  settings.Printing = s.Printing;
  settings.MacroRunning = s.MacroRunning;
  settings.BackgroundShown = s.BackgroundShown;
  settings.TangentAfterImage = s.TangentAfterImage;
  settings.SerialSaveFormat = s.SerialSaveFormat;
  settings.PrintSettings = s.PrintSettings;
  settings.PrintFormFirstShow = s.PrintFormFirstShow;
  eng.PlotMode = Defaults<EngineFlags>().PlotMode;
  settings.AfterImageColorMode = s.AfterImageColorMode;
  settings.MemoOnTop = s.MemoOnTop;
  settings.AfterImagePale = s.AfterImagePale;
  doc.RegionDensity[1] = d.RegionDensity[1];
  settings.NavigatorRowOffset = s.NavigatorRowOffset;
  settings.OutputScale = s.OutputScale;
  settings.PrintScale = s.PrintScale;
  settings.IntervalDrawFlag = s.IntervalDrawFlag;
  settings.PolygonPrintMode = s.PolygonPrintMode;
  settings.AxisWidthMode = s.AxisWidthMode;
  doc.ParametersInUse = d.ParametersInUse;
  doc.Dimension = d.Dimension;
  doc.AxisLabelFlag = d.AxisLabelFlag;
  ui.EntryModified = Defaults<UiFlags>().EntryModified;
  settings.CurrentFileName = s.CurrentFileName;
}
