#include <gtest/gtest.h>

#include <functional>

#include "NavigatorFixture.h"
#include "ui/NavigatorList.h"

namespace {

// Each section as its caption, with "+" when it offers an add row.
std::vector<std::string> Sections(const NavigatorList& list) {
  std::vector<std::string> out;
  for (const TListSection& s : list.sections) {
    bool add = false;
    for (const TListAddRow& a : list.adds) add = add || a.row.kind == s.kind;
    out.push_back(sjis::ToUtf8(s.caption) + (add ? "+" : ""));
  }
  return out;
}

void Entries(int kind, int n) {
  for (int i = 0; i < n; ++i) AddTestEntry(kind, {"x"});
}

void Points(int n) {
  for (int i = 0; i < n; ++i) AddTestPoint(PointNameOrder[i], {"0", "0"});
}

using NavigatorListTest = NavigatorTest;

TEST_F(NavigatorListTest, SectionsShownAndAddRowsOfDocumentsOfEveryKind) {
  struct Case {
    const char* name;
    std::function<void()> build;
    std::vector<std::string> sections;
  };
  const std::string F = "定義関数+", Q = "定義定数+";
  const std::vector<Case> cases = {
      {"empty plane", [] {},
       {"陽関数 y=f(x)+", "図形の方程式・不等式+", "媒介変数 x=f(t),y=g(t)+", "極方程式 r=f(t)+", "点+", F, Q}},
      {"a function and its derivative",
       [] {
         const int f = AddTestEntry(kKindExplicit, {"x^2"});
         const int d = AddTestEntry(kKindDerivative, {""});
         doc.FigureTable[d].link = static_cast<uint8_t>(f);
         doc.FigureTable[f].link = static_cast<uint8_t>(d);
       },
       {"陽関数 y=f(x)+", "導関数 y=f'(x)", "図形の方程式・不等式+", "媒介変数 x=f(t),y=g(t)+", "極方程式 r=f(t)+",
        "点+", F, Q}},
      {"log-log axes and a point",
       [] {
         doc.CoordinateSystem = 3;
         Points(1);
       },
       {"陽関数 y=f(x)+", "直線・線分・円+", "点+", F, Q}},
      {"semi-log axes", [] { doc.CoordinateSystem = 2; }, {"陽関数 y=f(x)+", "点+", F, Q}},
      {"polar, 40 functions",
       [] {
         doc.CoordinateSystem = 1;
         Entries(kKindExplicit, 40);
       },
       {"陽関数 y=f(x)", "図形の方程式・不等式+", "媒介変数 x=f(t),y=g(t)+", "極方程式 r=f(t)+", "点+", F, Q}},
      {"25 points", [] { Points(25); },
       {"陽関数 y=f(x)+", "図形の方程式・不等式+", "媒介変数 x=f(t),y=g(t)+", "極方程式 r=f(t)+", "直線・線分・円+",
        "点", F, Q}},
      {"100 entries",
       [] {
         Entries(kKindExplicit, 40);
         Entries(kKindRelation, 35);
         Points(25);
       },
       {"陽関数 y=f(x)", "図形の方程式・不等式", "媒介変数 x=f(t),y=g(t)", "極方程式 r=f(t)", "直線・線分・円+", "点",
        F, Q}},
      {"20 defined functions",
       [] {
         doc.DefinedFunctionCount = 20;
         for (int n = 1; n <= 20; ++n) doc.DefinedFunctionTexts[n] = "x";
       },
       {"陽関数 y=f(x)+", "図形の方程式・不等式+", "媒介変数 x=f(t),y=g(t)+", "極方程式 r=f(t)+", "点+", "定義関数",
        Q}},
      {"space, one surface",
       [] {
         doc.Dimension = 3;
         Entries(kKindExplicit, 1);
       },
       {"陽関数 z=f(x,y)+", F, Q}},
      {"space, two surfaces",
       [] {
         doc.Dimension = 3;
         Entries(kKindExplicit, 2);
       },
       {"陽関数 z=f(x,y)", F, Q}},
      // An empty space document offers the surface too.
      {"empty space", [] { doc.Dimension = 3; },
       {"陽関数 z=f(x,y)+", "媒介変数曲線 x=f(t)，y=g(t),z=h(t)+", "点+", F, Q}},
      {"space curve and points",
       [] {
         doc.Dimension = 3;
         Entries(kKindParametric, 1);
         Points(2);
       },
       {"媒介変数曲線 x=f(t)，y=g(t),z=h(t)+", "直線・平面・球+", "点+", F, Q}},
  };
  for (const Case& c : cases) {
    ResetUiStateForTest();
    c.build();
    EXPECT_EQ(Sections(Build()), c.sections) << c.name;
  }
}

TEST_F(NavigatorListTest, RowTextsOfEveryKind) {
  struct Case {
    int dimension, kind, subkind;
    std::initializer_list<const char*> texts;
    std::vector<std::string> lines;
  };
  const Case cases[] = {
      {2, kKindExplicit, 255, {"x^2+1"}, {"x^2+1"}},
      {2, kKindRelation, 255, {"x^2+y^2<4"}, {"x^2+y^2<4"}},
      {2, kKindParametric, 255, {"cos(t)", "sin(t)", "0", "2π"}, {"x= cos(t), y= sin(t)", "tの範囲  : 0≦t≦2π"}},
      {2, kKindParametric, 255, {"t", "t^2", "3", "-3"}, {"x= t, y= t^2", "tの範囲  : 3≧t≧-3"}},
      {2, kKindPolar, 255, {"1+cos(t)", "0", "0", "0", "2π"}, {"r= 1+cos(t) 　: 中心(0,0)", "tの範囲  : 0≦t≦2π"}},
      {2, kKindPolar, 255, {"t", "1", "2", "3", "-3"}, {"r= t 　: 中心(1,2)", "tの範囲  : 3≦t≦-3"}},
      {2, kKindPoint, 255, {"1", "2"}, {"( 1 ，2 )"}},
      {2, kKindPoint, 1, {"ABC"}, {"△ABCの重心"}},
      {2, kKindFigure, 3, {"A", "B"}, {"線分AB"}},
      {3, kKindExplicit, 255, {"x*y"}, {"x*y"}},
      // A space curve keeps its range in the third and fourth texts and z in the fifth.
      {3, kKindParametric, 255, {"2cos(t)", "2sin(t)", "0", "12", "t/3"},
       {"x= 2cos(t), y= 2sin(t), z= t/3", "tの範囲  : 0≦t≦12"}},
      // The z of a point in space is its fourth text; the third holds its letter.
      {3, kKindPoint, 255, {"1", "2", "P", "3"}, {"( 1 ，2 ，3 )"}},
      {3, kKindPoint, 36, {"ABCD"}, {"四面体ABCDの重心"}},
      {3, kKindPoint, 14, {"AB"}, {}},
  };
  for (const Case& c : cases) {
    ResetUiStateForTest();
    doc.Dimension = static_cast<uint8_t>(c.dimension);
    if (c.kind == kKindFigure) {
      AddTestPoint('A', {"0", "0"});
      AddTestPoint('B', {"1", "0"});
    }
    const int i = c.kind == kKindFigure ? AddTestFigure(c.subkind, c.texts, 'A', 'B')
                                        : AddTestEntry(c.kind, c.texts, c.subkind);
    std::vector<std::string> lines;
    for (const std::string& line : EntryRowTexts(i)) lines.push_back(sjis::ToUtf8(line));
    EXPECT_EQ(lines, c.lines) << c.kind << "/" << c.subkind;
  }
}

TEST_F(NavigatorListTest, ADerivativeRowShowsTheDerivativeOfItsSourceAndItsNumber) {
  const int f = AddTestEntry(kKindExplicit, {"x^3"});
  const int d = AddTestEntry(kKindDerivative, {"old"});
  doc.FigureTable[d].link = static_cast<uint8_t>(f);
  const NavigatorList list = Build();
  const TListEntryRow* row = list.EntryRowOf(d);
  ASSERT_NE(row, nullptr);
  EXPECT_EQ(row->letter, "y'");
  EXPECT_EQ(row->index, "1");
  ASSERT_EQ(row->lines.size(), 1u);
  EXPECT_EQ(row->lines[0].text, doc.FigureTable[d].texts[0]);
  EXPECT_NE(doc.FigureTable[d].texts[0], "old");
}

TEST_F(NavigatorListTest, LabelsColoursAndHiddenEntries) {
  AddTestEntry(kKindExplicit, {"x"});
  const int second = AddTestEntry(kKindExplicit, {"2*x"});
  doc.FigureTable[second].shown = 0;
  doc.FigureTable[second].color = 0x00FF00;
  const int point = AddTestPoint('C', {"1", "1"});
  doc.DefinedConstantCount = 1;
  doc.DefinedConstantTexts[1] = "2";
  const NavigatorList list = Build();
  const TListEntryRow* y2 = list.EntryRowOf(second);
  ASSERT_NE(y2, nullptr);
  EXPECT_EQ(y2->letter + y2->index, "y2");
  EXPECT_TRUE(y2->hidden);
  EXPECT_EQ(y2->color, 0x00FF00u);
  EXPECT_EQ(y2->sectionColor, kPlaneSectionColor);
  const TListEntryRow* c = list.EntryRowOf(point);
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(c->letter, "C");
  EXPECT_EQ(c->index, "");
  EXPECT_EQ(doc.PointLetterEntry[3], point);
  const TListEntryRow& q1 = list.entries.back();
  EXPECT_EQ(q1.letter + q1.index, "Q1");
  EXPECT_EQ(q1.sectionColor, kDefinitionSectionColor);
  EXPECT_EQ(q1.lines[0].text, "2");
}

TEST_F(NavigatorListTest, RowsAndTheirActions) {
  const int y1 = AddTestEntry(kKindExplicit, {"x"});
  const int z1 = AddTestEntry(kKindRelation, {"x=y"});
  const int a = AddTestPoint('A', {"0", "0"});
  doc.DefinedFunctionCount = 1;
  doc.DefinedFunctionTexts[1] = "x";
  const NavigatorList list = Build();
  struct Row {
    int entry, kind, action;
    bool operator==(const Row&) const = default;
  };
  std::vector<Row> rows;
  for (const TListRow& r : list.ListRows) rows.push_back({r.entry, r.kind, r.action});
  const std::vector<Row> expected = {
      {y1, 1, 1}, {2, 1, 0}, {z1, 3, 1}, {3, 3, 0}, {3, 5, 0}, {3, 6, 0}, {3, 7, 0},
      {a, 8, 1},  {4, 8, 0}, {1, 9, 6},  {2, 9, 5}, {1, 10, 7},
  };
  EXPECT_EQ(rows, expected);
  EXPECT_EQ(list.EntryRows.size(), 4u);  // y1, z1, A, F1
}

TEST_F(NavigatorListTest, HitTestUsesOpenBoundsAndLeavesTheRightMargin) {
  const NavigatorList list = Build(400);
  const TListRow& first = list.ListRows[0];  // the explicit functions' add row
  EXPECT_EQ(list.RowAt(10, first.top, 400), -1);
  EXPECT_EQ(list.RowAt(10, first.top + 1, 400), 0);
  EXPECT_EQ(list.RowAt(10, first.bottom - 1, 400), 0);
  EXPECT_EQ(list.RowAt(10, first.bottom, 400), -1);
  EXPECT_EQ(list.RowAt(0, first.top + 1, 400), -1);
  EXPECT_EQ(list.RowAt(374, first.top + 1, 400), 0);
  EXPECT_EQ(list.RowAt(375, first.top + 1, 400), -1);
  EXPECT_EQ(list.RowAt(10, list.sections[0].top + 5, 400), -1);  // a section band is no row
}

TEST_F(NavigatorListTest, LongLinesWrapWithoutSplittingADoubleByteCharacter) {
  // The probe canvas makes a single-byte character 8 and a double-byte one 16 pixels wide
  // in the 12-point list font; 200 - 27 leaves room for 173 pixels.
  AddTestEntry(kKindExplicit, {"x+ああああああああああああ"});
  const NavigatorList list = Build(200);
  const TListEntryRow& row = list.entries[0];
  ASSERT_EQ(row.lines.size(), 2u);
  EXPECT_EQ(sjis::ToUtf8(row.lines[0].text), "x+あああああああああ");  // one more: 16 + 10 * 16 > 173
  EXPECT_EQ(sjis::ToUtf8(row.lines[0].text).size() + sjis::ToUtf8(row.lines[1].text).size(),
            std::string("x+ああああああああああああ").size());
  EXPECT_EQ(row.lines[1].y, row.lines[0].y + 19 + 2);
  EXPECT_EQ(row.row.bottom, row.lines[1].y + 21);  // a line that fits advances 4/3 of the font height
}

TEST_F(NavigatorListTest, RowTablesGrowWithAFullDocument) {
  Entries(kKindExplicit, 40);
  Entries(kKindRelation, 50);
  Points(25);
  for (int i = 0; i < 25; ++i) AddTestFigure(3, {}, 'A', 'B');
  doc.DefinedFunctionCount = doc.DefinedConstantCount = 20;
  ASSERT_EQ(doc.EntryCount, kMaxEntries);
  const NavigatorList list = Build();
  EXPECT_EQ(list.ToggleRows.size(), static_cast<size_t>(kMaxEntries) + 1);
  EXPECT_EQ(list.EntryRows.size(), static_cast<size_t>(kMaxEntries) + 40);
  for (int n = 1; n <= kMaxEntries; ++n) EXPECT_EQ(list.ToggleRows[static_cast<size_t>(n)].entry, n);
  EXPECT_EQ(list.ListRows.size(), list.EntryRows.size() + list.adds.size());
}

}  // namespace
