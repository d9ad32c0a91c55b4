// Setting the entry window up for an entry: title, captions, the rows of fields by layout
// code, and the style controls the entry's kind and type call for.
#include <algorithm>

#include "formula/DocumentState.h"
#include "formula/Evaluator.h"
#include "formula/TableServices.h"
#include "platform/Runtime.h"
#include "platform/Sjis.h"
#include "ui/EntryDescriptions.h"
#include "ui/EntryFormController.h"
#include "ui/EntryFormHost.h"
#include "ui/EntryFormState.h"

namespace {

using C = EntryControl;
using R = EntryRow;

}  // namespace

bool EntryFormView::RowShown(EntryRow r) const { return std::find(order.begin(), order.end(), r) != order.end(); }

// The controls as the window is created.
void EntryFormController::ResetControls() {
  view_.shown.fill(false);
  view_.Show(C::ContPanel);
  view_.Show(C::LineKind);
  view_.caption.clear();
  view_.label7.clear();
  for (EntryFieldRow& row : view_.rows) row = EntryFieldRow{};
  view_.Row(R::Equ1).caption = sj(" 式");
  view_.Row(R::Moji).caption = sj(" 文字");
  view_.Row(R::Equ23).caption = sj(" tの増分");
  view_.bdvisCaption = sj("境界表示");
  view_.bdvisTop = 32;
  view_.equ1Enabled = true;
  view_.order.clear();
}

void EntryFormController::LayoutFields(int code) {
  EntryFormView& v = view_;
  v.equ1Enabled = true;
  for (C c : {C::LabelPosition, C::Bdvis, C::PointName, C::LineImage, C::Func3dColor, C::BrushPanel, C::PlaneKind,
              C::Max})
    v.Hide(c);
  v.label8 = sj("  ～");
  auto bdvis = [&](const char* caption) {
    v.Show(C::Bdvis);
    v.bdvisCaption = sj(caption);
  };
  switch (code) {
    case 1: v.order = {R::Equ1}; break;
    case 2:
      v.order = {R::Equ1};
      v.Show(C::BrushPanel);
      bdvis("境界表示");
      v.Hide(C::LineKind);
      break;
    case 3: v.order = {R::Equ1, R::Equ2, R::Min, R::Equ23}; break;
    case 4: v.order = {R::Equ1, R::Equ3, R::Min, R::Equ23}; break;
    case 5: v.order = {R::Equ1, R::Equ2}; break;
    case 9: v.order = {R::Equ1, R::Equ2, R::Moji}; break;
    case 10: v.order = {R::Equ1, R::Equ2, R::Equ22}; break;
    case 11:
      v.order = {R::Equ1};
      v.Show(C::BrushPanel);
      break;
    case 12: v.order = {R::Equ1, R::Moji}; break;
    case 13:
    case 30:
      v.order = {R::Equ1, R::Min, R::Moji};
      v.label8 = sj(code == 13 ? "  対" : " 経度");
      if (code == 30) v.Show(C::PointName);
      break;
    case 14:
      v.order = {R::Equ1, R::Equ2, R::Min, R::Moji};
      v.label8 = sj(" 倍率");
      break;
    case 15: v.order = {R::Equ1, R::Min}; break;
    case 16: v.order = {R::Equ1, R::Min, R::Moji}; break;
    case 17: v.order = {R::Equ1, R::Equ2, R::Equ3}; break;
    case 24:
      v.order = {R::Equ1, R::Equ3};
      v.Row(R::Equ3).caption = sj("法線方向");
      v.Show(C::PlaneKind);
      break;
    case 25:
      v.order = {R::Equ1, R::Min, R::Equ3};
      v.Row(R::Equ3).caption = sj("法線方向");
      v.label8.clear();
      break;
    case 26:
    case 101:
      v.order = {R::Equ1, R::Equ2, R::Equ22, R::Moji};
      v.Row(R::Equ1).caption = sj("ｘ座標");
      v.Row(R::Equ2).caption = sj("ｙ座標");
      v.Row(R::Equ22).caption = sj("ｚ座標");
      v.Row(R::Moji).caption = sj("ラベル");
      v.Show(C::LabelPosition);
      v.Show(C::PointName);
      v.Hide(C::LineKind);
      break;
    case 27:
      v.order = {R::Equ1, R::Equ2, R::Equ22, R::Min, R::Equ23};
      v.Row(R::Equ1).caption = sj(" ｆ(ｔ)＝");
      v.Row(R::Equ2).caption = sj(" ｇ(ｔ)＝");
      v.Row(R::Equ22).caption = sj(" ｈ(ｔ)＝");
      break;
    case 100:
      v.order = {R::Equ1, R::Equ2, R::Moji};
      v.Show(C::UpDown1);
      break;
    default: v.order = {R::Equ1}; break;
  }
  // The second value of minpanel: both ends of a range of t, the two ratios, angle and
  // factor, latitude and longitude.
  const bool withMax = code == 3 || code == 4 || code == 13 || code == 14 || code == 27 || code == 30;
  v.Show(C::Max, withMax);
  // In the plane, equ3panel holds two values (a centre) and its bracket closes behind equ4.
  v.Show(C::Equ5, Space());
  Restack();
}

void EntryFormController::Restack() {
  namespace L = entry_layout;
  EntryFormView& v = view_;
  v.rowTop.fill(0);
  int y = L::kTitleHeight;
  for (EntryRow r : v.order) {
    v.rowTop[static_cast<size_t>(r)] = y;
    y += L::kRowHeight;
  }
  v.contTop = y;
  if (v.Shown(C::ContPanel)) y += L::kContHeight;
  if (v.Shown(C::Func3dColor)) {
    v.func3dTop = y + L::kFunc3dGap;
    y = v.func3dTop + L::kFunc3dHeight;
  }
  v.brushTop = y;
  if (v.Shown(C::BrushPanel)) y += L::kBrushHeight;
  v.syuuTop = y;
  v.formHeight = y + L::kSyuuHeight;
}

// ---- texts ---------------------------------------------------------------------------

std::string EntryFormController::FieldText(EntryField field) const {
  const Tfuncprop& e = Entry();
  const EntryFieldSpec spec = FieldSpecFor(e, Space(), field, view_.upDownPosition);
  switch (spec.source) {
    case FieldSource::None: return "";
    case FieldSource::SequencePoint: {
      const size_t i = static_cast<size_t>(view_.upDownPosition - 1);
      if (e.letter < 1 || e.letter > kMaxPoints || i >= doc.PointSequences[e.letter].size()) return "";
      const TSpacePoint& p = doc.PointSequences[e.letter][i];
      return rtl::FloatToStr(spec.axis == 0 ? p.x : spec.axis == 1 ? p.y : p.z);
    }
    case FieldSource::FigureNumber:
      return e.texts[spec.text].empty() ? std::string() : "s" + e.texts[spec.text];
    default: return spec.text == kStepText ? e.stepText : e.texts[spec.text];
  }
}

void EntryFormController::RefreshFieldTexts() {
  for (EntryField f : {EntryField::Equ1, EntryField::Equ2, EntryField::Equ3, EntryField::Equ4, EntryField::Equ5,
                       EntryField::Min, EntryField::Max, EntryField::Equ22, EntryField::Equ23}) {
    const auto [row, i] = FieldPlace(f);
    view_.Row(row).texts[static_cast<size_t>(i)] = FieldText(f);
  }
  const Tfuncprop& e = Entry();
  view_.Row(R::Moji).texts[0] = e.kind == kKindPoint ? e.texts[2] : std::string();
}

void EntryFormController::RefreshDescription() {
  const Tfuncprop& e = Entry();
  if (e.kind == kKindFigure) {
    view_.label7 = DescribeFigureEntry(e);
  } else if (e.kind == kKindPoint) {
    view_.label7 = e.subkind == 100 ? sj("点列番号  ") + rtl::IntToStr(view_.upDownPosition) : DescribePointEntry(e);
  }
}

// ---- the plane -----------------------------------------------------------------------

void EntryFormController::SetupPlaneEntry(int entry) {
  ResetControls();
  Tfuncprop& e = doc.FigureTable[entry];
  EntryFormView& v = view_;
  StepValue = EvaluateText(e.stepText, 0, 0, 0);
  v.Show(C::CancelBT);
  const std::string name = sj(KindName(e.kind, false));
  switch (e.kind) {
    case kKindExplicit: v.label7 = name + "y" + rtl::IntToStr(entry); break;
    case kKindDerivative: v.label7 = "y" + rtl::IntToStr(e.link) + sj("の") + name; break;
    case kKindRelation: v.label7 = sj("等号や不等号を使った数式"); break;
    case kKindParametric: v.label7 = sj("ｘ＝ｆ（ｔ），ｙ＝ｇ（ｔ）の表す曲線"); break;
    case kKindPolar: v.label7 = name + sj("　ｒ＝ｆ(ｔ)"); break;
    default: break;
  }
  v.caption = name + sj("の入力・訂正");
  v.Row(R::Equ1).caption = sj(" 数式");
  v.Show(C::DelButton, EntryFormMode == 1);
  if (e.kind == kKindExplicit) {
    v.Show(C::DefButton, EntryFormMode == 1 && e.link == 0 && doc.EntryCount < 40 && doc.CoordinateSystem < 2);
    if (FormulaIsEquation(e.texts[0])) {
      // Solutions of an equation are marked, filled or open, and have no derivative.
      v.Hide(C::DefButton);
      v.Show(C::PointHow);
    }
  }
  v.Show(C::ArrowKind, e.arrowAtEnd != 0);
  switch (e.kind) {
    case kKindExplicit:
      v.Row(R::Equ1).caption = sj(" ｆ(ｘ)＝");
      LayoutFields(1);
      break;
    case kKindDerivative:
      LayoutFields(1);
      v.equ1Enabled = false;
      break;
    case kKindRelation:
      DrawColorStyleSelector(brush_, e.brushStyle, e.brushColor, 0);
      LayoutFields(e.option63 == 1 ? 1 : 2);
      break;
    case kKindParametric:
      v.Show(C::ArrowCheck);
      v.Row(R::Equ1).caption = sj(" ｆ(ｔ)＝");
      v.Row(R::Equ2).caption = sj(" ｇ(ｔ)＝");
      v.Row(R::Min).caption = sj("ｔの範囲");
      LayoutFields(3);
      break;
    case kKindPolar:
      v.Show(C::ArrowCheck);
      v.Row(R::Equ1).caption = sj(" ｆ(t)＝");
      v.Row(R::Equ3).caption = sj(" 中心");
      v.Row(R::Min).caption = sj(" ｔの範囲");
      LayoutFields(4);
      break;
    case kKindFigure: SetupPlaneFigure(e); break;
    case kKindPoint: SetupPointRows(e); break;
    default: LayoutFields(1); break;
  }
  RefreshFieldTexts();
  Restack();
  Changed();
}

void EntryFormController::SetFigureCaptions(int type) {
  const bool space = Space();
  auto set = [this](const char* a, const char* b, const char* c) {
    view_.Row(R::Equ1).caption = sj(a);
    view_.Row(R::Equ2).caption = sj(b);
    view_.Row(R::Equ22).caption = sj(c);
  };
  if (space && type == 7) return set("球面", "球面上の\r\n点列", "");
  if (space && type == 9) return set("円の中心", "", "");
  if (space && type == 10) {
    set("球面", "球と円の中\r\n心間の距離", "");
    view_.Row(R::Equ3).caption = sj("法線方向");
    return;
  }
  if (space && type == 11) return set("始点", "軸", "回転角");
  switch (type) {
    case 1: return set("点", "x方向", "y方向");
    case 2:
    case 3:
    case 4:
    case 5:
    case 9: return set("点１", "点２", type == 9 ? "半径比率" : "半径");
    case 6:
    case 7:
    case 10:
    case 12: return set("点列", "", "");
    case 11: return set("始点", "中心の点", "回転角");
    default: return;
  }
}

void EntryFormController::SetupPlaneFigure(Tfuncprop& e) {
  EntryFormView& v = view_;
  const int type = e.subkind;
  FigureToolCode = e.subkind;
  SetFigureCaptions(type);
  switch (type) {
    case 0:
    case 2:
    case 3:
    case 5: LayoutFields(5); break;
    case 4:
      LayoutFields(5);
      v.Show(C::ArrowKind);
      break;
    case 6:
      LayoutFields(1);
      v.Show(C::LineConect);
      break;
    case 7:
      DrawColorStyleSelector(brush_, e.brushStyle, e.brushColor, 0);
      LayoutFields(11);
      break;
    case 8:
      v.Row(R::Equ1).caption = sj("円の中心");
      v.Row(R::Min).caption = sj("半径");
      LayoutFields(15);
      break;
    case 10: LayoutFields(1); break;
    case 12:
      v.Hide(C::LineKind);
      v.Show(C::ArgChoice);
      v.Row(R::Equ2).caption = sj("半径(ドット)");
      if (e.texts[1].empty()) e.texts[1] = "20";
      LayoutFields(5);
      break;
    default: LayoutFields(10); break;
  }
  v.Show(C::SegKind, type == 3);
  v.Show(C::LineImage);
  RefreshDescription();
}

// The rows of a point by its construction, then what every point shows.
void EntryFormController::SetupPointRows(Tfuncprop& e) {
  EntryFormView& v = view_;
  const bool space = Space();
  const int code = e.signedSubkind();
  const PointRowSpec rows = PointRowsFor(code, space);
  if (!space) v.Row(R::Equ2).caption = sj("直線");
  if (rows.first) v.Row(R::Equ1).caption = sj(rows.first);
  if (rows.second) v.Row(R::Equ2).caption = sj(rows.second);
  if (rows.range) v.Row(R::Min).caption = sj(rows.range);
  LayoutFields(rows.layout);
  if (code == 100) v.Show(C::UpDown1);
  if (space) {
    v.label7 = code == 30 ? sj("球面上の点") : DescribePointEntry(e);
    v.Show(C::PointHow);
  }
  if (!space || code == 100) RefreshDescription();
  v.Show(C::PointName);
  v.Show(C::LabelPosition);
  v.Row(R::Moji).caption = sj("ラベル");
  v.Hide(C::LineKind);
}

// ---- space ---------------------------------------------------------------------------

void EntryFormController::SetupSpaceEntry(int entry) {
  ResetControls();
  Tfuncprop& e = doc.FigureTable[entry];
  EntryFormView& v = view_;
  geometry.left = EntryHost().NavigatorLeft() + 4;
  const std::string name = sj(KindName(e.kind, true));
  v.caption = name + sj("の入力");
  v.label7 = name;
  v.Show(C::DelButton, EntryFormMode == 4);
  const int type = e.subkind;
  const bool figure = e.kind == kKindFigure;
  v.Show(C::LineKind, figure && ((type >= 2 && type <= 7) || (type >= 9 && type <= 11)));
  switch (e.kind) {
    case kKindExplicit:
      v.Row(R::Equ1).caption = sj(" z") + rtl::IntToStr(entry) + "=";
      LayoutFields(1);
      v.Hide(C::ContPanel);
      v.Show(C::Func3dColor);
      break;
    case kKindParametric:
      v.Row(R::Min).caption = sj("ｔの範囲");
      LayoutFields(27);
      v.Show(C::LineKind);
      break;
    case kKindFigure: SetupSpaceFigure(e); break;
    case kKindPoint: SetupPointRows(e); break;
    default: LayoutFields(1); break;
  }
  RefreshFieldTexts();
  Restack();
  Changed();
}

void EntryFormController::SetupSpaceFigure(Tfuncprop& e) {
  EntryFormView& v = view_;
  const int type = e.subkind;
  FigureToolCode = e.subkind;
  SetFigureCaptions(type);
  auto bdvis = [&](const char* caption, int top) {
    v.Show(C::Bdvis);
    v.bdvisCaption = sj(caption);
    v.bdvisTop = top;
  };
  switch (type) {
    case 1: LayoutFields(24); break;
    case 6:
      LayoutFields(1);
      v.Show(C::LineConect);
      break;
    case 7:
      LayoutFields(5);
      bdvis("球の裏側", 32 + 40);
      break;
    case 8:
      v.Row(R::Equ1).caption = sj("球の中心");
      v.Row(R::Min).caption = sj("半径");
      LayoutFields(15);
      bdvis("赤道表示", 32);
      break;
    case 9:
      v.Row(R::Min).caption = sj("半径");
      LayoutFields(25);
      break;
    case 10:
      LayoutFields(17);
      bdvis("球の裏側", 32);
      break;
    case 11: LayoutFields(10); break;
    case 12:
      v.Row(R::Equ2).caption = sj("半径(ドット)");
      if (e.texts[1].empty()) e.texts[1] = "20";
      LayoutFields(5);
      break;
    default: LayoutFields(5); break;
  }
  v.Show(C::LineImage);
}
