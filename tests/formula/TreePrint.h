#pragma once
// Test helper: a tree in a compact prefix form, e.g. "(/ 1 (* 2 x))".
#include <string>

#include "formula/Tfrec.h"

std::string PrefixForm(const Tfrec* tree);
