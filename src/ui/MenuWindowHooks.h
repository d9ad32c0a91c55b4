#pragma once
// The windows the navigator's menus, its tool buttons and the graph's pop-up menu open
// that are built beside this work: the tangent animation and the interval panel. Each
// sets its hook when it lands; while a hook is unset its menu item is there and choosing
// it does nothing.
struct TMenuWindowHooks {
  // The calculus menu's tangent window, opened after the timer stopped and CalculusActive
  // set.
  void (*openTangent)() = nullptr;
  // Before another document: the tangent window closes.
  void (*closeTangentWindow)() = nullptr;
  // "区間設定": the panel placed and shown in interval mode.
  void (*showIntervalPanel)() = nullptr;
};

extern TMenuWindowHooks MenuWindowHooks;
