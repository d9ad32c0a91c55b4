#pragma once
// Polylines and polygons given in view coordinates, cut at the view before they become
// pixels: the mapping clamps a pixel to +-32000 one coordinate at a time, which would turn
// a side running to a far vertex. Whatever maps within that range is drawn as it is.
#include <functional>
#include <span>
#include <vector>

#include "platform/Canvas.h"
#include "platform/Extended.h"

// A point of the view plane in world coordinates.
struct ViewPoint {
  Extended x = 0, y = 0;
};

// A polyline side by side as runs of pixels, each run handed to `draw`. A side with an end
// beyond the mapped range is clipped to the view widened by a pixel (ClipSegmentToView)
// first; the run ends where the side leaves the view, and a side the view does not show
// draws nothing.
class ClippedPolyline {
 public:
  using Draw = std::function<void(std::span<const gfx::Point>)>;
  explicit ClippedPolyline(Draw draw);

  // The side from p to q; p opens a run when none is open.
  void Side(const ViewPoint& p, const ViewPoint& q);
  // The open run drawn (a run within one pixel as two equal points) and closed.
  void Flush();

 private:
  void Add(const ViewPoint& p);

  Draw draw_;
  std::vector<gfx::Point> pixels_;
};

// A closed polygon in pixels. When every vertex maps unclamped, `fill` is the vertices and
// `outline` one run round them back to the first; otherwise `fill` is the polygon clipped
// to the view widened by a pixel (still one closed polygon; empty when nothing is left)
// and `outline` the runs of its sides that the view shows.
struct PixelPolygon {
  bool clipped = false;
  std::vector<gfx::Point> fill;
  std::vector<std::vector<gfx::Point>> outline;
};
PixelPolygon PolygonToPixels(std::span<const ViewPoint> vertices);
// Filled with the target's brush and outlined with its pen.
void DrawPixelPolygon(gfx::Canvas& target, const PixelPolygon& polygon);
