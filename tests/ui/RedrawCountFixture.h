#pragma once
// A new document with the pictures drawn headless, the windows' hooks of the renderer
// unset, and every whole redraw counted.
#include "render/RedrawHooks.h"
#include "render/RenderState.h"
#include "support/GuiApp.h"
#include "ui/UiStateFixture.h"

class RedrawCountTest : public UiStateTest {
 protected:
  void SetUp() override {
    EnsureGuiApp();
    UiStateTest::SetUp();
    ResetRenderState();
    RedrawHooks = TRedrawHooks{};
    RedrawHooks.refreshRangeForm = [] { ++Redraws(); };
    Redraws() = 0;
  }
  void TearDown() override {
    RedrawHooks = TRedrawHooks{};
    ResetRenderState();
    UiStateTest::TearDown();
  }
  static int& Redraws() {
    static int n = 0;
    return n;
  }
};
