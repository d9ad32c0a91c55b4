#include <gtest/gtest.h>

#include "platform/FontMap.h"
#include "platform/RecordingCanvas.h"
#include "platform/Sjis.h"

namespace {

using namespace gfx;

TEST(CanvasRecording, KeepsEveryCallWithTheStateInForce) {
  RecordingCanvas c(100, 80);
  c.pen.color = 0x0000FF;
  c.pen.width = 3;
  c.MoveTo(1, 2);
  c.LineTo(5, 6);
  c.brush.style = BrushStyle::BDiagonal;
  c.Ellipse(10, 20, 4, 8);  // the box is normalised
  c.TextOut(3, 4, "ab");
  ASSERT_EQ(c.Ops().size(), 3u);
  EXPECT_EQ(c.Ops()[0].kind, OpKind::Line);
  EXPECT_EQ(c.Ops()[0].points, (std::vector<Point>{{1, 2}, {5, 6}}));
  EXPECT_EQ(c.Ops()[0].pen.width, 3);
  EXPECT_EQ(c.Ops()[1].rect, (Rect{4, 8, 10, 20}));
  EXPECT_EQ(c.Ops()[1].brush.style, BrushStyle::BDiagonal);
  EXPECT_EQ(c.Ops()[2].text, "ab");
  EXPECT_EQ(c.OpsOf(OpKind::Text).size(), 1u);
}

TEST(CanvasRecording, FixedTextMetrics) {
  RecordingCanvas c;
  c.font.height = -20;
  EXPECT_EQ(c.TextWidth("ab"), 20);
  EXPECT_EQ(c.TextWidth(sj("θx")), 30);
  EXPECT_EQ(c.TextWidth(std::string("a\x83")), 20);  // a lone lead byte counts as one
  EXPECT_EQ(c.TextHeight("ab"), 20);
}

TEST(CanvasRecording, PixelsReadBackWhatWasSet) {
  RecordingCanvas c(10, 10);
  EXPECT_EQ(c.Pixel(3, 3), kWhite);
  c.SetPixel(3, 3, 0x123456);
  EXPECT_EQ(c.Pixel(3, 3), 0x123456u);
  EXPECT_EQ(c.Pixel(10, 3), kInvalidColor);
}

TEST(CanvasRecording, PathsDrawOnlyWhenStroked) {
  RecordingCanvas c;
  c.BeginPath();
  const Point pts[] = {{0, 0}, {10, 0}, {10, 10}};
  c.Polyline(pts);
  c.EndPath();
  EXPECT_TRUE(c.Ops().empty());
  c.StrokePath();
  ASSERT_EQ(c.Ops().size(), 1u);
  ASSERT_EQ(c.Ops()[0].figures.size(), 1u);
  EXPECT_EQ(c.Ops()[0].figures[0].points.size(), 3u);
  EXPECT_FALSE(c.Ops()[0].figures[0].closed);
}

TEST(FontMap, StoredFacesMapToInstalledFonts) {
  struct Row {
    const char* name;
    const char* family;
  } rows[] = {
      {"ＭＳ Ｐゴシック", "IPAPGothic"}, {"ＭＳ ゴシック", "IPAGothic"},
      {"ＭＳ 明朝", "IPAMincho"},        {"ＭＳ Ｐ明朝", "IPAPMincho"},
      {"MS ｺﾞｼｯｸ", "IPAGothic"},         {"Times New Roman", "Liberation Serif"},
      {"times new roman", "Liberation Serif"}, {"Arial", "Liberation Sans"},
      {"DejaVu Sans", "DejaVu Sans"},
  };
  for (const Row& r : rows) EXPECT_EQ(FontFamilyFor(sj(r.name)).toStdString(), r.family) << r.name;
}

}  // namespace
