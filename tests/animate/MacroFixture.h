#pragma once
// A small document for the macro tests (two explicit functions a*x and x^2+b, a
// parametric curve, point A given by constants, point B constructed from A, one label),
// every variable 0, a macro host that logs what a run asks of the program, a message pump that can act
// like a click, and a clock that moves 10 ms at every look.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "animate/MacroCompiler.h"
#include "animate/MacroRuns.h"
#include "animate/MacroStatementReader.h"
#include "formula/ConstructedPoints.h"
#include "formula/DocumentState.h"
#include "formula/Records.h"
#include "formula/VariableValues.h"
#include "formula/FigureTableTestSupport.h"
#include "platform/Runtime.h"
#include "platform/Sjis.h"
#include "support/FakeEventPump.h"

struct LoggingMacroHost : MacroHost {
  std::vector<std::string> log;
  std::vector<std::string> messages;
  std::array<std::string, 9> buttons;
  std::filesystem::path demoFolder = "/docs/demo";
  std::vector<std::filesystem::path> existing;
  int draws = 0;  // redraws of a parameter step
  std::vector<std::vector<int>> changesAtRedraw;  // the change list's codes at each of them
  char watched = 'i';
  std::vector<Extended> seen;  // the watched variable at each "show"
  std::vector<std::string> entriesShownAtRedraw;  // the shown flags of entries 1..2 at each graph redraw

  void Log(const std::string& s) { log.push_back(s); }
  void ApplyParameterValues(int mode) override { Log("apply " + std::to_string(mode)); }
  void RedrawForParameters() override {
    ++draws;
    std::vector<int> codes;
    for (const TValueNode* n = settings.ValueChangeList; n; n = n->next) codes.push_back(n->code);
    changesAtRedraw.push_back(codes);
    Log("redraw");
  }
  void ShowParameterValues() override {
    seen.push_back(ReadVariable(doc.VariableValues, watched));
    Log("values");
  }
  void RepaintGraphs() override { Log("repaint"); }
  void StopTimer() override { Log("timer off"); }
  void SetMacroControlsEnabled(bool enabled) override { Log(enabled ? "controls on" : "controls off"); }
  void ShowMacroButtons(const std::array<std::string, 9>& captions) override {
    buttons = captions;
    Log("buttons");
  }
  void SetMacroButtonsEnabled(bool enabled) override { Log(enabled ? "buttons on" : "buttons off"); }
  void ReleaseMacroButtons() override { Log("release"); }
  void ShowMacroStatus(bool visible, const std::string& text) override { Log(visible ? "status " + text : "status"); }
  void SetAfterImage(bool on) override { Log(on ? "afterimage on" : "afterimage off"); }
  void SetLocus(bool on) override { Log(on ? "locus on" : "locus off"); }
  void EraseAfterImages() override { Log("erase"); }
  void RefreshNavigator() override { Log("navigator"); }
  void RedrawGraphs() override {
    entriesShownAtRedraw.push_back(std::to_string(doc.FigureTable[1].shown) + std::to_string(doc.FigureTable[2].shown));
    Log("graphs");
  }
  void RefreshLabels() override { Log("labels"); }
  void ViewStep(int code) override { Log("view " + std::to_string(code)); }
  void CentreView(Extended x, Extended y) override { Log("centre " + rtl::FloatToStr(x) + " " + rtl::FloatToStr(y)); }
  std::filesystem::path DemoFolder() override { return demoFolder; }
  bool FileExists(const std::filesystem::path& file) override {
    return std::find(existing.begin(), existing.end(), file) != existing.end();
  }
  void LoadEquationFile(const std::filesystem::path& file) override { Log("load " + file.string()); }
  void LoadBackgroundPicture(const std::filesystem::path& file) override { Log("picture " + file.string()); }
  void ClearBackgroundPicture() override { Log("picture off"); }
  void MakeWave(const Tfrec* formula, bool append, int slot, float seconds) override {
    Log("wave " + std::to_string(slot) + (append ? " append " : " new ") + rtl::FloatToStr(seconds));
  }
  void PlaySoundSlot(int slot) override { Log("play " + std::to_string(slot)); }
  void ShowMessage(const std::string& utf8) override { messages.push_back(utf8); }

  int Count(const std::string& entry) const { return static_cast<int>(std::count(log.begin(), log.end(), entry)); }
};

struct MacroTest : StateTest {
  LoggingMacroHost host;
  platform::FakeEventPump pump;
  MacroRuns macros;
  int64_t now = 0;

  void SetUp() override {
    StateTest::SetUp();
    AddEntry(kKindExplicit, 255, {"a*x"});
    AddEntry(kKindExplicit, 255, {"x^2+b"});
    AddEntry(kKindParametric, 255, {"cos(t)", "sin(t)"});
    AddPoint('A', kByCoordinates, {"1", "2", "", "0"});
    AddPoint('B', 1, {"A"});  // constructed: it does not move with the mouse
    doc.LabelCount = 1;
    doc.VariableValues = TVariableValues{};  // every variable 0
    macros.SetHost(&host);
    macros.SetPump(&pump);
    macros.SetClock([this] { return now += 10; });
  }

  // Lines of the macro text (UTF-8, one per "\n") into the document.
  static void SetMacro(const std::string& text) {
    doc.MacroLines.clear();
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) doc.MacroLines.push_back(sj(line));
  }
  static MacroCompileResult Compile(const std::string& text) {
    SetMacro(text);
    return CompileMacroText(doc.MacroLines);
  }
  // Compiles (it must succeed) and runs procedure #1.
  void Run(const std::string& text) {
    SetMacro(text);
    ASSERT_TRUE(macros.CompileMacro()) << (host.messages.empty() ? "" : host.messages.back());
    host.log.clear();
    macros.RunMacroProcedureByNumber(1);
  }
  static Extended Var(char letter) { return ReadVariable(doc.VariableValues, letter); }
};
