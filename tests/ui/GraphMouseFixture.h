#pragma once
// The graph window's mouse over a document built in code, on a 500 x 500 drawing with a
// window that records what it was asked to show, a timer driven by hand and macro hooks
// that keep the change lists they receive.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "NavigatorFixture.h"
#include "RedrawCountFixture.h"
#include "animate/ParameterPanelModel.h"
#include "animate/TimerJobs.h"
#include "formula/EvalHelpers.h"
#include "formula/FigureClassify.h"
#include "formula/Records.h"
#include "platform/RasterCanvas.h"
#include "render/DrawToolkitMapping.h"
#include "render/RedrawPipeline.h"
#include "support/FakeTimerBackend.h"
#include "ui/GraphMouse.h"
#include "ui/NavigatorList.h"

class MouseWindowSpy : public GraphMouseHost {
 public:
  std::string readout, info;
  bool infoShown = false, hintShown = false;
  int hintX = 0, hintY = 0;
  Cursor cursor = Cursor::Hand;
  bool shiftDown = false;
  int warps = 0, listRebuilds = 0, frames = 0;
  gfx::RasterCanvas picture{500, 500};
  LabelDrag* labels = nullptr;

  void ShowReadout(const std::string& text) override { readout = text; }
  void RaiseNavigatorPanel() override {}
  void ShowRange() override {}
  void ShowDragHint(int x, int y, int dx, int dy) override {
    hintShown = true;
    hintX = x + dx, hintY = y + dy;
  }
  void HideDragHint() override { hintShown = false; }
  void ShowInfo(const std::string& text, int, int, int, int) override {
    info = text;
    infoShown = true;
  }
  void HideInfo() override { infoShown = false; }
  void SetCursor(Cursor c) override { cursor = c; }
  void WarpCursor(int, int) override { ++warps; }
  gfx::Canvas& Picture() override { return picture; }
  void PictureChanged() override {}
  bool DragShiftDown() override { return shiftDown; }
  void ReleaseDragShift() override { shiftDown = false; }
  void RebuildNavigatorList() override { ++listRebuilds; }
  void SaveContinuousFrame() override { ++frames; }
  LabelDrag* Labels() override { return labels; }
};

// Keeps every change list the macro's handlers are given.
class ChangeListSpy : public ParameterPanelHost {
 public:
  std::vector<std::vector<std::pair<int, Extended>>> lists;
  void RunMacroChangeHandlers(const TValueNode* changes) override {
    lists.emplace_back();
    for (; changes; changes = changes->next) lists.back().emplace_back(changes->code, changes->value);
  }
};

class GraphMouseTest : public RedrawCountTest {
 protected:
  void SetUp() override {
    RedrawCountTest::SetUp();
    ParameterPanel().SetHost(&macros);
    doc.GraphWidth = doc.GraphHeight = 500;
    SetView(-5, 5);
    RecreateBufferBitmaps();
    mouse = std::make_unique<GraphMouse>(window, timer);
  }
  void TearDown() override {
    mouse.reset();
    ParameterPanel().SetHost(nullptr);
    RedrawCountTest::TearDown();
  }

  static int& Composed() { return Counts().composed; }

  static void SetView(Extended lo, Extended hi) {
    doc.ViewRange = TViewRange{lo, hi, lo, hi};
    UpdatePixelSize(1);
  }
  // The pixel of a world point.
  static int Px(Extended x) { return WorldToScreenX(x); }
  static int Py(Extended y) { return WorldToScreenY(y); }
  // Something drawn around the pixel, as the hover test asks for.
  static void Ink(int x, int y) {
    gfx::Canvas& c = CompositeCanvas();
    c.brush = gfx::Brush{gfx::kBlack, gfx::BrushStyle::Solid};
    c.FillRect({x - 8, y - 8, x + 9, y + 9});
  }
  // The document's points computed, its entries classified and counted.
  static void Ready() {
    RecomputeKindSums();
    for (int i = 1; i <= doc.EntryCount; ++i) ClassifyFigure(doc.FigureTable[i]);
    PrepareRedraw();
  }
  static Extended Value(const std::string& text) {
    Extended v = 0;
    EXPECT_TRUE(DrawableValueOfText(text, v)) << text;
    return v;
  }
  // A point A at (1, 1), pressed on.
  void PressOnPointA() {
    AddTestPoint('A', {"1", "1"});
    Ready();
    Ink(Px(1), Py(1));
    mouse->Move(Px(1), Py(1));
    mouse->Press(GraphMouse::Button::Left, Px(1), Py(1));
  }
  // A press on (x, y) after the mouse came there, a drag to (x2, y2) with one timer tick,
  // and the release there.
  void Drag(int x, int y, int x2, int y2) {
    mouse->Move(x, y);
    mouse->Press(GraphMouse::Button::Left, x, y);
    mouse->Move(x2, y2);
    backend->advance(kFastInterval);
    mouse->Release(GraphMouse::Button::Left, x2, y2);
  }

  MouseWindowSpy window;
  ChangeListSpy macros;
  platform::FakeTimerBackend* backend = new platform::FakeTimerBackend;
  TimerJobs timer{std::unique_ptr<platform::TimerBackend>(backend)};
  std::unique_ptr<GraphMouse> mouse;
};
