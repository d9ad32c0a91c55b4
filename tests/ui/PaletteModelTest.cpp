#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "UiStateFixture.h"
#include "platform/Sjis.h"
#include "ui/PaletteModel.h"
#include "ui/SelectorDrawing.h"

namespace {

int Point(char letter) { return static_cast<int>(std::string(PointNameOrder).find(letter)) + 1; }

TSpacePoint At(double x, double y, double z = 0) {
  TSpacePoint p;
  p.x = x;
  p.y = y;
  p.z = z;
  return p;
}

// A click in the middle of a button.
gfx::Point Centre(const gfx::Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

class PaletteModelTest : public UiStateTest {
 protected:
  // Appends a point entry; more than one position makes it a point sequence.
  static void AddPoint(char letter, std::vector<std::pair<double, double>> at = {{0, 0}}) {
    Tfuncprop& e = doc.FigureTable[++doc.EntryCount];
    InitFuncprop(e, kKindPoint);
    e.letter = static_cast<uint8_t>(Point(letter));
    ++doc.KindCounts[kKindPoint];
    std::vector<TSpacePoint>& list = doc.PointSequences[e.letter];
    list.clear();
    for (auto [x, y] : at) list.push_back(At(x, y));
  }
  static void AddFigure(uint8_t type, const char* first = "", const char* second = "") {
    Tfuncprop& e = doc.FigureTable[++doc.EntryCount];
    InitFuncprop(e, kKindFigure);
    e.subkind = type;
    e.texts[0] = sj(first);
    e.texts[1] = sj(second);
    ++doc.KindCounts[kKindFigure];
  }
  static PaletteModel::Outcome Click(int letterButton) {
    const gfx::Point c = Centre(LetterButtonRect(letterButton));
    clpanel.MouseDown(c.x, c.y);
    return clpanel.MouseUp(c.x, c.y);
  }
  static void ShowMode(int mode) {
    clpanel.ClpanelMode = static_cast<uint8_t>(mode);
    clpanel.Show();
  }
  static std::string AvailableLetters() {
    std::string s;
    for (int i = 1; i <= kLetterButtons; ++i)
      if (clpanel.Letter(i).available) s += PointDisplayOrder[i - 1];
    return s;
  }
};

TEST_F(PaletteModelTest, LetterOrders) {
  struct Row {
    int n;
    char letter;
    int display;
  } rows[] = {{1, 'A', 1}, {6, 'L', 12}, {9, 'R', 18}, {11, 'G', 7}, {19, 'P', 16},
              {20, 'Y', 24}, {21, 'F', 6}, {25, 'Z', 25}, {26, 'X', 26}};
  for (const Row& r : rows) {
    EXPECT_EQ(PointNameOrder[r.n - 1], r.letter);
    EXPECT_EQ(NameOrderToAlphaIndex(r.n), r.display) << r.letter;
    EXPECT_EQ(AlphaIndexToNameOrder(r.display), r.n) << r.letter;
  }
  EXPECT_EQ(NameOrderToAlphaIndex(0), 0);
  EXPECT_EQ(NameOrderToAlphaIndex(27), 0);
}

TEST_F(PaletteModelTest, ButtonRectanglesAndTheirEdges) {
  EXPECT_EQ(LetterButtonRect(1), (gfx::Rect{20, 3, 53, 23}));
  EXPECT_EQ(LetterButtonRect(7), (gfx::Rect{65, 26, 98, 46}));
  EXPECT_EQ(LetterButtonRect(25), (gfx::Rect{200, 95, 233, 115}));
  EXPECT_EQ(LetterButtonRect(26), (gfx::Rect{245, 3, 278, 23}));
  EXPECT_EQ(ToolButtonRect(7), (gfx::Rect{12, 58, 47, 93}));
  EXPECT_EQ(ToolButtonRect(12), (gfx::Rect{202, 58, 237, 93}));
  EXPECT_EQ(clpanel.LetterAt(21, 4), 1);
  for (gfx::Point edge : {gfx::Point{20, 10}, {53, 10}, {30, 3}, {30, 23}, {58, 10}})
    EXPECT_EQ(clpanel.LetterAt(edge.x, edge.y), 0) << edge.x << "," << edge.y;
  EXPECT_EQ(clpanel.ToolAt(13, 11), 1);
  EXPECT_EQ(clpanel.ToolAt(47, 30), 0);

  gfx::Rect rects[] = {{0, 0, 10, 10}, {5, 5, 20, 20}};
  EXPECT_EQ(HitTestRects(rects, 1, 7, 7), 1);  // the first that holds the point
  EXPECT_EQ(HitTestRects(rects, 1, 15, 15), 2);
  EXPECT_EQ(HitTestRects(rects, 0, 15, 15), 0);  // rectangles up to `last` only
}

TEST_F(PaletteModelTest, MarkUsedPointNamesOffersNewOrExistingPoints) {
  AddPoint('A');
  AddPoint('B', {{0, 0}, {1, 1}});  // a point sequence
  MarkUsedPointNames(1, 0, doc.EntryCount);
  EXPECT_EQ(AvailableLetters(), "CDEFGHIJKLMNOPQRSTUVWYZ");
  MarkUsedPointNames(2, 0, doc.EntryCount);
  EXPECT_EQ(AvailableLetters(), "A");
  MarkUsedPointNames(3, 0, doc.EntryCount);
  EXPECT_EQ(AvailableLetters(), "AB");
  MarkUsedPointNames(3, 0, 1);  // only the first entry counts
  EXPECT_EQ(AvailableLetters(), "A");
  // The kept letter stays as it was: C unavailable from before, A available from before.
  MarkUsedPointNames(1, Point('A'), doc.EntryCount);
  EXPECT_EQ(AvailableLetters(), "ACDEFGHIJKLMNOPQRSTUVWYZ");
}

TEST_F(PaletteModelTest, EachModeHandsBackItsResult) {
  AddPoint('A');
  AddPoint('B');
  AddPoint('F');
  struct Row {
    int mode;
    int markMode;  // MarkUsedPointNames mode before showing
    char click;
    PaletteModel::Outcome outcome;
    int result;
  } rows[] = {
      {3, 1, 'C', PaletteModel::Outcome::Close, Point('C')},  // naming a new point
      {3, 1, 'A', PaletteModel::Outcome::None, 0},            // A is taken
      {4, 3, 'F', PaletteModel::Outcome::Close, Point('F')},  // a circle's centre
      {2, 2, 'B', PaletteModel::Outcome::Close, Point('B')},
      {6, 3, 'A', PaletteModel::Outcome::Close, Point('A')},
      {1, 3, 'B', PaletteModel::Outcome::InsertLetter, 0},   // the keyboard's point input
  };
  for (const Row& r : rows) {
    MarkUsedPointNames(r.markMode, 0, doc.EntryCount);
    ShowMode(r.mode);
    const int button = static_cast<int>(std::string(PointDisplayOrder).find(r.click)) + 1;
    EXPECT_EQ(Click(button), r.outcome) << r.mode << r.click;
    EXPECT_EQ(clpanel.ClpanelResult, r.result) << r.mode << r.click;
    if (r.outcome == PaletteModel::Outcome::Close) {
      EXPECT_FALSE(clpanel.Letter(button).available);
    }
  }
  EXPECT_EQ(clpanel.LetterToInsert(), 'B');
  EXPECT_TRUE(clpanel.Letter(2).available);  // mode 1 keeps the letter offered
  EXPECT_EQ(ui.InputCancelled, 0);
}

TEST_F(PaletteModelTest, PressedLookOnlyWhereTheModeHasIt) {
  AddPoint('A');
  MarkUsedPointNames(3, 0, doc.EntryCount);
  const gfx::Point a = Centre(LetterButtonRect(1));
  ShowMode(4);
  EXPECT_EQ(clpanel.MouseDown(a.x, a.y), PaletteModel::Outcome::Redraw);
  EXPECT_EQ(clpanel.PressedLetter(), 1);
  EXPECT_EQ(clpanel.MouseUp(300, 300), PaletteModel::Outcome::Redraw);  // released elsewhere
  EXPECT_EQ(clpanel.PressedLetter(), 0);
  EXPECT_EQ(clpanel.ClpanelResult, 0);
  ShowMode(2);
  EXPECT_EQ(clpanel.MouseDown(a.x, a.y), PaletteModel::Outcome::None);
}

TEST_F(PaletteModelTest, NoStaleResultAndCancelPaths) {
  AddPoint('A');
  MarkUsedPointNames(1, 0, doc.EntryCount);
  clpanel.ClpanelResult = static_cast<uint8_t>(Point('A'));  // the entry's own letter preset
  ShowMode(3);
  EXPECT_TRUE(clpanel.PointAvailable(Point('A')));  // offered again
  EXPECT_EQ(clpanel.ClpanelResult, 0);              // a close without a choice gives none
  clpanel.Cancel();
  EXPECT_EQ(clpanel.ClpanelResult, 0);
  EXPECT_EQ(ui.InputCancelled, 1);

  ui.InputCancelled = 0;
  ShowMode(1);
  clpanel.Cancel();  // closing the keyboard's picker cancels nothing
  EXPECT_EQ(ui.InputCancelled, 0);

  ShowMode(6);
  EXPECT_TRUE(clpanel.OkVisible());
  clpanel.Ok();  // the end of a point list
  EXPECT_EQ(clpanel.ClpanelResult, 0);
  EXPECT_EQ(ui.InputCancelled, 0);
}

TEST_F(PaletteModelTest, CaptionsByMode) {
  struct Row {
    int mode, dimension, pending;
    const char* caption;
  } rows[] = {
      {1, 2, 255, "点の指定"},         {4, 2, 255, "点の指定"},           {3, 2, 255, "点の名前の設定"},
      {3, 2, 100, "点列の名前の設定"}, {6, 2, 255, "点列の入力"},         {7, 2, 255, "円の入力"},
      {8, 2, 255, "直線の入力"},       {5, 2, 255, "直線・線分・円の入力"}, {50, 3, 255, "直線・線分・円・球の入力"},
      {9, 3, 255, "平面の選択"},       {10, 3, 255, "球面の選択"},
  };
  for (const Row& r : rows) {
    doc.Dimension = static_cast<uint8_t>(r.dimension);
    ui.PendingPointConstruction = static_cast<uint8_t>(r.pending);
    ShowMode(r.mode);
    EXPECT_EQ(clpanel.Caption(), r.caption) << r.mode;
    EXPECT_EQ(clpanel.OkVisible(), r.mode == 5 || r.mode == 50 || r.mode == 6) << r.mode;
  }
}

TEST_F(PaletteModelTest, ToolAvailabilityByModeAndDocument) {
  auto unavailable = [] {
    std::string s;
    for (int t = 1; t <= kToolButtons; ++t)
      if (!clpanel.Tool(t).available) s += std::to_string(t) + " ";
    return s;
  };
  AddPoint('A');
  AddPoint('B');
  ShowMode(5);
  EXPECT_EQ(unavailable(), "6 7 10 12 ");
  clpanel.PolygonOption = 1;
  ShowMode(5);
  EXPECT_EQ(unavailable(), "7 10 12 ");
  clpanel.PolygonOption = 0;
  ShowMode(49);
  EXPECT_EQ(unavailable(), "1 2 3 4 5 6 7 8 9 10 11 12 ");
  ShowMode(50);
  EXPECT_EQ(unavailable(), "2 3 4 5 6 7 9 10 11 12 ");
  AddPoint('C');
  ShowMode(5);
  EXPECT_EQ(unavailable(), "10 ");
  ShowMode(52);
  EXPECT_EQ(unavailable(), "");

  // In space: a circle needs a single point, a circle on a sphere a sphere, a geodesic a
  // sphere with two points on it.
  doc.Dimension = 3;
  ShowMode(5);
  EXPECT_EQ(unavailable(), "9 10 11 ");
  AddFigure(8, "A", "2");
  ShowMode(5);
  EXPECT_EQ(unavailable(), "10 11 ");
  doc.PointSequences[Point('B')][0] = At(2, 0, 0);
  doc.PointSequences[Point('C')][0] = At(0, 0, 2);
  ShowMode(5);
  EXPECT_EQ(unavailable(), "11 ");
}

TEST_F(PaletteModelTest, ChoosingAToolSetsTheFigureTypeItMakes) {
  auto choose = [](int tool) {
    const gfx::Point c = Centre(ToolButtonRect(tool));
    EXPECT_EQ(clpanel.MouseDown(c.x, c.y), PaletteModel::Outcome::Redraw) << tool;
    for (int t = 1; t <= kToolButtons; ++t) EXPECT_EQ(clpanel.Tool(t).down, t == tool);
  };
  for (char p : {'A', 'B', 'C'}) AddPoint(p);
  ShowMode(5);
  choose(8);
  EXPECT_EQ(clpanel.ChosenFigureType, 8);
  EXPECT_EQ(clpanel.Caption(), "中心と半径で決まる円");
  const gfx::Point tool10 = Centre(ToolButtonRect(10));
  EXPECT_EQ(clpanel.MouseDown(tool10.x, tool10.y), PaletteModel::Outcome::None);  // not in the plane
  clpanel.Ok();
  EXPECT_EQ(clpanel.ClpanelResult, 0);
  EXPECT_EQ(clpanel.ChosenFigureType, 8);

  doc.Dimension = 3;
  AddFigure(8, "A", "2");
  doc.PointSequences[Point('B')][0] = At(2, 0, 0);
  doc.PointSequences[Point('C')][0] = At(0, 2, 0);
  ShowMode(5);
  EXPECT_EQ(clpanel.ChosenFigureType, 0);
  struct Row {
    int tool, type;
    const char* caption;
  } rows[] = {
      {9, 10, "球面上の円"}, {7, 9, "中心と半径と垂線方向で決まる円"}, {10, 7, "球面上の2点を結ぶ測地線"}, {1, 1, "点と法線で決まる平面"}};
  for (const Row& r : rows) {
    EXPECT_EQ(ToolButtonCaption(r.tool), std::string(r.caption));
    choose(r.tool);
    EXPECT_EQ(clpanel.ChosenFigureType, r.type) << r.tool;
    EXPECT_EQ(clpanel.Caption(), r.caption);
  }
  clpanel.Cancel();
  EXPECT_EQ(clpanel.ChosenFigureType, 0);
  EXPECT_EQ(ui.InputCancelled, 1);
}

TEST_F(PaletteModelTest, FigureToolCaptionsAndTheSpaceMapping) {
  EXPECT_EQ(MapSpaceTool(7), 9);
  EXPECT_EQ(MapSpaceTool(9), 10);
  EXPECT_EQ(MapSpaceTool(10), 7);
  EXPECT_EQ(MapSpaceTool(3), 3);
  EXPECT_EQ(std::string(GetFigureToolCaption(1)), "点と方向で決まる直線");
  EXPECT_EQ(std::string(GetFigureToolCaption(12)), "角の補助線");
  EXPECT_EQ(std::string(GetFigureToolCaption(13)), "");
  EXPECT_EQ(std::string(GetFigureToolCaption(0)), "");
  doc.Dimension = 3;
  EXPECT_EQ(std::string(GetFigureToolCaption(8)), "中心と半径で決まる球");
  EXPECT_EQ(std::string(GetFigureToolCaption(11)), "直線を中心にした弧");
}

TEST_F(PaletteModelTest, PointsOnACircle) {
  AddPoint('A', {{0, 0}});
  AddPoint('B', {{2, 0}});
  AddPoint('C', {{0, 2.000001}});
  AddPoint('D', {{1, 1}});
  AddPoint('E', {{0, -2.001}});
  AddFigure(3);                // figure 1: a segment
  AddFigure(8, "A", "2");      // figure 2: the circle
  AddFigure(8, "D", "x+1");    // figure 3: no value
  EXPECT_EQ(CountPointsOnCircle(2, false), 2);
  EXPECT_EQ(CountPointsOnCircle(1, false), 0);
  EXPECT_EQ(CountPointsOnCircle(3, false), 0);
  EXPECT_EQ(CountPointsOnCircle(9, false), 0);
  EXPECT_EQ(CountPointsOnCircle(2, true), 2);
  EXPECT_EQ(AvailableLetters(), "BC");
  EXPECT_EQ(eng.ParseOK, 1);

  EXPECT_EQ(CollectFiguresOfKind(8), 2);
  EXPECT_EQ(doc.FigureKindList, (std::vector<int>{2, 3}));
  EXPECT_EQ(CollectFiguresOfKind(12), 1);
  EXPECT_EQ(doc.FigureKindList, (std::vector<int>{2}));
  EXPECT_EQ(CollectFiguresOfKind(5), 0);
}

TEST_F(PaletteModelTest, FigurePickersReturnTheButtonNumber) {
  AddPoint('A', {{0, 0}});
  for (int i = 0; i < 7; ++i) AddFigure(i % 2 ? 3 : 8, "A", "1");  // circles are figures 1, 3, 5, 7
  clpanel.ClpanelMode = 7;
  ShowFigureNumberPicker(3);
  clpanel.Show();
  EXPECT_EQ(clpanel.Caption(), "円の入力");
  std::string captions;
  for (int i = 1; i <= kLetterButtons; ++i)
    if (clpanel.Letter(i).shown) captions += clpanel.Letter(i).caption + (clpanel.Letter(i).available ? " " : "- ");
  EXPECT_EQ(captions, "s1 s3- s5 s7 ");
  EXPECT_EQ(Click(2), PaletteModel::Outcome::None);  // the circle already chosen
  EXPECT_EQ(Click(5), PaletteModel::Outcome::None);  // no fifth circle
  EXPECT_EQ(Click(4), PaletteModel::Outcome::Close);
  EXPECT_EQ(clpanel.ClpanelResult, 4);
  EXPECT_EQ(doc.FigureKindList[clpanel.ClpanelResult - 1], 7);

  clpanel.ClpanelMode = 8;  // lines, segments and rays
  ShowFigureNumberPicker(0);
  clpanel.Show();
  EXPECT_EQ(Click(3), PaletteModel::Outcome::Close);
  EXPECT_EQ(clpanel.ClpanelResult, 3);

  // Mode 12: circles with points on them; the sixth figure's button gives 6, not a letter.
  for (int i = 0; i < 6; ++i) AddFigure(8, "A", "5");
  AddPoint('B', {{5, 0}});
  AddPoint('C', {{0, 5}});
  clpanel.ClpanelMode = 12;
  ShowFigureNumberPicker(0);
  clpanel.Show();
  EXPECT_EQ(Click(6), PaletteModel::Outcome::Close);
  EXPECT_EQ(clpanel.ClpanelResult, 6);
}

}  // namespace
