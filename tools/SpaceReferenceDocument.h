#pragma once
// The space reference document of the renderer's tools: surfaces z = f(x, y) with the
// range box shown, on a drawing area of the given size, animation mode 0. By default one
// saddle, cut by the top and bottom of the range; the headless renderer draws it and the
// surface benchmark times it.
#include <string>
#include <vector>

#include "formula/DocumentState.h"
#include "render/DrawToolkit.h"
#include "render/RenderState.h"
#include "render/SpaceView.h"

namespace space_reference_document {

inline const std::vector<std::string> kSurfaces = {"(x^2-y^2)/2"};

// One or two surfaces (ASCII formulas) on N divisions.
inline void Build(int w, int h, const std::vector<std::string>& surfaces = kSurfaces, int divisions = 20) {
  ResetMiscSettings();
  ResetAllSettings(0);
  ResetRenderState();
  ResetSpaceView();
  doc.Dimension = 3;
  doc.GraphWidth = w;
  doc.GraphHeight = h;
  doc.SurfaceGridN = static_cast<uint8_t>(divisions);
  doc.RangeBoxShown = 1;
  UpdatePixelSize(0);
  UpdateCamera();
  const gfx::Color colors[] = {KindDefaultColor(kKindExplicit, 0), 0x008000};
  for (size_t i = 0; i < surfaces.size() && i < 2; ++i) {
    Tfuncprop& e = doc.FigureTable[++doc.EntryCount];
    InitFuncprop(e, kKindExplicit);
    e.texts[0] = surfaces[i];
    e.color = static_cast<int32_t>(colors[i]);
    ++doc.KindCounts[kKindExplicit];
  }
  modes.AnimationMode = 0;
  RecreateBufferBitmaps();
}

}  // namespace space_reference_document
