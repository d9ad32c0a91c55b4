#include "ui/EntryFormTables.h"

namespace {

using F = EntryField;

EntryFieldSpec Keyboard(int text, std::string caption, std::uint8_t kind) {
  EntryFieldSpec s;
  s.source = FieldSource::Keyboard;
  s.text = text;
  s.caption = std::move(caption);
  s.keyboardKind = kind;
  return s;
}

EntryFieldSpec Range(int text, bool upper) {
  EntryFieldSpec s = Keyboard(text, upper ? "範囲の上限" : "範囲の下限", 12);
  s.besideWindow = true;
  return s;
}

EntryFieldSpec Step() { return Keyboard(kStepText, "tの増分", 10); }

EntryFieldSpec Letters(int text, int count) {
  EntryFieldSpec s;
  s.source = FieldSource::Letters;
  s.text = text;
  s.count = count;
  return s;
}

EntryFieldSpec LetterList(int text) {
  EntryFieldSpec s;
  s.source = FieldSource::LetterList;
  s.text = text;
  return s;
}

EntryFieldSpec FigurePoint(int slot) {
  EntryFieldSpec s;
  s.source = FieldSource::FigurePoint;
  s.text = slot - 1;
  s.slot = slot;
  return s;
}

EntryFieldSpec FigureNumber(int text, int pickerMode) {
  EntryFieldSpec s;
  s.source = FieldSource::FigureNumber;
  s.text = text;
  s.pickerMode = pickerMode;
  return s;
}

EntryFieldSpec Shown(int text) {
  EntryFieldSpec s;
  s.source = FieldSource::Display;
  s.text = text;
  return s;
}

// The normal of a plane or circle in equ3, equ4, equ5.
EntryFieldSpec Normal(EntryField field) {
  if (field == F::Equ3) return Keyboard(1, "法線のx方向", 0);
  if (field == F::Equ4) return Keyboard(2, "法線のy方向", 0);
  return Keyboard(3, "法線のz方向", 0);
}

bool IsNormalField(EntryField f) { return f == F::Equ3 || f == F::Equ4 || f == F::Equ5; }

EntryFieldSpec PlaneFigure(int type, EntryField f) {
  switch (type) {
    case 1:
      if (f == F::Equ1) return FigurePoint(1);
      if (f == F::Equ2) return Keyboard(1, "x方向の値", 0);
      if (f == F::Equ22) return Keyboard(2, "y方向の値", 0);
      break;
    case 2:
    case 3:
    case 4:
    case 5:
      if (f == F::Equ1) return FigurePoint(1);
      if (f == F::Equ2) return FigurePoint(2);
      break;
    case 6:
    case 7:
      if (f == F::Equ1) return LetterList(0);
      break;
    case 8:
      if (f == F::Equ1) return FigurePoint(1);
      if (f == F::Min) return Keyboard(1, "半径", 0);
      break;
    case 9:
      if (f == F::Equ1) return FigurePoint(1);
      if (f == F::Equ2) return FigurePoint(2);
      if (f == F::Equ22) return Keyboard(2, "半径", 0);
      break;
    case 10:
      if (f == F::Equ1) return Letters(0, 4);
      break;
    case 11:
      if (f == F::Equ1) return FigurePoint(1);
      if (f == F::Equ2) return FigurePoint(2);
      if (f == F::Equ22) return Keyboard(2, "回転角", 10);
      break;
    case 12:
      if (f == F::Equ1) return Letters(0, 3);
      if (f == F::Equ2) return Keyboard(1, "半径", 0);
      break;
    default:
      break;
  }
  return {};
}

EntryFieldSpec SpaceFigure(int type, EntryField f) {
  switch (type) {
    case 1:
      if (f == F::Equ1) return FigurePoint(1);
      if (IsNormalField(f)) return Normal(f);
      break;
    case 7:
      if (f == F::Equ1) return FigureNumber(0, 12);
      if (f == F::Equ2) return Letters(1, 2);
      break;
    case 8:
      if (f == F::Equ1) return FigurePoint(1);
      if (f == F::Min) return Keyboard(1, "球の半径", 1);
      break;
    case 9:
      if (f == F::Equ1) return FigurePoint(1);
      if (f == F::Min) return Keyboard(4, "半径", 0);
      if (IsNormalField(f)) return Normal(f);
      break;
    case 10:
      if (f == F::Equ1) return FigureNumber(0, 10);
      if (f == F::Equ2) return Keyboard(4, "球の中心との距離", 3);
      if (IsNormalField(f)) return Normal(f);
      break;
    case 11:
      if (f == F::Equ1) return FigurePoint(1);
      if (f == F::Equ2) return Letters(1, 2);
      if (f == F::Equ22) return Keyboard(2, "回転角", 10);
      break;
    case 6:
      if (f == F::Equ1) return LetterList(0);
      break;
    default:
      return PlaneFigure(type, f);  // the two-point figures and the angle mark
  }
  return {};
}

// Constructed points: the operands in equ1 and equ2 and the values in Min and max.
EntryFieldSpec PointConstruction(int code, EntryField f) {
  const bool first = f == F::Equ1, second = f == F::Equ2;
  switch (code) {
    case 0:
    case 20:
    case 21:
      if (first) return Letters(0, 2);
      if (f == F::Min) return Keyboard(1, "比率１", 10);
      if (f == F::Max) return Keyboard(3, "比率２", 12);
      break;
    case 1:
    case 2:
    case 3:
    case 4:
    case 25:
      if (first) return Letters(0, 3);
      break;
    case 5:
      if (first) return Letters(0, 3);
      if (second) return Letters(1, 2);
      break;
    case 6:
    case 7:
      if (first) return Letters(0, 1);
      if (second) return Letters(1, 2);
      break;
    case 8:
      if (first || second) return Letters(first ? 0 : 1, 2);
      break;
    case 9:
    case 34:
      if (first) return Letters(0, code == 9 ? 1 : 2);
      if (second) return Letters(1, 1);
      if (f == F::Min) return Keyboard(3, "回転角", 10);
      if (f == F::Max) return Keyboard(4, "倍率", 12);
      break;
    case 10:
      if (first) return FigureNumber(0, 7);
      if (f == F::Min) return Keyboard(1, "角位置", 10);
      break;
    case 11:
    case 12:
      if (first) return FigureNumber(0, 7);
      if (second) return Letters(1, 1);
      break;
    case 13:
    case 16:
    case 17:
    case 18:
    case 19:
      if (first || second) return FigureNumber(first ? 0 : 1, 7);
      break;
    case 15:
      if (first) return FigureNumber(0, 7);
      if (second) return Letters(1, 2);
      break;
    case 26:
    case 27:
      if (first) return Letters(0, 1);
      if (second) return FigureNumber(1, 8);
      break;
    case 28:
      if (first || second) return FigureNumber(first ? 0 : 1, 8);
      break;
    case 30:
      if (first) return FigureNumber(0, 10);
      if (f == F::Min) return Keyboard(1, "緯度", 10);
      if (f == F::Max) return Keyboard(3, "経度", 12);
      break;
    case 31:
      if (first) return Letters(0, 1);
      if (second) return FigureNumber(1, 11);
      break;
    case 32:
    case 33:
      if (first) return Letters(0, 1);
      if (second) return Letters(1, 3);
      break;
    case 35:
      if (first) return Letters(0, 2);
      if (second) return Letters(1, 3);
      break;
    case 36:
    case 37:
    case 38:
    case 39:
      if (first) return Letters(0, 4);
      break;
    case 40:
      if (first) return FigureNumber(0, 10);
      if (second) return Letters(1, 2);
      break;
    case 45:
      if (first) return Letters(0, 2);
      if (second) return FigureNumber(1, 11);
      break;
    default:
      break;
  }
  return {};
}

EntryFieldSpec PointField(const Tfuncprop& e, bool space, EntryField f, int position) {
  const int code = e.signedSubkind();
  const std::string letter =
      e.letter >= 1 && e.letter <= kMaxPoints ? std::string(1, PointNameOrder[e.letter - 1]) : std::string();
  if (code == -1) {
    if (space) {
      if (f == F::Equ1) return Keyboard(0, "空間の点のｘ座標", 1);
      if (f == F::Equ2) return Keyboard(1, "空間の点のｙ座標", 1);
      if (f == F::Equ22) return Keyboard(3, "空間の点のz座標", 1);
      return {};
    }
    if (f == F::Equ1) return Keyboard(0, "点" + letter + "のｘ座標", 11);
    if (f == F::Equ2) return Keyboard(1, "点" + letter + "のｙ座標", 13);
    return {};
  }
  if (code == 100) {
    const int axis = f == F::Equ1 ? 0 : f == F::Equ2 ? 1 : f == F::Equ22 ? 2 : -1;
    if (axis < 0) return {};
    static const char* const suffix[3] = {"のｘ座標", "のy座標", "のz座標"};
    EntryFieldSpec s = Keyboard(0, "点列" + letter + std::to_string(position) + suffix[axis], axis == 0 ? 11 : 13);
    s.source = FieldSource::SequencePoint;
    s.axis = axis;
    return s;
  }
  return PointConstruction(code, f);
}

}  // namespace

PointRowSpec PointRowsFor(int code, bool space) {
  switch (code) {
    case 0:
    case 20:
    case 21: return {"線分", nullptr, "比率", 13};
    case 1:
    case 2:
    case 3:
    case 4:
    case 25: return {"△の頂点", nullptr, nullptr, 12};
    case 5: return {"△の頂点", space ? "辺" : nullptr, nullptr, 9};
    case 6:
    case 7:
    case 26:
    case 27: return {"点", "直線", nullptr, 9};
    case 8:
    case 28: return {"直線", "直線", nullptr, 9};
    case 9: return {"中心の点", "回転する点", "回転角", 14};
    case 10: return {"円", nullptr, "角位置", 16};
    case 11:
    case 12: return {"円", "円外の点", nullptr, 9};
    case 13:
    case 16:
    case 17:
    case 18:
    case 19: return {"円1", "円2", nullptr, 9};
    case 15: return {"円", "直線", nullptr, 9};
    case 30: return {"球面", nullptr, "緯度", 30};
    case 31: return {"点", "平面(円)", nullptr, 9};
    case 32:
    case 33: return {"点", "３点指定", nullptr, 9};
    case 34: return {"回転軸", "回転する点", "回転角", 14};
    case 35: return {"直線", "平面", nullptr, 9};
    case 36:
    case 37:
    case 38:
    case 39: return {"４点指定", nullptr, nullptr, 12};
    case 40: return {"球面", "直線", nullptr, 5};
    case 45: return {"直線", "平面(円)", nullptr, 9};
    case 100: return space ? PointRowSpec{nullptr, nullptr, nullptr, 26} : PointRowSpec{"ｘ座標", "ｙ座標", nullptr, 100};
    case -1: return space ? PointRowSpec{nullptr, nullptr, nullptr, 26} : PointRowSpec{"ｘ座標", "ｙ座標", nullptr, 9};
    default: return {nullptr, nullptr, nullptr, space ? 26 : 9};
  }
}

const char* KindName(int kind, bool space) {
  switch (kind) {
    case kKindExplicit: return space ? "３Ｄ陽 関 数 f(x,y)" : "陽 関 数 ";
    case kKindDerivative: return space ? "x,y,zの１次式" : "導 関 数 ";
    case kKindRelation: return space ? "２次曲面" : "図形の方程式・不等式";
    case kKindParametric: return space ? "媒介変数曲線 " : "媒介変数";
    case kKindPolar: return space ? "" : "極方程式";
    case kKindFigure: return "線分・直線・図形";
    case kKindPoint: return space ? "空間の点" : "平面の点";
    default: return "";
  }
}

EntryFieldSpec FieldSpecFor(const Tfuncprop& e, bool space, EntryField f, int position) {
  if (f == F::None) return {};
  if (f == F::Equ23) return e.kind == kKindParametric || e.kind == kKindPolar ? Step() : EntryFieldSpec{};
  switch (e.kind) {
    case kKindExplicit:
      if (f == F::Equ1)
        return space ? Keyboard(0, "3D陽関数　Z＝f(x,y) のf(x,y)", 1) : Keyboard(0, "陽関数　ｙ＝f(x) のf(x)", 0);
      break;
    case kKindDerivative:
      if (f == F::Equ1) return Shown(0);
      break;
    case kKindRelation:
      if (f == F::Equ1) return Keyboard(0, "ｘとｙの式の表す図形", 2);
      break;
    case kKindParametric:
      if (space) {
        if (f == F::Equ1) return Keyboard(0, "媒介変数　f(t)の入力", 3);
        if (f == F::Equ2) return Keyboard(1, "媒介変数　g(t)の入力", 3);
        if (f == F::Equ22) return Keyboard(4, "媒介変数　h(t)の入力", 3);
      } else {
        if (f == F::Equ1) return Keyboard(0, "媒介変数　x=f(t) のf(t)", 3);
        if (f == F::Equ2) return Keyboard(1, "媒介変数　y=g(t) のg(t)", 3);
      }
      if (f == F::Min || f == F::Max) return Range(f == F::Min ? 2 : 3, f == F::Max);
      break;
    case kKindPolar:
      if (f == F::Equ1) return Keyboard(0, "極方程式　r=f(t) のf(t)", 3);
      if (f == F::Equ3) return Keyboard(1, "中心のx座標", 10);
      if (f == F::Equ4) return Keyboard(2, "中心のy座標", 10);
      if (f == F::Min || f == F::Max) return Range(f == F::Min ? 3 : 4, f == F::Max);
      break;
    case kKindFigure:
      return space ? SpaceFigure(e.subkind, f) : PlaneFigure(e.subkind, f);
    case kKindPoint:
      return PointField(e, space, f, position);
    default:
      break;
  }
  return {};
}
