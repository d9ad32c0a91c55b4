#pragma once
// The commands on equation files: save (with its dialog), load, and the file named on
// the command line. Each answers whether it succeeded and, when not, a message for the
// user (UTF-8; empty when there is nothing to say).
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace platform {
class Dialogs;
}

struct EquationFileResult {
  bool ok = false;
  bool cancelled = false;
  std::string message;
  // The load waits for the nested message loop it was asked from to close.
  bool deferred = false;
};

// Asks for the name ("保存する数式ファイル名の設定", starting in the demo folder with the
// current name proposed) and saves; a failure is shown through the dialogs as well.
EquationFileResult SaveEquationFile(int startingMode, platform::Dialogs& dialogs);
// Writes the document and, while a background picture is shown, the picture beside it
// as ".jpg". Both are written to temporary files first and renamed over the targets only
// when every byte was written, so a failed save leaves the previous files and the
// current file name as they were.
EquationFileResult SaveEquationFileAs(const std::filesystem::path& fileName, int startingMode);

// Reads the file into the document and restores the windows. Nothing happens while a
// modal sub-window is open. Asked from inside a nested message loop (a pumping handler or
// a modal window), the load runs once that loop has closed, and a failure then goes to
// the host's ReportDeferredLoadFailure. A file that cannot be read or is no equation file changes
// nothing; a file that fails part-way keeps what was read before the failure but not
// the file's name, so that no later save proposes the damaged file.
EquationFileResult LoadEquationFile(const std::filesystem::path& fileName);
// The same for a file whose bytes are at hand.
EquationFileResult LoadEquationFileBytes(const std::filesystem::path& fileName, std::string_view bytes);

// The equation file named by the program's first argument, when that ends in ".lpw" or
// ".LPW"; nullptr otherwise. `arguments` are those after the program's own name.
const std::string* CommandLineEquationFile(const std::vector<std::string>& arguments);
// Loads it (the start-up continuation's first timer tick); false when there is none.
// `result` receives the load's outcome, whose message the caller shows.
bool OpenCommandLineFile(const std::vector<std::string>& arguments, EquationFileResult* result = nullptr);
