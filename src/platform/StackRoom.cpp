#include "platform/StackRoom.h"

#include <pthread.h>

namespace stackroom {

uintptr_t FindStackLimit() {
  pthread_attr_t attr;
  void* base = nullptr;
  size_t size = 0;
  if (pthread_getattr_np(pthread_self(), &attr) == 0) {
    pthread_attr_getstack(&attr, &base, &size);
    pthread_attr_destroy(&attr);
  }
  // Unknown bounds: never report the stack as low.
  return base ? reinterpret_cast<uintptr_t>(base) : 1;
}

}  // namespace stackroom
