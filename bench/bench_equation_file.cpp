// links: io benchmark
// Saving and loading a document of 140 entries (every kind, with labels, definitions, a
// macro and a point sequence) as the save and open commands do, without the disk. Beside
// them, as the reference, the least any program must do with the same file: split its
// bytes into lines and convert the numbers among them (in double, with the standard
// library's fastest conversions), or turn the same numbers into text and join the lines.
// After the runs the times and their ratios are printed.
#include <benchmark/benchmark.h>

#include <charconv>
#include <cstdio>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "MedianTimes.h"
#include "formula/DocumentState.h"
#include "formula/Records.h"
#include "io/EquationFileCommands.h"
#include "io/EquationFileHost.h"
#include "io/EquationWriter.h"
#include "platform/Runtime.h"

namespace {

// The navigator's part of a load: a new document.
struct BenchHost : EquationFileHost {
  void ResetDocument() override { ResetAllSettings(1); }
};

std::string Number(int i) { return rtl::IntToStr(i); }

Tfuncprop& Add(int kind) {
  Tfuncprop& e = doc.FigureTable[++doc.EntryCount];
  InitFuncprop(e, kind);
  ++doc.KindCounts[kind];
  e.color = 0x10203 * doc.EntryCount;
  return e;
}

// Entries grouped by kind, as the table keeps them: 40 + 10 + 20 + 20 + 10 + 25 + 15.
void BuildDocument() {
  ResetMiscSettings();
  ResetAllSettings(0);
  doc.MemoLines = {"memo", "", "two"};
  for (int i = 1; i <= 10; ++i) doc.MacroLines.push_back("a=a+0." + Number(i));
  for (int i = 1; i <= 40; ++i) Add(kKindExplicit).texts[0] = "a*sin(" + Number(i) + "x)+x^2/" + Number(i);
  for (int i = 1; i <= 10; ++i) {
    Tfuncprop& e = Add(kKindDerivative);
    e.link = static_cast<uint8_t>(i);
    e.texts[0] = "a*" + Number(i) + "cos(" + Number(i) + "x)+2x/" + Number(i);
  }
  for (int i = 1; i <= 20; ++i) {
    Tfuncprop& e = Add(kKindRelation);
    e.texts[0] = "x^2/" + Number(i) + "+y^2<=" + Number(i);
    e.brushStyle = static_cast<uint8_t>(i % 8);
    e.brushColor = 0x8080FF;
  }
  for (int i = 1; i <= 20; ++i) {
    Tfuncprop& e = Add(kKindParametric);
    e.texts = {"cos(" + Number(i) + "t)", "sin(t)*b", "0", "2*pi", ""};
    e.stepText = "0.05";
  }
  for (int i = 1; i <= 10; ++i) Add(kKindPolar).texts = {"1+cos(t)/" + Number(i), "0", "0", "0", "2*pi"};
  const uint8_t figures[] = {3, 4, 6, 7, 12};
  for (int i = 1; i <= 25; ++i) {
    Tfuncprop& e = Add(kKindFigure);
    e.subkind = figures[i % 5];
    e.texts[0] = "ABC";
    e.letter = static_cast<uint8_t>(1 + i % 15);
    e.letter2 = static_cast<uint8_t>(1 + (i + 1) % 15);
  }
  for (int i = 1; i <= 15; ++i) {
    Tfuncprop& e = Add(kKindPoint);
    e.letter = static_cast<uint8_t>(i);
    e.texts = {Number(i) + "/3", "a*" + Number(i), "", "", ""};
  }
  doc.FigureTable[doc.EntryCount].subkind = 100;
  std::vector<TSpacePoint>& sequence = doc.PointSequences[15];
  for (int i = 0; i < 50; ++i) {
    TSpacePoint& p = sequence.emplace_back();
    p.x = i / 7.0L, p.y = i * i / 13.0L, p.z = 0;
  }
  for (int i = 1; i <= 5; ++i) {
    Tlabelrec& label = doc.LabelTable[i];
    label.lines = {"y=x^{" + Number(i) + "}", "\\frac{1}{" + Number(i) + "}"};
    label.xText = Number(i);
  }
  doc.LabelCount = 5;
  doc.DefinedFunctionCount = 3;
  for (int i = 1; i <= 3; ++i) doc.DefinedFunctionTexts[i] = "x^" + Number(i) + "-a";
}

const std::string& SavedFile() {
  static const std::string bytes = [] {
    static BenchHost host;
    SetEquationFileHost(&host);
    BuildDocument();
    return WriteEquationFile(kStartPlain);
  }();
  return bytes;
}

void Save(benchmark::State& state) {
  SavedFile();
  for (auto _ : state) benchmark::DoNotOptimize(WriteEquationFile(kStartPlain));
}

void Load(benchmark::State& state) {
  const std::string& bytes = SavedFile();
  for (auto _ : state) {
    const EquationFileResult result = LoadEquationFileBytes("/bench/document.lpw", bytes);
    if (!result.ok) state.SkipWithError(result.message.c_str());
  }
}

bool ToNumber(std::string_view line, double& value) {
  const auto [end, error] = std::from_chars(line.data(), line.data() + line.size(), value);
  return error == std::errc() && end == line.data() + line.size() && !line.empty();
}

void SplitAndConvert(std::string_view bytes, std::vector<std::string_view>& lines, std::vector<double>& numbers) {
  lines.clear();
  numbers.clear();
  for (size_t start = 0, end; (end = bytes.find("\r\n", start)) != std::string_view::npos; start = end + 2) {
    lines.push_back(bytes.substr(start, end - start));
    double value;
    if (ToNumber(lines.back(), value)) numbers.push_back(value);
  }
}

void ReferenceLoad(benchmark::State& state) {
  const std::string& bytes = SavedFile();
  std::vector<std::string_view> lines;
  std::vector<double> numbers;
  for (auto _ : state) {
    SplitAndConvert(bytes, lines, numbers);
    benchmark::DoNotOptimize(numbers.data());
  }
}

void ReferenceSave(benchmark::State& state) {
  // The file's lines, its numbers as numbers.
  std::vector<std::variant<std::string, double>> lines;
  const std::string& bytes = SavedFile();
  for (size_t start = 0, end; (end = bytes.find("\r\n", start)) != std::string::npos; start = end + 2) {
    const std::string_view line(bytes.data() + start, end - start);
    double value;
    if (ToNumber(line, value)) {
      lines.emplace_back(value);
    } else {
      lines.emplace_back(std::string(line));
    }
  }
  for (auto _ : state) {
    std::string out;
    char buffer[64];
    for (const auto& line : lines) {
      if (const double* value = std::get_if<double>(&line)) {
        const auto result = std::to_chars(buffer, buffer + sizeof buffer, *value, std::chars_format::general, 15);
        out.append(buffer, result.ptr);
      } else {
        out += std::get<std::string>(line);
      }
      out += "\r\n";
    }
    benchmark::DoNotOptimize(out.data());
  }
}

}  // namespace

int main(int argc, char** argv) {
  using Run = void (*)(benchmark::State&);
  const std::pair<const char*, Run> runs[] = {
      {"load", Load}, {"reference load", ReferenceLoad}, {"save", Save}, {"reference save", ReferenceSave}};
  for (const auto& [name, run] : runs)
    benchmark::RegisterBenchmark(name, run)->Unit(benchmark::kMicrosecond)->Repetitions(5)->DisplayAggregatesOnly();
  benchmark::Initialize(&argc, argv);
  MedianTimeReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);

  std::printf("\n%zu bytes, %d entries: microseconds (CPU, median)\n", SavedFile().size(), doc.EntryCount);
  std::printf("%-6s %10s %10s %7s\n", "", "ours", "reference", "ratio");
  for (const char* what : {"load", "save"}) {
    const auto ours = reporter.times.find(what);
    const auto reference = reporter.times.find(std::string("reference ") + what);
    if (ours == reporter.times.end() || reference == reporter.times.end()) continue;
    std::printf("%-6s %10.1f %10.1f %7.2f\n", what, ours->second, reference->second, ours->second / reference->second);
  }
  benchmark::Shutdown();
  return 0;
}
