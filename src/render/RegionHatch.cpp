#include "render/RegionHatch.h"

#include <algorithm>

#include "formula/DocumentState.h"
#include "formula/Evaluator.h"
#include "formula/Numeric.h"
#include "platform/Runtime.h"
#include "render/HatchLines.h"

namespace {

// One hatch line y = o - x ("/", down = -1) or y = o + x ("\", down = +1) in pixels,
// walked from left to right.
class HatchLine {
 public:
  HatchLine(Tfrec*& tree, gfx::Canvas& canvas, int o, int down) : tree_(tree), canvas_(canvas), o_(o), down_(down) {}

  // From the start point at x = startX through the samples k = first .. last at x = h*k.
  void Walk(int startX, int first, int last, int h) {
    int previous = startX, pieceX = startX;
    bool wasInside = Inside(startX);
    for (int k = first; k <= last; ++k) {
      const int x = h * k;
      const bool inside = Inside(x);
      if (wasInside && !inside) {
        Draw(pieceX, Edge(previous, x));
      } else if (!wasInside && inside) {
        pieceX = Edge(x, previous);
      }
      wasInside = inside;
      previous = x;
    }
    if (wasInside) Draw(pieceX, previous);
  }

 private:
  int Y(int x) const { return o_ + down_ * x; }
  bool Inside(int x) const { return PixelInRegion(tree_, x, Y(x)); }

  // Three halvings between a point inside and one outside; the last inside point.
  int Edge(int inside, int outside) const {
    for (int step = 0; step < 3; ++step) {
      const int middle = (inside + outside) / 2;
      (Inside(middle) ? inside : outside) = middle;
    }
    return inside;
  }

  // A thin line leaves out its last pixel: the piece runs one pixel on.
  void Draw(int fromX, int toX) { DrawHatchSegment(canvas_, fromX, Y(fromX), toX + 1, Y(toX + 1)); }

  Tfrec*& tree_;
  gfx::Canvas& canvas_;
  int o_, down_;
};

int RoundedCount(int size, int s) { return static_cast<int>(rtl::Round(static_cast<Extended>(size) / s + 0.4L)); }

}  // namespace

bool PixelInRegion(Tfrec*& tree, int px, int py) {
  const Extended x = px * doc.PixelSizeX + doc.ViewRange.XMin, y = doc.ViewRange.YMax - py * doc.PixelSizeY;
  if (!PointInView(x, y)) return false;
  EvaluateTree(tree, x, y, 0);
  return eng.EvalDrawable != 0;
}

void HatchRegion(Tfrec*& tree, gfx::Canvas& canvas, std::uint8_t code, int s) {
  if (code < 1 || code > 3 || !tree) return;
  s = std::max(s, 2);  // halving needs a step of at least a pixel
  const int n = RoundedCount(doc.GraphWidth, s), m = RoundedCount(doc.GraphHeight, s), h = s / 2;
  if (code == 1 || code == 3) {
    // From the left edge, then from the bottom edge.
    for (int i = 1; i <= n + m; ++i) {
      const int o = s * i;
      HatchLine line(tree, canvas, o, -1);
      if (i < m)
        line.Walk(0, 1, 2 * std::min(n, i), h);
      else
        line.Walk(o - doc.GraphHeight, i - m + 1, 2 * std::min(n, i), h);
    }
  }
  if (code == 2 || code == 3) {
    // From the top edge, then from the left edge.
    for (int i = 1 - n; i <= m; ++i) {
      const int o = s * i;
      HatchLine line(tree, canvas, o, 1);
      const int last = 2 * (i < m - n ? n : m - i);
      if (i < 0)
        line.Walk(-o, -i + 1, last, h);
      else
        line.Walk(0, 1, last, h);
    }
  }
}
