#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <string>

#include "platform/Sjis.h"
#include "render/RedrawHost.h"
#include "render/SpaceFixture.h"
#include "render/SurfaceGrid.h"
#include "support/FakeDialogs.h"
#include "ui/ProgramWindowsFixture.h"
#include "ui/SpaceViewSettingsModel.h"
#include "ui/Thanni3d.h"

namespace {

// The model over a space document with a surface, its redraws counted.
class SpaceViewSettings : public SpaceTest {
 protected:
  void SetUp() override {
    SpaceTest::SetUp();
    AddSurface("x*y/3", 0xFF0000);
    SetRedrawHost(&redraws);
  }
  // Every whole redraw asks the view-settings window for its texts; every redraw, whole
  // or of the graph, ends with the composite copied to the window.
  struct Redraws : RedrawHost {
    int all = 0, copies = 0;
    void RefreshRangeForm() override { ++all; }
    void CopyBufferToGraph(gfx::CopyMode) override { ++copies; }
  } redraws;
  SpaceViewSettingsModel model;
  const int& allRedraws = redraws.all;
  int GraphRedraws() const { return redraws.copies - redraws.all; }
};

TEST_F(SpaceViewSettings, ControlsShowTheSettingsWithoutChangingThem) {
  doc.SurfaceGridN = 25;  // as a file may hold it
  doc.AxisWidth = 3;
  modes.OutputColorMode = 2;
  doc.SpaceColorsNotInverted = 0;
  doc.PointLabelFontCustom = 1;
  doc.PointLabelFont.size = 14;
  const SpaceViewSettingsControls c = SpaceViewSettingsModel::Controls(1024);
  EXPECT_EQ(c.divisions, 20);
  EXPECT_EQ(doc.SurfaceGridN, 25);
  EXPECT_TRUE(c.thickAxes);   // anything but 1
  EXPECT_FALSE(c.grey);       // black and white is not grey
  EXPECT_TRUE(c.inverted);
  EXPECT_TRUE(c.pointFontCustom);
  EXPECT_EQ(c.pointFontSize, 14);
  EXPECT_EQ(c.drawingSize, kSide);
  EXPECT_EQ(c.drawingSizeMax, 1024);
  EXPECT_EQ(SpaceViewSettingsModel::Controls(3000).drawingSizeMax, 2000);
  EXPECT_EQ(GraphRedraws() + allRedraws, 0);
}

TEST_F(SpaceViewSettings, EachSwitchWritesItsSettingAndRedrawsEverything) {
  using S = SpaceViewSwitch;
  struct Row {
    S which;
    std::function<int()> setting;
    int on, off;
  } rows[] = {
      {S::RangeBox, [] { return doc.RangeBoxShown; }, 1, 0},
      {S::Inverted, [] { return doc.SpaceColorsNotInverted; }, 0, 1},
      {S::FrontBack, [] { return settings.DistinguishFrontBack; }, 1, 0},
      {S::Perpendiculars, [] { return doc.PointPerpendicularsShown; }, 1, 0},
      {S::Axes, [] { return doc.Axes3DShown; }, 1, 0},
      {S::ThickAxes, [] { return doc.AxisWidth; }, 2, 1},
      {S::Grey, [] { return modes.OutputColorMode; }, 1, 0},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(static_cast<int>(r.which));
    model.SetSwitch(r.which, true);
    EXPECT_EQ(r.setting(), r.on);
    const bool controlShowsIt = [&] {
      const SpaceViewSettingsControls c = SpaceViewSettingsModel::Controls(1024);
      const bool shown[] = {c.rangeBox, c.inverted, c.frontBack, c.perpendiculars, c.axesShown, c.thickAxes, c.grey};
      return shown[static_cast<int>(r.which)];
    }();
    EXPECT_TRUE(controlShowsIt);
    model.SetSwitch(r.which, false);
    EXPECT_EQ(r.setting(), r.off);
  }
  EXPECT_EQ(allRedraws, 14);
  EXPECT_EQ(GraphRedraws(), 0);
  model.SetAxisFontSize(50);
  model.SetPointFontSize(20);
  EXPECT_EQ(doc.GraphFont.size, 40);
  EXPECT_EQ(doc.PointLabelFont.size, 20);
  EXPECT_EQ(allRedraws, 16);
}

TEST_F(SpaceViewSettings, DivisionsAndDrawingStyleResampleTheSurfaces) {
  RedrawAll();
  EXPECT_EQ(doc.SurfaceGrid1.n, 20);
  model.SetDivisions(200);
  EXPECT_EQ(doc.SurfaceGridN, 200);
  EXPECT_EQ(doc.SurfaceGrid1.n, 200);
  EXPECT_EQ(doc.SurfaceGrid1.points.size(), 201u * 201u);
  const QImage painted = CompositeCanvas().Image().copy();
  model.SetDrawMode(0);
  EXPECT_EQ(doc.SurfaceDrawMode, 0);
  EXPECT_NE(CompositeCanvas().Image(), painted);
  model.SetDrawMode(2);
  EXPECT_EQ(doc.SurfaceDrawMode, 2);
}

TEST_F(SpaceViewSettings, PointNamesInTheStandardOrAChosenFont) {
  platform::FakeDialogs dialogs;
  doc.PointLabelFont = Tlfont{"Arial", 12, 0, 0};
  dialogs.fontAnswers.push_back(std::nullopt);
  EXPECT_FALSE(model.ChoosePointFont(dialogs));
  EXPECT_EQ(doc.PointLabelFontCustom, 0);
  EXPECT_EQ(allRedraws, 0);
  dialogs.fontAnswers.push_back(platform::FontChoice{"ＭＳ 明朝", 18, 0, 1});
  EXPECT_TRUE(model.ChoosePointFont(dialogs));
  EXPECT_EQ(dialogs.calls.back().font.face, "Arial");
  EXPECT_EQ(doc.PointLabelFont.size, 18);
  EXPECT_EQ(doc.PointLabelFont.name, sj("ＭＳ 明朝"));
  EXPECT_EQ(doc.PointLabelFontCustom, 1);
  EXPECT_TRUE(SpaceViewSettingsModel::Controls(1024).pointFontCustom);
  model.UseStandardPointFont();
  EXPECT_EQ(doc.PointLabelFontCustom, 0);
  EXPECT_EQ(allRedraws, 2);
}

// The window in the running program: opened by the navigator's screen settings in space.
class Thanni3dWindow : public ProgramWindowsTest {
 protected:
  void OpenInSpace() {
    Start();
    ShowAndTick();
    doc.Dimension = 3;
    graph->SwitchTo3D();
    QApplication::processEvents();
    lpnavi->zahyouClick();
    QApplication::processEvents();
    ASSERT_TRUE(hanni3d);
  }
  template <typename T>
  T* Control(const char* name) {
    return hanni3d->findChild<T*>(QString::fromUtf8(name));
  }
};

TEST_F(Thanni3dWindow, OpensInSpaceOnlyAndShowsTheSettings) {
  Start();
  ShowAndTick();
  lpnavi->zahyouClick();
  EXPECT_FALSE(hanni3d);  // the plane's own window is another
  doc.Dimension = 3;
  graph->SwitchTo3D();
  doc.SurfaceGridN = 25;
  doc.RangeBoxShown = 1;
  lpnavi->zahyouClick();
  ASSERT_TRUE(hanni3d);
  EXPECT_TRUE(hanni3d->isVisible());
  EXPECT_EQ(hanni3d->windowTitle(), QString::fromUtf8("画面設定３Ｄ"));
  QApplication::processEvents();
  EXPECT_EQ(hanni3d->pos(), PlacedOnTestScreen(*hanni3d, QPoint(lpnavi->x(), lpnavi->y() + 40)));
  EXPECT_EQ(hanni3d->size(), QSize(285, 351));
  EXPECT_EQ(Control<QSpinBox>("bunkatusuu")->value(), 20);
  EXPECT_EQ(doc.SurfaceGridN, 25);
  EXPECT_TRUE(Control<QCheckBox>("sotowaku")->isChecked());
  EXPECT_EQ(Control<QSpinBox>("gsize")->value(), doc.GraphWidth);
  EXPECT_EQ(Control<QSpinBox>("gsize")->maximum(), 1024);
  EXPECT_EQ(Timer1().JobCode, job::View3DStep);
  // Asked again, the same window.
  Thanni3d* first = hanni3d;
  lpnavi->zahyouClick();
  EXPECT_EQ(hanni3d, first);
}

TEST_F(Thanni3dWindow, TheNavigatorWaitsWhileItIsOpenAndEscapeClosesIt) {
  OpenInSpace();
  EXPECT_FALSE(lpnavi->isEnabled());
  QTest::keyClick(hanni3d, Qt::Key_Escape);
  EXPECT_TRUE(lpnavi->isEnabled());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(hanni3d);
}

TEST_F(Thanni3dWindow, ControlsChangeTheStyleDivisionsAndColours) {
  OpenInSpace();
  Control<QCheckBox>("grayexpress")->click();
  EXPECT_EQ(modes.OutputColorMode, 1);
  Control<QCheckBox>("colorchange")->click();
  EXPECT_EQ(doc.SpaceColorsNotInverted, 0);
  Control<QCheckBox>("zahyouwidth")->click();
  EXPECT_EQ(doc.AxisWidth, 2);
  QSpinBox* divisions = Control<QSpinBox>("bunkatusuu");
  divisions->stepUp();
  EXPECT_EQ(doc.SurfaceGridN, 30);
  hanni3d->findChildren<QRadioButton*>()[0]->click();
  EXPECT_EQ(doc.SurfaceDrawMode, 0);
  Control<QSpinBox>("pfontsize")->setValue(16);
  EXPECT_EQ(doc.PointLabelFont.size, 16);
  // "その他" cancelled leaves the standard font down.
  Control<QToolButton>("potfntBt")->click();
  EXPECT_TRUE(Control<QToolButton>("pnrfntBT")->isChecked());
  EXPECT_EQ(doc.PointLabelFontCustom, 0);
}

TEST_F(Thanni3dWindow, SetMakesTheDrawingSquareAndTheFieldFollowsTheWindow) {
  OpenInSpace();
  Control<QSpinBox>("gsize")->setValue(500);
  Control<QPushButton>("resize")->click();
  QApplication::processEvents();
  EXPECT_EQ(doc.GraphWidth, 500);
  EXPECT_EQ(doc.GraphHeight, 500);
  EXPECT_EQ(graph->width(), 502);
  EXPECT_EQ(CompositeCanvas().Width(), 500);
  // The graph window resized by hand: the field shows the new side.
  graph->resize(452, 700);
  QApplication::processEvents();
  EXPECT_EQ(Control<QSpinBox>("gsize")->value(), doc.GraphWidth);
  EXPECT_NE(doc.GraphWidth, 500);
  // Closed, it is freed; the timer is off.
  Timer1().SetEnabled(true);
  hanni3d->close();
  EXPECT_FALSE(Timer1().Enabled());
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  EXPECT_FALSE(hanni3d);
}

}  // namespace
