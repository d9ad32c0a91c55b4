// links: render
// Draws a page of every drawing primitive in colour, grey and black output and saves it
// as a PNG file, to look at the pixel rules by eye:
//   render_primitives [out.png]
// The colour panel is drawn on the bitmap canvas; the grey and black panels go through
// the print-picture road, where the output mode applies to every primitive.
#include <QGuiApplication>
#include <QImage>
#include <array>
#include <cmath>
#include <cstdio>
#include <numbers>

#include "formula/DocumentState.h"
#include "platform/RasterCanvas.h"
#include "platform/Sjis.h"
#include "render/DrawToolkit.h"
#include "render/PathUtils.h"

namespace {

constexpr int kPanelW = 420, kPanelH = 620;

void Label(gfx::Canvas& c, int x, int y, const char* utf8) {
  c.brush.style = gfx::BrushStyle::Clear;
  c.font.height = -14;
  c.font.color = gfx::kBlack;
  DrawMixedText(x, y, sj(utf8), 0, 1, 0, c);
}

void DrawPanel(gfx::Canvas& bitmap, const char* title) {
  // World: x 0..42, y 0..62, ten pixels per unit, y up.
  doc.ViewRange = TViewRange{0, 42, 0, 62};
  doc.GraphWidth = kPanelW;
  doc.GraphHeight = kPanelH;
  UpdatePixelSize(1);
  const Extended pi = std::numbers::pi_v<Extended>;
  gfx::Canvas& raw = OutputCanvas(bitmap, 0);  // raw canvas calls: output mode by hand

  Label(bitmap, 8, 4, title);

  // Solid and dashed world segments in the three widths, a ray and a whole line.
  Label(bitmap, 8, 26, "線 (1, 2, 3) と破線");
  const gfx::Color colours[] = {0x0000FF, 0x008000, 0xFF0000};
  for (int w = 1; w <= 3; ++w) {
    bitmap.pen.width = ScaleToOutput(w);
    bitmap.pen.color = OutputColor(colours[w - 1]);
    const Extended y = 57 - 2 * w;
    DrawWorldSegment(bitmap, 0, DashPattern(w), 1, y, 20, y);
    DrawWorldSegment(bitmap, 1, DashPattern(w), 22, y, 41, y);
  }
  bitmap.pen.width = 1;
  DrawStyledSegment(bitmap, OutputColor(0x800040), 0, 0, DashPattern(1), 30, 44, 34, 47);  // ray
  DrawLineThroughPoint(bitmap, 0x408000, 1, 10, 44, -0.15L);

  // Markers, filled and hollow, and arrowheads.
  Label(bitmap, 8, 190, "点と矢印");
  for (int i = 0; i < 4; ++i) {
    bitmap.pen.width = 1;
    DrawPointMarker(bitmap, 2 + i, 1, colours[i % 3], 3 + 4 * i, 39);
    DrawPointMarker(bitmap, 2 + i, 0, colours[(i + 1) % 3], 3 + 4 * i, 35);
  }
  bitmap.pen.color = OutputColor(0x8000FF);
  for (int style = 0; style <= 1; ++style) {
    bitmap.pen.width = ScaleToOutput(1 + 2 * style);
    DrawArrow(10, 0, bitmap, static_cast<std::uint8_t>(style), DashPattern(1), 0, 19, 40 - 4 * style, 30,
              38 - 4 * style);
    DrawArrow(12, 1, bitmap, static_cast<std::uint8_t>(style), DashPattern(1), 1, 31, 40 - 4 * style, 40,
              37 - 4 * style);
  }

  // Circles and arcs.
  Label(bitmap, 8, 290, "円と弧");
  DrawCircleArc(bitmap, OutputColor(0xFF0080), 1, 0, 2 * pi, 5, 28.5L, 3);
  DrawCircleArc(bitmap, OutputColor(0x0000FF), 2, 0, pi / 2, 14, 28.5L, 3);
  DrawCircleArc(bitmap, OutputColor(0x008000), 3, pi / 4, 7 * pi / 4, 23, 28.5L, 3);
  DrawCircleArc(bitmap, OutputColor(0x000000), 1, 0, 0.001L, 26, 28.5L, 3);  // one pixel
  bitmap.pen.width = 1;

  // Shapes with hatch brushes, a polygon, a Bezier curve and a flood fill.
  Label(bitmap, 8, 370, "塗り・ハッチ・ベジェ");
  const gfx::BrushStyle hatches[] = {gfx::BrushStyle::BDiagonal, gfx::BrushStyle::FDiagonal,
                                     gfx::BrushStyle::DiagCross, gfx::BrushStyle::Solid};
  for (int i = 0; i < 4; ++i) {
    raw.pen = gfx::Pen{};
    raw.pen.color = 0x202020;
    raw.brush.style = hatches[i];
    raw.brush.color = colours[i % 3];
    ApplyOutputModeToMetafile();
    const int x = 10 + 100 * i;
    if (i == 0) raw.Rectangle(x, 392, x + 80, 442);
    if (i == 1) raw.RoundRect(x, 392, x + 80, 442, 24, 24);
    if (i == 2) raw.Ellipse(x, 392, x + 80, 442);
    if (i == 3) {
      const gfx::Point tri[] = {{x, 442}, {x + 40, 392}, {x + 80, 442}};
      raw.Polygon(tri);
    }
  }
  raw.pen = gfx::Pen{};
  raw.pen.color = 0x0000FF;
  raw.pen.width = 2;
  ApplyOutputModeToMetafile();
  const gfx::Point bez[] = {{10, 520}, {60, 450}, {120, 560}, {180, 470}};
  raw.PolyBezier(bez);
  // The same curve dashed through a flattened path.
  raw.BeginPath();
  const gfx::Point bez2[] = {{10, 540}, {60, 470}, {120, 580}, {180, 490}};
  raw.PolyBezier(bez2);
  raw.EndPath();
  raw.FlattenPath();
  TPath path;
  path.LoadFromCanvas(raw);
  path.DrawPatterned(raw, OutputColor(0x008000), 1, DashPattern(2), 2);
  // A closed outline flood-filled up to its border.
  raw.pen = gfx::Pen{};
  raw.pen.color = 0x800040;
  raw.brush.style = gfx::BrushStyle::Clear;
  ApplyOutputModeToMetafile();
  raw.Ellipse(220, 460, 300, 520);
  raw.MoveTo(220, 490);
  raw.LineTo(300, 490);
  raw.brush.style = gfx::BrushStyle::Solid;
  raw.brush.color = 0x80FFFF;
  ApplyOutputModeToMetafile();
  raw.FloodFill(260, 475, raw.pen.color, gfx::FloodMode::Border);
  // Xor: the overlap of two xor rectangles shows the picture again.
  raw.pen = gfx::Pen{};
  raw.pen.mode = gfx::PenMode::Xor;
  raw.brush.style = gfx::BrushStyle::Solid;
  raw.brush.color = 0xFFFF00;
  raw.pen.color = 0xFFFF00;
  ApplyOutputModeToMetafile();
  raw.Rectangle(320, 455, 380, 500);
  raw.Rectangle(350, 480, 410, 525);
  raw.pen.mode = gfx::PenMode::Copy;

  // A value box of the calculus animations, and a star filled through a path.
  SetValueBoxStyle(raw);  // white in grey and black output already
  raw.RoundRect(300, 296, 412, 336, 10, 10);
  raw.font.color = OutputColor(0xFF0000);
  raw.TextOut(310, 306, sj("和＝ 1.2345"));
  raw.pen = gfx::Pen{};
  raw.brush.style = gfx::BrushStyle::DiagCross;
  raw.brush.color = 0x008000;
  ApplyOutputModeToMetafile();
  raw.BeginPath();
  gfx::Point star[5];
  for (int k = 0; k < 5; ++k) {
    const double t = pi / 2 + k * 4 * pi / 5;
    star[k] = gfx::Point{static_cast<int>(std::lrint(365 + 26 * std::cos(t))),
                         static_cast<int>(std::lrint(552 - 26 * std::sin(t)))};
  }
  raw.Polygon(star);
  raw.EndPath();
  raw.FillPath();
  raw.brush.style = gfx::BrushStyle::Clear;
  raw.Polygon(star);
  // Text: opaque on a solid brush, transparent on a clear one, several faces.
  bitmap.brush.style = gfx::BrushStyle::Solid;
  bitmap.brush.color = modes.OutputColorMode == 0 ? 0x80FFFF : gfx::kWhite;
  bitmap.font.height = -16;
  bitmap.font.color = gfx::kBlack;
  DrawMixedText(10, 586, sj("不透明 a*b θ=30ﾟ"), 0, 1, 0, bitmap);
  bitmap.brush.style = gfx::BrushStyle::Clear;
  DrawMixedText(200, 586, sj("透明 y=x^2+1"), 0, 0, 0, bitmap);
  raw.brush.style = gfx::BrushStyle::Clear;
  raw.font.name = sj("ＭＳ 明朝");
  raw.font.height = -14;
  raw.font.style = 0;
  raw.font.color = OutputColor(0xFF0000);
  raw.TextOut(300, 370, sj("明朝体"));
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const char* out = argc > 1 ? argv[1] : "primitives.png";
  ResetMiscSettings();
  ResetAllSettings(0);

  gfx::RasterCanvas page(3 * kPanelW + 40, kPanelH + 20, 0xE0E0E0);
  const std::array<const char*, 3> titles = {"カラー (colour)", "グレー (grey)", "白黒 (black)"};
  for (int mode = 0; mode < 3; ++mode) {
    gfx::RasterCanvas panel(kPanelW, kPanelH);
    gfx::RasterCanvas bitmap(kPanelW, kPanelH);
    modes.OutputColorMode = static_cast<std::uint8_t>(mode);
    settings.DrawToMetafile = mode == 0 ? 0 : 1;
    settings.MetafileCanvas = mode == 0 ? nullptr : &panel;
    DrawPanel(mode == 0 ? panel : bitmap, titles[mode]);
    settings.DrawToMetafile = 0;
    settings.MetafileCanvas = nullptr;
    const int x = 10 + mode * (kPanelW + 10);
    page.CopyRect(gfx::Rect{x, 10, x + kPanelW, 10 + kPanelH}, panel, gfx::Rect{0, 0, kPanelW, kPanelH},
                  gfx::CopyMode::Copy);
  }
  if (!page.Image().save(QString::fromLocal8Bit(out), "PNG")) {
    std::fprintf(stderr, "cannot write %s\n", out);
    return 1;
  }
  std::printf("%s\n", out);
  return 0;
}
