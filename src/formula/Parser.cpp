// ParseExpression and the road every text takes: normalise, read, finish.
#include "formula/Parser.h"

#include <algorithm>

#include "formula/Differentiate.h"
#include "formula/DocumentState.h"
#include "formula/Normalise.h"
#include "formula/ParserReader.h"
#include "formula/TreeKernel.h"

ParseSession& Session() {
  static ParseSession session;
  return session;
}

TreePtr SessionDerivative(const Tfrec* tree) {
  ParseSession& session = Session();
  if (session.derivativeNodes >= MaxDerivativeNodes) return nullptr;
  const uint64_t before = TreeNodesMade();
  TreePtr derivative = Differentiate(tree, node::VarX, MaxDerivativeNodes - session.derivativeNodes);
  session.derivativeNodes += TreeNodesMade() - before;
  return derivative;
}

TreePtr Fail(int pos) {
  if (eng.ParseOK) {
    eng.ParseOK = 0;
    eng.ParseErrorPos = pos;
  }
  return nullptr;
}

bool ParseFailed() { return eng.ParseOK == 0; }

namespace {

// The outermost ParseExpression call starts a session; calls made inside it (sub-texts,
// evaluations during the passes) share its expansion stack and budgets.
class SessionScope {
 public:
  SessionScope() {
    ParseSession& s = Session();
    if (s.calls++ == 0) {
      s.nesting = 0;
      s.firstNode = TreeNodesMade();
      s.derivativeNodes = 0;
      s.foreignParses = 0;
      s.expanding.clear();
    }
  }
  ~SessionScope() { --Session().calls; }
  SessionScope(const SessionScope&) = delete;
  SessionScope& operator=(const SessionScope&) = delete;
};

void Normalise(std::string& s) {
  NormaliseExpressionText(s, 1);
  InsertFunctionParentheses(s);
}

}  // namespace

TreePtr ParseExpression(const std::string& text, int mode) {
  if (text.empty()) return nullptr;
  SessionScope scope;
  std::string s = text;
  Normalise(s);
  eng.ParseOK = 1;
  eng.ParseErrorPos = 1;
  return ParseNormalised(s, 1, static_cast<int>(s.size()), mode);
}

TreePtr ParseNormalised(const std::string& s, int first, int last, int mode) {
  FormPositions forms;
  TreePtr tree;
  {
    Reader reader(s, first, last, mode, forms);
    tree = reader.ReadWhole();
  }
  if (ParseFailed()) return nullptr;
  // Every later walk of the engine recurses along the tree: refuse what is too deep for it.
  if (TreeDepth(tree.get()) > MaxTreeDepth) return Fail(last);
  FinishParsedTree(InPlace(tree), mode, forms);
  if (ParseFailed()) return nullptr;
  return tree;
}

TreePtr ParseForeignText(const std::string& text, int mode, Expansion what, int referencePos) {
  ParseSession& session = Session();
  // An empty definition has no value; a text already being expanded is a cycle.
  if (text.empty() || std::find(session.expanding.begin(), session.expanding.end(), what) != session.expanding.end() ||
      ++session.foreignParses > MaxForeignParses)
    return Fail(referencePos);
  std::string s = text;
  Normalise(s);
  session.expanding.push_back(what);
  TreePtr tree = ParseNormalised(s, 1, static_cast<int>(s.size()), mode);
  session.expanding.pop_back();
  if (ParseFailed()) {
    // The error is shown in the referring text, at the reference.
    eng.ParseErrorPos = referencePos;
    return nullptr;
  }
  return tree;
}
