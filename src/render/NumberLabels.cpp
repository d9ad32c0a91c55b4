#include "render/NumberLabels.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

#include "formula/DocumentState.h"
#include "formula/Evaluator.h"
#include "formula/Parser.h"
#include "formula/TextHelpers.h"
#include "formula/Tfrec.h"
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

namespace {

constexpr int kMaxLabelDecimals = 17;

// The number of decimals a suffix asks for; one that cannot be evaluated asks for none
// in particular (0). A negative count means no decimals at all.
int SuffixDecimals(const std::string& suffix) {
  const Extended v = EvaluateText(suffix, 0, 0, 0);
  if (!eng.EvalDrawable) return 0;
  return static_cast<int>(std::clamp<Extended>(std::nearbyint(v), -1, kMaxLabelDecimals));
}

std::string SignedTerm(const std::string& expression, Extended value, const std::string& number) {
  if (value == 0 && expression.starts_with("+0+")) return "";
  if (number.starts_with("-")) return "- " + number.substr(1);
  return "+ " + number;
}

}  // namespace

std::string FormatLabelValue(const std::string& text, std::uint8_t& mode) {
  static const std::string& piSign = sj("π");
  static const std::string& degreeSign = sj("ﾟ");
  mode = kLabelValuePlain;
  eng.UseFigureFormulas = 1;
  std::string expression = text;
  std::string format = "0.0000";
  const int bar = FindCharSkippingDBCS('|', text, 1, static_cast<int>(text.size()));
  const bool suffixed = bar > 0;
  if (suffixed) {
    const std::string suffix = text.substr(bar);
    expression = text.substr(0, bar - 1);
    if (suffix == "pi") {
      mode = kLabelValuePi;
    } else if (suffix == "deg") {
      mode = kLabelValueDegrees;
    } else {
      const int n = SuffixDecimals(suffix);
      if (n != 0) {
        eng.UseFigureFormulas = 0;
        format = n > 0 ? "0." + std::string(n, '0') : "0";
      }
    }
  }

  std::string result = "******";
  const TreePtr tree = ParseExpression(expression, 3);
  if (eng.ParseOK && tree) {
    const Extended value = EvaluateTree(tree.get(), 0, 0, 0);
    if (eng.EvalDrawable) {
      const Extended pi = std::numbers::pi_v<Extended>;
      std::string number;
      if (mode == kLabelValuePi) {
        number = rtl::FormatFloat("0.000", value / pi) + piSign;
      } else if (mode == kLabelValueDegrees) {
        number = rtl::FormatFloat("0.00", value * 180 / pi) + degreeSign;
      } else if (!suffixed && eng.UseFigureFormulas && tree->exact) {
        number = rtl::IntToStr(tree->num);
        if (tree->den != 1 && tree->num != 0) number += "/" + rtl::IntToStr(tree->den);
      } else {
        number = TrimTrailingZeros(rtl::FormatFloat(format, value));
      }
      result = expression.starts_with("+") ? SignedTerm(expression, value, number) : number;
    }
  }
  eng.UseFigureFormulas = 0;
  return result;
}
