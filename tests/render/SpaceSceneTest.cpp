#include <gtest/gtest.h>

#include <functional>
#include <numbers>
#include <string>
#include <vector>

#include "formula/Tlabelrec.h"
#include "formula/VariableValues.h"
#include "formula/VectorGeometry.h"
#include "render/SpaceFixture.h"
#include "render/SpacePrimitives.h"
#include "render/SpaceScene.h"

namespace {

constexpr Extended kPi = std::numbers::pi_v<Extended>;

class SpaceScene : public SpaceTest {
 protected:
  void SetUp() override {
    SpaceTest::SetUp();
    drawings = 0;
    SetDrawingObserver(&surfaces);
  }
  void TearDown() override {
    SetDrawingObserver(nullptr);
    SpaceTest::TearDown();
  }
  struct SurfaceCount : DrawingObserver {
    void SurfacesDrawn(gfx::Canvas&) override { ++drawings; }
  } surfaces;
  static inline int drawings = 0;

  static bool NearColour(const gfx::Canvas& c, const TSpacePoint& p, gfx::Color colour) {
    gfx::Point pixel;
    if (!ProjectToPixel(p, pixel)) return false;
    for (int d = -1; d <= 1; ++d)
      for (int e = -1; e <= 1; ++e)
        if (c.Pixel(pixel.x + d, pixel.y + e) == colour) return true;
    return false;
  }
};

TEST_F(SpaceScene, SurfacesAreDrawnOncePerChange) {
  AddSurface("a*x/3", 0xFF0000);
  RedrawAll();
  EXPECT_EQ(drawings, 1);
  EXPECT_EQ(doc.SpaceSurfacePresent, 1);
  EXPECT_EQ(CompositeCanvas().Image(), BackCanvas().Image());
  // A parameter step of a document with surfaces draws them again only when they change.
  struct Row {
    const char* change;
    std::function<void()> apply;
    bool drawn;
  } rows[] = {
      {"nothing", [] {}, false},
      {"a parameter the surface uses", [] { WriteVariable(doc.VariableValues, 'a', 2); }, true},
      {"a parameter it does not use", [] { WriteVariable(doc.VariableValues, 'b', 2); }, false},
      {"the shading", [] { doc.ShadingLevel = 9; }, true},
      {"the turn of a button", [] { RotateSpaceView(kPi / 80, 0); }, true},
      {"the back bitmap drawn over", [] { BackCanvas().SetPixel(3, 3, gfx::kBlack); }, true},
      {"the entry's colour", [] { doc.FigureTable[1].color = 0x00FF00; }, true},
  };
  for (const Row& r : rows) {
    r.apply();
    const qint64 before = BackCanvas().Image().cacheKey();
    RedrawSurfaceScene();
    EXPECT_EQ(BackCanvas().Image().cacheKey() != before, r.drawn) << r.change;
    EXPECT_EQ(CompositeCanvas().Image(), BackCanvas().Image()) << r.change;
  }
  EXPECT_EQ(BackCanvas().Pixel(3, 3), gfx::kWhite);
  drawings = 0;
  RedrawAll();
  EXPECT_EQ(drawings, 1);
}

TEST_F(SpaceScene, EveryFigureGoesToItsDrawerOnTheComposite) {
  // Each entry handed to its drawer; a point with its guides.
  struct Spy : DrawingObserver {
    std::string log;
    void EntryDrawn(gfx::Canvas& c, const Tfuncprop& e, int i) override {
      log += LayerOf(c);
      log += std::to_string(i) + (e.kind == kKindPoint && doc.PointPerpendicularsShown ? "g" : "");
    }
  } spy;
  SetDrawingObserver(&spy);
  const std::string& log = spy.log;
  Add(kKindParametric, "cos(t)");
  for (int type : {1, 2, 6, 7, 8, 9, 10, 11, 12}) Add(kKindFigure, "").subkind = static_cast<uint8_t>(type);
  Add(kKindFigure, "").shown = 0;
  Add(kKindPoint, "1");
  doc.PointPerpendicularsShown = 1;
  // A label at the window's top-left corner, in window coordinates.
  Tlabelrec& label = doc.LabelTable[++doc.LabelCount];
  InitLabelrec(label);
  label.lines = {"W"};
  struct Copies : RedrawHost {
    int count = 0;
    void CopyBufferToGraph(gfx::CopyMode) override { ++count; }
  } copyCount;
  SetRedrawHost(&copyCount);
  const int& copies = copyCount.count;
  gfx::RasterCanvas window(kSide, kSide);
  render.WindowImage = &window;
  RedrawAll();
  EXPECT_EQ(log, "C1C2C3C4C5C6C7C8C9C10C12g");
  EXPECT_EQ(copies, 1);
  int labelPixels = 0;
  for (int y = 0; y < 40; ++y)
    for (int x = 0; x < 40; ++x) labelPixels += window.Pixel(x, y) != gfx::kWhite;
  EXPECT_GT(labelPixels, 10);
  EXPECT_EQ(doc.SpaceSurfacePresent, 0);
  render.WindowImage = nullptr;
}

TEST_F(SpaceScene, AxesAndBoxOfADocumentWithoutSurfaces) {
  doc.RangeBoxShown = 1;
  struct Frames : RedrawHost {
    int count = 0;
    void SaveContinuousFrame() override { ++count; }
  } frameCount;
  SetRedrawHost(&frameCount);
  const int& frames = frameCount.count;
  RedrawAll();
  const gfx::RasterCanvas& c = CompositeCanvas();
  for (Extended at : {-4.0L, 4.0L}) {
    EXPECT_TRUE(NearColour(c, MakePoint(at, 0, 0), gfx::kBlack));
    EXPECT_TRUE(NearColour(c, MakePoint(0, at, 0), gfx::kBlack));
    EXPECT_TRUE(NearColour(c, MakePoint(0, 0, at), gfx::kBlack));
  }
  // Ticks at -R and R, red; the box in dark red.
  EXPECT_TRUE(NearColour(c, MakePoint(0, 0.1L, 3), 0x0000FF));
  EXPECT_TRUE(NearColour(c, MakePoint(0, 0.1L, -3), 0x0000FF));
  EXPECT_TRUE(NearColour(c, MakePoint(3, 3, 1), 0x000080));
  EXPECT_EQ(frames, 1);
  // Grey and black output: black ticks and box.
  modes.OutputColorMode = 1;
  RedrawAll();
  EXPECT_TRUE(NearColour(c, MakePoint(0, 0.1L, 3), gfx::kBlack));
  EXPECT_TRUE(NearColour(c, MakePoint(3, 3, 1), gfx::kBlack));
  // Without axes and box, nothing at all.
  doc.Axes3DShown = 0;
  doc.RangeBoxShown = 0;
  RedrawAll();
  for (int y = 0; y < kSide; y += 3)
    for (int x = 0; x < kSide; x += 3) ASSERT_EQ(c.Pixel(x, y), gfx::kWhite);
}

}  // namespace
