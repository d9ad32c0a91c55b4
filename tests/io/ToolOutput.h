#pragma once
// Runs a command-line tool (an independent reader such as sox or pdfinfo) and gives back
// what it printed, standard error included; empty when it could not run.
#include <cstdio>
#include <string>

inline std::string ToolOutput(const std::string& command) {
  std::string out;
  if (FILE* p = popen((command + " 2>&1").c_str(), "r")) {
    char buffer[256];
    while (size_t n = fread(buffer, 1, sizeof buffer, p)) out.append(buffer, n);
    pclose(p);
  }
  return out;
}
