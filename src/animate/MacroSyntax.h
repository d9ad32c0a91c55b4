#pragma once
// The small pieces the macro compiler reads a line with: comments and blanks, tokens,
// the statement word, variables (letters and point coordinates), the ids of graphs and
// the numbers of labels and sound slots. Where a piece names something of the document
// (a point, an entry, a label) it is checked against the document as it is now.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One line as the compiler reads it: the text from its first "//" on removed, blanks
// (and control characters) trimmed at both ends. Empty for a line to skip.
std::string CleanMacroLine(std::string_view line);

// The tokens of a text, separated by blanks (a run of blanks separates like one).
std::vector<std::string> MacroTokens(std::string_view text);

// The word a statement starts with: the text up to the first blank, "(" or "=".
std::string StatementWord(std::string_view text);

// The items of an argument list, split at the commas outside parentheses and brackets;
// an empty text gives no items.
std::vector<std::string> SplitMacroArguments(std::string_view text);

// What a piece of text names, or the compile error it causes (error -1 when none).
struct MacroName {
  int32_t value = 0;
  int32_t error = -1;
  bool ok() const { return error < 0; }
};

// A variable: one letter a..z gives its alphabet position (any other single character
// is error 9); a point letter and an axis letter x, y or z give point number * 100 + 1,
// 2 or 3 (an unknown point, a bad axis or an axis the point cannot move along is error
// 10); anything longer is no variable (value 0).
MacroName MacroVariableCode(std::string_view token);

// The entry a graph id names: y n, y' n, z n, p n, r n, s n or a point letter.
MacroName MacroGraphEntry(std::string_view token);

// A label number 1..LabelCount, or 0 for "all" (error 12 otherwise).
MacroName MacroLabelNumber(std::string_view token);

// A sound slot 1..10 (error 12 otherwise).
MacroName MacroSlotNumber(std::string_view token);

// The point of a point-coordinate code and its axis (1 x, 2 y, 3 z).
inline int PointOfMacroCode(int32_t code) { return code / 100; }
inline int AxisOfMacroCode(int32_t code) { return code % 100; }
