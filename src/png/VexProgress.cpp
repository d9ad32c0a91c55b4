#include "png/VexProgress.h"

#include <algorithm>

void TVexProgress::ProgressStart() {
  base_ = share_ = reported_ = 0;
  remaining_ = 99;
  total_ = 0;
  Progress(TProgressStage::psStarting, 0);
}

void TVexProgress::BeginProgressSection(int64_t total, int sharePercent) {
  base_ += share_;
  share_ = sharePercent > 0 && sharePercent < 100 ? remaining_ * sharePercent / 100 : remaining_;
  remaining_ -= share_;
  total_ = total;
}

void TVexProgress::ProgressStep(int64_t done) {
  if (total_ <= 0) return;  // a section of nothing moves nothing
  const double part = double(std::clamp<int64_t>(done, 0, total_)) / double(total_);
  int percent = base_ + int(share_ * part);
  if (percent <= reported_) return;
  reported_ = percent;
  Progress(TProgressStage::psRunning, percent);
}

void TVexProgress::ProgressEnd() {
  reported_ = 100;
  Progress(TProgressStage::psEnding, 100);
}
