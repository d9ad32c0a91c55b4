#include "render/SpaceAxes.h"

#include "formula/DocumentState.h"
#include "formula/VectorGeometry.h"
#include "render/DrawToolkit.h"
#include "render/SpacePrimitives.h"
#include "render/SpaceView.h"

namespace {

// The unit vector of the named axis.
TSpacePoint AxisDirection(std::string_view label) {
  if (label == "x") return MakePoint(1, 0, 0);
  if (label == "y") return MakePoint(0, 1, 0);
  return MakePoint(0, 0, 1);
}

TSpacePoint Along(std::string_view label, Extended at) {
  const TSpacePoint d = AxisDirection(label);
  return MakePoint(d.x * at, d.y * at, d.z * at);
}

gfx::Color BoxColor() { return modes.OutputColorMode != 0 ? gfx::kBlack : ScreenColor(0x000080); }

// The edge of the cube from corner a to corner b (corners as signs of R).
void CubeEdge(gfx::Canvas& canvas, int ax, int ay, int az, int bx, int by, int bz) {
  const Extended r = doc.SpaceRange;
  DrawSpaceSegment(canvas, MakePoint(ax * r, ay * r, az * r), MakePoint(bx * r, by * r, bz * r));
}

}  // namespace

void DrawRangeBoxAll(gfx::Canvas& canvas) {
  if (!doc.RangeBoxShown) return;
  canvas.pen.color = BoxColor();
  canvas.pen.width = 1;
  for (int s : {-1, 1}) {
    for (int t : {-1, 1}) {
      CubeEdge(canvas, -1, s, t, 1, s, t);
      CubeEdge(canvas, s, -1, t, s, 1, t);
      CubeEdge(canvas, s, t, -1, s, t, 1);
    }
  }
}

void DrawBoundingBox(gfx::Canvas& canvas) { DrawRangeBoxAll(canvas); }

void DrawRangeBoxFront(gfx::Canvas& canvas) {
  if (!doc.RangeBoxShown) return;
  canvas.pen.color = BoxColor();
  static constexpr int kCorner[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
  const int* c = kCorner[spaceView.SweepOctant / 2 % 4];
  CubeEdge(canvas, c[0], c[1], 1, -c[0], c[1], 1);
  CubeEdge(canvas, c[0], c[1], 1, c[0], -c[1], 1);
  CubeEdge(canvas, c[0], c[1], 1, c[0], c[1], -1);
}

void DrawSpaceAxis(std::string_view label, gfx::Canvas& canvas, bool halfOnly, const TSpacePoint& end) {
  if (!doc.Axes3DShown) return;
  canvas.font.charset = 1;
  ApplyLfont(doc.GraphFont, canvas.font, 1, settings.OutputScale);
  canvas.font.color = gfx::kBlack;
  canvas.pen.width = ScaleToOutput(doc.AxisWidth);
  canvas.pen.color = gfx::kBlack;
  const TSpacePoint start = halfOnly ? MakePoint(0, 0, 0) : MakePoint(-end.x, -end.y, -end.z);
  TSpacePoint from, to, origin;
  ProjectPoint(start, from);
  ProjectPoint(end, to);
  ProjectPoint(MakePoint(0, 0, 0), origin);
  if (!from.valid || !to.valid || !origin.valid) return;
  const int letterWidth = DrawMixedText(0, 0, "A", 0, 0, 1, canvas);
  DrawArrow(letterWidth, 1, canvas, 0, DashPattern(canvas.pen.width), 0, from.x, from.y, to.x, to.y);
  const Extended r = doc.SpaceRange;
  if (!halfOnly) DrawAxisTicks(canvas, label, -r);
  DrawAxisTicks(canvas, label, r);
  int x = WorldToScreenX(to.x), y = WorldToScreenY(to.y);
  if (to.x < origin.x) x -= letterWidth;
  if (to.y > origin.y) y -= canvas.TextHeight("A");
  canvas.brush.style = gfx::BrushStyle::Clear;
  DrawMixedText(x, y, label, 0, 0, 0, canvas);
}

void DrawAxisTicks(gfx::Canvas& canvas, std::string_view label, Extended at) {
  canvas.pen.color = modes.OutputColorMode != 0 ? gfx::kBlack : gfx::Color{0x0000FF};
  canvas.pen.width = doc.AxisWidth;
  const Extended half = at / 25;
  const TSpacePoint p = Along(label, at);
  for (std::string_view other : {"x", "y", "z"}) {
    if (other == label) continue;
    const TSpacePoint d = AxisDirection(other);
    DrawSpaceSegment(canvas, MakePoint(p.x - d.x * half, p.y - d.y * half, p.z - d.z * half),
                     MakePoint(p.x + d.x * half, p.y + d.y * half, p.z + d.z * half));
  }
}

void DrawNegativeHalfAxis(gfx::Canvas& canvas, std::string_view label) {
  DrawAxisSegment(canvas, MakePoint(0, 0, 0), Along(label, -doc.AxisLength3D));
}

void DrawPositiveHalfAxis(gfx::Canvas& canvas, std::string_view label) {
  DrawSpaceAxis(label, canvas, true, Along(label, doc.AxisLength3D));
}

void DrawSpaceAxesLabels(gfx::Canvas& canvas) {
  for (std::string_view label : {"x", "y", "z"}) DrawSpaceAxis(label, canvas, false, Along(label, doc.AxisLength3D));
}

void DrawSpaceAxesFrame(gfx::Canvas& canvas) {
  SetValueBoxStyle(canvas);
  UpdateCamera();
  UpdatePixelSize(0);
  DrawSpaceAxesLabels(canvas);
}

void DrawSpaceAxesAndBox(gfx::Canvas& canvas) {
  UsePlainPen(canvas);
  UpdateCamera();
  DrawBoundingBox(canvas);
  DrawSpaceAxesFrame(canvas);
}
