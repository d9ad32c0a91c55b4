#pragma once
// A calculus window's model over the hand-driven clock and a fake message pump, with
// hooks that answer the keyboard from a queue and record the rest, on a 200 x 200 drawing
// area of the default view whose composite is copied to a picture of its own.
#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "animate/CalculusWindowModel.h"
#include "formula/AnimationState.h"
#include "formula/DocumentState.h"
#include "formula/Records.h"
#include "platform/EventPump.h"
#include "platform/RasterCanvas.h"
#include "platform/Sjis.h"
#include "render/DrawToolkit.h"
#include "render/RedrawHooks.h"
#include "render/RenderState.h"
#include "render/ViewZoom2D.h"
#include "support/StateFixture.h"

struct RecordingCalculusHooks : CalculusWindowHooks {
  std::deque<std::string> answers;  // UTF-8; an empty queue cancels
  std::vector<std::string> asked;   // captions
  std::vector<std::string> messages;
  int presented = 0;
  bool graphEnabled = true, editing = true;

  bool AskText(const std::string& caption, uint8_t kind, std::string& text, int top, int right) override {
    asked.push_back(caption);
    if (answers.empty()) return false;
    text = sj(answers.front());
    answers.pop_front();
    return true;
  }
  void EnableGraphEditing(bool enable) override { editing = enable; }
  void EnableGraphWindow(bool enable) override { graphEnabled = enable; }
  void PresentGraphPicture() override { ++presented; }
  void ShowMessage(const std::string& utf8) override { messages.push_back(utf8); }
};

struct CalculusTest : StateTest {
  TRedrawHooks savedRedrawHooks;
  TViewZoomHooks savedZoomHooks;
  TimerJobs timer;
  platform::FakeTimerBackend* clock = nullptr;
  platform::FakeEventPump pump;
  RecordingCalculusHooks hooks;
  std::unique_ptr<CalculusWindowModel> model;
  std::unique_ptr<gfx::RasterCanvas> picture;
  static inline CalculusTest* self = nullptr;

  void SetUp() override {
    StateTest::SetUp();
    savedRedrawHooks = RedrawHooks;
    savedZoomHooks = ViewZoomHooks;
    ResetRenderState();
    doc.GraphWidth = doc.GraphHeight = 200;
    UpdatePixelSize(1);
    RecreateBufferBitmaps();
    picture = std::make_unique<gfx::RasterCanvas>(200, 200);
    render.WindowImage = picture.get();
    self = this;
    RedrawHooks.copyBufferToGraph = [](gfx::CopyMode mode) {
      const gfx::Rect all{0, 0, 200, 200};
      self->picture->CopyRect(all, CompositeCanvas(), all, mode);
    };
    auto backend = std::make_unique<platform::FakeTimerBackend>();
    clock = backend.get();
    timer.SetBackend(std::move(backend));
  }
  void TearDown() override {
    model.reset();
    platform::RunDeferredActions();
    RedrawHooks = savedRedrawHooks;
    ViewZoomHooks = savedZoomHooks;
    ResetRenderState();
    self = nullptr;
    StateTest::TearDown();
  }

  void AddExplicit(const std::string& text) {
    Tfuncprop& e = doc.FigureTable[++doc.EntryCount];
    InitFuncprop(e, kKindExplicit);
    e.texts[0] = sj(text);
    ++doc.KindCounts[kKindExplicit];
  }
  // The window of the set made and shown over f, with the keyboard's answers queued.
  void Open(CalculusSet set, const std::string& f, std::deque<std::string> answers) {
    AddExplicit(f);
    hooks.answers = std::move(answers);
    model = std::make_unique<CalculusWindowModel>(set, timer, pump);
    model->SetHooks(&hooks);
    model->SetCloseRequest([this] { model->FormClose(); });
    model->SetFreeAction([this] { model.reset(); });
    model->FormShow();
  }
  // Ticks until the timer stops (at most `limit`); the number of ticks.
  int RunTimer(int limit = 100000) {
    int ticks = 0;
    while (clock->advanceToNextTick() && ++ticks < limit) {
    }
    return ticks;
  }
};
