#include "ui/DerivativeEntry.h"

#include "formula/Differentiate.h"
#include "formula/DocumentState.h"
#include "formula/FigureTableOperands.h"
#include "formula/FigureTableReferences.h"
#include "formula/Tfrec.h"

int InsertDerivativeEntry(int source) {
  if (source < 1 || source > doc.EntryCount || doc.EntryCount >= kMaxEntries ||
      doc.FigureTable[source].kind != kKindExplicit)
    return 0;
  // Before the first derivative of a later function, else behind the last derivative (or
  // the explicit functions when there is none).
  const int first = KindGroupStart(kKindDerivative);
  const int last = first + doc.KindCounts[kKindDerivative] - 1;
  int at = last + 1;
  for (int e = first; e <= last; ++e) {
    if (doc.FigureTable[e].link > source) {
      at = e;
      break;
    }
  }
  ShiftReferencesForInsert(at);
  ++doc.KindCounts[kKindDerivative];
  for (int e = doc.EntryCount; e >= at; --e) doc.FigureTable[e + 1] = doc.FigureTable[e];
  Tfuncprop derivative;
  InitFuncprop(derivative, kKindDerivative);
  derivative.link = static_cast<uint8_t>(source);
  DifferentiateFormulaText(doc.FigureTable[source].texts[0], node::VarX, derivative.texts[0]);
  doc.FigureTable[at] = derivative;
  doc.FigureTable[source].link = static_cast<uint8_t>(at);
  ++doc.EntryCount;
  return at;
}
