#include "render/ImplicitTracing.h"

#include "formula/Differentiate.h"

TImplicitDerivatives ImplicitDerivatives;
std::uint8_t TraceCellWidth = 10, TraceCellHeight = 10;
TImplicitTracing ImplicitTracing;

namespace {

void BuildChain(Tfrec* (&slots)[4], const Tfrec* F, int32_t variable) {
  const Tfrec* previous = F;
  for (Tfrec*& slot : slots) {
    slot = previous ? Differentiate(previous, variable) : nullptr;
    previous = slot;
  }
}

void FreeChain(Tfrec* (&slots)[4]) {
  for (Tfrec*& slot : slots) DisposeTree(slot);
}

}  // namespace

ImplicitDerivativesScope::ImplicitDerivativesScope(const Tfrec* F) {
  BuildChain(ImplicitDerivatives.x, F, node::VarX);
  BuildChain(ImplicitDerivatives.y, F, node::VarY);
}

ImplicitDerivativesScope::~ImplicitDerivativesScope() {
  FreeChain(ImplicitDerivatives.x);
  FreeChain(ImplicitDerivatives.y);
}

void TraceImplicitNumerically(Tfrec*& tree, gfx::Canvas& canvas) {
  if (ImplicitTracing.traceImplicitNumerically) ImplicitTracing.traceImplicitNumerically(tree, canvas);
}
