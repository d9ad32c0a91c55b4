// Allocation and release of the compiled macro's records.
#include "formula/Records.h"
#include "formula/Tfrec.h"

Tpromacro* NewProcedure(const std::string& name, int32_t number, int32_t firstLine, int32_t lastLine) {
  auto* p = new Tpromacro;
  p->name = name;
  p->number = number;
  p->firstLine = firstLine;
  p->lastLine = lastLine;
  return p;
}

Tcommand* NewCommand(uint8_t kind, int mode) {
  if (mode == 1) return nullptr;
  auto* c = new Tcommand;
  c->kind = kind;
  return c;
}

TExprListNode* NewExprListNode(TreePtr& tree, int mode) {
  if (mode == 1 || !tree) return nullptr;
  auto* node = new TExprListNode;
  node->expr = tree.release();
  return node;
}

TIntListNode* NewIntListNode(int32_t value, int mode) {
  if (mode == 1) return nullptr;
  return new TIntListNode{value, nullptr};
}

void DisposeIntList(TIntListNode*& list) {
  while (list) {
    TIntListNode* next = list->next;
    delete list;
    list = next;
  }
}

void DisposeExprList(TExprListNode*& list) {
  while (list) {
    TExprListNode* next = list->next;
    DisposeTree(list->expr);
    delete list;
    list = next;
  }
}

void DisposeCommandTree(Tcommand*& list) {
  while (list) {
    Tcommand* next = list->next;
    DisposeCommandTree(list->body);
    DisposeCommandTree(list->elseBody);
    DisposeExprList(list->exprs);
    DisposeIntList(list->ints);
    delete list;
    list = next;
  }
}

void DisposeProcedureList(Tpromacro*& list) {
  while (list) {
    Tpromacro* next = list->next;
    DisposeValueList(list->params);
    DisposeCommandTree(list->body);
    delete list;
    list = next;
  }
}

void DisposeMacroBlocks(TMacroHandler*& list) {
  while (list) {
    TMacroHandler* next = list->next;
    DisposeValueList(list->vars);
    DisposeCommandTree(list->commands);
    delete list;
    list = next;
  }
}

void DisposeMacroProgram(TMacroProgram& program) {
  DisposeProcedureList(program.procedures);
  DisposeMacroBlocks(program.handlers);
  DisposeCommandTree(program.onload);
}

void DisposeProgramLists() {
  DisposeValueList(settings.ValueChangeList);
  DisposeValueList(settings.MacroFrameList);
  DisposeVisibilityList(settings.VisibilityChangeList);
  ClearAfterImages(settings.AfterImageHistory);
  DisposeMacroProgram(settings.MacroProgram);
}
