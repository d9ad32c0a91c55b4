#pragma once
// The tangent animation over the hand-driven clock, a recording message pump and hooks
// that answer from scripts, on a 500 x 500 drawing of the default view (a pixel is 0.02,
// so P steps by 0.02) without grid and axes.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "AnimationFixture.h"
#include "animate/TangentModel.h"
#include "formula/DocumentState.h"
#include "formula/Records.h"
#include "platform/Sjis.h"
#include "support/FakeEventPump.h"

struct TangentTest : AnimationTest {
  static constexpr int kSize = 500;
  static constexpr int kTick = 50;
  platform::FakeEventPump pump;
  RecordingCalculusHost hooks;
  std::unique_ptr<TangentModel> model;

  void SetUp() override {
    AnimationTest::SetUp();
    MakeBareDrawingArea(kSize);
    ShowGraphIn(kSize);
    model = std::make_unique<TangentModel>(timer);
    model->SetHost(&hooks);
    model->SetPump(&pump);
  }
  void TearDown() override {
    model.reset();
    AnimationTest::TearDown();
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
  Extended X() const { return model->Point().x; }
  int Pauses() const {
    int n = 0;
    for (int ms : pump.sleeps()) n += ms == kStationaryPauseMs;
    return n;
  }
};
