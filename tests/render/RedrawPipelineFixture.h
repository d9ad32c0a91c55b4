#pragma once
// The redraw pipeline over a new document on a 500 x 500 drawing area and no window: no
// redraw host unless a test installs one. A spy records which entry went to which bitmap.
#include <string>
#include <vector>

#include "formula/DocumentState.h"
#include "render/EntryDrawers.h"
#include "render/RedrawHost.h"
#include "render/RedrawPipeline.h"
#include "render/RenderState.h"
#include "render/ToolkitFixture.h"
#include "support/GuiApp.h"

class PipelineTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    ResetRenderState();
    SetRedrawHost(nullptr);
    Calls().clear();
  }
  void TearDown() override {
    ResetRenderState();
    SetDrawingObserver(nullptr);
    SetRedrawHost(nullptr);
    ToolkitTest::TearDown();
  }

  // Appends an entry at the end of the table (the tests keep kinds in order themselves).
  static Tfuncprop& Add(int kind, const std::string& text, int usesPoint = 0, int dependsOnParameter = 0) {
    Tfuncprop& e = doc.FigureTable[++doc.EntryCount];
    InitFuncprop(e, kind);
    e.texts[0] = text;
    e.usesPoint = static_cast<uint8_t>(usesPoint);
    e.dependsOnParameter = static_cast<uint8_t>(dependsOnParameter);
    ++doc.KindCounts[kind];
    return e;
  }

  // Where each drawing went: 'B' back bitmap, 'C' composite bitmap, '?' elsewhere.
  struct DrawCall {
    char layer;
    std::string text;
    bool pale;
  };
  static std::vector<DrawCall>& Calls() {
    static std::vector<DrawCall> calls;
    return calls;
  }
  static char LayerOf(const gfx::Canvas& c) {
    if (render.BackBitmap && &c == render.BackBitmap.get()) return 'B';
    if (render.CompositeBitmap && &c == render.CompositeBitmap.get()) return 'C';
    return '?';
  }
  struct Spy : DrawingObserver {
    void EntryDrawn(gfx::Canvas& c, const Tfuncprop& e, int) override {
      Calls().push_back({LayerOf(c), e.texts[0], settings.AfterImagePale != 0});
    }
  };
  static void SpyOnEveryKind() {
    static Spy spy;
    SetDrawingObserver(&spy);
  }
  // The layers the entry with this text went to, in order ("BC", "", ...).
  static std::string LayersOf(const std::string& text) {
    std::string layers;
    for (const DrawCall& c : Calls())
      if (c.text == text) layers += c.layer;
    return layers;
  }
};
