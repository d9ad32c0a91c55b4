#include "ui/EntryWindowSeam.h"

#include <utility>

#include "formula/DocumentState.h"

namespace {
EntryWindowOpener& Opener() {
  static EntryWindowOpener opener;
  return opener;
}
}  // namespace

void SetEntryWindowOpener(EntryWindowOpener opener) { Opener() = std::move(opener); }

EntryWindowResult OpenEntryWindow(int entry, int maxIndex, std::uint8_t mode, int left) {
  if (!Opener()) {
    ui.InputCancelled = 1;
    return EntryWindowResult::Cancelled;
  }
  return Opener()(entry, maxIndex, mode, left);
}
