// Every member of the program-wide structs against the start-up and new-document chain
// (ResetMiscSettings, then ResetAllSettings(0)): a reset member takes the value a new
// struct holds, whatever it held before; every other member keeps its value.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <type_traits>
#include <utility>
#include <vector>

#include "formula/DocumentState.h"
#include "formula/Records.h"
#include "support/StateFixture.h"

namespace {

struct State {
  DocumentState doc;
  ModeFlags modes;
  ProgramSettings settings;
  EngineFlags eng;
  UiFlags ui;
};

State Live() { return {doc, modes, settings, eng, ui}; }

void MakeLive(const State& s) {
  doc = s.doc;
  modes = s.modes;
  settings = s.settings;
  eng = s.eng;
  ui = s.ui;
}

// A different value of the same type.
template <class T>
  requires std::is_arithmetic_v<T>
void Spoil(T& v) {
  v = static_cast<T>(v + 7);
}
void Spoil(std::string& s) { s += "junk"; }
void Spoil(Tlfont& f) {
  Spoil(f.name);
  Spoil(f.size);
  Spoil(f.color);
  Spoil(f.style);
}
void Spoil(TUsageFlags& f) {
  Spoil(f.exists);
  Spoil(f.used);
  Spoil(f.moves);
}
void Spoil(TSpacePoint& p) {
  Spoil(p.x);
  Spoil(p.valid);
  Spoil(p.fx.num);
}
void Spoil(Tfuncprop& e) {
  Spoil(e.kind);
  Spoil(e.texts[0]);
  Spoil(e.color);
}
void Spoil(Tlabelrec& label) {
  Spoil(label.xText);
  Spoil(label.shiftLeft);
  label.lines.push_back("junk");
}
void Spoil(TViewRange& v) {
  Spoil(v.XMin);
  Spoil(v.YMax);
}
void Spoil(TEditedDefinition& d) {
  Spoil(d.kind);
  Spoil(d.number);
  Spoil(d.number2);
}
void Spoil(TGridSettings& g) {
  Spoil(g.kind);
  Spoil(g.dashed);
  Spoil(g.color);
  Spoil(g.thickness);
}
void Spoil(TSurfaceGrid& g) {
  Spoil(g.n);
  g.points.emplace_back();
}
void Spoil(TPrintSettings& p) {
  Spoil(p.TitleFont);
  Spoil(p.option1);
  Spoil(p.option2);
  Spoil(p.Frame);
  Spoil(p.TitleLeft);
  Spoil(p.TitleTop);
  Spoil(p.PictureLeft);
  Spoil(p.PictureTop);
  Spoil(p.PictureWidth);
}
template <class T>
void Spoil(std::vector<T>& list) {
  list.emplace_back();
}
template <class T, size_t N>
void Spoil(std::array<T, N>& cells) {
  for (T& c : cells) Spoil(c);
}
template <class T, int Lo, int Hi>
void Spoil(OneBased<T, Lo, Hi>& table) {
  Spoil(table.cells);
}
// The chain frees the lists it empties, so they hold real nodes.
void Spoil(TValueNode*& list) { list = NewValueNode(1, 2); }
void Spoil(TVisibilityChange*& list) { list = NewVisibilityChange(1, 1); }
void Spoil(TAfterImageEntry*& list) { list = new TAfterImageEntry; }
void Spoil(TMacroProgram& program) {
  program.procedures = NewProcedure("p", 1, 1, 1);
  program.handlers = new TMacroHandler;
  program.onload = NewCommand(1, 0);
}
void Spoil(gfx::Canvas*& canvas) {
  static char somewhere;
  canvas = reinterpret_cast<gfx::Canvas*>(&somewhere);  // kept, never drawn on
}

enum Role { kReset, kKept };

struct Member {
  std::string name;
  Role role;
  std::function<void(State&)> spoil;
  std::function<bool(State&, State&)> same;
};

template <class Get>
Member Field(std::string name, Role role, Get get) {
  return {std::move(name), role, [get](State& s) { Spoil(get(s)); },
          [get](State& a, State& b) { return get(a) == get(b); }};
}

// One row per cell of a table; the cells lo..hi are reset, the others kept.
template <class Get>
void Cells(std::vector<Member>& rows, const std::string& name, int lo, int hi, Get table) {
  using Table = std::remove_reference_t<decltype(table(std::declval<State&>()))>;
  for (int i = Table::low; i <= Table::high; ++i)
    rows.push_back(Field(name + "[" + std::to_string(i) + "]", i >= lo && i <= hi ? kReset : kKept,
                         [table, i](State& s) -> auto& { return table(s)[i]; }));
}

#define DOC(member, role) Field(#member, role, [](State& s) -> auto& { return s.doc.member; })
#define MODES(member, role) Field(#member, role, [](State& s) -> auto& { return s.modes.member; })
#define SETTINGS(member, role) Field(#member, role, [](State& s) -> auto& { return s.settings.member; })
#define ENG(member, role) Field(#member, role, [](State& s) -> auto& { return s.eng.member; })
#define UI(member, role) Field(#member, role, [](State& s) -> auto& { return s.ui.member; })
#define DOC_CELLS(member, lo, hi) Cells(rows, #member, lo, hi, [](State& s) -> auto& { return s.doc.member; })

std::vector<Member> EveryMember() {
  std::vector<Member> rows = {
      DOC(FigureTable, kReset),
      DOC(EntryCount, kReset),
      DOC(KindCounts, kReset),
      DOC(FunctionEntryCount, kKept),
      DOC(CurveEntryCount, kKept),
      DOC(PointSequenceCount, kKept),
      DOC(PlainPointCount, kKept),
      DOC(PointSequences, kReset),
      DOC(PreviousPointPositions, kReset),
      DOC(PointSequenceDirty, kKept),
      DOC(PointLetterUsage, kKept),
      DOC(FigureKindList, kKept),
      DOC(DefinedFunctionTexts, kReset),
      DOC(DefinedFunctionCount, kReset),
      DOC(DefinedConstantDrawable, kReset),
      DOC(DefinedConstantDirty, kKept),
      DOC(DefinedConstantCount, kReset),
      DOC(EditedDefinition, kReset),
      DOC(LabelTable, kReset),
      DOC(LabelCount, kReset),
      DOC(ViewRange, kReset),
      DOC(PixelSizeX, kKept),
      DOC(PixelSizeY, kKept),
      DOC(GraphWidth, kKept),
      DOC(GraphHeight, kKept),
      DOC(CoordinateSystem, kKept),
      DOC(Dimension, kReset),
      DOC(VariableValues.X, kKept),
      DOC(VariableValues.Y, kKept),
      DOC(VariableValues.Z, kKept),
      DOC(VariableValues.T, kReset),
      DOC(ParameterIncrements, kReset),
      DOC(ThetaDisplayValue, kReset),
      DOC(OmegaDisplayValue, kReset),
      DOC(ThetaInDegrees, kKept),
      DOC(OmegaInDegrees, kKept),
      DOC(ParameterUsed, kKept),
      DOC(ParametersInUse, kReset),
      DOC(LocusSegmentCounter, kReset),
      DOC(XAxisShown, kReset),
      DOC(YAxisShown, kReset),
      DOC(AxisWidth, kReset),
      DOC(GridSettings, kReset),
      DOC(TangentLineColor, kReset),
      DOC(TangentRateColor, kReset),
      DOC(AxisNumberPosition, kReset),
      DOC(LineWidthSetting, kReset),
      DOC(XAxisName, kReset),
      DOC(YAxisName, kReset),
      DOC(XAxisUnit, kReset),
      DOC(YAxisUnit, kReset),
      DOC(XAxisColor, kKept),
      DOC(YAxisColor, kKept),
      DOC(AxisTicksShown, kReset),
      DOC(AxisNumbersShown, kReset),
      DOC(CoordinateReadoutShown, kReset),
      DOC(AxisLabelFlag, kReset),
      DOC(PointPerpendicularsShown, kReset),
      DOC(RegionDensity, kReset),
      DOC(GraphFont, kReset),
      DOC(PointLabelFont, kReset),
      DOC(MemoFont, kReset),
      DOC(PointLabelFontCustom, kReset),
      DOC(GraphFontCustom, kReset),
      DOC(IntervalMode, kReset),
      DOC(IntervalColor, kReset),
      DOC(IntervalStyle, kReset),
      DOC(IntervalTextShown, kReset),
      DOC(IntervalLowerText, kKept),
      DOC(IntervalUpperText, kKept),
      DOC(BackgroundDirty, kReset),
      DOC(IncrementalDisplay, kReset),
      DOC(SoundStreams, kKept),  // freed only by ResetAllSettings(1)
      DOC(SoundPresent, kReset),
      // The 3D view has a reset of its own.
      DOC(SurfaceGrid1, kKept),
      DOC(SurfaceGrid2, kKept),
      DOC(CameraDistance, kKept),
      DOC(CameraTheta, kKept),
      DOC(CameraPhi, kKept),
      DOC(AxisLength3D, kKept),
      DOC(SpaceRange, kKept),
      DOC(SpaceDragOffset, kKept),
      DOC(SurfaceGridN, kKept),
      DOC(SpaceColorsNotInverted, kKept),
      DOC(Axes3DShown, kKept),
      DOC(RangeBoxShown, kKept),
      DOC(SurfaceDrawMode, kKept),
      DOC(ShadingLevel, kKept),
      DOC(SpaceSurfacePresent, kKept),
      DOC(MemoLines, kKept),
      DOC(MacroLines, kKept),

      MODES(AnimationMode, kReset),
      MODES(PreviousAnimationMode, kKept),
      MODES(SnapMode, kReset),
      MODES(OutputColorMode, kKept),
      MODES(AfterImageOn, kReset),
      MODES(LocusOn, kReset),
      MODES(LabelsShown, kReset),
      MODES(RiemannStarted, kReset),
      MODES(IntegralStarted, kReset),
      MODES(MeanRateStarted, kReset),
      MODES(RangeFormFromNavigator, kReset),
      MODES(RangeFormOption, kReset),
      MODES(TangentTextShown, kReset),
      MODES(RiemannTextShown, kReset),
      MODES(MeanRateTextShown, kReset),
      MODES(IntegralTextShown, kReset),
      MODES(CalculusActive, kReset),
      MODES(IntervalMaxMinShown, kReset),
      MODES(CloseNeedsConfirm, kReset),
      MODES(ToolModes, kReset),

      SETTINGS(LocusSegmentsDrawn, kReset),
      SETTINGS(MacroProgram, kReset),
      SETTINGS(NavigatorFlags2, kReset),
      SETTINGS(KeepAspectRatio, kReset),
      SETTINGS(XTickDensity, kReset),
      SETTINGS(YTickDensity, kReset),
      SETTINGS(RiemannSumKind, kReset),
      SETTINGS(Printing, kReset),
      SETTINGS(MacroRunning, kReset),
      SETTINGS(BackgroundShown, kReset),
      SETTINGS(TangentAfterImage, kReset),
      SETTINGS(SerialSaveFormat, kReset),
      SETTINGS(PrintSettings, kReset),
      SETTINGS(PrintFormFirstShow, kReset),
      SETTINGS(AfterImageColorMode, kReset),
      SETTINGS(MemoOnTop, kReset),
      SETTINGS(GraphWindowMode, kKept),
      SETTINGS(UnitSizeMode, kKept),
      SETTINGS(StepWidthItem, kKept),
      SETTINGS(AfterImagePale, kReset),
      SETTINGS(NavigatorRowOffset, kReset),
      SETTINGS(OutputScale, kReset),
      SETTINGS(PrintScale, kReset),
      SETTINGS(IntervalDrawFlag, kReset),
      SETTINGS(ValueChangeList, kReset),
      SETTINGS(MacroFrameList, kReset),
      SETTINGS(VisibilityChangeList, kReset),
      SETTINGS(PolygonPrintMode, kReset),
      SETTINGS(AxisWidthMode, kReset),
      SETTINGS(DistinguishFrontBack, kKept),
      SETTINGS(AfterImageHistory, kReset),
      SETTINGS(DrawToMetafile, kKept),
      SETTINGS(MetafileCanvas, kKept),
      SETTINGS(CurrentFileName, kReset),

      ENG(ParseOK, kReset),
      ENG(ParseErrorPos, kKept),
      ENG(EvalOK, kKept),
      ENG(EvalDrawable, kKept),
      ENG(LineContinues, kKept),
      ENG(ValidityChanged, kKept),
      ENG(PlotMode, kReset),
      ENG(UseFigureFormulas, kKept),
      ENG(ParserCollectMode, kKept),
      ENG(CollectKind, kKept),
      ENG(CollectIndex, kKept),
      ENG(CollectPlainPointCount, kKept),
      ENG(XTickStep, kKept),
      ENG(YTickStep, kKept),

      UI(SkipNextResize, kReset),
      UI(GraphMouseMode, kReset),
      UI(HideDrawActive, kReset),
      UI(DragTarget, kReset),
      UI(SubFormOpen, kReset),
      UI(ValueTimerBusy, kReset),
      UI(DrawingEnabled, kReset),
      UI(DocumentUntouched, kReset),
      UI(EntryModified, kReset),
      UI(InputCancelled, kKept),
      UI(MemoShown, kKept),
      UI(PendingPointConstruction, kKept),
      UI(PointConstructionChosen, kKept),
  };
  // Tables reset in part: point 28, slot 0 of the usage marks and the 21st constant stay.
  DOC_CELLS(PointLetterEntry, 1, 27);
  DOC_CELLS(PointSequenceMark, 1, 27);
  DOC_CELLS(DefinedFunctionUsage, 1, 21);
  DOC_CELLS(DefinedConstantTexts, 1, 20);
  DOC_CELLS(DefinedConstantUsage, 1, 20);
  DOC_CELLS(DefinedConstantValues, 1, 20);
  // The letters: w, i, j and l keep their values (e has no cell).
  for (char c : std::string("abcdfghijklmnopqrsuvw")) {
    const int cell = SlotOfLetter(c).cell;
    rows.push_back(Field(std::string("variable ") + c, std::strchr("wijl", c) ? kKept : kReset,
                         [cell](State& s) -> auto& { return s.doc.VariableValues.cells[cell]; }));
  }
  return rows;
}

using ResetChainTest = StateTest;

TEST_F(ResetChainTest, AResetDocumentEqualsANewOne) {
  std::vector<Member> rows = EveryMember();
  State fresh;
  State reset = Live();  // a new state through the chain, as the fixture left it
  for (Member& m : rows) EXPECT_TRUE(m.same(reset, fresh)) << m.name << ": the reset and the new one differ";

  State used = reset;
  for (Member& m : rows) m.spoil(used);
  for (Member& m : rows) EXPECT_FALSE(m.same(used, fresh)) << m.name << " was not spoilt";
  MakeLive(used);
  ResetMiscSettings();
  ResetAllSettings(0);

  State after = Live();
  for (Member& m : rows) {
    if (m.role == kReset)
      EXPECT_TRUE(m.same(after, reset)) << m.name << " was not reset";
    else
      EXPECT_TRUE(m.same(after, used)) << m.name << " did not keep its value";
  }
  settings.MetafileCanvas = nullptr;
}

}  // namespace
