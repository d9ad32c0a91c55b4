#include "animate/RiemannSums.h"

#include <algorithm>

#include "formula/AnimationState.h"
#include "formula/EvalHelpers.h"
#include "platform/Runtime.h"

const char* const kSumCaptions[kSumKinds + 1] = {"",          "最大和", "最小和", "台形和",
                                                 "simpson和", "左端和", "右端和", "中点和"};

std::optional<int32_t> StepDivisions(int32_t n, bool increase) {
  int64_t d;
  if (n < 20)
    d = 1;
  else if (n < 100)
    d = rtl::Round(n / 10.0L);
  else
    d = rtl::Round(n / 100.0L) * 10;
  const int64_t next = increase ? int64_t{n} + d : int64_t{n} - d;
  if (next > kMaxRiemannDivisions) return std::nullopt;
  return static_cast<int32_t>(std::max<int64_t>(next, 2));
}

bool ScanExtremum(EntryFunction& f, Extended l, Extended r, Extended step, bool maximum, Extended& value) {
  if (!(r >= l)) return false;
  // A view zoomed far in must not make a wide piece take millions of samples.
  step = std::max(step, (r - l) / kMaxScanSamples);
  if (!(step > 0)) step = 1;
  bool first = true;
  for (int64_t i = 0;; ++i) {
    Extended x = l + i * step;
    const bool last = x >= r;
    if (last) x = r;
    Extended y;
    if (!f.At(x, y)) return false;
    if (first || (maximum ? y > value : y < value)) value = y;
    first = false;
    if (last) return true;
  }
}

bool EvaluatePiece(EntryFunction& f, int kind, Extended l, Extended r, Extended pixelSize, RiemannPiece& piece) {
  piece = RiemannPiece{};
  piece.l = l;
  piece.r = r;
  const Extended w = r - l;
  const Extended m = (l + r) / 2;
  switch (kind) {
    case kSumMaximum:
    case kSumMinimum:
      if (!ScanExtremum(f, l, r, std::min(w / 10, pixelSize), kind == kSumMaximum, piece.height)) return false;
      break;
    case kSumLeft:
      if (!f.At(l, piece.height)) return false;
      break;
    case kSumRight:
      if (!f.At(r, piece.height)) return false;
      break;
    case kSumMidpoint:
      if (!f.At(m, piece.height)) return false;
      break;
    case kSumTrapezoid:
      if (!f.At(l, piece.atLeft) || !f.At(r, piece.atRight)) return false;
      piece.value = w * (piece.atLeft + piece.atRight) / 2;
      return true;
    case kSumSimpson:
      if (!f.At(l, piece.atLeft) || !f.At(r, piece.atRight) || !f.At(m, piece.atMiddle)) return false;
      piece.value = SimpsonPanel(piece.atLeft, piece.atMiddle, piece.atRight, w);
      return true;
    default: return false;
  }
  piece.value = piece.height * w;
  return true;
}

bool WalkRiemannPieces(EntryFunction& f, int kind, Extended a, Extended b, int32_t n, Extended pixelSize,
                       const std::function<void(const RiemannPiece&)>& each, Extended& sum) {
  sum = 0;
  if (n < 1) return false;
  const Extended w = (b - a) / n;
  Extended x0 = a;
  RiemannPiece piece;
  for (int32_t i = 1; i <= n; ++i) {
    const Extended r = i == n ? b : x0 + w;
    if (!EvaluatePiece(f, kind, x0, r, pixelSize, piece)) return false;
    sum += piece.value;
    if (each) each(piece);
    x0 = r;
  }
  return true;
}
