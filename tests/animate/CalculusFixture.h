#pragma once
// A calculus window's model over the hand-driven clock and a fake message pump, with
// hooks that answer the keyboard from a queue and record the rest, on a 200 x 200 drawing
// area of the default view whose composite is copied to a picture of its own.
#include <gtest/gtest.h>

#include <deque>
#include <memory>
#include <string>

#include "AnimationFixture.h"
#include "animate/CalculusWindowModel.h"
#include "formula/AnimationState.h"
#include "formula/DocumentState.h"
#include "formula/Records.h"
#include "platform/Sjis.h"
#include "render/ViewZoom2D.h"
#include "support/FakeEventPump.h"

struct CalculusTest : AnimationTest {
  platform::FakeEventPump pump;
  RecordingCalculusHost hooks;
  std::unique_ptr<CalculusWindowModel> model;
  // The window: its close runs the model's close; its free frees the model.
  struct Window : ModelView {
    CalculusTest* test = nullptr;
    void CloseWindow() override { test->model->FormClose(); }
    std::function<void()> FreeAction() override {
      return [test = test] { test->model.reset(); };
    }
  } window;

  void SetUp() override {
    AnimationTest::SetUp();
    window.test = this;
    MakeDrawingArea(200);
    ShowGraphIn(200);
  }
  void TearDown() override {
    model.reset();
    AnimationTest::TearDown();
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
    model->SetHost(&hooks);
    model->SetWindow(&window);
    model->FormShow();
  }
};
