#pragma once
// The program-wide state: the document and the program's settings, in a few structs by
// owner with one instance each. Every subsystem reads and writes them directly.
//
//   doc       the document: entries, points, definitions, labels, view, parameters, fonts,
//             axis and grid settings (value semantics: it can be saved aside and restored
//             in one assignment)
//   modes     mode switches of the running program (animation, tools, after-images)
//   settings  start-up settings that are not part of a document, and the list heads
//   eng       the formula engine's flags
//   ui        bytes shared between the windows
//
// Each member's initialiser is its default, the one place that holds it: a new document
// and new settings are default-constructed, and the reset routines at the end copy the
// members they reset from Defaults<T>().
#include <array>
#include <cstdint>
#include <numbers>
#include <string>
#include <vector>

#include "formula/SpacePoint.h"
#include "formula/Tfuncprop.h"
#include "formula/Tlabelrec.h"
#include "formula/VariableValues.h"
#include "platform/Extended.h"
#include "platform/OneBased.h"
#include "platform/Sjis.h"

inline constexpr int kMaxEntries = 140;
inline constexpr int kMaxLabels = 40;
inline constexpr int kMaxDefinitions = 20;  // the 21st slot of the tables is never filled
inline constexpr int kSoundSlots = 10;

struct TViewRange {
  Extended XMin = -5, XMax = 5, YMin = -5, YMax = 5;
  bool operator==(const TViewRange&) const = default;
};

// A three-byte usage record: exists (or defined), used, moves (depends on a parameter).
struct TUsageFlags {
  uint8_t exists = 0, used = 0, moves = 0;
  bool operator==(const TUsageFlags&) const = default;
};

// Which definition is being entered, so that the parser refuses a reference to itself or
// to a later one.
enum : uint8_t {
  kEditedExplicit = 1,  // an explicit function entry (references y1, y2, ...)
  kEditedFunction = 2,  // a defined function Fn
  kEditedConstant = 3,  // a defined constant Qn
  kEditedNone = 11,
};
struct TEditedDefinition {
  uint8_t kind = kEditedNone;
  uint8_t number = 0;
  uint8_t number2 = 0;
  bool operator==(const TEditedDefinition&) const = default;
};

struct TGridSettings {
  uint8_t kind = 1;  // 0 none, 1 normal, 2 dense
  uint8_t dashed = 0;
  int32_t color = 0xC0C0C0;
  uint8_t thickness = 1;
  bool operator==(const TGridSettings&) const = default;
};

struct TPrintSettings {
  Tlfont TitleFont{sj("ＭＳ 明朝"), 12, 0, 0};
  uint8_t option1 = 0, option2 = 1;
  uint8_t Frame = 1;
  int32_t TitleLeft = 50, TitleTop = 150, PictureLeft = 0, PictureTop = 200, PictureWidth = 1000;
  uint8_t ColorMode = 0;  // the print's colour choice; the screen keeps OutputColorMode
  bool operator==(const TPrintSettings&) const = default;
};

// Samples of a surface z = f(x, y): (N+1) x (N+1) points, row-major.
struct TSurfaceGrid {
  int n = 0;
  std::vector<TSpacePoint> points;
  TSpacePoint& at(int row, int column) { return points[static_cast<size_t>(row) * (n + 1) + column]; }
  const TSpacePoint& at(int row, int column) const {
    return points[static_cast<size_t>(row) * (n + 1) + column];
  }
  bool operator==(const TSurfaceGrid&) const = default;
};

// Parameters a, b, c, d, h, k, m, n, p, q and s at 1, every other letter at 0.
TVariableValues NewVariableValues();

struct DocumentState {
  // Figure table, grouped by kind in ascending order.
  OneBased<Tfuncprop, 1, kMaxEntries> FigureTable;
  uint8_t EntryCount = 0;
  OneBased<uint8_t, 1, 10> KindCounts;
  uint8_t FunctionEntryCount = 0, CurveEntryCount = 0, PointSequenceCount = 0, PlainPointCount = 0;

  // Point tables by point number (1..25 points, 26 the current point, 27 none).
  // Element 0 is the point itself; an unused point holds one (0, 0, 0) point.
  OneBased<std::vector<TSpacePoint>, 1, 27> PointSequences =
      OneBased<std::vector<TSpacePoint>, 1, 27>::Filled(std::vector<TSpacePoint>(1));
  OneBased<TSpacePoint, 1, 27> PreviousPointPositions;
  OneBased<uint8_t, 1, 28> PointSequenceDirty;
  OneBased<TUsageFlags, 0, 28> PointLetterUsage;  // slot 0 spare (cleared with the rest)
  OneBased<uint8_t, 1, 28> PointLetterEntry;      // entry that defines each point
  OneBased<uint8_t, 1, 28> PointSequenceMark;     // the point is a point sequence
  std::vector<int> FigureKindList;                // scratch list of entry numbers

  // Defined functions F1.. and constants Q1.. (CP932 right-hand sides).
  OneBased<std::string, 1, kMaxDefinitions + 1> DefinedFunctionTexts;
  OneBased<TUsageFlags, 0, kMaxDefinitions + 1> DefinedFunctionUsage;
  uint8_t DefinedFunctionCount = 0;
  OneBased<std::string, 1, kMaxDefinitions + 1> DefinedConstantTexts;
  OneBased<TUsageFlags, 0, kMaxDefinitions + 1> DefinedConstantUsage;
  OneBased<Extended, 1, kMaxDefinitions + 1> DefinedConstantValues;
  OneBased<uint8_t, 1, kMaxDefinitions> DefinedConstantDrawable = OneBased<uint8_t, 1, kMaxDefinitions>::Filled(1);
  OneBased<uint8_t, 1, kMaxDefinitions> DefinedConstantDirty;
  uint8_t DefinedConstantCount = 0;
  TEditedDefinition EditedDefinition;

  // Labels.
  OneBased<Tlabelrec, 1, kMaxLabels> LabelTable;
  int32_t LabelCount = 0;

  // View and drawing area.
  TViewRange ViewRange;
  Extended PixelSizeX = 0.01L, PixelSizeY = 0.01L;  // positive until the first drawing sets them
  int32_t GraphWidth = 0, GraphHeight = 0;
  uint8_t CoordinateSystem = 0;  // 0 Cartesian, 1 polar, 2 vertical semi-log, 3 log-log, 4 horizontal semi-log
  uint8_t Dimension = 2;         // 2 plane, 3 space

  // Parameters.
  TVariableValues VariableValues = NewVariableValues();
  // a, b, c, d, t, θ, ω, p, q, k, s, h, m, n
  OneBased<Extended, 1, 14> ParameterIncrements = OneBased<Extended, 1, 14>::Filled(0.1L);
  Extended ThetaDisplayValue = 0, OmegaDisplayValue = 0;
  uint8_t ThetaInDegrees = 0, OmegaInDegrees = 0;  // display unit: 1 degrees, 0 multiples of π
  OneBased<uint8_t, 10001, 10023> ParameterUsed;  // by variable node code
  uint8_t ParametersInUse = 0;
  uint8_t LocusSegmentCounter = 0;

  // Axes, grid and colours.
  uint8_t XAxisShown = 1, YAxisShown = 1;
  uint8_t AxisWidth = 1;
  TGridSettings GridSettings;
  int32_t TangentLineColor = 0x0080FF, TangentRateColor = 0x8000FF;
  uint8_t AxisNumberPosition = 0;
  uint8_t LineWidthSetting = 1;
  std::string XAxisName = "x", YAxisName = "y";
  uint8_t XAxisUnit = 1, YAxisUnit = 1;  // 0 no numbers, 1 decimal, 2 π fractions, ...
  // Axis line colours; the graph window's new-document routine puts them back to black.
  int32_t XAxisColor = 0, YAxisColor = 0;
  uint8_t AxisTicksShown = 1, AxisNumbersShown = 1;
  uint8_t CoordinateReadoutShown = 1;
  uint8_t AxisLabelFlag = 0;
  uint8_t PointPerpendicularsShown = 0;
  OneBased<uint8_t, 0, 1> RegionDensity{{1, 0}};  // [0]: 0 coarse, 1 normal, 2 dense

  // Fonts.
  Tlfont GraphFont{"Times New Roman", 12, 0, 0};
  Tlfont PointLabelFont{"Times New Roman", 12, 0, 1};  // bold
  Tlfont MemoFont{sj("ＭＳ 明朝"), 11, 0, 1};
  uint8_t PointLabelFontCustom = 0, GraphFontCustom = 0;

  // Interval mode.
  uint8_t IntervalMode = 0;
  int32_t IntervalColor = 0x0045FF;
  uint8_t IntervalStyle = 1;  // 1 shaded band, 2 two bound lines
  uint8_t IntervalTextShown = 0;
  std::string IntervalLowerText = "0", IntervalUpperText = "0";  // the bounds as typed (CP932)

  // Drawing pipeline.
  uint8_t BackgroundDirty = 1;
  uint8_t IncrementalDisplay = 0;

  // Sound slots: WAV images.
  OneBased<std::vector<uint8_t>, 1, kSoundSlots> SoundStreams;
  OneBased<uint8_t, 1, kSoundSlots> SoundPresent;

  // The 3D view block, put back by the 3D view reset; the surface grids and the axis
  // length follow from the range there.
  TSurfaceGrid SurfaceGrid1, SurfaceGrid2;
  int32_t CameraDistance = 40;
  Extended CameraTheta = std::numbers::pi_v<Extended> / 8;
  Extended CameraPhi = 0.24375L * std::numbers::pi_v<Extended>;
  Extended AxisLength3D = 0;
  Extended SpaceRange = 3;
  Extended SpaceDragOffset = 0;
  uint8_t SurfaceGridN = 20;
  uint8_t SpaceColorsNotInverted = 1;
  uint8_t Axes3DShown = 1;
  uint8_t RangeBoxShown = 0;
  uint8_t SurfaceDrawMode = 1;
  int32_t ShadingLevel = 15;
  uint8_t SpaceSurfacePresent = 0;  // entry 1 of the space document is a surface

  // The navigator's memo and the macro editor's text, CP932 lines as the windows hold them.
  std::vector<std::string> MemoLines;
  std::vector<std::string> MacroLines;

  bool operator==(const DocumentState&) const = default;
};

struct ModeFlags {
  uint8_t AnimationMode = 6;  // 0 normal, 1/6 parameter and interval work, 2 Riemann, 3 mean rate, 4 integral, 5 tangent
  uint8_t PreviousAnimationMode = 0;
  uint8_t SnapMode = 2;  // 0 shifting the view, 1 dragging (snapping on), 2 idle, 3 moving a label
  uint8_t OutputColorMode = 0;  // 0 colour, 1 grey, 2 black and white
  // Cleared by ResetModeFlags.
  uint8_t AfterImageOn = 0, LocusOn = 0;
  uint8_t LabelsShown = 1;
  uint8_t RiemannStarted = 0, IntegralStarted = 0, MeanRateStarted = 0;
  uint8_t RangeFormFromNavigator = 0, RangeFormOption = 0;
  uint8_t TangentTextShown = 0, RiemannTextShown = 0, MeanRateTextShown = 1, IntegralTextShown = 0;
  uint8_t CalculusActive = 0;
  uint8_t IntervalMaxMinShown = 1;
  uint8_t CloseNeedsConfirm = 1;
  std::array<uint8_t, 3> ToolModes{};
};

namespace gfx {
class Canvas;
}
struct TValueNode;
struct TVisibilityChange;
struct TAfterImageEntry;
struct Tpromacro;
struct TMacroHandler;
struct Tcommand;

// The compiled macro: procedures and change handlers in text order, at most one onload
// statement; all empty at start and after a failed compilation.
struct TMacroProgram {
  Tpromacro* procedures = nullptr;
  TMacroHandler* handlers = nullptr;
  Tcommand* onload = nullptr;
  bool operator==(const TMacroProgram&) const = default;
};

struct ProgramSettings {
  uint8_t LocusSegmentsDrawn = 1;
  TMacroProgram MacroProgram;
  std::array<uint8_t, 2> NavigatorFlags2{};
  uint8_t KeepAspectRatio = 0;
  int8_t XTickDensity = 0, YTickDensity = 0;
  uint8_t RiemannSumKind = 0;
  uint8_t Printing = 0;
  uint8_t MacroRunning = 0;
  uint8_t BackgroundShown = 0;
  uint8_t TangentAfterImage = 0;
  uint8_t SerialSaveFormat = 0;  // 0 BMP, 1 JPEG, 2 PNG
  TPrintSettings PrintSettings;
  uint8_t PrintFormFirstShow = 1;
  uint8_t AfterImageColorMode = 0;
  uint8_t MemoOnTop = 1;
  // The graph window's size: 0 the size of its creation, 1 another normal size, 2 maximised.
  uint8_t GraphWindowMode = 1;
  uint8_t UnitSizeMode = 1;  // a maximised window keeps the unit lengths of both axes equal
  uint8_t StepWidthItem = 2;  // the parameter panel's step width: 10, 1, 0.1, 0.01, 0.001
  uint8_t AfterImagePale = 0;
  int32_t NavigatorRowOffset = 0;
  float OutputScale = 1.0f;  // printed height / screen height while printing
  float PrintScale = 1.0f;
  uint8_t IntervalDrawFlag = 1;
  TValueNode* ValueChangeList = nullptr;
  TValueNode* MacroFrameList = nullptr;
  TVisibilityChange* VisibilityChangeList = nullptr;
  uint8_t PolygonPrintMode = 1;
  uint8_t AxisWidthMode = 1;
  // Space surfaces: the underside of a facet takes the entry's back colour.
  uint8_t DistinguishFrontBack = 1;
  TAfterImageEntry* AfterImageHistory = nullptr;
  // Drawing goes to the print (or clipboard) picture while set; the picture's canvas is
  // owned by whoever records it.
  uint8_t DrawToMetafile = 0;
  gfx::Canvas* MetafileCanvas = nullptr;
  std::string CurrentFileName;  // a file path (UTF-8), not CP932
};

struct EngineFlags {
  uint8_t ParseOK = 1;
  int32_t ParseErrorPos = 0;  // 1-based byte position in the normalised text
  uint8_t EvalOK = 1;
  uint8_t EvalDrawable = 1;
  uint8_t LineContinues = 1;
  uint8_t ValidityChanged = 0;
  uint8_t PlotMode = 0;
  uint8_t UseFigureFormulas = 1;
  uint8_t ParserCollectMode = 1;
  uint8_t CollectKind = 0;  // 1 function, 2 constant, 3 construction operand, 4 own formula, 5 interval bound
  uint8_t CollectIndex = 0;
  uint8_t CollectPlainPointCount = 0;  // PlainPointCount during a usage scan
  float XTickStep = 1.0f, YTickStep = 1.0f;  // decimal tick steps of the last axis drawing
};

struct UiFlags {
  uint8_t SkipNextResize = 0;
  uint8_t GraphMouseMode = 0;
  uint8_t HideDrawActive = 0;
  std::array<uint8_t, 2> DragTarget{};  // DragTarget and the byte after it
  uint8_t SubFormOpen = 0;
  uint8_t ValueTimerBusy = 0;
  uint8_t DrawingEnabled = 1;
  uint8_t DocumentUntouched = 1;
  uint8_t EntryModified = 1;
  uint8_t InputCancelled = 0;
  uint8_t MemoShown = 0;  // the navigator shows its memo
  // Construction code chosen in the navigator's point menu for the next point; 255 none,
  // 100 a point sequence read from a CSV file.
  uint8_t PendingPointConstruction = 255;
  // 1 when that menu chose a construction other than the point sequence.
  uint8_t PointConstructionChosen = 0;
};

extern DocumentState doc;
extern ModeFlags modes;
extern ProgramSettings settings;
extern EngineFlags eng;
extern UiFlags ui;

// A new one of the structs above, built once: what the reset routines copy from.
template <class T>
const T& Defaults() {
  static const T fresh{};
  return fresh;
}

// Reset routines.
void ResetMiscSettings();                  // start-up defaults outside the document
void ResetAllSettings(int freeSounds);     // document defaults
void ResetParameters();
void ClearFigureTable();
void ResetDefinitions();
void ResetModeFlags();                     // only while ui.EntryModified is set
void FreeSoundSlots(int freeThem);
void ClearFlagTriple(TUsageFlags& flags);
template <int Lo, int Hi>
void ClearFlagTriples(OneBased<TUsageFlags, Lo, Hi>& table, int n) {
  for (int i = Lo; i <= n && i <= Hi; ++i) ClearFlagTriple(table[i]);
}
void UpdateParametersInUse();
// A point's list back to one valid (0, 0, 0) point, the same as its previous position.
void ResetPointList(int pointNumber);
