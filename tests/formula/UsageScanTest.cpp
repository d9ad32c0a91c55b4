#include <gtest/gtest.h>

#include <map>

#include "FigureTableTestSupport.h"
#include "formula/FigureTableOperands.h"
#include "formula/Tfrec.h"
#include "formula/UsageScan.h"

namespace {

const TUsageFlags& PointUsage(char letter) { return doc.PointLetterUsage[PointNumber(letter)]; }

void Scan() {
  ClearUsageFlags();
  RecomputeParameterUsage();
}

// "back" for an entry drawn once into the back bitmap, "moving" for one redrawn on every
// parameter step.
std::string Layer(int e) {
  const Tfuncprop& entry = doc.FigureTable[e];
  return entry.usesPoint || entry.dependsOnParameter ? "moving" : "back";
}

void DefineConstants(std::initializer_list<const char*> texts) {
  int n = 0;
  for (const char* t : texts) doc.DefinedConstantTexts[++n] = t;
  doc.DefinedConstantCount = static_cast<uint8_t>(n);
}

using UsageScanTest = StateTest;

TEST_F(UsageScanTest, ParametersReachEveryEntryBuiltOnThem) {
  std::map<std::string, int> e;
  e["y=x^2"] = AddEntry(kKindExplicit, 255, {"x^2"});
  e["y=Q1x"] = AddEntry(kKindExplicit, 255, {"Q1x"});
  e["y=Q2x"] = AddEntry(kKindExplicit, 255, {"Q2x"});
  e["y=Ax*x"] = AddEntry(kKindExplicit, 255, {"Ax*x"});
  e["y=bx"] = AddEntry(kKindExplicit, 255, {"bx"});
  e["y=bx'"] = AddEntry(kKindDerivative, 255, {"b"});
  doc.FigureTable[e["y=bx'"]].link = static_cast<uint8_t>(e["y=bx"]);
  e["circle"] = AddEntry(kKindParametric, 255, {"cos(t)", "sin(t)", "0", "6"});
  e["ellipse"] = AddEntry(kKindParametric, 255, {"cos(t)", "c*sin(t)", "0", "6"});
  e["A"] = AddPoint('A', 255, {"a", "0"});
  e["B"] = AddPoint('B', 255, {"0", "0"});
  e["C"] = AddPoint('C', 255, {"1", "1"});
  e["D"] = AddPoint('D', 6, {"A", "BC"});  // the foot from the moving A
  e["E"] = AddPoint('E', 6, {"D", "BC"});  // built on D
  e["L"] = AddPoint('L', 7, {"B", "CA"});  // the moving point in the second text
  DefineConstants({"Dx", "Bx"});

  Scan();
  const std::map<std::string, std::string> layers = {
      {"y=x^2", "back"},   {"y=Q1x", "moving"},   {"y=Q2x", "moving"}, {"y=Ax*x", "moving"},
      {"y=bx", "moving"},  {"y=bx'", "moving"},   {"circle", "back"},  {"ellipse", "moving"},
  };
  for (const auto& [name, layer] : layers) EXPECT_EQ(Layer(e[name]), layer) << name;
  for (const char* name : {"A", "D", "E", "L", "y=Q1x", "y=bx'", "ellipse"})
    EXPECT_EQ(doc.FigureTable[e[name]].dependsOnParameter, 1) << name;
  for (const char* name : {"B", "C", "y=Q2x"}) EXPECT_EQ(doc.FigureTable[e[name]].dependsOnParameter, 0) << name;

  EXPECT_EQ(PointUsage('A'), (TUsageFlags{1, 1, 1}));
  EXPECT_EQ(PointUsage('B'), (TUsageFlags{1, 1, 0}));
  EXPECT_EQ(PointUsage('D'), (TUsageFlags{1, 1, 1})) << "a constructed point moves with its operands";
  EXPECT_EQ(PointUsage('E'), (TUsageFlags{1, 0, 1}));
  EXPECT_EQ(doc.DefinedConstantUsage[1], (TUsageFlags{1, 1, 1})) << "Q1 is built on the moving D";
  EXPECT_EQ(doc.DefinedConstantUsage[2], (TUsageFlags{1, 1, 0}));
  for (char p : {'a', 'b', 'c'}) EXPECT_EQ(doc.ParameterUsed[NodeCodeOfLetter(p)], 1) << p;
  EXPECT_EQ(doc.ParameterUsed[node::VarT], 0) << "t is the curves' own variable";
  EXPECT_EQ(doc.ParametersInUse, 1);
  EXPECT_EQ(eng.UseFigureFormulas, 0);
  EXPECT_EQ(eng.CollectKind, 0);
}

TEST_F(UsageScanTest, ADocumentWithoutParametersStaysOnTheBackLayer) {
  const int f = AddEntry(kKindExplicit, 255, {"sin(x)"});
  const int relation = AddEntry(kKindRelation, 255, {"x^2+y^2<1"});
  AddPoint('A', 255, {"1", "2"});
  const int segment = AddFigure(3, {}, PointNumber('A'), PointNumber('A'));
  Scan();
  EXPECT_EQ(Layer(f), "back");
  EXPECT_EQ(Layer(relation), "back");
  EXPECT_EQ(doc.FigureTable[segment].usesPoint, 1) << "figures are always built on points";
  EXPECT_EQ(doc.ParametersInUse, 0);

  doc.IntervalMode = 1;
  doc.IntervalLowerText = "b";
  Scan();
  EXPECT_EQ(doc.ParametersInUse, 1) << "an interval bound that uses a parameter";
  EXPECT_EQ(Layer(f), "back");
}

TEST_F(UsageScanTest, ConstructionsOfTheMenusMarkTheirPoints) {
  struct Case {
    int code;
    std::initializer_list<const char*> texts;
    const char* used;
    int moves;
  };
  const Case cases[] = {
      {0, {"AB", "1", "", "a"}, "AB", 1}, {20, {"AB", "1", "", "a"}, "AB", 1}, {21, {"BC", "a", "", "1"}, "BC", 1},
      {25, {"ABC"}, "ABC", 0},            {5, {"ABC", "BC"}, "ABC", 0},        {8, {"AB", "BC"}, "ABC", 0},
      {9, {"A", "C", "", "a", "2"}, "AC", 1},
  };
  for (const Case& c : cases) {
    ResetProgramStateForTest();
    AddPoint('A', 255, {"0", "0"});
    AddPoint('B', 255, {"1", "0"});
    AddPoint('C', 255, {"0", "1"});
    const int p = AddPoint('D', c.code, c.texts);
    Scan();
    std::string used;
    for (char letter : {'A', 'B', 'C'})
      if (PointUsage(letter).used) used += letter;
    EXPECT_EQ(used, c.used) << c.code;
    EXPECT_EQ(doc.FigureTable[p].dependsOnParameter, c.moves) << c.code;
  }
}

TEST_F(UsageScanTest, FiguresNamedByConstructionsAreInUse) {
  struct Case {
    int dimension, code;
    std::initializer_list<const char*> texts;
    const char* figuresUsed;  // "1" for s1 ...
  };
  const Case cases[] = {
      {2, 10, {"3", "pi"}, "3"},   {2, 11, {"3", "C"}, "3"},      {2, 13, {"3", "4"}, "34"},
      {2, 16, {"4", "3"}, "34"},   {2, 26, {"C", "1"}, "1"},      {2, 27, {"C", "2"}, "2"},
      {2, 28, {"1", "2"}, "12"},   {3, 40, {"3", "AB"}, "3"},     {3, 45, {"AB", "5"}, "5"},
      {3, 26, {"C", "2"}, "2"},    {3, 30, {"3", "0", "", "0"}, "3"}, {3, 31, {"C", "5"}, "5"},
      {2, 10, {"9", "pi"}, ""},    {2, 10, {"0", "pi"}, ""},
  };
  for (const Case& c : cases) {
    ResetProgramStateForTest();
    doc.Dimension = static_cast<uint8_t>(c.dimension);
    AddFigure(2, {}, PointNumber('A'), PointNumber('B'));
    AddFigure(3, {}, PointNumber('B'), PointNumber('C'));
    AddFigure(8, {"A", "1"});
    AddFigure(8, {"B", "1"});
    AddFigure(c.dimension == 3 ? 9 : 6, {"C", "0", "0", "1", "1"});
    for (char letter : {'A', 'B', 'C'}) AddPoint(letter, 255, {"0", "0", "", "0"});
    AddPoint('D', c.code, c.texts);
    Scan();
    std::string used;
    for (int n = 1; n <= 5; ++n)
      if (doc.FigureTable[KindGroupStart(kKindFigure) + n - 1].usedByPoint) used += static_cast<char>('0' + n);
    EXPECT_EQ(used, c.figuresUsed) << c.dimension << " " << c.code;
  }
}

TEST_F(UsageScanTest, AMovingFigureMovesThePointsOnIt) {
  AddPoint('A', 255, {"0", "0"});
  AddPoint('B', 255, {"3", "0"});
  const int circle = AddFigure(8, {"A", "a"});
  const int onCircle = AddPoint('C', 10, {"1", "pi/4"});
  const int foot = AddPoint('D', 6, {"C", "AB"});
  Scan();
  EXPECT_EQ(doc.FigureTable[circle].dependsOnParameter, 1);
  EXPECT_EQ(doc.FigureTable[circle].usedByPoint, 1);
  EXPECT_EQ(doc.FigureTable[onCircle].dependsOnParameter, 1);
  EXPECT_EQ(doc.FigureTable[foot].dependsOnParameter, 1);

  ResetProgramStateForTest();
  doc.Dimension = 3;
  AddPoint('A', 255, {"b", "0", "", "0"});
  AddPoint('B', 255, {"1", "0", "", "0"});
  const int sphere = AddFigure(8, {"A", "2"});
  const int geodesic = AddFigure(7, {"1", "BB"});  // moves only with its sphere
  const int tetra = AddPoint('C', 36, {"ABAB"});
  DefineConstants({"Ax"});
  Scan();
  EXPECT_EQ(doc.FigureTable[sphere].dependsOnParameter, 1);
  EXPECT_EQ(doc.FigureTable[geodesic].dependsOnParameter, 1);
  EXPECT_EQ(doc.FigureTable[sphere].usedByPoint, 1);
  EXPECT_EQ(doc.FigureTable[tetra].dependsOnParameter, 1);
  EXPECT_EQ(PointUsage('A').moves, 1) << "a space point by coordinates that uses a parameter moves";
  EXPECT_EQ(doc.DefinedConstantUsage[1].moves, 1);
}

TEST_F(UsageScanTest, MarkPointLettersAddsMarksAndReadsSingleByteLettersOnly) {
  AddPoint('A', 255, {"a", "0"});
  AddPoint('B', 255, {"0", "0"});
  const int p = AddPoint('C', 6, {"A", "B"});
  ClearUsageFlags();
  doc.PointLetterUsage[PointNumber('A')].moves = 1;
  MarkPointLetters(p, 1);
  MarkPointLetters(p, 2);
  EXPECT_EQ(doc.FigureTable[p].dependsOnParameter, 1) << "the second text keeps what the first found";
  EXPECT_EQ(PointUsage('B').used, 1);

  ClearUsageFlags();
  doc.FigureTable[p].texts[0] = sj("アX") + "b";  // "ア" is 0x83 0x41: its trail byte reads as "A"
  MarkPointLetters(p, 1);
  EXPECT_EQ(PointUsage('A').used, 0);
  EXPECT_EQ(doc.PointLetterUsage[kCurrentPoint].used, 0);
  MarkPointLetters(p, 6);
  MarkPointLetters(99, 1);
}

TEST_F(UsageScanTest, ClearUsageFlagsAndScanTextUsage) {
  AddEntry(kKindExplicit, 255, {"x"});
  const int figure = AddFigure(3, {});
  const int point = AddPoint('B', 255, {"0", "0"});
  DefineConstants({"1"});
  doc.FigureTable[1].usesPoint = 1;
  doc.FigureTable[figure].usedByPoint = 1;
  doc.ParameterUsed[node::VarA] = 1;
  eng.ParserCollectMode = 0;
  doc.PointLetterEntry[PointNumber('B')] = 0;
  ClearUsageFlags();
  EXPECT_EQ(doc.FigureTable[1].usesPoint, 0);
  EXPECT_EQ(doc.FigureTable[figure].usesPoint, 1);
  EXPECT_EQ(doc.FigureTable[point].usesPoint, 1);
  EXPECT_EQ(doc.FigureTable[figure].usedByPoint, 0);
  EXPECT_EQ(doc.ParameterUsed[node::VarA], 0);
  EXPECT_EQ(eng.ParserCollectMode, 1);
  EXPECT_EQ(PointUsage('B'), (TUsageFlags{1, 0, 0}));
  EXPECT_EQ(PointUsage('A'), (TUsageFlags{}));
  EXPECT_EQ(doc.DefinedConstantUsage[1].exists, 1);
  EXPECT_EQ(doc.DefinedConstantUsage[2].exists, 0);
  EXPECT_EQ(doc.PointLetterEntry[PointNumber('B')], point);

  ScanTextUsage("t+Bx", 4, 1);
  EXPECT_EQ(doc.ParameterUsed[node::VarT], 1);
  EXPECT_EQ(doc.FigureTable[1].dependsOnParameter, 1);
  EXPECT_EQ(doc.FigureTable[1].usesPoint, 1);
  EXPECT_EQ(eng.CollectKind, 0);
  EXPECT_EQ(eng.CollectIndex, 0);
  ScanTextUsage("x+", 4, 1);  // a text that does not parse records nothing more
  EXPECT_EQ(eng.CollectKind, 0);
}

TEST_F(UsageScanTest, CyclesFromAFileEndTheScan) {
  AddPoint('A', 6, {"B", "BC"});
  AddPoint('B', 6, {"A", "AC"});
  AddPoint('C', 255, {"a", "0"});
  DefineConstants({"Q2+a", "Q1"});
  Scan();
  EXPECT_EQ(PointUsage('A').moves, 1);
  EXPECT_EQ(PointUsage('B').moves, 1);
}

}  // namespace
