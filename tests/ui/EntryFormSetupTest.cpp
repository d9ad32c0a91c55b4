// The entry window's rows by layout code and by entry, the derivative button and the
// change of a figure's type.
#include <gtest/gtest.h>

#include "EntryFormFixture.h"
#include "formula/Differentiate.h"
#include "formula/TableServices.h"
#include "formula/Tfrec.h"

namespace {

using R = EntryRow;
using C = EntryControl;
using F = EntryField;

class EntryFormSetupTest : public EntryFormTest {};

TEST_F(EntryFormSetupTest, LayoutCodesStackTheirRows) {
  struct Case {
    int code;
    std::vector<R> rows;
    const char* label8;  // nullptr: max and the word before it hidden
    std::vector<C> shown;
  };
  const std::vector<Case> cases = {
      {1, {R::Equ1}, nullptr, {}},
      {2, {R::Equ1}, nullptr, {C::BrushPanel, C::Bdvis}},
      {3, {R::Equ1, R::Equ2, R::Min, R::Equ23}, "  ～", {}},
      {4, {R::Equ1, R::Equ3, R::Min, R::Equ23}, "  ～", {}},
      {5, {R::Equ1, R::Equ2}, nullptr, {}},
      {9, {R::Equ1, R::Equ2, R::Moji}, nullptr, {}},
      {10, {R::Equ1, R::Equ2, R::Equ22}, nullptr, {}},
      {11, {R::Equ1}, nullptr, {C::BrushPanel}},
      {12, {R::Equ1, R::Moji}, nullptr, {}},
      {13, {R::Equ1, R::Min, R::Moji}, "  対", {}},
      {14, {R::Equ1, R::Equ2, R::Min, R::Moji}, " 倍率", {}},
      {15, {R::Equ1, R::Min}, nullptr, {}},
      {16, {R::Equ1, R::Min, R::Moji}, nullptr, {}},
      {17, {R::Equ1, R::Equ2, R::Equ3}, nullptr, {}},
      {24, {R::Equ1, R::Equ3}, nullptr, {C::PlaneKind}},
      {25, {R::Equ1, R::Min, R::Equ3}, nullptr, {}},
      {26, {R::Equ1, R::Equ2, R::Equ22, R::Moji}, nullptr, {C::LabelPosition, C::PointName}},
      {27, {R::Equ1, R::Equ2, R::Equ22, R::Min, R::Equ23}, "  ～", {}},
      {30, {R::Equ1, R::Min, R::Moji}, " 経度", {C::PointName}},
      {100, {R::Equ1, R::Equ2, R::Moji}, nullptr, {C::UpDown1}},
  };
  Open(Add(kKindExplicit, 255, {"x"}), 1);
  namespace L = entry_layout;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    form->LayoutFields(c.code);
    const EntryFormView& v = form->View();
    EXPECT_EQ(v.order, c.rows);
    EXPECT_EQ(v.Shown(C::Max), c.label8 != nullptr);
    if (c.label8) {
      EXPECT_EQ(sjis::ToUtf8(v.label8), c.label8);
    }
    for (C shown : c.shown) EXPECT_TRUE(v.Shown(shown)) << static_cast<int>(shown);
    for (size_t i = 0; i < c.rows.size(); ++i)
      EXPECT_EQ(v.rowTop[static_cast<size_t>(c.rows[i])], L::kTitleHeight + L::kRowHeight * static_cast<int>(i));
    const int fieldsEnd = L::kTitleHeight + L::kRowHeight * static_cast<int>(c.rows.size());
    EXPECT_EQ(v.contTop, fieldsEnd);
    const int brush = v.Shown(C::BrushPanel) ? L::kBrushHeight : 0;
    EXPECT_EQ(v.syuuTop, fieldsEnd + L::kContHeight + brush);
    EXPECT_EQ(v.formHeight, v.syuuTop + L::kSyuuHeight);
  }
  // In the plane equ3panel holds a centre of two values.
  EXPECT_FALSE(form->View().Shown(C::Equ5));
}

TEST_F(EntryFormSetupTest, EntriesSetTheirTitleCaptionsAndRows) {
  struct Case {
    const char* name;
    int dimension, kind, subkind;
    std::vector<const char*> texts;
    const char* caption;
    const char* title;
    std::vector<std::pair<R, const char*>> rowCaptions;
    std::vector<R> rows;
    std::vector<C> shown, hidden;
  };
  const std::vector<Case> cases = {
      {"explicit", 2, 1, 255, {"x^2"}, "陽 関 数 の入力・訂正", "陽 関 数 y1", {{R::Equ1, " ｆ(ｘ)＝"}}, {R::Equ1},
       {C::DefButton, C::LineKind, C::DelButton, C::CancelBT}, {C::PointHow, C::UpDown1}},
      {"equation of x", 2, 1, 255, {"1*(x=2)"}, nullptr, nullptr, {}, {R::Equ1}, {C::PointHow}, {C::DefButton}},
      {"parametric", 2, 5, 255, {"t", "t", "0", "1"}, "媒介変数の入力・訂正", "ｘ＝ｆ（ｔ），ｙ＝ｇ（ｔ）の表す曲線",
       {{R::Equ1, " ｆ(ｔ)＝"}, {R::Equ2, " ｇ(ｔ)＝"}, {R::Min, "ｔの範囲"}}, {R::Equ1, R::Equ2, R::Min, R::Equ23},
       {C::ArrowCheck, C::LineKind}, {C::ArrowKind}},
      {"polar", 2, 6, 255, {"1", "0", "0", "0", "6"}, "極方程式の入力・訂正", "極方程式　ｒ＝ｆ(ｔ)",
       {{R::Equ1, " ｆ(t)＝"}, {R::Equ3, " 中心"}, {R::Min, " ｔの範囲"}}, {R::Equ1, R::Equ3, R::Min, R::Equ23},
       {C::ArrowCheck}, {C::Equ5}},
      {"inequality", 2, 3, 255, {"y>x"}, nullptr, "等号や不等号を使った数式", {}, {R::Equ1}, {C::BrushPanel, C::Bdvis},
       {C::LineKind}},
      {"segment", 2, 7, 3, {"A", "B"}, "線分・直線・図形の入力・訂正", "線分AB", {{R::Equ1, "点１"}, {R::Equ2, "点２"}},
       {R::Equ1, R::Equ2}, {C::LineImage, C::SegKind}, {C::ArrowKind}},
      {"circle", 2, 7, 8, {"A", "2"}, nullptr, "中心A半径2の円", {{R::Equ1, "円の中心"}, {R::Min, "半径"}},
       {R::Equ1, R::Min}, {C::LineImage}, {C::Max}},
      {"angle mark", 2, 7, 12, {"ABC"}, nullptr, "∠ABCの補助線", {{R::Equ2, "半径(ドット)"}}, {R::Equ1, R::Equ2},
       {C::ArgChoice}, {C::LineKind}},
      {"division point", 2, 8, 20, {"AB", "2", "E", "1"}, "平面の点の入力・訂正", "線分ABを 2 ： 1 に内分する点",
       {{R::Equ1, "線分"}, {R::Min, "比率"}, {R::Moji, "ラベル"}}, {R::Equ1, R::Min, R::Moji},
       {C::PointName, C::LabelPosition, C::Max}, {C::LineKind, C::PointHow}},
      {"point on a circle", 2, 8, 10, {"1", "0"}, nullptr, "円s1上の点", {{R::Equ1, "円"}, {R::Min, "角位置"}},
       {R::Equ1, R::Min, R::Moji}, {}, {C::Max}},
      {"space surface", 3, 1, 255, {"x*y"}, "３Ｄ陽 関 数 f(x,y)の入力", "３Ｄ陽 関 数 f(x,y)", {{R::Equ1, " z1="}},
       {R::Equ1}, {C::Func3dColor}, {C::ContPanel, C::CancelBT}},
      {"space curve", 3, 5, 255, {"t", "t", "0", "1", "t"}, "媒介変数曲線 の入力", nullptr,
       {{R::Equ22, " ｈ(ｔ)＝"}}, {R::Equ1, R::Equ2, R::Equ22, R::Min, R::Equ23}, {C::LineKind}, {}},
      {"space plane", 3, 7, 1, {"A", "0", "0", "1"}, nullptr, nullptr, {{R::Equ3, "法線方向"}}, {R::Equ1, R::Equ3},
       {C::PlaneKind, C::Equ5, C::LineImage}, {C::LineKind}},
      {"space circle on a sphere", 3, 7, 10, {"1", "0", "0", "1", "0.5"}, nullptr, nullptr,
       {{R::Equ1, "球面"}, {R::Equ2, "球と円の中\r\n心間の距離"}}, {R::Equ1, R::Equ2, R::Equ3}, {C::Bdvis, C::LineKind}, {}},
      {"space point on a sphere", 3, 8, 30, {"1", "0", "E", "0"}, "空間の点の入力", "球面上の点",
       {{R::Equ1, "球面"}, {R::Min, "緯度"}}, {R::Equ1, R::Min, R::Moji}, {C::PointHow, C::PointName, C::LabelPosition},
       {}},
      {"space point", 3, 8, 255, {"1", "2", "E", "3"}, nullptr, "空間の点",
       {{R::Equ1, "ｘ座標"}, {R::Equ22, "ｚ座標"}}, {R::Equ1, R::Equ2, R::Equ22, R::Moji}, {C::PointHow}, {C::LineKind}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetUiStateForTest();
    doc.Dimension = static_cast<uint8_t>(c.dimension);
    AddPoint('A', "0", "0");
    AddPoint('B', "1", "0");
    const int e = Add(c.kind, c.subkind);
    for (size_t k = 0; k < c.texts.size(); ++k) doc.FigureTable[e].texts[k] = sj(c.texts[k]);
    if (c.kind == kKindPoint) doc.FigureTable[e].letter = static_cast<uint8_t>(PointNumber('E'));
    if (c.kind == kKindRelation) doc.FigureTable[e].option63 = static_cast<uint8_t>(EquationKindOfFormula(sj(c.texts[0])));
    Refresh();
    Correct(e);
    const EntryFormView& v = form->View();
    if (c.caption) {
      EXPECT_EQ(sjis::ToUtf8(v.caption), c.caption);
    }
    if (c.title) {
      EXPECT_EQ(sjis::ToUtf8(v.label7), c.title);
    }
    for (const auto& [row, caption] : c.rowCaptions) EXPECT_EQ(sjis::ToUtf8(v.Row(row).caption), caption);
    EXPECT_EQ(v.order, c.rows);
    for (C shown : c.shown) EXPECT_TRUE(v.Shown(shown)) << "shown " << static_cast<int>(shown);
    for (C hidden : c.hidden) EXPECT_FALSE(v.Shown(hidden)) << "hidden " << static_cast<int>(hidden);
  }
}

TEST_F(EntryFormSetupTest, FieldsShowTheirTexts) {
  AddPoint('A', "0", "0");
  const int circle = Add(kKindFigure, 8, {"A", "2"});
  const int point = NewPoint('E', 13);
  doc.FigureTable[point].texts[0] = "1";
  doc.FigureTable[point].texts[1] = "2";
  Refresh();
  Correct(point);
  // Figures named by number show as "s" + number.
  EXPECT_EQ(form->View().Row(R::Equ1).texts[0], "s1");
  EXPECT_EQ(form->View().Row(R::Equ2).texts[0], "s2");
  const int polar = Add(kKindPolar, 255, {"1", "2", "3", "0", "6"});
  Correct(polar);
  EXPECT_EQ(form->View().Row(R::Equ3).texts, (std::array<std::string, 3>{"2", "3", ""}));
  EXPECT_EQ(form->View().Row(R::Min).texts[0], "0");
  EXPECT_EQ(form->View().Row(R::Min).texts[1], "6");
  EXPECT_EQ(form->View().Row(R::Equ23).texts[0], "0.1");
  (void)circle;
}

TEST_F(EntryFormSetupTest, TheDerivativeButtonIsOfferedForAFunctionWithoutOne) {
  struct Case {
    const char* name;
    int entries, coordinates, mode, link;
    const char* formula;
    bool offered;
  };
  const Case cases[] = {
      {"offered", 39, 0, 1, 0, "x^2", true},         {"40 entries", 40, 0, 1, 0, "x^2", false},
      {"logarithmic axes", 39, 2, 1, 0, "x^2", false}, {"has one", 39, 0, 1, 2, "x^2", false},
      {"new entry", 39, 0, 0, 0, "x^2", false},        {"an equation", 39, 1, 1, 0, "x^2=1", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ResetUiStateForTest();
    for (int i = 0; i < c.entries; ++i) Add(kKindExplicit, 255, {c.formula});
    doc.FigureTable[1].link = static_cast<uint8_t>(c.link);
    doc.CoordinateSystem = static_cast<uint8_t>(c.coordinates);
    Open(1, c.mode);
    EXPECT_EQ(form->View().Shown(C::DefButton), c.offered);
    EXPECT_EQ(form->View().Shown(C::PointHow), std::string(c.formula) == "x^2=1");
  }
}

TEST_F(EntryFormSetupTest, ADerivativeGoesInOrderAndEveryLinkFollows) {
  Add(kKindExplicit, 255, {"x^2"});
  Add(kKindExplicit, 255, {"sin(x)"});
  const int old = Add(kKindDerivative, 255, {"cos(x)"});
  doc.FigureTable[old].link = 2;
  doc.FigureTable[2].link = static_cast<uint8_t>(old);
  const int point = AddPoint('A', "0", "0");
  Refresh();
  ASSERT_EQ(doc.PointLetterEntry[PointNumber('A')], point);
  ui.EntryModified = 0;
  Correct(1);
  form->DefButtonClick();
  ASSERT_EQ(doc.EntryCount, 5);
  EXPECT_EQ(doc.KindCounts[kKindDerivative], 2);
  EXPECT_EQ(doc.FigureTable[3].kind, kKindDerivative);
  EXPECT_EQ(doc.FigureTable[1].link, 3);
  EXPECT_EQ(doc.FigureTable[2].link, 4);  // its derivative moved up
  EXPECT_EQ(doc.FigureTable[3].link, 1);
  EXPECT_EQ(doc.FigureTable[4].link, 2);
  EXPECT_EQ(doc.FigureTable[4].texts[0], "cos(x)");
  EXPECT_EQ(doc.PointLetterEntry[PointNumber('A')], 5);
  std::string derivative;
  DifferentiateFormulaText("x^2", node::VarX, derivative);
  EXPECT_EQ(doc.FigureTable[3].texts[0], derivative);
  EXPECT_EQ(ui.EntryModified, 1);
  // The window now shows the derivative.
  EXPECT_EQ(EditedEntryIndex, 3);
  EXPECT_EQ(form->EntryFormMode, 2);
  EXPECT_EQ(form->View().upDownMax, 5);
  EXPECT_EQ(sjis::ToUtf8(form->View().label7), "y1の導 関 数 ");
  EXPECT_FALSE(form->View().equ1Enabled);
  EXPECT_FALSE(form->View().Shown(C::DefButton));
  EXPECT_FALSE(form->EditField(F::Equ1));

  // The derivative of the second function goes behind the first one's.
  ResetUiStateForTest();
  Add(kKindExplicit, 255, {"x^2"});
  Add(kKindExplicit, 255, {"x^3"});
  const int first = Add(kKindDerivative);
  doc.FigureTable[first].link = 1;
  doc.FigureTable[1].link = static_cast<uint8_t>(first);
  Correct(2);
  form->DefButtonClick();
  EXPECT_EQ(EditedEntryIndex, 4);
  EXPECT_EQ(doc.FigureTable[2].link, 4);
  EXPECT_EQ(doc.FigureTable[1].link, 3);
}

TEST_F(EntryFormSetupTest, AFigureChangesItsType) {
  AddPoint('A', "0", "0");
  AddPoint('B', "3", "0");
  AddPoint('C', "0", "3");
  const int segment = Add(kKindFigure, 3, {"A", "B"});
  doc.FigureTable[segment].letter = static_cast<uint8_t>(PointNumber('A'));
  doc.FigureTable[segment].letter2 = static_cast<uint8_t>(PointNumber('B'));
  doc.FigureTable[segment].dashed = 1;
  Refresh();

  // A segment becomes a ray: the two points stay.
  Correct(segment);
  input.Script({Tool(5)});
  form->ChangeFigureType();
  EXPECT_EQ(doc.FigureTable[segment].subkind, 5);
  EXPECT_EQ(doc.FigureTable[segment].texts[0], "A");
  EXPECT_EQ(doc.FigureTable[segment].dashed, 1);
  EXPECT_TRUE(input.keyboardCalls.empty());
  EXPECT_EQ(sjis::ToUtf8(form->View().label7), "半直線AB");

  // A circle needs its own fields; cancelling them gives the figure back as it was.
  const Tfuncprop ray = doc.FigureTable[segment];
  input.Script({Tool(8), Pick('C'), Cancel()});
  form->ChangeFigureType();
  EXPECT_EQ(doc.FigureTable[segment], ray);
  EXPECT_EQ(form->FigureToolCode, 5);
  // Its old second end may be the centre.
  input.Script({Tool(8), Pick('B'), Type("2")});
  form->ChangeFigureType();
  const Tfuncprop& circle = doc.FigureTable[segment];
  EXPECT_EQ(circle.subkind, 8);
  EXPECT_EQ(circle.texts[0], "B");
  EXPECT_EQ(circle.texts[1], "2");
  EXPECT_EQ(circle.dashed, 0);
  EXPECT_EQ(form->View().order, (std::vector<R>{R::Equ1, R::Min}));

  // A figure that a point is built on keeps its type.
  doc.FigureTable[segment].usedByPoint = 1;
  const Tfuncprop used = doc.FigureTable[segment];
  form->ChangeFigureType();
  EXPECT_EQ(input.messages, std::vector<std::string>{"他の式で使っているので種類を変更できません"});
  EXPECT_EQ(doc.FigureTable[segment], used);
}

TEST_F(EntryFormSetupTest, ANewPointNamedAgainTakesItsNewLetterAsLabel) {
  AddPoint('A', "0", "0");
  const int segment = Add(kKindFigure, 3, {"A", "E"});
  doc.FigureTable[segment].letter2 = static_cast<uint8_t>(PointNumber('E'));
  const int point = NewPoint('E', 255);
  Refresh();
  input.Script({Type("1"), Type("2")});
  Enter(point, 0);
  input.refusalsFail = false;
  input.Script({Pick('A')});  // a letter in use is not offered
  form->ChangePointLetter();
  EXPECT_EQ(doc.FigureTable[point].letter, PointNumber('E'));
  input.Script({Pick('M')});
  form->ChangePointLetter();
  const Tfuncprop& e = doc.FigureTable[point];
  EXPECT_EQ(e.letter, PointNumber('M'));
  EXPECT_EQ(e.texts[2], "M");
  EXPECT_EQ(form->View().Row(R::Moji).texts[0], "M");
  EXPECT_EQ(doc.FigureTable[segment].texts[1], "M");
  EXPECT_EQ(doc.FigureTable[segment].letter2, PointNumber('M'));
  EXPECT_EQ(sjis::ToUtf8(form->View().label7), "平面の点");
  // A cancelled new point takes its name back before the navigator removes it.
  form->CancelClicked();
  EXPECT_EQ(doc.FigureTable[segment].texts[1], "E");
  EXPECT_EQ(doc.FigureTable[point].letter, PointNumber('E'));
}

}  // namespace
