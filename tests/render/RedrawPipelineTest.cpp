#include <gtest/gtest.h>

#include "formula/Records.h"
#include "formula/UsageScan.h"
#include "render/RedrawPipelineFixture.h"

namespace {

TEST_F(PipelineTest, EachEntryLandsOnItsLayer) {
  SpyOnEveryKind();
  struct Row {
    int kind;
    const char* text;
    int usesPoint, dependsOnParameter, shown, afterImage;
    const char* layers;                // modes 0 and 6: B back, C composite
    const char* withAfterImages;       // after-images on, no history yet
  } rows[] = {
      {kKindExplicit, "x^2", 0, 0, 1, 1, "B", "B"},
      {kKindExplicit, "a*x", 0, 1, 1, 1, "C", "BC"},
      {kKindExplicit, "hidden", 0, 1, 0, 1, "", ""},
      {kKindDerivative, "d/dx", 0, 0, 1, 1, "B", "B"},
      {kKindRelation, "x^2+y^2<1", 0, 0, 1, 1, "B", "B"},
      {kKindRelation, "y<b", 0, 1, 1, 0, "C", "C"},
      {kKindParametric, "cos(t)", 0, 0, 1, 1, "B", "B"},
      {kKindPolar, "t", 1, 0, 1, 1, "C", "BC"},
      {kKindFigure, "AB", 1, 0, 1, 1, "C", "BC"},
      {kKindPoint, "P", 1, 1, 1, 1, "C", "BC"},
  };
  for (const Row& r : rows) {
    Tfuncprop& e = Add(r.kind, r.text, r.usesPoint, r.dependsOnParameter);
    e.shown = static_cast<uint8_t>(r.shown);
    e.afterImage = static_cast<uint8_t>(r.afterImage);
  }
  for (int mode : {0, 6}) {
    modes.AnimationMode = static_cast<uint8_t>(mode);
    for (int afterImages : {0, 1}) {
      modes.AfterImageOn = static_cast<uint8_t>(afterImages);
      Calls().clear();
      RedrawAll();
      for (const Row& r : rows)
        EXPECT_EQ(LayersOf(r.text), afterImages ? r.withAfterImages : r.layers)
            << r.text << " mode " << mode << " after-images " << afterImages;
      // After-images are the moving entries drawn pale into the back bitmap.
      for (const DrawCall& c : Calls()) EXPECT_EQ(c.pale, c.layer == 'B' && LayersOf(c.text).size() == 2) << c.text;
    }
  }
  // The replay of a history draws the after-images in mode 0, not the pipeline.
  modes.AnimationMode = 0;
  modes.AfterImageOn = 1;
  settings.AfterImageHistory = new TAfterImageEntry;
  Calls().clear();
  RedrawAll();
  EXPECT_EQ(LayersOf("a*x"), "C");
  ClearAfterImages(settings.AfterImageHistory);
}

TEST_F(PipelineTest, TheUsageScanDecidesTheLayer) {
  SpyOnEveryKind();
  doc.DefinedConstantTexts[1] = "2*b";
  doc.DefinedConstantTexts[2] = "3";
  doc.DefinedConstantCount = 2;
  struct Row {
    int kind;
    const char* text;
    const char* layer;
  } rows[] = {
      {kKindExplicit, "x^2", "B"},        {kKindExplicit, "a*x", "C"},
      {kKindExplicit, "x+Q1", "C"},       {kKindExplicit, "x+Q2", "B"},
      {kKindDerivative, "", "C"},         {kKindRelation, "x^2+y^2<1", "B"},
      {kKindRelation, "y<k*x", "C"},      {kKindParametric, "cos(t)", "B"},
      {kKindParametric, "p*cos(t)", "C"}, {kKindFigure, "AB", "C"},
      {kKindPoint, "1", "C"},
  };
  for (const Row& r : rows) {
    Tfuncprop& e = Add(r.kind, r.text);
    if (r.kind == kKindDerivative) e.link = 2;
    if (r.kind == kKindParametric) {
      e.texts[1] = "sin(t)";
      e.texts[2] = "0";
      e.texts[3] = "6";
    }
    if (r.kind == kKindFigure) e.subkind = 6;
    if (r.kind == kKindPoint) {
      e.texts[1] = "2";
      e.letter = 1;
    }
  }
  ClearUsageFlags();
  RecomputeParameterUsage();
  modes.AnimationMode = 0;
  RedrawAll();
  for (size_t i = 0; i < std::size(rows); ++i) {
    std::string layers;
    for (const DrawCall& c : Calls())
      if (c.text == rows[i].text) layers += c.layer;
    EXPECT_EQ(layers, rows[i].layer) << i + 1 << " " << rows[i].text;
  }
}

TEST_F(PipelineTest, CalculusModesDrawOnlyTheFirstEntryAsTheirBase) {
  SpyOnEveryKind();
  Add(kKindExplicit, "a*x^2", 0, 1);
  Add(kKindExplicit, "x", 0, 0);
  Add(kKindPoint, "P", 1, 0);
  struct Painters : RedrawHost {
    std::vector<int> painted;
    void PaintRiemannSums(gfx::Canvas& c) override { painted.push_back(2 * 10 + (LayerOf(c) == 'C')); }
    void PaintMeanRate(gfx::Canvas& c) override { painted.push_back(3 * 10 + (LayerOf(c) == 'C')); }
    void PaintIntegral(gfx::Canvas& c) override { painted.push_back(4 * 10 + (LayerOf(c) == 'C')); }
    void PaintTangent(gfx::Canvas& c) override { painted.push_back(5 * 10 + (LayerOf(c) == 'C')); }
  } painters;
  SetRedrawHost(&painters);
  const std::vector<int>& painted = painters.painted;
  for (int mode = 2; mode <= 5; ++mode) {
    modes.AnimationMode = static_cast<uint8_t>(mode);
    Calls().clear();
    RedrawAll();
    EXPECT_EQ(LayersOf("a*x^2"), "B") << mode;
    EXPECT_EQ(LayersOf("x"), "") << mode;
    EXPECT_EQ(LayersOf("P"), "") << mode;
  }
  EXPECT_EQ(painted, (std::vector<int>{21, 31, 41, 51}));
}

TEST_F(PipelineTest, TheLastStepFollowsTheAnimationMode) {
  struct Steps : RedrawHost {
    std::string log;
    void RefreshInterval() override { log += "I"; }
    void RedrawAfterImages(gfx::Canvas&) override { log += "A"; }
    void CopyBufferToGraph(gfx::CopyMode) override { log += "W"; }
    void SaveContinuousFrame() override { log += "S"; }
  } steps;
  SetRedrawHost(&steps);
  std::string& log = steps.log;
  struct Row {
    int mode, interval;
    const char* log;
  } rows[] = {
      {0, 0, "AWS"}, {0, 1, "AI"}, {1, 0, "WI"}, {6, 0, "W"}, {6, 1, "II"}, {7, 0, "W"},
  };
  for (const Row& r : rows) {
    modes.AnimationMode = static_cast<uint8_t>(r.mode);
    doc.IntervalMode = static_cast<uint8_t>(r.interval);
    log.clear();
    RedrawAll();
    EXPECT_EQ(log, r.log) << "mode " << r.mode << " interval " << r.interval;
  }
}

TEST_F(PipelineTest, NothingHappensWhileDrawingIsDisabled) {
  SpyOnEveryKind();
  Add(kKindExplicit, "x^2");
  struct Requests : RedrawHost {
    int count = 0;
    void ShowRangeInStatusBar() override { ++count; }
    void CopyBufferToGraph(gfx::CopyMode) override { ++count; }
  } requests;
  SetRedrawHost(&requests);
  const int& hooks = requests.count;
  ui.DrawingEnabled = 0;
  doc.BackgroundDirty = 0;
  RedrawAll();
  EXPECT_TRUE(Calls().empty());
  EXPECT_EQ(hooks, 0);
  EXPECT_EQ(doc.BackgroundDirty, 0);
  EXPECT_FALSE(render.BackBitmap);
  EXPECT_FALSE(render.CompositeBitmap);
}

TEST_F(PipelineTest, DrawingAnEntryLeavesTheVariablesAsTheyWere) {
  Add(kKindExplicit, "sin(x)*a", 0, 1);
  Add(kKindParametric, "t", 0, 1);
  struct Sampler : DrawingObserver {
    void EntryDrawn(gfx::Canvas&, const Tfuncprop& e, int) override {
      if (e.kind != kKindParametric) return;
      doc.VariableValues.T = 99;
      doc.VariableValues.cells[1] = 42;
      doc.VariableValues.Y = -7;
    }
  } sampler;
  SetDrawingObserver(&sampler);
  doc.VariableValues.X = 3;
  doc.VariableValues.T = 0.7L;
  doc.VariableValues.cells[1] = 2;
  const TVariableValues before = doc.VariableValues;
  for (int mode : {0, 6, 2}) {
    modes.AnimationMode = static_cast<uint8_t>(mode);
    RedrawAll();
    EXPECT_TRUE(doc.VariableValues == before) << mode;
  }
}

TEST_F(PipelineTest, ARedrawAskedForWhileTheWindowShowsProgressRunsOnceAfterwards) {
  Add(kKindExplicit, "x^2");
  Add(kKindExplicit, "x^3", 0, 1);
  Add(kKindExplicit, "sin(x)", 0, 1);
  doc.IncrementalDisplay = 1;
  struct Window : RedrawHost {
    int redraws = 0, progress = 0, deepest = 0;
    void ShowRangeInStatusBar() override { ++redraws; }
    void CopyCanvasToGraph(gfx::Canvas&) override {
      // The window let a click through that asks for a redraw and a parameter step.
      ++progress;
      deepest = std::max(deepest, render.RedrawDepth);
      RedrawAll();
      RepaintByMode(CompositeCanvas());
    }
  } window;
  SetRedrawHost(&window);
  const int &redraws = window.redraws, &progress = window.progress, &deepest = window.deepest;
  RedrawAll();
  EXPECT_EQ(redraws, 2);       // the redraw and the one deferred redraw
  EXPECT_EQ(progress, 2 * 3);  // three curves each time
  EXPECT_LE(deepest, 4);
  EXPECT_EQ(render.RedrawDepth, 0);
  EXPECT_EQ(render.RedrawDeferred, 0);
}

TEST_F(PipelineTest, PreparationRefreshesPointsAndDefinedConstants) {
  Add(kKindExplicit, "x");
  Tfuncprop& a = Add(kKindPoint, "1");  // A by coordinates (1, 2)
  a.letter = 1;
  a.dragAxes = 5;
  a.texts[1] = "2";
  Tfuncprop& sequence = Add(kKindPoint, "");
  sequence.subkind = 100;
  sequence.letter = 3;
  doc.PointLetterEntry[1] = 2;
  doc.PointLetterEntry[3] = 3;
  doc.DefinedConstantTexts[1] = "2+3";
  doc.DefinedConstantCount = 1;
  doc.DefinedConstantDirty[1] = 0;
  doc.DefinedConstantValues[1] = 0;
  PrepareRedraw();
  EXPECT_EQ(doc.PointSequences[1][0].x, 1);
  EXPECT_EQ(doc.PointSequences[1][0].y, 2);
  EXPECT_EQ(doc.PointSequenceDirty[1], 0);  // computed now
  EXPECT_EQ(doc.PointSequenceDirty[3], 1);  // a sequence keeps its points until read
  EXPECT_EQ(eng.UseFigureFormulas, 0);
  EXPECT_EQ(doc.DefinedConstantValues[1], 5);
  for (int i = 2; i <= kMaxDefinitions; ++i) EXPECT_EQ(doc.DefinedConstantDirty[i], 1);
}

TEST_F(PipelineTest, SpaceModeHandsTheSceneToTheSpaceRenderer) {
  doc.Dimension = 3;
  Add(kKindExplicit, "x*y");
  // The surfaces drawn into the back layer ('s') and the scene composed over it; the
  // pale drawings of the moving entries.
  struct SceneLog : DrawingObserver {
    std::string log;
    std::vector<std::pair<char, int>> pale;
    void SurfacesDrawn(gfx::Canvas& c) override { log += LayerOf(c) == 'B' ? "s" : "?"; }
    void EntryDrawn(gfx::Canvas& c, const Tfuncprop& e, int i) override {
      if (!settings.AfterImagePale) return;
      // The after-images by drawer: space curves, geodesics, points.
      pale.push_back({LayerOf(c), e.kind == kKindPoint ? 100 + i : e.kind == kKindFigure ? -i : i});
    }
  } scene;
  SetDrawingObserver(&scene);
  modes.AnimationMode = 6;
  RedrawAll();
  EXPECT_EQ(scene.log, "s");
  EXPECT_EQ(doc.SpaceSurfacePresent, 1);
  EXPECT_NE(BackCanvas().Pixel(doc.GraphWidth / 2, doc.GraphHeight / 2), gfx::kWhite);
  EXPECT_EQ(CompositeCanvas().Image(), BackCanvas().Image());
  // Three entries are no surface document: the back layer has the axes alone.
  Add(kKindExplicit, "x+y");
  Add(kKindExplicit, "x-y");
  scene.log.clear();
  modes.AnimationMode = 0;
  RedrawAll();
  EXPECT_EQ(scene.log, "");
  EXPECT_EQ(CompositeCanvas().Image(), BackCanvas().Image());

  // Moving space entries leave after-images through the drawer of their kind and type.
  std::vector<std::pair<char, int>>& pale = scene.pale;
  pale.clear();
  Add(kKindParametric, "cos(t)", 0, 1);
  Add(kKindFigure, "", 1).subkind = 7;
  Add(kKindFigure, "", 1).subkind = 1;  // a plane leaves none
  Add(kKindPoint, "P", 1).afterImage = 0;
  Add(kKindPoint, "Q", 1);
  modes.AnimationMode = 6;
  modes.AfterImageOn = 1;
  RedrawAll();
  EXPECT_EQ(pale, (std::vector<std::pair<char, int>>{{'B', 4}, {'B', -5}, {'B', 108}}));
}

}  // namespace
