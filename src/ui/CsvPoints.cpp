#include "ui/CsvPoints.h"

#include <cmath>

#include "platform/Runtime.h"
#include "platform/Sjis.h"

namespace {

// A field that is a number must be one a value can hold: an overflow is no value.
bool Finite(std::string_view field, Extended& value, std::string_view* bad) {
  if (std::isfinite(value)) return true;
  if (bad) *bad = field;
  return false;
}

// y and z: text that is no number counts 0.
bool LenientField(std::string_view field, Extended& value, std::string_view* bad) {
  value = rtl::StrToFloatDef(field, 0);
  return Finite(field, value, bad);
}

}  // namespace

std::optional<TSpacePoint> ParseCsvPointLine(std::string_view line, std::string_view* bad) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  const size_t comma = line.find(',');
  const std::string_view x = line.substr(0, comma);
  TSpacePoint p;
  if (!rtl::TryStrToFloat(x, p.x)) {
    if (bad) *bad = x;
    return std::nullopt;
  }
  if (!Finite(x, p.x, bad)) return std::nullopt;
  if (comma != std::string_view::npos) {
    const std::string_view rest = line.substr(comma + 1);
    const size_t second = rest.find(',');
    if (!LenientField(rest.substr(0, second), p.y, bad)) return std::nullopt;
    if (second != std::string_view::npos) {
      const std::string_view z = rest.substr(second + 1);
      if (!LenientField(z.substr(0, z.find(',')), p.z, bad)) return std::nullopt;
    }
  }
  p.valid = 1;
  return p;
}

TCsvPoints ParseCsvPoints(std::string_view text) {
  TCsvPoints result;
  int lineNumber = 0;
  for (size_t start = 0; start < text.size();) {
    size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    const std::string_view line = text.substr(start, end - start);
    ++lineNumber;
    std::string_view bad;
    const std::optional<TSpacePoint> p = ParseCsvPointLine(line, &bad);
    if (!p) {
      const std::string shown(bad.substr(0, 40));
      result.points.clear();
      result.error = rtl::IntToStr(lineNumber) + " 行目の '" + sjis::ToUtf8(shown) + "' は数値ではありません。";
      return result;
    }
    result.points.push_back(*p);
    start = end + 1;
  }
  if (result.points.empty()) result.error = "点がありません。";
  return result;
}
