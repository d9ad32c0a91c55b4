#include "render/MarkedSegment.h"

#include "formula/DocumentState.h"
#include "platform/Runtime.h"
#include "render/DrawToolkit.h"
#include "render/FigureGeometry.h"

namespace {

int R(Extended v) { return static_cast<int>(rtl::Round(v)); }

}  // namespace

void DrawMarkedSegment(gfx::Canvas& canvas, Extended x1, Extended y1, Extended x2, Extended y2, std::uint8_t dashed,
                       std::span<const double> pattern, std::uint8_t markType) {
  DrawWorldSegment(canvas, dashed, pattern, x1, y1, x2, y2);
  const PixelVector d = PixelVectorOf({x1, y1}, {x2, y2});
  const Extended length = d.Length();
  if (!(length >= 10) || markType < 2 || markType > 5) return;
  const Extended ux = d.x / length, uy = d.y / length;  // along the segment
  const Extended nx = -uy, ny = ux;                     // across it
  const gfx::Point m = ScreenPointOf({(x1 + x2) / 2, (y1 + y2) / 2});
  const gfx::Color saved = canvas.pen.color;
  canvas.pen.color = modes.OutputColorMode == 0 ? 0x0000FF : gfx::kBlack;
  const int half = ScaleToOutput(5), gap = ScaleToOutput(3);
  auto tick = [&](Extended along) {
    const Extended cx = m.x + along * ux, cy = m.y + along * uy;
    DrawPixelLine(R(cx - half * nx), R(cy - half * ny), R(cx + half * nx), R(cy + half * ny), canvas);
  };
  switch (markType) {
    case 2: tick(0); break;
    case 3: tick(-gap); tick(gap); break;
    case 4: tick(-2 * gap); tick(0); tick(2 * gap); break;
    default: {
      const gfx::BrushStyle brush = canvas.brush.style;
      canvas.brush.style = gfx::BrushStyle::Clear;
      OutputCanvas(canvas, kCopyPen | kCopyBrush).Ellipse(m.x - half, m.y - half, m.x + half, m.y + half);
      canvas.brush.style = brush;
      break;
    }
  }
  canvas.pen.color = saved;
}
