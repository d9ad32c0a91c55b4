// The graph window's pictures: the drawing saved as BMP, JPEG or PNG, numbered frames
// while serial saving is on, the clipboard copy, the background picture, and the pop-up
// menu on the drawing with "点をプロット".
#include "formula/DocumentState.h"
#include "platform/Clipboard.h"
#include "platform/Dialogs.h"
#include "platform/RasterCanvas.h"
#include "render/MetafileRecording.h"
#include "render/RedrawPipeline.h"
#include "render/RenderState.h"
#include "render/SpaceScene.h"
#include "ui/GraphPopupMenu.h"
#include "ui/GraphPopupModel.h"
#include "ui/GraphWindowLogic.h"
#include "ui/PictureFiles.h"
#include "ui/PlotPoint.h"
#include "ui/Tclpanel.h"
#include "ui/Tgraph.h"
#include "ui/Tlpnavi.h"

namespace {

void ShowMessage(platform::Dialogs* dialogs, const std::string& text) {
  if (dialogs) dialogs->showMessage(text);
}

}  // namespace

void Tgraph::savepicturer2Click() {
  if (!dialogs) return;
  const std::uint8_t keptColors = modes.OutputColorMode;
  modes.OutputColorMode = 0;
  platform::FileDialogRequest request;
  request.title = "保存する画像ファイル名の設定";
  request.filter = "PNGイメージ|*.png|JPEGイメージ|*.jpg|ビットマップ(BMP)|*.bmp";
  request.defaultExtension = "png|jpg|bmp|wmf|emf";
  request.folder = GraphFolders.Picture;
  if (const std::optional<std::filesystem::path> name = dialogs->saveFile(request)) {
    SerialSave.name = name->string();
    GraphFolders.Picture = name->parent_path();
    if (const std::optional<std::uint8_t> format = PictureFormatOf(*name)) SaveGraphPicture(*name, *format);
    else ShowMessage(dialogs, name->filename().string() + ": 画像は .png, .jpg, .bmp の名前で保存して下さい。");
  }
  modes.OutputColorMode = keptColors;
}

bool Tgraph::SaveGraphPicture(const std::filesystem::path& name, std::uint8_t format) {
  const QImage picture = image_.Image().copy(0, 0, doc.GraphWidth, doc.GraphHeight);
  try {
    SavePictureAs(picture, name, format);
    return true;
  } catch (const std::exception& e) {
    ShowMessage(dialogs, name.string() + " に画像を保存できませんでした: " + e.what());
    return false;
  }
}

void Tgraph::SaveContinuousFrame() {
  if (ui.HideDrawActive || settings.DrawToMetafile) return;
  if (SerialSave.counter >= kLastSerialFrame) navigator_.StopSerialSaving();
  if (SerialSave.counter == 0) return;
  ++SerialSave.counter;
  // A frame that cannot be written ends the series rather than failing on every change.
  if (!SaveGraphPicture(SerialFrameName(SerialSave.name, SerialSave.counter), settings.SerialSaveFormat))
    navigator_.StopSerialSaving();
}

void Tgraph::CopyGraphAsMetafile() {
  gfx::RasterCanvas paper(std::max(1, doc.GraphWidth), std::max(1, doc.GraphHeight));
  {
    const MetafileRecording recording(paper);
    RedrawAll();
  }
  if (clipboard) clipboard->setImage(paper.Image());
}

bool Tgraph::ChooseBackgroundPicture() {
  if (!dialogs) return false;
  platform::FileDialogRequest request;
  request.title = "背景に読込む画像ファイル名の設定";
  request.filter = "画像ファイル(BMP,JPEG,PNG)|*.BMP;*.jpg;*.png";
  request.folder = GraphFolders.Background;
  const std::optional<std::filesystem::path> name = dialogs->openFile(request);
  if (!name) return false;
  std::string error;
  if (!LoadBackgroundPicture(*name, &error)) {
    ShowMessage(dialogs, name->filename().string() + " を背景に読み込めません: " + error);
    return false;
  }
  GraphFolders.Background = name->parent_path();
  RedrawAll();
  return true;
}

bool Tgraph::LoadBackgroundPicture(const std::filesystem::path& name, std::string* error) {
  try {
    ::render.BackgroundPicture = LoadPictureFile(name);
  } catch (const std::exception& e) {
    if (error) *error = e.what();
    return false;
  }
  settings.BackgroundShown = 1;
  doc.BackgroundDirty = 1;
  return true;
}

void Tgraph::ClearBackgroundPicture() {
  settings.BackgroundShown = 0;
  ::render.BackgroundPicture = TBitmap();
  doc.BackgroundDirty = 1;
  navigator_.ReleaseBackgroundButton();
}

// --- the pop-up menu ---

void Tgraph::ShowPopupMenu(const QPoint& globalPos, int px, int py) {
  if (!popupMenuEnabled_) return;
  MouseDownX = px;
  MouseDownY = py;
  popupMenu1_->Prepare();
  popupMenu1_->popup(globalPos);
}

void Tgraph::PopupItemChosen(const std::string& name) {
  switch (ChooseGraphPopupItem(name)) {
    case PopupEffect::RedrawAll: RedrawAll(); break;
    case PopupEffect::RedrawSpaceScene:
      RedrawSpaceScene();
      break;
    case PopupEffect::PlotPoint: pplotClick(); break;
    case PopupEffect::SavePicture: savepicturer2Click(); break;
    case PopupEffect::None: break;
  }
}

void Tgraph::pplotClick() {
  TPlotPointSteps steps;
  steps.pickName = [this] {
    const QPoint at = graphpaint_->mapToGlobal(QPoint(MouseDownX, MouseDownY));
    const platform::ScreenRect area = screen_.geometry();
    return PickNewPointName(0, [&](QSize size) {
      const TPickerPlace p = PickerNearPixel(at.x(), at.y(), MouseDownX, size.width(), size.height(),
                                             area.left + area.width, area.top + area.height);
      return QPoint(p.left, p.top);
    });
  };
  steps.openEntryWindow = [this](int entry, std::uint8_t mode) {
    return navigator_.OpenEntryWindow(entry, entry, mode, navigator_.Place().left + 4) == EntryWindowResult::Accepted;
  };
  const TSpaceReadout readout{mouse_->ReadoutXText, mouse_->ReadoutYText, mouse_->ReadoutZText};
  if (!PlotPointAt(MouseDownX, MouseDownY, readout, steps)) return;
  navigator_.RebuildEquationList();
  if (doc.Dimension == 3) {
    RedrawSpaceScene();
  } else {
    RedrawGraph();
  }
}
