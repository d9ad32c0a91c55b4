#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "PrefixTree.h"
#include "TreePrint.h"
#include "formula/Simplifier.h"
#include "support/StateFixture.h"

namespace {

using SimplifierTest = StateTest;

std::string Simplified(const std::string& prefix, int mode = 2) {
  Tfrec* tree = TreeFromPrefix(prefix);
  SimplifyTree(tree, mode);
  std::string out = PrefixForm(tree);
  DisposeTree(tree);
  return out;
}

struct Row {
  const char* input;
  const char* expected;
};

void ExpectRows(const std::vector<Row>& rows) {
  for (const Row& r : rows) {
    eng.ParseOK = 1;
    EXPECT_EQ(Simplified(r.input), r.expected) << r.input;
    EXPECT_EQ(eng.ParseOK, 1) << r.input;
  }
}

TEST_F(SimplifierTest, Powers) {
  ExpectRows({
      {"(^ 0 2)", "0"},
      {"(^ 0 0.5)", "0"},
      {"(^ 0 (neg 2))", "(^ 0 -2)"},  // a negative exponent is a pole, not a zero
      {"(^ 0 x)", "(^ 0 x)"},
      {"(^ x 0)", "(^ x 0)"},
  });
}

TEST_F(SimplifierTest, Quotients) {
  ExpectRows({
      {"(/ 4 2)", "2"},
      {"(/ 2 4)", "(/ 1 2)"},
      {"(/ 6 (neg 4))", "(/ 3 -2)"},  // the sign stays where it was unless the denominator is 1
      {"(/ 3 (neg 1))", "-3"},
      {"(/ 0 x)", "0"},
      {"(/ (/ x y) (/ z w))", "(/ (* x w) (* y z))"},
      {"(/ (/ x y) z)", "(/ x (* y z))"},
      {"(/ x (/ y z))", "(/ (* x z) y)"},
      {"(/ (/ 1 2) (/ 3 4))", "(/ 2 3)"},
      {"(/ 6 (/ 4 3))", "(/ 9 2)"},
      {"(/ (/ 1 2) 3)", "(/ 1 6)"},
      {"(/ (/ (/ x 2) 3) (/ 1 (/ y 5)))", "(/ (* x y) 30)"},
      {"(/ 2.5 5)", "(/ 2.5 5)"},
      {"(/ 200000 100000)", "(/ 200000 100000)"},  // only small integers are folded
  });
}

TEST_F(SimplifierTest, ZeroDivisorIsReported) {
  EXPECT_EQ(Simplified("(/ 1 0)"), "(/ 1 0)");
  EXPECT_EQ(eng.ParseOK, 0);
  eng.ParseOK = 1;
  EXPECT_EQ(Simplified("(/ x (- 2 2))"), "(/ x 0)");
  EXPECT_EQ(eng.ParseOK, 0);
  eng.ParseOK = 1;
  EXPECT_EQ(Simplified("(+ (/ 1 0) (/ 1 3))"), "(+ (/ 1 0) (/ 1 3))");
  EXPECT_EQ(eng.ParseOK, 0);
}

TEST_F(SimplifierTest, Products) {
  ExpectRows({
      {"(* x 1)", "(* 1 x)"},
      {"(* x 0)", "0"},
      {"(* 0 x)", "0"},
      {"(* 0 (> x 0))", "(* 0 (> x 0))"},  // a domain restriction stays
      {"(* (> x 0) 0)", "(* 0 (> x 0))"},
      {"(* 0 (sin (> x 0)))", "(* 0 (sin (> x 0)))"},
      {"(* 2 (* 3 x))", "(* 6 x)"},
      {"(* (* 3 x) 2)", "(* 6 x)"},
      {"(* 0.5 (* 0.3 x))", "(* 0.15 x)"},
      {"(* 2 3)", "6"},
      {"(* 99999 99999)", "9999800001"},
      {"(* 3 (/ 1 6))", "(/ 1 2)"},
      {"(* (/ 1 6) 3)", "(/ 1 2)"},
      {"(* (/ 1 2) (/ 2 3))", "(/ 1 3)"},
      {"(* (/ 2 3) (/ 3 2))", "1"},
      {"(* (/ 1 2) x)", "(* (/ 1 2) x)"},
      {"(* x y)", "(* x y)"},
  });
}

TEST_F(SimplifierTest, Differences) {
  ExpectRows({
      {"(- 0 0)", "0"},
      {"(- 0 x)", "(neg x)"},
      {"(- 0 (+ a b))", "(- (neg a) b)"},
      {"(- 0 3)", "-3"},
      {"(- x 0)", "x"},
      {"(- x (neg y))", "(+ x y)"},
      {"(- 2 (neg 3))", "5"},
      {"(- 5 7)", "-2"},
      {"(- (/ 1 2) 1)", "(/ -1 2)"},
      {"(- 1 (/ 1 3))", "(/ 2 3)"},
      {"(- (/ 1 2) (/ 1 3))", "(/ 1 6)"},
      {"(- (/ 1 2) (/ 1 2))", "0"},
  });
}

TEST_F(SimplifierTest, Sums) {
  ExpectRows({
      {"(+ 0 0)", "0"},
      {"(+ x 0)", "x"},
      {"(+ 0 x)", "x"},
      {"(+ 2 3)", "5"},
      {"(+ (/ 1 2) (/ 1 3))", "(/ 5 6)"},
      {"(+ (/ 1 2) 1)", "(/ 3 2)"},
      {"(+ 1 (/ 1 2))", "(/ 3 2)"},
      {"(+ (/ 1 4) (/ 3 4))", "1"},
      {"(+ (/ 1 2) (neg (/ 1 2)))", "(+ (/ 1 2) (neg (/ 1 2)))"},
      {"(+ x y)", "(+ x y)"},
  });
}

TEST_F(SimplifierTest, UnaryMinusAndLog) {
  ExpectRows({
      {"(neg (+ a b))", "(- (neg a) b)"},
      {"(neg (- a b))", "(+ (neg a) b)"},
      {"(neg (+ (+ a b) c))", "(- (- (neg a) b) c)"},
      {"(neg (neg x))", "x"},
      {"(neg 3)", "-3"},
      {"(neg 0)", "0"},
      {"(neg (* x y))", "(neg (* x y))"},
      {"(log e)", "1"},
      {"(log x)", "(log x)"},
      {"(sin (+ x 0))", "(sin x)"},
  });
}

TEST_F(SimplifierTest, NegateTree) {
  Tfrec* t = TreeFromPrefix("-3");
  NegateTree(t);
  EXPECT_EQ(PrefixForm(t), "3");
  DisposeTree(t);
  t = TreeFromPrefix("(* x y)");
  NegateTree(t);
  EXPECT_EQ(PrefixForm(t), "(neg (* x y))");
  DisposeTree(t);
}

TEST_F(SimplifierTest, ReduceFractionNode) {
  struct Case {
    const char* input;
    const char* expected;
  };
  for (const Case& c : std::vector<Case>{{"(/ 4 6)", "(/ 2 3)"},
                                          {"(/ (neg 4) 2)", "-2"},
                                          {"(/ 0 5)", "0"},
                                          {"(/ 5 0)", "(/ 5 0)"},
                                          {"(/ x 2)", "(/ x 2)"},
                                          {"(/ 4 (neg 4))", "-1"},
                                          {"(/ (neg 4) (neg 4))", "1"}}) {
    Tfrec* t = TreeFromPrefix(c.input);
    ReduceFractionNode(t, 2);
    EXPECT_EQ(PrefixForm(t), c.expected) << c.input;
    DisposeTree(t);
  }
}

TEST_F(SimplifierTest, CheckModeChangesNothing) {
  EXPECT_EQ(Simplified("(+ (* x 1) (/ 4 2))", 1), "(+ (* x 1) (/ 4 2))");
  Tfrec* nil = nullptr;
  SimplifyTree(nil, 2);
  EXPECT_EQ(nil, nullptr);
}

TEST_F(SimplifierTest, LongChainsDoNotExhaustTheStack) {
  // 1+x*1+x*1+... left-associated as the parser builds it, far deeper than a plain
  // recursion could follow.
  Tfrec* t = NewNumberNode(2, 1);
  for (int k = 1; k < 200000; ++k) t = NewBinaryNode(node::Sum, t, NewBinaryNode(node::Product, NewLeafNode(node::VarX, 2), NewNumberNode(2, 1), 2), 2);
  SimplifyTree(t, 2);
  ASSERT_NE(t, nullptr);
  EXPECT_EQ(t->code, node::Sum);
  EXPECT_EQ(PrefixForm(t->right), "(* 1 x)");
  NegateTree(t);
  EXPECT_EQ(t->code, node::Difference);
  DisposeTree(t);
}

TEST_F(SimplifierTest, Predicates) {
  struct Case {
    const char* tree;
    bool number, smallInt, integerFraction, exact;
  };
  const std::vector<Case> cases = {
      {"3", true, true, false, true},
      {"(neg (neg 3))", true, true, false, true},
      {"2.5", true, false, false, false},
      {"100000", true, false, false, false},
      {"(/ 1 2)", false, false, true, false},
      {"(/ 1 x)", false, false, false, false},
      {"(+ (* 2 m) (- n (neg i)))", false, false, false, true},
      {"(* (sgn j) (gaus (+ n 1)))", false, false, false, true},
      {"(* 2 x)", false, false, false, false},
      {"(+ a 1)", false, false, false, false},
      {"(abs n)", false, false, false, false},
  };
  for (const Case& c : cases) {
    Tfrec* t = TreeFromPrefix(c.tree);
    EXPECT_EQ(IsNumberNode(t), c.number) << c.tree;
    EXPECT_EQ(IsSmallIntConst(t), c.smallInt) << c.tree;
    EXPECT_EQ(IsIntegerFraction(t), c.integerFraction) << c.tree;
    EXPECT_EQ(IsExactTree(t), c.exact) << c.tree;
    DisposeTree(t);
  }
  Tfrec* t = TreeFromPrefix("(neg (neg (neg 3)))");
  EXPECT_EQ(NumberNodeValue(t), -3);
  DisposeTree(t);
  EXPECT_FALSE(IsExactTree(nullptr));
}

}  // namespace
