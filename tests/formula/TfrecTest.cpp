#include <gtest/gtest.h>

#include <cstring>
#include <utility>

#include "TreePrint.h"
#include "formula/Tfrec.h"

namespace {

Tfrec* Num(Extended v) { return NewNumberNode(2, v); }
Tfrec* Var(char c) { return NewLeafNode(node::VariableCode(c), 2); }
Tfrec* Rel(int32_t code, Tfrec* l, Tfrec* r) { return NewBinaryNode(code, l, r, 2); }

TEST(Tfrec, CheckModeMakesNothing) {
  const uint64_t before = TreeNodesMade();
  EXPECT_EQ(NewBinaryNode(node::Sum, nullptr, nullptr, 1), nullptr);
  EXPECT_EQ(NewUnaryNode(node::Sin, nullptr, 1), nullptr);
  EXPECT_EQ(NewLeafNode(node::VarX, 1), nullptr);
  EXPECT_EQ(NewNumberNode(1, 2), nullptr);
  EXPECT_EQ(NewPiNode(1), nullptr);
  EXPECT_EQ(NewDegreeNode(1), nullptr);
  EXPECT_EQ(CloneTree(nullptr, 2), nullptr);
  EXPECT_EQ(TreeNodesMade(), before);

  Tfrec* x = Var('x');
  EXPECT_EQ(CloneTree(x, 1), nullptr);
  DisposeTree(x);
}

TEST(Tfrec, NewNodesHaveTheirDefaults) {
  Tfrec* n = NewNumberNode(2, 2.5L);
  EXPECT_EQ(n->code, node::Number);
  EXPECT_EQ(n->value, 2.5L);
  EXPECT_EQ(n->prevValue, 2.5L);
  EXPECT_EQ(n->valid, 1);
  EXPECT_EQ(n->num, 1);
  EXPECT_EQ(n->den, 1);
  EXPECT_EQ(n->exact + n->zeroCrossed + n->poleCrossed + n->hasRelation, 0);
  EXPECT_TRUE(n->text.empty());
  Tfrec* u = NewUnaryNode(node::Sin, n, 2);
  EXPECT_EQ(u->right, n);
  EXPECT_EQ(u->left, nullptr);
  EXPECT_EQ(u->value, 0);
  DisposeTree(u);
  EXPECT_EQ(u, nullptr);
}

TEST(Tfrec, PiAndDegreeHoldTheirExactBitPatterns) {
  auto bits = [](Extended v, uint64_t& mantissa, uint16_t& exponent) {
    unsigned char b[sizeof(Extended)];
    std::memcpy(b, &v, sizeof b);
    std::memcpy(&mantissa, b, 8);
    std::memcpy(&exponent, b + 8, 2);
  };
  uint64_t m;
  uint16_t e;
  Tfrec* pi = NewPiNode(2);
  bits(pi->value, m, e);
  EXPECT_EQ(m, 0xC90FDAA22168C235ull);
  EXPECT_EQ(e, 0x4000);
  EXPECT_EQ(pi->prevValue, pi->value);
  Tfrec* deg = NewDegreeNode(2);
  bits(deg->value, m, e);
  EXPECT_EQ(m, 0x8EFA351294E9C8AEull);
  EXPECT_EQ(e, 0x3FF9);
  EXPECT_EQ(deg->code, node::Degree);
  DisposeTree(pi);
  DisposeTree(deg);
}

TEST(Tfrec, HasRelationFollowsTheConstructorRule) {
  struct Row {
    Tfrec* tree;
    int expected;
  } rows[] = {
      {NewBinaryNode(node::Sum, Rel(node::Greater, Var('x'), Num(0)), nullptr, 2), 0},
      {NewBinaryNode(node::Sum, Rel(node::Greater, Var('x'), Num(0)), Var('x'), 2), 1},
      {NewBinaryNode(node::Greater, nullptr, nullptr, 2), 1},
      {NewBinaryNode(node::Product, Var('x'), Var('y'), 2), 0},
      {NewUnaryNode(node::Negate, Rel(node::Less, Var('x'), Num(1)), 2), 0},
  };
  for (Row& r : rows) {
    EXPECT_EQ(r.tree->hasRelation, r.expected) << PrefixForm(r.tree);
    DisposeTree(r.tree);
  }
}

TEST(Tfrec, CloneKeepsEvaluatedStateAndCopyValuesKeepsCodes) {
  Tfrec* t = NewBinaryNode(node::Quotient, Var('x'), Num(3), 2);
  t->value = 7;
  t->prevValue = 6;
  t->valid = 0;
  t->exact = 1;
  t->num = 7;
  t->den = 3;
  t->zeroCrossed = t->poleCrossed = 1;
  t->text = "not copied";
  t->left->value = 21;
  const TreePtr c = CloneTree(t, 2);
  EXPECT_EQ(PrefixForm(c.get()), "(/ x 3)");
  EXPECT_EQ(c->value, 7);
  EXPECT_EQ(c->prevValue, 6);
  EXPECT_EQ(c->valid, 0);
  EXPECT_EQ(c->exact, 1);
  EXPECT_EQ(c->num, 7);
  EXPECT_EQ(c->den, 3);
  EXPECT_EQ(c->zeroCrossed + c->poleCrossed, 2);
  EXPECT_TRUE(c->text.empty());
  EXPECT_EQ(c->left->value, 21);
  EXPECT_NE(c->left, t->left);

  // Same shape, other codes: values move over, codes stay.
  Tfrec* target = NewBinaryNode(node::Product, Var('y'), Num(0), 2);
  CopyTreeValues(t, target);
  EXPECT_EQ(PrefixForm(target), "(* y 3)");  // the number node's value came over
  EXPECT_EQ(target->value, 7);
  EXPECT_EQ(target->num, 7);
  EXPECT_EQ(target->left->value, 21);
  // A smaller target ends the walk where it ends.
  Tfrec* leaf = Var('z');
  CopyTreeValues(t, leaf);
  EXPECT_EQ(leaf->value, 7);

  MarkTreeValid(t);
  EXPECT_EQ(t->valid, 1);
  for (Tfrec* p : {t, target, leaf}) DisposeTree(p);
}

TEST(Tfrec, DisposeAcceptsNilAndVeryDeepTrees) {
  Tfrec* none = nullptr;
  DisposeTree(none);
  EXPECT_EQ(none, nullptr);

  // Left-deep and right-deep chains far deeper than any recursion could follow.
  Tfrec* left = Num(0);
  Tfrec* right = Num(0);
  for (int i = 0; i < 300000; ++i) {
    left = NewBinaryNode(node::Sum, left, Num(i), 2);
    right = NewBinaryNode(node::Product, Num(i), right, 2);
  }
  Tfrec* both = NewBinaryNode(node::Difference, left, right, 2);
  DisposeTree(both);
  EXPECT_EQ(both, nullptr);
}

// A pass that replaces the root gets it lent from its owner and hands the new one back.
TEST(Tfrec, InPlaceLendsTheRootAndTakesTheNewOneBack) {
  TreePtr tree(Rel(node::Sum, Num(0), Var('x')));
  auto keepRight = [](Tfrec*& root) {
    Tfrec* right = std::exchange(root->right, nullptr);
    DisposeTree(root);
    root = right;
  };
  keepRight(InPlace(tree));
  ASSERT_NE(tree.get(), nullptr);
  EXPECT_EQ(PrefixForm(tree.get()), "x");
}

TEST(Tfrec, CloneOfALongLeftChain) {
  Tfrec* chain = Num(0);
  for (int i = 1; i <= 200000; ++i) chain = NewBinaryNode(node::Sum, chain, Num(i), 2);
  const TreePtr copy = CloneTree(chain, 2);
  Extended sum = 0;
  int terms = 0;
  for (const Tfrec* t = copy.get(); t; t = t->left, ++terms) sum += t->right ? t->right->value : t->value;
  EXPECT_EQ(terms, 200001);
  EXPECT_EQ(sum, 200000.0L * 200001 / 2);
  DisposeTree(chain);
}

}  // namespace
