#pragma once
// What the parameter panel, calculus and tangent tests share: the formula keyboard answered
// from a script, the recording fake of what the calculus animations ask of the windows,
// and a test over the hand-driven clock with a redraw host where the animations paint as
// in the program.
#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "animate/AnimationRedrawHost.h"
#include "animate/CalculusHost.h"
#include "animate/TimerJobs.h"
#include "formula/DocumentState.h"
#include "platform/EventPump.h"
#include "platform/RasterCanvas.h"
#include "platform/Sjis.h"
#include "render/DrawToolkit.h"
#include "render/RenderState.h"
#include "support/FakeTimerBackend.h"
#include "support/StateFixture.h"

// The formula keyboard's answers (UTF-8) in order; none left cancels. The captions asked
// are kept.
struct KeyboardScript {
  std::deque<std::string> answers;
  std::vector<std::string> asked;

  bool Answer(const std::string& caption, std::string& text) {
    asked.push_back(caption);
    if (answers.empty()) return false;
    text = sj(answers.front());
    answers.pop_front();
    return true;
  }
};

struct RecordingCalculusHost : CalculusHost, KeyboardScript {
  std::deque<int32_t> colours;  // colour dialog answers; none left cancels
  std::vector<std::string> messages;
  int presented = 0;
  bool graphEnabled = true, editing = true;
  int graphEditingOff = 0, graphEditingOn = 0, dragShiftOff = 0, dragShiftOn = 0;
  int panelClosed = 0, panelHidden = 0, panelShown = 0;

  bool AskText(const std::string& caption, uint8_t, std::string& text, int, int) override {
    return Answer(caption, text);
  }
  std::optional<int32_t> ChooseColor(int32_t) override {
    if (colours.empty()) return std::nullopt;
    const int32_t c = colours.front();
    colours.pop_front();
    return c;
  }
  void ShowMessage(const std::string& utf8) override { messages.push_back(utf8); }
  void EnableGraphEditing(bool enable) override {
    editing = enable;
    ++(enable ? graphEditingOn : graphEditingOff);
  }
  void EnableGraphWindow(bool enable) override { graphEnabled = enable; }
  void EnableDragShift(bool enable) override { ++(enable ? dragShiftOn : dragShiftOff); }
  void PresentGraphPicture() override { ++presented; }
  void CloseParameterPanel() override { ++panelClosed; }
  void HideParameterPanel() override { ++panelHidden; }
  void ReturnToParameterMode() override { ++panelShown; }
};

struct AnimationTest : StateTest {
  TimerJobs timer;
  platform::FakeTimerBackend* clock = nullptr;
  // The graph window's picture, once ShowGraphIn gave it a size; the copies to it counted.
  gfx::RasterCanvas graphPicture{1, 1};
  int copiesToGraph = 0;

  // The graph window of the tests.
  struct GraphWindow : AnimationRedrawHost {
    AnimationTest* shownIn = nullptr;
    void CopyBufferToGraph(gfx::CopyMode mode) override {
      if (!shownIn) return;
      ++shownIn->copiesToGraph;
      gfx::RasterCanvas& picture = shownIn->graphPicture;
      const gfx::Rect all{0, 0, picture.Width(), picture.Height()};
      picture.CopyRect(all, CompositeCanvas(), all, mode);
    }
  } graphWindow;

  void SetUp() override {
    StateTest::SetUp();
    platform::RunDeferredActions();
    SetRedrawHost(&graphWindow);
    auto backend = std::make_unique<platform::FakeTimerBackend>();
    clock = backend.get();
    timer.SetBackend(std::move(backend));
  }
  void TearDown() override {
    platform::RunDeferredActions();
    SetRedrawHost(nullptr);
    ResetRenderState();
    StateTest::TearDown();
  }

  // A size x size drawing area over the default view.
  static void MakeDrawingArea(int size) {
    ResetRenderState();
    doc.GraphWidth = doc.GraphHeight = size;
    UpdatePixelSize(1);
    RecreateBufferBitmaps();
  }
  // The same without grid and axes, so that pixels read back belong to the curves.
  static void MakeBareDrawingArea(int size) {
    doc.GridSettings.kind = 0;
    doc.XAxisShown = doc.YAxisShown = 0;
    doc.AxisTicksShown = doc.AxisNumbersShown = 0;
    MakeDrawingArea(size);
  }
  // The composite copied to the graph window lands in graphPicture, size x size (after
  // the drawing area is made).
  void ShowGraphIn(int size) {
    graphPicture.Resize(size, size);
    render.WindowImage = &graphPicture;
    graphWindow.shownIn = this;
  }
  // Ticks until the timer stops (at most `limit` of them); how many ran.
  int RunTimer(int limit = 100000) {
    int ticks = 0;
    while (ticks < limit && clock->advanceToNextTick()) ++ticks;
    return ticks;
  }
};
