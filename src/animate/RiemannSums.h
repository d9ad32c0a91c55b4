#pragma once
// The arithmetic of the Riemann sums: the step of the division count and the value of
// each piece for the seven kinds of sum, over [a, b] cut into n equal pieces.
#include <cstdint>
#include <functional>
#include <optional>

#include "animate/EntryFunction.h"
#include "platform/Extended.h"

// RiemannSumKind: which sum is shown.
enum : uint8_t {
  kSumNone = 0,
  kSumMaximum = 1,
  kSumMinimum = 2,
  kSumTrapezoid = 3,
  kSumSimpson = 4,
  kSumLeft = 5,
  kSumRight = 6,
  kSumMidpoint = 7,
};
inline constexpr int kSumKinds = 7;
// The captions of the seven sum buttons, by kind (UTF-8).
extern const char* const kSumCaptions[kSumKinds + 1];

// The count after one step up or down: by 1 below 20, by round(n / 10) below 100, else by
// round(n / 100) * 10 (half to even), never below 2 nor above kMaxRiemannDivisions: the
// step that would pass the limit stops on it. Nothing (refused) when n is at the limit
// and the step goes up.
std::optional<int32_t> StepDivisions(int32_t n, bool increase);

// The end of the first k of n equal pieces of [a, b], a + k (b - a) / n, computed from a
// and not by adding widths: a piece meant to start at 0 starts at 0, not 5e-19 beside it,
// and the last one ends exactly at b.
Extended PieceEnd(Extended a, Extended b, int64_t k, int64_t n);

struct RiemannPiece {
  Extended l = 0, r = 0;
  // f at the ends and the middle where the kind uses them.
  Extended atLeft = 0, atMiddle = 0, atRight = 0;
  // The rectangle's height (maximum, minimum, left, right, midpoint).
  Extended height = 0;
  Extended value = 0;
};

// The largest (or smallest) f over [l, r], sampled from l in steps of `step` (at most
// kMaxScanSamples of them), both ends included; false when f is undefined at a sample or
// crosses a pole between two (then it has no largest or smallest value there).
inline constexpr int64_t kMaxScanSamples = 100000;
bool ScanExtremum(EntryFunction& f, Extended l, Extended r, Extended step, bool maximum, Extended& value);

// Fills the piece [l, r] of the kind; false when f is undefined (or has a pole, for the
// maximum and minimum) where the kind needs it.
// The maximum and minimum scan in steps of min(width / 10, pixelSize).
bool EvaluatePiece(EntryFunction& f, int kind, Extended l, Extended r, Extended pixelSize, RiemannPiece& piece);

// Walks the n pieces of [a, b] from a, handing each to `each` and adding its value to
// sum; stops (false) at the first piece f is undefined for, sum then holding the pieces
// before it. False also when the sum is not finite.
bool WalkRiemannPieces(EntryFunction& f, int kind, Extended a, Extended b, int32_t n, Extended pixelSize,
                       const std::function<void(const RiemannPiece&)>& each, Extended& sum);
