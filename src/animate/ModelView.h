#pragma once
// What a window's model asks of the window that shows it: to show the model again after a
// change of what it shows, to close itself (its close handler then runs as for any close),
// and, for a window freed once it has closed, the action that frees it (none: nothing to
// free). The window registers itself with its model; tests register a recording fake.
#include <functional>

class ModelView {
 public:
  virtual ~ModelView() = default;
  virtual void ModelChanged() {}
  virtual void CloseWindow() {}
  virtual std::function<void()> FreeAction() { return nullptr; }
};
