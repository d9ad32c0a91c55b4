#pragma once
// The tests' stand-in for platform::Screen.
#include "platform/Screen.h"

namespace platform {

// A fixed screen for tests; 1280 x 1024 by default, all of it work area.
class FakeScreen final : public Screen {
 public:
  ScreenRect geometry() const override { return screen; }
  ScreenRect workArea() const override { return work; }
  ScreenRect screen{0, 0, 1280, 1024};
  ScreenRect work{0, 0, 1280, 1024};
};

}  // namespace platform
