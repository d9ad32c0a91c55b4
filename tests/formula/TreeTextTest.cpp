// Tree to text: the notation of the printed text, and that every text reads back as the
// same function.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "EvaluatorTestSupport.h"
#include "formula/TreeText.h"
#include "platform/Sjis.h"

namespace {

Tfrec* N(Extended v) { return NewNumberNode(2, v); }
Tfrec* V(char letter) { return NewLeafNode(node::VariableCode(letter), 2); }
Tfrec* B(int32_t code, Tfrec* l, Tfrec* r) { return NewBinaryNode(code, l, r, 2); }
Tfrec* U(int32_t code, Tfrec* r) { return NewUnaryNode(code, r, 2); }

std::string Utf8Text(Tfrec* tree) {
  const std::string text = sjis::ToUtf8(ExpressionTreeToText(tree));
  DisposeTree(tree);
  return text;
}

class TreeTextTest : public EvaluatorTest {
 protected:
  void SetUp() override {
    EvaluatorTest::SetUp();
    eng.UseFigureFormulas = 0;
    const char letters[] = "ABCDFQOIZ";
    for (const char* c = letters; *c; ++c) {
      const int n = static_cast<int>(std::string(PointNameOrder).find(*c)) + 1;
      PlacePoint(n, 0.25L * n, 1 - 0.5L * n, 0.1L * n);
    }
    doc.DefinedConstantTexts[1] = "7";
    doc.DefinedConstantCount = 1;
    doc.DefinedConstantDirty[1] = 1;
    eng.XTickStep = 0.5f;
    eng.YTickStep = 2;
    WriteVariable(doc.VariableValues, 'n', 4);
  }

  // The text parses and the two trees agree at a few points (both undefined, or both
  // defined with the same value). For a tree the parser made, printing the text's own tree
  // gives the text again.
  void ExpectReadsBack(const Tfrec* tree, bool parsed) {
    const std::string text = ExpressionTreeToText(tree);
    const std::string shown = sjis::ToUtf8(text);
    const TreePtr original = CloneTree(tree, 2);
    const TreePtr reread = ParseExpression(text, 2);
    ASSERT_EQ(eng.ParseOK, 1) << shown << " fails at " << eng.ParseErrorPos;
    if (parsed) {
      EXPECT_EQ(ExpressionTreeToText(reread.get()), text) << shown;
    }
    for (const Extended x : {-1.7L, -1.0L, -0.3L, 0.4L, 1.3L, 2.0L, 2.9L}) {
      const Extended a = EvaluateTree(original.get(), x, 0.7L, -0.4L);
      const bool aDrawable = eng.EvalDrawable;
      const Extended b = EvaluateTree(reread.get(), x, 0.7L, -0.4L);
      const bool bDrawable = eng.EvalDrawable;
      EXPECT_EQ(aDrawable, bDrawable) << shown << " at " << static_cast<double>(x);
      if (aDrawable && bDrawable) {
        EXPECT_LE(std::fabs(a - b), 1e-12L * (1 + std::fabs(a))) << shown << " at " << static_cast<double>(x);
      }
    }
  }
};

TEST_F(TreeTextTest, TheNotationOfThePrintedText) {
  EXPECT_EQ(Utf8Text(B(node::Product, N(2), B(node::Power, V('x'), N(2)))), "2x^2");
  EXPECT_EQ(Utf8Text(B(node::Product, N(-1), U(node::Sin, V('x')))), "-sin(x)");
  EXPECT_EQ(Utf8Text(B(node::Product, N(1), V('x'))), "x");
  EXPECT_EQ(Utf8Text(B(node::Power, B(node::Sum, V('x'), N(1)), N(2))), "(x+1)^2");
  EXPECT_EQ(Utf8Text(B(node::Power, V('x'), B(node::Quotient, N(1), N(2)))), "x^(1/2)");
  EXPECT_EQ(Utf8Text(B(node::Power, B(node::Power, V('x'), N(2)), N(3))), "x^2^3");
  EXPECT_EQ(Utf8Text(B(node::Difference, V('x'), B(node::Difference, V('y'), V('z')))), "x-(y-z)");
  EXPECT_EQ(Utf8Text(B(node::Sum, V('x'), B(node::Difference, V('y'), V('z')))), "x+y-z");
  EXPECT_EQ(Utf8Text(B(node::Quotient, V('x'), B(node::Product, V('y'), V('z')))), "x/(y*z)");
  EXPECT_EQ(Utf8Text(B(node::Product, B(node::Less, N(0), V('x')), B(node::Less, V('x'), N(1)))), "(0<x<1)");
  EXPECT_EQ(Utf8Text(B(node::Product, B(node::Less, N(0), V('x')), B(node::Less, V('y'), N(1)))), "(0<x)*(y<1)");
  EXPECT_EQ(Utf8Text(N(0.5L)), "0.5");
  EXPECT_EQ(Utf8Text(N(1e20L)), "1E20");
  EXPECT_EQ(Utf8Text(N(1e-5L)), "1E-5");
  EXPECT_EQ(Utf8Text(B(node::Sum, V('x'), N(-2))), "x-2");
  EXPECT_EQ(Utf8Text(B(node::Sum, V('x'), B(node::Product, N(-3), V('y')))), "x-3y");
  EXPECT_EQ(Utf8Text(B(node::Product, N(30), NewDegreeNode(2))), "30ﾟ");
  EXPECT_EQ(Utf8Text(B(node::Product, N(2), NewPiNode(2))), "2π");
  EXPECT_EQ(Utf8Text(B(node::Sum, V('r'), V('o'))), "θ+ω");
  EXPECT_EQ(Utf8Text(B(node::And, B(node::Greater, V('x'), N(0)), B(node::Less, V('y'), N(1)))), "((x>0))and((y<1))");
  EXPECT_EQ(Utf8Text(nullptr), "");
}

TEST_F(TreeTextTest, RelationSigns) {
  const struct {
    int32_t code;
    const char* sign;
  } signs[] = {{-1, ">"}, {-2, "<"}, {-3, "="}, {-4, ">="}, {-5, "<="}};
  for (const auto& s : signs) {
    std::string text = "?";
    RelationSign(s.code, text);
    EXPECT_EQ(text, s.sign);
  }
  std::string text = "unchanged";
  RelationSign(-6, text);
  EXPECT_EQ(text, "unchanged");
}

// Trees the parser cannot make directly, from the simplifier and the differentiator.
TEST_F(TreeTextTest, TreesWithNegativeNumbersAndBareSymbols) {
  struct Case {
    Tfrec* tree;
    const char* text;
  };
  Tfrec* pair = B(node::Pair, NewLeafNode(node::Pair, 2), NewLeafNode(node::Pair, 2));
  pair->left->value = 1, pair->left->prevValue = 2;     // A, B
  pair->right->value = 0, pair->right->prevValue = -1;  // against the x axis
  const Case cases[] = {
      {B(node::Power, V('x'), N(-2)), "x^(-2)"},
      {B(node::Product, N(0.5L), B(node::Power, V('x'), N(-0.5L))), "0.5x^(-0.5)"},
      {B(node::Quotient, V('x'), N(-2)), "x/(-2)"},
      {B(node::Power, N(-2), V('x')), "(-2)^x"},
      {B(node::Power, N(0), V('x')), "(0)^x"},
      {B(node::Product, N(2), B(node::Power, N(3), V('x'))), "2*3^x"},
      {B(node::Product, N(2), N(3)), "2*3"},
      {B(node::Product, V('x'), N(-2)), "x*(-2)"},
      {B(node::Difference, V('x'), N(-2)), "x-(-2)"},
      {U(node::Negate, N(-2)), "-(-2)"},
      {B(node::Product, V('x'), NewDegreeNode(2)), "x*ﾟ"},
      {B(node::Product, NewLeafNode(node::Latx, 2), V('x')), "latx*x"},
      {NewLeafNode(node::Laty, 2), "laty"},
      {B(node::ProductForm, B(node::IndexRangeI, N(1), N(0)), V('i')), "multi(i=[1,0],i)"},
      {U(node::Arg, pair), "arg(AB)"},
      {B(node::Sum, NewLeafNode(node::PointX(21), 2), NewLeafNode(node::PointY(25), 2)), "Fx+Zy"},
      {B(node::NotEqual, V('x'), N(1)), "(x<>1)"},
      {B(node::Factorial, U(node::Negate, N(3)), nullptr), "(-3)!"},
      {B(node::Factorial, N(1e300L), nullptr), "(1E300)!"},
      {B(node::Factorial, N(0.5L), nullptr), "(5E-1)!"},
      {B(node::Factorial, B(node::Sum, N(123.45L), NewLeafNode(node::VarE, 2)), nullptr), "(12345E-2+e)!"},
      {B(node::Factorial, N(-5.5e27L), nullptr), "(-55E26)!"},
      {B(node::Factorial, B(node::Product, V('n'), B(node::Permutations, N(3), N(1))), nullptr), "(n*P(3,1))!"},
      {B(node::LogBase, B(node::Sum, V('x'), N(1)), V('y')), "logx+1(y)"},
      {B(node::LogBase, U(node::Sin, V('x')), V('y')), "(log(y)/log(sin(x)))"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(sjis::ToUtf8(ExpressionTreeToText(c.tree)), c.text);
    ExpectReadsBack(c.tree, false);
    Tfrec* t = c.tree;
    DisposeTree(t);
  }
}

TEST_F(TreeTextTest, ParsedFormulasReadBack) {
  const char* corpus[] = {
      "x^2+3x-1",
      "(x+1)^2",
      "x^(1/2)",
      "x^2^3",
      "x-(y-z)",
      "x+(y-z)",
      "x/(y*z)",
      "1/2x",
      "1/2*x",
      "-x^2",
      "-(x+1)",
      "2(x+1)",
      "2sin(x)",
      "sinx^2",
      "exp(-x)+e^x",
      "x^(-2)",
      "x*(-2)+x/(-2)",
      "(-2)^x",
      "2*3^x+3^x*2",
      "x*(x-2)/(x+3)",
      "sin(30ﾟ)x",
      "π/2+2π",
      "θ+ω",
      "√(x^2+1)",
      "abs(x)+log(x)+log2(x)+log10(x+1)",
      "tan(x)+sec(x)+cosec(x)+cotan(x)",
      "arctn(x)+arcsin(x/3)+arccos(x/3)",
      "sinh(x)+cosh(x)+tanh(x)",
      "arsinh(x)+arcosh(x+3)+artanh(x/3)",
      "sgn(x)+gaus(x)+round(x)+int(x)+frac(x)+roundc(x)+intc(x)",
      "C(5,2)+P(5,2)+5!+(2+3)!+n!",
      "0<x<1",
      "x<y<=2<3",
      "(x>0)and(y<1)",
      "(x>0)or(y<1)",
      "x<>1",
      "x(x>0)+(x<0)",
      "x((x>0)or(y<1))+2((x<0)and(y>0))",
      "-((x>0)and(y<1))-((x<0)or(y>0))/x",
      "((x>0)or(y<0))^2+(x<((y>0)or(x>1)))",
      "Max(x,1-x)+Min(x,y)",
      "MaxV([0,1]x^2)+MinV([-1,1]x^3)",
      "Sum(i=[1,n],i^2)",
      "multi(i=[1,0],i)",
      "shymp([0,x],t^2,30,t)",
      "∫[0,1](xt)dt",
      "∫[0,θ](s)ds[10]",
      "Ax+By+AB",
      "arg(AB)+arg(A)",
      "angle(ABC)+angle(AB,CD)",
      "Fx+Qy+Ox+Iy+Zx",
      "latx*x+laty",
      "Q1*x",
      "1E20x+1E-5+0.5x-0.25",
      "x-3y",
      "-(1/x)+(-x)/y",
  };
  for (const char* text : corpus) {
    const TreePtr tree = ParseExpression(sj(text), 2);
    ASSERT_EQ(eng.ParseOK, 1) << text;
    ExpectReadsBack(tree.get(), true);
  }
}

// A factorial whose operand cannot stand in "(...)!" prints as P(n,n), and an argument or
// a bound may hold a form with commas and brackets of its own (here through F1): all of
// them read back.
TEST_F(TreeTextTest, NestedFactorialsAndFormsInArgumentsReadBack) {
  PlacePoint(5, 0, 0.7L, 0);  // E: at whole distances from X = (-1, 0.7) and (2, 0.7)
  doc.DefinedFunctionTexts[1] = "Max(x,1)";
  doc.DefinedFunctionTexts[2] = "Sum(i=[1,x],i)";
  doc.DefinedFunctionCount = 2;
  const char* corpus[] = {
      "i(XEi(XE)!r)!c",
      "((XE)!r)!",
      "((AB)!)!+(XE)!",
      "P((XE)!,1)+C(F1(n),1)",
      "Sum(i=[F1(n),F2(3)],i)",
      "MaxV([F1(n),3]x)+MinV([0,F2(n)]x)",
      "shymp([0,F1(n)],t,10,t)",
      "∫[0,1](x)dx[F1(n)]",
  };
  for (const char* text : corpus) {
    SCOPED_TRACE(text);
    const TreePtr tree = ParseExpression(sj(text), 2);
    ASSERT_EQ(eng.ParseOK, 1);
    ExpectReadsBack(tree.get(), true);
  }
}

// Each level of P(n,n) doubles the text: a deep nest has no text rather than one too long
// to build.
TEST_F(TreeTextTest, ATextTooLongToUseIsNotBuilt) {
  std::string text = "AB";
  for (int level = 0; level < 40; ++level) text = "(" + text + ")!";
  const TreePtr tree = ParseExpression(text, 2);
  ASSERT_EQ(eng.ParseOK, 1);
  EXPECT_EQ(ExpressionTreeToText(tree.get()), "");
}

TEST_F(TreeTextTest, SpaceCoordinatesReadBack) {
  doc.Dimension = 3;
  const TreePtr tree = ParseExpression(sj("Az+x-Bz"), 2);
  ASSERT_EQ(eng.ParseOK, 1);
  EXPECT_EQ(ExpressionTreeToText(tree.get()), "Az+x-Bz");
  ExpectReadsBack(tree.get(), true);
}

}  // namespace
