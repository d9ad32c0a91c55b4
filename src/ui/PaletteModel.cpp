#include "ui/PaletteModel.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <functional>

#include "formula/DocumentState.h"
#include "formula/Evaluator.h"
#include "formula/FigureTable.h"
#include "formula/Parser.h"
#include "ui/SelectorDrawing.h"

PaletteModel clpanel;

namespace {

bool InSpace() { return doc.Dimension == 3; }
bool IsToolMode(int mode) { return mode == 5 || (mode >= 49 && mode <= 52); }
bool IsFigureMode(int mode) { return mode >= 7 && mode <= 12; }

// Point number (PointNameOrder position, 1..25) of a capital letter; 0 for anything else.
int PointNumberOf(char c) {
  const char* p = c ? std::strchr(PointNameOrder, c) : nullptr;
  const int n = p ? static_cast<int>(p - PointNameOrder) + 1 : 0;
  return n >= 1 && n <= kMaxPoints ? n : 0;
}

// Calls f(entry, figure number) for every figure entry, in table order.
void ForEachFigure(const std::function<void(const Tfuncprop&, int)>& f) {
  int figure = 0;
  for (int e = 1; e <= doc.EntryCount; ++e)
    if (doc.FigureTable[e].kind == kKindFigure) f(doc.FigureTable[e], ++figure);
}

const Tfuncprop* FigureEntry(int figure) {
  const Tfuncprop* found = nullptr;
  ForEachFigure([&](const Tfuncprop& e, int n) {
    if (n == figure) found = &e;
  });
  return found;
}

int CollectFigures(const std::function<bool(const Tfuncprop&, int)>& wanted) {
  doc.FigureKindList.clear();
  ForEachFigure([&](const Tfuncprop& e, int n) {
    if (wanted(e, n)) doc.FigureKindList.push_back(n);
  });
  return static_cast<int>(doc.FigureKindList.size());
}

// The value of a radius text; the caller's parse and evaluation flags are left alone.
bool RadiusValue(const std::string& text, Extended& value) {
  const EngineFlags saved = eng;
  const TreePtr tree = ParseExpression(text, 3);
  bool ok = tree && eng.ParseOK;
  if (ok) {
    value = EvaluateTree(tree.get(), 0, 0, 0);
    ok = eng.EvalOK && std::isfinite(value);
  }
  eng = saved;
  return ok;
}

bool SphereExists() {
  bool found = false;
  ForEachFigure([&](const Tfuncprop& e, int) { found = found || e.subkind == 8; });
  return found;
}

bool CircleWithPointsExists() {
  bool found = false;
  ForEachFigure([&](const Tfuncprop& e, int n) { found = found || (e.subkind == 8 && CountPointsOnCircle(n, false) > 1); });
  return found;
}

// clang-format off
constexpr const char* kToolCaptions[kToolButtons][2] = {
    {"点と方向で決まる直線", "点と法線で決まる平面"},
    {"２点を通る直線", "２点を通る直線"},
    {"２点を結ぶ線分", "２点を結ぶ線分"},
    {"２点を結ぶ有向線分", "２点を結ぶ有向線分"},
    {"２点を結ぶ半直線", "２点を結ぶ半直線"},
    {"折れ線", "折れ線"},
    {"多角形(周囲と内部)", "球面上の2点を結ぶ測地線"},
    {"中心と半径で決まる円", "中心と半径で決まる球"},
    {"線分の補助線", "中心と半径と垂線方向で決まる円"},
    {"ベジェ曲線", "球面上の円"},
    {"円弧", "直線を中心にした弧"},
    {"角の補助線", "角の補助線"},
};
// clang-format on

}  // namespace

int NameOrderToAlphaIndex(int n) {
  if (n < 1 || n > kLetterButtons) return 0;
  return static_cast<int>(std::strchr(PointDisplayOrder, PointNameOrder[n - 1]) - PointDisplayOrder) + 1;
}

int AlphaIndexToNameOrder(int i) {
  if (i < 1 || i > kLetterButtons) return 0;
  return static_cast<int>(std::strchr(PointNameOrder, PointDisplayOrder[i - 1]) - PointNameOrder) + 1;
}

gfx::Rect LetterButtonRect(int i) {
  if (i == kLetterButtons) return {245, 3, 278, 23};
  const int left = 20 + ((i - 1) % 5) * 45, top = 3 + ((i - 1) / 5) * 23;
  return {left, top, left + 33, top + 20};
}

gfx::Rect ToolButtonRect(int i) {
  const int left = 12 + ((i - 1) % 6) * 38, top = 10 + ((i - 1) / 6) * 48;
  return {left, top, left + 35, top + 35};
}

int MapSpaceTool(int tool) {
  switch (tool) {
    case 7: return 9;
    case 9: return 10;
    case 10: return 7;
    default: return tool;
  }
}

const char* GetFigureToolCaption(int tool) {
  if (tool < 1 || tool > kToolButtons) return "";
  return kToolCaptions[tool - 1][InSpace() ? 1 : 0];
}

const char* ToolButtonCaption(int tool) { return GetFigureToolCaption(InSpace() ? MapSpaceTool(tool) : tool); }

PaletteModel::PaletteModel() {
  ShowLetters();
  letters_[kLetterButtons].available = false;
  tools_[10].available = false;  // the program starts in the plane
}

void PaletteModel::ShowLetters() {
  for (int i = 1; i <= kLetterButtons; ++i) {
    letters_[i].shown = true;
    letters_[i].caption = std::string(1, PointDisplayOrder[i - 1]);
  }
}

void PaletteModel::SetPointAvailable(int n, bool available) {
  if (const int i = NameOrderToAlphaIndex(n)) letters_[i].available = available;
}

bool PaletteModel::PointAvailable(int n) const {
  const int i = NameOrderToAlphaIndex(n);
  return i && letters_[i].available;
}

void PaletteModel::SetToolAvailability(int mode) {
  for (ToolButton& t : tools_) t = ToolButton{};
  const bool space = InSpace();
  if (!space) tools_[10].available = false;
  if (mode == 5) {
    if (doc.KindCounts[kKindPoint] < 3)
      for (int t : {6, 7, 12}) tools_[t].available = false;
    if (space) tools_[11].available = false;
  }
  if (mode == 49)
    for (ToolButton& t : tools_) t.available = false;
  if (mode == 50) {
    for (int t : {2, 3, 4, 5, 6, 7, 11, 12}) tools_[t].available = false;
    if (!space) tools_[9].available = false;
  }
  if (mode == 52) tools_[10].available = true;
  if (mode == 49) return;  // offers nothing
  if (PolygonOption) tools_[6].available = true;
  if (space) {
    // What each figure needs: a sphere for a circle on it, a sphere with two points on it
    // for a geodesic, one single point for the centre of a circle.
    tools_[9].available = tools_[9].available && SphereExists();
    tools_[10].available = tools_[10].available && CircleWithPointsExists();
    tools_[7].available = CountSinglePointFigures() > 0;
  }
}

bool PaletteModel::ShowsTools() const { return IsToolMode(ClpanelMode); }
bool PaletteModel::OkVisible() const { return ShowsTools() || ClpanelMode == 6; }

void PaletteModel::Show() {
  const int mode = ClpanelMode;
  pressedLetter_ = 0;
  if (!IsFigureMode(mode)) ShowLetters();
  switch (mode) {
    case 1:
    case 2:
    case 4: caption_ = "点の指定"; break;
    case 3: caption_ = ui.PendingPointConstruction == 100 ? "点列の名前の設定" : "点の名前の設定"; break;
    case 6: caption_ = "点列の入力"; break;
    case 7: caption_ = "円の入力"; break;
    case 8: caption_ = "直線の入力"; break;
    case 9:
    case 11: caption_ = "平面の選択"; break;
    case 10:
    case 12: caption_ = "球面の選択"; break;
    default:
      if (IsToolMode(mode)) caption_ = InSpace() ? "直線・線分・円・球の入力" : "直線・線分・円の入力";
      break;
  }
  if (IsToolMode(mode)) {
    SetToolAvailability(mode);
    ChosenFigureType = 0;
  }
  if (mode == 1 || mode == 3 || mode == 4 || mode == 6) SetPointAvailable(ClpanelResult, true);
  ClpanelResult = 0;
}

int PaletteModel::LetterAt(int x, int y) const {
  std::array<gfx::Rect, kLetterButtons> rects;
  for (int i = 1; i <= kLetterButtons; ++i) rects[i - 1] = LetterButtonRect(i);
  const int i = HitTestRects(rects, kLetterButtons - 1, x, y);
  return i && letters_[i].shown ? i : 0;
}

int PaletteModel::ToolAt(int x, int y) const {
  std::array<gfx::Rect, kToolButtons> rects;
  for (int i = 1; i <= kToolButtons; ++i) rects[i - 1] = ToolButtonRect(i);
  return HitTestRects(rects, kToolButtons - 1, x, y);
}

PaletteModel::Outcome PaletteModel::MouseDown(int x, int y) {
  if (ShowsTools()) {
    const int t = ToolAt(x, y);
    if (!t || !tools_[t].available || tools_[t].down) return Outcome::None;
    for (ToolButton& b : tools_) b.down = false;
    tools_[t].down = true;
    ChosenFigureType = static_cast<std::uint8_t>(InSpace() ? MapSpaceTool(t) : t);
    caption_ = ToolButtonCaption(t);
    return Outcome::Redraw;
  }
  const int mode = ClpanelMode;
  const int i = LetterAt(x, y);
  if (!i || !letters_[i].available || !(mode == 3 || mode == 4 || mode == 6 || mode == 9 || mode == 10))
    return Outcome::None;
  pressedLetter_ = i;
  return Outcome::Redraw;
}

PaletteModel::Outcome PaletteModel::MouseUp(int x, int y) {
  if (ShowsTools()) return Outcome::None;
  const bool wasPressed = pressedLetter_ != 0;
  pressedLetter_ = 0;
  const int i = LetterAt(x, y);
  if (!i || !letters_[i].available) return wasPressed ? Outcome::Redraw : Outcome::None;
  const int mode = ClpanelMode;
  if (mode == 1) {
    letterToInsert_ = PointDisplayOrder[i - 1];
    return Outcome::InsertLetter;
  }
  if (IsFigureMode(mode)) {
    ClpanelResult = static_cast<std::uint8_t>(i);
    return Outcome::Close;
  }
  letters_[i].available = false;
  ClpanelResult = static_cast<std::uint8_t>(AlphaIndexToNameOrder(i));
  return Outcome::Close;
}

void PaletteModel::Ok() { ClpanelResult = 0; }

void PaletteModel::Cancel() {
  ClpanelResult = 0;
  ChosenFigureType = 0;
  pressedLetter_ = 0;
  if (ClpanelMode > 1) ui.InputCancelled = 1;
}

void MarkUsedPointNames(int mode, int keep, int count) {
  PaletteModel& p = clpanel;
  const bool keptAvailable = p.PointAvailable(keep);
  for (int n = 1; n <= kMaxPoints; ++n) p.SetPointAvailable(n, mode == 1);
  const int last = std::min<int>(count, doc.EntryCount);
  for (int e = 1; e <= last; ++e) {
    const Tfuncprop& entry = doc.FigureTable[e];
    if (entry.kind != kKindPoint || entry.letter < 1 || entry.letter > kMaxPoints) continue;
    const bool sequence = doc.PointSequences[entry.letter].size() >= 2;
    p.SetPointAvailable(entry.letter, mode != 1 && !(mode == 2 && sequence));
  }
  if (keep >= 1 && keep <= kMaxPoints) p.SetPointAvailable(keep, keptAvailable);
}

int CountPointsOnCircle(int figure, bool mark) {
  const Tfuncprop* circle = FigureEntry(figure);
  if (!circle || circle->subkind != 8) return 0;
  const int centre = circle->texts[0].empty() ? 0 : PointNumberOf(circle->texts[0][0]);
  Extended radius = 0;
  if (mark)
    for (int n = 1; n <= kMaxPoints; ++n) clpanel.SetPointAvailable(n, false);
  if (!centre || doc.PointSequences[centre].empty() || !RadiusValue(circle->texts[1], radius)) return 0;
  const TSpacePoint& o = doc.PointSequences[centre][0];
  int count = 0;
  for (int e = 1; e <= doc.EntryCount; ++e) {
    const Tfuncprop& entry = doc.FigureTable[e];
    if (entry.kind != kKindPoint || entry.letter < 1 || entry.letter > kMaxPoints) continue;
    const std::vector<TSpacePoint>& list = doc.PointSequences[entry.letter];
    if (list.empty()) continue;
    const TSpacePoint& q = list[0];
    const Extended dz = InSpace() ? q.z - o.z : 0;
    const Extended d = std::sqrt((q.x - o.x) * (q.x - o.x) + (q.y - o.y) * (q.y - o.y) + dz * dz);
    if (std::fabs(d - radius) > 1e-5L) continue;
    ++count;
    if (mark) clpanel.SetPointAvailable(entry.letter, true);
  }
  return count;
}

int CollectFiguresOfKind(int kind) {
  if (kind == 11)
    return CollectFigures([](const Tfuncprop& e, int) { return e.subkind == 1 || e.subkind == 9 || e.subkind == 10; });
  if (kind == 12)
    return CollectFigures([](const Tfuncprop& e, int n) { return e.subkind == 8 && CountPointsOnCircle(n, false) > 1; });
  return CollectFigures([kind](const Tfuncprop& e, int) { return e.subkind == kind; });
}

void ShowFigureNumberPicker(int current) {
  PaletteModel& p = clpanel;
  int n = 0;
  switch (p.ClpanelMode) {
    case 7:
    case 10: n = CollectFiguresOfKind(8); break;
    case 8: n = ListLineFigures(); break;
    case 9: n = CollectFiguresOfKind(1); break;
    case 11: n = CollectFiguresOfKind(11); break;
    case 12: n = CollectFiguresOfKind(12); break;
    default: break;
  }
  // As many figures as there are buttons.
  n = std::min(n, kLetterButtons - 1);
  for (int i = 1; i <= kLetterButtons; ++i) {
    PaletteModel::LetterButton& b = p.letters_[i];
    b.shown = i <= n;
    b.caption = i <= n ? "s" + std::to_string(doc.FigureKindList[i - 1]) : "";
    b.available = i <= n && doc.FigureKindList[i - 1] != current;
  }
}
