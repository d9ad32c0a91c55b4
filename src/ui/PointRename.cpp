#include "ui/PointRename.h"

#include <string_view>
#include <utility>

#include "formula/DocumentState.h"
#include "platform/Sjis.h"

namespace {

bool IsPointNumber(int n) { return n >= 1 && n <= kMaxPoints; }

bool StartsWith(std::string_view text, size_t at, std::string_view word) {
  return text.substr(at, word.size()) == word;
}

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsNonZeroDigit(char c) { return c >= '1' && c <= '9'; }

// Length of a token at `at` whose capitals are no point references, 0 when none starts
// there. The words are those the parser's text normalisation turns into markers.
size_t OtherTokenLength(std::string_view text, size_t at) {
  for (std::string_view word : {"MaxV", "MinV", "Max", "Min", "Ma", "Mi", "Sum", "C(", "P("})
    if (StartsWith(text, at, word)) return word.size();
  const char c = text[at];
  const char next = at + 1 < text.size() ? text[at + 1] : '\0';
  // F1.., Q1..: a defined function or constant.
  if ((c == 'F' || c == 'Q') && IsNonZeroDigit(next)) return 1;
  // The exponent of a number: a digit or point before, a non-zero digit (after a minus) behind.
  if (c == 'E' && at > 0 && (IsDigit(text[at - 1]) || text[at - 1] == '.')) {
    const char digit = next == '-' && at + 2 < text.size() ? text[at + 2] : next;
    if (IsNonZeroDigit(digit)) return 1;
  }
  return 0;
}

void RenameIn(std::string& text, char from, char to) { text = RenamePointReferences(text, from, to); }

// Every text of the document that may refer to a point.
template <class F>
void ForEachText(F f) {
  for (int e = 1; e <= doc.EntryCount; ++e) {
    Tfuncprop& entry = doc.FigureTable[e];
    for (std::string& text : entry.texts) f(text);
    f(entry.stepText);
  }
  for (std::string& text : doc.DefinedFunctionTexts) f(text);
  for (std::string& text : doc.DefinedConstantTexts) f(text);
  f(doc.IntervalLowerText);
  f(doc.IntervalUpperText);
  for (int i = 1; i <= doc.LabelCount && i <= kMaxLabels; ++i) {
    Tlabelrec& label = doc.LabelTable[i];
    f(label.xText);
    f(label.yText);
    f(label.zText);
  }
}

}  // namespace

std::string RenamePointReferences(const std::string& text, char from, char to) {
  std::string out = text;
  const std::string_view view(text);
  for (size_t i = 0; i < view.size();) {
    if (sjis::IsLeadByte(static_cast<unsigned char>(view[i])) && i + 1 < view.size()) {
      i += 2;
      continue;
    }
    if (const size_t skip = OtherTokenLength(view, i)) {
      i += skip;
      continue;
    }
    if (view[i] == from) out[i] = to;
    ++i;
  }
  return out;
}

bool RenamePointLetter(int from, int to) {
  if (!IsPointNumber(from) || !IsPointNumber(to) || from == to) return false;
  for (int e = 1; e <= doc.EntryCount; ++e) {
    const Tfuncprop& entry = doc.FigureTable[e];
    if (entry.kind == kKindPoint && entry.letter == to) return false;
  }
  const char oldLetter = PointNameOrder[from - 1], newLetter = PointNameOrder[to - 1];
  ForEachText([&](std::string& text) { RenameIn(text, oldLetter, newLetter); });
  for (int e = 1; e <= doc.EntryCount; ++e) {
    Tfuncprop& entry = doc.FigureTable[e];
    if (entry.letter == from) entry.letter = static_cast<uint8_t>(to);
    if (entry.letter2 == from) entry.letter2 = static_cast<uint8_t>(to);
  }
  // The point's records go with it; `to` named no point, so this is a move and exchanging
  // them again undoes it.
  std::swap(doc.PointSequences[from], doc.PointSequences[to]);
  std::swap(doc.PreviousPointPositions[from], doc.PreviousPointPositions[to]);
  std::swap(doc.PointSequenceDirty[from], doc.PointSequenceDirty[to]);
  std::swap(doc.PointLetterUsage[from], doc.PointLetterUsage[to]);
  std::swap(doc.PointLetterEntry[from], doc.PointLetterEntry[to]);
  std::swap(doc.PointSequenceMark[from], doc.PointSequenceMark[to]);
  return true;
}
