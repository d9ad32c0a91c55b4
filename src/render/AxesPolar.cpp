#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <numbers>
#include <string>

#include "formula/DocumentState.h"
#include "platform/Runtime.h"
#include "render/Axes.h"
#include "render/AxesShared.h"
#include "render/DrawToolkit.h"
#include "render/NumberLabels.h"

namespace {

// A count of steps that fit in a length; none when there are more than any drawing can
// show or the length is not a number.
int64_t StepsIn(Extended length, Extended step) {
  const Extended n = std::floor(length / step);
  if (!(n >= 0) || n > kMaxTicksPerAxis) return 0;
  return static_cast<int64_t>(n);
}

}  // namespace

void DrawPolarAxes(gfx::Canvas& canvas, int pass) {
  const TViewRange& v = doc.ViewRange;
  const TAxisTicks tx = XAxisTicks();
  YAxisTicks();  // keeps the y step current for snapping
  const Extended s = AxisTickStep(tx.index, 1).step;
  const int64_t circles = StepsIn(v.XMax * 1.4142L, s);
  const int64_t numbers = StepsIn(v.XMax, s);
  const Extended pi = std::numbers::pi_v<Extended>;

  axes::SetGridPen(canvas);
  if (pass == 1) {
    const gfx::Color grid = canvas.pen.color;
    for (int64_t k = 1; k <= circles; ++k) DrawCircleArc(canvas, grid, 1, 0, 2 * pi, 0, 0, k * s);
    canvas.pen.color = grid;
    canvas.pen.width = 1;
    for (int j = 0; j < 12; ++j) {
      const Extended angle = j * pi / 6;
      DrawInfiniteLine(canvas, 0, std::sin(angle), -std::cos(angle), 0);
    }
  }

  // Both passes: the radius numbers, the name and the arrow.
  canvas.brush.style = gfx::BrushStyle::Clear;
  if (doc.AxisTicksShown) {
    const int top = WorldToScreenY(0) + std::abs(canvas.font.height) / 2;
    for (int64_t k = 1; k <= numbers - 1; ++k) {
      const std::string text = DecimalTickText(k * s, tx.index);
      const int w = axes::NumberTextWidth(canvas, text);
      DrawAxisNumberText(WorldToScreenX(k * s) - w / 2, top, text, canvas);
    }
  }
  canvas.pen.color = gfx::kBlack;
  canvas.font.color = gfx::kBlack;
  canvas.font.name = "Times New Roman";
  canvas.font.style = gfx::fontstyle::kBold | gfx::fontstyle::kItalic;
  canvas.pen.width = ScaleToOutput(std::min(std::max(doc.AxisWidth, doc.LineWidthSetting), std::uint8_t{2}));
  const int nameWidth = DrawMixedText(0, 0, doc.XAxisName, 1, 1, 1, canvas);
  const int nameHeight = canvas.TextHeight(doc.XAxisName);
  DrawMixedText(WorldToScreenX(v.XMax) - static_cast<int>(rtl::Round(1.2L * nameWidth)),
                WorldToScreenY(0) + static_cast<int>(rtl::Round(nameHeight / 3.0L)), "r", 1, 1, 0, canvas);
  if (settings.AxisWidthMode < 2) axes::AxisLine(canvas, 0, 0, v.XMax, 0);
}
