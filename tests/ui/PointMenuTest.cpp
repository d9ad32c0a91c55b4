#include <gtest/gtest.h>

#include "NavigatorFixture.h"
#include "ui/NavigatorList.h"
#include "ui/PointMenuModel.h"

namespace {

using Items = std::set<std::string>;

class PointMenuTest : public UiStateTest {
 protected:
  static TListRow Row(int kind, std::uint8_t action) {
    TListRow r;
    r.kind = static_cast<std::uint8_t>(kind);
    r.action = action;
    r.entry = 1;
    return r;
  }
  static TListRow PointAddRow() {
    return Row(kKindPoint, doc.Dimension == 3 ? rowaction::AddSpace : rowaction::AddPlane);
  }
  static void Points(const char* letters) {
    for (const char* c = letters; *c; ++c) AddTestPoint(*c, {"0", "0"});
  }
  static Items With(Items base, std::initializer_list<const char*> more) {
    for (const char* m : more) base.insert(m);
    return base;
  }
};

TEST_F(PointMenuTest, PlaneRowsOtherThanThePointsAddRowOfferDeletionOrNothing) {
  AddTestEntry(kKindExplicit, {"x"});
  EXPECT_EQ(PointMenuShown(Row(kKindExplicit, rowaction::CorrectPlane)), (Items{"delete", "torikesi"}));
  EXPECT_EQ(PointMenuShown(Row(kKindDefinedFunction, rowaction::CorrectFunction)), (Items{"delete", "torikesi"}));
  EXPECT_TRUE(PointMenuShown(Row(kKindExplicit, rowaction::AddPlane)).empty());
  EXPECT_TRUE(PointMenuShown(Row(kKindDefinedFunction, rowaction::AddFunction)).empty());
  EXPECT_TRUE(PointMenuShown(Row(kKindDefinedConstant, rowaction::AddConstant)).empty());
}

TEST_F(PointMenuTest, PlaneConstructionsGrowWithThePointsThereWouldBe) {
  const Items one{"pntseqgroup", "pntseq", "coodipoint", "torikesi"};
  EXPECT_EQ(PointMenuShown(PointAddRow()), one);  // the new point is the first
  Points("A");
  EXPECT_EQ(PointMenuShown(PointAddRow()), one);  // two points, but no figure to use
  Points("B");
  const Items three = With(one, {"senbunten", "kaiten"});
  EXPECT_EQ(PointMenuShown(PointAddRow()), three);
  Points("C");
  const Items four = With(three, {"centres", "jyusin", "gaisin", "naisin", "suisin", "bousin", "P9csin", "suiasi",
                                  "suiasi1", "sentaisyou", "sentaisyou1"});
  EXPECT_EQ(PointMenuShown(PointAddRow()), four);
  Points("D");
  EXPECT_EQ(PointMenuShown(PointAddRow()), With(four, {"kouten", "lnlnkot", "lnlnkot1"}));
  // An existing point's row offers its deletion only.
  EXPECT_EQ(PointMenuShown(Row(kKindPoint, rowaction::CorrectPlane)), (Items{"delete", "torikesi"}));
}

TEST_F(PointMenuTest, PlaneConstructionsOnCirclesAndLinesNeedThoseFigures) {
  Points("A");
  AddTestFigure(8, {"A", "1"});
  EXPECT_EQ(PointMenuShown(PointAddRow()), (Items{"pntseqgroup", "pntseq", "coodipoint", "Poncircle", "torikesi"}));
  Points("B");
  AddTestFigure(2, {}, 'A', 'B');
  AddTestFigure(8, {"B", "2"});
  AddTestFigure(3, {}, 'B', 'A');
  const Items shown = PointMenuShown(PointAddRow());
  for (const char* item :
       {"Poncircle", "suiasi", "suiasi2", "sentaisyou", "sentaisyou2", "ensetten", "ensetten1", "ensetten2", "kouten",
        "circleline", "ciclcross", "kyuosetten", "kyuosetten4", "lnlnkot", "lnlnkot2"})
    EXPECT_TRUE(shown.count(item)) << item;
  for (const char* item : {"lnlnkot1", "suiasi1", "centres", "shpoint", "housenp"})
    EXPECT_FALSE(shown.count(item)) << item;
}

TEST_F(PointMenuTest, SpaceOpensOnPointRowsOnly) {
  doc.Dimension = 3;
  EXPECT_TRUE(PointMenuShown(Row(kKindParametric, rowaction::AddSpace)).empty());
  EXPECT_EQ(PointMenuShown(PointAddRow()), (Items{"delete", "torikesi"}));
  Points("AB");
  EXPECT_EQ(PointMenuShown(PointAddRow()), (Items{"delete", "senbunten", "torikesi"}));
  Points("C");
  const Items four{"delete", "senbunten", "housenp", "kaitenln", "centres", "jyusin",     "gaisin",      "naisin",
                   "suisin", "bousin",    "P9csin",  "suiasi",   "suiasi1", "sentaisyou", "sentaisyou1", "torikesi"};
  EXPECT_EQ(PointMenuShown(PointAddRow()), four);
  Points("D");
  EXPECT_EQ(PointMenuShown(PointAddRow()),
            With(four, {"suiasi3d", "suiasi3D3P", "centres3d", "jyusi3d", "gai3d", "nai3d", "bou3d"}));
  AddTestFigure(8, {"A", "1"});  // a sphere
  AddTestFigure(1, {"ABC"});     // a plane
  const Items shown = PointMenuShown(Row(kKindPoint, rowaction::CorrectSpace));
  for (const char* item : {"shpoint", "shlnkou", "suiasi3Dsiji", "lnplkoutengroup", "lnplkouten2"})
    EXPECT_TRUE(shown.count(item)) << item;
  EXPECT_FALSE(shown.count("lnplkouten"));  // six points needed
  EXPECT_FALSE(shown.count("coodipoint"));
}

TEST(PointMenuItems, ConstructionCodesAreThoseOfTheirPoints) {
  std::map<std::string, int> codes;
  for (const TPointMenuItem& item : PointMenuItems()) codes[item.name] = item.code;
  EXPECT_EQ(codes.at("pntseq"), 100);
  EXPECT_EQ(codes.at("coodipoint"), 255);
  EXPECT_EQ(codes.at("P9csin"), 25);
  EXPECT_EQ(codes.at("lnlnkot2"), 28);
  EXPECT_EQ(codes.at("lnplkouten2"), 45);
  EXPECT_EQ(codes.at("delete"), kNoConstruction);
  EXPECT_EQ(codes.size(), PointMenuItems().size());  // names are unique
}

}  // namespace
