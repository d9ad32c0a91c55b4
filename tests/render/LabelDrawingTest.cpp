#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>
#include <string>

#include "formula/DocumentState.h"
#include "platform/RecordingCanvas.h"
#include "platform/Sjis.h"
#include "render/DrawToolkitMapping.h"
#include "render/LabelDrawing.h"
#include "render/RedrawHost.h"
#include "render/RenderState.h"
#include "render/SpaceView.h"
#include "render/ToolkitFixture.h"

namespace {

using gfx::OpKind;

class LabelDrawing : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    View(-5, 5, -5, 5, 600, 600);
    labelSelection = TLabelSelection{};
    SetRedrawHost(nullptr);
  }
  void TearDown() override {
    SetRedrawHost(nullptr);
    render.WindowImage = nullptr;
    ToolkitTest::TearDown();
  }
  // A new label with these lines, at the offsets 8, 8 in a 12-point font (16 pixels).
  static Tlabelrec& Add(std::initializer_list<const char*> lines) {
    Tlabelrec& label = doc.LabelTable[++doc.LabelCount];
    InitLabelrec(label);
    for (const char* line : lines) label.lines.push_back(sj(line));
    return label;
  }
  // Where label n was drawn.
  gfx::Rect BoxOf(int n) {
    labelSelection.CurrentLabel = static_cast<std::uint8_t>(n);
    labelSelection.CurrentLabelBox = gfx::Rect{-1, -1, -1, -1};
    c.Clear();
    DrawLabel(c, n, 1);
    return labelSelection.CurrentLabelBox;
  }
  std::optional<gfx::RecordedOp> Frame() const {
    const auto frames = c.OpsOf(OpKind::Rectangle);
    if (frames.empty()) return std::nullopt;
    EXPECT_EQ(frames.size(), 1u);
    return frames[0];
  }
  gfx::RecordingCanvas c{600, 600};
};

TEST_F(LabelDrawing, BackgroundByStyleWithAFrameWidthFromTheFontSize) {
  const struct {
    int size;
    std::uint8_t transparent, style;
    bool drawn;
    gfx::Rect rect;
    gfx::Color pen;
    gfx::BrushStyle brush;
  } cases[] = {
      // 12 points: 16 pixels, frame width 1; the text "x" is 8 wide.
      {12, 0, 0, true, {7, 7, 17, 25}, 0x00FFFF, gfx::BrushStyle::Solid},   // a plain box, margin g
      {12, 0, 1, true, {6, 6, 18, 26}, 0x0000FF, gfx::BrushStyle::Solid},   // framed box, margin 2g
      {12, 0, 2, true, {6, 6, 18, 26}, 0x0000FF, gfx::BrushStyle::Solid},
      {12, 1, 1, true, {6, 6, 18, 26}, 0x0000FF, gfx::BrushStyle::Clear},   // a frame only
      {12, 1, 0, false, {}, 0, gfx::BrushStyle::Clear},
      {12, 1, 2, false, {}, 0, gfx::BrushStyle::Clear},
      // 48 points: 64 pixels, frame width 4.
      {48, 0, 1, true, {0, 0, 48, 80}, 0x0000FF, gfx::BrushStyle::Solid},
  };
  Tlabelrec& label = Add({"x"});
  label.font.color = 0x0000FF;
  label.backColor = 0x00FFFF;
  for (const auto& k : cases) {
    label.font.size = k.size;
    label.transparent = k.transparent;
    label.backStyle = k.style;
    BoxOf(1);
    const auto frame = Frame();
    ASSERT_EQ(frame.has_value(), k.drawn) << k.size << " " << int(k.transparent) << int(k.style);
    if (!frame) continue;
    EXPECT_EQ(frame->rect, k.rect) << k.size << " " << int(k.transparent) << int(k.style);
    EXPECT_EQ(frame->pen.color, k.pen);
    EXPECT_EQ(frame->pen.width, k.size == 48 ? 4 : 1);
    EXPECT_EQ(frame->brush.style, k.brush);
    // The text comes after its background, in the font colour.
    const auto texts = c.OpsOf(OpKind::Text);
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].font.color, 0x0000FFu);
    EXPECT_EQ(c.Ops().back().kind, OpKind::Text);
  }
}

TEST_F(LabelDrawing, LinesStackAFifthOfTheFontBelowTheLowestPartOfTheLineAbove) {
  Add({"a", "\\frac{1}{2}", "", "b"});
  const gfx::Rect box = BoxOf(1);
  const auto texts = c.OpsOf(OpKind::Text);
  ASSERT_EQ(texts.size(), 4u);
  EXPECT_EQ(texts[0].points[0].y, 8);
  // Line 1 ends at 24; the fraction's top is 3 below, its numerator there.
  EXPECT_EQ(texts[1].points[0].y, 27);
  // The fraction (35 high) ends at 62; the empty line takes a line's height (16).
  EXPECT_EQ(texts[3].points[0].y, 65 + 16 + 3);
  EXPECT_EQ(box, (gfx::Rect{8, 8, 8 + 11, 84 + 16}));
}

TEST_F(LabelDrawing, BlackAndWhiteOutputPrintsBlackOnWhite) {
  Tlabelrec& label = Add({"x"});
  label.font.color = 0x0000FF;
  label.backColor = 0x00FFFF;
  label.transparent = 0;
  label.backStyle = 1;
  modes.OutputColorMode = 2;
  BoxOf(1);
  EXPECT_EQ(Frame()->pen.color, gfx::kBlack);
  EXPECT_EQ(Frame()->brush.color, gfx::kWhite);
  EXPECT_EQ(c.OpsOf(OpKind::Text).at(0).font.color, gfx::kBlack);
}

TEST_F(LabelDrawing, GraphCoordinatesFollowTheViewAndPixelOffsetsStay) {
  Tlabelrec& placed = Add({"P"});
  placed.coordKind = 1;
  placed.xText = "1";
  placed.yText = sj("1+1");
  Add({"Q"});
  EXPECT_EQ(BoxOf(1).left, 360 + 8);
  EXPECT_EQ(BoxOf(1).top, 180 + 8);
  EXPECT_EQ(BoxOf(2).left, 8);
  View(-10, 10, -10, 10, 600, 600);
  EXPECT_EQ(BoxOf(1).left, 330 + 8);
  EXPECT_EQ(BoxOf(1).top, 240 + 8);
  EXPECT_EQ(BoxOf(2).left, 8);
  // In space the point is projected first.
  doc.Dimension = 3;
  ResetSpaceView();
  UpdateCamera();
  placed.zText = "2";
  TSpacePoint p;
  p.x = 1;
  p.y = 2;
  p.z = 2;
  Extended x = 0, y = 0;
  ASSERT_TRUE(ProjectRecordPoint(p, x, y));
  EXPECT_EQ(BoxOf(1).left, WorldToScreenX(x) + 8);
  EXPECT_EQ(BoxOf(1).top, WorldToScreenY(y) + 8);
  // A place that cannot be computed draws nothing.
  placed.xText = "1/0";
  BoxOf(1);
  EXPECT_TRUE(c.Ops().empty());
}

TEST_F(LabelDrawing, OutputScaleAndLineWidthSettingScaleOffsetsAndFont) {
  Add({"x"});
  c.Clear();
  DrawLabel(c, 1, 2.0f);
  EXPECT_EQ(c.OpsOf(OpKind::Text).at(0).points[0], (gfx::Point{16, 16}));
  EXPECT_EQ(c.OpsOf(OpKind::Text).at(0).font.height, -32);
  doc.LineWidthSetting = 3;
  c.Clear();
  DrawLabel(c, 1, 1.0f);
  EXPECT_EQ(c.OpsOf(OpKind::Text).at(0).points[0], (gfx::Point{10, 10}));
  EXPECT_EQ(c.OpsOf(OpKind::Text).at(0).font.height, -19);
}

TEST_F(LabelDrawing, AllLabelsUnlessSwitchedOffHiddenOrDuringACalculusAnimation) {
  Add({"A"});
  Add({"B"}).shown = 0;
  Add({"C"});
  labelSelection.CurrentLabel = 2;
  c.pen.color = 0x123456;
  DrawAllLabels(c, 1);
  const auto texts = c.OpsOf(OpKind::Text);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, "A");
  EXPECT_EQ(texts[1].text, "C");
  EXPECT_EQ(c.pen.color, 0x123456u);
  EXPECT_EQ(labelSelection.CurrentLabelBox, gfx::Rect{});  // label 2 was not drawn

  for (auto off : {&ModeFlags::CalculusActive, &ModeFlags::LabelsShown}) {
    const ModeFlags saved = modes;
    modes.*off = off == &ModeFlags::CalculusActive ? 1 : 0;
    c.Clear();
    DrawAllLabels(c, 1);
    EXPECT_TRUE(c.Ops().empty());
    modes = saved;
  }
  // While the print picture is recorded the labels go there.
  gfx::RecordingCanvas print;
  settings.DrawToMetafile = 1;
  settings.MetafileCanvas = &print;
  c.Clear();
  DrawAllLabels(c, 1);
  EXPECT_TRUE(c.Ops().empty());
  EXPECT_EQ(print.OpsOf(OpKind::Text).size(), 2u);
  settings.DrawToMetafile = 0;
  settings.MetafileCanvas = nullptr;
}

TEST_F(LabelDrawing, RedrawWithLabelsCopiesTheBufferThenWritesTheLabels) {
  struct Window : RedrawHost {
    std::string log;
    void CopyBufferToGraph(gfx::CopyMode) override { log += "copy "; }
    void RefreshInterval() override { log += "interval "; }
  } window;
  SetRedrawHost(&window);
  const std::string& log = window.log;
  render.WindowImage = &c;
  Add({"A"});
  RedrawGraphWithLabels();
  EXPECT_EQ(log, "copy ");
  EXPECT_EQ(c.OpsOf(OpKind::Text).size(), 1u);
  doc.IntervalMode = 1;
  RedrawGraphWithLabels();
  EXPECT_EQ(log, "copy copy interval ");
}

}  // namespace
