#include "formula/UsageScan.h"

#include <vector>

#include "formula/DocumentState.h"
#include "formula/FigureTableOperands.h"
#include "formula/Parser.h"
#include "platform/Sjis.h"

namespace {

enum : int {
  kCollectFunction = 1,
  kCollectConstant = 2,
  kCollectOperand = 3,
  kCollectOwnFormula = 4,
  kCollectInterval = 5,
};

bool IsPointNumber(int n) { return n >= 1 && n <= kMaxPoints; }

Tfuncprop& Entry(int e) { return doc.FigureTable[e]; }

// Position of a point letter in PointNameOrder (1..25), 0 for any other character.
int PointNumberOfChar(char c) {
  for (int p = 1; p <= kMaxPoints; ++p)
    if (PointNameOrder[p - 1] == c) return p;
  return 0;
}

// Marks point n as used; true when it moves.
bool UsePoint(int n) {
  if (!IsPointNumber(n)) return false;
  doc.PointLetterUsage[n].used = 1;
  return doc.PointLetterUsage[n].moves;
}

// A figure named by number in the entry's text: in use, and what moves it moves the entry.
// The figure's own usage comes from its own scan (the rounds of the scan settle the order).
void MarkFigureReference(int entry, const std::string& text) {
  const int figure = FigureEntryOfNumber(text);
  if (!figure) return;
  Entry(figure).usedByPoint = 1;
  Entry(entry).dependsOnParameter |= Entry(figure).dependsOnParameter;
}

void MarkOperands(int entry, const TextRoles& roles, int collectKind) {
  for (int k = 0; k < 5; ++k) {
    switch (roles[k]) {
      case TextRole::Letters:
        MarkPointLetters(entry, k + 1);
        break;
      case TextRole::Formula:
        ScanTextUsage(Entry(entry).texts[k], collectKind, entry);
        break;
      case TextRole::Figure:
        MarkFigureReference(entry, Entry(entry).texts[k]);
        break;
      case TextRole::None:
        break;
    }
  }
}

void ScanDefinitions() {
  for (int n = 1; n <= doc.DefinedFunctionCount && n <= kMaxDefinitions + 1; ++n)
    ScanTextUsage(doc.DefinedFunctionTexts[n], kCollectFunction, n);
  for (int n = 1; n <= doc.DefinedConstantCount && n <= kMaxDefinitions + 1; ++n)
    ScanTextUsage(doc.DefinedConstantTexts[n], kCollectConstant, n);
}

void ScanPoint(int e) {
  if (Entry(e).subkind != 255) {
    MarkOperands(e, PointOperandRoles(Entry(e).subkind), kCollectOperand);
    return;
  }
  using R = TextRole;
  if (doc.Dimension == 3)
    MarkOperands(e, {R::Formula, R::Formula, R::None, R::Formula, R::None}, kCollectOwnFormula);
  else
    MarkOperands(e, {R::Formula, R::Formula, R::None, R::None, R::None}, kCollectOperand);
}

// Points and figures by table order; a point that depends on a parameter in any way
// moves, for the points, figures and definitions built on it.
void ScanPointsAndFigures() {
  for (int e = 1; e <= doc.EntryCount; ++e) {
    if (Entry(e).kind == kKindPoint) ScanPoint(e);
    if (Entry(e).kind == kKindFigure) MarkFigureUsage(e);
  }
  for (int e = 1; e <= doc.EntryCount; ++e) {
    const Tfuncprop& point = Entry(e);
    if (point.kind == kKindPoint && IsPointNumber(point.letter) && point.dependsOnParameter)
      doc.PointLetterUsage[point.letter].moves = 1;
  }
}

// Every byte through which one text's dependence reaches another.
std::vector<uint8_t> MovingMarks() {
  std::vector<uint8_t> marks;
  for (int n = 1; n <= kMaxPoints; ++n) marks.push_back(doc.PointLetterUsage[n].moves);
  for (int n = 1; n <= kMaxDefinitions + 1; ++n) {
    marks.push_back(doc.DefinedFunctionUsage[n].moves);
    marks.push_back(doc.DefinedConstantUsage[n].moves);
  }
  for (int e = 1; e <= doc.EntryCount; ++e) marks.push_back(Entry(e).dependsOnParameter);
  return marks;
}

void ScanOwnFormulas() {
  for (int e = 1; e <= doc.EntryCount; ++e) {
    Tfuncprop& entry = Entry(e);
    switch (entry.kind) {
      case kKindExplicit:
      case kKindRelation:
        ScanTextUsage(entry.texts[0], kCollectOwnFormula, e);
        break;
      case kKindDerivative:
        if (entry.link >= 1 && entry.link <= doc.EntryCount && Entry(entry.link).kind == kKindExplicit) {
          entry.usesPoint = Entry(entry.link).usesPoint;
          entry.dependsOnParameter = Entry(entry.link).dependsOnParameter;
        }
        break;
      case kKindParametric:
      case kKindPolar:
        // t is the curve's own variable there, but a parameter in the step text.
        eng.ParserCollectMode = 0;
        for (const std::string& text : entry.texts) ScanTextUsage(text, kCollectOwnFormula, e);
        eng.ParserCollectMode = 1;
        ScanTextUsage(entry.stepText, kCollectOwnFormula, e);
        break;
      default:
        break;
    }
  }
}

}  // namespace

void ClearUsageFlags() {
  ClearFlagTriples(doc.PointLetterUsage, 28);
  ClearFlagTriples(doc.DefinedFunctionUsage, kMaxDefinitions + 1);
  ClearFlagTriples(doc.DefinedConstantUsage, kMaxDefinitions + 1);
  for (int e = 1; e <= doc.EntryCount; ++e) {
    Tfuncprop& entry = Entry(e);
    entry.dependsOnParameter = 0;
    entry.usedByPoint = 0;
    // Figures and points are always built on points.
    entry.usesPoint = entry.kind == kKindFigure || entry.kind == kKindPoint;
  }
  doc.ParameterUsed.fill(0);
  eng.ParserCollectMode = 1;
  for (int n = 1; n <= doc.DefinedFunctionCount && n <= kMaxDefinitions + 1; ++n) doc.DefinedFunctionUsage[n].exists = 1;
  for (int n = 1; n <= doc.DefinedConstantCount && n <= kMaxDefinitions + 1; ++n) doc.DefinedConstantUsage[n].exists = 1;
  for (int e = 1; e <= doc.EntryCount; ++e) {
    const Tfuncprop& entry = Entry(e);
    if (entry.kind != kKindPoint || !IsPointNumber(entry.letter)) continue;
    doc.PointLetterUsage[entry.letter].exists = 1;
    // The parser finds a point's texts through its entry.
    doc.PointLetterEntry[entry.letter] = static_cast<uint8_t>(e);
  }
}

void RecomputeParameterUsage() {
  eng.UseFigureFormulas = doc.Dimension == 3 ? 0 : 1;
  // Definitions use points and points use definitions, in any order: the marks only grow,
  // so the scan is repeated until a round adds none (one more round in practice).
  std::vector<uint8_t> before = MovingMarks();
  for (size_t round = 0, rounds = before.size() + 1; round < rounds; ++round) {
    before = MovingMarks();
    ScanDefinitions();
    ScanPointsAndFigures();
    if (MovingMarks() == before) break;
  }
  ScanOwnFormulas();
  if (doc.IntervalMode) {
    ScanTextUsage(doc.IntervalLowerText, kCollectInterval, 0);
    ScanTextUsage(doc.IntervalUpperText, kCollectInterval, 0);
  }
  eng.UseFigureFormulas = 0;
  UpdateParametersInUse();
}

void ScanTextUsage(const std::string& text, int collectKind, int index) {
  eng.CollectKind = static_cast<uint8_t>(collectKind);
  eng.CollectIndex = static_cast<uint8_t>(index);
  eng.CollectPlainPointCount = doc.PlainPointCount;
  ParseExpression(text, 1);
  eng.CollectKind = 0;
  eng.CollectIndex = 0;
  eng.CollectPlainPointCount = 0;
}

void MarkPointLetters(int entry, int n) {
  if (entry < 1 || entry > doc.EntryCount || n < 1 || n > 5) return;
  const std::string& text = Entry(entry).texts[n - 1];
  for (size_t i = 0; i < text.size(); ++i) {
    const unsigned char c = static_cast<unsigned char>(text[i]);
    if (sjis::IsLeadByte(c)) {  // its trail byte may look like a capital letter
      ++i;
      continue;
    }
    if (UsePoint(PointNumberOfChar(static_cast<char>(c)))) Entry(entry).dependsOnParameter = 1;
  }
}

void MarkFigureUsage(int entry) {
  if (entry < 1 || entry > doc.EntryCount) return;
  Tfuncprop& figure = Entry(entry);
  const int type = figure.subkind;
  if (type >= 1 && type <= 5) {
    const bool first = UsePoint(figure.letter);
    const bool second = type >= 2 && UsePoint(figure.letter2);
    if (first || second) figure.dependsOnParameter = 1;
  }
  MarkOperands(entry, FigureOperandRoles(type, doc.Dimension), kCollectOperand);
}
