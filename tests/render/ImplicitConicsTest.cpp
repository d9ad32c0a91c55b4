// How conics and products reach the canvas.
#include <gtest/gtest.h>

#include "render/ImplicitFixture.h"

using gfx::OpKind;
using gfx::RecordingCanvas;

TEST_F(ImplicitTest, AnUprightSolidEllipseNearTheViewIsTheCanvasEllipseAnyOtherA181VertexPolygon) {
  RecordingCanvas solid;
  EXPECT_EQ(Plot("x^2+y^2=4", solid), ImplicitRoad::Ellipse);
  ASSERT_EQ(solid.Ops().size(), 1u);
  EXPECT_EQ(solid.Ops()[0].kind, OpKind::Ellipse);
  EXPECT_EQ(solid.Ops()[0].rect, (gfx::Rect{150, 150, 350, 350}));
  EXPECT_EQ(solid.Ops()[0].brush.style, gfx::BrushStyle::Clear);

  RecordingCanvas dashed;
  EXPECT_EQ(Plot("x^2+y^2=4", dashed, 1), ImplicitRoad::Ellipse);
  EXPECT_TRUE(dashed.OpsOf(OpKind::Ellipse).empty());
  EXPECT_FALSE(dashed.Ops().empty());

  // The box of a circle far out adds up to more than 15999 pixels; a turned one is never
  // the canvas ellipse.
  for (const char* relation : {"(x-100)^2+(y-100)^2=4", "x^2+xy+y^2=3"}) {
    SCOPED_TRACE(relation);
    RecordingCanvas c;
    EXPECT_EQ(Plot(relation, c), ImplicitRoad::Ellipse);
    ASSERT_EQ(Polylines(c).size(), 1u);
    const std::vector<gfx::Point> polygon = Polylines(c)[0];
    EXPECT_EQ(polygon.size(), 182u);
    EXPECT_EQ(polygon.front(), polygon.back());
  }
}

TEST_F(ImplicitTest, AProductIsDrawnFactorByFactorAndANegationIsUndone) {
  for (const char* relation : {"xy=0", "-(xy)=0", "(x-1)(y+2)(x+y)=0"}) {
    SCOPED_TRACE(relation);
    RecordingCanvas c;
    PlotList(relation, c);
    const auto lines = Polylines(c);
    EXPECT_EQ(lines.size(), relation[0] == '(' ? 3u : 2u);
    EXPECT_TRUE(OffCurve(c, relation).empty());
  }
  RecordingCanvas axes;
  PlotList("xy=0", axes);
  ASSERT_EQ(Polylines(axes).size(), 2u);
  EXPECT_EQ(Polylines(axes)[0].front().x, 250);
  EXPECT_EQ(Polylines(axes)[0].back().x, 250);
  EXPECT_EQ(Polylines(axes)[1].front().y, 250);
  EXPECT_EQ(Polylines(axes)[1].back().y, 250);
}

TEST_F(ImplicitTest, ACircleFigureLargerThanTheViewIsDrawnAsItsEquation) {
  // Radius 12 about (0, 12): too wide for the canvas ellipse, drawn as y = 12 ± √(144 − x²).
  RecordingCanvas c;
  EXPECT_EQ(Plot("x^2+(y-12)^2=144", c), ImplicitRoad::QuadraticInY);
  EXPECT_TRUE(OffCurve(c, "x^2+(y-12)^2=144").empty());
  EXPECT_TRUE(PassesNear(c, 250, 250));
}

TEST_F(ImplicitTest, ANonPolynomialOrUndefinedConicFallsToTheTable) {
  // The conic coefficients are undefined; the table solves it for y and samples nothing.
  RecordingCanvas c;
  EXPECT_EQ(Plot("x^2+y^2+sqrt(0-1)=1", c), ImplicitRoad::QuadraticInY);
  EXPECT_TRUE(c.Ops().empty());
}
