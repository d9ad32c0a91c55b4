#pragma once
// The entry window's questions answered from a script, in order. Keyboard answers go
// through the keyboard's own check, and palette answers are clicks on the palette model,
// so a script cannot give what the real windows would refuse: such an answer fails the
// test and acts as a cancel.
#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "formula/DocumentState.h"
#include "platform/Sjis.h"
#include "ui/EntryInputService.h"
#include "ui/KeyboardModel.h"
#include "ui/PaletteModel.h"

struct ScriptAnswer {
  enum class Kind { Text, Letter, Tool, Figure, Ok, Cancel };
  Kind kind = Kind::Cancel;
  std::string text;  // Text: UTF-8
  int number = 0;    // Letter: the letter; Tool: tool button; Figure: the figure's number
};

inline ScriptAnswer Type(const char* utf8) { return {ScriptAnswer::Kind::Text, utf8, 0}; }
inline ScriptAnswer Pick(char letter) { return {ScriptAnswer::Kind::Letter, {}, letter}; }
inline ScriptAnswer Tool(int button) { return {ScriptAnswer::Kind::Tool, {}, button}; }
inline ScriptAnswer Figure(int number) { return {ScriptAnswer::Kind::Figure, {}, number}; }
inline ScriptAnswer PaletteOk() { return {ScriptAnswer::Kind::Ok, {}, 0}; }
inline ScriptAnswer Cancel() { return {ScriptAnswer::Kind::Cancel, {}, 0}; }

class ScriptedEntryInput final : public EntryInputService {
 public:
  struct KeyboardCall {
    std::string caption;  // UTF-8
    int kind = 0;
    std::string text;  // UTF-8, as handed in
    int top = 0, right = 0;
  };

  std::deque<ScriptAnswer> answers;
  std::deque<std::optional<std::int32_t>> colours;
  std::vector<KeyboardCall> keyboardCalls;
  std::vector<int> paletteModes;
  std::vector<std::string> messages;
  // Palette answers the palette would not take; they fail the test unless a test expects them.
  std::vector<std::string> refusals;
  bool refusalsFail = true;

  void Script(std::initializer_list<ScriptAnswer> list) { answers.assign(list.begin(), list.end()); }

  bool EditText(const std::string& text, const std::string& caption, std::uint8_t kind, int top, int right,
                std::string& result) override {
    keyboardCalls.push_back({caption, kind, sjis::ToUtf8(text), top, right});
    const ScriptAnswer a = Next("keyboard \"" + caption + "\"");
    if (a.kind != ScriptAnswer::Kind::Text) {
      EXPECT_EQ(a.kind, ScriptAnswer::Kind::Cancel) << "a palette answer for the keyboard \"" << caption << "\"";
      ui.InputCancelled = 1;
      return false;
    }
    KeyboardModel model(kind);
    model.SetText(sj(a.text));
    if (!model.End()) {
      ADD_FAILURE() << "the keyboard \"" << caption << "\" (kind " << int(kind) << ") refuses \"" << a.text << "\"";
      ui.InputCancelled = 1;
      return false;
    }
    result = KeyboardResultText(::keyboard.KeyboardText, kind);
    return true;
  }

  void ShowPalette(int, int) override {
    paletteModes.push_back(clpanel.ClpanelMode);
    clpanel.Show();
    const ScriptAnswer a = Next("palette mode " + std::to_string(clpanel.ClpanelMode));
    switch (a.kind) {
      case ScriptAnswer::Kind::Letter: {
        const int n = static_cast<int>(std::string(PointNameOrder).find(static_cast<char>(a.number))) + 1;
        if (!Click(LetterButtonRect(NameOrderToAlphaIndex(n))))
          Refuse(std::string("letter ") + static_cast<char>(a.number) + " is not offered");
        return;
      }
      case ScriptAnswer::Kind::Figure:
        for (int i = 1; i <= kLetterButtons; ++i)
          if (clpanel.Letter(i).shown && clpanel.Letter(i).caption == "s" + std::to_string(a.number)) {
            if (!Click(LetterButtonRect(i))) Refuse("figure s" + std::to_string(a.number) + " is not offered");
            return;
          }
        return Refuse("figure s" + std::to_string(a.number) + " is not listed");
      case ScriptAnswer::Kind::Tool: {
        const gfx::Rect r = ToolButtonRect(a.number);
        if (clpanel.MouseDown((r.left + r.right) / 2, (r.top + r.bottom) / 2) == PaletteModel::Outcome::None)
          return Refuse("tool " + std::to_string(a.number) + " is not offered");
        clpanel.Ok();
        return;
      }
      case ScriptAnswer::Kind::Ok:
        if (!clpanel.OkVisible()) return Refuse("the palette has no OK");
        clpanel.Ok();
        return;
      default: clpanel.Cancel(); return;
    }
  }

  std::optional<std::int32_t> ChooseColor(std::int32_t) override {
    if (colours.empty()) return std::nullopt;
    const auto c = colours.front();
    colours.pop_front();
    return c;
  }

  void ShowMessage(const std::string& text) override { messages.push_back(text); }

  std::vector<std::string> KeyboardCaptions() const {
    std::vector<std::string> captions;
    for (const KeyboardCall& c : keyboardCalls) captions.push_back(c.caption);
    return captions;
  }

 private:
  ScriptAnswer Next(const std::string& what) {
    if (answers.empty()) {
      ADD_FAILURE() << "no answer left for the " << what;
      return Cancel();
    }
    ScriptAnswer a = answers.front();
    answers.pop_front();
    return a;
  }

  // A click in the middle of a button; true when it closed the palette with a choice.
  static bool Click(const gfx::Rect& r) {
    const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
    clpanel.MouseDown(x, y);
    return clpanel.MouseUp(x, y) == PaletteModel::Outcome::Close;
  }

  void Refuse(const std::string& why) {
    if (refusalsFail) ADD_FAILURE() << why;
    refusals.push_back(why);
    clpanel.Cancel();
  }
};
