// The branches of a relation solved for one variable, joined across the gaps the sampler
// leaves where they meet.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "render/BranchJoining.h"

#include "render/ImplicitFixture.h"

using gfx::RecordingCanvas;

TEST_F(ImplicitTest, BiquadraticBranchesCloseTheOvalTheyEnclose) {
  // y = ±√U±, U± = (5 ± √(25 + 16 sin x))/2: two outer branches across the view, an inner
  // oval over (−π, 0) and an inner arc over (π, 5) open at the right edge.
  RecordingCanvas c;
  EXPECT_EQ(Plot("y^4-5y^2=4sin(x)", c), ImplicitRoad::BiquadraticInY);
  EXPECT_TRUE(OffCurve(c, "y^4-5y^2=4sin(x)").empty());
  const auto lines = Polylines(c);
  ASSERT_EQ(lines.size(), 4u);
  int closed = 0;
  for (const std::vector<gfx::Point>& line : lines) {
    if (line.front() != line.back()) continue;
    ++closed;
    int left = 500, right = 0;
    for (const gfx::Point& p : line) {
      left = std::min(left, p.x);
      right = std::max(right, p.x);
    }
    EXPECT_NEAR(left, 93, 1);  // x = −π
    EXPECT_NEAR(right, 250, 1);
  }
  EXPECT_EQ(closed, 1);
}

TEST_F(ImplicitTest, BranchEndsFarApartAcrossTheAxisAreNotJoined) {
  // On a view whose left edge is x = 0 the outer branches start at (0, ±√5), and the curve
  // passes through (0, 0) halfway between them: no chord may join them.
  View(0, 10, -5, 5, 500, 500);
  RecordingCanvas c;
  EXPECT_EQ(Plot("y^4-5y^2=4sin(x)", c), ImplicitRoad::BiquadraticInY);
  for (const std::vector<gfx::Point>& line : Polylines(c))
    for (size_t k = 1; k < line.size(); ++k)
      EXPECT_FALSE(line[k].x == line[k - 1].x && std::abs(line[k].y - line[k - 1].y) > 10)
          << line[k - 1].x << "," << line[k - 1].y << " to " << line[k].y;
  EXPECT_TRUE(OffCurve(c, "y^4-5y^2=4sin(x)").empty());
}

namespace {

// A piece as the sampler leaves it: the points pushed in the given order.
TCurveSegment* Piece(const std::vector<std::pair<double, double>>& points) {
  TCurvePoint* head = nullptr;
  int32_t count = 0;
  TCurveXYZ first;
  for (const auto& [x, y] : points) AppendCurvePoint(head, count, false, first, x, y);
  return NewCurveSegment(head, count, first);
}

// The branch y = sign·√x from x = 0.0009 (3 pixels from the other branch's end) to 1.
std::vector<std::pair<double, double>> Branch(int sign, bool outward) {
  std::vector<std::pair<double, double>> points;
  for (int k = 0; k <= 10; ++k) {
    const double x = k == 0 ? 0.0009 : k / 10.0;
    points.emplace_back(x, sign * std::sqrt(x));
  }
  if (!outward) std::reverse(points.begin(), points.end());
  return points;
}

// The y values of a piece in drawing order (the list holds the newest point first).
std::vector<Extended> Ys(const TCurveSegment* s) {
  std::vector<Extended> ys;
  for (const TCurvePoint* p = s->points; p; p = p->next) ys.insert(ys.begin(), p->y);
  return ys;
}

}  // namespace

TEST_F(ImplicitTest, BranchEndsOnTheCurveAreSplicedInWhicheverDirectionEachPieceRuns) {
  // x = y², sampled along x as y = ±√x: the two branches meet at the vertex.
  Tfrec* F = Difference("x=y^2");
  for (const bool topOutward : {true, false}) {
    for (const bool bottomOutward : {true, false}) {
      SCOPED_TRACE(::testing::Message() << topOutward << bottomOutward);
      TCurveSegment* list = Piece(Branch(1, topOutward));
      TCurveSegment* bottom = Piece(Branch(-1, bottomOutward));
      list->next = bottom;
      bottom->prev = list;
      JoinBranchEnds(F, list, 0);
      ASSERT_NE(list, nullptr);
      EXPECT_EQ(list->next, nullptr);
      EXPECT_EQ(list->count, 22);
      const std::vector<Extended> ys = Ys(list);
      ASSERT_EQ(ys.size(), 22u);
      // One run from one end over the vertex to the other, not closed.
      const bool rising = ys.back() > ys.front();
      for (size_t k = 1; k < ys.size(); ++k) EXPECT_EQ(ys[k] > ys[k - 1], rising) << k;
      DisposeCurveSegments(list);
    }
  }
  DisposeTree(F);
}

TEST_F(ImplicitTest, AnArcWhoseEndsMeetIsClosedAndOneWithEndsApartIsNot) {
  Tfrec* F = Difference("x^2+y^2=1");
  // Ends 1.5 pixels apart: closed by repeating the first point.
  TCurveSegment* nearly = Piece({{0.03, 1}, {1, 0}, {0, -1}, {-1, 0}, {0, 1}});
  JoinBranchEnds(F, nearly, 0);
  EXPECT_EQ(nearly->count, 6);
  EXPECT_EQ(nearly->startPt.x, nearly->endPt.x);
  EXPECT_EQ(nearly->points->x, Extended{0.03});
  DisposeCurveSegments(nearly);
  // Half a circle: its ends are far apart.
  TCurveSegment* half = Piece({{0, 1}, {1, 0}, {0, -1}});
  JoinBranchEnds(F, half, 0);
  EXPECT_EQ(half->count, 3);
  DisposeCurveSegments(half);
  DisposeTree(F);
}
