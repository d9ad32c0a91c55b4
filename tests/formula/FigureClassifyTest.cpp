#include <gtest/gtest.h>

#include "FigureTableTestSupport.h"

namespace {

class FigureClassifyTest : public StateTest {
 protected:
  void SetUp() override {
    StateTest::SetUp();
    AddPoint('A', 255, {"1", "2"});
    doc.DefinedConstantTexts[1] = "3";
    doc.DefinedConstantCount = 1;
  }
  static Tfuncprop Entry(int kind, int subkind, std::initializer_list<const char*> texts) {
    Tfuncprop e;
    InitFuncprop(e, kind);
    e.subkind = static_cast<uint8_t>(subkind);
    int k = 0;
    for (const char* t : texts) e.texts[k++] = sj(t);
    return e;
  }
};

TEST_F(FigureClassifyTest, VariableSetOfFormula) {
  struct Case {
    const char* text;
    int code;
  };
  const Case cases[] = {
      {"3", 0},        {"pi/4", 0},       {"+3", 1},      {"x", 2},           {"2y", 3},
      {"z", 4},        {"x*y", 5},        {"y+z", 6},     {"xz", 7},          {"x+y+z", 8},
      {"a", 9},        {"sin(x)+a", 2},   {"", 10},       {"x+", 10},         {"shymp([0,1],x^2,10,x)", 0},
      {"shymp([0,x],t,10,t)", 2},
      // References are no plain constants: a drag must not overwrite them.
      {"Ax", 9},       {"Q1", 9},         {"2latx", 9},   {"angle(A)", 9},    {"Ax+y", 3},
  };
  for (const Case& c : cases) EXPECT_EQ(VariableSetOfFormula(sj(c.text)), c.code) << c.text;
  eng.UseFigureFormulas = 1;
  EXPECT_EQ(VariableSetOfFormula("Ax"), 9) << "also while figure formulas are on";
  EXPECT_EQ(eng.UseFigureFormulas, 1);
}

TEST_F(FigureClassifyTest, CoordinatePointsByTheirTexts) {
  struct Case {
    const char *x, *y, *z;
    int dragClass, dragAxes;
  };
  const Case cases[] = {
      {"1", "2", "", 1, 5},   {"1", "2x", "", 2, 0},  {"3y", "1", "", 3, 1},   {"x", "y", "", 10, 7},
      {"1", "2", "x+y", 1, 4}, {"1", "x", "x", 2, 2},  {"y", "1", "x", 3, 3},   {"a", "1", "1", 5, 5},
      {"+2", "1", "1", 5, 5}, {"1", "2", "3", 0, 5},  {"1", "a", "2", 4, 5},   {"1", "a", "a", 2, 5},
      {"a", "a", "1", 6, 5},  {"Ax", "1", "", 3, 5},  {"1", "2", "z", 1, 7},   {"1", "y", "", 2, 7},
  };
  for (const Case& c : cases) {
    Tfuncprop e = Entry(kKindPoint, 255, {c.x, c.y, "", c.z});
    ClassifyCoordinatePoint(e);
    EXPECT_EQ(e.dragClass, c.dragClass) << c.x << " " << c.y << " " << c.z;
    EXPECT_EQ(e.dragAxes, c.dragAxes) << c.x << " " << c.y << " " << c.z;
  }
}

TEST_F(FigureClassifyTest, FiguresAndConstructedPoints) {
  struct Case {
    int dimension, kind, subkind;
    std::initializer_list<const char*> texts;
    int dragClass, dragAxes;  // -1: left as it was
  };
  const Case cases[] = {
      {2, kKindFigure, 8, {"A", "2"}, 9, -1},     // the radius may be dragged
      {2, kKindFigure, 8, {"A", "a"}, 10, -1},
      {2, kKindFigure, 8, {"A", "Ax"}, 10, -1},
      {2, kKindFigure, 3, {}, 10, -1},
      {2, kKindPoint, 0, {"AB", "1", "", "2"}, 7, 6},  // the ratio
      {2, kKindPoint, 0, {"AB", "1", "", "a"}, 10, 6},
      {2, kKindPoint, 20, {"AB", "1", "", "2"}, 10, 6},
      {2, kKindPoint, 10, {"1", "pi/4"}, 8, 6},  // the angle
      {2, kKindPoint, 10, {"1", "t"}, 10, 6},
      {2, kKindPoint, 7, {"A", "BC"}, 10, 6},
      {2, kKindPoint, 100, {}, 10, 6},
      {2, kKindExplicit, 255, {"x"}, 1, 0},
      {3, kKindPoint, 0, {"AB", "1", "", "2"}, 10, 6},  // a space drag would overwrite AB
      {3, kKindPoint, 36, {"ABCD"}, 10, 6},
      {3, kKindPoint, 100, {}, 10, 6},
      {3, kKindPoint, 255, {"1", "2x"}, 4, 0},  // an empty z becomes "0" first
      {3, kKindFigure, 8, {"A", "2"}, 1, 0},    // figures are not dragged in space
  };
  for (const Case& c : cases) {
    doc.Dimension = static_cast<uint8_t>(c.dimension);
    Tfuncprop e = Entry(c.kind, c.subkind, c.texts);
    const Tfuncprop before = e;
    ClassifyFigure(e);
    const int axes = c.dragAxes < 0 ? before.dragAxes : c.dragAxes;
    EXPECT_EQ(e.dragClass, c.dragClass) << c.dimension << " " << c.kind << " " << c.subkind;
    EXPECT_EQ(e.dragAxes, axes) << c.dimension << " " << c.kind << " " << c.subkind;
  }
  doc.Dimension = 3;
  Tfuncprop e = Entry(kKindPoint, 255, {"1", "2"});
  ClassifyFigure(e);
  EXPECT_EQ(e.texts[3], "0");
}

TEST_F(FigureClassifyTest, KeepCommonFiguresOnTheSwitchToSpace) {
  ResetProgramStateForTest();
  AddEntry(kKindExplicit, 255, {"x"});
  AddEntry(kKindRelation, 255, {"y=x"});
  AddEntry(kKindParametric, 255, {"cos(t)", "sin(t)", "0", "6"});
  AddFigure(2, {}, 1, 2);
  AddFigure(8, {"A", "1"});
  const int byCoordinates = AddPoint('A', 255, {"1", "2x"});
  AddPoint('B', 9, {"O", "P", "B", "pi/3", "2"});
  const int division = AddPoint('C', 0, {"AB", "1", "C", "2"});
  AddPoint('D', 255, {"3", "4"});
  doc.FigureTable[division].dragClass = 7;
  ASSERT_EQ(doc.FigureTable[byCoordinates].dragAxes, 0);

  KeepCommonFigures();
  ASSERT_EQ(Kinds(), (std::vector<int>{5, 7, 8, 8, 8, 8}));
  EXPECT_EQ(doc.FigureTable[1].texts[0], "cos(t)");
  EXPECT_EQ(doc.FigureTable[2].subkind, 2);
  const Tfuncprop& a = doc.FigureTable[3];
  EXPECT_EQ(a.dragAxes, 5);
  EXPECT_EQ(std::vector<std::string>(a.texts.begin(), a.texts.begin() + 4),
            (std::vector<std::string>{"0", "0", "", "0"}));
  const Tfuncprop& b = doc.FigureTable[4];
  EXPECT_EQ(b.subkind, 255);
  EXPECT_EQ(b.dragAxes, 5);
  EXPECT_EQ(std::vector<std::string>(b.texts.begin(), b.texts.end()),
            (std::vector<std::string>{"0", "0", "", "0", ""}))
      << "the old angle must not become z";
  EXPECT_EQ(doc.FigureTable[5].subkind, 0);
  EXPECT_EQ(doc.FigureTable[5].dragClass, 10) << "a division point is not dragged by coordinates";
  EXPECT_EQ(doc.FigureTable[6].texts[0], "3") << "a free point keeps its place";
  for (char letter : {'A', 'B', 'C', 'D'})
    EXPECT_EQ(doc.FigureTable[doc.PointLetterEntry[PointNumber(letter)]].letter, PointNumber(letter));

  // And back to the plane, where a constant ratio may be dragged again.
  doc.Dimension = 3;
  KeepCommonFigures();
  EXPECT_EQ(doc.FigureTable[5].subkind, 0);
  EXPECT_EQ(doc.FigureTable[5].dragClass, 7);
  EXPECT_EQ(doc.FigureTable[5].dragAxes, 6);
  EXPECT_EQ(doc.FigureTable[6].texts[0], "3");
}

}  // namespace
