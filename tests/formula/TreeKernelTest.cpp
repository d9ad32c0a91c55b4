#include <gtest/gtest.h>

#include "TreePrint.h"
#include "formula/Parser.h"
#include "formula/TreeKernel.h"
#include "support/StateFixture.h"

namespace {

using TreeKernelTest = StateTest;

Tfrec* Tree(const char* text) {
  Tfrec* t = ParseExpression(text, 2).release();
  EXPECT_EQ(eng.ParseOK, 1) << text;
  return t;
}

TEST_F(TreeKernelTest, SearchesForCodesAndRelations) {
  Tfrec* t = Tree("a+sin(x*(y>1))");
  EXPECT_TRUE(TreeContainsCode(t, node::VarY));
  EXPECT_TRUE(TreeContainsCode(t, node::Sin));
  EXPECT_FALSE(TreeContainsCode(t, node::VarZ));
  EXPECT_TRUE(TreeHasRelation(t));
  EXPECT_FALSE(t->hasRelation);  // the flag stops at the unary node; the search does not
  EXPECT_EQ(CountCode(t, node::VarX), 1);
  EXPECT_EQ(TreeSize(t), 8);
  EXPECT_EQ(TreeDepth(t), 5);
  EXPECT_FALSE(TreeContainsCode(nullptr, node::VarX));
  EXPECT_FALSE(TreeHasRelation(nullptr));
  DisposeTree(t);
}

TEST_F(TreeKernelTest, RenamingAndShiftingCodes) {
  Tfrec* t = Tree("x+y*z-u/v^w+f*g+a");
  ShiftFunctionVariables(t, 0, 1000);
  EXPECT_FALSE(TreeContainsCode(t, node::VarX));
  EXPECT_TRUE(TreeContainsCode(t, 11024));
  EXPECT_TRUE(TreeContainsCode(t, 11007));
  EXPECT_TRUE(TreeContainsCode(t, node::VarA));  // a is no function variable
  ShiftFunctionVariables(t, 1000, 0);
  EXPECT_EQ(PrefixForm(t), "(+ (+ (+ x (- (* y z) (/ u (^ v w)))) (* f g)) a)");
  ReplaceNodeKind(t, node::VarY, node::VarT);
  EXPECT_EQ(PrefixForm(t), "(+ (+ (+ x (- (* t z) (/ u (^ v w)))) (* f g)) a)");
  DisposeTree(t);
}

TEST_F(TreeKernelTest, SubstitutionGivesEveryOccurrenceItsOwnCopy) {
  Tfrec* t = Tree("x^2+x");
  Tfrec* s = Tree("t+1");
  SubstituteCodeBySubtree(t, s, node::VarX);
  EXPECT_EQ(PrefixForm(t), "(+ (^ (+ t 1) 2) (+ t 1))");
  EXPECT_NE(t->left->left, t->right);
  EXPECT_EQ(PrefixForm(s), "(+ t 1)");  // the subtree itself is not taken
  // A root that is the code is replaced.
  Tfrec* leaf = Tree("x");
  SubstituteCodeBySubtree(leaf, s, node::VarX);
  EXPECT_EQ(PrefixForm(leaf), "(+ t 1)");
  // The inserted copies are not searched again.
  Tfrec* u = Tree("x");
  Tfrec* self = Tree("x*x");
  SubstituteCodeBySubtree(u, self, node::VarX);
  EXPECT_EQ(PrefixForm(u), "(* x x)");
  for (Tfrec* p : {t, s, leaf, u, self}) DisposeTree(p);
}

}  // namespace
