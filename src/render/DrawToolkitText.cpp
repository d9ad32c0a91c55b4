#include "render/DrawToolkitText.h"

#include <cstdlib>
#include <string>

#include "formula/DocumentState.h"
#include "platform/Runtime.h"
#include "platform/Sjis.h"
#include "render/DrawToolkitOutput.h"

void SelectCharFont(std::string_view ch, gfx::Canvas& canvas, int& y, std::uint8_t style, std::uint8_t doubleByte) {
  static const std::string& gothic = sj("MS ｺﾞｼｯｸ");
  static const std::string& degree = sj("ﾟ");
  gfx::Font& f = canvas.font;
  if (doubleByte) {
    f.charset = 128;
    f.name = gothic;
    f.style = style == 1 ? gfx::fontstyle::kBold : 0;
    const int h = std::abs(f.height);
    const int reduced = static_cast<int>(rtl::Round(h * 0.8L));
    f.height = reduced;  // a positive height: the cell
    y += h - reduced;
    return;
  }
  if (ch == degree) {
    f.charset = 128;
    f.name = gothic;
  } else {
    f.charset = 0;
    f.name = "times new roman";
  }
  const bool lower = ch.size() == 1 && ch[0] >= 'a' && ch[0] <= 'z';
  f.style = style != 2 && lower ? gfx::fontstyle::kBold | gfx::fontstyle::kItalic : gfx::fontstyle::kBold;
}

int DrawMixedText(int x, int y, std::string_view text, std::uint8_t keepFont, int style, std::uint8_t measureOnly,
                  gfx::Canvas& canvas, bool keepAsterisks) {
  gfx::Canvas* target = &canvas;
  if (DrawingToMetafile() && settings.MetafileCanvas != &canvas) {
    // Text takes the font and the brush as they are; only the font turns black.
    target = settings.MetafileCanvas;
    target->font = canvas.font;
    target->brush = canvas.brush;
    if (modes.OutputColorMode != 0) target->font.color = gfx::kBlack;
  }
  target->font.charset = 1;
  std::size_t i = 0;
  while (i < text.size()) {
    // A lead byte takes its trail byte along; a lead byte at the very end stands alone.
    const bool pair = sjis::IsLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size();
    std::string_view ch = text.substr(i, pair ? 2 : 1);
    i += ch.size();
    if (ch == "*" && !keepAsterisks) ch = " ";
    const int savedY = y, savedHeight = target->font.height;
    if (!keepFont) SelectCharFont(ch, *target, y, static_cast<std::uint8_t>(style), pair ? 1 : 0);
    if (!measureOnly) target->TextOut(x, y, ch);
    x += target->TextWidth(ch);
    y = savedY;
    target->font.height = savedHeight;
  }
  return x;
}

void DrawAxisNumberText(int x, int y, std::string_view text, gfx::Canvas& canvas) {
  if (doc.AxisNumbersShown) DrawMixedText(x, y, text, doc.GraphFontCustom, 1, 0, canvas);
}
