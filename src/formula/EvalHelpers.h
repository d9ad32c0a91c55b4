#pragma once
// Evaluation services built on the evaluator: evaluation along an axis, constant texts,
// the cached values of the defined constants, the test whether a function vanishes over
// the view, Simpson's rule and the search for the extrema of a function on an interval.
#include <cstdint>
#include <string>

#include "formula/Records.h"
#include "formula/SpacePoint.h"
#include "formula/Tfrec.h"
#include "platform/Extended.h"

// Integrals, extrema and zero tests spend at most a fixed number of evaluations of their
// functions, counted from the outermost form. While a session lives, every form evaluated
// shares one count from the session's start, at most `limit`: a curve whose every sample
// holds a nested form then costs what one such form may, not that times its samples.
class InnerWorkSession {
 public:
  explicit InnerWorkSession(int64_t limit = 4000000);
  ~InnerWorkSession();
  InnerWorkSession(const InnerWorkSession&) = delete;
  InnerWorkSession& operator=(const InnerWorkSession&) = delete;

 private:
  int64_t keptLimit_;
};

// asY = 1: the tree at y = v. Otherwise at x = v, where v is first turned into 10^v when
// the x axis is logarithmic (coordinate systems 3 and 4); systems above 4 give 0. The other
// coordinates are the current ones of doc.VariableValues.
Extended EvaluateAtX(Tfrec* tree, int asY, Extended v);

// The text evaluated at the current X, Y, Z (an empty text counts as "0"), with the exact
// fraction of its value (inexact 1/1 when it has none). A text that does not parse gives
// 0 with EvalOK and EvalDrawable 0.
void EvaluateConstantText(const std::string& text, Extended& value, TFraction& fraction);
// The same value alone; false when it is not drawable or not finite.
bool DrawableValueOfText(const std::string& text, Extended& value);

// When doc.DefinedConstantDirty[i] is set: evaluates Qi with the figures' formulas at the
// current X, Y, Z and stores its value and drawable flag. A constant that depends on itself
// is undefined.
void RecomputeDefinedValue(int i);

// Whether the tree is not identically zero along the x axis (axis 1) or the y axis (2) of
// the view: a tree constant in that variable by its value, any other by sampling at every
// pixel. EvalOK tells whether a sample was drawable.
bool NonZeroInView(Tfrec* tree, int axis);

// Simpson's rule with n panels over [lower, upper] for the right pair of a numeric
// integral (integration variable, integrand), the other variables at their current
// values. n must lie in 1..MaxSimpsonPanels (EvalOK 0 otherwise); a panel with an
// undefined sample counts 0, an error ends the sum.
inline constexpr int64_t MaxSimpsonPanels = 100000;
// Simpson's rule on one panel of width w from the values at its ends and its middle.
inline Extended SimpsonPanel(Extended atLow, Extended atMiddle, Extended atHigh, Extended w) {
  return (atLow + 4 * atMiddle + atHigh) * w / 6;
}
Extended SimpsonIntegral(Tfrec* pair, int64_t n, Extended lower, Extended upper);

// The maxima and minima of the function of x on [lower, upper], walking the sign of its
// derivative in steps of `step`: two lists of (x, f(x)) points, the largest (smallest)
// value and every value within 1e-5 of it. The lists are replaced. A step that is not a
// positive finite number, or more than MaxExtremumSteps of them, gives EvalOK 0.
inline constexpr int64_t MaxExtremumSteps = 1000000;
void FindExtremumOnInterval(Tfrec* tree, TCurvePoint*& maxPoints, TCurvePoint*& minPoints, Extended lower,
                            Extended upper, Extended step);
// The maximum (type 1) or minimum (type 2) value found by FindExtremumOnInterval; 0 with
// EvalOK 0 when there is none.
Extended ExtremumValue(Tfrec*& tree, int type, Extended lower, Extended upper, Extended step);
