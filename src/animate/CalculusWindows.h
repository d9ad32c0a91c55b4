#pragma once
// The calculus window as the rest of the program reaches it: the navigator's calculus menu
// and the equation file's closing steps open it, a new document or another file closes it.
class CalculusHost;
class Tintegnavi;

// "平均変化率", "区分求積" and "定積分・基本定理": the window made, placed and shown with
// the panels of its animation (any calculus window still open is closed first).
void OpenMeanRateNavi();
void OpenRiemannSumNavi();
void OpenIntegralTheoremNavi();
// Closes the window while it is open.
void CloseCalculusWindow();
bool CalculusWindowOpen();
// The window while it exists, open or closed and waiting to be freed.
Tintegnavi* CalculusWindow();
// The window freed at once, open or closed (the program ends).
void FreeCalculusWindow();
// The program's answers to what the window asks (nullptr: the no-op answers).
void SetCalculusWindowHost(CalculusHost* host);
