#pragma once
// A small document to print: the line y = x/2 in blue and one label, on a 400 x 300
// drawing area over -5..5 on both axes, drawn by the program's drawers with the labels'
// hook set (as the label editor sets it in the program).
#include "formula/DocumentState.h"
#include "render/LabelDrawing.h"
#include "render/RedrawHost.h"
#include "render/RenderState.h"
#include "render/ToolkitFixture.h"
#include "support/GuiApp.h"

class PrintTest : public ToolkitTest {
 protected:
  static constexpr int kGraphWidth = 400, kGraphHeight = 300;
  static constexpr gfx::Color kCurveColor = 0xFF0000;

  void SetUp() override {
    ToolkitTest::SetUp();
    View(-5, 5, -5, 5, kGraphWidth, kGraphHeight);
    ResetRenderState();
    SetRedrawHost(nullptr);
    Tfuncprop& line = doc.FigureTable[++doc.EntryCount];
    InitFuncprop(line, kKindExplicit);
    line.texts[0] = "x/2";
    line.color = kCurveColor;
    ++doc.KindCounts[kKindExplicit];
    doc.LabelCount = 1;
    Tlabelrec& label = doc.LabelTable[1];
    label.lines = {"Label"};
    label.shiftLeft = 20;
    label.shiftTop = 20;
    label.font.name = "Arial";
  }
  void TearDown() override {
    ResetRenderState();
    SetRedrawHost(nullptr);
    ToolkitTest::TearDown();
  }
};
