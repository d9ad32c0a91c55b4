#include "formula/ShellHooks.h"

namespace {
ShellHooks noHooks;
ShellHooks* installed = &noHooks;
}  // namespace

ShellHooks& Shell() { return *installed; }
void SetShellHooks(ShellHooks* hooks) { installed = hooks ? hooks : &noHooks; }
