#pragma once
// The reference document of the renderer's tools: ten explicit curves (polynomials,
// trigonometric functions, rational functions with poles, a domain edge and a derivative),
// three of them moving with the parameters a and b, on a drawing area of the given size.
// The headless renderer draws it and the redraw benchmark times it.
#include <string>

#include "formula/DocumentState.h"
#include "render/DrawToolkit.h"
#include "render/RenderState.h"

namespace reference_document {

struct Curve {
  const char* text;
  int kind;
  int link;
  int dependsOnParameter;
  gfx::Color color;
};

inline constexpr Curve kCurves[] = {
    {"x^2/4-3", kKindExplicit, 0, 0, 0x800040},
    {"x^3/10-x", kKindExplicit, 0, 0, 0x008000},
    {"2sin(x)", kKindExplicit, 0, 0, 0xC00000},
    {"tan(x)/2", kKindExplicit, 0, 0, 0x0080C0},
    {"1/(x-1)+2", kKindExplicit, 0, 0, 0x8000FF},
    {"(x^2-4)/(x^2-1)", kKindExplicit, 0, 0, 0x408000},
    {"a*cos(2x)-2", kKindExplicit, 0, 1, 0xFF0080},
    {"b*sqrt(9-x^2)", kKindExplicit, 0, 1, 0x0000C0},
    {"a*x/2+1", kKindExplicit, 0, 1, 0x808000},
    {"", kKindDerivative, 2, 0, 0x00A0A0},  // the derivative of x^3/10-x
};

// A new document holding the reference curves, on a w x h drawing area, animation mode 0.
inline void Build(int w, int h) {
  ResetMiscSettings();
  ResetAllSettings(0);
  ResetRenderState();
  doc.GraphWidth = w;
  doc.GraphHeight = h;
  const Extended half = 5.0L * h / w;
  doc.ViewRange = TViewRange{-5, 5, -half, half};
  UpdatePixelSize(1);
  for (const Curve& c : kCurves) {
    Tfuncprop& e = doc.FigureTable[++doc.EntryCount];
    InitFuncprop(e, c.kind);
    e.texts[0] = c.text;
    e.link = static_cast<uint8_t>(c.link);
    e.dependsOnParameter = static_cast<uint8_t>(c.dependsOnParameter);
    e.color = static_cast<int32_t>(c.color);
    ++doc.KindCounts[c.kind];
  }
  modes.AnimationMode = 0;
  RecreateBufferBitmaps();
}

}  // namespace reference_document
