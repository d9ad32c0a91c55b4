#include "render/ConicEllipse.h"

#include <cmath>
#include <cstdlib>
#include <numbers>
#include <vector>

#include "render/DrawToolkit.h"
#include "render/ExplicitCurves.h"

void DrawConicEllipse(gfx::Canvas& canvas, std::uint8_t dashed, int width, Extended cx, Extended cy, Extended theta,
                      Extended ry, Extended rx) {
  gfx::Canvas& target = OutputCanvas(canvas, kCopyPen);
  const int x1 = WorldToScreenX(cx - rx), x2 = WorldToScreenX(cx + rx);
  const int y1 = WorldToScreenY(cy + ry), y2 = WorldToScreenY(cy - ry);
  if ((theta == 0 || rx == ry) && !dashed &&
      std::abs(x1) + std::abs(x2) + std::abs(y1) + std::abs(y2) <= 15999) {
    target.brush.style = gfx::BrushStyle::Clear;
    target.Ellipse(x1, y1, x2, y2);
    return;
  }
  constexpr int kSteps = 180;
  const Extended step = std::numbers::pi_v<Extended> / 90;
  const Extended c = std::cos(theta), s = std::sin(theta);
  std::vector<gfx::Point> pixels;
  pixels.reserve(kSteps + 2);
  for (int k = 0; k <= kSteps; ++k) {
    const Extended t = k * step;
    const Extended u = rx * std::cos(t), w = ry * std::sin(t);
    pixels.push_back({WorldToScreenX(cx + u * c - w * s), WorldToScreenY(cy + u * s + w * c)});
  }
  pixels.push_back(pixels.front());
  StrokePolyline(target, pixels, DashPattern(width), dashed);
}
