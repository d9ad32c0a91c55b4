#include "animate/RiemannSums.h"

#include <algorithm>
#include <cmath>

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
  if (increase && n >= kMaxRiemannDivisions) return std::nullopt;
  const int64_t next = increase ? int64_t{n} + d : int64_t{n} - d;
  return static_cast<int32_t>(std::clamp<int64_t>(next, 2, kMaxRiemannDivisions));
}

Extended PieceEnd(Extended a, Extended b, int64_t k, int64_t n) {
  if (k >= n) return b;
  return a + (b - a) * k / n;
}

bool ScanExtremum(EntryFunction& f, Extended l, Extended r, Extended step, bool maximum, Extended& value) {
  if (!(r >= l)) return false;
  // A view zoomed far in must not make a wide piece take millions of samples.
  step = std::max(step, (r - l) / kMaxScanSamples);
  if (!(step > 0)) step = 1;
  bool first = true;
  f.StartWalk(l);
  for (int64_t i = 0;; ++i) {
    Extended x = l + i * step;
    const bool last = x >= r;
    if (last) x = r;
    Extended y;
    if (!f.StepTo(x, y)) return false;
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
  RiemannPiece piece;
  for (int32_t i = 1; i <= n; ++i) {
    if (!EvaluatePiece(f, kind, PieceEnd(a, b, i - 1, n), PieceEnd(a, b, i, n), pixelSize, piece)) return false;
    sum += piece.value;
    if (each) each(piece);
  }
  return std::isfinite(sum);
}
