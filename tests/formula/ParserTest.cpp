#include <gtest/gtest.h>

#include "ParserTestSupport.h"
#include "support/StateFixture.h"

namespace {

using ParserTest = StateTest;

struct Row {
  const char* text;
  const char* expected;
};

void ExpectRows(std::initializer_list<Row> rows, int mode) {
  for (const Row& r : rows) EXPECT_EQ(Parsed(r.text, mode), r.expected) << r.text << " in mode " << mode;
}

TEST_F(ParserTest, OperatorsAndPrecedence) {
  ExpectRows(
      {
          {"2x", "(* 2 x)"},
          {"x(x+1)", "(* x (+ x 1))"},
          {"2xy", "(* 2 (* x y))"},
          {"ab", "(* a b)"},
          {"-x^2", "(neg (^ x 2))"},
          {"-2*3", "-6"},
          {"-a-b", "(- (neg a) b)"},
          {"-x+1", "(+ (neg x) 1)"},
          {"+x", "x"},
          {"1/2x", "(/ 1 (* 2 x))"},
          {"1/2*x", "(* (/ 1 2) x)"},
          {"x/yz", "(/ x (* y z))"},
          {"a-b-c", "(- (- a b) c)"},
          {"a-b+c", "(+ (- a b) c)"},
          {"a+b-c", "(+ a (- b c))"},
          {"a*b/c", "(* a (/ b c))"},
          {"2^3^2", "(^ (^ 2 3) 2)"},
          {"x^2y", "(^ x (* 2 y))"},
          {"x*(-2)", "(* -2 x)"},
          {"(x+1)(x-1)", "(* (+ x 1) (- x 1))"},
          {"((x))", "x"},
          {"e^x", "(^ e x)"},
          {"θ+ω", "(+ r o)"},
      },
      2);
}

TEST_F(ParserTest, NumbersAndConstants) {
  ExpectRows(
      {
          {"2.5", "2.5"},
          {".5", "0.5"},
          {"2.5E-3", "0.0025"},
          {"1E3x", "(* 1000 x)"},
          {"05", "0"},
          {"0x", "0"},
          {"2π", "(* 2 pi)"},
          {"πx", "(* pi x)"},
          {"30ﾟ", "(* 30 deg)"},
          {"latx*laty", "(* latx laty)"},
          {"5!", "(! 5)"},
          {"n!", "(! n)"},
          {"(2+3)!", "(! 5)"},
          {"5!x", "(* (! 5) x)"},
      },
      2);
}

TEST_F(ParserTest, FunctionsAndRelations) {
  ExpectRows(
      {
          {"sinx", "(sin x)"},
          {"sinx^2", "(^ (sin x) 2)"},
          {"sin2x+1", "(+ (sin (* 2 x)) 1)"},
          {"sinx=0.5", "(= (sin x) 0.5)"},
          {"sin2(x+1)", "(sin (* 2 (+ x 1)))"},
          {"(sinx)(x+1)", "(* (sin x) (+ x 1))"},
          {"xsin(x)", "(* x (sin x))"},
          {"sin(x)cos(x)", "(* (sin x) (cos x))"},
          {"tanhx", "(* t (* a (* n (* h x))))"},
          {"tanh(x)", "(tanh x)"},
          {"√x+1", "(+ (sqrt x) 1)"},
          {"abs(x-1)", "(abs (- x 1))"},
          {"arcsin(x)+arctn(x)", "(+ (arcsin x) (arctn x))"},
          {"roundc(x)+intc(x)", "(+ (roundc x) (intc x))"},
          {"log(x)", "(log x)"},
          {"log2(8)", "(logb 2 8)"},
          {"log10(x)", "(logb 10 x)"},
          {"x>=1", "(>= x 1)"},
          {"y=x^2", "(= y (^ x 2))"},
          {"x<>1", "(<> x 1)"},
          {"0<x<1", "(* (< 0 x) (< x 1))"},
          {"a<b<c<d", "(* (* (< a b) (< b c)) (< c d))"},
          {"0<x<=1<y", "(* (* (< 0 x) (<= x 1)) (< 1 y))"},
          {"x>0andx<1", "(< (and (> x 0) x) 1)"},
          {"(x>0)and(x<1)", "(and (> x 0) (< x 1))"},
          {"(x<0)or(x>1)", "(or (< x 0) (> x 1))"},
          {"Max(1,2)", "(Max 1 2)"},
          {"Min(x,1-x)", "(Min x (- 1 x))"},
          {"MaxV([0,1]x^2)", "(MaxV (range 0 1) (^ x 2))"},
          {"MinV([0,1],x)", "error@11"},
          {"C(5,2)+P(5,2)", "(+ (C 5 2) (P 5 2))"},
      },
      2);
}

TEST_F(ParserTest, SumsProductsAndIntegrals) {
  ExpectRows(
      {
          {"Sum(i=[1,3],i)", "(Sum (i 1 3) i)"},
          {"Sum(j=[1,3]j^2)", "(Sum (j 1 3) (^ j 2))"},
          {"multi(i=[1,3],i)", "6"},
          {"multi(i=[1,0],i)", "(multi (i 1 0) i)"},
          {"multi(i=[2,2],ix)", "(* 2 x)"},
          {"∫[0,1](x)dx", "(int (pair (range 0 1) 30) (pair ~x ~x))"},
          {"∫[0,1](x^2)dx[10]", "(int (pair (range 0 1) 10) (pair ~x (^ ~x 2)))"},
          {"∫[0,x](t)dt", "(int (pair (range 0 x) 30) (pair ~t ~t))"},
          {"shymp([0,1],t^2,30,t)", "(int (pair (range 0 1) 30) (pair ~t (^ ~t 2)))"},
          {"shymp([0,1],x,20)", "(int (pair (range 0 1) 20) (pair ~x ~x))"},
          // s and θ are integrated, not held constant; i and j are left alone.
          {"∫[0,1](s+i)ds", "(int (pair (range 0 1) 30) (pair ~s (+ ~s i)))"},
          {"∫[0,1](θj)dθ", "(int (pair (range 0 1) 30) (pair ~r (* ~r j)))"},
          {"shymp([0,1],s*i,30,s)", "(int (pair (range 0 1) 30) (pair ~s (* ~s i)))"},
      },
      2);
  ExpectRows(
      {
          {"Sum(i=[1,3],i)", "6"},
          {"Sum(i=[-1,1],ix)", "(+ (* -1 x) (* 1 x))"},
          {"Sum(i=[3,1],i)", "(Sum (i 3 1) i)"},
          // The outer sum is unrolled first, so the inner bound sees the outer index.
          {"Sum(i=[1,3],Sum(j=[1,i],j))", "10"},
          // An inner sum over the same letter keeps its own index.
          {"Sum(i=[1,2],Sum(i=[1,i],i))", "4"},
          {"log2(8)", "(/ (log 8) (log 2))"},
          // Arguments and bounds may hold forms with commas and brackets of their own.
          {"C(Max(4,5),2)", "(C (Max 4 5) 2)"},
          {"P(Sum(i=[1,2],i),P(2,1))", "(P 3 (P 2 1))"},
          {"Sum(i=[Min(1,2),C(3,2)],i)", "6"},
          {"MaxV([0,Max(1,2)]x)", "(MaxV (range 0 (Max 1 2)) x)"},
      },
      3);
}

TEST_F(ParserTest, ErrorPositions) {
  // Positions are 1-based bytes of the normalised text.
  ExpectRows(
      {
          {"x2", "error@2"},
          {"x*-1", "error@3"},
          {"2^-1", "error@3"},
          {"(x+1", "error@4"},
          {"x+", "error@2"},
          {"x>", "error@3"},
          {"x@", "error@3"},
          {"x@9", "error@3"},
          {"x)", "error@2"},
          {"x)y", "error@3"},
          {"2x,5", "error@3"},
          {"x,", "error@2"},
          {"xﾟ", "error@2"},
          {"x$", "error@2"},
          {"0^2", "error@1"},
          {"2..5", "error@3"},
          {"2.", "error@2"},
          {"1E5000", "error@1"},
          {"2.5!", "error@1"},
          {"(x)!", "error@1"},
          {"x!", "error@1"},
          {"sin()", "error@5"},
          {"sin(x", "error@5"},
          {"∫[0,1](x)dq", "error@12"},
          {"∫[0,1](x)", "error@11"},
          {"Sum(k=[1,3],k)", "error@5"},
          {"Sum(i[1,3],i)", "error@6"},
          {"Max(1)", "error@6"},
      },
      2);
}

TEST_F(ParserTest, MissingOperandsAndEmptySubTextsAreErrors) {
  ExpectRows(
      {
          {"-", "error@2"},
          {"+", "error@2"},
          {"2+-", "error@4"},
          {"3--", "error@4"},
          {"(d/dx)", "error@3"},
          {"C(,2)", "error@4"},
          {"C(5)", "error@4"},
          {"∫[,1](x)dx", "error@4"},
          {"∫[0,](x)dx", "error@6"},
          {"∫[0,1](x)dx[]", "error@14"},
          {"MaxV([0,]x)", "error@9"},
          {"Sum(i=[],i)", "error@8"},
          {"shymp([0,1],x)", "error@14"},
          {"log(8)+log2()", "error@13"},
      },
      2);
}

TEST_F(ParserTest, CheckModeBuildsNothing) {
  const uint64_t before = TreeNodesMade();
  EXPECT_EQ(ParseExpression("x^2+sin(x)", 1), nullptr);
  EXPECT_EQ(eng.ParseOK, 1);
  EXPECT_EQ(ParseExpression("x^", 1), nullptr);
  EXPECT_EQ(eng.ParseOK, 0);
  EXPECT_EQ(eng.ParseErrorPos, 2);
  EXPECT_EQ(ParseExpression(sj("Sum(i=[1,3],i)+∫[0,1](x)dx"), 1), nullptr);
  EXPECT_EQ(eng.ParseOK, 1);
  EXPECT_EQ(TreeNodesMade(), before);
}

TEST_F(ParserTest, AnEmptyTextLeavesTheFlags) {
  eng.ParseOK = 0;
  eng.ParseErrorPos = 7;
  EXPECT_EQ(ParseExpression("", 2), nullptr);
  EXPECT_EQ(eng.ParseOK, 0);
  EXPECT_EQ(eng.ParseErrorPos, 7);
  EXPECT_EQ(Parsed("x"), "x");  // the next parse resets them
}

TEST_F(ParserTest, EveryModeAgreesOnValidity) {
  for (const char* text : {"x^2+1", "sin(x", "0<x<1", "x*-1", "Sum(i=[1,3],i)", "2x,5", "5!", "C(,2)"}) {
    const bool check = Valid(text, 1);
    EXPECT_EQ(Valid(text, 2), check) << text;
    EXPECT_EQ(Valid(text, 3), check) << text;
  }
}

}  // namespace
