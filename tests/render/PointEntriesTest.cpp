#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "formula/ConstructedPoints.h"
#include "render/FigureFixture.h"
#include "render/MathLabel.h"
#include "render/PointEntries.h"

namespace {

using gfx::OpKind;
using gfx::Point;

class PointTest : public FigureFixture {
 protected:
  Tfuncprop& Entry(int e) { return doc.FigureTable[e]; }
  // The first character of every name written, with its top-left corner.
  std::vector<std::pair<std::string, Point>> Names() const {
    std::vector<std::pair<std::string, Point>> names;
    for (const gfx::RecordedOp& op : c.OpsOf(OpKind::Text)) names.push_back({op.text, op.points[0]});
    return names;
  }
};

TEST_F(PointTest, MarkersAtValidPointsOnly) {
  const int a = build.At('A', "1", "2");
  const int b = build.At('B', "-1", "0");
  const int bad = build.Point('C', kLineIntersection, {"AB", "AB"});
  Entry(a).option64 = 1;
  Entry(b).option64 = 2;
  Entry(b).penWidth = 3;
  DrawPointEntry(c, Entry(a));
  DrawPointEntry(c, Entry(b));
  const auto markers = c.OpsOf(OpKind::Ellipse);
  ASSERT_EQ(markers.size(), 2u);
  EXPECT_EQ(markers[0].rect, (gfx::Rect{296, 146, 304, 154}));  // radius 2 + 2, filled
  EXPECT_EQ(markers[0].brush.style, gfx::BrushStyle::Solid);
  EXPECT_EQ(markers[1].rect, (gfx::Rect{195, 245, 205, 255}));  // radius 3 + 2, hollow
  EXPECT_EQ(markers[1].brush.style, gfx::BrushStyle::Clear);

  c.Clear();
  DrawPointEntry(c, Entry(bad));
  EXPECT_TRUE(c.Ops().empty());
  EXPECT_EQ(doc.PreviousPointPositions[geometry_test::PointNumber('C')].valid, 0);
}

TEST_F(PointTest, APointSequenceHasAMarkerAndANumberedNameAtEachPoint) {
  const int s = build.Point('P', kPointSequence, {"", "", "P"});
  std::vector<TSpacePoint>& points = doc.PointSequences[geometry_test::PointNumber('P')];
  points = {geometry_test::P(0, 0), geometry_test::P(1, 0), geometry_test::P(2, 0)};
  Entry(s).labelPos = 5;
  DrawPointEntry(c, Entry(s));
  EXPECT_EQ(c.OpsOf(OpKind::Ellipse).size(), 3u);
  c.Clear();
  DrawPointListLabels(c);
  std::string written;
  for (const auto& [text, at] : Names()) written += text;
  EXPECT_EQ(written, "P1P2P3");
}

TEST_F(PointTest, NamesTakeTheLabelTextAndTheirPlace) {
  const int a = build.At('A', "0", "0");
  Entry(a).texts[2] = "Q";
  Entry(a).labelPos = 4;  // upper right: (X + d, Y - 4d)
  DrawPointListLabels(c);
  const auto names = Names();
  ASSERT_EQ(names.size(), 1u);
  EXPECT_EQ(names[0].first, "Q");
  const int d = c.OpsOf(OpKind::Text)[0].font.height;  // fixed metrics: a line is |height| high
  ASSERT_NE(d, 0);
  const int third = std::abs(d) / 3;
  EXPECT_EQ(names[0].second.x, 250 + third);
  EXPECT_EQ(names[0].second.y, 250 - 4 * third);

  // The letter when the label text is empty; nothing at position 3, nor for an invalid
  // point, nor outside the view, nor while labels are hidden.
  Entry(a).texts[2].clear();
  c.Clear();
  DrawPointListLabels(c);
  ASSERT_EQ(Names().size(), 1u);
  EXPECT_EQ(Names()[0].first, "A");
  const Tfuncprop shown = Entry(a);
  auto expectNoName = [&](const char* why) {
    doc.PointSequenceDirty[geometry_test::PointNumber('A')] = 1;
    c.Clear();
    DrawPointListLabels(c);
    EXPECT_TRUE(Names().empty()) << why;
    Entry(a) = shown;
    modes.LabelsShown = 1;
  };
  Entry(a).labelPos = 3;
  expectNoName("position 3");
  modes.LabelsShown = 0;
  expectNoName("labels hidden");
  Entry(a).texts[0] = "sqrt(-1)";
  expectNoName("invalid point");
  Entry(a).texts[0] = "6";
  expectNoName("outside the view");
}

TEST_F(PointTest, NamePlaces) {
  // A name 12 pixels wide beside the pixel (100, 100), d = 3.
  const Point expected[] = {{85, 88}, {85, 103}, {100, 100}, {103, 88}, {103, 103},
                            {85, 96}, {94, 88},  {104, 96},  {94, 103}};
  for (int pos = 1; pos <= 9; ++pos)
    EXPECT_EQ(PointNameCorner(static_cast<std::uint8_t>(pos), 100, 100, 12, 3), expected[pos - 1]) << pos;
}

TEST_F(PointTest, NamesAreTypesetFromTheirMarkup) {
  const int a = build.At('A', "0", "0");
  Entry(a).texts[2] = "P_1";
  Entry(a).labelPos = 1;  // upper left: X - w - d
  DrawPointListLabels(c);
  const auto names = Names();
  ASSERT_EQ(names.size(), 2u);
  EXPECT_EQ(names[0].first, "P");
  EXPECT_EQ(names[1].first, "1");
  EXPECT_GT(names[1].second.x, names[0].second.x);
  EXPECT_GT(names[1].second.y, names[0].second.y);  // the subscript sits lower
  int height = c.font.height;
  const int width = MeasureMathLabel(c, "P_1", height, 0, 0);
  const int d = std::abs(c.OpsOf(OpKind::Text)[0].font.height) / 3;
  EXPECT_EQ(names[0].second.x, 250 - width - d);
}

}  // namespace
