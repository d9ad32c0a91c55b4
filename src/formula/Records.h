#pragma once
// Dynamic records passed between subsystems. Each has one allocation routine and one
// release routine; a release takes the caller's pointer and sets it to nil, and lists are
// released along their links.
#include <cstdint>
#include <string>

#include "formula/DocumentState.h"
#include "formula/Tfrec.h"
#include "platform/Extended.h"

// ---- Sampled curves ----------------------------------------------------------------

struct TCurvePoint {
  Extended x = 0, y = 0, z = 0;
  TCurvePoint* next = nullptr;
  TCurvePoint* prev = nullptr;
};

struct TCurveXYZ {
  Extended x = 0, y = 0, z = 0;
};

// A piece of curve. Points are pushed in front, so the list's head (`startPt`) is the
// last point appended and its tail (`endPt`) the first.
struct TCurveSegment {
  TCurveXYZ endPt;
  TCurveXYZ startPt;
  TCurvePoint* points = nullptr;
  int32_t count = 0;
  TCurveSegment* next = nullptr;
  TCurveSegment* prev = nullptr;
};

// Pushes a new point in front of head; the caller stores the result as the new head.
TCurvePoint* NewCurvePoint(TCurvePoint*& head, Extended x, Extended y, Extended z);
// count + 1; pushes (a, b, 0), or (b, a, 0) when swapXY; the first point also goes to first.
void AppendCurvePoint(TCurvePoint*& head, int32_t& count, bool swapXY, TCurveXYZ& first, Extended a,
                      Extended b);
void ReverseCurvePoints(TCurvePoint*& head);
void LastCurvePoint(TCurvePoint*& p);
void DisposeCurvePoints(TCurvePoint*& head);
// nil for an empty list; else an unlinked piece owning the list.
TCurveSegment* NewCurveSegment(TCurvePoint*& points, int32_t count, const TCurveXYZ& endPt);
void DisposeCurveSegments(TCurveSegment*& list);

// 0 same (d < tolerance), 1 near, -10 far (d >= 2 tolerance); tolerance the pixel size.
int CompareCoordinate(const TCurveXYZ& p, const TCurveXYZ& q, bool useY);
// 0 same, 1 near, -1 far.
int CompareSegmentEnds(const TCurveXYZ& p, const TCurveXYZ& q);
// 0/1 end-end, 2/3 end-start, 4/5 start-end, 6/7 start-start (even same, odd near); 8 far.
int JoinOrientation(const TCurveSegment& a, const TCurveSegment& b);
void JoinTwoSegments(TCurveSegment*& a, TCurveSegment*& b, int orientation);
void JoinCurveSegments(TCurveSegment*& list);

// ---- Change lists and histories ----------------------------------------------------

// code: a letter's alphabet position for a parameter; point number * 100 + 1, 2, 3 for
// a point's x, y, z.
struct TValueNode {
  int32_t code = 0;
  Extended value = 0;
  TValueNode* next = nullptr;
};

struct TVisibilityChange {
  int32_t entry = 0;
  uint8_t shown = 0;
  TVisibilityChange* next = nullptr;
};

struct TAfterImageEntry {
  TValueNode* values = nullptr;
  TVisibilityChange* shows = nullptr;
  uint8_t afterImage = 0;
  uint8_t locus = 0;
  TAfterImageEntry* older = nullptr;
  TAfterImageEntry* newer = nullptr;
};

struct TViewHistoryNode {
  TViewRange range;
  Extended value = 0;
  TViewHistoryNode* prev = nullptr;
};

// Code 0 clears ParseOK and gives nil.
TValueNode* NewValueNode(int32_t code, Extended value);
// Appends to settings.ValueChangeList (the head when empty); tail := the node. A code
// of 0 appends nothing and leaves tail as it was.
void AppendValueNode(TValueNode*& tail, int32_t code, Extended value);
// The coordinates of the entry's point chosen by its dragClass, as point codes.
void AppendFigureValueNodes(int entry, TValueNode*& tail);
TValueNode* CopyValueList(const TValueNode* list);
void DisposeValueList(TValueNode*& list);

TVisibilityChange* NewVisibilityChange(int32_t entry, uint8_t shown);
void DisposeVisibilityList(TVisibilityChange*& list);

// Nothing when the change list is empty (head is returned). Otherwise a new entry with a
// copy of the change list, taking over VisibilityChangeList, recording AfterImageOn and
// LocusOn; direction 0 links it as newer than head, 1 as older. The caller stores it.
TAfterImageEntry* PushAfterImage(TAfterImageEntry* head, int direction);
// Frees head with its lists; head := its older entry, whose newer link becomes nil.
void PopAfterImage(TAfterImageEntry*& head);
void ClearAfterImages(TAfterImageEntry*& head);

TViewHistoryNode* PushView(TViewHistoryNode* head, Extended value);
void DisposeViewHistory(TViewHistoryNode*& head);

// ---- Compiled macro ----------------------------------------------------------------

struct TExprListNode {
  uint8_t hasSum = 0;  // the tree holds a Sum (2001) or a product (2003)
  Tfrec* expr = nullptr;
  TExprListNode* next = nullptr;
};

struct TIntListNode {
  int32_t value = 0;
  TIntListNode* next = nullptr;
};

struct Tcommand {
  uint8_t kind = 0;
  int32_t arg = 0;
  std::string text;
  TIntListNode* ints = nullptr;
  TExprListNode* exprs = nullptr;
  Tcommand* body = nullptr;
  Tcommand* elseBody = nullptr;
  Tcommand* next = nullptr;
};

struct Tpromacro {
  std::string name;
  int32_t number = -1, firstLine = 0, lastLine = 0;
  TValueNode* params = nullptr;
  Tcommand* body = nullptr;
  Tpromacro* next = nullptr;
};

// A change handler: its commands and the variable codes that trigger it.
struct TMacroHandler {
  Tcommand* commands = nullptr;
  TValueNode* vars = nullptr;
  TMacroHandler* next = nullptr;
};

Tpromacro* NewProcedure(const std::string& name, int32_t number, int32_t firstLine, int32_t lastLine);
Tcommand* NewCommand(uint8_t kind, int mode);           // nil in mode 1
TExprListNode* NewExprListNode(TreePtr& tree, int mode);  // nil in mode 1 or for a nil tree; takes the tree
TIntListNode* NewIntListNode(int32_t value, int mode);  // nil in mode 1
void DisposeIntList(TIntListNode*& list);
void DisposeExprList(TExprListNode*& list);
void DisposeCommandTree(Tcommand*& list);
void DisposeProcedureList(Tpromacro*& list);
void DisposeMacroBlocks(TMacroHandler*& list);
void DisposeMacroProgram(TMacroProgram& program);

// ---- Label markup layout -----------------------------------------------------------

struct Tmojikiroku {
  int32_t x = 0, y = 0, width = 0, height = 0;
  int32_t right = 0;  // x reached after the node
  int32_t lower = 0;  // y of the line under the node
  uint8_t kind = 0;
  std::string text;
  Tmojikiroku* next = nullptr;
  Tmojikiroku* child1 = nullptr;
  Tmojikiroku* child2 = nullptr;
};

Tmojikiroku* NewMarkupNode(uint8_t kind, int32_t x, int32_t y, int32_t width, int32_t height,
                           const std::string& text);
// Frees next, child2 and child1, then the node.
void DisposeMarkupTree(Tmojikiroku*& node);

// Frees every program-wide list (change list, macro frames, after-images, the compiled
// macro, visibility changes).
void DisposeProgramLists();
