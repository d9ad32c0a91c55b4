// links: formula
// Builds a tree from arbitrary bytes (a small stack machine over numbers, letters, the
// operators, relations and a few functions), including shapes the parser never makes, and
// runs the simplifier and the tree operations over it.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "formula/DocumentState.h"
#include "formula/Fraction.h"
#include "formula/Simplifier.h"
#include "formula/TreeOps.h"

namespace {

const Extended kNumbers[] = {0, 1, 2, 3, -1, -4, 0.5L, 0.3L, 99999, 100000, 1e300L, -0.0L, 6, 12};
const int32_t kLetters[] = {node::VarX, node::VarY, node::VarT, node::VarA, node::VarE,
                            node::VariableCode('n'), node::VariableCode('m'), node::VarI, node::VariableCode('h')};
const int32_t kBinary[] = {node::Power,   node::Quotient, node::Product, node::Difference, node::Sum,
                           node::Greater, node::Equal,    node::And,     node::Max};
const int32_t kUnary[] = {node::Negate, node::Log, node::Sgn, node::Gaus, node::Frac, node::Sin, node::Identity};

Tfrec* Build(const uint8_t* data, size_t size) {
  std::vector<Tfrec*> stack;
  for (size_t i = 0; i < size; ++i) {
    const uint8_t b = data[i];
    const uint8_t arg = b >> 2;
    switch (b & 3) {
      case 0:
        stack.push_back(NewNumberNode(2, kNumbers[arg % std::size(kNumbers)]));
        break;
      case 1:
        stack.push_back(NewLeafNode(kLetters[arg % std::size(kLetters)], 2));
        break;
      case 2:
        if (stack.size() >= 2) {
          Tfrec* r = stack.back();
          stack.pop_back();
          stack.back() = NewBinaryNode(kBinary[arg % std::size(kBinary)], stack.back(), r, 2);
        }
        break;
      default:
        if (!stack.empty()) stack.back() = NewUnaryNode(kUnary[arg % std::size(kUnary)], stack.back(), 2);
        break;
    }
  }
  Tfrec* tree = stack.empty() ? nullptr : stack.back();
  if (!stack.empty()) stack.pop_back();
  for (Tfrec* t : stack) DisposeTree(t);
  return tree;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool ready = (ResetMiscSettings(), ResetAllSettings(0), true);
  (void)ready;
  if (size > 4096) return 0;
  eng.ParseOK = 1;
  Tfrec* tree = Build(data, size);
  TreePtr copy = CloneTree(tree, 2);
  SimplifyTree(tree, 2);
  SimplifyTree(tree, 2);  // a second pass must be harmless too
  for (int which = 1; which <= 4; ++which) (void)PolynomialDegree(tree, which);
  (void)TreeUsesSymbol(tree, node::VarX);
  (void)IsExactTree(tree);
  NegateTree(tree);
  SubstituteParametersAndSimplify(InPlace(copy));
  SubstituteZeroAndSimplify(InPlace(copy), node::VarX);
  DisposeTree(tree);

  // Fractions from the same bytes, parts near and beyond the limit.
  if (size >= 16) {
    auto part = [&](size_t k) {
      int32_t v;
      __builtin_memcpy(&v, data + k, 4);
      return v;
    };
    const TFraction a{1, part(0) % 200001, part(4)}, b{static_cast<uint8_t>(data[0] & 1), part(8), part(12) % 200001};
    TFraction out;
    for (int op = 0; op < 2; ++op) {
      FractionAddSub(a, b, op, out);
      FractionMulDiv(a, b, op, out);
      FractionScale(a, part(8), op, out);
    }
  }
  return 0;
}
