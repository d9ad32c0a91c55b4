// Which road a relation takes to the picture, and that whatever it draws lies on the curve.
#include <gtest/gtest.h>

#include "render/ImplicitFixture.h"
#include "render/ImplicitTracing.h"

using gfx::RecordingCanvas;

namespace {

struct Route {
  const char* relation;
  ImplicitRoad road;
  // The curve the drawing is checked against when the relation itself only touches zero
  // (a double line); empty: the relation.
  const char* curve = "";
};

const Route kRoutes[] = {
    {"2x+3y=6", ImplicitRoad::Line},
    {"0.00000001x^2+y=0", ImplicitRoad::Line},  // a coefficient below 1e-7 counts as 0
    {"abs(x-y)=0", ImplicitRoad::Line},
    {"x^2+xy+y^2=3", ImplicitRoad::Ellipse},
    {"(x-1)^2/4+(y+2)^2=1", ImplicitRoad::Ellipse},
    {"x^2/400+y^2=1", ImplicitRoad::QuadraticInY},  // wider than the view
    {"y=x^2-3", ImplicitRoad::Parabola},
    {"x=y^2-2y", ImplicitRoad::Parabola},
    {"x^2+2xy+y^2-4x+4y=0", ImplicitRoad::Parabola},
    {"x^2-y^2=1", ImplicitRoad::Hyperbola},
    {"xy=1", ImplicitRoad::Hyperbola},
    {"(x+1)(y-2)=-2", ImplicitRoad::Hyperbola},
    {"x^2-y^2=0", ImplicitRoad::Lines},
    {"x^2+xy=0", ImplicitRoad::Lines},
    {"x^2=1", ImplicitRoad::Lines},
    {"x^2=0", ImplicitRoad::Lines, "x=0"},
    {"y^2-2y=3", ImplicitRoad::Lines},
    {"(x+y)^2=1", ImplicitRoad::Lines},
    {"(x-2y+1)^2=4", ImplicitRoad::Lines},
    {"(x+2y-4)^2=0", ImplicitRoad::Lines, "x+2y=4"},
    {"sin(x)=y", ImplicitRoad::SolvedForY},
    {"x=sin(y)", ImplicitRoad::SolvedForX},
    {"y*exp(x)=1", ImplicitRoad::SolvedForY},
    {"x*y^2+y=1", ImplicitRoad::SolvedForX},
    // Linear in x, so solved for x before the degree in y is looked at.
    {"y^3=x", ImplicitRoad::SolvedForX},
    {"y^4+y=x", ImplicitRoad::SolvedForX},
    {"y^4-5y^2+4=x", ImplicitRoad::SolvedForX},
    {"x^2*y^2+y=1", ImplicitRoad::QuadraticInY},
    {"x^2+x=sin(y)", ImplicitRoad::QuadraticInX},
    {"y^3-y=sin(x)", ImplicitRoad::CubicInY},
    {"y^3=sin(x)", ImplicitRoad::CubicInY},
    {"y^3-6y^2+11y-6=sin(x)", ImplicitRoad::CubicInY},
    {"x^3+y^3=3xy", ImplicitRoad::CubicInY},
    {"x^3-x=cos(y)", ImplicitRoad::CubicInX},
    {"y^4-5y^2+4=sin(x)", ImplicitRoad::BiquadraticInY},
    {"x^4-5x^2+4=sin(y)", ImplicitRoad::BiquadraticInX},
};

}  // namespace

TEST_F(ImplicitTest, EveryRelationTakesItsRoadAndDrawsOnlyPointsOfItsCurve) {
  for (const Route& r : kRoutes) {
    SCOPED_TRACE(r.relation);
    RecordingCanvas c;
    EXPECT_EQ(Plot(r.relation, c), r.road);
    ASSERT_FALSE(c.Ops().empty());
    const std::string curve = *r.curve ? r.curve : r.relation;
    const std::vector<gfx::Point> off = OffCurve(c, curve);
    EXPECT_TRUE(off.empty()) << off.size() << " off the curve, first at " << off[0].x << "," << off[0].y;
  }
}

TEST_F(ImplicitTest, RelationsWithoutClosedFormAreTracedOnTheirCurve) {
  for (const char* relation : {"y^4+y=sin(x)", "sin(x)+sin(y)=1.5", "x^5+y^5=1", "y^4+y^3=x^4+x^3"}) {
    SCOPED_TRACE(relation);
    RecordingCanvas c;
    EXPECT_EQ(Plot(relation, c), ImplicitRoad::Trace);
    EXPECT_GT(Polylines(c).size(), 20u);
    const std::vector<gfx::Point> off = OffCurve(c, relation);
    EXPECT_TRUE(off.empty()) << off.size() << " off the curve, first at " << off[0].x << "," << off[0].y;
  }
  EXPECT_EQ(ImplicitDerivatives.x[0], nullptr);  // freed after each curve
}

TEST_F(ImplicitTest, ParameterValuesDecideTheRoad) {
  // (a-1)y^2 vanishes for a = 1: the relation is then linear in y.
  doc.VariableValues.cells[1] = 1;
  RecordingCanvas c1;
  EXPECT_EQ(Plot("(a-1)y^2+y=sin(x)", c1), ImplicitRoad::SolvedForY);
  EXPECT_TRUE(OffCurve(c1, "y=sin(x)").empty());
  doc.VariableValues.cells[1] = 2;
  RecordingCanvas c2;
  EXPECT_EQ(Plot("(a-1)y^2+y=sin(x)", c2), ImplicitRoad::QuadraticInY);
  EXPECT_TRUE(OffCurve(c2, "y^2+y=sin(x)").empty());
  doc.VariableValues.cells[1] = 4;
  RecordingCanvas c3;
  EXPECT_EQ(Plot("a*x^2+y^2=1", c3), ImplicitRoad::Ellipse);
  ASSERT_EQ(c3.OpsOf(gfx::OpKind::Ellipse).size(), 1u);
  EXPECT_EQ(c3.OpsOf(gfx::OpKind::Ellipse)[0].rect, (gfx::Rect{225, 200, 275, 300}));
}

TEST_F(ImplicitTest, TheClosedFormsReachEveryRootAcrossTheView) {
  // The trigonometric roots where the cubic has three, the real cube roots of Cardano's
  // formula where it has one.
  for (const char* relation : {"y^3-y=sin(x)", "y^3=sin(x)", "y^3-6y^2+11y-6=sin(x)"}) {
    SCOPED_TRACE(relation);
    RecordingCanvas c;
    Plot(relation, c);
    EXPECT_EQ(UncoveredColumns(c), 0);
  }
  RecordingCanvas cubic;
  Plot("y^3-6y^2+11y-6=sin(x)", cubic);
  for (const int py : {200, 150, 100}) EXPECT_TRUE(PassesNear(cubic, 250, py)) << py;  // y = 1, 2, 3 at x = 0
  RecordingCanvas quartic;
  Plot("y^4-5y^2+4=sin(x)", quartic);
  for (const int py : {150, 200, 300, 350}) EXPECT_TRUE(PassesNear(quartic, 250, py)) << py;  // y = ±1, ±2
  RecordingCanvas inX;
  Plot("x^3-x=cos(y)", inX);
  EXPECT_EQ(UncoveredColumns(inX, true), 0);
}

TEST_F(ImplicitTest, DegenerateConicsDrawAPointOrNothing) {
  for (const auto& [relation, road] : {std::pair{"x^2+y^2=0", ImplicitRoad::NoRealCurve},
                                       std::pair{"(x-1)^2+2(y+1)^2=0", ImplicitRoad::NoRealCurve},
                                       std::pair{"x^2+y^2=-1", ImplicitRoad::QuadraticInY},
                                       std::pair{"x^2=-1", ImplicitRoad::NoRealCurve},
                                       std::pair{"(x+y)^2=-1", ImplicitRoad::NoRealCurve}}) {
    SCOPED_TRACE(relation);
    RecordingCanvas c;
    EXPECT_EQ(Plot(relation, c), road);
    EXPECT_TRUE(c.Ops().empty());
  }
}
