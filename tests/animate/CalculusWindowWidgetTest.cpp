// The calculus window as the navigator opens it: its panels by animation, the clicks
// forwarded to its logic, and the close that frees it on a later tick.
#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QMouseEvent>
#include <QPointer>
#include <QToolButton>
#include <string>
#include <vector>

#include "CalculusFixture.h"
#include "animate/CalculusTexts.h"
#include "animate/CalculusWindows.h"
#include "animate/Tintegnavi.h"
#include "support/FakeTimerBackend.h"
#include "support/GuiApp.h"

namespace {

struct CalculusWidgetTest : CalculusTest {
  void SetUp() override {
    CalculusTest::SetUp();
    auto backend = std::make_unique<platform::FakeTimerBackend>();
    clock = backend.get();
    Timer1().SetBackend(std::move(backend));
    SetCalculusWindowHost(&hooks);
  }
  void TearDown() override {
    FreeCalculusWindow();
    SetCalculusWindowHost(nullptr);
    Timer1().SetBackend(nullptr);
    CalculusTest::TearDown();
  }
  QWidget* Part(const char* name) { return CalculusWindow()->Component(name); }
  QString Text(const char* name) { return static_cast<QLabel*>(Part(name))->text(); }
  static void Click(QWidget* w) {
    if (auto* button = qobject_cast<QAbstractButton*>(w)) {
      button->click();
      return;
    }
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(w, &release);
  }
};

TEST_F(CalculusWidgetTest, RiemannWindowFromOpeningToItsFree) {
  AddExplicit("x^2");
  hooks.answers = {"0", "1"};
  OpenRiemannSumNavi();
  ASSERT_TRUE(CalculusWindowOpen());
  EXPECT_EQ(CalculusWindow()->windowTitle(), QString::fromUtf8("区分求積"));
  EXPECT_EQ(CalculusWindow()->width(), 264);
  EXPECT_EQ(modes.AnimationMode, 2);
  EXPECT_EQ(ui.SubFormOpen, 1);
  EXPECT_EQ(Part("heikinpanel"), nullptr);
  clock->advanceToNextTick();  // the bounds are asked
  EXPECT_EQ(Text("integmin"), "0");
  EXPECT_EQ(Text("integmax"), "1");
  Click(Part("MaxButton"));
  EXPECT_TRUE(static_cast<QToolButton*>(Part("MaxButton"))->isChecked());
  EXPECT_EQ(Text("SumMax"), "0.6250");
  Click(Part("incdiv"));
  EXPECT_EQ(Text("Panel1"), "3");
  hooks.answers = {"0.5"};
  Click(Part("integmin"));
  EXPECT_EQ(Text("integmin"), "0.5");

  QPointer<Tintegnavi> window = CalculusWindow();
  window->close();
  EXPECT_FALSE(CalculusWindowOpen());
  EXPECT_EQ(modes.AnimationMode, 6);
  EXPECT_EQ(ui.SubFormOpen, 0);
  EXPECT_EQ(modes.RiemannStarted, 1);
  clock->advanceToNextTick();  // job 23
  platform::RunDeferredActions();
  EXPECT_FALSE(window);
  EXPECT_EQ(CurrentCalculusModel(), nullptr);
}

TEST_F(CalculusWidgetTest, EachAnimationShowsItsPanels) {
  AddExplicit("x");
  OpenMeanRateNavi();
  EXPECT_EQ(CalculusWindow()->windowTitle(), QString::fromUtf8("平均変化率の意味"));
  for (const char* name : {"Axvalue", "Bxvalue", "heilabel", "linecolor", "Aleft", "Bright", "lstart", "redo"})
    EXPECT_NE(Part(name), nullptr) << name;
  hooks.answers = {"1", "3"};
  clock->advanceToNextTick();
  EXPECT_EQ(Text("heilabel"), "1.0000");
  EXPECT_TRUE(static_cast<QCheckBox*>(Part("texthyouji"))->isChecked());

  // The integral window: Start and the operation panel come with the theorem.
  OpenIntegralTheoremNavi();
  EXPECT_EQ(CalculusWindow()->Model().Set(), CalculusSet::Integral);  // the other one closed
  EXPECT_EQ(CalculusWindow()->width(), 240);
  hooks.answers = {"0", "2"};
  clock->advanceToNextTick();
  platform::RunDeferredActions();
  EXPECT_EQ(Text("integralvalue"), "2.0000000");
  EXPECT_FALSE(Part("sousapanel")->isVisibleTo(CalculusWindow()));
  Click(Part("theorem"));
  EXPECT_TRUE(Part("sousapanel")->isVisibleTo(CalculusWindow()));
  EXPECT_EQ(Text("integmean"), "1.0000");
}

TEST_F(CalculusWidgetTest, TheLongestNumbersFitTheirPanels) {
  AddExplicit("x");
  const std::string longest[] = {YValueText(-1234567.25L), YValueText(-1.1e300L), ValueText("0.0000", -12345678901.25L),
                                 YValueText(-1.1e4000L)};
  const struct {
    void (*open)();
    std::vector<const char*> panels;
  } windows[] = {
      {OpenMeanRateNavi, {"Axvalue", "Ayvalue", "Bxvalue", "Byvalue", "xvalue", "yvalue", "heilabel"}},
      {OpenRiemannSumNavi, {"SumMax", "sumMin", "polizoid", "shymp", "leftsum", "rightsum", "midlesum"}},
      {OpenIntegralTheoremNavi, {"integralvalue", "valuh", "integmean", "maxyvalue", "minyvalue"}},
  };
  for (const auto& w : windows) {
    w.open();
    Click(Part("theorem") ? Part("theorem") : Part("texthyouji"));
    CalculusWindow()->layout()->activate();
    for (const char* name : w.panels) {
      auto* label = static_cast<QLabel*>(Part(name));
      for (const std::string& text : longest) {
        label->setText(QString::fromStdString(text));
        EXPECT_GE(label->width(), label->sizeHint().width()) << name << " " << text;
      }
    }
  }
  EXPECT_EQ(longest[0].size(), kMaxValueTextLength);
  EXPECT_EQ(longest[1], "-1.1000000E+300");
  EXPECT_EQ(longest[3], "-1.1000000E+4000");
}

}  // namespace
