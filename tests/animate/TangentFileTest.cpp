#include <gtest/gtest.h>

#include <string>

#include "TangentFixture.h"
#include "formula/AnimationState.h"
#include "io/EquationFileCommands.h"
#include "io/EquationFileHost.h"
#include "io/EquationWriter.h"

namespace {

// The windows a load restores: a fresh document, the drawing at the fixture's size, and
// the tangent window opened as the program opens it from a file.
struct TangentFileHost : EquationFileHost {
  TangentModel* model = nullptr;
  int opened = 0;
  void ResetDocument() override {
    settings.TangentAfterImage = 0;
    ResetAllSettings(1);
  }
  void RestoreGraphWindow(int, int) override {
    doc.GraphWidth = doc.GraphHeight = TangentTest::kSize;
    UpdatePixelSize(1);
    RecreateBufferBitmaps();
  }
  void OpenTangentNavi() override {
    ++opened;
    model->OpenTangentNavi();
    model->FormShow(true);
  }
};

struct TangentFileTest : TangentTest {
  TangentFileHost host;
  void SetUp() override {
    TangentTest::SetUp();
    host.model = model.get();
    SetEquationFileHost(&host);
  }
  void TearDown() override {
    SetEquationFileHost(nullptr);
    TangentTest::TearDown();
  }
  // Saved as the navigator saves during the animation, then loaded over a fresh state.
  void SaveAndLoad() {
    const std::string file = WriteEquationFile(kStartTangent);
    model->FormClose();
    ResetProgramStateForTest();
    const EquationFileResult result = LoadEquationFileBytes("/nonexistent/tangent.lpw", file);
    ASSERT_TRUE(result.ok) << result.message;
    ASSERT_EQ(host.opened, 1);
  }
};

TEST_F(TangentFileTest, AFileSavedDuringTheAnimationOpensItWherePWas) {
  SetFunction("x^2");
  doc.FigureTable[1].penWidth = 3;
  model->OpenTangentNavi();
  model->FormShow();
  hooks.answers = {"0.74"};
  model->psescoodinateClick(0, 0);
  model->zancheckClick(true);
  model->sesstexthyoujiClick(true);
  hooks.colours = {0x123456};
  model->colorClick(0);
  SaveAndLoad();
  EXPECT_TRUE(model->TangentNaviOpen());
  EXPECT_EQ(modes.AnimationMode, 5);
  EXPECT_EQ(model->XText(), "0.7400");
  EXPECT_EQ(model->SlopeText(), "1.4800");
  EXPECT_EQ(settings.TangentAfterImage, 1);
  EXPECT_EQ(modes.TangentTextShown, 1);
  EXPECT_EQ(doc.TangentLineColor, 0x123456);
  EXPECT_EQ(doc.TangentRateColor, 0x8000FF);
  EXPECT_EQ(doc.FigureTable[1].penWidth, 3);  // the entry's own width, not the animation's
}

TEST_F(TangentFileTest, WithoutTheRateGraphTheFileKeepsNoPlaceAndPStartsAtTheLeft) {
  Open("x^2");
  hooks.answers = {"0.74"};
  model->psescoodinateClick(0, 0);
  SaveAndLoad();
  EXPECT_EQ(model->XText(), "-2.5000");
  EXPECT_EQ(settings.TangentAfterImage, 0);
}

}  // namespace
