#include "render/DrawToolkitColor.h"

#include <algorithm>
#include <array>

#include "formula/DocumentState.h"
#include "platform/Runtime.h"

using gfx::Color;

Color KindDefaultColor(std::uint8_t kind, Color fallback) {
  switch (kind) {
    case 1: return 0x800040;
    case 2:
    case 5: return 0x8000FF;
    case 3: return 0xFF0080;
    case 4: return 0x408000;
    case 6: return 0x000000;
    default: return fallback;
  }
}

RgbLightness ColorToRGBLightness(Color c) {
  RgbLightness v{gfx::RedOf(c), gfx::GreenOf(c), gfx::BlueOf(c), 0};
  const int hi = std::max({v.r, v.g, v.b}), lo = std::min({v.r, v.g, v.b});
  v.l = static_cast<int>(rtl::Round(static_cast<Extended>(hi + lo) / 2));
  return v;
}

Color GreyOf(Color c) {
  if ((c & 0xFFFFFF) == 0xFFFFFF) return c;
  const int l = std::min(ColorToRGBLightness(c).l, 255);
  return static_cast<Color>(l) * 0x010101u;
}

Color LightenColor(Color c, int k) {
  k = std::clamp(k, 0, 5);
  auto ch = [k](int v) { return static_cast<int>(rtl::Round(static_cast<Extended>(v * (5 - k) + 255 * k) / 5)); };
  return gfx::Rgb(ch(gfx::RedOf(c)), ch(gfx::GreenOf(c)), ch(gfx::BlueOf(c)));
}

Color OutputColor(Color c) {
  if (modes.OutputColorMode == 2) return gfx::kBlack;
  if (modes.OutputColorMode == 1) c = GreyOf(c);
  if (settings.AfterImagePale && settings.AfterImageColorMode) c = LightenColor(c, 3);
  return c;
}

Color ScreenColor(Color c) { return c; }
Color PaperColor(Color c) { return c; }

void ApplyOutputModeToCanvas(gfx::Canvas& canvas) {
  if (modes.OutputColorMode == 1) canvas.pen.color = GreyOf(canvas.pen.color);
  if (modes.OutputColorMode == 2) canvas.pen.color = gfx::kBlack;
  if (modes.OutputColorMode == 1 || modes.OutputColorMode == 2) canvas.font.color = gfx::kBlack;
}

void ApplyOutputModeToMetafile() {
  if (!settings.DrawToMetafile || !settings.MetafileCanvas) return;
  gfx::Canvas& mf = *settings.MetafileCanvas;
  if (modes.OutputColorMode == 1) {
    mf.pen.color = GreyOf(mf.pen.color);
    mf.brush.color = GreyOf(mf.brush.color);
  } else if (modes.OutputColorMode == 2) {
    mf.pen.color = gfx::kBlack;
    mf.brush.color = gfx::kBlack;
  }
}

std::vector<Color> CreateGreyPalette(std::uint8_t n) {
  std::vector<Color> palette(static_cast<std::size_t>(n) + 1);
  for (int i = 0; i <= n; ++i) palette[i] = static_cast<Color>(n - i) * 0x010101u;
  return palette;
}

void ConvertToInvertedGrey(const gfx::Canvas& source, gfx::Canvas& dest) {
  const std::vector<Color> palette = CreateGreyPalette(255);
  const int w = std::min(source.Width(), dest.Width()), h = std::min(source.Height(), dest.Height());
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const Color c = source.Pixel(x, y);
      const int index = ((gfx::RedOf(c) + gfx::GreenOf(c) + gfx::BlueOf(c)) / 3) ^ 255;
      dest.SetPixel(x, y, palette[index]);
    }
}

gfx::BrushStyle HatchBrushStyle(std::uint8_t kind) {
  switch (kind) {
    case 1: return gfx::BrushStyle::BDiagonal;
    case 2: return gfx::BrushStyle::FDiagonal;
    case 3: return gfx::BrushStyle::DiagCross;
    default: return gfx::BrushStyle::Clear;
  }
}

std::span<const double> DashPattern(int penWidth) {
  static constexpr std::array<double, 2> thin{6, 3}, medium{3, 2}, thick{2, 1};
  if (penWidth == 1) return thin;
  if (penWidth == 2) return medium;
  return thick;
}
