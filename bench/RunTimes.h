#pragma once
// A console reporter that also keeps the real time of every benchmark by its name: the run
// itself, or the median of its repetitions; in the run's time unit. The programs print
// their ratios from it after the runs (RunBenchmarks).
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

class RunTimesReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    ConsoleReporter::ReportRuns(runs);
    for (const Run& r : runs) {
      if (r.error_occurred) continue;
      if (r.run_type == Run::RT_Iteration || r.aggregate_name == "median") times_[r.run_name.str()] = r.GetAdjustedRealTime();
    }
  }
  const std::map<std::string, double>& Times() const { return times_; }

 private:
  std::map<std::string, double> times_;
};

// Runs the benchmarks the command line selects, reported on the console; their times by
// name.
inline std::map<std::string, double> RunBenchmarks(int* argc, char** argv) {
  benchmark::Initialize(argc, argv);
  RunTimesReporter reporter;
  benchmark::RunSpecifiedBenchmarks(&reporter);
  return reporter.Times();
}
