#include "render/MarkupLayout.h"

#include <algorithm>
#include <climits>
#include <cstdlib>

#include "platform/Runtime.h"
#include "render/DrawToolkitText.h"
#include "render/MarkupParse.h"

namespace {

int RoundToInt(Extended v) { return static_cast<int>(rtl::Round(v)); }

// An empty argument becomes an empty text, so that it lays out and draws as an empty box
// at the place where it would start. True when the part was missing.
bool FillMissing(Tmojikiroku*& part) {
  if (part) return false;
  part = NewMarkupNode(kMarkupText, 0, 0, 0, 0, std::string());
  return true;
}

// Calls f on every node of the chain and the parts below it; the lowered parts (child2)
// only with `lowered`.
template <typename Node, typename F>
void ForEach(Node* node, bool lowered, F&& f) {
  for (; node; node = node->next) {
    f(*node);
    ForEach(node->child1, lowered, f);
    if (lowered) ForEach(node->child2, lowered, f);
  }
}

template <typename Value>
int Largest(const Tmojikiroku* node, Value value) {
  if (!node) return 0;
  int result = INT_MIN;
  ForEach(node, true, [&](const Tmojikiroku& n) { result = std::max(result, value(n)); });
  return result;
}

void LayoutScript(gfx::Canvas& canvas, int& x, std::uint8_t option1, std::uint8_t option2, Tmojikiroku& n, int h) {
  const bool raised = n.kind == kMarkupSuperscript;
  Tmojikiroku*& part = raised ? n.child1 : n.child2;
  const bool missing = FillMissing(part);
  const int small = RoundToInt(raised ? h * 3 / 5.0L : h / 2.0L);
  n.height = small;
  // A lowered part stands on the base line.
  const int top = raised ? n.y : std::abs(h) + n.y - std::abs(small);
  // The script moves toward its base, unless it is empty: then nothing moves back.
  if (!missing) x += small / 4;
  LayoutMarkup(canvas, x, top, option1, option2, part, small);
  n.width = std::abs(small / 3) + part->width;
  n.lower = std::abs(h) + n.y;
  n.right = x;
}

void LayoutVector(gfx::Canvas& canvas, int& x, std::uint8_t option1, std::uint8_t option2, Tmojikiroku& n, int h) {
  FillMissing(n.child2);
  const int margin = std::abs(RoundToInt(h / 10.0L));
  n.height = h * 7 / 5;
  x += margin;
  const int start = x;
  LayoutMarkup(canvas, x, n.y, option1, option2, n.child2, h);
  // The arrow spans the whole contents, however many parts they have.
  n.width = x - start + margin;
  x += margin;
  n.lower = std::abs(n.height) + n.y;
  n.right = x;
}

void LayoutRoot(gfx::Canvas& canvas, int& x, std::uint8_t option1, std::uint8_t option2, Tmojikiroku& n, int h) {
  FillMissing(n.child2);
  int contentsX = x;
  LayoutMarkup(canvas, contentsX, n.y, option1, option2, n.child2, h);
  const int e = LargestHeight(n.child2);
  int v = e;
  if (IsMarkupText(n.child2->kind) && !n.child2->next) {
    n.height = e;
    n.y = n.child2->y;
  } else {
    n.height = RoundToInt(e * 7 / 6.0L);
    n.y = SmallestTop(n.child2) - std::abs(RoundToInt(e / 6.0L));
    v = n.height;
  }
  ShiftRight(n.child2, RoundToInt(std::abs(v * 4 / 5.0L)));
  x = LargestRight(n.child2);
  n.width = x - n.x;
  n.lower = std::abs(n.height) + n.y;
  n.right = x;
}

void LayoutFraction(gfx::Canvas& canvas, int& x, std::uint8_t option1, std::uint8_t option2, Tmojikiroku& n,
                    int h) {
  FillMissing(n.child1);
  FillMissing(n.child2);
  const int x0 = x;
  // Raised by three fifths of the height (h is negative for the usual fonts).
  n.y += h * 3 / 5;
  int numeratorX = x0;
  LayoutMarkup(canvas, numeratorX, n.y, option1, option2, n.child1, h);
  n.y = SmallestTop(n.child1);
  const int denominatorTop = RoundToInt(std::abs(h) * 1.2L) + n.y;
  const int numeratorWidth = LargestRight(n.child1) - x0;
  int denominatorX = x0;
  LayoutMarkup(canvas, denominatorX, denominatorTop, option1, option2, n.child2, h);
  const int denominatorWidth = LargestRight(n.child2) - x0;
  n.height = LargestHeight(n.child2) + denominatorTop - n.y;
  // The narrower part is centred over (or under) the wider.
  const int d = std::abs(numeratorWidth - denominatorWidth) / 2;
  if (numeratorWidth < denominatorWidth)
    ShiftRight(n.child1, d);
  else if (denominatorWidth < numeratorWidth)
    ShiftRight(n.child2, d);
  n.width = std::abs(n.height) / 10 + std::max(numeratorWidth, denominatorWidth);
  x = x0 + n.width;
  n.right = x;
  n.lower = std::abs(n.height) + n.y;
}

// Over- and underlines: the line spans the contents.
void LayoutLined(gfx::Canvas& canvas, int& x, std::uint8_t option1, std::uint8_t option2, Tmojikiroku& n, int h) {
  FillMissing(n.child2);
  n.height = n.kind == kMarkupUnderline ? h * 6 / 5 : h * 7 / 5;
  int contentsX = x;
  LayoutMarkup(canvas, contentsX, n.y, option1, option2, n.child2, h);
  x = LargestRight(n.child2);
  n.width = x - n.x;
  n.right = x;
  n.lower = std::abs(n.height) + n.y;
}

void LayoutText(gfx::Canvas& canvas, int& x, std::uint8_t option1, std::uint8_t option2, Tmojikiroku& n, int h) {
  canvas.font.height = h;
  n.width = DrawMixedText(0, 0, n.text, option1, option2, 1, canvas, n.kind == kMarkupValue);
  x += n.width;
  n.height = h;
  n.lower = std::abs(h) + n.y;
  n.right = x;
}

}  // namespace

void LayoutMarkup(gfx::Canvas& canvas, int& x, int y, std::uint8_t option1, std::uint8_t option2, Tmojikiroku* node,
                  int h) {
  for (; node; node = node->next) {
    node->x = x;
    node->y = y;
    switch (node->kind) {
      case kMarkupSuperscript:
      case kMarkupSubscript: LayoutScript(canvas, x, option1, option2, *node, h); break;
      case kMarkupVector: LayoutVector(canvas, x, option1, option2, *node, h); break;
      case kMarkupRoot: LayoutRoot(canvas, x, option1, option2, *node, h); break;
      case kMarkupFraction: LayoutFraction(canvas, x, option1, option2, *node, h); break;
      case kMarkupOverline:
      case kMarkupUnderline: LayoutLined(canvas, x, option1, option2, *node, h); break;
      default: LayoutText(canvas, x, option1, option2, *node, h); break;
    }
  }
}

int LargestRight(const Tmojikiroku* node) {
  return Largest(node, [](const Tmojikiroku& n) { return n.x + n.width; });
}

int LargestRightField(const Tmojikiroku* node) {
  return Largest(node, [](const Tmojikiroku& n) { return n.right; });
}

int LargestLower(const Tmojikiroku* node) {
  return Largest(node, [](const Tmojikiroku& n) { return n.lower; });
}

int LargestHeight(const Tmojikiroku* node) {
  return Largest(node, [](const Tmojikiroku& n) { return std::abs(n.height); });
}

int SmallestTop(const Tmojikiroku* node) {
  if (!node) return 10000;
  int result = INT_MAX;
  ForEach(node, false, [&](const Tmojikiroku& n) { result = std::min(result, n.y); });
  return result;
}

void ShiftRight(Tmojikiroku* node, int dx) {
  ForEach(node, true, [dx](Tmojikiroku& n) { n.x += dx; });
}

void ShiftDown(Tmojikiroku* node, int dy) {
  ForEach(node, true, [dy](Tmojikiroku& n) {
    n.y += dy;
    n.lower += dy;
  });
}
