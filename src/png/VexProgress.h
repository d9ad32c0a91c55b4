#pragma once
// Progress of one read or write, in percent: the work is split into sections, each
// worth a share of what is left, and a new percentage is reported only when it grew.
// Progress never stops a run.
#include <cstdint>

#include "platform/PictureGraphic.h"

class TVexProgress {
 public:
  virtual ~TVexProgress() = default;

  // Reports "starting" at 0.
  void ProgressStart();
  // The next section counts total units and is worth sharePercent of what is left
  // (0 < share < 100), or of all of it otherwise.
  void BeginProgressSection(int64_t total, int sharePercent);
  // done units of the current section are finished.
  void ProgressStep(int64_t done);
  // Reports "ending" at 100.
  void ProgressEnd();

 protected:
  virtual void Progress(TProgressStage stage, int percent) {}

 private:
  int base_ = 0;        // percent reached by the finished sections
  int share_ = 0;       // percent the current section is worth
  int remaining_ = 99;  // percent not yet given to a section
  int reported_ = 0;
  int64_t total_ = 0;
};
