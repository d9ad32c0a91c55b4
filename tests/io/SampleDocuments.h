#pragma once
// Documents that use every part of the equation file, in the plane and in space, built
// on the program's reset state.
#include <array>
#include <numbers>
#include <string>

#include "FakeFileHost.h"
#include "formula/AnimationState.h"
#include "formula/DocumentState.h"
#include "formula/Records.h"
#include "platform/Sjis.h"
#include "render/SpaceView.h"

namespace sample {

// Japanese text whose trail bytes include "\", "|", "P" and "X" (表 95 5C, ポ 83 7C,
// ケ 83 50, ス 83 58).
inline std::string Japanese() { return sj("表ポケス"); }

inline Tfuncprop& Add(int kind) {
  Tfuncprop& e = doc.FigureTable[++doc.EntryCount];
  InitFuncprop(e, kind);
  ++doc.KindCounts[kind];
  return e;
}

inline void SetPointSequence(int letter, std::initializer_list<std::array<Extended, 3>> coordinates) {
  std::vector<TSpacePoint>& points = doc.PointSequences[letter];
  points.clear();
  for (const auto& [x, y, z] : coordinates) {
    TSpacePoint& p = points.emplace_back();
    p.x = x, p.y = y, p.z = z;
  }
}

inline void AddCommonParts(FakeFileHost& host) {
  doc.MemoLines = {sj("メモ") + Japanese(), "", "second", "third"};
  doc.MemoFont = Tlfont{sj("ＭＳ ゴシック"), 13, 0, 2};
  doc.MacroLines = {"sub " + sj("動かす") + "() #1", "for a=0 to 1 step 0.1", "draw", "next a", "end sub"};
  doc.GraphFontCustom = 1;
  doc.GraphFont = Tlfont{sj("ＭＳ Ｐゴシック"), 14, 0, 3};
  doc.PointLabelFont = Tlfont{"Times New Roman", 10, 0, 1};
  WriteVariable(doc.VariableValues, 'a', 0.1L);
  WriteVariable(doc.VariableValues, 'b', -2.5L);
  WriteVariable(doc.VariableValues, 'c', 3);
  WriteVariable(doc.VariableValues, 'd', 1e-7L);
  doc.VariableValues.T = 0.123456789012345678L;
  WriteVariable(doc.VariableValues, 'p', 7);
  WriteVariable(doc.VariableValues, 'q', -7);
  WriteVariable(doc.VariableValues, 'r', std::numbers::pi_v<long double> / 6);
  WriteVariable(doc.VariableValues, 'o', 0.25L);
  WriteVariable(doc.VariableValues, 'k', 4);
  WriteVariable(doc.VariableValues, 's', 5);
  WriteVariable(doc.VariableValues, 'h', 0.3L);
  WriteVariable(doc.VariableValues, 'm', 2);
  WriteVariable(doc.VariableValues, 'n', 3);
  for (int i = 1; i <= 14; ++i) doc.ParameterIncrements[i] = 0.01L * i;
  doc.ParameterIncrements[3] = -1;
  doc.ThetaInDegrees = 1;
  doc.ThetaDisplayValue = 30;
  doc.OmegaDisplayValue = 0.25L;
  settings.StepWidthItem = 3;
  host.scroll = 120;

  doc.LabelCount = 2;
  Tlabelrec& l1 = doc.LabelTable[1];
  l1.lines = {"y=x^{2}", Japanese() + "\\frac{1}{2}"};
  l1.ownFont = 1;
  l1.shiftLeft = -4;
  l1.shiftTop = 12;
  l1.coordKind = 1;
  l1.xText = "a";
  l1.yText = "F1(a)";
  l1.zText = "0";
  l1.font = Tlfont{sj("ＭＳ 明朝"), 16, 0x0000FF, 1};
  l1.transparent = 0;
  l1.backStyle = 2;
  l1.backColor = 0x80FFFF;
  Tlabelrec& l2 = doc.LabelTable[2];
  l2.lines = {};
  l2.shown = 0;
  modes.LabelsShown = 0;

  doc.DefinedFunctionCount = 2;
  doc.DefinedFunctionTexts[1] = "x^2-a";
  doc.DefinedFunctionTexts[2] = "F1(x)*" + Japanese();
  doc.DefinedConstantCount = 1;
  doc.DefinedConstantTexts[1] = "sqrt(2)";
  doc.LineWidthSetting = 2;
  modes.AfterImageOn = 1;
  settings.AfterImageColorMode = 1;
}

// A plane document with every kind of entry, saved in parameter mode with after-images.
inline void BuildPlaneDocument(FakeFileHost& host) {
  AddCommonParts(host);
  doc.CoordinateSystem = 0;
  doc.AxisWidth = 2;
  settings.AxisWidthMode = 0;
  doc.GridSettings = TGridSettings{2, 1, 0x808080, 2};
  doc.AxisNumberPosition = 1;
  doc.AxisNumbersShown = 0;
  doc.YAxisShown = 0;
  doc.XAxisName = sj("時間");
  doc.YAxisName = "v";
  doc.XAxisUnit = 2;
  settings.XTickDensity = -1;
  settings.YTickDensity = 2;
  doc.ViewRange = TViewRange{-7.25L, 3.5L, -1, 12};
  settings.GraphWindowMode = 1;
  doc.GraphWidth = 640;
  doc.GraphHeight = 480;
  doc.IntervalMode = 1;
  modes.IntervalMaxMinShown = 0;
  doc.IntervalColor = 0x00FF00;
  doc.IntervalStyle = 2;
  doc.IntervalLowerText = "-1";
  doc.IntervalUpperText = "a+1";
  doc.IntervalTextShown = 1;

  Tfuncprop& f = Add(kKindExplicit);
  f.texts[0] = "sin(x)+a";
  f.option64 = 2;
  Tfuncprop& g = Add(kKindExplicit);
  g.texts[0] = "x^3";
  g.afterImage = 0;
  g.shown = 0;
  Tfuncprop& d = Add(kKindDerivative);
  d.link = 1;
  d.texts[0] = "cos(x)";
  Tfuncprop& r = Add(kKindRelation);
  r.texts[0] = "x^2+y^2<=4";
  r.brushStyle = 4;
  r.brushColor = 0xFF8080;
  r.noBoundary = 1;
  Tfuncprop& pc = Add(kKindParametric);
  pc.texts = {"cos(t)", "sin(2*t)", "0", "2*pi", ""};
  pc.stepText = "0.05";
  pc.arrowAtEnd = 1;
  pc.dashed = 1;
  Tfuncprop& polar = Add(kKindPolar);
  polar.texts = {"1+cos(t)", "0", "0", "0", "2*pi"};
  Tfuncprop& seg = Add(kKindFigure);
  seg.subkind = 3;
  seg.letter = 1;
  seg.letter2 = 2;
  seg.option64 = 2;
  Tfuncprop& arrow = Add(kKindFigure);
  arrow.subkind = 4;
  arrow.letter = 2;
  arrow.letter2 = 3;
  arrow.arrowStyle = 1;
  arrow.noBoundary = 1;  // an option it brought from space
  Tfuncprop& poly = Add(kKindFigure);
  poly.subkind = 6;
  poly.texts[0] = "ABC";
  poly.continued = 1;
  Tfuncprop& fill = Add(kKindFigure);
  fill.subkind = 7;
  fill.texts[0] = "ABC";
  fill.brushStyle = 6;
  fill.brushColor = 0x00FFFF;
  Tfuncprop& angle = Add(kKindFigure);
  angle.subkind = 12;
  angle.texts[0] = "ABC";
  angle.angleWithin180 = 1;
  angle.letter = kNoPoint;
  Tfuncprop& a = Add(kKindPoint);
  a.letter = 1;
  a.texts = {"1", "a", "", "", ""};
  a.labelPos = 4;
  Tfuncprop& b = Add(kKindPoint);
  b.subkind = 0;
  b.letter = 2;
  b.texts = {"AC", "1", "", "2", ""};
  Tfuncprop& c = Add(kKindPoint);
  c.subkind = 100;
  c.letter = 3;
  c.option64 = 0;
  SetPointSequence(3, {{1.5L, -2, 0}, {2.25L, 3.125L, 0}, {1e-9L, 1e12L, 0}});

  TValueNode* tail = nullptr;
  AppendValueNode(tail, 1, 0.1L);
  settings.AfterImageHistory = PushAfterImage(settings.AfterImageHistory, 0);
  DisposeValueList(settings.ValueChangeList);
  tail = nullptr;
  AppendValueNode(tail, 1, 0.2L);
  AppendValueNode(tail, 101, 1.5L);
  settings.VisibilityChangeList = NewVisibilityChange(2, 1);
  settings.VisibilityChangeList->next = NewVisibilityChange(4, 0);
  modes.LocusOn = 1;
  settings.AfterImageHistory = PushAfterImage(settings.AfterImageHistory, 0);
  modes.LocusOn = 0;
}

// A space document with an entry of every kind (a surface, a space curve, figures and
// points among them), saved while the tangent animation ran.
inline void BuildSpaceDocument(FakeFileHost& host) {
  AddCommonParts(host);
  doc.Dimension = 3;
  doc.SpaceRange = 2;
  NormalizeSpaceRange();
  doc.CameraDistance = 27;
  doc.CameraTheta = 0.4L;
  doc.CameraPhi = -1.25L;
  doc.SurfaceGridN = 60;
  doc.ShadingLevel = 22;
  doc.SpaceColorsNotInverted = 0;
  modes.OutputColorMode = 1;
  doc.RangeBoxShown = 1;
  doc.PointPerpendicularsShown = 1;
  doc.SurfaceDrawMode = 2;
  settings.GraphWindowMode = 2;
  settings.UnitSizeMode = 0;
  settings.TangentAfterImage = 1;
  anim.TangentPauseValue = 0.75L;
  doc.TangentLineColor = 0x123456;
  modes.TangentTextShown = 1;

  Tfuncprop& surface = Add(kKindExplicit);
  surface.texts[0] = "x*y/" + Japanese();
  surface.color = 0x00FF00;
  surface.brushColor = 0x0000FF;
  Tfuncprop& derivative = Add(kKindDerivative);
  derivative.texts[0] = "x-y";
  derivative.afterImage = 0;
  Tfuncprop& relation = Add(kKindRelation);
  relation.texts = {"x^2+y^2+z^2=1", "", "", "", ""};
  relation.penWidth = 3;
  Tfuncprop& curve = Add(kKindParametric);
  curve.texts = {"cos(t)", "sin(t)", "0", "6", "t/3"};
  curve.stepText = "0.02";
  curve.dashed = 1;
  Tfuncprop& polar = Add(kKindPolar);
  polar.texts = {"2", "0", "0", "0", "pi"};
  polar.shown = 0;
  Tfuncprop& seg = Add(kKindFigure);
  seg.subkind = 3;
  seg.letter = 1;
  seg.letter2 = 2;
  seg.option64 = 0;
  seg.option32 = 1;
  seg.noBoundary = 1;
  seg.dashed = 1;
  Tfuncprop& poly = Add(kKindFigure);
  poly.subkind = 6;
  poly.texts[0] = "AB";
  poly.continued = 1;
  Tfuncprop& sphere = Add(kKindFigure);
  sphere.subkind = 8;
  sphere.texts = {"A", "1.5", "", "", ""};
  sphere.shown = 0;
  Tfuncprop& a = Add(kKindPoint);
  a.letter = 1;
  a.texts = {"1", "2", "", "3", ""};
  Tfuncprop& b = Add(kKindPoint);
  b.subkind = 100;
  b.letter = 2;
  SetPointSequence(2, {{0, 0, 1}, {1, 1, -1}});
}

}  // namespace sample
