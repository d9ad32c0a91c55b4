#pragma once
// A parameter panel over the hand-driven clock on a 100 x 100 drawing area without grid
// and axes, with hooks that record what the panel asked for, and a small document built
// in code.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "AnimationFixture.h"
#include "animate/ParameterPanelModel.h"
#include "formula/DocumentState.h"
#include "formula/Records.h"
#include "formula/FormulaHost.h"
#include "formula/UsageScan.h"
#include "formula/VariableValues.h"
#include "platform/Sjis.h"
#include "render/RedrawPipeline.h"

struct RecordingPanelHost : ParameterPanelHost, KeyboardScript {
  int handlerRuns = 0;
  bool handlerSawEmptyList = false;

  bool AskText(const std::string& caption, uint8_t, std::string& text, int, int) override {
    return Answer(caption, text);
  }
  void RunMacroChangeHandlers(const TValueNode* changes) override {
    ++handlerRuns;
    handlerSawEmptyList = changes == nullptr;
  }
};

// What the redraw pipeline handed to the graph window and the interval: the composite
// copied to the window (the end of a composition), frames saved, interval refreshes.
struct PipelineLog : AnimationRedrawHost {
  int composed = 0, framesSaved = 0, intervalRefreshes = 0;
  std::function<void()> onCompose;
  void CopyBufferToGraph(gfx::CopyMode) override {
    ++composed;
    if (onCompose) onCompose();
  }
  void SaveContinuousFrame() override { ++framesSaved; }
  void RefreshInterval() override { ++intervalRefreshes; }
};

// Counts the full redraws the formula side asks of the windows.
struct CountingShell : FormulaHost {
  int redrawAll = 0;
  void RedrawAll() override { ++redrawAll; }
};

struct PanelTest : AnimationTest {
  static constexpr int kSize = 100;
  PipelineLog pipeline;
  std::unique_ptr<ParameterPanelModel> panel;
  RecordingPanelHost hooks;
  CountingShell shell;

  void SetUp() override {
    AnimationTest::SetUp();
    SetRedrawHost(&pipeline);
    MakeBareDrawingArea(kSize);
    panel = std::make_unique<ParameterPanelModel>(timer);
    panel->SetHost(&hooks);
    SetFormulaHost(&shell);
    panel->FormCreate();
  }
  void TearDown() override {
    SetFormulaHost(nullptr);
    panel.reset();
    AnimationTest::TearDown();
  }

  // An explicit function entry (CP932 text), with the usage scan run again.
  void AddExplicit(const std::string& text) {
    Tfuncprop& e = doc.FigureTable[++doc.EntryCount];
    InitFuncprop(e, kKindExplicit);
    e.texts[0] = text;
    ++doc.KindCounts[kKindExplicit];
    ClearUsageFlags();
    RecomputeParameterUsage();
  }
  // Point A given by the coordinate texts (CP932), after the other kinds.
  Tfuncprop& AddPointA(const std::string& x, const std::string& y) {
    Tfuncprop& e = doc.FigureTable[++doc.EntryCount];
    InitFuncprop(e, kKindPoint);
    e.texts[0] = x;
    e.texts[1] = y;
    e.letter = 1;
    e.color = 0x0000FF;
    e.penWidth = 1;
    ++doc.KindCounts[kKindPoint];
    ClearUsageFlags();
    RecomputeParameterUsage();
    return e;
  }
  void UseParameters(const std::string& letters) {
    for (char c : letters) doc.ParameterUsed[NodeCodeOfLetter(c)] = 1;
    UpdateParametersInUse();
  }
  // The panel in its parameter layout.
  void Show() {
    modes.AnimationMode = 0;
    panel->FormShow();
  }
  static int Row(char letter) {
    for (int row = 0; row < kParameterRowCount; ++row)
      if (kParameterRows[row].letter == letter) return row;
    return -1;
  }
  static int Up(char letter) { return kParameterRows[Row(letter)].upCode; }
  static int Down(char letter) { return Up(letter) + 14; }
  static float Cell(char letter) { return doc.VariableValues.cells[SlotOfLetter(letter).cell]; }
  static Extended& Increment(char letter) { return doc.ParameterIncrements[IncrementSlotOfLetter(letter)]; }
  static std::vector<std::pair<int, Extended>> Changes() {
    std::vector<std::pair<int, Extended>> out;
    for (const TValueNode* n = settings.ValueChangeList; n; n = n->next) out.emplace_back(n->code, n->value);
    return out;
  }
  static std::vector<int> ChangeCodes() {
    std::vector<int> out;
    for (const auto& c : Changes()) out.push_back(c.first);
    return out;
  }
};
