// Trees evaluated again and again run as compiled programs: they must leave every result,
// flag and root field exactly as the recursive evaluator does, evaluation after evaluation.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "EvaluatorTestSupport.h"
#include "formula/EvaluatorCore.h"
#include "formula/Simplifier.h"
#include "formula/VariableValues.h"

namespace {

// Programs run while figure formulas are off, as they are while a document is drawn.
class EvaluatorProgramTest : public EvaluatorTest {
 protected:
  void SetUp() override {
    EvaluatorTest::SetUp();
    eng.UseFigureFormulas = 0;
  }
};

// What an evaluation leaves for its callers.
struct Observed {
  Extended result, value, prevValue;
  uint8_t valid, zeroCrossed, poleCrossed, exact;
  int32_t num, den;
  uint8_t evalOK, drawable, lineContinues, validityChanged;
};

Observed Observe(Extended result, const Tfrec* root) {
  return Observed{result,        root->value,       root->prevValue, root->valid,   root->zeroCrossed,
                  root->poleCrossed, root->exact,    root->num,       root->den,     eng.EvalOK,
                  eng.EvalDrawable,  eng.LineContinues, eng.ValidityChanged};
}

bool SameBits(const Extended& a, const Extended& b) { return std::memcmp(&a, &b, 10) == 0; }

bool Same(const Observed& a, const Observed& b) {
  return SameBits(a.result, b.result) && SameBits(a.value, b.value) && SameBits(a.prevValue, b.prevValue) &&
         a.valid == b.valid && a.zeroCrossed == b.zeroCrossed && a.poleCrossed == b.poleCrossed &&
         a.exact == b.exact && a.num == b.num && a.den == b.den && a.evalOK == b.evalOK &&
         a.drawable == b.drawable && a.lineContinues == b.lineContinues && a.validityChanged == b.validityChanged;
}

// Two trees of one text walked side by side along a curve, one by EvaluateTree, one by the
// recursive evaluator alone.
class SideBySide {
 public:
  explicit SideBySide(const std::string& utf8, int mode = 3)
      : compiled_(ParseExpression(sj(utf8), mode).release()), reference_(ParseExpression(sj(utf8), mode).release()) {}
  ~SideBySide() {
    DisposeTree(compiled_);
    DisposeTree(reference_);
  }
  SideBySide(const SideBySide&) = delete;
  SideBySide& operator=(const SideBySide&) = delete;

  bool Parsed() const { return compiled_ && reference_; }

  // Both evaluated from the same flags; true when they agree.
  bool At(Extended x, Extended y = 0) {
    eng.LineContinues = eng.ValidityChanged = 0;
    const Observed a = Observe(EvaluateTree(compiled_, x, y, 0), compiled_);
    eng.LineContinues = eng.ValidityChanged = 0;
    const Observed b = Observe(EvaluateTreeRecursively(reference_, x, y, 0), reference_);
    return Same(a, b);
  }

  void MarkValid() {
    MarkTreeValid(compiled_);
    MarkTreeValid(reference_);
  }

  Tfrec*& compiled() { return compiled_; }

 private:
  Tfrec* compiled_;
  Tfrec* reference_;
};

TEST_F(EvaluatorProgramTest, ProgramsAgreeWithTheRecursiveEvaluatorAlongACurve) {
  const char* formulas[] = {
      // polynomial terms, sums read in place, stack depth
      "x^2+1", "x^3-2x^2+x-1", "0.5x^4-(2x)^3+3x", "(x+1)(x-2)(x+3)",
      "(sin(x)+1)(cos(x)+2)(sin(2x)+3)(cos(2x)+4)",
      // quotients and poles, cancelling ones too
      "1/(x^2+1)", "x/(x-1)+1/x", "1/x+1/(-x)+1", "(x-1)/(x-1)", "x^(-2)", "tan(x)*sin(2x)",
      // relations, unions, products that skip their left operand, an exact root
      "(x>0)*x^2", "x^2(0<x<1)", "(x<0)+(x>1)", "((x>-1)and(x<1))*x", "(x=0.5)+(y=x)", "x^(2(x>0))",
      // errors and faults met along the way, left to the recursive evaluator
      "sqrt(x)+log(x)", "arcsin(x)*arccos(x/2)", "1/(x-0.25)", "x^99999+1",
      // jumps and functions that read previous values
      "sgn(x)+gaus(x)+int(x)+frac(x)+round(x)", "sinh(x)*cosh(x)-log(x^2+1)", "artanh(x/4)",
      // the rest of the operators
      "Max(x,1)-Min(x,-1)+C(5,2)+3!", "abs(x-1)+abs(x+1)", "exp(-x^2)*sin(3x)", "2^x-e^x", "(-8)^(1/3)*x",
      "log2(x^2+1)"};
  for (const char* text : formulas) {
    SideBySide walk(text);
    ASSERT_TRUE(walk.Parsed()) << text;
    for (int k = -40; k <= 40; ++k) {
      const Extended x = k / 10.0L;
      eng.PlotMode = k % 3 == 0;
      ASSERT_TRUE(walk.At(x, 0.5L)) << text << " at " << static_cast<double>(x);
      if (k % 17 == 0) walk.MarkValid();
    }
    // Exact zeros and a point that is no number.
    for (const Extended x : {0.0L, 1.0L, -1.0L, 0.25L, 1e4000L}) ASSERT_TRUE(walk.At(x)) << text;
  }
  eng.PlotMode = 0;
}

TEST_F(EvaluatorProgramTest, ProgramsOfSymbolicTreesReadTheParameters) {
  WriteVariable(doc.VariableValues, 'a', 1.5L);
  doc.VariableValues.T = 0.75L;
  SideBySide walk("a*x^2+t*x-latx", 2);
  ASSERT_TRUE(walk.Parsed());
  for (int k = -10; k <= 10; ++k) {
    if (k == 3) WriteVariable(doc.VariableValues, 'a', -2);
    ASSERT_TRUE(walk.At(k / 4.0L)) << k;
  }
}

TEST_F(EvaluatorProgramTest, ATreeChangedInPlaceGetsANewProgram) {
  SampledTree t("x+1");
  for (int k = 0; k < 3; ++k) t.At(k);
  // Negated in place: x-1 becomes -(x+1).
  NegateTree(t.tree());
  EXPECT_EQ(t.At(2).value, -3);
  // A node of the tree handed to a constructor: (x+1)*(x+1) about the old root.
  Tfrec* copy = CloneTree(t.root(), 2).release();
  t.tree() = NewBinaryNode(node::Product, t.root(), copy, 2);
  EXPECT_EQ(t.At(3).value, 16);
  // An operand replaced under the root.
  Tfrec* old = t.root()->right;
  t.root()->right = NewNumberNode(2, 5);
  DisposeTree(old);
  EXPECT_EQ(t.At(3).value, -20);
}

}  // namespace
