#pragma once
// One run of compiled macro statements: the statement lists with their loops, conditions
// and calls, the draw step, and what each statement asks of the program through the
// host. A run goes on while settings.MacroRunning is set; whoever clears it (the stop
// button through a message pump, a failed evaluation, a load) ends it at the next check.
// Loops let window messages through at their back-edges at most every 100 ms, so a run
// without drawing statements can be stopped too.
#include <cstdint>
#include <filesystem>
#include <functional>

#include "animate/MacroHost.h"
#include "platform/EventPump.h"
#include "platform/Extended.h"

struct Tcommand;
struct TExprListNode;
struct TMacroProgram;

// Calls nested deeper than this stop the run.
inline constexpr int kMaxMacroCallDepth = 256;
// Interval of the message pumps at loop back-edges, and the longest sleep between two
// pumps of a wait, in milliseconds.
inline constexpr int kMacroPumpInterval = 100;
inline constexpr int kMacroWaitSlice = 50;

class MacroInterpreter {
 public:
  using Clock = std::function<int64_t()>;  // milliseconds

  MacroInterpreter(const TMacroProgram& program, MacroHost& host, platform::EventPump& pump, Clock clock);

  // Runs a statement list while settings.MacroRunning is set.
  void ExecuteStatements(Tcommand* list);
  // The macro's step of the animation: the change list of the values and of the points
  // moved since the last step, the redraw of a parameter step; the values are kept.
  void MacroDrawStep();

  // The equation file a load statement named (empty when none); it is loaded by the
  // caller once the run has ended.
  const std::filesystem::path& RequestedLoad() const { return requestedLoad_; }
  // A point given by coordinates was moved: its entry's texts changed.
  bool EntryTextsChanged() const { return entryTextsChanged_; }

  // Set by break: ends the innermost loop.
  bool MacroBreakFlag = false;

 private:
  struct Value {
    Extended value = 0;
    bool valid = false;  // the root was valid (a relation that holds)
  };

  // false: the rest of the list is skipped.
  bool Perform(Tcommand& c);
  bool ForLoop(Tcommand& c);
  bool WhileLoop(Tcommand& c);
  bool Call(Tcommand& c);
  bool MakeWave(Tcommand& c);
  bool ViewSteps(Tcommand& c, int code);
  void Wait(Extended ms);
  void Wink(Tcommand& c);
  void SetEntriesShown(Tcommand& c, bool shown);
  void SetLabelsShown(Tcommand& c, bool shown);
  std::filesystem::path ResolveFile(const std::string& cp932) const;

  Value Evaluate(TExprListNode* e);
  bool Condition(TExprListNode* e);
  void Write(int32_t code, Extended value);
  void Stop();
  bool Running() const;
  // Messages let through now, and at a loop's back-edge when 100 ms have passed.
  void Pump();
  void BackEdge();

  const TMacroProgram& program_;
  MacroHost& host_;
  platform::EventPump& pump_;
  Clock clock_;
  int64_t lastPump_ = 0;
  int callDepth_ = 0;
  std::filesystem::path requestedLoad_;
  bool entryTextsChanged_ = false;
};
