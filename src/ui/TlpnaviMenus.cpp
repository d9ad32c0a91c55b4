// The navigator's main menu, its tool buttons, the picture menu of "画面クリップ・保存" and
// the entry list's right-click menu, each item bound to its command.
#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>
#include <set>
#include <tuple>

#include "formula/DocumentState.h"
#include "ui/MenuTable.h"
#include "ui/PointMenuModel.h"
#include "ui/TAboutBox1.h"
#include "ui/Tlpnavi.h"

namespace {
constexpr int kButtonWidth = 26, kButtonHeight = 26;
}

QAction* Tlpnavi::AddItem(QMenu* menu, const std::string& name, const char* caption, std::function<void()> command) {
  QAction* item = menu->addAction(QString::fromUtf8(caption));
  item->setObjectName(QString::fromStdString(name));
  if (command) connect(item, &QAction::triggered, this, std::move(command));
  menuItems_[name] = item;
  return item;
}

void Tlpnavi::BuildMenus() {
  menuBar_ = new QMenuBar(this);
  menuBar_->setNativeMenuBar(false);

  fileMenu_ = menuBar_->addMenu(QString::fromUtf8("ファイル"));
  menuItems_["File1"] = fileMenu_->menuAction();
  AddItem(fileMenu_, "dimtran1", " Plot3Dに変更", [this] { dimentionClick(); });
  fileMenu_->addSeparator();
  AddItem(fileMenu_, "equationLoad", "式の読み込み", [this] { equationLoadClick(false); });
  AddItem(fileMenu_, "equationsave", "登録した式の保存", [this] { equationsaveClick(); });
  fileMenu_->addSeparator();
  QMenu* play = fileMenu_->addMenu(QString::fromUtf8("音を鳴らす"));
  menuItems_["wavplay"] = play->menuAction();
  AddItem(play, "N7", "演奏音番号", nullptr)->setEnabled(false);
  QMenu* save = fileMenu_->addMenu(QString::fromUtf8("音の保存"));
  menuItems_["wsav"] = save->menuAction();
  AddItem(save, "N6", "保存音番号", nullptr)->setEnabled(false);
  for (int n = 1; n <= kSoundSlots; ++n) {
    const std::string number = std::to_string(n);
    AddItem(play, "wplay" + number, number.c_str(), [this, n] { wplayClick(n); });
    AddItem(save, "wv" + number, number.c_str(), [this, n] { wvClick(n); });
  }
  menuItems_["N3"] = fileMenu_->addSeparator();
  AddItem(fileMenu_, "demoload", "DEMOを開く", [this] { equationLoadClick(true); });
  fileMenu_->addSeparator();
  QMenu* clip = fileMenu_->addMenu(QString::fromUtf8("グラフをｃｌｉｐボードへコピー"));
  menuItems_["clip"] = clip->menuAction();
  AddItem(clip, "colorEclip", "color", [this] { ClipboardCopy(false); });
  AddItem(clip, "BlackEclip", "白黒", [this] { ClipboardCopy(true); });
  AddItem(fileMenu_, "graphsave", " グラフをファイルに保存", [this] { graphsaveClick(); });
  QMenu* serial = fileMenu_->addMenu(QString::fromUtf8(" 連番ファイルの保存設定"));
  menuItems_["serialsave"] = serial->menuAction();
  auto* serialGroup = new QActionGroup(this);
  for (auto [name, caption, allows] :
       {std::tuple{"cansave", "連番ファイル保存可能", true}, std::tuple{"notsave", "連番ファイル保存不可能", false}}) {
    const bool allowed = allows;  // older clang cannot capture a structured binding
    QAction* item = AddItem(serial, name, caption, [this, allowed] { SetSerialSavingAllowed(allowed); });
    item->setCheckable(true);
    serialGroup->addAction(item);
  }
  menuItems_["notsave"]->setChecked(true);
  fileMenu_->addSeparator();
  AddItem(fileMenu_, "Label2", "Label表示", [this] { labelenterClick(); });
  AddItem(fileMenu_, "N4", "ファイルの関連付け", [this] { N4Click(); });
  menuItems_["N1"] = fileMenu_->addSeparator();
  AddItem(fileMenu_, "mnuExit", " Lumenplotterの終了", [this] { close(); });
  connect(fileMenu_, &QMenu::aboutToShow, this, [this] { ShowSoundItems(); });

  difMenu_ = menuBar_->addMenu(QString::fromUtf8("微積ｱﾆﾒ"));
  menuItems_["dif"] = difMenu_->menuAction();
  const char* calculus[][2] = {{"henkaritu", "平均変化率"},
                               {"sessenval", "接線の変化"},
                               {"kubuninteg", "区分求積"},
                               {"integteiri", "定積分・基本定理"}};
  for (int i = 0; i < 4; ++i) AddItem(difMenu_, calculus[i][0], calculus[i][1], [this, i] { CalculusItemClick(i); });
  connect(difMenu_, &QMenu::aboutToShow, this, [this] {
    if (doc.XAxisUnit > 2) ShowMessage("ｘの目盛りをラジアンにしてください。");
  });

  QAction* zahyou = menuBar_->addAction(QString::fromUtf8("画面設定"));
  zahyou->setObjectName(QStringLiteral("zahyou"));
  menuItems_["zahyou"] = zahyou;
  connect(zahyou, &QAction::triggered, this, [this] { zahyouClick(); });

  QMenu* help = menuBar_->addMenu(QString::fromUtf8("ヘルプ"));
  menuItems_["H1"] = help->menuAction();
  AddItem(help, "manualhtm1", "html マニュアル", [this] { ShowHelpPage("manual.html"); });
  AddItem(help, "barjyon", "バージョン情報", [this] { ShowVersionWindow(screen_); });

  // The picture menu of the tool button "画面クリップ・保存".
  popupMenu1_ = new QMenu(this);
  QMenu* cclip = popupMenu1_->addMenu(QString::fromUtf8("クリップボードに保存"));
  menuItems_["cclip"] = cclip->menuAction();
  AddItem(cclip, "Color1", "Color", [this] { ClipboardCopy(false); });
  AddItem(cclip, "BlackEclip2", "白黒", [this] { ClipboardCopy(true); });
  AddItem(popupMenu1_, "colorsave2", "Fileに保存", [this] { graphsaveClick(); });
}

QToolButton* Tlpnavi::AddButton(const std::string& name, const char* caption, const char* hint, bool toggle) {
  auto* button = new QToolButton(itempanel_);
  button->setObjectName(QString::fromStdString(name));
  button->setText(QString::fromUtf8(caption));
  button->setToolTip(QString::fromUtf8(hint));
  button->setCheckable(toggle);
  button->setAutoRaise(true);
  button->resize(kButtonWidth, kButtonHeight);
  buttons_[name] = button;
  return button;
}

void Tlpnavi::BuildToolPanel() {
  auto click = [this](QToolButton* b, std::function<void()> command) {
    connect(b, &QToolButton::clicked, this, std::move(command));
  };
  auto toggle = [this](QToolButton* b, std::function<void(bool)> command) {
    connect(b, &QToolButton::clicked, this, std::move(command));
  };
  click(AddButton("alldelete", "新", "新規作成", false), [this] { alldeleteClick(); });
  click(AddButton("equloadbt", "開", "式の読み込み", false), [this] { equationLoadClick(false); });
  click(AddButton("equsave", "保", "式の保存", false), [this] { equationsaveClick(); });
  QToolButton* gsave1 = AddButton("gsave1", "画", "画面クリップ・保存", false);
  click(gsave1, [this, gsave1] { popupMenu1_->popup(gsave1->mapToGlobal(QPoint(0, gsave1->height()))); });
  click(AddButton("paraBT", "P", "パラメータ表示", false), [this] { paraBTClick(); });
  click(AddButton("labelenter", "Ａ", "画面にラベルを張り付けます", false), [this] { labelenterClick(); });
  toggle(AddButton("memoBT", "メ", "メモの表示", true), [this](bool down) { memoBTClick(down); });
  click(AddButton("intervalBT", "区", "区間設定", false), [this] { intervalBTClick(); });
  click(AddButton("dimention", "3D", "Plot3Dに変更", false), [this] { dimentionClick(); });
  toggle(AddButton("loadpicture", "背", "背景画像の読込", true), [this](bool down) { loadpictureClick(down); });
  toggle(AddButton("gsaveBT", "連", "画面の連番ファイル保存", true), [this](bool down) { gsaveBTClick(down); });
  click(AddButton("toolhp", "?", "ツールバーのヘルプを表示します", false), [this] { ShowHelpPage("tool.html"); });
  click(AddButton("printbt", "印", "印刷", false), [this] { printbtClick(); });
  buttons_["gsaveBT"]->hide();

  // Beside the list.
  fhlpBT_ = new QToolButton(this);
  fhlpBT_->setObjectName(QStringLiteral("FhlpBT"));
  fhlpBT_->setText(QStringLiteral("?"));
  fhlpBT_->setToolTip(QString::fromUtf8("入力ヘルプを表示します。"));
  fhlpBT_->resize(20, 20);
  buttons_["FhlpBT"] = fhlpBT_;
  connect(fhlpBT_, &QToolButton::clicked, this, [this] { FhlpBTClick(); });
}

void Tlpnavi::BuildPointMenu() {
  pointMenu_ = new QMenu(this);
  const auto actions =
      AddMenuItems<TPointMenuItem>(pointMenu_, PointMenuItems(), [this](const TPointMenuItem& item, QAction* action) {
        const std::string name = item.name;
        const int code = item.code;
        connect(action, &QAction::triggered, this, [this, name, code] { PointMenuChosen(name, code); });
      });
  for (const auto& [name, action] : actions) menuItems_["PopupMenu2." + name] = action;
}

QMenu* Tlpnavi::PreparePointMenu(int x, int y) {
  if (ui.SubFormOpen) return nullptr;
  const int hit = model_.List().RowAt(x, y, model_.Layout.imageWidth);
  if (hit < 0) return nullptr;
  const std::set<std::string> shown = PointMenuShown(model_.List().ListRows[static_cast<size_t>(hit)]);
  if (shown.empty()) return nullptr;
  model_.ListMouseX = x;
  model_.ListMouseY = y;
  for (const TPointMenuItem& item : PointMenuItems())
    menuItems_.at("PopupMenu2." + std::string(item.name))->setVisible(!*item.caption || shown.count(item.name) > 0);
  return pointMenu_;
}

void Tlpnavi::ShowSoundItems() {
  bool any = false;
  for (int n = 1; n <= kSoundSlots; ++n) {
    const bool present = doc.SoundPresent[n] != 0;
    any = any || present;
    menuItems_.at("wplay" + std::to_string(n))->setVisible(present);
    menuItems_.at("wv" + std::to_string(n))->setVisible(present);
  }
  for (const char* name : {"wavplay", "wsav", "N3"}) menuItems_.at(name)->setVisible(any);
}

QAction* Tlpnavi::MenuItem(const std::string& name) const {
  const auto it = menuItems_.find(name);
  return it == menuItems_.end() ? nullptr : it->second;
}

QToolButton* Tlpnavi::ToolButton(const std::string& name) const {
  const auto it = buttons_.find(name);
  return it == buttons_.end() ? nullptr : it->second;
}
