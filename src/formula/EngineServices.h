#pragma once
// Engine routines the parser calls but later parts of the formula engine provide: the
// simplifier and parameter substitution. Each is a plain
// function pointer, null until its owner installs it; the parser says at each call what it
// does without the service.
#include <cstdint>

#include "formula/Tfrec.h"

struct EngineServices {
  // Rewrites the tree in place (the root may be replaced); nothing for nil or mode 1.
  void (*SimplifyTree)(Tfrec*& tree, int mode) = nullptr;
  // The tree is built only from exact integer parts.
  bool (*IsExactTree)(const Tfrec* tree) = nullptr;
  // Parameter leaves become their current values, then the tree is simplified.
  void (*SubstituteParametersAndSimplify)(Tfrec*& tree) = nullptr;
};

extern EngineServices engineServices;
