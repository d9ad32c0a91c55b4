#include "formula/FigureTableReferences.h"

#include "formula/DocumentState.h"
#include "formula/FigureTableOperands.h"
#include "platform/Runtime.h"
#include "platform/Sjis.h"

namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// A `link` names the entry a derivative comes from, or an explicit function's derivative.
bool HasLink(const Tfuncprop& e) { return e.kind == kKindExplicit || e.kind == kKindDerivative; }

// Figure numbers in the texts of points and figures: those above `removed` move down.
void RenumberFigureNumbers(int removedEntry, int removed) {
  for (int e = 1; e <= doc.EntryCount; ++e) {
    if (e == removedEntry) continue;
    Tfuncprop& entry = doc.FigureTable[e];
    TextRoles roles;
    if (entry.kind == kKindPoint)
      roles = PointOperandRoles(entry.subkind);
    else if (entry.kind == kKindFigure)
      roles = FigureOperandRoles(entry.subkind, doc.Dimension);
    else
      continue;
    for (int k = 0; k < 5; ++k) {
      int64_t n = 0;
      if (roles[k] == TextRole::Figure && rtl::TryStrToInt(rtl::Trim(entry.texts[k]), n) && n > removed)
        entry.texts[k] = rtl::IntToStr(n - 1);
    }
  }
}

void RenumberExplicitReferencesEverywhere(int removedEntry) {
  auto renumber = [removedEntry](std::string& text) { text = RenumberExplicitReferences(text, removedEntry); };
  for (int e = 1; e <= doc.EntryCount; ++e) {
    if (e == removedEntry) continue;
    Tfuncprop& entry = doc.FigureTable[e];
    for (std::string& text : entry.texts) renumber(text);
    renumber(entry.stepText);
  }
  for (std::string& text : doc.DefinedFunctionTexts) renumber(text);
  for (std::string& text : doc.DefinedConstantTexts) renumber(text);
  renumber(doc.IntervalLowerText);
  renumber(doc.IntervalUpperText);
}

}  // namespace

void ShiftReferencesForInsert(int target) {
  for (int e = 1; e <= doc.EntryCount; ++e) {
    Tfuncprop& entry = doc.FigureTable[e];
    if (HasLink(entry) && entry.link >= target) ++entry.link;
  }
  for (uint8_t& e : doc.PointLetterEntry)
    if (e >= target) ++e;
}

void ShiftReferencesForDelete(int i) {
  for (int e = 1; e <= doc.EntryCount; ++e) {
    Tfuncprop& entry = doc.FigureTable[e];
    if (e == i || !HasLink(entry) || entry.link == 0) continue;
    if (entry.link == i)
      entry.link = 0;
    else if (entry.link > i)
      --entry.link;
  }
  for (uint8_t& e : doc.PointLetterEntry) {
    if (e == i)
      e = 0;
    else if (e > i)
      --e;
  }
  const Tfuncprop& removed = doc.FigureTable[i];
  if (removed.kind == kKindFigure) RenumberFigureNumbers(i, i - KindGroupStart(kKindFigure) + 1);
  // "yN" names the N-th explicit function, which is entry N; only the plane has them.
  if (removed.kind == kKindExplicit && doc.Dimension != 3) RenumberExplicitReferencesEverywhere(i);
}

std::string RenumberExplicitReferences(const std::string& text, int removed) {
  // In a valid formula a "y" followed by a digit is always such a reference: a point's "Ay"
  // or "laty" followed by a digit does not parse, and no function name holds one.
  std::string out;
  out.reserve(text.size());
  const size_t size = text.size();
  for (size_t i = 0; i < size;) {
    const char c = text[i];
    if (sjis::IsLeadByte(static_cast<unsigned char>(c)) && i + 1 < size) {
      out.append(text, i, 2);
      i += 2;
      continue;
    }
    size_t j = i + 1;
    while (c == 'y' && j < size && IsDigit(text[j])) ++j;
    int64_t n = 0;
    if (j > i + 1 && j - i <= 10 && rtl::TryStrToInt(text.substr(i + 1, j - i - 1), n) && n > removed) {
      out += 'y';
      out += rtl::IntToStr(n - 1);
    } else {
      out.append(text, i, j - i);
    }
    i = j;
  }
  return out;
}
