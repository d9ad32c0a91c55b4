#pragma once
// Test helper: builds a tree, unsimplified, from the prefix form PrefixForm prints, e.g.
// "(/ 1 (* 2 x))". Knows numbers, letters, pi, the operators, neg, the relations and the
// one-argument functions by name; a malformed text fails the test and gives nil.
#include <string>

#include "formula/Tfrec.h"

Tfrec* TreeFromPrefix(const std::string& text);
