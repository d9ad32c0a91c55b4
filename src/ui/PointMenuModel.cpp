#include "ui/PointMenuModel.h"

#include "formula/DocumentState.h"
#include "formula/FigureTable.h"
#include "ui/NavigatorList.h"
#include "ui/PaletteModel.h"

namespace {

constexpr TPointMenuItem kItems[] = {
    {"delete", "削除", "", kNoConstruction},
    {"pntseqgroup", "点列の入力", "", kNoConstruction},
    {"pntseq", "CSV(カンマ区切り)ファイルの入力", "pntseqgroup", 100},
    {"coodipoint", "座標による点", "", 255},
    {"senbunten", "線分の分点", "", 0},
    {"kaiten", "点の回転", "", 9},
    {"Poncircle", "円周上の点", "", 10},
    {"centres", "三角形の中心", "", kNoConstruction},
    {"jyusin", "重心", "centres", 1},
    {"gaisin", "外心", "centres", 2},
    {"naisin", "内心", "centres", 3},
    {"suisin", "垂心", "centres", 4},
    {"bousin", "傍心", "centres", 5},
    {"P9csin", "九点円の中心", "centres", 25},
    {"suiasi", "直線への垂線の足", "", kNoConstruction},
    {"suiasi1", "直線の２点指定", "suiasi", 6},
    {"suiasi2", "直線の図形指定", "suiasi", 26},
    {"sentaisyou", "点の直線に関する対称点", "", kNoConstruction},
    {"sentaisyou1", "直線の２点指定", "sentaisyou", 7},
    {"sentaisyou2", "直線の図形指定", "sentaisyou", 27},
    {"kouten", "交点", "", kNoConstruction},
    {"lnlnkot", "２直線の交点", "kouten", kNoConstruction},
    {"lnlnkot1", "直線の２点指定", "lnlnkot", 8},
    {"lnlnkot2", "直線の図形指定", "lnlnkot", 28},
    {"ciclcross", "２円の交点", "kouten", 13},
    {"circleline", "直線(点指定)と円の交点", "kouten", 15},
    {"ensetten", "円の外からの接点", "", kNoConstruction},
    {"ensetten1", "円外の点からの接線の接点L", "ensetten", 11},
    {"ensetten2", "円外の点からの接線の接点R", "ensetten", 12},
    {"kyuosetten", "円の共通接線の接点", "", kNoConstruction},
    {"kyuosetten1", "他の円への共通外接線の接点1", "kyuosetten", 16},
    {"kyuosetten2", "他の円への共通外接線の接点2", "kyuosetten", 17},
    {"kyuosetten3", "他の円への共通内接線の接点1", "kyuosetten", 18},
    {"kyuosetten4", "他の円への共通内接線の接点2", "kyuosetten", 19},
    {"housenp", "平面の法線上の点", "", 33},
    {"kaitenln", "直線に関する点の回転", "", 34},
    {"centres3d", "四面体の中心", "", kNoConstruction},
    {"jyusi3d", "重心", "centres3d", 36},
    {"gai3d", "外心", "centres3d", 37},
    {"nai3d", "内心", "centres3d", 38},
    {"bou3d", "傍心", "centres3d", 39},
    {"suiasi3d", "平面(円)への垂線の足", "", kNoConstruction},
    {"suiasi3D3P", "平面上の3点指定", "suiasi3d", 32},
    {"suiasi3Dsiji", "平面の図形指定", "suiasi3d", 31},
    {"lnplkoutengroup", "直線と平面の交点", "", kNoConstruction},
    {"lnplkouten", "平面上の3点指定", "lnplkoutengroup", 35},
    {"lnplkouten2", "平面の図形指定", "lnplkoutengroup", 45},
    {"shpoint", "球面上の点", "", 30},
    {"shlnkou", "球面と直線の交点", "", 40},
    {"N1", "", "", kNoConstruction},
    {"torikesi", "取り消し", "", kNoConstruction},
};

bool IsAddRow(const TListRow& row) {
  return row.action == rowaction::AddPlane || row.action == rowaction::AddSpace ||
         row.action == rowaction::AddFunction || row.action == rowaction::AddConstant;
}

// The single points there would be with this row's point.
int SinglePoints(const TListRow& row) { return CountSinglePointFigures() + (IsAddRow(row) ? 1 : 0); }

// The triangle's centres, and the foot and the mirror image on a line given by two points:
// offered alike in the plane and in space.
void ShowTriangleItems(std::set<std::string>& s) {
  s.insert({"centres", "jyusin", "gaisin", "naisin", "suisin", "bousin", "P9csin", "suiasi1", "sentaisyou1"});
}

void ShowPlanePoints(std::set<std::string>& s, int n) {
  const int circles = ListCircleFigures(), lines = ListLineFigures();
  s.insert({"pntseqgroup", "pntseq", "coodipoint"});
  if (n >= 2) {
    if (circles) s.insert("Poncircle");
    if (lines) s.insert({"suiasi2", "sentaisyou2"});
  }
  if (n >= 3) {
    s.insert({"senbunten", "kaiten"});
    if (circles) s.insert({"ensetten", "ensetten1", "ensetten2", "circleline"});
    if (circles >= 2) s.insert({"ciclcross", "kyuosetten", "kyuosetten1", "kyuosetten2", "kyuosetten3", "kyuosetten4"});
    if (lines >= 2) s.insert("lnlnkot2");
  }
  if (n >= 4) ShowTriangleItems(s);
  if (n >= 5) s.insert("lnlnkot1");
}

void ShowSpacePoints(std::set<std::string>& s, int n) {
  const int spheres = ListCircleFigures(), planes = CollectFiguresOfKind(1);
  if (n > 2) s.insert("senbunten");
  if (n > 3) {
    s.insert({"housenp", "kaitenln"});
    ShowTriangleItems(s);
  }
  if (n > 4) s.insert({"suiasi3D3P", "centres3d", "jyusi3d", "gai3d", "nai3d", "bou3d"});
  if (n > 5) s.insert("lnplkouten");
  if (spheres) {
    s.insert("shpoint");
    if (n > 2) s.insert("shlnkou");
  }
  if (planes) {
    s.insert("suiasi3Dsiji");
    if (n > 2) s.insert("lnplkouten2");
  }
}

// A group shows when one of its items does.
void ShowGroupsOfShownItems(std::set<std::string>& s) {
  for (const char* group : {"lnlnkot", "suiasi", "sentaisyou", "kouten", "suiasi3d", "lnplkoutengroup"})
    for (const TPointMenuItem& item : kItems)
      if (item.parent == std::string_view(group) && s.count(item.name)) s.insert(group);
}

}  // namespace

std::span<const TPointMenuItem> PointMenuItems() { return kItems; }

std::set<std::string> PointMenuShown(const TListRow& row) {
  std::set<std::string> s;
  const bool pointRow = row.kind == kKindPoint;
  if (doc.Dimension == 3) {
    if (!pointRow) return s;
    s.insert("delete");
    ShowSpacePoints(s, SinglePoints(row));
  } else if (!IsAddRow(row)) {
    s.insert("delete");
  } else if (pointRow) {
    ShowPlanePoints(s, SinglePoints(row));
  } else {
    return s;
  }
  ShowGroupsOfShownItems(s);
  s.insert("torikesi");
  return s;
}
