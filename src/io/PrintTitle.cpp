#include "io/PrintTitle.h"

#include <algorithm>
#include <cstdlib>

#include "formula/DocumentState.h"
#include "platform/PrinterService.h"
#include "platform/RasterCanvas.h"
#include "platform/Runtime.h"
#include "render/DrawToolkitOutput.h"
#include "render/MarkupLayout.h"
#include "render/MarkupParse.h"
#include "render/MathLabel.h"

void ApplyPrinterTitleFont(gfx::Font& font, int dpi) {
  ApplyLfont(settings.PrintSettings.TitleFont, font, 0, static_cast<float>(dpi) / gfx::kPixelsPerInch);
}

void PrintTitle(platform::PrinterService& printer, const std::string& title, int left, int top) {
  if (title.empty()) return;
  gfx::RasterCanvas measure(1, 1);
  ApplyPrinterTitleFont(measure.font, printer.dpi());
  const int h = std::abs(measure.font.height);

  // Where the markup reaches when laid out from (0, 0): scripts may rise above the line
  // and fractions reach below it; the white box spans the line.
  MarkupTree tree = ParseMarkup(title);
  int reached = 0;
  LayoutMarkup(measure, reached, 0, 0, 0, tree.get(), measure.font.height);
  const int rise = std::min(0, SmallestTop(tree.get()));
  const int boxBottom = h + static_cast<int>(rtl::Round(h / 8.0L));
  const int margin = std::max(2, h / 4);  // slanted glyphs may lean past their advance
  const int width = std::max({reached, LargestRight(tree.get()), 1}) + margin;
  const int height = std::max(boxBottom, LargestLower(tree.get())) - rise + margin;

  // One row above the highest part keeps the typesetter from moving it down.
  const int y = 1 - rise;
  gfx::RasterCanvas picture(width, height + 1);
  ApplyPrinterTitleFont(picture.font, printer.dpi());
  picture.brush.style = gfx::BrushStyle::Solid;
  picture.brush.color = gfx::kWhite;
  int x = 0, fontHeight = 0;
  const uint8_t recording = settings.DrawToMetafile;
  settings.DrawToMetafile = 0;
  DrawMathLabelBoxed(picture, x, y, 0, 0, title, fontHeight);
  settings.DrawToMetafile = recording;
  printer.drawImage(picture.Image(), left, top - y, picture.Width(), picture.Height());
}
