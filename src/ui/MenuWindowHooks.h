#pragma once
// The windows the navigator's menus, its tool buttons and the graph's pop-up menu open
// that are built beside this work: the calculus animations. Each sets its hook when it
// lands; while a hook is unset its menu item is there and choosing it does nothing.
struct TMenuWindowHooks {
  // The calculus menu's windows, opened after the timer stopped and CalculusActive set.
  void (*openMeanRate)() = nullptr;
  void (*openTangent)() = nullptr;
  void (*openRiemannSums)() = nullptr;
  void (*openIntegral)() = nullptr;
  // Before another document: the Riemann or integral window and the tangent window close.
  void (*closeCalculusWindows)() = nullptr;
  void (*closeTangentWindow)() = nullptr;
};

extern TMenuWindowHooks MenuWindowHooks;
