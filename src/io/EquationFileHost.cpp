#include "io/EquationFileHost.h"

#include "platform/InstalledHost.h"

namespace {
InstalledHost<EquationFileHost> host;
}  // namespace

EquationFileHost& FileHost() { return host.Get(); }

void SetEquationFileHost(EquationFileHost* installed) { host.Install(installed); }
