#include "animate/CalculusTexts.h"

#include <cmath>
#include <cstdlib>
#include <string_view>

#include "platform/Runtime.h"

namespace {

std::string ExponentText(std::string_view pattern, Extended v) {
  const size_t dot = pattern.find('.');
  const std::string mantissaPattern =
      dot == std::string_view::npos ? std::string("0") : "0" + std::string(pattern.substr(dot));
  int exponent = static_cast<int>(std::floor(std::log10(std::fabs(v))));
  if (std::fabs(v / std::pow(10.0L, exponent)) < 1) --exponent;
  std::string mantissa = rtl::FormatFloat(mantissaPattern, v / std::pow(10.0L, exponent));
  // 9.99999999 rounds up to 10.0000000.
  if (std::fabs(rtl::StrToFloatDef(mantissa, 0)) >= 10)
    mantissa = rtl::FormatFloat(mantissaPattern, v / std::pow(10.0L, ++exponent));
  const int size = std::abs(exponent);
  return mantissa + (exponent < 0 ? "E-" : "E+") + (size < 10 ? "0" : "") + rtl::IntToStr(size);
}

}  // namespace

std::string ValueText(const char* pattern, Extended v) {
  std::string text = rtl::FormatFloat(pattern, v);
  if (text.size() <= kMaxValueTextLength || !std::isfinite(v)) return text;
  return ExponentText(pattern, v);
}

std::string XValueText(Extended x) { return ValueText(kXValuePattern, x); }

std::string YValueText(Extended y) { return ValueText(kYValuePattern, y); }

std::string QuotientText(Extended dy, Extended dx) {
  if (XValueText(dx) == "0.0000") return kNoValueText;
  return XValueText(dy / dx);
}
