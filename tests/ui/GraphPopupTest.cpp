#include <gtest/gtest.h>

#include <QAction>
#include <QMenu>

#include "NavigatorFixture.h"
#include "formula/Records.h"
#include "support/GuiApp.h"
#include "ui/GraphPopupMenu.h"
#include "ui/GraphPopupModel.h"

namespace {

class GraphPopupTest : public UiStateTest {
 protected:
  static bool Shown(const TGraphPopupView& v, const char* name) { return !v.hidden.count(name); }
};

TEST_F(GraphPopupTest, ChecksFollowTheDocument) {
  doc.GridSettings.kind = 2;
  doc.GridSettings.dashed = 1;
  doc.AxisWidth = 2;
  doc.XAxisUnit = 2;
  doc.YAxisUnit = 3;
  doc.Axes3DShown = 0;
  TGraphPopupView v = PopupMenu1Popup();
  EXPECT_EQ(v.checked,
            (std::set<std::string>{"dkousi", "dashkousi", "hutoi", "xm2", "ym3", "zahyoNotshow", "jikuNshow"}));

  doc.GridSettings = TGridSettings{};
  doc.AxisWidth = 1;
  doc.XAxisUnit = 4;  // no radio item stands for it
  doc.YAxisUnit = 0;
  doc.Axes3DShown = 1;
  v = PopupMenu1Popup();
  EXPECT_EQ(v.checked, (std::set<std::string>{"hkousi", "jitukousi", "hosoi", "zahyoshow", "jikuNshow"}));
}

TEST_F(GraphPopupTest, ItemsShowByModeAxesAndRoomForAPoint) {
  TGraphPopupView v = PopupMenu1Popup();
  for (const char* name : {"pplot", "kousi", "kousidash", "jikuhaba", "xjiku", "yjiku", "xhn", "xm1", "xm4", "yhn",
                           "ym1", "ym0", "ym4", "savepicturer2"})
    EXPECT_TRUE(Shown(v, name)) << name;
  for (const char* name : {"zshow", "jiku", "xshow", "xm0", "yshow"}) EXPECT_FALSE(Shown(v, name)) << name;

  doc.XAxisShown = 0;
  doc.YAxisShown = 0;
  v = PopupMenu1Popup();
  for (const char* name : {"xshow", "xm0", "yshow", "ym0", "ym4"}) EXPECT_TRUE(Shown(v, name)) << name;
  for (const char* name : {"xhn", "xm4", "xm", "xm1", "xm3", "yhn", "ym", "ym2"}) EXPECT_FALSE(Shown(v, name)) << name;
  EXPECT_EQ(doc.CoordinateReadoutShown, 0);  // the read-out follows the axes

  doc.Dimension = 3;
  v = PopupMenu1Popup();
  for (const char* name : {"zshow", "jiku", "pplot"}) EXPECT_TRUE(Shown(v, name)) << name;
  for (const char* name : {"kousi", "kousidash", "jikuhaba", "xjiku", "yjiku"}) EXPECT_FALSE(Shown(v, name)) << name;
  doc.Dimension = 2;

  // Kept after-images, or no room for another point, leave no point to plot.
  settings.AfterImageHistory = new TAfterImageEntry;
  EXPECT_FALSE(Shown(PopupMenu1Popup(), "pplot"));
  ClearAfterImages(settings.AfterImageHistory);
  for (const char* c = "ABCDELMNRTGHJKSUVWPYFQOIZ"; *c; ++c) AddTestPoint(*c, {"0", "0"});
  EXPECT_FALSE(Shown(PopupMenu1Popup(), "pplot"));
}

TEST_F(GraphPopupTest, ChoosingAnItemChangesItsSettingAndAsksForTheRedraw) {
  struct Case {
    const char* item;
    std::function<int()> field;
    int value;
  };
  const Case cases[] = {
      {"nkousi", [] { return doc.GridSettings.kind; }, 0},
      {"dkousi", [] { return doc.GridSettings.kind; }, 2},
      {"hkousi", [] { return doc.GridSettings.kind; }, 1},
      {"dashkousi", [] { return doc.GridSettings.dashed; }, 1},
      {"jitukousi", [] { return doc.GridSettings.dashed; }, 0},
      {"hutoi", [] { return doc.AxisWidth; }, 2},
      {"hosoi", [] { return doc.AxisWidth; }, 1},
      {"xm0", [] { return doc.XAxisUnit; }, 0},
      {"xm2", [] { return doc.XAxisUnit; }, 2},
      {"xm4", [] { return doc.XAxisUnit; }, 4},
      {"ym3", [] { return doc.YAxisUnit; }, 3},
      {"ym4", [] { return doc.YAxisUnit; }, 4},
      {"xhn", [] { return doc.XAxisShown; }, 0},
      {"xshow", [] { return doc.XAxisShown; }, 1},
      {"yhn", [] { return doc.YAxisShown; }, 0},
      {"zahyoNotshow", [] { return doc.Axes3DShown; }, 0},
      {"zahyoshow", [] { return doc.Axes3DShown; }, 1},
  };
  for (const Case& c : cases) {
    doc.BackgroundDirty = 0;
    EXPECT_EQ(ChooseGraphPopupItem(c.item), PopupEffect::RedrawAll) << c.item;
    EXPECT_EQ(c.field(), c.value) << c.item;
    EXPECT_EQ(doc.BackgroundDirty, 1) << c.item;
  }
  EXPECT_EQ(doc.CoordinateReadoutShown, 0);  // y hidden last

  EXPECT_EQ(ChooseGraphPopupItem("jikuShow"), PopupEffect::RedrawSpaceScene);
  EXPECT_EQ(doc.PointPerpendicularsShown, 1);
  EXPECT_EQ(ChooseGraphPopupItem("pplot"), PopupEffect::PlotPoint);
  EXPECT_EQ(ChooseGraphPopupItem("savepicturer2"), PopupEffect::SavePicture);
  EXPECT_EQ(ChooseGraphPopupItem("kousi"), PopupEffect::None);  // a group
}

TEST_F(GraphPopupTest, TheMenuHasGroupsWithExclusiveRadioItems) {
  EnsureGuiApp();
  GraphPopupMenu menu;
  std::vector<std::string> chosen;
  menu.chosen = [&chosen](const std::string& name) { chosen.push_back(name); };
  ASSERT_NE(menu.Item("kousi"), nullptr);
  ASSERT_NE(menu.Item("kousi")->menu(), nullptr);
  EXPECT_EQ(menu.Item("kousi")->text(), QString::fromUtf8("格子表示"));
  EXPECT_TRUE(menu.Item("xm")->isSeparator());
  menu.Prepare();
  EXPECT_TRUE(menu.Item("hkousi")->isChecked());
  EXPECT_FALSE(menu.Item("zshow")->isVisible());
  menu.Item("dkousi")->trigger();
  EXPECT_TRUE(menu.Item("dkousi")->isChecked());
  EXPECT_FALSE(menu.Item("hkousi")->isChecked());
  menu.Item("pplot")->trigger();
  EXPECT_EQ(chosen, (std::vector<std::string>{"dkousi", "pplot"}));
  EXPECT_EQ(menu.Item("nothing"), nullptr);
}

}  // namespace
