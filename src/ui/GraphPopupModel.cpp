#include "ui/GraphPopupModel.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "formula/DocumentState.h"
#include "ui/NavigatorList.h"
#include "ui/RangeForm.h"

namespace {

constexpr TGraphPopupItem kItems[] = {
    {"pplot", "点をプロット", "", false},
    {"N1", "", "", false},
    {"kousi", "格子表示", "", false},
    {"nkousi", "非表示", "kousi", true},
    {"hkousi", "幅　粗", "kousi", true},
    {"dkousi", "幅　密", "kousi", true},
    {"kousidash", "格子線種", "", false},
    {"jitukousi", "実線", "kousidash", true},
    {"dashkousi", "点線", "kousidash", true},
    {"jikuhaba", "軸の太さ", "", false},
    {"hosoi", "細い", "jikuhaba", true},
    {"hutoi", "太い", "jikuhaba", true},
    {"xjiku", "x軸設定", "", false},
    {"xshow", "軸表示", "xjiku", false},
    {"xhn", "非表示", "xjiku", false},
    {"xm", "", "xjiku", false},
    {"xm1", "普", "xjiku", true},
    {"xm2", "π", "xjiku", true},
    {"xm3", "度", "xjiku", true},
    {"xm0", "数値非表示", "xjiku", false},
    {"xm4", "数値表示", "xjiku", false},
    {"yjiku", "y軸設定", "", false},
    {"yshow", "表示", "yjiku", false},
    {"yhn", "非表示", "yjiku", false},
    {"ym", "", "yjiku", false},
    {"ym1", "普", "yjiku", true},
    {"ym2", "π", "yjiku", true},
    {"ym3", "度", "yjiku", true},
    {"ym0", "数値非表示", "yjiku", false},
    {"ym4", "数値表示", "yjiku", false},
    {"zshow", "座標軸", "", false},
    {"zahyoshow", "表示", "zshow", true},
    {"zahyoNotshow", "非表示", "zshow", true},
    {"jiku", "点から軸への垂線表示", "", false},
    {"jikuShow", "表示", "jiku", true},
    {"jikuNshow", "非表示", "jiku", true},
    {"N2", "", "", false},
    {"savepicturer2", "グラフをファイルに保存", "", false},
};

constexpr const char* kPlaneOnly[] = {"kousi", "kousidash", "jikuhaba", "xjiku", "yjiku"};
constexpr const char* kSpaceOnly[] = {"zshow", "jiku"};

// Unit items of an axis, by unit code 0..4.
constexpr std::array<const char*, 5> kXUnits = {"xm0", "xm1", "xm2", "xm3", "xm4"};
constexpr std::array<const char*, 5> kYUnits = {"ym0", "ym1", "ym2", "ym3", "ym4"};

int IndexOf(const std::array<const char*, 5>& items, std::string_view name) {
  for (size_t i = 0; i < items.size(); ++i)
    if (name == items[i]) return static_cast<int>(i);
  return -1;
}

void UpdateAxisMenus(TGraphPopupView& v) {
  auto show = [&v](const char* name, bool shown) {
    if (!shown) v.hidden.insert(name);
  };
  const bool y = doc.YAxisShown, x = doc.XAxisShown;
  show("yshow", !y);
  for (const char* n : {"yhn", "ym", "ym1", "ym2", "ym3"}) show(n, y);
  for (const char* n : {"xshow", "xm0"}) show(n, !x);
  for (const char* n : {"xhn", "xm4", "xm", "xm1", "xm2", "xm3"}) show(n, x);
}

void FollowAxesShown() { doc.CoordinateReadoutShown = doc.XAxisShown && doc.YAxisShown; }

}  // namespace

std::span<const TGraphPopupItem> GraphPopupItems() { return kItems; }

TGraphPopupView PopupMenu1Popup() {
  TGraphPopupView v;
  if (settings.AfterImageHistory || !CanAddPoint()) v.hidden.insert("pplot");
  const bool space = doc.Dimension == 3;
  for (const char* n : kPlaneOnly)
    if (space) v.hidden.insert(n);
  for (const char* n : kSpaceOnly)
    if (!space) v.hidden.insert(n);

  const char* grid[] = {"nkousi", "hkousi", "dkousi"};
  if (doc.GridSettings.kind <= 2) v.checked.insert(grid[doc.GridSettings.kind]);
  v.checked.insert(doc.GridSettings.dashed ? "dashkousi" : "jitukousi");
  if (doc.AxisWidth == 1) v.checked.insert("hosoi");
  if (doc.AxisWidth == 2) v.checked.insert("hutoi");
  if (doc.XAxisUnit >= 1 && doc.XAxisUnit <= 3) v.checked.insert(kXUnits[doc.XAxisUnit]);
  if (doc.YAxisUnit >= 1 && doc.YAxisUnit <= 3) v.checked.insert(kYUnits[doc.YAxisUnit]);
  v.checked.insert(doc.Axes3DShown ? "zahyoshow" : "zahyoNotshow");
  v.checked.insert(doc.PointPerpendicularsShown ? "jikuShow" : "jikuNshow");
  FollowAxesShown();
  UpdateAxisMenus(v);
  return v;
}

PopupEffect ChooseGraphPopupItem(std::string_view name) {
  if (name == "pplot") return PopupEffect::PlotPoint;
  if (name == "savepicturer2") return PopupEffect::SavePicture;
  if (name == "jikuShow" || name == "jikuNshow") {
    doc.PointPerpendicularsShown = name == "jikuShow";
    return PopupEffect::RedrawSpaceScene;
  }
  if (name == "zahyoshow" || name == "zahyoNotshow") {
    doc.Axes3DShown = name == "zahyoshow";
    doc.BackgroundDirty = 1;
    return PopupEffect::RedrawAll;
  }
  if (name == "xshow" || name == "xhn" || name == "yshow" || name == "yhn") {
    if (name[0] == 'x') doc.XAxisShown = name == "xshow";
    else doc.YAxisShown = name == "yshow";
    SyncRangeFormButtons();
    doc.BackgroundDirty = 1;
    FollowAxesShown();
    return PopupEffect::RedrawAll;
  }
  if (name == "nkousi") doc.GridSettings.kind = 0;
  else if (name == "hkousi") doc.GridSettings.kind = 1;
  else if (name == "dkousi") doc.GridSettings.kind = 2;
  else if (name == "jitukousi") doc.GridSettings.dashed = 0;
  else if (name == "dashkousi") doc.GridSettings.dashed = 1;
  else if (name == "hosoi") doc.AxisWidth = 1;
  else if (name == "hutoi") doc.AxisWidth = 2;
  else if (const int x = IndexOf(kXUnits, name); x >= 0) doc.XAxisUnit = static_cast<std::uint8_t>(x);
  else if (const int y = IndexOf(kYUnits, name); y >= 0) doc.YAxisUnit = static_cast<std::uint8_t>(y);
  else return PopupEffect::None;
  doc.BackgroundDirty = 1;
  SyncRangeFormButtons();
  return PopupEffect::RedrawAll;
}
