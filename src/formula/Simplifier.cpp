#include "formula/Simplifier.h"

#include <cstdint>
#include <utility>
#include <vector>

#include "formula/DocumentState.h"
#include "formula/Numeric.h"
#include "formula/TreeKernel.h"
#include "platform/Runtime.h"

bool IsZeroNode(const Tfrec* t) { return t && t->code == node::Number && t->value == 0; }

bool IsNumberNode(const Tfrec* t) {
  while (t && t->code == node::Negate) t = t->right;
  return t && t->code == node::Number;
}

Extended NumberNodeValue(const Tfrec* t) {
  // A unary minus has no value of its own until it is evaluated.
  bool negative = false;
  for (; t && t->code == node::Negate; t = t->right) negative = !negative;
  if (!t) return 0;
  return negative ? -t->value : t->value;
}

bool IsSmallIntConst(const Tfrec* t) { return IsNumberNode(t) && IsSmallInteger(NumberNodeValue(t)); }

bool IsIntegerFraction(const Tfrec* t) {
  return t && t->code == node::Quotient && IsSmallIntConst(t->left) && IsSmallIntConst(t->right);
}

bool IsExactTree(const Tfrec* t) {
  for (;;) {
    if (!t) return false;
    switch (t->code) {
      case node::Sum:
      case node::Difference:
      case node::Product:
        if (!IsExactTree(t->right)) return false;
        t = t->left;
        break;
      case node::Negate:
      case node::Sgn:
      case node::Gaus:
        t = t->right;
        break;
      case node::VariableCode('m'):
      case node::VariableCode('n'):
      case node::VariableCode('i'):
      case node::VariableCode('j'):
        return true;
      default:
        return IsSmallIntConst(t);
    }
  }
}

namespace {

Tfrec* Detach(Tfrec*& child) { return std::exchange(child, nullptr); }

// Puts the replacement in the node's place and releases what is left of the old node.
void Replace(Tfrec*& node, Tfrec* replacement) {
  Tfrec* old = std::exchange(node, replacement);
  DisposeTree(old);
}

// The node gives way to one of its own children.
void ReplaceByChild(Tfrec*& node, Tfrec*& child) { Replace(node, Detach(child)); }

void ReplaceByNumber(Tfrec*& node, int mode, Extended value) { Replace(node, NewNumberNode(mode, value)); }

void SetNumber(Tfrec*& slot, int mode, Extended value) {
  if (slot->code == node::Number && !slot->left && !slot->right) {
    slot->value = slot->prevValue = value;
    NoteTreeEdit();
  } else {
    ReplaceByNumber(slot, mode, value);
  }
}

void RefreshRelationFlag(Tfrec* t) {
  t->hasRelation = t->code < 0 || (t->left && t->right && (t->left->hasRelation || t->right->hasRelation));
}

int64_t IntegerValue(const Tfrec* t) { return rtl::Round(NumberNodeValue(t)); }

// A small integer n as n/1, or an integer fraction a/b.
struct Rational {
  int64_t num = 0, den = 1;
  bool fraction = false;
};

bool AsRational(const Tfrec* t, Rational& q) {
  if (IsSmallIntConst(t)) {
    q = {IntegerValue(t), 1, false};
    return true;
  }
  if (IsIntegerFraction(t)) {
    q = {IntegerValue(t->left), IntegerValue(t->right), true};
    return q.den != 0;  // a literal division by zero is left for the quotient rule to report
  }
  return false;
}

// n op m becomes an integer; with a fraction on either side the result is one reduced
// fraction: a/b op c/d over the denominator b*d. Parts stay products of two numbers below
// 100000, so nothing overflows.
bool FoldRational(Tfrec*& node, int mode) {
  Rational a, b;
  if (!AsRational(node->left, a) || !AsRational(node->right, b)) return false;
  const int32_t code = node->code;
  if (!a.fraction && !b.fraction) {
    const int64_t v = code == node::Product ? a.num * b.num : code == node::Sum ? a.num + b.num : a.num - b.num;
    ReplaceByNumber(node, mode, static_cast<Extended>(v));
    return true;
  }
  int64_t num;
  const int64_t den = a.den * b.den;
  if (code == node::Product) {
    num = a.num * b.num;
  } else {
    const int64_t l = a.num * b.den, r = a.den * b.num;
    num = code == node::Sum ? l + r : l - r;
  }
  Replace(node, NewBinaryNode(node::Quotient, NewNumberNode(mode, static_cast<Extended>(num)),
                              NewNumberNode(mode, static_cast<Extended>(den)), mode));
  ReduceFractionNode(node, mode);
  return true;
}

void SimplifyNode(Tfrec*& node, int mode);

void SimplifyPower(Tfrec*& node, int mode) {
  if (IsZeroNode(node->left) && IsNumberNode(node->right) && NumberNodeValue(node->right) > 0)
    ReplaceByNumber(node, mode, 0);
}

// A product of two simplified subtrees, itself simplified.
Tfrec* SimplifiedProduct(Tfrec* left, Tfrec* right, int mode) {
  Tfrec* p = NewBinaryNode(node::Product, left, right, mode);
  SimplifyNode(p, mode);
  return p;
}

void SimplifyQuotient(Tfrec*& node, int mode) {
  // Nested quotients first. Each round removes at least one quotient, and the products it
  // builds never add one, so the loop ends.
  for (;;) {
    Tfrec* l = node->left;
    Tfrec* r = node->right;
    const bool leftQuotient = l && l->code == node::Quotient && l->left && l->right;
    const bool rightQuotient = r && r->code == node::Quotient && r->left && r->right;
    Tfrec* numerator;
    Tfrec* denominator;
    if (leftQuotient && rightQuotient) {  // (X/Y)/(Z/W) = (X*W)/(Y*Z)
      numerator = SimplifiedProduct(Detach(l->left), Detach(r->right), mode);
      denominator = SimplifiedProduct(Detach(l->right), Detach(r->left), mode);
    } else if (leftQuotient) {  // (X/Y)/Z = X/(Y*Z)
      numerator = Detach(l->left);
      denominator = SimplifiedProduct(Detach(l->right), Detach(node->right), mode);
    } else if (rightQuotient) {  // X/(Y/Z) = (X*Z)/Y
      numerator = SimplifiedProduct(Detach(node->left), Detach(r->right), mode);
      denominator = Detach(r->left);
    } else {
      break;
    }
    Replace(node, NewBinaryNode(node::Quotient, numerator, denominator, mode));
  }
  if (IsZeroNode(node->right)) {
    eng.ParseOK = 0;
    return;
  }
  if (IsZeroNode(node->left)) {
    ReplaceByNumber(node, mode, 0);
    return;
  }
  // The fraction-of-fractions cases need no rule of their own: the loop above has already
  // flattened every nested quotient.
  ReduceFractionNode(node, mode);
}

void SimplifyProduct(Tfrec*& node, int mode) {
  if (!node->left || !node->right) return;
  // A zero factor beside a relation is a domain restriction, not a zero.
  if ((IsZeroNode(node->left) && !TreeHasRelation(node->right)) ||
      (IsZeroNode(node->right) && !TreeHasRelation(node->left))) {
    ReplaceByNumber(node, mode, 0);
    return;
  }
  if (IsNumberNode(node->right)) std::swap(node->left, node->right);
  Tfrec* inner = node->right;
  if (IsNumberNode(node->left) && inner->code == node::Product && IsNumberNode(inner->left) && inner->right) {
    // n1*(n2*X): the product of the two numbers, rounded only when both are small integers
    // (0.5*(0.3*x) is 0.15*x).
    const Extended a = NumberNodeValue(node->left), b = NumberNodeValue(inner->left);
    Extended v = a * b;
    if (IsSmallInteger(a) && IsSmallInteger(b)) v = rtl::RoundToEven(v);
    Tfrec* x = Detach(inner->right);
    Replace(node, NewBinaryNode(node::Product, NewNumberNode(mode, v), x, mode));
  }
  FoldRational(node, mode);
}

void SimplifySum(Tfrec*& node, int mode) {
  if (!node->left || !node->right) return;
  if (IsZeroNode(node->left)) return ReplaceByChild(node, node->right);
  if (IsZeroNode(node->right)) return ReplaceByChild(node, node->left);
  FoldRational(node, mode);
}

void SimplifyDifference(Tfrec*& node, int mode) {
  if (!node->left || !node->right) return;
  if (IsZeroNode(node->left) && IsZeroNode(node->right)) return ReplaceByNumber(node, mode, 0);
  if (IsZeroNode(node->left)) {  // 0-X = -X
    ReplaceByChild(node, node->right);
    NegateTree(node);
    return;
  }
  if (IsZeroNode(node->right)) return ReplaceByChild(node, node->left);
  Tfrec* r = node->right;
  if (r->code == node::Negate && r->right) {  // X-(-Y) = X+Y
    node->right = Detach(r->right);
    DisposeTree(r);
    node->code = node::Sum;
    RefreshRelationFlag(node);
    SimplifySum(node, mode);
    return;
  }
  FoldRational(node, mode);
}

// The rules of the node's code, its children being simplified already.
void SimplifyNode(Tfrec*& node, int mode) {
  switch (node->code) {
    case node::Power:
      SimplifyPower(node, mode);
      break;
    case node::Quotient:
      if (node->left && node->right) SimplifyQuotient(node, mode);
      break;
    case node::Product:
      SimplifyProduct(node, mode);
      break;
    case node::Difference:
      SimplifyDifference(node, mode);
      break;
    case node::Sum:
      SimplifySum(node, mode);
      break;
    case node::Negate:
      if (node->right) {
        ReplaceByChild(node, node->right);
        NegateTree(node);
      }
      break;
    case node::Log:
      if (node->right && node->right->code == node::VarE) ReplaceByNumber(node, mode, 1);
      break;
    default:
      break;
  }
}

}  // namespace

void SimplifyTree(Tfrec*& tree, int mode) {
  if (!tree || mode == 1) return;
  // Bottom-up. Left chains (a+b+c+..., unrolled sums) are the long ones, so the left spine
  // is kept on an explicit stack and only right children recurse. The stack is shared by
  // the nested calls, each working above its own base (the engine is single-threaded).
  static std::vector<Tfrec**> spine;
  const size_t base = spine.size();
  for (Tfrec** slot = &tree; *slot; slot = &(*slot)->left) spine.push_back(slot);
  for (size_t i = spine.size(); i-- > base;) {
    Tfrec** slot = spine[i];
    SimplifyTree((*slot)->right, mode);
    SimplifyNode(*slot, mode);
  }
  spine.resize(base);
}

void ReduceFractionNode(Tfrec*& node, int mode) {
  if (mode == 1 || !IsIntegerFraction(node)) return;
  int64_t a = IntegerValue(node->left), b = IntegerValue(node->right);
  if (b == 0) return;
  if (a == 0) return ReplaceByNumber(node, mode, 0);
  const int64_t g = Gcd(a, b);
  a /= g;
  b /= g;
  if (b == 1 || b == -1) return ReplaceByNumber(node, mode, static_cast<Extended>(Sign(b) * a));
  SetNumber(node->left, mode, static_cast<Extended>(a));
  SetNumber(node->right, mode, static_cast<Extended>(b));
}

void NegateTree(Tfrec*& tree) {
  NoteTreeEdit();
  // Down the left operands of sums and differences, flipping each operator.
  Tfrec** slot = &tree;
  while (*slot && ((*slot)->code == node::Sum || (*slot)->code == node::Difference) && (*slot)->left) {
    (*slot)->code = (*slot)->code == node::Sum ? node::Difference : node::Sum;
    slot = &(*slot)->left;
  }
  Tfrec*& t = *slot;
  if (!t) return;
  if (t->code == node::Negate) {
    if (t->right) ReplaceByChild(t, t->right);
  } else if (t->code == node::Number && !t->left && !t->right) {
    if (t->value != 0) t->value = -t->value;  // never a negative zero
    t->prevValue = t->value;
  } else {
    t = NewUnaryNode(node::Negate, t, 2);
  }
}
