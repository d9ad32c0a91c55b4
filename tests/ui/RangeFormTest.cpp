#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QApplication>
#include <QPointer>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <deque>

#include "ProgramWindowsFixture.h"
#include "RedrawCountFixture.h"
#include "WhenModal.h"
#include "animate/TimerJobs.h"
#include "formula/DocumentState.h"
#include "platform/Sjis.h"
#include "render/RedrawHost.h"
#include "render/RedrawPipeline.h"
#include "render/RenderState.h"
#include "support/FakeDialogs.h"
#include "ui/CanvasView.h"
#include "platform/ClickLabel.h"
#include "ui/CoordinateSelector.h"
#include "ui/GraphToolStrip.h"
#include "ui/RangeFormModel.h"
#include "ui/THanichange.h"
#include "ui/UiStateFixture.h"

namespace {

// --- the window's logic ---------------------------------------------------------------------

class RangeFormModelTest : public RedrawCountTest {
 protected:
  void SetUp() override {
    RedrawCountTest::SetUp();
    doc.GraphWidth = doc.GraphHeight = 40;
  }
  // Answers in turn; a cancel when they run out.
  RangeFormModel::AskText Answers(std::deque<std::string> answers) {
    return [this, answers](const char* caption, std::uint8_t kind, std::string& text) mutable {
      asked.push_back(std::string(caption) + " " + std::to_string(kind) + " " + text);
      if (answers.empty()) return false;
      text = answers.front();
      answers.pop_front();
      return true;
    };
  }

  TimerJobs timer;
  RangeFormModel model{timer};
  std::vector<std::string> asked;
};

TEST_F(RangeFormModelTest, ShowAndCloseTheWindow) {
  doc.ViewRange = TViewRange{-2.5L, 5, -1, 1.0005L};
  model.FormShow();
  EXPECT_EQ(model.BoundTexts, (TBoundTexts{"-2.500", "5.000", "-1.000", "1.001"}));
  EXPECT_EQ(model.DrawingWidth, 40);
  EXPECT_EQ(ui.SubFormOpen, 1);
  EXPECT_EQ(timer.JobCode, job::View2DStep);
  EXPECT_EQ(Redraws(), 0);
  // Closing without an edit applies nothing.
  EXPECT_EQ(model.FormClose(), BoundsResult::Applied);
  EXPECT_EQ(ui.SubFormOpen, 0);
  EXPECT_EQ(Redraws(), 0);
}

TEST_F(RangeFormModelTest, ABoundThatDoesNotEvaluateIsAskedAgain) {
  model.RefreshRangeForm();
  EXPECT_TRUE(model.EditBound(0, Answers({"sqrt(-1)", "-6"})));
  EXPECT_EQ(asked, (std::vector<std::string>{"ｘの下限 7 -5.000", "ｘの下限 7 sqrt(-1)"}));
  EXPECT_EQ(model.BoundTexts[0], "-6");
  EXPECT_EQ(model.RangeEdited, 1);
  EXPECT_EQ(doc.ViewRange, TViewRange{});  // not before the close

  asked.clear();
  EXPECT_FALSE(model.EditBound(3, Answers({"1/0"})));
  EXPECT_EQ(asked.size(), 2u);
  EXPECT_EQ(model.BoundTexts[3], "5.000");

  EXPECT_EQ(model.FormClose(), BoundsResult::Applied);
  EXPECT_EQ(doc.ViewRange, (TViewRange{-6, 5, -5, 5}));
  EXPECT_EQ(model.RangeEdited, 0);
  EXPECT_EQ(Redraws(), 1);
}

TEST_F(RangeFormModelTest, BoundsApplyOnlyAsAViewAndSayWhyNot) {
  model.RefreshRangeForm();
  model.SetBoundText(0, "-5");  // the same as the view's
  EXPECT_EQ(model.RangeEdited, 0);
  struct Case {
    TBoundTexts texts;
    BoundsResult result;
    const char* message;
  };
  const Case cases[] = {
      {{"6", "5.000", "-5.000", "5.000"}, BoundsResult::BadRange, kXOrderMessage},
      {{"-5", "5", "2", "2"}, BoundsResult::BadRange, kYOrderMessage},
      {{"-5", "5", "-5", "60000"}, BoundsResult::BadRange, kBoundLimitMessage},
      // A text that stopped evaluating (a constant since deleted).
      {{"-1", "1", "-1", "Q1"}, BoundsResult::NotEvaluable, kBadFormulaMessage},
  };
  for (const Case& c : cases) {
    model.BoundTexts = c.texts;
    model.RangeEdited = 1;
    const BoundsResult result = model.ApplyPendingBounds();
    EXPECT_EQ(result, c.result) << c.texts[0];
    EXPECT_STREQ(model.RefusalMessage(result), c.message);
    // Refused: the view stays, the panels keep what was typed, still to be applied.
    EXPECT_EQ(doc.ViewRange, TViewRange{});
    EXPECT_EQ(model.BoundTexts, c.texts);
    EXPECT_EQ(model.RangeEdited, 1);
  }
  EXPECT_EQ(Redraws(), 0);
  model.BoundTexts[3] = "6";
  EXPECT_EQ(model.ApplyPendingBounds(), BoundsResult::Applied);
  EXPECT_STREQ(model.RefusalMessage(BoundsResult::Applied), "");
  EXPECT_EQ(Redraws(), 1);
}

TEST_F(RangeFormModelTest, ABoundBeyondTheLimitIsAskedAgainWithTheKeyboardsMessage) {
  model.RefreshRangeForm();
  std::vector<int> evaluated;  // the evaluation flag as each question opens
  const RangeFormModel::AskText answers = Answers({"70000", "-60000", "-6"});
  EXPECT_TRUE(model.EditBound(0, [&](const char* caption, std::uint8_t kind, std::string& text) {
    evaluated.push_back(eng.EvalOK);
    return answers(caption, kind, text);
  }));
  EXPECT_EQ(asked, (std::vector<std::string>{"ｘの下限 7 -5.000", "ｘの下限 7 70000", "ｘの下限 7 -60000"}));
  EXPECT_EQ(evaluated, (std::vector<int>{1, 0, 0}));
  EXPECT_EQ(model.BoundTexts[0], "-6");
}

TEST_F(RangeFormModelTest, ButtonsStandForTheirSettings) {
  struct Case {
    const char* name;
    std::function<int()> field;
    int value;
  };
  const Case cases[] = {
      {"dashline", [] { return doc.GridSettings.dashed; }, 1},
      {"jituline", [] { return doc.GridSettings.dashed; }, 0},
      {"dwidth", [] { return doc.GridSettings.thickness; }, 2},
      {"kousi2", [] { return doc.GridSettings.kind; }, 2},
      {"kousi0", [] { return doc.GridSettings.kind; }, 0},
      {"memori1", [] { return doc.AxisTicksShown * 10 + doc.AxisNumbersShown; }, 10},
      {"memori0", [] { return doc.AxisTicksShown * 10 + doc.AxisNumbersShown; }, 0},
      {"memori2", [] { return doc.AxisTicksShown * 10 + doc.AxisNumbersShown; }, 11},
      {"jikuwidth3", [] { return doc.AxisWidth; }, 3},
      {"mojiright", [] { return doc.AxisNumberPosition; }, 2},
      {"arrownon", [] { return settings.AxisWidthMode; }, 2},
      {"xdeg2", [] { return doc.XAxisUnit; }, 4},
      {"yradi", [] { return doc.YAxisUnit; }, 2},
  };
  for (const Case& c : cases) {
    model.Choose(c.name);
    EXPECT_EQ(c.field(), c.value) << c.name;
    EXPECT_TRUE(RangeFormModel::Chosen(c.name)) << c.name;
  }
  EXPECT_EQ(Redraws(), static_cast<int>(std::size(cases)));
  EXPECT_FALSE(RangeFormModel::Chosen("memori1"));
  model.Check("ycoodishow", false);
  model.Check("hirituhoji", true);
  EXPECT_EQ(doc.YAxisShown, 0);
  EXPECT_EQ(settings.KeepAspectRatio, 1);
  model.Choose("nothing");
  EXPECT_EQ(Redraws(), static_cast<int>(std::size(cases)) + 2);
}

TEST_F(RangeFormModelTest, CoordinatesAxesFontsAndSize) {
  model.SelectCoordinateSystem(3);
  EXPECT_EQ(doc.CoordinateSystem, 3);
  EXPECT_EQ(model.RangeEdited, 1);
  model.SelectCoordinateSystem(5);
  EXPECT_EQ(doc.CoordinateSystem, 3);
  model.SetTickDensity(RangeAxis::Y, 4);
  EXPECT_EQ(settings.YTickDensity, 2);
  model.SetAxisName(RangeAxis::X, "θ");
  EXPECT_EQ(doc.XAxisName, sj("θ"));
  model.SetCustomFont(RangeFont::PointLabel, Tlfont{sj("ＭＳ 明朝"), 14, 0xFF, 1});
  EXPECT_EQ(doc.PointLabelFontCustom, 1);
  EXPECT_EQ(doc.PointLabelFont.size, 14);
  model.SetStandardFont(RangeFont::PointLabel);
  EXPECT_EQ(doc.PointLabelFontCustom, 0);
  model.SetFontSize(RangeFont::Axis, 20);
  EXPECT_EQ(doc.GraphFont.size, 20);

  model.MaxWidth = 1280;
  model.DrawingWidth = 500;
  EXPECT_TRUE(model.EditDrawingSize(RangeAxis::X, Answers({"5000"})));
  EXPECT_EQ(model.DrawingWidth, 1280);
  EXPECT_EQ(asked.back(), "横サイズ 8 500");
  EXPECT_TRUE(model.EditDrawingSize(RangeAxis::X, Answers({"0"})));
  EXPECT_EQ(model.DrawingWidth, 1);
  EXPECT_FALSE(model.EditDrawingSize(RangeAxis::X, Answers({})));
  EXPECT_EQ(model.DrawingWidth, 1);
}

TEST_F(RangeFormModelTest, TheBoundsTypedOutliveTheResizeOfAnUpdate) {
  model.RefreshRangeForm();
  model.SetBoundText(3, "8");
  model.DrawingWidth = 30;
  EXPECT_EQ(model.ApplySizeAndBounds([this](int width, int) {
    doc.GraphWidth = width;
    RedrawAll();
    model.RefreshRangeForm();  // what the window's redraw does
  }),
            BoundsResult::Applied);
  EXPECT_EQ(doc.ViewRange.YMax, 8);
}

// --- the window in the program ----------------------------------------------------------------

class RangeFormWindowTest : public ProgramWindowsTest {
 protected:
  void SetUp() override {
    ProgramWindowsTest::SetUp();
    Start();
    ShowAndTick();
    SetRedrawHost(&counting);
    Redraws() = 0;
    lpnavi->MenuItem("zahyou")->trigger();
    QApplication::processEvents();
    ASSERT_NE(Hanichange, nullptr);
    w = Hanichange;
  }
  static int& Redraws() {
    static int n = 0;
    return n;
  }
  void Click(QWidget* widget, QPoint at = {}) {
    QTest::mouseClick(widget, Qt::LeftButton, {}, at.isNull() ? widget->rect().center() : at);
    QApplication::processEvents();
  }

  // The program's host, each whole redraw counted (each shows the range).
  struct CountingRedraws : ProgramRedrawHost {
    void ShowRangeInStatusBar() override {
      ++Redraws();
      ProgramRedrawHost::ShowRangeInStatusBar();
    }
  } counting;
  THanichange* w = nullptr;
};

TEST_F(RangeFormWindowTest, OpensFromTheNavigatorShowingTheSettings) {
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(w->windowTitle(), QString::fromUtf8("画面設定２D"));
  EXPECT_EQ(w->Pages()->currentIndex(), 1);
  EXPECT_FALSE(lpnavi->isEnabled());
  EXPECT_EQ(modes.RangeFormFromNavigator, 1);
  EXPECT_EQ(Redraws(), 0);
  for (const char* on : {"kousi1", "jituline", "lwidth", "memori2", "jikuwidth1", "xnon", "ynon", "xcoodishow"})
    EXPECT_TRUE(w->Control(on)->isChecked()) << on;
  for (const char* off : {"kousi2", "dashline", "memori0", "hirituhoji", "xradi"})
    EXPECT_FALSE(w->Control(off)->isChecked()) << off;
  EXPECT_EQ(w->BoundPanel(0)->text(), "-5.000");
  EXPECT_EQ(w->SizeField(RangeAxis::X)->text(), QString::number(doc.GraphWidth));
}

TEST_F(RangeFormWindowTest, ControlsChangeTheGraphAtOnce) {
  Click(w->Control("kousi2"));
  EXPECT_EQ(doc.GridSettings.kind, 2);
  EXPECT_EQ(Redraws(), 1);
  const gfx::Rect r = CoordTypeButtonRect(3);
  Click(w->CoordinateSelector(), QPoint((r.left + r.right) / 2, (r.top + r.bottom) / 2));
  EXPECT_EQ(doc.CoordinateSystem, 3);
  EXPECT_EQ(Redraws(), 2);
  // A choice on the graph's pop-up menu shows in the window.
  graph->PopupItemChosen("hkousi");
  EXPECT_TRUE(w->Control("kousi1")->isChecked());
  // Zooming shows the new bounds in the panels. While the window is open a view button
  // steps only when held.
  doc.CoordinateSystem = 0;
  QToolButton* zoomIn = graph->ToolStrip()->Button("glarge");
  QTest::mousePress(zoomIn, Qt::LeftButton);
  timer->advance(kViewHoldInterval);
  QTest::mouseRelease(zoomIn, Qt::LeftButton);
  EXPECT_EQ(w->BoundPanel(1)->text(), "3.536");
  timer->advanceToNextTick();  // the release's tick
  EXPECT_FALSE(Timer1().Enabled());
}

TEST_F(RangeFormWindowTest, BoundsAndSizeApplyOnUpdate) {
  // A bound that does not evaluate is asked again, and the cancel keeps the view.
  AnswerKeyboard("ｘの下限", "sqrt(-1)");
  bool askedAgain = false;
  WhenShown<Tkeyfunc>(
      [](Tkeyfunc& k) { return k.MessageLine()->text() == QString::fromUtf8("違う値を入力してください"); },
      [&askedAgain](Tkeyfunc& k) {
        askedAgain = true;
        k.Key("cancelBT")->click();
      });
  Click(w->BoundPanel(0));
  EXPECT_TRUE(askedAgain);
  EXPECT_EQ(w->BoundPanel(0)->text(), "-5.000");
  EXPECT_EQ(w->Model().RangeEdited, 0);

  AnswerKeyboard("ｙの上限", "8");
  Click(w->BoundPanel(3));
  EXPECT_EQ(w->BoundPanel(3)->text(), "8");
  AnswerKeyboard("横サイズ", "600");
  Click(w->SizeField(RangeAxis::X));
  Click(w->Control("henkousin"));
  EXPECT_EQ(graph->width(), 602);
  EXPECT_EQ(doc.GraphWidth, 600);
  EXPECT_EQ(doc.ViewRange.YMax, 8);
  EXPECT_EQ(w->BoundPanel(3)->text(), "8.000");
}

TEST_F(RangeFormWindowTest, RefusedBoundsSayWhyAndStayAsTyped) {
  auto messages = [this] {
    std::vector<std::string> texts;
    for (const platform::FakeDialogs::Call& c : dialogs.calls)
      if (c.kind == platform::FakeDialogs::Kind::Message) texts.push_back(c.text);
    return texts;
  };
  // Beyond the limit: the keyboard comes back with its message and the text typed.
  AnswerKeyboard("ｘの上限", "70000");
  QString shownAgain;
  WhenShown<Tkeyfunc>(
      [](Tkeyfunc& k) { return k.MessageLine()->text() == QString::fromUtf8("違う値を入力してください"); },
      [&shownAgain](Tkeyfunc& k) {
        shownAgain = k.Edit()->text();
        k.Key("cancelBT")->click();
      });
  Click(w->BoundPanel(1));
  EXPECT_EQ(shownAgain, "70000");
  EXPECT_EQ(w->BoundPanel(1)->text(), "5.000");

  // A lower bound above the upper one: "更新" says why and the panel keeps it.
  AnswerKeyboard("ｘの下限", "6");
  Click(w->BoundPanel(0));
  Click(w->Control("henkousin"));
  EXPECT_EQ(messages(), std::vector<std::string>{kXOrderMessage});
  EXPECT_EQ(w->BoundPanel(0)->text(), "6");
  EXPECT_EQ(doc.ViewRange.XMin, -5);
  // "終了" too, and the window stays for the correction.
  Click(w->Control("syuuryou"));
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(messages().size(), 2u);
  AnswerKeyboard("ｘの上限", "8");
  Click(w->BoundPanel(1));
  const QPointer<THanichange> window = w;  // freed once its close is handled
  Click(w->Control("syuuryou"));
  EXPECT_TRUE(!window || !window->isVisible());
  EXPECT_EQ(doc.ViewRange.XMin, 6);
  EXPECT_EQ(doc.ViewRange.XMax, 8);
  EXPECT_EQ(messages().size(), 2u);
}

TEST_F(RangeFormWindowTest, TheCloseAppliesAndFreesTheWindowAfterwards) {
  w->Model().SetBoundText(0, "-7");
  const QPointer<THanichange> window = w;
  QTest::mouseClick(w->Control("syuuryou"), Qt::LeftButton);
  ASSERT_TRUE(window);  // not inside its own close
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(doc.ViewRange.XMin, -7);
  EXPECT_TRUE(lpnavi->isEnabled());
  EXPECT_EQ(ui.SubFormOpen, 0);
  EXPECT_EQ(Timer1().JobCode, job::FreeRangeForm);
  QApplication::processEvents();
  timer->advanceToNextTick();
  EXPECT_EQ(Hanichange, nullptr);
  EXPECT_EQ(modes.RangeFormFromNavigator, 0);
  // Another "画面設定" makes a new one.
  lpnavi->MenuItem("zahyou")->trigger();
  ASSERT_NE(Hanichange, nullptr);
  EXPECT_EQ(Hanichange->BoundPanel(0)->text(), "-7.000");
}

}  // namespace
