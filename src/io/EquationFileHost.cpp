#include "io/EquationFileHost.h"

namespace {
EquationFileHost noHost;
EquationFileHost* installed = nullptr;
}  // namespace

EquationFileHost& FileHost() { return installed ? *installed : noHost; }

void SetEquationFileHost(EquationFileHost* host) { installed = host; }
