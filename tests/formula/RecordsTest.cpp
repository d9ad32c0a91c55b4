#include <gtest/gtest.h>

#include <vector>

#include "formula/Parser.h"
#include "formula/Records.h"
#include "support/StateFixture.h"

namespace {

using RecordsTest = StateTest;

// A piece made by appending the given x values in order (y = 0).
TCurveSegment* Piece(std::vector<Extended> xs) {
  TCurvePoint* head = nullptr;
  int32_t count = 0;
  TCurveXYZ first;
  for (Extended x : xs) AppendCurvePoint(head, count, false, first, x, 0);
  return NewCurveSegment(head, count, first);
}

// x values from head to tail, checking the prev links on the way back.
std::vector<Extended> Walk(const TCurveSegment& s) {
  std::vector<Extended> xs;
  const TCurvePoint* last = nullptr;
  for (const TCurvePoint* p = s.points; p; p = p->next) {
    EXPECT_EQ(p->prev, last);
    xs.push_back(p->x);
    last = p;
  }
  return xs;
}

TEST_F(RecordsTest, AppendedPointsRunFromTheLastToTheFirst) {
  TCurveSegment* s = Piece({1, 2, 3});
  ASSERT_NE(s, nullptr);
  EXPECT_EQ(s->count, 3);
  EXPECT_EQ(s->endPt.x, 1);
  EXPECT_EQ(s->startPt.x, 3);
  EXPECT_EQ(Walk(*s), (std::vector<Extended>{3, 2, 1}));
  TCurvePoint* none = nullptr;
  EXPECT_EQ(NewCurveSegment(none, 0, TCurveXYZ{}), nullptr);

  TCurvePoint* head = nullptr;
  int32_t count = 0;
  TCurveXYZ first;
  AppendCurvePoint(head, count, true, first, 5, 7);  // x = f(y) curves swap
  EXPECT_EQ(head->x, 7);
  EXPECT_EQ(head->y, 5);
  EXPECT_EQ(first.x, 7);
  DisposeCurvePoints(head);
  EXPECT_EQ(head, nullptr);
  DisposeCurveSegments(s);
  EXPECT_EQ(s, nullptr);
}

TEST_F(RecordsTest, JoiningByEndsWithinOneOrTwoPixels) {
  doc.PixelSizeX = doc.PixelSizeY = 1;
  // b runs from 3 + gap onwards; every pairing of ends is tried by reversing the pieces.
  struct Row {
    Extended gap;
    int pieces, count;
  } rows[] = {{0.5L, 1, 5}, {1.5L, 1, 6}, {2.5L, 2, 3}};
  for (const Row& r : rows) {
    for (int pairing = 0; pairing < 4; ++pairing) {
      std::vector<Extended> a = {1, 2, 3}, b = {3 + r.gap, 4 + r.gap, 5 + r.gap};
      if (pairing & 1) std::reverse(a.begin(), a.end());
      if (pairing & 2) std::reverse(b.begin(), b.end());
      TCurveSegment* list = Piece(a);
      TCurveSegment* second = Piece(b);
      list->next = second;
      second->prev = list;
      JoinCurveSegments(list);
      int pieces = 0;
      for (TCurveSegment* s = list; s; s = s->next) ++pieces;
      EXPECT_EQ(pieces, r.pieces) << r.gap << " pairing " << pairing;
      EXPECT_EQ(list->count, r.count) << r.gap << " pairing " << pairing;
      if (r.pieces == 1) {
        std::vector<Extended> xs = Walk(*list);
        ASSERT_EQ(xs.size(), static_cast<size_t>(r.count));
        const bool rising = xs.front() < xs.back();
        for (size_t k = 1; k < xs.size(); ++k) EXPECT_EQ(xs[k] > xs[k - 1], rising) << pairing;
        EXPECT_EQ(list->startPt.x, xs.front());
        EXPECT_EQ(list->endPt.x, xs.back());
      }
      DisposeCurveSegments(list);
    }
  }
}

TEST_F(RecordsTest, PiecesOutOfOrderJoinIntoOne) {
  doc.PixelSizeX = doc.PixelSizeY = 0.1L;
  TCurveSegment* c = Piece({5, 6});
  TCurveSegment* a = Piece({1, 2, 3});
  TCurveSegment* b = Piece({3, 4, 5});
  c->next = a;
  a->prev = c;
  a->next = b;
  b->prev = a;
  TCurveSegment* list = c;
  JoinCurveSegments(list);
  ASSERT_NE(list, nullptr);
  EXPECT_EQ(list->next, nullptr);
  EXPECT_EQ(list->count, 6);
  std::vector<Extended> xs = Walk(*list);
  std::sort(xs.begin(), xs.end());
  EXPECT_EQ(xs, (std::vector<Extended>{1, 2, 3, 4, 5, 6}));
  DisposeCurveSegments(list);
}

TEST_F(RecordsTest, ValueNodes) {
  eng.ParseOK = 1;
  EXPECT_EQ(NewValueNode(0, 1), nullptr);
  EXPECT_EQ(eng.ParseOK, 0);

  TValueNode* tail = nullptr;
  AppendValueNode(tail, 1, 0.5L);
  AppendValueNode(tail, 0, 9);  // refused; the list stays whole
  AppendValueNode(tail, 2, 1.5L);
  ASSERT_NE(settings.ValueChangeList, nullptr);
  EXPECT_EQ(settings.ValueChangeList->code, 1);
  ASSERT_NE(settings.ValueChangeList->next, nullptr);
  EXPECT_EQ(settings.ValueChangeList->next->code, 2);
  EXPECT_EQ(tail, settings.ValueChangeList->next);

  TValueNode* copy = CopyValueList(settings.ValueChangeList);
  copy->value = 99;
  EXPECT_EQ(settings.ValueChangeList->value, 0.5L);
  DisposeValueList(copy);
  EXPECT_EQ(copy, nullptr);
}

TEST_F(RecordsTest, FigureValueNodesFollowTheDragClass) {
  doc.FigureTable[1].kind = kKindPoint;
  doc.FigureTable[1].letter = 1;
  doc.PointSequences[1][0].x = 1;
  doc.PointSequences[1][0].y = 2;
  doc.PointSequences[1][0].z = 3;
  struct Row {
    uint8_t dragClass;
    std::vector<int> codes;
  } rows[] = {{0, {101, 102, 103}}, {1, {101, 102}}, {2, {101}}, {3, {102}},
              {4, {101, 103}},      {5, {102, 103}}, {6, {103}}, {7, {}}, {10, {}}};
  for (const Row& r : rows) {
    DisposeValueList(settings.ValueChangeList);
    doc.FigureTable[1].dragClass = r.dragClass;
    TValueNode* tail = nullptr;
    AppendFigureValueNodes(1, tail);
    std::vector<int> codes;
    for (TValueNode* n = settings.ValueChangeList; n; n = n->next) {
      codes.push_back(n->code);
      EXPECT_EQ(n->value, n->code % 100);
    }
    EXPECT_EQ(codes, r.codes) << int(r.dragClass);
  }
}

TEST_F(RecordsTest, AfterImageHistory) {
  TAfterImageEntry* head = nullptr;
  EXPECT_EQ(PushAfterImage(head, 0), nullptr);  // empty change list: nothing

  TValueNode* tail = nullptr;
  AppendValueNode(tail, 1, 1.0L);
  settings.VisibilityChangeList = NewVisibilityChange(4, 0);
  modes.AfterImageOn = 1;
  modes.LocusOn = 0;
  head = PushAfterImage(head, 0);
  ASSERT_NE(head, nullptr);
  EXPECT_EQ(settings.VisibilityChangeList, nullptr);
  ASSERT_NE(head->shows, nullptr);
  EXPECT_EQ(head->shows->entry, 4);
  EXPECT_EQ(head->afterImage, 1);
  EXPECT_EQ(head->locus, 0);
  EXPECT_NE(head->values, settings.ValueChangeList);  // a copy
  EXPECT_EQ(head->values->value, 1.0L);

  TAfterImageEntry* first = head;
  head = PushAfterImage(head, 0);
  head = PushAfterImage(head, 0);
  EXPECT_EQ(head->older->older, first);
  EXPECT_EQ(first->newer->newer, head);
  PopAfterImage(head);
  EXPECT_EQ(head->newer, nullptr);
  ClearAfterImages(head);
  EXPECT_EQ(head, nullptr);

  // Direction 1 links an older entry with both links kept.
  head = PushAfterImage(nullptr, 0);
  TAfterImageEntry* older = PushAfterImage(head, 1);
  EXPECT_EQ(head->older, older);
  EXPECT_EQ(older->newer, head);
  ClearAfterImages(head);
  EXPECT_EQ(head, nullptr);
}

TEST_F(RecordsTest, ViewHistoryKeepsACopyOfTheView) {
  doc.ViewRange = {-1, 1, -2, 2};
  TViewHistoryNode* views = PushView(nullptr, 3);
  doc.ViewRange = {0, 10, 0, 10};
  views = PushView(views, 4);
  EXPECT_EQ(views->range.XMax, 10);
  EXPECT_EQ(views->prev->range.XMax, 1);
  EXPECT_EQ(views->prev->value, 3);
  DisposeViewHistory(views);
  EXPECT_EQ(views, nullptr);
}

TEST_F(RecordsTest, MarkupTreesAreReleasedWhole) {
  Tmojikiroku* root = NewMarkupNode(1, 0, 0, 10, 10, "a");
  root->child1 = NewMarkupNode(2, 0, 0, 1, 1, "b");
  root->child2 = NewMarkupNode(2, 0, 0, 1, 1, "c");
  root->next = NewMarkupNode(1, 0, 0, 1, 1, "d");
  root->child1->next = NewMarkupNode(3, 0, 0, 1, 1, "e");
  DisposeMarkupTree(root);  // LeakSanitizer checks the rest
  EXPECT_EQ(root, nullptr);
}

}  // namespace

namespace {

TEST_F(RecordsTest, CompiledMacroRecordsAreReleasedWhole) {
  EXPECT_EQ(NewCommand(3, 1), nullptr);
  EXPECT_EQ(NewIntListNode(3, 1), nullptr);
  TreePtr none;
  EXPECT_EQ(NewExprListNode(none, 2), nullptr);

  Tcommand* loop = NewCommand(7, 2);
  loop->body = NewCommand(22, 2);
  loop->elseBody = NewCommand(22, 2);
  TreePtr tree = ParseExpression("x^2+1", 2);
  ASSERT_NE(tree, nullptr);
  loop->body->exprs = NewExprListNode(tree, 2);
  EXPECT_EQ(tree, nullptr);  // the list took the tree
  loop->ints = NewIntListNode(1, 2);
  loop->ints->next = NewIntListNode(2, 2);
  loop->next = NewCommand(9, 2);

  settings.MacroProgram.procedures = NewProcedure("p", 1, 0, 3);
  settings.MacroProgram.procedures->body = loop;
  settings.MacroProgram.procedures->params = NewValueNode(1, 0);
  settings.MacroProgram.handlers = new TMacroHandler;
  settings.MacroProgram.handlers->commands = NewCommand(22, 2);
  settings.MacroProgram.handlers->vars = NewValueNode(2, 0);
  settings.MacroProgram.onload = NewCommand(1, 2);
  DisposeMacroProgram(settings.MacroProgram);  // LeakSanitizer checks the rest
  EXPECT_EQ(settings.MacroProgram.procedures, nullptr);
  EXPECT_EQ(settings.MacroProgram.handlers, nullptr);
  EXPECT_EQ(settings.MacroProgram.onload, nullptr);
}

}  // namespace
