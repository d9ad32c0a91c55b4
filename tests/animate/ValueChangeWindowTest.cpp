#include <QAction>
#include <QCloseEvent>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QRadioButton>
#include <QToolButton>

#include "PanelFixture.h"
#include "animate/MacroCompiler.h"
#include "animate/MacroRuns.h"
#include "animate/TValueChange.h"
#include "support/GuiApp.h"

namespace {

struct WindowTest : PanelTest {
  std::unique_ptr<TValueChange> window;

  void SetUp() override {
    PanelTest::SetUp();
    window = std::make_unique<TValueChange>(*panel);
  }
  void TearDown() override {
    window.reset();
    PanelTest::TearDown();
  }
  QToolButton* Button(const std::string& name) { return qobject_cast<QToolButton*>(window->Component(name)); }
  QLabel* Label(const std::string& name) { return qobject_cast<QLabel*>(window->Component(name)); }
  bool Visible(const std::string& name) { return window->Component(name)->isVisibleTo(window.get()); }
  void Click(QWidget* w) {
    const QPointF at(w->width() / 2.0, w->height() / 2.0);
    QMouseEvent release(QEvent::MouseButtonRelease, at, w->mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(w, &release);
  }
};

TEST_F(WindowTest, ShowsTheRowsInUseStackedInPanelOrder) {
  UseParameters("tb");
  window->ShowParameterForm();
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("パラメ－タ変更/マクロナビ"));
  EXPECT_TRUE(Visible("bpanel"));
  EXPECT_TRUE(Visible("t_Panel"));
  EXPECT_FALSE(Visible("apanel"));
  EXPECT_LT(window->Component("bpanel")->y(), window->Component("t_Panel")->y());
  EXPECT_TRUE(Visible("allupv"));
  EXPECT_FALSE(Visible("labelpanel"));
  EXPECT_GE(window->Component("navipanel")->y(),
            window->Component("t_Panel")->y() + window->Component("t_Panel")->height());
  EXPECT_EQ(Label("valub")->text(), QStringLiteral("1.000"));
  EXPECT_EQ(Label("tincv")->text(), QStringLiteral("0.100"));
  window->close();
  UseParameters("");
  doc.ParameterUsed.fill(0);
  UseParameters("b");
  window->ShowParameterForm();
  EXPECT_FALSE(Visible("allupv"));
  EXPECT_FALSE(Visible("t_Panel"));
}

TEST_F(WindowTest, HoldingTheUpButtonRepeatsUntilItIsReleased) {
  AddExplicit("a*x");
  window->ShowParameterForm();
  QToolButton* up = Button("aupv");
  emit up->pressed();
  EXPECT_EQ(Label("valua")->text(), QStringLiteral("1.100"));
  clock->advance(1000);  // steps at 400, 750, 950 and 1000 ms
  emit up->released();
  EXPECT_EQ(Label("valua")->text(), QStringLiteral("1.500"));
  EXPECT_FALSE(timer.Enabled());
  emit Button("adownv")->pressed();
  emit Button("adownv")->released();
  EXPECT_EQ(Label("valua")->text(), QStringLiteral("1.400"));
}

TEST_F(WindowTest, ClickingAValuePanelAsksForTheValue) {
  AddExplicit("a*x");
  window->ShowParameterForm();
  hooks.answers = {"-1-2"};
  Click(Label("valua"));
  EXPECT_EQ(hooks.asked, std::vector<std::string>{"aの値"});
  EXPECT_EQ(Cell('a'), -3);
  EXPECT_EQ(Label("valua")->text(), QStringLiteral("-3.000"));  // at once, as a step shows it
  emit Button("acl")->clicked();
  EXPECT_EQ(Label("valua")->text(), QStringLiteral("0.000"));
}

TEST_F(WindowTest, StepWidthSpinsAndAngleUnits) {
  UseParameters("ar");
  window->ShowParameterForm();
  auto* group = window->Component("kizamichange");
  auto radios = group->findChildren<QRadioButton*>();
  ASSERT_EQ(radios.size(), 5);
  EXPECT_TRUE(radios[2]->isChecked());
  radios[1]->setChecked(true);  // "1"
  EXPECT_EQ(panel->StepWidth, 1.0f);
  emit Button("aspinup")->clicked();
  EXPECT_EQ(Label("aincv")->text(), QStringLiteral("1.100"));
  emit Button("aspindown")->clicked();
  emit Button("aspindown")->clicked();
  EXPECT_EQ(Label("aincv")->text(), QStringLiteral("-0.900"));
  EXPECT_TRUE(Label("aincv")->styleSheet().contains(QStringLiteral("#ff0000")));  // red for a fall
  emit Button("anul")->clicked();
  EXPECT_EQ(Label("aincv")->text(), QStringLiteral("0.000"));

  doc.ThetaDisplayValue = 0.5L;
  panel->AngleRowUnderMouse = 0;
  QAction* degrees = nullptr;
  for (QAction* a : window->AngleMenu()->actions())
    if (a->objectName() == QStringLiteral("degunit")) degrees = a;
  ASSERT_NE(degrees, nullptr);
  degrees->trigger();
  EXPECT_EQ(Label("valusita")->text(), QString::fromUtf8("0.50ﾟ"));

  // Refused while a macro runs: the group goes back to the width in force.
  settings.MacroRunning = 1;
  radios[4]->setChecked(true);
  EXPECT_TRUE(radios[1]->isChecked());
  settings.MacroRunning = 0;
}

TEST_F(WindowTest, TheFirstCloseInIdleWorkKeepsTheWindowOpen) {
  UseParameters("a");
  modes.AnimationMode = 6;
  modes.PreviousAnimationMode = 0;
  window->show();
  QCloseEvent first;
  QApplication::sendEvent(window.get(), &first);
  EXPECT_FALSE(first.isAccepted());
  EXPECT_TRUE(Visible("apanel"));
  QCloseEvent second;
  QApplication::sendEvent(window.get(), &second);
  EXPECT_TRUE(second.isAccepted());
}

TEST_F(WindowTest, TheMacroGroupRunsTheTaggedProceduresAndStopsThem) {
  UseParameters("ah");
  window->ShowParameterForm();
  for (int n = 1; n <= 9; ++n) EXPECT_FALSE(Button("macro" + std::to_string(n))->isEnabled());
  doc.MacroLines = {"sub go() #1", "b=5", "end sub", "sub " + sj("動く") + "() #3", "end sub"};
  ASSERT_TRUE(Macros().CompileMacro());
  window->ShowMacroButtons(MacroButtonCaptions(settings.MacroProgram));
  EXPECT_TRUE(Button("macro1")->isEnabled());
  EXPECT_FALSE(Button("macro2")->isEnabled());
  EXPECT_EQ(Button("macro3")->text(), QString::fromUtf8("動く"));
  Button("macro1")->click();
  EXPECT_EQ(Cell('b'), 5.0f);
  EXPECT_FALSE(Button("macro1")->isChecked());

  window->SetMacroControlsEnabled(false);
  EXPECT_FALSE(window->Component("apanel")->isEnabled());
  EXPECT_TRUE(window->Component("h_panel")->isEnabled());
  EXPECT_FALSE(window->Component("kizamichange")->isEnabled());
  EXPECT_FALSE(Button("macroedit")->isEnabled());
  EXPECT_TRUE(Button("stop")->isEnabled());
  settings.MacroRunning = 1;
  Button("stop")->click();
  EXPECT_EQ(settings.MacroRunning, 0);
  window->SetMacroControlsEnabled(true);
  EXPECT_TRUE(window->Component("apanel")->isEnabled());

  window->ShowMacroStatus(true, "データ2 に録音中");
  EXPECT_TRUE(Visible("macrostatus"));
  EXPECT_EQ(Label("macrostatus")->text(), QString::fromUtf8("データ2 に録音中"));
}

TEST_F(WindowTest, TheAfterImageButtonsFollowTheSwitchesAndTheHistory) {
  AddExplicit("a*x");
  window->ShowParameterForm();
  EXPECT_TRUE(Visible("zanBt"));
  EXPECT_FALSE(Visible("undoBT"));
  EXPECT_TRUE(Button("eraseBT")->isChecked());
  Button("zanBt")->click();
  EXPECT_EQ(modes.AfterImageOn, 1);
  EXPECT_TRUE(Button("zanBt")->isChecked());
  EXPECT_TRUE(Visible("undoBT"));
  EXPECT_FALSE(Button("eraseBT")->isChecked());
  emit Button("aupv")->pressed();
  emit Button("aupv")->released();
  ASSERT_NE(settings.AfterImageHistory->older, nullptr);
  Button("undoBT")->click();
  EXPECT_EQ(settings.AfterImageHistory->older, nullptr);
  EXPECT_EQ(Label("valua")->text(), QStringLiteral("1.000"));
  Button("zancolor2")->click();
  EXPECT_EQ(settings.AfterImageColorMode, 1);
  EXPECT_FALSE(Button("zancolor1")->isChecked());
  Button("eraseBT")->click();
  EXPECT_EQ(settings.AfterImageHistory, nullptr);
  EXPECT_FALSE(Button("zanBt")->isChecked());
  EXPECT_FALSE(Visible("undoBT"));
}

TEST_F(WindowTest, TheIntervalLayoutShowsAndStepsTheBounds) {
  AddExplicit("x^2");
  doc.IntervalMode = 1;
  doc.IntervalLowerText = "0";
  doc.IntervalUpperText = "1";
  modes.AnimationMode = 1;
  window->ShowIntervalPanel();
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("区間設定"));
  for (const char* shown : {"intervalpanel", "hsettei", "intervalstpanel", "texthyouji", "lower1", "uper1"})
    EXPECT_TRUE(Visible(shown)) << shown;
  for (const char* hidden : {"navipanel", "allupv", "lower2"}) EXPECT_FALSE(Visible(hidden)) << hidden;
  EXPECT_EQ(Label("intervallower")->text(), QStringLiteral("0"));
  emit Button("lowerplus")->clicked();
  EXPECT_EQ(Label("intervallower")->text(), QStringLiteral("0.100"));
  EXPECT_EQ(Label("intervalupper")->text(), QStringLiteral("1.000"));
  Button("uper1")->click();
  EXPECT_TRUE(Visible("uper2"));
  EXPECT_FALSE(Visible("uper1"));
  auto radios = window->Component("MaxMIn")->findChildren<QRadioButton*>();
  ASSERT_EQ(radios.size(), 2);
  radios[1]->setChecked(true);  // "off"
  EXPECT_EQ(modes.IntervalMaxMinShown, 0);
  EXPECT_FALSE(Visible("texthyouji"));
  Button("Button1")->click();  // the interval released: the parameter layout stays
  EXPECT_EQ(doc.IntervalMode, 0);
  EXPECT_TRUE(Visible("navipanel"));
  EXPECT_FALSE(Visible("intervalpanel"));
}

}  // namespace
