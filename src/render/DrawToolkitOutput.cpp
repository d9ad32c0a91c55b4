#include "render/DrawToolkitOutput.h"

#include <algorithm>

#include "formula/DocumentState.h"
#include "platform/Runtime.h"
#include "render/DrawToolkitColor.h"

int ScaleToOutput(int size) {
  const int s = std::max<int>(size, doc.LineWidthSetting);
  return static_cast<int>(rtl::Round(static_cast<Extended>(s) * settings.OutputScale));
}

int ScaleForThickness(int size) {
  if (doc.LineWidthSetting == 2) return static_cast<int>(rtl::Round(size * 1.1L));
  if (doc.LineWidthSetting == 3) return static_cast<int>(rtl::Round(size * 1.2L));
  return size;
}

void LfontFromFont(const gfx::Font& font, Tlfont& f) {
  f.name = font.name;
  f.size = font.Size();
  f.color = static_cast<int32_t>(font.color);
  f.style = font.style;
}

void ApplyLfont(const Tlfont& f, gfx::Font& font, std::uint8_t thicken, float scale) {
  font.SetSize(f.size);
  font.height = static_cast<int>(rtl::Round(static_cast<Extended>(font.height) * scale));
  if (thicken == 1) font.height = ScaleForThickness(font.height);
  if (font.height >= -7) font.height = -8;
  font.name = f.name;
  font.style = f.style;
  font.color = static_cast<gfx::Color>(f.color) & 0xFFFFFF;
}

void SetValueBoxStyle(gfx::Canvas& canvas) {
  ApplyLfont(doc.GraphFont, canvas.font, 1, settings.OutputScale);
  canvas.font.style |= gfx::fontstyle::kBold;
  canvas.brush.color = modes.OutputColorMode == 0 ? 0xD2FFFF : gfx::kWhite;
  canvas.brush.style = gfx::BrushStyle::Solid;
  canvas.pen.color = gfx::kBlack;
  canvas.pen.width = static_cast<int>(rtl::Round(static_cast<Extended>(settings.OutputScale)));
}

bool DrawingToMetafile() { return settings.DrawToMetafile && settings.MetafileCanvas; }

void CopyGraphBitmap(const gfx::Canvas& source, gfx::Canvas& dest, gfx::CopyMode copyMode) {
  if (settings.DrawToMetafile) return;
  const gfx::Rect all{0, 0, doc.GraphWidth, doc.GraphHeight};
  dest.CopyRect(all, source, all, copyMode);
}

void ClearGraphBitmap(gfx::Canvas& canvas) {
  if (settings.DrawToMetafile) return;
  canvas.brush.color = PaperColor(gfx::kWhite);
  canvas.brush.style = gfx::BrushStyle::Solid;
  canvas.FillRect(gfx::Rect{0, 0, doc.GraphWidth, doc.GraphHeight});
}

void DrawBevelFrame(gfx::Canvas& canvas, std::uint8_t style, const gfx::Rect& r, gfx::Color colour) {
  canvas.brush.style = gfx::BrushStyle::Solid;
  canvas.brush.color = colour;
  canvas.FillRect(r);
  if (r.Width() < 2 || r.Height() < 2) return;
  const gfx::Pen saved = canvas.pen;
  canvas.pen = gfx::Pen{};
  const gfx::Color light = gfx::kWhite, dark = 0x808080;
  auto edge = [&](gfx::Color topLeft, gfx::Color bottomRight) {
    canvas.pen.color = topLeft;
    canvas.MoveTo(r.left, r.bottom - 1);
    canvas.LineTo(r.left, r.top);
    canvas.LineTo(r.right - 1, r.top);
    canvas.pen.color = bottomRight;
    canvas.LineTo(r.right - 1, r.bottom - 1);
    canvas.LineTo(r.left, r.bottom - 1);
  };
  if (style == 1) edge(light, dark);
  else if (style == 2) edge(dark, light);
  else edge(dark, dark);
  canvas.pen = saved;
}

gfx::Canvas& OutputCanvas(gfx::Canvas& given, unsigned copy) {
  if (!DrawingToMetafile()) return given;
  gfx::Canvas& mf = *settings.MetafileCanvas;
  if (&mf == &given) return given;
  if (copy & kCopyPen) mf.pen = given.pen;
  if (copy & kCopyBrush) mf.brush = given.brush;
  if (copy & kCopyFont) mf.font = given.font;
  ApplyOutputModeToMetafile();
  return mf;
}
