#include "platform/StackRoom.h"

#include <pthread.h>

#include <cstdint>

namespace stackroom {

namespace {

// The lowest address of the current thread's stack (stacks grow down), found once.
uintptr_t StackLimit() {
  thread_local uintptr_t limit = [] {
    pthread_attr_t attr;
    void* base = nullptr;
    size_t size = 0;
    if (pthread_getattr_np(pthread_self(), &attr) == 0) {
      pthread_attr_getstack(&attr, &base, &size);
      pthread_attr_destroy(&attr);
    }
    return reinterpret_cast<uintptr_t>(base);
  }();
  return limit;
}

}  // namespace

bool Low(size_t reserve) {
  const uintptr_t here = reinterpret_cast<uintptr_t>(__builtin_frame_address(0));
  const uintptr_t limit = StackLimit();
  return limit != 0 && here < limit + reserve;
}

}  // namespace stackroom
