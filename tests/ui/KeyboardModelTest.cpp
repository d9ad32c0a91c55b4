#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "UiStateFixture.h"
#include "platform/Sjis.h"
#include "ui/KeyboardCheck.h"
#include "ui/KeyboardModel.h"

namespace {

using KeyboardModelTest = UiStateTest;

// One step of a key sequence: a key of the tables by name, a function key "f<n>@<page>",
// or typed text "type:<text>" that leaves the caret at its end.
void Step(KeyboardModel& m, const std::string& step) {
  if (step.rfind("type:", 0) == 0) {
    const std::string typed = sj(step.substr(5));
    std::string text = m.Text();
    text.insert(static_cast<size_t>(m.Caret()), typed);
    m.Edited(text, m.Caret() + static_cast<int>(typed.size()));
  } else if (step[0] == 'f' && step.find('@') != std::string::npos) {
    m.SetPage(std::stoi(step.substr(step.find('@') + 1)));
    m.PressFunctionKey(std::stoi(step.substr(1)));
  } else {
    const KeyboardKey* key = FindKeyboardKey(step);
    ASSERT_NE(key, nullptr) << step;
    m.Press(*key);
  }
}

TEST_F(KeyboardModelTest, KeySequencesGiveTextAndCaretInBytes) {
  struct Row {
    const char* start;
    int caret;
    std::vector<std::string> steps;
    const char* text;
    int expectedCaret;
  } rows[] = {
      {"", 0, {"p", "i"}, "π", 2},             // spelled pi becomes the sign at once
      {"", 0, {"s", "i", "t_Button", "a"}, "θ", 2},
      {"", 0, {"type:2pi"}, "2π", 3},
      {"", 0, {"type:30do"}, "30ﾟ", 3},        // the one-byte degree sign leaves the caret, clamped
      {"30+1", 2, {"type:do"}, "30ﾟ+1", 4},    // ... so behind the "+" here
      {"x+pi", 1, {"type:*"}, "x*+π", 2},      // the text is rewritten, the caret stays
      {"2", 1, {"pai"}, "2π", 3},
      {"", 0, {"inequ1"}, "<=", 2},
      {"", 0, {"deg"}, "ﾟ", 1},
      {"", 0, {"root", "x"}, "√x", 3},
      {"", 0, {"delivop"}, "(d/dx)", 6},
      {"", 0, {"integral"}, "∫[,]()dx", 3},
      {"", 0, {"sisuu2", "und"}, "^2", 2},     // "∩" is not usable for this kind
      {"", 0, {"f1@2", "x"}, "sin(x)", 5},
      {"", 0, {"f8@2"}, "log()", 4},
      {"", 0, {"f10@3"}, "Sum(i=[,])", 7},
      {"", 0, {"f11@3"}, "C(,)", 2},
      {"", 0, {"f12@3"}, "P(,)", 2},
      {"", 0, {"f13@3"}, "multi(i=[,])", 9},
      {"", 0, {"f1@4"}, "Max(,)", 4},
      {"", 0, {"f3@4"}, "MinV([,])", 6},
      {"", 0, {"f5@4", "f13@4"}, "", 0},       // empty keys type nothing
      {"aπ", 3, {"lshift"}, "aπ", 1},
      {"aπ", 1, {"Rshift"}, "aπ", 3},
      {"aπ", 3, {"Bs"}, "a", 1},
      {"aπb", 1, {"Del"}, "ab", 1},
      {"ャャ", 4, {"lshift"}, "ャャ", 2},      // trail bytes in the lead-byte range
      {"ャャ", 4, {"Bs"}, "ャ", 2},
      {"ab", 0, {"lshift", "Bs", "Del", "Del", "Del"}, "", 0},
      {"2x+1", 2, {"Ac"}, "", 0},
  };
  for (const Row& r : rows) {
    KeyboardModel m(0);
    m.SetText(sj(r.start));
    m.Edited(m.Text(), r.caret);
    for (const std::string& s : r.steps) Step(m, s);
    EXPECT_EQ(m.Text(), sj(r.text)) << r.start << " " << r.steps[0];
    EXPECT_EQ(m.Caret(), r.expectedCaret) << r.start << " " << r.steps[0];
  }
}

TEST_F(KeyboardModelTest, TheCaretNeverStandsInsideADoubleByteCharacter) {
  KeyboardModel m(0);
  m.Edited(sj("πx"), 1);
  EXPECT_EQ(m.Caret(), 2);
  m.Edited(sj("dθ"), 1);  // an "o" typed into "dθ" makes "doθ", whose "do" shrinks to one byte
  m.Edited(sj("doθ"), 2);
  EXPECT_EQ(m.Text(), sj("ﾟθ"));
  EXPECT_EQ(m.Caret(), 3);
}

TEST_F(KeyboardModelTest, KindsSelectTheUsableKeysAndTheWindowWidth) {
  namespace kl = keyboard_layout;
  const int narrow = kl::Panel(KeyboardPanel::Pad).left + kl::Panel(KeyboardPanel::Pad).width + 4;
  const int wide = kl::Panel(KeyboardPanel::Functions).left + 4;
  struct Row {
    int kind;
    bool setOperations, operators, periodAndMinus, showAll;
    int width;
  } rows[] = {
      {0, false, true, true, false, kl::DesignWidth()},  {1, false, true, true, false, kl::DesignWidth()},
      {2, true, true, true, false, kl::DesignWidth()},   {4, false, true, true, false, kl::DesignWidth()},
      {7, false, false, true, false, narrow},            {8, false, false, false, false, narrow},
      {9, false, false, true, false, narrow},            {10, false, true, true, true, wide},
      {12, false, true, true, false, wide},              {13, false, true, true, false, kl::DesignWidth()},
  };
  for (const Row& r : rows) {
    KeyboardModel m(static_cast<uint8_t>(r.kind));
    EXPECT_EQ(m.KeyEnabled("und"), r.setOperations) << r.kind;
    EXPECT_EQ(m.KeyEnabled("union"), r.setOperations) << r.kind;
    for (const char* op : {"sisuu2", "sisuu3", "sisuu4", "root", "power", "multi", "expo", "deg", "kaijyou", "add"})
      EXPECT_EQ(m.KeyEnabled(op), r.operators) << r.kind << " " << op;
    EXPECT_EQ(m.KeyEnabled("piriod"), r.periodAndMinus) << r.kind;
    EXPECT_EQ(m.KeyEnabled("sub"), r.periodAndMinus) << r.kind;
    EXPECT_EQ(m.ShowAllKeyVisible(), r.showAll) << r.kind;
    EXPECT_EQ(m.WindowWidth(), r.width) << r.kind;
    for (const char* always : {"x", "y", "n0", "qoutient", "pai", "lkakko", "Bs", "SpeedButton1", "cancelBT"})
      EXPECT_TRUE(m.KeyEnabled(always)) << r.kind << " " << always;
  }
  KeyboardModel digits(8);
  digits.Press(*FindKeyboardKey("sub"));
  digits.Press(*FindKeyboardKey("n5"));
  EXPECT_EQ(digits.Text(), "5");
  EXPECT_EQ(KeyboardModel(8).EditWidth(), kl::Panel(KeyboardPanel::Pad).width - 18);

  KeyboardModel value(10);
  EXPECT_EQ(value.EditWidth(), kl::DesignEditWidth() + kl::Panel(KeyboardPanel::Functions).left - kl::DesignWidth());
  value.Press(*FindKeyboardKey("funcBt"));
  EXPECT_EQ(value.WindowWidth(), kl::DesignWidth());
  EXPECT_EQ(value.EditWidth(), kl::DesignEditWidth());
  EXPECT_FALSE(value.ShowAllKeyVisible());
}

TEST_F(KeyboardModelTest, FunctionPagesFollowTheDefinitions) {
  struct Row {
    int functions, constants, lowest;
  } rows[] = {{0, 0, 2}, {1, 0, 1}, {0, 1, 1}, {3, 3, 1}, {4, 0, 0}, {0, 4, 0}};
  for (const Row& r : rows) EXPECT_EQ(LowestFunctionPage(r.functions, r.constants), r.lowest);

  KeyboardModel none(0);
  none.Show();
  EXPECT_EQ(none.Page(), 2);
  none.SetPage(0);
  EXPECT_EQ(none.Page(), 2);  // pages 2 to 4 only
  none.SetPage(9);
  EXPECT_EQ(none.Page(), 4);

  doc.DefinedFunctionCount = 2;
  doc.DefinedConstantCount = 1;
  KeyboardModel two(0);
  two.Show();
  EXPECT_EQ(two.Page(), 2);
  two.SetPage(0);
  EXPECT_EQ(two.Page(), 1);
  for (int key = 1; key <= 15; ++key) {
    const bool enabled = key <= 6 || key == 10;
    EXPECT_EQ(two.FunctionKeyEnabled(key), enabled) << key;
  }
  EXPECT_FALSE(FunctionKeyVisible(13, 1));
  two.PressFunctionKey(5);
  two.PressFunctionKey(10);
  two.PressFunctionKey(11);  // Q2 does not exist
  EXPECT_EQ(two.Text(), sj("F2'(Q1)"));

  doc.DefinedFunctionCount = 4;
  KeyboardModel four(0);
  four.Show();
  four.SetPage(0);
  EXPECT_EQ(four.Page(), 0);
  EXPECT_TRUE(four.FunctionKeyEnabled(1));   // F4
  EXPECT_FALSE(four.FunctionKeyEnabled(4));  // F5
  EXPECT_FALSE(four.FunctionKeyEnabled(10)); // Q4
  four.PressFunctionKey(3);
  EXPECT_EQ(four.Text(), sj("F4\"()"));
  EXPECT_EQ(four.Caret(), 4);
}

TEST_F(KeyboardModelTest, ShowingStartsCancelledWithTheCaretAtTheStart) {
  ui.InputCancelled = 0;
  KeyboardModel m(0);
  m.SetText(sj("x+1"));
  m.Show();
  EXPECT_EQ(ui.InputCancelled, 1);
  EXPECT_EQ(m.Caret(), 0);
  EXPECT_EQ(m.Message(), "");
  eng.EvalOK = 0;
  KeyboardModel again(0);
  again.Show();
  EXPECT_EQ(again.Message(), "違う値を入力してください");
}

TEST_F(KeyboardModelTest, TheCheckAcceptsOrRefusesByKind) {
  struct Row {
    int kind;
    const char* text;
    bool accepted;
  } rows[] = {
      {0, "x^2+1", true}, {0, "y+1", false}, {1, "y+1", true},     {1, "t", false},   {2, "x∩y", true},
      {3, "a*t", true},   {3, "x+1", false}, {5, "cos(t)", true},  {5, "x", false},   {7, "-2.5", true},
      {7, "1/3", true},   {7, "a", false},   {7, "π", false},      {8, "640", true},  {8, "e", false},
      {11, "y", true},    {11, "x", false},  {12, "2π", true},     {12, "z", false},  {13, "z", false},
      {13, "x", true},    {4, "x*y*z*t", true}, {9, "t", true},    {0, "x+", false},  {0, "sinx", true},
  };
  for (const Row& r : rows) {
    KeyboardModel m(static_cast<uint8_t>(r.kind));
    m.SetText(sj(r.text));
    m.Show();
    EXPECT_EQ(m.End(), r.accepted) << r.kind << " " << r.text;
    EXPECT_EQ(ui.InputCancelled, r.accepted ? 0 : 1) << r.kind << " " << r.text;
    EXPECT_EQ(keyboard.KeyboardText, sj(r.text));
    EXPECT_EQ(m.Message(), r.accepted ? "" : "式が間違っています") << r.kind << " " << r.text;
  }
}

TEST_F(KeyboardModelTest, ARefusedTextPutsTheCaretAtTheError) {
  KeyboardModel m(0);
  m.SetText(sj("x2+1"));
  m.Show();
  EXPECT_FALSE(m.End());
  EXPECT_EQ(m.Caret(), 2);  // behind the digit that may not follow x
  m.SetText(sj("ab*/2"));
  EXPECT_FALSE(m.End());
  EXPECT_EQ(m.Caret(), 4);
  m.SetText(sj("θ+"));  // nothing after the operator: at the end
  EXPECT_FALSE(m.End());
  EXPECT_EQ(m.Caret(), 3);
  // Fixed and accepted: the edit is no longer cancelled.
  m.SetText(sj("θ+1"));
  EXPECT_TRUE(m.End());
  EXPECT_EQ(ui.InputCancelled, 0);
}

TEST_F(KeyboardModelTest, OnlyASuccessfulFinishHandsTheTextBackAsAccepted) {
  KeyboardModel m(0);
  m.SetText(sj("y+1"));
  m.Show();
  EXPECT_FALSE(m.End());  // "End" on a refused text ...
  m.Cancel();             // ... then the title bar
  EXPECT_EQ(ui.InputCancelled, 1);
  EXPECT_EQ(keyboard.KeyboardText, sj("y+1"));

  KeyboardModel empty(0);
  empty.Show();
  EXPECT_TRUE(empty.End());
  EXPECT_EQ(ui.InputCancelled, 0);
  EXPECT_EQ(KeyboardResultText(keyboard.KeyboardText, 8), "0");
  EXPECT_EQ(KeyboardResultText(keyboard.KeyboardText, 6), "");
  EXPECT_EQ(KeyboardResultText(sj("π"), 6), sj("π"));
}

}  // namespace

namespace {

// Positions of the parser count bytes of the rewritten text ("√" is "sqrt(", "θ" is "r");
// the caret lands in the typed text.
TEST_F(KeyboardModelTest, TheErrorCaretIsCarriedBackIntoTheTypedText) {
  struct Row {
    const char* typed;
    int caret;
  } rows[] = {
      {"x2", 2},          // the digit may not follow x
      {"θ*/2", 4},        // behind the "/" after "*"
      {"√x*/2", 5},
      {"(d/dx)x*/2", 9},
      {"sinx*/2", 6},     // "sin(x)": the inserted parentheses take no room
      {"√s**", 5},        // the "s" kept is the one inside the parentheses
      {"x+", 2},          // past the end
      {"x#1", 2},         // an unknown character
  };
  for (const Row& r : rows) {
    KeyboardModel m(0);
    m.SetText(sj(r.typed));
    EXPECT_FALSE(m.End()) << r.typed;
    EXPECT_EQ(m.Caret(), r.caret) << r.typed << " parser at " << eng.ParseErrorPos;
  }
  EXPECT_EQ(ErrorCaretInTypedText(sj("Sum(k=[1,2],k)"), 2), 3);  // inside "?7\": behind "Sum"
}

}  // namespace
