#include "formula/FormulaHost.h"

#include "platform/InstalledHost.h"

namespace {
InstalledHost<FormulaHost> host;
}  // namespace

FormulaHost& EngineHost() { return host.Get(); }

void SetFormulaHost(FormulaHost* installed) { host.Install(installed); }
