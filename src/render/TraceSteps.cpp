#include "render/TraceSteps.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "formula/DocumentState.h"
#include "formula/Numeric.h"
#include "render/DrawToolkit.h"
#include "render/ImplicitTracing.h"
#include "render/TraceCells.h"

namespace {

constexpr Extended kHalfPi = std::numbers::pi_v<Extended> / 2;

// current + (dx, dy) turned by the angle a.
TracePoint Turned(const TracePoint& current, Extended dx, Extended dy, Extended a) {
  const Extended c = std::cos(a), s = std::sin(a);
  return {current.x + dx * c - dy * s, current.y + dy * c + dx * s, true};
}

// The steps of a curve that passes once through every cell of the grid. A closed curve that
// misses its start by more than a pixel, on a picture whose pixels cannot be read, would
// otherwise be followed round and round.
int64_t MaxStepsPerDirection(int width) {
  const int64_t cellSide = std::max<int>(TraceCellHeight, 1);
  const int64_t w = std::max<int64_t>(doc.GraphWidth, 1), h = std::max<int64_t>(doc.GraphHeight, 1);
  return std::max<int64_t>(w * h / (cellSide * width), 16);
}

bool MeetsPenColour(const gfx::Canvas& canvas, const TracePoint& q) {
  return canvas.Pixel(WorldToScreenX(q.x), WorldToScreenY(q.y)) == canvas.pen.color;
}

// Whether branches of the curve cross within a few pen widths of q: F changes sign at least
// four times round a circle about it. A step that lands on the other branch's stroke there
// goes on across the crossing, so that every branch reaches it and leaves it.
bool BranchesCrossNear(Tfrec*& F, const TracePoint& q, int width) {
  constexpr int kPoints = 32;
  const Extended radius = 2 * width + 2;  // pixels
  int changes = 0, first = 0, last = 0;
  for (int k = 0; k < kPoints; ++k) {
    const Extended a = 2 * std::numbers::pi_v<Extended> * k / kPoints;
    const Extended f =
        ImplicitValue(F, q.x + radius * std::cos(a) * doc.PixelSizeX, q.y + radius * std::sin(a) * doc.PixelSizeY);
    if (!eng.EvalDrawable) return false;
    const int s = Sign(f);
    if (s == 0) continue;
    if (first == 0)
      first = s;
    else if (s != last)
      ++changes;
    last = s;
  }
  if (last != first) ++changes;
  return changes >= 4;
}

// The newest segment of a trace is drawn one step late: a wide pen's stroke reaches the
// pixel of the next step, which the pen-colour test would take for an earlier curve.
class LateSegment {
 public:
  void Put(gfx::Canvas& canvas, const TracePoint& from, const TracePoint& to) {
    Draw(canvas);
    from_ = from;
    to_ = to;
    pending_ = true;
  }
  void Draw(gfx::Canvas& canvas) {
    if (pending_) DrawWorldLine(canvas, 4, from_.x, from_.y, to_.x, to_.y);
    pending_ = false;
  }

 private:
  TracePoint from_, to_;
  bool pending_ = false;
};

// The new sign of a step; a step that did not move along the axis keeps the old one, so
// that the next step cannot have length 0.
int StepSign(Extended delta, int previous) {
  const int s = Sign(delta);
  return s != 0 ? s : previous;
}

}  // namespace

TracePoint ArcSearch(Tfrec*& F, Extended dy, Extended dx, const TracePoint& current) {
  ImplicitValue(F, current.x + dx, current.y + dy);
  if (!eng.EvalDrawable) return {};
  const Extended r = std::sqrt(dx * dx + dy * dy);
  if (!(r > 0) || !std::isfinite(r)) return {};
  const Extended h = std::sqrt(doc.PixelSizeX * doc.PixelSizeX + doc.PixelSizeY * doc.PixelSizeY) / (16 * r);
  if (!(h > 0)) return {};
  Extended up = 0, down = 0, fUp = 0, fDown = 0;
  do {
    up += h;
    if (up > kHalfPi) return {};
    const TracePoint qUp = Turned(current, dx, dy, up);
    fUp = ImplicitValue(F, qUp.x, qUp.y);
    if (!eng.EvalDrawable) return {};
    if (fUp == 0) return qUp;
    down -= h;
    if (down < -kHalfPi) return {};
    const TracePoint qDown = Turned(current, dx, dy, down);
    fDown = ImplicitValue(F, qDown.x, qDown.y);
    if (!eng.EvalDrawable) return {};
    if (fDown == 0) return qDown;
  } while (Sign(fDown) * Sign(fUp) >= 0);
  TracePoint q;
  for (int round = 0; round < kMaxTraceRefinements; ++round) {
    const Extended middle = (down + up) / 2;
    q = Turned(current, dx, dy, middle);
    const Extended f = ImplicitValue(F, q.x, q.y);
    if (!eng.EvalDrawable) return {};
    if (std::fabs(f) < 1e-17L) return q;
    if (Sign(f) == Sign(fDown))
      down = middle;
    else if (Sign(f) == Sign(fUp))
      up = middle;
    if (std::fabs(up - down) < r * h / 16) break;
  }
  return q;
}

TracePoint TangentStep(Tfrec*& F, int sx, int sy, int width, Extended gy, Extended gx, const TracePoint& current) {
  Extended dx = 0, dy = 0;
  if (gx != 0 && gy == 0) {
    dy = sy * doc.PixelSizeY * width;
  } else if (gx != 0 && std::fabs(gy) > std::fabs(gx)) {
    dx = sx * doc.PixelSizeX * width;
    dy = dx * (-gx / gy);
  } else if (gx != 0) {
    dy = sy * doc.PixelSizeY * width;
    dx = dy * (-gy / gx);
  } else {
    dx = sx * doc.PixelSizeX * (width + 1);
  }
  return ArcSearch(F, dy, dx, current);
}

void TraceFromPoint(Tfrec*& F, const TracePoint& start, gfx::Canvas& canvas) {
  PlotWorldPoint(canvas, start.x, start.y);
  const int w = std::max(canvas.pen.width, 1);
  Extended gx = ImplicitSlopeX(start.x, start.y), gy = ImplicitSlopeY(start.x, start.y);
  if (gx == 0 && gy == 0) return;  // a singular point
  int startSx = 1, startSy = -Sign(gx) * Sign(gy);
  if (gx == 0) {
    startSy = 0;
  } else if (gy == 0) {
    startSx = 0;
    startSy = 1;
  }
  const int64_t maxSteps = MaxStepsPerDirection(w);
  int sx = startSx, sy = startSy;
  Extended previousGx = gx, previousGy = gy;
  TracePoint current = start;
  int64_t steps = 0;
  int pass = 0;
  LateSegment late;
  while (pass < 2) {
    if (sx == 0 && sy == 0) return;
    const TracePoint q = TangentStep(F, sx, sy, w, gy, gx, current);
    int ends = 0;
    if (!q.valid) {
      ends = 1;
    } else {
      if (MeetsPenColour(canvas, q) && !BranchesCrossNear(F, q, w)) ++ends;
      MarkTraceCells(current.x, current.y, q.x, q.y);
      late.Put(canvas, current, q);
      if (!PointInViewMargin(0, q.x, q.y)) {
        ++ends;
      } else if (std::fabs(q.x - start.x) < doc.PixelSizeX && std::fabs(q.y - start.y) < doc.PixelSizeY && steps > 2) {
        late.Put(canvas, q, start);
        late.Draw(canvas);
        return;
      }
      if (ends == 0 && steps + 1 >= maxSteps) ends = 1;
    }
    if (ends > 0) late.Draw(canvas);
    pass += ends;
    if (pass > 1) return;
    if (ends == 0) {
      previousGx = gx;
      previousGy = gy;
      sx = StepSign(q.x - current.x, sx);
      sy = StepSign(q.y - current.y, sy);
      current = q;
      ++steps;
    } else {
      current = start;
      steps = 0;
      sx = -startSx;
      sy = -startSy;
    }
    gx = ImplicitSlopeX(current.x, current.y);
    gy = ImplicitSlopeY(current.x, current.y);
    if (gx == 0 && gy == 0) {
      gx = previousGx;
      gy = previousGy;
    }
  }
}
