#include <gtest/gtest.h>

#include <string>

#include "support/GuiApp.h"
#include "platform/RasterCanvas.h"
#include "platform/Sjis.h"

namespace {

using namespace gfx;

constexpr Color kRed = 0x0000FF, kBlue = 0xFF0000;

// The picture as rows of '.' (white) and '#' (anything else), for readable failures.
std::string Ascii(const RasterCanvas& c, int x0, int y0, int x1, int y1) {
  std::string s;
  for (int y = y0; y < y1; ++y) {
    for (int x = x0; x < x1; ++x) s += c.Pixel(x, y) == kWhite ? '.' : '#';
    s += '\n';
  }
  return s;
}

// The bounding box of everything that is not white, right and bottom included.
Rect InkBox(const RasterCanvas& c) {
  Rect box{99999, 99999, -1, -1};
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x)
      if (c.Pixel(x, y) != kWhite) {
        box.left = std::min(box.left, x), box.right = std::max(box.right, x);
        box.top = std::min(box.top, y), box.bottom = std::max(box.bottom, y);
      }
  return box;
}

int CountNot(const RasterCanvas& c, Color bg) {
  int n = 0;
  for (int y = 0; y < c.Height(); ++y)
    for (int x = 0; x < c.Width(); ++x) n += c.Pixel(x, y) != bg;
  return n;
}

TEST(CanvasRaster, ThinLinesLeaveOutTheirLastPixel) {
  struct Row {
    Point a, b;
    Point lastDrawn, notDrawn;
    int count;
  } rows[] = {
      {{2, 5}, {12, 5}, {11, 5}, {12, 5}, 10},   // horizontal
      {{5, 12}, {5, 2}, {5, 3}, {5, 2}, 10},     // vertical, upwards
      {{1, 1}, {9, 9}, {8, 8}, {9, 9}, 8},       // diagonal
      {{10, 3}, {0, 8}, {1, 8}, {0, 8}, 10},     // shallow, right to left
  };
  for (const Row& r : rows) {
    RasterCanvas c(16, 16);
    c.pen.color = kRed;
    c.MoveTo(r.a.x, r.a.y);
    c.LineTo(r.b.x, r.b.y);
    EXPECT_EQ(c.Pixel(r.a.x, r.a.y), kRed);
    EXPECT_EQ(c.Pixel(r.lastDrawn.x, r.lastDrawn.y), kRed);
    EXPECT_EQ(c.Pixel(r.notDrawn.x, r.notDrawn.y), kWhite);
    EXPECT_EQ(CountNot(c, kWhite), r.count);
    EXPECT_EQ(c.PenPos(), r.b);
  }
  // A polyline leaves out only its very last point; width 0 draws like 1.
  RasterCanvas c(16, 16);
  c.pen.width = 0;
  const Point pts[] = {{1, 1}, {5, 1}, {5, 5}};
  c.Polyline(pts);
  EXPECT_EQ(c.Pixel(5, 1), kBlack);
  EXPECT_EQ(c.Pixel(5, 4), kBlack);
  EXPECT_EQ(c.Pixel(5, 5), kWhite);
  EXPECT_EQ(CountNot(c, kWhite), 8);
}

TEST(CanvasRaster, LinesFarOutsideAreClippedQuickly) {
  RasterCanvas c(20, 20);
  c.MoveTo(-2000000000, 10);
  c.LineTo(2000000000, 10);
  EXPECT_EQ(CountNot(c, kWhite), 20);
  RasterCanvas d(20, 20);
  d.MoveTo(-2000000000, -2000000000);
  d.LineTo(2000000000, 2000000000);
  EXPECT_EQ(CountNot(d, kWhite), 20);
  EXPECT_EQ(d.Pixel(7, 7), kBlack);
}

TEST(CanvasRaster, EllipseBoxExcludesRightAndBottomEdge) {
  RasterCanvas c(60, 60);
  c.brush.color = kBlue;
  c.pen.color = kRed;
  c.Ellipse(47, 47, 53, 53);  // a marker of radius 3 at (50, 50)
  EXPECT_EQ(InkBox(c), (Rect{47, 47, 52, 52}));
  EXPECT_EQ(c.Pixel(49, 49), kBlue);  // brush inside
  EXPECT_EQ(c.Pixel(47, 49), kRed);   // pen on the outline
  EXPECT_EQ(c.Pixel(47, 47), kWhite);  // round, not square
}

TEST(CanvasRaster, RectangleOutlineAndFill) {
  RasterCanvas c(10, 10);
  c.brush.color = kBlue;
  c.Rectangle(2, 2, 7, 6);
  EXPECT_EQ(Ascii(c, 0, 0, 9, 8),
            ".........\n"
            ".........\n"
            "..#####..\n"
            "..#####..\n"
            "..#####..\n"
            "..#####..\n"
            ".........\n"
            ".........\n");
  EXPECT_EQ(c.Pixel(2, 2), kBlack);
  EXPECT_EQ(c.Pixel(6, 5), kBlack);
  EXPECT_EQ(c.Pixel(3, 3), kBlue);
  // FillRect: the brush only, right and bottom excluded.
  RasterCanvas f(10, 10);
  f.brush.color = kRed;
  f.FillRect(Rect{1, 1, 4, 3});
  EXPECT_EQ(CountNot(f, kWhite), 6);
  EXPECT_EQ(f.Pixel(3, 2), kRed);
  EXPECT_EQ(f.Pixel(4, 2), kWhite);
}

TEST(CanvasRaster, RoundRectStaysInItsBoxWithRoundCorners) {
  RasterCanvas c(30, 30);
  c.brush.color = kBlue;
  c.RoundRect(2, 3, 22, 18, 8, 8);
  EXPECT_EQ(InkBox(c), (Rect{2, 3, 21, 17}));
  EXPECT_EQ(c.Pixel(2, 3), kWhite);    // the corner is cut
  EXPECT_EQ(c.Pixel(12, 3), kBlack);   // the straight top edge
  EXPECT_EQ(c.Pixel(12, 10), kBlue);   // inside
}

TEST(CanvasRaster, HatchesAreEightPixelsApartOnATransparentBackground) {
  for (BrushStyle style : {BrushStyle::BDiagonal, BrushStyle::FDiagonal, BrushStyle::DiagCross}) {
    RasterCanvas c(64, 64, kBlue);
    c.brush.style = style;
    c.brush.color = kRed;
    c.FillRect(Rect{0, 0, 64, 64});
    int red = 0, blue = 0;
    std::vector<int> onRow;
    const int y = 21;  // the two diagonals of the cross meet on every fourth row
    for (int x = 0; x < 64; ++x) {
      if (c.Pixel(x, y) == kRed) onRow.push_back(x);
      red += c.Pixel(x, y) == kRed;
      blue += c.Pixel(x, y) == kBlue;
    }
    EXPECT_EQ(red + blue, 64);  // the gaps keep what was there
    const int perRow = style == BrushStyle::DiagCross ? 16 : 8;
    EXPECT_EQ(red, perRow);
    if (style != BrushStyle::DiagCross) {
      for (std::size_t i = 1; i < onRow.size(); ++i) EXPECT_EQ(onRow[i] - onRow[i - 1], 8);
    }
    // "/" rises to the right, "\" falls.
    const int x0 = onRow[0];
    if (style == BrushStyle::BDiagonal) {
      EXPECT_EQ(c.Pixel(x0 + 1, y - 1), kRed);
    }
    if (style == BrushStyle::FDiagonal) {
      EXPECT_EQ(c.Pixel(x0 + 1, y + 1), kRed);
    }
  }
}

TEST(CanvasRaster, XorAndNotXorTwiceRestore) {
  for (PenMode mode : {PenMode::Xor, PenMode::NotXor}) {
    RasterCanvas c(40, 40);
    c.brush.color = 0x336699;
    c.FillRect(Rect{5, 5, 30, 30});
    const QImage before = c.Image().copy();
    c.pen.mode = mode;
    c.pen.color = 0x808080;
    for (int width : {1, 3, 4}) {
      c.pen.width = width;
      c.brush.style = BrushStyle::Clear;
      for (int pass = 0; pass < 2; ++pass) {
        const Point pts[] = {{2, 2}, {35, 10}, {12, 36}, {2, 2}};
        c.Polyline(pts);
        c.Rectangle(8, 8, 20, 24);
      }
      EXPECT_TRUE(c.Image() == before) << "width " << width;
    }
    c.pen.width = 1;
    c.Polyline(std::vector<Point>{{2, 2}, {35, 10}});
    EXPECT_FALSE(c.Image() == before);
  }
}

TEST(CanvasRaster, FloodFillStopsAtTheBorderColour) {
  RasterCanvas c(30, 30);
  c.pen.color = kRed;
  c.brush.style = BrushStyle::Clear;
  c.Rectangle(5, 5, 20, 20);
  c.brush.style = BrushStyle::Solid;
  c.brush.color = kBlue;
  c.FloodFill(10, 10, kRed, FloodMode::Border);
  EXPECT_EQ(c.Pixel(6, 6), kBlue);
  EXPECT_EQ(c.Pixel(18, 18), kBlue);
  EXPECT_EQ(c.Pixel(5, 10), kRed);
  EXPECT_EQ(c.Pixel(4, 10), kWhite);
  EXPECT_EQ(c.Pixel(25, 25), kWhite);
  EXPECT_EQ(CountNot(c, kWhite), 15 * 15);
  // Surface mode fills the pixels of the given colour: here the outside.
  c.brush.color = 0x00FF00;
  c.FloodFill(0, 0, kWhite, FloodMode::Surface);
  EXPECT_EQ(c.Pixel(29, 29), 0x00FF00u);
  EXPECT_EQ(c.Pixel(10, 10), kBlue);
  // A seed on the border colour, or outside, fills nothing.
  c.FloodFill(5, 5, kRed, FloodMode::Border);
  c.FloodFill(-1, 3, kRed, FloodMode::Border);
  EXPECT_EQ(c.Pixel(5, 5), kRed);
}

TEST(CanvasRaster, WidePensHaveRoundOrFlatCaps) {
  RasterCanvas round(40, 20), flat(40, 20);
  for (RasterCanvas* c : {&round, &flat}) {
    c->pen.width = 5;
    c->pen.cap = c == &flat ? PenCap::Flat : PenCap::Round;
    c->MoveTo(10, 10);
    c->LineTo(30, 10);
  }
  // Five rows thick.
  for (int y = 8; y <= 12; ++y) EXPECT_EQ(round.Pixel(20, y), kBlack) << y;
  EXPECT_EQ(round.Pixel(20, 7), kWhite);
  EXPECT_EQ(round.Pixel(20, 13), kWhite);
  // The round cap reaches half the width beyond both ends, the flat one stops there.
  EXPECT_EQ(round.Pixel(8, 10), kBlack);
  EXPECT_EQ(round.Pixel(32, 10), kBlack);
  EXPECT_EQ(round.Pixel(8, 8), kWhite);
  EXPECT_EQ(flat.Pixel(8, 10), kWhite);
  EXPECT_EQ(flat.Pixel(10, 10), kBlack);
  EXPECT_EQ(flat.Pixel(30, 10), kWhite);
  // An even width is as many pixels thick.
  RasterCanvas even(20, 20);
  even.pen.width = 2;
  even.MoveTo(2, 10);
  even.LineTo(18, 10);
  int rows = 0;
  for (int y = 0; y < 20; ++y) rows += even.Pixel(10, y) == kBlack;
  EXPECT_EQ(rows, 2);
}

TEST(CanvasRaster, DottedPenAndItsOpaqueGaps) {
  RasterCanvas c(20, 4, kBlue);
  c.pen.style = PenStyle::Dot;
  c.pen.color = kRed;
  c.brush.style = BrushStyle::Clear;
  c.MoveTo(0, 1);
  c.LineTo(12, 1);
  std::string row;
  for (int x = 0; x < 13; ++x) row += c.Pixel(x, 1) == kRed ? '#' : '.';
  EXPECT_EQ(row, "###...###....");
  c.brush.style = BrushStyle::Solid;
  c.brush.color = kWhite;
  c.MoveTo(0, 2);
  c.LineTo(12, 2);
  EXPECT_EQ(c.Pixel(4, 2), kWhite);
  EXPECT_EQ(c.Pixel(12, 2), kBlue);
}

TEST(CanvasRaster, ArcRunsCounterClockwiseBetweenItsRadials) {
  RasterCanvas c(41, 41);
  c.pen.color = kRed;
  // Box of a circle of radius 15 about (20, 20); from the right radial to the top one.
  c.Arc(5, 5, 36, 36, 40, 20, 20, 0);
  int upperRight = 0, elsewhere = 0;
  for (int y = 0; y < 41; ++y)
    for (int x = 0; x < 41; ++x)
      if (c.Pixel(x, y) == kRed) (x >= 20 && y <= 20 ? upperRight : elsewhere)++;
  EXPECT_GT(upperRight, 15);
  EXPECT_EQ(elsewhere, 0);
  EXPECT_EQ(c.Pixel(35, 20), kRed);
  EXPECT_EQ(c.Pixel(20, 5), kRed);
  // Equal radials: the whole circle.
  RasterCanvas full(41, 41);
  full.Arc(5, 5, 36, 36, 40, 20, 40, 20);
  RasterCanvas ring(41, 41);
  ring.brush.style = BrushStyle::Clear;
  ring.Ellipse(5, 5, 36, 36);
  EXPECT_TRUE(full.Image() == ring.Image());
}

TEST(CanvasRaster, PolygonFillsWithTheBrushAndOutlinesWithThePen) {
  RasterCanvas c(20, 20);
  c.brush.color = kBlue;
  c.pen.color = kRed;
  const Point tri[] = {{2, 2}, {16, 2}, {2, 16}};
  c.Polygon(tri);
  EXPECT_EQ(c.Pixel(4, 4), kBlue);
  EXPECT_EQ(c.Pixel(2, 2), kRed);
  EXPECT_EQ(c.Pixel(16, 2), kRed);
  EXPECT_EQ(c.Pixel(2, 16), kRed);
  EXPECT_EQ(c.Pixel(14, 14), kWhite);
}

TEST(CanvasRaster, BezierNeedsThreePointsPerPiece) {
  RasterCanvas c(30, 30);
  const Point bad[] = {{1, 1}, {10, 20}, {20, 20}};
  c.PolyBezier(bad);
  EXPECT_EQ(CountNot(c, kWhite), 0);
  const Point good[] = {{1, 1}, {10, 28}, {20, 28}, {28, 1}};
  c.PolyBezier(good);
  EXPECT_EQ(c.Pixel(1, 1), kBlack);
  EXPECT_GT(CountNot(c, kWhite), 30);
}

TEST(CanvasRaster, CopyRectWithRasterOperations) {
  RasterCanvas src(10, 10, 0x0F0F0F), dst(10, 10, 0xFF00FF);
  dst.CopyRect(Rect{0, 0, 5, 5}, src, Rect{0, 0, 5, 5}, CopyMode::Copy);
  EXPECT_EQ(dst.Pixel(4, 4), 0x0F0F0Fu);
  EXPECT_EQ(dst.Pixel(5, 5), 0xFF00FFu);
  dst.CopyRect(Rect{5, 5, 10, 10}, src, Rect{0, 0, 5, 5}, CopyMode::And);
  EXPECT_EQ(dst.Pixel(7, 7), 0x0F000Fu);
  dst.CopyRect(Rect{5, 0, 10, 5}, src, Rect{0, 0, 5, 5}, CopyMode::Xor);
  dst.CopyRect(Rect{5, 0, 10, 5}, src, Rect{0, 0, 5, 5}, CopyMode::Xor);
  EXPECT_EQ(dst.Pixel(7, 2), 0xFF00FFu);
  // Stretched 2x, and onto itself with overlap.
  RasterCanvas small(2, 1);
  small.SetPixel(1, 0, kRed);
  RasterCanvas big(4, 2);
  big.CopyRect(Rect{0, 0, 4, 2}, small, Rect{0, 0, 2, 1}, CopyMode::Copy);
  EXPECT_EQ(Ascii(big, 0, 0, 4, 2), "..##\n..##\n");
  big.CopyRect(Rect{1, 0, 4, 2}, big, Rect{0, 0, 3, 2}, CopyMode::Copy);
  EXPECT_EQ(Ascii(big, 0, 0, 4, 2), "...#\n...#\n");
}

TEST(CanvasRaster, PixelsOutsideReadInvalid) {
  RasterCanvas c(3, 3);
  c.SetPixel(1, 1, kRed);
  c.SetPixel(5, 5, kRed);  // ignored
  EXPECT_EQ(c.Pixel(1, 1), kRed);
  EXPECT_EQ(c.Pixel(3, 0), kInvalidColor);
  EXPECT_EQ(c.Pixel(0, -1), kInvalidColor);
}

TEST(CanvasRaster, PathsAreBuiltReadBackAndStroked) {
  RasterCanvas c(40, 40);
  c.BeginPath();
  c.MoveTo(2, 2);
  c.LineTo(30, 2);
  const Point bez[] = {{30, 2}, {35, 10}, {35, 20}, {30, 30}};
  c.PolyBezier(bez);
  c.CloseFigure();
  c.MoveTo(5, 35);
  c.LineTo(10, 35);
  EXPECT_TRUE(c.GetPath().empty());  // not ended yet
  c.EndPath();
  EXPECT_EQ(CountNot(c, kWhite), 0);  // nothing drawn while building
  std::vector<PathPoint> path = c.GetPath();
  ASSERT_EQ(path.size(), 8u);
  EXPECT_EQ(path[0].type, pathtype::kMoveTo);
  EXPECT_EQ(path[1].type, pathtype::kLineTo);
  EXPECT_EQ(path[2].type, pathtype::kMoveTo);  // the Bezier opens its own figure
  EXPECT_EQ(path[3].type, pathtype::kBezierTo);
  EXPECT_EQ(path[5].type, pathtype::kBezierTo | pathtype::kCloseFigure);
  EXPECT_EQ(path[6], (PathPoint{{5, 35}, pathtype::kMoveTo}));
  c.FlattenPath();
  path = c.GetPath();
  for (const PathPoint& p : path) EXPECT_NE(p.type & ~pathtype::kCloseFigure, pathtype::kBezierTo);
  EXPECT_GT(path.size(), 8u);
  EXPECT_EQ(path.back(), (PathPoint{{10, 35}, pathtype::kLineTo}));
  c.StrokePath();
  EXPECT_TRUE(c.GetPath().empty());
  EXPECT_EQ(c.Pixel(10, 2), kBlack);
  EXPECT_EQ(c.Pixel(7, 35), kBlack);
  EXPECT_EQ(c.Pixel(34, 15), kBlack);
}

TEST(CanvasRaster, FillPathUsesTheBrush) {
  RasterCanvas c(20, 20);
  c.brush.color = kBlue;
  c.BeginPath();
  c.Rectangle(2, 2, 12, 12);
  c.EndPath();
  c.FillPath();
  EXPECT_EQ(c.Pixel(5, 5), kBlue);
  EXPECT_EQ(c.Pixel(15, 15), kWhite);
}

class CanvasText : public ::testing::Test {
 protected:
  void SetUp() override { EnsureGuiApp(); }
};

TEST_F(CanvasText, DrawnBelowItsTopLeftCornerWithWholePixelAdvances) {
  RasterCanvas c(200, 60);
  c.font.name = "Times New Roman";
  c.font.height = -20;
  c.brush.style = BrushStyle::Clear;
  c.TextOut(10, 30, "Hg");
  int top = 99, left = 999;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 200; ++x)
      if (c.Pixel(x, y) != kWhite) top = std::min(top, y), left = std::min(left, x);
  EXPECT_GE(top, 30);
  EXPECT_LE(top, 36);
  EXPECT_GE(left, 10);
  EXPECT_EQ(c.TextWidth("Hg"), c.TextWidth("H") + c.TextWidth("g"));
  EXPECT_GT(c.TextHeight("H"), 18);
  // No antialiasing: every pixel is either the text colour or the background.
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 200; ++x) ASSERT_TRUE(c.Pixel(x, y) == kWhite || c.Pixel(x, y) == kBlack);
}

TEST_F(CanvasText, OpaqueWithASolidBrush) {
  RasterCanvas c(100, 40, kRed);
  c.font.height = -16;
  c.brush.color = kWhite;
  c.TextOut(5, 5, "A");
  const int w = c.TextWidth("A"), h = c.TextHeight("A");
  EXPECT_EQ(c.Pixel(5, 5), kWhite);
  EXPECT_EQ(c.Pixel(5 + w - 1, 5 + h - 1), kWhite);
  EXPECT_EQ(c.Pixel(5 + w, 5), kRed);
  EXPECT_EQ(c.Pixel(5, 5 + h), kRed);
}

TEST_F(CanvasText, JapaneseFacesAndPositiveCellHeight) {
  RasterCanvas c(100, 40);
  c.font.name = sj("ＭＳ ゴシック");
  c.font.height = -20;
  // A fixed-pitch Gothic: a double-byte character is twice a single-byte one.
  EXPECT_EQ(c.TextWidth(sj("関")), 2 * c.TextWidth("a"));
  c.font.height = 16;  // cell height
  EXPECT_NEAR(c.TextHeight("x"), 16, 1);
}

TEST(CanvasFont, SizeAndHeightAtNinetySixPixelsPerInch) {
  Font f;
  f.SetSize(12);
  EXPECT_EQ(f.height, -16);
  EXPECT_EQ(f.Size(), 12);
  f.SetSize(11);
  EXPECT_EQ(f.height, -15);
  f.height = -8;
  EXPECT_EQ(f.Size(), 6);
}

}  // namespace
