#include "render/OpenConics.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <utility>
#include <vector>

#include "formula/DocumentState.h"
#include "render/DrawToolkit.h"
#include "render/ExplicitCurveSampler.h"
#include "render/ExplicitCurves.h"

namespace {

// The values u = p·x + q·y − offset over the view, from one pixel before the smallest
// corner on, a pixel apart; a view so long along the axis that it would take more than
// kMaxCurveSamples points is walked in fewer, longer steps.
struct AxisWalk {
  Extended start = 0, step = 0;
  long count = 0;
  Extended At(long i) const { return start + i * step; }
};

AxisWalk WalkAcrossView(Extended p, Extended q, Extended offset) {
  const TViewRange& v = doc.ViewRange;
  const Extended corners[4] = {p * v.XMin + q * v.YMin, p * v.XMax + q * v.YMin, p * v.XMin + q * v.YMax,
                               p * v.XMax + q * v.YMax};
  const auto [lo, hi] = std::minmax_element(std::begin(corners), std::end(corners));
  AxisWalk walk;
  walk.step = doc.PixelSizeX;
  const Extended steps = (*hi - *lo) / walk.step;
  if (!std::isfinite(steps) || !(walk.step > 0)) return walk;
  if (steps + 2 > kMaxCurveSamples) {
    walk.count = kMaxCurveSamples;
    walk.step = (*hi - *lo) / (kMaxCurveSamples - 2);
  } else {
    walk.count = static_cast<long>(steps) + 2;
  }
  walk.start = *lo - offset - walk.step;
  return walk;
}

void Stroke(gfx::Canvas& canvas, std::vector<gfx::Point>& pixels, int width, std::uint8_t dashed) {
  StrokePolyline(canvas, pixels, DashPattern(width), dashed);
  pixels.clear();
}

}  // namespace

void DrawConicParabola(gfx::Canvas& canvas, std::uint8_t dashed, int width, Extended p, Extended q, Extended c0,
                       Extended c1, Extended c2) {
  const AxisWalk walk = WalkAcrossView(p, q, 0);
  std::vector<gfx::Point> pixels;
  pixels.reserve(static_cast<size_t>(walk.count));
  for (long i = 0; i < walk.count; ++i) {
    const Extended u = walk.At(i);
    const Extended w = c0 + c1 * u + c2 * u * u;
    pixels.push_back({WorldToScreenX(p * u - q * w), WorldToScreenY(q * u + p * w)});
  }
  Stroke(canvas, pixels, width, dashed);
}

void DrawConicHyperbola(gfx::Canvas& canvas, std::uint8_t dashed, int width, Extended cx, Extended cy,
                        Extended theta, Extended Q, Extended R) {
  if (Q < 0) {
    theta += std::numbers::pi_v<Extended> / 2;
    std::swap(Q, R);
  }
  const Extended c = std::cos(theta), s = std::sin(theta);
  const AxisWalk walk = WalkAcrossView(c, s, c * cx + s * cy);
  std::vector<gfx::Point> pixels;
  pixels.reserve(static_cast<size_t>(walk.count));
  for (const int side : {-1, 1}) {
    for (long i = 0; i < walk.count; ++i) {
      const Extended u = walk.At(i);
      const Extended w = side * std::sqrt((1 - R * u * u) / Q);
      pixels.push_back({WorldToScreenX(cx + u * c - w * s), WorldToScreenY(cy + w * c + u * s)});
    }
    Stroke(canvas, pixels, width, dashed);
  }
}
