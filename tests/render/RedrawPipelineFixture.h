#pragma once
// The redraw pipeline over a new document on a 500 x 500 drawing area, with the program's
// drawer table and no window: the hooks of the windows above the renderer are unset
// unless a test sets them. Spy drawers record which entry went to which bitmap.
#include <string>
#include <vector>

#include "formula/DocumentState.h"
#include "render/EntryDrawers.h"
#include "render/RedrawHooks.h"
#include "render/RedrawPipeline.h"
#include "render/RenderState.h"
#include "render/ToolkitFixture.h"
#include "support/GuiApp.h"

class PipelineTest : public ToolkitTest {
 protected:
  void SetUp() override {
    ToolkitTest::SetUp();
    ResetRenderState();
    EntryDrawers = DefaultEntryDrawers();
    RedrawHooks = TRedrawHooks{};
    Calls().clear();
  }
  void TearDown() override {
    ResetRenderState();
    EntryDrawers = DefaultEntryDrawers();
    RedrawHooks = TRedrawHooks{};
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
  static void Spy(gfx::Canvas& c, Tfuncprop& e) {
    Calls().push_back({LayerOf(c), e.texts[0], settings.AfterImagePale != 0});
  }
  static void SpyOnEveryKind() {
    for (PlaneEntryDrawer* slot : {&EntryDrawers.explicitFunction, &EntryDrawers.derivative, &EntryDrawers.relation,
                                   &EntryDrawers.parametric, &EntryDrawers.polar, &EntryDrawers.figure,
                                   &EntryDrawers.point})
      *slot = Spy;
  }
  // The layers the entry with this text went to, in order ("BC", "", ...).
  static std::string LayersOf(const std::string& text) {
    std::string layers;
    for (const DrawCall& c : Calls())
      if (c.text == text) layers += c.layer;
    return layers;
  }
};
