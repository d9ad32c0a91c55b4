#pragma once
// Glyphs for the raster canvas: one Qt font and its metrics per face, height and style
// (never antialiased), and texts rendered once into runs of ink relative to the top-left
// corner of their cell, then copied on every use (axis numbers and names repeat on every
// redraw, and laying glyphs out again costs far more than copying them).
#include <QFont>
#include <QFontMetrics>
#include <string_view>
#include <vector>

#include "platform/RasterSpans.h"

namespace gfx::raster {

struct QtFont {
  QFont font;
  QFontMetrics metrics;
};
const QtFont& Resolve(const Font& f);

struct RenderedText {
  int width = 0, height = 0;  // advance and cell height
  std::vector<Span> ink;
};
const RenderedText& Glyphs(const Font& f, std::string_view cp932);

}  // namespace gfx::raster
