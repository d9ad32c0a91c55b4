#include "render/Surfaces.h"

#include <array>

#include "formula/DocumentState.h"
#include "formula/Parser.h"
#include "platform/Runtime.h"
#include "render/SpaceAxes.h"
#include "render/SpacePrimitives.h"
#include "render/SpaceView.h"
#include "render/SurfaceClip.h"
#include "render/SurfaceGrid.h"
#include "render/SurfaceShading.h"

namespace {

using Cell = std::array<CellPoint, 4>;

// What one drawing of the surfaces works with: surface 0 is entry 1, surface 1 entry 2.
struct SurfaceDrawing {
  gfx::Canvas& canvas;
  std::array<Tfrec*, 2> trees{};  // owned by DrawSurfaces
  std::array<const TSurfaceGrid*, 2> grids{};
  std::array<const Tfuncprop*, 2> entries{};
  bool two = false;
  Extended bound = 0;
};

Cell CellOf(const TSurfaceGrid& g, int a, int i) {
  return {CellPointOf(g.at(a, i)), CellPointOf(g.at(a, i + 1)), CellPointOf(g.at(a + 1, i + 1)),
          CellPointOf(g.at(a + 1, i))};
}

bool HasUndefinedCorner(const Cell& c) {
  for (const CellPoint& p : c)
    if (p.status == kGridUndefined) return true;
  return false;
}

bool FacesAway(const Cell& c) { return CellFacesAway(c[0], c[1], c[3]); }

// One surface's cell, clipped; a mesh of either surface is drawn in entry 1's colour.
// False when nothing of it is left to draw.
bool DrawSurfaceCell(SurfaceDrawing& s, const Cell& cell, int k) {
  s.canvas.pen.color = static_cast<gfx::Color>(s.entries[0]->color) & 0xFFFFFF;
  s.canvas.brush.color = gfx::kWhite;
  CellPolygon polygon;
  BuildClippedCellPolygon(cell, s.bound, &s.trees[static_cast<size_t>(k)], polygon);
  if (polygon.count < 3) return false;
  FillSurfaceCell(s.canvas, polygon.View(), *s.entries[static_cast<size_t>(k)]);
  return true;
}

void DrawSurfaceCellsInOrder(SurfaceDrawing& s, const Cell& c1, const Cell& c2, int first) {
  DrawSurfaceCell(s, first == 0 ? c1 : c2, first);
  DrawSurfaceCell(s, first == 0 ? c2 : c1, 1 - first);
}

// Surfaces crossing inside the cell (d = z1 - z2 changes sign): both cells whole, in the
// order of the cells where surface 2 lies above; then the part of the first that lies on
// the camera's side of the second, drawn again in the first one's colours. No line of
// sight meets both the first's hidden part and the second's, so this is the whole
// picture whatever the order.
void DrawCrossingCells(SurfaceDrawing& s, const Cell& c1, const Cell& c2, const std::array<Extended, 4>& d) {
  const int first = FacesAway(c2) ? 0 : 1;
  const Cell& front = first == 0 ? c1 : c2;
  // The first one's part in front: above the second where the camera sees the second's
  // upper side, below it otherwise.
  const bool aboveSecond = FacesAway(first == 0 ? c2 : c1);
  const int sign = (first == 0) == aboveSecond ? 1 : -1;
  std::array<Extended, 4> side{};
  for (size_t k = 0; k < 4; ++k) side[k] = sign * d[k];
  const bool drawn = DrawSurfaceCell(s, front, first);
  const gfx::Pen pen = s.canvas.pen;
  const gfx::Brush brush = s.canvas.brush;
  DrawSurfaceCell(s, first == 0 ? c2 : c1, 1 - first);
  if (!drawn) return;
  s.canvas.pen = pen;
  s.canvas.brush = brush;
  std::array<CellPoint, 5> part;
  const int n = SplitCellAtCrossing(front, side, s.bound, part);
  CellPolygon clipped;
  BuildClippedCellPolygon(std::span<const CellPoint>(part.data(), static_cast<size_t>(n)), s.bound, nullptr,
                          clipped);
  if (clipped.count >= 3) DrawSpacePolygon(clipped.View(), s.canvas);
}

void DrawSurfaceCellPair(SurfaceDrawing& s, int a, int i) {
  const Cell c1 = CellOf(*s.grids[0], a, i);
  const bool shown1 = s.entries[0]->shown;
  if (!s.two) {
    if (shown1) DrawSurfaceCell(s, c1, 0);
    return;
  }
  const Cell c2 = CellOf(*s.grids[1], a, i);
  const bool shown2 = s.entries[1]->shown;
  if (!shown1 || !shown2) {
    if (shown1 || shown2) DrawSurfaceCell(s, shown1 ? c1 : c2, shown1 ? 0 : 1);
    return;
  }
  // Where one surface is undefined in part of the cell the other is drawn alone; where
  // both are, neither.
  const bool undefined1 = HasUndefinedCorner(c1), undefined2 = HasUndefinedCorner(c2);
  if (undefined1 || undefined2) {
    if (undefined1 != undefined2) DrawSurfaceCell(s, undefined1 ? c2 : c1, undefined1 ? 1 : 0);
    return;
  }
  std::array<Extended, 4> d{};
  bool above = false, below = false;
  for (size_t k = 0; k < 4; ++k) {
    d[k] = c1[k].z - c2[k].z;
    above = above || d[k] > 0;
    below = below || d[k] < 0;
  }
  if (above && below) return DrawCrossingCells(s, c1, c2, d);
  if (!above && !below) {
    DrawSurfaceCell(s, c1, 0);
  } else if (below) {
    // Surface 2 on top: behind surface 1 when its upper side shows.
    DrawSurfaceCellsInOrder(s, c1, c2, FacesAway(c2) ? 0 : 1);
  } else {
    DrawSurfaceCellsInOrder(s, c1, c2, FacesAway(c1) ? 1 : 0);
  }
}

void DrawQuarter(SurfaceDrawing& s, int rowFrom, int rowTo, int columnFrom, int columnTo) {
  for (int a = rowFrom; a <= rowTo; ++a) {
    s.canvas.pen.width = 1;
    for (int i = columnFrom; i <= columnTo; ++i) DrawSurfaceCellPair(s, a, i);
  }
}

// The axes that lie between the quarters, by the octant: each after the cells behind it.
void DrawAxesAfterFirstQuarter(gfx::Canvas& canvas, int octant) {
  if (octant == 1 || octant == 2) DrawPositiveHalfAxis(canvas, "y");
  else if (octant == 3 || octant == 4) DrawNegativeHalfAxis(canvas, "x");
  else if (octant == 5 || octant == 6) DrawNegativeHalfAxis(canvas, "y");
  else DrawPositiveHalfAxis(canvas, "x");
}

void DrawAxesAfterSecondQuarter(gfx::Canvas& canvas, int octant) {
  const char* axis = octant == 1 || octant == 2 || octant == 5 || octant == 6 ? "x" : "y";
  DrawNegativeHalfAxis(canvas, axis);
  DrawPositiveHalfAxis(canvas, axis);
}

void DrawAxesAfterThirdQuarter(gfx::Canvas& canvas, int octant) {
  if (octant == 0 || octant == 7) DrawNegativeHalfAxis(canvas, "x");
  else if (octant == 1 || octant == 2) DrawNegativeHalfAxis(canvas, "y");
  else if (octant == 5 || octant == 6) DrawPositiveHalfAxis(canvas, "y");
  else DrawPositiveHalfAxis(canvas, "x");
  DrawPositiveHalfAxis(canvas, "z");
}

bool GridFor(const TSurfaceGrid& grid, int n) {
  return grid.n == n && grid.points.size() == static_cast<size_t>(n + 1) * (n + 1);
}

TreePtr ParseSurface(int entry) {
  eng.ParseOK = 1;
  TreePtr tree = ParseExpression(doc.FigureTable[entry].texts[0], 3);
  if (!eng.ParseOK) return nullptr;
  return tree;
}

void DrawPreparedSurfaces(SurfaceDrawing& s, int n) {
  gfx::Canvas& canvas = s.canvas;
  const int h = static_cast<int>(rtl::Round(n / 2.0L)) - 1;
  const int octant = spaceView.SweepOctant;
  DrawRangeBoxAll(canvas);
  const bool axes = doc.Axes3DShown;
  if (axes) {
    for (const char* axis : {"x", "y", "z"}) DrawNegativeHalfAxis(canvas, axis);
    DrawPositiveHalfAxis(canvas, "x");
    DrawPositiveHalfAxis(canvas, "y");
  }
  DrawQuarter(s, 0, h, 0, h);
  if (axes) DrawAxesAfterFirstQuarter(canvas, octant);
  DrawQuarter(s, 0, h, h + 1, n - 1);
  if (axes) DrawAxesAfterSecondQuarter(canvas, octant);
  DrawQuarter(s, h + 1, n - 1, 0, h);
  if (axes) DrawAxesAfterThirdQuarter(canvas, octant);
  DrawQuarter(s, h + 1, n - 1, h + 1, n - 1);
  DrawRangeBoxFront(canvas);
}

}  // namespace

void DrawSurfaces(gfx::Canvas& canvas) {
  UsePlainPen(canvas);
  if (doc.EntryCount == 0) {
    DrawBoundingBox(canvas);
    return;
  }
  if (!HasSurface()) return;
  const int n = doc.SurfaceGrid1.n;
  SurfaceDrawing s{canvas};
  const TreePtr first = ParseSurface(1);
  TreePtr second;
  s.trees[0] = first.get();
  if (s.trees[0] && n > 0 && GridFor(doc.SurfaceGrid1, n)) {
    if (HasSecondSurface()) {
      second = ParseSurface(2);
      s.trees[1] = second.get();
      s.two = s.trees[1] && GridFor(doc.SurfaceGrid2, n);
    }
    s.grids = {&doc.SurfaceGrid1, &doc.SurfaceGrid2};
    s.entries = {&doc.FigureTable[1], &doc.FigureTable[2]};
    s.bound = doc.SpaceRange;
    // Finding the domain's edge sets x, y and the summation variables.
    const TVariableValues saved = doc.VariableValues;
    DrawPreparedSurfaces(s, n);
    doc.VariableValues = saved;
  }
}
