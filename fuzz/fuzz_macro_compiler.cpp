// links: animate
// Compiles arbitrary bytes as a macro text (lines split at line feeds) against a small
// document with functions, a curve, points that move or not, and a label. A text either
// compiles or names one of the messages and a line of the text; the compiled program is
// released again.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "animate/MacroCompiler.h"
#include "formula/DocumentState.h"
#include "formula/Records.h"

namespace {

void AddEntry(int kind, int subkind, const char* text, int letter = kNoPoint) {
  Tfuncprop& e = doc.FigureTable[++doc.EntryCount];
  InitFuncprop(e, kind);
  e.subkind = static_cast<uint8_t>(subkind);
  e.texts[0] = text;
  e.letter = static_cast<uint8_t>(letter);
  ++doc.KindCounts[kind];
  if (kind == kKindPoint) {
    doc.PointLetterUsage[letter].exists = 1;
    doc.PointLetterEntry[letter] = doc.EntryCount;
  }
}

void SetUpDocument() {
  ResetMiscSettings();
  ResetAllSettings(0);
  AddEntry(kKindExplicit, 255, "a*x");
  AddEntry(kKindExplicit, 255, "x^2+b");
  AddEntry(kKindRelation, 255, "x^2+y^2=c");
  AddEntry(kKindParametric, 255, "cos(t)");
  AddEntry(kKindPoint, 255, "1", 1);  // A, free along every axis
  doc.FigureTable[5].dragClass = 0;
  AddEntry(kKindPoint, 255, "2", 2);  // B, along y only
  doc.FigureTable[6].dragClass = 3;
  doc.LabelCount = 2;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const bool ready = (SetUpDocument(), true);
  (void)ready;
  const std::string text(reinterpret_cast<const char*>(data), size);
  std::vector<std::string> lines;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
  }
  doc.Dimension = size > 0 && (data[0] & 1) ? 3 : 2;
  const MacroCompileResult result = CompileMacroText(lines);
  Check(eng.ParseOK == (result.ok ? 1 : 0));
  if (result.ok) {
    Check(result.MacroErrorCode == 0);
  } else {
    Check(result.MacroErrorCode >= 0 && result.MacroErrorCode <= 17);
    Check(result.MacroErrorLine >= 0 && result.MacroErrorLine < static_cast<int>(lines.size()));
    Check(!MacroErrorMessage(result).empty());
    Check(!settings.MacroProgram.procedures && !settings.MacroProgram.handlers && !settings.MacroProgram.onload);
  }
  DisposeMacroProgram(settings.MacroProgram);
  return 0;
}
