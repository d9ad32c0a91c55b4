#include <cmath>
#include <functional>
#include <numbers>

#include "GraphMouseFixture.h"
#include "formula/VariableValues.h"
#include "render/DrawToolkitOutput.h"
#include "render/LabelDrawing.h"
#include "render/SpaceView.h"
#include "ui/LabelDrag.h"
#include "ui/LabelEditorModel.h"

namespace {

using B = GraphMouse::Button;

TEST_F(GraphMouseTest, TheReadOutSnapsWithinTwoPixelsOfTheGrid) {
  struct Case {
    int grid;
    int px;  // 0.02 a pixel from -5
    const char* x;
  };
  const Case cases[] = {
      {1, 301, "1.00"},  // 1.02
      {1, 303, "1.06"},
      {2, 276, "0.50"},  // 0.52, dense grid: half steps
      {1, 276, "0.52"},
  };
  for (const Case& c : cases) {
    doc.GridSettings.kind = static_cast<uint8_t>(c.grid);
    mouse->Move(c.px, 250);
    EXPECT_EQ(mouse->ReadoutXText, c.x) << c.px;
    EXPECT_EQ(window.readout, std::string("( ") + c.x + " , 0.00 )");
  }
}

TEST_F(GraphMouseTest, HoverPicksShownValidDraggablePoints) {
  const int a = AddTestPoint('A', {"1", "1"});
  Ready();
  Ink(Px(1), Py(1));
  struct Case {
    const char* what;
    std::function<void()> change;
    int dx;
    bool picked;
  };
  const Case cases[] = {
      {"2 pixels away", [] {}, 2, true},
      {"4 pixels away", [] {}, 4, false},
      {"hidden", [a] { doc.FigureTable[a].shown = 0; }, 0, false},
      {"not draggable", [a] { doc.FigureTable[a].dragClass = 10; }, 0, false},
      {"invalid", [] { doc.PointSequences[1][0].valid = 0; }, 0, false},
  };
  for (const Case& c : cases) {
    doc.FigureTable[a].shown = 1;
    doc.FigureTable[a].dragClass = 1;
    PrepareRedraw();
    c.change();
    mouse->Move(Px(1) + c.dx, Py(1));
    EXPECT_EQ(ui.DragTarget[0], c.picked ? a : 0) << c.what;
    EXPECT_EQ(window.hintShown, c.picked) << c.what;
    EXPECT_EQ(window.infoShown, c.picked) << c.what;
    if (c.picked) {
      EXPECT_EQ(window.hintX, Px(1) + c.dx + 10);
      EXPECT_EQ(window.hintY, Py(1) - 40);
      EXPECT_EQ(window.cursor, GraphMouseHost::Cursor::Drag);
      EXPECT_EQ(window.info, "( 1 , 1 )");
    }
  }
  // Nothing drawn under the mouse: nothing is looked for.
  PrepareRedraw();
  ClearGraphBitmap(CompositeCanvas());
  mouse->Move(Px(1), Py(1));
  EXPECT_EQ(ui.DragTarget[0], 0);
  // With both axes hidden the point is picked without a description.
  Ink(Px(1), Py(1));
  doc.XAxisShown = doc.YAxisShown = 0;
  mouse->Move(Px(1), Py(1));
  EXPECT_EQ(ui.DragTarget[0], a);
  EXPECT_FALSE(window.infoShown);
}

TEST_F(GraphMouseTest, DraggingAPointRewritesItsTextsByClassAndTellsTheMacros) {
  struct Case {
    const char* x;
    const char* y;
    int dragClass;
    Extended x2, y2;
    std::vector<std::pair<int, Extended>> changes;
  };
  const Case cases[] = {
      {"1", "1", 1, 2, -1, {{101, 2}, {102, -1}}},
      {"1", "a", 2, 2, 1, {{101, 2}}},
      {"a", "1", 3, 1, -1, {{102, -1}}},
  };
  for (const Case& c : cases) {
    ResetUiStateForTest();
    doc.GraphWidth = doc.GraphHeight = 500;
    SetView(-5, 5);
    WriteVariable(doc.VariableValues, 'a', 1);
    macros.lists.clear();
    window.listRebuilds = 0;
    const int e = AddTestPoint('A', {c.x, c.y});
    Ready();
    ASSERT_EQ(doc.FigureTable[e].dragClass, c.dragClass);
    Ink(Px(1), Py(1));
    Drag(Px(1), Py(1), Px(2), Py(-1));
    const TSpacePoint& p = doc.PointSequences[1][0];
    EXPECT_NEAR(p.x, c.x2, 1e-9) << c.dragClass;
    EXPECT_NEAR(p.y, c.y2, 1e-9) << c.dragClass;
    EXPECT_EQ(doc.FigureTable[e].texts[0], c.dragClass == 3 ? "a" : "2.00");
    EXPECT_EQ(doc.FigureTable[e].texts[1], c.dragClass == 2 ? "a" : "-1.00");
    ASSERT_EQ(macros.lists.size(), 1u);
    EXPECT_EQ(macros.lists[0], c.changes);
    EXPECT_EQ(settings.ValueChangeList, nullptr);
    EXPECT_EQ(modes.SnapMode, 2);
    EXPECT_FALSE(timer.Enabled());
    EXPECT_EQ(window.listRebuilds, 1);
  }
}

TEST_F(GraphMouseTest, ATickDrawsOnlyWhenTheMouseMoved) {
  PressOnPointA();
  EXPECT_EQ(modes.SnapMode, 1);
  EXPECT_EQ(timer.JobCode, job::DragReadouts);
  EXPECT_EQ(timer.Interval(), kFastInterval);
  backend->advance(3 * kFastInterval);
  EXPECT_EQ(Composed(), 0);
  // Moves between two ticks draw once, at the tick.
  mouse->Move(Px(1) + 5, Py(1));
  mouse->Move(Px(1) + 9, Py(1));
  EXPECT_EQ(Composed(), 0);
  backend->advance(kFastInterval);
  EXPECT_EQ(Composed(), 1);
  backend->advance(kFastInterval);
  EXPECT_EQ(Composed(), 1);
  // The mouse went on after the last tick: the release takes it there.
  mouse->Move(Px(2), Py(1));
  mouse->Release(B::Left, Px(2), Py(1));
  EXPECT_EQ(doc.FigureTable[1].texts[0], "2.00");
}

TEST_F(GraphMouseTest, ALostGrabEndsTheDrag) {
  PressOnPointA();
  mouse->Move(Px(3), Py(1));
  mouse->Cancel();
  EXPECT_EQ(modes.SnapMode, 2);
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(doc.FigureTable[1].texts[0], "3.00");
  EXPECT_EQ(macros.lists.size(), 1u);
  mouse->Cancel();  // nothing more to end
  EXPECT_EQ(macros.lists.size(), 1u);
}

TEST_F(GraphMouseTest, RadiusAngleAndRatioDrags) {
  eng.XTickStep = eng.YTickStep = 100;  // no grid line near
  SetView(-12.5L, 12.5L);               // 0.05 a pixel
  AddTestPoint('C', {"0", "0"});
  AddTestPoint('A', {"-4", "-4"});
  AddTestPoint('B', {"-1", "-4"});
  const int circle = AddTestFigure(8, {"C", "1"}, 'C');
  const int onCircle = AddTestPoint('L', {"1", "0.5", "L"}, 10);
  const int division = AddTestPoint('E', {"AB", "1", "E", "2"}, 0);
  Ready();
  ASSERT_EQ(doc.FigureTable[circle].dragClass, 9);
  ASSERT_EQ(doc.FigureTable[onCircle].dragClass, 8);
  ASSERT_EQ(doc.FigureTable[division].dragClass, 7);

  // The radius dragged to 2.97 becomes 3: within a pixel of a whole number.
  Ink(Px(1), Py(0));
  Drag(Px(1), Py(0), Px(2.1L), Py(2.1L));
  EXPECT_EQ(doc.FigureTable[circle].texts[1], "3.00");
  EXPECT_EQ(window.info, "r=3.00");
  EXPECT_EQ(macros.lists.back(), (std::vector<std::pair<int, Extended>>{{301, 0}, {302, 0}})) << "C's coordinates";

  // The point on the circle follows the mouse's angle, below the centre too.
  PrepareRedraw();
  const TSpacePoint l = doc.PointSequences[doc.FigureTable[onCircle].letter][0];
  Ink(Px(l.x), Py(l.y));
  mouse->Move(Px(l.x), Py(l.y));
  mouse->Press(B::Left, Px(l.x), Py(l.y));
  mouse->Move(Px(0), Py(-2));
  backend->advance(kFastInterval);
  EXPECT_NEAR(Value(doc.FigureTable[onCircle].texts[1]), 1.5L * std::numbers::pi_v<Extended>, 0.01);
  // On the centre the angle stays.
  const std::string kept = doc.FigureTable[onCircle].texts[1];
  mouse->Move(Px(0), Py(0));
  backend->advance(kFastInterval);
  EXPECT_EQ(doc.FigureTable[onCircle].texts[1], kept);
  mouse->Release(B::Left, Px(0), Py(0));

  // The division point goes where the mouse projects onto AB.
  PrepareRedraw();
  const TSpacePoint e = doc.PointSequences[doc.FigureTable[division].letter][0];
  EXPECT_NEAR(e.x, -3, 1e-9);
  Ink(Px(-3), Py(-4));
  Drag(Px(-3), Py(-4), Px(-1.5L), Py(-2));
  const TSpacePoint moved = doc.PointSequences[doc.FigureTable[division].letter][0];
  EXPECT_NEAR(moved.x, -1.5L, 0.05);  // within a pixel
  EXPECT_NEAR(moved.y, -4, 1e-9);
}

TEST_F(GraphMouseTest, ShiftingTheViewByDragging) {
  window.shiftDown = true;
  mouse->Press(B::Left, 100, 100);
  EXPECT_EQ(modes.SnapMode, 0);
  EXPECT_NE(window.picture.Pixel(100, 300), gfx::kWhite);  // the cross through the mouse
  mouse->Move(150, 120);
  mouse->Release(B::Left, 150, 120);
  EXPECT_EQ(modes.SnapMode, 2);
  EXPECT_FALSE(window.shiftDown);
  EXPECT_NEAR(doc.ViewRange.XMin, -6, 1e-9);
  EXPECT_NEAR(doc.ViewRange.XMax, 4, 1e-9);
  EXPECT_NEAR(doc.ViewRange.YMin, -4.6L, 1e-9);
  EXPECT_NEAR(doc.ViewRange.YMax, 5.4L, 1e-9);
  EXPECT_EQ(Redraws(), 1);
  // The band is gone again.
  for (int y = 0; y < 500; y += 7)
    for (int x = 0; x < 500; x += 7) ASSERT_EQ(window.picture.Pixel(x, y), gfx::kWhite) << x << "," << y;

  // Released where it started: nothing changes.
  window.shiftDown = true;
  const TViewRange kept = doc.ViewRange;
  mouse->Press(B::Left, 200, 200);
  mouse->Move(260, 260);
  mouse->Move(200, 200);
  mouse->Release(B::Left, 200, 200);
  EXPECT_EQ(doc.ViewRange, kept);
  EXPECT_EQ(Redraws(), 1);
}

TEST_F(GraphMouseTest, ADoubleClickCentresTheView) {
  mouse->DoubleClick(B::Left, Px(2), Py(1));
  EXPECT_EQ(doc.ViewRange, (TViewRange{-3, 7, -4, 6}));
  EXPECT_EQ(Redraws(), 1);
}

TEST_F(GraphMouseTest, WithTheLabelEditorOpenThePressMovesTheLabel) {
  LabelEditorModel editor;
  LabelDrag labels(editor);
  window.labels = &labels;
  doc.LabelCount = 1;
  ui.GraphMouseMode = 1;
  labelSelection.CurrentLabelBox = gfx::Rect{100, 100, 200, 150};
  mouse->Press(B::Left, 150, 120);
  EXPECT_EQ(modes.SnapMode, 3);
  mouse->Move(180, 110);
  mouse->Release(B::Left, 180, 110);
  EXPECT_EQ(modes.SnapMode, 2);
  EXPECT_EQ(doc.LabelTable[1].shiftLeft, 8 + 30);
  EXPECT_EQ(doc.LabelTable[1].shiftTop, 8 - 10);
  mouse->Press(B::Left, 100, 120);  // on the edge
  EXPECT_EQ(modes.SnapMode, 2);
}

TEST_F(GraphMouseTest, InSpaceAPointMovesOverItsPlaneAndTheWheelRaisesIt) {
  doc.Dimension = 3;
  ResetSpaceView();
  UpdatePixelSize(0);
  UpdateCamera();
  // The pixel where a space point is seen.
  auto seen = [](Extended x, Extended y, Extended z) {
    TSpacePoint p;
    p.x = x, p.y = y, p.z = z;
    Extended u = 0, v = 0;
    EXPECT_TRUE(ProjectRecordPoint(p, u, v));
    return std::pair{WorldToScreenX(u), WorldToScreenY(v)};
  };
  const int a = AddTestPoint('A', {"1", "1", "A", "0.48"});
  Ready();
  ASSERT_EQ(doc.FigureTable[a].dragClass, 0);
  const auto [ax, ay] = seen(1, 1, 0.48L);
  mouse->Move(ax, ay);
  EXPECT_EQ(ui.DragTarget[0], a);
  mouse->Press(B::Left, ax, ay);
  EXPECT_EQ(modes.SnapMode, 1);
  EXPECT_EQ(window.warps, 1);
  // The mouse lifted onto the point's height: it lands where (2, -1) is seen.
  const auto [bx, by] = seen(2, -1, 0.48L);
  mouse->Move(bx, by);
  EXPECT_EQ(doc.FigureTable[a].texts[0], "2.00");
  EXPECT_EQ(doc.FigureTable[a].texts[1], "-1.00");
  EXPECT_EQ(window.readout, "( 2.00 , -1.00 , 0.48 )");
  // Every third notch a 25th of the tick step; the half tick is a stop on the way.
  const char* heights[] = {"0.50", "0.54", "0.58"};
  for (const char* z : heights) {
    for (int i = 0; i < 3; ++i) mouse->Wheel(1);
    EXPECT_EQ(doc.FigureTable[a].texts[3], z);
  }
  mouse->Release(B::Left, bx, by);
  EXPECT_EQ(modes.SnapMode, 2);
  // The read-out beside the point goes with it and tells where it is now.
  const auto [cx, cy] = seen(2, -1, 0.58L);
  EXPECT_TRUE(window.infoShown);
  EXPECT_EQ(window.info, "( 2.00 , -1.00 , 0.58 )");
  EXPECT_TRUE(window.hintShown);
  EXPECT_EQ(std::pair(window.hintX, window.hintY), std::pair(cx + 10, cy - 40));
  ASSERT_EQ(macros.lists.size(), 1u);
  ASSERT_EQ(macros.lists[0].size(), 3u);
  EXPECT_EQ(macros.lists[0][2].first, 103);
  EXPECT_NEAR(macros.lists[0][2].second, 0.58L, 1e-9);
}

}  // namespace
