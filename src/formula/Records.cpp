#include "formula/Records.h"

#include <cmath>

// ---- Sampled curves ----------------------------------------------------------------

TCurvePoint* NewCurvePoint(TCurvePoint*& head, Extended x, Extended y, Extended z) {
  auto* p = new TCurvePoint{x, y, z, head, nullptr};
  if (head) head->prev = p;
  return p;
}

void AppendCurvePoint(TCurvePoint*& head, int32_t& count, bool swapXY, TCurveXYZ& first, Extended a,
                      Extended b) {
  ++count;
  const Extended x = swapXY ? b : a;
  const Extended y = swapXY ? a : b;
  head = NewCurvePoint(head, x, y, 0);
  if (count == 1) first = TCurveXYZ{x, y, 0};
}

void ReverseCurvePoints(TCurvePoint*& head) {
  TCurvePoint* last = head;
  for (TCurvePoint* p = head; p;) {
    TCurvePoint* next = p->next;
    std::swap(p->next, p->prev);
    last = p;
    p = next;
  }
  head = last;
}

void LastCurvePoint(TCurvePoint*& p) {
  if (!p) return;
  while (p->next) p = p->next;
}

void DisposeCurvePoints(TCurvePoint*& head) {
  while (head) {
    TCurvePoint* next = head->next;
    delete head;
    head = next;
  }
}

TCurveSegment* NewCurveSegment(TCurvePoint*& points, int32_t count, const TCurveXYZ& endPt) {
  if (!points) return nullptr;
  auto* s = new TCurveSegment;
  s->endPt = endPt;
  s->startPt = TCurveXYZ{points->x, points->y, points->z};
  s->points = points;
  s->count = count;
  points = nullptr;
  return s;
}

void DisposeCurveSegments(TCurveSegment*& list) {
  while (list) {
    TCurveSegment* next = list->next;
    DisposeCurvePoints(list->points);
    delete list;
    list = next;
  }
}

int CompareCoordinate(const TCurveXYZ& p, const TCurveXYZ& q, bool useY) {
  const Extended tolerance = useY ? doc.PixelSizeY : doc.PixelSizeX;
  const Extended d = useY ? std::fabs(p.y - q.y) : std::fabs(p.x - q.x);
  if (d < tolerance) return 0;
  if (d >= 2 * tolerance) return -10;
  return 1;
}

int CompareSegmentEnds(const TCurveXYZ& p, const TCurveXYZ& q) {
  const int sum = CompareCoordinate(p, q, false) + CompareCoordinate(p, q, true);
  if (sum == 0) return 0;
  if (sum == 1 || sum == 2) return 1;
  return -1;
}

int JoinOrientation(const TCurveSegment& a, const TCurveSegment& b) {
  const TCurveXYZ* pairs[4][2] = {
      {&a.endPt, &b.endPt}, {&a.endPt, &b.startPt}, {&a.startPt, &b.endPt}, {&a.startPt, &b.startPt}};
  for (int k = 0; k < 4; ++k) {
    const int verdict = CompareSegmentEnds(*pairs[k][0], *pairs[k][1]);
    if (verdict >= 0) return 2 * k + verdict;
  }
  return 8;
}

namespace {

TCurvePoint* TailOf(TCurvePoint* head) {
  LastCurvePoint(head);
  return head;
}

// Frees the first node of a list; returns the rest.
TCurvePoint* DropHead(TCurvePoint* head) {
  TCurvePoint* rest = head->next;
  if (rest) rest->prev = nullptr;
  delete head;
  return rest;
}

// Frees the last node of a list; returns the list (nil when it was the only node).
TCurvePoint* DropTail(TCurvePoint* head) {
  TCurvePoint* tail = TailOf(head);
  if (tail == head) {
    delete head;
    return nullptr;
  }
  tail->prev->next = nullptr;
  delete tail;
  return head;
}

// Hangs `second` after the last node of `first`; either may be nil.
TCurvePoint* Concatenate(TCurvePoint* first, TCurvePoint* second) {
  if (!first) return second;
  if (second) {
    TCurvePoint* tail = TailOf(first);
    tail->next = second;
    second->prev = tail;
  }
  return first;
}

}  // namespace

void JoinTwoSegments(TCurveSegment*& a, TCurveSegment*& b, int orientation) {
  if (!a || !b || orientation < 0 || orientation > 7) return;
  const bool dropJoin = orientation % 2 == 0;  // the ends coincide: b's joining point goes
  TCurvePoint* bList = b->points;
  int32_t added = b->count;
  if (dropJoin && bList) --added;
  switch (orientation / 2) {
    case 0:  // a's end meets b's end
      ReverseCurvePoints(bList);
      if (dropJoin) bList = DropHead(bList);
      a->points = Concatenate(a->points, bList);
      a->endPt = b->startPt;
      break;
    case 1:  // a's end meets b's start
      if (dropJoin) bList = DropHead(bList);
      a->points = Concatenate(a->points, bList);
      a->endPt = b->endPt;
      break;
    case 2:  // a's start meets b's end
      if (dropJoin) bList = DropTail(bList);
      a->points = Concatenate(bList, a->points);
      a->startPt = b->startPt;
      break;
    case 3:  // a's start meets b's start
      ReverseCurvePoints(bList);
      if (dropJoin) bList = DropTail(bList);
      a->points = Concatenate(bList, a->points);
      a->startPt = b->endPt;
      break;
  }
  a->count += added;
  b->points = nullptr;
  b->count = 0;
}

void JoinCurveSegments(TCurveSegment*& list) {
  bool restart = true;
  while (restart) {
    restart = false;
    for (TCurveSegment* a = list; a && !restart; a = a->next) {
      for (TCurveSegment* b = a->next; b; b = b->next) {
        if (b->points) JoinTwoSegments(a, b, JoinOrientation(*a, *b));
        if (!b->points) {
          if (b->prev) b->prev->next = b->next;
          if (b->next) b->next->prev = b->prev;
          delete b;
          restart = true;
          break;
        }
      }
    }
  }
}

// ---- Change lists and histories ----------------------------------------------------

TValueNode* NewValueNode(int32_t code, Extended value) {
  if (code == 0) {
    eng.ParseOK = 0;
    return nullptr;
  }
  return new TValueNode{code, value, nullptr};
}

void AppendValueNode(TValueNode*& tail, int32_t code, Extended value) {
  TValueNode* node = NewValueNode(code, value);
  if (!node) return;
  if (!settings.ValueChangeList) {
    settings.ValueChangeList = node;
  } else {
    TValueNode* last = tail;
    if (!last) {  // no tail given: find it
      last = settings.ValueChangeList;
      while (last->next) last = last->next;
    }
    last->next = node;
  }
  tail = node;
}

void AppendFigureValueNodes(int entry, TValueNode*& tail) {
  if (!doc.FigureTable.contains(entry)) return;
  const Tfuncprop& e = doc.FigureTable[entry];
  if (e.letter < 1 || e.letter > kMaxPoints || doc.PointSequences[e.letter].empty()) return;
  const TSpacePoint& p = doc.PointSequences[e.letter][0];
  const int base = e.letter * 100;
  const bool x[] = {true, true, true, false, true, false, false};
  const bool y[] = {true, true, false, true, false, true, false};
  const bool z[] = {true, false, false, false, true, true, true};
  if (e.dragClass > 6) return;
  if (x[e.dragClass]) AppendValueNode(tail, base + 1, p.x);
  if (y[e.dragClass]) AppendValueNode(tail, base + 2, p.y);
  if (z[e.dragClass]) AppendValueNode(tail, base + 3, p.z);
}

TValueNode* CopyValueList(const TValueNode* list) {
  TValueNode* head = nullptr;
  TValueNode** link = &head;
  for (; list; list = list->next) {
    *link = new TValueNode{list->code, list->value, nullptr};
    link = &(*link)->next;
  }
  return head;
}

void DisposeValueList(TValueNode*& list) {
  while (list) {
    TValueNode* next = list->next;
    delete list;
    list = next;
  }
}

TVisibilityChange* NewVisibilityChange(int32_t entry, uint8_t shown) {
  return new TVisibilityChange{entry, shown, nullptr};
}

void DisposeVisibilityList(TVisibilityChange*& list) {
  while (list) {
    TVisibilityChange* next = list->next;
    delete list;
    list = next;
  }
}

TAfterImageEntry* PushAfterImage(TAfterImageEntry* head, int direction) {
  if (!settings.ValueChangeList) return head;
  auto* entry = new TAfterImageEntry;
  entry->values = CopyValueList(settings.ValueChangeList);
  entry->shows = settings.VisibilityChangeList;
  settings.VisibilityChangeList = nullptr;
  entry->afterImage = modes.AfterImageOn;
  entry->locus = modes.LocusOn;
  if (direction == 0) {
    entry->older = head;
    if (head) head->newer = entry;
  } else {
    // Older than head, between head and its older neighbour.
    entry->newer = head;
    if (head) {
      entry->older = head->older;
      if (head->older) head->older->newer = entry;
      head->older = entry;
    }
  }
  return entry;
}

void PopAfterImage(TAfterImageEntry*& head) {
  if (!head) return;
  TAfterImageEntry* older = head->older;
  if (head->newer) head->newer->older = older;
  DisposeValueList(head->values);
  DisposeVisibilityList(head->shows);
  delete head;
  head = older;
  if (head) head->newer = nullptr;
}

void ClearAfterImages(TAfterImageEntry*& head) {
  while (head) PopAfterImage(head);
}

TViewHistoryNode* PushView(TViewHistoryNode* head, Extended value) {
  return new TViewHistoryNode{doc.ViewRange, value, head};
}

void DisposeViewHistory(TViewHistoryNode*& head) {
  while (head) {
    TViewHistoryNode* prev = head->prev;
    delete head;
    head = prev;
  }
}

// ---- Label markup layout -----------------------------------------------------------

Tmojikiroku* NewMarkupNode(uint8_t kind, int32_t x, int32_t y, int32_t width, int32_t height,
                           const std::string& text) {
  auto* node = new Tmojikiroku;
  node->x = x;
  node->y = y;
  node->width = width;
  node->height = height;
  node->kind = kind;
  node->text = text;
  return node;
}

void DisposeMarkupTree(Tmojikiroku*& node) {
  while (node) {
    Tmojikiroku* next = node->next;
    DisposeMarkupTree(node->child2);
    DisposeMarkupTree(node->child1);
    delete node;
    node = next;
  }
}

