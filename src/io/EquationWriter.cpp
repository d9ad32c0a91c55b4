#include "io/EquationWriter.h"

#include "formula/AnimationState.h"
#include "formula/DocumentState.h"
#include "formula/Records.h"
#include "io/EquationFile.h"
#include "io/EquationFileHost.h"

using namespace eqfile;

namespace {

constexpr int kMemoLinesStored = 11;

Extended Cell(char letter) { return ReadVariable(doc.VariableValues, letter); }

void WriteFont(LineWriter& w, const Tlfont& font) {
  w.Line(font.name);
  w.Int(font.size);
  w.FontStyle(font.style);
}

void WriteMemo(LineWriter& w) {
  w.Line(settings.MemoOnTop ? kMemoOnTop : kMemo);
  WriteFont(w, doc.MemoFont);
  for (int i = 0; i < kMemoLinesStored; ++i)
    w.Line(i < static_cast<int>(doc.MemoLines.size()) ? doc.MemoLines[i] : std::string_view());
}

void WriteMacro(LineWriter& w) {
  if (doc.MacroLines.empty()) return;
  w.Line(kMacro);
  w.Int(static_cast<int64_t>(doc.MacroLines.size()) - 1);
  for (const std::string& line : doc.MacroLines) w.Line(line);
}

void WriteTraceSwitches(LineWriter& w) {
  w.Line(kZan);
  w.Switch(modes.AfterImageOn, kTrueFalse);
  w.Line(kZanC);
  w.Int(settings.AfterImageColorMode);
  w.Line(kLocus);
  w.Switch(modes.LocusOn, kTrueFalse);
}

void WritePlaneView(LineWriter& w) {
  WriteTraceSwitches(w);
  w.Line(kCkind);
  w.Int(doc.CoordinateSystem);
  w.Line(kCowidth);
  w.Int(doc.AxisWidth);
  w.Int(settings.AxisWidthMode);
  w.Line(kLattice);
  w.Int(doc.GridSettings.color);
  w.Int(doc.GridSettings.thickness);
  w.Line(doc.GridSettings.kind == 2 ? kDense : doc.GridSettings.kind == 1 ? "true" : "false");
  if (doc.GridSettings.dashed) w.Line(kLdash);
  w.Int(doc.AxisNumberPosition);
  w.Line(kScale);
  w.Switch(doc.AxisTicksShown, kTrueFalse);
  if (doc.AxisTicksShown) w.Switch(doc.AxisNumbersShown, kTrueFalse);
  w.Line(kXcoodi);
  w.Switch(doc.XAxisShown, kTrueFalse);
  w.Line(kYcoodi);
  w.Switch(doc.YAxisShown, kTrueFalse);
  w.Line(doc.XAxisName);
  w.Line(doc.YAxisName);
  w.Line(kXmemori);
  w.Int(doc.XAxisUnit);
  w.Line(kYmemori);
  w.Int(doc.YAxisUnit);
  w.Int(settings.XTickDensity);
  w.Int(settings.YTickDensity);
  w.Int(doc.LineWidthSetting);
}

// The highest index n, then n + 1 points; a point always has at least itself.
void WritePointSequence(LineWriter& w, const Tfuncprop& e) {
  static const std::vector<TSpacePoint> kOrigin(1);
  const std::vector<TSpacePoint>& stored =
      doc.PointSequences.contains(e.letter) ? doc.PointSequences[e.letter] : kOrigin;
  const std::vector<TSpacePoint>& points = stored.empty() ? kOrigin : stored;
  w.Int(static_cast<int64_t>(points.size()) - 1);
  for (const TSpacePoint& p : points) {
    w.Float(p.x);
    w.Float(p.y);
    w.Float(p.z);
  }
}

void WritePointFields(LineWriter& w, const Tfuncprop& e) {
  w.Int(e.subkind);
  w.Int(e.letter);
  w.Int(e.labelPos);
  w.Int(e.option64);
  if (e.subkind == 100) WritePointSequence(w, e);
}

void WriteTexts(LineWriter& w, const Tfuncprop& e) {
  w.Int(e.kind);
  for (const std::string& text : e.texts) w.Line(text);
}

void WriteSpaceEntry(LineWriter& w, const Tfuncprop& e) {
  WriteTexts(w, e);
  w.Switch(e.afterImage, kSpaceEntryFlag);
  w.Switch(e.shown, kSpaceEntryFlag);
  w.Int(e.color);
  w.Int(e.penWidth);
  w.Int(e.brushColor);
  switch (e.kind) {
    case kKindParametric:
      w.Line(e.stepText);
      w.Line(e.dashed ? kDash : kNoDash);
      break;
    case kKindFigure:
      w.Switch(e.option32, kSpaceEntryFlag);
      if (e.noBoundary == 1) w.Line(kNbd);
      if (e.dashed == 1) w.Line(kDash);
      w.Int(e.subkind);
      if (e.subkind == 6) w.Line(e.continued ? kCont : kNoCont);
      if (e.subkind == 3) w.Int(e.option64);
      w.Int(e.letter);
      w.Int(e.letter2);
      break;
    case kKindPoint:
      WritePointFields(w, e);
      break;
    default:
      break;
  }
}

void WritePlaneEntry(LineWriter& w, const Tfuncprop& e) {
  WriteTexts(w, e);
  if (e.link != 0) {
    w.Line(kORI);
    w.Int(e.link);
  }
  w.Switch(e.option32, kPlaneEntryFlag);
  w.Switch(e.afterImage, kPlaneEntryFlag);
  if (e.shown == 0) w.Line("false");
  if (e.dashed == 1) w.Line(kDash);
  w.Int(e.color);
  w.Int(e.penWidth);
  if (e.noBoundary == 1) w.Line(kNbd);
  switch (e.kind) {
    case kKindExplicit:
      w.Int(e.option64);
      break;
    case kKindRelation:
      w.Int(e.brushStyle);
      w.Int(e.brushColor);
      break;
    case kKindParametric:
    case kKindPolar:
      w.Line(e.stepText);
      w.Switch(e.arrowAtEnd, kZeroOne);
      break;
    case kKindFigure:
      w.Int(e.subkind);
      if (e.subkind == 6) w.Line(e.continued ? kCont : kNoCont);
      if (e.subkind == 4) w.Int(e.arrowStyle);
      if (e.subkind == 3) w.Int(e.option64);
      w.Switch(e.angleWithin180 == 1, kBlankFalse);
      if (e.subkind == 7) {
        w.Int(e.brushStyle);
        w.Int(e.brushColor);
      } else {
        w.Int(e.letter);
        w.Int(e.letter2);
      }
      break;
    case kKindPoint:
      w.Line(kLk);
      WritePointFields(w, e);
      break;
    default:
      break;
  }
}

void WriteEntries(LineWriter& w, bool space) {
  w.Int(doc.EntryCount);
  for (int i = 1; i <= doc.EntryCount; ++i)
    space ? WriteSpaceEntry(w, doc.FigureTable[i]) : WritePlaneEntry(w, doc.FigureTable[i]);
}

void WriteSpaceBlock(LineWriter& w) {
  w.Int(doc.LineWidthSetting);
  WriteTraceSwitches(w);
  w.Float(doc.ViewRange.YMax);
  w.Float(doc.CameraDistance);
  w.Float(doc.CameraTheta);
  w.Float(doc.CameraPhi);
  w.Int(doc.SurfaceGridN);
  w.Int(doc.ShadingLevel);
  w.Switch(doc.SpaceColorsNotInverted, kTrueFalse);
  w.Line(modes.OutputColorMode == 1 ? kGray : modes.OutputColorMode == 2 ? "true" : "false");
  w.Switch(doc.Axes3DShown, kTrueFalse);
  w.Switch(doc.RangeBoxShown, kTrueFalse);
  w.Switch(doc.PointPerpendicularsShown, kTrueFalse);
  w.Int(doc.SurfaceDrawMode + 1);
  WriteEntries(w, true);
}

void WriteParameters(LineWriter& w) {
  const OneBased<Extended, 1, 14>& inc = doc.ParameterIncrements;
  for (char letter : {'a', 'b', 'c', 'd'}) w.Float(Cell(letter));
  w.Float(doc.VariableValues.T);
  w.Line(kPq);
  w.Float(Cell('p'));
  w.Float(Cell('q'));
  w.Line(kSw);
  w.Float(Cell('r'));  // θ
  w.Float(Cell('o'));  // ω
  w.Line(kKs);
  w.Float(Cell('k'));
  w.Float(inc[10]);
  w.Float(Cell('s'));
  w.Float(inc[11]);
  w.Line(kSyousai);
  w.Int(settings.StepWidthItem);
  for (int slot = 1; slot <= 9; ++slot) w.Float(inc[slot]);
  w.Float(inc[13]);
  w.Float(inc[14]);
  w.Float(Cell('m'));
  w.Float(Cell('n'));
  if (doc.ThetaInDegrees) w.Line(kSitadeg);
  w.Float(doc.ThetaDisplayValue);
  if (doc.OmegaInDegrees) w.Line(kOmegadeg);
  w.Float(doc.OmegaDisplayValue);
}

void WriteLabels(LineWriter& w) {
  if (doc.LabelCount <= 0) return;
  const int count = std::min<int>(doc.LabelCount, kMaxLabels);
  w.Line(kLabeldata);
  w.Int(count);
  w.Switch(modes.LabelsShown, kTF);
  for (int i = 1; i <= count; ++i) {
    const Tlabelrec& label = doc.LabelTable[i];
    w.Int(label.lineCount());
    for (const std::string& line : label.lines) w.Line(line);
    w.Int(label.ownFont);
    w.Int(label.shiftLeft);
    w.Int(label.shiftTop);
    w.Int(label.coordKind);
    w.Line(label.xText);
    w.Line(label.yText);
    w.Line(label.zText);
    w.Line(label.font.name);
    w.Int(label.font.size);
    w.Int(label.font.color);
    w.FontStyle(label.font.style);
    w.Switch(label.transparent == 1, kZeroOne);
    w.Switch(label.shown, kZeroOne);
    w.Int(label.backStyle);
    w.Int(label.backColor);
    w.Int(4);
    w.Int(5);
  }
}

void WriteGraphMode(LineWriter& w) {
  FileHost().RefreshGraphWindowMode();
  w.Line(kGraphmode);
  switch (settings.GraphWindowMode) {
    case 1:
      w.Int(2);
      w.Int(doc.GraphWidth);
      w.Int(doc.GraphHeight);
      break;
    case 2:
      w.Int(3);
      w.Switch(settings.UnitSizeMode, kTF);
      break;
    default:
      w.Int(1);
      break;
  }
}

// Oldest first; the visibility changes are walked in place, so changes recorded since
// the last snapshot stay pending.
void WriteAfterImageHistory(LineWriter& w) {
  const TAfterImageEntry* snapshot = settings.AfterImageHistory;
  while (snapshot && snapshot->older) snapshot = snapshot->older;
  for (; snapshot; snapshot = snapshot->newer) {
    for (const TValueNode* v = snapshot->values; v; v = v->next) {
      w.Int(v->code);
      w.Float(v->value);
    }
    w.Line(kLE);
    if (snapshot->shows) {
      w.Line(kVS);
      for (const TVisibilityChange* c = snapshot->shows; c; c = c->next) {
        w.Int(c->entry);
        w.Switch(c->shown, kOneZero);
      }
      w.Line(kVE);
    }
    w.Switch(snapshot->afterImage, kTrueFalse);
    w.Switch(snapshot->locus, kTrueFalse);
  }
  w.Line(kEnd);
}

void WriteStartingMode(LineWriter& w, int mode) {
  w.Line(kStarting);
  w.Int(mode);
  switch (mode) {
    case kStartMeanRate:
      w.Float(anim.MeanRateA);
      w.Float(anim.MeanRateStart);
      w.Switch(modes.MeanRateTextShown, kOneZero);
      break;
    case kStartTangent:
      if (settings.TangentAfterImage) {
        w.Line(kZantangent);
        w.Float(anim.TangentPauseValue);
      }
      w.Int(doc.TangentLineColor);
      w.Int(doc.TangentRateColor);
      w.Switch(modes.TangentTextShown, kOneZero);
      break;
    case kStartRiemann:
      w.Line(anim.IntegralTexts[1]);
      w.Line(anim.IntegralTexts[2]);
      w.Int(anim.RiemannDivisions);
      w.Int(settings.RiemannSumKind);
      for (int kind = 1; kind <= 6; ++kind) w.Line(anim.RiemannSumTexts[kind]);
      w.Switch(modes.RiemannTextShown, kOneZero);
      break;
    case kStartIntegral:
      w.Line(anim.IntegralTexts[3]);
      w.Line(anim.IntegralTexts[4]);
      w.Switch(modes.IntegralTextShown, kOneZero);
      break;
    case kStartAfterImages:
      WriteAfterImageHistory(w);
      break;
    default:
      break;
  }
}

void WriteDefinitions(LineWriter& w, std::string_view key, int count,
                      const OneBased<std::string, 1, kMaxDefinitions + 1>& texts) {
  count = std::clamp(count, 0, kMaxDefinitions);
  w.Line(key);
  w.Float(count);
  for (int i = 1; i <= count; ++i) w.Line(texts[i]);
}

void WriteIntervalBlock(LineWriter& w) {
  w.Line(kInterval);
  w.Switch(doc.IntervalMode, kTrueFalse);
  w.Switch(modes.IntervalMaxMinShown, kTrueFalse);
  w.Line(kIntevalcl);
  w.Int(doc.IntervalColor);
  w.Int(doc.IntervalStyle);
  w.Line(doc.IntervalLowerText);
  w.Line(doc.IntervalUpperText);
  w.Switch(doc.IntervalTextShown, kOneZero);
}

}  // namespace

int StartingModeOfAnimationMode(int animationMode) {
  switch (animationMode) {
    case 0: return kStartAfterImages;
    case 1: return kStartParameters;
    case 2: return kStartRiemann;
    case 3: return kStartMeanRate;
    case 4: return kStartIntegral;
    case 5: return kStartTangent;
    default: return kStartPlain;
  }
}

std::string WriteEquationFile(int startingMode) {
  const bool space = doc.Dimension == 3;
  LineWriter w;
  w.Line(space ? kHeaderSpace : kHeaderPlane);
  w.Line(kVer);
  w.Int(kVersion);
  // h and its increment, in the two lines older readers skip.
  w.Line(kFormSize);
  w.Float(Cell('h'));
  w.Float(doc.ParameterIncrements[12]);
  if (settings.BackgroundShown) w.Line(kBkimg);
  WriteMemo(w);
  WriteMacro(w);
  if (!space) WritePlaneView(w);
  w.Line(kScrl);
  w.Int(FileHost().NavigatorScrollPosition());
  w.Line(kFont);
  w.Int(doc.GraphFontCustom);
  WriteFont(w, doc.GraphFont);
  w.Line(kPfont);
  w.Int(doc.PointLabelFontCustom);
  WriteFont(w, doc.PointLabelFont);
  if (space) {
    WriteSpaceBlock(w);
  } else {
    w.Float(doc.ViewRange.XMin);
    w.Float(doc.ViewRange.XMax);
    w.Float(doc.ViewRange.YMin);
    w.Float(doc.ViewRange.YMax);
  }
  WriteParameters(w);
  WriteLabels(w);
  WriteGraphMode(w);
  WriteStartingMode(w, startingMode);
  WriteDefinitions(w, kDeffunc, doc.DefinedFunctionCount, doc.DefinedFunctionTexts);
  WriteDefinitions(w, kDefconst, doc.DefinedConstantCount, doc.DefinedConstantTexts);
  if (space) {
    w.Line(kPlot3Dend);
  } else {
    WriteIntervalBlock(w);
    WriteEntries(w, false);
  }
  return w.Bytes();
}
