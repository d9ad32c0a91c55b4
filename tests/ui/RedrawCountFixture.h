#pragma once
// A new document with the pictures drawn headless, a redraw host that counts every whole
// redraw and every copy of the composite to the graph window, and nothing more.
#include "render/RedrawHost.h"
#include "render/RenderState.h"
#include "support/GuiApp.h"
#include "ui/UiStateFixture.h"

class RedrawCountTest : public UiStateTest {
 protected:
  // Every whole redraw asks the view-settings window for its texts.
  struct CountingRedraws : RedrawHost {
    int redraws = 0, composed = 0;
    void RefreshRangeForm() override { ++redraws; }
    void CopyBufferToGraph(gfx::CopyMode) override { ++composed; }
  };
  void SetUp() override {
    EnsureGuiApp();
    UiStateTest::SetUp();
    ResetRenderState();
    Counts() = CountingRedraws{};
    SetRedrawHost(&Counts());
  }
  void TearDown() override {
    SetRedrawHost(nullptr);
    ResetRenderState();
    UiStateTest::TearDown();
  }
  static CountingRedraws& Counts() {
    static CountingRedraws counts;
    return counts;
  }
  static int& Redraws() { return Counts().redraws; }
};
