#pragma once
// The macro of the program: its compilation and its runs. A run starts from a macro
// button (a procedure), after a change of parameters or a dragged point (the first
// change handler that names a changed variable) or after a file was loaded (the onload
// statement), and ends when its statements are done or MacroRunning is cleared.
//
// Runs never nest: a macro button pressed while a macro runs stops that run and starts
// its own once the first has ended; handlers asked for meanwhile are dropped. What would
// replace the compiled program under a run waits until the run has ended: a compilation
// asked for meanwhile (which also stops the run), and a file the macro loads. Loads that
// onload statements start one after another without a user's action are cut off after
// kMaxChainedMacroLoads.
#include <cstdint>
#include <functional>

#include "animate/MacroHost.h"
#include "animate/MacroInterpreter.h"
#include "platform/EventPump.h"

struct TValueNode;

inline constexpr int kMaxChainedMacroLoads = 16;

class MacroRuns {
 public:
  MacroRuns();

  // nullptr restores the no-op host (and a pump that does nothing); the caller keeps
  // ownership.
  void SetHost(MacroHost* host);
  void SetPump(platform::EventPump* pump);
  void SetClock(MacroInterpreter::Clock clock);
  MacroHost& Host() { return *host_; }

  // Compiles doc.MacroLines. A failure shows its message; the macro buttons follow the
  // program; MacroRunning := 0. False on a failure, and while the compilation waits for
  // a run to end.
  bool CompileMacro();
  void LoadMacroButtons();

  void RunMacroProcedureByNumber(int number);
  void RunMacroChangeHandlers(const TValueNode* changes);
  void RunMacroOnload();
  // The stop button: the run ends at its next check, and a run waiting behind it is
  // forgotten.
  void StopMacro();

  bool RunActive() const { return active_; }

 private:
  void Run(bool disableControls, const std::function<void(MacroInterpreter&)>& body);
  void AfterRun(const MacroInterpreter& run);

  MacroHost* host_;
  platform::EventPump* pump_;
  MacroInterpreter::Clock clock_;
  bool active_ = false;
  int queuedProcedure_ = 0;
  bool compileQueued_ = false;
  int chainedLoads_ = 0;
  bool loadFromMacro_ = false;
};

// The program's macro.
MacroRuns& Macros();
