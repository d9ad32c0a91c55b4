#include "render/ViewZoom2D.h"

#include <gtest/gtest.h>

#include "formula/DocumentState.h"
#include "render/RedrawHost.h"
#include "support/StateFixture.h"

namespace {

class ViewZoomTest : public StateTest {
 protected:
  void TearDown() override {
    SetRedrawHost(nullptr);
    StateTest::TearDown();
  }
  static void ExpectView(const TViewRange& expected, const char* what) {
    const TViewRange& v = doc.ViewRange;
    EXPECT_NEAR(v.XMin, expected.XMin, 1e-5) << what;
    EXPECT_NEAR(v.XMax, expected.XMax, 1e-5) << what;
    EXPECT_NEAR(v.YMin, expected.YMin, 1e-5) << what;
    EXPECT_NEAR(v.YMax, expected.YMax, 1e-5) << what;
  }
};

TEST_F(ViewZoomTest, StepsByType) {
  struct Case {
    const char* what;
    TViewRange start;
    int type;
    TViewRange expected;
  };
  const Extended r2 = 7.0710678L, h2 = 3.5355339L;
  const Case cases[] = {
      {"pan left", {-5, 5, -5, 5}, kPanLeft, {-5.5L, 4.5L, -5, 5}},
      {"pan right", {-5, 5, -5, 5}, kPanRight, {-4.5L, 5.5L, -5, 5}},
      {"pan up", {-5, 5, -5, 5}, kPanUp, {-5, 5, -4.5L, 5.5L}},
      {"pan down", {-5, 5, -5, 5}, kPanDown, {-5, 5, -5.5L, 4.5L}},
      {"pan a wide view by whole units", {-50, 50, -50, 50}, kPanLeft, {-55, 45, -50, 50}},
      {"bounds rounded before the pan", {0.3L, 20.3L, -5, 5}, kPanLeft, {-1, 19, -5, 5}},
      {"zoom out", {-5, 5, -5, 5}, kZoomOut, {-r2, r2, -r2, r2}},
      {"zoom in", {-5, 5, -5, 5}, kZoomIn, {-h2, h2, -h2, h2}},
      {"zoom in by 4", {-5, 5, -5, 5}, kZoomIn4, {-1.25L, 1.25L, -1.25L, 1.25L}},
      {"x in", {-5, 5, -5, 5}, kXZoomIn, {-h2, h2, -5, 5}},
      {"x out", {-5, 5, -5, 5}, kXZoomOut, {-r2, r2, -5, 5}},
      {"y in", {-5, 5, -5, 5}, kYZoomIn, {-5, 5, -h2, h2}},
      {"y out", {-5, 5, -5, 5}, kYZoomOut, {-5, 5, -r2, r2}},
      {"zoom in to 0.00566 wide", {0, 0.008L, 0, 0.008L}, kZoomIn, {0.001172L, 0.006828L, 0.001172L, 0.006828L}},
      {"other types only round", {0.3L, 20.3L, -5, 5}, 7, {0, 20, -5, 5}},
  };
  for (const Case& c : cases) {
    doc.ViewRange = c.start;
    EXPECT_TRUE(ZoomStep(c.type)) << c.what;
    ExpectView(c.expected, c.what);
  }
}

TEST_F(ViewZoomTest, StepsLeavingTheLimitsAreRefused) {
  struct Case {
    const char* what;
    TViewRange start;
    int type;
  };
  const Case cases[] = {
      {"zoom in below 0.005 wide", {0, 0.007L, 0, 1}, kZoomIn},
      {"zoom in by 4 on 0.008", {0, 0.008L, 0, 0.008L}, kZoomIn4},
      {"zoom out beyond 60000", {-50000, 50000, -5, 5}, kZoomOut},
      {"pan beyond 60000", {59000, 60000, -5, 5}, kPanRight},
  };
  for (const Case& c : cases) {
    doc.ViewRange = c.start;
    EXPECT_FALSE(ZoomStep(c.type)) << c.what;
    EXPECT_EQ(doc.ViewRange, c.start) << c.what;
  }
}

TEST_F(ViewZoomTest, ZoomAboutAPoint) {
  doc.ViewRange = {-5, 5, -5, 5};
  EXPECT_TRUE(ZoomAboutPoint(kZoomIn4, 1, 1));
  ExpectView({-0.5L, 2, -0.5L, 2}, "by 4 about (1, 1)");

  doc.ViewRange = {-10, 10, -10, 10};
  EXPECT_TRUE(ZoomAboutPoint(kTenByTen, 1, 1));
  ExpectView({-4.5L, 5.5L, -4.5L, 5.5L}, "10 by 10 keeps (1, 1) at its place");

  doc.ViewRange = {-5, 5, -5, 5};
  EXPECT_TRUE(ZoomAboutPoint(kZoomOut, 5, 5));
  ExpectView({5 - 14.1421356L, 5, 5 - 14.1421356L, 5}, "out about a corner");

  doc.ViewRange = {0, 0.01L, 0, 0.01L};
  EXPECT_FALSE(ZoomAboutPoint(kZoomIn4Root2, 0.005L, 0.005L));
  EXPECT_FALSE(ZoomAboutPoint(kPanLeft, 0, 0));
  EXPECT_EQ(doc.ViewRange, (TViewRange{0, 0.01L, 0, 0.01L}));
}

TEST_F(ViewZoomTest, TheAnimationsZoomAboutTheirPoint) {
  struct Animation : RedrawHost {
    bool AnimationZoomPoint(Extended& x, Extended& y) override {
      x = 1, y = 1;
      return true;
    }
  } animation;
  SetRedrawHost(&animation);
  doc.ViewRange = {-5, 5, -5, 5};
  modes.AnimationMode = 3;
  EXPECT_TRUE(ZoomStep(kZoomIn));
  ExpectView({1 - 6 / 1.41421356L, 1 + 4 / 1.41421356L, 1 - 6 / 1.41421356L, 1 + 4 / 1.41421356L}, "mean rate");

  modes.AnimationMode = 0;  // not animating: about the centre
  doc.ViewRange = {-5, 5, -5, 5};
  EXPECT_TRUE(ZoomStep(kZoomIn4));
  ExpectView({-1.25L, 1.25L, -1.25L, 1.25L}, "normal");
}

TEST_F(ViewZoomTest, ResetCentreAndUnitSize) {
  doc.GraphWidth = 800;
  doc.GraphHeight = 400;
  ui.DrawingEnabled = 0;  // no pictures here
  doc.ViewRange = {3, 4, 7, 9};
  ResetViewRange();
  EXPECT_EQ(doc.ViewRange, TViewRange{});

  EXPECT_TRUE(CentreViewOn(2, 1));
  EXPECT_EQ(doc.ViewRange, (TViewRange{-3, 7, -4, 6}));

  doc.ViewRange = TViewRange{};
  settings.UnitSizeMode = 0;
  ApplyUnitSizeAndRedraw();
  EXPECT_EQ(settings.UnitSizeMode, 1);
  EXPECT_EQ(doc.ViewRange, (TViewRange{-10, 10, -5, 5}));
}

TEST_F(ViewZoomTest, TypedBounds) {
  struct Case {
    TBoundTexts texts;
    BoundsResult result;
  };
  const Case cases[] = {
      {{"-2pi", "2pi", "-1", "3/2"}, BoundsResult::Applied},
      {{"3", "1", "-5", "5"}, BoundsResult::BadRange},
      {{"-5", "5", "2", "2"}, BoundsResult::BadRange},
      {{"-5", "60000", "-5", "5"}, BoundsResult::BadRange},
      {{"sqrt(-1)", "5", "-5", "5"}, BoundsResult::NotEvaluable},
      {{"-5", "5", "-5", "1/0"}, BoundsResult::NotEvaluable},
      {{"-5", "5", "-5", "5+"}, BoundsResult::NotEvaluable},
  };
  for (const Case& c : cases) {
    doc.ViewRange = TViewRange{};
    EXPECT_EQ(ApplyBoundTexts(c.texts), c.result) << c.texts[0] << " " << c.texts[1];
    if (c.result != BoundsResult::Applied) {
      EXPECT_EQ(doc.ViewRange, TViewRange{}) << c.texts[0];
    }
  }
  ApplyBoundTexts({"-2pi", "2pi", "-1", "3/2"});
  EXPECT_NEAR(doc.ViewRange.XMax, 6.2831853L, 1e-6);
  EXPECT_EQ(doc.ViewRange.YMax, 1.5L);
}

}  // namespace
