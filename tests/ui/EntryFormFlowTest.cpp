// The entry window's field-by-field input through a scripted keyboard and palette: new
// entries of every kind, cancels, and corrections undone.
#include <gtest/gtest.h>

#include <array>
#include <utility>

#include "EntryFormFixture.h"
#include "render/RedrawHost.h"
#include "ui/EntryDescriptions.h"

namespace {

using F = EntryField;

struct NewEntryCase {
  const char* name;
  int dimension, kind, subkind;
  char letter;  // of a new point
  std::vector<ScriptAnswer> answers;
  std::vector<std::pair<const char*, int>> asked;  // keyboard captions and kinds
  std::array<const char*, 5> texts;
  int subkindAfter;
  bool closesItself;
  const char* title;  // the title line afterwards (nullptr: not checked)
};

class EntryFormFlowTest : public EntryFormTest {
 protected:
  // Points A (0, 0), B (3, 0), C (0, 3), D (1, 1) and the circle s1 about A through B.
  static void BuildDocument(int dimension) {
    doc.Dimension = static_cast<uint8_t>(dimension);
    AddPoint('A', "0", "0");
    AddPoint('B', "3", "0");
    AddPoint('C', "0", "3");
    AddPoint('D', "1", "1");
    Add(kKindFigure, 8, {"A", "3"});
    doc.FigureTable[KindGroupStart(kKindFigure)].letter = static_cast<uint8_t>(PointNumber('A'));
    Refresh();
  }
  int NewEntry(const NewEntryCase& c) {
    if (c.kind == kKindPoint) return NewPoint(c.letter, c.subkind);
    return Add(c.kind, c.subkind);
  }
};

TEST_F(EntryFormFlowTest, NewEntriesOfEveryKindAskTheirFieldsInTurn) {
  const std::vector<NewEntryCase> cases = {
      {"explicit", 2, 1, 255, 0, {Type("x^2")}, {{"陽関数　ｙ＝f(x) のf(x)", 0}}, {"x^2"}, 255, false, nullptr},
      {"inequality", 2, 3, 255, 0, {Type("x^2+y^2<4")}, {{"ｘとｙの式の表す図形", 2}}, {"x^2+y^2<4"}, 255, false,
       "等号や不等号を使った数式"},
      // Curves go on to the range of t, without which they draw nothing.
      {"parametric", 2, 5, 255, 0, {Type("cos(t)"), Type("sin(t)"), Type("0"), Type("6")},
       {{"媒介変数　x=f(t) のf(t)", 3}, {"媒介変数　y=g(t) のg(t)", 3}, {"範囲の下限", 12}, {"範囲の上限", 12}},
       {"cos(t)", "sin(t)", "0", "6"}, 255, true, nullptr},
      {"polar", 2, 6, 255, 0, {Type("1+cos(t)"), Type("-1"), Type("3")},
       {{"極方程式　r=f(t) のf(t)", 3}, {"範囲の下限", 12}, {"範囲の上限", 12}}, {"1+cos(t)", "", "", "-1", "3"}, 255,
       true, nullptr},
      {"segment", 2, 7, 255, 0, {Tool(3), Pick('A'), Pick('B')}, {}, {"A", "B"}, 3, false, "線分AB"},
      {"polyline", 2, 7, 255, 0, {Tool(6), Pick('A'), PaletteOk(), Pick('B'), Pick('C'), PaletteOk()}, {},
       {"ABC"}, 6, false, "ABCを結んだ折れ線"},
      {"circle", 2, 7, 255, 0, {Tool(8), Pick('A'), Type("2")}, {{"半径", 0}}, {"A", "2"}, 8, false,
       "中心A半径2の円"},
      {"line by direction", 2, 7, 255, 0, {Tool(1), Pick('B'), Type("1"), Type("2")},
       {{"x方向の値", 0}, {"y方向の値", 0}}, {"B", "1", "2"}, 1, false, "点Bと方向で決まる直線"},
      {"angle mark", 2, 7, 255, 0, {Tool(12), Pick('A'), Pick('B'), Pick('C')}, {}, {"ABC", "20"}, 12, false,
       "∠ABCの補助線"},
      {"arc", 2, 7, 255, 0, {Tool(11), Pick('B'), Pick('A'), Type("1")}, {{"回転角", 10}}, {"B", "A", "1"}, 11, false,
       "Aを中心としBを始点とする弧"},
      {"point by coordinates", 2, 8, 255, 'E', {Type("1"), Type("2")}, {{"点Eのｘ座標", 11}, {"点Eのｙ座標", 13}},
       {"1", "2", "E"}, 255, false, "平面の点"},
      {"division turned general", 2, 8, 20, 'E', {Pick('A'), Pick('B'), Type("2"), Type("-1")},
       {{"比率１", 10}, {"比率２", 12}}, {"AB", "2", "E", "-1"}, 0, false, "線分ABを 2 ： -1 に分ける点"},
      {"internal division", 2, 8, 20, 'E', {Pick('A'), Pick('B'), Type("2"), Type("1")},
       {{"比率１", 10}, {"比率２", 12}}, {"AB", "2", "E", "1"}, 20, false, "線分ABを 2 ： 1 に内分する点"},
      {"excircle side asked again", 2, 8, 5, 'E',
       {Pick('A'), Pick('B'), Pick('C'), Pick('A'), Pick('D'), Pick('B'), Pick('C')}, {}, {"ABC", "BC", "E"}, 5, false,
       "△ABCのBCの外の傍心"},
      {"centroid", 2, 8, 1, 'E', {Pick('A'), Pick('B'), Pick('C')}, {}, {"ABC", "", "E"}, 1, false, "△ABCの重心"},
      {"foot of a perpendicular", 2, 8, 6, 'E', {Pick('D'), Pick('A'), Pick('B')}, {}, {"D", "AB", "E"}, 6, false,
       "点Dから直線ABに下した垂線の足"},
      {"rotation", 2, 8, 9, 'E', {Pick('A'), Pick('B'), Type("1")}, {{"回転角", 10}}, {"A", "B", "E", "1"}, 9, false,
       nullptr},
      {"on a circle", 2, 8, 10, 'E', {Figure(1), Type("1")}, {{"角位置", 10}}, {"1", "1", "E"}, 10, false,
       "円s1上の点"},
      {"surface", 3, 1, 255, 0, {Type("x^2+y^2")}, {{"3D陽関数　Z＝f(x,y) のf(x,y)", 1}}, {"x^2+y^2"}, 255, false,
       "３Ｄ陽 関 数 f(x,y)"},
      {"space curve", 3, 5, 255, 0, {Type("cos(t)"), Type("sin(t)"), Type("t"), Type("0"), Type("12")},
       {{"媒介変数　f(t)の入力", 3}, {"媒介変数　g(t)の入力", 3}, {"媒介変数　h(t)の入力", 3}, {"範囲の下限", 12},
        {"範囲の上限", 12}},
       {"cos(t)", "sin(t)", "0", "12", "t"}, 255, true, nullptr},
      {"space point", 3, 8, 255, 'E', {Type("1"), Type("2"), Type("3")},
       {{"空間の点のｘ座標", 1}, {"空間の点のｙ座標", 1}, {"空間の点のz座標", 1}}, {"1", "2", "E", "3"}, 255, false,
       "空間の点"},
      {"space circle by a normal", 3, 7, 255, 0, {Tool(7), Pick('A'), Type("2"), Type("0"), Type("0"), Type("1")},
       {{"半径", 0}, {"法線のx方向", 0}, {"法線のy方向", 0}, {"法線のz方向", 0}}, {"A", "0", "0", "1", "2"}, 9, false,
       nullptr},
      {"space rotation about a line", 3, 8, 34, 'E', {Pick('A'), Pick('B'), Pick('C')}, {}, {"AB", "C", "E"}, 34, true,
       nullptr},
  };
  for (const NewEntryCase& c : cases) {
    SCOPED_TRACE(c.name);
    ResetUiStateForTest();
    input = ScriptedEntryInput{};
    BuildDocument(c.dimension);
    const int entry = NewEntry(c);
    input.answers.assign(c.answers.begin(), c.answers.end());
    Enter(entry, c.dimension == 3 ? 3 : 0);

    std::vector<std::pair<std::string, int>> asked;
    for (const auto& call : input.keyboardCalls) asked.emplace_back(call.caption, call.kind);
    std::vector<std::pair<std::string, int>> expected(c.asked.begin(), c.asked.end());
    EXPECT_EQ(asked, expected);
    EXPECT_TRUE(input.answers.empty());
    const Tfuncprop& e = doc.FigureTable[entry];
    for (size_t k = 0; k < 5; ++k) EXPECT_EQ(sjis::ToUtf8(e.texts[k]), c.texts[k] ? c.texts[k] : "") << "text " << k + 1;
    EXPECT_EQ(e.subkind, c.subkindAfter);
    EXPECT_EQ(form->Closed(), c.closesItself);
    if (c.title) {
      EXPECT_EQ(sjis::ToUtf8(form->View().label7), c.title);
    }
    if (!form->Closed()) form->EndClicked();
    EXPECT_EQ(ui.InputCancelled, 0);
    EXPECT_EQ(modes.AnimationMode, 6);
  }
}

TEST_F(EntryFormFlowTest, FiguresKeepTheirPointsInTheLetterBytes) {
  BuildDocument(2);
  const int segment = Add(kKindFigure);
  input.Script({Tool(4), Pick('B'), Pick('C')});
  Enter(segment, 0);
  const Tfuncprop& e = doc.FigureTable[segment];
  EXPECT_EQ(e.letter, PointNumber('B'));
  EXPECT_EQ(e.letter2, PointNumber('C'));
  EXPECT_EQ(e.option63, 1);
  EXPECT_EQ(e.brushStyle, 1);
  EXPECT_TRUE(form->View().Shown(EntryControl::ArrowKind));  // a directed segment
  EXPECT_EQ(form->FigureToolCode, 4);
  // The second end cannot be the first.
  input.refusalsFail = false;
  input.Script({Pick('B')});
  EXPECT_FALSE(form->EditField(F::Equ2));
  EXPECT_EQ(input.refusals, std::vector<std::string>{"letter B is not offered"});
  EXPECT_EQ(e.letter2, PointNumber('C'));
}

TEST_F(EntryFormFlowTest, ACancelledStepClosesTheWindowAsCancelled) {
  struct Case {
    const char* name;
    int kind, subkind;
    std::vector<ScriptAnswer> answers;
  };
  const std::vector<Case> cases = {
      {"explicit", 1, 255, {Cancel()}},
      {"parametric, second formula", 5, 255, {Type("t"), Cancel()}},
      {"figure tool", 7, 255, {Cancel()}},
      {"figure point", 7, 255, {Tool(3), Pick('A'), Cancel()}},
      {"division ratio", 8, 20, {Pick('A'), Pick('B'), Cancel()}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetUiStateForTest();
    input = ScriptedEntryInput{};
    BuildDocument(2);
    const int entry = c.kind == kKindPoint ? NewPoint('E', c.subkind) : Add(c.kind, c.subkind);
    input.answers.assign(c.answers.begin(), c.answers.end());
    Enter(entry, 0);
    EXPECT_TRUE(form->Closed());
    EXPECT_TRUE(form->Cancelled());
    EXPECT_EQ(ui.InputCancelled, 1);
    EXPECT_TRUE(input.answers.empty());
  }
}

TEST_F(EntryFormFlowTest, ACancelledBoundKeepsTheNewCurveAsEntered) {
  struct Case {
    const char* name;
    int dimension, kind;
    std::vector<ScriptAnswer> answers;
    std::array<const char*, 5> texts;
  };
  const std::vector<Case> cases = {
      {"parametric, lower bound", 2, 5, {Type("t"), Type("t^2"), Cancel()}, {"t", "t^2"}},
      {"polar, upper bound", 2, 6, {Type("2"), Type("0"), Cancel()}, {"2", "", "", "0"}},
      {"space curve, lower bound", 3, 5, {Type("t"), Type("t"), Type("t"), Cancel()}, {"t", "t", "", "", "t"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetUiStateForTest();
    input = ScriptedEntryInput{};
    BuildDocument(c.dimension);
    const int entry = Add(c.kind);
    input.answers.assign(c.answers.begin(), c.answers.end());
    Enter(entry, c.dimension == 3 ? 3 : 0);
    EXPECT_TRUE(form->Closed());
    EXPECT_FALSE(form->Cancelled());
    EXPECT_EQ(ui.InputCancelled, 0);
    EXPECT_TRUE(input.answers.empty());
    const Tfuncprop& e = doc.FigureTable[entry];
    for (size_t k = 0; k < 5; ++k) EXPECT_EQ(e.texts[k], c.texts[k] ? c.texts[k] : "") << "text " << k + 1;
  }
}

TEST_F(EntryFormFlowTest, OnlyNewEntriesAndChosenConstructionsStartTheInput) {
  BuildDocument(2);
  const int function = Add(kKindExplicit, 255, {"x"});
  Open(function, 1);
  EXPECT_NE(Timer1().JobCode, job::EntryInput);
  const int sequence = NewPoint('E', 100);
  Open(sequence, 0);
  EXPECT_NE(Timer1().JobCode, job::EntryInput);
  ui.PointConstructionChosen = 1;
  Correct(doc.PointLetterEntry[PointNumber('D')]);
  EXPECT_EQ(Timer1().JobCode, job::EntryInput);
  EXPECT_TRUE(Timer1().Enabled());
}

TEST_F(EntryFormFlowTest, ATriangleCentreTurnedIntoAnotherKeepsItsVertices) {
  BuildDocument(2);
  const int centre = NewPoint('E', 1);
  doc.FigureTable[centre].texts[0] = "ABC";
  SavedEntryCopy = doc.FigureTable[centre];
  // The navigator's point menu chose the circumcentre: it cleared the texts.
  doc.FigureTable[centre].subkind = 2;
  doc.FigureTable[centre].texts[0].clear();
  ui.PointConstructionChosen = 1;
  Open(centre, 1);
  Timer1().Timer1Timer();
  EXPECT_TRUE(input.keyboardCalls.empty());
  EXPECT_TRUE(input.paletteModes.empty());
  EXPECT_EQ(doc.FigureTable[centre].texts[0], "ABC");
  EXPECT_EQ(sjis::ToUtf8(form->View().label7), "△ABCの外心");
}

TEST_F(EntryFormFlowTest, CorrectionsCancelledGiveTheSavedEntryBack) {
  struct Case {
    const char* name;
    int dimension;
    std::function<int()> entry;
    std::vector<ScriptAnswer> answers;
    std::function<void(EntryFormController&)> edit;
  };
  const std::vector<Case> cases = {
      {"explicit", 2, [] { return Add(kKindExplicit, 255, {"x^2"}); }, {Type("x^3")},
       [](EntryFormController& f) {
         f.EditField(F::Equ1);
         f.SetDashed(true);
         f.SetPenWidth(3);
         f.ChooseColour();
       }},
      {"parametric", 2, [] { return Add(kKindParametric, 255, {"t", "t^2", "0", "1"}); }, {Type("-1"), Type("2t")},
       [](EntryFormController& f) {
         f.EditField(F::Min);
         f.EditField(F::Equ2);
         f.SetArrowAtEnd(true);
       }},
      {"segment", 2,
       [] {
         const int e = Add(kKindFigure, 3, {"A", "B"});
         doc.FigureTable[e].letter = static_cast<uint8_t>(PointNumber('A'));
         doc.FigureTable[e].letter2 = static_cast<uint8_t>(PointNumber('B'));
         return e;
       },
       {Pick('C')},
       [](EntryFormController& f) {
         f.EditField(F::Equ2);
         f.SetSegmentMark(5);
       }},
      {"point renamed", 2, [] { return AddPoint('E', "1", "1"); }, {Type("7"), Pick('N')},
       [](EntryFormController& f) {
         f.EditField(F::Equ1);
         f.SetLabelText(sj("点"));
         f.SetLabelPosition(9);
         f.ChangePointLetter();
       }},
      {"space point", 3, [] { return AddPoint('E', "1", "1"); }, {Type("5")},
       [](EntryFormController& f) { f.EditField(F::Equ22); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetUiStateForTest();
    input = ScriptedEntryInput{};
    input.colours = {0x00FF00};
    BuildDocument(c.dimension);
    // Other entries name the point E, so that a rename reaches them.
    const int user = Add(kKindExplicit, 255, {"Ex+1"});
    doc.DefinedFunctionTexts[1] = "x+Ey";
    doc.DefinedFunctionCount = 1;
    const int entry = c.entry();
    Refresh();
    const DocumentState before = doc;
    input.answers.assign(c.answers.begin(), c.answers.end());
    Correct(entry);
    c.edit(*form);
    EXPECT_TRUE(input.answers.empty());
    EXPECT_NE(doc.FigureTable[entry], SavedEntryCopy);
    form->CancelClicked();
    EXPECT_EQ(doc.FigureTable[entry], SavedEntryCopy);
    EXPECT_EQ(doc.FigureTable[user].texts[0], "Ex+1");
    EXPECT_TRUE(doc == before);
    EXPECT_EQ(ui.InputCancelled, 1);
  }
}

TEST_F(EntryFormFlowTest, EndingAfterACancelledFieldKeepsTheEdits) {
  BuildDocument(2);
  const int curve = Add(kKindParametric, 255, {"t", "t", "0", "1"});
  Correct(curve);
  input.Script({Type("t^2"), Cancel()});
  EXPECT_TRUE(form->EditField(F::Equ1));
  EXPECT_FALSE(form->EditField(F::Equ2));
  EXPECT_EQ(ui.InputCancelled, 1);  // as the keyboard leaves it
  form->EndClicked();
  EXPECT_EQ(ui.InputCancelled, 0);
  EXPECT_EQ(doc.FigureTable[curve].texts[0], "t^2");
  EXPECT_EQ(doc.FigureTable[curve].texts[1], "t");

  // A new entry whose later field edit is cancelled is still entered.
  const int function = Add(kKindExplicit);
  input.Script({Type("x+1"), Cancel()});
  Enter(function, 0);
  EXPECT_FALSE(form->EditField(F::Equ1));
  form->EndClicked();
  EXPECT_EQ(ui.InputCancelled, 0);
  EXPECT_EQ(doc.FigureTable[function].texts[0], "x+1");
}

TEST_F(EntryFormFlowTest, TheBoundaryItemAlreadyChosenForgetsNoEdit) {
  BuildDocument(2);
  const int region = Add(kKindRelation, 255, {"y>x"});
  doc.FigureTable[region].option63 = 2;
  Correct(region);
  EXPECT_TRUE(form->View().Shown(EntryControl::Bdvis));
  ui.EntryModified = 0;
  form->SetPenWidth(3);
  form->SetBoundaryItem(0);  // "表示", as it was
  EXPECT_EQ(ui.EntryModified, 1);
  ui.EntryModified = 0;
  form->SetBoundaryItem(0);
  EXPECT_EQ(ui.EntryModified, 0);
  form->SetBoundaryItem(1);
  EXPECT_EQ(ui.EntryModified, 1);
  EXPECT_EQ(doc.FigureTable[region].noBoundary, 1);
}

TEST_F(EntryFormFlowTest, StyleControlsSetTheirFields) {
  // Every whole redraw asks the view-settings window for its texts.
  struct CountingRedraws : RedrawHost {
    int redraws = 0;
    void RefreshRangeForm() override { ++redraws; }
  } shell;
  SetRedrawHost(&shell);
  BuildDocument(2);
  const int curve = Add(kKindParametric, 255, {"t", "t", "0", "1"});
  Correct(curve);
  input.colours = {0x123456, std::nullopt};
  const Tfuncprop& e = doc.FigureTable[curve];
  form->SetDashed(true);
  form->SetPenWidth(3);
  form->SetAfterImage(false);
  form->ChooseColour();
  form->ChooseColour();  // cancelled: unchanged
  form->SetArrowStyle(1);
  form->SetArrowAtEnd(true);
  form->SetContinued(true);
  form->SetAngleWithin180(true);
  form->SetPlaneKind(true);
  form->SetLabelPosition(7);
  EXPECT_EQ(e.dashed, 1);
  EXPECT_EQ(e.penWidth, 3);
  EXPECT_EQ(e.afterImage, 0);
  EXPECT_EQ(e.color, 0x123456);
  EXPECT_EQ(e.arrowStyle, 1);
  EXPECT_EQ(e.arrowAtEnd, 1);
  EXPECT_TRUE(form->View().Shown(EntryControl::ArrowKind));
  EXPECT_EQ(e.continued, 1);
  EXPECT_EQ(e.angleWithin180, 1);
  EXPECT_EQ(e.option32, 1);
  EXPECT_EQ(shell.redraws, 1);
  EXPECT_EQ(e.labelPos, 7);
  SetRedrawHost(nullptr);
}

TEST_F(EntryFormFlowTest, APointSequenceIsEditedInTheSequenceItself) {
  BuildDocument(2);
  const int sequence = NewPoint('E', 100);
  std::vector<TSpacePoint>& list = doc.PointSequences[PointNumber('E')];
  list.assign(300, TSpacePoint{});
  for (size_t i = 0; i < list.size(); ++i) list[i].x = static_cast<Extended>(i);
  SavedEntryCopy = doc.FigureTable[sequence];
  Open(sequence, 1, 300);
  EXPECT_EQ(form->View().upDownMax, 300);
  form->UpDown1Click(300);
  EXPECT_EQ(sjis::ToUtf8(form->View().label7), "点列番号  300");
  EXPECT_EQ(form->View().Row(EntryRow::Equ1).texts[0], "299");
  form->UpDown1Click(2);
  input.Script({Type("2*5")});
  EXPECT_TRUE(form->EditField(F::Equ1));
  EXPECT_EQ(input.keyboardCalls.back().caption, "点列E2のｘ座標");
  EXPECT_EQ(list[1].x, 10);
  EXPECT_EQ(doc.FigureTable[sequence].texts[0], "");
  EXPECT_EQ(form->View().Row(EntryRow::Equ1).texts[0], "10");
  form->UpDown1Click(301);  // wraps
  EXPECT_EQ(form->View().upDownPosition, 1);
}

TEST_F(EntryFormFlowTest, TheKeyboardOpensBesideTheNavigatorAndTheRangeBesideTheWindow) {
  BuildDocument(2);
  const int curve = Add(kKindParametric, 255, {"t", "t", "0", "1"});
  Correct(curve);
  form->geometry = {10, 140, 30};
  input.Script({Type("t"), Type("2")});
  form->EditField(F::Equ1);
  form->EditField(F::Max);
  ASSERT_EQ(input.keyboardCalls.size(), 2u);
  EXPECT_EQ(input.keyboardCalls[0].right, 900);
  EXPECT_EQ(input.keyboardCalls[0].top, 140 + 30 + form->View().contTop);
  EXPECT_EQ(input.keyboardCalls[1].right, 10 + 278);
  EXPECT_EQ(input.keyboardCalls[1].top, 140 + 200);
  EXPECT_EQ(input.keyboardCalls[1].caption, "範囲の上限");
  EXPECT_EQ(doc.FigureTable[curve].texts[3], "2");
}

TEST_F(EntryFormFlowTest, ShowAndCloseTellTheOtherWindows) {
  BuildDocument(2);
  const int point = AddPoint('E', "1", "2");
  Correct(point);
  EXPECT_EQ(host.calls, (std::vector<std::string>{"EnableFileMenu 0", "HideParameterPanel", "UpdateMenuState 0",
                                                  "EnableGraphPopupMenu 0"}));
  EXPECT_EQ(ui.SubFormOpen, 1);
  EXPECT_EQ(modes.LabelsShown, 1);
  EXPECT_EQ(form->geometry.top, 140);
  host.calls.clear();
  modes.SnapMode = 1;
  doc.FigureTable[point].dragClass = 10;
  form->EndClicked();
  EXPECT_EQ(host.calls, (std::vector<std::string>{"SetPointGuideShown 0", "EnableFileMenu 1", "UpdateMenuState 1",
                                                  "EnableGraphPopupMenu 1"}));
  EXPECT_EQ(ui.SubFormOpen, 0);
  EXPECT_EQ(modes.SnapMode, 2);
  EXPECT_EQ(doc.FigureTable[point].dragClass, 0);  // classified again: both coordinates constant
  EXPECT_EQ(Timer1().JobCode, job::FreeEntryWindow);
  EXPECT_TRUE(Timer1().Enabled());

  // The delete button hands the entry to the navigator, in corrections only.
  host.calls.clear();
  Correct(point);
  host.calls.clear();
  form->DeleteClicked();
  EXPECT_EQ(host.calls.front(), "DeleteEntry " + std::to_string(point) + " 1");
  EXPECT_TRUE(form->Closed());
  Open(Add(kKindExplicit), 0);
  form->DeleteClicked();
  EXPECT_FALSE(form->Closed());

  // Shown without a modal loop: beside the graph, the graph's mouse in entry mode.
  Open(1, 9);
  EXPECT_EQ(form->geometry.left, 600);
  EXPECT_EQ(ui.GraphMouseMode, 1);
  EXPECT_FALSE(form->Open(doc.EntryCount + 1, 1, 1, 0));
}

}  // namespace
