// links: formula
// Parses arbitrary bytes for evaluation and evaluates them at a few points, prints the
// symbolic tree and its derivative and reads both texts back; against a small document with
// points, definitions (two of them cyclic), a sphere and stale constants. The first byte
// picks plane or space, figure formulas and plot mode.
#include <cstddef>
#include <cstdint>
#include <string>

#include "FuzzSupport.h"
#include "formula/Differentiate.h"
#include "formula/DocumentState.h"
#include "formula/EvalHelpers.h"
#include "formula/Evaluator.h"
#include "formula/Parser.h"
#include "formula/TreeText.h"

namespace {

void SetUpDocument() {
  ResetMiscSettings();
  ResetAllSettings(0);
  PlacePoint(1, 1, 0, 0);   // A
  PlacePoint(2, 0, 0, 1);   // B
  PlacePoint(3, 0, 1, 0);   // C
  PlacePoint(4, 0, 0, 0);   // D, the centre of the sphere
  PlacePoint(5, 2, 2, 0);   // E
  const char* functions[] = {"x^2+y", "F1(x,2)*sin(x)", "F4(x)", "F3(x)", "Sum(i=[1,x],i)"};
  for (int n = 1; n <= 5; ++n) doc.DefinedFunctionTexts[n] = functions[n - 1];
  doc.DefinedFunctionCount = 5;
  const char* constants[] = {"2", "Q1+a", "Q4", "Q3", "MaxV([0,1]x^2)"};
  for (int n = 1; n <= 5; ++n) doc.DefinedConstantTexts[n] = constants[n - 1];
  doc.DefinedConstantCount = 5;
  InitFuncprop(doc.FigureTable[1], kKindExplicit);
  doc.FigureTable[1].texts[0] = "x+1";
  InitFuncprop(doc.FigureTable[2], kKindFigure);
  doc.FigureTable[2].subkind = 8;
  doc.FigureTable[2].letter = 4;
  doc.FigureTable[2].texts[1] = "angle(ABC/s1)";  // a radius that needs its own sphere
  doc.EntryCount = 2;
  doc.KindCounts[kKindExplicit] = 1;
  doc.KindCounts[kKindFigure] = 1;
}

// A printed text parses, where it is within the parser's limits: a text shorter than the
// nesting limit is within the depth limit too, since every level takes a character. (An
// unrolled product can print longer than the parser takes.)
void CheckReadsBack(const std::string& printed) {
  if (printed.empty() || printed.size() >= static_cast<size_t>(MaxParseNesting)) return;
  const TreePtr reread = ParseExpression(printed, 2);
  Check(eng.ParseOK == 1);
}

void CheckFlags() {
  Check(eng.EvalOK <= 1);
  Check(eng.EvalDrawable <= 1);
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
  eng.PlotMode = (options >> 2) & 1;
  for (int n = 1; n <= 5; ++n) doc.DefinedConstantDirty[n] = 1;

  // Nested integrals and extrema share one small budget for the whole input.
  InnerWorkSession work(500000);
  static const Extended points[][3] = {{-1.5L, 0.5L, 0}, {0, 0, 0}, {0.7L, -2, 1}, {1e3L, 1e-3L, -7}};
  const TreePtr tree = ParseExpression(text, 3);
  for (const auto& p : points) {
    EvaluateTree(tree.get(), p[0], p[1], p[2]);
    CheckFlags();
  }

  eng.UseFigureFormulas = 0;
  const TreePtr symbolic = ParseExpression(text, 2);
  if (eng.ParseOK && symbolic) {
    // The printed text reads back.
    CheckReadsBack(ExpressionTreeToText(symbolic.get()));
    const TreePtr derivative = Differentiate(symbolic.get(), node::VarX);
    EvaluateTree(derivative.get(), 0.3L, 0.2L, 0.1L);
    CheckFlags();
    // So does the printed derivative.
    if (derivative) CheckReadsBack(ExpressionTreeToText(derivative.get()));
  }
  return 0;
}
