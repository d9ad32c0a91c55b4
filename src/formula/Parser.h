#pragma once
// The formula parser: one formula text to an expression tree (Tfrec), or in check mode only
// whether the text is a valid formula and where it fails. Failures are reported through
// ParseOK and ParseErrorPos (a 1-based byte position in the normalised text).
#include <string>

#include "formula/Tfrec.h"

// Modes: 1 check only (no nodes; always nil), 2 symbolic tree, 3 evaluation tree (parameters
// replaced by their values, sums and products unrolled, logs with base rewritten). An empty
// text gives nil and leaves the flags unchanged.
TreePtr ParseExpression(const std::string& text, int mode);

// The passes run on a finished tree.
// a<b<c<d becomes (a<b)*(b<c)*(c<d); "and", "or" and "<>" are not folded.
void FoldChainedRelations(Tfrec*& tree);
// AB^2 loses its square root, AB^(2k) becomes (AB squared)^k.
void FoldSquaredDistances(Tfrec*& tree);
// Remaining distance roots become plain square roots.
void FinishDistanceRoots(Tfrec*& tree);
// Unrolls every "multi" product and, in mode 1, every Sum whose bounds give lo <= hi into a
// chain of copies of its body, outer forms first. A form of more than MaxUnrolledTerms terms,
// or one that would outgrow the tree limits, is left as it is and the result is false.
bool ExpandSumProduct(Tfrec*& tree, int mode);
// log with base b of a becomes log(a)/log(b).
void RewriteLogBase(Tfrec*& tree);

// Limits that keep every tree walk of the engine within the stack and the parse within time.
constexpr int MaxUnrolledTerms = 10000;
constexpr int MaxParseNesting = 500;
constexpr int64_t MaxTreeDepth = 12000;
constexpr int64_t MaxTreeNodes = 1000000;
constexpr int64_t MaxForeignParses = 100000;
