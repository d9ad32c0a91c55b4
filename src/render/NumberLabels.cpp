#include "render/NumberLabels.h"

#include <limits>

#include "formula/TextHelpers.h"
#include "platform/Runtime.h"
#include "platform/Sjis.h"

std::string DecimalTickText(Extended value, int index) {
  return rtl::FormatFloat(NumberFormatForIndex(index), value);
}

std::string TickLabelText(const TAxisTicks& ticks, int64_t k, bool xAxis) {
  if (k == 0) return "O";
  switch (ticks.unit) {
    case 0:
      return "";
    case 2: {
      constexpr int64_t kMax = std::numeric_limits<int>::max();
      if (k % 2 != 0 || k > kMax || k < -kMax) return "";
      const int64_t n = k * ticks.fraction.p;
      if (n > kMax || n < -kMax) return "";
      return PiFractionText(static_cast<int>(n), ticks.fraction.q);
    }
    case 3:
    case 4: {
      if (k % 2 != 0) return "";
      static const std::string& degreeX = sj("°");
      static const std::string& degreeY = sj("゜");
      return rtl::FloatToStr(k * ticks.step * 180) + (xAxis ? degreeX : degreeY);
    }
    default:
      return DecimalTickText(k * ticks.step, ticks.index);
  }
}

std::string TrimTrailingZeros(const std::string& text) {
  // Only decimals lose their zeros: "100" stays "100".
  if (text.find('.') == std::string::npos || text.find_first_of("Ee") != std::string::npos) return text;
  std::string s = text;
  while (s.size() > 1 && s.back() == '0') s.pop_back();
  if (s.size() > 1 && s.back() == '.') s.pop_back();
  return s;
}
