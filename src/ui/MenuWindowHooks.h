#pragma once
// The windows the navigator's menus, its tool buttons and the graph's pop-up menu open
// that are built beside this work: the calculus window (the tangent window is called
// directly). Each sets its hook when it lands; while a hook is unset its menu item is
// there and choosing it does nothing.
struct TMenuWindowHooks {
  // The calculus menu's windows, opened after the timer stopped and CalculusActive set.
  void (*openMeanRate)() = nullptr;
  void (*openRiemannSums)() = nullptr;
  void (*openIntegral)() = nullptr;
  // Before another document: the Riemann or integral window closes.
  void (*closeCalculusWindows)() = nullptr;
};

extern TMenuWindowHooks MenuWindowHooks;
