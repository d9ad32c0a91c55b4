#pragma once
// The tangent animation over the hand-driven clock, a recording message pump and hooks
// that answer from scripts, on a 500 x 500 drawing of the default view (a pixel is 0.02,
// so P steps by 0.02) without grid and axes.
#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "animate/TangentModel.h"
#include "formula/DocumentState.h"
#include "formula/Records.h"
#include "platform/EventPump.h"
#include "platform/RasterCanvas.h"
#include "platform/Sjis.h"
#include "render/DrawToolkit.h"
#include "render/RedrawHooks.h"
#include "render/RenderState.h"
#include "support/StateFixture.h"

struct RecordingTangentHooks : TangentHooks {
  std::deque<std::string> answers;  // keyboard answers in order; none left cancels
  std::vector<std::string> asked;   // captions
  std::deque<int32_t> colours;      // colour dialog answers; none left cancels
  int graphEditingOff = 0, graphEditingOn = 0, dragShiftOff = 0, dragShiftOn = 0;
  int panelClosed = 0, panelHidden = 0, panelShown = 0;

  bool AskText(const std::string& caption, uint8_t kind, std::string& text, int top, int right) override {
    asked.push_back(caption);
    if (answers.empty()) return false;
    text = sj(answers.front());
    answers.pop_front();
    return true;
  }
  std::optional<int32_t> ChooseColor(int32_t initial) override {
    if (colours.empty()) return std::nullopt;
    const int32_t c = colours.front();
    colours.pop_front();
    return c;
  }
  void EnableGraphEditing(bool enable) override { ++(enable ? graphEditingOn : graphEditingOff); }
  void EnableDragShift(bool enable) override { ++(enable ? dragShiftOn : dragShiftOff); }
  void CloseParameterPanel() override { ++panelClosed; }
  void HideParameterPanel() override { ++panelHidden; }
  void ShowParameterPanel() override { ++panelShown; }
};

struct TangentTest : StateTest {
  static constexpr int kSize = 500;
  static constexpr int kTick = 50;
  TRedrawHooks savedRedrawHooks;
  TimerJobs timer;
  platform::FakeTimerBackend* clock = nullptr;
  platform::FakeEventPump pump;
  RecordingTangentHooks hooks;
  std::unique_ptr<TangentModel> model;
  gfx::RasterCanvas window{kSize, kSize};
  int copiesToGraph = 0;

  static TangentTest*& Current() {
    static TangentTest* current = nullptr;
    return current;
  }

  void SetUp() override {
    StateTest::SetUp();
    platform::RunDeferredActions();
    savedRedrawHooks = RedrawHooks;
    Current() = this;
    RedrawHooks.copyBufferToGraph = [](gfx::CopyMode) {
      TangentTest& t = *Current();
      ++t.copiesToGraph;
      const gfx::Rect all{0, 0, kSize, kSize};
      t.window.CopyRect(all, CompositeCanvas(), all, gfx::CopyMode::Copy);
    };
    ResetRenderState();
    render.WindowImage = &window;
    doc.GraphWidth = doc.GraphHeight = kSize;
    doc.GridSettings.kind = 0;
    doc.XAxisShown = doc.YAxisShown = 0;
    doc.AxisTicksShown = doc.AxisNumbersShown = 0;
    UpdatePixelSize(1);
    RecreateBufferBitmaps();
    auto backend = std::make_unique<platform::FakeTimerBackend>();
    clock = backend.get();
    timer.SetBackend(std::move(backend));
    model = std::make_unique<TangentModel>(timer);
    model->SetHooks(&hooks);
    model->SetPump(&pump);
  }
  void TearDown() override {
    model.reset();
    platform::RunDeferredActions();
    RedrawHooks = savedRedrawHooks;
    ResetRenderState();
    Current() = nullptr;
    StateTest::TearDown();
  }

  // Entry 1: y = f(x), f a UTF-8 formula.
  static void SetFunction(const std::string& f) {
    Tfuncprop& e = doc.FigureTable[1];
    InitFuncprop(e, kKindExplicit);
    e.texts[0] = sj(f);
    doc.EntryCount = 1;
    doc.KindCounts.fill(0);
    doc.KindCounts[kKindExplicit] = 1;
  }
  // The window opened on f.
  void Open(const std::string& f) {
    SetFunction(f);
    model->OpenTangentNavi();
    model->FormShow();
  }
  // Ticks until the timer stops (at most `limit` of them); returns how many ran.
  int RunUntilStopped(int limit = 5000) {
    int ticks = 0;
    while (ticks < limit && clock->advanceToNextTick()) ++ticks;
    return ticks;
  }
  Extended X() const { return model->Point().x; }
  int Pauses() const {
    int n = 0;
    for (int ms : pump.sleeps()) n += ms == kStationaryPauseMs;
    return n;
  }
};
