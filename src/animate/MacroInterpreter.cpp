#include "animate/MacroInterpreter.h"

#include <algorithm>
#include <climits>
#include <random>

#include "animate/MacroCompiler.h"
#include "animate/MacroLanguage.h"
#include "animate/MacroVariables.h"
#include "formula/DocumentState.h"
#include "formula/Evaluator.h"
#include "formula/Parser.h"
#include "formula/Records.h"
#include "platform/Runtime.h"
#include "platform/Sjis.h"
#include "render/RedrawPipeline.h"

namespace {

TExprListNode* Expression(const Tcommand& c, int index) {
  TExprListNode* e = c.exprs;
  for (int k = 0; k < index && e; ++k) e = e->next;
  return e;
}

// The whole-number value of a count or a duration, kept within the int range.
int ClampedInt(int64_t v) { return static_cast<int>(std::clamp<int64_t>(v, INT_MIN, INT_MAX)); }

std::filesystem::path Utf8Path(const std::string& utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

}  // namespace

MacroInterpreter::MacroInterpreter(const TMacroProgram& program, MacroHost& host, platform::EventPump& pump,
                                   Clock clock)
    : program_(program), host_(host), pump_(pump), clock_(std::move(clock)) {
  lastPump_ = clock_();
}

bool MacroInterpreter::Running() const { return settings.MacroRunning != 0; }

void MacroInterpreter::Stop() { settings.MacroRunning = 0; }

void MacroInterpreter::Pump() {
  pump_.pumpMessages();
  lastPump_ = clock_();
}

void MacroInterpreter::BackEdge() {
  if (clock_() - lastPump_ >= kMacroPumpInterval) Pump();
}

// --- values -----------------------------------------------------------------------------

MacroInterpreter::Value MacroInterpreter::Evaluate(TExprListNode* e) {
  Value result;
  if (!e || !e->expr) return result;
  const TVariableValues& v = doc.VariableValues;
  const Extended x = v.X, y = v.Y, z = v.Z;
  eng.EvalOK = 1;
  if (!e->hasSum) {
    result.value = EvaluateTree(e->expr, x, y, z);
    result.valid = eng.EvalDrawable != 0;
    return result;
  }
  // A sum or product is unrolled with the values of now, on a copy.
  TreePtr copy = CloneTree(e->expr, 2);
  if (ExpandSumProduct(InPlace(copy), 1)) {
    result.value = EvaluateTree(copy.get(), x, y, z);
    result.valid = eng.EvalDrawable != 0;
  } else {
    eng.EvalOK = 0;
  }
  return result;
}

bool MacroInterpreter::Condition(TExprListNode* e) {
  const bool holds = Evaluate(e).valid;
  eng.EvalOK = 1;
  return holds;
}

void MacroInterpreter::Write(int32_t code, Extended value) {
  if (!eng.EvalOK) Stop();
  try {
    if (WriteMacroVariable(code, value)) entryTextsChanged_ = true;
  } catch (...) {
    Stop();
  }
}

// --- statement lists ----------------------------------------------------------------------

void MacroInterpreter::ExecuteStatements(Tcommand* list) {
  for (Tcommand* c = list; c && Running() && !MacroBreakFlag; c = c->next) {
    if (!Perform(*c)) break;
    host_.UpdateEraseButton();
  }
}

bool MacroInterpreter::Perform(Tcommand& c) {
  switch (c.kind) {
    case kLoad: {
      const std::filesystem::path file = ResolveFile(c.text);
      if (host_.FileExists(file)) {
        requestedLoad_ = file;
        Stop();
      }
      return false;
    }
    case kPictureLoad: {
      host_.ReleaseMacroButtons();
      const std::filesystem::path file = ResolveFile(c.text);
      if (host_.FileExists(file)) {
        host_.LoadBackgroundPicture(file);
        Stop();
      }
      return false;
    }
    case kPictureDelete:
      if (settings.BackgroundShown) host_.ClearBackgroundPicture();
      return true;
    case kFor:
      return ForLoop(c);
    case kIf:
      ExecuteStatements(Condition(c.exprs) ? c.body : c.elseBody);
      return true;
    case kWhile:
      return WhileLoop(c);
    case kBreak:
      MacroBreakFlag = true;
      return false;
    case kWait:
      Wait(Evaluate(c.exprs).value);
      return true;
    case kWink:
      Wink(c);
      return true;
    case kPlay:
      for (const TIntListNode* n = c.ints; n; n = n->next) host_.PlaySoundSlot(n->value);
      return true;
    case kMakeWave:
      return MakeWave(c);
    case kLet: {
      const Value v = Evaluate(c.exprs);
      if (!eng.EvalOK) {
        Stop();
        return false;
      }
      Write(c.arg, v.value);
      return true;
    }
    case kAfImageOn:
    case kAfImageOff:
      host_.SetAfterImage(c.kind == kAfImageOn);
      return true;
    case kLocusOn:
    case kLocusOff:
      host_.SetLocus(c.kind == kLocusOn);
      return true;
    case kRandomize:
      SeedRandom(std::random_device{}());
      return true;
    case kShowGraph:
    case kHideGraph:
      SetEntriesShown(c, c.kind == kShowGraph);
      return true;
    case kShowLabel:
    case kHideLabel:
      SetLabelsShown(c, c.kind == kShowLabel);
      return true;
    case kHideDraw:
      ui.HideDrawActive = 1;
      MacroDrawStep();
      ui.HideDrawActive = 0;
      return true;
    case kDraw:
      MacroDrawStep();
      Pump();
      return true;
    case kShow:
      host_.ShowParameterValues();
      host_.RepaintGraphs();
      Pump();
      return true;
    case kCall:
      return Call(c);
    case kCls:
      host_.EraseAfterImages();
      return true;
    case kLarge: return ViewSteps(c, 5);
    case kSmall: return ViewSteps(c, 4);
    case kLeftShift: return ViewSteps(c, 0);
    case kRightShift: return ViewSteps(c, 1);
    case kUpShift: return ViewSteps(c, 2);
    case kDownShift: return ViewSteps(c, 3);
    case kCenter:
      if (doc.Dimension != 3) {
        const Extended x = Evaluate(Expression(c, 0)).value;
        const Extended y = Evaluate(Expression(c, 1)).value;
        host_.CentreView(x, y);
      }
      Pump();
      return true;
    case kCalc:
      PrepareRedraw();
      return true;
    default:  // integ and the words that do nothing as statements
      return true;
  }
}

// for v = start to end step s: the step in single precision; the last run is at exactly
// the end value unless the body moves v there itself.
bool MacroInterpreter::ForLoop(Tcommand& c) {
  host_.StopTimer();
  const Extended start = Evaluate(Expression(c, 0)).value;
  const bool startOk = eng.EvalOK;
  const Extended end = Evaluate(Expression(c, 1)).value;
  const bool endOk = eng.EvalOK;
  const float step = static_cast<float>(Evaluate(Expression(c, 2)).value);
  if (!startOk || !endOk || !eng.EvalOK) {
    Stop();
    return false;
  }
  if (step == 0) return true;
  const int32_t v = c.arg;
  if (step * (start - end) >= 0) {
    if (start == end) {
      Write(v, start);
      ExecuteStatements(c.body);
    }
    MacroBreakFlag = false;
    return true;
  }
  Extended counter = start;
  for (;;) {
    if ((counter - end) * step > 0) break;
    if (!Running()) return false;
    Write(v, counter);
    ExecuteStatements(c.body);
    if (!Running() || MacroBreakFlag) break;
    counter = ReadMacroVariable(v);
    if ((counter - end) * step >= 0) break;
    const float next = static_cast<float>(counter) + step;
    // A counter that no longer moves in single precision ends the loop the same way.
    if (next == static_cast<float>(counter) || step * (next - end) > 0) {
      Write(v, end);
      ExecuteStatements(c.body);
      break;
    }
    counter = next;
    BackEdge();
  }
  MacroBreakFlag = false;
  return true;
}

bool MacroInterpreter::WhileLoop(Tcommand& c) {
  while (c.body && Condition(c.exprs)) {
    ExecuteStatements(c.body);
    if (!Running()) return false;
    if (MacroBreakFlag) break;
    BackEdge();
  }
  MacroBreakFlag = false;
  return true;
}

// The procedure's parameters are global variables: they take the arguments for the call
// and get their values back afterwards, unless the run was stopped inside.
bool MacroInterpreter::Call(Tcommand& c) {
  const Tpromacro* called = program_.procedures;
  for (int position = 1; called && position < c.arg; ++position) called = called->next;
  if (!called) return true;
  if (callDepth_ >= kMaxMacroCallDepth) {
    Stop();
    return false;
  }
  std::vector<std::pair<int32_t, Extended>> saved, arguments;
  TExprListNode* e = c.exprs;
  for (const TValueNode* p = called->params; p; p = p->next, e = e ? e->next : nullptr) {
    saved.emplace_back(p->code, ReadMacroVariable(p->code));
    const Value v = Evaluate(e);
    if (!eng.EvalOK) {
      Stop();
      return false;
    }
    arguments.emplace_back(p->code, v.value);
  }
  for (const auto& [code, value] : arguments) Write(code, value);
  ++callDepth_;
  ExecuteStatements(called->body);
  --callDepth_;
  MacroBreakFlag = false;  // a break outside any loop ends only the procedure
  if (!Running()) return false;
  for (const auto& [code, value] : saved) Write(code, value);
  return true;
}

void MacroInterpreter::MacroDrawStep() {
  if (!eng.EvalOK) Stop();
  if (!Running()) return;
  const TVariableValues saved = doc.VariableValues;
  host_.ApplyParameterValues(settings.AfterImageHistory ? 0 : 1);
  TValueNode** tail = &settings.ValueChangeList;
  while (*tail) tail = &(*tail)->next;
  *tail = CopyValueList(settings.MacroFrameList);
  host_.RedrawForParameters();
  DisposeValueList(settings.MacroFrameList);
  doc.VariableValues = saved;
}

void MacroInterpreter::Wait(Extended ms) {
  int remaining = ClampedInt(rtl::Round(ms));
  while (remaining > 0 && Running()) {
    const int slice = std::min(remaining, kMacroWaitSlice);
    pump_.sleep(slice);
    remaining -= slice;
    if (remaining > 0) Pump();
  }
}

void MacroInterpreter::Wink(Tcommand& c) {
  auto invert = [&] {
    for (const TIntListNode* n = c.ints; n; n = n->next)
      if (n->value >= 1 && n->value <= doc.EntryCount) doc.FigureTable[n->value].shown ^= 1;
    host_.RedrawGraphs();
    pump_.sleep(100);
  };
  for (int blink = 0; blink < 5; ++blink) {
    invert();
    invert();
  }
  MacroDrawStep();
  Pump();
}

void MacroInterpreter::SetEntriesShown(Tcommand& c, bool shown) {
  const bool recorded = modes.AfterImageOn || modes.LocusOn;
  TVisibilityChange** tail = &settings.VisibilityChangeList;
  while (*tail) tail = &(*tail)->next;
  for (const TIntListNode* n = c.ints; n; n = n->next) {
    if (n->value < 1 || n->value > doc.EntryCount) continue;  // the document changed since the compilation
    doc.FigureTable[n->value].shown = shown ? 1 : 0;
    if (recorded) {
      *tail = NewVisibilityChange(n->value, shown ? 1 : 0);
      tail = &(*tail)->next;
    }
  }
  host_.RefreshNavigator();
  host_.RedrawGraphs();
}

void MacroInterpreter::SetLabelsShown(Tcommand& c, bool shown) {
  for (const TIntListNode* n = c.ints; n; n = n->next) {
    const int first = n->value == 0 ? 1 : n->value;
    const int last = n->value == 0 ? doc.LabelCount : n->value;
    for (int label = first; label <= last && label <= doc.LabelCount; ++label)
      doc.LabelTable[label].shown = shown ? 1 : 0;
  }
  host_.RefreshLabels();
}

bool MacroInterpreter::ViewSteps(Tcommand& c, int code) {
  const int count = ClampedInt(rtl::Trunc(Evaluate(c.exprs).value));
  if (count <= 0) return false;
  for (int k = 0; k < count && Running(); ++k) {
    if (k > 0) Pump();
    host_.ViewStep(code);
  }
  Pump();
  return true;
}

bool MacroInterpreter::MakeWave(Tcommand& c) {
  host_.SetMacroButtonsEnabled(false);
  const int64_t mode = rtl::Round(Evaluate(Expression(c, 0)).value);
  const int64_t slot = rtl::Round(Evaluate(Expression(c, 1)).value);
  const float seconds = static_cast<float>(Evaluate(Expression(c, 2)).value);
  const bool slotOk = slot >= 1 && slot <= kSoundSlots;
  if (slotOk && (mode == 0 || mode == 1) && seconds > 0 && seconds <= kMaxMacroWaveSeconds) {
    host_.ShowMacroStatus(true, "データ" + rtl::IntToStr(slot) + " に録音中");
    Pump();
    TExprListNode* formula = Expression(c, 3);
    host_.MakeWave(formula ? formula->expr : nullptr, mode == 1, static_cast<int>(slot), seconds);
    host_.ShowMacroStatus(false, {});
    Pump();
  }
  host_.ShowMacroButtons(MacroButtonCaptions(program_));
  return slotOk;
}

// The demo folder followed by the name; each leading "..\" (or "../") goes up one folder.
// A name that starts with a separator stays below the folder too: appending an absolute
// path would replace the folder.
std::filesystem::path MacroInterpreter::ResolveFile(const std::string& cp932) const {
  std::string name = sjis::ToUtf8(cp932);
  std::replace(name.begin(), name.end(), '\\', '/');
  std::filesystem::path base = host_.DemoFolder().lexically_normal();
  if (!base.has_filename()) base = base.parent_path();
  for (;;) {
    name.erase(0, name.find_first_not_of('/'));
    if (name.rfind("../", 0) != 0) break;
    name.erase(0, 3);
    base = base.parent_path();
  }
  return base / Utf8Path(name);
}
