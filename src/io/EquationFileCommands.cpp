#include "io/EquationFileCommands.h"

#include <QFile>
#include <QSaveFile>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>

#include "formula/DocumentState.h"
#include "formula/FigureClassify.h"
#include "formula/Records.h"
#include "formula/FormulaHost.h"
#include "formula/TableServices.h"
#include "io/BackgroundJpeg.h"
#include "io/EquationFile.h"
#include "io/EquationFileHost.h"
#include "io/EquationReader.h"
#include "io/EquationWriter.h"
#include "platform/Dialogs.h"
#include "platform/EventPump.h"
#include "platform/Runtime.h"
#include "render/RedrawHost.h"
#include "render/RedrawPipeline.h"
#include "render/SpaceView.h"

namespace {

QString ToQString(const std::filesystem::path& path) { return QFile::decodeName(path.native().c_str()); }

std::string DisplayName(const std::filesystem::path& path) { return path.filename().string(); }

// Files written to temporaries beside their targets, renamed over them only after every
// one of them was written completely.
class PendingFiles {
 public:
  bool Add(const std::filesystem::path& target, const QByteArray& bytes, std::string& error) {
    auto file = std::make_unique<QSaveFile>(ToQString(target));
    if (!file->open(QIODevice::WriteOnly)) {
      error = DisplayName(target) + " を作成できません";
      return false;
    }
    if (file->write(bytes) != bytes.size()) {
      error = DisplayName(target) + " に書き込めません";
      file->cancelWriting();
      return false;
    }
    files_.push_back({target, std::move(file)});
    return true;
  }

  bool CommitAll(std::string& error) {
    for (Entry& e : files_) {
      if (!e.file->commit()) {
        error = DisplayName(e.target) + " に書き込めません";
        return false;
      }
    }
    return true;
  }

 private:
  struct Entry {
    std::filesystem::path target;
    std::unique_ptr<QSaveFile> file;
  };
  std::vector<Entry> files_;
};

EquationFileResult SaveFailure(const std::string& reason) {
  return {false, false, "数式ファイルを保存できませんでした。" + reason};
}

void ParameterModeRestart() {
  modes.AnimationMode = 0;
  FileHost().SavePointPositions();
  RedrawAll();
  doc.BackgroundDirty = 0;
  FileHost().ShowParameterValues();
  EngineHost().ShowParameterPanel();
}

void RestorePlaneDocument(int startingMode) {
  EquationFileHost& host = FileHost();
  host.SetUI3D(false);
  eng.UseFigureFormulas = 0;
  doc.BackgroundDirty = 1;
  host.LayoutMemoPanel();
  host.RebuildEquationList();
  for (int i = 1; i <= doc.EntryCount; ++i) {
    Tfuncprop& e = doc.FigureTable[i];
    if (e.kind == kKindFigure || e.kind == kKindPoint) ClassifyFigure(e);
  }
  host.EnableCalculusMenu(doc.EntryCount > 0);
  host.EnableGraphWindow();
  PipelineHost().ShowRangeInStatusBar();
  PrepareRedraw();
  doc.IncrementalDisplay = 1;
  PrepareRedraw();
  host.PlaceParameterPanel();
  switch (startingMode) {
    case kStartMeanRate:
      modes.AnimationMode = 3;
      modes.MeanRateStarted = 1;
      host.OpenMeanRateNavi();
      break;
    case kStartTangent:
      modes.AnimationMode = 5;
      host.OpenTangentNavi();
      break;
    case kStartRiemann:
      modes.AnimationMode = 2;
      modes.RiemannStarted = 1;
      host.OpenRiemannSumNavi();
      break;
    case kStartIntegral:
      modes.AnimationMode = 4;
      modes.IntegralStarted = 1;
      host.OpenIntegralTheoremNavi();
      break;
    case kStartAfterImages:
      ParameterModeRestart();
      break;
    case kStartParameters:
      modes.AnimationMode = 1;
      RedrawAll();
      EngineHost().ShowParameterPanel();
      break;
    case kStartPlain:
      RedrawAndShowValueForm();
      break;
    default:
      break;
  }
}

void RestoreSpaceDocument(int startingMode) {
  EquationFileHost& host = FileHost();
  doc.KindCounts.fill(0);
  for (int i = 1; i <= doc.EntryCount; ++i) {
    Tfuncprop& e = doc.FigureTable[i];
    if (e.kind == kKindPoint) ClassifyFigure(e);
    ++doc.KindCounts[e.kind];
  }
  host.SetUI3D(true);
  host.LayoutMemoPanel();
  UpdateArrowHints();
  host.RebuildEquationList();
  UpdateCamera();
  PipelineHost().ShowRangeInStatusBar();
  host.PlaceParameterPanel();
  if (startingMode == kStartAfterImages) {
    ParameterModeRestart();
  } else {
    RedrawAndShowValueForm();
  }
}

// After a read, also one that stopped part-way (which restores no running animation
// and starts no macro), and after a file that does not exist.
void RunClosingSteps(const EquationReadContext& c, int dimension, bool complete) {
  FileHost().RestoreGraphWindow(c.graphWidth, c.graphHeight);
  doc.Dimension = static_cast<uint8_t>(dimension);
  const int startingMode = complete ? c.startingMode : kStartPlain;
  dimension == 3 ? RestoreSpaceDocument(startingMode) : RestorePlaneDocument(startingMode);
  FileHost().RefreshGraphControls();
  doc.IncrementalDisplay = 0;
  FileHost().CompileMacro();
  if (complete) FileHost().RunMacroOnload();
}

bool ReadFileBytes(const std::filesystem::path& fileName, std::string& bytes) {
  std::ifstream file(fileName, std::ios::binary);
  if (!file) return false;
  bytes.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
  return !file.bad();
}

std::string LoadFailureMessage(const std::filesystem::path& fileName, const eqfile::ReadError& e) {
  return DisplayName(fileName) + " の " + rtl::IntToStr(e.line()) + " 行目で読み込みを中止しました: " +
         e.what() + "。それまでの内容を読み込みました。";
}

EquationReadContext NewReadContext(const std::filesystem::path& fileName) {
  EquationReadContext c;
  c.fileName = fileName;
  c.graphWidth = doc.GraphWidth;
  c.graphHeight = doc.GraphHeight;
  return c;
}

EquationFileResult LoadFromBytes(const std::filesystem::path& fileName, std::string_view bytes) {
  EquationFileHost& host = FileHost();
  eqfile::LineReader in(bytes);
  const std::optional<FileGeneration> generation = GenerationOfHeader(in.Current());
  if (!generation) return {false, false, DisplayName(fileName) + " は数式ファイルではありません。"};
  in.Skip();
  EquationReadContext c = NewReadContext(fileName);
  c.generation = *generation;

  host.ShowGraphWindow();
  host.ResetDocument();
  ClearAfterImages(settings.AfterImageHistory);
  doc.MacroLines.clear();
  ui.DocumentUntouched = 0;

  EquationFileResult result{true, false, {}};
  try {
    ReadEquationSections(in, c);
  } catch (const eqfile::ReadError& e) {
    result = {false, false, LoadFailureMessage(fileName, e)};
  } catch (const std::exception& e) {
    result = {false, false, DisplayName(fileName) + " を読み込めません: " + e.what()};
  }
  // The name is taken before the macro runs: its onload may itself load a file.
  settings.CurrentFileName = result.ok ? fileName.string() : std::string();
  host.SetCaptionFileName(result.ok ? fileName : std::filesystem::path());
  RunClosingSteps(c, c.dimension(), result.ok);
  return result;
}

// A load replaces the document under whatever handler is still on the stack below a
// nested message loop, so from inside one it waits until the loop has closed.
// True when the load was deferred.
bool DeferWhileNested(std::function<EquationFileResult()> load) {
  if (platform::PumpDepth() == 0) return false;
  platform::DeferToTopLevel([load = std::move(load)] {
    const EquationFileResult later = load();
    if (!later.ok && !later.message.empty()) FileHost().ReportDeferredLoadFailure(later.message);
  });
  return true;
}

EquationFileResult Deferred() {
  EquationFileResult result;
  result.deferred = true;
  return result;
}

}  // namespace

EquationFileResult SaveEquationFile(int startingMode, platform::Dialogs& dialogs) {
  platform::FileDialogRequest request;
  request.title = "保存する数式ファイル名の設定";
  request.filter = "数式|*.lpw";
  request.defaultExtension = ".lpw";
  request.folder = FileHost().DemoFolder();
  request.fileName = std::filesystem::path(settings.CurrentFileName).filename().string();
  const std::optional<std::filesystem::path> fileName = dialogs.saveFile(request);
  if (!fileName) return {false, true, {}};
  EquationFileResult result = SaveEquationFileAs(*fileName, startingMode);
  if (!result.ok) dialogs.showMessage(result.message);
  return result;
}

EquationFileResult SaveEquationFileAs(const std::filesystem::path& fileName, int startingMode) {
  const std::string bytes = WriteEquationFile(startingMode);
  PendingFiles files;
  std::string error;
  if (settings.BackgroundShown) {
    const QImage picture = FileHost().BackgroundPicture();
    if (!picture.isNull()) {
      const std::optional<QByteArray> jpeg = EncodeJpeg(picture);
      if (!jpeg) return SaveFailure("背景画像を JPEG にできません。");
      if (!files.Add(eqfile::CompanionPictureName(fileName), *jpeg, error)) return SaveFailure(error);
    }
  }
  if (!files.Add(fileName, QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())), error) ||
      !files.CommitAll(error))
    return SaveFailure(error);
  settings.CurrentFileName = fileName.string();
  FileHost().SetCaptionFileName(fileName);
  return {true, false, {}};
}

EquationFileResult LoadEquationFile(const std::filesystem::path& fileName) {
  if (ui.SubFormOpen) return {};
  if (DeferWhileNested([fileName] { return LoadEquationFile(fileName); })) return Deferred();
  FileHost().HideParameterPanel();
  std::error_code ec;
  if (!std::filesystem::exists(fileName, ec)) {
    RunClosingSteps(NewReadContext(fileName), doc.Dimension, true);
    return {false, false, DisplayName(fileName) + " が見つかりません。"};
  }
  std::string bytes;
  if (!ReadFileBytes(fileName, bytes)) return {false, false, DisplayName(fileName) + " を開けません。"};
  return LoadFromBytes(fileName, bytes);
}

EquationFileResult LoadEquationFileBytes(const std::filesystem::path& fileName, std::string_view bytes) {
  if (ui.SubFormOpen) return {};
  if (DeferWhileNested([fileName, copy = std::string(bytes)] { return LoadEquationFileBytes(fileName, copy); }))
    return Deferred();
  FileHost().HideParameterPanel();
  return LoadFromBytes(fileName, bytes);
}

const std::string* CommandLineEquationFile(const std::vector<std::string>& arguments) {
  if (arguments.empty()) return nullptr;
  const std::string& name = arguments.front();
  if (name.size() < 4) return nullptr;
  const std::string_view end = std::string_view(name).substr(name.size() - 4);
  return end == ".lpw" || end == ".LPW" ? &name : nullptr;
}

bool OpenCommandLineFile(const std::vector<std::string>& arguments, EquationFileResult* result) {
  const std::string* name = CommandLineEquationFile(arguments);
  if (!name) return false;
  EquationFileResult loaded = LoadEquationFile(std::filesystem::path(*name));
  if (result) *result = std::move(loaded);
  return true;
}
