#include "ui/CsvPoints.h"

#include <algorithm>

#include "platform/Runtime.h"
#include "platform/Sjis.h"

std::optional<TSpacePoint> ParseCsvPointLine(std::string_view line) {
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  const size_t comma = line.find(',');
  TSpacePoint p;
  if (!rtl::TryStrToFloat(line.substr(0, comma), p.x)) return std::nullopt;
  if (comma != std::string_view::npos) {
    const std::string_view rest = line.substr(comma + 1);
    const size_t second = rest.find(',');
    p.y = rtl::StrToFloatDef(rest.substr(0, second), 0);
    if (second != std::string_view::npos) {
      const std::string_view z = rest.substr(second + 1);
      p.z = rtl::StrToFloatDef(z.substr(0, z.find(',')), 0);
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
    const std::optional<TSpacePoint> p = ParseCsvPointLine(line);
    if (!p) {
      std::string shown(line.substr(0, std::min<size_t>(line.find(','), 40)));
      if (!shown.empty() && shown.back() == '\r') shown.pop_back();
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
