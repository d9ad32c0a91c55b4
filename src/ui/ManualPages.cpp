#include "ui/ManualPages.h"

#include <utility>

namespace {
ManualPageOpener& Opener() {
  static ManualPageOpener opener;
  return opener;
}
}  // namespace

void SetManualPageOpener(ManualPageOpener opener) { Opener() = std::move(opener); }

void OpenManualPage(const std::string& page) {
  if (Opener()) Opener()(page);
}
