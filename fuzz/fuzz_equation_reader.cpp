// links: io
// Loads arbitrary bytes as an equation file of every generation. An input that does not
// begin with "[" gets the header its first byte picks, so mutations reach the sections.
#include <cstddef>
#include <cstdint>
#include <string>

#include "formula/DocumentState.h"
#include "formula/Records.h"
#include "io/EquationFileCommands.h"
#include "io/EquationFileHost.h"

namespace {

// The navigator's part of a load: a new document.
struct FuzzHost : EquationFileHost {
  void ResetDocument() override { ResetAllSettings(1); }
};

const char* const kHeaders[] = {"[Lumenplotter Data]", "[Lumenplotter2 Data]", "[RIRav Data]",
                                "[RIRav2 Data]",       "[RIRav3 Data]",        "[LP4 Data]",
                                "[LP5 Data]",          "[LP3D Data]"};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static FuzzHost host;
  static const bool ready = [] {
    ResetMiscSettings();
    ResetAllSettings(0);
    ui.DrawingEnabled = 0;  // the reader alone: the redraw that ends a load draws nothing
    SetEquationFileHost(&host);
    return true;
  }();
  (void)ready;
  std::string bytes(reinterpret_cast<const char*>(data), size);
  if (size > 0 && data[0] != '[') bytes = std::string(kHeaders[data[0] % 8]) + "\r\n" + bytes.substr(1);
  LoadEquationFileBytes("/fuzz/input.lpw", bytes);
  DisposeProgramLists();
  return 0;
}
