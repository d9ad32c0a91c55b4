// links: ui
// Opens the entry window on an entry of a small document, to look at it and try it by
// hand:
//   show_entry_form [what]               what: point (default), curve, polar, region,
//                                        segment, circle, division, sequence, spoint,
//                                        scurve, splane
//   show_entry_form [what] --grab <png>  draws the window into a PNG file and quits
//   show_entry_form [what] --new         enters the entry anew: the fields are asked
// Prints the entry's texts when the window closes.
#include <QApplication>
#include <QTimer>
#include <cstdio>
#include <cstring>
#include <string>

#include "animate/TimerJobs.h"
#include "formula/DocumentState.h"
#include "formula/FigureClassify.h"
#include "formula/FigureTable.h"
#include "formula/FigureTableOperands.h"
#include "formula/UsageScan.h"
#include "platform/Sjis.h"
#include "platform/Timer.h"
#include "render/RedrawPipeline.h"
#include "ui/EntryFormHost.h"
#include "ui/EntryFormState.h"
#include "ui/Tcorrectform.h"

namespace {

int Add(int kind, int subkind, std::initializer_list<const char*> texts) {
  Tfuncprop e;
  InitFuncprop(e, kind);
  e.subkind = static_cast<uint8_t>(subkind);
  int k = 0;
  for (const char* t : texts) e.texts[static_cast<size_t>(k++)] = sj(t);
  InsertEntry(e);
  ++doc.EntryCount;
  return KindGroupStart(kind) + doc.KindCounts[kind] - 1;
}

int AddPoint(char letter, std::initializer_list<const char*> texts, int code = 255) {
  const int e = Add(kKindPoint, code, texts);
  Tfuncprop& p = doc.FigureTable[e];
  p.letter = static_cast<uint8_t>(std::strchr(PointNameOrder, letter) - PointNameOrder + 1);
  p.texts[2] = std::string(1, letter);
  p.penWidth = 2;
  p.labelPos = 4;
  ClassifyFigure(p);
  return e;
}

// Points A, B, C and the entry asked for; its number.
int MakeDocument(const std::string& what) {
  ResetMiscSettings();
  ResetAllSettings(0);
  const bool space = what[0] == 's' && what != "segment" && what != "sequence";
  doc.Dimension = space ? 3 : 2;
  AddPoint('A', {"0", "0", "", "0"});
  AddPoint('B', {"3", "0", "", "0"});
  AddPoint('C', {"0", "3", "", "1"});
  int e = 0;
  if (what == "curve") e = Add(kKindParametric, 255, {"cos(t)", "sin(2t)", "0", "2π"});
  if (what == "polar") e = Add(kKindPolar, 255, {"1+cos(t)", "0", "0", "0", "2π"});
  if (what == "region") e = Add(kKindRelation, 255, {"x^2+y^2<4"});
  if (what == "segment") e = Add(kKindFigure, 3, {"A", "B"});
  if (what == "circle") e = Add(kKindFigure, 8, {"A", "2"});
  if (what == "division") e = AddPoint('D', {"AB", "2", "", "1"}, 20);
  if (what == "sequence") {
    e = AddPoint('D', {}, 100);
    doc.PointSequences[doc.FigureTable[e].letter].resize(5);
  }
  if (what == "point" || what == "spoint") e = AddPoint('D', {"1", "2", "", "3"});
  if (what == "scurve") e = Add(kKindParametric, 255, {"cos(t)", "sin(t)", "0", "6", "t/6"});
  if (what == "splane") e = Add(kKindFigure, 1, {"A", "0", "0", "1"});
  if (!e) e = AddPoint('D', {"1", "2"});
  ClearUsageFlags();
  RecomputeParameterUsage();
  PrepareRedraw();
  return e;
}

// A navigator that is not there, right of the entry window: the keyboard opens beside it.
class StandInHost final : public EntryFormHost {
 public:
  int NavigatorLeft() override { return 340; }
  int NavigatorTop() override { return 20; }
  int NavigatorWidth() override { return 300; }
};

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setFont(QFont(QStringLiteral("IPAPGothic"), 10));
  std::string what = "point";
  const char* grab = nullptr;
  bool anew = false;
  for (int i = 1; i < argc; ++i) {
    const std::string a = argv[i];
    if (a == "--grab" && i + 1 < argc) grab = argv[++i];
    else if (a == "--new") anew = true;
    else what = a;
  }
  const int entry = MakeDocument(what);
  StandInHost host;
  SetEntryFormHost(&host);
  Timer1().SetBackend(std::make_unique<platform::QtTimerBackend>());
  if (anew) {
    // As the navigator leaves a new entry: its kind and construction, nothing else.
    Tfuncprop& e = doc.FigureTable[entry];
    const Tfuncprop kept = e;
    InitFuncprop(e, kept.kind);
    e.subkind = kept.kind == kKindFigure ? 255 : kept.subkind;
    e.letter = kept.letter;
    e.texts[2] = kept.kind == kKindPoint ? kept.texts[2] : std::string();
  }
  const int mode = anew ? (doc.Dimension == 3 ? 3 : 0) : (doc.Dimension == 3 ? 4 : 1);
  SavedEntryCopy = doc.FigureTable[entry];
  if (grab) {
    Tcorrectform window;
    window.Controller().Open(entry, 5, mode, 40);
    window.show();
    QApplication::processEvents();
    window.grab().save(QString::fromLocal8Bit(grab));
    std::printf("wrote %s\n", grab);
    return 0;
  }
  ShowCorrectForm(entry, 5, mode, 40);
  const Tfuncprop& e = doc.FigureTable[entry];
  std::printf("InputCancelled %d, subkind %d\n", ui.InputCancelled, e.subkind);
  for (const std::string& t : e.texts) std::printf("  \"%s\"\n", sjis::ToUtf8(t).c_str());
  return 0;
}
