// links: formula
// Compiled programs against the recursive evaluator. The bytes make a formula from the
// parser's grammar (parameters, defined functions and constants, relations, special forms)
// and a walk of evaluations: points, parameter values, plot mode, figure formulas, the
// resetting of validity marks, and evaluations of the compiled tree by the recursive
// evaluator in between. Two trees parsed from the text are walked side by side, one by
// EvaluateTree and one by the recursive evaluator alone; every result, flag and field of
// the root must agree bit for bit.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <limits>
#include <string>

#include "FuzzSupport.h"
#include "formula/DocumentState.h"
#include "formula/EvalHelpers.h"
#include "formula/Evaluator.h"
#include "formula/EvaluatorCore.h"
#include "formula/Parser.h"
#include "formula/FormulaHost.h"
#include "formula/VariableValues.h"
#include "platform/Sjis.h"

namespace {

// Evaluations a nested form may spend per evaluation of the whole formula.
constexpr int64_t kInnerWork = 100000;

// Reads the input as a stream of choices; past its end every choice is 0.
class Choices {
 public:
  Choices(const uint8_t* data, size_t size) : data_(data), size_(size) {}
  unsigned Pick(unsigned n) { return n == 0 ? 0 : Byte() % n; }
  bool Chance(unsigned percent) { return Pick(100) < percent; }
  bool Empty() const { return pos_ >= size_; }

 private:
  unsigned Byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  const uint8_t* data_;
  size_t size_;
  size_t pos_ = 0;
};

template <size_t N>
const char* Pick(Choices& c, const char* const (&list)[N]) {
  return list[c.Pick(N)];
}

// A formula text from the grammar of the parser, in UTF-8.
class FormulaMaker {
 public:
  explicit FormulaMaker(Choices& c) : c_(c) {}

  std::string Make() { return Expression(0); }

 private:
  std::string Expression(int depth) {
    if (depth >= 5 || text_ > 200) return Atom();
    ++text_;
    switch (c_.Pick(22)) {
      case 0:
      case 1:
      case 2: return Atom();
      case 3:
      case 4:
      case 5: {
        static const char* const ops[] = {"+", "-", "*", "/", "^", "+", "-"};
        return "(" + Expression(depth + 1) + Pick(c_, ops) + Expression(depth + 1) + ")";
      }
      case 6: {
        // Polynomial terms: c x^n, x^n, (c x)^n, c x.
        static const char* const terms[] = {"x^2", "x^3", "2x^2", "3x", "(2x)^2", "x^5", "y^2", "0.5x^4", "x^1"};
        static const char* const signs[] = {"+", "-"};
        return "(" + Expression(depth + 1) + Pick(c_, signs) + Pick(c_, terms) + ")";
      }
      case 7: return Number() + "(" + Expression(depth + 1) + ")";
      case 8: return "(-" + Expression(depth + 1) + ")";
      case 9:
      case 10: {
        static const char* const functions[] = {"sin",    "cos",    "tan",   "sec",    "cosec", "cotan", "arctn",
                                                "log",    "exp",    "sqrt",  "abs",    "sgn",   "gaus",  "sinh",
                                                "cosh",   "arcsin", "arccos", "tanh",  "arsinh", "arcosh", "artanh",
                                                "round",  "int",    "frac",  "rnd",    "roundc", "intc",  "log2",
                                                "log10"};
        return std::string(Pick(c_, functions)) + "(" + Expression(depth + 1) + ")";
      }
      case 11: {
        static const char* const relations[] = {">", "<", "=", ">=", "<=", "<>"};
        return "(" + Expression(depth + 1) + Pick(c_, relations) + Expression(depth + 1) + ")";
      }
      case 12: return "(" + Expression(depth + 1) + "<x<" + Expression(depth + 1) + ")";
      case 13: {
        static const char* const joins[] = {"and", "or"};
        return "((" + Expression(depth + 1) + ">0)" + Pick(c_, joins) + "(" + Expression(depth + 1) + "<1))";
      }
      case 14: {
        static const char* const pairs[] = {"Max", "Min"};
        return std::string(Pick(c_, pairs)) + "(" + Expression(depth + 1) + "," + Expression(depth + 1) + ")";
      }
      case 15: {
        static const char* const counts[] = {"C(5,2)", "P(4,3)", "5!", "0!", "C(7,0)", "3!"};
        return Pick(c_, counts);
      }
      case 16: {
        static const char* const calls[] = {"F1(", "F2(", "F3(", "F4("};
        return std::string(Pick(c_, calls)) + Expression(depth + 1) + ")";
      }
      case 17: return "F2(" + Expression(depth + 1) + "," + Expression(depth + 1) + ")";
      case 18: {
        static const char* const sums[] = {"Sum(i=[1,3],", "multi(i=[1,3],", "Sum(i=[2,1],", "multi(j=[1,2],"};
        return std::string(Pick(c_, sums)) + Expression(depth + 1) + ")";
      }
      case 19: {
        // Integrals and extrema evaluate their body many times: one level of them only.
        if (inForm_) return Atom();
        static const char* const forms[] = {"∫[0,1](", "MaxV([0,1]", "MinV([-1,1]"};
        const std::string form = Pick(c_, forms);
        inForm_ = true;
        const std::string body = Expression(depth + 1);
        inForm_ = false;
        return form + body + (form[0] == 'M' ? ")" : ")dt[4]");
      }
      case 20: {
        static const char* const references[] = {"Ax", "By", "AB", "arg(AB)", "angle(ABC)", "Q1", "Q2"};
        return Pick(c_, references);
      }
      default: return "x";
    }
  }

  std::string Atom() {
    static const char* const atoms[] = {"x", "x", "y", "z", "t", "a", "b", "c", "d", "h", "k", "m", "n",
                                        "p", "q", "s", "θ", "ω", "e", "π", "30ﾟ", "latx", "laty"};
    return c_.Chance(40) ? Number() : Pick(c_, atoms);
  }

  std::string Number() {
    static const char* const numbers[] = {"0", "1", "2", "3", "0.5", "10", "1E3", "0.1", "7", "100000", "1E-5", "4"};
    return Pick(c_, numbers);
  }

  Choices& c_;
  int text_ = 0;
  bool inForm_ = false;
};

// Counts the requests to stop the animation timer, made by an evaluation that faults.
class TimerHooks : public FormulaHost {
 public:
  void StopAnimationTimer() override { ++stops; }
  int stops = 0;
};

void SetUpDocument() {
  ResetMiscSettings();
  ResetAllSettings(0);
  PlacePoint(1, 1, 0, 0);   // A
  PlacePoint(2, 0, 2, 0);   // B
  PlacePoint(3, -1, 1, 0);  // C
  const char* functions[] = {"x^2-3x+1", "sin(x)*y", "(x>0)*x", "1/x"};
  for (int n = 1; n <= 4; ++n) doc.DefinedFunctionTexts[n] = functions[n - 1];
  doc.DefinedFunctionCount = 4;
  const char* constants[] = {"2", "Q1+a"};
  for (int n = 1; n <= 2; ++n) doc.DefinedConstantTexts[n] = constants[n - 1];
  doc.DefinedConstantCount = 2;
}

// What one evaluation leaves behind, compared between the two evaluators.
struct Outcome {
  Extended result;
  uint8_t evalOK, drawable, lineContinues, validityChanged, figureFormulas;
  int stops;
  TVariableValues values;
  Extended value, prevValue;
  uint8_t valid, zeroCrossed, poleCrossed, exact;
  int32_t num, den;
};

bool SameBits(const Extended& a, const Extended& b) { return std::memcmp(&a, &b, 10) == 0; }

bool SameValues(const TVariableValues& a, const TVariableValues& b) {
  for (int i = 1; i <= 22; ++i)
    if (std::memcmp(&a.cells[i], &b.cells[i], sizeof(float)) != 0) return false;
  return SameBits(a.X, b.X) && SameBits(a.Y, b.Y) && SameBits(a.Z, b.Z) && SameBits(a.T, b.T);
}

bool Same(const Outcome& a, const Outcome& b) {
  return SameBits(a.result, b.result) && a.evalOK == b.evalOK && a.drawable == b.drawable &&
         a.lineContinues == b.lineContinues && a.validityChanged == b.validityChanged &&
         a.figureFormulas == b.figureFormulas && a.stops == b.stops && SameValues(a.values, b.values) &&
         SameBits(a.value, b.value) && SameBits(a.prevValue, b.prevValue) && a.valid == b.valid &&
         a.zeroCrossed == b.zeroCrossed && a.poleCrossed == b.poleCrossed && a.exact == b.exact &&
         a.num == b.num && a.den == b.den;
}

// The state an evaluation starts from, the same for both evaluators.
struct Start {
  Extended point[3];
  float parameters[4];  // a, b, c, d
  Extended t;
  uint8_t plotMode, figureFormulas, lineContinues, validityChanged, evalOK;
  Extended pixel;
  uint64_t seed;
};

Extended PointValue(Choices& c) {
  static const Extended specials[] = {0,     -0.0L, 1,       -1,      0.5L,        2,        -2,
                                      3,     1e-9L, 1e4000L, -1e4000L, 1e-4940L, 1.5707963267948966L,
                                      1e300L, 100000, std::numeric_limits<Extended>::infinity()};
  if (c.Chance(30)) return specials[c.Pick(sizeof specials / sizeof specials[0])];
  return (static_cast<int>(c.Pick(256)) - 128) / 16.0L;
}

Start MakeStart(Choices& c, const Start& before) {
  Start s = before;
  // Mostly small steps along x, as a curve sampler makes them.
  if (c.Chance(70))
    s.point[0] = before.point[0] + (static_cast<int>(c.Pick(64)) - 24) / 64.0L;
  else
    s.point[0] = PointValue(c);
  if (c.Chance(20)) s.point[1] = PointValue(c);
  if (c.Chance(10)) s.point[2] = PointValue(c);
  if (c.Chance(10)) s.parameters[c.Pick(4)] = static_cast<float>(PointValue(c));
  if (c.Chance(10)) s.t = PointValue(c);
  s.plotMode = c.Chance(30);
  s.figureFormulas = c.Chance(5);
  s.lineContinues = c.Chance(50);
  s.validityChanged = c.Chance(50);
  s.evalOK = c.Chance(80);
  if (c.Chance(5)) s.pixel = c.Chance(50) ? 0.02L : 0.5L;
  s.seed = c.Pick(1000);
  return s;
}

void Prepare(const Start& s, TimerHooks& hooks) {
  const char letters[] = {'a', 'b', 'c', 'd'};
  for (int i = 0; i < 4; ++i) WriteVariable(doc.VariableValues, letters[i], s.parameters[i]);
  doc.VariableValues.T = s.t;
  eng.PlotMode = s.plotMode;
  eng.UseFigureFormulas = s.figureFormulas;
  eng.LineContinues = s.lineContinues;
  eng.ValidityChanged = s.validityChanged;
  eng.EvalOK = s.evalOK;
  eng.EvalDrawable = 1;
  doc.PixelSizeX = s.pixel;
  for (int n = 1; n <= 2; ++n) doc.DefinedConstantDirty[n] = 1;
  SeedRandom(s.seed);
  hooks.stops = 0;
}

Outcome Capture(Extended result, const Tfrec* root, const TimerHooks& hooks) {
  Outcome o{};
  o.result = result;
  o.evalOK = eng.EvalOK;
  o.drawable = eng.EvalDrawable;
  o.lineContinues = eng.LineContinues;
  o.validityChanged = eng.ValidityChanged;
  o.figureFormulas = eng.UseFigureFormulas;
  o.stops = hooks.stops;
  o.values = doc.VariableValues;
  if (root) {
    o.value = root->value;
    o.prevValue = root->prevValue;
    o.valid = root->valid;
    o.zeroCrossed = root->zeroCrossed;
    o.poleCrossed = root->poleCrossed;
    o.exact = root->exact;
    o.num = root->num;
    o.den = root->den;
  }
  return o;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool ready = (SetUpDocument(), true);
  (void)ready;
  static TimerHooks hooks;
  SetFormulaHost(&hooks);
  Choices c(data, size);
  doc.Dimension = c.Chance(20) ? 3 : 2;
  const int mode = c.Chance(85) ? 3 : 2;
  eng.UseFigureFormulas = 0;
  const std::string text = sj(FormulaMaker(c).Make());
  const TreePtr compiled = ParseExpression(text, mode);
  const TreePtr reference = ParseExpression(text, mode);
  if (eng.ParseOK && compiled && reference) {
    Start s{{0, 0, 0}, {1.5f, -2, 0.5f, 3}, 0.25L, 0, 0, 0, 0, 1, 0.05L, 0};
    for (int step = 0; step < 40 && !c.Empty(); ++step) {
      s = MakeStart(c, s);
      const unsigned action = c.Pick(20);
      if (action == 0) {
        MarkTreeValid(compiled.get());
        MarkTreeValid(reference.get());
      }
      // Each evaluation gets the same small budget for nested forms, so that both spend
      // alike and an input stays quick.
      Prepare(s, hooks);
      Extended a;
      {
        InnerWorkSession work(kInnerWork);
        // Now and then the compiled tree is evaluated by the recursive evaluator too.
        a = action == 1 ? EvaluateTreeRecursively(compiled.get(), s.point[0], s.point[1], s.point[2])
                        : EvaluateTree(compiled.get(), s.point[0], s.point[1], s.point[2]);
      }
      const Outcome byProgram = Capture(a, compiled.get(), hooks);
      Prepare(s, hooks);
      Extended b;
      {
        InnerWorkSession work(kInnerWork);
        b = EvaluateTreeRecursively(reference.get(), s.point[0], s.point[1], s.point[2]);
      }
      const Outcome byRecursion = Capture(b, reference.get(), hooks);
      Check(Same(byProgram, byRecursion));
    }
  }
  SetFormulaHost(nullptr);
  return 0;
}
