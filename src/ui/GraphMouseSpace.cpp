// The mouse in space: picking projected points and the z axis, the guide box that follows
// the mouse, and dragging a point over its plane of motion, its height on the wheel.
#include <algorithm>
#include <cmath>

#include "formula/ConstructedPoints.h"
#include "formula/DocumentState.h"
#include "platform/Runtime.h"
#include "render/DrawToolkitMapping.h"
#include "render/RedrawPipeline.h"
#include "render/SpacePoints.h"
#include "render/SpaceView.h"
#include "ui/GraphMouse.h"

namespace {

constexpr gfx::Color kDragGridColor = 0x008080;  // olive
constexpr int kMaxGridLines = 400;

// Nothing is picked or dragged over a surface z = f(x, y).
bool SurfaceShown() { return doc.EntryCount >= 1 && doc.FigureTable[1].kind == kKindExplicit; }

TWorldPoint ViewPoint(int x, int y) {
  return {doc.ViewRange.XMin + x * doc.PixelSizeX, doc.ViewRange.YMax - y * doc.PixelSizeY};
}

TSpacePoint Projected(Extended x, Extended y, Extended z) {
  TSpacePoint p;
  p.x = x, p.y = y, p.z = z;
  Extended u = 0, v = 0;
  ProjectRecordPoint(p, u, v);
  p.x = u, p.y = v, p.z = 0;
  return p;
}

// The mouse lifted onto plane 0 (x = 0) or 1 (z = h).
bool Lift(int plane, Extended h, const TWorldPoint& m, TSpacePoint& p) {
  ScreenToSpacePoint(plane, p, static_cast<float>(h), static_cast<float>(m.y), static_cast<float>(m.x));
  return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

// The box of guide lines from the origin to the point, in xor: drawn again, it is gone.
void DrawGuideBox(gfx::Canvas& canvas, const TSpacePoint& p) { DrawPointGuideBoxXor(canvas, p.x, p.y, p.z); }

// The parameter of the point of line ab nearest to m, in the view plane.
Extended NearestOnLine(const TWorldPoint& m, const TSpacePoint& a, const TSpacePoint& b) {
  const Extended dx = b.x - a.x, dy = b.y - a.y, d2 = dx * dx + dy * dy;
  return d2 > 0 ? ((m.x - a.x) * dx + (m.y - a.y) * dy) / d2 : 0;
}

// The nearest half tick when it lies within four y pixel sizes.
Extended SnapHalfTick(Extended v) {
  const Extended half = eng.YTickStep / 2.0L;
  if (!(half > 0)) return v;
  const Extended grid = rtl::RoundToEven(v / half) * half;
  return std::fabs(grid - v) < 4 * doc.PixelSizeY ? grid : v;
}

TSpacePoint* PointRecord(int entry) {
  const Tfuncprop& e = doc.FigureTable[entry];
  if (e.letter < 1 || e.letter > kMaxPoints || doc.PointSequences[e.letter].empty()) return nullptr;
  return &doc.PointSequences[e.letter][0];
}

std::string Coordinate(Extended v) { return FormatCoordinate(v, doc.PixelSizeY); }

}  // namespace

void GraphMouse::SpaceHover(int x, int y) {
  if (SurfaceShown()) return;
  const TWorldPoint m = ViewPoint(x, y);
  MouseWorldPoint = m;
  ui.DragTarget[0] = 0;
  PointPicked = 0;
  window_.HideDragHint();
  window_.SetCursor(GraphMouseHost::Cursor::Cross);
  bool info = false;
  for (int i = doc.EntryCount; i > doc.CurveEntryCount && !PointPicked; --i) {
    const Tfuncprop& e = doc.FigureTable[i];
    const TSpacePoint* p = e.kind == kKindPoint && e.shown ? PointRecord(i) : nullptr;
    if (!p || !p->valid) continue;
    const TSpacePoint q = Projected(p->x, p->y, p->z);
    if (std::fabs(m.x - q.x) >= 3 * doc.PixelSizeX || std::fabs(m.y - q.y) >= 3 * doc.PixelSizeY) continue;
    ui.DragTarget[0] = static_cast<uint8_t>(i);
    PointPicked = 1;
    window_.ShowInfo("( " + Coordinate(p->x) + " , " + Coordinate(p->y) + " , " + Coordinate(p->z) + " )", x, y, 20, 2);
    info = true;
    if (e.dragClass <= 6) {
      window_.ShowDragHint(x, y, 10, -40);
      window_.SetCursor(GraphMouseHost::Cursor::Drag);
    }
  }
  // The z axis: its point under the mouse is read out.
  ZAxisReadout = 0;
  const TSpacePoint o = Projected(0, 0, 0), up = Projected(0, 0, 1);
  const Extended t = NearestOnLine(m, o, up);
  const Extended ax = o.x + t * (up.x - o.x), ay = o.y + t * (up.y - o.y);
  TSpacePoint onAxis;
  if (!PointPicked && std::hypot(m.x - ax, m.y - ay) < 3 * doc.PixelSizeX && Lift(0, 0, m, onAxis)) {
    ZAxisReadout = 1;
    ReadoutXText = "0", ReadoutYText = "0";
    ReadoutZText = Coordinate(onAxis.z);
    window_.ShowInfo(ReadoutZText, x, y, 20, 2);
    info = true;
  }
  if (!info) window_.HideInfo();
  if (PointGuideShown) MoveGuideBox(x, y);
}

void GraphMouse::SpacePress(int x, int y) {
  if (SurfaceShown()) return;
  const int e = Target();
  if (!PointPicked || !e) {
    if (RightButtonDown) {
      RightButtonDown = 0;
      if (GuideBoxShown) MoveGuideBox(-1, -1);
      PointGuideShown = 0;
      window_.HideInfo();
    } else if (ZAxisReadout) {
      SpaceDragZ = rtl::StrToFloatDef(ReadoutZText, SpaceDragZ);
    } else {
      PointGuideShown = !PointGuideShown;
      if (PointGuideShown) {
        MoveGuideBox(x, y);
      } else {
        GuideBoxShown = 0;
        RedrawAll();
      }
    }
    return;
  }
  const Tfuncprop& entry = doc.FigureTable[e];
  const TSpacePoint* p = PointRecord(e);
  if (entry.dragClass == 10 || !p) return;
  modes.SnapMode = 1;
  WheelCount = 0;
  WheelHold = 0;
  SpaceDragZ = p->z;
  guidePoint_ = *p;
  const TSpacePoint q = Projected(p->x, p->y, p->z);
  window_.SetCursor(GraphMouseHost::Cursor::Hand);
  window_.WarpCursor(WorldToScreenX(q.x), WorldToScreenY(q.y));
  if (entry.dragClass <= 1) DrawDragPlaneGrid();
  DrawGuideBox(window_.Picture(), guidePoint_);
  GuideBoxShown = 1;
  window_.PictureChanged();
}

void GraphMouse::SpaceDragMove(int x, int y) {
  const int e = Target();
  TSpacePoint* record = e ? PointRecord(e) : nullptr;
  if (!record) return;
  Tfuncprop& entry = doc.FigureTable[e];
  const TWorldPoint m = ViewPoint(x, y);
  TSpacePoint p = *record, lifted;
  switch (entry.dragClass) {
    case 2: case 4:
      if (!Lift(1, p.z, m, lifted)) return;
      entry.texts[0] = Coordinate(SnapHalfTick(lifted.x));
      break;
    case 3: case 5:
      if (!Lift(1, p.z, m, lifted)) return;
      entry.texts[1] = Coordinate(SnapHalfTick(lifted.y));
      break;
    case 6: {  // up and down the vertical through the point
      const TSpacePoint a = Projected(p.x, p.y, p.z), b = Projected(p.x, p.y, p.z + 1);
      entry.texts[3] = Coordinate(p.z + NearestOnLine(m, a, b));
      break;
    }
    default:
      if (!Lift(1, SpaceDragZ, m, lifted)) return;
      entry.texts[0] = Coordinate(SnapHalfTick(lifted.x));
      entry.texts[1] = Coordinate(SnapHalfTick(lifted.y));
      break;
  }
  ComputeConstructedPoint(e, *record);
  SpaceReadoutText(*record);
}

void GraphMouse::Wheel(int notches) {
  if (InPlane() || modes.SnapMode != 1 || notches == 0) return;
  const int e = Target();
  TSpacePoint* record = e ? PointRecord(e) : nullptr;
  Tfuncprop* entry = e ? &doc.FigureTable[e] : nullptr;
  if (!record || (entry->dragClass != 0 && entry->dragClass != 4 && entry->dragClass != 5)) return;
  if (++WheelCount < 3) return;
  WheelCount = 0;
  const Extended old = SpaceDragZ, half = eng.YTickStep / 2.0L;
  Extended z = old + (notches > 0 ? 1 : -1) * eng.YTickStep / 25.0L;
  // A half tick passed on the way is a stop, once.
  const Extended stop = half > 0 ? rtl::RoundToEven(z / half) * half : z;
  const bool passed = std::min(old, z) <= stop && stop <= std::max(old, z) && stop != old;
  if (!WheelHold && passed) {
    z = stop;
    WheelHold = 1;
  } else {
    WheelHold = 0;
  }
  SpaceDragZ = z;
  entry->texts[3] = Coordinate(z);
  ComputeConstructedPoint(e, *record);
  SpaceReadoutText(*record);
}

// The status bars and the guide box follow the dragged point.
void GraphMouse::SpaceReadoutText(const TSpacePoint& p) {
  ReadoutXText = Coordinate(p.x), ReadoutYText = Coordinate(p.y), ReadoutZText = Coordinate(p.z);
  window_.ShowReadout("( " + ReadoutXText + " , " + ReadoutYText + " , " + ReadoutZText + " )");
  if (GuideBoxShown) DrawGuideBox(window_.Picture(), guidePoint_);
  guidePoint_ = p;
  DrawGuideBox(window_.Picture(), guidePoint_);
  GuideBoxShown = 1;
  window_.PictureChanged();
}

// The grid of the dragged point's plane, every tick step over twice the range.
void GraphMouse::DrawDragPlaneGrid() {
  const Extended step = eng.YTickStep, r = 2 * doc.SpaceRange, z = SpaceDragZ;
  if (!(step > 0) || r / step > kMaxGridLines) return;
  gfx::Canvas& c = window_.Picture();
  const gfx::Pen pen = c.pen;
  c.pen = gfx::Pen{kDragGridColor, 1, gfx::PenStyle::Solid, gfx::PenMode::Copy};
  auto line = [&](Extended x1, Extended y1, Extended x2, Extended y2) {
    const TSpacePoint a = Projected(x1, y1, z), b = Projected(x2, y2, z);
    c.MoveTo(WorldToScreenX(a.x), WorldToScreenY(a.y));
    c.LineTo(WorldToScreenX(b.x), WorldToScreenY(b.y));
  };
  const int n = static_cast<int>(std::floor(r / step));
  for (int k = -n; k <= n; ++k) {
    line(k * step, -r, k * step, r);
    line(-r, k * step, r, k * step);
  }
  c.pen = pen;
}

// The guide box moves to the mouse lifted onto the height kept; (-1, -1) only erases it.
void GraphMouse::MoveGuideBox(int x, int y) {
  gfx::Canvas& c = window_.Picture();
  if (GuideBoxShown) DrawGuideBox(c, guidePoint_);
  GuideBoxShown = 0;
  TSpacePoint p;
  if (x >= 0 && Lift(1, SpaceDragZ, ViewPoint(x, y), p)) {
    guidePoint_ = p;
    DrawGuideBox(c, guidePoint_);
    GuideBoxShown = 1;
  }
  window_.PictureChanged();
}
