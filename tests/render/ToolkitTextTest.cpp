#include <gtest/gtest.h>

#include "support/GuiApp.h"
#include "platform/RasterCanvas.h"
#include "platform/RecordingCanvas.h"
#include "platform/Sjis.h"
#include "render/ToolkitFixture.h"

namespace {

using gfx::OpKind;
using gfx::fontstyle::kBold;
using gfx::fontstyle::kItalic;

class MixedText : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    c.font.height = -20;
  }
  gfx::RecordingCanvas c;
};

TEST_F(MixedText, LatinLettersBoldItalicOthersBoldStarAsBlank) {
  const int x = DrawMixedText(10, 30, "a*B", 0, 1, 0, c);
  const auto texts = c.OpsOf(OpKind::Text);
  ASSERT_EQ(texts.size(), 3u);
  EXPECT_EQ(texts[0].text, "a");
  EXPECT_EQ(texts[1].text, " ");
  EXPECT_EQ(texts[2].text, "B");
  EXPECT_EQ(texts[0].font.name, "times new roman");
  EXPECT_EQ(texts[0].font.charset, 0);
  EXPECT_EQ(texts[0].font.style, kBold | kItalic);
  EXPECT_EQ(texts[1].font.style, kBold);
  EXPECT_EQ(texts[2].font.style, kBold);
  EXPECT_EQ(texts[1].points[0], (gfx::Point{20, 30}));
  EXPECT_EQ(x, 40);
  // Style 2: everything bold.
  c.Clear();
  DrawMixedText(0, 0, "ab", 0, 2, 0, c);
  EXPECT_EQ(c.OpsOf(OpKind::Text)[0].font.style, kBold);
}

TEST_F(MixedText, DoubleByteCharactersInTheGothicSmallerAndLower) {
  const int x = DrawMixedText(0, 50, sj("θx"), 0, 1, 0, c);
  const auto texts = c.OpsOf(OpKind::Text);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].font.name, sj("MS ｺﾞｼｯｸ"));
  EXPECT_EQ(texts[0].font.charset, 128);
  EXPECT_EQ(texts[0].font.height, 16);  // a cell height, 0.8 of 20
  EXPECT_EQ(texts[0].font.style, kBold);
  EXPECT_EQ(texts[0].points[0], (gfx::Point{0, 54}));
  // Size and y come back for the next character.
  EXPECT_EQ(texts[1].font.height, -20);
  EXPECT_EQ(texts[1].points[0], (gfx::Point{16, 50}));
  EXPECT_EQ(x, 26);
  EXPECT_EQ(c.font.height, -20);
  // The half-width degree mark is a Gothic character too.
  c.Clear();
  DrawMixedText(0, 0, sj("ﾟ"), 0, 1, 0, c);
  EXPECT_EQ(c.OpsOf(OpKind::Text)[0].font.charset, 128);
}

TEST_F(MixedText, MeasuringDrawsNothingAndKeepFontKeepsTheFont) {
  const int measured = DrawMixedText(5, 0, sj("aθ*"), 0, 1, 1, c);
  EXPECT_TRUE(c.OpsOf(OpKind::Text).empty());
  EXPECT_EQ(measured, DrawMixedText(5, 0, sj("aθ*"), 0, 1, 0, c));
  c.Clear();
  c.font.name = "Arial";
  DrawMixedText(0, 0, "ab", 1, 1, 0, c);
  EXPECT_EQ(c.OpsOf(OpKind::Text)[1].font.name, "Arial");
}

TEST_F(MixedText, ALoneLeadByteAtTheEndIsOneCharacter) {
  const std::string text = std::string("a") + '\x83';
  const int x = DrawMixedText(0, 0, text, 0, 1, 0, c);
  const auto texts = c.OpsOf(OpKind::Text);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[1].text, "\x83");
  EXPECT_EQ(x, 20);
}

TEST_F(MixedText, OnTheMetafileTheFontIsBlackOutsideColourMode) {
  gfx::RecordingCanvas mf;
  settings.DrawToMetafile = 1;
  settings.MetafileCanvas = &mf;
  c.font.color = 0x0000FF;
  c.brush.style = gfx::BrushStyle::Clear;
  DrawMixedText(0, 0, "a", 0, 1, 0, c);
  EXPECT_TRUE(c.Ops().empty());
  ASSERT_EQ(mf.OpsOf(OpKind::Text).size(), 1u);
  EXPECT_EQ(mf.OpsOf(OpKind::Text)[0].font.color, 0x0000FFu);
  EXPECT_EQ(mf.OpsOf(OpKind::Text)[0].brush.style, gfx::BrushStyle::Clear);
  modes.OutputColorMode = 2;
  c.brush.style = gfx::BrushStyle::Solid;
  c.brush.color = gfx::kWhite;
  DrawMixedText(0, 0, "a", 0, 1, 0, c);
  EXPECT_EQ(mf.OpsOf(OpKind::Text)[1].font.color, 0u);
  EXPECT_EQ(mf.OpsOf(OpKind::Text)[1].brush.color, gfx::kWhite);  // an opaque cell stays white
}

TEST_F(MixedText, AxisNumbersOnlyWhileShown) {
  DrawAxisNumberText(0, 0, "12", c);
  EXPECT_EQ(c.OpsOf(OpKind::Text).size(), 2u);
  doc.AxisNumbersShown = 0;
  DrawAxisNumberText(0, 0, "12", c);
  EXPECT_EQ(c.OpsOf(OpKind::Text).size(), 2u);
  // A custom graph font turns the per-character choice off.
  doc.AxisNumbersShown = 1;
  doc.GraphFontCustom = 1;
  c.font.name = "Arial";
  DrawAxisNumberText(0, 0, "3", c);
  EXPECT_EQ(c.OpsOf(OpKind::Text).back().font.name, "Arial");
}

TEST_F(MixedText, OnARasterTheCellTopIsTheGivenY) {
  EnsureGuiApp();
  gfx::RasterCanvas r(200, 60);
  r.brush.style = gfx::BrushStyle::Clear;
  r.font.height = -20;
  DrawMixedText(10, 20, sj("xθ"), 0, 1, 0, r);
  int top = 99;
  for (int y = 0; y < 60; ++y)
    for (int x = 0; x < 200; ++x)
      if (r.Pixel(x, y) != gfx::kWhite) top = std::min(top, y);
  EXPECT_GE(top, 20);
  EXPECT_LT(top, 30);
}

}  // namespace
