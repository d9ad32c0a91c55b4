#include "platform/RasterText.h"

#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <tuple>

#include "platform/FontMap.h"
#include "platform/SjisQt.h"

namespace gfx::raster {

// Fonts: one QFont and its metrics per face, height and style.

const QtFont& Resolve(const Font& f) {
  static std::map<std::tuple<std::string, int, int>, QtFont> cache;
  const auto key = std::make_tuple(f.name, f.height, static_cast<int>(f.style));
  auto it = cache.find(key);
  if (it != cache.end()) return it->second;
  QFont q(FontFamilyFor(f.name));
  q.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferMatch));
  q.setHintingPreference(QFont::PreferFullHinting);
  q.setKerning(false);
  q.setBold(f.style & fontstyle::kBold);
  q.setItalic(f.style & fontstyle::kItalic);
  q.setUnderline(f.style & fontstyle::kUnderline);
  q.setStrikeOut(f.style & fontstyle::kStrikeOut);
  int h = f.height == 0 ? 16 : std::abs(f.height);
  h = std::min(h, 4000);
  if (f.height > 0) {
    // A positive height is the whole cell: find the em size whose cell is that high.
    q.setPixelSize(100);
    const int cell = std::max(1, QFontMetrics(q).height());
    h = std::max(1, static_cast<int>(std::lrint(h * 100.0 / cell)));
  }
  q.setPixelSize(std::max(1, h));
  return cache.emplace(key, QtFont{q, QFontMetrics(q)}).first->second;
}

const RenderedText& Glyphs(const Font& f, std::string_view cp932) {
  static std::map<std::string, RenderedText> cache;
  std::string key = f.name;
  key += '\0';
  key += std::to_string(f.height) + ' ' + std::to_string(f.style);
  key += '\0';
  key.append(cp932);
  auto it = cache.find(key);
  if (it != cache.end()) return it->second;
  if (cache.size() > 8192) cache.clear();

  const QtFont& q = Resolve(f);
  const QString text = sjis::ToQString(cp932);
  RenderedText r;
  r.width = q.metrics.horizontalAdvance(text);
  r.height = q.metrics.height();
  // Room for italic overhangs on both sides and for glyphs beyond the cell.
  const int pad = q.metrics.height() + 2;
  QImage scratch(std::max(1, r.width + 2 * pad), std::max(1, r.height + 2 * pad), QImage::Format_RGB32);
  scratch.fill(0xFFFFFFFFu);
  {
    QPainter p(&scratch);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setRenderHint(QPainter::TextAntialiasing, false);
    p.setFont(q.font);
    p.setPen(QColor(Qt::black));
    p.drawText(pad, pad + q.metrics.ascent(), text);
  }
  for (int j = 0; j < scratch.height(); ++j) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(scratch.constScanLine(j));
    for (int i = 0; i < scratch.width();) {
      if ((row[i] & 0xFFFFFF) == 0xFFFFFF) {
        ++i;
        continue;
      }
      const int start = i;
      while (i < scratch.width() && (row[i] & 0xFFFFFF) != 0xFFFFFF) ++i;
      r.ink.push_back(Span{j - pad, start - pad, i - pad});
    }
  }
  return cache.emplace(std::move(key), std::move(r)).first->second;
}

}  // namespace gfx::raster
