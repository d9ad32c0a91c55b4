#include "formula/FormulaHost.h"

namespace {
FormulaHost noHost;
FormulaHost* installed = &noHost;
}  // namespace

FormulaHost& EngineHost() { return *installed; }
void SetFormulaHost(FormulaHost* host) { installed = host ? host : &noHost; }
