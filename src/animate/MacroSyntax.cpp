#include "animate/MacroSyntax.h"

#include <cstring>

#include "animate/MacroLanguage.h"
#include "formula/DocumentState.h"
#include "platform/Runtime.h"

namespace {

constexpr char kGraphIdLetters[] = "yyzzprsABCDELMNRTGHJKSUVWPYFQOIZX ";

MacroName Error(int32_t code) { return {0, code}; }

bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Point number 1..25 of a capital letter, 0 for any other character.
int PointNumber(char c) {
  const char* at = std::strchr(PointNameOrder, c);
  if (!at || c == '\0') return 0;
  const int n = static_cast<int>(at - PointNameOrder) + 1;
  return n <= kMaxPoints ? n : 0;
}

bool PointExists(int n) {
  const int entry = doc.PointLetterEntry[n];
  return doc.PointLetterUsage[n].exists && entry >= 1 && entry <= doc.EntryCount;
}

// The axes a point can be moved along, by its entry's drag class; 1 x, 2 y, 3 z.
bool AxisExcluded(int dragClass, int axis) {
  switch (axis) {
    case 1: return dragClass == 3 || (dragClass >= 5 && dragClass <= 7);
    case 2: return dragClass == 2 || dragClass == 4 || dragClass == 6 || dragClass == 7;
    default: return (dragClass >= 1 && dragClass <= 3) || dragClass == 7;
  }
}

int FirstEntryOfKind(int kind) {
  int first = 1;
  for (int k = 1; k < kind; ++k) first += doc.KindCounts[k];
  return first;
}

}  // namespace

std::string CleanMacroLine(std::string_view line) {
  const size_t comment = line.find("//");
  if (comment != std::string_view::npos) line = line.substr(0, comment);
  while (!line.empty() && IsBlank(line.front())) line.remove_prefix(1);
  while (!line.empty() && IsBlank(line.back())) line.remove_suffix(1);
  return std::string(line);
}

std::vector<std::string> MacroTokens(std::string_view text) {
  std::vector<std::string> tokens;
  size_t i = 0;
  while (i < text.size()) {
    while (i < text.size() && text[i] == ' ') ++i;
    const size_t start = i;
    while (i < text.size() && text[i] != ' ') ++i;
    if (i > start) tokens.emplace_back(text.substr(start, i - start));
  }
  return tokens;
}

std::string StatementWord(std::string_view text) {
  const size_t end = text.find_first_of(" (=");
  return std::string(text.substr(0, end));
}

std::vector<std::string> SplitMacroArguments(std::string_view text) {
  std::vector<std::string> items;
  if (text.empty()) return items;
  int depth = 0;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '(' || c == '[') ++depth;
    if ((c == ')' || c == ']') && depth > 0) --depth;
    if (c == ',' && depth == 0) {
      items.emplace_back(text.substr(start, i - start));
      start = i + 1;
    }
  }
  items.emplace_back(text.substr(start));
  return items;
}

MacroName MacroVariableCode(std::string_view token) {
  if (token.size() == 1) {
    const char c = token[0];
    if (c >= 'a' && c <= 'z') return {c - 'a' + 1};
    return Error(kMacroBadVariable);
  }
  if (token.size() != 2) return {0};
  const int point = PointNumber(token[0]);
  const char* axes = "xyz";
  const char* at = token[1] ? std::strchr(axes, token[1]) : nullptr;
  if (point == 0 || !at || !PointExists(point)) return Error(kMacroBadPoint);
  const int axis = static_cast<int>(at - axes) + 1;
  if (AxisExcluded(doc.FigureTable[doc.PointLetterEntry[point]].dragClass, axis)) return Error(kMacroBadPoint);
  return {point * 100 + axis};
}

MacroName MacroGraphEntry(std::string_view token) {
  if (token.empty()) return Error(kMacroBadProcedure);
  const char* at = std::strchr(kGraphIdLetters, token[0]);
  if (!at || token[0] == '\0') return Error(kMacroBadProcedure);
  const bool plane = doc.Dimension != 3;
  if (token[0] >= 'A' && token[0] <= 'Z') {
    const int point = PointNumber(token[0]);
    if (token.size() != 1 || point == 0 || !PointExists(point)) return Error(kMacroBadProcedure);
    return {doc.PointLetterEntry[point]};
  }
  const bool derivative = token[0] == 'y' && token.size() > 1 && token[1] == '\'';
  int64_t n = 0;
  if (!rtl::TryStrToInt(token.substr(derivative ? 2 : 1), n)) return Error(kMacroBadProcedure);
  int kind = 0;
  switch (token[0]) {
    case 'y': kind = kKindExplicit; break;
    case 'z': kind = plane ? kKindRelation : kKindExplicit; break;
    case 'p': kind = kKindParametric; break;
    case 'r': kind = kKindPolar; break;
    default: kind = kKindFigure; break;
  }
  if (!plane && (token[0] == 'y' || token[0] == 'r')) return Error(kMacroBadProcedure);
  if (n < 1 || n > doc.KindCounts[kind]) return Error(kMacroMissing);
  const int entry = FirstEntryOfKind(kind) + static_cast<int>(n) - 1;
  if (!derivative) return {entry};
  const int first = FirstEntryOfKind(kKindDerivative);
  for (int e = first; e < first + doc.KindCounts[kKindDerivative]; ++e)
    if (doc.FigureTable[e].link == entry) return {e};
  return Error(kMacroMissing);
}

MacroName MacroLabelNumber(std::string_view token) {
  if (rtl::LowerCase(token) == "all") return {0};
  int64_t n = 0;
  if (!rtl::TryStrToInt(token, n) || n < 1 || n > doc.LabelCount) return Error(kMacroBadProcedure);
  return {static_cast<int32_t>(n)};
}

MacroName MacroSlotNumber(std::string_view token) {
  int64_t n = 0;
  if (!rtl::TryStrToInt(token, n) || n < 1 || n > kSoundSlots) return Error(kMacroBadProcedure);
  return {static_cast<int32_t>(n)};
}
