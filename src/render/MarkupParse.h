#pragma once
// Label markup read into a tree of Tmojikiroku nodes: "^" and "_" raise and lower the
// argument that follows, "{...}" shows the value of the formula inside, "\vec{",
// "\sqrt{", "\frac{..}{..}" (also "\/{"), "\overline{" ("\ovl{") and "\underline{"
// ("\udl{") put their contents under an arrow, a radical, a bar or a line. Only
// single-byte characters count as markup; the second byte of a double-byte character
// never does.
#include <cstdint>
#include <memory>
#include <string_view>

#include "formula/Records.h"

// Node kinds.
enum : std::uint8_t {
  kMarkupSuperscript = 0,  // child1
  kMarkupSubscript = 1,    // child2
  kMarkupVector = 2,       // child2 under an arrow
  kMarkupRoot = 3,         // child2 under a radical
  kMarkupFraction = 4,     // child1 over child2
  kMarkupOverline = 7,     // child2 under a line
  kMarkupUnderline = 9,    // child2 over a line
  kMarkupText = 11,        // text
  kMarkupValue = 12,       // the computed value of a "{...}": text whose "*" are kept
};
// Text and value nodes are laid out and drawn alike.
inline bool IsMarkupText(std::uint8_t kind) { return kind == kMarkupText || kind == kMarkupValue; }

struct MarkupTreeDeleter {
  void operator()(Tmojikiroku* tree) const { DisposeMarkupTree(tree); }
};
using MarkupTree = std::unique_ptr<Tmojikiroku, MarkupTreeDeleter>;

// The text read from 0-based `pos` to `last` (inclusive) into a chain of nodes linked by
// `next`; pos ends past what was read. The chain ends at a "}" that closes the group
// (pos moves past it), at an unknown command (the rest of the level is dropped) or at
// `last`. With stripParens a text "(...)" loses its outer parentheses. Nil for nothing.
Tmojikiroku* ParseMarkup(std::string_view text, int& pos, int last, bool stripParens);
// The whole text.
MarkupTree ParseMarkup(std::string_view text);

// The last index of a script argument starting at `start`: it ends before a "+-*/,;)"
// outside parentheses and braces, after a ")" that closes a parenthesis opened inside
// it, and before a ")" or "}" of an enclosing group. A sign in its first position
// belongs to it (x^-1). start - 1 for an empty argument (start > last).
int ScriptEnd(std::string_view text, int start, int last);
