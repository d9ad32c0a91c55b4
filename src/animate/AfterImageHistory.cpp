#include "animate/AfterImageHistory.h"

#include "animate/MacroVariables.h"
#include "formula/DocumentState.h"

namespace {

bool HasCode(const TValueNode* list, int32_t code) {
  for (; list; list = list->next)
    if (list->code == code) return true;
  return false;
}

// The oldest snapshot's state moves into the next one: the values the next one does not
// set itself, and the shown flags before its own. Then the oldest is freed.
void DropOldestSnapshot(TAfterImageEntry* oldest) {
  TAfterImageEntry* next = oldest->newer;
  if (!next) return;
  TValueNode** tail = &next->values;
  while (*tail) tail = &(*tail)->next;
  for (const TValueNode* v = oldest->values; v; v = v->next)
    if (!HasCode(next->values, v->code)) {
      *tail = new TValueNode{v->code, v->value, nullptr};
      tail = &(*tail)->next;
    }
  if (oldest->shows) {
    TVisibilityChange* last = oldest->shows;
    while (last->next) last = last->next;
    last->next = next->shows;
    next->shows = oldest->shows;
    oldest->shows = nullptr;
  }
  next->older = nullptr;
  DisposeValueList(oldest->values);
  delete oldest;
}

}  // namespace

int AfterImageSnapshotCount() {
  int n = 0;
  for (const TAfterImageEntry* s = settings.AfterImageHistory; s; s = s->older) ++n;
  return n;
}

void PushAfterImageSnapshot() {
  settings.AfterImageHistory = PushAfterImage(settings.AfterImageHistory, 0);
  TAfterImageEntry* oldest = settings.AfterImageHistory;
  int n = 0;
  for (; oldest && oldest->older; oldest = oldest->older) ++n;
  if (n + 1 > kMaxAfterImageSnapshots) DropOldestSnapshot(oldest);
}

void ApplyAfterImageSnapshot(const TAfterImageEntry& snapshot) {
  // The macro writer records point moves for the next draw step of a running macro; a
  // snapshot's moves are not such steps.
  TValueNode* macroFrames = settings.MacroFrameList;
  settings.MacroFrameList = nullptr;
  for (const TValueNode* v = snapshot.values; v; v = v->next) WriteMacroVariable(v->code, v->value);
  DisposeValueList(settings.MacroFrameList);
  settings.MacroFrameList = macroFrames;
  modes.AfterImageOn = snapshot.afterImage;
  modes.LocusOn = snapshot.locus;
  for (const TVisibilityChange* c = snapshot.shows; c; c = c->next)
    if (c->entry >= 1 && c->entry <= doc.EntryCount) doc.FigureTable[c->entry].shown = c->shown;
}
