#include <gtest/gtest.h>

#include "formula/DocumentState.h"
#include "platform/Sjis.h"
#include "support/StateFixture.h"
#include "ui/EntryDescriptions.h"

namespace {

struct Case {
  int dimension, subkind;
  std::initializer_list<const char*> texts;  // first, second, third, fourth, fifth
  const char* text;
};

Tfuncprop Entry(int kind, const Case& c) {
  Tfuncprop e;
  InitFuncprop(e, kind);
  e.subkind = static_cast<uint8_t>(c.subkind);
  int k = 0;
  for (const char* t : c.texts) e.texts[k++] = sj(t);
  return e;
}

using EntryDescriptionsTest = StateTest;

TEST_F(EntryDescriptionsTest, FigureEntries) {
  const Case cases[] = {
      {kPlane, 1, {"A", "1", "2"}, "点Aと方向で決まる直線"},
      {kSpace, 1, {"A", "0", "0", "1"}, "点Aと法線で決まる平面"},
      {kPlane, 2, {"A", "B"}, "直線AB"},
      {kSpace, 2, {"A", "B"}, "直線AB"},
      {kPlane, 3, {"A", "B"}, "線分AB"},
      {kPlane, 4, {"A", "B"}, "線分A→B"},
      {kPlane, 5, {"A", "B"}, "半直線AB"},
      {kPlane, 6, {}, "折れ線"},
      {kSpace, 6, {"ABC"}, "ABCを結んだ折れ線"},
      {kPlane, 7, {"ABC"}, "多角形ABC(周囲+内部)"},
      {kSpace, 7, {}, "球面s*上の**を結ぶ最短路"},
      {kSpace, 7, {"2", "AB"}, "球面s2上のABを結ぶ最短路"},
      {kPlane, 8, {"O", "2"}, "中心O半径2の円"},
      {kSpace, 8, {"O", "2"}, "中心O半径2の球"},
      {kPlane, 9, {"A", "B", "0.5"}, "線分ABの補助線"},
      {kSpace, 9, {"O", "0", "0", "1", "2"}, "中心O半径2の円"},
      {kPlane, 10, {"ABCD"}, "ベジェ曲線"},
      {kSpace, 10, {"1", "2"}, "球面上の円"},
      {kPlane, 11, {"A", "O", "pi"}, "Oを中心としAを始点とする弧"},
      {kPlane, 12, {"ABC", "20"}, "∠ABCの補助線"},
      {kPlane, 13, {"A"}, ""},
      {kPlane, 0, {"A"}, ""},
  };
  for (const Case& c : cases) {
    doc.Dimension = static_cast<uint8_t>(c.dimension);
    EXPECT_EQ(sjis::ToUtf8(DescribeFigureEntry(Entry(kKindFigure, c))), c.text) << c.dimension << " " << c.subkind;
  }
}

TEST_F(EntryDescriptionsTest, PointEntries) {
  const Case cases[] = {
      {kPlane, kDivisionPoint, {"", "1", "", "2"}, "線分**を 1 ： 2 に分ける点"},
      {kPlane, kInternalDivision, {"AB", "2", "", "1"}, "線分ABを 2 ： 1 に内分する点"},
      {kPlane, kExternalDivision, {"AB", "3", "", "1"}, "線分ABを 3 ： 1 に外分する点"},
      {kPlane, kCentroid, {}, "△***の重心"},
      {kPlane, kCircumcentre, {"ABC"}, "△ABCの外心"},
      {kPlane, kIncentre, {"ABC"}, "△ABCの内心"},
      {kPlane, kOrthocentre, {"ABC"}, "△ABCの垂心"},
      {kPlane, kExcentre, {"ABC", "BC"}, "△ABCのBCの外の傍心"},
      {kPlane, kExcentre, {"ABC"}, "△ABCの**の外の傍心"},
      {kPlane, kNinePointCentre, {"ABC"}, "△ABCの九点円の中心"},
      {kPlane, kFoot, {"P", "AB"}, "点Pから直線ABに下した垂線の足"},
      {kPlane, kReflection, {"", ""}, "点*と直線**に関して対称な点"},
      {kPlane, kLineIntersection, {"AB", "CD"}, "直線ABと直線CDの交点"},
      {kPlane, kRotation, {}, "点*を中心に点*を回転"},
      {kPlane, kRotation, {"O", "P", "", "pi/3", "2"}, "点Oを中心に点Pを回転"},
      {kPlane, kPointOnCircle, {"1", "pi"}, "円s1上の点"},
      {kPlane, kTangentLeft, {"1", "P"}, "Pから円s1に引いた左側の接線の接点"},
      {kPlane, kTangentRight, {"1", "P"}, "Pから円s1に引いた右側の接線の接点"},
      {kPlane, kCircleIntersection, {"1", "2"}, "円s1と円s2との交点"},
      {kPlane, kLineSphere, {"1", "AB"}, "円s1と直線ABとの交点"},
      {kPlane, kOuterTangent1, {"3", "5"}, "円s3とs5との共通外接線のs円s3上の接点1"},
      {kPlane, kOuterTangent2, {"3", "5"}, "円s3とs5との共通外接線のs円s3上の接点2"},
      {kPlane, kInnerTangent1, {"3", "5"}, "円s3とs5との共通内接線のs円s3上の接点1"},
      {kPlane, kInnerTangent2, {}, "円s*とs*との共通内接線のs円s*上の接点2"},
      {kPlane, kFootOnLineFigure, {"P", "2"}, "Pから直線s2に下した垂線の足"},
      {kPlane, kReflectionInLineFigure, {"P", "2"}, "Pと直線s2に関して対称な点"},
      {kPlane, kLineFigureIntersection, {"1", "2"}, "直線s1と直線s2の交点"},
      {kSpace, kPointOnSphere, {"1", "0", "", "0"}, "球面s1上の点"},
      {kSpace, kFootOnPlaneFigure, {"P", "2"}, "Pから平面(円)s2に下した垂線の足"},
      {kSpace, kFootOnPlane, {"P", "CDE"}, "PからCDEを含む平面への垂線の足"},
      {kSpace, kPointOnNormal, {"P", "CDE"}, "Pを通りCDEを含む平面の法線上の点"},
      {kSpace, kRotationAboutAxis, {"AB", "P", "", "pi", "1"}, "軸ABを中心に点Pを回転"},
      {kSpace, kLinePlane, {"PQ", "CDE"}, "直線PQとCDEを含む平面の交点"},
      {kSpace, kTetrahedronCentroid, {"ABCD"}, "四面体ABCDの重心"},
      {kSpace, kTetrahedronCircumcentre, {}, "四面体****の外心"},
      {kSpace, kInsphereCentre, {"ABCD"}, "四面体ABCDの内心"},
      {kSpace, kExsphereCentre, {"ABCD"}, "四面体ABCDのBCDの外の傍心"},
      {kSpace, kExsphereCentre, {}, "四面体****の***の外の傍心"},
      {kSpace, kLineSphereSpace, {}, "球s*と直線**との交点"},
      {kSpace, kLineSphereSpace, {"1", "AB"}, "球s1と直線ABとの交点"},
      {kSpace, kLinePlaneFigure, {"AB", "2"}, "直線ABと平面s2との交点"},
      {kSpace, kLinePlaneFigure, {}, "直線**と平面s*との交点"},
      {kPlane, kPointSequence, {"1", "2"}, "点列"},
      {kPlane, kByCoordinates, {"1", "2"}, "平面の点"},
      {kSpace, kByCoordinates, {"1", "2", "", "3"}, "空間の点"},
      {kPlane, 14, {"1", "2"}, ""},
      {kPlane, 22, {"AB"}, ""},
      {kSpace, 41, {"AB"}, ""},
      {kPlane, 200, {"AB"}, ""},
  };
  for (const Case& c : cases) {
    doc.Dimension = static_cast<uint8_t>(c.dimension);
    EXPECT_EQ(sjis::ToUtf8(DescribePointEntry(Entry(kKindPoint, c))), c.text) << c.dimension << " " << c.subkind;
  }
}

TEST_F(EntryDescriptionsTest, ByEntryNumber) {
  doc.FigureTable[3] = Entry(kKindPoint, {kPlane, kCentroid, {"ABC"}, ""});
  doc.FigureTable[4] = Entry(kKindFigure, {kPlane, 3, {"A", "B"}, ""});
  EXPECT_EQ(DescribePointEntry(3), sj("△ABCの重心"));
  EXPECT_EQ(DescribeFigureEntry(4), sj("線分AB"));
  EXPECT_EQ(DescribePointEntry(0), "");
  EXPECT_EQ(DescribeFigureEntry(kMaxEntries + 1), "");
}

}  // namespace
