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
      {2, 1, {"A", "1", "2"}, "点Aと方向で決まる直線"},
      {3, 1, {"A", "0", "0", "1"}, "点Aと法線で決まる平面"},
      {2, 2, {"A", "B"}, "直線AB"},
      {3, 2, {"A", "B"}, "直線AB"},
      {2, 3, {"A", "B"}, "線分AB"},
      {2, 4, {"A", "B"}, "線分A→B"},
      {2, 5, {"A", "B"}, "半直線AB"},
      {2, 6, {}, "折れ線"},
      {3, 6, {"ABC"}, "ABCを結んだ折れ線"},
      {2, 7, {"ABC"}, "多角形ABC(周囲+内部)"},
      {3, 7, {}, "球面s*上の**を結ぶ最短路"},
      {3, 7, {"2", "AB"}, "球面s2上のABを結ぶ最短路"},
      {2, 8, {"O", "2"}, "中心O半径2の円"},
      {3, 8, {"O", "2"}, "中心O半径2の球"},
      {2, 9, {"A", "B", "0.5"}, "線分ABの補助線"},
      {3, 9, {"O", "0", "0", "1", "2"}, "中心O半径2の円"},
      {2, 10, {"ABCD"}, "ベジェ曲線"},
      {3, 10, {"1", "2"}, "球面上の円"},
      {2, 11, {"A", "O", "pi"}, "Oを中心としAを始点とする弧"},
      {2, 12, {"ABC", "20"}, "∠ABCの補助線"},
      {2, 13, {"A"}, ""},
      {2, 0, {"A"}, ""},
  };
  for (const Case& c : cases) {
    doc.Dimension = static_cast<uint8_t>(c.dimension);
    EXPECT_EQ(sjis::ToUtf8(DescribeFigureEntry(Entry(kKindFigure, c))), c.text) << c.dimension << " " << c.subkind;
  }
}

TEST_F(EntryDescriptionsTest, PointEntries) {
  const Case cases[] = {
      {2, 0, {"", "1", "", "2"}, "線分**を 1 ： 2 に分ける点"},
      {2, 20, {"AB", "2", "", "1"}, "線分ABを 2 ： 1 に内分する点"},
      {2, 21, {"AB", "3", "", "1"}, "線分ABを 3 ： 1 に外分する点"},
      {2, 1, {}, "△***の重心"},
      {2, 2, {"ABC"}, "△ABCの外心"},
      {2, 3, {"ABC"}, "△ABCの内心"},
      {2, 4, {"ABC"}, "△ABCの垂心"},
      {2, 5, {"ABC", "BC"}, "△ABCのBCの外の傍心"},
      {2, 5, {"ABC"}, "△ABCの**の外の傍心"},
      {2, 25, {"ABC"}, "△ABCの九点円の中心"},
      {2, 6, {"P", "AB"}, "点Pから直線ABに下した垂線の足"},
      {2, 7, {"", ""}, "点*と直線**に関して対称な点"},
      {2, 8, {"AB", "CD"}, "直線ABと直線CDの交点"},
      {2, 9, {}, "点*を中心に点*を回転"},
      {2, 9, {"O", "P", "", "pi/3", "2"}, "点Oを中心に点Pを回転"},
      {2, 10, {"1", "pi"}, "円s1上の点"},
      {2, 11, {"1", "P"}, "Pから円s1に引いた左側の接線の接点"},
      {2, 12, {"1", "P"}, "Pから円s1に引いた右側の接線の接点"},
      {2, 13, {"1", "2"}, "円s1と円s2との交点"},
      {2, 15, {"1", "AB"}, "円s1と直線ABとの交点"},
      {2, 16, {"3", "5"}, "円s3とs5との共通外接線のs円s3上の接点1"},
      {2, 17, {"3", "5"}, "円s3とs5との共通外接線のs円s3上の接点2"},
      {2, 18, {"3", "5"}, "円s3とs5との共通内接線のs円s3上の接点1"},
      {2, 19, {}, "円s*とs*との共通内接線のs円s*上の接点2"},
      {2, 26, {"P", "2"}, "Pから直線s2に下した垂線の足"},
      {2, 27, {"P", "2"}, "Pと直線s2に関して対称な点"},
      {2, 28, {"1", "2"}, "直線s1と直線s2の交点"},
      {3, 30, {"1", "0", "", "0"}, "球面s1上の点"},
      {3, 31, {"P", "2"}, "Pから平面(円)s2に下した垂線の足"},
      {3, 32, {"P", "CDE"}, "PからCDEを含む平面への垂線の足"},
      {3, 33, {"P", "CDE"}, "Pを通りCDEを含む平面の法線上の点"},
      {3, 34, {"AB", "P", "", "pi", "1"}, "軸ABを中心に点Pを回転"},
      {3, 35, {"PQ", "CDE"}, "直線PQとCDEを含む平面の交点"},
      {3, 36, {"ABCD"}, "四面体ABCDの重心"},
      {3, 37, {}, "四面体****の外心"},
      {3, 38, {"ABCD"}, "四面体ABCDの内心"},
      {3, 39, {"ABCD"}, "四面体ABCDのBCDの外の傍心"},
      {3, 39, {}, "四面体****の***の外の傍心"},
      {3, 40, {}, "球s*と直線**との交点"},
      {3, 40, {"1", "AB"}, "球s1と直線ABとの交点"},
      {3, 45, {"AB", "2"}, "直線ABと平面s2との交点"},
      {3, 45, {}, "直線**と平面s*との交点"},
      {2, 100, {"1", "2"}, "点列"},
      {2, 255, {"1", "2"}, "平面の点"},
      {3, 255, {"1", "2", "", "3"}, "空間の点"},
      {2, 14, {"1", "2"}, ""},
      {2, 22, {"AB"}, ""},
      {3, 41, {"AB"}, ""},
      {2, 200, {"AB"}, ""},
  };
  for (const Case& c : cases) {
    doc.Dimension = static_cast<uint8_t>(c.dimension);
    EXPECT_EQ(sjis::ToUtf8(DescribePointEntry(Entry(kKindPoint, c))), c.text) << c.dimension << " " << c.subkind;
  }
}

TEST_F(EntryDescriptionsTest, ByEntryNumber) {
  doc.FigureTable[3] = Entry(kKindPoint, {2, 1, {"ABC"}, ""});
  doc.FigureTable[4] = Entry(kKindFigure, {2, 3, {"A", "B"}, ""});
  EXPECT_EQ(DescribePointEntry(3), sj("△ABCの重心"));
  EXPECT_EQ(DescribeFigureEntry(4), sj("線分AB"));
  EXPECT_EQ(DescribePointEntry(0), "");
  EXPECT_EQ(DescribeFigureEntry(kMaxEntries + 1), "");
}

}  // namespace
