// The navigator's document commands: new document, open, save, the plane/space switch,
// pictures (clipboard, file, serial saving, background), sounds, help, the file
// association, the memo and the buttons that open other windows.
#include <QEvent>
#include <QFile>
#include <QFont>
#include <QMenu>
#include <QMouseEvent>
#include <QPlainTextEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextBlock>
#include <QToolButton>

#include "animate/CalculusWindows.h"
#include "animate/MacroRuns.h"
#include "animate/TValueChange.h"
#include "animate/Tdtangent.h"
#include "animate/TimerJobs.h"
#include "formula/DocumentState.h"
#include "formula/FigureClassify.h"
#include "formula/Records.h"
#include "formula/TableServices.h"
#include "io/EquationFileCommands.h"
#include "io/SoundSlots.h"
#include "io/Tprinnavi.h"
#include "platform/Dialogs.h"
#include "platform/FileAssociation.h"
#include "platform/FontMap.h"
#include "platform/ProgramFolder.h"
#include "platform/Sjis.h"
#include "render/DrawToolkitOutput.h"
#include "render/RedrawPipeline.h"
#include "render/ViewZoom2D.h"
#include "ui/GraphWindowLogic.h"
#include "ui/ManualPages.h"
#include "ui/PictureFiles.h"
#include "ui/RangeForm.h"
#include "ui/Tgraph.h"
#include "ui/Thanni3d.h"
#include "ui/Tlabeleditor.h"
#include "ui/Tlpnavi.h"
#include "ui/Twarning.h"

int SaveStartingMode(int animationMode) {
  constexpr int kModes[] = {5, 6, 3, 1, 4, 2, 0};
  return animationMode >= 0 && animationMode <= 6 ? kModes[animationMode] : 0;
}

// --- documents ---

void Tlpnavi::alldeleteClick() {
  if (ShowWarning(3)) {
    if (modes.AnimationMode == 5) CloseTangentNavi();
    graph_->RestoreStartSize();
    ResetParameterInterval();
    modes.OutputColorMode = 0;
    doc.CoordinateSystem = 0;
    ResetForNewFile();
    ResetAllSettings(1);
    if (ValueChange) ValueChange->hide();
    graph_->SetUI3D(doc.Dimension == 3);
    graph_->ShowLineWidthButton();
    RedrawAll();
  }
  UpdateDimensionButton();
}

void Tlpnavi::ResetForNewFile() {
  if (doc.Dimension == 3) {
    graph_->SwitchTo2D();
    doc.Dimension = 2;
    doc.Axes3DShown = 1;
  }
  if (settings.BackgroundShown) graph_->ClearBackgroundPicture();
  settings.CurrentFileName.clear();
  ResetDocument();
  ResetViewRange();
  ClearAfterImages(settings.AfterImageHistory);
  modes.AfterImageOn = 0;
  modes.LocusOn = 0;
  doc.MacroLines.clear();
  Macros().CompileMacro();
  scrollBox_->verticalScrollBar()->setValue(0);
  if (graph_->isMaximized()) graph_->showNormal();
}

void Tlpnavi::equationLoadClick(bool fromDemo) {
  StopSerialSaving();
  OpenEquationFile(fromDemo ? GraphFolders.Program / "demo" : GraphFolders.Demo);
}

void Tlpnavi::OpenEquationFile(const std::filesystem::path& folder) {
  if (!dialogs) return;
  platform::FileDialogRequest request;
  request.title = "読み込む数式ファイル名の設定";
  request.filter = "数式|*.lpw";
  request.defaultExtension = "lpw";
  request.folder = folder;
  const std::optional<std::filesystem::path> name = dialogs->openFile(request);
  if (!name) return;
  if (!DocumentIsUntouched() && !ShowWarning(12)) return;
  CloseCalculusWindow();
  CloseTangentNavi();
  ResetParameterInterval();
  const EquationFileResult result = LoadEquationFile(*name);
  if (!result.ok && !result.message.empty()) dialogs->showMessage(result.message);
}

void Tlpnavi::equationsaveClick() {
  if (!dialogs) return;
  // The graph takes no input while the file is written; a running macro keeps it
  // disabled afterwards.
  const bool enabled = graph_->isEnabled();
  graph_->setEnabled(false);
  SaveEquationFile(SaveStartingMode(modes.AnimationMode), *dialogs);
  graph_->setEnabled(enabled);
}

void Tlpnavi::dimentionClick() {
  if (!ShowWarning(static_cast<std::uint8_t>(doc.Dimension + 11))) return;
  EraseAfterImages();
  KeepCommonFigures();
  if (doc.Dimension != 3) {
    doc.Dimension = 3;
    menuItems_.at("N1")->setVisible(false);
    doc.RangeBoxShown = 0;
    graph_->SwitchTo3D();
  } else {
    doc.Dimension = 2;
    menuItems_.at("N1")->setVisible(true);
    graph_->SwitchTo2D();
    RedrawAll();
  }
  UpdateDimensionButton();
}

void Tlpnavi::UpdateDimensionButton() {
  const bool space = doc.Dimension == 3;
  const char* caption = space ? " Plot2Dに変更" : " Plot3Dに変更";
  menuItems_.at("dimtran1")->setText(QString::fromUtf8(caption));
  QToolButton* button = buttons_.at("dimention");
  button->setText(space ? QStringLiteral("2D") : QStringLiteral("3D"));
  button->setToolTip(QString::fromUtf8(caption).trimmed());
}

void Tlpnavi::SetSpaceControls(bool space) {
  difMenu_->menuAction()->setVisible(!space);
  buttons_.at("loadpicture")->setVisible(!space);
  LayoutParts();
}

// --- pictures ---

void Tlpnavi::ClipboardCopy(bool blackAndWhite) {
  CloseRangeForm();
  StopSerialSaving();
  const std::uint8_t kept = modes.OutputColorMode;
  modes.OutputColorMode = blackAndWhite ? 2 : 0;
  graph_->CopyGraphAsMetafile();
  modes.OutputColorMode = kept;
}

void Tlpnavi::graphsaveClick() {
  CloseRangeForm();
  graph_->savepicturer2Click();
}

void Tlpnavi::SetSerialSavingAllowed(bool allowed) {
  CloseRangeForm();
  menuItems_.at(allowed ? "cansave" : "notsave")->setChecked(true);
  if (!allowed) StopSerialSaving();
  buttons_.at("gsaveBT")->setVisible(allowed);
  LayoutParts();
}

void Tlpnavi::gsaveBTClick(bool down) {
  if (!down || !dialogs) {
    StopSerialSaving();
    return;
  }
  SerialSave.counter = 1;
  platform::FileDialogRequest request;
  request.title = "連続保存するファイル名の設定";
  request.filter = "PNGイメージ|*.png|JPEGイメージ|*.jpg|ビットマップ|*.bmp";
  request.defaultExtension = "png|jpg|bmp";
  request.folder = GraphFolders.Picture;
  const std::optional<std::filesystem::path> name = dialogs->saveFile(request);
  if (!name) {
    StopSerialSaving();
    return;
  }
  SerialSave.name = name->string();
  GraphFolders.Picture = name->parent_path();
  buttons_.at("gsaveBT")->setToolTip(QString::fromUtf8("グラフの連続保存解除"));
  // Another extension keeps the format chosen before.
  if (const std::optional<std::uint8_t> format = PictureFormatOf(*name)) settings.SerialSaveFormat = *format;
  if (!graph_->SaveGraphPicture(SerialFrameName(SerialSave.name, SerialSave.counter), settings.SerialSaveFormat))
    StopSerialSaving();
}

void Tlpnavi::StopSerialSaving() {
  QToolButton* button = buttons_.at("gsaveBT");
  button->setChecked(false);
  SerialSave.counter = 0;
  button->setToolTip(QString::fromUtf8("グラフの連続保存"));
}

void Tlpnavi::loadpictureClick(bool down) {
  if (doc.Dimension == 3) {
    ReleaseBackgroundButton();
    return;
  }
  if (!down) {
    graph_->ClearBackgroundPicture();
    RedrawAll();
    return;
  }
  if (graph_->ChooseBackgroundPicture()) PressBackgroundButton();
  else buttons_.at("loadpicture")->setChecked(settings.BackgroundShown);
}

void Tlpnavi::ReleaseBackgroundButton() {
  QToolButton* button = buttons_.at("loadpicture");
  button->setChecked(false);
  button->setToolTip(QString::fromUtf8("背景画像の読み込み"));
}

void Tlpnavi::PressBackgroundButton() {
  QToolButton* button = buttons_.at("loadpicture");
  button->setChecked(true);
  button->setToolTip(QString::fromUtf8("背景画像の削除"));
}

// --- sounds ---

void Tlpnavi::wplayClick(int slot) { PlaySoundCommand(slot); }

void Tlpnavi::wvClick(int slot) { SaveSoundCommand(slot); }

// --- other windows ---

void Tlpnavi::labelenterClick() { ShowLabelEditor(); }

void Tlpnavi::paraBTClick() {
  if (!ValueChange) return;
  ValueChange->showNormal();
  Macros().CompileMacro();
  modes.AnimationMode = 0;
  ValueChange->ShowParameterForm();
}

void Tlpnavi::intervalBTClick() {
  if (!ValueChange) return;
  ValueChange->showNormal();
  modes.PreviousAnimationMode = modes.AnimationMode;
  ValueChange->hide();
  EraseAfterImages();
  doc.BackgroundDirty = 1;
  modes.AnimationMode = 1;
  RedrawAll();
  ValueChange->ShowIntervalPanel();
}

void Tlpnavi::CalculusItemClick(int item) {
  void (*const windows[])() = {OpenMeanRateNavi, [] { OpenTangentNavi(graph); }, OpenRiemannSumNavi,
                               OpenIntegralTheoremNavi};
  if (ui.SubFormOpen || item < 0 || item > 3) return;
  Timer1().SetEnabled(false);
  modes.CalculusActive = 1;
  windows[item]();
}

void Tlpnavi::zahyouClick() {
  Timer1().SetEnabled(false);
  if (doc.Dimension != 3)
    ShowRangeForm(x(), y() + 40);
  else
    ShowThanni3d(x(), y() + 40);
}

void Tlpnavi::printbtClick() { ShowPrintSettings(); }

// --- help and the file association ---

void Tlpnavi::ShowHelpPage(const char* page) { OpenManualPage(page); }

void Tlpnavi::FhlpBTClick() { ShowHelpPage(doc.Dimension == 3 ? "tourokusp.html" : "touroku.html"); }

void Tlpnavi::N4Click() {
  std::string error;
  if (!platform::AssociateEquationFiles(platform::ProgramFile(), &error) && dialogs)
    dialogs->showMessage("ファイルの関連付けができませんでした。" + error);
}

// --- the memo ---

void Tlpnavi::memoBTClick(bool down) {
  ui.MemoShown = down ? 1 : 0;
  buttons_.at("memoBT")->setToolTip(QString::fromUtf8(down ? "メモの終了" : "メモの表示"));
  LayoutParts();
}

void Tlpnavi::LayoutMemoPanel() {
  QStringList lines;
  for (const std::string& line : doc.MemoLines) lines << QString::fromStdString(sjis::ToUtf8(line));
  memoLoading_ = true;
  if (memo_->toPlainText() != lines.join('\n')) memo_->setPlainText(lines.join('\n'));
  memoLoading_ = false;
  buttons_.at("memoBT")->setChecked(ui.MemoShown);
  buttons_.at("memoBT")->setToolTip(QString::fromUtf8(ui.MemoShown ? "メモの終了" : "メモの表示"));
  LayoutParts();
}

void Tlpnavi::ApplyMemoFont() {
  const Tlfont& f = doc.MemoFont;
  QFont font(gfx::FontFamilyFor(f.name));
  font.setPointSize(std::max(1, ScaleForThickness(f.size > 0 ? f.size : 11)));
  font.setBold(f.style & 1);
  font.setItalic(f.style & 2);
  memo_->setFont(font);
}

// The memo's lines as the document keeps them: one per line of the text, CP932.
void Tlpnavi::MemoChanged() {
  if (memoLoading_) return;
  doc.MemoLines.clear();
  for (QTextBlock b = memo_->document()->begin(); b.isValid(); b = b.next())
    doc.MemoLines.push_back(sjis::FromUtf8(b.text().toStdString()));
  while (!doc.MemoLines.empty() && doc.MemoLines.back().empty()) doc.MemoLines.pop_back();
}

bool Tlpnavi::eventFilter(QObject* watched, QEvent* event) {
  if (watched == memo_->viewport() && event->type() == QEvent::MouseButtonDblClick && dialogs) {
    platform::FontChoice initial;
    initial.face = sjis::ToUtf8(doc.MemoFont.name);
    initial.size = doc.MemoFont.size;
    initial.color = doc.MemoFont.color;
    initial.style = doc.MemoFont.style;
    if (const std::optional<platform::FontChoice> chosen = dialogs->chooseFont(initial)) {
      doc.MemoFont.name = sjis::FromUtf8(chosen->face);
      doc.MemoFont.size = chosen->size;
      doc.MemoFont.style = chosen->style;
      ApplyMemoFont();
    }
    return true;
  }
  return QWidget::eventFilter(watched, event);
}
