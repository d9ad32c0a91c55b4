#include "io/EquationReader.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "formula/AnimationState.h"
#include "formula/DocumentState.h"
#include "formula/Records.h"
#include "formula/TableServices.h"
#include "io/EquationFileHost.h"
#include "io/EquationReaderParts.h"
#include "io/EquationWriter.h"
#include "platform/Runtime.h"
#include "platform/Sjis.h"
#include "render/SpaceView.h"

using namespace eqfile;

namespace {

constexpr int64_t kInt32Max = std::numeric_limits<int32_t>::max();
constexpr int kMemoLinesStored = 11;
constexpr int kMinGraphSide = 100, kMaxGraphSide = 8192;

void SetCell(char letter, Extended value) { WriteVariable(doc.VariableValues, letter, value); }

void ReadBackground(LineReader& in, const EquationReadContext& c) {
  if (in.TakeKey(kBkimg)) {
    // A companion picture that is missing or unreadable leaves the document without one.
    if (FileHost().LoadBackgroundPicture(CompanionPictureName(c.fileName))) {
      settings.BackgroundShown = 1;
      return;
    }
  }
  if (settings.BackgroundShown) FileHost().ClearBackgroundPicture();
  settings.BackgroundShown = 0;
}

// h and its increment, stored by this writer where older readers skip two lines.
void ReadFormSize(LineReader& in, const EquationReadContext& c) {
  const std::string h = in.TakeText(), increment = in.TakeText();
  Extended hValue, incrementValue;
  if (c.version >= kVersion && rtl::TryStrToFloat(h, hValue) &&
      rtl::TryStrToFloat(increment, incrementValue) && std::isfinite(hValue) &&
      std::isfinite(incrementValue) && std::fabs(hValue) <= std::numeric_limits<float>::max()) {
    SetCell('h', hValue);
    doc.ParameterIncrements[12] = incrementValue;
  }
}

void ReadMemo(LineReader& in, const EquationReadContext& c) {
  ui.MemoShown = 0;
  doc.MemoLines.clear();
  const bool onTop = in.IsKey(kMemoOnTop);
  if (!onTop && !in.IsKey(kMemo)) return;
  in.Skip();
  if (onTop) settings.MemoOnTop = 1;
  if (c.version > 545) {
    ReadFontFields(in, doc.MemoFont);
    FileHost().ApplyMemoFont();
  }
  bool previousEmpty = false;  // the line before the first is the key or the style
  for (int i = 0; i < kMemoLinesStored; ++i) {
    std::string line = in.TakeText();
    const bool empty = line.empty();
    if (!(empty && previousEmpty)) doc.MemoLines.push_back(std::move(line));
    if (!empty) ui.MemoShown = 1;
    previousEmpty = empty;
  }
}

void ReadMacro(LineReader& in) {
  if (!in.TakeKey(kMacro)) return;
  const int64_t lines = in.TakeInt(-1, kInt32Max) + 1;
  in.Require(static_cast<size_t>(lines));
  doc.MacroLines.clear();
  for (int64_t i = 0; i < lines; ++i) doc.MacroLines.push_back(in.TakeText());
}

void ReadTraceSwitches(LineReader& in) {
  if (in.TakeKey(kZan)) modes.AfterImageOn = in.TakeSwitch(kTrueFalse);
  if (in.TakeKey(kZanC)) settings.AfterImageColorMode = static_cast<uint8_t>(in.TakeInt(0, 1));
  if (in.TakeKey(kLocus)) modes.LocusOn = in.TakeSwitch(kTrueFalse);
}

// A full-width "ｘ" or "ｙ" of older files is the plain letter.
std::string ReadAxisName(LineReader& in, std::string_view fullWidth, const char* plain) {
  std::string name = in.TakeText();
  return name == fullWidth ? std::string(plain) : name;
}

void ReadPlaneView(LineReader& in, const EquationReadContext& c) {
  const int v = c.version;
  ReadTraceSwitches(in);
  if (in.TakeKey(kCkind)) doc.CoordinateSystem = static_cast<uint8_t>(in.TakeInt(0, 4));
  if (in.TakeKey(kCowidth)) {
    doc.AxisWidth = in.TakeByte();
    if (v > 525) settings.AxisWidthMode = in.TakeByte();
  }
  if (in.TakeKey(kLattice)) {
    if (v > 525) {
      doc.GridSettings.color = in.TakeInt32();
      doc.GridSettings.thickness = in.TakeByte();
    }
    const std::string kind = in.TakeText();
    doc.GridSettings.kind = kind == "true" ? 1 : kind == kDense ? 2 : 0;
  }
  doc.GridSettings.dashed = in.TakeKey(kLdash) ? 1 : 0;
  if (v > 532) doc.AxisNumberPosition = in.TakeByte();
  if (in.TakeKey(kScale)) {
    doc.AxisTicksShown = in.TakeSwitch(kTrueFalse);
    if (doc.AxisTicksShown && v > 530) doc.AxisNumbersShown = in.TakeSwitch(kTrueFalse);
  }
  if (in.TakeKey(kXcoodi)) doc.XAxisShown = in.TakeSwitch(kTrueFalse);
  if (in.TakeKey(kYcoodi)) doc.YAxisShown = in.TakeSwitch(kTrueFalse);
  doc.CoordinateReadoutShown = doc.XAxisShown && doc.YAxisShown;
  if (v > 525) {
    static const std::string& fullX = sj("ｘ");
    static const std::string& fullY = sj("ｙ");
    doc.XAxisName = ReadAxisName(in, fullX, "x");
    doc.YAxisName = ReadAxisName(in, fullY, "y");
  }
  if (in.TakeKey(kXmemori)) doc.XAxisUnit = in.TakeByte();
  if (in.TakeKey(kYmemori)) doc.YAxisUnit = in.TakeByte();
  if (v < 501) {
    settings.XTickDensity = settings.YTickDensity = 0;
  } else if (v <= 520) {
    const auto density = static_cast<int8_t>(in.TakeInt(-127, 128) - 1);
    settings.XTickDensity = settings.YTickDensity = density;
  } else {
    settings.XTickDensity = static_cast<int8_t>(in.TakeInt(-128, 127));
    settings.YTickDensity = static_cast<int8_t>(in.TakeInt(-128, 127));
  }
  if (v > 527) {
    doc.LineWidthSetting = static_cast<uint8_t>(in.TakeInt(1, 3));
    FileHost().ShowLineWidthButton();
    FileHost().ApplyMemoFont();
  }
}

void ReadGraphFont(LineReader& in, const EquationReadContext& c, uint8_t& custom, Tlfont& font) {
  if (c.version > 556) custom = static_cast<uint8_t>(in.TakeInt(0, 1));
  ReadFontFields(in, font);
  if (custom == 0) font.name = "Times New Roman";
}

// An empty or reversed axis would give the drawing a pixel size of zero or below.
void RepairViewRange() {
  TViewRange& r = doc.ViewRange;
  if (!(r.XMin < r.XMax)) r.XMin = -5, r.XMax = 5;
  if (!(r.YMin < r.YMax)) r.YMin = -5, r.YMax = 5;
}

void ReadPlaneRange(LineReader& in) {
  in.TakeKey(kDraghispeed);
  doc.ViewRange.XMin = in.TakeFloat();
  doc.ViewRange.XMax = in.TakeFloat();
  doc.ViewRange.YMin = in.TakeFloat();
  doc.ViewRange.YMax = in.TakeFloat();
  RepairViewRange();
}

// The letter's point array, n + 1 points of x, y, z after the highest index n.
void ReadPointSequence(LineReader& in, int letter) {
  const int64_t last = in.TakeInt(0, kInt32Max - 1);
  in.Require((static_cast<size_t>(last) + 1) * 3);
  std::vector<TSpacePoint> points(static_cast<size_t>(last) + 1);
  for (TSpacePoint& p : points) {
    p.x = in.TakeFloat();
    p.y = in.TakeFloat();
    p.z = in.TakeFloat();
    p.valid = 1;
  }
  doc.PointSequences[letter] = std::move(points);
  doc.PointSequenceDirty[letter] = 0;
}

bool IsEntryKind(int64_t kind) {
  return kind == kKindExplicit || kind == kKindDerivative || kind == kKindRelation ||
         kind == kKindParametric || kind == kKindPolar || kind == kKindFigure || kind == kKindPoint;
}

// Entries come grouped by kind in ascending order, as the table keeps them.
uint8_t ReadEntryKind(LineReader& in, int previousKind) {
  const int64_t kind = in.TakeInt(1, 8);
  if (!IsEntryKind(kind) || kind < previousKind) in.FailLast("図形の種類が正しくありません");
  return static_cast<uint8_t>(kind);
}

// A point number of the point tables (27: none).
uint8_t TakeLetter(LineReader& in) { return static_cast<uint8_t>(in.TakeInt(1, kNoPoint)); }

uint8_t TakeLabelPosition(LineReader& in, int lowest) {
  const int32_t position = in.TakeInt32();
  return position >= lowest && position <= 9 ? static_cast<uint8_t>(position) : 3;
}

void CommitEntry(int index, Tfuncprop&& entry) {
  ++doc.KindCounts[entry.kind];
  doc.FigureTable[index] = std::move(entry);
  doc.EntryCount = static_cast<uint8_t>(index);
}

void ReadSpaceEntry(LineReader& in, const EquationReadContext& c, Tfuncprop& e) {
  const int v = c.version;
  if (e.kind == kKindExplicit) doc.SpaceSurfacePresent = 1;
  for (std::string& text : e.texts) text = in.TakeText();
  e.afterImage = in.TakeSwitch(kSpaceEntryFlag);
  e.shown = in.TakeSwitch(kSpaceEntryFlag);
  if (v > 564) e.color = in.TakeInt32();
  e.penWidth = in.TakeByte();
  if (v > 565) e.brushColor = in.TakeInt32();
  switch (e.kind) {
    case kKindParametric:
      if (v > 547) e.stepText = in.TakeText();
      // Always "dash" or "No" from these versions on.
      if (v > 569) e.dashed = in.TakeText() == kDash;
      break;
    case kKindFigure:
      if (v > 567) e.option32 = in.TakeSwitch(kSpaceEntryFlag);
      if (in.TakeKey(kNbd)) e.noBoundary = 1;
      if (in.TakeKey(kDash)) e.dashed = 1;
      e.subkind = in.TakeByte();
      if (e.subkind == 6 && v > 568) e.continued = in.TakeText() == kCont;
      if (e.subkind == 3 && v > 559) e.option64 = in.TakeByte();
      e.letter = TakeLetter(in);
      e.letter2 = TakeLetter(in);
      break;
    case kKindPoint:
      e.dragAxes = 5;
      e.subkind = in.TakeByte();
      e.letter = TakeLetter(in);
      e.labelPos = TakeLabelPosition(in, 0);
      if (v > 526) e.option64 = in.TakeByte();
      if (e.subkind == 100) ReadPointSequence(in, e.letter);
      break;
    default:
      break;
  }
}

void ReadPlaneEntry(LineReader& in, const EquationReadContext& c, int count, Tfuncprop& e) {
  const int v = c.version;
  for (std::string& text : e.texts) {
    text = in.TakeText();
    UpgradeFormulaText(text, v, true);
  }
  if (in.TakeKey(kORI)) e.link = static_cast<uint8_t>(in.TakeInt(1, count));
  e.option32 = in.TakeSwitch(kPlaneEntryFlag);
  e.afterImage = in.TakeSwitch(kPlaneEntryFlag);
  e.shown = in.TakeKey("false") ? 0 : 1;
  if (in.TakeKey(kDash)) e.dashed = 1;
  e.color = in.TakeInt32();
  e.penWidth = in.TakeByte();
  // Written for every kind with the option, not only for regions.
  if (in.TakeKey(kNbd)) e.noBoundary = 1;
  switch (e.kind) {
    case kKindExplicit:
      if (v >= 556) e.option64 = in.TakeByte();
      break;
    case kKindRelation:
      e.brushStyle = in.TakeByte();
      e.brushColor = in.TakeInt32();
      e.option63 = static_cast<uint8_t>(EquationKindOfFormula(e.texts[0]));
      break;
    case kKindParametric:
    case kKindPolar:
      if (v > 571) e.stepText = in.TakeText();
      if (v >= 530) e.arrowAtEnd = in.TakeSwitch(kZeroOne);
      break;
    case kKindFigure: {
      e.subkind = in.TakeByte();
      if (e.subkind == 6 && v > 568) e.continued = in.TakeText() == kCont;
      const bool oldTypeOne =
          c.generation == FileGeneration::RIRav || c.generation == FileGeneration::RIRav2;
      if (oldTypeOne && e.subkind == 1) {
        e.texts[2] = e.texts[1];
        e.texts[1] = "1";
      }
      if (e.subkind == 4 && v > 525) e.arrowStyle = in.TakeByte();
      if (e.subkind == 3 && v > 559) e.option64 = in.TakeByte();
      if (v > 591) e.angleWithin180 = in.TakeSwitch(kBlankFalse);
      if (e.subkind == 7) {
        e.brushStyle = in.TakeByte();
        e.brushColor = in.TakeInt32();
      } else {
        e.letter = TakeLetter(in);
        e.letter2 = TakeLetter(in);
      }
      break;
    }
    case kKindPoint:
      if (in.TakeKey(kLk)) e.subkind = in.TakeByte();
      e.letter = TakeLetter(in);
      e.labelPos = TakeLabelPosition(in, 1);
      // Classified with the other figures once the document's dimension is set.
      if (v > 526) e.option64 = in.TakeByte();
      if (e.subkind == 100) ReadPointSequence(in, e.letter);
      break;
    default:
      break;
  }
}

void ReadEntries(LineReader& in, const EquationReadContext& c, bool space) {
  const int count = space ? static_cast<int>(in.TakeInt(0, kMaxEntries)) : ReadEntryCount(in, c);
  int previousKind = 0;
  for (int i = 1; i <= count; ++i) {
    Tfuncprop e;
    InitFuncprop(e, ReadEntryKind(in, previousKind));
    previousKind = e.kind;
    space ? ReadSpaceEntry(in, c, e) : ReadPlaneEntry(in, c, count, e);
    CommitEntry(i, std::move(e));
  }
}

void ReadSpaceBlock(LineReader& in, const EquationReadContext& c) {
  const int v = c.version;
  if (v > 568) doc.LineWidthSetting = static_cast<uint8_t>(in.TakeInt(1, 3));
  ReadTraceSwitches(in);
  doc.SpaceRange = SpaceRangeOfStored(v, static_cast<float>(in.TakeSingleValue()));
  NormalizeSpaceRange();
  // A camera at or behind the origin sees nothing: such a file gets the default distance.
  // Other distances stay as stored; what the camera cannot see is left out of the picture.
  const int64_t distance = rtl::Round(in.TakeFloat());
  doc.CameraDistance = distance > 0 ? static_cast<int32_t>(std::min<int64_t>(distance, kInt32Max)) : 40;
  doc.CameraTheta = in.TakeFloat();
  doc.CameraPhi = in.TakeFloat();
  // No divisions means the default 20; any other stored count is kept (25 from an older
  // settings window draws as 25).
  const int32_t divisions = in.TakeInt32();
  doc.SurfaceGridN = static_cast<uint8_t>(divisions >= 1 && divisions <= 255 ? divisions : 20);
  doc.ShadingLevel = std::clamp(in.TakeInt32(), 5, 30);
  doc.SpaceColorsNotInverted = in.TakeSwitch(kTrueFalse);
  const std::string colors = in.TakeText();
  modes.OutputColorMode = colors == "true" ? 2 : colors == kGray ? 1 : 0;
  doc.Axes3DShown = in.TakeSwitch(kTrueFalse);
  doc.RangeBoxShown = in.TakeSwitch(kTrueFalse);
  if (v > 569) doc.PointPerpendicularsShown = in.TakeSwitch(kTrueFalse);
  doc.SurfaceDrawMode = static_cast<uint8_t>(in.TakeInt(1, 3) - 1);
  ReadEntries(in, c, true);
}

void ReadParameters(LineReader& in) {
  OneBased<Extended, 1, 14>& inc = doc.ParameterIncrements;
  for (char letter : {'a', 'b', 'c', 'd'}) SetCell(letter, in.TakeSingleValue());
  doc.VariableValues.T = in.TakeFloat();
  if (in.TakeKey(kPq)) {
    SetCell('p', in.TakeSingleValue());
    SetCell('q', in.TakeSingleValue());
  }
  if (in.TakeKey(kSw)) {
    SetCell('r', in.TakeSingleValue());  // θ
    SetCell('o', in.TakeSingleValue());  // ω
  }
  if (in.TakeKey(kKs)) {
    SetCell('k', in.TakeSingleValue());
    inc[10] = in.TakeFloat();
    SetCell('s', in.TakeSingleValue());
    inc[11] = in.TakeFloat();
  }
  SetCell('m', 1);
  SetCell('n', 1);
  if (!in.TakeKey(kSyousai)) return;
  settings.StepWidthItem = static_cast<uint8_t>(in.TakeInt(0, 4));
  for (int slot = 1; slot <= 9; ++slot) inc[slot] = in.TakeFloat();
  inc[13] = in.TakeFloat();
  inc[14] = in.TakeFloat();
  SetCell('m', in.TakeSingleValue());
  SetCell('n', in.TakeSingleValue());
  doc.ThetaInDegrees = in.TakeKey(kSitadeg);
  doc.ThetaDisplayValue = in.TakeFloat();
  doc.OmegaInDegrees = in.TakeKey(kOmegadeg);
  doc.OmegaDisplayValue = in.TakeFloat();
}

void ReadLabels(LineReader& in, const EquationReadContext& c) {
  const int count = static_cast<int>(in.TakeInt(0, kMaxLabels));
  if (in.TakeText() == kTF.off) modes.LabelsShown = 0;
  for (int i = 1; i <= count; ++i) {
    Tlabelrec label;
    const int64_t lines = in.TakeInt(0, kInt32Max);
    in.Require(static_cast<size_t>(lines));
    for (int64_t k = 0; k < lines; ++k) label.lines.push_back(in.TakeText());
    label.ownFont = in.TakeByte();
    label.shiftLeft = in.TakeInt32();
    label.shiftTop = in.TakeInt32();
    label.coordKind = in.TakeByte();
    label.xText = in.TakeText();
    label.yText = in.TakeText();
    label.zText = in.TakeText();
    label.font.name = in.TakeText();
    label.font.size = TakeFontSize(in);
    label.font.color = in.TakeInt32();
    label.font.style = TakeFontStyle(in);
    label.transparent = in.TakeSwitch(kZeroOne);
    label.shown = in.TakeSwitch(kZeroOne);
    const uint8_t backStyle = in.TakeByte();
    label.backStyle = backStyle <= 2 ? backStyle : 0;
    const int32_t backColor = in.TakeInt32();
    if (c.version > 589) label.backColor = backColor;
    in.Skip(2);
    doc.LabelTable[i] = std::move(label);
    doc.LabelCount = i;
  }
}

void ReadGraphMode(LineReader& in, EquationReadContext& c) {
  if (!in.TakeKey(kGraphmode)) return;
  const int code = static_cast<int>(in.TakeInt(1, 3));
  settings.GraphWindowMode = static_cast<uint8_t>(code - 1);
  if (code == 2) {
    c.graphWidth = std::clamp(in.TakeInt32(), kMinGraphSide, kMaxGraphSide);
    c.graphHeight = std::clamp(in.TakeInt32(), kMinGraphSide, kMaxGraphSide);
  } else if (code == 3) {
    settings.UnitSizeMode = in.TakeSwitch(kTF);
  }
}

// Codes of the change list: a letter's alphabet position, or point x 100 + axis.
int32_t TakeValueCode(LineReader& in) {
  const int64_t code = in.TakeInt(1, kMaxPoints * 100 + 3);
  const bool letter = code <= 26;
  const bool point = code >= 100 && code % 100 >= 1 && code % 100 <= 3;
  if (!letter && !point) in.FailLast("変数の番号が正しくありません");
  return static_cast<int32_t>(code);
}

void ReadAfterImageHistory(LineReader& in, const EquationReadContext& c) {
  const uint8_t afterImageOn = modes.AfterImageOn, locusOn = modes.LocusOn;
  if (!in.TakeKey(kEnd)) {
    if (c.version < 446) {
      SkipOldAfterImageHistory(in);
    } else {
      do {
        DisposeValueList(settings.ValueChangeList);
        TValueNode* tail = nullptr;
        do {
          const int32_t code = TakeValueCode(in);
          AppendValueNode(tail, code, in.TakeFloat());
        } while (!in.TakeKey(kLE));
        if (in.TakeKey(kVS)) {
          TVisibilityChange** end = &settings.VisibilityChangeList;
          while (*end) end = &(*end)->next;
          while (!in.TakeKey(kVE)) {
            const auto entry = static_cast<int32_t>(in.TakeInt(1, kMaxEntries));
            *end = NewVisibilityChange(entry, in.TakeSwitch(kOneZero));
            end = &(*end)->next;
          }
        }
        modes.AfterImageOn = in.TakeSwitch(kTrueFalse);
        modes.LocusOn = in.TakeSwitch(kTrueFalse);
        settings.AfterImageHistory = PushAfterImage(settings.AfterImageHistory, 0);
      } while (!in.TakeKey(kEnd));
    }
  }
  modes.AfterImageOn = afterImageOn;
  modes.LocusOn = locusOn;
}

void ReadStartingMode(LineReader& in, EquationReadContext& c) {
  if (!in.TakeKey(kStarting)) return;
  const int v = c.version;
  const int mode = static_cast<int>(in.TakeInt(0, 7));
  c.startingMode = mode;
  const bool oldest = HasOldEntryLayout(c.generation);
  switch (mode) {
    case kStartMeanRate:
      anim.MeanRateA = in.TakeFloat();
      anim.MeanRateStart = in.TakeFloat();
      if (v > 531) modes.MeanRateTextShown = in.TakeSwitch(kOneZero);
      break;
    case kStartRiemann:
      anim.IntegralTexts[1] = in.TakeText();
      anim.IntegralTexts[2] = in.TakeText();
      // Any whole count is brought into the window's range, as its buttons keep it.
      anim.RiemannDivisions = static_cast<int32_t>(std::clamp<int64_t>(
          in.TakeInt(std::numeric_limits<int64_t>::min(), std::numeric_limits<int64_t>::max()), 2,
          kMaxRiemannDivisions));
      settings.RiemannSumKind = static_cast<uint8_t>(in.TakeInt(0, 7));
      if (v > 502)
        for (int kind = 1; kind <= 4; ++kind) anim.RiemannSumTexts[kind] = in.TakeText();
      if (v > 540)
        for (int kind = 5; kind <= 6; ++kind) anim.RiemannSumTexts[kind] = in.TakeText();
      if (v > 531) modes.RiemannTextShown = in.TakeSwitch(kOneZero);
      break;
    case kStartIntegral:
      anim.IntegralTexts[3] = in.TakeText();
      anim.IntegralTexts[4] = in.TakeText();
      if (v > 531) modes.IntegralTextShown = in.TakeSwitch(kOneZero);
      break;
    case kStartTangent: {
      if (oldest) break;
      if (in.TakeKey(kZantangent)) {
        anim.TangentPauseValue = in.TakeFloat();
        settings.TangentAfterImage = 1;
      }
      const int32_t lineColor = in.TakeInt32(), rateColor = in.TakeInt32();
      if (v > 586) {
        doc.TangentLineColor = lineColor;
        doc.TangentRateColor = rateColor;
      }
      if (v > 531) modes.TangentTextShown = in.TakeSwitch(kOneZero);
      break;
    }
    case kStartAfterImages:
      if (!oldest) ReadAfterImageHistory(in, c);
      break;
    case 7:
      if (!oldest) SkipStartingModeSeven(in);
      break;
    default:
      break;
  }
}

void ReadDefinitions(LineReader& in, const EquationReadContext& c, std::string_view key,
                     OneBased<std::string, 1, kMaxDefinitions + 1>& texts, uint8_t& count) {
  if (!in.TakeKey(key)) return;
  const int n = static_cast<int>(in.TakeWholeFloat(0, kMaxDefinitions));
  for (int i = 1; i <= n; ++i) {
    std::string text = in.TakeText();
    UpgradeFormulaText(text, c.version, false);
    texts[i] = std::move(text);
    count = static_cast<uint8_t>(i);
  }
}

void ReadIntervalBlock(LineReader& in, const EquationReadContext& c) {
  if (!in.TakeKey(kInterval)) return;
  doc.IntervalMode = in.TakeSwitch(kTrueFalse);
  modes.IntervalMaxMinShown = in.TakeSwitch(kTrueFalse);
  if (in.TakeKey(kIntevalcl)) {
    doc.IntervalColor = in.TakeInt32();
    doc.IntervalStyle = static_cast<uint8_t>(in.TakeInt(1, 2));
  }
  doc.IntervalLowerText = in.TakeText();
  doc.IntervalUpperText = in.TakeText();
  if (c.version > 554) doc.IntervalTextShown = in.TakeSwitch(kOneZero);
}

}  // namespace

std::optional<FileGeneration> GenerationOfHeader(std::string_view firstLine) {
  static constexpr std::pair<std::string_view, FileGeneration> kHeaders[] = {
      {"[Lumenplotter Data]", FileGeneration::Lumenplotter},
      {"[Lumenplotter2 Data]", FileGeneration::Lumenplotter2},
      {"[RIRav Data]", FileGeneration::RIRav},
      {"[RIRav2 Data]", FileGeneration::RIRav2},
      {"[RIRav3 Data]", FileGeneration::RIRav3},
      {"[LP4 Data]", FileGeneration::LP4},
      {kHeaderPlane, FileGeneration::LP5},
      {kHeaderSpace, FileGeneration::LP3D},
  };
  for (const auto& [header, generation] : kHeaders)
    if (firstLine == header) return generation;
  return std::nullopt;
}

int32_t TakeFontSize(LineReader& in) { return std::clamp(in.TakeInt32(), 1, 400); }

uint8_t TakeFontStyle(LineReader& in) {
  const int32_t style = in.TakeInt32();
  return style >= 0 && style <= 15 ? static_cast<uint8_t>(style) : 0;
}

void ReadFontFields(LineReader& in, Tlfont& font) {
  font.name = in.TakeText();
  font.size = TakeFontSize(in);
  font.style = TakeFontStyle(in);
}

int ReadEntryCount(LineReader& in, const EquationReadContext& c) {
  if (in.AtEnd()) {
    if (c.holdsEveryBlock()) in.FailTruncated();
    return 0;
  }
  if (in.Current().empty()) {
    in.Skip();
    return 0;
  }
  return static_cast<int>(in.TakeInt(0, kMaxEntries));
}

void ReadEquationSections(LineReader& in, EquationReadContext& c) {
  const bool space = c.dimension() == 3;
  if (in.TakeKey(kVer)) c.version = static_cast<int>(in.TakeInt(0, kInt32Max));
  if (in.TakeKey(kFormSize)) ReadFormSize(in, c);
  ReadBackground(in, c);
  ReadMemo(in, c);
  ReadMacro(in);
  if (!space) ReadPlaneView(in, c);
  if (in.TakeKey(kScrl)) FileHost().SetNavigatorScrollPosition(std::max(0, in.TakeInt32()));
  if (in.TakeKey(kFont)) ReadGraphFont(in, c, doc.GraphFontCustom, doc.GraphFont);
  if (in.TakeKey(kPfont)) ReadGraphFont(in, c, doc.PointLabelFontCustom, doc.PointLabelFont);
  space ? ReadSpaceBlock(in, c) : ReadPlaneRange(in);
  ReadParameters(in);
  if (in.TakeKey(kLabeldata)) {
    ReadLabels(in, c);
  } else if (in.TakeKey(kLabel)) {
    ReadOldLabels(in, c);
  }
  ReadGraphMode(in, c);
  ReadStartingMode(in, c);
  ReadDefinitions(in, c, kDeffunc, doc.DefinedFunctionTexts, doc.DefinedFunctionCount);
  ReadDefinitions(in, c, kDefconst, doc.DefinedConstantTexts, doc.DefinedConstantCount);
  // A space file ends here, with its end key from the current version on. The last line
  // may lack its line end: many editors drop it.
  const bool endKey = in.TakeKey(kPlot3Dend);
  if (space && !endKey && c.holdsEveryBlock()) in.FailTruncated();
  if (!endKey && !space) {
    ReadIntervalBlock(in, c);
    HasOldEntryLayout(c.generation) ? ReadOldLayoutEntries(in, c) : ReadEntries(in, c, false);
  }
}

Extended SpaceRangeOfStored(int version, float stored) {
  return version < 510 ? static_cast<Extended>(stored) * 3 / 5 : static_cast<Extended>(stored) * 5 / 9;
}
