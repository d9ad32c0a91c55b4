#pragma once
// What the equation file's writer and reader share: the keys, the spellings of switches,
// the line writer and the line reader with its current-line model, the upgrade passes of
// old formula texts and the name of the companion background picture.
//
// The file is CP932 text, one value per line, every line ended by CR LF. A key is a fixed
// word on a line of its own that announces the values after it; an optional key is found
// by comparing the current line, so an absent key costs nothing.
#include <cstdint>
#include <filesystem>
#include <limits>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Extended.h"

namespace eqfile {

inline constexpr int kVersion = 597;

inline constexpr std::string_view kHeaderPlane = "[LP5 Data]";
inline constexpr std::string_view kHeaderSpace = "[LP3D Data]";

// Keys, as the files spell them (the misspelt "intevalcl" included).
inline constexpr std::string_view kVer = "ver", kFormSize = "FormSize", kBkimg = "Bkimg",
                                  kMemo = "memo", kMemoOnTop = "memot", kMacro = "macro",
                                  kZan = "zan", kZanC = "zanC", kLocus = "locus", kCkind = "ckind",
                                  kCowidth = "cowidth", kLattice = "lattice", kLdash = "ldash",
                                  kScale = "scale", kXcoodi = "xcoodi", kYcoodi = "ycoodi",
                                  kXmemori = "xmemori", kYmemori = "ymemori", kScrl = "scrl",
                                  kFont = "font", kPfont = "pfont", kDraghispeed = "draghispeed",
                                  kPq = "pq", kSw = "sw", kKs = "ks", kSyousai = "syousai",
                                  kSitadeg = "sitadeg", kOmegadeg = "omegadeg",
                                  kLabeldata = "labeldata", kLabel = "label", kGz = "Gz",
                                  kStyle = "style", kGraphmode = "graphmode",
                                  kStarting = "starting", kZantangent = "zantangent",
                                  kEnd = "end", kLE = "LE", kVS = "VS", kVE = "VE",
                                  kDeffunc = "deffunc", kDefconst = "defconst",
                                  kPlot3Dend = "Plot3Dend", kInterval = "Interval",
                                  kIntevalcl = "intevalcl", kORI = "ORI", kDash = "dash",
                                  kNoDash = "No", kNbd = "Nbd", kLk = "lk", kCont = "cont",
                                  kNoCont = "no", kDense = "dense", kGray = "gray";

// The two spellings of a switch; each field has its own pair, and the reader tests only
// for the first.
struct SwitchSpelling {
  std::string_view on, off;
};
inline constexpr SwitchSpelling kTrueFalse{"true", "false"};
inline constexpr SwitchSpelling kSpaceEntryFlag{"True", "false"};
inline constexpr SwitchSpelling kPlaneEntryFlag{"True", "False"};
inline constexpr SwitchSpelling kBlankFalse{"true", " false"};
inline constexpr SwitchSpelling kOneZero{"1", "0"};
inline constexpr SwitchSpelling kZeroOne{"0", "1"};  // 0 means on
inline constexpr SwitchSpelling kTF{"T", "F"};

// Builds the bytes of a file line by line.
class LineWriter {
 public:
  // A line break inside a value would shift every later line, so CR and LF become blanks.
  void Line(std::string_view text);
  void Int(int64_t value);
  // The runtime's general conversion; a value that is not finite is written as 0.
  void Float(Extended value);
  // Single-precision values are widened first: 0.1 is written "0.100000001490116".
  void Single(float value) { Float(static_cast<Extended>(value)); }
  void Switch(bool on, const SwitchSpelling& spelling) { Line(on ? spelling.on : spelling.off); }
  // Bold 1 and italic 2; underline and strike-out are not stored.
  void FontStyle(uint8_t style) { Int(style & 3); }
  const std::string& Bytes() const { return bytes_; }

 private:
  std::string bytes_;
};

// A load stopped at a line: the file ended early or a value is not one the file can hold.
class ReadError : public std::runtime_error {
 public:
  enum class Kind { Truncated, BadValue };
  ReadError(Kind kind, int line, const std::string& what)
      : std::runtime_error(what), kind_(kind), line_(line) {}
  Kind kind() const { return kind_; }
  int line() const { return line_; }  // 1-based

 private:
  Kind kind_;
  int line_;
};

// The current-line model: every field takes the current line and moves on; a key test
// compares the current line and takes it only when it matches. Lines end in CR LF, LF or
// a lone CR and are never trimmed. Taking a field beyond the end of the file, or a number
// that does not convert or lies outside its range, raises ReadError at that line.
class LineReader {
 public:
  explicit LineReader(std::string_view bytes);

  bool AtEnd() const { return index_ >= lines_.size(); }
  // Empty at the end of the file.
  std::string_view Current() const { return AtEnd() ? std::string_view() : lines_[index_]; }
  int LineNumber() const { return static_cast<int>(index_) + 1; }
  size_t RemainingLines() const { return AtEnd() ? 0 : lines_.size() - index_; }

  bool IsKey(std::string_view key) const { return !AtEnd() && lines_[index_] == key; }
  bool TakeKey(std::string_view key);
  std::string TakeText();
  void Skip(size_t count = 1);
  // True when the line is the switch's "on" spelling.
  bool TakeSwitch(const SwitchSpelling& spelling) { return TakeText() == spelling.on; }
  int64_t TakeInt(int64_t lo, int64_t hi);
  uint8_t TakeByte() { return static_cast<uint8_t>(TakeInt(0, 255)); }
  int32_t TakeInt32() {
    return static_cast<int32_t>(TakeInt(std::numeric_limits<int32_t>::min(), std::numeric_limits<int32_t>::max()));
  }
  Extended TakeFloat();
  // A value for a single-precision cell; one beyond that range is refused.
  Extended TakeSingleValue();
  // A float that must be a whole number within the range (counts written as floats).
  int64_t TakeWholeFloat(int64_t lo, int64_t hi);

  // Fails unless `lines` more lines exist: a count from the file is checked against the
  // rest of the file before anything is sized by it.
  void Require(size_t lines) const;
  // A value that is wrong at the current line. A failure on a last line without its line
  // end is reported as the file cut short: the value there is incomplete, not wrong.
  [[noreturn]] void Fail(const std::string& what) const;
  // For a value taken that turned out not to fit: the error names its line.
  [[noreturn]] void FailLast(const std::string& what) const;
  [[noreturn]] void FailTruncated() const;

 private:
  [[noreturn]] void FailAt(size_t index, const std::string& what) const;
  [[noreturn]] static void Throw(ReadError::Kind kind, size_t line, const std::string& what);

  std::vector<std::string_view> lines_;
  size_t index_ = 0;
  bool lastLineEnded_ = true;  // false when the file may have been cut inside its last line
};

// Upgrades of formula texts from older files. Both skip the trail bytes of double-byte
// characters, so Japanese text stays as it is.
// Every "P" becomes "X" and every "X" becomes "P".
void SwapPointLetters(std::string& text);
// The odd-numbered "#" become "^" and the even-numbered ";"; the odd-numbered "$" become
// "_" and the even-numbered ";".
void UpgradeHashAndDollar(std::string& text);
// Below 534 the P/X pass; with bothPasses also, below 575, the "#"/"$" pass.
void UpgradeFormulaText(std::string& text, int version, bool bothPasses);

// The background picture beside an equation file: its name with the last four characters
// replaced by ".jpg" (a name too short for that gets ".jpg" appended).
std::filesystem::path CompanionPictureName(const std::filesystem::path& equationFile);

}  // namespace eqfile
