#pragma once
// How much of the current thread's stack is left: recursive walks over expression trees
// stop before a tree deeper than the stack can hold overflows it.
#include <cstddef>

namespace stackroom {

// True when fewer than `reserve` bytes of the current thread's stack remain.
bool Low(size_t reserve = 1024 * 1024);

}  // namespace stackroom
