#include <gtest/gtest.h>

#include <algorithm>

#include "FigureTableTestSupport.h"
#include "formula/FigureTableOperands.h"
#include "formula/FigureTableReferences.h"
#include "platform/Runtime.h"

namespace {

using FigureTableTest = StateTest;

void FillKinds(std::initializer_list<int> kinds) {
  for (int kind : kinds) AddEntry(kind, 255, {"1"});
}

TEST_F(FigureTableTest, InsertKeepsTheTableGroupedByKind) {
  struct Case {
    std::initializer_list<int> before;
    int inserted;
    std::vector<int> after;
  };
  const Case cases[] = {
      {{1, 1, 5, 8}, 3, {1, 1, 3, 5, 8}},
      {{}, 8, {8}},
      {{5, 8}, 1, {1, 5, 8}},
      {{1, 7, 7, 8}, 7, {1, 7, 7, 7, 8}},
      {{1, 2}, 8, {1, 2, 8}},
  };
  for (const Case& c : cases) {
    ResetProgramStateForTest();
    FillKinds(c.before);
    Tfuncprop e;
    InitFuncprop(e, c.inserted);
    e.texts[0] = "new";
    ASSERT_TRUE(InsertEntry(e));
    EXPECT_EQ(doc.EntryCount, c.before.size()) << "the caller counts the entry";
    ++doc.EntryCount;
    EXPECT_EQ(Kinds(), c.after);
    int counted = 0;
    for (int e2 = 1; e2 <= doc.EntryCount; ++e2) counted += doc.FigureTable[e2].texts[0] == "new";
    EXPECT_EQ(counted, 1);
    EXPECT_EQ(doc.KindCounts[c.inserted], static_cast<int>(std::count(c.after.begin(), c.after.end(), c.inserted)));
  }
}

TEST_F(FigureTableTest, DeleteClosesTheGapAndCounts) {
  FillKinds({1, 1, 3});
  doc.FigureTable[3].texts[0] = "relation";
  DeleteFigure(2);
  EXPECT_EQ(Kinds(), (std::vector<int>{1, 3}));
  EXPECT_EQ(doc.FigureTable[2].texts[0], "relation");
  EXPECT_EQ(doc.KindCounts[1], 1);
  DeleteFigure(2);  // the last entry: only the counts change
  EXPECT_EQ(Kinds(), (std::vector<int>{1}));
  EXPECT_EQ(doc.KindCounts[3], 0);
  EXPECT_EQ(doc.FigureTable[2], Tfuncprop{}) << "the freed slot is a fresh entry";
  DeleteFigure(0);
  DeleteFigure(2);
  EXPECT_EQ(doc.EntryCount, 1) << "numbers outside the table are ignored";
}

TEST_F(FigureTableTest, AFullTableRefusesEveryInsertion) {
  for (int i = 0; i < kMaxEntries; ++i) AddEntry(kKindExplicit, 255, {"x"});
  const DocumentState full = doc;
  Tfuncprop e;
  InitFuncprop(e, kKindPoint);
  EXPECT_FALSE(InsertEntry(e));
  e.kind = 5;  // an old point
  EXPECT_FALSE(ConvertOldFigure(e));
  EXPECT_TRUE(doc == full);

  ResetProgramStateForTest();
  InitFuncprop(e, 9);  // no entry kind
  EXPECT_FALSE(InsertEntry(e));
  EXPECT_EQ(doc.EntryCount, 0);
}

// Entries 1..3 explicit functions (y1 has a derivative), figures s1..s4, points.
class FigureTableReferencesTest : public StateTest {
 protected:
  void SetUp() override {
    StateTest::SetUp();
    AddEntry(kKindExplicit, 255, {"x"});
    AddEntry(kKindExplicit, 255, {"y1+1"});
    AddEntry(kKindExplicit, 255, {"2y2+y3+ペ3"});
    Tfuncprop d;
    InitFuncprop(d, kKindDerivative);
    d.link = 1;
    ASSERT_TRUE(InsertEntry(d));
    ++doc.EntryCount;
    doc.FigureTable[1].link = 4;
    for (int type : {8, 8, 2, 3}) AddFigure(type, {"A", "1"});
    AddPoint('A', 255, {"0", "0"});
    AddPoint('B', 10, {"4", "pi"});
    AddPoint('C', 13, {"1", "2"});
    AddPoint('D', 26, {"A", "3"});
    AddPoint('E', 28, {"3", "4"});
    doc.DefinedConstantTexts[1] = "y3*2";
    doc.DefinedConstantCount = 1;
    doc.IntervalLowerText = "y2";
  }
  // The figure numbers held by the points B, C, D and E, in text order.
  static std::vector<std::string> FigureNumbers() {
    std::vector<std::string> out;
    for (int e = 1; e <= doc.EntryCount; ++e) {
      const Tfuncprop& p = doc.FigureTable[e];
      if (p.kind != kKindPoint || p.subkind == 255) continue;
      const TextRoles roles = PointOperandRoles(p.subkind);
      for (int k = 0; k < 5; ++k)
        if (roles[k] == TextRole::Figure) out.push_back(p.texts[k]);
    }
    return out;
  }
};

TEST_F(FigureTableReferencesTest, DeletingAFigureRenumbersTheFiguresBehindIt) {
  struct Case {
    int figure;  // number among the figures
    std::vector<std::string> numbers;
  };
  // B: 4; C: 1, 2; D: 3; E: 3, 4. A number naming the deleted figure itself is kept (such
  // a figure is in use and the navigator refuses to delete it).
  const Case cases[] = {
      {1, {"3", "1", "1", "2", "2", "3"}},
      {2, {"3", "1", "2", "2", "2", "3"}},
      {3, {"3", "1", "2", "3", "3", "3"}},
      {4, {"4", "1", "2", "3", "3", "4"}},
  };
  for (const Case& c : cases) {
    SetUp();
    const int first = KindGroupStart(kKindFigure);
    DeleteFigure(first + c.figure - 1);
    EXPECT_EQ(FigureNumbers(), c.numbers) << "figure " << c.figure;
    EXPECT_EQ(doc.KindCounts[kKindFigure], 3);
  }
}

TEST_F(FigureTableReferencesTest, SpaceConstructionsAndFiguresOnASphereAreRenumbered) {
  ResetProgramStateForTest();
  doc.Dimension = 3;
  AddFigure(8, {"A", "1"});
  AddFigure(8, {"A", "2"});
  AddFigure(9, {"A", "1", "0", "0", "1"});
  const int geodesic = AddFigure(7, {"2", "AB"});
  const int onSphere = AddFigure(10, {"2", "1", "0", "0", "1"});
  AddPoint('A', 255, {"0", "0", "", "0"});
  AddPoint('B', 30, {"2", "0", "", "0"});
  const int lineSphere = AddPoint('C', 40, {"2", "AB"});
  const int linePlane = AddPoint('D', 45, {"AB", "3"});
  const int foot = AddPoint('E', 31, {"A", "3"});
  DeleteFigure(1);
  EXPECT_EQ(doc.FigureTable[geodesic - 1].texts[0], "1");
  EXPECT_EQ(doc.FigureTable[onSphere - 1].texts[0], "1");
  EXPECT_EQ(doc.FigureTable[lineSphere - 1].texts[0], "1");
  EXPECT_EQ(doc.FigureTable[linePlane - 1].texts[1], "2");
  EXPECT_EQ(doc.FigureTable[foot - 1].texts[1], "2");
  EXPECT_EQ(doc.FigureTable[foot - 1].texts[0], "A") << "point letters stay";
}

TEST_F(FigureTableReferencesTest, DeletingAnExplicitFunctionRenumbersLinksAndReferences) {
  DeleteFigure(2);  // y2
  EXPECT_EQ(Utf8(doc.FigureTable[2].texts[0]), "2y2+y2+ペ3") << "y3 is now y2; a double-byte character stays";
  EXPECT_EQ(doc.DefinedConstantTexts[1], "y2*2");
  EXPECT_EQ(doc.IntervalLowerText, "y2");
  EXPECT_EQ(doc.FigureTable[1].link, 3) << "the derivative moved down";
  EXPECT_EQ(doc.FigureTable[3].link, 1);
  EXPECT_EQ(doc.PointLetterEntry[PointNumber('A')], 8);

  DeleteFigure(1);  // y1 with its derivative left behind
  EXPECT_EQ(doc.FigureTable[2].kind, kKindDerivative);
  EXPECT_EQ(doc.FigureTable[2].link, 0) << "its source is gone";
  EXPECT_EQ(doc.FigureTable[1].texts[0], sj("2y1+y1+ペ3"));

  ResetProgramStateForTest();
  EXPECT_EQ(RenumberExplicitReferences("y12+xy3-y1", 1), "y11+xy2-y1");
  EXPECT_EQ(RenumberExplicitReferences("y01+sinh(y)+y", 5), "y01+sinh(y)+y");
}

TEST_F(FigureTableReferencesTest, DeletingAPointFreesItsListAndShiftsPointEntries) {
  const int a = doc.PointLetterEntry[PointNumber('A')];
  doc.PointSequences[PointNumber('A')].resize(3);
  DeleteFigure(a);
  EXPECT_EQ(doc.PointSequences[PointNumber('A')].size(), 1);
  EXPECT_EQ(doc.PointLetterEntry[PointNumber('A')], 0);
  EXPECT_EQ(doc.PointLetterEntry[PointNumber('B')], a);
}

TEST_F(FigureTableReferencesTest, InsertingKeepsLinksAndPointEntries) {
  const int b = doc.PointLetterEntry[PointNumber('B')];
  AddEntry(kKindExplicit, 255, {"x^3"});
  EXPECT_EQ(doc.FigureTable[4].texts[0], "x^3");
  EXPECT_EQ(doc.FigureTable[1].link, 5) << "the derivative moved up";
  EXPECT_EQ(doc.FigureTable[5].link, 1);
  EXPECT_EQ(doc.PointLetterEntry[PointNumber('B')], b + 1);
  EXPECT_EQ(FigureNumbers(), (std::vector<std::string>{"4", "1", "2", "3", "3", "4"}));
}

TEST_F(FigureTableTest, ConvertOldFigureRenumbersKindsAndCountsTheEntry) {
  struct Case {
    int oldKind;
    std::initializer_list<const char*> texts;
    int kind;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {0, {"x^2"}, kKindDerivative, {"x^2", "", "", "", ""}},
      {1, {"x^2"}, kKindExplicit, {"x^2", "", "", "", ""}},
      {2, {"x^2+y^2-1"}, kKindRelation, {"x^2+y^2-1=0", "", "", "", ""}},
      {3, {"cos(t)", "sin(t)", "0", "6"}, kKindParametric, {"cos(t)", "sin(t)", "0", "6", ""}},
      {4, {"t", "center1,2", "0", "6.28"}, kKindPolar, {"t", "1", "2", "0", "6.28"}},
      {4, {"t", "", "0", "6.28"}, kKindPolar, {"t", "0", "0", "0", "6.28"}},
      {4, {"t", "center-3", "0", "1"}, kKindPolar, {"t", "-3", "0", "0", "1"}},
      {6, {"0", "0", "3", "4"}, kKindFigure, {"0", "0", "3", "4", ""}},
      {7, {"y>x"}, kKindRelation, {"y>x", "", "", "", ""}},
  };
  for (const Case& c : cases) {
    ResetProgramStateForTest();
    Tfuncprop old;
    InitFuncprop(old, c.oldKind);
    int k = 0;
    for (const char* t : c.texts) old.texts[k++] = t;
    ASSERT_TRUE(ConvertOldFigure(old)) << c.oldKind;
    ASSERT_EQ(doc.EntryCount, 1);
    const Tfuncprop& e = doc.FigureTable[1];
    EXPECT_EQ(e.kind, c.kind);
    EXPECT_EQ(std::vector<std::string>(e.texts.begin(), e.texts.end()), c.expected) << c.oldKind;
  }
  ResetProgramStateForTest();
  Tfuncprop old;
  InitFuncprop(old, 9);
  EXPECT_FALSE(ConvertOldFigure(old)) << "no such old kind";
  EXPECT_EQ(doc.EntryCount, 0);
}

TEST_F(FigureTableTest, OldPointsAreClassifiedAndNumberedUpToTheLastLetter) {
  Tfuncprop old;
  InitFuncprop(old, 5);
  old.texts[0] = "1";
  old.texts[1] = "2x";
  for (int n = 1; n <= kMaxPoints; ++n) {
    ASSERT_TRUE(ConvertOldFigure(old));
    EXPECT_EQ(doc.FigureTable[n].letter, n);
  }
  EXPECT_EQ(doc.FigureTable[1].dragClass, 2);
  EXPECT_EQ(doc.FigureTable[1].dragAxes, 0);
  EXPECT_FALSE(ConvertOldFigure(old)) << "a 26th point would be the current point X";
  EXPECT_EQ(doc.EntryCount, kMaxPoints);
}

TEST_F(FigureTableTest, LinkSegmentPointsReusesEqualPointsAndAddsTheOthers) {
  Tfuncprop old;
  InitFuncprop(old, 5);
  old.texts[0] = "3";
  old.texts[1] = "4";
  ASSERT_TRUE(ConvertOldFigure(old));
  InitFuncprop(old, 6);
  old.texts = {"0", "0", "3", "4", ""};
  old.color = 0x00FF00;
  old.afterImage = 0;
  ASSERT_TRUE(ConvertOldFigure(old));
  ASSERT_TRUE(LinkSegmentPoints());
  ASSERT_EQ(Kinds(), (std::vector<int>{7, 8, 8}));
  const Tfuncprop& figure = doc.FigureTable[1];
  EXPECT_EQ(figure.subkind, 3);
  EXPECT_EQ(figure.letter2, 1) << "the equal point";
  EXPECT_EQ(figure.letter, 2) << "a new point";
  EXPECT_EQ(figure.texts[2], "");
  EXPECT_EQ(figure.texts[3], "");
  const Tfuncprop& added = doc.FigureTable[3];
  EXPECT_EQ(added.letter, 2);
  EXPECT_EQ(added.texts[0], "0");
  EXPECT_EQ(added.color, 0x00FF00);
  EXPECT_EQ(added.afterImage, 0);
  EXPECT_EQ(FindPointByCoordinates(2, added), 2);
  EXPECT_EQ(FindPointByCoordinates(3, added), 1);
  EXPECT_EQ(FindPointByCoordinates(2, figure), 2) << "compares the first two texts";
}

TEST_F(FigureTableTest, LinkSegmentPointsStopsAtTheLastLetter) {
  Tfuncprop old;
  for (int n = 1; n < kMaxPoints; ++n) {
    InitFuncprop(old, 5);
    old.texts[0] = rtl::IntToStr(n);
    ASSERT_TRUE(ConvertOldFigure(old));
  }
  InitFuncprop(old, 6);
  old.texts = {"100", "0", "200", "0", ""};
  ASSERT_TRUE(ConvertOldFigure(old));
  EXPECT_FALSE(LinkSegmentPoints());
  EXPECT_EQ(doc.KindCounts[kKindPoint], kMaxPoints);
  EXPECT_EQ(doc.FigureTable[1].letter, kMaxPoints);
}

TEST_F(FigureTableTest, ListsOfFiguresAndSinglePoints) {
  for (int type : {8, 3, 1, 8, 6}) AddFigure(type, {});
  EXPECT_EQ(ListCircleFigures(), 2);
  EXPECT_EQ(doc.FigureKindList, (std::vector<int>{1, 4}));
  EXPECT_EQ(ListLineFigures(), 2);
  EXPECT_EQ(doc.FigureKindList, (std::vector<int>{2, 3}));
  doc.Dimension = 3;
  EXPECT_EQ(ListLineFigures(), 1) << "type 1 is a plane in space";

  AddPoint('A', 255, {"0", "0"});
  AddPoint('B', 100, {});
  doc.PointSequences[PointNumber('B')].resize(4);
  EXPECT_EQ(CountSinglePointFigures(), 1);
  ResetPointLists();
  EXPECT_EQ(CountSinglePointFigures(), 2);
}

}  // namespace
