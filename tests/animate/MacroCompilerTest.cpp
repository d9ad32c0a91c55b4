#include "MacroFixture.h"
#include "animate/MacroLanguage.h"
#include "formula/Evaluator.h"

namespace {

struct CompileCase {
  const char* source;
  int code;  // -1: compiles
  int line;  // 1-based; 0: not checked
};

TEST_F(MacroTest, CompilesOrReportsTheFirstErrorWithItsLine) {
  const CompileCase cases[] = {
      {"// only a comment", -1, 0},
      {"sub go() #1\na=a+1\nend sub", -1, 0},
      {"sub go() #0\nend sub", -1, 0},
      {"a=1\nsub go()\nEnd Sub", -1, 0},  // a plain line at the top level is ignored
      {"sub go() #12\nend sub", kMacroMissing, 1},
      {"sub f() #1\nend sub\nsub g() #1\nend sub", kMacroSyntax, 3},
      {"sub (a)\nend sub", kMacroNoName, 1},
      {"sub go(a\nend sub", kMacroBadProcedure, 1},
      {"sub go\nend sub", kMacroBadProcedure, 1},
      {"sub go(1)\nend sub", kMacroBadVariable, 1},
      {"sub go()\nend", kMacroNoEndSub, 2},
      {"sub go()\nend here", kMacroNoEndSub, 2},
      {"sub go()\n// end sub", kMacroNoEndSub, 1},
      {"sub go()\nsub h()\nend sub", kMacroDuplicate, 2},
      {"sub go()\non a change draw\nend sub", kMacroDuplicate, 2},
      {"sub f()\nend sub\nsub F()\nend sub", kMacroDuplicate, 3},
      {"sub go()\nfor i=0 to 1\nNext j\nend sub", kMacroForWithoutNext, 2},
      {"sub go()\nfor i=0 to 1\nend sub", kMacroForWithoutNext, 2},
      {"sub go()\nfor i 0 to 1\nNext i\nend sub", kMacroBadFor, 2},
      {"sub go()\nfor i=0 till 1\nNext i\nend sub", kMacroBadFor, 2},
      {"sub go()\nfor i=0 to (1\nNext i\nend sub", kMacroBadFor, 2},
      {"sub go()\nif a>1 a=0\nend sub", kMacroIfWithoutThen, 2},
      {"sub go()\nif (a>1 then a=0\nend sub", kMacroIfCondition, 2},
      {"sub go()\nif a>1 then\na=0\nend sub", kMacroIfWithoutEndif, 2},
      {"sub go()\nif a>1 then\na=0\nelse b\nendif\nend sub", kMacroSyntax, 4},
      {"sub go()\nif a>1 then a=0 b=1\nend sub", kMacroSyntax, 2},
      {"sub go()\nif a>1 then a=0 else b=1 c=2\nend sub", kMacroSyntax, 2},
      {"sub go()\nwhile a<1\na=a+1\nend sub", kMacroWhileWithoutWend, 2},
      {"sub go()\nwhile a<1\nwend now\nend sub", kMacroSyntax, 3},
      {"sub go()\n1=2\nend sub", kMacroBadVariable, 2},
      {"sub go()\nabc=2\nend sub", kMacroBadVariable, 2},
      {"sub go()\nax=1\nend sub", kMacroBadPoint, 2},
      {"sub go()\nAw=1\nend sub", kMacroBadPoint, 2},
      {"sub go()\nCx=1\nend sub", kMacroBadPoint, 2},  // there is no point C
      {"sub go()\na=\nend sub", kMacroMissing, 2},
      {"sub go()\na=(1\nend sub", kMacroSyntax, 2},
      {"sub go()\nload\nend sub", kMacroBadFile, 2},
      {"sub go()\nload a.lpw b\nend sub", kMacroBadFile, 2},
      {"sub go()\nwait\nend sub", kMacroMissing, 2},
      {"sub go()\nshowgraph y3\nend sub", kMacroMissing, 2},
      {"sub go()\nshowgraph z1\nend sub", kMacroMissing, 2},  // no relation in the document
      {"sub go()\nshowgraph y'1\nend sub", kMacroMissing, 2},  // y1 has no derivative entry
      {"sub go()\nshowgraph\nend sub", kMacroMissing, 2},
      {"sub go()\nshowgraph y1.5\nend sub", kMacroBadProcedure, 2},
      {"sub go()\nshowgraph q1\nend sub", kMacroBadProcedure, 2},
      {"sub go()\nwink C\nend sub", kMacroBadProcedure, 2},
      {"sub go()\nplay 11\nend sub", kMacroBadProcedure, 2},
      {"sub go()\nplay 0\nend sub", kMacroBadProcedure, 2},
      {"sub go()\nshowlabel 2\nend sub", kMacroBadProcedure, 2},
      {"sub go()\ncenter(1,2) 3\nend sub", kMacroMissing, 2},
      {"sub go()\ncenter(1)\nend sub", kMacroMissing, 2},
      {"sub go()\nmakewave(N,1,2)\nend sub", kMacroMissing, 2},
      {"sub go()\nnosuch(1)\nend sub", kMacroSyntax, 2},
      {"sub f(a)\nend sub\nsub go()\nf(1,2)\nend sub", kMacroSyntax, 4},
      {"on a change", kMacroMissing, 1},
      {"on a,b draw", kMacroMissing, 1},
      {"on abc change draw", kMacroBadVariable, 1},
      {"on q1 change draw", kMacroBadPoint, 1},
      {"onload draw\nonload show", kMacroSyntax, 2},
      {"onload", kMacroMissing, 1},
      {"draw", kMacroBadProcedure, 1},
  };
  for (const CompileCase& c : cases) {
    SCOPED_TRACE(c.source);
    const MacroCompileResult r = Compile(c.source);
    EXPECT_EQ(r.ok, c.code < 0);
    EXPECT_EQ(eng.ParseOK, c.code < 0 ? 1 : 0);
    if (c.code < 0) continue;
    EXPECT_EQ(r.MacroErrorCode, c.code);
    if (c.line) {
      EXPECT_EQ(r.MacroErrorLine + 1, c.line);
    }
  }
}

TEST_F(MacroTest, TheMessageNamesTheErrorAndItsLineCountingSkippedLines) {
  const MacroCompileResult r = Compile("// x\n\nsub go(a");
  EXPECT_EQ(MacroErrorMessage(r), "ﾌﾟﾛｼｰｼﾞｬの記述間違い:3行");
  EXPECT_EQ(MacroErrorText(99), "記述間違い");
}

TEST_F(MacroTest, AFailedCompilationLeavesNoProgramAndSaysWhy) {
  SetMacro("sub go() #1\nend sub\nonload draw\non a change draw");
  ASSERT_TRUE(macros.CompileMacro());
  EXPECT_EQ(host.buttons[0], "go");
  settings.MacroRunning = 1;
  SetMacro("sub go() #1\nfor i=0 to 1\nend sub");
  EXPECT_FALSE(macros.CompileMacro());
  EXPECT_EQ(settings.MacroProgram.procedures, nullptr);
  EXPECT_EQ(settings.MacroProgram.handlers, nullptr);
  EXPECT_EQ(settings.MacroProgram.onload, nullptr);
  EXPECT_EQ(settings.MacroRunning, 0);
  EXPECT_EQ(host.buttons[0], "");
  EXPECT_EQ(host.messages, std::vector<std::string>{"forに対応するNextがない:2行"});
}

TEST_F(MacroTest, ButtonsComeFromTheTaggedProceduresOnly) {
  ASSERT_TRUE(Compile("sub go() #3\nend sub\nsub helper()\nend sub\nsub zero() #0\nend sub\nsub one() #1\nend sub").ok);
  const std::array<std::string, 9> captions = MacroButtonCaptions(settings.MacroProgram);
  EXPECT_EQ(captions, (std::array<std::string, 9>{"one", "", "go", "", "", "", "", "", ""}));
  const Tpromacro* go = settings.MacroProgram.procedures;
  EXPECT_EQ(go->number, 3);
  EXPECT_EQ(go->firstLine, 1);
  EXPECT_EQ(go->lastLine, 0);  // an empty body
  EXPECT_EQ(go->next->number, -1);
}

// The list of codes of a value list.
std::vector<int> Codes(const TValueNode* list) {
  std::vector<int> codes;
  for (; list; list = list->next) codes.push_back(list->code);
  return codes;
}
std::vector<int> Ints(const Tcommand* c) {
  std::vector<int> values;
  for (const TIntListNode* n = c->ints; n; n = n->next) values.push_back(n->value);
  return values;
}

TEST_F(MacroTest, HandlersOnloadAndProceduresCompileToTheirRecords) {
  ASSERT_TRUE(Compile("on Ax,b change draw\n"
                      "onload call f(1,2)\n"
                      "on o,n CHANGE wink y2 p1 A\n"
                      "sub f(a,By)\n"
                      "for i=0 to 1 step 0.5\n"
                      "if i>0 then show else hidegraph y1\n"
                      "Next I\n"
                      "end sub")
                  .ok);
  const TMacroHandler* h = settings.MacroProgram.handlers;
  ASSERT_NE(h, nullptr);
  EXPECT_EQ(Codes(h->vars), (std::vector<int>{101, 2}));
  EXPECT_EQ(h->commands->kind, kDraw);
  ASSERT_NE(h->next, nullptr);
  EXPECT_EQ(Codes(h->next->vars), (std::vector<int>{15, 14}));
  EXPECT_EQ(h->next->commands->kind, kWink);
  EXPECT_EQ(Ints(h->next->commands), (std::vector<int>{2, 3, 4}));

  const Tcommand* onload = settings.MacroProgram.onload;
  ASSERT_NE(onload, nullptr);
  EXPECT_EQ(onload->kind, kCall);
  EXPECT_EQ(onload->arg, 1);

  const Tpromacro* f = settings.MacroProgram.procedures;
  EXPECT_EQ(Codes(f->params), (std::vector<int>{1, 202}));
  const Tcommand* loop = f->body;
  ASSERT_NE(loop, nullptr);
  EXPECT_EQ(loop->kind, kFor);
  EXPECT_EQ(loop->arg, 9);
  const Tcommand* branch = loop->body;
  EXPECT_EQ(branch->kind, kIf);
  EXPECT_EQ(branch->body->kind, kShow);
  EXPECT_EQ(branch->elseBody->kind, kHideGraph);
  EXPECT_EQ(Ints(branch->elseBody), (std::vector<int>{1}));
}

TEST_F(MacroTest, AnAssignmentTakesTheOneTokenAfterTheEqualsSign) {
  ASSERT_TRUE(Compile("sub go()\na = 2 + 3\nlet b=Sum(i=[1,3],i)\nend sub").ok);
  Tcommand* let = settings.MacroProgram.procedures->body;
  ASSERT_EQ(let->kind, kLet);
  EXPECT_EQ(let->arg, 1);
  EXPECT_EQ(EvaluateTree(let->exprs->expr, 0, 0, 0), 2);
  EXPECT_EQ(let->exprs->hasSum, 0);
  EXPECT_EQ(let->next->exprs->hasSum, 1);  // unrolled at each evaluation
}

TEST_F(MacroTest, GraphIdsFollowTheModeOfTheDocument) {
  ASSERT_TRUE(Compile("sub go()\nhidegraph y1 y2 p1 A B\nend sub").ok);
  EXPECT_EQ(Ints(settings.MacroProgram.procedures->body), (std::vector<int>{1, 2, 3, 4, 5}));
  doc.Dimension = 3;  // z n counts surfaces (explicit entries); y and r do not exist
  ASSERT_TRUE(Compile("sub go()\nhidegraph z2\nend sub").ok);
  EXPECT_EQ(Ints(settings.MacroProgram.procedures->body), (std::vector<int>{2}));
  EXPECT_EQ(Compile("sub go()\nhidegraph y1\nend sub").MacroErrorCode, kMacroBadProcedure);
}

TEST_F(MacroTest, DeepBlocksAreRefusedNotFollowed) {
  std::string deep = "sub go()\n";
  for (int i = 0; i < kMaxMacroNesting + 1; ++i) deep += "while 1>0\n";
  for (int i = 0; i < kMaxMacroNesting + 1; ++i) deep += "wend\n";
  const MacroCompileResult r = Compile(deep + "end sub");
  EXPECT_FALSE(r.ok);
  EXPECT_EQ(r.MacroErrorLine + 1, kMaxMacroNesting + 2);
  std::string oneLine = "sub go()\n";
  for (int i = 0; i < kMaxMacroNesting + 1; ++i) oneLine += "if 1>0 then ";
  EXPECT_FALSE(Compile(oneLine + "draw\nend sub").ok);
}

}  // namespace
