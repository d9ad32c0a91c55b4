#pragma once
// A console reporter that also keeps one CPU time per benchmark, for the ratios a
// benchmark program prints after its runs: the median of its repetitions, or its single
// run. Other programs share the machine: CPU time leaves out the time a benchmark waited
// for a core, and a median is steadier than one run.
#include <benchmark/benchmark.h>

#include <map>
#include <string>
#include <vector>

class MedianTimeReporter : public benchmark::ConsoleReporter {
 public:
  void ReportRuns(const std::vector<Run>& runs) override {
    for (const Run& run : runs) {
      if (run.error_occurred) continue;
      const std::string name = run.run_name.function_name;
      if (run.run_type == Run::RT_Aggregate && run.aggregate_name == "median")
        times[name] = run.GetAdjustedCPUTime();
      else if (run.run_type == Run::RT_Iteration && !times.count(name))
        times[name] = run.GetAdjustedCPUTime();
    }
    ConsoleReporter::ReportRuns(runs);
  }
  // Per iteration, in the time unit of the benchmark.
  std::map<std::string, double> times;
};
