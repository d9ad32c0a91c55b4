#include <gtest/gtest.h>

#include "platform/RasterCanvas.h"
#include "platform/RecordingCanvas.h"
#include "render/ToolkitFixture.h"

namespace {

using Colours = ToolkitTest;

TEST_F(Colours, GreyLightenAndLightness) {
  EXPECT_EQ(GreyOf(0x0000FF), 0x808080u);  // round(127.5) = 128, half to even
  EXPECT_EQ(GreyOf(0xFFFFFF), 0xFFFFFFu);
  EXPECT_EQ(GreyOf(0x800040), 0x404040u);
  EXPECT_EQ(GreyOf(0x010203), 0x020202u);
  EXPECT_EQ(LightenColor(0x123456, 0), 0x123456u);
  EXPECT_EQ(LightenColor(0x123456, 5), 0xFFFFFFu);
  EXPECT_EQ(LightenColor(0x000000, 3), 0x999999u);
  EXPECT_EQ(LightenColor(0x0000FF, 1), 0x3333FFu);
  const RgbLightness l = ColorToRGBLightness(0x10FF20);
  EXPECT_EQ(l.r, 0x20);
  EXPECT_EQ(l.g, 0xFF);
  EXPECT_EQ(l.b, 0x10);
  EXPECT_EQ(l.l, 136);  // 135.5 to even
}

TEST_F(Colours, OutputModeTable) {
  struct Row {
    int mode;
    bool pale;
    gfx::Color in, out;
  } rows[] = {
      {0, false, 0x0000FF, 0x0000FF}, {1, false, 0x0000FF, 0x808080}, {2, false, 0x0000FF, 0x000000},
      {2, false, 0xFFFFFF, 0x000000}, {0, true, 0x000000, 0x999999},  {1, true, 0x0000FF, 0xCCCCCC},
      {2, true, 0x0000FF, 0x000000},
  };
  for (const Row& r : rows) {
    modes.OutputColorMode = static_cast<uint8_t>(r.mode);
    settings.AfterImagePale = r.pale;
    settings.AfterImageColorMode = r.pale;
    EXPECT_EQ(OutputColor(r.in), r.out) << r.mode << " " << r.pale;
  }
  // Pale needs both bytes.
  modes.OutputColorMode = 0;
  settings.AfterImagePale = 1;
  settings.AfterImageColorMode = 0;
  EXPECT_EQ(OutputColor(0x000000), 0x000000u);
}

TEST_F(Colours, OutputModeOnCanvases) {
  gfx::RecordingCanvas c, mf;
  c.pen.color = 0x0000FF;
  c.font.color = 0x00FF00;
  ApplyOutputModeToCanvas(c);
  EXPECT_EQ(c.pen.color, 0x0000FFu);
  modes.OutputColorMode = 1;
  ApplyOutputModeToCanvas(c);
  EXPECT_EQ(c.pen.color, 0x808080u);
  EXPECT_EQ(c.font.color, 0u);
  mf.pen.color = mf.brush.color = 0x0000FF;
  ApplyOutputModeToMetafile();  // not drawing to it: nothing
  EXPECT_EQ(mf.pen.color, 0x0000FFu);
  settings.DrawToMetafile = 1;
  settings.MetafileCanvas = &mf;
  ApplyOutputModeToMetafile();
  EXPECT_EQ(mf.pen.color, 0x808080u);
  EXPECT_EQ(mf.brush.color, 0x808080u);
  modes.OutputColorMode = 2;
  ApplyOutputModeToMetafile();
  EXPECT_EQ(mf.brush.color, 0u);
}

TEST_F(Colours, TablesOfKindsHatchesAndDashes) {
  EXPECT_EQ(KindDefaultColor(1, 7), 0x800040u);
  EXPECT_EQ(KindDefaultColor(2, 7), 0x8000FFu);
  EXPECT_EQ(KindDefaultColor(5, 7), 0x8000FFu);
  EXPECT_EQ(KindDefaultColor(3, 7), 0xFF0080u);
  EXPECT_EQ(KindDefaultColor(4, 7), 0x408000u);
  EXPECT_EQ(KindDefaultColor(6, 7), 0u);
  EXPECT_EQ(KindDefaultColor(8, 7), 7u);
  EXPECT_EQ(HatchBrushStyle(1), gfx::BrushStyle::BDiagonal);
  EXPECT_EQ(HatchBrushStyle(2), gfx::BrushStyle::FDiagonal);
  EXPECT_EQ(HatchBrushStyle(3), gfx::BrushStyle::DiagCross);
  EXPECT_EQ(HatchBrushStyle(0), gfx::BrushStyle::Clear);
  EXPECT_EQ(HatchBrushStyle(9), gfx::BrushStyle::Clear);
  auto dash = [](int w) { const auto p = DashPattern(w); return std::vector<double>(p.begin(), p.end()); };
  EXPECT_EQ(dash(1), (std::vector<double>{6, 3}));
  EXPECT_EQ(dash(2), (std::vector<double>{3, 2}));
  EXPECT_EQ(dash(3), (std::vector<double>{2, 1}));
  EXPECT_EQ(dash(0), (std::vector<double>{2, 1}));
}

TEST_F(Colours, GreyPaletteAndInvertedGreyPictures) {
  EXPECT_EQ(CreateGreyPalette(3), (std::vector<gfx::Color>{0x030303, 0x020202, 0x010101, 0}));
  gfx::RasterCanvas src(2, 1), dst(2, 1);
  src.SetPixel(0, 0, 0x0000FF);
  src.SetPixel(1, 0, 0x102030);
  ConvertToInvertedGrey(src, dst);
  EXPECT_EQ(dst.Pixel(0, 0), 0x555555u);
  EXPECT_EQ(dst.Pixel(1, 0), 0x202020u);
}

TEST_F(Colours, ScalingForOutputAndThickness) {
  struct Row {
    int size, lineWidth;
    float scale;
    int out;
  } rows[] = {{2, 1, 1, 2}, {1, 3, 1, 3}, {2, 1, 2.5f, 5}, {1, 1, 0.5f, 0}, {3, 1, 0.5f, 2}, {5, 2, 1.3f, 6}};
  for (const Row& r : rows) {
    doc.LineWidthSetting = static_cast<uint8_t>(r.lineWidth);
    settings.OutputScale = r.scale;
    EXPECT_EQ(ScaleToOutput(r.size), r.out) << r.size << " " << r.scale;
  }
  doc.LineWidthSetting = 2;
  EXPECT_EQ(ScaleForThickness(-16), -18);
  doc.LineWidthSetting = 3;
  EXPECT_EQ(ScaleForThickness(-16), -19);
  doc.LineWidthSetting = 1;
  EXPECT_EQ(ScaleForThickness(-16), -16);
}

TEST_F(Colours, FontSettings) {
  Tlfont f;
  SetLfont(f, 12, "Times New Roman", 1);
  f.color = 0x0000FF;
  gfx::Font font;
  ApplyLfont(f, font, 0, 1);
  EXPECT_EQ(font.height, -16);
  EXPECT_EQ(font.name, "Times New Roman");
  EXPECT_EQ(font.style, 1);
  EXPECT_EQ(font.color, 0x0000FFu);
  ApplyLfont(f, font, 0, 2.5f);
  EXPECT_EQ(font.height, -40);
  doc.LineWidthSetting = 3;
  ApplyLfont(f, font, 1, 1);
  EXPECT_EQ(font.height, -19);
  f.size = 4;  // below 8 pixels
  ApplyLfont(f, font, 1, 1);
  EXPECT_EQ(font.height, -8);
  Tlfont back;
  font.height = -16;
  LfontFromFont(font, back);
  EXPECT_EQ(back.size, 12);
  EXPECT_EQ(back.name, "Times New Roman");
  EXPECT_EQ(back.color, 0x0000FF);
}

TEST_F(Colours, ValueBoxStyle) {
  gfx::RecordingCanvas c;
  settings.OutputScale = 2;
  SetValueBoxStyle(c);
  EXPECT_EQ(c.brush.color, 0xD2FFFFu);
  EXPECT_EQ(c.brush.style, gfx::BrushStyle::Solid);
  EXPECT_EQ(c.pen.width, 2);
  EXPECT_EQ(c.pen.color, 0u);
  EXPECT_TRUE(c.font.style & gfx::fontstyle::kBold);
  EXPECT_EQ(c.font.height, -32);
  modes.OutputColorMode = 1;
  SetValueBoxStyle(c);
  EXPECT_EQ(c.brush.color, 0xFFFFFFu);
}

TEST_F(Colours, WholeBitmapOperationsSkipTheMetafile) {
  View(-5, 5, -5, 5, 4, 3);
  gfx::RasterCanvas a(4, 3, 0x0000FF), b(4, 3, 0x00FF00);
  gfx::RecordingCanvas mf;
  settings.DrawToMetafile = 1;
  settings.MetafileCanvas = &mf;
  CopyGraphBitmap(a, b, gfx::CopyMode::Copy);
  ClearGraphBitmap(b);
  EXPECT_EQ(b.Pixel(1, 1), 0x00FF00u);
  EXPECT_TRUE(mf.Ops().empty());
  settings.DrawToMetafile = 0;
  CopyGraphBitmap(a, b, gfx::CopyMode::Copy);
  EXPECT_EQ(b.Pixel(3, 2), 0x0000FFu);
  ClearGraphBitmap(b);
  EXPECT_EQ(b.Pixel(3, 2), 0xFFFFFFu);
}

}  // namespace
