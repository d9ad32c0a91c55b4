#pragma once
// The reference document of the renderer's tools, on a drawing area of the given size:
// ten explicit curves (polynomials, trigonometric functions, rational functions with poles,
// a domain edge and a derivative), a relation with no closed form (traced numerically) and
// a hatched region, two parametric curves and a polar curve, three points by coordinates
// with three points constructed from them, and five figures on them (a hatched polygon, a
// circle with a formula radius, an arc, a Bézier curve and an angle mark). The parameter a
// moves three explicit curves, a parametric curve and the point A with everything built on
// it; b moves an explicit curve, the traced relation and the polar curve. The headless
// renderer draws it and the redraw benchmarks time it.
#include <array>
#include <string>

#include "formula/DocumentState.h"
#include "formula/FigureClassify.h"
#include "formula/UsageScan.h"
#include "render/DrawToolkit.h"
#include "render/RenderState.h"

namespace reference_document {

struct Entry {
  int kind;
  int subkind;  // figure type, construction code (255 by coordinates); 255 otherwise
  std::array<const char*, 5> texts;
  gfx::Color color;
  char letter = 0;        // a point's name, a figure's first point
  char letter2 = 0;       // a figure's second point
  const char* step = "";  // parametric and polar curves
  int link = 0;           // a derivative's source entry
};

// In table order: the kinds ascending, figures before the points they name.
inline const Entry kEntries[] = {
    {kKindExplicit, 255, {"x^2/4-3"}, 0x800040},
    {kKindExplicit, 255, {"x^3/10-x"}, 0x008000},
    {kKindExplicit, 255, {"2sin(x)"}, 0xC00000},
    {kKindExplicit, 255, {"tan(x)/2"}, 0x0080C0},
    {kKindExplicit, 255, {"1/(x-1)+2"}, 0x8000FF},
    {kKindExplicit, 255, {"(x^2-4)/(x^2-1)"}, 0x408000},
    {kKindExplicit, 255, {"a*cos(2x)-2"}, 0xFF0080},
    {kKindExplicit, 255, {"b*sqrt(9-x^2)"}, 0x0000C0},
    {kKindExplicit, 255, {"a*x/2+1"}, 0x808000},
    {kKindDerivative, 255, {""}, 0x00A0A0, 0, 0, "", 2},  // the derivative of x^3/10-x
    {kKindRelation, 255, {"x^4+y^4+b*xy=3"}, 0x0080FF},   // degree 4 in y with odd powers: traced
    {kKindRelation, 255, {"(y>x^2)and(y<2)"}, 0x808080},
    {kKindParametric, 255, {"3cos(3t)", "2.5sin(2t)", "0", "2pi"}, 0x8000FF, 0, 0, "0.02"},
    {kKindParametric, 255, {"4a*cos(t)^3", "3sin(t)^3", "0", "2pi"}, 0x006060, 0, 0, "0.05"},
    {kKindPolar, 255, {"1.5+b*cos(5t)", "2", "-1", "0", "2pi"}, 0x404040, 0, 0, "0.02"},
    {kKindFigure, 7, {"ABC"}, 0x800000},
    {kKindFigure, 8, {"E", "EA"}, 0x008080, 'E'},
    {kKindFigure, 9, {"A", "B", ""}, 0x0060C0, 'A', 'B'},
    {kKindFigure, 10, {"ACEB"}, 0xC000C0},
    {kKindFigure, 12, {"BAC", "20"}, 0x0000FF},
    {kKindPoint, 255, {"a-4", "-3", "A", ""}, 0x000000, 'A'},
    {kKindPoint, 255, {"0.5", "-3", "B", ""}, 0x000000, 'B'},
    {kKindPoint, 255, {"-2", "0.5", "C", ""}, 0x000000, 'C'},
    {kKindPoint, 1, {"ABC", "", "D"}, 0xFF0000, 'D'},                  // centroid
    {kKindPoint, 2, {"ABC", "", "E"}, 0xFF0000, 'E'},                  // circumcentre
    {kKindPoint, 20, {"BC", "1", "L", "1"}, 0xFF0000, 'L'},           // midpoint of BC
};

inline int PointNumber(char letter) {
  for (int n = 1; n <= kMaxPoints; ++n)
    if (PointNameOrder[n - 1] == letter) return n;
  return kNoPoint;
}

// A new document holding the reference entries, on a w x h drawing area, animation mode 0.
inline void Build(int w, int h) {
  ResetMiscSettings();
  ResetAllSettings(0);
  ResetRenderState();
  doc.GraphWidth = w;
  doc.GraphHeight = h;
  const Extended half = 5.0L * h / w;
  doc.ViewRange = TViewRange{-5, 5, -half, half};
  UpdatePixelSize(1);
  for (const Entry& r : kEntries) {
    Tfuncprop& e = doc.FigureTable[++doc.EntryCount];
    InitFuncprop(e, r.kind);
    e.subkind = static_cast<uint8_t>(r.subkind);
    for (size_t i = 0; i < r.texts.size(); ++i) e.texts[i] = r.texts[i] ? r.texts[i] : "";
    if (r.kind == kKindParametric || r.kind == kKindPolar) e.stepText = r.step;
    e.link = static_cast<uint8_t>(r.link);
    e.color = static_cast<int32_t>(r.color);
    if (r.letter) e.letter = static_cast<uint8_t>(PointNumber(r.letter));
    if (r.letter2) e.letter2 = static_cast<uint8_t>(PointNumber(r.letter2));
    if (r.kind == kKindPoint) {
      e.labelPos = 4;
      doc.PointLetterEntry[e.letter] = static_cast<uint8_t>(doc.EntryCount);
    }
    if (r.kind == kKindFigure || r.kind == kKindPoint) ClassifyFigure(e);
    ++doc.KindCounts[r.kind];
  }
  ClearUsageFlags();
  RecomputeParameterUsage();
  modes.AnimationMode = 0;
  RecreateBufferBitmaps();
}

}  // namespace reference_document
