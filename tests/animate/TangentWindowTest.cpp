#include <QCheckBox>
#include <QLabel>
#include <QPointer>
#include <QTest>
#include <QToolButton>

#include "TangentFixture.h"
#include "animate/Tdtangent.h"
#include "support/GuiApp.h"

namespace {

struct TangentWindowTest : TangentTest {
  QPointer<Tdtangent> window;

  void TearDown() override {
    delete window.data();
    TangentTest::TearDown();
  }
  void Show(const std::string& f) {
    SetFunction(f);
    model->OpenTangentNavi();
    window = new Tdtangent(*model);
    window->show();
  }
  QToolButton* Button(const std::string& name) { return qobject_cast<QToolButton*>(window->Component(name)); }
  QString Text(const std::string& name) { return qobject_cast<QLabel*>(window->Component(name))->text(); }
};

TEST_F(TangentWindowTest, ShowsPAndMovesIt) {
  Show("x^2");
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("接線の傾きの変化"));
  EXPECT_TRUE(model->TangentNaviOpen());
  EXPECT_EQ(Text("Pxvalue"), QStringLiteral("-2.5000"));
  EXPECT_EQ(Text("Pyvalue"), QStringLiteral("6.2500"));
  EXPECT_EQ(Text("psesvalue"), QStringLiteral("-5.0000"));
  EXPECT_TRUE(Button("Stop")->isChecked());
  EXPECT_EQ(Button("Aright")->toolTip(), QString::fromUtf8("接点を右に移動します"));

  QTest::mouseClick(Button("Aright"), Qt::LeftButton);
  EXPECT_TRUE(Button("Aright")->isChecked());
  EXPECT_FALSE(Button("Stop")->isChecked());
  clock->advance(5 * kTick);
  EXPECT_EQ(Text("Pxvalue"), QStringLiteral("-2.4000"));
  QTest::mouseClick(Button("Stop"), Qt::LeftButton);
  EXPECT_TRUE(Button("Stop")->isChecked());
  EXPECT_FALSE(timer.Enabled());

  // Pright held past the first delay repeats; its click at the release makes one step more.
  QTest::mousePress(Button("Pright"), Qt::LeftButton);
  clock->advance(kReleasedInterval + kTick);
  QTest::mouseRelease(Button("Pright"), Qt::LeftButton);
  EXPECT_EQ(Text("Pxvalue"), QStringLiteral("-2.3400"));
  EXPECT_FALSE(timer.Enabled());

  qobject_cast<QCheckBox*>(window->Component("sesstexthyouji"))->click();
  EXPECT_EQ(modes.TangentTextShown, 1);
}

TEST_F(TangentWindowTest, WithoutAPointTheMovementButtonsAreOff) {
  Show("sqrt(-1-x^2)");
  EXPECT_EQ(Text("Pxvalue"), QString::fromLatin1(kNoValueText));
  for (const char* name : {"Aleft", "Aright", "Pleft", "Pright", "Pxvalue"})
    EXPECT_FALSE(window->Component(name)->isEnabled()) << name;
  EXPECT_TRUE(Button("Stop")->isEnabled());
}

// Closed by a click that arrives while P is drawn: the window outlives the step that is
// drawing and goes once no handler of it runs any more.
TEST_F(TangentWindowTest, ClosedInsideItsOwnDrawingItIsFreedAfterwards) {
  Show("x^2");
  bool alive = false;
  pump.onPump = [&](int) {
    if (window && window->isVisible()) window->close();
    alive = window;
  };
  QTest::mouseClick(Button("Pright"), Qt::LeftButton);
  EXPECT_TRUE(alive);
  EXPECT_FALSE(model->TangentNaviOpen());
  EXPECT_EQ(timer.JobCode, job::FreeTangentWindow);
  EXPECT_TRUE(window);
  platform::RunDeferredActions();
  EXPECT_FALSE(window);
}

}  // namespace
