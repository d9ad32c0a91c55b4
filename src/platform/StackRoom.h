#pragma once
// How much of the current thread's stack is left: recursive walks over expression trees
// stop before a tree deeper than the stack can hold overflows it. The test is a compare
// with a per-thread bound, cheap enough for every node of a walk.
#include <cstddef>
#include <cstdint>

namespace stackroom {

// The lowest address of the current thread's stack (stacks grow down).
uintptr_t FindStackLimit();

inline thread_local uintptr_t stackLimit = 0;

// True when fewer than `reserve` bytes of the current thread's stack remain.
inline bool Low(size_t reserve = 1024 * 1024) {
  uintptr_t limit = stackLimit;
  if (limit == 0) limit = stackLimit = FindStackLimit();
  return reinterpret_cast<uintptr_t>(__builtin_frame_address(0)) < limit + reserve;
}

}  // namespace stackroom
