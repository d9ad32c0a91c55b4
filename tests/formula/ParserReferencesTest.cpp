#include <gtest/gtest.h>

#include "ParserTestSupport.h"
#include "support/StateFixture.h"

namespace {

// Points A, B and H exist; the plane; no figure formulas unless a test turns them on.
class ParserReferencesTest : public StateTest {
 protected:
  void SetUp() override {
    StateTest::SetUp();
    eng.UseFigureFormulas = 0;
    for (char letter : {'A', 'B', 'H'}) doc.PointLetterUsage[Point(letter)].exists = 1;
  }
  static int Point(char letter) { return static_cast<int>(std::string(PointNameOrder).find(letter)) + 1; }
  static void DefineFunctions(std::initializer_list<const char*> texts) {
    int n = 0;
    for (const char* t : texts) doc.DefinedFunctionTexts[++n] = sj(t);
    doc.DefinedFunctionCount = static_cast<uint8_t>(n);
  }
  static void DefineConstants(std::initializer_list<const char*> texts) {
    int n = 0;
    for (const char* t : texts) doc.DefinedConstantTexts[++n] = sj(t);
    doc.DefinedConstantCount = static_cast<uint8_t>(n);
  }
  // Entry 1: a point by coordinates for `letter`, its x and y texts read as formulas.
  static void DefinePointEntry(char letter, const char* x, const char* y, uint8_t dragAxes) {
    Tfuncprop& e = doc.FigureTable[1];
    InitFuncprop(e, kKindPoint);
    e.texts[0] = x;
    e.texts[1] = y;
    e.dragAxes = dragAxes;
    e.letter = static_cast<uint8_t>(Point(letter));
    doc.EntryCount = 1;
    doc.KindCounts[kKindPoint] = 1;
    doc.PointLetterEntry[Point(letter)] = 1;
  }
};

TEST_F(ParserReferencesTest, PointCoordinatesAndDistances) {
  EXPECT_EQ(Parsed("Ax+By"), "(+ Ax By)");
  EXPECT_EQ(Parsed("Az"), "0");  // no z in the plane
  EXPECT_EQ(Parsed("Xx+Xy"), "(+ x y)");
  EXPECT_EQ(Parsed("2Ax"), "(* 2 Ax)");
  EXPECT_EQ(Parsed("xHx"), "(* x Hx)");  // H, K, S, U may follow an operand
  EXPECT_EQ(Parsed("AB"), "(sqrt (+ (^ (- Ax Bx) 2) (^ (- By Ay) 2)))");
  EXPECT_EQ(Parsed("AX"), "(sqrt (+ (^ (- Ax x) 2) (^ (- y Ay) 2)))");
  EXPECT_EQ(Parsed("AB^2"), "(+ (^ (- Ax Bx) 2) (^ (- By Ay) 2))");
  EXPECT_EQ(Parsed("AB^4"), "(^ (+ (^ (- Ax Bx) 2) (^ (- By Ay) 2)) 2)");
  EXPECT_EQ(Parsed("AB^3"), "(^ (sqrt (+ (^ (- Ax Bx) 2) (^ (- By Ay) 2))) 3)");
  doc.Dimension = 3;
  EXPECT_EQ(Parsed("Az"), "Az");
  EXPECT_EQ(Parsed("AB^2"), "(+ (+ (^ (- Ax Bx) 2) (^ (- By Ay) 2)) (^ (- Az Bz) 2))");

  for (const char* bad : {"Zx", "AC", "A", "X", "A2", "xAx", "Ax2"}) EXPECT_EQ(Valid(bad), false) << bad;
  EXPECT_EQ(Parsed("Zx"), "error@1");
  EXPECT_EQ(Parsed("AC"), "error@2");
  EXPECT_EQ(Parsed("xAx"), "error@2");
}

TEST_F(ParserReferencesTest, PointsGivenByFormulasAreReadThroughTheirTexts) {
  DefinePointEntry('A', "2", "a+1", 5);
  eng.UseFigureFormulas = 1;
  EXPECT_EQ(Parsed("Ax+Ay"), "(+ 2 (+ a 1))");
  doc.FigureTable[1].dragAxes = 0;  // only x is given by its formula
  EXPECT_EQ(Parsed("Ax+Ay"), "(+ 2 Ay)");
  eng.UseFigureFormulas = 0;
  EXPECT_EQ(Parsed("Ax+Ay"), "(+ Ax Ay)");

  // A point whose text names itself is refused, not expanded for ever.
  eng.UseFigureFormulas = 1;
  DefinePointEntry('A', "Ax+1", "0", 5);
  EXPECT_EQ(Parsed("1+Ax"), "error@3");
  DefinePointEntry('A', "Ay", "Ax", 5);
  EXPECT_EQ(Parsed("Ax"), "error@1");
}

TEST_F(ParserReferencesTest, AngleForms) {
  doc.PointLetterUsage[Point('C')].exists = 1;
  EXPECT_EQ(Parsed("arg(A)"), "(arg (pair [0,1] [0,-1]))");
  EXPECT_EQ(Parsed("arg(AB)"), "(arg (pair [1,2] [0,-1]))");
  EXPECT_EQ(Parsed("angle(ABC)"), "(angle (pair [2,3] [2,1]))");
  EXPECT_EQ(Parsed("angle(AB,CA)"), "(angle (pair [3,1] [1,2]))");
  EXPECT_EQ(Parsed("2arg(AB)x"), "(* 2 (* (arg (pair [1,2] [0,-1])) x))");
  for (const char* bad : {"arg(AZ)", "arg()", "angle(ABCD)", "arg(ABC/s1)", "arg(X)", "angle(AB,C)"})
    EXPECT_FALSE(Valid(bad)) << bad;

  // On a sphere (space only): the figure number counts the figures and must name a sphere.
  doc.Dimension = 3;
  InitFuncprop(doc.FigureTable[1], kKindFigure);
  doc.FigureTable[1].subkind = 8;
  doc.EntryCount = 1;
  doc.KindCounts[kKindFigure] = 1;
  const TreePtr t = ParseExpression("angle(ABC/s1)", 2);
  ASSERT_EQ(eng.ParseOK, 1);
  EXPECT_EQ(PrefixForm(t.get()), "(angle (pair [2,3] [2,1]))");
  EXPECT_EQ(t->right->value, 1);
  EXPECT_FALSE(Valid("angle(ABC/s2)"));
  doc.FigureTable[1].subkind = 3;
  EXPECT_FALSE(Valid("angle(ABC/s1)"));
}

TEST_F(ParserReferencesTest, DefinedFunctionsExpandInline) {
  DefineFunctions({"x^2", "x+y", "x+y+z+u+v+w+f+g", "F1(x)*2"});
  EXPECT_EQ(Parsed("F1(t)"), "(^ t 2)");
  EXPECT_EQ(Parsed("F1(x+1)"), "(^ (+ x 1) 2)");
  EXPECT_EQ(Parsed("F2(t)"), "(+ t y)");  // a missing argument leaves the variable
  EXPECT_EQ(Parsed("F2(y,x)"), "(+ y x)");
  EXPECT_EQ(Parsed("F3(1,2,3,4,5,6,7,8)"), "36");
  EXPECT_EQ(Parsed("F3(a,b,c,d,h,k,m,n)"), "(+ (+ (+ (+ (+ (+ (+ a b) c) d) h) k) m) n)");
  EXPECT_EQ(Parsed("F4(3)"), "(* 2 (^ 3 2))");
  EXPECT_EQ(Parsed("F1(F1(x))"), "(^ (^ x 2) 2)");
  EXPECT_EQ(Parsed("2F1(x)"), "(* 2 (^ x 2))");
  EXPECT_EQ(Parsed("Max(F2(1,2),3)"), "(Max 3 3)");

  EXPECT_EQ(Parsed("F5(x)"), "error@1");
  EXPECT_EQ(Parsed("x+F0(x)"), "error@3");  // F followed by 0 is the point F, which does not exist
  EXPECT_EQ(Parsed("F1x"), "error@3");
  EXPECT_EQ(Parsed("F1.5(x)"), "error@1");
  EXPECT_EQ(Parsed("F2777777777(x)+Q1E300"), "error@1");
  EXPECT_EQ(Parsed("F3(1,2,3,4,5,6,7,8,9)"), "error@20");
  EXPECT_EQ(Parsed("F1(x"), "error@4");
  EXPECT_EQ(Parsed("F1()"), "error@4");
  EXPECT_EQ(Parsed("xF1(x)"), "error@2");

  // While F2 is entered it may use F1 only.
  doc.EditedDefinition = {kEditedFunction, 2, 0};
  EXPECT_TRUE(Valid("F1(x)"));
  EXPECT_FALSE(Valid("F2(x)"));
  EXPECT_FALSE(Valid("F3(x)"));
}

TEST_F(ParserReferencesTest, DerivativeMarksAreDifferentiated) {
  DefineFunctions({"x^3"});
  EXPECT_TRUE(Valid("F1'(3)", 1));
  EXPECT_TRUE(Valid("F1\"(3)", 1));
  EXPECT_EQ(Parsed("F1'(t)"), "(* 3 (^ t 2))");
  EXPECT_EQ(Parsed("2+(d/dx)x^2"), "(+ 2 (* 2 x))");
  EXPECT_FALSE(Valid("F1'3"));
}

TEST_F(ParserReferencesTest, CyclicDefinitionsAreRefused) {
  DefineFunctions({"F2(x)+1", "F1(x)"});
  EXPECT_EQ(Parsed("1+F1(x)"), "error@3");
  EXPECT_EQ(Parsed("F2(x)", 1), "error@1");
  DefineFunctions({"F1(x)"});
  EXPECT_FALSE(Valid("F1(2)"));
  DefineFunctions({"x^2", ""});
  EXPECT_EQ(Parsed("F2(x)"), "error@1");  // an empty definition has no value

  DefineConstants({"Q2", "Q1"});
  eng.UseFigureFormulas = 1;
  EXPECT_EQ(Parsed("Q1"), "error@1");
  eng.UseFigureFormulas = 0;
  EXPECT_EQ(Parsed("Q1+Q2"), "(+ Q1 Q2)");
}

TEST_F(ParserReferencesTest, DefinedConstants) {
  DefineConstants({"2", "Q1*a"});
  EXPECT_EQ(Parsed("Q1+x"), "(+ Q1 x)");
  EXPECT_EQ(Parsed("2Q2"), "(* 2 Q2)");
  EXPECT_EQ(Parsed("Q3"), "error@1");
  eng.UseFigureFormulas = 1;
  EXPECT_EQ(Parsed("Q1+x"), "(+ 2 x)");
  EXPECT_EQ(Parsed("Q2"), "(* 2 a)");
  doc.EditedDefinition = {kEditedConstant, 2, 0};
  EXPECT_TRUE(Valid("Q1"));
  EXPECT_FALSE(Valid("Q2"));
}

TEST_F(ParserReferencesTest, ExplicitEntryReferences) {
  Tfuncprop& e = doc.FigureTable[1];
  InitFuncprop(e, kKindExplicit);
  e.texts[0] = "x+1";
  doc.EntryCount = 1;
  doc.KindCounts[kKindExplicit] = 1;
  EXPECT_EQ(Parsed("2y1"), "(* 2 (+ x 1))");
  EXPECT_EQ(Parsed("y1(2)"), "(* 2 (+ x 1))");  // a copy of the formula, not a call
  EXPECT_EQ(e.usedByPoint, 1);
  EXPECT_EQ(Parsed("y2"), "error@1");
  e.texts[0] = "y1+1";
  EXPECT_EQ(Parsed("x+y1"), "error@3");
  e.texts[0] = "x)";
  EXPECT_EQ(Parsed("x+y1"), "error@3");  // an error in the entry's text shows at the reference
  e.texts[0] = "x";
  doc.EditedDefinition = {kEditedExplicit, 1, 0};
  EXPECT_FALSE(Valid("y1"));

  // Entries beyond the size of the definition tables can be named too.
  doc.EditedDefinition = TEditedDefinition{};
  for (int i = 2; i <= 30; ++i) {
    InitFuncprop(doc.FigureTable[i], kKindExplicit);
    doc.FigureTable[i].texts[0] = "x+" + std::to_string(i);
  }
  doc.EntryCount = 30;
  doc.KindCounts[kKindExplicit] = 30;
  EXPECT_EQ(Parsed("y25"), "(+ x 25)");
  EXPECT_EQ(Parsed("y31"), "error@1");
  doc.Dimension = 3;
  doc.EditedDefinition = TEditedDefinition{};
  EXPECT_EQ(Parsed("y1"), "error@2");  // in space y1 is the letter y and a digit
}

TEST_F(ParserReferencesTest, UsageRecording) {
  Tfuncprop& e = doc.FigureTable[1];
  InitFuncprop(e, kKindExplicit);
  doc.EntryCount = 1;
  doc.KindCounts[kKindExplicit] = 1;
  doc.PointLetterUsage[Point('A')].moves = 1;

  // Outside a usage scan nothing is recorded.
  EXPECT_TRUE(Valid("a*x+Ax"));
  EXPECT_EQ(doc.ParameterUsed[10001], 0);
  EXPECT_EQ(doc.PointLetterUsage[Point('A')].used, 0);

  eng.CollectKind = 4;
  eng.CollectIndex = 1;
  EXPECT_TRUE(Valid("a*x+Ax+e"));
  EXPECT_EQ(doc.ParameterUsed[10001], 1);
  EXPECT_EQ(doc.ParameterUsed[10005], 0);  // e is Euler's number
  EXPECT_EQ(doc.PointLetterUsage[Point('A')].used, 1);
  EXPECT_EQ(e.usesPoint, 1);
  EXPECT_EQ(e.dependsOnParameter, 1);

  // t inside shymp is the integration variable; outside it, the parameter.
  EXPECT_TRUE(Valid("shymp([0,1],t,30,t)"));
  EXPECT_EQ(doc.ParameterUsed[10023], 0);
  EXPECT_EQ(eng.ParserCollectMode, 1);
  EXPECT_TRUE(Valid("t"));
  EXPECT_EQ(doc.ParameterUsed[10023], 1);
  eng.ParserCollectMode = 0;
  doc.ParameterUsed[10023] = 0;
  EXPECT_TRUE(Valid("t+f+g"));
  EXPECT_EQ(doc.ParameterUsed[10023] + doc.ParameterUsed[10006] + doc.ParameterUsed[10007], 0);

  // A defined function: its use, and the entry moves with it.
  doc.DefinedFunctionTexts[1] = "x";
  doc.DefinedFunctionCount = 1;
  doc.DefinedFunctionUsage[1].moves = 1;
  e.dependsOnParameter = 0;
  EXPECT_TRUE(Valid("F1(x)"));
  EXPECT_EQ(doc.DefinedFunctionUsage[1].used, 1);
  EXPECT_EQ(e.dependsOnParameter, 1);

  // Scanning a defined function text marks the definition as moving.
  eng.CollectKind = 1;
  eng.CollectIndex = 1;
  doc.DefinedFunctionUsage[1].moves = 0;
  EXPECT_TRUE(Valid("b*x"));
  EXPECT_EQ(doc.DefinedFunctionUsage[1].moves, 1);

  // The points of an angle form are used as coordinates are.
  eng.CollectKind = 4;
  doc.PointLetterUsage[Point('B')].used = 0;
  EXPECT_TRUE(Valid("arg(AB)"));
  EXPECT_EQ(doc.PointLetterUsage[Point('B')].used, 1);
}

}  // namespace
