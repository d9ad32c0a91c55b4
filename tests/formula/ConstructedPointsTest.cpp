#include "formula/ConstructedPoints.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "GeometryTestSupport.h"
#include "formula/GeometryTexts.h"
#include "formula/VectorGeometry.h"

using namespace geometry_test;

namespace {

// A (0, 0), B (3, 0), C (0, 3), E (1, 2); circle 1 about A of radius 1, circle 2 about B
// of radius 3, line 3 through A and B, line 4 through A in the direction (1, 1).
class ConstructedPointsTest : public GeometryTest {
 protected:
  void SetUp() override {
    GeometryTest::SetUp();
    build.Figure(8, {"A", "1"}, 'A');
    build.Figure(8, {"B", "3"}, 'B');
    build.Figure(2, {"A", "B"}, 'A', 'B');
    build.Figure(1, {"A", "1", "1"}, 'A');
    build.At('A', "0", "0");
    build.At('B', "3", "0");
    build.At('C', "0", "3");
    build.At('E', "1", "2");
  }

  // A new point D with the construction; its refreshed position.
  TSpacePoint Construct(int code, std::initializer_list<std::string> texts, char letter = 'D') {
    build.Point(letter, code, texts);
    MarkAllPointsDirty();
    return PointOf(letter);
  }

  DocumentBuilder build;
};

struct Case {
  const char* name;
  int code;
  std::vector<std::string> texts;
  Extended x, y;
};

TEST_F(ConstructedPointsTest, ConstructionsByCode) {
  const Extended r8 = std::sqrt(8.0L), r35 = std::sqrt(35.0L), r5 = std::sqrt(5.0L), inr = 9 / (6 + 3 * std::sqrt(2.0L));
  const std::vector<Case> cases = {
      {"division", kDivisionPoint, {"AB", "1", "", "2"}, 1, 0},
      {"internal division", kInternalDivision, {"AB", "1", "", "2"}, 1, 0},
      {"external division", kExternalDivision, {"AB", "1", "", "2"}, -3, 0},
      {"external division of a compound ratio", kExternalDivision, {"AB", "1", "", "1+1"}, -3, 0},
      {"centroid", kCentroid, {"ABC"}, 1, 1},
      {"circumcentre", kCircumcentre, {"ABC"}, 1.5L, 1.5L},
      {"incentre", kIncentre, {"ABC"}, inr, inr},
      {"orthocentre", kOrthocentre, {"ABC"}, 0, 0},
      {"excentre beyond BC", kExcentre, {"ABC", "BC"}, 3 / (2 - std::sqrt(2.0L)), 3 / (2 - std::sqrt(2.0L))},
      {"excentre beyond AB, letters in any order", kExcentre, {"ABC", "BA"}, 3 / std::sqrt(2.0L), -3 / std::sqrt(2.0L)},
      {"nine-point centre", kNinePointCentre, {"ABC"}, 0.75L, 0.75L},
      {"foot", kFoot, {"E", "AB"}, 1, 0},
      {"reflection", kReflection, {"E", "AB"}, 1, -2},
      {"line intersection", kLineIntersection, {"AB", "CE"}, 3, 0},
      {"rotation", kRotation, {"A", "B", "", "pi/2", "2"}, 0, 6},
      {"point on a circle", kPointOnCircle, {"1", "pi/2"}, 0, 1},
      {"left tangent", kTangentLeft, {"1", "B"}, 1 / 3.0L, -r8 / 3},
      {"right tangent", kTangentRight, {"1", "B"}, 1 / 3.0L, r8 / 3},
      {"circle intersection", kCircleIntersection, {"1", "2"}, 1 / 6.0L, r35 / 6},
      // On circle 1, where a common outer tangent touches it: (-2/3, -+sqrt(5)/3).
      {"outer common tangent", kOuterTangent1, {"1", "2"}, -2 / 3.0L, -r5 / 3},
      {"other outer common tangent", kOuterTangent2, {"1", "2"}, -2 / 3.0L, r5 / 3},
      {"line and circle", kLineSphere, {"1", "AB"}, -1, 0},
      {"line and circle, seen from B", kLineSphere, {"1", "BA"}, 1, 0},
      {"foot on a line figure", kFootOnLineFigure, {"E", "3"}, 1, 0},
      {"foot on a line by direction", kFootOnLineFigure, {"E", "4"}, 1.5L, 1.5L},
      {"reflection in a line figure", kReflectionInLineFigure, {"E", "4"}, 2, 1},
      {"intersection of line figures", kLineFigureIntersection, {"3", "4"}, 0, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    build.Point('D', c.code, {});
    for (size_t i = 0; i < c.texts.size(); ++i) doc.FigureTable[doc.EntryCount].texts[i] = c.texts[i];
    MarkAllPointsDirty();
    ExpectNear(PointOf('D'), c.x, c.y, 0, 1e-15L);
    // Each case replaces the last one's entry.
    --doc.EntryCount;
    --doc.KindCounts[kKindPoint];
  }
}

TEST_F(ConstructedPointsTest, DivisionPointsAreExact) {
  const TSpacePoint d = Construct(kDivisionPoint, {"BC", "1", "", "2"});
  ExpectNear(d, 2, 1);
  ExpectExact(d.fx, 2, 1);
  const TSpacePoint e = Construct(kDivisionPoint, {"AE", "1", "", "2"}, 'L');
  ExpectExact(e.fx, 1, 3);
  ExpectExact(e.fy, 2, 3);
  // 2 : -(1+1) has no division point; the literal "-1+1" would put it at B.
  EXPECT_FALSE(Construct(kExternalDivision, {"AB", "2", "", "1+1"}, 'M').valid);
}

TEST_F(ConstructedPointsTest, ExactnessOfTheConstructionsThatKeepIt) {
  const TSpacePoint g = Construct(kCentroid, {"ACE"});
  ExpectExact(g.fx, 1, 3);
  ExpectExact(g.fy, 5, 3);
  const TSpacePoint r = Construct(kRotation, {"A", "B", "", "0", "1"}, 'L');
  ExpectNear(r, 3, 0);
  EXPECT_FALSE(IsExactFraction(r.fx));
  const TSpacePoint i = Construct(kIncentre, {"ABC"}, 'M');
  EXPECT_FALSE(IsExactFraction(i.fx));
}

TEST_F(ConstructedPointsTest, ExcentreNeedsASideOfTheTriangle) {
  for (const char* side : {"BX", "BB", "B", "BCA", "", "BE"}) {
    SCOPED_TRACE(side);
    build.Point('D', kExcentre, {"ABC", side});
    MarkAllPointsDirty();
    EXPECT_FALSE(PointOf('D').valid);
    --doc.EntryCount;
    --doc.KindCounts[kKindPoint];
  }
}

TEST_F(ConstructedPointsTest, EmptyRotationRatioIsStoredAsOne) {
  const int entry = build.Point('D', kRotation, {"A", "B", "", "pi/2", ""});
  MarkAllPointsDirty();
  ExpectNear(PointOf('D'), 0, 3, 0, 1e-15L);
  EXPECT_EQ(doc.FigureTable[entry].texts[4], "1");
}

TEST_F(ConstructedPointsTest, FigureNumbersOutsideTheFiguresOrOfTheWrongType) {
  for (const char* figure : {"0", "5", "-1", "x", "", "3", "1.5"}) {
    SCOPED_TRACE(figure);
    build.Point('D', kPointOnCircle, {figure, "0"});
    MarkAllPointsDirty();
    EXPECT_FALSE(PointOf('D').valid);
    --doc.EntryCount;
    --doc.KindCounts[kKindPoint];
  }
  // A circle where a line is wanted.
  EXPECT_FALSE(Construct(kFootOnLineFigure, {"E", "1"}).valid);
}

TEST_F(ConstructedPointsTest, OperandsThatAreNoPoints) {
  // F is not a point of the document, "X" is the current point, a double-byte character's
  // trail byte must not read as a letter.
  EXPECT_FALSE(Construct(kCentroid, {"ABF"}).valid);
  EXPECT_FALSE(Construct(kCentroid, {"ABX"}, 'L').valid);
  EXPECT_FALSE(Construct(kCentroid, {"AB" + sjis::FromUtf8("ア")}, 'M').valid);  // 0x83 0x41 ("A")
  EXPECT_FALSE(Construct(kFoot, {"E", "A"}, 'N').valid);
  EXPECT_FALSE(Construct(29, {"ABC"}, 'R').valid);  // no such construction
}

TEST_F(ConstructedPointsTest, InvalidOperandsMakeInvalidPoints) {
  build.Point('L', kLineIntersection, {"AB", "AB"});  // a line with itself
  EXPECT_FALSE(Construct(kCentroid, {"ABL"}).valid);
  EXPECT_FALSE(PointOf('L').valid);
}

TEST_F(ConstructedPointsTest, ParallelLinesKeepThePreviousPosition) {
  const int e = build.Point('D', kLineIntersection, {"AB", "CE"});
  MarkAllPointsDirty();
  ExpectNear(PointOf('D'), 3, 0);
  doc.FigureTable[e].texts[1] = "CL";
  build.At('L', "5", "3");
  MarkAllPointsDirty();
  const TSpacePoint p = PointOf('D');
  EXPECT_FALSE(p.valid);
  EXPECT_EQ(p.x, 3);
}

TEST_F(ConstructedPointsTest, PointsByCoordinatesInTheOrderOfTheirDragAxes) {
  struct Coordinates {
    int dragAxes;
    std::string x, y;
    Extended ex, ey;
  };
  const std::vector<Coordinates> cases = {
      {0, "2", "x+1", 2, 3}, {1, "2y", "3", 6, 3}, {2, "2", "x*x", 2, 4}, {3, "y+1", "4", 5, 4},
      {4, "1", "2", 1, 2},   {5, "1/4", "2", 0.25L, 2}, {7, "3", "x-1", 3, 2},
  };
  for (const Coordinates& c : cases) {
    SCOPED_TRACE(c.dragAxes);
    build.Point('D', kByCoordinates, {c.x, c.y, "", ""}, c.dragAxes);
    MarkAllPointsDirty();
    ExpectNear(PointOf('D'), c.ex, c.ey);
    --doc.EntryCount;
    --doc.KindCounts[kKindPoint];
  }
}

TEST_F(ConstructedPointsTest, CoordinatesAllIndependentKeepTheirExactFractions) {
  const TSpacePoint p = Construct(kByCoordinates, {"1/3", "2", "", "0"});
  ExpectNear(p, 1 / 3.0L, 2, 0, 1e-18L);
  ExpectExact(p.fx, 1, 3);
  ExpectExact(p.fy, 2, 1);
  ExpectExact(p.fz, 0, 1);
  // Exact mode off (space): the same point without exact fractions.
  eng.UseFigureFormulas = 0;
  MarkAllPointsDirty();
  EXPECT_FALSE(IsExactFraction(PointOf('D').fx));
}

TEST_F(ConstructedPointsTest, CoordinateTextsThatDoNotParse) {
  const int e = build.Point('D', kByCoordinates, {"2", "3", "", ""});
  MarkAllPointsDirty();
  ExpectNear(PointOf('D'), 2, 3);
  for (const char* bad : {"1+", "(", "sqrt(-1)"}) {
    SCOPED_TRACE(bad);
    doc.FigureTable[e].texts[0] = bad;
    MarkAllPointsDirty();
    const TSpacePoint p = PointOf('D');
    EXPECT_FALSE(p.valid);
    EXPECT_EQ(p.x, 2);  // the last position is kept
    EXPECT_EQ(p.y, 3);
  }
  doc.FigureTable[e].texts[0] = "";  // an empty text still means 0
  MarkAllPointsDirty();
  ExpectNear(PointOf('D'), 0, 3);
}

TEST_F(ConstructedPointsTest, CyclesGiveInvalidPoints) {
  build.Point('G', kFoot, {"H", "AB"});
  build.Point('H', kFoot, {"G", "AB"});
  build.Point('J', kCentroid, {"JAB"});
  // A cycle through coordinate texts the evaluator reads.
  build.Point('K', kByCoordinates, {"Lx", "0", "", ""}, 2);
  build.Point('L', kByCoordinates, {"Kx+1", "0", "", ""}, 2);
  MarkAllPointsDirty();
  for (char letter : {'G', 'H', 'J', 'K', 'L'}) {
    SCOPED_TRACE(letter);
    EXPECT_FALSE(PointOf(letter).valid);
    EXPECT_EQ(doc.PointSequenceDirty[PointNumber(letter)], 0);
  }
  // The points outside the cycle are unharmed.
  ExpectNear(PointOf('E'), 1, 2);
}

TEST_F(ConstructedPointsTest, ARedrawComputesAChainOnceInDependencyOrder) {
  const int b = doc.PointLetterEntry[PointNumber('B')];
  build.Point('D', kCentroid, {"ABC"});
  build.Point('L', kFoot, {"D", "AC"});
  MarkAllPointsDirty();
  ConstructedPointComputations = 0;
  ExpectNear(PointOf('L'), 0, 1);
  EXPECT_EQ(ConstructedPointComputations, 5);  // L, D, A, B, C
  PointOf('L');
  PointOf('D');
  EXPECT_EQ(ConstructedPointComputations, 5);

  doc.FigureTable[b].texts[0] = "6";
  ExpectNear(PointOf('L'), 0, 1);  // nothing is dirty: the old position
  MarkAllPointsDirty();
  ExpectNear(PointOf('D'), 2, 1);
  ExpectNear(PointOf('L'), 0, 1);
  EXPECT_EQ(ConstructedPointComputations, 10);
}

TEST_F(ConstructedPointsTest, PointSequencesAndTheirElements) {
  const int n = PointNumber('S');
  build.Point('S', kPointSequence, {});
  doc.PointSequences[n] = {P(1, 2), P(3, 4), P(5, 6)};
  MarkAllPointsDirty();
  TSpacePoint p;
  GetSequencePoint(n, 1, p);
  ExpectNear(p, 3, 4);
  GetSequencePoint(n, 0, p);
  ExpectNear(p, 1, 2);
  EXPECT_FALSE(IsExactFraction(p.fx));
  for (int k : {-1, 3}) {
    GetSequencePoint(n, k, p);
    EXPECT_FALSE(p.valid);
  }
  // An element 0 that is gone, point numbers outside the points.
  doc.PointSequences[n].clear();
  MarkAllPointsDirty();
  GetSequencePoint(n, 0, p);
  EXPECT_FALSE(p.valid);
  for (int letter : {0, 26, 27, 28, -3, 200}) {
    GetSequencePoint(letter, 0, p);
    EXPECT_FALSE(p.valid);
    RefreshPointSequence(letter, 1);
  }
}

TEST_F(ConstructedPointsTest, StaleLetterEntriesNameNoPoint) {
  const int n = PointNumber('E');
  // Refreshed with the entry of another point.
  RefreshPointSequence(n, doc.PointLetterEntry[PointNumber('B')]);
  EXPECT_FALSE(doc.PointSequences[n][0].valid);
  MarkAllPointsDirty();
  doc.PointLetterEntry[n] = 1;  // a figure, not E's entry
  TSpacePoint p;
  GetSequencePoint(n, 0, p);
  EXPECT_FALSE(p.valid);
  doc.PointLetterEntry[n] = 140;
  GetSequencePoint(n, 0, p);
  EXPECT_FALSE(p.valid);
}

TEST_F(ConstructedPointsTest, ComputingKeepsTheVariableValues) {
  doc.VariableValues.X = 7;
  doc.VariableValues.Y = 8;
  const int e = build.Point('D', kByCoordinates, {"2", "x+1", "", ""}, 0);
  TSpacePoint p;
  ComputeConstructedPoint(e, p);
  ExpectNear(p, 2, 3);
  EXPECT_EQ(doc.VariableValues.X, 7);
  EXPECT_EQ(doc.VariableValues.Y, 8);
  for (int bad : {0, 1, 141, -1}) {
    ComputeConstructedPoint(bad, p);
    EXPECT_FALSE(p.valid);
  }
}

TEST(DivisionPointTest, OppositeRatiosHaveNoPoint) {
  TSpacePoint a, b;
  InitSpacePoint(a);
  InitSpacePoint(b);
  b.x = 3;
  EXPECT_FALSE(DivisionPoint(a, b, 1, TFraction{1, 1, 1}, -1, TFraction{1, -1, 1}).valid);
}

}  // namespace

namespace {

TEST_F(ConstructedPointsTest, TextsEvaluateThroughTheEvaluator) {
  Extended v = 5;
  EXPECT_TRUE(EvaluateGeometryText("", v));
  EXPECT_EQ(v, 0);
  EXPECT_TRUE(EvaluateGeometryText("sqrt(4)+1", v));
  EXPECT_EQ(v, 3);
  EXPECT_FALSE(EvaluateGeometryText("sqrt(-1)", v));
  EXPECT_FALSE(EvaluateGeometryText("1+", v));  // does not parse
  TFraction f;
  EXPECT_TRUE(EvaluateExactGeometryText("1/3+1/6", v, f));
  EXPECT_EQ(f, (TFraction{1, 1, 2}));
}

}  // namespace
