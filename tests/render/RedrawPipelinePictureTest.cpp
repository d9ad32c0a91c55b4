#include <gtest/gtest.h>

#include <QImage>

#include "formula/VariableValues.h"
#include "platform/RecordingCanvas.h"
#include "render/RedrawPipelineFixture.h"

namespace {

// Whether a pixel of the colour lies within one pixel of the world point.
bool InkNear(const gfx::RasterCanvas& c, Extended x, Extended y, gfx::Color colour) {
  const int px = WorldToScreenX(x), py = WorldToScreenY(y);
  for (int dy = -1; dy <= 1; ++dy)
    for (int dx = -1; dx <= 1; ++dx)
      if (c.Pixel(px + dx, py + dy) == colour) return true;
  return false;
}

TEST(BackgroundPicture, IsCentredAsLargeAsItFits) {
  struct Row {
    int w, h, W, H;
    gfx::Rect expected;
  } rows[] = {
      {200, 100, 100, 100, {0, 25, 100, 75}},
      {100, 200, 100, 100, {25, 0, 75, 100}},
      {300, 300, 100, 100, {0, 0, 100, 100}},
      {100, 100, 100, 101, {0, 0, 100, 100}},  // round(0.5) = 0 and round(100.5) = 100
      {640, 480, 800, 600, {0, 0, 800, 600}},
  };
  for (const Row& r : rows) {
    gfx::Rect target;
    ASSERT_TRUE(BackgroundPictureRect(r.w, r.h, r.W, r.H, target)) << r.w << "x" << r.h;
    EXPECT_EQ(target, r.expected) << r.w << "x" << r.h;
  }
  gfx::Rect unused;
  for (auto [w, h] : {std::pair{0, 0}, {0, 10}, {10, 0}}) EXPECT_FALSE(BackgroundPictureRect(w, h, 100, 100, unused));
  EXPECT_FALSE(BackgroundPictureRect(10, 10, 0, 100, unused));
}

class PipelinePicture : public PipelineTest {
 protected:
  void SetUp() override {
    PipelineTest::SetUp();
    View(-5, 5, -5, 5, 100, 100);
    RecreateBufferBitmaps();
    // Pictures without grid and axes, so that every pixel read is the layer under test.
    doc.GridSettings.kind = 0;
    doc.XAxisShown = doc.YAxisShown = 0;
    doc.AxisTicksShown = doc.AxisNumbersShown = 0;
  }
};

TEST_F(PipelinePicture, TheBackgroundPictureFillsTheWidthBetweenWhiteBands) {
  QImage wide(2, 1, QImage::Format_RGB32);
  wide.setPixel(0, 0, qRgb(255, 0, 0));
  wide.setPixel(1, 0, qRgb(0, 0, 255));
  render.BackgroundPicture = TBitmap(wide);
  settings.BackgroundShown = 1;
  RedrawAll();
  const gfx::RasterCanvas& back = BackCanvas();
  EXPECT_EQ(back.Pixel(50, 10), gfx::kWhite);
  EXPECT_EQ(back.Pixel(50, 90), gfx::kWhite);
  EXPECT_EQ(back.Pixel(10, 50), gfx::Rgb(255, 0, 0));
  EXPECT_EQ(back.Pixel(90, 50), gfx::Rgb(0, 0, 255));
  EXPECT_EQ(CompositeCanvas().Pixel(90, 50), gfx::Rgb(0, 0, 255));
  EXPECT_EQ(doc.BackgroundDirty, 0);

  // Shown but empty (a picture that failed to load) draws white, and does not divide by 0.
  render.BackgroundPicture = TBitmap();
  RedrawAll();
  EXPECT_EQ(BackCanvas().Pixel(10, 50), gfx::kWhite);
}

TEST_F(PipelinePicture, AParameterStepRedrawsOnlyTheMovingLayer) {
  View(-5, 5, -5, 5, 200, 200);
  RecreateBufferBitmaps();
  Tfuncprop& still = Add(kKindExplicit, "x^2");
  still.color = 0x0000FF;
  Tfuncprop& moving = Add(kKindExplicit, "a*x", 0, 1);
  moving.color = 0xFF0000;
  modes.AnimationMode = 0;
  RedrawAll();
  const QImage back = BackCanvas().Image().copy();
  const gfx::RasterCanvas& composite = CompositeCanvas();
  EXPECT_TRUE(InkNear(BackCanvas(), 2, 4, 0x0000FF));
  EXPECT_FALSE(InkNear(BackCanvas(), -2, -2, 0xFF0000));
  EXPECT_TRUE(InkNear(composite, 2, 4, 0x0000FF));
  EXPECT_TRUE(InkNear(composite, -2, -2, 0xFF0000));

  WriteVariable(doc.VariableValues, 'a', 2);
  RepaintByMode(CompositeCanvas());
  EXPECT_TRUE(BackCanvas().Image() == back);
  EXPECT_TRUE(InkNear(composite, -2, -4, 0xFF0000));
  EXPECT_FALSE(InkNear(composite, -2, -2, 0xFF0000));
  EXPECT_TRUE(InkNear(composite, 2, 4, 0x0000FF));
}

TEST_F(PipelinePicture, AHiddenEntryIsDrawnByNoRoad) {
  Tfuncprop& hidden = Add(kKindExplicit, "a*x", 0, 1);
  hidden.color = 0xFF0000;
  hidden.shown = 0;
  modes.AfterImageOn = 1;
  for (int mode : {0, 6, 2}) {
    modes.AnimationMode = static_cast<uint8_t>(mode);
    RedrawAll();
    for (const gfx::RasterCanvas* c : {&BackCanvas(), &CompositeCanvas()})
      for (int y = 0; y < 100; ++y)
        for (int x = 0; x < 100; ++x) ASSERT_NE(c->Pixel(x, y), 0xFF0000u) << mode;
  }
}

TEST_F(PipelinePicture, ThePrintPictureGetsEverythingAndTheBitmapsNothing) {
  Add(kKindExplicit, "x^2");
  Add(kKindExplicit, "a*x", 0, 1);
  struct Interval : RedrawHost {
    int regions = 0;
    void DrawIntervalRegion(gfx::Canvas&) override { ++regions; }
  } interval;
  SetRedrawHost(&interval);
  const int& intervalRegions = interval.regions;
  RedrawAll();
  const QImage back = BackCanvas().Image().copy(), composite = CompositeCanvas().Image().copy();

  gfx::RecordingCanvas paper(100, 100);
  settings.DrawToMetafile = 1;
  settings.MetafileCanvas = &paper;
  doc.IntervalMode = 1;
  WriteVariable(doc.VariableValues, 'a', -3);
  RedrawAll();
  settings.DrawToMetafile = 0;
  settings.MetafileCanvas = nullptr;

  EXPECT_TRUE(BackCanvas().Image() == back);
  EXPECT_TRUE(CompositeCanvas().Image() == composite);
  EXPECT_EQ(paper.OpsOf(gfx::OpKind::Polyline).size(), 2u);
  EXPECT_EQ(intervalRegions, 1);
}

}  // namespace
