#include <gtest/gtest.h>

#include <vector>

#include "FigureTableTestSupport.h"
#include "formula/FormulaHost.h"
#include "formula/TableServices.h"

namespace {

// Records what the services ask of the windows.
class FakeShell : public FormulaHost {
 public:
  std::vector<std::string> calls;
  std::string hints[4];
  void RedrawAll() override { calls.push_back("redraw mode " + std::to_string(modes.AnimationMode)); }
  void ShowParameterPanel() override { calls.push_back("panel"); }
  void RefreshNavigator() override { calls.push_back("navigator"); }
  void SetArrowHints(const std::string (&h)[4]) override {
    for (int i = 0; i < 4; ++i) hints[i] = h[i];
  }
  void SetIntervalTexts(const std::string& lower, const std::string& upper) override {
    calls.push_back("interval " + lower + " " + upper);
  }
};

class TableServicesTest : public StateTest {
 protected:
  FakeShell shell;
  void SetUp() override {
    StateTest::SetUp();
    SetFormulaHost(&shell);
  }
  void TearDown() override {
    SetFormulaHost(nullptr);
    StateTest::TearDown();
  }
};

TEST_F(TableServicesTest, SnapToGridWithinTwoPixelsWhileDragging) {
  doc.PixelSizeX = doc.PixelSizeY = 0.025L;
  eng.XTickStep = eng.YTickStep = 1;
  struct Case {
    int snapMode, gridKind, px, py;
    Extended x, y;
  };
  const Case cases[] = {
      {1, 1, 199, 201, 0, 0},            // one pixel off the axes
      {1, 1, 203, 120, 0.075L, 2},       // three pixels off stays where it is
      {2, 1, 199, 201, -0.025L, -0.025L},  // not dragging: never snapped
      {0, 1, 199, 201, -0.025L, -0.025L},
      {1, 2, 219, 161, 0.5L, 1},         // the dense grid has half steps
      {1, 1, 219, 161, 0.475L, 1},
  };
  for (const Case& c : cases) {
    modes.SnapMode = static_cast<uint8_t>(c.snapMode);
    doc.GridSettings.kind = static_cast<uint8_t>(c.gridKind);
    const TWorldPoint p = SnapToGrid(c.px, c.py);
    EXPECT_NEAR(p.x, c.x, 1e-12L) << c.px;
    EXPECT_NEAR(p.y, c.y, 1e-12L) << c.py;
  }
  modes.SnapMode = 1;
  eng.XTickStep = 0;
  EXPECT_NEAR(SnapToGrid(199, 201).x, -0.025L, 1e-12L) << "no grid to snap to";
}

TEST_F(TableServicesTest, PanViewRangeFollowsTheDrag) {
  doc.PixelSizeX = doc.PixelSizeY = 0.025L;
  PanViewRange(100, 100, 140, 80);
  EXPECT_NEAR(doc.ViewRange.XMin, -6, 1e-15L);
  EXPECT_NEAR(doc.ViewRange.XMax, 4, 1e-15L);
  EXPECT_NEAR(doc.ViewRange.YMin, -5.5L, 1e-15L);
  EXPECT_NEAR(doc.ViewRange.YMax, 4.5L, 1e-15L);
}

TEST_F(TableServicesTest, RangeTextByCoordinateSystem) {
  struct Case {
    int dimension, system;
    const char* text;
  };
  const Case cases[] = {
      {2, 0, "  -5.000≦x≦5.000  -5.000≦y≦5.000"},
      {2, 1, "  -5.000≦x≦5.000  -5.000≦y≦5.000"},
      {2, 2, "  -5.000≦x≦5.000  -5.000≦log10(y)≦5.000"},
      {2, 3, "  -5.000≦log10(x)≦5.000  -5.000≦log10(y)≦5.000"},
      {2, 4, "  -5.000≦log10(x)≦5.000  -5.000≦y≦5.000"},
      {3, 0, " -3.000≦x≦3.000  -3.000≦y≦3.000  -3.000≦Z≦3.000"},
  };
  for (const Case& c : cases) {
    doc.Dimension = static_cast<uint8_t>(c.dimension);
    doc.CoordinateSystem = static_cast<uint8_t>(c.system);
    EXPECT_EQ(RangeText(), sj(c.text));
  }
  EXPECT_EQ(sj("≦"), "\x81\x85");
  doc.Dimension = 2;
  doc.CoordinateSystem = 0;
  doc.ViewRange = {-0.0001L, 1.2346L, 2, 1e6L};
  EXPECT_EQ(RangeText(), sj("  0.000≦x≦1.235  2.000≦y≦1000000.000"));
}

TEST_F(TableServicesTest, FormatCoordinateByTheGrainOfTheStep) {
  struct Case {
    Extended value, step;
    const char* text;
  };
  const Case cases[] = {
      {1.2345L, 0.01L, "1.24"},        // a multiple of 0.02
      {0.999L, 0.6L, "1"},
      {1.26L, 0.3L, "1.2"},
      {3.14159L, 0.0001L, "3.1416"},
      {2.718281L, 1e-6L, "2.71828"},
      {1.234567L, 1e-7L, "1.23457"},   // too far from the grain: formatted only
      {-0.001L, 0.6L, "0"},
      {0.0123L, 0.005L, "0.012"},
      {-2.461L, 0.05L, "-2.46"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatCoordinate(c.value, c.step), c.text) << c.value << " " << c.step;
}

TEST_F(TableServicesTest, FigureDescriptionByKind) {
  struct Case {
    int kind, subkind;
    std::initializer_list<const char*> texts;
    const char* text;
  };
  const Case cases[] = {
      {1, 255, {"x^2"}, "y=x^2"},
      {2, 255, {"2x"}, "y=2x"},
      {3, 255, {"x^2+y^2=1"}, "x^2+y^2=1"},
      {5, 255, {"cos(t)", "sin(t)"}, "x=cos(t) , y=sin(t)"},
      {6, 255, {"2cos(t)"}, "r=2cos(t)"},
      {7, 8, {"A", "1"}, "円周"},
      {7, 3, {}, "線分"},
      {8, 255, {"1", "2"}, "( 1 , 2 )"},
      {8, 6, {"A", "BC"}, ""},
  };
  for (const Case& c : cases) {
    Tfuncprop e;
    InitFuncprop(e, c.kind);
    e.subkind = static_cast<uint8_t>(c.subkind);
    int k = 0;
    for (const char* t : c.texts) e.texts[k++] = t;
    EXPECT_EQ(FigureDescription(e), sj(c.text)) << c.kind << " " << c.subkind;
  }
}

TEST_F(TableServicesTest, InsertBeforeTheFileNamesFirstDot) {
  struct Case {
    const char *name, *insert, *result;
  };
  const Case cases[] = {
      {"a.png", "10002", "a10002.png"},
      {"abc", "1", "abc1"},
      {"dir.v1/a.png", "10002", "dir.v1/a10002.png"},
      {"/home/u.x/graph", "1001", "/home/u.x/graph1001"},
      {"/tmp/graph.tar.png", "1001", "/tmp/graph1001.tar.png"},
  };
  for (const Case& c : cases) EXPECT_EQ(InsertBeforeExtension(c.name, c.insert), c.result);
}

TEST_F(TableServicesTest, EquationsAmongFormulas) {
  struct Case {
    const char* text;
    bool equation;
    int kind;
  };
  const Case cases[] = {
      {"y=x", true, 1},         {"y=x(x>0)", true, 1}, {"(x>0)(y=x)", true, 2}, {"(y=x)(x>0)", false, 2},
      {"y>x", false, 2},        {"x+", false, 2},      {"", false, 2},          {"x^2+y^2=1", true, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(FormulaIsEquation(c.text), c.equation) << c.text;
    EXPECT_EQ(EquationKindOfFormula(c.text), c.kind) << c.text;
  }
}

TEST_F(TableServicesTest, StyleCodesRowsAndTheAxisLabelFlag) {
  EXPECT_EQ(MapStyleCode(0, 2), 0);
  EXPECT_EQ(MapStyleCode(3, 2), 3);
  EXPECT_EQ(MapStyleCode(4, 2), 2);
  EXPECT_EQ(MapStyleCode(-1, 1), 1);
  EXPECT_EQ(ClampStyleCode(1), 1);
  EXPECT_EQ(ClampStyleCode(3), 3);
  EXPECT_EQ(ClampStyleCode(0), 0);
  EXPECT_EQ(ClampStyleCode(7), 0);

  TListRow rows[4];
  for (TListRow& r : rows) r = {5, 6, 7, 8, 1};
  ClearRowRecords(rows, 2);
  EXPECT_EQ(rows[2].action, kNoRowAction);
  EXPECT_EQ(rows[0].top + rows[0].bottom + rows[0].entry + rows[0].kind, 0);
  EXPECT_EQ(rows[3].top, 5) << "rows after the last stay";
  ClearRowRecords(rows, 10);
  EXPECT_EQ(rows[3].action, kNoRowAction);

  UpdateAxisLabelFlag();
  EXPECT_EQ(doc.AxisLabelFlag, 0) << "no explicit function";
  AddEntry(kKindExplicit, 255, {"x"});
  UpdateAxisLabelFlag();
  EXPECT_EQ(doc.AxisLabelFlag, 1);
  doc.CoordinateSystem = 1;
  UpdateAxisLabelFlag();
  EXPECT_EQ(doc.AxisLabelFlag, 0);
}

TEST_F(TableServicesTest, ArrowHintsMoveThePlaneAndTurnTheSpace) {
  UpdateArrowHints();
  EXPECT_EQ(shell.hints[0], "左方向に移動");
  EXPECT_EQ(shell.hints[3], "下方向に移動");
  doc.Dimension = 3;
  UpdateArrowHints();
  EXPECT_EQ(shell.hints[1], "視点を右方向に回転");
  EXPECT_EQ(shell.hints[2], "視点を上方向に回転");
}

TEST_F(TableServicesTest, RedrawAndShowValueForm) {
  RedrawAndShowValueForm();
  EXPECT_EQ(shell.calls, (std::vector<std::string>{"redraw mode 6"}));
  EXPECT_EQ(modes.AnimationMode, 6);
  shell.calls.clear();
  doc.ParametersInUse = 1;
  RedrawAndShowValueForm();
  EXPECT_EQ(shell.calls, (std::vector<std::string>{"redraw mode 6", "panel"}));
  EXPECT_EQ(modes.AnimationMode, 0);
}

TEST_F(TableServicesTest, ResetParameterIntervalLeavesIntervalMode) {
  AddEntry(kKindExplicit, 255, {"x"});
  doc.IntervalMode = 1;
  doc.IntervalLowerText = "a";
  doc.IntervalUpperText = "b+1";
  modes.AnimationMode = 1;
  ResetParameterInterval();
  EXPECT_EQ(doc.IntervalLowerText, "0");
  EXPECT_EQ(doc.IntervalUpperText, "0");
  EXPECT_EQ(doc.IntervalMode, 0);
  EXPECT_EQ(doc.ParametersInUse, 0) << "the bounds no longer count";
  EXPECT_EQ(modes.AnimationMode, 6);
  EXPECT_EQ(shell.calls, (std::vector<std::string>{"interval 0.000 0.000", "navigator"}));
}

}  // namespace
