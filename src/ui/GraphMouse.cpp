#include "ui/GraphMouse.h"

#include <cmath>
#include <numbers>

#include "animate/ParameterPanelModel.h"
#include "animate/TimerJobs.h"
#include "formula/ConstructedPoints.h"
#include "formula/ConstructionOperands.h"
#include "formula/DocumentState.h"
#include "formula/EvalHelpers.h"
#include "formula/Records.h"
#include "formula/VectorGeometry.h"
#include "platform/Runtime.h"
#include "render/DrawToolkitMapping.h"
#include "render/RedrawPipeline.h"
#include "render/RenderState.h"
#include "render/ViewZoom2D.h"
#include "render/LabelDrawing.h"
#include "ui/LabelDrag.h"

namespace {

constexpr gfx::Color kShiftLineColor = 0x00FFFF;  // yellow

bool IsDraggedCircle(const Tfuncprop& e) { return e.kind == kKindFigure && e.subkind == 8 && e.dragClass == 9; }
bool IsDraggablePoint(const Tfuncprop& e) {
  return e.kind == kKindPoint && e.signedSubkind() < 100 && e.dragClass != 10;
}

// Element 0 of the entry's point; nil when it has none.
TSpacePoint* PointOf(const Tfuncprop& e) {
  if (e.letter < 1 || e.letter > kMaxPoints || doc.PointSequences[e.letter].empty()) return nullptr;
  return &doc.PointSequences[e.letter][0];
}

// Any of the 3 x 3 pixels about (x, y) of the drawing is not white.
bool SomethingDrawnAt(int x, int y) {
  gfx::Canvas& c = CompositeCanvas();
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx) {
      const gfx::Color p = c.Pixel(x + dx, y + dy);
      if (p != gfx::kWhite && p != gfx::kInvalidColor) return true;
    }
  return false;
}

std::string PairText(const std::string& x, const std::string& y, const char* open, const char* close) {
  return open + x + " , " + y + close;
}

}  // namespace

GraphMouse::GraphMouse(GraphMouseHost& window, TimerJobs& timer) : window_(window), timer_(timer) {
  timer_.SetJobAction(job::DragReadouts, [this] { Tick(); });
}

GraphMouse::~GraphMouse() { timer_.SetJobAction(job::DragReadouts, nullptr); }

bool GraphMouse::InPlane() const { return doc.Dimension != 3; }

int GraphMouse::Target() const {
  const int e = ui.DragTarget[0];
  return e >= 1 && e <= doc.EntryCount ? e : 0;
}

// --- events --------------------------------------------------------------------------------

void GraphMouse::Press(Button button, int x, int y) {
  MouseDownX = MouseCurrentX = x;
  MouseDownY = MouseCurrentY = y;
  stepX_ = x, stepY_ = y;
  if (button == Button::Right) RightButtonDown = 1;
  if (ui.GraphMouseMode) {
    if (LabelDrag* labels = window_.Labels()) {
      if (labels->Press(x, y, window_.Picture())) window_.HideDragHint();
      window_.PictureChanged();
    } else {
      modes.SnapMode = 2;
    }
    return;
  }
  if (InPlane())
    PlanePress(x, y);
  else
    SpacePress(x, y);
}

void GraphMouse::Move(int x, int y) {
  MouseCurrentX = x;
  MouseCurrentY = y;
  if (InPlane() && modes.SnapMode == 1) return;  // the timer's steps follow the mouse
  window_.RaiseNavigatorPanel();
  if (ui.GraphMouseMode) {
    LabelDrag* labels = window_.Labels();
    if (labels && modes.SnapMode == 3) {
      labels->Move(x, y, window_.Picture());
      window_.PictureChanged();
    } else if (labels && labels->Over(x, y)) {
      const gfx::Rect& box = labelSelection.CurrentLabelBox;
      window_.ShowDragHint(box.right, box.bottom, 0, 0);
      window_.SetCursor(GraphMouseHost::Cursor::Drag);
    } else {
      window_.HideDragHint();
      window_.SetCursor(GraphMouseHost::Cursor::Cross);
    }
    return;
  }
  if (!InPlane()) {
    if (modes.SnapMode == 1)
      SpaceDragMove(x, y);
    else
      SpaceHover(x, y);
    return;
  }
  PlaneReadout(x, y);
  if (modes.SnapMode == 0) {
    ShiftBand(bandX_, bandY_);
    ShiftBand(x, y);
    window_.PictureChanged();
    ShiftPreview(x, y);
  } else {
    PlaneHover(x, y);
  }
}

void GraphMouse::Release(Button, int x, int y) {
  MouseCurrentX = x;
  MouseCurrentY = y;
  if (ui.GraphMouseMode) {
    if (LabelDrag* labels = window_.Labels()) {
      labels->Release(window_.Picture());
      window_.PictureChanged();
    }
  } else if (modes.SnapMode == 0) {
    modes.SnapMode = 2;
    window_.ReleaseDragShift();
    ShiftBand(bandX_, bandY_);  // drawn twice, the band is gone
    window_.PictureChanged();
    window_.ShowRange();
    if (x != MouseDownX || y != MouseDownY) {
      PanViewRange(MouseDownX, MouseDownY, x, y);
      RedrawAll();
    }
  } else if (modes.SnapMode == 1) {
    EndPointDrag();
  }
  modes.SnapMode = 2;
}

void GraphMouse::DoubleClick(Button button, int x, int y) {
  if (InPlane() && !ui.GraphMouseMode) {
    PlaneReadout(x, y);
    CentreViewOnAndRedraw(MouseWorldPoint.x, MouseWorldPoint.y);
  }
  Press(button, x, y);
}

void GraphMouse::Cancel() {
  if (modes.SnapMode != 2) Release(Button::Left, MouseCurrentX, MouseCurrentY);
}

void GraphMouse::Tick() {
  if (modes.SnapMode != 1 || !InPlane()) {
    timer_.SetEnabled(false);
    return;
  }
  if (MouseCurrentX != stepX_ || MouseCurrentY != stepY_) PlaneDragStep();
}

// --- plane ---------------------------------------------------------------------------------

void GraphMouse::PlaneReadout(int x, int y) {
  MouseWorldPoint = SnappedToGrid(x, y);
  ReadoutXText = FormatCoordinate(MouseWorldPoint.x, doc.PixelSizeX);
  ReadoutYText = FormatCoordinate(MouseWorldPoint.y, doc.PixelSizeY);
  window_.ShowReadout(PairText(ReadoutXText, ReadoutYText, "( ", " )"));
}

void GraphMouse::PlaneHover(int x, int y) {
  window_.SetCursor(GraphMouseHost::Cursor::Cross);
  window_.HideDragHint();
  ui.DragTarget[0] = 0;
  PointPicked = 0;
  if (SomethingDrawnAt(x, y)) {
    const Extended mx = MouseWorldPoint.x, my = MouseWorldPoint.y;
    for (int i = doc.EntryCount; i > doc.FunctionEntryCount && !PointPicked; --i) {
      const Tfuncprop& e = doc.FigureTable[i];
      if (!e.shown) continue;
      if (IsDraggedCircle(e)) {
        TSpacePoint centre;
        Extended r = 0;
        if (!FetchFigurePoint(i, centre) || !DrawableValueOfText(e.texts[1], r)) continue;
        const Extended d2 = (mx - centre.x) * (mx - centre.x) + (my - centre.y) * (my - centre.y);
        if (std::fabs(d2 - r * r) >= 2 * (doc.PixelSizeX + doc.PixelSizeY)) continue;
      } else if (IsDraggablePoint(e)) {
        const TSpacePoint* p = PointOf(e);
        // An invalid point sits nowhere to be picked.
        if (!p || !p->valid || std::fabs(mx - p->x) >= 3 * doc.PixelSizeX || std::fabs(my - p->y) >= 3 * doc.PixelSizeY)
          continue;
        window_.ShowDragHint(x, y, 10, -40);
        window_.SetCursor(GraphMouseHost::Cursor::Drag);
      } else {
        continue;
      }
      ui.DragTarget[0] = static_cast<uint8_t>(i);
      PointPicked = 1;
    }
  }
  if (PointPicked && (doc.XAxisShown || doc.YAxisShown) && doc.CoordinateReadoutShown)
    window_.ShowInfo(FigureDescription(doc.FigureTable[ui.DragTarget[0]]), x, y, 20, 2);
  else
    window_.HideInfo();
}

void GraphMouse::PlanePress(int x, int y) {
  if (modes.SnapMode == 2) {
    PlaneReadout(x, y);
    PlaneHover(x, y);
  }
  if (const int e = Target(); e && PointPicked) {
    const Tfuncprop& entry = doc.FigureTable[e];
    if (IsDraggedCircle(entry) || (IsDraggablePoint(entry) && entry.dragClass != 6)) modes.SnapMode = 1;
  }
  if (window_.DragShiftDown()) {
    modes.SnapMode = 0;
    ShiftBand(x, y);
    window_.PictureChanged();
  }
  if (modes.SnapMode == 1) {
    window_.HideDragHint();
    timer_.SetInterval(kFastInterval);
    timer_.Arm(job::DragReadouts);
  }
}

void GraphMouse::PlaneDragStep() {
  const int e = Target();
  if (!e) {
    Cancel();
    return;
  }
  stepX_ = MouseCurrentX;
  stepY_ = MouseCurrentY;
  PlaneReadout(MouseCurrentX, MouseCurrentY);
  Tfuncprop& entry = doc.FigureTable[e];
  if (entry.kind == kKindFigure)
    DragRadius(entry);
  else
    DragPoint(e);
  if (doc.BackgroundDirty) RedrawBackground();
  ComposeGraph(0);
}

void GraphMouse::DragRadius(Tfuncprop& circle) {
  TSpacePoint centre;
  if (!FetchFigurePoint(Target(), centre)) return;
  Extended r = std::hypot(MouseWorldPoint.x - centre.x, MouseWorldPoint.y - centre.y);
  const Extended whole = rtl::RoundToEven(r);
  if (std::fabs(r - whole) < doc.PixelSizeX) r = whole;
  circle.texts[1] = FormatCoordinate(r, doc.PixelSizeX);
  window_.ShowInfo("r=" + circle.texts[1], MouseCurrentX, MouseCurrentY, 20, -10);
}

void GraphMouse::DragPoint(int index) {
  Tfuncprop& e = doc.FigureTable[index];
  const Extended mx = MouseWorldPoint.x, my = MouseWorldPoint.y;
  switch (e.dragClass) {
    case 0: case 1: e.texts[0] = ReadoutXText, e.texts[1] = ReadoutYText; break;
    case 2: case 4: e.texts[0] = ReadoutXText; break;
    case 3: case 5: e.texts[1] = ReadoutYText; break;
    case 7: {  // the ratio of a division point: the point follows the mouse's projection
      TSpacePoint ab[2];
      if (!FetchPoints(e.texts[0], 2, ab)) break;
      TSpacePoint mouse;
      mouse.x = mx, mouse.y = my;
      const Extended t = LineProjectionParam(mouse, ab[0], ab[1]);
      const Extended length = std::hypot(ab[1].x - ab[0].x, ab[1].y - ab[0].y);
      const Extended step = length > 0 ? doc.PixelSizeX / length : 1;
      e.texts[1] = FormatCoordinate(t, step);
      e.texts[3] = FormatCoordinate(1 - t, step);
      break;
    }
    case 8: {  // the angle of a point on a circle; on the centre it keeps its angle
      TCircleOperand circle;
      if (!FetchCircle(e.texts[0], circle)) break;
      const Extended dx = mx - circle.centre.x, dy = my - circle.centre.y;
      const Extended d = std::hypot(dx, dy);
      if (d == 0) break;
      Extended angle = std::atan2(dy, dx);
      if (angle < 0) angle += 2 * std::numbers::pi_v<Extended>;
      e.texts[1] = FormatCoordinate(angle, doc.PixelSizeX / d);
      break;
    }
    default: break;
  }
  if (TSpacePoint* p = PointOf(e)) {
    ComputeConstructedPoint(index, *p);
    ShowDraggedPoint(*p);
  }
}

void GraphMouse::ShowDraggedPoint(const TSpacePoint& p) {
  const std::string x = FormatCoordinate(p.x, doc.PixelSizeX), y = FormatCoordinate(p.y, doc.PixelSizeY);
  window_.ShowReadout(PairText(x, y, "( ", " )"));
  if (doc.CoordinateReadoutShown && p.valid)
    window_.ShowInfo(PairText(x, y, "(", ")"), WorldToScreenX(p.x), WorldToScreenY(p.y), 20, 2);
  else
    window_.HideInfo();
}

// The end of a drag in the plane or in space.
void GraphMouse::EndPointDrag() {
  timer_.SetEnabled(false);
  modes.SnapMode = 2;
  const int e = Target();
  if (!e) return;
  // The mouse may have moved since the last step.
  if (InPlane() && (MouseCurrentX != stepX_ || MouseCurrentY != stepY_)) PlaneDragStep();
  Tfuncprop& entry = doc.FigureTable[e];
  if (TSpacePoint* p = PointOf(entry); p && entry.kind == kKindPoint) ComputeConstructedPoint(e, *p);
  window_.RebuildNavigatorList();
  if (InPlane()) {
    if (doc.BackgroundDirty) RedrawBackground();
    ComposeGraph(0);
    window_.SaveContinuousFrame();
  } else {
    GuideBoxShown = 0;  // the picture is drawn anew
    RedrawAll();
  }
  RunChangeHandlers(e);
  if (!InPlane()) {
    // The mouse, the drag hint and the read-out go to where the point is now.
    if (const TSpacePoint* p = PointOf(entry)) {
      Extended x = 0, y = 0;
      ProjectRecordPoint(*p, x, y);
      const TViewRange& v = doc.ViewRange;
      if (v.XMin <= x && x <= v.XMax && v.YMin <= y && y <= v.YMax) {
        const int px = WorldToScreenX(x), py = WorldToScreenY(y);
        window_.WarpCursor(px, py);
        SpaceHover(px, py);
        return;
      }
    }
    window_.HideDragHint();
    window_.HideInfo();
  }
}

// The dragged coordinates as a change list to the macro's handlers.
void GraphMouse::RunChangeHandlers(int entry) {
  const Tfuncprop& e = doc.FigureTable[entry];
  DisposeValueList(settings.ValueChangeList);
  TValueNode* tail = nullptr;
  if (e.dragClass <= 6) {
    AppendFigureValueNodes(entry, tail);
  } else if (const TSpacePoint* p = PointOf(e)) {
    AppendValueNode(tail, e.letter * 100 + 1, p->x);
    AppendValueNode(tail, e.letter * 100 + 2, p->y);
  }
  ParameterPanel().ShowParameterValues();
  ParameterPanel().Host().RunMacroChangeHandlers(settings.ValueChangeList);
  DisposeValueList(settings.ValueChangeList);
}

// The frame of the drawing moved by the drag to (x, y), a line from the drag's start and a
// cross through (x, y), in not-xor: drawn again at the same place, it is gone.
void GraphMouse::ShiftBand(int x, int y) {
  bandX_ = x, bandY_ = y;
  gfx::Canvas& c = window_.Picture();
  const gfx::Pen pen = c.pen;
  const gfx::Brush brush = c.brush;
  const int dx = x - MouseDownX, dy = y - MouseDownY;
  c.brush.style = gfx::BrushStyle::Clear;
  c.pen = gfx::Pen{gfx::kBlack, 3, gfx::PenStyle::Solid, gfx::PenMode::NotXor};
  c.Rectangle(dx, dy, doc.GraphWidth + dx, doc.GraphHeight + dy);
  c.pen = gfx::Pen{kShiftLineColor, 1, gfx::PenStyle::Solid, gfx::PenMode::NotXor};
  c.MoveTo(MouseDownX, MouseDownY);
  c.LineTo(x, y);
  c.pen = gfx::Pen{gfx::kBlack, 2, gfx::PenStyle::Solid, gfx::PenMode::NotXor};
  c.MoveTo(0, y);
  c.LineTo(doc.GraphWidth, y);
  c.MoveTo(x, 0);
  c.LineTo(x, doc.GraphHeight);
  c.pen = pen;
  c.brush = brush;
}

// The status bar shows the range the release would give.
void GraphMouse::ShiftPreview(int x, int y) {
  const TViewRange kept = doc.ViewRange;
  PanViewRange(MouseDownX, MouseDownY, x, y);
  window_.ShowRange();
  doc.ViewRange = kept;
}
