#include "formula/TreeOps.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <initializer_list>
#include <utility>
#include <vector>

#include "formula/DocumentState.h"
#include "formula/Parser.h"
#include "formula/Simplifier.h"
#include "formula/TreeKernel.h"
#include "formula/VariableValues.h"

namespace {

// Degrees beyond any closed form are kept finite.
constexpr Extended kDegreeCap = 1 << 30;

int CappedDegree(Extended d) { return d > kDegreeCap ? static_cast<int>(kDegreeCap) : static_cast<int>(d); }

int BothConstant(int l, int r) { return l == 0 && r == 0 ? 0 : -1; }

// The degree of one node, given the degree of its left child.
int NodeDegree(const Tfrec* t, int l, int which) {
  auto right = [&] { return PolynomialDegree(t->right, which); };
  const int32_t c = t->code;
  if (c < 0) return BothConstant(l, right());  // every relation, "and", "or" and "<>" too
  switch (c) {
    case node::Integral: {
      const Tfrec* range = t->left ? t->left->left : nullptr;
      const Tfrec* integrand = t->right ? t->right->right : nullptr;
      const bool constant = !range || (PolynomialDegree(range->left, which) == 0 &&
                                       PolynomialDegree(range->right, which) == 0);
      return constant && PolynomialDegree(integrand, which) == 0 ? 0 : -1;
    }
    case node::Sum:
    case node::Difference: {
      const int r = right();
      return l >= 0 && r >= 0 ? std::max(l, r) : -1;
    }
    case node::Product: {
      const int r = right();
      return l >= 0 && r >= 0 ? CappedDegree(static_cast<Extended>(l) + r) : -1;
    }
    case node::Quotient:
      return right() == 0 ? l : -1;
    case node::Power: {
      if (l == 0) return right() == 0 ? 0 : -1;
      if (l < 0) return -1;
      const Tfrec* e = t->right;
      if (e && e->code == node::Number && e->value >= 0 && e->value == std::trunc(e->value))
        return CappedDegree(l * e->value);
      return -1;
    }
    case node::Negate:
    case node::Identity:
      return right();
    case node::VarT:
      return which == kDegreeInT ? 1 : 0;
    case node::VarX:
      return which == kDegreeTotalXY || which == kDegreeInX ? 1 : 0;
    case node::VarY:
      return which == kDegreeTotalXY || which == kDegreeInY ? 1 : 0;
    default:
      break;
  }
  // Functions, the log with base, Max, Min and unexpanded sums and products are constant
  // over constant operands and no polynomial otherwise (x+frac(x) is no straight line).
  if ((c >= node::Sin && c <= node::Rnd) || c == node::LogBase || c == node::Roundc || c == node::Intc ||
      c == node::Max || c == node::Min || c == node::SumForm || c == node::ProductForm)
    return BothConstant(l, right());
  // Numbers, parameters, z, points, constants, C, P, the factorial, extrema over a range.
  return 0;
}

// The variable a numeric integral's leaf binds: s and r are θ's and s's own codes.
int32_t BoundVariable(int32_t leafCode) {
  const int k = leafCode - node::IntegrationVariableBase;
  if (k < 1 || k > static_cast<int>(std::strlen(node::IntegrationLetters))) return 0;
  return node::VariableCode(node::IntegrationLetters[k - 1]);
}

bool IntegralUsesSymbol(const Tfrec* t, int32_t code) {
  const Tfrec* range = t->left ? t->left->left : nullptr;
  if (range && (TreeUsesSymbol(range->left, code) || TreeUsesSymbol(range->right, code))) return true;
  const Tfrec* variable = t->right ? t->right->left : nullptr;
  if (variable && BoundVariable(variable->code) == code) return false;
  return TreeUsesSymbol(t->right ? t->right->right : nullptr, code);
}

// Every leaf for which valueOf(code, value) answers true becomes a fresh number node.
template <class ValueOf>
void ReplaceLeaves(Tfrec*& tree, const ValueOf& valueOf) {
  for (Tfrec** slot = &tree; *slot; slot = &(*slot)->left) {
    Tfrec* t = *slot;
    Extended v;
    if (!t->left && !t->right && valueOf(t->code, v)) {
      DisposeTree(*slot);
      *slot = NewNumberNode(2, v);
      return;
    }
    ReplaceLeaves(t->right, valueOf);
  }
}

bool IsSubstitutedParameter(char letter) { return letter && std::strchr("abcdkmnpqors", letter); }

// A fixed formula of letters, parsed as a symbolic tree, with numbers in place of the
// letters. The caller's parse flags are left as they were.
TreePtr Instantiate(const char* formula, std::initializer_list<std::pair<char, Extended>> values) {
  const uint8_t parseOK = eng.ParseOK;
  const int32_t parseErrorPos = eng.ParseErrorPos;
  TreePtr t = ParseExpression(formula, 2);
  eng.ParseOK = parseOK;
  eng.ParseErrorPos = parseErrorPos;
  ReplaceLeaves(InPlace(t), [&](int32_t code, Extended& v) {
    for (const auto& [letter, value] : values)
      if (code == node::VariableCode(letter)) {
        v = value;
        return true;
      }
    return false;
  });
  return t;
}

}  // namespace

int PolynomialDegree(const Tfrec* tree, int which) {
  // Left chains are the deep ones: go down the left spine first, then combine upwards, so
  // that only right children recurse.
  std::vector<const Tfrec*> spine;
  for (const Tfrec* t = tree; t; t = t->left) spine.push_back(t);
  int degree = 0;  // of nil
  for (auto it = spine.rbegin(); it != spine.rend(); ++it) degree = NodeDegree(*it, degree, which);
  return degree;
}

bool TreeUsesSymbol(const Tfrec* tree, int32_t code) {
  for (; tree; tree = tree->left) {
    if (tree->code == node::Integral) return IntegralUsesSymbol(tree, code);
    if (tree->code == code || TreeUsesSymbol(tree->right, code)) return true;
  }
  return false;
}

bool FormulaUsesSymbol(const std::string& text, int32_t code) {
  if (text.empty()) return false;
  return TreeUsesSymbol(ParseExpression(text, 2).get(), code);
}

void SubstituteZeroAndSimplify(Tfrec*& tree, int32_t code) {
  const TreePtr zero(NewNumberNode(2, 0));
  SubstituteCodeBySubtree(tree, zero.get(), code);
  SimplifyTree(tree, 2);
}

void SubstituteVariableValue(Tfrec*& tree, int32_t code) {
  if (code < node::VarT || code > node::VarZ) return;
  const Extended value = ReadVariable(doc.VariableValues, LetterOfNodeCode(code));
  ReplaceLeaves(tree, [&](int32_t c, Extended& v) {
    v = value;
    return c == code;
  });
}

void SubstituteParametersAndSimplify(Tfrec*& tree) {
  ReplaceLeaves(tree, [](int32_t c, Extended& v) {
    const char letter = LetterOfNodeCode(c);
    if (!IsSubstitutedParameter(letter)) return false;
    v = ReadVariable(doc.VariableValues, letter);
    return true;
  });
  SimplifyTree(tree, 2);
}

TreePtr MakeIntervalIndicator(int closed, Extended lo, Extended hi) {
  return Instantiate(closed == 1 ? "(x>=a)(x<=b)" : "(x>=a)(x<b)", {{'a', lo}, {'b', hi}});
}

TreePtr RestrictToInterval(TreePtr tree, int closed, Extended lo, Extended hi) {
  TreePtr indicator = MakeIntervalIndicator(closed, lo, hi);
  return TreePtr(NewBinaryNode(node::Product, tree.release(), indicator.release(), 2));
}

TreePtr MakeConstantPiece(int closed, Extended value, Extended lo, Extended hi) {
  return RestrictToInterval(TreePtr(NewNumberNode(2, value)), closed, lo, hi);
}

TreePtr MakeLinearPiece(int closed, Extended x1, Extended y1, Extended x2, Extended y2) {
  TreePtr chord = Instantiate("(d-c)/(b-a)*(x-a)+c", {{'a', x1}, {'b', x2}, {'c', y1}, {'d', y2}});
  return RestrictToInterval(std::move(chord), closed, x1, x2);
}

TreePtr MakeParabolaPiece(int closed, Extended x1, Extended y1, Extended x2, Extended y2, Extended x3,
                          Extended y3) {
  TreePtr arc = Instantiate("2(d(x-b)(x-c)-2e(x-a)(x-c)+f(x-a)(x-b))/(c-a)(c-a)",
                            {{'a', x1}, {'b', x2}, {'c', x3}, {'d', y1}, {'e', y2}, {'f', y3}});
  return RestrictToInterval(std::move(arc), closed, x1, x3);
}
