#pragma once
// CSV point lists: "x,y" or "x,y,z" per line, read as a point sequence.
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formula/SpacePoint.h"

// One line: x is the number before the first ","; after it y up to a second "," and z up
// to a third (or y alone, z 0). x must be a number; y and z count 0 when they are not. A
// line ending in CR is read without it. nullopt when x is no number (an empty line too)
// or a field holds a number beyond the range of values; `bad` then names that field.
std::optional<TSpacePoint> ParseCsvPointLine(std::string_view line, std::string_view* bad = nullptr);

struct TCsvPoints {
  std::vector<TSpacePoint> points;  // in file order
  std::string error;                // UTF-8; empty when every line was read
};
// Every line of the text; the first bad line stops the reading with a message naming it.
// A text without lines is an error too.
TCsvPoints ParseCsvPoints(std::string_view text);
