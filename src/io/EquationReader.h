#pragma once
// Reading an equation file of any of its eight generations into the program-wide state.
// The reader follows the file's current-line model (EquationFile.h): sections in the
// writer's order, optional keys, fields gated by the file's version, and the upgrade of
// older formula texts. Every count, index and code is checked against its table before it
// is used; a file that ends early (for its version) or holds a value it cannot hold stops
// the read with a ReadError, and what was read before it stays.
#include <filesystem>
#include <optional>
#include <string_view>

#include "io/EquationFile.h"

// The first line of the file names its generation.
enum class FileGeneration {
  Lumenplotter,   // "[Lumenplotter Data]": plane, old entry layout
  Lumenplotter2,  // "[Lumenplotter2 Data]": as above
  RIRav,          // "[RIRav Data]": plane layout, old figure type 1 texts
  RIRav2,         // "[RIRav2 Data]": as above
  RIRav3,         // "[RIRav3 Data]"
  LP4,            // "[LP4 Data]"
  LP5,            // "[LP5 Data]": the current plane format
  LP3D,           // "[LP3D Data]": the current space format
};
std::optional<FileGeneration> GenerationOfHeader(std::string_view firstLine);
inline bool HasOldEntryLayout(FileGeneration g) {
  return g == FileGeneration::Lumenplotter || g == FileGeneration::Lumenplotter2;
}

struct EquationReadContext {
  FileGeneration generation = FileGeneration::LP5;
  std::filesystem::path fileName;  // for the companion picture
  int version = 0;                 // 0 when the file names none
  int startingMode = 0;
  // The drawing size restored for window mode 1: the size before the load, or the
  // file's.
  int graphWidth = 0, graphHeight = 0;
  int dimension() const { return generation == FileGeneration::LP3D ? 3 : 2; }
  // From the version this writer writes on, a file holds every block up to its entry
  // list (plane) or "Plot3Dend" (space): an end before them is a file cut short. Older
  // files may end after any block.
  bool holdsEveryBlock() const { return version >= eqfile::kVersion; }
};

// Reads every section after the header line (which `in` has passed) into the state of a
// document the caller has just reset. Throws eqfile::ReadError.
void ReadEquationSections(eqfile::LineReader& in, EquationReadContext& context);
