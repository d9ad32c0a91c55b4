#include <gtest/gtest.h>

#include "TangentFixture.h"
#include "formula/AnimationState.h"
#include "render/RedrawPipeline.h"

namespace {

struct TangentPictureTest : TangentTest {
  // P at x = 1 on x^2: the tangent y = 2x - 1, the slope point (1, 2).
  void OpenAtOne() {
    Open("x^2");
    hooks.answers = {"1"};
    model->psescoodinateClick(0, 0);
    ASSERT_EQ(model->SlopeText(), "2.0000");
  }
  static gfx::Color At(const gfx::Canvas& c, Extended x, Extended y) {
    return c.Pixel(WorldToScreenX(x), WorldToScreenY(y));
  }
  static gfx::Color Line() { return static_cast<gfx::Color>(doc.TangentLineColor); }
  static gfx::Color Rate() { return static_cast<gfx::Color>(doc.TangentRateColor); }
  // Inside the value box, above its first line.
  gfx::Color InsideBox() const { return graphPicture.Pixel(20, 7); }
};

TEST_F(TangentPictureTest, TheTangentAndTheSlopePointAreDrawnAtP) {
  OpenAtOne();
  EXPECT_EQ(At(CompositeCanvas(), 2, 3), Line());
  EXPECT_EQ(At(CompositeCanvas(), -1, -3), Line());
  EXPECT_EQ(At(CompositeCanvas(), 1, 2), Rate());
  EXPECT_EQ(At(BackCanvas(), 2, 3), gfx::kWhite);  // P is never part of the back layer
  EXPECT_EQ(At(graphPicture, 2, 3), Line());
  EXPECT_EQ(anim.TangentPauseValue, 1);
  EXPECT_NE(InsideBox(), 0xD2FFFFu);
}

TEST_F(TangentPictureTest, TheValuesAndTheGraphOfTheRateAreShownOnRequest) {
  OpenAtOne();
  model->sesstexthyoujiClick(true);
  EXPECT_EQ(modes.TangentTextShown, 1);
  EXPECT_EQ(InsideBox(), 0xD2FFFFu);
  model->sesstexthyoujiClick(false);
  EXPECT_NE(InsideBox(), 0xD2FFFFu);

  const gfx::Color pale = LightenColor(Rate(), 2);
  EXPECT_NE(At(BackCanvas(), -2, -4), pale);
  model->zancheckClick(true);
  EXPECT_EQ(settings.TangentAfterImage, 1);
  EXPECT_EQ(At(BackCanvas(), -2, -4), pale);  // f' = 2x
  EXPECT_EQ(At(CompositeCanvas(), 2, 3), Line());

  hooks.colours = {0x00FF00};
  model->colorClick(1);
  EXPECT_EQ(doc.TangentRateColor, 0x00FF00);
  EXPECT_EQ(At(BackCanvas(), -2, -4), LightenColor(0x00FF00, 2));
  EXPECT_EQ(At(CompositeCanvas(), 1, 2), gfx::Color{0x00FF00});
  model->colorClick(0);  // cancelled
  EXPECT_EQ(doc.TangentLineColor, 0x0080FF);
}

// The redraw pipeline's road of mode 5: a new view shows P where it was, over the
// background drawn anew; the print picture gets the same.
TEST_F(TangentPictureTest, ARedrawDrawsPWhereItWas) {
  OpenAtOne();
  model->sesstexthyoujiClick(true);
  doc.ViewRange = {-1, 9, -2, 8};
  RedrawAll();
  EXPECT_EQ(At(CompositeCanvas(), 3, 5), Line());
  EXPECT_EQ(At(CompositeCanvas(), 1, 2), Rate());
  EXPECT_EQ(At(graphPicture, 3, 5), Line());
  EXPECT_EQ(InsideBox(), 0xD2FFFFu);
  EXPECT_NEAR(static_cast<double>(model->Range().end), 4, 1e-9);  // where 2x <= 8

  gfx::RasterCanvas paper(kSize, kSize);
  settings.DrawToMetafile = 1;
  settings.MetafileCanvas = &paper;
  const int copies = copiesToGraph;
  RedrawAll();
  settings.DrawToMetafile = 0;
  settings.MetafileCanvas = nullptr;
  EXPECT_EQ(At(paper, 3, 5), Line());
  EXPECT_EQ(paper.Pixel(20, 7), 0xD2FFFFu);
  EXPECT_EQ(copiesToGraph, copies);  // the window keeps its picture
}

TEST_F(TangentPictureTest, ClosingRedrawsEveryEntryWithoutP) {
  OpenAtOne();
  Tfuncprop& second = doc.FigureTable[2];
  InitFuncprop(second, kKindExplicit);
  second.texts[0] = sj("-1");
  doc.EntryCount = 2;
  RedrawAll();
  EXPECT_EQ(At(CompositeCanvas(), 3, -1), gfx::kWhite);  // in the animation only entry 1
  model->FormClose();
  EXPECT_EQ(At(CompositeCanvas(), 2, 3), gfx::kWhite);
  EXPECT_NE(At(CompositeCanvas(), 3, -1), gfx::kWhite);
}

}  // namespace
