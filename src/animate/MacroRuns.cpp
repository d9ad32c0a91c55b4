#include "animate/MacroRuns.h"

#include <chrono>

#include "animate/MacroCompiler.h"
#include "formula/DocumentState.h"
#include "formula/Records.h"

namespace {

MacroHost noHost;

class SilentPump final : public platform::EventPump {
 public:
  void pumpMessages() override {}
  void sleep(int) override {}
};
SilentPump silentPump;

int64_t SteadyMilliseconds() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

bool NamesAny(const TValueNode* vars, const TValueNode* changes) {
  for (const TValueNode* v = vars; v; v = v->next)
    for (const TValueNode* c = changes; c; c = c->next)
      if (v->code == c->code) return true;
  return false;
}

}  // namespace

MacroRuns::MacroRuns() : host_(&noHost), pump_(&silentPump), clock_(SteadyMilliseconds) {}

void MacroRuns::SetHost(MacroHost* host) { host_ = host ? host : &noHost; }
void MacroRuns::SetPump(platform::EventPump* pump) { pump_ = pump ? pump : &silentPump; }
void MacroRuns::SetClock(MacroInterpreter::Clock clock) { clock_ = clock ? std::move(clock) : SteadyMilliseconds; }

bool MacroRuns::CompileMacro() {
  if (active_) {
    compileQueued_ = true;
    settings.MacroRunning = 0;
    return false;
  }
  const MacroCompileResult result = CompileMacroText(doc.MacroLines);
  if (!result.ok) host_->ShowMessage(MacroErrorMessage(result));
  LoadMacroButtons();
  settings.MacroRunning = 0;
  return result.ok;
}

void MacroRuns::LoadMacroButtons() { host_->ShowMacroButtons(MacroButtonCaptions(settings.MacroProgram)); }

void MacroRuns::Run(bool disableControls, const std::function<void(MacroInterpreter&)>& body) {
  active_ = true;
  settings.MacroRunning = 1;
  host_->SetDocumentCommandsEnabled(false);
  host_->ShowStopButton();
  if (disableControls) host_->SetMacroControlsEnabled(false);
  MacroInterpreter run(settings.MacroProgram, *host_, *pump_, clock_);
  try {
    body(run);
  } catch (...) {
    // A failure inside a statement ends the run like any other stop.
  }
  settings.MacroRunning = 0;
  if (disableControls) host_->SetMacroControlsEnabled(true);
  host_->SetDocumentCommandsEnabled(true);
  active_ = false;
  AfterRun(run);
}

void MacroRuns::AfterRun(const MacroInterpreter& run) {
  // The navigator's rows show the texts the run wrote.
  if (run.EntryTextsChanged()) host_->RefreshNavigator();
  if (compileQueued_) {
    compileQueued_ = false;
    CompileMacro();
  }
  if (run.RequestedLoad().empty()) return;
  queuedProcedure_ = 0;
  if (++chainedLoads_ > kMaxChainedMacroLoads) return;
  loadFromMacro_ = true;
  host_->LoadEquationFile(run.RequestedLoad());
}

void MacroRuns::RunMacroProcedureByNumber(int number) {
  if (active_) {
    queuedProcedure_ = number;
    settings.MacroRunning = 0;
    return;
  }
  while (number != 0) {
    const Tpromacro* procedure = settings.MacroProgram.procedures;
    while (procedure && procedure->number != number) procedure = procedure->next;
    if (!procedure) return;
    chainedLoads_ = 0;
    Run(true, [procedure](MacroInterpreter& run) { run.ExecuteStatements(procedure->body); });
    number = queuedProcedure_;
    queuedProcedure_ = 0;
  }
}

void MacroRuns::RunMacroChangeHandlers(const TValueNode* changes) {
  if (active_ || !changes) return;
  const TMacroHandler* handler = settings.MacroProgram.handlers;
  while (handler && !NamesAny(handler->vars, changes)) handler = handler->next;
  if (!handler) return;
  chainedLoads_ = 0;
  Run(false, [handler](MacroInterpreter& run) { run.ExecuteStatements(handler->commands); });
}

void MacroRuns::RunMacroOnload() {
  if (!loadFromMacro_) chainedLoads_ = 0;
  loadFromMacro_ = false;
  if (active_ || !settings.MacroProgram.onload) return;
  Run(true, [](MacroInterpreter& run) { run.ExecuteStatements(settings.MacroProgram.onload); });
}

void MacroRuns::StopMacro() {
  queuedProcedure_ = 0;
  settings.MacroRunning = 0;
}

MacroRuns& Macros() {
  static MacroRuns macros;
  return macros;
}
