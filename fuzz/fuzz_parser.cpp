// links: formula
// Normalises and parses arbitrary bytes in every mode against a small document with points,
// definitions (two of them cyclic) and an explicit entry. The first byte picks plane or
// space, figure formulas and the usage scan.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "formula/DocumentState.h"
#include "formula/Normalise.h"
#include "formula/Parser.h"
#include "formula/TreeKernel.h"
#include "platform/Sjis.h"

namespace {

void SetUpDocument() {
  ResetMiscSettings();
  ResetAllSettings(0);
  for (int n = 1; n <= 5; ++n) doc.PointLetterUsage[n].exists = 1;  // A B C D E
  const char* functions[] = {"x^2+y", "F1(x,2)*sin(x)", "F4(x)", "F3(x)", "Sum(i=[1,x],i)"};
  for (int n = 1; n <= 5; ++n) doc.DefinedFunctionTexts[n] = functions[n - 1];
  doc.DefinedFunctionCount = 5;
  const char* constants[] = {"2", "Q1+a", "Q4", "Q3"};
  for (int n = 1; n <= 4; ++n) doc.DefinedConstantTexts[n] = constants[n - 1];
  doc.DefinedConstantCount = 4;
  InitFuncprop(doc.FigureTable[1], kKindExplicit);
  doc.FigureTable[1].texts[0] = "x+1";
  InitFuncprop(doc.FigureTable[2], kKindPoint);
  doc.FigureTable[2].texts[0] = "Bx+1";
  doc.FigureTable[2].texts[1] = "Ay";  // A's y names itself
  doc.FigureTable[2].dragAxes = 5;
  doc.FigureTable[2].letter = 1;
  doc.PointLetterEntry[1] = 2;
  doc.EntryCount = 2;
  doc.KindCounts[kKindExplicit] = 1;
  doc.KindCounts[kKindPoint] = 1;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool ready = (SetUpDocument(), true);
  (void)ready;
  if (size == 0) return 0;
  const uint8_t options = data[0];
  const std::string text(reinterpret_cast<const char*>(data + 1), size - 1);
  doc.Dimension = (options & 1) ? 3 : 2;
  eng.UseFigureFormulas = (options >> 1) & 1;
  eng.CollectKind = (options >> 2) & 1 ? 4 : 0;
  eng.CollectIndex = 1;
  doc.EditedDefinition = (options >> 3) & 1 ? TEditedDefinition{kEditedFunction, 3, 0} : TEditedDefinition{};

  std::string normalised = text;
  NormaliseExpressionText(normalised, 1);
  InsertFunctionParentheses(normalised);

  for (int mode = 1; mode <= 3; ++mode) {
    const TreePtr tree = ParseExpression(text, mode);
    if (text.empty()) {
      Check(tree == nullptr);
      continue;
    }
    if (mode == 1) Check(tree == nullptr);
    if (eng.ParseOK) {
      Check(mode == 1 || tree != nullptr);
      Check(TreeDepth(tree.get()) <= MaxTreeDepth);
    } else {
      Check(tree == nullptr);
      Check(eng.ParseErrorPos >= 1 && eng.ParseErrorPos <= static_cast<int>(normalised.size()) + 1);
    }
  }
  // The keyboard's rewrite on the same bytes.
  std::string keyboard = text;
  int caret = 0;
  ReplaceSpelledSymbol(keyboard, caret);
  Check(caret >= 0 && caret <= static_cast<int>(keyboard.size()));
  return 0;
}
